// The string grid driven by keys through the platform's input path: navigation, rows inserted, deleted and
// appended by key, select all, incremental search, the Enter and Tab advance and the update lock.
#include <gtest/gtest.h>
#include <QApplication>
#include <QWidget>

#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridSearchPanel.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {

// A shown form with a focused grid of Cols x Rows cells, one fixed row and one fixed column.
struct KeyFixture {
    explicit KeyFixture(int cols = 6, int rows = 8) : form(nullptr)
    {
        form.SetBounds(0, 0, 700, 400);
        grid = new VOroDavoduRuzu(&form);
        grid->SetParent(&form);
        grid->SetBounds(0, 0, 600, 300);
        grid->SetScrollBars(ssNone);
        grid->SetColCount(cols);
        grid->SetRowCount(rows);
        for (int r = 1; r < rows; ++r)
            grid->SetCells(1, r, QStringLiteral("r%1").arg(r));
        form.Show();
        grid->SetFocus();
        grid->GotoCell(1, 1);
    }
    void keys(std::initializer_list<std::pair<WORD, TShiftState>> sequence)
    {
        for (auto [key, shift] : sequence)
            SendKey(*grid, key, shift);
    }
    TGridCoord cell() const { return {grid->Col(), grid->Row()}; }
    void allReadOnly()
    {
        for (int c = 0; c < grid->ColCount(); ++c)
            for (int r = 0; r < grid->RowCount(); ++r)
                grid->SetReadOnly(c, r, true);
    }

    TForm form;
    VOroDavoduRuzu* grid;
};

struct KeyCase {
    const char* name;
    std::function<void(VOroDavoduRuzu&)> setup;
    TGridCoord start;
    std::vector<std::pair<WORD, TShiftState>> keys;
    TGridCoord cell;
    TGridRect selection;
};

}  // namespace

TEST(VoGridKeys, KeySequencesMoveAndSelect)
{
    const auto none = [](VOroDavoduRuzu&) {};
    const std::vector<KeyCase> cases = {
        {"arrows", none, {1, 1}, {{VK_RIGHT, 0}, {VK_RIGHT, 0}, {VK_DOWN, 0}, {VK_LEFT, 0}}, {2, 2}, {2, 2, 2, 2}},
        {"shift extends", none, {1, 1}, {{VK_RIGHT, ssShift}, {VK_DOWN, ssShift}}, {2, 2}, {1, 1, 2, 2}},
        {"home end by column", none, {3, 2}, {{VK_END, 0}}, {5, 2}, {5, 2, 5, 2}},
        {"home by column", none, {3, 2}, {{VK_HOME, 0}}, {1, 2}, {1, 2, 1, 2}},
        {"ctrl home", none, {3, 4}, {{VK_HOME, ssCtrl}}, {1, 1}, {1, 1, 1, 1}},
        {"shift end selects the row", none, {2, 3}, {{VK_END, ssShift}}, {2, 3}, {2, 3, 5, 3}},
        {"home end by row",
         [](VOroDavoduRuzu& g) { g.Navigation().HomeEndKey = heFirstLastRow; },
         {3, 4},
         {{VK_END, 0}},
         {3, 7},
         {3, 7, 3, 7}},
        {"home end by cell",
         [](VOroDavoduRuzu& g) { g.Navigation().HomeEndKey = heFirstLastCell; },
         {3, 4},
         {{VK_HOME, 0}},
         {1, 1},
         {1, 1, 1, 1}},
        {"end by cell",
         [](VOroDavoduRuzu& g) { g.Navigation().HomeEndKey = heFirstLastCell; },
         {3, 4},
         {{VK_END, 0}},
         {5, 7},
         {5, 7, 5, 7}},
        {"loop wraps right",
         [](VOroDavoduRuzu& g) { g.Navigation().CursorAdvance = caLoop; },
         {5, 3},
         {{VK_RIGHT, 0}},
         {1, 3},
         {1, 3, 1, 3}},
        {"snake wraps to the next row",
         [](VOroDavoduRuzu& g) { g.Navigation().CursorAdvance = caSnake; },
         {5, 3},
         {{VK_RIGHT, 0}},
         {1, 4},
         {1, 4, 1, 4}},
        {"snake wraps up",
         [](VOroDavoduRuzu& g) { g.Navigation().CursorAdvance = caSnake; },
         {3, 1},
         {{VK_UP, 0}},
         {2, 7},
         {2, 7, 2, 7}},
        {"fixed cells inside are skipped",
         [](VOroDavoduRuzu& g) { g.OnIsFixedCell = [](TObject*, int r, int c, bool& f) { f = c == 2 && r > 0; }; },
         {1, 2},
         {{VK_RIGHT, 0}},
         {3, 2},
         {3, 2, 3, 2}},
        {"ctrl A selects all normal cells", none, {3, 3}, {{'A', ssCtrl}}, {5, 7}, {1, 1, 5, 7}},
        {"ctrl A without range selection does nothing",
         [](VOroDavoduRuzu& g) { g.SetOptions(g.Options() & ~goRangeSelect); },
         {3, 3},
         {{'A', ssCtrl}},
         {3, 3},
         {3, 3, 3, 3}},
        {"scroll only keeps the cell",
         [](VOroDavoduRuzu& g) { g.Navigation().MoveScrollOnly = true; },
         {2, 2},
         {{VK_DOWN, 0}, {VK_NEXT, 0}},
         {2, 2},
         {2, 2, 2, 2}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.name);
        KeyFixture f;
        c.setup(*f.grid);
        f.grid->GotoCell(c.start.X, c.start.Y);
        for (auto [key, shift] : c.keys)
            SendKey(*f.grid, key, shift);
        EXPECT_EQ(f.cell(), c.cell);
        const TGridRect s = f.grid->Selection();
        EXPECT_EQ((TGridRect{std::min(s.Left, s.Right), std::min(s.Top, s.Bottom), std::max(s.Left, s.Right),
                             std::max(s.Top, s.Bottom)}),
                  c.selection);
    }
}

