// Painting the cell objects: check boxes, radio buttons, nodes and tree lines, pictures, bars, buttons, ratings.
#include <QHash>
#include <cmath>

#include "grid/VoGrid/VoGridPaint.h"
#include "grid/base/VoXPVS.h"

static void initGridGlyphs()
{
    Q_INIT_RESOURCE(VoGridGlyphs);
}

const TBitmap& GridGlyph(const QString& name)
{
    static const bool loaded = (initGridGlyphs(), true);
    (void)loaded;
    static QHash<QString, std::shared_ptr<TBitmap>> cache;
    std::shared_ptr<TBitmap>& slot = cache[name];
    if (!slot) {
        slot = std::make_shared<TBitmap>();
        slot->LoadFromResource(QStringLiteral(":/grid/") + name);
    }
    return *slot;
}

namespace {

void drawGlyph(TCanvas& c, const QString& name, TColor background, int x, int y)
{
    DrawBitmapTransparent(c, GridGlyph(name), background, Rect(x, y, x + 16, y + 16));
}

bool isCheckType(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

TColor colorOf(std::uint32_t value)
{
    return static_cast<TColor>(value);
}

}  // namespace

// --- Layout ------------------------------------------------------------------------------------------

TCellGraphic* VOroDavoduRuzu::GetCellGraphicLayout(int ACol, int ARow, int& Width, int& Height, bool& WithText,
                                                   TCellHAlign& HAlign, TCellVAlign& VAlign)
{
    Width = 0;
    Height = 0;
    WithText = true;
    HAlign = haLeft;
    VAlign = vaTop;
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return nullptr;
    HAlign = g->CellHAlign;
    VAlign = g->CellVAlign;
    const auto sizeOf = [](const TObject* o) {
        const auto* graphic = dynamic_cast<const TGraphic*>(o);
        return graphic ? TPoint{graphic->Width(), graphic->Height()} : TPoint{};
    };
    const TImageList* images = QueryCellImageList(ACol, ARow);
    const int iw = images ? images->Width() : 0;
    const int ih = images ? images->Height() : 0;
    TPoint size;
    switch (g->CellType) {
    case ctBitmap:
        size = sizeOf(g->CellBitmap);
        break;
    case ctIcon:
        size = sizeOf(g->CellIcon);
        break;
    case ctImageList:
        size = {iw, ih};
        break;
    case ctDataImage:
        size = {iw, ih};
        WithText = false;
        break;
    case ctImages: {
        const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap);
        const int n = list ? list->Count() : 0;
        size = g->CellBoolean ? TPoint{n * iw, ih} : TPoint{iw, n * ih};
        break;
    }
    case ctPicture:
    case ctFilePicture: {
        const int d = DisplColIndexOf(ACol);
        const int cw = d >= 0 && d < ColCount() ? ColWidths(d) : 0;
        const int rh = ARow >= 0 && ARow < RowCount() ? RowHeights(ARow) : 0;
        g->GetPictureSize(cw - 1 - 2 * XYOffset.X, rh - 1 - 2 * XYOffset.Y, size, !Cells(ACol, ARow).isEmpty());
        break;
    }
    case ctCheckBox:
    case ctTriStateCheckBox:
        size = {FControlLook.CheckSize(), FControlLook.CheckSize()};
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
        size = {FControlLook.CheckSize(), FControlLook.CheckSize()};
        WithText = false;
        break;
    case ctRadioButton:
        size = {FControlLook.RadioSize() + 4, FControlLook.RadioSize() + 4};
        break;
    case ctRadio:
    case ctRotated:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
        WithText = false;
        break;
    case ctNode:
        size = {GetNodeLevel(ARow) * 12 + 4, 0};
        break;
    case ctProgressPie:
        size = {20, 20};
        break;
    case ctButton:
    case ctBitButton:
        size = {g->CellIndex & 0xFFFF, (g->CellIndex >> 16) & 0xFFFF};
        break;
    case ctShape: {
        const int side = (ARow < RowCount() ? RowHeights(ARow) : 0) - 2 * XYOffset.Y;
        size = {side, side};
        break;
    }
    case ctRating:
        size = {g->CellAngle * 18, 16};
        WithText = false;
        break;
    case ctInterface:
        if (auto* object = dynamic_cast<ICellGraphic*>(g->CellBitmap))
            size = {object->GetWidth(), object->GetHeight()};
        break;
    default:
        break;
    }
    Width = size.X;
    Height = size.Y;
    return g;
}

