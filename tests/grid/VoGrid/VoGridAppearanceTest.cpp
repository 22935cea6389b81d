// A cell's resolved look: the order in which its own colours, bands, fixed colours, hooks and the selection
// override one another, colour blending, alignment and display text.
#include "VoGridTestGrid.h"

namespace {

constexpr TColor Red = RGB(200, 0, 0);
constexpr TColor Blue = RGB(0, 0, 200);
constexpr TColor Fixed = RGB(10, 20, 30);

struct CellLook {
    TColor brush;
    TColor colorTo;
    TColor font;
    TGridDrawState state;
    TAlignment ha;
};

class LookGrid : public RecordingGrid {
public:
    LookGrid()
    {
        SetColCount(4);
        SetRowCount(6);
        SetLook(glClassic);
        SetColor(clWhite);
        SetFixedColor(Fixed);
        SelectionColor = 0xEACAB6;
        SelectionTextColor = clBlack;
        Font().SetColor(clBlack);
    }
    CellLook resolve(int col, int row, bool select = false, TGridDrawState state = 0)
    {
        TBrush brush;
        TFont font;
        CellLook l{};
        TColor mirror = clNone, mirrorTo = clNone;
        TVAlignment va = vtaTop;
        bool ww = false;
        TCellGradientDirection gd = GradientVertical;
        l.state = state;
        GetVisualProperties(col, row, l.state, false, select, true, brush, l.colorTo, mirror, mirrorTo, font, l.ha, va,
                            ww, gd);
        l.brush = brush.Color();
        l.font = font.Color();
        return l;
    }
};

}  // namespace

TEST(VoGridAppearance, PrecedenceOfColours)
{
    struct Case {
        const char* name;
        std::function<void(LookGrid&)> setup;
        int col, row;
        bool select;
        TColor brush;
    };
    const std::vector<Case> cases = {
        {"plain cell takes Color", [](LookGrid&) {}, 1, 2, false, clWhite},
        {"own colour", [](LookGrid& g) { g.SetColors(1, 2, Red); }, 1, 2, false, Red},
        {"fixed row takes FixedColor", [](LookGrid&) {}, 1, 0, false, Fixed},
        {"own colour of a plain fixed cell wins", [](LookGrid& g) { g.SetColors(1, 0, Red); }, 1, 0, false, Red},
        {"a check-box cell in a fixed row takes the fixed colour",
         [](LookGrid& g) {
             g.AddCheckBox(1, 0, true, false);
             g.SetColors(1, 0, Red);
         },
         1, 0, false, Fixed},
        {"look gradient from glQEV up",
         [](LookGrid& g) {
             g.SetLook(glXP);
             g.QEVGradientFrom = Blue;
         },
         1, 0, false, Blue},
        {"footer rows are fixed", [](LookGrid& g) { g.FixedFooters = 1; }, 1, 5, false, Fixed},
        {"first band row: primary",
         [](LookGrid& g) {
             g.Bands().SetPrimaryColor(Red);
             g.Bands().SetSecondaryColor(Blue);
             g.Bands().SetPrimaryLength(1);
             g.Bands().SetSecondaryLength(1);
             g.Bands().SetActive(true);
         },
         1, 1, false, Red},
        {"next band row: secondary",
         [](LookGrid& g) {
             g.Bands().SetPrimaryColor(Red);
             g.Bands().SetSecondaryColor(Blue);
             g.Bands().SetPrimaryLength(1);
             g.Bands().SetSecondaryLength(1);
             g.Bands().SetActive(true);
         },
         1, 2, false, Blue},
        {"own colour is not banded",
         [](LookGrid& g) {
             g.Bands().SetPrimaryColor(Red);
             g.Bands().SetPrimaryLength(1);
             g.Bands().SetSecondaryLength(1);
             g.Bands().SetActive(true);
             g.SetColors(1, 1, clLime);
         },
         1, 1, false, clLime},
        {"colour hook after the fixed colour",
         [](LookGrid& g) {
             g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush& b, TFont&) { b.SetColor(Blue); };
         },
         1, 0, false, Blue},
        {"gradient event after the colour hook",
         [](LookGrid& g) {
             g.OnGetCellColor = [](TObject*, int, int, TGridDrawState, TBrush& b, TFont&) { b.SetColor(Blue); };
             g.OnGetCellGradient = [](TObject*, int, int, TColor& c, TColor&, TColor&, TColor&,
                                      TCellGradientDirection&) { c = Red; };
         },
         1, 2, false, Red},
        {"selected cell: selection colour",
         [](LookGrid& g) {
             g.SetSelection({1, 2, 2, 3});
         },
         1, 2, true, 0xEACAB6},
        {"selection without Select stays off at rest",
         [](LookGrid& g) {
             g.SetSelection({1, 2, 2, 3});
         },
         1, 2, false, clWhite},
        {"selection mixed with an own colour",
         [](LookGrid& g) {
             g.SetColors(1, 2, RGB(0, 0, 0));
             g.SelectionColor = RGB(200, 100, 50);
             g.SelectionColorMixer = true;
             g.SetSelection({1, 2, 2, 3});
         },
         1, 2, true, RGB(100, 50, 25)},
        {"mixer leaves a Color cell plain selection",
         [](LookGrid& g) {
             g.SelectionColor = RGB(200, 100, 50);
             g.SelectionColorMixer = true;
             g.SetSelection({1, 2, 2, 3});
         },
         1, 2, true, RGB(200, 100, 50)},
        {"hidden selection",
         [](LookGrid& g) {
             g.ShowSelection = false;
             g.SetSelection({1, 2, 2, 3});
         },
         1, 2, true, clWhite},
    };
    for (const Case& c : cases) {
        LookGrid g;
        g.SetFixedRows(1);
        c.setup(g);
        EXPECT_EQ(g.resolve(c.col, c.row, c.select).brush, c.brush) << c.name;
    }
}

