// Drag and drop: which drop operation a drag's formats reach, drops of text, cells and files on a grid,
// and a drag of cells from one grid to another or within one grid.
#include <gtest/gtest.h>

#include <QWidget>
#include <algorithm>

#include "GridIOFixture.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridDragDrop.h"
#include "platform/Bitmap.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/SystemMetrics.h"
#include "support/TestSeams.h"

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
        {"files and text",
         {{MimeUriList, "file:///tmp/a.csv\r\n"}, {MimePlainText, "t"}},
         false,
         "text:t files:/tmp/a.csv"},
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
        EXPECT_EQ(BeginTextDragDrop(g.grid, source, QStringLiteral("t"), QString(), QByteArray(), DROPEFFECT_COPY),
                  feedback);
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
        {{"/d/data.csv"}, "csv"}, {{"/d/Book.XLSX"}, "xls"}, {{"/d/old.xls"}, "xls"},
        {{"/d/my.csv.txt"}, ""},  {{"/d/xlsfile.doc"}, ""},  {{"/d/a.csv", "/d/b.csv"}, ""},
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
        ScopedHook<TDragDropHook> loop(DragDropHook(),
                                       [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
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
    ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
        dragged = data.value(MimeGridCells);
        imageWidth = a.grid.MoveForm ? a.grid.MoveForm->Width() : 0;  // the dragged cells follow the cursor
        b.target().DragEnter(data, ssCtrl, b.at(0, 1), allowed);
        return b.target().Drop(data, ssCtrl, b.at(0, 1), allowed);
    });
    a.io().StartCellDrag(0, 0);
    const QByteArray stream = a.io().RectToBinData({0, 0, 1, 0});
    EXPECT_EQ(dragged.mid(8), stream);
    EXPECT_EQ(dragged.left(8), columnData(static_cast<int>(stream.size())) + QByteArray(4, '\0'));
    EXPECT_EQ(b.cells(0, 0, 1, 1), QStringLiteral("|;a|b;"));
    EXPECT_EQ(imageWidth, a.grid.CellRect(1, 0).Right - a.grid.CellRect(0, 0).Left + 1);
    EXPECT_FALSE(a.grid.MoveForm);

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
    // It points right, at the row: its tip is its rightmost point.
    EXPECT_EQ(g.target().ArwL().Dir(), arrLeft);
    const std::vector<TPoint>& outline = g.target().ArwL().Arrow();
    EXPECT_EQ(std::max_element(outline.begin(), outline.end(), [](TPoint a, TPoint b) { return a.X < b.X; })->Y, 5);
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

TEST(GridDragDrop, TheGridsOwnDragAndDropEventsDecide)
{
    DropGrid a(3, 3), b(3, 3);
    a.grid.DragDropSettings().OleDropSource = true;
    a.fill({{"a"}});
    a.grid.SetSelection({0, 0, 0, 0});
    int loops = 0;
    ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
        ++loops;
        b.target().DragEnter(data, 0, b.at(1, 1), allowed);
        return b.target().Drop(data, 0, b.at(1, 1), allowed);
    });
    // OnOleDrag refuses: no drag runs.
    a.grid.OnOleDrag = [](TObject*, int, int, const QString& text, bool& allow) { allow = text != u"a"; };
    EXPECT_FALSE(a.io().StartCellDrag(0, 0));
    EXPECT_EQ(loops, 0);
    a.grid.OnOleDrag = nullptr;
    // OnOleDrop refuses the drop: OnOleDropped is told, the drag ends with no effect and the source keeps
    // its cells.
    QStringList events;
    b.grid.OnOleDrop = [&](TObject*, int r, int c, const QString& t, bool& allow) {
        events << QStringLiteral("drop %1,%2 %3").arg(c).arg(r).arg(t);
        allow = false;
    };
    b.grid.OnOleDropped = [&](TObject*, const TGridRect&) { events << "dropped"; };
    a.grid.OnOleDragStart = [&](TObject*, int r, int c) { events << QStringLiteral("start %1,%2").arg(c).arg(r); };
    a.grid.OnOleDragStop = [&](TObject*, int effect) { events << QStringLiteral("stop %1").arg(effect); };
    EXPECT_TRUE(a.io().StartCellDrag(0, 0));
    EXPECT_EQ(events.join(u';'), QStringLiteral("start 0,0;drop 1,1 a;dropped"));
    EXPECT_EQ(b.cells(1, 1, 1, 1), QStringLiteral(";"));
    EXPECT_EQ(a.cells(0, 0, 0, 0), QStringLiteral("a;"));
    // Allowed, the move empties the source.
    b.grid.OnOleDrop = nullptr;
    events.clear();
    EXPECT_TRUE(a.io().StartCellDrag(0, 0));
    EXPECT_EQ(events.join(u';'), QStringLiteral("start 0,0;dropped;stop 2"));
    EXPECT_EQ(b.cells(1, 1, 1, 1), QStringLiteral("a;"));
    EXPECT_EQ(a.cells(0, 0, 0, 0), QStringLiteral(";"));
    // With OleColumnsOnly only a header starts a drag.
    a.grid.DragDropSettings().OleColumnsOnly = true;
    EXPECT_FALSE(a.io().StartCellDrag(0, 0));
}

