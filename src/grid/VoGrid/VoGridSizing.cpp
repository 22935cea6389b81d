// Fixed areas, fills, numbering, sizing columns and rows to their contents, fitting the columns to the
// control, zoom, and swapping columns, rows and cells.
#include <QRandomGenerator>
#include <QStringList>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUnit.h"

// --- Fixed areas -----------------------------------------------------------------------------------------------

int VOroDavoduRuzu::FixedRows() const
{
    const int fixed = TBaseGrid::FixedRows();
    return fixed == 0 && FixedRowAlways ? 1 : fixed;
}

void VOroDavoduRuzu::SetFixedRows(int Value)
{
    TBaseGrid::SetFixedRows(FixedRowAlways && Value >= RowCount() ? RowCount() - 1 : Value);
    if (!(ComponentState() & csLoading))
        FFixedRowsMin = Value;
}

int VOroDavoduRuzu::FixedCols() const
{
    const int fixed = TBaseGrid::FixedCols();
    return fixed == 0 && FixedColAlways ? 1 : fixed;
}

void VOroDavoduRuzu::SetFixedCols(int Value)
{
    TBaseGrid::SetFixedCols(FixedColAlways && Value >= ColCount() ? ColCount() - 1 : Value);
    if (!(ComponentState() & csLoading))
        FFixedColsMin = Value;
}

void VOroDavoduRuzu::SetSelectionColorMixerFactor(int Value)
{
    if (Value == SelectionColorMixerFactor)
        return;
    SelectionColorMixerFactor = std::clamp(Value, 0, 100);
    Invalidate();
}

void VOroDavoduRuzu::SetSpreadSheet(bool Value)
{
    FSpreadSheet = Value;
    SelectionRectangle = true;
    SelectionResizer = true;
    FNavigation.AllowSmartClipboard = true;
    SetOptions(Options() | goRangeSelect | goEditing);
    FMouseActions.RangeSelectAndEdit = true;
}

// --- Fills and numbering ---------------------------------------------------------------------------------------

template <typename F>
void VOroDavoduRuzu::fillCells(bool DoFixed, F text)
{
    const int c1 = DoFixed ? 0 : FixedCols();
    const int c2 = DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
    const int r1 = DoFixed ? 0 : FixedRows();
    const int r2 = DoFixed ? RowCount() - 1 : RowCount() - FixedFooters - 1;
    for (int r = r1; r <= r2; ++r)
        for (int c = c1; c <= c2; ++c)
            SetCells(c, r, text(c, r));
    RecalcFooter();
}

void VOroDavoduRuzu::TextFill(bool DoFixed, const QString& Txt)
{
    fillCells(DoFixed, [&Txt](int, int) { return Txt; });
}

void VOroDavoduRuzu::FormatFill(bool DoFixed, const QString& Fmt)
{
    fillCells(DoFixed, [&Fmt](int c, int r) { return FormatIntegers(Fmt, {c, r}); });
}

void VOroDavoduRuzu::RandomFill(bool DoFixed, int Rnd)
{
    fillCells(DoFixed,
              [Rnd](int, int) { return QString::number(Rnd > 0 ? QRandomGenerator::global()->bounded(Rnd) : 0); });
}

void VOroDavoduRuzu::LinearFill(bool DoFixed)
{
    fillCells(DoFixed, [](int c, int r) { return QStringLiteral("%1:%2").arg(c).arg(r); });
}

void VOroDavoduRuzu::AutoNumberCol(int ACol)
{
    const int last = RowCount() - FixedFooters - 1;
    for (int a = FixedRows() + AutoNumberStart; a <= last; ++a) {
        const int n = a - FixedRows() + AutoNumberOffset + 1;
        const int target = AutoNumberDirection == 0 ? a : FixedRows() + RowCount() - FixedFooters - 1 - a;
        SetInts(ACol, target, n);
    }
}

void VOroDavoduRuzu::AutoNumberRow(int ARow)
{
    const int last = ColCount() - FixedRightCols - 1;
    for (int c = FixedCols() + AutoNumberStart; c <= last; ++c) {
        const int n = c - FixedCols() + AutoNumberOffset + 1;
        const int target = AutoNumberDirection == 0 ? c : ColCount() + FixedCols() - FixedRightCols - 1 - c;
        SetInts(target, ARow, n);
    }
}

// --- Sizing to contents ----------------------------------------------------------------------------------------

