#pragma once
// Message boxes and the open and save file dialogs.
#include "platform/Components.h"
#include "platform/Controls.h"

#include <functional>
#include <optional>

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn : std::uint16_t {
    mbYes = 1 << 0,
    mbNo = 1 << 1,
    mbOK = 1 << 2,
    mbCancel = 1 << 3,
    mbAbort = 1 << 4,
    mbRetry = 1 << 5,
    mbIgnore = 1 << 6,
    mbAll = 1 << 7,
    mbNoToAll = 1 << 8,
    mbYesToAll = 1 << 9,
    mbHelp = 1 << 10,
    mbClose = 1 << 11,
};
using TMsgDlgButtons = std::uint16_t;
constexpr TMsgDlgButtons mbYesNo = mbYes | mbNo;
constexpr TMsgDlgButtons mbYesNoCancel = mbYes | mbNo | mbCancel;
constexpr TMsgDlgButtons mbOKCancel = mbOK | mbCancel;
constexpr TMsgDlgButtons mbAbortRetryIgnore = mbAbort | mbRetry | mbIgnore;

// A message box with the kind's caption ("Error", "Warning", "Information", "Confirmation") and icon;
// returns the modal result of the button chosen (closing the box chooses Cancel, No or the only button).
TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx = 0);
// A message box with the application's title and an OK button.
void ShowMessage(const QString& Msg);

struct TMessageBoxRequest {
    TMsgDlgType Kind = mtCustom;
    QString Caption;
    QString Text;
    TMsgDlgButtons Buttons = mbOK;
};
// Answers message boxes instead of a person (tests install it through MessageBoxRecorder).
using TMessageBoxHook = std::function<TModalResult(const TMessageBoxRequest& request)>;
TMessageBoxHook& MessageBoxHook();

enum TOpenOption : std::uint16_t {
    ofOverwritePrompt = 1 << 0,
    ofHideReadOnly = 1 << 1,
    ofPathMustExist = 1 << 2,
    ofFileMustExist = 1 << 3,
    ofEnableSizing = 1 << 4,
};
using TOpenOptions = std::uint16_t;

// The open dialog. Filter holds pairs "description|pattern" joined by "|" (patterns separated by ";").
class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;
    QString ClassName() const override { return QStringLiteral("TOpenDialog"); }
    // True with FileName set to the chosen file; false when cancelled.
    virtual bool Execute() { return run(false); }

    QString FileName;
    QString Filter;
    int FilterIndex = 1;
    // Appended (with a dot) to a chosen name without extension; a leading "*." or "." is ignored.
    QString DefaultExt;
    QString InitialDir;
    QString Title;
    TOpenOptions Options = ofHideReadOnly | ofEnableSizing;

protected:
    bool run(bool save);
};

class TSaveDialog : public TOpenDialog {
public:
    using TOpenDialog::TOpenDialog;
    QString ClassName() const override { return QStringLiteral("TSaveDialog"); }
    bool Execute() override { return run(true); }
};

struct TFileDialogRequest {
    bool Save = false;
    QString Title;
    QString Filter;
    QString DefaultExt;
    QString InitialDir;
    QString FileName;
};
// Answers file dialogs instead of a person: a path, or no value for a cancel.
using TFileDialogHook = std::function<std::optional<QString>(const TFileDialogRequest& request)>;
TFileDialogHook& FileDialogHook();

// The Qt name filters of a "description|pattern|..." filter.
QStringList FilterToNameFilters(const QString& filter);
// The name with the default extension added when it has none.
QString AddDefaultExt(const QString& fileName, const QString& defaultExt);

// The default beep of a refused input; the kind is MB_OK (0) or an icon kind.
void MessageBeep(UINT kind);
// Test seam: gets each beep's kind in place of the sound.
using TMessageBeepHook = std::function<void(UINT kind)>;
TMessageBeepHook& MessageBeepHook();
