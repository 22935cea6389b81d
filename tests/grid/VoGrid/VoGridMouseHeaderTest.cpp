// The string grid's headers under the mouse: the hovered fixed cell and its drop-down menu, the filter list
// opened from a header's filter button, enhanced moving of columns and rows, the selection cursors, anchors
// entered and left, the sort click over merged cells and a press on a permanent spin button.
#include <gtest/gtest.h>

#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridMouseFixture.h"
#include "platform/Forms.h"
#include "platform/GridCursors.h"
#include "platform/Menus.h"
#include "platform/PopupWindow.h"
#include "platform/Seam.h"
#include "support/TestSeams.h"

namespace {

struct HeaderFixture : MouseFixture {
    HeaderFixture() : MouseFixture(6)
    {
        for (int c = 0; c < 6; ++c)
            for (int r = 0; r < 6; ++r)
                grid->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
    }
    QStringList row(int r) const
    {
        QStringList texts;
        for (int c = 0; c < grid->ColCount(); ++c)
            texts << grid->Cells(c, r);
        return texts;
    }
};

}  // namespace

TEST(VoGridMouseHeader, HoveredFixedCellFollowsTheMouseAndItsButtonPopsUpTheMenu)
{
    HeaderFixture f;
    f.grid->HoverFixedCells = hfFixedRows;
    f.grid->ControlLook().FixedDropDownButton = true;
    TPopupMenu menu(nullptr);
    menu.Add(QStringLiteral("Item"));
    f.grid->FixedDropDownMenu = &menu;
    f.mouse(TMouseAction::Move, f.centre(1, 3));
    EXPECT_EQ(f.grid->HoveredFixedCell(), (TPoint{-1, -1})) << "a fixed column does not hover with hfFixedRows";
    f.mouse(TMouseAction::Move, f.centre(3, 0));
    EXPECT_EQ(f.grid->HoveredFixedCell(), (TPoint{3, 0}));

    std::vector<TPoint> shownAt;
    std::intptr_t tag = -1;
    TPoint hoveredWhileShown{-1, -1};
    ScopedHook<TPopupMenuHook> hook(PopupMenuHook(), [&](TPopupMenu& m, TPoint at) -> TMenuItem* {
        shownAt.push_back(at);
        tag = m.Tag;
        hoveredWhileShown = f.grid->HoveredFixedCell();
        return nullptr;
    });
    std::vector<int> clicked;
    f.grid->OnFixedDropDownClick = [&](TObject*, int c, int, TPopupMenu*&, bool&) { clicked.push_back(c); };
    const TRect header = f.grid->CellRect(3, 0);
    f.mouse(TMouseAction::Down, {(header.Left + header.Right) / 2, header.Top + 4});
    f.mouse(TMouseAction::Up, {(header.Left + header.Right) / 2, header.Top + 4});
    EXPECT_TRUE(shownAt.empty()) << "a press left of the button is an ordinary press";
    const TPoint onButton{header.Right - 8, header.Top + 4};
    f.mouse(TMouseAction::Down, onButton);
    f.mouse(TMouseAction::Up, onButton);
    ASSERT_EQ(shownAt.size(), 1u);
    EXPECT_EQ(shownAt[0], f.grid->ClientToScreen({header.Right - 16, header.Bottom}));
    EXPECT_EQ(tag, 3);
    EXPECT_EQ(hoveredWhileShown, (TPoint{3, 0}));
    EXPECT_EQ(clicked, std::vector<int>{3});

    f.grid->ResetFixedCellHighlight();
    EXPECT_EQ(f.grid->HoveredFixedCell(), (TPoint{-1, -1}));
    f.mouse(TMouseAction::Move, f.centre(2, 0));
    SendMouseLeave(*f.grid);
    EXPECT_EQ(f.grid->HoveredFixedCell(), (TPoint{-1, -1})) << "leaving the grid forgets the hovered cell";
}

