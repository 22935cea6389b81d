// The string grid's window procedure: the message dispatch in front of the base grid, the update lock,
// wheel steps, panning with the pressed wheel, the 500 ms grid timer and focus arrival and departure.
#include <cmath>

#include "grid/VoGrid/Editors/VoRichEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridSearchPanel.h"
#include "grid/base/VoXPVS.h"
#include "platform/Accel.h"
#include "platform/Buttons.h"
#include "platform/DateTimePicker.h"
#include "platform/SystemMetrics.h"
#include "platform/Timers.h"

namespace {
constexpr UINT_PTR PanTimerId = 999;
constexpr UINT PanTimerInterval = 10;
// Pixels around the panning anchor in which the pointer moves nothing.
constexpr int PanDeadZone = 5;
// The square around the anchor the pan mark covers, and the mark itself.
constexpr int PanMarkSize = 32;
constexpr int PanMarkExtent = 26;
// Grid timer ticks without typing after which the incremental search starts over.
constexpr int SearchResetTicks = 4;
// Room added around the cell contents when Ctrl+wheel zooms.
constexpr int ZoomPadding = 4;

// The pan cursor for a direction: neutral, or the sizing cursor along the direction of the move.
TCursor panCursor(int V, int H)
{
    if (V == 0 && H == 0)
        return crSizeAll;
    if (V == 0)
        return crSizeWE;
    if (H == 0)
        return crSizeNS;
    return (V < 0) == (H < 0) ? crSizeNWSE : crSizeNESW;
}
}  // namespace

void VOroDavoduRuzu::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_GETDLGCODE) {
        UINT code = DLGC_WANTARROWS;
        if (!(Options() & goRowSelect)) {
            if (Options() & goTabs)
                code |= DLGC_WANTTAB;
            if (Options() & goEditing)
                code |= DLGC_WANTCHARS;
        }
        if (FNavigation.AutoGotoWhenSorted || !(Options() & goEditing))
            code |= DLGC_WANTCHARS;
        Message.Result = code;
        return;
    }
    if (Message.Msg == WM_DESTROY) {
        if (wheelpan)
            stopPanning();
        KillTimer(FGridTimerID);
    }
    if (ComponentState() & csDestroying) {
        TBaseGrid::WndProc(Message);
        return;
    }
    if (Message.Msg == VoGridUnit().GridEditDoneMsg) {
        EditCellDoneMessage(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
        return;
    }
    if (handleInputMessage(Message))
        return;
    if (Message.Msg == WM_COMMAND)
        comboNotification(Message);
    if (Message.Msg == WM_CANCELMODE && (FGridState == gsColMoving || FGridState == gsRowMoving) && EnhRowColMove &&
        (Cursor() == crDrag || Cursor() == crNoDrop)) {
        endHeaderMove();
        KillTimer(1);
        FGridState = gsNormal;
    }
    if (Message.Msg == CM_CURSORCHANGED) {
        TBaseGrid::WndProc(Message);
        if (!Invokedchange)
            FMouseSelectMode = msNormal;
        Invokedchange = false;
        return;
    }
    if (Message.Msg == CM_DIALOGCHAR) {
        Message.Result = searchFooterMnemonic(static_cast<char16_t>(Message.WParam)) ? 1 : 0;
        return;
    }
    if (Message.Msg == CM_ENABLEDCHANGED) {
        TBaseGrid::WndProc(Message);
        Invalidate();
        return;
    }
    if (Message.Msg == WM_NOTIFY && Message.WParam == DTN_DATETIMECHANGE && OnDateTimeChange) {
        // An in-cell date picker's new date, without its time; 0 when its check box was cleared.
        const auto& change = *reinterpret_cast<const NMDATETIMECHANGE*>(Message.LParam);
        OnDateTimeChange(this, Col(), Row(), change.Flags == GDT_VALID ? std::floor(change.Time) : 0.0);
    }
    if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL)
        scrollMessageHook(Message);
    const int oldRow = Row();
    TBaseGrid::WndProc(Message);
    if (Row() != oldRow && FSyncGrid.SelectionRow)
        SetRow(Row());
}

