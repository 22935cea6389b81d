// Per-cell properties and row colours: defaults without properties, repaint of the displayed cell.
#include "VoGridTestGrid.h"
#include "grid/base/REdaReviZizod.h"

TEST(VoGridProps, ReadingLeavesACellWithoutProperties)
{
    RecordingGrid g;
    EXPECT_EQ(g.Colors(2, 2), clNone);
    EXPECT_EQ(g.ColorsTo(2, 2), clNone);
    EXPECT_EQ(g.FontColors(2, 2), clNone);
    EXPECT_EQ(g.FontSizes(2, 2), 0);
    EXPECT_EQ(g.FontNames(2, 2), QString());
    EXPECT_EQ(g.Alignments(2, 2), taLeftJustify);
    EXPECT_FALSE(g.ReadOnly(2, 2));
    EXPECT_EQ(g.CellControls(2, 2), nullptr);
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    EXPECT_TRUE(g.WordWraps(2, 2));  // reading WordWraps creates them
    EXPECT_TRUE(g.HasCellProperties(2, 2));
}

TEST(VoGridProps, EverySetterStoresAndRepaintsTheDisplayedCell)
{
    RecordingGrid g;
    g.ShowAlone();
    g.SetColCount(6);
    g.HideColumn(2);  // real column 3 shows at display column 2
    TFont font;
    font.SetName(QStringLiteral("Verdana"));
    font.SetSize(9);
    font.SetColor(clBlue);
    const std::vector<std::pair<const char*, std::function<void()>>> setters = {
        {"Colors", [&] { g.SetColors(3, 1, clRed); }},
        {"ColorsTo", [&] { g.SetColorsTo(3, 1, clYellow); }},
        {"Gradients", [&] { g.SetGradients(3, 1, GradientHorizontal); }},
        {"FontColors", [&] { g.SetFontColors(3, 1, clGreen); }},
        {"FontStyles", [&] { g.SetFontStyles(3, 1, fsItalic); }},
        {"FontNames", [&] { g.SetFontNames(3, 1, QStringLiteral("Arial")); }},
        {"FontSizes", [&] { g.SetFontSizes(3, 1, 12); }},
        {"Alignments", [&] { g.SetAlignments(3, 1, taCenter); }},
        {"ReadOnly", [&] { g.SetReadOnly(3, 1, true); }},
        {"WordWraps", [&] { g.SetWordWraps(3, 1, false); }},
        {"Fonts", [&] { g.SetFonts(3, 2, font); }},
    };
    for (const auto& [name, set] : setters) {
        g.repainted.clear();
        set();
        EXPECT_TRUE(g.repaintedCell(2, 1) || g.repaintedCell(2, 2)) << name;
    }
    EXPECT_EQ(g.Colors(3, 1), clRed);
    EXPECT_EQ(g.ColorsTo(3, 1), clYellow);
    EXPECT_EQ(g.Gradients(3, 1), GradientHorizontal);
    EXPECT_EQ(g.FontColors(3, 1), clGreen);
    EXPECT_EQ(g.FontStyles(3, 1), fsItalic);
    EXPECT_EQ(g.FontNames(3, 1), QStringLiteral("Arial"));
    EXPECT_EQ(g.FontSizes(3, 1), 12);
    EXPECT_EQ(g.Alignments(3, 1), taCenter);
    EXPECT_TRUE(g.ReadOnly(3, 1));
    EXPECT_FALSE(g.WordWraps(3, 1));
    EXPECT_EQ(g.FontNames(3, 2), QStringLiteral("Verdana"));
    EXPECT_EQ(g.FontColors(3, 2), clBlue);
}

TEST(VoGridProps, SettersOutsideTheGridRaiseTheAccessorError)
{
    RecordingGrid g;
    EXPECT_THROW(g.SetColors(5, 1, clRed), REdaReviZizod);
    EXPECT_THROW(g.SetFontColors(1, 10, clRed), REdaReviZizod);
    EXPECT_THROW(g.SetAlignments(-1, 1, taCenter), REdaReviZizod);
    EXPECT_THROW(g.SetRowColor(10, clRed), REdaReviZizod);
    EXPECT_EQ(g.Colors(5, 1), clNone);
}

TEST(VoGridProps, RowColoursCoverNormalCellsAndRepaintTheRow)
{
    RecordingGrid g;
    g.ShowAlone();
    g.repainted.clear();
    g.SetRowColor(2, clRed);
    EXPECT_TRUE(g.repaintedCell(1, 2));
    EXPECT_EQ(g.Colors(0, 2), clNone);  // the fixed column is left alone
    for (int c = 1; c < g.ColCount(); ++c)
        EXPECT_EQ(g.Colors(c, 2), clRed);

    g.SetRowFontColor(3, clBlue);
    EXPECT_EQ(g.FontColors(4, 3), clBlue);
    g.SetRowFontColor(3, clNone);  // cells without a colour lose their properties
    EXPECT_FALSE(g.HasCellProperties(4, 3));

    g.SetFontNames(1, 2, QStringLiteral("Arial"));
    g.AddComment(2, 2, QStringLiteral("note"));
    g.SetRowColorTo(2, clNone);  // every per-cell setting of the row goes, graphics freed
    for (int c = 1; c < g.ColCount(); ++c)
        EXPECT_FALSE(g.HasCellProperties(c, 2));
    EXPECT_EQ(g.GetCellType(2, 2), ctEmpty);
}

TEST(VoGridProps, CellControlIsListedOnceAndCounted)
{
    RecordingGrid g;
    TEdit edit(nullptr);
    g.SetCellControls(2, 3, &edit);
    g.SetCellControls(2, 3, &edit);
    EXPECT_EQ(g.NumCellControls(), 1);
    EXPECT_EQ(g.ControlList().Count(), 1);
    EXPECT_EQ(g.CellControls(2, 3), &edit);
    EXPECT_EQ(edit.Parent(), &g);
    const TRect cell = g.CellRect(2, 3);
    EXPECT_EQ(edit.BoundsRect(), Rect(cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom));
    g.SetCellControls(2, 3, nullptr);
    g.SetCellControls(2, 3, nullptr);
    EXPECT_EQ(g.NumCellControls(), 0);
    EXPECT_EQ(g.ControlList().Count(), 0);
    edit.SetParent(nullptr);
}
