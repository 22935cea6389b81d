// The string grid driven by the mouse through the platform's input path: clicks on check boxes, radio
// buttons, nodes, cell buttons and links, column sizing with its hint, header drag selection, double-click
// auto size, the wheel and panning with the pressed wheel.
#include <gtest/gtest.h>
#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QScrollBar>
#include <QWidget>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridMouseFixture.h"
#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/ScrollBar.h"
#include "platform/Seam.h"
#include "platform/Timers.h"
#include "support/TestSeams.h"

TEST(VoGridMouse, CheckBoxClickTogglesOnlyWhenEditable)
{
    MouseFixture f;
    f.grid->AddCheckBox(2, 3, false, false);
    std::vector<bool> clicked;
    f.grid->OnCheckBoxClick = [&](TObject*, int, int, bool state) { clicked.push_back(state); };
    f.click(f.centre(2, 3));
    EXPECT_FALSE(f.grid->IsChecked(2, 3)) << "without editing a click only moves the current cell";
    EXPECT_EQ(f.cell(), (TGridCoord{2, 3}));
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.click(f.centre(2, 3));
    EXPECT_TRUE(f.grid->IsChecked(2, 3));
    f.click(f.centre(2, 3));
    EXPECT_FALSE(f.grid->IsChecked(2, 3));
    EXPECT_EQ(clicked, (std::vector<bool>{true, false}));
    EXPECT_FALSE(f.grid->EditorMode());
}

TEST(VoGridMouse, RadioButtonClickChoosesOneRowOfTheColumn)
{
    MouseFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    for (int r = 1; r <= 3; ++r)
        f.grid->AddRadioButton(2, r, r == 1);
    std::vector<int> clicked;
    f.grid->OnRadioButtonClick = [&](TObject*, int, int r) { clicked.push_back(r); };
    f.click(f.centre(2, 3));
    EXPECT_FALSE(f.grid->IsRadioButtonChecked(2, 1));
    EXPECT_TRUE(f.grid->IsRadioButtonChecked(2, 3));
    EXPECT_EQ(clicked, std::vector<int>{3});
}

TEST(VoGridMouse, NodeGlyphClickContractsAndExpands)
{
    MouseFixture f;
    f.grid->MouseActions().PreciseNodeClick = false;
    f.grid->AddNode(1, 3);
    const int rows = f.grid->RowCount();
    std::vector<QString> log;
    f.grid->OnContractNode = [&](TObject*, int r, int) { log.push_back(QStringLiteral("contract %1").arg(r)); };
    f.grid->OnExpandNode = [&](TObject*, int r, int) { log.push_back(QStringLiteral("expand %1").arg(r)); };
    f.click(f.centre(0, 1));
    EXPECT_EQ(f.grid->RowCount(), rows - 2);
    f.click(f.centre(0, 1));
    EXPECT_EQ(f.grid->RowCount(), rows);
    EXPECT_EQ(log, (std::vector<QString>{QStringLiteral("contract 1"), QStringLiteral("expand 1")}));
}

TEST(VoGridMouse, CellButtonFiresOnlyWhenReleasedOnIt)
{
    MouseFixture f;
    f.grid->AddButton(2, 2, 30, 16, QStringLiteral("Go"), haLeft, vaTop);
    f.grid->SetOptions(f.grid->Options() | goEditing);  // a button of a cell that may not be edited is disabled
    int fired = 0;
    f.grid->OnButtonClick = [&](TObject*, int c, int r) { fired += c == 2 && r == 2; };
    const TRect b = f.grid->GetCellButtonRect(2, 2);
    const TPoint inside{b.Left + 3, b.Top + 3};
    f.click(inside);
    EXPECT_EQ(fired, 1);
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbLeft, inside);
    SendMouse(*f.grid, TMouseAction::Up, TMouseButton::mbLeft, f.centre(4, 5));
    EXPECT_EQ(fired, 1) << "released outside the button";
}

TEST(VoGridMouse, UrlClickOpensTheLinkAndCellLinksMoveTheCursor)
{
    MouseFixture f;
    f.grid->URLShow = true;
    f.grid->SetCells(3, 3, QStringLiteral("http://example.org/x"));
    f.grid->SetCells(3, 4, QStringLiteral("cell://R5C2"));
    std::vector<QString> opened;
    ScopedHook<TShellOpenHook> shell(ShellOpenHook(), [&](const QString& t) {
        opened.push_back(t);
        return true;
    });
    f.click(f.centre(3, 3));
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://example.org/x")});
    f.click(f.centre(3, 4));
    EXPECT_EQ(opened.size(), 1u);
    EXPECT_EQ(f.cell(), (TGridCoord{2, 5}));
}

TEST(VoGridMouse, RefusedClickLeavesTheCurrentCell)
{
    MouseFixture f;
    f.grid->OnCanClickCell = [](TObject*, int, int, bool& allow) { allow = false; };
    f.click(f.centre(4, 5));
    EXPECT_EQ(f.cell(), (TGridCoord{1, 1}));
}