// The combo editor's list opening and closing reach the grid's hooks.
void VOroDavoduRuzu::comboNotification(const TMessage& Message)
{
    if (!EditCombo || Message.LParam != reinterpret_cast<LPARAM>(static_cast<TWinControl*>(EditCombo)))
        return;
    if (HIWORD(Message.WParam) == CBN_DROPDOWN)
        DoComboDropDown(Row(), Col());
    else if (HIWORD(Message.WParam) == CBN_CLOSEUP)
        DoComboCloseUp(Row(), Col());
}

// A mnemonic runs the shown search footer's find-next, find-previous or highlight button.
bool VOroDavoduRuzu::searchFooterMnemonic(char16_t Key)
{
    if (!FSearchPanel || !FSearchFooter->Visible())
        return false;
    for (TSpeedButton* button :
         {&FSearchPanel->FindNextButton(), &FSearchPanel->FindPrevButton(), &FSearchPanel->HighlightButton()})
        if (IsAccel(Key, button->Caption()) && button->Visible() && button->Enabled()) {
            button->Click();
            return true;
        }
    return false;
}

// Keys, buttons, timers and the wheel; true when the message was handled here.
bool VOroDavoduRuzu::handleInputMessage(TMessage& Message)
{
    const bool designing = ComponentState() & csDesigning;
    switch (Message.Msg) {
    case WM_TIMER:
        if (wheelpan) {
            panStep();
            return true;
        }
        if (Message.WParam == FGridTimerID && FGridTimerID != 0) {
            gridTimer();
            return true;
        }
        return false;
    case WM_MBUTTONDOWN:
        if (wheelpan) {
            stopPanning();
            return false;
        }
        if (wheelmsg != 0 && IntelliPan != ipNone && RowCount() > FixedRows()) {
            startPanning({GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)});
            return true;
        }
        return false;
    case WM_KEYDOWN:
        if (wheelpan)
            stopPanning();
        KeyDownMessageHandler(Message);
        return true;
    case WM_CHAR:
        CharMessageHandler(Message);
        return true;
    case WM_LBUTTONDOWN:
        if (wheelpan)
            stopPanning();
        if (designing)
            return false;
        LeftButtonDownHandler(Message);
        return true;
    case WM_LBUTTONUP:
        if (designing)
            return false;
        LeftButtonUpHandler(Message);
        if (ScrollProportional) {
            UpdateProportionalVScroll();
            UpdateProportionalHScroll();
        }
        return true;
    case WM_LBUTTONDBLCLK:
        if (designing)
            return false;
        DblClickHandler(Message);
        return true;
    case CM_MOUSELEAVE:
        FMouseSelectMode = msNormal;
        FSizeFixed = false;
        FSizeFixedR = false;
        if (!FNoMouseLeave)
            forgetHoverFixedCell();
        if (HoverRow && HoverRowIdx >= 0) {
            const int old = HoverRowIdx;
            HoverRowIdx = -1;
            if (old < RowCount())
                RepaintRow(old);
        }
        return false;
    case CM_HINTSHOW:
        hintRequest(*reinterpret_cast<THintInfo*>(Message.LParam));
        Message.Result = 0;
        return true;
    case WM_SETFOCUS:
        TBaseGrid::WndProc(Message);
        focusArrived();
        return true;
    case WM_KILLFOCUS:
        if (FBlockKill) {
            Message.Result = 1;
            return true;
        }
        TBaseGrid::WndProc(Message);
        repaintMergedCurrentCell();
        releaseControlButton();
        return true;
    case WM_RBUTTONUP:
        // The right button does not end a header move.
        if (EnhRowColMove && (FGridState == gsColMoving || FGridState == gsRowMoving) &&
            (Cursor() == crDrag || Cursor() == crNoDrop)) {
            Message.Result = 0;
            return true;
        }
        return false;
    case WM_RBUTTONDOWN:
        if (wheelpan)
            stopPanning();
        RightButtonDownHandler(Message);
        return true;
    default:
        if (wheelmsg != 0 && Message.Msg == wheelmsg && !wheelpan) {
            wheelStep(Message);
            return true;
        }
        return false;
    }
}

