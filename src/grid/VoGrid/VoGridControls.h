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

// Panel under the cells that shows the floating footer; its owner is the grid.
class TFooterPanel : public TPanel {
public:
    explicit TFooterPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TFooterPanel"); }
    // The footer column under x: the last fixed column inside the fixed area, -1 past the last column.
    int ColumnAt(int X) const;
    int LastHintColumn() const { return FLastHintX; }

protected:
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
    // The header text being dragged; with "</" it is shown as HTML.
    QString Caption;
    bool Flat = false;

protected:
    void Paint() override;

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
