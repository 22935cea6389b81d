// The slim scroll controls of the metro scroll style.
#include <cmath>

#include "grid/VoGrid/VoGrid.h"

VOroDavoduRuzu* TScrollControl::GetGrid() const
{
    return dynamic_cast<VOroDavoduRuzu*>(Parent());
}

void TScrollControl::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Invalidate();
}

int TScrollControl::GetTrackStart() const
{
    const VOroDavoduRuzu* g = GetGrid();
    if (!g)
        return 0;
    int start = 0;
    if (vertical()) {
        for (int r = 0; r < g->FixedRows(); ++r)
            start += g->RowHeights(r);
    } else {
        for (int c = 0; c < g->FixedCols(); ++c)
            start += g->ColWidths(c);
    }
    return start;
}

int TScrollControl::GetTrackLength() const
{
    const VOroDavoduRuzu* g = GetGrid();
    if (!g)
        return 0;
    if (vertical()) {
        int length = Height() - GetTrackStart();
        for (int r = g->RowCount() - g->FixedFooters; r < g->RowCount(); ++r)
            length -= g->RowHeights(r);
        return length;
    }
    int length = Width() - GetTrackStart();
    for (int c = g->ColCount() - g->FixedRightCols; c < g->ColCount(); ++c)
        length -= g->ColWidths(c);
    return length;
}

void TScrollControl::GetThumb(int& Pos, int& Size) const
{
    const VOroDavoduRuzu* g = GetGrid();
    if (!g)
        return;
    const double length = GetTrackLength();
    const int count = vertical() ? g->RowCount() : g->ColCount();
    const int fixed = vertical() ? g->FixedRows() : g->FixedCols();
    const int visible = vertical() ? g->VisibleRowCount() : g->VisibleColCount();
    const int first = vertical() ? g->TopRow() : g->LeftCol();
    const double v = count > 0 ? static_cast<double>(visible) / count : 1.0;
    const double p = count > fixed ? static_cast<double>(first - fixed) / (count - fixed) : 0.0;
    Pos = GetTrackStart() + static_cast<int>(std::nearbyint(length * p));
    Size = std::max(static_cast<int>(std::nearbyint(length * v)), 20);
    const int extent = vertical() ? Height() : Width();
    if (Pos + Size > extent)
        Pos = extent - Size;
}

void TScrollControl::Paint()
{
    const VOroDavoduRuzu* g = GetGrid();
    if (!g)
        return;
    TCanvas& c = Canvas();
    c.Pen().SetColor(FColor);
    c.Brush().SetColor(FColor);
    int pos = 0;
    int size = 0;
    GetThumb(pos, size);
    if (vertical() && g->RowCount() - g->FixedRows() > g->VisibleRowCount())
        c.Rectangle(0, pos, FScrollWidth, pos + size);
    else if (!vertical() && g->ColCount() - g->FixedCols() > g->VisibleColCount())
        c.Rectangle(pos, 0, pos + size, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    VOroDavoduRuzu* g = GetGrid();
    if (!g)
        return;
    int pos = 0;
    int size = 0;
    GetThumb(pos, size);
    const int at = vertical() ? Y : X;
    const int fixed = vertical() ? g->FixedRows() : g->FixedCols();
    const int visible = vertical() ? g->VisibleRowCount() : g->VisibleColCount();
    const int count = vertical() ? g->RowCount() : g->ColCount();
    const int first = vertical() ? g->TopRow() : g->LeftCol();
    const auto setFirst = [&](int value) { vertical() ? g->SetTopRow(value) : g->SetLeftCol(value); };
    if (at < pos) {
        setFirst(std::max(fixed, first - visible));
    } else if (at > pos + size) {
        setFirst(std::min(first + visible, count - visible));
    } else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = first;
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    VOroDavoduRuzu* g = GetGrid();
    if (!g || !FDownOnScroller)
        return;
    const int count = vertical() ? g->RowCount() : g->ColCount();
    const int fixed = vertical() ? g->FixedRows() : g->FixedCols();
    const int visible = vertical() ? g->VisibleRowCount() : g->VisibleColCount();
    const int track = vertical() ? Height() - g->RowHeights(0) : Width() - g->ColWidths(0);
    if (track <= 0)
        return;
    const int moved = (vertical() ? Y : X) - FDownPos;
    const int target = static_cast<int>(std::nearbyint(static_cast<double>(moved) / track * count)) + FDownRow;
    const int value = std::max(fixed, std::min(target, count - visible));
    vertical() ? g->SetTopRow(value) : g->SetLeftCol(value);
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