// --- Update lock -------------------------------------------------------------------------------

void VOroDavoduRuzu::BeginUpdate()
{
    ++FUpdateCount;
    if (Showing() && !FRedrawOff) {
        Perform(WM_SETREDRAW, 0);
        FRedrawOff = true;
    }
}

void VOroDavoduRuzu::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FUpdateCount != 0 || (ComponentState() & csDestroying))
        return;
    FSelChange = false;
    if (FRedrawOff) {
        Perform(WM_SETREDRAW, 1);
        FRedrawOff = false;
    }
    if (Showing())
        Invalidate();
}

// Drops every level at once; a grid whose redrawing a lock had switched off draws again.
void VOroDavoduRuzu::ResetUpdate()
{
    FUpdateCount = 0;
    if (FRedrawOff) {
        Perform(WM_SETREDRAW, 1);
        FRedrawOff = false;
        Invalidate();
    }
}

void VOroDavoduRuzu::SetLockUpdate(bool Value)
{
    if (Value)
        BeginUpdate();
    else
        EndUpdate();
}

// --- Panning -----------------------------------------------------------------------------------

void VOroDavoduRuzu::startPanning(TPoint At)
{
    FOldCursor = Cursor();
    TBaseGrid::SetCursor(panCursor(0, 0));
    wheelpan = true;
    SetTimer(PanTimerId, PanTimerInterval);
    wheelpanpos = At;
    SetMouseCapture(true);
    ShowHint = false;
    InvalidateRect(Rect(At.X, At.Y, At.X + PanMarkSize, At.Y + PanMarkSize));
}

void VOroDavoduRuzu::paintMouseMarks(TCanvas& Canvas)
{
    if (wheelpan)
        paintPanMark(Canvas);
    if (FFixedCellPushed) {
        TRect pushed = FPushedFixedCell;
        DrawEdge(Canvas, pushed, BDR_SUNKENINNER, BF_RECT);
    }
}

// A white square with a ring, a dot at the anchor and an arrow for each direction the grid pans in.
void VOroDavoduRuzu::paintPanMark(TCanvas& Canvas)
{
    const int x = wheelpanpos.X;
    const int y = wheelpanpos.Y;
    const int cx = x + PanMarkExtent / 2;
    const int cy = y + PanMarkExtent / 2;
    Canvas.SaveState();
    Canvas.Pen().SetStyle(psSolid);
    Canvas.Pen().SetWidth(1);
    Canvas.Brush().SetStyle(bsSolid);
    Canvas.Brush().SetColor(clWhite);
    Canvas.FillRect(Rect(x, y, x + PanMarkExtent, y + PanMarkExtent));
    Canvas.Pen().SetColor(clGray);
    Canvas.Ellipse(x + 1, y + 1, x + PanMarkExtent - 1, y + PanMarkExtent - 1);
    Canvas.Pen().SetColor(clBlack);
    Canvas.Brush().SetColor(clBlack);
    Canvas.Ellipse(cx - 2, cy - 2, cx + 2, cy + 2);
    if (IntelliPan != ipHorizontal) {
        Canvas.Polygon({{cx - 4, y + 9}, {cx + 4, y + 9}, {cx, y + 5}});
        Canvas.Polygon({{cx - 4, y + 17}, {cx + 4, y + 17}, {cx, y + 21}});
    }
    if (IntelliPan != ipVertical) {
        Canvas.Polygon({{x + 9, cy - 4}, {x + 9, cy + 4}, {x + 5, cy}});
        Canvas.Polygon({{x + 17, cy - 4}, {x + 17, cy + 4}, {x + 21, cy}});
    }
    Canvas.RestoreState();
}

