// Per-cell properties, row colours, controls placed in cells, column widths by real column, sorted and
// unsorted rows, column order and the header texts taken from string lists.
#include <algorithm>

#include "grid/VoGrid/VoGrid.h"
#include "grid/base/REdaReviZizod.h"

TCellProperties* VOroDavoduRuzu::propsAt(int ACol, int ARow) const
{
    return HasCellProperties(ACol, ARow) ? static_cast<TCellProperties*>(GetGridObject(ACol, ARow)) : nullptr;
}

TCellProperties& VOroDavoduRuzu::propsFor(int ACol, int ARow)
{
    return *GetCellProperties(ACol, ARow);  // raises the accessor error outside the grid
}

// --- Per-cell properties: real column, display row ------------------------------------------------

TColor VOroDavoduRuzu::Colors(int ACol, int ARow) const
{
    const TCellProperties* p = propsAt(ACol, ARow);
    return p ? p->BrushColor() : clNone;
}

void VOroDavoduRuzu::SetColors(int ACol, int ARow, TColor Value)
{
    propsFor(ACol, ARow).SetBrushColor(Value);
    if (FUpdateCount == 0)
        RepaintCell(DisplColIndexOf(ACol), ARow);
}

TColor VOroDavoduRuzu::ColorsTo(int ACol, int ARow) const
{
    const TCellProperties* p = propsAt(ACol, ARow);
    return p ? p->BrushColorTo() : clNone;
}

void VOroDavoduRuzu::SetColorsTo(int ACol, int ARow, TColor Value)
{
    propsFor(ACol, ARow).SetBrushColorTo(Value);
    RepaintCell(DisplColIndexOf(ACol), ARow);
}

TCellGradientDirection VOroDavoduRuzu::Gradients(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::GradientDirection, GradientVertical);
}

void VOroDavoduRuzu::SetGradients(int ACol, int ARow, TCellGradientDirection Value)
{
    setProp(ACol, ARow, &TCellProperties::GradientDirection, Value);
}

TColor VOroDavoduRuzu::FontColors(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::FontColor, clNone);
}

void VOroDavoduRuzu::SetFontColors(int ACol, int ARow, TColor Value)
{
    setProp(ACol, ARow, &TCellProperties::FontColor, Value);
}

TFontStyles VOroDavoduRuzu::FontStyles(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::FontStyle, TFontStyles{});
}

void VOroDavoduRuzu::SetFontStyles(int ACol, int ARow, TFontStyles Value)
{
    setProp(ACol, ARow, &TCellProperties::FontStyle, Value);
}

QString VOroDavoduRuzu::FontNames(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::FontName, QString());
}

void VOroDavoduRuzu::SetFontNames(int ACol, int ARow, const QString& Value)
{
    setProp(ACol, ARow, &TCellProperties::FontName, Value);
}

int VOroDavoduRuzu::FontSizes(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::FontSize, 0);
}

void VOroDavoduRuzu::SetFontSizes(int ACol, int ARow, int Value)
{
    setProp(ACol, ARow, &TCellProperties::FontSize, Value);
}

TAlignment VOroDavoduRuzu::Alignments(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::Alignment, taLeftJustify);
}

void VOroDavoduRuzu::SetAlignments(int ACol, int ARow, TAlignment Value)
{
    setProp(ACol, ARow, &TCellProperties::Alignment, Value);
}

bool VOroDavoduRuzu::ReadOnly(int ACol, int ARow) const
{
    return propOr(ACol, ARow, &TCellProperties::ReadOnly, false);
}

void VOroDavoduRuzu::SetReadOnly(int ACol, int ARow, bool Value)
{
    setProp(ACol, ARow, &TCellProperties::ReadOnly, Value);
}

bool VOroDavoduRuzu::WordWraps(int ACol, int ARow)
{
    return propsFor(ACol, ARow).WordWrap();
}

void VOroDavoduRuzu::SetWordWraps(int ACol, int ARow, bool Value)
{
    propsFor(ACol, ARow).SetWordWrap(Value);
    RepaintCell(DisplColIndexOf(ACol), ARow);
}

void VOroDavoduRuzu::SetFonts(int ACol, int ARow, const TFont& Value)
{
    TCellProperties& p = propsFor(ACol, ARow);
    p.FontName = Value.Name();
    p.FontSize = Value.Size();
    p.FontStyle = Value.Style();
    p.FontColor = Value.Color();
    if (FUpdateCount == 0)
        RepaintCell(DisplColIndexOf(ACol), ARow);
}

// --- Row colours ----------------------------------------------------------------------------------

void VOroDavoduRuzu::SetRowColor(int ARow, TColor Value)
{
    if (ARow < 0 || ARow >= RowCount())
        throw REdaReviZizod(QStringLiteral("Invalid row accessed"));
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value == clNone && GetCellType(c, ARow) == ctNone)
            FreeCellPropsRect(c, ARow, c, ARow);
        else if (Value == clNone)
            propsFor(c, ARow).SetBrushColor(clNone);
        else
            propsFor(c, ARow).SetBrushColor(Value);
    }
    RepaintRow(ARow);
}

void VOroDavoduRuzu::SetRowColorTo(int ARow, TColor Value)
{
    if (ARow < 0 || ARow >= RowCount())
        throw REdaReviZizod(QStringLiteral("Invalid row accessed"));
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value == clNone) {
            FreeCellPropsRect(c, ARow, c, ARow);
        } else {
            propsFor(c, ARow).SetBrushColorTo(Value);
        }
    }
    RepaintRow(ARow);
}

