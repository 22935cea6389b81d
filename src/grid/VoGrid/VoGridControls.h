#pragma once
// The windows and controls a string grid owns: footer and search panels, slim scroll controls, the hint
// window, filter drop lists, the header drag button, the editors of form controls in cells and the
// in-place editor wrappers. Each is created by the grid with the state listed here; the grid's editing,
// filtering, searching and scrolling drive them.
#include <functional>

#include "grid/VoGrid/Editors/CellEditors.h"
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

// The grid's hint window; it shows the grid's HTML cell text.
class THTMLHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    QString ClassName() const override { return QStringLiteral("THTMLHintWindow"); }
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