TEST(GridDragDrop, AHeaderDragMovesItsColumnAndShowsTheHeaderButton)
{
    struct Case {
        bool showCells;
        int dropCol;
        const char* header;
    } cases[] = {{false, 3, "h0|h2|h3|h1|"}, {true, 3, "h0|h2|h3|h1|"}, {false, 0, "h1|h0|h2|h3|"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.showCells << c.dropCol);
        DropGrid g(4, 3);
        g.grid.SetFixedRows(1);
        TDragDropSettings& s = g.grid.DragDropSettings();
        s.OleDropSource = s.OleColumnDragDrop = s.OleColumnReorder = true;
        s.ShowCells = c.showCells;
        g.target().AcceptCols = true;
        g.fill({{"h0", "h1", "h2", "h3"}});
        bool buttonShown = false, pictureShown = false;
        QString buttonText;
        int droppedCol = -1;
        g.grid.OnOleDropCol = [&](TObject*, int, int, int col) { droppedCol = col; };
        ScopedHook<TDragDropHook> loop(DragDropHook(),
                                       [&](TWinControl&, IDropSource&, const TDragData& data, int allowed) {
                                           buttonShown = g.grid.HeaderDragButton()->Visible();
                                           buttonText = g.grid.HeaderDragButton()->Caption;
                                           pictureShown = g.grid.MoveForm && g.grid.MoveForm->Visible();
                                           EXPECT_TRUE(data.contains(MimeGridColumn));
                                           g.target().DragEnter(data, 0, g.at(c.dropCol, 0), allowed);
                                           g.target().DragOver(0, g.at(c.dropCol, 0), allowed);
                                           return g.target().Drop(data, 0, g.at(c.dropCol, 0), allowed);
                                       });
        EXPECT_TRUE(g.io().StartCellDrag(1, 0));
        EXPECT_EQ(buttonShown, !c.showCells);
        EXPECT_EQ(pictureShown, c.showCells);
        EXPECT_EQ(buttonText, c.showCells ? buttonText : QStringLiteral("h1"));
        EXPECT_EQ(droppedCol, 1);
        QString header;
        for (int col = 0; col < 4; ++col)
            header += g.grid.Cells(col, 0) + u'|';
        EXPECT_EQ(header, QString::fromUtf8(c.header));
        EXPECT_FALSE(g.grid.HeaderDragButton()->Visible());
        EXPECT_FALSE(g.target().ArwD().Visible() || g.target().ArwU().Visible());
        EXPECT_FALSE(g.grid.MoveForm);
    }
}

TEST(GridDragDrop, ThePictureOfTheDraggedCellsFollowsTheCursorOnTopWithoutTheFocus)
{
    DropGrid g(4, 4);
    g.grid.SetSelection({1, 1, 2, 2});
    std::unique_ptr<TPopupWindow> form = g.grid.SelectionToForm(g.grid.Selection());
    const TRect first = g.grid.CellRect(1, 1), last = g.grid.CellRect(2, 2);
    EXPECT_EQ(form->Width(), last.Right - first.Left + 1);
    EXPECT_EQ(form->Height(), last.Bottom - first.Top + 1);
    // Cells out of view are left out, so a huge rectangle costs only the cells in view.
    DropGrid big(3, 100000);
    std::unique_ptr<TPopupWindow> tall = big.grid.SelectionToForm({0, 0, 0, 99999});
    EXPECT_LT(tall->Height(), big.grid.Height() + big.grid.DefaultRowHeight() * 2);

    g.grid.DragDropSettings().OleDropSource = true;
    TPoint followed{-1, -1};
    bool focusKept = true;
    ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource& s, const TDragData&, int) {
        s.QueryDrag();
        if (g.grid.MoveForm)
            followed = {g.grid.MoveForm->Left(), g.grid.MoveForm->Top()};
        focusKept = !g.grid.MoveForm || !g.grid.MoveForm->Focused();
        return DROPEFFECT_NONE;
    });
    g.io().StartCellDrag(1, 1);
    const TPoint cursor = GetCursorPos();
    EXPECT_NEAR(followed.X, cursor.X + 4, 4);
    EXPECT_NEAR(followed.Y, cursor.Y + 4, 4);
    EXPECT_TRUE(focusKept);
    EXPECT_FALSE(g.grid.MoveForm);
}