TEST(VoGridKeys, CtrlArrowsMoveRowsAndDisabledRowsAreSkipped)
{
    KeyFixture f;
    f.grid->Navigation().CursorMoveRows = true;
    f.grid->GotoCell(2, 3);
    f.keys({{VK_DOWN, ssCtrl}});
    EXPECT_EQ(f.grid->Cells(1, 4), QStringLiteral("r3"));
    EXPECT_EQ(f.cell(), (TGridCoord{2, 4})) << "the current row follows the moved row";
    f.grid->GotoCell(2, 7);
    f.keys({{VK_DOWN, ssCtrl}});
    EXPECT_EQ(f.grid->Cells(1, 7), QStringLiteral("r7")) << "nothing moves below the last row";
    f.grid->SetSelection({1, 5, 5, 6});
    f.keys({{VK_UP, ssCtrl}});
    EXPECT_EQ(f.grid->Cells(1, 4), QStringLiteral("r5"));
    EXPECT_EQ(f.grid->Cells(1, 5), QStringLiteral("r6"));
    EXPECT_EQ(f.grid->Selection(), (TGridRect{1, 4, 5, 5})) << "the selection moves with several rows";

    KeyFixture g;
    g.grid->SetRowEnabled(3, false);
    g.grid->SetRowEnabled(4, false);
    g.grid->GotoCell(2, 2);
    g.keys({{VK_DOWN, 0}});
    EXPECT_EQ(g.cell(), (TGridCoord{2, 5}));
    g.keys({{VK_UP, 0}});
    EXPECT_EQ(g.cell(), (TGridCoord{2, 2}));
}

TEST(VoGridKeys, HomeEndFireKeyDownOnceAndSelectionChangedReports)
{
    KeyFixture f;
    std::vector<WORD> seen;
    f.grid->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { seen.push_back(key); };
    std::vector<TGridRect> reported;
    f.grid->OnSelectionChanged = [&](TObject*, int l, int t, int r, int b) { reported.push_back({l, t, r, b}); };
    f.grid->Navigation().HomeEndKey = heFirstLastCell;
    f.grid->GotoCell(3, 4);
    SendKey(*f.grid, VK_HOME);
    EXPECT_EQ(seen, std::vector<WORD>{VK_HOME});
    SendKey(*f.grid, VK_DOWN);
    ASSERT_FALSE(reported.empty());
    EXPECT_EQ(reported.back(), (TGridRect{1, 2, 1, 2}));
}

