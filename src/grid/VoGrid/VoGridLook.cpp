// The look presets: header gradients, lines, selection and active-cell colours, border and selection style.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

struct TLookNames {
    const char* text;
    const char* caption;
};

constexpr TLookNames LookNames[] = {
    {"glStandard", "Standard"},     {"glSoft", "Soft"},         {"glClassic", "Classic"},     {"glQEV", "QEV"},
    {"glXP", "Windows XP"},         {"glListView", "ListView"}, {"glVista", "Windows Vista"}, {"glWin7", "Windows 7"},
    {"glOffice2007", "Office2007"},
};

}  // namespace

void GridLookToText(TGridLook Look, QString& Text)
{
    if (Look != glCustom)
        Text = QString::fromLatin1(LookNames[Look].text);
}

void GridLookCaption(TGridLook Look, QString& Text)
{
    if (Look != glCustom)
        Text = QString::fromLatin1(LookNames[Look].caption);
}

void VOroDavoduRuzu::SetLook(TGridLook Value)
{
    if (Value == FLook)
        return;
    FLook = Value;
    const bool loading = ComponentState() & csLoading;
    TControlLook::TFixedGradients g = FControlLook.FixedGradient();
    if (Value != glCustom) {
        g.MirrorFrom = g.MirrorTo = g.From = g.To = clNone;
        QEVGradientFrom = QEVGradientTo = QEVGradientMirrorFrom = QEVGradientMirrorTo = clNone;
        FSortSettings.SetHeaderColor(clNone);
    }
    switch (Value) {
    case glVista:
        SetComponentStyle(tsWindowsVista);
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetComponentStyle(tsWindows7);
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetComponentStyle(tsOffice2007Luna);
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default:
        SetSelectionStyle(ssDefault);
        if (!loading)
            applyLookColours(Value, g);
        break;
    }
    FControlLook.SetFixedGradient(g);
    SetScrollType(ssNormal);
    SetBorderStyle(bsSingle);
    SetBorderColor(0xB99D7F);
    Invalidate();
}

void VOroDavoduRuzu::applyLookColours(TGridLook Value, TControlLook::TFixedGradients& g)
{
    const bool standard = Value == glStandard || Value == glSoft || Value == glClassic;
    if (standard) {
        SetFixedColor(clBtnFace);
        g.From = clBtnFace;
        g.To = clNone;
    } else {
        g.From = 0xFFFFFF;
        g.To = clBtnFace;
    }
    SetGridFixedLineColor(0x808080);
    SetGridLineColor(0xC0C0C0);
    if (Value == glQEV || Value == glXP) {
        ActiveCellColor = 0xEACAB6;
        ActiveCellColorTo = clNone;
        SelectionColor = 0xEACAB6;
        SelectionColorTo = clNone;
        SelectionTextColor = 0;
        FSearchFooter->SetColor(clNone);
        FSearchFooter->SetColorTo(clNone);
        g.From = 0xFFFFFF;
        g.To = Value == glQEV ? TColor(0xC0C0C0) : clBtnFace;
        g.HoverFrom = 0xCFD0D1;
        g.HoverTo = 0xBEC6C8;
        g.HoverMirrorFrom = 0xBEC6C8;
        g.HoverMirrorTo = 0xABBCBF;
        g.DownFrom = 0x868788;
        g.DownTo = 0x737C7E;
        g.DownMirrorFrom = 0x737C7E;
        g.DownMirrorTo = 0x627376;
    } else {
        ActiveCellColor = 0x808080;
        ActiveCellColorTo = clNone;
        SelectionColor = clHighlight;
        SelectionTextColor = clHighlightText;
        FSearchFooter->SetColor(clBtnFace);
        FSearchFooter->SetColorTo(clBtnFace);
    }
    // The grid's header gradient follows the control look's.
    QEVGradientFrom = g.From;
    QEVGradientTo = g.To;
}

// --- Display settings -----------------------------------------------------------------------------------

void VOroDavoduRuzu::SetURLColor(TColor Value)
{
    if (URLColor == Value)
        return;
    URLColor = Value;
    if (URLShow)
        Invalidate();
}

void VOroDavoduRuzu::SetURLShow(bool Value)
{
    if (URLShow == Value)
        return;
    URLShow = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetURLShowInText(bool Value)
{
    if (URLShowInText == Value)
        return;
    URLShowInText = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetURLFull(bool Value)
{
    URLFull = Value;
    if (URLShow)
        Invalidate();
}

void VOroDavoduRuzu::SetShowDesignHelper(bool Value)
{
    if (ShowDesignHelper == Value)
        return;
    ShowDesignHelper = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetRowIndicator(const TBitmap& Value)
{
    RowIndicator.Assign(Value);
    RepaintCell(0, Row());
}

void VOroDavoduRuzu::SetBackGround(const TBackGround& Value)
{
    FBackGround.Assign(Value);
    Invalidate();
}

void VOroDavoduRuzu::SetHighlightColor(TColor Value)
{
    if (HighlightColor == Value)
        return;
    HighlightColor = Value;
    SetHtmlHighlightColors(HighlightColor, HighlightTextColor);
    Invalidate();
}

void VOroDavoduRuzu::SetHighlightTextColor(TColor Value)
{
    if (HighlightTextColor == Value)
        return;
    HighlightTextColor = Value;
    SetHtmlHighlightColors(HighlightColor, HighlightTextColor);
    Invalidate();
}

void VOroDavoduRuzu::SetActiveCellShow(bool Value)
{
    ActiveCellShow = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetActiveCellColor(TColor Value)
{
    ActiveCellColor = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetActiveCellColorTo(TColor Value)
{
    ActiveCellColorTo = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetXYOffset(TPoint Value)
{
    XYOffset = Value;
    Invalidate();
}

void VOroDavoduRuzu::SetAutoThemeAdapt(bool Value)
{
    if (AutoThemeAdapt == Value)
        return;
    AutoThemeAdapt = Value;
    FSearchFooter->SetAutoThemeAdapt(Value);
    if (Value) {
        AdaptToOfficeTheme();
        Invalidate();
    }
    if (QueryIsDesigning() || (ComponentState() & csLoading))
        return;
    const auto window = reinterpret_cast<qintptr>(this);
    if (Value)
        SharedThemeNotifier().RegisterWindow(window);
    else
        SharedThemeNotifier().UnRegisterWindow(window);
}

void VOroDavoduRuzu::UpdateLastRow()
{
    TBaseGrid::UpdateLastRow();
    UpdateFooter();
}

// --- Rotated cells --------------------------------------------------------------------------------------

void VOroDavoduRuzu::AddRotated(int ACol, int ARow, std::int16_t AAngle, const QString& s)
{
    NewCellGraphic(ACol, ARow)->SetAngle(AAngle);
    SetCells(ACol, ARow, s);
}

void VOroDavoduRuzu::SetRotated(int ACol, int ARow, std::int16_t AAngle)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        g = NewCellGraphic(ACol, ARow);
    g->SetAngle(AAngle);
    RepaintCell(DisplColIndexOf(ACol), ARow);
}

bool VOroDavoduRuzu::IsRotated(int ACol, int ARow, int& aAngle)
{
    if (GetCellType(ACol, ARow) != ctRotated)
        return false;
    aAngle = GetCellGraphic(ACol, ARow)->CellAngle;
    return true;
}