// A shown form with a 400 x 250 grid of four columns that drags out through the grid I/O library.
struct DragSourceForm {
    explicit DragSourceForm(int rows) : form(nullptr)
    {
        InstallGridIO();
        form.SetBounds(0, 0, 500, 300);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 250);
        grid->SetColCount(4);
        grid->SetRowCount(rows);
        form.Show();
        grid->DragDropSettings().OleDropSource = true;
    }
    TForm form;
    VOroDavoduRuzu* grid;
};

TEST(GridDragDrop, APressOnTheSelectionAndAMoveStartAnInGridDrag)
{
    DragSourceForm shown(5);
    VOroDavoduRuzu* grid = shown.grid;
    grid->SetCells(1, 1, QStringLiteral("x"));
    grid->SetSelection({1, 1, 2, 1});
    int loops = 0;
    QString dragged;
    ScopedHook<TDragDropHook> loop(DragDropHook(), [&](TWinControl&, IDropSource&, const TDragData& data, int) {
        ++loops;
        dragged = QString::fromUtf8(data.value(MimePlainText));
        return DROPEFFECT_NONE;
    });
    const TRect r = grid->CellRect(1, 1);
    const TPoint press{r.Left + 10, r.Top + 5};
    SendMouse(*grid, TMouseAction::Down, TMouseButton::mbLeft, press);
    SendMouse(*grid, TMouseAction::Move, TMouseButton::mbLeft, {press.X + 2, press.Y}, ssLeft);
    EXPECT_EQ(loops, 0);  // not yet more than 3 pixels
    SendMouse(*grid, TMouseAction::Move, TMouseButton::mbLeft, {press.X + 5, press.Y}, ssLeft);
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(dragged, QStringLiteral("x\t"));
    SendMouse(*grid, TMouseAction::Up, TMouseButton::mbLeft, {press.X + 5, press.Y});
    // A release without a drag selects the pressed cell.
    SendMouse(*grid, TMouseAction::Down, TMouseButton::mbLeft, press);
    SendMouse(*grid, TMouseAction::Up, TMouseButton::mbLeft, press);
    EXPECT_EQ(loops, 1);
    EXPECT_EQ(grid->Selection(), (TGridRect{1, 1, 1, 1}));
}

TEST(GridDragDrop, AReleaseWithoutADragFlipsTheRowMarkOfADisjunctRowSource)
{
    DragSourceForm shown(6);
    VOroDavoduRuzu* grid = shown.grid;
    grid->MouseActions().SetDisjunctRowSelect(true);
    // The releases that flipped a mark: they report Ctrl and the cell.
    std::vector<TPoint> ups;
    grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState Shift, int X, int Y) {
        if (Shift == ssCtrl)
            ups.push_back({X, Y});
    };
    const auto click = [&](int row, TShiftState shift) {
        const TRect r = grid->CellRect(1, row);
        SendMouse(*grid, TMouseAction::Down, TMouseButton::mbLeft, {r.Left + 10, r.Top + 5}, shift);
        SendMouse(*grid, TMouseAction::Up, TMouseButton::mbLeft, {r.Left + 10, r.Top + 5}, shift);
    };
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(3, true);
    click(3, ssCtrl);
    EXPECT_FALSE(grid->RowSelect(3)) << "Ctrl takes the released row's mark off";
    EXPECT_TRUE(grid->RowSelect(2)) << "and keeps the others";
    EXPECT_EQ(ups, (std::vector<TPoint>{{1, 3}})) << "the event gets the cell in place of the point";
    click(2, 0);
    EXPECT_TRUE(grid->RowSelect(2)) << "a plain release clears the marks and marks its own row";
    EXPECT_EQ(grid->RowSelectCount(), 1);
    EXPECT_EQ(ups.size(), 1u);
    grid->MouseActions().DisjunctRowSelectNoCtrl = true;
    grid->SetRowSelect(2, true);
    grid->SetRowSelect(4, true);
    click(4, 0);
    EXPECT_FALSE(grid->RowSelect(2));
    EXPECT_TRUE(grid->RowSelect(4)) << "without Ctrl the list is cleared, then the row flips";
    EXPECT_EQ(ups, (std::vector<TPoint>{{1, 3}, {1, 4}}));
}

TEST(GridDragDrop, TurningTheDropTargetOnRegistersTheGridAtOnce)
{
    InstallGridIO();
    VOroDavoduRuzu grid(nullptr);
    grid.DragDropSettings().SetOleDropTarget(true);
    EXPECT_TRUE(QtAccess::Widget(grid)->acceptDrops());
    grid.DragDropSettings().SetOleDropTarget(false);
    EXPECT_FALSE(QtAccess::Widget(grid)->acceptDrops());
}