void VOroDavoduRuzu::placeGraphic(TCellPaint& cp, const TRect& R, int& L, int& T)
{
    const int W = cp.gw;
    const int H = cp.gh;
    const int TW = cp.textWidth > 0 ? cp.textWidth + 2 : 0;
    const int width = R.Right - R.Left;
    const int height = R.Bottom - R.Top;
    switch (cp.graphic->CellHAlign) {
    case haRight:
        L = R.Right - 1 - W;
        break;
    case haCenter:
        L = W < width ? R.Left + (width - W) / 2 : R.Left + 1;
        break;
    case haBeforeText:
        L = cp.HA == taLeftJustify    ? R.Left + 1
            : cp.HA == taRightJustify ? R.Right - TW - W
                                      : R.Left + (width - TW - W) / 2;
        break;
    case haAfterText:
        L = cp.HA == taLeftJustify    ? R.Left + TW
            : cp.HA == taRightJustify ? R.Right - 1 - W
                                      : R.Left + TW + (width - TW - W) / 2;
        break;
    case haFull:
        L = R.Left;
        break;
    default:
        L = R.Left + 1;
        break;
    }
    if (L < R.Left)
        L = R.Left + 1;
    TCellVAlign va = cp.graphic->CellVAlign;
    if ((isCheckType(cp.graphic->CellType) || cp.graphic->CellType == ctRadioButton) && cp.VA != VAlignment)
        va = cp.VA == vtaTop ? vaTop : cp.VA == vtaCenter ? vaCenter : vaBottom;
    switch (va) {
    case vaBottom:
        T = R.Bottom - 1 - H;
        break;
    case vaCenter:
        T = H < height ? R.Top + (height - H) / 2 : R.Top + 1;
        break;
    case vaUnderText:
        T = R.Bottom - H;
        break;
    case vaFull:
        T = R.Top;
        break;
    default:
        T = R.Top + 1;
        break;
    }
}

// --- Painting by type -------------------------------------------------------------------------------