void VOroDavoduRuzu::stopPanning()
{
    SetMouseCapture(false);
    KillTimer(PanTimerId);
    TBaseGrid::SetCursor(FOldCursor);
    ShowHint = true;
    wheelpan = false;
    InvalidateRect(Rect(wheelpanpos.X, wheelpanpos.Y, wheelpanpos.X + PanMarkSize, wheelpanpos.Y + PanMarkSize));
}

// One step of panning: the pointer's side of the anchor decides the direction.
void VOroDavoduRuzu::panStep()
{
    if (wheelmsg == 0 || IntelliPan == ipNone)
        return;
    const TPoint P = ScreenToClient(GetCursorPos());
    const auto direction = [](int pos, int anchor) {
        return pos < anchor - PanDeadZone ? -1 : pos > anchor + PanDeadZone ? 1 : 0;
    };
    const int V = IntelliPan == ipHorizontal ? 0 : direction(P.Y, wheelpanpos.Y);
    const int H = IntelliPan == ipVertical ? 0 : direction(P.X, wheelpanpos.X);
    const TGridRect before = Selection();
    const int lastRow = RowCount() - FixedFooters - 1;
    const int lastCol = ColCount() - FixedRightCols - 1;
    if (Row() > lastRow)
        SetRow(lastRow);
    if (Row() < FixedRows())
        SetRow(FixedRows());
    if (Col() > lastCol)
        SetCol(lastCol);
    if (Col() < FixedCols())
        SetCol(FixedCols());
    const TRect mark = Rect(wheelpanpos.X, wheelpanpos.Y, wheelpanpos.X + PanMarkSize, wheelpanpos.Y + PanMarkSize);
    if (FMouseActions.WheelAction() == waScroll) {
        if ((H < 0 && LeftCol() > FixedCols()) || (H > 0 && LeftCol() < ColCount() - VisibleColCount())) {
            InvalidateRect(mark);
            SetLeftCol(LeftCol() + H);
        }
        if ((V < 0 && TopRow() > FixedRows()) || (V > 0 && TopRow() < RowCount() - VisibleRowCount())) {
            InvalidateRect(mark);
            SetTopRow(TopRow() + V);
        }
    } else {
        int c = Col();
        int r = Row();
        if ((H < 0 && c > FixedCols()) || (H > 0 && c < lastCol))
            c += H;
        if ((V < 0 && r > FixedRows()) || (V > 0 && r < lastRow))
            r += V;
        if (c != Col() || r != Row()) {
            InvalidateRect(mark);
            FocusCell(c, r, true);
        }
    }
    TBaseGrid::SetCursor(panCursor(V, H));
    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

// --- Wheel -------------------------------------------------------------------------------------

void VOroDavoduRuzu::wheelStep(TMessage& Message)
{
    if (Parent() && Parent()->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0) {
        TBaseGrid::WndProc(Message);
        return;
    }
    const bool towardsUser = GET_WHEEL_DELTA_WPARAM(Message.WParam) < 0;
    const TShiftState shift = MouseKeysToShiftState(LOWORD(Message.WParam));
    if ((shift & ssCtrl) && IntelliZoom) {
        Zoom(towardsUser ? wheelscrl : -wheelscrl);
        AutoSizeCells(true, ZoomPadding, ZoomPadding);
        return;
    }
    if (!EnableWheel || (FixedRowAlways && RowCount() == 1))
        return;
    const TGridRect before = Selection();
    const bool moveSelection = FMouseActions.WheelAction() == waMoveSelection;
    int N = FMouseActions.WheelIncrement > 0 ? FMouseActions.WheelIncrement : wheelscrl;
    int target = Row();
    if (moveSelection) {
        target = towardsUser ? Row() + N : Row() - N;
    } else if (towardsUser) {
        if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + N >= FixedRows())
            SetTopRow(TopRow() + N);
    } else {
        if (TopRow() - N < FixedRows())
            N = TopRow() - FixedRows();
        if (TopRow() > FixedRows() && TopRow() - N >= FixedRows())
            SetTopRow(TopRow() - N);
    }
    target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - FixedFooters - 1));
    if (Col() >= ColCount())
        SetCol(ColCount() - 1);
    else if (Col() < FixedCols())
        SetCol(FixedCols());
    int rowDelta = 0;
    if (target >= 0 && target < RowCount()) {
        const int depth = FUpdateCount;
        StartUpdate();
        const int keptLeft = LeftCol();
        rowDelta = target - Row();
        if (moveSelection) {
            const int from = Row();
            SetRow(target);
            if (Row() == from && target != from) {
                // The target is refused (a disabled row): go half way instead.
                const int half = static_cast<int>(std::nearbyint((target - from) / 2.0));
                SetRow(from + half);
                if (TopRow() > FixedRows())
                    SetTopRow(TopRow() - 1);
            }
        }
        if ((Options() & goRowSelect) && FNavigation.KeepHorizScroll)
            SetLeftCol(keptLeft);
        FUpdateCount = depth;
    }
    bool handled = true;
    AfterWheelScroll(rowDelta, handled);
    if ((FMouseActions.WheelIncrement != 0 || FMouseActions.DisjunctRowSelect()) && handled) {
        Message.Result = 1;
        bool eventHandled = false;
        const TMouseWheelUpDownEvent& event = towardsUser ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, FMouseActions.DisjunctRowSelect() ? KeyboardStateToShiftState() : TShiftState{},
                  FMouseActions.DisjunctRowSelect() ? TPoint{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)}
                                                    : TPoint{},
                  eventHandled);
    }
    const TGridRect after = Selection();
    if (!(after == before))
        DoSelectionChanged(after.Left, after.Top, after.Right, after.Bottom);
}