TEST(VoGridMouse, ColumnSizingByDragShowsTheNewWidthAsHint)
{
    MouseFixture f;
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    f.grid->HintShowSizing = true;
    std::vector<int> ended;
    f.grid->OnEndColumnSize = [&](TObject*, int c) { ended.push_back(c); };
    const TRect header = f.grid->CellRect(2, 0);
    const TPoint border{header.Right, header.Top + 5};
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, border);
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbLeft, border);
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, {header.Left + 80, border.Y}, ssLeft);
    EXPECT_EQ(f.grid->SizingHintText(), QStringLiteral("cw=<b>80</b>"));
    EXPECT_TRUE(f.grid->ScrollHintWindow()->Visible());
    SendMouse(*f.grid, TMouseAction::Up, TMouseButton::mbLeft, {header.Left + 80, border.Y});
    EXPECT_EQ(f.grid->ColWidths(2), 80);
    EXPECT_EQ(f.grid->SizingHintText(), QString());
    EXPECT_FALSE(f.grid->ScrollHintWindow()->Visible());
    EXPECT_EQ(ended, std::vector<int>{2});
}

TEST(VoGridMouse, SizingDragsReportTheSizeAndMayBeRefused)
{
    struct Case {
        bool rows;
        bool refuse;
    };
    for (const Case c : {Case{false, false}, Case{true, false}, Case{false, true}, Case{true, true}}) {
        SCOPED_TRACE(std::string(c.rows ? "rows" : "columns") + (c.refuse ? " refused" : ""));
        MouseFixture f;
        VOroDavoduRuzu& g = *f.grid;
        g.SetOptions(g.Options() | (c.rows ? goRowSizing : goColSizing));
        g.HintShowSizing = true;
        std::vector<std::pair<int, int>> sizing;
        std::vector<int> ended;
        g.OnColumnSizing = [&](TObject*, int i, int size) { sizing.emplace_back(i, size); };
        g.OnRowSizing = [&](TObject*, int i, int size) { sizing.emplace_back(i, size); };
        g.OnEndColumnSize = [&](TObject*, int i) { ended.push_back(i); };
        g.OnEndRowSize = [&](TObject*, int i) { ended.push_back(i); };
        g.OnColumnSize = [&](TObject*, int, bool& allow) { allow = !c.refuse; };
        g.OnRowSize = [&](TObject*, int, bool& allow) { allow = !c.refuse; };
        const int before = c.rows ? g.RowHeights(2) : g.ColWidths(2);
        const TRect cell = g.CellRect(c.rows ? 0 : 2, c.rows ? 2 : 0);
        const TPoint border = c.rows ? TPoint{cell.Left + 5, cell.Bottom} : TPoint{cell.Right, cell.Top + 5};
        const TPoint to = c.rows ? TPoint{border.X, cell.Top + 40} : TPoint{cell.Left + 80, border.Y};
        f.mouse(TMouseAction::Move, border);
        f.mouse(TMouseAction::Down, border);
        f.mouse(TMouseAction::Move, to, ssLeft);
        if (!c.refuse) {
            EXPECT_EQ(g.SizingHintText(), c.rows ? QStringLiteral("rh=<b>40</b>") : QStringLiteral("cw=<b>80</b>"));
        }
        f.mouse(TMouseAction::Up, to);
        EXPECT_EQ(c.rows ? g.RowHeights(2) : g.ColWidths(2), c.refuse ? before : c.rows ? 40 : 80);
        using Sizes = std::vector<std::pair<int, int>>;
        EXPECT_EQ(sizing, (c.refuse ? Sizes{} : Sizes{{2, c.rows ? 40 : 80}}));
        EXPECT_EQ(ended, c.refuse ? std::vector<int>{} : std::vector<int>{2});
    }
    // A fixed column's border sizes it within 2 pixels, not 3 pixels away.
    for (const int off : {2, 3}) {
        MouseFixture f;
        f.grid->SetBorderStyle(bsNone);  // client and window points coincide
        f.grid->MouseActions().SizeFixedCol = true;
        std::vector<std::pair<int, int>> sizing;
        f.grid->OnColumnSizing = [&](TObject*, int i, int size) { sizing.emplace_back(i, size); };
        const int y = f.centre(0, 3).Y;
        const TPoint border{f.grid->ColWidths(0) + off, y};
        f.mouse(TMouseAction::Move, border);
        f.mouse(TMouseAction::Down, border);
        f.mouse(TMouseAction::Move, {100, y}, ssLeft);
        f.mouse(TMouseAction::Up, {100, y});
        EXPECT_EQ(f.grid->ColWidths(0), off == 2 ? 100 : 64) << off;
        EXPECT_EQ(sizing.empty(), off == 3) << off;
    }
}

TEST(VoGridMouse, DraggingAlongTheRowHeadersSelectsWholeRows)
{
    MouseFixture f;
    f.grid->MouseActions().RowSelect = true;
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(0, 5));
    EXPECT_EQ(f.grid->MouseSelectMode(), msRow);
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbLeft, f.centre(0, 5));
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(0, 2), ssLeft);
    SendMouse(*f.grid, TMouseAction::Up, TMouseButton::mbLeft, f.centre(0, 2));
    const TGridRect s = f.grid->Selection();
    EXPECT_EQ((TGridRect{std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
                         std::max(s.Top, s.Bottom)}),
              (TGridRect{1, 2, 5, 5}));
    EXPECT_EQ(f.grid->MouseSelectMode(), msNormal);
}