void VOroDavoduRuzu::paintCellGraphic(TCellPaint& cp, TRect R)
{
    TCanvas& c = cp.canvas;
    TCellGraphic& g = *cp.graphic;
    const TCellType type = g.CellType;
    if (type != ctNode && type != ctProgress && type != ctRangeIndicator && type != ctXPProgress)
        R = Rect(R.Left + XYOffset.X - 1, R.Top + XYOffset.Y - 1, R.Right - XYOffset.X + 1, R.Bottom - XYOffset.Y + 1);
    int L = R.Left;
    int T = R.Top;
    placeGraphic(cp, R, L, T);
    const TImageList* images = QueryCellImageList(cp.RCol, cp.ARow);
    switch (type) {
    case ctBitmap:
        if (const auto* bmp = dynamic_cast<const TBitmap*>(g.CellBitmap)) {
            if (g.CellTransparent)
                DrawBitmapTransparent(c, *bmp, c.Brush().Color(), Rect(L, T, L + bmp->Width(), T + bmp->Height()));
            else
                c.Draw(L, T, *bmp);
        }
        break;
    case ctIcon:
        if (const auto* icon = dynamic_cast<const TGraphic*>(g.CellIcon))
            c.Draw(L, T, *icon);
        break;
    case ctImageList:
        if (images)
            images->Draw(c, L, T, g.CellIndex);
        break;
    case ctDataImage:
        if (images) {
            int index = g.CellIndex;
            try {
                index += Ints(cp.RCol, cp.ARow);
            } catch (const std::exception&) {
                break;
            }
            if (index >= 0 && index < images->Count())
                images->Draw(c, L, T, index);
        }
        break;
    case ctImages:
        if (const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap); list && images)
            for (int i = 0; i < list->Count(); ++i) {
                images->Draw(c, L, T, list->GetInteger(i));
                (g.CellBoolean ? L : T) += g.CellBoolean ? images->Width() : images->Height();
            }
        break;
    case ctPicture:
        if (const auto* picture = dynamic_cast<const TPicture*>(g.CellBitmap); picture && picture->Graphic())
            c.StretchDraw(Rect(L, T, L + cp.gw, T + cp.gh), *picture->Graphic());
        break;
    case ctFilePicture:
        if (const auto* picture = dynamic_cast<const TFilePicture*>(g.CellBitmap))
            picture->DrawPicture(c, Rect(L, T, L + cp.gw, T + cp.gh));
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton:
        paintCheckGraphic(cp, R, T);
        break;
    case ctRadio: {
        bool editable = true;
        QueryCellEditable(cp.RCol, cp.ARow, editable);
        const auto* items = dynamic_cast<const TStringList*>(g.CellBitmap);
        PaintCellRadio(c, R, items ? items->Count() : g.CellAngle, g.CellIndex, g.CellBoolean, !editable, items,
                       cp.AState & gdSelected, cp.RCol, cp.ARow, FControlLook.ControlStyle(), 1.0, false);
        break;
    }
    case ctRotated: {
        TFont saved;
        saved.Assign(c.Font());
        const QString text = GetGridCell(cp.RCol, cp.ARow);
        TRect start = R;
        PlaceRotatedText(c, start, g.CellAngle, cp.VA, cp.HA, text);
        c.Font().SetOrientation(g.CellAngle * 10);
        c.Brush().SetStyle(bsClear);
        c.SaveState();
        c.IntersectClipRect(Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2));
        c.TextOut(start.Left, start.Top, text);
        c.RestoreState();
        if (showsSortIndicator(cp.ACol, cp.RCol, cp.ARow))
            PaintSortIndicator(c, cp.RCol, T + 8, L + cp.gw - 10);
        c.Brush().SetStyle(bsSolid);
        c.Font().Assign(saved);
        break;
    }
    case ctNode:
        if (cp.RCol == 0)
            paintNodeGlyph(cp, R);
        break;
    case ctProgress: {
        const TRect box = Rect(R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2);
        double value = 0;
        try {
            value = Floats(cp.RCol, cp.ARow);
        } catch (const std::exception&) {}
        if (FControlLook.ControlStyle() == csTheme && IsThemeActive() && FControlLook.ProgressXP()) {
            const TThemeData theme(QStringLiteral("Progress"));
            const TRect bar = Rect(R.Left + FControlLook.ProgressMarginX(), R.Top + FControlLook.ProgressMarginY(),
                                   R.Right - FControlLook.ProgressMarginX(), R.Bottom - FControlLook.ProgressMarginY());
            theme.DrawBackground(c, PP_BAR, 1, bar);
            const TRect chunk = Rect(bar.Left + 2, bar.Top + 2, bar.Right - 2, bar.Bottom - 2);
            const double percent = std::clamp(value, 0.0, 100.0);
            theme.DrawBackground(
                c, PP_CHUNK, 1,
                Rect(chunk.Left, chunk.Top, chunk.Left + static_cast<int>(std::lround(percent * chunk.Width() / 100)),
                     chunk.Bottom));
        } else {
            DrawValueIndicator(c, box, colorOf(g.CellColor), static_cast<TColor>(g.CellIndex), colorOf(g.CellColor2),
                               static_cast<TColor>(g.CellAngle), value, FControlLook.ProgressMarginX(),
                               FControlLook.ProgressMarginY(), g.CellErrFrom, g.CellErrLen,
                               g.CellBoolean ? (g.CellText.isEmpty() ? QStringLiteral("%d%%") : g.CellText) : QString(),
                               FControlLook.ProgressBorderColor, false);
        }
        break;
    }
    case ctRangeIndicator: {
        int value = 0;
        try {
            value = Ints(cp.RCol, cp.ARow);
        } catch (const std::exception&) {}
        DrawBalanceBar(c,
                       Rect(R.Left + FControlLook.ProgressMarginX(), R.Top + FControlLook.ProgressMarginY(),
                            R.Right - FControlLook.ProgressMarginX(), R.Bottom - FControlLook.ProgressMarginY()),
                       value, g.CellIndex, g.CellBoolean, colorOf(g.CellColor), colorOf(g.CellColor2));
        break;
    }
    case ctXPProgress: {
        const TGridProgressAppearance::TValues& a = FProgressAppearance.Values();
        TProgressSettings s;
        s.Level0Color = a.Level0Color;
        s.Level0ColorTo = a.Level0ColorTo;
        s.Level1Color = a.Level1Color;
        s.Level1ColorTo = a.Level1ColorTo;
        s.Level2Color = a.Level2Color;
        s.Level2ColorTo = a.Level2ColorTo;
        s.Level3Color = a.Level3Color;
        s.Level3ColorTo = a.Level3ColorTo;
        s.Level1Perc = a.Level1Perc;
        s.Level2Perc = a.Level2Perc;
        s.BorderColor = a.BorderColor;
        s.ShowBorder = a.ShowBorder;
        s.Stacked = a.Stacked;
        s.ShowPercentage = a.ShowPercentage;
        s.CompletionSmooth = a.CompletionSmooth;
        s.ShowGradient = a.ShowGradient;
        s.Steps = a.Steps;
        s.Font.Assign(Font());
        s.TextColor = a.CompleteFontColor;
        s.Background = a.UnCompleteColor == clNone ? c.Brush().Color() : a.UnCompleteColor;
        int value = 0;
        try {
            value = Ints(cp.RCol, cp.ARow);
        } catch (const std::exception&) {}
        const int range = g.CellErrLen - g.CellErrFrom;
        const int percent =
            range == 0 ? 0 : static_cast<int>(std::lround(std::abs(value - g.CellErrFrom) * 100.0 / range));
        DrawProgressBar(
            c,
            Rect(R.Left + FControlLook.ProgressMarginX(), R.Top + FControlLook.ProgressMarginY(),
                 R.Right - FControlLook.ProgressMarginX() - 1, R.Bottom - FControlLook.ProgressMarginY() - 1),
            percent, s);
        break;
    }
    case ctProgressPie:
        DrawPieValue(c, Rect(L, T, L + 20, T + 20), colorOf(g.CellColor), g.CellAngle, false);
        break;
    case ctComment:
        if (FControlLook.CommentColor() != clNone) {
            const TRect cell = cp.R;
            const TColor color = static_cast<TColor>(g.CellIndex) != clNone ? static_cast<TColor>(g.CellIndex)
                                                                            : FControlLook.CommentColor();
            c.Brush().SetColor(color);
            c.Pen().SetColor(color);
            c.Polygon({{cell.Right - 7, cell.Top}, {cell.Right - 2, cell.Top}, {cell.Right - 2, cell.Top + 5}});
            c.Brush().SetColor(Color());
        }
        break;
    case ctButton:
    case ctBitButton:
    case ctExpand:
        paintCellButton(cp, L, T);
        break;
    case ctShape:
        DrawCellShape(c, L, T, cp.gw - 1, cp.gh - 1, static_cast<TCellShape>(g.CellAngle),
                      static_cast<TColor>(g.CellIndex), colorOf(g.CellColor));
        break;
    case ctRating:
        paintRating(cp, L, T);
        break;
    default:
        break;
    }
}

