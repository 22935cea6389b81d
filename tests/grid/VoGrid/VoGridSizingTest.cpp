// Fixed areas, fills, numbering, sizing to contents, fitting, zoom and swaps.
#include "VoGridTestGrid.h"

TEST(VoGridSizing, FixedRowsAlwaysAndTheFooterRowFollowTheRowCount)
{
    RecordingGrid g;
    g.FixedRowAlways = true;
    g.SetRowCount(2);
    g.SetFixedRows(3);
    EXPECT_EQ(g.FixedRows(), 1);
    g.SetRowCount(5);
    EXPECT_EQ(g.FixedRows(), 3);

    RecordingGrid f;
    f.SetRowCount(5);
    f.SetCells(1, 4, QStringLiteral("total"));
    f.FloatingFooter().SetVisible(true);
    f.SetRowCount(8);
    EXPECT_EQ(f.Cells(1, 7), QStringLiteral("total"));
    EXPECT_EQ(f.Cells(1, 4), QString());
}

TEST(VoGridSizing, FillsAndNumbering)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    g.FormatFill(false, QStringLiteral("%d-%d %s%n"));  // only %d is filled in
    EXPECT_EQ(g.Cells(2, 3), QStringLiteral("2-3 %s%n"));
    EXPECT_EQ(g.Cells(0, 3), QString());
    g.LinearFill(true);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("0:0"));
    g.TextFill(false, QStringLiteral("t"));
    EXPECT_EQ(g.Cells(1, 4), QStringLiteral("t"));
    g.RandomFill(false, 3);
    EXPECT_LT(g.Ints(2, 2), 3);

    g.AutoNumberCol(0);
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(g.Cells(0, r), QString::number(r));
    g.AutoNumberDirection = 1;
    g.AutoNumberCol(0);
    for (int r = 1; r < 5; ++r)
        EXPECT_EQ(g.Cells(0, r), QString::number(5 - r));
    g.AutoNumberDirection = 0;
    g.AutoNumberOffset = 10;
    g.AutoNumberRow(0);
    EXPECT_EQ(g.Cells(1, 0), QStringLiteral("11"));
    EXPECT_EQ(g.Cells(2, 0), QStringLiteral("12"));
}

TEST(VoGridSizing, ColumnsFitTheirContentsAndTheControl)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, QStringLiteral("a rather long text for one column"));
    g.SetCells(1, 2, QStringLiteral("short"));
    g.AutoSizeCol(1);
    const int fitted = g.ColWidths(1);
    EXPECT_GT(fitted, g.Canvas().TextWidth(QStringLiteral("a rather long text")));
    g.SizeGrowOnly = true;
    g.SetCells(1, 1, QStringLiteral("x"));
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), fitted);
    g.SizeGrowOnly = false;
    g.MaxColWidth = 30;
    g.OnUpdateColumnSize = [](TObject*, int, int& w) { w += 100; };
    g.AutoSizeCol(1);
    EXPECT_EQ(g.ColWidths(1), 30);

    RecordingGrid fit;
    fit.SetBounds(0, 0, 300, 200);
    fit.SetColCount(3);
    fit.SetFixedCols(0);
    fit.SetBorderStyle(bsNone);
    fit.SetOptions(fit.Options() & ~(goVertLine | goFixedVertLine));
    fit.SetColWidths(0, 50);
    fit.SetColWidths(1, 50);
    fit.SetColWidths(2, 100);
    fit.AutoFitColumns(false);
    EXPECT_EQ(fit.ColWidths(0), 75);
    EXPECT_EQ(fit.ColWidths(1), 75);
    EXPECT_EQ(fit.ColWidths(2), 150);
}

TEST(VoGridSizing, ZoomSettingsAndSwaps)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    const int w = g.ColWidths(1);
    g.ZoomFactor = 8;
    g.Zoom(3);
    EXPECT_EQ(g.ColWidths(1), w);
    g.Zoom(2);
    EXPECT_EQ(g.ColWidths(1), w + 2);
    g.Zoom(-2);
    EXPECT_EQ(g.ColWidths(1), w);

    g.FixedFont().SetSize(8);
    g.ActiveCellFont().SetSize(10);
    g.ChangeScale(3, 2);
    EXPECT_EQ(g.FixedFont().Size(), 12);
    EXPECT_EQ(g.ActiveCellFont().Size(), 15);
    g.ChangeScale(2, 0);  // no divisor: nothing
    EXPECT_EQ(g.FixedFont().Size(), 12);

    g.SetSelectionColorMixerFactor(150);
    EXPECT_EQ(g.SelectionColorMixerFactor, 100);
    g.SetOptions(g.Options() & ~goEditing);
    g.SetSpreadSheet(false);
    EXPECT_TRUE(g.Options() & goEditing);
    EXPECT_TRUE(g.SelectionRectangle);
    EXPECT_TRUE(g.MouseActions().RangeSelectAndEdit);

    g.SetCells(1, 1, QStringLiteral("one"));
    g.SetCells(1, 3, QStringLiteral("three"));
    g.SetRowHeights(1, 40);
    g.SwapRows(1, 3);
    EXPECT_EQ(g.Cells(1, 3), QStringLiteral("one"));
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("three"));
    EXPECT_EQ(g.RowHeights(3), 40);
    EXPECT_EQ(g.RowHeights(1), g.DefaultRowHeight());
    g.SortSettings().Column = 1;
    g.SetColWidths(2, 90);
    g.SwapColumns(1, 2);
    EXPECT_EQ(g.Cells(2, 3), QStringLiteral("one"));
    EXPECT_EQ(g.ColWidths(1), 90);
    EXPECT_EQ(g.SortSettings().Column, 2);
}

