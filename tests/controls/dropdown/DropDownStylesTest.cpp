// The drop-down's component styles, colour tones and selection looks.
#include <gtest/gtest.h>

#include "controls/dropdown/VoDropDown.h"

namespace {
struct StyleCase {
    TQEVStyle Style;
    TColor Color, ColorTo, Border;          // the pop-up
    TColor Bar, BarTo, Font, HeaderBorder;  // the header
    TColor FooterBar, FooterBorder;         // the footer's own where they differ
    TColor Button, ButtonTo, ButtonHot, ButtonDownBorder;
};

const TColor Same = 0x7FFFFFFF;

TEST(DropDownStyles, EachStyleColoursThePopupTheBarsAndTheBarButtons)
{
    const StyleCase cases[] = {
        {tsOffice2003Blue, 0xFFFFFF, clNone, Same, 0xFCE1CB, 0xE0A57D, 0, 0, Same, 0x962D00, 0xFCE1CB, 0xE0A57D,
         0xEBFDFF, 0x42AEFE},
        {tsOffice2003Silver, 0xFFFFFF, clNone, Same, 0xECE2E1, 0xB39698, 0, 0x947C7C, Same, Same, 0xECE2E1, 0xB39698,
         0xEBFDFF, 0x42AEFE},
        {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0, 0x588060, Same, Same, 0xCFF0EA, 0x8CC0B1,
         0xEBFDFF, 0x42AEFE},
        {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080, Same, Same, 0xFFFFFF,
         0xC9D1D5, 0xD2BDB6, 0x808080},
        {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF, Same, Same, 0xFFEFE3,
         0xFFDDC4, 0xEBFDFF, 0x42AEFE},
        {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C, Same, Same, 0xF2F1F0,
         0xC9C2BD, 0xEBFDFF, 0x42AEFE},
        {tsWindowsXP, 0xFFFFFF, clNone, Same, 0xFFFFFF, clBtnFace, 0, 0x808080, Same, Same, 0xFFFFFF, clBtnFace,
         0xEFD3C6, clHighlight},
        {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00, Same, Same, 0xFFFFFF, 0xDFEDF0,
         0xEBFDFF, 0x42AEFE},
        {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F, Same, Same, 0xF9F8F8,
         0xE4E2DF, 0xEBFDFF, 0x42AEFE},
        {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0, 0xFCF2DA, 0xFFFAF0, Same, 0xFFFDF9,
         0xFFFAF0, 0xFEF9F0, 0xFEDF9A},
        {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0, 0xFBD6B8, Same, Same, 0xFDFBFA, 0xFDF3EB,
         0xFDFBFA, 0xCEA27D},
        {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0, clNone, Same, Same, clBtnFace, clBtnFace,
         0xC0C0C0, 0x808080},
        {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F, Same, Same, 0xFDF6EF,
         0xF0DAC7, 0x8AE3FD, 0x308AC2},
        {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8, Same, Same, 0xFFFFFF,
         0xEDE5E0, 0x8AE3FD, 0x308AC2},
        {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D, Same, Same, 0xBFBFBF,
         0x919191, 0x8AE3FD, 0x308AC2},
    };
    for (const StyleCase& c : cases) {
        TVoCustomDropDown d(nullptr);
        d.SetDropDownBorderColor(0x123456);
        d.SetComponentStyle(c.Style);
        SCOPED_TRACE(static_cast<int>(c.Style));
        EXPECT_EQ(d.GetComponentStyle(), c.Style);
        EXPECT_EQ(d.DropDownColor(), c.Color);
        EXPECT_EQ(d.DropDownColorTo(), c.ColorTo);
        EXPECT_EQ(d.DropDownBorderColor(), c.Border == Same ? 0x123456 : c.Border);
        EXPECT_EQ(d.DropDownHeader().Color, c.Bar);
        EXPECT_EQ(d.DropDownHeader().ColorTo, c.BarTo);
        EXPECT_EQ(d.DropDownHeader().Font().Color(), c.Font);
        EXPECT_EQ(d.DropDownHeader().BorderColor, c.HeaderBorder);
        EXPECT_EQ(d.DropDownFooter().Color, c.FooterBar == Same ? c.Bar : c.FooterBar);
        EXPECT_EQ(d.DropDownFooter().ColorTo, c.FooterBar == Same ? c.BarTo : c.Bar);
        EXPECT_EQ(d.DropDownFooter().Font().Color(), c.Font);
        EXPECT_EQ(d.DropDownFooter().BorderColor, c.FooterBorder == Same ? c.HeaderBorder : c.FooterBorder);
        EXPECT_EQ(d.ButtonAppearance().Color(), c.Button);
        EXPECT_EQ(d.ButtonAppearance().ColorTo(), c.ButtonTo);
        EXPECT_EQ(d.ButtonAppearance().ColorHot(), c.ButtonHot);
        EXPECT_EQ(d.ButtonAppearance().BorderColorDown(), c.ButtonDownBorder);
    }
}

TEST(DropDownStyles, CustomOnlyStoresAndStylesLeaveWhatTheyDoNotName)
{
    TVoCustomDropDown d(nullptr);
    d.SetComponentStyle(tsWindows7);
    d.SetDropDownColor(0x010203);
    d.SetComponentStyle(tsCustom);
    EXPECT_EQ(d.GetComponentStyle(), tsCustom);
    EXPECT_EQ(d.DropDownColor(), 0x010203);
    EXPECT_EQ(d.DropDownBorderColor(), 0x979797);
    d.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(d.DropDownBorderColor(), 0x979797);
    d.SetComponentStyle(tsOffice2007Luna);
    d.SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(d.DropDownBorderColor(), clNone);
}

TEST(DropDownStyles, ButtonAppearanceReportsEachChangedColourOnce)
{
    TVoCustomDropDown d(nullptr);
    d.SetComponentStyle(tsOffice2007Luna);
    int changes = 0;
    d.ButtonAppearance().OnChange = [&](TObject*) { ++changes; };
    d.SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(changes, 0);
    d.SetComponentStyle(tsOffice2007Obsidian);
    EXPECT_EQ(changes, 2);  // only Color and ColorTo differ between the two Office 2007 sets
}

TEST(DropDownStyles, NewButtonAppearanceDerivesItsCheckedColours)
{
    const TVoButtonAppearance a;
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(a.BorderColorDown(), 0x800000);
    EXPECT_EQ(a.Font().Name(), QStringLiteral("Tahoma"));
    TVoButtonAppearance b;
    b.SetColorHot(0x010101);
    b.Font().SetSize(20);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(a);
    EXPECT_EQ(b.ColorHot(), 0xF5F0E1);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(b.Font().Size(), 20);  // the font is not copied
}

TEST(DropDownStyles, TonesColourTheButtonAndTheBorder)
{
    TVoCustomDropDown d(nullptr);
    TColorTones tones;
    tones.Background = {0x111111, 0x222222, 0x333333};
    tones.Hover.BrushColor = 0x444444;
    tones.Selected.BrushColor = 0x555555;
    d.SetColorTones(tones);
    EXPECT_EQ(d.Button()->ButtonColor, 0x111111);
    EXPECT_EQ(d.Button()->ButtonColorHot, 0x444444);
    EXPECT_EQ(d.Button()->ButtonColorDown, 0x555555);
    EXPECT_EQ(d.Button()->ButtonBorderColor, 0x222222);
    EXPECT_EQ(d.BorderColor(), 0x222222);

    TVoCustomDropDown plain(nullptr);
    plain.SetColorTones(TColorTones{});
    EXPECT_EQ(plain.Button()->ButtonColor, clNone);  // the themed look stays
}

TEST(DropDownStyles, SelectionStylesSetTheirColoursAndCustomKeepsThem)
{
    TVoCustomDropDown d(nullptr);
    EXPECT_EQ(d.SelectionColor, 0xD7FFFD);
    EXPECT_EQ(d.SelectionColorTo, 0x58D4FC);
    d.SetSelectionColorStyle(scWindowsVista);
    EXPECT_EQ(d.SelectionColor, 0xFDF8F1);
    EXPECT_EQ(d.SelectionColorTo, 0xFCEFD5);
    d.SetSelectionColorStyle(scWindows7);
    EXPECT_EQ(d.SelectionColor, 0xFCEBDC);
    d.SelectionColor = 0x0000FF;
    d.SetSelectionColorStyle(scCustom);
    EXPECT_EQ(d.SelectionColor, 0x0000FF);
    EXPECT_EQ(d.SelectionColorTo, 0xFCDBC1);
    TBitmap b(20, 10);
    d.DrawSelection(b.Canvas(), Rect(0, 0, 20, 10), clWhite, 0);
    EXPECT_EQ(b.Canvas().Pixels(10, 5), 0x0000FF);
}
}  // namespace