TEST(VoGridMouse, DoubleClickOnAHeaderBorderSizesTheColumnAndDoesNotFireTheCellEvent)
{
    MouseFixture f;
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    f.grid->SetCells(2, 3, QStringLiteral("a text much wider than the default column width"));
    int dblClicks = 0;
    f.grid->OnDblClickCell = [&](TObject*, int, int) { ++dblClicks; };
    const int before = f.grid->ColWidths(2);
    const TRect header = f.grid->CellRect(2, 0);
    const TPoint border{header.Right, header.Top + 5};
    SendMouse(*f.grid, TMouseAction::DblClick, TMouseButton::mbLeft, border);
    SendMouse(*f.grid, TMouseAction::Up, TMouseButton::mbLeft, border);
    EXPECT_GT(f.grid->ColWidths(2), before);
    EXPECT_EQ(dblClicks, 0);
    f.grid->MouseActions().AutoSizeColOnDblClick = false;
    f.grid->SetColWidths(2, before);
    SendMouse(*f.grid, TMouseAction::DblClick, TMouseButton::mbLeft, border);
    EXPECT_EQ(f.grid->ColWidths(2), before);
}

TEST(VoGridMouse, WheelStepsMoveTheCurrentRowWithinTheNormalRows)
{
    MouseFixture f(20);
    f.grid->FixedFooters = 1;
    const TPoint p = f.centre(2, 2);
    f.grid->MouseActions().WheelIncrement = 1;
    SendWheel(*f.grid, -120, p);
    EXPECT_EQ(f.grid->Row(), 2);
    f.grid->MouseActions().WheelIncrement = 4;
    SendWheel(*f.grid, -120, p);
    EXPECT_EQ(f.grid->Row(), 6);
    SendWheel(*f.grid, 120, p);
    EXPECT_EQ(f.grid->Row(), 2);
    f.grid->MouseActions().WheelIncrement = 30;
    SendWheel(*f.grid, -120, p);
    EXPECT_EQ(f.grid->Row(), 18) << "never past the last row above the footer";
    f.grid->EnableWheel = false;
    SendWheel(*f.grid, 120, p);
    EXPECT_EQ(f.grid->Row(), 18);
}

TEST(VoGridMouse, PanningWithThePressedWheelMovesOneCellPerTickOutsideTheDeadZone)
{
    MouseFixture f(20);
    const TPoint anchor = f.centre(3, 3);
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbMiddle, anchor);
    ASSERT_TRUE(f.grid->Panning());
    const QPoint global = QtAccess::Widget(*f.grid)->mapToGlobal(QPoint(anchor.X, anchor.Y));
    QCursor::setPos(global + QPoint(0, 3));
    ASSERT_TRUE(FireWindowTimer(f.grid, 999));
    EXPECT_EQ(f.grid->Row(), 1) << "within 5 pixels nothing moves";
    QCursor::setPos(global + QPoint(0, 40));
    FireWindowTimer(f.grid, 999);
    FireWindowTimer(f.grid, 999);
    EXPECT_EQ(f.grid->Row(), 3);
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbMiddle, anchor);
    EXPECT_FALSE(f.grid->Panning());
    f.grid->IntelliPan = ipNone;
    SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbMiddle, anchor);
    EXPECT_FALSE(f.grid->Panning());
}

TEST(VoGridMouse, PanMarkAtTheAnchorShowsTheArrowsOfThePanningDirections)
{
    struct Case {
        TIntelliPan pan;
        bool vertical;
        bool horizontal;
    };
    for (const Case c : {Case{ipVertical, true, false}, Case{ipHorizontal, false, true}, Case{ipBoth, true, true}}) {
        SCOPED_TRACE(static_cast<int>(c.pan));
        MouseFixture f(20);
        f.grid->IntelliPan = c.pan;
        const TPoint anchor = f.centre(3, 3);
        const auto dark = [&](const QImage& shown, int dx, int dy) {
            return qGray(shown.pixel(anchor.X + dx, anchor.Y + dy)) < 64;
        };
        SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbMiddle, anchor);
        const QImage shown = PaintToImage(*f.grid);
        EXPECT_EQ(shown.pixelColor(anchor.X, anchor.Y), QColor(Qt::white)) << "the mark's corner is white";
        EXPECT_TRUE(dark(shown, 13, 13)) << "the dot";
        EXPECT_EQ(dark(shown, 13, 7), c.vertical) << "up";
        EXPECT_EQ(dark(shown, 13, 19), c.vertical) << "down";
        EXPECT_EQ(dark(shown, 7, 13), c.horizontal) << "left";
        EXPECT_EQ(dark(shown, 19, 13), c.horizontal) << "right";
        SendMouse(*f.grid, TMouseAction::Down, TMouseButton::mbMiddle, anchor);
        EXPECT_FALSE(dark(PaintToImage(*f.grid), 13, 13)) << "the mark goes with the panning";
    }
}

