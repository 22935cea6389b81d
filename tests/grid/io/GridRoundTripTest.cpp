// Every cell transport gives back exactly the cells it took, on grids with hidden columns, fixed rows and
// columns, right fixed columns, footer rows, a merged cell and non-ASCII texts: the text cell file and
// stream, the binary cell stream, copy and paste as text and as cells, and a drag of cells to another grid.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QTemporaryDir>

#include "GridIOFixture.h"
#include "grid/io/GridDragDrop.h"
#include "support/TestSeams.h"

namespace {
constexpr int Cols = 8, Rows = 6;

struct Shape {
    int hidden;      // real column hidden, -1 for none
    bool fixed;      // one fixed row and one fixed column
    bool footer;     // one right fixed column and one footer row
    bool saveFixed;  // SaveFixedCells
};

std::ostream& operator<<(std::ostream& os, const Shape& s)
{
    return os << "hidden " << s.hidden << (s.fixed ? ", fixed" : "") << (s.footer ? ", footer" : "")
              << (s.saveFixed ? ", SaveFixedCells" : "");
}

QString textOf(int c, int r)
{
    if (c == 2 && r == 2)
        return QStringLiteral("x\r\ny");
    if (c == 4 && r == 3)
        return QStringLiteral("中文字 ü");
    if (c == 5 && r == 1)
        return QStringLiteral("a,b\tc");
    if (c == 3 && r == 4)
        return QStringLiteral("\"q\" €");
    return QStringLiteral("c%1r%2").arg(c).arg(r);
}

struct ShapedGrid : IOGrid {
    // Filled: every cell has its own text, columns and rows their own sizes, and cells (2,2)-(2,3) are
    // merged. Empty: the same structure; its fixed cells, right fixed column and footer hold "keep".
    ShapedGrid(const Shape& s, bool filled) : IOGrid(Cols, Rows)
    {
        grid.SetBounds(0, 0, 800, 400);
        if (s.fixed) {
            grid.SetFixedCols(1);
            grid.SetFixedRows(1);
        }
        if (s.footer) {
            grid.FixedRightCols = 1;
            grid.FixedFooters = 1;
        }
        grid.SaveFixedCells = s.saveFixed;
        grid.Multilinecells = true;
        for (int c = 0; c < Cols; ++c)
            for (int r = 0; r < Rows; ++r)
                if (filled || outsideNormal(c, r))
                    grid.SetCells(c, r, filled ? textOf(c, r) : QStringLiteral("keep"));
        if (filled) {
            for (int c = 0; c < Cols; ++c)
                grid.SetColWidths(c, 30 + 7 * c);
            for (int r = 0; r < Rows; ++r)
                grid.SetRowHeights(r, 18 + r);
            grid.MergeCells(2, 2, 1, 2);
        }
        if (s.hidden >= 0)
            grid.HideColumn(s.hidden);
    }
    bool outsideNormal(int c, int r) const
    {
        return c < grid.FixedCols() || r < grid.FixedRows() || c >= Cols - grid.FixedRightCols ||
               r >= Rows - grid.FixedFooters;
    }
    // The display rectangle of the normal cells.
    TGridRect normal() const
    {
        return {grid.FixedCols(), grid.FixedRows(), grid.ColCount() - 1 - grid.FixedRightCols,
                grid.RowCount() - 1 - grid.FixedFooters};
    }
    QString at(int d, int r) { return grid.Cells(grid.DisplayToRealCol(d), r); }
};

// Every display cell of the target inside Rect holds the source's text (a merged cell's part holds the
// text of its merged area); every other cell of the target holds what it held before.
void expectCells(ShapedGrid& source, ShapedGrid& target, const TGridRect& Rect, const QStringList& before)
{
    ASSERT_EQ(target.grid.ColCount(), source.grid.ColCount());
    ASSERT_EQ(target.grid.RowCount(), source.grid.RowCount());
    for (int c = 0; c < target.grid.TotalColCount(); ++c)
        for (int r = 0; r < target.grid.RowCount(); ++r) {
            const int d = target.grid.RealToDisplayCol(c);
            const bool inside = !target.grid.IsHiddenColumn(c) && Rect.Contains(d, r);
            EXPECT_EQ(target.grid.Cells(c, r),
                      inside ? source.grid.Cells(c, r) : before[c * target.grid.RowCount() + r])
                << "real column " << c << ", row " << r;
        }
}

// Every cell's text by real column, as the grid shows it.
QStringList textsOf(ShapedGrid& g)
{
    QStringList out;
    for (int c = 0; c < g.grid.TotalColCount(); ++c)
        for (int r = 0; r < g.grid.RowCount(); ++r)
            out << g.grid.Cells(c, r);
    return out;
}

void expectSizes(ShapedGrid& source, ShapedGrid& target, const TGridRect& Rect)
{
    for (int d = Rect.Left; d <= Rect.Right; ++d)
        EXPECT_EQ(target.grid.ColWidths(d), source.grid.ColWidths(d)) << "display column " << d;
}

std::vector<Shape> shapes()
{
    std::vector<Shape> out;
    for (int hidden : {-1, 1, 3, 6})
        for (bool fixed : {false, true})
            for (bool footer : {false, true})
                for (bool saveFixed : {false, true})
                    out.push_back({hidden, fixed, footer, saveFixed});
    return out;
}

TGridRect saveRangeOf(ShapedGrid& g)
{
    TGridIO& io = g.io();
    return {io.SaveStartCol(), io.SaveStartRow(), io.SaveEndCol(), io.SaveEndRow()};
}
}  // namespace

