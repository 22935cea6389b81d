#pragma once
// The windows and controls a string grid owns: footer and search panels, slim scroll controls, the hint
// window, filter drop lists, the header drag button, the editors of form controls in cells and the
// in-place editor wrappers. Each is created by the grid with the state listed here; the grid's editing,
// filtering, searching and scrolling drive them.
#include <functional>

#include "grid/VoGrid/Editors/GridEditors.h"
#include "platform/ExtCtrls.h"
#include "platform/HintWindow.h"
#include "platform/StdCtrls.h"

class VOroDavoduRuzu;

// Panel under the cells that shows the floating footer.
class TFooterPanel : public TPanel {
public:
    explicit TFooterPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFooterPanel"); }
};

// Panel under the cells with the search edit and its buttons.
class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TSearchPanel"); }
    TNotifyEvent OnEditChange;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnExitClick;
    TNotifyEvent OnHighlightClick;
};

// The slim scroll control of the ssMetro scroll style: Direction 0 vertical, 1 horizontal.
class TScrollControl : public TCustomControl {
public:
    explicit TScrollControl(TComponent* AOwner) : TCustomControl(AOwner) {}
    QString ClassName() const override { return QStringLiteral("TScrollControl"); }
    int Direction = 0;
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
    const TImageList* FImages = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
};

// List that drops down under a header cell to choose a filter value.
class TDropList : public TListBox {
public:
    explicit TDropList(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TDropList"); }
    TNotifyEvent OnSelect;
};

// The same with a check box per value.
class TDropCheckList : public TDropList {
public:
    using TDropList::TDropList;
    QString ClassName() const override { return QStringLiteral("TDropCheckList"); }
};

// The header cell a column is dragged by.
class THeaderDragButton : public TCustomControl {
public:
    THeaderDragButton(TComponent* AOwner, VOroDavoduRuzu* grid);
    QString ClassName() const override { return QStringLiteral("THeaderDragButton"); }
    VOroDavoduRuzu* Grid() const { return FGrid; }

private:
    VOroDavoduRuzu* FGrid;
};

// Editors of the form controls inside HTML cell text.
class TControlEdit : public TEdit {
public:
    explicit TControlEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TControlEdit"); }
};

class TControlCombo : public TComboBox {
public:
    explicit TControlCombo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TControlCombo"); }
};

// Transparent edit and combo used while the grid's own editors are switched.
class TGridTransEdit : public TEdit {
public:
    explicit TGridTransEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridTransEdit"); }
};

class TGridTransCombo : public TComboBox {
public:
    explicit TGridTransCombo(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGridTransCombo"); }
};
