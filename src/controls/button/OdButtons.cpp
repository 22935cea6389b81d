#include "controls/button/OdButtons.h"

#include <algorithm>
#include <array>

TOdKindInfo OdKindInfo(TOdButtonKind kind)
{
    switch (kind) {
    case bkOK:
        return {1, "ODOK", QStringLiteral("OK")};
    case bkCancel:
        return {2, "ODCANCEL", QStringLiteral("Abbrechen")};
    case bkHelp:
        return {0, "ODHELP", QStringLiteral("Hilfe")};
    case bkYes:
        return {6, "ODYES", QStringLiteral("Ja")};
    case bkNo:
        return {7, "ODNO", QStringLiteral("Nein")};
    case bkClose:
        return {0, "ODCLOSE", QStringLiteral(u"Schließen")};
    case bkAbort:
        return {3, "ODABORT", QStringLiteral("Abbrechen")};
    case bkRetry:
        return {4, "ODRETRY", QStringLiteral("Wiederholen")};
    case bkIgnore:
        return {5, "ODIGNORE", QStringLiteral("Ignorieren")};
    case bkAll:
        return {12, "ODALL", QStringLiteral("Alle")};
    case bkCustom:
        break;
    }
    return {0, nullptr, QString()};
}

std::optional<TOdColorStyleColors> OdColorStyleColors(TOdColorStyle preset)
{
    switch (preset) {
    case lcsGold:
        return TOdColorStyleColors{0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, false, 0x000000, bsModern};
    case lcsChrome:
        return TOdColorStyleColors{0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, bsModern};
    case lcsBlue:
        return TOdColorStyleColors{0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, false, 0x000000, bsModern};
    case lcsRed:
        return TOdColorStyleColors{0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, false, 0x000000, bsModern};
    case lcsUltraFlat1:
        return TOdColorStyleColors{clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, true, 0x000000, bsNormal};
    case lcsUltraFlat2:
        return TOdColorStyleColors{clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, true, 0x000000, bsNormal};
    case lcsUltraFlatXP:
        return TOdColorStyleColors{0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, true, 0x000000, bsNormal};
    case lcsAqua:
        return TOdColorStyleColors{0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, false, 0x000000, bsModern};
    case lcsDefault:
        return TOdColorStyleColors{clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, false, 0x000000, bsNormal};
    case lcsQuicken:
        return TOdColorStyleColors{0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, false, 0xFFFFFF, bsQuicken};
    case lcsCustom:
        break;
    }
    return std::nullopt;
}

namespace {

std::array<int, 3> channels(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    return {GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)};
}

}  // namespace

TColor OdHotTrackBlend(TColor face, TColor hotTrack, int step)
{
    const double c = step / 8.0;
    const auto f = channels(face);
    const auto t = channels(hotTrack);
    std::array<int, 3> out{};
    for (int i = 0; i < 3; ++i)
        out[i] = static_cast<int>(f[i] * (1 - c) + t[i] * c);
    return RGB(out[0], out[1], out[2]);
}

void OdGradientFill(TCanvas& canvas, TColor a, TColor b, int left, int top, int right, int bottom)
{
    const int span = bottom - top;
    const int bandHeight = span / 31 + 1;
    const auto from = channels(a);
    const auto to = channels(b);
    std::array<double, 3> value{};
    std::array<double, 3> step{};
    for (int c = 0; c < 3; ++c) {
        value[c] = from[c];
        step[c] = (to[c] - from[c]) / 31.0;
    }
    canvas.Brush().SetStyle(bsSolid);
    for (int i = 0; i <= 31; ++i) {
        const int bandTop = top + i * span / 31;
        const TRect band = Rect(left, bandTop, right, std::min(bandTop + bandHeight, bottom));
        if (!band.IsEmpty()) {
            canvas.Brush().SetColor(
                RGB(static_cast<int>(value[0]), static_cast<int>(value[1]), static_cast<int>(value[2])));
            canvas.FillRect(band);
        }
        for (int c = 0; c < 3; ++c)
            value[c] += step[c];
    }
}

void OdLoadGlyphResource(TBitmap& bitmap, const char* name)
{
    Q_INIT_RESOURCE(OdButtonGlyphs);
    bitmap.LoadFromFile(QStringLiteral(":/odbutton/") + QLatin1String(name));
}

void OdDrawTransparentGlyph(TCanvas& canvas, const TBitmap& glyph, int x, int y, int sx, int gw, int gh)
{
    TBitmap cell;
    cell.Assign(glyph);
    cell.SetSize(gw, gh);
    cell.Canvas().Draw(-sx, 0, glyph);
    cell.Transparent = true;
    canvas.Draw(x, y, cell);
}

