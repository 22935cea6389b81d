// A cell's look: colours, font, alignment, word wrap and display text, resolved afresh at every paint.
#include <cmath>

#include "grid/VoGrid/VoGrid.h"

TColor VOroDavoduRuzu::BlendColors(TColor Col1, TColor Col2, int Percent)
{
    if (Percent >= 100)
        return Col1;
    if (Percent < 1)
        return Col2;
    if (Col1 == clNone)
        return Col2;
    if (Col2 == clNone)
        return Col1;
    const TColor a = ColorToRGB(Col1);
    const TColor b = ColorToRGB(Col2);
    const double p = Percent / 100.0;
    const auto mix = [p](int x, int y) { return std::min(255, static_cast<int>(std::nearbyint(p * x + (1 - p) * y))); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor VOroDavoduRuzu::SelectionMixColor(TColor SelColor, TColor CellColor, bool Mixer, int Factor)
{
    return Mixer ? BlendColors(SelColor, CellColor, Factor) : SelColor;
}

bool VOroDavoduRuzu::inSelection(int ACol, int ARow) const
{
    const TGridRect s = Selection();
    return ACol >= std::min(s.Left, s.Right) && ACol <= std::max(s.Left, s.Right) &&
           ARow >= std::min(s.Top, s.Bottom) && ARow <= std::max(s.Top, s.Bottom);
}

bool VOroDavoduRuzu::rowListed(int ARow) const
{
    return ARow >= 0 && ARow < static_cast<int>(FRowSelect.size()) && FRowSelect[ARow] != 0;
}

bool VOroDavoduRuzu::colListed(int ACol) const
{
    return ACol >= 0 && ACol < static_cast<int>(FColSelect.size()) && FColSelect[ACol] != 0;
}

bool VOroDavoduRuzu::mouseSelecting() const
{
    return FGridState == gsSelecting;
}

bool VOroDavoduRuzu::inFixedArea(int ACol, int ARow) const
{
    return ACol < FixedCols() || ARow < FixedRows();
}

void VOroDavoduRuzu::GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                         bool Remap, TBrush& ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                         TColor& AMirrorColorTo, TFont& AFont, TAlignment& HA, TVAlignment& VA,
                                         bool& WW, TCellGradientDirection& GD)
{
    const bool fixedArea = inFixedArea(ACol, ARow);
    const bool printFonts = Print && !FPrintSettings.UseDisplayFont;
    if (fixedArea)
        AFont.Assign(printFonts ? FPrintSettings.FixedFont() : FFixedFont);
    else
        AFont.Assign(printFonts ? FPrintSettings.Font() : Font());
    const int RCol = Remap ? RealColIndex(ACol) : ACol;

    ABrush.SetColor(clNone);
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;

    bool ownColor = false;
    if (const TCellProperties* p = propsAt(RCol, ARow)) {
        const TCellType type = GetCellType(RCol, ARow);
        if (type == ctNone || type == ctRotated || type == ctEmpty) {
            if (p->BrushColor() != clNone) {
                ABrush.SetColor(p->BrushColor());
                ownColor = true;
            }
        } else {
            ABrush.SetColor(p->BrushColor());
        }
        p->ApplyFont(AFont);
        WW = p->WordWrap();
        AColorTo = p->BrushColorTo();
        GD = p->GradientDirection;
    }
    if (AState & gdSelected)
        GD = GradientVertical;

    if (ABrush.Color() == clNone) {
        ABrush.SetColor(Color());
        const bool bandCell = ACol >= FixedCols() && ACol < ColCount() + FNumHidden - FixedRightCols &&
                              ARow >= FixedRows() && ARow < RowCount() - FixedFooters;
        if (FBands.Active() && (!Print || FBands.Print) && bandCell && FBands.TotalLength() > 0)
            ABrush.SetColor((ARow - FixedRows()) % FBands.TotalLength() < FBands.PrimaryLength()
                                ? FBands.PrimaryColor()
                                : FBands.SecondaryColor());
        if (fixedArea || ACol >= ColCount() - FixedRightCols || ARow >= RowCount() - FixedFooters)
            ABrush.SetColor(FixedColor());
    }

    const bool fixed = IsFixed(ACol, ARow) || fixedArea;
    if (fixed && !ownColor && !Print) {
        ABrush.SetColor(FixedColor());
        AFont.Assign(FFixedFont);
        AState |= gdFixed;
    }
    if (fixed && !ownColor && FLook >= glQEV) {
        ABrush.SetColor(QEVGradientFrom);
        AColorTo = QEVGradientTo;
        AMirrorColor = QEVGradientMirrorFrom;
        AMirrorColorTo = QEVGradientMirrorTo;
    }

    if (Print)
        QueryCellPrintColor(RCol, ARow, AState, ABrush, AFont);
    else
        QueryCellColor(RCol, ARow, AState, ABrush, AFont);
    if (OnGetCellGradient) {
        TColor c = ABrush.Color();
        OnGetCellGradient(this, ARow, RCol, c, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush.SetColor(c);
    }
    const TColor hookBrush = ABrush.Color();
    const TColor hookFont = AFont.Color();

    const auto applySelection = [&](TColor brush) {
        AState = static_cast<TGridDrawState>(AState | gdSelected);
        ABrush.SetColor(brush);
        AColorTo = SelectionColorTo;
        AMirrorColor = SelectionMirrorColor;
        AMirrorColorTo = SelectionMirrorColorTo;
        if (SelectionTextColor != clNone)
            AFont.SetColor(SelectionTextColor);
    };
    const bool live = Select && !Print && ShowSelection && !fixed;
    const bool disjunctRows = FMouseActions.DisjunctRowSelect();
    const bool disjunctCols = FMouseActions.DisjunctColSelect();
    const auto disjunct = [&](bool listed, bool current) {
        const bool shown = !mouseSelecting() ? listed
                           : current         ? !listed && (AState & gdSelected)
                                             : listed || (AState & gdSelected);
        if (shown) {
            AState = 0;
            applySelection(SelectionColor);
        } else {
            AState = static_cast<TGridDrawState>(AState & ~gdSelected);
        }
    };
    if (disjunctRows && live)
        disjunct(rowListed(ARow), ARow == Row());
    if (disjunctCols && live)
        disjunct(colListed(ACol), ACol == Col());
    if ((live && inSelection(ACol, ARow) && !disjunctRows && !disjunctCols) ||
        ((AState & gdSelected) && mouseSelecting() && ShowSelection)) {
        const TColor cell = ABrush.Color();
        applySelection(cell == Color()
                           ? SelectionColor
                           : SelectionMixColor(SelectionColor, cell, SelectionColorMixer, SelectionColorMixerFactor));
    }
    if (FMouseActions.DisjunctCellSelect() && ShowSelection) {
        if (FSelectedCells.HasValue((ARow << 16) | (ACol & 0xFFFF))) {
            applySelection(SelectionColor);
        } else if (ACol == Col() && ARow == Row()) {
            AState = static_cast<TGridDrawState>(AState & ~gdSelected);
            ABrush.SetColor(hookBrush);
            AFont.SetColor(hookFont);
        }
    }

    const int enabledRow =
        (disjunctRows && FMouseActions.RowSelectPersistent) || FEnabledRows.Count() > 0 ? RealRowIndex(ARow) : ARow;
    if (UseDisabledFont && (!RowEnabled(enabledRow) || !Enabled()))
        AFont.SetColor(DisabledFontColor);
    if ((AState & gdSelected) && ARow != Row() && disjunctRows && SelectionColorTo == clNone)
        ABrush.SetColor(ColorAdjustPercent(ABrush.Color(), 7));

    QueryCellWordWrap(RCol, ARow, WW);
    const auto [ha, va] = GetCellAlignment(RCol, ARow);
    HA = ha;
    VA = va;
}

void VOroDavoduRuzu::GetFontProperties(int ACol, int RCol, int ARow, TGridDrawState& AState, TFont& AFont,
                                       TBrush& ABrush, bool Remap)
{
    const int col = Remap ? RealColIndex(ACol) : RCol;
    AFont.Assign(IsFixed(ACol, ARow) || inFixedArea(ACol, ARow) ? FFixedFont : Font());
    if (const TCellProperties* p = propsAt(col, ARow)) {
        p->ApplyFont(AFont);
    }
    QueryCellColor(col, ARow, AState, ABrush, AFont);
}

std::pair<TAlignment, TVAlignment> VOroDavoduRuzu::GetCellAlignment(int ACol, int ARow)
{
    TAlignment ha = DefaultAlignment;
    TVAlignment va = VAlignment;
    bool formula = false;
    if (AutoNumAlign) {
        QString text = GetGridCell(ACol, ARow);
        formula = text.startsWith(u'=');
        // Formulas have no engine here: their text is their value.
        if (NumberTextKind(text.trimmed()) != ntkNoNumber)
            ha = taRightJustify;
    }
    if (const TCellProperties* p = propsAt(ACol, ARow); p && !formula)
        ha = p->Alignment;
    QueryCellAlignment(ACol, ARow, ha, va);
    return {ha, va};
}

QString VOroDavoduRuzu::GetFormattedCell(int ACol, int ARow)
{
    const QString text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat || NumberTextKind(text) == ntkNoNumber)
        return text;
    bool isFloat = true;
    QString format = FloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.isEmpty())
        return text;
    // The format is applied through the checked formatter: one conversion, never a raw printf.
    try {
        return FormatIndicatorValue(format, format.contains(u'd') ? Ints(ACol, ARow) : Floats(ACol, ARow));
    } catch (const std::exception&) {
        return text;
    }
}