TEST(VoGridHints, CellHintsComeFromTheEventCommentsAndLargeText)
{
    MouseFixture f;
    f.grid->OnGridHint = [](TObject*, int r, int c, QString& hint) {
        if (r == 0)
            hint = QStringLiteral("column %1").arg(c);
    };
    QString hint;
    TPoint at;
    TColor colour = clNone;
    const TRect header = f.grid->CellRect(3, 0);
    ASSERT_TRUE(f.grid->BuildCellHint({header.Left + 7, header.Top + 4}, hint, at, colour));
    EXPECT_EQ(hint, QStringLiteral("column 3"));
    EXPECT_EQ(at, f.grid->ClientToScreen({header.Left + 7, header.Bottom + 6})) << "below the header at the mouse";
    EXPECT_EQ(colour, f.grid->HintColor);

    f.grid->AddComment(2, 2, QStringLiteral("note"));
    const TRect commented = f.grid->CellRect(2, 2);
    hint.clear();
    f.grid->BuildCellHint({commented.Left + 3, commented.Top + 3}, hint, at, colour);
    EXPECT_EQ(hint, QStringLiteral("note"));
    EXPECT_EQ(at, f.grid->ClientToScreen({commented.Right, commented.Top}));

    f.grid->HintShowLargeText = true;
    f.grid->SetCells(4, 3, QStringLiteral("a text that is far too wide for one narrow cell of this grid"));
    f.grid->SetCells(4, 4, QStringLiteral("short"));
    const TRect wide = f.grid->CellRect(4, 3);
    hint.clear();
    f.grid->BuildCellHint({wide.Left + 3, wide.Top + 3}, hint, at, colour);
    EXPECT_EQ(hint, f.grid->Cells(4, 3));
    EXPECT_EQ(at, f.grid->ClientToScreen({wide.Left, wide.Top}));
    hint.clear();
    const TRect narrow = f.grid->CellRect(4, 4);
    f.grid->BuildCellHint({narrow.Left + 3, narrow.Top + 3}, hint, at, colour);
    EXPECT_EQ(hint, QString());
}

TEST(VoGridTimer, BlinkingCellsRepaintOnEveryTickAndHoveringFollowsThePointer)
{
    MouseFixture f;
    f.grid->EnableBlink = true;
    const bool phase = f.grid->BlinkPhase();
    ASSERT_TRUE(FireWindowTimer(f.grid, 111));
    EXPECT_NE(f.grid->BlinkPhase(), phase);
    EXPECT_EQ(f.grid->TimerTicks(), 1);

    f.grid->Hovering = true;
    const TPoint over = f.centre(4, 5);
    QCursor::setPos(QtAccess::Widget(*f.grid)->mapToGlobal(QPoint(over.X, over.Y)));
    FireWindowTimer(f.grid, 111);
    EXPECT_EQ(f.cell(), (TGridCoord{4, 5}));
}

namespace {
std::vector<QString> column(VOroDavoduRuzu& grid, int c)
{
    std::vector<QString> out;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        out.push_back(grid.Cells(c, r));
    return out;
}
std::vector<QString> texts(std::initializer_list<const char*> items)
{
    std::vector<QString> out;
    for (const char* i : items)
        out.push_back(QString::fromUtf8(i));
    return out;
}
}  // namespace

TEST(VoGridSortClick, HeaderClicksSortUpDownAndUndo)
{
    MouseFixture f(5);
    const char* start[] = {"c", "a", "d", "b"};
    for (int r = 1; r <= 4; ++r)
        f.grid->SetCells(2, r, QString::fromUtf8(start[r - 1]));
    f.grid->SortSettings().Show = true;
    f.grid->SortSettings().UndoSort = true;
    std::vector<int> clicked;
    f.grid->OnClickSort = [&](TObject*, int c) { clicked.push_back(c); };
    f.click(f.centre(2, 0));
    EXPECT_EQ(column(*f.grid, 2), texts({"a", "b", "c", "d"}));
    f.click(f.centre(2, 0));
    EXPECT_EQ(column(*f.grid, 2), texts({"d", "c", "b", "a"}));
    f.click(f.centre(2, 0));
    EXPECT_EQ(column(*f.grid, 2), texts({"c", "a", "d", "b"})) << "the third click restores the order";
    EXPECT_EQ(f.grid->SortSettings().Column, -1);
    EXPECT_EQ(clicked, (std::vector<int>{2, 2, -1}));

    f.grid->OnCanSort = [](TObject*, int c, bool& doSort) { doSort = c != 2; };
    f.click(f.centre(2, 0));
    EXPECT_EQ(column(*f.grid, 2), texts({"c", "a", "d", "b"})) << "refused by OnCanSort";
    f.grid->OnCanSort = nullptr;
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    const TRect header = f.grid->CellRect(2, 0);
    f.click({header.Right - 1, (header.Top + header.Bottom) / 2});
    EXPECT_EQ(column(*f.grid, 2), texts({"c", "a", "d", "b"})) << "a release on the border sizes, it does not sort";
    f.click(f.centre(2, 2));
    EXPECT_EQ(column(*f.grid, 2), texts({"c", "a", "d", "b"})) << "a click on a normal cell does not sort";
}

TEST(VoGridSortClick, NoSortWithoutShowOrWithOneDataRow)
{
    for (const int rows : {2, 5}) {
        MouseFixture f(rows);
        f.grid->SetCells(2, 1, QStringLiteral("b"));
        if (rows > 2)
            f.grid->SetCells(2, 2, QStringLiteral("a"));
        f.grid->SortSettings().Show = rows == 2;
        f.click(f.centre(2, 0));
        EXPECT_EQ(f.grid->SortSettings().Column, -1) << rows;
        EXPECT_EQ(f.grid->Cells(2, 1), QStringLiteral("b"));
    }
}

