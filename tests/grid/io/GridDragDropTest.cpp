// Drag and drop: which drop operation a drag's formats reach, drops of text, cells and files on a grid,
// and a drag of cells from one grid to another or within one grid.
#include <gtest/gtest.h>

#include "GridIOFixture.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridDragDrop.h"
#include "platform/Bitmap.h"

namespace {
struct RecordingTarget : TVSGDropTarget {
    QStringList calls;
    void DropText(TPoint, const QString& t) override { calls << "text:" + t; }
    void DropStream(TPoint, const QByteArray&) override { calls << "stream"; }
    void DropCol(TPoint, int c) override { calls << QStringLiteral("col:%1").arg(c); }
    void DropRTF(TPoint, const QString& t) override { calls << "rtf:" + t; }
    void DropFiles(TPoint, const QStringList& f) override { calls << "files:" + f.join(u','); }
    void DropURL(TPoint, const QString& u) override { calls << "url:" + u; }
};

// A 32-bit value as the drag formats hold it.
QByteArray columnData(int col)
{
    return QByteArray(reinterpret_cast<const char*>(&col), 4);  // little-endian on every supported machine
}

struct DropGrid : IOGrid {
    DropGrid(int cols, int rows) : IOGrid(cols, rows)
    {
        grid.SetBounds(0, 0, 400, 400);
        io();
        grid.DragDropSettings().SetOleDropTarget(true);
    }
    TGridDropTarget& target() { return *io().DropTarget(); }
    TPoint at(int c, int r)
    {
        const TRect rc = grid.CellRect(c, r);
        return grid.ClientToScreen({rc.Left + 2, rc.Top + 2});
    }
};
}  // namespace