TEST(GridRoundTrip, TheSaveRangeLeavesOutTheFixedCellsFooterRowsAndRightFixedColumnsUnlessTheyAreSaved)
{
    struct Case {
        bool saveFixed, saveCols, saveRows;
        TGridRect range;
    } cases[] = {
        {true, false, false, {0, 0, 9, 9}},
        {false, false, false, {1, 2, 8, 8}},
        {false, true, false, {0, 2, 9, 8}},
        {false, false, true, {1, 0, 8, 9}},
    };
    for (const Case& c : cases) {
        IOGrid g(10, 10);
        g.grid.SetFixedCols(1);
        g.grid.SetFixedRows(2);
        g.grid.FixedRightCols = 1;
        g.grid.FixedFooters = 1;
        g.grid.SaveFixedCells = c.saveFixed;
        g.grid.SaveFixedCols = c.saveCols;
        g.grid.SaveFixedRows = c.saveRows;
        EXPECT_EQ(g.io().saveRange(), c.range) << c.saveFixed << c.saveCols << c.saveRows;
        EXPECT_EQ(g.io().SaveColCount(), c.range.Right - c.range.Left + 1);
        EXPECT_EQ(g.io().SaveRowCount(), c.range.Bottom - c.range.Top + 1);
    }
}

TEST(GridRoundTrip, FileAndStreamsGiveBackTheirSaveRange)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    enum Transport { TextFile, UnicodeFile, TextStream, BinStream, BinFile };
    for (const Shape& shape : shapes())
        for (Transport t : {TextFile, UnicodeFile, TextStream, BinStream, BinFile}) {
            SCOPED_TRACE(testing::Message() << shape << ", transport " << t);
            ShapedGrid source(shape, true), target(shape, false);
            const QStringList before = textsOf(target);
            const QString file = dir.filePath(QStringLiteral("cells"));
            QBuffer buffer;
            buffer.open(QIODevice::ReadWrite);
            switch (t) {
            case TextFile:
            case UnicodeFile:
                source.io().SaveToFile(file, t == UnicodeFile);
                target.io().LoadFromFile(file);
                break;
            case TextStream:
                target.grid.AssignCells(source.grid);
                break;
            case BinStream:
                source.io().SaveToBinStream(buffer);
                buffer.seek(0);
                target.io().LoadFromBinStream(buffer);
                break;
            case BinFile:
                source.io().SaveToBinFile(file);
                target.io().LoadFromBinFile(file);
                break;
            }
            const TGridRect range = saveRangeOf(source);
            expectCells(source, target, range, before);
            expectSizes(source, target, range);
            if (t == BinStream || t == BinFile) {
                EXPECT_EQ(target.grid.CellSpan(2, 2), (TPoint{0, 1}));
                for (int r = range.Top; r <= range.Bottom; ++r)
                    EXPECT_EQ(target.grid.RowHeights(r), source.grid.RowHeights(r)) << "row " << r;
            }
        }
}