void VOroDavoduRuzu::paintRating(TCellPaint& cp, int L, int T)
{
    const TCellGraphic& g = *cp.graphic;
    double value = 0;
    try {
        value = std::floor(Floats(cp.RCol, cp.ARow) * 2) / 2;
    } catch (const std::exception&) {}
    const TColor full = static_cast<TColor>(g.CellIndex);
    const TColor empty = colorOf(g.CellColor);
    for (int i = 1; i <= g.CellAngle; ++i) {
        const int x = L + (i - 1) * 18;
        DrawCellShape(cp.canvas, x, T, 16, 16, csStar, i > value ? empty : full, i > value ? empty : full);
        if (i > value && i - 1 < value)
            DrawCellShape(cp.canvas, x, T, 16, 16, csHalfStar, full, full);
    }
}

void VOroDavoduRuzu::paintCheckGraphic(TCellPaint& cp, const TRect& R, int T)
{
    const TCellGraphic& g = *cp.graphic;
    const TCellType type = g.CellType;
    const bool noText = type == ctDataCheckBox || type == ctVirtCheckBox || type == ctRowCheckBox;
    const int W = type == ctRadioButton ? FControlLook.RadioSize() : cp.gw;
    const int TW = cp.textWidth > 0 ? cp.textWidth + 2 : 0;
    int L = R.Left + 1;
    if (cp.HA == taRightJustify)
        L = (noText ? R.Right - 1 : R.Right - TW - 1) - W;
    else if (cp.HA == taCenter)
        L = TW > 0 ? R.Left + std::max(0, R.Right - TW - R.Left) / 2 - W : R.Left + (R.Right - R.Left - W) / 2;
    L = std::max(L, R.Left + 1);
    bool enabled = true;
    QueryCellEditable(cp.RCol, cp.ARow, enabled);
    TCanvas& c = cp.canvas;
    const TRect box = Rect(L, T, L + W, T + cp.gh);
    switch (type) {
    case ctCheckBox:
    case ctRowCheckBox:
        PaintCellCheckBox(c, box, g.CellBoolean, enabled, g.CellAngle > 0, FControlLook.ControlStyle(), false,
                          cbUnchecked);
        break;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString trueText = CheckTrue;
        QueryCheckTrueText(cp.RCol, cp.ARow, trueText);
        PaintCellCheckBox(c, box, GetGridCell(cp.RCol, cp.ARow) == trueText, enabled, false,
                          FControlLook.ControlStyle(), false, cbUnchecked);
        break;
    }
    case ctTriStateCheckBox:
        PaintCellCheckBox(c, box, false, enabled, false, FControlLook.ControlStyle(), true, g.CellCheckBoxState);
        break;
    default:
        PaintCellRadio(c, Rect(L + XYOffset.X, T, L + XYOffset.X + W, T + W), 1, g.CellBoolean ? 0 : -1, false,
                       !enabled, nullptr, cp.AState & gdSelected, cp.RCol, cp.ARow, FControlLook.ControlStyle(), 1.0,
                       false);
        break;
    }
}