namespace {

constexpr TColor TransparentColor = 0xFF00FF;

TColor faceColor(const TOdFace& f, bool down)
{
    TColor color = f.FaceColor;
    if (f.Enabled && f.HotTrackColor != clNone)
        color = OdHotTrackBlend(f.FaceColor, f.HotTrackColor, f.HotTrackStep);
    if (down && f.DownColor != clNone)
        color = f.DownColor;
    return color;
}

void fill(TCanvas& canvas, TColor color, const TRect& r)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(color);
    canvas.FillRect(r);
}

void drawBackground(TCanvas& canvas, const TOdFace& f, TColor face, int d)
{
    const int W = f.Width;
    const int H = f.Height;
    switch (f.Style) {
    case bsShape:
        fill(canvas, TransparentColor, Rect(0, 0, W, H));
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        fill(canvas, face, Rect(0, 0, W, H));
        break;
    case bsModern:
        OdGradientFill(canvas, f.LightColor, face, 2, 2, W - 2, H / 4 + d);
        OdGradientFill(canvas, face, f.LightColor, 2, H / 4 + d, W - 2, H - 1);
        break;
    case bsQuicken:
        break;
    }
}

void line(TCanvas& canvas, TColor color, std::initializer_list<TPoint> points)
{
    canvas.Pen().SetColor(color);
    for (const TPoint& p : points)
        canvas.LineTo(p.X, p.Y);
}

void drawBorder(TCanvas& canvas, const TOdFace& f, TColor face, bool down)
{
    const int W = f.Width;
    const int H = f.Height;
    canvas.Brush().SetStyle(bsClear);
    canvas.Pen().SetStyle(psSolid);
    const bool framed = !f.Flat || (f.Enabled && (f.Hot || down));
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
        if (!framed)
            break;
        canvas.MoveTo(0, H - 1);
        line(canvas, down ? f.ShadowColor : f.LightColor, {Point(0, 0), Point(W - 1, 0)});
        line(canvas, down ? f.LightColor : f.ShadowColor, {Point(W - 1, H - 1), Point(0, H - 1)});
        break;
    case bsOld:
        if (!framed)
            break;
        if (down) {
            canvas.MoveTo(1, H - 3);
            line(canvas, f.ShadowColor, {Point(1, 1), Point(W - 2, 1)});
        } else {
            canvas.MoveTo(W - 2, 0);
            line(canvas, f.ShadowColor, {Point(W - 2, H - 2), Point(0, H - 2)});
        }
        canvas.MoveTo(0, H - 1);
        line(canvas, down ? cl3DDkShadow : f.LightColor, {Point(0, 0), Point(W - 1, 0)});
        line(canvas, down ? f.LightColor : cl3DDkShadow, {Point(W - 1, H - 1), Point(-1, H - 1)});
        break;
    case bsModern:
        canvas.Pen().SetColor(down ? f.ShadowColor : face);
        canvas.Rectangle(1, 1, W - 1, H - 1);
        canvas.Pen().SetColor(f.ShadowColor);
        canvas.RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        canvas.Pen().SetStyle(psClear);
        canvas.Brush().SetStyle(bsSolid);
        canvas.Brush().SetColor(face);
        canvas.RoundRect(0, 1, W, H, 4, 4);
        canvas.Brush().SetStyle(bsClear);
        canvas.Pen().SetStyle(psSolid);
        canvas.MoveTo(4, 0);
        line(canvas, f.ShadowColor, {Point(W - 5, 0)});
        canvas.MoveTo(4, H - 1);
        line(canvas, f.ShadowColor, {Point(W - 5, H - 1)});
        break;
    case bsShape:
        break;
    }
}

unsigned alignmentFormat(TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify:
        return DT_LEFT;
    case taRightJustify:
        return DT_RIGHT;
    case taCenter:
        return DT_CENTER;
    }
    return DT_LEFT;
}

// Where caption and glyph go in a face that is not bsShape.
struct TOdPlacement {
    int tx, ty, gx, gy;
};