TEST(VoOleDragDrop, EachDragReachesTheDropOperationsOfItsFormats)
{
    struct Case {
        const char* name;
        TDragData data;
        bool rtf;
        const char* calls;
    } cases[] = {
        {"cells and text", {{MimeGridCells, "x"}, {MimePlainText, "t"}}, false, "stream"},
        {"column and text", {{MimeGridColumn, columnData(4)}, {MimePlainText, "t"}}, false, "col:4"},
        {"files and text", {{MimeUriList, "file:///tmp/a.csv\r\n"}, {MimePlainText, "t"}}, false, "text:t files:/tmp/a.csv"},
        {"rich text off", {{MimeRichText, "{\\rtf}"}, {MimePlainText, "t"}}, false, "text:t"},
        {"rich text on", {{MimeRichText, "{\\rtf}"}, {MimePlainText, "t"}}, true, "rtf:{\\rtf}"},
        {"url", {{MimeUriList, "http://example.com/x\r\n"}}, false, "url:http://example.com/x"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetAllowRTFDrop(c.rtf);
        RecordingTarget t;
        t.AcceptCols = true;
        EXPECT_EQ(t.DragEnter(c.data, 0, {}, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_MOVE);
        EXPECT_EQ(t.Drop(c.data, ssCtrl, {}, DROPEFFECT_COPY | DROPEFFECT_MOVE), DROPEFFECT_COPY);
        EXPECT_EQ(t.calls.join(u' '), QString::fromUtf8(c.calls));
    }
    SetAllowRTFDrop(false);
    // Cells need no accept flag; text is refused when not accepted.
    RecordingTarget closed;
    closed.AcceptText = closed.AcceptFiles = closed.AcceptURLs = false;
    EXPECT_EQ(closed.DragEnter({{MimePlainText, "t"}}, 0, {}, DROPEFFECT_COPY), DROPEFFECT_NONE);
    EXPECT_EQ(closed.Drop({{MimePlainText, "t"}}, 0, {}, DROPEFFECT_COPY), DROPEFFECT_NONE);
    EXPECT_EQ(closed.DragEnter({{MimeGridCells, "x"}}, 0, {}, DROPEFFECT_COPY), DROPEFFECT_COPY);
}

TEST(VoOleDragDrop, ALastFeedbackOfNoEffectCancelsTheDrag)
{
    DropGrid g(2, 2);
    TVSGDropSource source;
    for (int feedback : {DROPEFFECT_COPY, DROPEFFECT_NONE}) {
        ScopedHook<TDragDropHook> loop(DragDropHook(), [feedback](TWinControl&, IDropSource& s, const TDragData&, int) {
            s.GiveFeedback(feedback);
            return DROPEFFECT_COPY;
        });
        EXPECT_EQ(BeginTextDragDrop(g.grid, source, QStringLiteral("t"), QString(), QByteArray(), DROPEFFECT_COPY), feedback);
    }
}

TEST(GridDragDrop, DroppedLinesInsertRowsAndSelectTheirRectangle)
{
    DropGrid g(3, 5);
    g.grid.DragDropSettings().OleInsertRows = true;
    g.fill({{"r0"}, {"r1"}, {"r2"}});
    g.target().DropText(g.at(0, 1), QStringLiteral("a\tb\r\nc\td\r\ne\tf"));
    EXPECT_EQ(g.grid.RowCount(), 8);
    EXPECT_EQ(g.cells(0, 0, 1, 5), QStringLiteral("r0|;a|b;c|d;e|f;r1|;r2|;"));
    EXPECT_EQ(g.grid.Selection(), (TGridRect{0, 1, 1, 3}));
}

TEST(GridDragDrop, CellsDropAtTheCellUnderThePoint)
{
    DropGrid source(3, 3), target(3, 3);
    source.fill({{"a", "b"}, {"c", "d"}});
    target.target().DropStream(target.at(1, 1), source.io().RectToBinData({0, 0, 1, 1}));
    EXPECT_EQ(target.cells(0, 0, 2, 2), QStringLiteral("||;|a|b;|c|d;"));
}

TEST(GridDragDrop, DroppedFilesAreKnownByTheirExtension)
{
    struct Case {
        QStringList files;
        const char* loaded;
    } cases[] = {
        {{"/d/data.csv"}, "csv"},     {{"/d/Book.XLSX"}, "xls"}, {{"/d/old.xls"}, "xls"},
        {{"/d/my.csv.txt"}, ""},      {{"/d/xlsfile.doc"}, ""},  {{"/d/a.csv", "/d/b.csv"}, ""},
    };
    DropGrid g(2, 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.files.join(u',').toStdString());
        QString loaded;
        g.io().LoadFromCSV = [&](const QString&) { loaded = "csv"; };
        g.io().LoadFromXLS = [&](const QString&) { loaded = "xls"; };
        g.target().DropFiles(g.at(0, 0), c.files);
        EXPECT_EQ(loaded, QString::fromUtf8(c.loaded));
    }
}

TEST(GridDragDrop, AMoveShiftsTheDraggedRowsOnlyWhenRowsWereInsertedInTheGridItStartedFrom)
{
    struct Case {
        bool sameGrid, insert;
        const char* source;
    } cases[] = {{true, true, "0;3;1;2;4;"}, {true, false, "0;3;2;4;"}, {false, true, "0;1;2;4;"}};
    for (const auto [sameGrid, insert, expected] : cases) {
        SCOPED_TRACE(testing::Message() << sameGrid << insert);
        DropGrid a(2, 5), b(2, 5);
        for (DropGrid* g : {&a, &b}) {
            g->grid.SetOptions(g->grid.Options() | goRowSelect);
            g->grid.DragDropSettings().OleDropSource = true;
            g->grid.DragDropSettings().OleInsertRows = insert;
            g->grid.DragDropSettings().OleRemoveRows = true;
            g->fill({{"0"}, {"1"}, {"2"}, {"3"}, {"4"}});
        }
        a.grid.SetSelection({0, 3, 1, 3});
        DropGrid& to = sameGrid ? a : b;
        ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
            to.target().DragEnter(data, 0, to.at(0, 1), allowed);
            return to.target().Drop(data, 0, to.at(0, 1), allowed);
        });
        a.io().StartCellDrag(0, 3);
        EXPECT_EQ(a.cells(0, 0, 0, a.grid.RowCount() - 1), QString::fromUtf8(expected));
        if (!sameGrid) {
            EXPECT_EQ(b.cells(0, 0, 0, b.grid.RowCount() - 1), QStringLiteral("0;3;1;2;3;4;"));
        }
    }
}

TEST(GridDragDrop, DraggedCellsCarryTheirLengthAndAWrongLengthChangesNothing)
{
    DropGrid a(2, 2), b(2, 2);
    a.grid.DragDropSettings().OleDropSource = true;
    a.grid.Navigation().AllowFmtClipboard = true;
    a.fill({{"a", "b"}});
    a.grid.SetSelection({0, 0, 1, 0});
    QByteArray dragged;
    int imageWidth = 0;
    ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource& s, const TDragData& data, int allowed) {
        dragged = data.value(MimeGridCells);
        imageWidth = s.DragImage() ? s.DragImage()->Width() : 0;  // the dragged cells follow the cursor
        b.target().DragEnter(data, ssCtrl, b.at(0, 1), allowed);
        return b.target().Drop(data, ssCtrl, b.at(0, 1), allowed);
    });
    a.io().StartCellDrag(0, 0);
    const QByteArray stream = a.io().RectToBinData({0, 0, 1, 0});
    EXPECT_EQ(dragged.mid(8), stream);
    EXPECT_EQ(dragged.left(8), columnData(static_cast<int>(stream.size())) + QByteArray(4, '\0'));
    EXPECT_EQ(b.cells(0, 0, 1, 1), QStringLiteral("|;a|b;"));
    EXPECT_EQ(imageWidth, a.grid.CellRect(1, 0).Right - a.grid.CellRect(0, 0).Left);

    const QByteArray longer = columnData(static_cast<int>(stream.size() + 1)) + QByteArray(4, '\0') + stream;
    for (const QByteArray& bad : {dragged.left(5), longer, QByteArray("\xff\xff\xff\xff\0\0\0\0", 8) + stream}) {
        DropGrid c(2, 2);
        const TDragData data{{MimeGridCells, bad}};
        c.target().DragEnter(data, ssCtrl, c.at(0, 0), DROPEFFECT_COPY);
        try {
            c.target().Drop(data, ssCtrl, c.at(0, 0), DROPEFFECT_COPY);
            ADD_FAILURE() << "a wrong length was read";
        } catch (const REdaReviZizod& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Invalid stream format"));
        }
        EXPECT_EQ(c.cells(0, 0, 1, 1), QStringLiteral("|;|;"));
    }
}