TEST(VoGridAppearance, FixedStateFontAndDisabledText)
{
    LookGrid g;
    g.SetFixedRows(1);
    g.FixedFont().SetColor(Red);
    const CellLook header = g.resolve(1, 0);
    EXPECT_TRUE(header.state & gdFixed);
    EXPECT_EQ(header.font, Red);
    g.SetFontColors(1, 2, Blue);
    EXPECT_EQ(g.resolve(1, 2).font, Blue);
    g.SetSelection({1, 2, 1, 2});
    const CellLook selected = g.resolve(1, 2, true);
    EXPECT_TRUE(selected.state & gdSelected);
    EXPECT_EQ(selected.font, clBlack);  // SelectionTextColor
    g.SetEnabled(false);
    EXPECT_EQ(g.resolve(2, 3).font, clSilver);
    g.UseDisabledFont = false;
    EXPECT_EQ(g.resolve(2, 3).font, clBlack);
}

TEST(VoGridAppearance, BlendColors)
{
    struct Case {
        TColor a, b;
        int percent;
        TColor expected;
    };
    for (const Case& c : std::vector<Case>{{Red, Blue, 100, Red},
                                           {Red, Blue, 150, Red},
                                           {Red, Blue, 0, Blue},
                                           {clNone, Blue, 50, Blue},
                                           {Red, clNone, 50, Red},
                                           {RGB(255, 0, 1), RGB(0, 255, 0), 50, RGB(128, 128, 0)},  // half to even
                                           {RGB(100, 0, 0), RGB(0, 0, 0), 25, RGB(25, 0, 0)}})
        EXPECT_EQ(VOroDavoduRuzu::BlendColors(c.a, c.b, c.percent), c.expected) << c.percent;
    EXPECT_EQ(VOroDavoduRuzu::SelectionMixColor(Red, Blue, false, 50), Red);
}

TEST(VoGridAppearance, AutoNumberAlignment)
{
    LookGrid g;
    g.AutoNumAlign = true;
    const std::vector<std::pair<QString, TAlignment>> cases = {{QStringLiteral("-12.5"), taRightJustify},
                                                               {QStringLiteral("1E3"), taRightJustify},
                                                               {QStringLiteral(" 42 "), taRightJustify},
                                                               {QStringLiteral("12a"), taLeftJustify},
                                                               {QString(), taLeftJustify}};
    for (const auto& [text, ha] : cases) {
        g.SetCells(1, 1, text);
        EXPECT_EQ(g.GetCellAlignment(1, 1).first, ha) << text.toStdString();
    }
    g.SetCells(1, 1, QStringLiteral("7"));
    g.SetAlignments(1, 1, taCenter);
    EXPECT_EQ(g.GetCellAlignment(1, 1).first, taCenter);  // the cell's own alignment wins
    g.SetCells(1, 1, QStringLiteral("=7"));
    EXPECT_EQ(g.GetCellAlignment(1, 1).first, taLeftJustify);  // except for a formula
    g.OnGetAlignment = [](TObject*, int, int, TAlignment& h, TVAlignment& v) {
        h = taRightJustify;
        v = vtaBottom;
    };
    EXPECT_EQ(g.GetCellAlignment(1, 1), std::make_pair(taRightJustify, vtaBottom));
}

