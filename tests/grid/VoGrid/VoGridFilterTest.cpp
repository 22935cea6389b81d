// Filtering the string grid: condition lists, filter levels, narrowing and the drop-down handlers.
#include "VoGridTestGrid.h"

#include <QCursor>

#include "platform/SysUtils.h"
#include "support/TestSeams.h"

namespace {

// One fixed row; rows "apple 5", "banana 12", "cherry 7", "apricot 20" in columns 1 and 2.
void fill(VOroDavoduRuzu& g)
{
    g.SetColCount(3);
    g.SetRowCount(5);
    const char* rows[][2] = {{"apple", "5"}, {"banana", "12"}, {"cherry", "7"}, {"apricot", "20"}};
    for (int i = 0; i < 4; ++i) {
        g.SetCells(1, i + 1, rows[i][0]);
        g.SetCells(2, i + 1, rows[i][1]);
    }
}

QStringList shown(VOroDavoduRuzu& g)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(1, r);
    return out;
}

TFilterData* addCondition(VOroDavoduRuzu& g, int col, const QString& condition, TFilterOperation op)
{
    TFilterData* f = g.Filter().Add();
    f->Column = col;
    f->Condition = condition;
    f->Operation = op;
    return f;
}

}  // namespace

TEST(VoGridFilter, ConditionListsJoinByTheirOperations)
{
    struct Case {
        const char* name;
        TFilterOperation second;
        QStringList expected;
    };
    const Case cases[] = {
        {"or", foOR, {"apple", "cherry", "apricot"}},
        {"and", foAND, {"apricot"}},
    };
    for (const Case& c : cases) {
        RecordingGrid g;
        fill(g);
        addCondition(g, 1, "ap*", foNONE);
        addCondition(g, 2, c.second == foOR ? "<10" : ">10", c.second);
        g.SetFilterActive(true);
        EXPECT_EQ(shown(g), c.expected) << c.name;
        g.SetFilterActive(false);
        EXPECT_EQ(shown(g).size(), 4) << c.name;
    }
}

TEST(VoGridFilter, ShortConditionDecidesAndCustomFilterHasTheLastWord)
{
    RecordingGrid g;
    fill(g);
    addCondition(g, 1, "b*", foSHORT);
    addCondition(g, 1, "*", foOR);
    g.ApplyFilter();
    EXPECT_EQ(shown(g), QStringList{"banana"});
    g.RemoveAllFilters();
    g.OnCustomFilter = [&g](TObject*, int row, bool& accept) { accept = accept || g.Cells(1, row) == "cherry"; };
    g.ApplyFilter();
    EXPECT_EQ(shown(g), (QStringList{"banana", "cherry"}));
}

TEST(VoGridFilter, PrefixLiteralAndWholeRow)
{
    RecordingGrid g;
    fill(g);
    g.SetCells(2, 1, "$5");
    TFilterData* f = addCondition(g, 2, "5", foNONE);
    f->Prefix = "$";
    f->Method = fmLiteral;
    g.ApplyFilter();
    EXPECT_EQ(shown(g), QStringList{"apple"});
    g.RemoveLastFilter();

    g.Filter().Clear();
    TFilterData* row = addCondition(g, 0, "ERR", foNONE);
    row->Data = fcRow;
    row->Condition = "RRY";
    g.ApplyFilter();
    EXPECT_EQ(shown(g), QStringList{"cherry"});
}

TEST(VoGridFilter, LevelsStackAndSwitchingOffLowersTheCount)
{
    RecordingGrid g;
    fill(g);
    addCondition(g, 1, "a*", foNONE);
    g.SetFilterActive(true);
    g.Filter().Items(0)->Condition = "apr*";
    g.ApplyFilter();
    EXPECT_EQ(shown(g), QStringList{"apricot"});
    EXPECT_EQ(g.FilterLevel(), 2);
    g.SetFilterActive(false);  // restores the last level and counts it off
    EXPECT_EQ(shown(g), (QStringList{"apple", "apricot"}));
    EXPECT_EQ(g.FilterLevel(), 1);
    EXPECT_FALSE(g.RemoveLastFilter());  // the first level comes back, none remains
    EXPECT_EQ(shown(g).size(), 4);
    EXPECT_FALSE(g.RemoveLastFilter());
    g.RemoveAllFilters();
    EXPECT_EQ(g.Filter().Count(), 0);
}