TEST(VoGridKeys, EnterWithDefaultsIsConsumedAndMovesNothing)
{
    KeyFixture f;
    std::vector<char16_t> pressed;
    f.grid->OnKeyPress = [&](TObject*, char16_t& k) { pressed.push_back(k); };
    int keyDowns = 0;
    f.grid->OnKeyDown = [&](TObject*, WORD& k, TShiftState) { keyDowns += k == VK_RETURN; };
    f.grid->GotoCell(2, 2);
    SendKey(*f.grid, VK_RETURN);
    EXPECT_EQ(f.cell(), (TGridCoord{2, 2}));
    EXPECT_EQ(keyDowns, 1);
    EXPECT_FALSE(f.grid->EditorMode());
}

TEST(VoGridKeys, InsertAndDeleteRows)
{
    KeyFixture f;
    f.grid->Navigation().AllowInsertRow = true;
    f.grid->Navigation().AllowDeleteRow = true;
    std::vector<int> inserted, deleted;
    f.grid->OnAutoInsertRow = [&](TObject*, int r) { inserted.push_back(r); };
    f.grid->OnAutoDeleteRow = [&](TObject*, int r) { deleted.push_back(r); };
    f.grid->GotoCell(1, 3);
    SendKey(*f.grid, VK_INSERT);
    EXPECT_EQ(f.grid->RowCount(), 9);
    EXPECT_EQ(f.grid->Cells(1, 3), QString());
    EXPECT_EQ(f.grid->Cells(1, 4), QStringLiteral("r3"));
    EXPECT_EQ(inserted, std::vector<int>{3});

    f.grid->Navigation().InsertPosition = pInsertAfter;
    f.grid->GotoCell(1, 8);
    SendKey(*f.grid, VK_INSERT);
    EXPECT_EQ(f.grid->RowCount(), 10);
    EXPECT_EQ(f.grid->Row(), 9) << "the focus moves to the row inserted after the last";

    f.grid->GotoCell(1, 4);
    SendKey(*f.grid, VK_DELETE);
    EXPECT_EQ(f.grid->RowCount(), 9);
    EXPECT_EQ(f.grid->Cells(1, 4), QStringLiteral("r4"));
    EXPECT_EQ(deleted, std::vector<int>{4});

    bool refuse = true;
    f.grid->OnCanDeleteRow = [&](TObject*, int, bool& can) { can = !refuse; };
    f.grid->OnCanInsertRow = [&](TObject*, int, bool& can) { can = !refuse; };
    SendKey(*f.grid, VK_DELETE);
    SendKey(*f.grid, VK_INSERT);
    EXPECT_EQ(f.grid->RowCount(), 9);
}

TEST(VoGridKeys, DeleteOnTheOnlyNormalRowClearsIt)
{
    KeyFixture f(4, 2);
    f.grid->Navigation().AllowDeleteRow = true;
    f.grid->GotoCell(1, 1);
    SendKey(*f.grid, VK_DELETE);
    EXPECT_EQ(f.grid->RowCount(), 2);
    EXPECT_EQ(f.grid->Cells(1, 1), QString());
}

TEST(VoGridKeys, DownOnTheLastRowAppendsUnlessRefused)
{
    KeyFixture f;
    f.grid->Navigation().AppendOnArrowDown = true;
    std::vector<int> added;
    f.grid->OnAutoAddRow = [&](TObject*, int r) { added.push_back(r); };
    f.grid->GotoCell(2, 7);
    SendKey(*f.grid, VK_DOWN);
    EXPECT_EQ(f.grid->RowCount(), 9);
    EXPECT_EQ(f.cell(), (TGridCoord{2, 8}));
    EXPECT_EQ(added, std::vector<int>{8});
    f.grid->OnCanAddRow = [](TObject*, bool& can) { can = false; };
    SendKey(*f.grid, VK_DOWN);
    EXPECT_EQ(f.grid->RowCount(), 9);
    EXPECT_EQ(f.cell(), (TGridCoord{2, 8}));
}