TEST(VoGridSizing, FillsRecalculateTheFooter)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    g.FloatingFooter().SetVisible(true);
    g.GetCellProperties(1, 4)->CalcType = acSUM;
    g.TextFill(false, QStringLiteral("2"));
    EXPECT_EQ(g.Cells(1, 4), QStringLiteral("6.00"));  // rows 1..3, the footer row left out of the fill
}

TEST(VoGridSizing, AutoSizeCellsOnlyGrows)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(1, 1, QStringLiteral("a rather long text for one column"));
    g.SetCells(2, 2, QStringLiteral("two\rlines"));
    g.Multilinecells = true;
    g.SetColWidths(2, 200);
    const int fixedWidth = g.ColWidths(0);
    g.AutoSizeCells(false, 4, 2);
    EXPECT_GT(g.ColWidths(1), g.Canvas().TextWidth(QStringLiteral("a rather long text")));
    EXPECT_LT(g.ColWidths(2), 200);  // not grow-only: the column takes its widest cell
    EXPECT_GT(g.RowHeights(2), g.RowHeights(1));
    EXPECT_EQ(g.ColWidths(0), fixedWidth);
    const int h = g.RowHeights(2);
    g.SetCells(2, 2, QStringLiteral("one"));
    g.AutoSizeCells(false, 4, 2);
    EXPECT_EQ(g.RowHeights(2), h);
}

TEST(VoGridSizing, SortSwapCarriesRowStateOrTheSortColumnOnly)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c)
            g.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
    g.InitSortXRef();
    g.ShowModified().Enabled = true;
    g.SetRowModified(1, true);
    g.SetRowHeights(1, 35);
    g.SortRow = 3;
    g.SortSwapRows(1, 3);
    EXPECT_EQ(g.Cells(0, 3), QStringLiteral("0,1"));
    EXPECT_EQ(g.Cells(2, 1), QStringLiteral("2,3"));
    EXPECT_EQ(g.RowHeights(3), 35);
    EXPECT_TRUE(g.RowModified(3));
    EXPECT_FALSE(g.RowModified(1));
    EXPECT_EQ(g.SortRowXRef().GetInteger(1), 3);
    EXPECT_EQ(g.SortRow, 1);
    EXPECT_EQ(g.Swaps, 1);

    g.SortSettings().SingleColumn = true;
    g.SortSettings().Column = 2;
    g.SortSwapRows(1, 2);
    EXPECT_EQ(g.Cells(2, 1), QStringLiteral("2,2"));
    EXPECT_EQ(g.Cells(0, 1), QStringLiteral("0,3"));  // the other columns stay
}

TEST(VoGridSizing, AutoDeleteClearsTheOnlyNormalRowAndReports)
{
    RecordingGrid g;
    g.SetRowCount(3);
    std::vector<int> deleted;
    g.OnAutoDeleteRow = [&](TObject*, int r) { deleted.push_back(r); };
    g.DoAutoDeleteRow(2);
    EXPECT_EQ(g.RowCount(), 2);
    g.SetCells(1, 1, QStringLiteral("last"));
    g.DoAutoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), QString());
    EXPECT_EQ(deleted, (std::vector<int>{2, 1}));
    g.DoAutoInsertRow(1);
    EXPECT_EQ(g.RowCount(), 3);
}