TEST(VoGridSortClick, IndexKeyAddsColumnsAndAPlainClickReplacesThem)
{
    MouseFixture f(5);
    const char* first[] = {"x", "x", "y", "y"};
    const char* second[] = {"2", "1", "4", "3"};
    for (int r = 1; r <= 4; ++r) {
        f.grid->SetCells(1, r, QString::fromUtf8(first[r - 1]));
        f.grid->SetCells(2, r, QString::fromUtf8(second[r - 1]));
    }
    f.grid->SortSettings().Show = true;
    f.grid->SortSettings().IndexShow = true;
    f.click(f.centre(1, 0));
    f.click(f.centre(1, 0));  // the only index column flips to descending
    f.click(f.centre(2, 0), TMouseButton::mbLeft, ssShift);
    EXPECT_EQ(f.grid->SortIndexes().Count(), 2);
    EXPECT_EQ(column(*f.grid, 2), texts({"3", "4", "1", "2"}));
    EXPECT_EQ(f.grid->SortSettings().Column, 1);
    f.click(f.centre(2, 0));
    EXPECT_EQ(f.grid->SortIndexes().Count(), 1);
    EXPECT_EQ(f.grid->SortSettings().Column, 2);
    EXPECT_EQ(column(*f.grid, 2), texts({"1", "2", "3", "4"}));
}

TEST(VoGridMouse, CtrlWheelZoomsWithoutMovingAndPlainWheelWithZoomOff)
{
    MouseFixture f(20);
    f.grid->SetCells(2, 3, QStringLiteral("a rather long text that does not fit"));
    const TPoint p = f.centre(2, 2);
    const int height = f.grid->RowHeights(3);
    SendWheel(*f.grid, -120, p, ssCtrl);
    EXPECT_GT(f.grid->ZoomFactor, 0);
    EXPECT_EQ(f.grid->Row(), 1) << "zooming moves nothing";
    EXPECT_GT(f.grid->RowHeights(3), height);
    EXPECT_GE(f.grid->ColWidths(2), f.grid->GetCellTextSize(2, 3, false, false).cx) << "the cells fit their text";
    SendWheel(*f.grid, 120, p, ssCtrl);
    EXPECT_EQ(f.grid->ZoomFactor, 0);
    f.grid->IntelliZoom = false;
    SendWheel(*f.grid, -120, p, ssCtrl);
    EXPECT_EQ(f.grid->ZoomFactor, 0);
    EXPECT_GT(f.grid->Row(), 1);
}

TEST(VoGridMouse, RatingClickStoresHalfTheNineStepsUnlessRefused)
{
    MouseFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->AddRating(2, 3, 5, clYellow, clGray);
    const TRect R = f.grid->CellRect(2, 3);
    std::vector<int> rates;
    bool allow = true;
    f.grid->OnRatingChange = [&](TObject*, int, int, int& rate, bool& ok) {
        rates.push_back(rate);
        ok = allow;
    };
    f.click({R.Left + 20, R.Top + 4});
    EXPECT_DOUBLE_EQ(f.grid->Floats(2, 3), 1.0);
    allow = false;
    f.click({R.Left + 40, R.Top + 4});
    EXPECT_DOUBLE_EQ(f.grid->Floats(2, 3), 1.0);
    EXPECT_EQ(rates, (std::vector<int>{1, 2}));
}

TEST(VoGridMouse, HtmlAnchorsAndFormControlsReactToClicks)
{
    MouseFixture f;
    f.grid->SetColWidths(3, 200);
    f.grid->SetCells(3, 2, QStringLiteral("<a href=\"http://example.org/a\">link</a> text"));
    f.grid->SetCells(3, 3, QStringLiteral("<a href=\"cell://R6C4\">go</a>"));
    f.grid->SetCells(3, 4, QStringLiteral("<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"16\">"));
    std::vector<QString> opened;
    ScopedHook<TShellOpenHook> shell(ShellOpenHook(), [&](const QString& t) {
        opened.push_back(t);
        return true;
    });
    std::vector<QString> controls;
    f.grid->OnControlClick = [&](TObject*, int, int, const QString& id, const QString& type, const QString& value) {
        controls.push_back(id + QLatin1Char(' ') + type + QLatin1Char(' ') + value);
    };
    const auto onText = [&](int r) {
        const TRect R = f.grid->CellRect(3, r);
        return TPoint{R.Left + 8, R.Top + 8};
    };
    f.click(onText(2));
    EXPECT_EQ(opened, std::vector<QString>{QStringLiteral("http://example.org/a")});
    f.click(onText(3));
    EXPECT_EQ(f.cell(), (TGridCoord{4, 6}));
    f.click(onText(4));
    EXPECT_TRUE(controls.empty()) << "a control of a cell that may not be edited does nothing";
    EXPECT_EQ(opened.size(), 1u);
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.click(onText(4));
    QString value;
    EXPECT_TRUE(GetControlValueByID(f.grid->Cells(3, 4), QStringLiteral("c1"), value));
    EXPECT_EQ(value, QStringLiteral("TRUE"));
    EXPECT_EQ(controls, std::vector<QString>{QStringLiteral("c1 CHECK TRUE")});
    // A button control looks pressed while the mouse holds it.
    f.grid->SetCells(3, 1, QStringLiteral("<CONTROL TYPE=\"BUTTON\" ID=\"b1\" VALUE=\"Go\" WIDTH=\"60\">"));
    const auto buttonCell = [&] {
        const TRect r = f.grid->CellRect(3, 1);
        return PaintToImage(*f.grid).copy(r.Left, r.Top, r.Width(), r.Height());
    };
    const QImage up = buttonCell();
    f.mouse(TMouseAction::Down, onText(1));
    EXPECT_NE(buttonCell(), up);
    f.mouse(TMouseAction::Up, onText(1));
    EXPECT_EQ(buttonCell(), up);
    // An edit control opens its edit box over the control.
    f.grid->SetCells(3, 5, QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"abc\" WIDTH=\"60\">"));
    f.click(onText(5));
    EXPECT_TRUE(f.grid->CellControlEditing());
}