// --- Check boxes and radio buttons -----------------------------------------------------------------

void VOroDavoduRuzu::PaintCellCheckBox(TCanvas& ACanvas, const TRect& ARect, bool Checked, bool Enabled, bool Grayed,
                                       VoGrid::TControlStyle Style, bool TriState, TCheckBoxState State)
{
    if (FControlLook.NoDisabledCheckRadioLook() || FControlLook.CheckAlwaysActive)
        Enabled = true;
    if (Style == csTheme && !(FIsComCtl6 && IsThemeActive()))
        Style = csClassic;
    if (TriState) {
        Checked = State == cbChecked;
        Grayed = State == cbGrayed;
    }
    const int size = FControlLook.CheckSize();
    const TRect square = Rect(ARect.Left, ARect.Top, ARect.Left + size, ARect.Top + size);
    const TColor background = ACanvas.Brush().Color();
    switch (Style) {
    case csClassic:
    case csFlat: {
        const int x = ARect.Left + (ARect.Right - ARect.Left - size) / 2;
        const int y = ARect.Top + (ARect.Bottom - ARect.Top - size) / 2;
        unsigned state = DFCS_BUTTONCHECK;
        if (Checked)
            state |= DFCS_CHECKED;
        if (Grayed)
            state |= 0x8 | DFCS_CHECKED;  // DFCS_BUTTON3STATE
        if (Style == csFlat)
            state |= DFCS_FLAT;
        if (!Enabled)
            state |= DFCS_INACTIVE;
        DrawFrameControl(ACanvas, Rect(x, y, x + size, y + size), DFC_BUTTON, state);
        break;
    }
    case csWinXP:
    case csQEV: {
        const int first = Style == csQEV ? 1 : 5;
        const int n = first + (Enabled ? 0 : 2) + (Checked && !Grayed ? 0 : 1);
        drawGlyph(ACanvas, QStringLiteral("VSGCHK%1").arg(n, 2, 10, QLatin1Char('0')), background, ARect.Left,
                  ARect.Top);
        break;
    }
    case csBorland: {
        const TRect& r = square;
        ACanvas.Brush().SetColor(Enabled ? clBtnFace : clBtnShadow);
        ACanvas.Pen().SetColor(clBtnFace);
        ACanvas.Rectangle(r);
        const auto line = [&](TColor color, int x1, int y1, int x2, int y2) {
            ACanvas.Pen().SetColor(color);
            ACanvas.MoveTo(x1, y1);
            ACanvas.LineTo(x2, y2);
        };
        line(clBtnHighlight, r.Left, r.Bottom - 1, r.Left, r.Top);
        line(clBtnHighlight, r.Left, r.Top, r.Right - 1, r.Top);
        line(clBtnShadow, r.Right - 1, r.Top, r.Right - 1, r.Bottom - 1);
        line(clBtnShadow, r.Right - 1, r.Bottom - 1, r.Left, r.Bottom - 1);
        if (Checked) {
            const TColor mark = Enabled ? FControlLook.Color() : TColor(0x808080);
            const int h = size / 2;
            line(mark, r.Left + 2, r.Top + h, r.Left + 2, r.Bottom - 2);
            line(mark, r.Left + 3, r.Top - 1 + h, r.Left + 3, r.Bottom - 3);
            line(mark, r.Left + 2, r.Bottom - 2, r.Right - 2, r.Top + 2);
            line(mark, r.Left + 3, r.Bottom - 2, r.Right - 1, r.Top + 2);
        }
        ACanvas.Brush().SetColor(background);
        break;
    }
    case csGlyph: {
        const TBitmap& glyph = Checked ? FControlLook.CheckedGlyph() : FControlLook.UnCheckedGlyph();
        if (!glyph.Empty())
            DrawBitmapTransparent(ACanvas, glyph, background, square);
        break;
    }
    case csTheme: {
        const int state = Grayed ? (Enabled ? 9 : 12) : Checked ? (Enabled ? 5 : 8) : (Enabled ? 1 : 4);
        TThemeData(QStringLiteral("button")).DrawBackground(ACanvas, BP_CHECKBOX, state, square);
        break;
    }
    }
}