TEST(GridRoundTrip, CopyThenPasteAndDragThenDropGiveBackTheCellsTaken)
{
    enum Transport { ClipText, ClipCells, DropText, DropCells };
    for (const Shape& shape : shapes())
        for (bool whole : {true, false})
            for (Transport t : {ClipText, ClipCells, DropText, DropCells}) {
                SCOPED_TRACE(testing::Message()
                             << shape << (whole ? ", all normal cells" : ", inner block") << ", transport " << t);
                TInProcessClipboard clipboard;
                ShapedGrid source(shape, true), target(shape, false);
                const QStringList before = textsOf(target);
                TGridRect rect = source.normal();
                if (!whole)
                    rect = {rect.Left + 1, rect.Top + 1, rect.Right - 1, rect.Bottom};
                const bool cells = t == ClipCells || t == DropCells;
                source.grid.Navigation().AllowFmtClipboard = cells;
                target.grid.Navigation().AllowFmtClipboard = cells;
                source.grid.SetSelection(rect);
                if (t == ClipText || t == ClipCells) {
                    source.io().CopySelectionToClipboard();
                    target.grid.SetSelection(rect);
                    target.io().PasteSelectionFromClipboard();
                } else {
                    source.grid.DragDropSettings().OleDropSource = true;
                    target.grid.DragDropSettings().SetOleDropTarget(true);
                    const TRect cell = target.grid.CellRect(rect.Left, rect.Top);
                    const TPoint to = target.grid.ClientToScreen({cell.Left + 2, cell.Top + 2});
                    ScopedHook<TDragDropHook> loop(DragDropHook(),
                                                   [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
                                                       target.io().DropTarget()->DragEnter(data, ssCtrl, to, allowed);
                                                       return target.io().DropTarget()->Drop(data, ssCtrl, to, allowed);
                                                   });
                    source.io().StartCellDrag(rect.Left, rect.Top);
                }
                expectCells(source, target, rect, before);
            }
}

TEST(GridRoundTrip, CopyAllThenPasteInPlaceChangesNothing)
{
    for (const Shape& shape : shapes())
        for (bool cells : {false, true}) {
            SCOPED_TRACE(testing::Message() << shape << (cells ? ", cells" : ", text"));
            TInProcessClipboard clipboard;
            ShapedGrid g(shape, true);
            const QStringList before = textsOf(g);
            g.grid.Navigation().AllowFmtClipboard = cells;
            g.grid.SetSelection(g.normal());
            g.io().CopySelectionToClipboard();
            g.io().PasteSelectionFromClipboard();
            const QStringList after = textsOf(g);
            for (qsizetype i = 0; i < after.size(); ++i)
                EXPECT_EQ(after[i], before[i]) << "real column " << i / Rows << ", row " << i % Rows;
            EXPECT_EQ(g.grid.ColCount(), shape.hidden >= 0 ? Cols - 1 : Cols);
            EXPECT_EQ(g.grid.RowCount(), Rows);
        }
}

TEST(GridRoundTrip, AMoveOntoAnOverlappingPlaceKeepsEveryMovedCell)
{
    struct Case {
        int from, to;  // first column of the two dragged cells, drop column
        const char* expected;
    } cases[] = {{0, 1, "|a|b|;"}, {1, 0, "a|b||;"}, {0, 2, "||a|b;"}, {1, 1, "|a|b|;"}};
    for (bool cells : {false, true})
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << (cells ? ", cells" : ", text"));
            IOGrid g(4, 1);
            g.grid.SetBounds(0, 0, 400, 100);
            g.grid.DragDropSettings().OleDropSource = true;
            g.grid.DragDropSettings().SetOleDropTarget(true);
            g.grid.Navigation().AllowFmtClipboard = cells;
            g.fill({{"a", "b"}}, c.from, 0);
            g.grid.SetSelection({c.from, 0, c.from + 1, 0});
            const TRect cell = g.grid.CellRect(c.to, 0);
            const TPoint to = g.grid.ClientToScreen({cell.Left + 2, cell.Top + 2});
            ScopedHook<TDragDropHook> loop(DragDropHook(),
                                           [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
                                               g.io().DropTarget()->DragEnter(data, 0, to, allowed);
                                               return g.io().DropTarget()->Drop(data, 0, to, allowed);
                                           });
            g.io().StartCellDrag(c.from, 0);
            EXPECT_EQ(g.cells(0, 0, 3, 0), QString::fromUtf8(c.expected));
        }
}