TEST(VoGridMouseHeader, FilterButtonReleaseOpensTheColumnsListWithItsConditionsTicked)
{
    for (const bool check : {false, true}) {
        SCOPED_TRACE(check);
        HeaderFixture f;
        f.grid->FilterDropDownAuto = true;
        f.grid->FilterDropDownCheck = check;
        f.grid->SetCells(2, 1, QStringLiteral("a b"));
        f.grid->SetCells(2, 2, QStringLiteral("c"));
        for (int r = 3; r < 6; ++r)
            f.grid->SetCells(2, r, QStringLiteral("c"));
        TFilterData* condition = f.grid->Filter().Add();
        condition->Column = 2;
        condition->Condition = QStringLiteral("\"a b\"");
        const TRect header = f.grid->CellRect(2, 0);
        f.mouse(TMouseAction::Down, {header.Right - 8, header.Top + 5});
        f.mouse(TMouseAction::Up, {header.Right - 8, header.Top + 5});
        EXPECT_EQ(f.grid->FilterColumn(), 2);
        TDropListBase* list = nullptr;
        for (int i = 0; i < f.grid->ComponentCount(); ++i)
            if (auto* l = dynamic_cast<TDropListBase*>(f.grid->Components(i)); l && l->Visible())
                list = l;
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->ClassName(), check ? QStringLiteral("TDropCheckList") : QStringLiteral("TDropList"));
        EXPECT_EQ(list->Items().Text().split(QLatin1Char('\n'), Qt::SkipEmptyParts),
                  (QStringList{QStringLiteral("(All)"), QStringLiteral("a b"), QStringLiteral("c")}));
        EXPECT_EQ(list->Top(), header.Top + 16);
        EXPECT_EQ(list->Width(), 150);
        if (check) {
            EXPECT_TRUE(list->Checked(1)) << "the quoted condition ticks the item with a blank";
            EXPECT_FALSE(list->Checked(2));
            EXPECT_EQ(f.grid->Filter().Count(), 1) << "filling the marks applies no filter";
        } else {
            EXPECT_EQ(list->ItemIndex(), 0);
        }
    }
    HeaderFixture f;
    f.grid->FilterDropDownAuto = true;
    f.mouse(TMouseAction::Down, f.centre(2, 0));
    f.mouse(TMouseAction::Up, f.centre(2, 0));
    EXPECT_EQ(f.grid->FilterColumn(), -1) << "a release beside the button opens nothing";
}

TEST(VoGridMouseHeader, EnhancedMoveShowsTheHeaderAndMovesOnReleaseUnlessRefused)
{
    for (const bool refuse : {false, true}) {
        SCOPED_TRACE(refuse);
        HeaderFixture f;
        f.grid->DragDropSettings().ShowCells = false;
        f.grid->SetOptions(f.grid->Options() | goColMoving);
        std::vector<int> moving;
        f.grid->OnColumnMoving = [&](TObject*, int c, bool& allow) {
            moving.push_back(c);
            allow = !refuse;
        };
        std::vector<QString> blocks;
        f.grid->FOnStartBlockFocus = [&](TObject*) { blocks.push_back(QStringLiteral("start")); };
        f.grid->FOnEndBlockFocus = [&](TObject*) { blocks.push_back(QStringLiteral("end")); };
        f.mouse(TMouseAction::Down, f.centre(2, 0));
        ASSERT_TRUE(f.grid->Focused());
        f.mouse(TMouseAction::Move, f.centre(3, 0), ssLeft);
        f.mouse(TMouseAction::Move, f.centre(4, 0), ssLeft);
        EXPECT_FALSE(f.grid->Focused()) << "the form holds the focus while the header moves";
        EXPECT_TRUE(f.form.Focused());
        EXPECT_EQ(blocks, std::vector<QString>{QStringLiteral("start")});
        const THeaderDragButton* button = f.grid->HeaderDragButton();
        EXPECT_TRUE(button->Visible());
        EXPECT_EQ(button->Caption, QStringLiteral("2:0"));
        EXPECT_EQ(button->Width(), f.grid->ColWidths(2));
        EXPECT_EQ(f.grid->Cursor(), refuse ? crNoDrop : crDrag);
        EXPECT_EQ(moving, (std::vector<int>{3, 4}));
        f.mouse(TMouseAction::Up, f.centre(4, 0));
        EXPECT_EQ(blocks.back(), QStringLiteral("end"));
        EXPECT_FALSE(button->Visible());
        EXPECT_EQ(f.grid->Cursor(), crDefault);
        EXPECT_EQ(f.grid->Cells(4, 1), refuse ? QStringLiteral("4:1") : QStringLiteral("2:1"));
        EXPECT_EQ(f.grid->Cells(2, 1), refuse ? QStringLiteral("2:1") : QStringLiteral("3:1"));
    }
    {
        // With ShowCells a picture of the column's cells follows the mouse in place of the button.
        HeaderFixture f;
        f.grid->SetOptions(f.grid->Options() | goColMoving);
        f.mouse(TMouseAction::Down, f.centre(2, 0));
        f.mouse(TMouseAction::Move, f.centre(3, 0), ssLeft);
        ASSERT_TRUE(f.grid->MoveForm);
        EXPECT_TRUE(f.grid->MoveForm->Visible());
        EXPECT_FALSE(f.grid->HeaderDragButton()->Visible());
        EXPECT_EQ(f.grid->MoveForm->Width(), f.grid->ColWidths(2) + 1);
        const TPoint before{f.grid->MoveForm->Left(), f.grid->MoveForm->Top()};
        f.mouse(TMouseAction::Move, f.centre(4, 0), ssLeft);
        EXPECT_EQ(f.grid->MoveForm->Left() - before.X, f.centre(4, 0).X - f.centre(3, 0).X);
        f.mouse(TMouseAction::Up, f.centre(4, 0));
        EXPECT_FALSE(f.grid->MoveForm);
        EXPECT_EQ(f.grid->Cells(4, 1), QStringLiteral("2:1"));
    }
    HeaderFixture f;
    f.grid->SetOptions(f.grid->Options() | goRowMoving);
    f.grid->OnRowMove = [](TObject*, int, bool& allow) { allow = false; };
    f.mouse(TMouseAction::Down, f.centre(0, 2));
    f.mouse(TMouseAction::Move, f.centre(0, 4), ssLeft);
    f.mouse(TMouseAction::Up, f.centre(0, 4));
    EXPECT_EQ(f.grid->Cells(1, 2), QStringLiteral("1:2")) << "OnRowMove stops the move";
    EXPECT_FALSE(f.grid->HeaderDragButton()->Visible());
}