bool VOroDavoduRuzu::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (FMouseActions.WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        if (OnMouseWheelDown)
            OnMouseWheelDown(this, Shift, MousePos, handled);
        return handled;
    }
    const bool directEdit = FMouseActions.DirectEdit;
    FMouseActions.DirectEdit = false;
    const bool editing = EditMode;
    const bool result = TBaseGrid::DoMouseWheelDown(Shift, MousePos);
    if (editing)
        SetFocus();
    FMouseActions.DirectEdit = directEdit;
    return result;
}

bool VOroDavoduRuzu::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (FMouseActions.WheelAction() == waScroll || !EnableWheel) {
        bool handled = false;
        if (OnMouseWheelUp)
            OnMouseWheelUp(this, Shift, MousePos, handled);
        return handled;
    }
    if (Col() >= ColCount() || Row() >= RowCount())
        return true;
    const bool directEdit = FMouseActions.DirectEdit;
    FMouseActions.DirectEdit = false;
    const bool editing = EditMode;
    const bool result = TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    if (editing)
        SetFocus();
    FMouseActions.DirectEdit = directEdit;
    return result;
}

// --- Grid timer --------------------------------------------------------------------------------

void VOroDavoduRuzu::gridTimer()
{
    ++FTimerTicks;
    if (FNavigation.AutoGotoIncremental && ++SearchTics >= SearchResetTicks) {
        SearchInc.clear();
        SearchTics = 0;
    }
    if (Hovering && !(ComponentState() & csDesigning)) {
        const TPoint P = ScreenToClient(GetCursorPos());
        if (ClientRect().Contains(P)) {
            const TGridCoord cell = MouseCoord(P.X, P.Y);
            if (cell.X >= FixedCols() && cell.Y >= FixedRows() && cell.X < ColCount() && cell.Y < RowCount()) {
                if (CanFocus() && !Focused())
                    SetFocus();
                SetRow(cell.Y);
                SetCol(cell.X);
            }
        }
    }
    if (EnableBlink) {
        FGridBlink = !FGridBlink;
        repaintBlinkingCells();
    }
}