TEST(VoGridSizing, SizeToCellsShowsEveryCell)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetColWidths(1, 80);
    g.SetRowHeights(2, 40);
    g.SetScrollBars(ssBoth);
    g.SetBounds(0, 0, 50, 50);
    g.SizeToCells();
    // Column widths and row heights already hold their grid lines: no strip is left over.
    EXPECT_EQ(g.ClientWidth(), g.DefaultColWidth() * 2 + 80);
    EXPECT_EQ(g.ClientHeight(), g.DefaultRowHeight() * 3 + 40);
    EXPECT_EQ(g.TBaseGrid::CellRect(2, 3).Right, g.ClientWidth());
    EXPECT_EQ(g.TBaseGrid::CellRect(2, 3).Bottom, g.ClientHeight());
    EXPECT_EQ(g.ScrollBars(), ssBoth);
    EXPECT_EQ(g.VisibleRowCount() + g.FixedRows(), 4);
}

// A column takes its widest cell as painted: HTML as rendered, the cell's own font, the always-shown combo
// button; the width adds the offsets, two grid lines and 2.
TEST(VoGridSizing, ColumnWidthMeasuresTheCellAsPainted)
{
    class ComboGrid : public RecordingGrid {
    public:
        bool QueryHasComboBox(int ACol, int) override { return ACol == 1 && combo; }
        bool combo = false;
    };
    const auto plainWidth = [](ComboGrid& g, const QString& text) {
        g.Canvas().Font().Assign(g.Font());
        return g.Canvas().TextWidth(text) + 2 * g.XYOffset.X + 2 * g.GridLineWidth() + 2;
    };
    struct Case {
        const char* name;
        QString text;
        int fontSize;  // 0: the grid's font
        bool combo;
        int extra;  // beyond the width of the plain text "abcd"
    };
    const Case cases[] = {
        {"plain", QStringLiteral("abcd"), 0, false, 0},
        {"html measured as rendered", QStringLiteral("<i>abcd</i>"), 0, false, 0},
        {"combo button", QStringLiteral("abcd"), 0, true, 16},
    };
    for (const Case& c : cases) {
        ComboGrid g;
        g.SetColCount(3);
        g.SetRowCount(3);
        g.SetCells(1, 1, c.text);
        g.combo = c.combo;
        g.ControlLook().SetDropDownAlwaysVisible(c.combo);
        g.AutoSizeCol(1);
        const int expected = plainWidth(g, QStringLiteral("abcd")) + c.extra;
        EXPECT_NEAR(g.ColWidths(1), expected, 3) << c.name;
    }
    // The cell's own font: a large text makes the column as wide as that text.
    ComboGrid big;
    big.SetColCount(3);
    big.SetRowCount(3);
    big.SetCells(1, 1, QStringLiteral("abcd"));
    big.SetFontSizes(1, 1, 24);
    big.AutoSizeCol(1);
    big.Canvas().Font().Assign(big.Font());
    big.Canvas().Font().SetSize(24);
    EXPECT_GE(big.ColWidths(1), big.Canvas().TextWidth(QStringLiteral("abcd")) + 8);
}

// Rows take their word-wrapped text; without word wrap every row gets the lines of its tallest cell.
TEST(VoGridSizing, RowsFollowWordWrapOrTheirLines)
{
    RecordingGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetColWidths(1, 60);
    g.SetCells(1, 1, QStringLiteral("one two three four five six seven eight"));
    g.SetCells(1, 2, QStringLiteral("one"));
    g.AutoSizeRows(false, 0);
    const int line = g.Canvas().TextHeight(QStringLiteral("gh"));
    EXPECT_GE(g.RowHeights(1), 3 * line);  // wrapped into several lines
    // One line: offsets above and below, the line, two grid lines.
    EXPECT_EQ(g.RowHeights(2), g.GetCellTextSize(1, 2, false, true).cy + 2 * g.XYOffset.Y + 2 * g.GridLineWidth());

    g.WordWrap = false;
    g.Multilinecells = true;
    g.SetCells(1, 3, QStringLiteral("a\rb\rc"));
    g.AutoSizeRows(false, 2);
    g.Canvas().Font().Assign(g.Font());
    const int h = g.Canvas().TextHeight(QStringLiteral("gh"));
    EXPECT_EQ(g.RowHeights(1), 2 + h + h / 8);
    EXPECT_EQ(g.RowHeights(3), 2 + 3 * (h + h / 8));
}

TEST(VoGridSizing, AutoSizeRowsAnnouncesEveryRow)
{
    class Announcing : public RecordingGrid {
    public:
        std::vector<std::pair<int, int>> states;
        void ExportNotification(int AState, int ARow) override { states.emplace_back(AState, ARow); }
    };
    Announcing g;
    g.SetRowCount(3);
    g.AutoSizeRows(false, 0);
    const std::vector<std::pair<int, int>> expected{
        {esExportStart, 1}, {esExportNextRow, 1}, {esExportNextRow, 2}, {esExportDone, -1}};
    EXPECT_EQ(g.states, expected);
}