void VOroDavoduRuzu::PaintCellRadio(TCanvas& ACanvas, const TRect& ARect, int Count, int Index, bool Horizontal,
                                    bool Disabled, const TStringList* Items, bool Selected, int ACol, int ARow,
                                    VoGrid::TControlStyle Style, double Scale, bool Upward)
{
    if (FControlLook.NoDisabledCheckRadioLook() || FControlLook.RadioAlwaysActive)
        Disabled = false;
    if (Style == csTheme && !IsThemeActive())
        Style = csClassic;
    if (Selected && ShowSelection && SelectionTextColor != clNone)
        ACanvas.Font().SetColor(SelectionTextColor);
    const QString raw = GetGridCell(ACol, ARow);
    const bool bitmapStyle =
        Style == csWinXP || Style == csQEV || Style == csGlyph || Style == csTheme || Style == csBorland;
    const int lineHeight = std::max(ACanvas.TextHeight(QStringLiteral("gh")), bitmapStyle ? 16 : 0);
    const int radioSize = static_cast<int>(
        std::lround((Style == csFlat ? FControlLook.RadioSize() + 2 : FControlLook.RadioSize()) * Scale));
    const TColor background = ACanvas.Brush().Color();
    ACanvas.SetBkMode(TRANSPARENT);
    int textsBefore = 0;
    for (int i = 1; i <= Count; ++i) {
        const QString text = Items && i - 1 < Items->Count() ? (*Items)[i - 1] : QString();
        const bool checked = Index == i - 1 || (Index == -1 && Items && text == raw);
        int x = 0;
        int y = 0;
        int textX = 0;
        if (Horizontal) {
            x = bitmapStyle ? ARect.Left + 16 * i - 14 + textsBefore
                            : ARect.Left + (i - 1) * (radioSize + 4) + textsBefore + 2;
            y = ARect.Top;
            textX = bitmapStyle ? x + 16 : x + static_cast<int>(std::lround((FControlLook.RadioSize() + 4) * Scale));
            textsBefore += ACanvas.TextWidth(text) + (bitmapStyle ? 0 : 4);
        } else {
            const int step = Upward ? -(i - 1) : i - 1;
            x = ARect.Left + 2;
            y = (Upward ? ARect.Bottom - lineHeight : ARect.Top) + step * lineHeight;
            textX = Style == csBorland || Style == csTheme ? ARect.Left + 20
                    : bitmapStyle                          ? ARect.Left + 18
                                  : x + static_cast<int>(std::lround((FControlLook.RadioSize() + 4) * Scale));
        }
        switch (Style) {
        case csClassic:
        case csFlat: {
            unsigned state = DFCS_BUTTONRADIO;
            if (Style == csFlat)
                state |= DFCS_FLAT;
            if (Disabled)
                state |= DFCS_INACTIVE;
            if (checked)
                state |= DFCS_CHECKED;
            DrawFrameControl(ACanvas, Rect(x, y, x + radioSize, y + radioSize), DFC_BUTTON, state);
            break;
        }
        case csBorland: {
            ACanvas.Brush().SetColor(clBtnFace);
            ACanvas.Pen().SetColor(checked ? TColor(0x808080) : clWhite);
            ACanvas.Polygon({{x + 2, y + 8}, {x + 8, y + 2}, {x + 14, y + 8}, {x + 8, y + 14}});
            if (checked) {
                ACanvas.Brush().SetColor(FControlLook.Color());
                ACanvas.Pen().SetColor(FControlLook.Color());
                ACanvas.Polygon({{x + 6, y + 8}, {x + 8, y + 6}, {x + 10, y + 8}, {x + 8, y + 10}});
            }
            ACanvas.Brush().SetColor(background);
            break;
        }
        case csTheme:
            TThemeData(QStringLiteral("button"))
                .DrawBackground(ACanvas, BP_RADIOBUTTON, checked ? (Disabled ? 8 : 5) : (Disabled ? 4 : 1),
                                Rect(x, y, x + 16, y + 16));
            break;
        case csWinXP:
        case csQEV: {
            const int n = (Style == csQEV ? 1 : 5) + (Disabled ? 2 : 0) + (checked ? 0 : 1);
            drawGlyph(ACanvas, QStringLiteral("VSGRAD%1").arg(n, 2, 10, QLatin1Char('0')), background, x, y);
            break;
        }
        case csGlyph: {
            const TBitmap& glyph = checked ? FControlLook.RadioOnGlyph() : FControlLook.RadioOffGlyph();
            DrawBitmapTransparent(ACanvas, glyph, background, Rect(x, y, x + 16, y + 16));
            break;
        }
        }
        if (!text.isEmpty())
            ACanvas.TextOut(textX, y, text);
    }
}

