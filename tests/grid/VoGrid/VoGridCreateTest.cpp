// Construction, defaults and life cycle of the string grid.
#include "VoGridTestGrid.h"
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "platform/Forms.h"

TEST(VoGridCreate, NewGridHasItsDefaults)
{
    RecordingGrid g;
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.FixedRows(), 1);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.DefaultRowHeight(), 22);
    EXPECT_EQ(g.FixedRowHeight(), 22);
    EXPECT_EQ(g.Width(), 400);
    EXPECT_EQ(g.Height(), 250);
    EXPECT_EQ(g.Look(), glXP);
    EXPECT_EQ(g.SelectionColor, 0xEACAB6u);
    EXPECT_EQ(g.CheckTrue, QStringLiteral("Y"));
    EXPECT_EQ(g.CheckFalse, QStringLiteral("N"));
    EXPECT_EQ(g.FloatFormat, QStringLiteral("%.2f"));
    EXPECT_EQ(g.FilterDropDownClear, QStringLiteral("(All)"));
    EXPECT_EQ(g.XMLEncoding, QStringLiteral("ISO-8859-1"));
    EXPECT_EQ(g.DefaultEditor, edNormal);
    EXPECT_EQ(g.BorderColor(), 0xB99D7Fu);
    EXPECT_EQ(g.ScrollWidth(), 17);
    EXPECT_EQ(g.FixedFont().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(g.FixedFont().Style(), fsBold);
    EXPECT_EQ(g.Version(), QStringLiteral("6.2.1.3"));
    EXPECT_EQ(g.GetVersionString(), QStringLiteral("6.2.1.3 Sep, 2012"));
    EXPECT_EQ(VoGridUnit().LinkCursor, crHandPoint);
    ASSERT_NE(g.Combobox(), nullptr);
    EXPECT_FALSE(g.Combobox()->Visible());
    EXPECT_FALSE(g.Combobox()->Enabled());
    EXPECT_EQ(g.BtnEdit()->ButtonCaption(), QStringLiteral("..."));
    EXPECT_EQ(g.FooterPanel()->Align(), alBottom);
    EXPECT_EQ(g.SearchPanel()->Height(), 0);
    EXPECT_EQ(g.CellNode().NodeType(), cnXP);
    EXPECT_EQ(g.CellNode().TreeColor(), clGray);
    EXPECT_TRUE(g.CellNode().ShowTreeFull());
}

TEST(VoGridCreate, FormResizeHandlerIsChainedAndRestored)
{
    for (const bool assigned : {false, true}) {
        TForm form(nullptr);
        std::vector<QString> log;
        if (assigned)
            form.OnResize = [&](TObject*) { log.push_back("form"); };
        auto* g = new RecordingGrid(&form);
        g->SetParent(&form);
        g->SizeWithForm = true;
        form.SetBounds(0, 0, 600, 400);
        const int width = g->Width();
        form.SetBounds(0, 0, 650, 420);
        EXPECT_EQ(g->Width(), width + 50);
        EXPECT_EQ(log.size(), assigned ? 2u : 0u);
        delete g;
        EXPECT_EQ(static_cast<bool>(form.OnResize), assigned);
        log.clear();
        form.SetBounds(0, 0, 700, 420);  // the grid's handler is gone
        EXPECT_EQ(log.size(), assigned ? 1u : 0u);
    }
}

TEST(VoGridCreate, FailingFormHandlerDoesNotStopTheGrid)
{
    TForm form(nullptr);
    form.OnResize = [](TObject*) { throw std::runtime_error("handler failed"); };
    auto* g = new RecordingGrid(&form);
    g->SetParent(&form);
    EXPECT_NO_THROW(form.SetBounds(0, 0, 500, 300));
}

TEST(VoGridCreate, IntegralHeightRoundsToWholeRows)
{
    RecordingGrid g;
    g.SetColCount(2);
    g.IntegralHeight = true;
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 2 * 2 + (98 - 98 % 22));
    g.IntegralHeight = false;
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 100);
}

