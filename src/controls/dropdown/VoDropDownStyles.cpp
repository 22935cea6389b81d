// The component styles and colour tones of the drop-down edit: the pop-up, its bars and their buttons, the
// selection look and the item appearances of the pickers.
#include "controls/dropdown/VoDropDown.h"

#include "grid/base/VoUtil/VoUtilDraw.h"

namespace {
constexpr TColor Keep = 0x7FFFFFFF;  // the style leaves the value as it is

// The pop-up and its bars for a style: background, gradient end, frame, then the bars' colours, font
// colour and borders (the footer takes the header's values unless it has its own).
struct TPopupStyle {
    TQEVStyle Style;
    TColor Color, ColorTo, BorderColor;
    TColor BarColor, BarColorTo, FontColor, HeaderBorder;
    TColor FooterColor = Keep, FooterColorTo = Keep, FooterBorder = Keep;
};

const TPopupStyle PopupStyles[] = {
    {tsOffice2003Blue, 0xFFFFFF, clNone, Keep, 0xFCE1CB, 0xE0A57D, 0x000000, 0x000000, Keep, Keep, 0x962D00},
    {tsOffice2003Silver, 0xFFFFFF, clNone, Keep, 0xECE2E1, 0xB39698, 0x000000, 0x947C7C},
    {tsOffice2003Olive, 0xFFFFFF, clNone, clNone, 0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060},
    {tsOffice2003Classic, 0xF2F2F2, 0xF2F2F2, clNone, 0x808080, 0x808080, 0xFFFFFF, 0x808080},
    {tsOffice2007Luna, 0xF3E5DA, 0xF0DED0, clNone, 0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF},
    {tsOffice2007Obsidian, 0xFFFFFF, clNone, clNone, 0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C},
    {tsWindowsXP, 0xFFFFFF, clNone, Keep, 0xFFFFFF, clBtnFace, 0x000000, 0x808080},
    {tsWhidbey, 0xF5F9FA, 0xF5F9FA, clNone, 0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00},
    {tsOffice2007Silver, 0xF8F4F1, 0xF0E8E3, clNone, 0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F},
    {tsWindowsVista, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA, 0xFFFAF0, 0xFFFDF9},
    {tsWindows7, 0xFFFFFF, 0xFFFFFF, 0x979797, 0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8},
    {tsTerminal, 0xFFFFFF, 0xFFFFFF, 0x808080, clBtnFace, clBtnFace, 0x000000, clNone},
    {tsOffice2010Blue, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F},
    {tsOffice2010Silver, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8},
    {tsOffice2010Black, 0xFFFFFF, 0xF1EFED, 0xEDEDEC, 0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D},
};

// The bar buttons' colours in the order they are written.
struct TBarButtonColors {
    TColor Color, ColorTo, BorderColor;
    TColor ColorHot, ColorHotTo, BorderColorHot;
    TColor ColorDown, ColorDownTo, BorderColorDown;
    TColor ColorDisabled, ColorDisabledTo;
    TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

constexpr TBarButtonColors office(TColor Color, TColor ColorTo)
{
    return {Color,    ColorTo,  clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
            0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

constexpr TBarButtonColors office2010(TColor Color, TColor ColorTo, TColor BorderColor)
{
    return {Color,  ColorTo,  BorderColor, 0x8AE3FD, clNone,   0x58CAF1, 0x6CD0FF,
            clNone, 0x308AC2, 0xF2F2F2,    0xB6B6B6, 0x45E1FE, clNone,   0x4FA0CE};
}

const TBarButtonColors* buttonStyle(TQEVStyle Style)
{
    static const TBarButtonColors blue = office(0xFCE1CB, 0xE0A57D), silver = office(0xECE2E1, 0xB39698),
                                  olive = office(0xCFF0EA, 0x8CC0B1), luna = office(0xFFEFE3, 0xFFDDC4),
                                  obsidian = office(0xF2F1F0, 0xC9C2BD), whidbey = office(0xFFFFFF, 0xDFEDF0),
                                  silver2007 = office(0xF9F8F8, 0xE4E2DF),
                                  classic = {0xFFFFFF, 0xC9D1D5, clNone,   0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285,
                                             0xB59285, 0x808080, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080},
                                  xp = {0xFFFFFF,          clBtnFace,         clNone,
                                        0xEFD3C6,          0xEFD3C6,          clHighlight,
                                        clInactiveCaption, clInactiveCaption, clHighlight,
                                        0xB6B6B6,          0xB6B6B6,          0xB9D8DC,
                                        0xB9D8DC,          0x000000},
                                  vista = {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0,
                                           0xFDF0D7, 0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A},
                                  seven = {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC,
                                           0xFCDBC1, 0xCEA27D, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D},
                                  terminal = {clBtnFace, clBtnFace,   clNone,      0xC0C0C0,   0xC0C0C0,
                                              0x808080,  clHighlight, clHighlight, 0x808080,   clBtnFace,
                                              clBtnFace, clBtnFace,   clBtnFace,   clHighlight},
                                  blue2010 = office2010(0xFDF6EF, 0xF0DAC7, 0xC7B29F),
                                  silver2010 = office2010(0xFFFFFF, 0xEDE5E0, 0xD2CDC8),
                                  black2010 = office2010(0xBFBFBF, 0x919191, 0xD7D7D6);
    switch (Style) {
    case tsOffice2003Blue:
        return &blue;
    case tsOffice2003Silver:
        return &silver;
    case tsOffice2003Olive:
        return &olive;
    case tsOffice2003Classic:
        return &classic;
    case tsOffice2007Luna:
        return &luna;
    case tsOffice2007Obsidian:
        return &obsidian;
    case tsWindowsXP:
        return &xp;
    case tsWhidbey:
        return &whidbey;
    case tsOffice2007Silver:
        return &silver2007;
    case tsWindowsVista:
        return &vista;
    case tsWindows7:
        return &seven;
    case tsTerminal:
        return &terminal;
    case tsOffice2010Blue:
        return &blue2010;
    case tsOffice2010Silver:
        return &silver2010;
    case tsOffice2010Black:
        return &black2010;
    default:
        return nullptr;
    }
}

void keepOr(TColor& Field, TColor Value)
{
    if (Value != Keep)
        Field = Value;
}

void applyBar(TDropDownAppearance& Bar, TColor Color, TColor ColorTo, TColor FontColor, TColor Border)
{
    Bar.Color = Color;
    Bar.ColorTo = ColorTo;
    Bar.Font().SetColor(FontColor);
    Bar.BorderColor = Border;
}
}  // namespace

void TVoCustomDropDown::SetComponentStyle(TQEVStyle AStyle)
{
    FQEVStyle = AStyle;
    const TBarButtonColors* buttons = buttonStyle(AStyle);
    if (!buttons)
        return;
    for (const TPopupStyle& s : PopupStyles) {
        if (s.Style != AStyle)
            continue;
        FDropDownColor = s.Color;
        FDropDownColorTo = s.ColorTo;
        keepOr(FDropDownBorderColor, s.BorderColor);
        applyBar(FDropDownHeader, s.BarColor, s.BarColorTo, s.FontColor, s.HeaderBorder);
        applyBar(FDropDownFooter, s.FooterColor != Keep ? s.FooterColor : s.BarColor,
                 s.FooterColorTo != Keep ? s.FooterColorTo : s.BarColorTo, s.FontColor,
                 s.FooterBorder != Keep ? s.FooterBorder : s.HeaderBorder);
    }
    TVoButtonAppearance& a = FButtonAppearance;
    a.SetColor(buttons->Color);
    a.SetColorTo(buttons->ColorTo);
    a.SetBorderColor(buttons->BorderColor);
    a.SetColorHot(buttons->ColorHot);
    a.SetColorHotTo(buttons->ColorHotTo);
    a.SetBorderColorHot(buttons->BorderColorHot);
    a.SetColorDown(buttons->ColorDown);
    a.SetColorDownTo(buttons->ColorDownTo);
    a.SetBorderColorDown(buttons->BorderColorDown);
    a.SetColorDisabled(buttons->ColorDisabled);
    a.SetColorDisabledTo(buttons->ColorDisabledTo);
    a.SetColorChecked(buttons->ColorChecked);
    a.SetColorCheckedTo(buttons->ColorCheckedTo);
    a.SetBorderColorChecked(buttons->BorderColorChecked);
}

void TVoCustomDropDown::SetColorTones(const TColorTones& ATones)
{
    if (FButton) {
        FButton->ButtonColor = ATones.Background.BrushColor;
        FButton->ButtonColorHot = ATones.Hover.BrushColor;
        FButton->ButtonColorDown = ATones.Selected.BrushColor;
        FButton->ButtonBorderColor = ATones.Background.BorderColor;
    }
    SetBorderColor(ATones.Background.BorderColor);
}

void TVoCustomDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    FSelectionColorStyle = Value;
    switch (Value) {
    case scOffice2007:
        SelectionColor = 0xD7FFFD;
        SelectionColorTo = 0x58D4FC;
        break;
    case scWindowsVista:
        SelectionColor = 0xFDF8F1;
        SelectionColorTo = 0xFCEFD5;
        break;
    case scWindows7:
        SelectionColor = 0xFCEBDC;
        SelectionColorTo = 0xFCDBC1;
        break;
    case scCustom:
        break;
    }
}

void TVoCustomDropDown::DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, std::uint8_t Position)
{
    switch (FSelectionColorStyle) {
    case scCustom:
        Canvas.Brush().SetColor(SelectionColor);
        Canvas.Pen().SetColor(SelectionColor);
        Canvas.Rectangle(R);
        break;
    case scOffice2007:
        DrawSelectionFrame(Canvas, SelectionColor, SelectionColorTo, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3,
                           0xC3D9DF, BackColor, R, Position);
        break;
    case scWindowsVista:
        DrawSelectionFrame(Canvas, SelectionColor, SelectionColorTo, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99,
                           0xFCEDCB, BackColor, R, Position);
        break;
    case scWindows7:
        DrawSelectionFrame(Canvas, SelectionColor, SelectionColorTo, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D,
                           0xE0C5AE, BackColor, R, Position);
        break;
    }
}

void TVoCustomDropDown::SetItemAppearanceStyle(TItemAppearance* Appearance, TQEVStyle AStyle)
{
    if (!Appearance || AStyle == tsCustom)
        return;
    TItemAppearance& a = *Appearance;
    a.BorderColorHot = clNone;
    a.BorderColorSelected = clNone;
    a.ColorSelectedText = 0x000000;
    a.ColorHotText = 0x000000;
    const auto hot = [&a](TColor c, TColor to, TColor mirror, TColor mirrorTo) {
        a.ColorHot = c;
        a.ColorHotTo = to;
        a.ColorMirrorHot = mirror;
        a.ColorMirrorHotTo = mirrorTo;
    };
    const auto selected = [&a](TColor c, TColor to, TColor mirror, TColor mirrorTo) {
        a.ColorSelected = c;
        a.ColorSelectedTo = to;
        a.ColorMirrorSelected = mirror;
        a.ColorMirrorSelectedTo = mirrorTo;
    };
    const auto edges = [&a](TColor top, TColor bottom, TColor edge) {
        a.BorderColorTop = top;
        a.BorderColorBottom = bottom;
        a.EdgeColor = edge;
    };
    switch (AStyle) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver: {
        hot(0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF);
        a.BorderColor = 0x42AEFE;
        selected(0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0x7AE1FE);
        const bool office2007 =
            AStyle == tsOffice2007Luna || AStyle == tsOffice2007Obsidian || AStyle == tsOffice2007Silver;
        if (office2007)
            edges(0xF4FEFF, 0xCAF8FF, 0xC3D9DF);
        else
            edges(clNone, clNone, clNone);
        break;
    }
    case tsOffice2003Classic:
        hot(0xD2BDB6, 0xD2BDB6, clNone, clNone);
        a.BorderColor = 0x808080;
        selected(0xB59285, 0xB59285, clNone, clNone);
        edges(clNone, clNone, clNone);
        break;
    case tsWindowsXP:
    case tsTerminal:
        if (AStyle == tsWindowsXP)
            hot(0xEFD3C6, 0xEFD3C6, clNone, clNone);
        else
            hot(0xC0C0C0, 0xC0C0C0, clNone, clNone);
        a.BorderColor = AStyle == tsWindowsXP ? clHighlight : 0x808080;
        selected(clHighlight, clNone, clNone, clNone);
        edges(clNone, clNone, clNone);
        a.ColorSelectedText = clHighlightText;
        break;
    case tsWindowsVista:
        hot(0xFFFDF9, 0xFFFAF0, clNone, clNone);
        a.BorderColor = 0xFEDF9A;
        selected(0xFEF9F0, 0xFDF0D7, clNone, clNone);
        edges(0xFDFBF6, 0xFDF5E7, 0xFCEDCB);
        break;
    case tsWindows7:
        hot(0xFDFBFA, 0xFDF3EB, clNone, clNone);
        a.BorderColor = 0xCEA27D;
        selected(0xFCEBDC, 0xFCDBC1, clNone, clNone);
        edges(0xFDF4EB, 0xFDEADB, 0xE0C5AE);
        break;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        hot(0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD);
        a.BorderColor = 0x308AC2;
        selected(0x7BEEFF, 0x6CD0FF, 0x6CD0FF, 0x7BEEFF);
        edges(clNone, clNone, clNone);
        break;
    default:
        break;
    }
}