TEST(VoGridFilter, TooDeeplyNestedConditionIsRefusedBeforeAnyRowHides)
{
    VOroDavoduRuzu g(nullptr);
    fill(g);
    addCondition(g, 1, QString(20000, '(') + QStringLiteral("apple") + QString(20000, ')'), foNONE);
    EXPECT_THROW(g.SetFilterActive(true), Exception);
    EXPECT_FALSE(g.FilterActive());
    EXPECT_EQ(shown(g), (QStringList{"apple", "banana", "cherry", "apricot"}));
    g.Filter().Items(0)->Condition = QStringLiteral("*p*p*l*e*|*a*a*a*a*a*a*a*a*b");
    g.SetFilterActive(true);
    EXPECT_EQ(shown(g), (QStringList{"apple"}));
}

TEST(VoGridFilter, NodeRowsStayWithNormalCellsOnly)
{
    RecordingGrid g;
    fill(g);
    g.AddNode(1, 2);
    addCondition(g, 1, "zzz", foNONE);
    g.ApplyFilter();
    EXPECT_EQ(shown(g), QStringList{"apple"});
}

TEST(VoGridFilter, NarrowingAddsAndRemovesOneLevelPerCharacter)
{
    RecordingGrid g;
    fill(g);
    g.NarrowDown("a", 1);
    EXPECT_EQ(shown(g), (QStringList{"apple", "banana", "apricot"}));
    g.NarrowDown("ap", 1);
    EXPECT_EQ(shown(g), (QStringList{"apple", "apricot"}));
    g.NarrowDown("apr", 1);
    EXPECT_EQ(shown(g), QStringList{"apricot"});
    g.NarrowDown("ap", 1);
    EXPECT_EQ(shown(g), (QStringList{"apple", "apricot"}));
    g.NarrowDown("che", -1);  // a jump: all levels off, filtered afresh on the whole row
    EXPECT_EQ(shown(g), QStringList{"cherry"});
    g.NarrowDown("", 1);
    EXPECT_EQ(shown(g).size(), 4);
    EXPECT_TRUE(g.FixedRowAlways);
}

TEST(VoGridFilter, DropDownListsSetTheColumnCondition)
{
    RecordingGrid g;
    fill(g);
    g.OnGetColumnFilter = [](TObject*, int, TStringList& items) {
        items.Add("(All)");
        items.Add("Starts with b=b*");
        items.Add("apple");
    };
    g.QueryColumnFilterItems(1);
    QString friendly;
    int done = 0;
    g.OnFilterSelect = [&friendly](TObject*, int, int, const QString& name, QString&) { friendly = name; };
    g.OnFilterDone = [&done](TObject*) { ++done; };
    g.SetFilterColumn(1);
    g.FilterListSelect(1);
    EXPECT_EQ(friendly, "Starts with b");
    EXPECT_EQ(shown(g), QStringList{"banana"});
    EXPECT_EQ(g.FilterColumn(), -1);
    g.SetFilterColumn(1);
    g.FilterListSelect(0);  // the clear item
    EXPECT_FALSE(g.Filter().HasFilter(1));
    EXPECT_EQ(shown(g).size(), 4);
    EXPECT_EQ(done, 2);
    g.FilterListSelect(1);  // no open column: nothing changes
    EXPECT_EQ(shown(g).size(), 4);

    g.SetFilterColumn(1);
    g.FilterCheckListSelect({2, 1});
    EXPECT_EQ(shown(g), (QStringList{"apple", "banana"}));
    EXPECT_EQ(g.Filter().Items(1)->Operation, foOR);
}