void VOroDavoduRuzu::SizeColumnToContents(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    int first = FixedRows();
    int last = RowCount() - FixedFooters - 1;
    if (FColumnSize.Rows == arFixed) {
        first = 0;
        last = FixedRows() - 1;
    } else if (FColumnSize.Rows == arAll) {
        first = 0;
        last = RowCount() - 1;
    }
    const int realCol = RealColIndex(ACol);
    const bool comboButtons = FControlLook.DropDownAlwaysVisible();
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(ACol, r))
            continue;
        const int gw = GetCellGraphicSize(realCol, r).X;
        int c = gw + MeasureCellText(ACol, r, false, false).cx;
        if (comboButtons && QueryHasComboBox(realCol, r))
            c += 16;
        if (FilterDropDownAuto && r == FilterDropDownRow && QueryColumnFilterItems(realCol))
            c += 12;
        if (IsSortIndicatorCell(ACol, r) && ACol == FSortSettings.Column)
            c += 10;
        if (const TCellGraphic* g = GetCellGraphic(realCol, r); g && g->CellHAlign == haFull)
            c = gw - 2 * GridLineWidth() - XYOffset.X - 2;
        widest = std::max(widest, c);
    }
    int w = widest + PrintXOffsetTotal() + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= w)
        return;
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, w);
    SetColWidths(ACol, ClampAutoSize(w, MinColWidth, MaxColWidth));
}

void VOroDavoduRuzu::AutoSizeCol(int ACol, int Padding)
{
    SizeColumnToContents(ACol, SizeGrowOnly);
    if (Padding != 0 && ACol >= 0 && ACol < ColCount())
        SetColWidths(ACol, ClampAutoSize(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void VOroDavoduRuzu::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
    for (int c = DoFixedCols ? 0 : FixedCols(); c <= last; ++c)
        AutoSizeCol(c, Padding);
}

void VOroDavoduRuzu::SizeRowToContents(int ARow, bool GrowOnly, int Padding)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int realCol = RealColIndex(c);
        if (IsYMergedCell(c, ARow) || IsIgnoredColumn(realCol))
            continue;
        tallest = std::max(tallest, contentHeight(c, realCol, ARow, Padding));
    }
    const int h = PrintYOffsetTotal() + tallest + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
    const bool typing = allRowsVisible() && EditorMode() && FSizeWhileTyping.Height;
    if (!GrowOnly || RowHeights(ARow) < h)
        SetRowHeights(ARow, ClampAutoSize(h, MinRowHeight, MaxRowHeight));
    if (typing && !allRowsVisible())
        ShowInplaceEdit();
}

// The height of a cell's text (word wrapped as the grid wraps) and graphic.
int VOroDavoduRuzu::contentHeight(int ACol, int RCol, int ARow, int Padding)
{
    if (!IsBaseCell(ACol, ARow))
        return 0;
    if (HasCellGraphicType(RCol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRadioButton}))
        return DefaultRowHeight();
    int t = GetCellTextSize(RCol, ARow, false, WordWrap).cy;
    int g = CalcCellGraphicSize(RCol, ARow, Padding).Y;
    if (const TCellGraphic* graphic = GetCellGraphic(RCol, ARow)) {
        if (graphic->CellVAlign == vaFull)
            g = t != 0 ? 0 : DefaultRowHeight();
        if (g > 0 && (graphic->CellType == ctDataCheckBox || graphic->CellType == ctVirtCheckBox))
            t = 0;
    }
    return t + g;
}

void VOroDavoduRuzu::AutoSizeRow(int ARow, int Padding)
{
    SizeRowToContents(ARow, SizeGrowOnly, Padding);
    if (Padding != 0 && ARow >= 0 && ARow < RowCount())
        SetRowHeights(ARow, ClampAutoSize(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void VOroDavoduRuzu::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (WordWrap)
            AutoSizeRow(r, Padding);
        else
            SizeRowToLines(r, MaxLinesInRow(r), Padding);
    }
    ApplyScrollBarAlways(true);
    ExportNotification(esExportDone, -1);
}

// Columns and rows only grow here, each cell measured with its own font and without word wrap.
void VOroDavoduRuzu::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int realCol = RealColIndex(c);
        int widest = SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = firstRow; r < RowCount(); ++r) {
            const TPoint g = GetCellGraphicSize(realCol, r);
            const TSize t = GetCellTextSize(realCol, r, false, false);
            if (const int w = ClampAutoSize(t.cx + g.X + PaddingX + XYOffset.X, MinColWidth, MaxColWidth);
                w > widest && !IsXMergedCell(c, r)) {
                widest = w;
                SetColWidths(c, w);
            }
            if (const int h = ClampAutoSize(t.cy + g.Y + PaddingY + XYOffset.Y, MinRowHeight, MaxRowHeight);
                h > RowHeights(r) && !IsYMergedCell(c, r))
                SetRowHeights(r, h);
        }
    }
    EndUpdate();
}