TEST(VoGridAppearance, FormattedCellText)
{
    LookGrid g;
    g.SetCells(1, 1, QStringLiteral("3.14159"));
    g.SetCells(2, 1, QStringLiteral("42"));
    g.SetCells(3, 1, QStringLiteral("abc"));
    EXPECT_EQ(g.GetFormattedCell(1, 1), QStringLiteral("3.14159"));  // no event: raw text
    QString format = QStringLiteral("%.2f");
    int calls = 0;
    g.OnGetFloatFormat = [&](TObject*, int, int, bool& isFloat, QString& f) {
        ++calls;
        EXPECT_TRUE(isFloat);
        f = format;
    };
    EXPECT_EQ(g.GetFormattedCell(1, 1), QStringLiteral("3.14"));
    EXPECT_EQ(g.GetFormattedCell(3, 1), QStringLiteral("abc"));  // not a number: no event
    EXPECT_EQ(calls, 1);
    format = QStringLiteral("%04d");
    EXPECT_EQ(g.GetFormattedCell(2, 1), QStringLiteral("0042"));
    EXPECT_EQ(g.GetFormattedCell(1, 1), QStringLiteral("3.14159"));  // %d on a non-integer: raw text
    format = QStringLiteral("%s|%p");                                // never handed to printf
    EXPECT_EQ(g.GetFormattedCell(2, 1), QStringLiteral("%s|%p"));
    format.clear();
    EXPECT_EQ(g.GetFormattedCell(2, 1), QStringLiteral("42"));
}

TEST(VoGridAppearance, LookPresets)
{
    RecordingGrid g;
    g.SetLook(glVista);
    EXPECT_EQ(g.SelectionStyle(), ssVista);
    g.SetLook(glXP);
    EXPECT_EQ(g.SelectionStyle(), ssDefault);
    EXPECT_EQ(g.SelectionColor, TColor(0xEACAB6));
    EXPECT_EQ(g.ActiveCellColor, TColor(0xEACAB6));
    EXPECT_EQ(g.QEVGradientFrom, TColor(0xFFFFFF));
    EXPECT_EQ(g.QEVGradientTo, clBtnFace);
    EXPECT_EQ(g.ControlLook().FixedGradient().HoverMirrorTo, TColor(0xABBCBF));
    EXPECT_EQ(g.ControlLook().FixedGradient().DownFrom, TColor(0x868788));
    g.SetLook(glQEV);
    EXPECT_EQ(g.QEVGradientTo, TColor(0xC0C0C0));
    g.SetLook(glListView);
    EXPECT_EQ(g.QEVGradientTo, clBtnFace);  // the XP header with the standard selection
    EXPECT_EQ(g.SelectionColor, clHighlight);
    EXPECT_EQ(g.SelectionTextColor, clHighlightText);
    g.SelectionColor = Red;
    g.SetScrollType(ssFlat);
    g.SetLook(glCustom);  // keeps every colour
    EXPECT_EQ(g.SelectionColor, Red);
    EXPECT_EQ(g.QEVGradientTo, clBtnFace);
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F));
    g.SetScrollType(ssFlat);
    g.SetLook(glCustom);  // the same look again changes nothing
    EXPECT_EQ(g.ScrollType(), ssFlat);
    QString text = QStringLiteral("kept");
    GridLookToText(glCustom, text);
    EXPECT_EQ(text, QStringLiteral("kept"));
    GridLookToText(glOffice2007, text);
    EXPECT_EQ(text, QStringLiteral("glOffice2007"));
    GridLookCaption(glXP, text);
    EXPECT_EQ(text, QStringLiteral("Windows XP"));
}
