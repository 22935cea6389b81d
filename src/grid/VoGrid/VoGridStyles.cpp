// Grid styles and colour schemes: named styles, component styles, colour tones, XP schemes and following the
// Office colour theme or the application's style.
#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridPaint.h"
#include "platform/ApplicationStyle.h"

namespace {

void applyTones(TButtonColors& b, const TColorTones& Tones)
{
    b.ButtonColor = Tones.Background.BrushColor;
    b.ButtonColorHot = Tones.Hover.BrushColor;
    b.ButtonColorDown = Tones.Selected.BrushColor;
    b.ButtonBorderColor = Tones.Background.BorderColor;
}

// A value the style leaves as it is.
constexpr TColor Keep = 0x2FFFFFFF;

struct TStyleColors {
    TVoGridStyle style;
    TGridLook look;  // glCustom: the look stays
    TColor from, to, mirrorFrom, mirrorTo;
    TColor activeFrom, activeTo;
    TColor selection, selectionTo, selectionText;  // Keep: the reset values
    TColor gridLine, fixedLine;
};

// The look's own mark for a style that keeps the look.
constexpr TGridLook KeepLook = glCustom;

constexpr TStyleColors StyleColors[] = {
    {gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0x000000,
     0xC0C0C0, 0x808080},
    {gsOffice2003Silver, glXP, 0xECE2E1, 0xB39698, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0x000000,
     0xC0C0C0, 0x808080},
    {gsOffice2003Olive, glXP, 0xCFF0EA, 0x8CC0B1, clNone, clNone, 0x94E6FB, 0x1595EE, 0x94E6FB, 0x1595EE, 0x000000,
     0xC0C0C0, 0x808080},
    {gsOffice2003Classic, glXP, 0xFFFFFF, 0xCCD4D8, clNone, clNone, 0xD8D5D4, 0xD8D5D4, Keep, Keep, Keep, 0xC0C0C0,
     0x808080},
    {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone, 0x000000,
     0xF1EDEB, 0xD1BBA4},
    {gsOffice2007Obsidian, glOffice2007, 0xF7F7F7, 0xDEDEDE, clNone, clNone, 0x9DD8F9, 0x5EC1F1, 0x5EC1F1, clNone,
     0x000000, 0xE5D7D0, 0x808080},
    {gsWindowsXP, glXP, clBtnFace, clBtnFace, clNone, clNone, clBtnFace, clBtnFace, Keep, Keep, Keep, 0xC0C0C0,
     0x808080},
    {gsWhidbey, KeepLook, 0xFFFFFF, clBtnFace, clNone, clNone, 0x94E6FB, 0x1595EE, Keep, Keep, Keep, 0xC0C0C0,
     0x808080},
    {gsCustom, KeepLook, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep},
    {gsOffice2007Silver, glOffice2007, 0xF3F3F1, 0xCAC9C8, Keep, Keep, 0x99CCFF, 0x699CFF, 0x95C7F5, clNone, 0x000000,
     0xE5D7D0, 0x808080},
    {gsWindowsVista, glVista, 0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xFDF8F1, 0xFCEFD5, 0xEACAB6, clNone, 0x000000,
     0xECECF0, 0xD4D2D1},
    {gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xF4E6DC, 0xF7E9DD, 0xFCEBDC, 0xFCDBC1, 0xEACAB6, clNone, 0x000000,
     0xECECF0, 0xD4D2D1},
    {gsTerminal, glStandard, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep, Keep},
    {gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0xF5E7DA, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
     0x000000, 0xC0C0C0, 0xC7B0A0},
    {gsOffice2010Silver, glOffice2007, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0xE8E3DF, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
     0x000000, 0xC0C0C0, 0xBAB5B1},
    {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x6A6A6A, 0x5BD5FF, 0x71EFFF, 0xFFDBB7, clNone,
     0x000000, 0xC0C0C0, 0x444444},
};

// Hover and pressed header gradients (from, to, mirror from, mirror to, border) and the sort header colours.
struct THeaderStates {
    TColor hover[5];
    TColor down[5];
    TColor sort[4];  // Keep: unchanged
};

constexpr THeaderStates Luna = {{0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
                                {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
                                {Keep, Keep, Keep, Keep}};
constexpr THeaderStates Vista = {{0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
                                 {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
                                 {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}};
constexpr THeaderStates Win7 = {{0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
                                {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
                                {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}};

THeaderStates office2010(TColor sort)
{
    return {{0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
            {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
            {sort, sort, sort, sort}};
}

const THeaderStates* headerStates(TVoGridStyle style)
{
    static const THeaderStates blue = office2010(0xD6CEC7);
    static const THeaderStates silver = office2010(0xAAAAAA);
    static const THeaderStates black = office2010(0xBABABA);
    switch (style) {
    case gsOffice2007Luna:
        return &Luna;
    case gsWindowsVista:
        return &Vista;
    case gsWindows7:
        return &Win7;
    case gsOffice2010Blue:
        return &blue;
    case gsOffice2010Silver:
        return &silver;
    case gsOffice2010Black:
        return &black;
    default:
        return nullptr;
    }
}

void keepOr(TColor& target, TColor value)
{
    if (value != Keep)
        target = value;
}

// The styles whose header gradient the control look also carries.
bool lookCarriesGradient(TVoGridStyle style)
{
    switch (style) {
    case gsOffice2003Blue:
    case gsOffice2003Silver:
    case gsOffice2003Olive:
    case gsOffice2007Luna:
    case gsOffice2007Obsidian:
    case gsOffice2007Silver:
        return true;
    default:
        return false;
    }
}

}  // namespace

void VOroDavoduRuzu::resetStyleColours()
{
    SelectionColor = clHighlight;
    SelectionColorTo = clNone;
    SelectionTextColor = clHighlightText;
    SetSelectionStyle(ssDefault);
    FSortSettings.SetHeaderColor(clNone);
    FSortSettings.SetHeaderColorTo(clNone);
    FSortSettings.SetHeaderMirrorColor(clNone);
    FSortSettings.SetHeaderMirrorColorTo(clNone);
    TControlLook::TFixedGradients g;
    g.HoverFrom = 0xFFFFFF;
    g.HoverTo = 0x808080;
    g.HoverBorder = 0xC0C0C0;
    g.DownFrom = 0xC0C0C0;
    g.DownTo = 0x808080;
    g.DownBorder = 0x808080;
    FControlLook.SetFixedGradient(g);
    FControlLook.SetColor(0x000000);
    FControlLook.SetCommentColor(0x0000FF);
    FControlLook.ProgressBorderColor = 0x808080;
}

void VOroDavoduRuzu::SetStyle(TVoGridStyle AStyle)
{
    resetStyleColours();
    const TStyleColors& s = StyleColors[AStyle];
    if (s.look != KeepLook)
        SetLook(s.look);
    const TColor from = s.from == Keep ? QEVGradientFrom : ColorToRGB(s.from);
    const TColor to = s.to == Keep ? QEVGradientTo : ColorToRGB(s.to);
    QEVGradientFrom = from;
    QEVGradientTo = to;
    keepOr(QEVGradientMirrorFrom, s.mirrorFrom);
    keepOr(QEVGradientMirrorTo, s.mirrorTo);
    keepOr(ActiveCellColor, s.activeFrom);
    keepOr(ActiveCellColorTo, s.activeTo);
    keepOr(SelectionColor, s.selection);
    keepOr(SelectionColorTo, s.selectionTo);
    keepOr(SelectionTextColor, s.selectionText);
    if (s.gridLine != Keep) {
        SetGridLineColor(s.gridLine);
        SetGridFixedLineColor(s.fixedLine);
    }
    TControlLook::TFixedGradients g = FControlLook.FixedGradient();
    if (s.from != Keep) {
        g.From = lookCarriesGradient(AStyle) ? from : clNone;
        g.To = lookCarriesGradient(AStyle) ? to : clNone;
    }
    if (const THeaderStates* h = headerStates(AStyle)) {
        g.HoverFrom = h->hover[0];
        g.HoverTo = h->hover[1];
        g.HoverMirrorFrom = h->hover[2];
        g.HoverMirrorTo = h->hover[3];
        g.HoverBorder = h->hover[4];
        g.DownFrom = h->down[0];
        g.DownTo = h->down[1];
        g.DownMirrorFrom = h->down[2];
        g.DownMirrorTo = h->down[3];
        g.DownBorder = h->down[4];
        if (h->sort[0] != Keep) {
            FSortSettings.SetHeaderColor(h->sort[0]);
            FSortSettings.SetHeaderColorTo(h->sort[1]);
            FSortSettings.SetHeaderMirrorColor(h->sort[2]);
            FSortSettings.SetHeaderMirrorColorTo(h->sort[3]);
        }
    }
    FControlLook.SetFixedGradient(g);
    switch (AStyle) {
    case gsOffice2007Luna:
        if (FLook == glOffice2007)
            SetSelectionStyle(ssOffice2007);
        break;
    case gsWindowsVista:
        SetSelectionStyle(ssVista);
        break;
    case gsWindows7:
        SetSelectionStyle(ssWin7);
        break;
    case gsOffice2010Blue:
    case gsOffice2010Silver:
    case gsOffice2010Black:
        SetSelectionStyle(ssDefault);
        break;
    default:
        break;
    }
    if (AStyle != gsCustom && AStyle != gsTerminal) {
        FSearchFooter->SetColor(QEVGradientFrom);
        FSearchFooter->SetColorTo(QEVGradientMirrorTo);
    }
    Invalidate();
}

void VOroDavoduRuzu::SetComponentStyle(TQEVStyle AStyle)
{
    FStyle = AStyle;
    SetStyle(static_cast<TVoGridStyle>(AStyle));
    if (AStyle != tsCustom && FScrollType == ssMetro)
        SetScrollType(ssNormal);
}

void VOroDavoduRuzu::SetColorTones(const TColorTones& ATones)
{
    FTones = ATones;
    SetLook(glClassic);
    Flat = true;
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    const QString fontName = DefaultUIFontName();
    FFixedFont.SetColor(ATones.Foreground.TextColor);
    FFixedFont.SetName(fontName);
    Font().SetName(fontName);
    SetColor(ATones.Background.BrushColor);
    Font().SetColor(ATones.Background.TextColor);
    SelectionColor = ATones.Selected.BrushColor;
    SelectionTextColor = ATones.Selected.TextColor;
    SelectionColorTo = clNone;
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(ColorAdjustPercent(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(bsNone);
    FControlLook.SetControlStyle(csGlyph);
    FControlLook.SetCheckedGlyph(GridGlyph(QStringLiteral("metrocheckon")));
    FControlLook.SetUnCheckedGlyph(GridGlyph(QStringLiteral("metrocheckoff")));
    FControlLook.SetRadioOnGlyph(GridGlyph(QStringLiteral("metroradioon")));
    FControlLook.SetRadioOffGlyph(GridGlyph(QStringLiteral("metroradiooff")));
    if (!QueryIsDesigning())
        toneInplaceEditors();
    FControlLook.SetFlatButton(true);
    FFloatingFooter.SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColor(ATones.Foreground.BrushColor);
    FSearchFooter->SetColorTo(ATones.Foreground.BrushColor);
    FCellNode.SetNodeType(cnFlat);
    Invalidate();
}

// The in-place editors' buttons take the tones; the combo box and date picker turn flat. An editor made
// later takes them as it is made.
void VOroDavoduRuzu::toneInplaceEditors()
{
    FTonedBorderColor = Color();
    if (EditBtn)
        toneEditor(*EditBtn);
    if (EditCombo)
        toneEditor(*EditCombo);
    if (FEditDate)
        toneEditor(*FEditDate);
}

void VOroDavoduRuzu::toneEditor(TGridEditBtn& Editor) const
{
    if (Editor.Button())
        applyTones(*Editor.Button(), FTones);
}

void VOroDavoduRuzu::toneEditor(TGridCombo& Editor) const
{
    applyTones(Editor, FTones);
    Editor.SetBorderColor(FTonedBorderColor.value_or(Color()));
    Editor.SetFlat(true);
}

void VOroDavoduRuzu::toneEditor(TGridDatePicker& Editor) const
{
    applyTones(Editor, FTones);
    Editor.ButtonBorderColor = FTones.Background.BrushColor;
    Editor.SetMetroStyle(true);
}

void VOroDavoduRuzu::SetTheme(TXPColorScheme Scheme)
{
    struct TScheme {
        TColor from, to, mirrorFrom, mirrorTo, footer, footerTo;
    };
    static constexpr TScheme schemes[] = {
        {0xFFFFFF, clBtnFace, clNone, clNone, 0xFFFFFF, 0xFFD9B3},     // xpNone
        {0xFCE1CB, 0xE0A57D, clNone, clNone, 0xFCE1CB, 0xE0A57D},      // xpBlue
        {0xCFF0EA, 0x8CC0B1, clNone, clNone, 0xCFF0EA, 0x8CC0B1},      // xpGreen
        {0xECE2E1, 0xB39698, clNone, clNone, 0xECE2E1, 0xB39698},      // xpGray
        {0xFFFFFF, 0xFFFFFF, 0xFAF8F7, 0xF4F2F1, 0xECE2E1, 0xB39698},  // vistaAero
    };
    const TScheme& s = schemes[Scheme];
    QEVGradientFrom = ColorToRGB(s.from);
    QEVGradientTo = ColorToRGB(s.to);
    QEVGradientMirrorFrom = s.mirrorFrom;
    QEVGradientMirrorTo = s.mirrorTo;
    FSearchFooter->SetColor(s.footer);
    FSearchFooter->SetColorTo(s.footerTo);
    ActiveCellColor = Scheme == xpNone ? TColor(0xFFFFFF) : TColor(0x94E6FB);
    ActiveCellColorTo = Scheme == xpNone ? TColor(0xFFD9B3) : TColor(0x1595EE);
    TControlLook::TFixedGradients g = FControlLook.FixedGradient();
    g.From = Scheme == xpNone ? clNone : s.from;
    g.To = Scheme == xpNone ? clNone : s.to;
    FControlLook.StoreFixedGradient(g);  // no repaint
}

void VOroDavoduRuzu::AdaptToOfficeTheme()
{
    if (QueryIsDesigning())
        return;
    const TOfficeTheme theme = DetectOfficeTheme();
    if (theme == FOldOfficeTheme)
        return;
    static constexpr TQEVStyle byTheme[] = {
        tsOffice2003Blue,   tsOffice2003Silver,   tsOffice2003Olive, tsOffice2003Classic, tsOffice2007Luna,
        tsOffice2007Silver, tsOffice2007Obsidian, tsOffice2010Blue,  tsOffice2010Silver,  tsOffice2010Black};
    if (theme != otUnknown)
        SetComponentStyle(byTheme[theme]);
    FOldOfficeTheme = theme;
}

void VOroDavoduRuzu::ApplyVCLStyleColors()
{
    FUseVCLStyles = false;
    const TApplicationStyle style = ActiveApplicationStyle();
    if (style.Name.isEmpty() || style.Name == QLatin1String("Windows"))
        return;
    FUseVCLStyles = true;
    SetColor(style.CellNormal.Fill);
    SetGridLineColor(style.CellNormal.Border);
    SetGridFixedLineColor(style.FixedCellNormal.Border);
    SetOptions(Options() & ~(goFixedVertLine | goFixedHorzLine));
    if (style.CellNormal.Text != clNone)
        Font().SetColor(style.CellNormal.Text);
    if (style.CellSelected.Text != clNone)
        SelectionTextColor = style.CellSelected.Text;
    if (style.FixedCellNormal.Text != clNone)
        FFixedFont.SetColor(style.FixedCellNormal.Text);
}