TOdPlacement placeBeside(const TOdFace& f, int d, int gw, int gh, int tw, int th, bool hasCaption)
{
    const int W = f.Width;
    TOdPlacement p{d + 4, (f.Height - th) / 2 + d, 0, (f.Height - gh) / 2 + d};
    const int tb = hasCaption ? tw + 4 : 0;
    if (f.Layout == blGlyphLeft) {
        if (gw > 0)
            p.tx += gw + 4;
        p.gx = d + 4;
        if (!f.WordWrap && f.Alignment == taRightJustify)
            p.gx = W - 4 - gw - tb + d;
        else if (!f.WordWrap && f.Alignment == taCenter)
            p.gx = (W - gw) / 2 + d - tb / 2;
    } else {
        p.gx = p.tx + tb;
        if (!f.WordWrap && f.Alignment == taRightJustify)
            p.gx = W - 4 + d - gw;
        else if (!f.WordWrap && f.Alignment == taCenter)
            p.gx = (W - gw) / 2 + d + tb / 2;
    }
    return p;
}

TOdPlacement placeStacked(const TOdFace& f, int d, int gw, int gh, int th)
{
    const int W = f.Width;
    const int bh = th + (gh > 0 ? gh + 4 : 0);
    TOdPlacement p{d + 4, 0, 0, 0};
    if (f.Layout == blGlyphTop) {
        p.gy = (f.Height - bh) / 2 + d;
        p.ty = p.gy + gh;
    } else {
        p.ty = (f.Height - bh) / 2 + d;
        p.gy = p.ty + th;
    }
    switch (f.Alignment) {
    case taLeftJustify:
        p.gx = d + 4;
        break;
    case taRightJustify:
        p.gx = W - gw - 4 + d;
        break;
    case taCenter:
        p.gx = (W - gw) / 2 + d;
        break;
    }
    return p;
}

void drawContent(TCanvas& canvas, const TOdFace& f, bool down, int d)
{
    const int W = f.Width;
    const int H = f.Height;
    canvas.Font().Assign(*f.Font);
    if (f.Style == bsEncarta && down)
        canvas.Font().SetStyle(canvas.Font().Style() | fsBold);
    canvas.Brush().SetStyle(bsClear);
    canvas.SetBkMode(TRANSPARENT);

    const int gh = f.Glyph ? f.Glyph->Height() : 0;
    const int gw = f.Glyph && f.NumGlyphs > 0 ? f.Glyph->Width() / f.NumGlyphs : 0;
    int sx = 0;
    if (!f.Enabled)
        sx = gw;
    else if (down && f.NumGlyphs > 2)
        sx = 2 * gw;
    else if (f.Hot && f.NumGlyphs > 3)
        sx = 3 * gw;

    const unsigned format = DT_WORDBREAK | alignmentFormat(f.Alignment);
    const bool beside = f.Style != bsShape && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight);
    const int limit = std::max(0, W - 8 - (beside && gw > 0 ? gw + 4 : 0));
    QString caption = f.Caption;
    if (!f.WordWrap) {
        while (!caption.isEmpty() && canvas.TextWidth(caption) > limit)
            caption.chop(1);
    }
    TRect measured = Rect(0, 0, limit, 0);
    canvas.DrawText(caption, measured, format | DT_CALCRECT);
    const int th = measured.Height();
    const int tw = measured.Width();

    if (f.Style == bsShape) {
        if (gw > 0)
            OdDrawTransparentGlyph(canvas, *f.Glyph, (W - gw) / 2, (H - gh) / 2, sx, gw, gh);
        TRect r = Rect(d, (H - th) / 2 + d, W, H);
        canvas.DrawText(caption, r, DT_WORDBREAK | DT_CENTER);
        return;
    }
    const TOdPlacement p =
        beside ? placeBeside(f, d, gw, gh, tw, th, !caption.isEmpty()) : placeStacked(f, d, gw, gh, th);
    if (!f.Enabled)
        canvas.Font().SetColor(0x808080);
    TRect r = Rect(p.tx, p.ty, p.tx + limit, p.ty + th);
    canvas.DrawText(caption, r, format);
    if (gw > 0)
        OdDrawTransparentGlyph(canvas, *f.Glyph, p.gx, p.gy, sx, gw, gh);
}

const TBitmap& popupArrow()
{
    static TBitmap arrow;
    if (arrow.Empty()) {
        OdLoadGlyphResource(arrow, "ODARROW");
        arrow.Transparent = true;
    }
    return arrow;
}

}  // namespace

void DrawOdButtonFace(TCanvas& canvas, const TOdFace& face)
{
    const bool down = face.Enabled && face.Down;
    const int d = down && face.Style != bsEncarta ? 1 : 0;
    const TColor color = faceColor(face, down);
    drawBackground(canvas, face, color, d);
    drawBorder(canvas, face, color, down);
    drawContent(canvas, face, down, d);
    if (face.HasPopup)
        canvas.Draw(face.Width - 11, face.Height / 2 - 1, popupArrow());
}
