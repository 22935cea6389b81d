// Around the platform grid's scroll bars: the thumb hint with the target row or column, synchronous thumb
// scrolling, proportional thumbs, the size-change handling and scrolling while something is dragged near
// the grid's edges. The platform has no flat scroll bars, so the flat styles behave as the normal one.
#include "grid/VoGrid/VoGrid.h"
#include "platform/SystemMetrics.h"

#include <cmath>

namespace {
constexpr int ScrollRange = 127;

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(long long a, long long b, long long c)
{
    return c == 0 ? -1 : static_cast<int>(std::llround(static_cast<double>(a) * static_cast<double>(b) / c));
}
}  // namespace

int VOroDavoduRuzu::ScrollTargetIndex(bool Vertical, int Pos) const
{
    if (Vertical)
        return mulDiv(Pos, RowCount() - VisibleRowCount() - FixedRows(), ScrollRange) + FixedRows();
    return mulDiv(Pos, ColCount() - VisibleColCount() - FixedCols(), ScrollRange) + FixedCols();
}

// Rows end above the search bar and above a floating footer that does not show the last row itself.
int VOroDavoduRuzu::ReservedBottom() const
{
    int h = 0;
    if (FSearchFooter && FSearchFooter->Visible())  // none yet while the grid is made
        h += searchPanelHeight();
    if (FFooterPanel && FFloatingFooter.Visible() && FFloatingFooter.FooterStyle() != fsFixedLastRow)
        h += FFooterPanel->Height();
    return std::max(h - 2, 0);
}

bool VOroDavoduRuzu::IsLastRowAboveSearchPanel() const
{
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - searchPanelHeight() + 2;
}

void VOroDavoduRuzu::ScrollLastRowAboveSearchPanel()
{
    if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + searchPanelHeight())
        return;
    while (!IsLastRowAboveSearchPanel() && TopRow() < RowCount() - 1) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            return;
    }
}

void VOroDavoduRuzu::showScrollHint(bool vertical, int code, int target)
{
    if (!FScrollHintWnd)
        return;
    if (code == SB_ENDSCROLL) {
        FScrollHintWnd->ReleaseHandle();
        FScrollHintShow = false;
        return;
    }
    if (code != SB_THUMBTRACK)
        return;
    QString text = (vertical ? QStringLiteral("Row : ") : QStringLiteral("Col : ")) + QString::number(target);
    if (OnScrollHint)
        OnScrollHint(this, target, text);
    TRect r = FScrollHintWnd->CalcHintRect(100, text, nullptr);
    const TPoint at = GetCursorPos();
    r = {r.Left + at.X + 10, r.Top + at.Y, r.Right + at.X + 10, r.Bottom + at.Y};
    FScrollHintWnd->SetColor(HintColor);
    FScrollHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
}

void VOroDavoduRuzu::scrollMessageHook(TMessage& Message)
{
    if (QueryIsDesigning())
        return;
    const bool vertical = Message.Msg == WM_VSCROLL;
    const int code = Message.WParamLo();
    const int pos = static_cast<std::int16_t>(Message.WParamHi());
    const int target = ScrollTargetIndex(vertical, pos);
    const bool hints = vertical ? (ScrollHints == shVertical || ScrollHints == shBoth)
                                : (ScrollHints == shHorizontal || ScrollHints == shBoth);
    if (hints)
        showScrollHint(vertical, code, target);
    if (code == SB_THUMBTRACK && ScrollSynch) {
        if (vertical)
            SetTopRow(target);
        else
            SetLeftCol(target);
    }
    if (!vertical && FixedCols() == 0 && Col() <= target)
        HideEditor();
}

// Thumbs showing the visible share of the rows: the range grows past the page so that the positions
// beyond the page stay 0 to 127, which the platform grid maps onto the rows.
void VOroDavoduRuzu::UpdateProportionalVScroll()
{
    if ((ComponentState() & csLoading) || QueryIsDesigning() || !ScrollProportional || FScrollLock ||
        VisibleRowCount() + FixedRows() >= RowCount())
        return;
    updateProportional(true);
}

void VOroDavoduRuzu::UpdateProportionalHScroll()
{
    if ((ComponentState() & csLoading) || QueryIsDesigning() || !ScrollProportional || FScrollLock)
        return;
    updateProportional(false);
}