TEST(VoGridFilter, DropListWindowsReportChoicesAndCancel)
{
    RecordingGrid g;
    fill(g);
    g.OnGetColumnFilter = [](TObject*, int, TStringList& items) {
        items.Add("(All)");
        items.Add("apple");
        items.Add("cherry");
    };
    g.QueryColumnFilterItems(1);
    TDropList& list = *g.FilterDropList();
    list.Items().Assign(g.FilterList());
    list.SetBounds(0, 0, 100, 60);
    list.Show();

    // Enter takes the current item and hides the list.
    g.SetFilterColumn(1);
    list.SetItemIndex(1);
    SendKey(list, VK_RETURN);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(shown(g), QStringList{"apple"});

    // A click elsewhere: the cancel mode hides the list only when the mouse is outside it.
    list.Show();
    g.SetFilterColumn(1);
    QCursor::setPos(list.ClientToScreen({10, 10}).X, list.ClientToScreen({10, 10}).Y);
    list.Perform(WM_CANCELMODE);
    EXPECT_TRUE(list.Visible());
    EXPECT_EQ(g.FilterColumn(), 1);
    QCursor::setPos(list.ClientToScreen({500, 500}).X, list.ClientToScreen({500, 500}).Y);
    list.Perform(WM_CANCELMODE);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(g.FilterColumn(), -1);

    // Each change of a mark in the check list filters on all marked items.
    TDropCheckList& checks = *g.FilterDropCheckList();
    checks.Items().Assign(g.FilterList());
    g.SetFilterColumn(1);
    checks.SetChecked(1, true);
    checks.SetChecked(2, true);
    EXPECT_EQ(shown(g), (QStringList{"apple", "cherry"}));
    checks.SetChecked(1, false);
    EXPECT_EQ(shown(g), QStringList{"cherry"});
    EXPECT_EQ(g.FilterColumn(), 1);  // stays open
}

TEST(VoGridFilter, DropDownLookCopiesItsPicturesAndRepaintsTheGrid)
{
    RecordingGrid g;
    TBitmap glyph;
    glyph.SetSize(8, 8);
    const int before = g.invalidates;
    g.FilterDropDown().SetGlyph(glyph);
    EXPECT_GT(g.invalidates, before);
    TFilterDropDown copy;
    copy.Assign(g.FilterDropDown());
    EXPECT_EQ(copy.Glyph().Width(), 8);
    EXPECT_EQ(copy.Height, 150);
    EXPECT_EQ(copy.Width, 150);
}

TEST(VoGridFilter, NoActiveFormRefusesActivation)
{
    TNoActiveForm form(nullptr);
    EXPECT_FALSE(form.Enabled());
    EXPECT_EQ(form.Perform(WM_MOUSEACTIVATE), MA_NOACTIVATE);
}

namespace {

// A shown form with the filled grid whose column 1 offers a filter list, driven by real clicks and keys.
struct ShownFilterGrid {
    ShownFilterGrid() : form(nullptr)
    {
        form.SetBounds(0, 0, 500, 300);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 400, 200);
        fill(*grid);
        grid->OnGetColumnFilter = [](TObject*, int col, TStringList& items) {
            if (col != 1)
                return;
            items.Add("(All)");
            items.Add("apple");
            items.Add("Starts with c=c*");
            items.Add("a b");
        };
        form.Show();
        grid->SetFocus();
    }
    // A release on the filter button at the right of the header cell of a column.
    void clickFilterButton(int col)
    {
        const TRect r = grid->CellRect(col, 0);
        SendClick(*grid, {r.Right - 8, r.Top + 5});
    }

    TForm form;
    VOroDavoduRuzu* grid;
};

}  // namespace

TEST(VoGridFilter, HeaderButtonOpensTheListAndAClickChooses)
{
    ShownFilterGrid f;
    TDropList& list = *f.grid->FilterDropList();
    const TRect cell = f.grid->CellRect(1, 0);
    f.clickFilterButton(2);  // no items for column 2
    EXPECT_FALSE(list.Visible());
    SendClick(*f.grid, {cell.Left + 3, cell.Top + 5});  // the header, not its button
    EXPECT_FALSE(list.Visible());

    f.clickFilterButton(1);
    ASSERT_TRUE(list.Visible());
    EXPECT_TRUE(list.Focused());
    EXPECT_EQ(f.grid->FilterColumn(), 1);
    EXPECT_EQ(list.Items().ToQStringList(), (QStringList{"(All)", "apple", "Starts with c", "a b"}));
    EXPECT_EQ(list.ItemIndex(), 0);
    EXPECT_EQ(list.Left(), cell.Right - 16);
    EXPECT_EQ(list.Top(), cell.Top + 16);
    EXPECT_EQ(list.Width(), 150);

    SendListItemClick(list, 2);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(shown(*f.grid), QStringList{"cherry"});
    EXPECT_TRUE(f.grid->Focused());  // the grid takes the focus back
    EXPECT_EQ(f.grid->FilterColumn(), -1);

    // Arrows and Enter choose the clear item: every row shows again.
    f.clickFilterButton(1);
    ASSERT_TRUE(list.Visible());
    SendKey(list, VK_DOWN);
    SendKey(list, VK_UP);
    SendKey(list, VK_RETURN);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(shown(*f.grid).size(), 4);

    // A release elsewhere on the grid closes an open list without a choice.
    f.clickFilterButton(1);
    ASSERT_TRUE(list.Visible());
    SendClick(*f.grid, {cell.Left + 3, f.grid->CellRect(1, 2).Top + 3});
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(f.grid->FilterColumn(), -1);
    EXPECT_EQ(shown(*f.grid).size(), 4);
}