TEST(VoGridHints, AskedHintsShowHtmlInTheGridsWindowAndGoWhenTheMouseLeavesTheCell)
{
    MouseFixture f;
    f.grid->ShowHint = true;
    f.grid->OnGridHint = [](TObject*, int r, int c, QString& hint) {
        if (r == 0)
            hint = c == 2 ? QStringLiteral("<b>bold</b> column") : QStringLiteral("plain");
    };
    const auto ask = [&](TPoint p) {
        const QPoint local(p.X, p.Y);
        QHelpEvent event(QEvent::ToolTip, local, QtAccess::Widget(*f.grid)->mapToGlobal(local));
        QApplication::sendEvent(QtAccess::Widget(*f.grid), &event);
    };
    const TRect header = f.grid->CellRect(2, 0);
    ask({header.Left + 7, header.Top + 4});
    const THTMLHintWindow& window = *f.grid->ScrollHintWindow();
    ASSERT_TRUE(window.Visible());
    EXPECT_EQ(window.Caption(), QStringLiteral("<b>bold</b> column"));
    EXPECT_EQ((TPoint{window.Left(), window.Top()}), f.grid->ClientToScreen({header.Left + 7, header.Bottom + 6}));
    EXPECT_GT(window.TextWidth(), 0);
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(2, 3));
    EXPECT_FALSE(window.Visible()) << "another cell cancels the hint";

    f.grid->UseInternalHintClass = false;
    ask({header.Left + 7, header.Top + 4});
    EXPECT_FALSE(window.Visible()) << "the system's tooltip shows it instead";
}

TEST(VoGridMouse, SelectionResizerSpansANewSelectionAndFillsItFromTheCopy)
{
    struct Grid : VOroDavoduRuzu {
        using VOroDavoduRuzu::VOroDavoduRuzu;
        std::vector<QString> calls;
        void CopySelectionToClipboard() override { calls.push_back(QStringLiteral("copy")); }
        void PasteSelectionFromClipboard() override { calls.push_back(QStringLiteral("paste")); }
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 700, 400);
    auto* g = new Grid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 600, 300);
    g->SetColCount(6);
    g->SetRowCount(8);
    form.Show();
    g->SetOptions(g->Options() | goRangeSelect);
    g->SelectionRectangle = true;
    g->SelectionResizer = true;
    g->SetSelection({1, 1, 2, 2});
    std::vector<TGridRect> resized;
    g->OnSelectionResized = [&](TObject*, const TGridRect& from, const TGridRect& to) { resized = {from, to}; };
    const TRect last = g->CellRect(2, 2);
    const TRect target = g->CellRect(3, 4);
    const TPoint handle{last.Right - 3, last.Bottom - 3};
    const TPoint to{(target.Left + target.Right) / 2, (target.Top + target.Bottom) / 2};
    SendMouse(*g, TMouseAction::Move, TMouseButton::mbLeft, handle);
    EXPECT_EQ(g->MouseSelectMode(), msResize);
    SendMouse(*g, TMouseAction::Down, TMouseButton::mbLeft, handle);
    SendMouse(*g, TMouseAction::Move, TMouseButton::mbLeft, to, ssLeft);
    SendMouse(*g, TMouseAction::Up, TMouseButton::mbLeft, to);
    EXPECT_EQ(g->Selection(), (TGridRect{1, 1, 3, 4}));
    EXPECT_EQ(g->calls, (std::vector<QString>{QStringLiteral("copy"), QStringLiteral("paste")}));
    EXPECT_EQ(resized, (std::vector<TGridRect>{{1, 1, 2, 2}, {1, 1, 3, 4}}));

    g->calls.clear();
    g->SetSelection({1, 1, 1, 1});
    SendClick(*g, to);
    EXPECT_TRUE(g->calls.empty()) << "a press beside the handle selects as usual";
}