void VOroDavoduRuzu::SetRowFontColor(int ARow, TColor Value)
{
    if (ARow < 0 || ARow >= RowCount())
        throw REdaReviZizod(QStringLiteral("Invalid row accessed"));
    for (int c = FixedCols(); c < AllColCount(); ++c) {
        if (Value != clNone)
            propsFor(c, ARow).FontColor = Value;
        else if (Colors(c, ARow) == clNone)
            FreeCellPropsRect(c, ARow, c, ARow);
    }
    RepaintRow(ARow);
}

void VOroDavoduRuzu::RepaintRow(int ARow)
{
    InvalidateRow(ARow);
}

void VOroDavoduRuzu::RepaintCol(int ACol)
{
    InvalidateCol(ACol);
}

// --- Controls placed in cells --------------------------------------------------------------------

TControl* VOroDavoduRuzu::CellControls(int ACol, int ARow) const
{
    const TCellProperties* p = propsAt(ACol, ARow);
    return p ? p->Control : nullptr;
}

void VOroDavoduRuzu::SetCellControls(int ACol, int ARow, TControl* Value)
{
    const int realRow = RealRowIndex(ARow);
    if (!Value) {
        TCellProperties* p = propsAt(ACol, ARow);
        if (!p || !p->Control)
            return;
        const int i = FControlList.ControlIndex(ACol, realRow);
        if (i >= 0)
            FControlList.RemoveControl(i);
        p->Control = nullptr;
        FNumCellControls = std::max(FNumCellControls - 1, 0);
        return;
    }
    TCellProperties& p = propsFor(ACol, ARow);
    const int existing = FControlList.ControlIndex(ACol, realRow);
    if (existing >= 0)
        FControlList.RemoveControl(existing);
    if (!p.Control)
        ++FNumCellControls;
    FControlList.AddControl(ACol, realRow, Value);
    p.Control = Value;
    if (auto* win = dynamic_cast<TWinControl*>(static_cast<TControl*>(this)))
        Value->SetParent(win);
    const TRect r = CellRect(DisplColIndexOf(ACol), ARow);
    Value->SetBounds(r.Left - 1, r.Top - 1, r.Right - r.Left + 1, r.Bottom - r.Top + 1);
}

// --- Columns and rows ----------------------------------------------------------------------------

int VOroDavoduRuzu::AllColWidths(int ACol) const
{
    if (ACol < 0 || ACol >= ColumnMapSize)
        throw REdaReviZizod(QStringLiteral("Invalid column accessed"));
    if (IsHiddenColumn(ACol))
        return FAllColWidths[ACol];
    return ColWidths(DisplColIndexOf(ACol));
}

void VOroDavoduRuzu::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0 || ACol >= ColumnMapSize)
        return;
    FAllColWidths[ACol] = static_cast<std::int16_t>(std::clamp(Value, 0, 0x7FFF));
    if (!IsHiddenColumn(ACol) && DisplColIndexOf(ACol) < ColCount())
        SetColWidths(DisplColIndexOf(ACol), Value);
}

int VOroDavoduRuzu::SortedRowIndex(int ARow) const
{
    const int x = ARow >= 0 && ARow < FSortRowXRef.Count() ? FSortRowXRef.GetInteger(ARow) : ARow;
    return RealRowIndex(x);
}

int VOroDavoduRuzu::UnSortedRowIndex(int ARow) const
{
    if (FSortRowXRef.Count() == 0)
        return ARow;
    for (int i = 0; i < FSortRowXRef.Count(); ++i)
        if (FSortRowXRef.GetInteger(i) == ARow)
            return i;
    return FSortRowXRef.Count();
}

int VOroDavoduRuzu::ColumnByHeader(const QString& Text)
{
    for (int c = 0; c < AllColCount(); ++c)
        if (AllCells(c, 0) == Text)
            return c;
    return -1;
}

void VOroDavoduRuzu::SetColumnOrder()
{
    FColumnOrder.Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder.Add(c);
}

int VOroDavoduRuzu::ColumnPosition(int ACol) const
{
    if (FColumnOrder.Count() == 0)
        return ACol;
    int result = ACol;
    const int last = std::min(FColumnOrder.Count(), ColCount() + FNumHidden);
    for (int p = 0; p < last; ++p) {
        if (FColumnOrder.GetInteger(p) == ACol) {
            result = p;
            break;
        }
    }
    if (GroupColumn != -1 && ACol >= GroupColumn)
        --result;
    return result;
}

int VOroDavoduRuzu::ColumnAtPosition(int APos)
{
    if (FColumnOrder.Count() == 0)
        SetColumnOrder();
    if (APos < 0 || APos >= FColumnOrder.Count())
        return APos;
    int result = FColumnOrder.GetInteger(APos);
    if (GroupColumn != -1 && result >= GroupColumn)
        ++result;
    return result;
}

void VOroDavoduRuzu::InitOrigColSizes()
{
    FOrigColSizes.Clear();
    for (int c = 0; c < ColCount(); ++c)
        FOrigColSizes.Add(ColWidths(c));
    FOldSize = Width();
}

// --- Header texts --------------------------------------------------------------------------------

void VOroDavoduRuzu::ShowColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    for (int i = 0; i < std::min(FColumnHeaders.Count(), AllColCount()); ++i)
        SetCells(i, 0, ExpandNewLineEscapes(FColumnHeaders[i]));
}

void VOroDavoduRuzu::ClearColumnHeaders()
{
    for (int i = 0; i < ColCount(); ++i)
        SetCells(i, 0, QString());
}

void VOroDavoduRuzu::ShowRowHeaders()
{
    if (FixedCols() <= 0)
        return;
    for (int i = 0; i < std::min(FRowHeaders.Count(), RowCount()); ++i)
        SetCells(0, i, ExpandNewLineEscapes(FRowHeaders[i]));
}

void VOroDavoduRuzu::ClearRowHeaders()
{
    for (int i = 0; i < RowCount(); ++i)
        SetCells(0, i, QString());
}
