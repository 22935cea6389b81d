// Writes of the published properties that do more than store their value.
#include "grid/VoGrid/VoGrid.h"

void VOroDavoduRuzu::SetRowCount(int Value)
{
    const int old = RowCount();
    if (FSelectionHidden && FixedRowAlways && old <= FixedRows())
        UnHideSelection();
    // The rows cut off leave the store: their cell objects are freed.
    if (Value >= 0 && Value < old)
        FreeCellPropsRect(0, Value, TotalColCount() - 1, old - 1);
    TBaseGrid::SetRowCount(Value);
    if (FixedRowAlways && RowCount() > FFixedRowsMin)
        TBaseGrid::SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    NormalRowCount = RowCount();
    UpdateFooter();
    if (ScrollProportional) {
        UpdateProportionalVScroll();
        UpdateProportionalHScroll();
    }
    if (FScrollBarAlways != saNone)
        ApplyScrollBarAlways(false);
    if (!FFloatingFooter.Visible() || RowCount() == old)
        return;
    // A fixed footer row stays the last row: its cells move along when the grid grows.
    if (RowCount() > old && old > 0) {
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, RowCount() - 1, GetGridCell(c, old - 1));
            SetGridObject(c, RowCount() - 1, GetGridObject(c, old - 1));
            ClearCell(c, old - 1);
        }
    }
    CalcFooter(-1);
}

void VOroDavoduRuzu::SetColCount(int Value)
{
    if (Value >= 0 && Value < ColCount())
        FreeCellPropsRect(Value + FNumHidden, 0, TotalColCount() - 1, RowCount() - 1);
    TBaseGrid::SetColCount(Value);
    if (FixedColAlways && ColCount() > FFixedColsMin)
        TBaseGrid::SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, ColCount());
    if (ScrollProportional) {
        UpdateProportionalHScroll();
        UpdateProportionalVScroll();
    }
    if (FScrollBarAlways != saNone)
        ApplyScrollBarAlways(false);
}

void VOroDavoduRuzu::SetDefaultRowHeight(int Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    FFloatingFooter.SetHeight(Value);
}

void VOroDavoduRuzu::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    for (int r = 0; r < FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void VOroDavoduRuzu::SetFixedColWidth(int Value)
{
    FFixedColWidth = Value;
    for (int c = 0; c < FixedCols(); ++c)
        SetColWidths(c, Value);
}

void VOroDavoduRuzu::SetAutoSize(bool Value)
{
    FAutoSize = Value;
    if (Value)
        StretchColumnToFit(-1);
}

void VOroDavoduRuzu::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    if (Parent())
        TBaseGrid::Invalidate();
}

void VOroDavoduRuzu::SetScrollType(TScrollType Value)
{
    if (Value == FScrollType)
        return;
    FScrollType = Value;
    if (WindowCreated() && !(ComponentState() & csDesigning)) {
        if (Value == ssMetro) {
            CreateScrollControls();
            SetScrollBars(ssNone);
        } else if (vscrlctrl) {
            FreeScrollControls();
            SetScrollBars(ssBoth);
        }
    }
    Invalidate();
}

void VOroDavoduRuzu::SetScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    ApplyScrollBarAlways(true);
}

void VOroDavoduRuzu::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
}

void VOroDavoduRuzu::SetScrollColor(TColor Value)
{
    FScrollColor = Value;
}

void VOroDavoduRuzu::SetCursor(TCursor Value)
{
    TBaseGrid::SetCursor(Value);
    FOldCursor = Value;
}

void VOroDavoduRuzu::SetColumnHeaders(const TStringList& Value)
{
    if (FixedRows() > 0)
        ClearColumnHeaders();
    FColumnHeaders.Assign(Value);
}

void VOroDavoduRuzu::SetRowHeaders(const TStringList& Value)
{
    if ((ComponentState() & csDesigning) && FixedCols() > 0)
        ClearRowHeaders();
    FRowHeaders.Assign(Value);
}

void VOroDavoduRuzu::SetLookupItems(const TStringList* Value)
{
    if (Value)
        FLookupItems.Assign(*Value);
}

void VOroDavoduRuzu::SetFixedFont(const TFont& Value)
{
    FFixedFont.Assign(Value);
    Invalidate();
}

void VOroDavoduRuzu::SetActiveCellFont(const TFont& Value)
{
    FActiveCellFont.Assign(Value);
}

void VOroDavoduRuzu::SetUseHTMLHints(bool Value)
{
    FUseHTMLHints = Value;
}

QString VOroDavoduRuzu::Version() const
{
    const std::uint32_t nr = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(nr >> 24).arg((nr >> 16) & 0xFF).arg((nr >> 8) & 0xFF).arg(nr & 0xFF);
}

QString VOroDavoduRuzu::GetVersionString() const
{
    return Version() + QStringLiteral(" Sep, 2012");
}