TEST(VoGridMouse, DisjunctCellSelectionByClicksAndSpace)
{
    MouseFixture f;
    f.grid->MouseActions().SetDisjunctCellSelect(true);
    const auto selected = [&] {
        std::vector<TGridCoord> out;
        for (int i = 0; i < f.grid->SelectedCellsCount(); ++i)
            out.push_back(f.grid->SelectedCell(i));
        return out;
    };
    f.click(f.centre(2, 2));
    f.click(f.centre(4, 4), TMouseButton::mbLeft, ssCtrl);
    EXPECT_EQ(selected(), (std::vector<TGridCoord>{{2, 2}, {4, 4}}));
    f.click(f.centre(2, 2), TMouseButton::mbLeft, ssCtrl);
    EXPECT_EQ(selected(), (std::vector<TGridCoord>{{4, 4}})) << "Ctrl toggles";
    f.click(f.centre(3, 3));
    EXPECT_EQ(selected(), (std::vector<TGridCoord>{{3, 3}})) << "a plain click starts over";
    f.grid->OnSelectCell = [](TObject*, int c, int, bool& can) { can = c != 5; };
    f.click(f.centre(5, 3), TMouseButton::mbLeft, ssCtrl);
    EXPECT_EQ(selected(), (std::vector<TGridCoord>{{3, 3}})) << "refused by OnSelectCell";
    f.grid->OnSelectCell = nullptr;
    f.click(f.centre(3, 3), TMouseButton::mbLeft, ssCtrl);
    EXPECT_TRUE(selected().empty());
    SendKey(*f.grid, VK_SPACE, ssCtrl);
    EXPECT_EQ(selected(), (std::vector<TGridCoord>{{3, 3}})) << "Ctrl+Space toggles the current cell";
    SendKey(*f.grid, VK_SPACE, ssCtrl);
    EXPECT_TRUE(selected().empty());
}

TEST(VoGridMouse, DisjunctRowsAndColumnsByClicksAndTheRightButton)
{
    MouseFixture f(10);
    VOroDavoduRuzu& g = *f.grid;
    g.SetOptions(g.Options() | goRowSelect);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.MouseActions().SelectOnRightClick = true;
    const auto listed = [&] {
        std::vector<int> rows;
        for (int r = 1; r < g.RowCount(); ++r)
            if (g.RowSelect(r))
                rows.push_back(r);
        return rows;
    };
    struct Step {
        int row;
        TMouseButton button;
        TShiftState shift;
        std::vector<int> rows;
        const char* what;
    };
    const Step steps[] = {
        {2, TMouseButton::mbLeft, 0, {2}, "a click lists its row"},
        {5, TMouseButton::mbLeft, ssCtrl, {2, 5}, "Ctrl adds"},
        {2, TMouseButton::mbLeft, ssCtrl, {5}, "Ctrl on a listed row takes it off"},
        {7, TMouseButton::mbLeft, ssShift, {2, 3, 4, 5, 6, 7}, "Shift spans from the last row"},
        {4, TMouseButton::mbLeft, 0, {4}, "a plain click starts over"},
        {8, TMouseButton::mbRight, ssCtrl, {4, 8}, "Ctrl+right flips"},
        {9, TMouseButton::mbRight, 0, {9}, "the right button lists only its row"},
    };
    for (const Step& s : steps) {
        f.click(f.centre(2, s.row), s.button, s.shift);
        EXPECT_EQ(listed(), s.rows) << s.what;
    }

    MouseFixture h(10);
    h.grid->MouseActions().SetDisjunctColSelect(true);
    const auto columns = [&] {
        std::vector<int> cols;
        for (int c = 1; c < h.grid->ColCount(); ++c)
            if (h.grid->ColSelect(c))
                cols.push_back(c);
        return cols;
    };
    h.click(h.centre(2, 3));
    h.click(h.centre(4, 3), TMouseButton::mbLeft, ssCtrl);
    EXPECT_EQ(columns(), (std::vector<int>{2, 4}));
    h.click(h.centre(2, 3), TMouseButton::mbLeft, ssCtrl);
    EXPECT_EQ(columns(), (std::vector<int>{4}));
}

TEST(VoGridMouse, PressesKeepTheViewWhereAsked)
{
    // A press on the partly shown last row scrolls it into view unless NoScrollOnPartialRow.
    for (const bool keep : {false, true}) {
        MouseFixture f(40);
        f.grid->MouseActions().NoScrollOnPartialRow = keep;
        const int partial = f.grid->TopRow() + f.grid->VisibleRowCount();
        const TRect cell = f.grid->CellRect(2, partial);
        ASSERT_LT(cell.Top + 3, f.grid->ClientHeight());
        f.click({(cell.Left + cell.Right) / 2, cell.Top + 3});
        EXPECT_EQ(f.grid->TopRow() == 1, keep) << keep;
    }
    // A row-select drag beyond the right edge keeps the left column with KeepHorizScroll.
    for (const bool keep : {false, true}) {
        MouseFixture f(10);
        f.grid->SetColCount(30);
        f.grid->SetOptions(f.grid->Options() | goRowSelect);
        f.grid->Navigation().KeepHorizScroll = keep;
        f.mouse(TMouseAction::Down, f.centre(2, 2));
        for (int i = 0; i < 3; ++i)
            f.mouse(TMouseAction::Move, {f.grid->ClientWidth() + 20, f.centre(2, 4).Y}, ssLeft);
        f.mouse(TMouseAction::Up, {f.grid->ClientWidth() + 20, f.centre(2, 4).Y});
        EXPECT_EQ(f.grid->LeftCol() == 1, keep) << keep;
    }
}