void VOroDavoduRuzu::SizeRowToLines(int ARow, int Lines, int Extra)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    TCanvas& canvas = Canvas();
    canvas.Font().Assign(Font());
    TBrush brush;
    QueryCellColor(FixedCols(), ARow, 0, brush, canvas.Font());
    const int h = canvas.TextHeight(QStringLiteral("gh"));
    SetRowHeights(ARow, ClampAutoSize(Extra + Lines * (h + h / 8), MinRowHeight, MaxRowHeight));
}

void VOroDavoduRuzu::SizeToCols()
{
    int w = 0;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    SetClientWidth(w);
}

void VOroDavoduRuzu::SizeToRows()
{
    int h = 0;
    for (int r = 0; r < RowCount(); ++r)
        h += RowHeights(r);
    SetClientHeight(h);
}

// Without scroll bars while measuring, so the client area takes every cell.
void VOroDavoduRuzu::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

// Fits the columns to the control's width in proportion to their widths; the rounding rest goes to the
// widest column.
void VOroDavoduRuzu::AutoFitColumns(bool DoFixedCells)
{
    const bool vbar = FScrollBarAlways == saVert || ((ScrollBars() == ssVertical || ScrollBars() == ssBoth) &&
                                                     VisibleRowCount() + FixedRows() < RowCount());
    const int s = vbar ? ScrollWidth() : 0;
    const int b = BorderStyle() == bsSingle ? (Ctl3D() ? 4 : 2) : 0;
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols - 1;
    int room = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < FixedCols(); ++c)
            room -= ColWidths(c);
        for (int c = ColCount() - FixedRightCols; c < ColCount(); ++c)
            room -= ColWidths(c);
    }
    int lines = (Options() & goVertLine) ? (ColCount() - FixedCols() - FixedRightCols) * GridLineWidth() : 0;
    if ((Options() & goFixedVertLine) && DoFixedCells)
        lines += FixedCols() + FixedRightCols;
    if (ColCount() < 2) {
        SetColWidths(0, Width() - s - 5);
    } else {
        int sum = 0;
        for (int c = first; c <= last; ++c)
            sum += ColWidths(c);
        if (sum == room - s - b || sum <= 0)
            return;
        const double f = static_cast<double>(room - s - b - lines) / sum;
        double total = 0;
        for (int c = first; c <= last; ++c)
            total += std::nearbyint(ColWidths(c) * f);
        for (int c = first; c <= last; ++c)
            SetColWidths(c, static_cast<int>(std::nearbyint(ColWidths(c) * total / sum)));
    }
    int sum = 0;
    int widest = first;
    for (int c = first; c <= last; ++c) {
        sum += ColWidths(c);
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    }
    int rest = room - (sum + s + b);
    const int n = last - first + 1;
    if (n > 1 && n < rest) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    if (widest <= last)
        SetColWidths(widest, ColWidths(widest) + rest);
}

void VOroDavoduRuzu::Zoom(int x)
{
    const int z = ZoomFactor + x;
    if (z > 10 || z < -10)
        return;
    FScrollLock = true;
    ZoomFactor = z;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
            SetColWidths(c, ColWidths(c) + x);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
            SetRowHeights(r, RowHeights(r) + x);
    FScrollLock = false;
    if (ScrollProportional) {
        UpdateProportionalVScroll();
        UpdateProportionalHScroll();
    }
}

// --- Swaps -----------------------------------------------------------------------------------------------------

void VOroDavoduRuzu::ChangeScale(int M, int D)
{
    if (M == D || D == 0 || (ComponentState() & csDesigning))
        return;
    FFixedFont.ScaleSize(M, D);
    FActiveCellFont.ScaleSize(M, D);
}