TEST(VoGridCreate, LoadedTakesOverAlwaysShowEditorAndCapturesMinimums)
{
    RecordingGrid g;
    g.BeginLoading();
    g.SetOptions(g.Options() | goAlwaysShowEditor);
    g.SetFixedRows(2);
    g.Balloon().SetEnable(true);  // while loading: stored only
    EXPECT_FALSE(g.GridLoaded());
    g.EndLoading();
    EXPECT_TRUE(g.GridLoaded());
    EXPECT_TRUE(g.Navigation().AlwaysEdit);
    EXPECT_FALSE(g.Options() & goAlwaysShowEditor);
    EXPECT_EQ(g.MinRowHeight, 22);
    EXPECT_EQ(g.MinColWidth, 10);
    EXPECT_TRUE(g.Balloon().Enable());
    // The minimum fixed rows make a grid of only those rows fixed throughout.
    g.FixedRowAlways = true;
    g.SetRowCount(2);
    EXPECT_TRUE(g.IsFixed(3, 1));
}

TEST(VoGridCreate, ScrollBarAlwaysShowsFittingBarsDisabled)
{
    RecordingGrid g;
    g.SetScrollBars(ssBoth);
    g.SetRowCount(3);
    g.SetColCount(2);
    g.SetScrollBarAlways(saBoth);
    EXPECT_TRUE(g.ScrollBarShown(SB_VERT));
    EXPECT_TRUE(g.ScrollBarShown(SB_HORZ));
    EXPECT_FALSE(g.ScrollBarEnabled(SB_VERT));
    EXPECT_FALSE(g.ScrollBarEnabled(SB_HORZ));
}

TEST(VoGridCreate, AssignCopiesShapeThenCellsAndIgnoresOtherSources)
{
    RecordingGrid src;
    src.SetColCount(8);
    src.SetRowCount(30);
    src.SetCells(7, 29, QStringLiteral("last"));
    src.SetColWidths(3, 99);
    src.FloatFormat = QStringLiteral("%.3f");
    src.Navigation().AdvanceOnEnter = true;
    RecordingGrid dst;
    dst.Assign(src);
    EXPECT_EQ(dst.ColCount(), 8);
    EXPECT_EQ(dst.RowCount(), 30);
    EXPECT_EQ(dst.ColWidths(3), 99);
    EXPECT_EQ(dst.Cells(7, 29), QStringLiteral("last"));
    EXPECT_TRUE(dst.Navigation().AdvanceOnEnter);

    TStringGrid plain(nullptr);
    dst.Assign(plain);
    EXPECT_EQ(dst.ColCount(), 8);
}

TEST(VoGridCreate, WindowCreationParentsThePanelsAndStartsTheTimer)
{
    TForm form(nullptr);
    auto* g = new RecordingGrid(&form);
    g->SearchFooter().SetVisible(true);
    EXPECT_EQ(g->SearchPanel()->Parent(), nullptr);
    g->SetParent(&form);
    EXPECT_EQ(g->SearchPanel()->Parent(), g);
    EXPECT_EQ(g->SearchPanel()->Height(), 32);
    EXPECT_TRUE(g->HasTimer(111));
    g->SearchFooter().SetVisible(false);
    EXPECT_EQ(g->SearchPanel()->Height(), 0);
}

TEST(VoGridCreate, InvalidateAlsoRepaintsAVisibleFooterPanel)
{
    TForm form(nullptr);
    auto* g = new RecordingGrid(&form);
    g->SetParent(&form);
    g->FloatingFooter().SetVisible(true);
    EXPECT_TRUE(g->HideLastRow);
    EXPECT_TRUE(g->FooterPanel()->Visible());
    g->FloatingFooter().SetFooterStyle(fsColumnPreview);
    EXPECT_FALSE(g->HideLastRow);
}