TEST(VoGridMouse, GroupHeaderSelectsItsGroupAndFixedButtonsPushUntilTheRelease)
{
    MouseFixture f(10);
    f.grid->AddNode(3, 4);
    f.grid->Grouping().AutoSelectGroup = true;
    f.click(f.centre(2, 3));
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 3, 5, 6}));

    f.grid->FixedAsButtons = true;
    const auto header = [&] {
        const TRect r = f.grid->CellRect(2, 0);
        return PaintToImage(*f.grid).copy(r.Left, r.Top, r.Width(), r.Height());
    };
    const QImage raised = header();
    f.mouse(TMouseAction::Down, f.centre(2, 0));
    EXPECT_NE(header(), raised) << "the header is drawn pushed";
    f.mouse(TMouseAction::Up, f.centre(2, 0));
    EXPECT_EQ(header(), raised);
}

TEST(VoGridMouse, APressOnAShownComboOpensIt)
{
    for (const bool shown : {false, true}) {
        MouseFixture f;
        f.grid->SetOptions(f.grid->Options() | goEditing);
        f.grid->DefaultEditor = edComboList;
        f.grid->ControlLook().SetDropDownAlwaysVisible(shown);
        f.click(f.centre(3, 2));
        EXPECT_EQ(f.grid->IsEditing(), shown) << shown;
    }
}

TEST(VoGridMouse, RightButtonEditsUrlCells)
{
    MouseFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->URLShow = true;
    f.grid->SetCells(3, 2, QStringLiteral("http://example.org"));
    f.click(f.centre(3, 2), TMouseButton::mbRight);
    EXPECT_FALSE(f.grid->EditorMode()) << "only with URLEdit";
    f.grid->URLEdit = true;
    f.click(f.centre(3, 2), TMouseButton::mbRight);
    EXPECT_TRUE(f.grid->EditorMode());
    EXPECT_EQ((TGridCoord{f.grid->Col(), f.grid->Row()}), (TGridCoord{3, 2}));
}

TEST(VoGridMouse, ACellsScrollBarStandsInItsCellUnderTheMouseAndScrollsIt)
{
    MouseFixture f;
    EXPECT_EQ(f.grid->GetScrollPosition(2, 3), -1);
    EXPECT_EQ(f.grid->GetScrollProp(2, 3).Range, -1);
    f.grid->AddScrollBar(2, 3, false);
    EXPECT_EQ(f.grid->GetScrollPosition(2, 3), 0);
    EXPECT_EQ(f.grid->GetScrollProp(2, 3).Range, 100);
    f.grid->SetScrollProp(2, 3, {10, 100});
    f.grid->SetScrollPosition(2, 3, 20);
    std::vector<QString> scrolled;
    f.grid->OnScrollCell = [&](TObject*, int c, int r, int pos, int, int) {
        scrolled.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(pos));
    };
    TScrollBar* bar = nullptr;
    for (int i = 0; i < f.grid->ComponentCount() && !bar; ++i)
        bar = dynamic_cast<TScrollBar*>(f.grid->Components(i));
    ASSERT_NE(bar, nullptr);

    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(2, 3));
    ASSERT_TRUE(bar->Visible());
    const TRect cell = f.grid->CellRect(2, 3);
    const int line = f.grid->GridLineWidth();
    EXPECT_EQ(bar->BoundsRect(),
              (TRect{cell.Right - line - 17, cell.Top + line, cell.Right - line, cell.Bottom - line}));
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(bar->Max(), 100);
    EXPECT_EQ(bar->PageSize(), 10);
    bar->SetPosition(40);
    EXPECT_EQ(f.grid->GetScrollPosition(2, 3), 40) << "the bar writes its position back to the cell";
    EXPECT_EQ(scrolled, (std::vector<QString>{"2,3 40"}));
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(1, 1));
    EXPECT_FALSE(bar->Visible()) << "any other cell hides it";

    // A line is 10, kept inside the range; a step at the end changes and reports nothing.
    f.grid->SetScrollProp(2, 3, {0, 100});
    f.grid->SetScrollPosition(2, 3, 95);
    SendMouse(*f.grid, TMouseAction::Move, TMouseButton::mbLeft, f.centre(2, 3));
    EXPECT_EQ(bar->Kind(), sbVertical);
    scrolled.clear();
    auto* stepper = static_cast<QScrollBar*>(QtAccess::Widget(*bar));
    stepper->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(f.grid->GetScrollPosition(2, 3), 100);
    stepper->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scrolled, (std::vector<QString>{"2,3 100"}));

    // An automatic range pages by the row and spans the wrapped text.
    f.grid->SetColWidths(4, 40);
    f.grid->SetCells(4, 2, QStringLiteral("one"));
    f.grid->AddScrollBar(4, 2, true);
    EXPECT_TRUE(f.grid->HasAutoRangeScrollBar(4, 2));
    EXPECT_EQ(f.grid->GetScrollProp(4, 2).PageSize, f.grid->RowHeights(2));
    const int oneLine = f.grid->GetScrollProp(4, 2).Range;
    f.grid->SetCells(4, 2, QStringLiteral("one two three four five six"));
    EXPECT_GT(f.grid->GetScrollProp(4, 2).Range, oneLine) << "new text measures the range again";
    EXPECT_TRUE(f.grid->RemoveScrollBar(4, 2));
    EXPECT_FALSE(f.grid->HasScrollBar(4, 2));
}