TEST(VoGridKeys, ClipboardKeysCallTheTransportOnceAndObeyTheirEvents)
{
    struct Grid : VOroDavoduRuzu {
        using VOroDavoduRuzu::VOroDavoduRuzu;
        std::vector<QString> calls;
        void CopySelectionToClipboard() override { calls.push_back(QStringLiteral("copy")); }
        void CutSelectionToClipboard() override { calls.push_back(QStringLiteral("cut")); }
        void PasteSelectionFromClipboard() override { calls.push_back(QStringLiteral("paste")); }
    };
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 300);
    auto* g = new Grid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 400, 200);
    form.Show();
    g->SetFocus();
    const std::vector<std::pair<WORD, TShiftState>> keys = {
        {'C', ssCtrl}, {VK_INSERT, ssCtrl}, {'X', ssCtrl}, {VK_DELETE, ssShift}, {'V', ssCtrl}, {VK_INSERT, ssShift}};
    for (auto [k, s] : keys)
        SendKey(*g, k, s);
    EXPECT_TRUE(g->calls.empty()) << "the shortcuts are off by default";
    g->Navigation().AllowClipboardShortCuts = true;
    for (auto [k, s] : keys)
        SendKey(*g, k, s);
    EXPECT_EQ(g->calls,
              (std::vector<QString>{QStringLiteral("copy"), QStringLiteral("copy"), QStringLiteral("cut"),
                                    QStringLiteral("cut"), QStringLiteral("paste"), QStringLiteral("paste")}));
    g->calls.clear();
    g->OnClipboardCopy = [](TObject*, bool& allow) { allow = false; };
    SendKey(*g, 'C', ssCtrl);
    EXPECT_TRUE(g->calls.empty());
}

TEST(VoGridKeys, SpaceTogglesCheckBoxOnlyWhenEditableOrAlwaysActive)
{
    KeyFixture f;
    f.grid->AddCheckBox(2, 2, false, false);
    std::vector<bool> clicks;
    f.grid->OnCheckBoxClick = [&](TObject*, int, int, bool state) { clicks.push_back(state); };
    f.grid->GotoCell(2, 2);
    SendKey(*f.grid, VK_SPACE);
    EXPECT_FALSE(f.grid->IsChecked(2, 2)) << "no editing option: Space does nothing";
    f.grid->ControlLook().CheckAlwaysActive = true;
    SendKey(*f.grid, VK_SPACE);
    EXPECT_TRUE(f.grid->IsChecked(2, 2));
    EXPECT_EQ(clicks, std::vector<bool>{true});
}

TEST(VoGridKeys, IncrementalSearchFindsRowsAndStartsOverAfterAMiss)
{
    KeyFixture f;
    const QStringList names = {QStringLiteral("apple"), QStringLiteral("banana"), QStringLiteral("berry"),
                               QStringLiteral("cherry")};
    for (int i = 0; i < names.size(); ++i)
        f.grid->SetCells(1, i + 1, names[i]);
    f.grid->Navigation().AutoGotoWhenSorted = true;
    f.grid->Navigation().AutoGotoIncremental = true;
    f.grid->SortSettings().Show = true;
    f.grid->SortSettings().Column = 1;
    TypeText(*f.grid, QStringLiteral("be"));
    EXPECT_EQ(f.grid->Row(), 3);
    EXPECT_EQ(f.grid->IncrementalSearchText(), QStringLiteral("be"));
    TypeText(*f.grid, QStringLiteral("x"));
    EXPECT_EQ(f.grid->IncrementalSearchText(), QString()) << "a miss empties the search text";
    TypeText(*f.grid, QStringLiteral("c"));
    EXPECT_EQ(f.grid->Row(), 4);
    for (int tick = 0; tick < 4; ++tick)
        FireWindowTimer(f.grid, 111);
    EXPECT_EQ(f.grid->IncrementalSearchText(), QString()) << "four timer ticks without typing reset it";
}

// --- Enter and Tab advance -------------------------------------------------------------------------

namespace {
struct AdvanceCase {
    const char* name;
    TAdvanceDirection direction;
    bool forward;
    TGridCoord start;
    TGridCoord expected;
};
}  // namespace

TEST(VoGridAdvance, EnterInTheEditorAdvancesByDirection)
{
    const std::vector<AdvanceCase> cases = {
        {"along the row", adLeftRight, true, {2, 2}, {3, 2}},
        {"row end to the next row", adLeftRight, true, {5, 2}, {1, 3}},
        {"grid end wraps to the start", adLeftRight, true, {5, 7}, {1, 1}},
        {"in row wraps within the row", adLeftRightInRow, true, {5, 4}, {1, 4}},
        {"down the column", adTopBottom, true, {2, 2}, {2, 3}},
        {"column end to the next column", adTopBottom, true, {2, 7}, {3, 1}},
        {"in column wraps within the column", adTopBottomInCol, true, {4, 7}, {4, 1}},
        {"backwards along the row", adLeftRight, false, {1, 3}, {5, 2}},
        {"backwards up the column", adTopBottom, false, {3, 1}, {2, 7}},
    };
    for (const AdvanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        KeyFixture f;
        f.grid->SetOptions(f.grid->Options() | goEditing);
        f.grid->Navigation().AdvanceOnEnter = true;
        f.grid->Navigation().SetAdvanceDirection(c.direction);
        f.grid->GotoCell(c.start.X, c.start.Y);
        SendKey(*f.grid, VK_F2);
        ASSERT_TRUE(f.grid->EditorMode());
        SendKey(*f.grid->InplaceEditor(), VK_RETURN, c.forward ? 0 : ssShift);
        EXPECT_EQ(f.cell(), c.expected);
        EXPECT_TRUE(f.grid->EditorMode()) << "the editor opens in the new cell";
    }
}