TEST(GridDragDrop, ArrowsMarkTheDropPlaceAndHideOnLeaveAndDrop)
{
    DropGrid g(3, 5);
    const TDragData text{{MimePlainText, "t"}};
    g.target().DragEnter(text, 0, g.at(1, 2), DROPEFFECT_COPY);
    EXPECT_NE(g.target().DragOver(0, g.at(1, 2), DROPEFFECT_COPY), DROPEFFECT_NONE);
    EXPECT_TRUE(g.target().ArwL().Visible());
    EXPECT_EQ(g.target().ArwL().Color(), clLime);
    g.grid.SetArrowColor(clRed);
    g.target().DragOver(0, g.at(1, 2), DROPEFFECT_COPY);
    EXPECT_EQ(g.target().ArwL().Color(), clRed) << "the grid's arrow colour";
    const auto screenLeft = [&](int c, int r) { return g.grid.ClientToScreen({g.grid.CellRect(c, r).Left, 0}).X; };
    // The arrow stands just left of the drop cell (the window system may nudge a floating window a little).
    const auto justLeftOf = [&](int left, int cellLeft) { return left < cellLeft && left > cellLeft - 20; };
    EXPECT_TRUE(justLeftOf(g.target().ArwL().Left(), screenLeft(1, 2)));
    EXPECT_FALSE(g.target().ArwD().Visible());
    g.grid.DragDropSettings().OleEntireRows = true;
    g.target().DragOver(0, g.at(1, 2), DROPEFFECT_COPY);
    EXPECT_TRUE(justLeftOf(g.target().ArwL().Left(), screenLeft(0, 2)));
    g.target().DragLeave();
    EXPECT_FALSE(g.target().ArwL().Visible());

    // A column marks the left edge of the header cell above and below; a normal row refuses it.
    g.grid.SetFixedRows(1);
    bool allow = true;
    g.target().DragMouseMove(g.at(1, 0), allow, dfCol);
    EXPECT_TRUE(allow);
    EXPECT_TRUE(g.target().ArwD().Visible() && g.target().ArwU().Visible());
    EXPECT_LT(g.target().ArwD().Top(), g.grid.ClientToScreen({0, g.grid.CellRect(1, 0).Top}).Y);
    EXPECT_GE(g.target().ArwU().Top(), g.grid.ClientToScreen({0, g.grid.CellRect(1, 0).Bottom}).Y - 4);
    EXPECT_FALSE(g.target().ArwL().Visible());
    g.target().DragMouseMove(g.at(1, 2), allow, dfCol);
    EXPECT_FALSE(allow);
    EXPECT_FALSE(g.target().ArwD().Visible());

    g.target().DragEnter(text, 0, g.at(1, 2), DROPEFFECT_COPY);
    g.target().DragOver(0, g.at(1, 2), DROPEFFECT_COPY);
    g.target().Drop(text, 0, g.at(1, 2), DROPEFFECT_COPY);
    EXPECT_FALSE(g.target().ArwL().Visible());
}

TEST(GridDragDrop, DraggingPastTheLastVisibleColumnScrollsOnceATick)
{
    DropGrid g(20, 3);
    const int first = g.grid.LeftCol();
    const int next = first + g.grid.VisibleColCount();
    const TRect r = g.grid.CellRect(next, 1);
    ASSERT_FALSE(r.IsEmpty());
    const TPoint pt = g.grid.ClientToScreen({r.Left + 1, r.Top + 2});
    bool allow = true;
    g.target().DragMouseMove(pt, allow, dfText);
    EXPECT_EQ(g.grid.LeftCol(), first + 1);
    const TRect again = g.grid.CellRect(g.grid.LeftCol() + g.grid.VisibleColCount(), 1);
    ASSERT_FALSE(again.IsEmpty());
    g.target().DragMouseMove(g.grid.ClientToScreen({again.Left + 1, again.Top + 2}), allow, dfText);
    EXPECT_EQ(g.grid.LeftCol(), first + 1);  // the same tick
}