TEST(VoGridMouseHeader, HeaderSelectionModesShowTheirCursorsAndBordersKeepSizing)
{
    HeaderFixture f;
    f.grid->SetOptions(f.grid->Options() | goColSizing | goRangeSelect);
    f.grid->MouseActions().ColSelect = true;
    f.grid->MouseActions().RowSelect = true;
    f.grid->MouseActions().AllSelect = true;
    const struct {
        TPoint at;
        TMouseSelectMode mode;
        TCursor cursor;
    } cases[] = {
        {f.centre(3, 0), msColumn, crSelectColumn}, {f.centre(0, 3), msRow, crSelectRow},
        {f.centre(0, 0), msAll, crSelectAll},       {{f.grid->CellRect(3, 0).Right - 1, 5}, msNormal, crDefault},
        {f.centre(3, 3), msNormal, crDefault},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.at.X << "," << c.at.Y);
        f.mouse(TMouseAction::Move, c.at);
        EXPECT_EQ(f.grid->MouseSelectMode(), c.mode);
        EXPECT_EQ(f.grid->Cursor(), c.cursor);
    }
}

TEST(VoGridMouseHeader, AnchorsAreEnteredAndLeftOnce)
{
    HeaderFixture f;
    f.grid->SetColWidths(3, 200);
    f.grid->SetCells(3, 2, QStringLiteral("<a href=\"x\">link</a>"));
    std::vector<QString> events;
    f.grid->OnAnchorEnter = [&](TObject*, int r, int c, const QString& a) {
        events.push_back(QStringLiteral("enter %1 %2 %3").arg(r).arg(c).arg(a));
    };
    f.grid->OnAnchorExit = [&](TObject*, int, int, const QString& a) { events.push_back(QStringLiteral("exit ") + a); };
    const TRect cell = f.grid->CellRect(3, 2);
    f.mouse(TMouseAction::Move, {cell.Left + 8, cell.Top + 8});
    f.mouse(TMouseAction::Move, {cell.Left + 10, cell.Top + 8});
    EXPECT_EQ(f.grid->Cursor(), crHandPoint);
    f.mouse(TMouseAction::Move, f.centre(4, 4));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("enter 2 3 x"), QStringLiteral("exit x")}));
    EXPECT_EQ(f.grid->Cursor(), crDefault);
}

TEST(VoGridMouseHeader, SortClickMergesTheMergedColumnAgainOverTheSortedRows)
{
    HeaderFixture f;
    const char* keys[] = {"a", "a", "b", "b", "a"};
    for (int r = 1; r < 6; ++r) {
        f.grid->SetCells(1, r, QString::fromUtf8(keys[r - 1]));
        f.grid->SetCells(2, r, QString::number(r));
    }
    f.grid->MergeColumnCells(1, true);
    f.grid->SortSettings().Show = true;
    f.grid->SortSettings().AutoColumnMerge = true;
    f.mouse(TMouseAction::Down, f.centre(1, 0));
    f.mouse(TMouseAction::Up, f.centre(1, 0));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("a"));
    EXPECT_EQ(f.grid->Cells(1, 4), QStringLiteral("b"));
    EXPECT_EQ(f.grid->CellSpan(1, 1).Y, 2) << "the three a rows merge";
    EXPECT_EQ(f.grid->CellSpan(1, 4).Y, 1) << "the two b rows merge";
    QStringList numbers;
    for (int r = 1; r < 6; ++r)
        numbers << f.grid->Cells(2, r);
    EXPECT_EQ(numbers, (QStringList{"1", "2", "5", "3", "4"})) << "rows moved whole, not split cells";
}

TEST(VoGridMouseHeader, PressOnAPermanentSpinButtonStepsTheOpenedEditor)
{
    for (const bool up : {true, false}) {
        SCOPED_TRACE(up);
        HeaderFixture f;
        f.grid->SetOptions(f.grid->Options() | goEditing);
        f.grid->DefaultEditor = edSpinEdit;
        f.grid->MouseActions().DirectEdit = true;
        f.grid->ControlLook().SetSpinButtonsAlwaysVisible(true);
        f.grid->SetCells(2, 2, QStringLiteral("5"));
        const TRect cell = f.grid->CellRect(2, 2);
        const TPoint at{cell.Right - 6, up ? cell.Top + 3 : cell.Bottom - 3};
        f.mouse(TMouseAction::Down, at);
        f.mouse(TMouseAction::Up, at);
        ASSERT_TRUE(f.grid->SpinEdit()->Visible());
        EXPECT_EQ(f.grid->SpinEdit()->Value(), up ? 6 : 4);
    }
}
