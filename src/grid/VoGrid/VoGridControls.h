#pragma once
// The windows and controls a string grid owns: footer and search panels, slim scroll controls, the hint
// window, filter drop lists, the header drag button, the editors of form controls in cells and the
// in-place editor wrappers. Each is created by the grid with the state listed here; the grid's editing,
// filtering, searching and scrolling drive them.
#include <functional>

#include "grid/VoGrid/Editors/CellEditors.h"
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGridSearchPanel.h"
#include "platform/ExtCtrls.h"
#include "platform/HintWindow.h"
#include "platform/PopupWindow.h"
#include "platform/StdCtrls.h"

class VOroDavoduRuzu;

// Panel under the cells that shows the floating footer; its owner is the grid.
class TFooterPanel : public TPanel {
public:
    explicit TFooterPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFooterPanel"); }
    // The footer column under x: the last fixed column inside the fixed area, -1 past the last column.
    int ColumnAt(int X) const;
    int LastHintColumn() const { return FLastHintX; }

protected:
    void WndProc(TMessage& Message) override;
    void Paint() override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    VOroDavoduRuzu* grid() const;
    int paintFixedLastRow(TCanvas& canvas);
    int paintPreview(TCanvas& canvas, bool custom);
    int FLastHintX = -1;
};

// The text of a footer template: each "<#n>" becomes the text of column n in the current row.
QString ExpandFooterTemplate(const QString& Template, const std::function<QString(int)>& CellOfColumn);

// The slim scroll control of the ssMetro scroll style: Direction 0 vertical, 1 horizontal. It works only on
// a grid parent: a thumb in Color over the track beside the fixed cells; a click beside the thumb pages, a
// drag on it scrolls.
class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TScrollControl"); }
    int Direction = 0;
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    VOroDavoduRuzu* GetGrid() const;
    int GetTrackStart() const;
    int GetTrackLength() const;
    void GetThumb(int& Pos, int& Size) const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    bool vertical() const { return Direction == 0; }
    TColor FColor = 0xC0C0C0;
    int FScrollWidth = 4;
    bool FDownOnScroller = false;
    int FDownPos = 0;
    int FDownRow = 0;
};

// The grid's hint window: it renders HTML hints with the grid's pictures and wide texts as one line,
// and stays inside the monitor it opens on.
class THTMLHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    QString ClassName() const override { return QStringLiteral("THTMLHintWindow"); }
    // AData is the grid whose pictures the hint may show, or nullptr.
    TRect CalcHintRect(int MaxWidth, const QString& AHint, void* AData) override;
    void ActivateHint(const TRect& ARect, const QString& AHint) override;
    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void Paint() override;

private:
    // The size of the text laid out MaxWidth wide.
    TSize measure(const QString& AHint, int MaxWidth);
    static void useHintFont(TCanvas& Canvas);
    const TImageList* FImages = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
};

// What the filter drop-down lists share: OnSelect with the chosen item, and the cancel-mode notification
// (a click elsewhere) hides the list when the mouse is outside it and reports OnCancel.
class TDropListBase : public TListBox {
public:
    explicit TDropListBase(TComponent* AOwner);
    std::function<void(TObject* Sender, int ItemIndex)> OnSelect;
    TNotifyEvent OnCancel;

protected:
    void WndProc(TMessage& Message) override;
};

// Single choice: Enter or a mouse button release hides the list and selects the current item.
class TDropList : public TDropListBase {
public:
    using TDropListBase::TDropListBase;
    QString ClassName() const override { return QStringLiteral("TDropList"); }

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void choose();
};

// A check box per value; every change of a mark selects -1 (the handler reads all marks).
class TDropCheckList : public TDropListBase {
public:
    explicit TDropCheckList(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TDropCheckList"); }
    // Ticks or clears an item as the list opens, without reporting a change.
    void Mark(int Index, bool Value);

private:
    bool FMarking = false;
};

// A frameless window over the forms that never becomes active: the picture that follows the mouse while a
// column or row is dragged.
class TNoActiveForm : public TPopupWindow {
public:
    explicit TNoActiveForm(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TNoActiveForm"); }
    void WndProc(TMessage& Message) override;
};

// The header cell a column is dragged by.
class THeaderDragButton : public TCustomControl {
public:
    THeaderDragButton(TComponent* AOwner, VOroDavoduRuzu* grid);
    QString ClassName() const override { return QStringLiteral("THeaderDragButton"); }
    VOroDavoduRuzu* Grid() const { return FGrid; }
    // The header text being dragged; with "</" it is shown as HTML.
    QString Caption;
    bool Flat = false;

protected:
    void Paint() override;

private:
    VOroDavoduRuzu* FGrid;
};
