// Finding and replacing in the string grid, the type-ahead look-up, highlight tags, the cell checker and the
// search panel's actions.
#include "VoGridTestGrid.h"
#include "grid/VoGrid/VoGridEditFixture.h"

#include "grid/base/vsgcheck.h"
#include "platform/Buttons.h"
#include "support/TestSeams.h"

namespace {

// A 3 x 3 block of normal cells under one fixed row and column.
void fill(VOroDavoduRuzu& g)
{
    g.SetColCount(4);
    g.SetRowCount(4);
    const char* cells[3][3] = {{"abc", "x", ""}, {"ABD", "hit", "y"}, {"q", "hit", "Abc"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            g.SetCells(c + 1, r + 1, cells[r][c]);
}

}  // namespace

TEST(VoGridSearch, FindFlags)
{
    struct Case {
        const char* name;
        const char* text;
        TFindParams params;
        TPoint expected;
    };
    const Case cases[] = {
        {"any case, column by column", "ab", 0, {1, 1}},
        {"match case", "AB", fnMatchCase, {1, 2}},
        {"match full", "abc", fnMatchFull | fnMatchCase, {1, 1}},
        {"match start", "bc", fnMatchStart, {-1, -1}},
        {"two quotes find an empty cell", "\"\"", 0, {3, 1}},
        {"filter condition", "h?t", fnMatchRegular, {2, 2}},
        {"backward", "abc", fnBackward, {3, 3}},
        {"row by row", "y", fnDirectionLeftRight, {3, 2}},
        {"fixed cells excluded", "head", 0, {-1, -1}},
        {"fixed cells included", "head", fnIncludeFixed, {0, 0}},
        {"tags ignored", "bold", fnIgnoreHTMLTags, {2, 1}},
    };
    for (const Case& c : cases) {
        RecordingGrid g;
        fill(g);
        g.SetCells(0, 0, "head");
        if (QString(c.text) == "bold")
            g.SetCells(2, 1, "<b>bo</b>ld");
        const TPoint found = g.Find({-1, -1}, c.text, c.params);
        EXPECT_EQ(found.X, c.expected.X) << c.name;
        EXPECT_EQ(found.Y, c.expected.Y) << c.name;
    }
}

TEST(VoGridSearch, DirectionDecidesWhichHitComesFirst)
{
    RecordingGrid g;
    fill(g);
    g.SetCells(2, 1, "m");
    g.SetCells(1, 2, "m");
    EXPECT_EQ(g.Find({-1, -1}, "m", fnDirectionLeftRight).Y, 1);
    EXPECT_EQ(g.Find({-1, -1}, "m", 0).Y, 2);
}

TEST(VoGridSearch, FindNextStopsAfterTheLastHitAndAutoGotoMovesTheCurrentCell)
{
    RecordingGrid g;
    fill(g);
    const TPoint first = g.FindFirst("hit", fnAutoGoto);
    EXPECT_EQ(first.X, 2);
    EXPECT_EQ(first.Y, 2);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.FindNext().Y, 3);
    EXPECT_EQ(g.FindNext().X, -1);
}

TEST(VoGridSearch, AutoGotoUnderDisjunctRowSelectionSelectsTheFoundRowOnly)
{
    RecordingGrid g;
    fill(g);
    g.MouseActions().SetDisjunctRowSelect(true);
    g.SetRowSelect(1, true);
    g.FindFirst("hit", fnAutoGoto);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_TRUE(g.RowSelect(2));
    EXPECT_FALSE(g.RowSelect(1));
    EXPECT_EQ(g.RowSelectCount(), 1);
}

TEST(VoGridSearch, ReplaceHonoursCaseAndNeverLoops)
{
    RecordingGrid g;
    fill(g);
    EXPECT_EQ(g.Replace("ab", "ab-ab", 0), 3);  // the replacement still matches
    EXPECT_EQ(g.Cells(1, 1), "ab-abc");
    EXPECT_EQ(g.Cells(1, 2), "ab-abD");
    EXPECT_EQ(g.Cells(3, 3), "ab-abc");

    RecordingGrid c;
    fill(c);
    EXPECT_EQ(c.Replace("ab", "xy", fnMatchCase), 1);
    EXPECT_EQ(c.Cells(1, 1), "xyc");
    EXPECT_EQ(c.Cells(1, 2), "ABD");

    // A row restriction in column-wise order goes on after the hit instead of finding it again.
    RecordingGrid r;
    fill(r);
    r.SetRow(3);
    EXPECT_EQ(r.Replace("hit", "hit!", fnFindInCurrentRow), 1);
    EXPECT_EQ(r.Cells(2, 3), "hit!");
}

TEST(VoGridSearch, TypeAheadLooksInTheSortColumnWithoutTags)
{
    RecordingGrid g;
    fill(g);
    g.SetCells(3, 3, "<b>abz</b>");
    EXPECT_EQ(g.Search("AB"), 1);
    g.SortSettings().Show = true;
    g.SortSettings().Column = 3;
    EXPECT_EQ(g.Search("AB"), 3);
    EXPECT_EQ(g.Search("ZZ"), -1);
}

TEST(VoGridSearch, HighlightAndMarkRoundTrip)
{
    RecordingGrid g;
    fill(g);
    g.HilightInCell(false, 1, 1, "ab");
    EXPECT_EQ(g.Cells(1, 1), "<hi>ab</hi>c");
    g.UnHilightInCell(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "abc");

    g.SetCells(2, 1, "a&b");
    g.HilightInCell(false, 2, 1, "b");
    EXPECT_EQ(g.Cells(2, 1), "a&amp;<hi>b</hi>");
    g.UnHilightInCell(2, 1);
    EXPECT_EQ(g.Cells(2, 1), "a&b");

    g.MarkInGrid(false, true, "ab");
    EXPECT_EQ(g.Cells(1, 1), "<e>ab</e>c");
    EXPECT_EQ(g.Cells(1, 2), "ABD");
    g.UnMarkInGrid(false);
    EXPECT_EQ(g.Cells(1, 1), "abc");
    EXPECT_EQ(g.HilightText(false, "xAx", "a"), "x<hi>A</hi>x");
    EXPECT_EQ(g.UnHilightText("x<hi>A</hi>x"), "xAx");
}

TEST(VoGridSearch, CellCheckerStripsOldMarks)
{
    RecordingGrid g;
    fill(g);
    EXPECT_TRUE(g.CheckCellText(1, 1));  // no checker
    VOroDavoduRuzuCheck checker(nullptr);
    g.CellChecker = &checker;
    g.SetCells(1, 1, "a <e>bad</e> word");
    EXPECT_TRUE(g.CheckCellText(1, 1));
    EXPECT_EQ(g.Cells(1, 1), "a bad word");
    EXPECT_TRUE(g.CheckGrid(false));
}

namespace {

// Knows one misspelt word and one wrong one.
class TOneWordCheck : public VOroDavoduRuzuCheck {
public:
    using VOroDavoduRuzuCheck::VOroDavoduRuzuCheck;
    QString Correct(int, int, const QString& text) override { return QString(text).replace("teh", "the"); }
    QString MarkError(int, int, const QString& text) override { return QString(text).replace("wrogn", "<e>wrogn</e>"); }
};

}  // namespace

TEST(VoGridSearch, BulkCheckCorrectsThenMarksTheCorrectedText)
{
    struct Case {
        bool correct, mark;
        const char* before;
        const char* after;
        bool allCorrect;
    };
    const Case cases[] = {
        {true, true, "teh wrogn word", "the <e>wrogn</e> word", false},
        {true, false, "teh wrogn word", "the wrogn word", false},
        {false, true, "teh wrogn word", "teh <e>wrogn</e> word", false},
        {true, true, "teh <e>wrogn</e> word", "the <e>wrogn</e> word", false},
        {true, true, "a fine <e>word</e>", "a fine word", true},
    };
    for (const Case& c : cases) {
        RecordingGrid g;
        fill(g);
        TOneWordCheck checker(nullptr);
        checker.UseCorrect = c.correct;
        checker.UseMarkError = c.mark;
        g.CellChecker = &checker;
        g.SetCells(1, 1, c.before);
        EXPECT_EQ(g.CheckCells(1, 1, 2, 1), c.allCorrect) << c.before;
        EXPECT_EQ(g.Cells(1, 1), c.after) << c.before;
        EXPECT_EQ(g.Cells(2, 1), "x") << "a correct neighbour stays";
    }
}

TEST(VoGridSearch, SearchPanelActions)
{
    RecordingGrid g;
    fill(g);
    std::vector<TSearchFooterAction> actions;
    g.OnSearchFooterAction = [&actions](TObject*, const QString&, int, int, TSearchFooterAction a) {
        actions.push_back(a);
    };
    g.SearchEditChange("hit", false, false);
    EXPECT_FALSE(g.SearchFailed());
    EXPECT_EQ(g.Row(), 2);
    g.SearchFindNext("hit", false, false, false);
    EXPECT_EQ(g.Row(), 3);
    g.SearchFindNext("hit", false, false, true);
    EXPECT_EQ(g.Row(), 2);
    g.SearchEditChange("nothing", false, true);
    EXPECT_TRUE(g.SearchFailed());
    EXPECT_EQ(actions, (std::vector<TSearchFooterAction>{saFindFirst, saFindNext, saFindPrevious, saFindFirst}));
    g.SearchHighlight("hit", false, true);
    EXPECT_EQ(g.Cells(2, 2), "<hi>hit</hi>");
    g.SearchHighlight("hit", false, false);
    EXPECT_EQ(g.Cells(2, 2), "hit");
    g.SearchFooter().SetVisible(true);
    g.SearchClose();
    EXPECT_FALSE(g.SearchFooter().Visible());
}

TEST(VoGridSearch, SearchBarDrivesTheSearch)
{
    RecordingGrid g;
    fill(g);
    g.SearchFooter().SetFindNextCaption("Next");
    g.SearchFooter().SetVisible(true);
    TSearchPanel& bar = *g.SearchPanel();
    EXPECT_EQ(bar.FindNextButton().Caption(), "Next");
    EXPECT_FALSE(bar.FindNextButton().Enabled());

    bar.Edit().SetText("hit");
    EXPECT_TRUE(bar.FindNextButton().Enabled());
    EXPECT_EQ(g.Row(), 2);
    SendKey(bar.Edit(), VK_RETURN);  // find next
    EXPECT_EQ(g.Row(), 3);
    SendKey(bar.Edit(), VK_RETURN, ssCtrl);  // find previous
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(bar.Edit().Text(), "hit");  // Enter types nothing

    SendClick(bar.HighlightButton(), {5, 5});
    EXPECT_TRUE(bar.HighlightDown());
    EXPECT_EQ(g.Cells(2, 2), "<hi>hit</hi>");
    SendClick(bar.HighlightButton(), {5, 5});
    EXPECT_EQ(g.Cells(2, 2), "hit");

    bar.Edit().SetText("nothing");
    EXPECT_TRUE(bar.Failed());
    bar.Edit().SetText("x");
    EXPECT_FALSE(bar.Failed());

    SendClick(bar.CloseButton(), {5, 5});
    EXPECT_FALSE(g.SearchFooter().Visible());
}

namespace {

// Pixels of the close button's cross that are drawn in a clear red.
int redPixels(TControl& button)
{
    const QImage image = PaintToImage(button);
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    return n;
}

}  // namespace

TEST(VoGridSearch, CloseButtonShowsItsHoverPictureUnderTheMouse)
{
    TSearchPanel bar(nullptr);
    bar.SetBounds(0, 0, 600, 32);
    TSpeedButton& close = bar.CloseButton();
    EXPECT_EQ(redPixels(close), 0);
    SendMouseEnter(close);
    EXPECT_GT(redPixels(close), 10);
    SendMouseLeave(close);
    EXPECT_EQ(redPixels(close), 0);
}

TEST(VoGridSearch, SearchBarLaysItselfOutAgainAfterGrouping)
{
    RecordingGrid g;
    fill(g);
    g.SearchFooter().SetVisible(true);
    TSearchPanel& bar = *g.SearchPanel();
    bar.FindNextButton().SetLeft(0);
    bar.Edit().SetLeft(0);
    g.Group(2);
    EXPECT_EQ(g.GroupColumn, 2);
    EXPECT_EQ(bar.FindNextButton().Left(), 140);
    EXPECT_EQ(bar.Edit().Left(), 25);
}

TEST(VoGridSearch, SearchBarMirrorsItsLayoutRightToLeft)
{
    TSearchPanel bar(nullptr);
    bar.SetBounds(0, 0, 600, 32);
    bar.LayoutControls();
    EXPECT_EQ(bar.FindNextButton().Left(), 140);
    EXPECT_EQ(bar.MatchCaseBox().Left(), 425);
    bar.BiDiMode = bdRightToLeft;
    bar.HighlightButton().Hide();
    bar.LayoutControls();
    EXPECT_EQ(bar.FindNextButton().Left(), 600 - 90 - 140);
    EXPECT_EQ(bar.MatchCaseBox().Left(), 600 - bar.MatchCaseBox().Width() - 330);
}

TEST(VoGridSearch, CtrlFFocusesTheSearchBoxOnlyWhenTheSearchBarShows)
{
    EditFixture f;
    SendKey(*f.grid, 'F', ssCtrl);
    EXPECT_TRUE(f.grid->Focused());
    f.grid->SearchFooter().SetVisible(true);
    f.grid->SetFocus();
    ASSERT_TRUE(f.grid->Focused());
    SendKey(*f.grid, 'F', ssCtrl);
    EXPECT_TRUE(f.grid->SearchPanel()->Edit().Focused());
}

TEST(VoGridSearch, SearchBarAnnouncesItselfAndKeepsHitsInView)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 300);
    auto* g = new VOroDavoduRuzu(&form);
    int created = 0;
    g->OnCreatedSearchFooter = [&created](TObject*) { ++created; };
    g->SetParent(&form);
    EXPECT_EQ(created, 1);
    g->SetBounds(0, 0, 300, 200);
    g->SetColCount(2);
    g->SetRowCount(60);
    for (int r = 1; r < 60; ++r)
        g->SetCells(1, r, r == 20 || r == 45 ? QStringLiteral("hit") : QString::number(r));
    g->SearchFooter().SetVisible(true);
    form.Show();
    TSearchPanel& bar = *g->SearchPanel();
    const auto inView = [g] { return g->Row() >= g->TopRow() && g->Row() < g->TopRow() + g->VisibleRowCount(); };
    bar.Edit().SetText("hit");
    EXPECT_EQ(g->Row(), 20);
    EXPECT_TRUE(inView());
    SendKey(bar.Edit(), VK_RETURN);
    EXPECT_EQ(g->Row(), 45);
    EXPECT_TRUE(inView());
    EXPECT_LE(g->Row(), g->TopRow() + g->VisibleRowCount() - 2);  // not on the bottom edge
    SendKey(bar.Edit(), VK_RETURN, ssCtrl);
    EXPECT_EQ(g->Row(), 20);
    EXPECT_TRUE(inView());
}

// The search bar is made when the footer first shows in a shown grid; it shows and hides with the footer
// and carries the settings given before it existed.
TEST(VoGridSearch, SearchBarTurnedOnInAShownGridShowsWithTheSettingsGivenBefore)
{
    EditFixture f;
    f.grid->SetGridLineColor(0x123456);
    f.grid->SearchFooter().SetFindNextCaption(QStringLiteral("Next"));
    const int owned = f.grid->ComponentCount();
    f.grid->SearchFooter().SetVisible(true);
    EXPECT_EQ(f.grid->ComponentCount(), owned + 1);
    TSearchPanel& bar = *f.grid->SearchPanel();
    EXPECT_EQ(bar.Parent(), f.grid);
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Height(), 32);
    EXPECT_EQ(bar.FindNextButton().Caption(), QStringLiteral("Next"));
    EXPECT_EQ(bar.LineColor, TColor(0x123456));
    f.grid->SearchFooter().SetVisible(false);
    EXPECT_FALSE(bar.Visible());
    EXPECT_EQ(bar.Height(), 0);
    f.grid->SearchFooter().SetVisible(true);
    EXPECT_TRUE(bar.Visible());
}