void VOroDavoduRuzu::updateProportional(bool vertical)
{
    TScrollInfo info;
    info.fMask = SIF_ALL;
    const int bar = vertical ? SB_VERT : SB_HORZ;
    GetScrollInfo(bar, info);
    const int line = TCustomGrid::GridLineWidth();
    const int fixed = vertical ? FixedRows() : FixedCols();
    const int count = vertical ? RowCount() : ColCount();
    const int first = vertical ? TopRow() : LeftCol();
    auto size = [&](int i) { return vertical ? RowHeights(i) : ColWidths(i); };
    long long fixedExtent = line;
    for (int i = 0; i < fixed; ++i)
        fixedExtent += size(i) + line;
    long long total = line;
    long long above = line;
    for (int i = fixed; i < count; ++i) {
        total += size(i) + line;
        if (i < first)
            above += size(i) + line;
    }
    const int extent = vertical ? ClientHeight() : ClientWidth();
    if (total == 0)
        return;
    const float share = static_cast<float>(extent - fixedExtent) / static_cast<float>(total);
    if (share >= 0.9999f)
        return;
    const int max = static_cast<int>((share + ScrollRange) / (1 - share));
    int pos = info.nPos;
    if (extent < total)
        pos = static_cast<int>(static_cast<double>(above) / static_cast<double>(total - extent) * 128);
    else if (vertical)
        pos = ScrollRange;
    if (!vertical && fixedExtent + total - extent < 5)
        return;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = max;
    info.nPage = static_cast<UINT>(std::max(max - 126, 0));
    info.nPos = pos;
    SetScrollInfo(bar, info, true);
    if (!vertical && FScrollBarAlways != saHorz && FScrollBarAlways != saBoth) {
        int widths = 0;
        for (int c = 0; c < ColCount(); ++c)
            widths += ColWidths(c);
        if (widths < extent || (ScrollBars() != ssHorizontal && ScrollBars() != ssBoth))
            ShowScrollBar(SB_HORZ, false);
    }
}

void VOroDavoduRuzu::SizeChanged(int OldColCount, int OldRowCount)
{
    if (Parent() && !(ComponentState() & csLoading) && FColumnSize.Stretch())
        StretchColumnToFit(FColumnSize.StretchColumn);
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void VOroDavoduRuzu::stopDragScroll()
{
    FDragTimer.reset();
}

void VOroDavoduRuzu::DragScrollOver(int X, int Y, TDragState State)
{
    if (!FDragScrollOptions.Active) {
        stopDragScroll();
        return;
    }
    const bool wasEmpty = FDragScrollDirection == 0;
    FDragScrollDirection = 0;
    if (State == dsDragLeave) {
        stopDragScroll();
        return;
    }
    const TDragScrollMargins& m = FDragScrollOptions.Margins();
    if (Y < m.TopMargin)
        FDragScrollDirection |= dsdUp;
    else if (Y > GridHeight() - m.BottomMargin)
        FDragScrollDirection |= dsdDown;
    if (X < m.LeftMargin)
        FDragScrollDirection |= dsdLeft;
    else if (X > GridWidth() - m.RightMargin)
        FDragScrollDirection |= dsdRight;
    if (FDragScrollDirection == 0) {
        stopDragScroll();
        return;
    }
    const UINT initial = static_cast<UINT>(FDragScrollOptions.Delays().InitialDelay);
    if (!FDragTimer) {
        FDragTimer = std::make_unique<TTimer>(nullptr);
        FDragTimer->SetInterval(initial);
        FDragTimer->OnTimer = [this](TObject*) { dragScrollStep(); };
        FDragTimer->SetEnabled(true);
    } else if (!wasEmpty) {
        FDragTimer->SetInterval(initial);
    }
}

void VOroDavoduRuzu::dragScrollStep()
{
    if (!FDragScrollOptions.Active) {
        stopDragScroll();
        return;
    }
    FDragTimer->SetInterval(static_cast<UINT>(FDragScrollOptions.Delays().RepeatDelay));
    TDragScrollDirections d = FDragScrollDirection;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), d, canScroll);
        if (!canScroll)
            return;
    }
    if ((d & dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if ((d & dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if ((d & dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if ((d & dsdRight) && VisibleColCount() + LeftCol() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