void VOroDavoduRuzu::SwapColumns(int ACol1, int ACol2)
{
    const int total = TotalColCount();
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= total || ACol2 >= total)
        return;
    for (int r = 0; r < RowCount(); ++r)
        SwapCells({ACol1, r}, {ACol2, r});
    const int d1 = DisplColIndexOf(ACol1);
    const int d2 = DisplColIndexOf(ACol2);
    if (d1 < ColCount() && d2 < ColCount()) {
        const int w = ColWidths(d1);
        SetColWidths(d1, ColWidths(d2));
        SetColWidths(d2, w);
    }
    if (FSortSettings.Column == ACol1 || FSortSettings.Column == ACol2)
        FSortSettings.Column = FSortSettings.Column == ACol1 ? ACol2 : ACol1;
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& control = FControlList.GetControl(i);
        if (control.X == ACol1 || control.X == ACol2)
            control.X = control.X == ACol1 ? ACol2 : ACol1;
    }
    Invalidate();
}

void VOroDavoduRuzu::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    for (int c = 0; c < TotalColCount(); ++c)
        SwapCells({c, ARow1}, {c, ARow2});
    const int h = RowHeights(ARow1);
    SetRowHeights(ARow1, RowHeights(ARow2));
    SetRowHeights(ARow2, h);
    const int real1 = RealRowIndex(ARow1);
    const int real2 = RealRowIndex(ARow2);
    for (int i = 0; i < FControlList.Count(); ++i) {
        TControlItem& control = FControlList.GetControl(i);
        if (control.Y == real1 || control.Y == real2)
            control.Y = control.Y == real1 ? real2 : real1;
    }
    Invalidate();
}

void VOroDavoduRuzu::SortSwapRows(int ARow1, int ARow2)
{
    if (ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    ++Swaps;
    if (ARow1 < FSortRowXRef.Count() && ARow2 < FSortRowXRef.Count()) {
        const int x = FSortRowXRef.GetInteger(ARow1);
        FSortRowXRef.SetInteger(ARow1, FSortRowXRef.GetInteger(ARow2));
        FSortRowXRef.SetInteger(ARow2, x);
    }
    if (FSortSettings.SingleColumn) {
        if (FSortSettings.Column >= 0 && FSortSettings.Column < TotalColCount())
            SwapCells({FSortSettings.Column, ARow1}, {FSortSettings.Column, ARow2});
        return;
    }
    for (int c = 0; c < TotalColCount(); ++c)
        SwapCells({c, ARow1}, {c, ARow2});
    if (const int h = RowHeights(ARow1); h != RowHeights(ARow2)) {
        SetRowHeights(ARow1, RowHeights(ARow2));
        SetRowHeights(ARow2, h);
    }
    if (FMouseActions.DisjunctRowSelect() && FNavigation.MoveRowOnSort) {
        const int a = RealRowIndex(ARow1);
        const int b = RealRowIndex(ARow2);
        FRowSelect.resize(std::max(FRowSelect.size(), static_cast<std::size_t>(std::max(a, b) + 1)));
        std::swap(FRowSelect[static_cast<std::size_t>(a)], FRowSelect[static_cast<std::size_t>(b)]);
    }
    if (FShowModified.Enabled) {
        const bool modified = RowModified(ARow1);
        SetRowModified(ARow1, RowModified(ARow2));
        SetRowModified(ARow2, modified);
    }
    if (SortRow == ARow1 || SortRow == ARow2)
        SortRow = SortRow == ARow1 ? ARow2 : ARow1;
}

// Raw texts and object slots; the columns are real columns.
void VOroDavoduRuzu::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* object = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    SetGridObject(ToCell.X, ToCell.Y, object);
}

// --- Row hooks -------------------------------------------------------------------------------------------------

void VOroDavoduRuzu::DoAutoInsertRow(int ARow)
{
    if (FNumNodes == 0)
        InsertRows(ARow, 1, true);
    else if (GetParentRow(DisplRowIndex(ARow)) == -1)
        InsertNormalRow(ARow);
    else
        InsertChildRow(ARow, 0);
}

void VOroDavoduRuzu::DoAutoDeleteRow(int ARow)
{
    if (FNumNodes > 0) {
        if (GetParentRow(ARow) == -1)
            RemoveNormalRow(ARow);
        else
            RemoveChildRow(ARow);
    } else if (!FixedRowAlways && RowCount() - FixedRows() - FixedFooters == 1) {
        ClearRows(ARow, 1);
    } else {
        RemoveRowsAndProps(ARow, 1);
    }
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void VOroDavoduRuzu::DoFixedEdit(int ACol, int ARow, TEditorType& AEditor, TStringList& Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

void VOroDavoduRuzu::DoFilterDone()
{
    if (OnFilterDone)
        OnFilterDone(this);
}