TEST(VoGridFilter, CheckListOpensWithTheColumnsConditionsTicked)
{
    ShownFilterGrid f;
    f.grid->FilterDropDownCheck = true;
    addCondition(*f.grid, 1, "apple", foNONE);
    addCondition(*f.grid, 1, "\"a b\"", foOR);  // a value with a blank is compared in quotes
    addCondition(*f.grid, 2, "c*", foOR);       // another column's condition ticks nothing
    TDropCheckList& checks = *f.grid->FilterDropCheckList();
    f.clickFilterButton(1);
    ASSERT_TRUE(checks.Visible());
    EXPECT_FALSE(f.grid->FilterDropList()->Visible());
    EXPECT_TRUE(checks.Focused());
    const std::vector<bool> ticked{checks.Checked(0), checks.Checked(1), checks.Checked(2), checks.Checked(3)};
    EXPECT_EQ(ticked, (std::vector<bool>{false, true, false, true}));
    EXPECT_FALSE(f.grid->FilterActive());  // opening changes no filter

    // Space on an item ticks it, and the column filters on every ticked item at once; the handler may change
    // each condition.
    const TDropCheckList* reported = nullptr;
    f.grid->OnFilterCheck = [&reported](TObject*, int, int index, const QString&, QString& condition,
                                        TDropCheckList& list) {
        reported = &list;
        if (index == 1)
            condition = "apr*";
    };
    for (int i = 0; i < 4 && checks.ItemIndex() < 2; ++i)
        SendKey(checks, VK_DOWN);
    ASSERT_EQ(checks.ItemIndex(), 2);
    SendKey(checks, VK_SPACE);
    EXPECT_TRUE(checks.Checked(2));
    EXPECT_TRUE(checks.Visible());
    EXPECT_EQ(reported, &checks);
    EXPECT_EQ(shown(*f.grid), (QStringList{"cherry", "apricot"}));

    // A release elsewhere closes the check list too.
    SendClick(*f.grid, {5, f.grid->CellRect(1, 1).Top + 3});
    EXPECT_FALSE(checks.Visible());
    EXPECT_EQ(f.grid->FilterColumn(), -1);
}

TEST(VoGridFilter, ListSizesToItsItemsOrItsColumnAndStaysInsideTheGrid)
{
    ShownFilterGrid f;
    TDropList& list = *f.grid->FilterDropList();
    f.grid->FilterDropDown().AutoSize = true;
    f.clickFilterButton(1);
    ASSERT_TRUE(list.Visible());
    EXPECT_EQ(list.Height(), 4 * list.ItemHeight() + 4);
    EXPECT_LT(list.Width(), 150);
    EXPECT_GT(list.Width(), 8 + 4);

    f.clickFilterButton(1);  // a second click on the open column's button closes its list
    EXPECT_FALSE(list.Visible());
    f.grid->FilterDropDown().AutoSize = false;
    f.grid->FilterDropDown().ColumnWidth = true;
    f.clickFilterButton(1);
    const TRect cell = f.grid->CellRect(1, 0);
    EXPECT_EQ(list.Left(), cell.Left);
    EXPECT_EQ(list.Width(), cell.Width());

    // Too wide for the room right of the button: aligned to the column's right edge, never left of 0.
    f.grid->FilterDropDown().ColumnWidth = false;
    f.grid->FilterDropDown().Width = 1000;
    f.clickFilterButton(1);
    f.clickFilterButton(1);
    EXPECT_EQ(list.Left(), 0);
}