// --- Nodes and tree lines ---------------------------------------------------------------------------

void VOroDavoduRuzu::paintNodeGlyph(TCellPaint& cp, const TRect& R)
{
    TCanvas& c = cp.canvas;
    const int indent = FCellNode.NodeIndent();
    int left = R.Left + GetNodeIndent(cp.ARow) - indent;
    const int top = R.Top;
    const int bottom = R.Bottom;
    const int mid = top + (bottom - top) / 2;
    const bool contracted = cp.graphic->CellBoolean;
    const bool softLook = FLook == glXP || FLook == glQEV || FLook == glListView;
    if (FCellNode.ShowTree() && cp.ARow >= FixedRows()) {
        c.Pen().SetColor(FCellNode.TreeColor());
        c.Pen().SetWidth(1);
        const int x = left + indent / 2 + 2;
        const int level = GetNodeLevel(cp.ARow);
        const bool nextIndented = cp.ARow + 1 < RowCount() && GetNodeIndent(cp.ARow + 1) > GetNodeIndent(cp.ARow);
        const bool nextLess = cp.ARow + 1 < RowCount() && GetNodeLevel(cp.ARow + 1) < level;
        if (nextIndented && !(contracted && nextLess)) {
            c.MoveTo(x, mid);
            c.LineTo(x, bottom);
        }
        if (cp.ARow - 1 >= FixedRows() && GetNodeIndent(cp.ARow - 1) >= GetNodeIndent(cp.ARow)) {
            c.MoveTo(x, top);
            c.LineTo(x, top + 6);
        }
    }
    if (cp.ACol < FixedCols() && softLook && !Flat)
        ++left;
    const int glyphLeft = R.Left + GetNodeIndent(cp.ARow) - indent / 2 - 4;
    TColor back = c.Brush().Color();
    if (back == clNone)
        back = FixedCols() > 0 ? FixedColor() : Color();
    if (ShowSelection && (cp.AState & gdSelected) && !FMouseActions.DisjunctRowSelect())
        back = SelectionColor;
    const int boxTop = mid - 4;
    switch (FCellNode.NodeType()) {
    case cnLeaf:
        drawGlyph(c, contracted ? QStringLiteral("VSGLEAFCLOSE") : QStringLiteral("VSGLEAFOPEN"), back, glyphLeft,
                  top + (bottom - top - 16) / 2);
        return;
    case cnXP:
        drawGlyph(c, contracted ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"), back, glyphLeft + 4,
                  top + (bottom - top - 9) / 2);
        return;
    case cnGlyph:
        if (!FCellNode.ExpandGlyph().Empty() && !FCellNode.ContractGlyph().Empty()) {
            const TBitmap& glyph = contracted ? FCellNode.ContractGlyph() : FCellNode.ExpandGlyph();
            const int y = top + (bottom - top - glyph.Height()) / 2;
            DrawBitmapTransparent(c, glyph, back, Rect(glyphLeft, y, glyphLeft + glyph.Width(), y + glyph.Height()));
            return;
        }
        [[fallthrough]];
    case cn3D: {
        TRect edge = Rect(glyphLeft + 4, boxTop, glyphLeft + 13, boxTop + 9);
        c.Brush().SetColor(FCellNode.Color);
        c.FillRect(edge);
        DrawEdge(c, edge, contracted ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
        c.Brush().SetColor(back);
        return;
    }
    default: {
        const int bx = glyphLeft + 4;
        c.Brush().SetColor(FCellNode.Color);
        c.Pen().SetColor(FCellNode.NodeColor);
        c.Rectangle(bx, boxTop, bx + 9, boxTop + 9);
        c.MoveTo(bx + 2, boxTop + 4);
        c.LineTo(bx + 7, boxTop + 4);
        if (contracted) {
            c.MoveTo(bx + 4, boxTop + 2);
            c.LineTo(bx + 4, boxTop + 7);
        }
        c.Brush().SetColor(back);
        return;
    }
    }
}

void VOroDavoduRuzu::paintTreeLines(TCellPaint& cp)
{
    TCanvas& c = cp.canvas;
    const int indent = FCellNode.NodeIndent();
    const int level = GetNodeLevel(cp.ARow);
    const int left = cp.R.Left + GetNodeIndent(cp.ARow);
    const int x = left + indent / 2 - indent + 2;
    const int top = cp.R.Top;
    const int bottom = cp.R.Bottom;
    const int mid = top + (bottom - top) / 2;
    c.Pen().SetColor(FCellNode.TreeColor());
    c.Pen().SetWidth(1);
    const auto line = [&](int x1, int y1, int x2, int y2) {
        c.MoveTo(x1, y1);
        c.LineTo(x2, y2);
    };
    if (level > 0)
        line(x, mid, FCellNode.ShowTreeFull() ? cp.R.Right : left + 4, mid);
    const int span = GetNodeSpanType(cp.ARow);
    if (span == 1)
        line(x, top, x, mid);
    else if (span == 2)
        line(x, top, x, bottom + 4);
    const bool last = cp.ARow >= RowCount() - 1;
    const bool nextTopLevel = !last && GetNodeLevel(cp.ARow + 1) == 0;
    for (int i = 1; i <= level; ++i) {
        const int xi = x - indent * i;
        if ((last || nextTopLevel) && i < level) {
            line(xi, top, xi, mid);
            line(xi, mid, x + indent - indent * i, mid);
        } else if (!(last || nextTopLevel)) {
            line(xi, top, xi, bottom + 4);
        } else {
            line(xi, top, xi, mid);
        }
    }
    c.Pen().SetStyle(psSolid);
}

// --- Buttons ---------------------------------------------------------------------------------------

void VOroDavoduRuzu::paintCellButton(TCellPaint& cp, int L, int T)
{
    TCanvas& c = cp.canvas;
    TCellGraphic& g = *cp.graphic;
    const TRect cell = cp.R;
    TRect b = Rect(L, T, L + cp.gw, T + cp.gh);
    if (g.CellType == ctExpand)
        b = Rect(cell.Right - 14, cell.Top + 1, cell.Right - 1, cell.Top + 14);
    g.CellValue = ((b.Top - cell.Top) << 16) | ((b.Left - cell.Left) & 0xFFFF);
    const TColor savedBrush = c.Brush().Color();
    c.Brush().SetColor(clBtnFace);
    bool enabled = true;
    if (!FControlLook.NoDisabledButtonLook())
        QueryCellEditable(cp.RCol, cp.ARow, enabled);
    const int look = buttonLook();
    int state = g.CellBoolean ? 2 : 0;
    if (!enabled && g.CellType != ctExpand)
        state = 3;
    DrawPushButton(c, b, FTones, state, look);
    const int shift = state == 2 ? 1 : 0;
    if (g.CellType == ctExpand) {
        c.Pen().SetColor(clBlack);
        c.Pen().SetWidth(1);
        const int r = b.Right;
        const int t = b.Top;
        if (!g.CellVar.toBool())
            c.Polyline({{r - 10, t + 5}, {r - 7, t + 8}, {r - 3, t + 4}});
        else
            c.Polyline({{r - 10, t + 8}, {r - 7, t + 5}, {r - 3, t + 9}});
    } else {
        TRect text = Rect(b.Left + 1 + shift, b.Top + shift, b.Right + shift, b.Bottom + shift);
        if (g.CellType == ctBitButton) {
            if (const auto* glyph = dynamic_cast<const TBitmap*>(g.CellBitmap); glyph && !glyph->Empty()) {
                const int gy = glyph->Height() > b.Height() ? b.Top + 3 : b.Top + (b.Height() - glyph->Height()) / 2;
                const bool atLeft = !g.CellText.isEmpty() || glyph->Width() > b.Width();
                const int gx = atLeft ? b.Left + 3 : b.Left + (b.Width() - glyph->Width()) / 2;
                DrawBitmapTransparent(c, *glyph, clBtnFace,
                                      Rect(gx + shift, gy + shift, gx + glyph->Width(), gy + glyph->Height()));
                if (atLeft)
                    text.Left = gx + glyph->Width() + 4;
            }
        }
        if (look == 3) {
            const TColorTone& tone = state == 3 ? FTones.Disabled : state == 2 ? FTones.Selected : FTones.Background;
            c.Font().SetColor(tone.TextColor);
        }
        c.SetBkMode(TRANSPARENT);
        const unsigned flags =
            DT_CENTER | DT_VCENTER | DT_END_ELLIPSIS | (g.CellText.contains(u'\r') ? DT_WORDBREAK : DT_SINGLELINE);
        c.DrawText(g.CellText, text, flags);
    }
    c.Brush().SetColor(savedBrush);
}
