#pragma once
// Signatures of the events the string grid's in-place editors fire. Validation, edit, combo, spin and
// clipboard events pass the column first; the date picker's close-up and drop-down pass the row first.
#include <QString>
#include <functional>

#include "platform/Classes.h"
#include "platform/DateTimePicker.h"

using TCellValidateEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Valid)>;
using TEditCellDoneEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;
using TEditChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TComboChangeEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex, const QString& ASelection)>;
using TComboObjectChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AItemIndex,
                                                   const QString& ASelection, TObject* AObject)>;
using TSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int AValue, bool UpDown)>;
using TFloatSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, double AValue, bool UpDown)>;
using TDateTimeSpinClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime AValue, bool UpDown)>;
using TEllipsClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& S)>;
using TClipboardEvent = std::function<void(TObject* Sender, bool& Allow)>;
using TClipboardBeforePasteCellEvent =
    std::function<void(TObject* Sender, int ACol, int ARow, QString& Value, bool& Allow)>;
using TClipboardAfterPasteCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TEndRowSizeEvent = std::function<void(TObject* Sender, int ARow)>;
using TGetEditMaskEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TCustomStrToDateEvent = std::function<void(TObject* Sender, const QString& Value, TDateTime& ADate)>;
using TDatePickerEvent = std::function<void(TObject* Sender, int ARow, int ACol)>;
using TDateTimeChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow, TDateTime ADateTime)>;
// Form controls in cell text, and the drop-down editors' header and footer buttons.
class TStringList;
using TCellControlEvent = std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID,
                                             const QString& CtrlType, const QString& CtrlVal)>;
using TCellComboControlEvent =
    std::function<void(TObject* Sender, int ARow, int ACol, const QString& CtrlID, const QString& CtrlType,
                       const QString& CtrlVal, TStringList& Values, bool& Edit, int& DropCount)>;
using TCellComboControlSelectEvent = std::function<void(TObject* Sender, int ARow, int ACol, int ItemIndex,
                                                        const QString& CtrlID, const QString& CtrlValue)>;
using TDropDownButtonClickEvent = std::function<void(TObject* Sender, int ACol, int ARow, int ButtonIndex)>;