// Repaints the visible cells whose text blinks, fixed rows and columns included.
void VOroDavoduRuzu::repaintBlinkingCells()
{
    const int lastCol = std::min(LeftCol() + VisibleColCount() + FNumHidden, TotalColCount() - 1);
    const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
    const auto blink = [this](int realCol, int row) {
        if (GetGridCell(realCol, row).toUpper().contains(QStringLiteral("<BLI")))
            RepaintCell(DisplColIndexOf(realCol), row);
    };
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = RealColIndex(LeftCol()); c <= lastCol; ++c)
            blink(c, r);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = RealColIndex(LeftCol()); c <= lastCol; ++c)
            blink(c, r);
    for (int c = 0; c < FixedCols(); ++c)
        for (int r = TopRow(); r <= lastRow; ++r)
            blink(RealColIndex(c), r);
}

// --- Scrolling --------------------------------------------------------------------------------

void VOroDavoduRuzu::TopLeftChanged()
{
    TBaseGrid::TopLeftChanged();
    const TGridRect s = Selection();
    if (SelectionRectangle && s.Top != s.Bottom)
        Invalidate();
    // A special editor stays where it was opened; the text editor moves with the grid.
    if (EditMode && EditControl != edNormal)
        HideInplaceEdit();
    // The floating footer follows the columns.
    UpdateFooter();
    FOldLeftCol = LeftCol();
    FOldTopRow = TopRow();
    if (TStringGrid* other = FSyncGrid.Grid()) {
        if (FSyncGrid.ScrollVertical)
            other->SetTopRow(TopRow());
        if (FSyncGrid.ScrollHorizontal)
            other->SetLeftCol(LeftCol());
    }
    for (TScrollControl* control : {vscrlctrl, hscrlctrl})
        if (control)
            control->Invalidate();
    CellControlsUpdate(false);
}

// A synchronised grid follows the current column and row.
void VOroDavoduRuzu::syncSelection()
{
    TStringGrid* other = FSyncGrid.Grid();
    if (!other)
        return;
    if (FSyncGrid.SelectionColumn)
        other->SetCol(Col());
    if (FSyncGrid.SelectionRow)
        other->SetRow(Row());
}

// --- Focus -------------------------------------------------------------------------------------

// With AlwaysEdit the arriving focus opens the editor on a visible, editable current cell.
void VOroDavoduRuzu::focusArrived()
{
    const int realC = RealColIndex(Col());
    if (HasCheckBox(realC, Row()))
        return;
    if (FInplaceRichEdit && FInplaceRichEdit->Visible())
        HideInplaceEdit();
    if (FNavigation.AlwaysEdit && !FBlockFocus && !EditorMode() && canEditOnFocus(realC)) {
        const bool hasEditor = InplaceEdit() != nullptr;
        if ((hasEditor && EditControl == edNormal) ||
            (!hasEditor && !FMouseActions.DirectEdit && !FControlLook.DropDownAlwaysVisible() &&
             QueryHasComboBox(realC, Row())))
            ShowInplaceEdit();
    }
    repaintMergedCurrentCell();
}

// The current cell is editable, lies in the visible area and no row or column is being moved.
bool VOroDavoduRuzu::canEditOnFocus(int RealC)
{
    if (FGridState == gsColMoving || FGridState == gsRowMoving || !IsEditable(RealC, Row()))
        return false;
    return Col() >= LeftCol() && Col() < LeftCol() + VisibleColCount() && Row() >= TopRow() &&
           Row() < TopRow() + VisibleRowCount();
}

void VOroDavoduRuzu::repaintMergedCurrentCell()
{
    if (IsMergedCell(RealColIndex(Col()), Row()))
        RepaintCell(Col(), Row());
}

void VOroDavoduRuzu::DoEnter()
{
    if (FBlockFocus)
        return;
    TBaseGrid::DoEnter();
    StoreOldCellText(Col(), Row());
}

void VOroDavoduRuzu::DoExit()
{
    if (FBlockKill)
        return;
    FSelChange = false;
    TBaseGrid::DoExit();
}