TEST(VoGridAdvance, EnterSkipsReadOnlyCellsAndAppendsWithAdvanceInsert)
{
    KeyFixture f;
    f.grid->SetOptions(f.grid->Options() | goEditing);
    f.grid->Navigation().AdvanceOnEnter = true;
    f.grid->SetReadOnly(3, 2, true);
    f.grid->SetReadOnly(4, 2, true);
    f.grid->GotoCell(2, 2);
    f.grid->AdvanceAfterEnter(2, 2, false, true, false, false);
    EXPECT_EQ(f.cell(), (TGridCoord{5, 2}));

    f.grid->Navigation().SetAdvanceInsert(true);
    f.grid->GotoCell(5, 7);
    f.grid->AdvanceAfterEnter(5, 7, false, true, false, false);
    EXPECT_EQ(f.grid->RowCount(), 9);
    EXPECT_EQ(f.cell(), (TGridCoord{1, 8}));
}

TEST(VoGridAdvance, NoEditableCellMakesOnePassAndStaysPut)
{
    KeyFixture f(40, 2000);
    f.grid->SetOptions(f.grid->Options() | goEditing | goTabs);
    f.grid->Navigation().AdvanceOnEnter = true;
    f.allReadOnly();
    f.grid->GotoCell(3, 5);
    int advances = 0;
    f.grid->OnAutoAdvance = [&](TObject*, int, int, int&, int&, bool&) { ++advances; };
    f.grid->AdvanceAfterEnter(3, 5, true, true, true, false);
    EXPECT_EQ(f.cell(), (TGridCoord{3, 5}));
    EXPECT_EQ(advances, 0);
    SendKey(*f.grid, VK_TAB);
    EXPECT_EQ(f.cell(), (TGridCoord{3, 5}));
    SendKey(*f.grid, VK_TAB, ssShift);
    EXPECT_EQ(f.cell(), (TGridCoord{3, 5}));
}

TEST(VoGridAdvance, TabMovesAlongTheRowsAndWraps)
{
    const std::vector<AdvanceCase> cases = {
        {"next column", adLeftRight, true, {2, 2}, {3, 2}},
        {"row end to the next row", adLeftRight, true, {5, 2}, {1, 3}},
        {"grid end to the first row", adLeftRight, true, {5, 7}, {1, 1}},
        {"shift tab back", adLeftRight, false, {3, 2}, {2, 2}},
        {"shift tab from the first cell to the last", adLeftRight, false, {1, 1}, {5, 7}},
        {"down the column", adTopBottom, true, {2, 3}, {2, 4}},
        {"column end to the next column", adTopBottom, true, {2, 7}, {3, 1}},
    };
    for (const AdvanceCase& c : cases) {
        SCOPED_TRACE(c.name);
        KeyFixture f;
        f.grid->SetOptions(f.grid->Options() | goTabs);
        f.grid->Navigation().TabAdvanceDirection = c.direction;
        f.grid->GotoCell(c.start.X, c.start.Y);
        SendKey(*f.grid, VK_TAB, c.forward ? 0 : ssShift);
        EXPECT_EQ(f.cell(), c.expected);
    }
}

TEST(VoGridAdvance, TabSkipsReadOnlyCellsWhileEditingAndAKeyDownHandlerCancelsIt)
{
    KeyFixture f;
    f.grid->SetOptions(f.grid->Options() | goTabs | goEditing);
    f.grid->SetReadOnly(3, 2, true);
    f.grid->GotoCell(2, 2);
    SendKey(*f.grid, VK_TAB);
    EXPECT_EQ(f.cell(), (TGridCoord{4, 2}));
    f.grid->OnKeyDown = [](TObject*, WORD& key, TShiftState) {
        if (key == VK_TAB)
            key = 0;
    };
    SendKey(*f.grid, VK_TAB);
    EXPECT_EQ(f.cell(), (TGridCoord{4, 2}));
}

TEST(VoGridAdvance, TabInANodeGridNeverLandsInColumnZero)
{
    KeyFixture f;
    f.grid->SetFixedCols(0);
    f.grid->AddNode(1, 2);
    f.grid->SetOptions(f.grid->Options() | goTabs);
    f.grid->GotoCell(5, 3);
    SendKey(*f.grid, VK_TAB);
    EXPECT_EQ(f.grid->Row(), 4);
    EXPECT_EQ(f.grid->FirstNavigableCol(), 1);
}

// --- Update lock ---------------------------------------------------------------------------------------

TEST(VoGridUpdateLock, DepthCountsWhetherOrNotShownAndRedrawingComesBack)
{
    KeyFixture f;
    QWidget* w = QtAccess::Widget(*f.grid);
    f.grid->BeginUpdate();
    f.grid->BeginUpdate();
    EXPECT_TRUE(f.grid->LockUpdate());
    EXPECT_FALSE(w->updatesEnabled());
    f.form.Hide();
    f.grid->EndUpdate();
    EXPECT_TRUE(f.grid->LockUpdate());
    f.grid->EndUpdate();
    EXPECT_FALSE(f.grid->LockUpdate());
    EXPECT_TRUE(w->updatesEnabled()) << "a lock taken while shown and released while hidden unlocks";

    // Taken while hidden, the lock still counts, and releasing it never leaves the grid frozen.
    f.grid->BeginUpdate();
    EXPECT_TRUE(f.grid->LockUpdate());
    f.form.Show();
    f.grid->EndUpdate();
    EXPECT_FALSE(f.grid->LockUpdate());
    EXPECT_TRUE(w->updatesEnabled());
    f.grid->EndUpdate();
    EXPECT_FALSE(f.grid->LockUpdate()) << "an extra EndUpdate does not go below zero";
    f.grid->SetLockUpdate(true);
    f.grid->StartUpdate();
    f.grid->ResetUpdate();
    EXPECT_FALSE(f.grid->LockUpdate());
    EXPECT_TRUE(w->updatesEnabled());
}

TEST(VoGridKeys, ASynchronisedGridFollowsScrollingAndTheCurrentCell)
{
    KeyFixture f(6, 60);
    auto* other = new VOroDavoduRuzu(&f.form);
    other->SetParent(&f.form);
    other->SetBounds(0, 300, 600, 90);
    other->SetColCount(6);
    other->SetRowCount(60);
    f.grid->SyncGrid().SetGrid(other);
    f.grid->SyncGrid().ScrollVertical = true;
    f.grid->SyncGrid().SelectionRow = true;
    f.grid->SetTopRow(20);
    EXPECT_EQ(other->TopRow(), 20);
    f.grid->GotoCell(2, 25);
    SendKey(*f.grid, VK_DOWN);
    EXPECT_EQ(other->Row(), 26);
}

TEST(VoGridKeys, MnemonicsRunTheShownSearchFootersEnabledButtonsOnly)
{
    KeyFixture f;
    f.grid->SearchFooter().SetFindNextCaption(QStringLiteral("Find &next"));
    f.grid->SearchFooter().SetFindPrevCaption(QStringLiteral("Find &previous"));
    const auto mnemonic = [&](char16_t ch) { return f.grid->Perform(CM_DIALOGCHAR, ch, 0); };
    EXPECT_EQ(mnemonic(u'n'), 0) << "no footer shown";
    f.grid->SearchFooter().SetVisible(true);
    EXPECT_EQ(mnemonic(u'n'), 0) << "nothing typed: the buttons are disabled";
    f.grid->SearchPanel()->Edit().SetText(QStringLiteral("r"));
    const int first = f.grid->Row();
    EXPECT_EQ(mnemonic(u'N'), 1);
    EXPECT_EQ(f.grid->Row(), first + 1);
    EXPECT_EQ(mnemonic(u'p'), 1);
    EXPECT_EQ(f.grid->Row(), first);
    EXPECT_EQ(mnemonic(u'x'), 0);
    EXPECT_EQ(f.grid->Row(), first);
}
