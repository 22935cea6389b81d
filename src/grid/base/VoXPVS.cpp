#include "grid/base/VoXPVS.h"

#include <algorithm>
#include <array>

#include "grid/base/VoUtil/VoUtilDraw.h"

namespace {

struct TFace {
    TColor from;
    TColor to;
    TColor border;
};

// Button faces by state: normal, hot, pressed, disabled, default.
const std::array<TFace, 5> ButtonFaces = {{
    {0xF0F0F0, 0xE5E5E5, 0xACACAC},
    {0xFBF1E5, 0xF7E4CC, 0xB17F3C},
    {0xF6E5C4, 0xEDD3A8, 0x8B622C},
    {0xF4F4F4, 0xF4F4F4, 0xB5B2AD},
    {0xF0F0F0, 0xE5E5E5, 0xFF9933},
}};

const TFace& faceOf(int state)
{
    return ButtonFaces[static_cast<size_t>(state >= 1 && state <= 5 ? state - 1 : 0)];
}

// A vertical two-colour fill inside a one-pixel border.
void drawFace(TCanvas& c, const TRect& r, const TFace& face)
{
    if (r.IsEmpty())
        return;
    DrawGradientRect(c, face.from, face.to, r.Height(), r, false);
    c.Brush().SetColor(face.border);
    c.FrameRect(r);
}

void drawArrow(TCanvas& c, const TRect& r, unsigned direction, TColor color)
{
    const int cx = r.Left + r.Width() / 2;
    const int cy = r.Top + r.Height() / 2;
    c.Pen().SetColor(color);
    c.Brush().SetColor(color);
    c.Brush().SetStyle(bsSolid);
    switch (direction) {
    case DFCS_SCROLLUP:
        c.Polygon({{cx - 3, cy + 1}, {cx + 3, cy + 1}, {cx, cy - 2}});
        break;
    case DFCS_SCROLLLEFT:
        c.Polygon({{cx + 1, cy - 3}, {cx + 1, cy + 3}, {cx - 2, cy}});
        break;
    case DFCS_SCROLLRIGHT:
        c.Polygon({{cx - 1, cy - 3}, {cx - 1, cy + 3}, {cx + 2, cy}});
        break;
    default:
        c.Polygon({{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}});
        break;
    }
}

TRect centredBox(const TRect& r, int size)
{
    return Bounds(r.Left + (r.Width() - size) / 2, r.Top + (r.Height() - size) / 2, size, size);
}

void drawCheckMark(TCanvas& c, const TRect& box, TColor color)
{
    c.Pen().SetColor(color);
    for (int dy = 0; dy < 3; ++dy) {
        c.MoveTo(box.Left + 3, box.Top + 5 + dy);
        c.LineTo(box.Left + 5, box.Top + 7 + dy);
        c.LineTo(box.Left + 10, box.Top + 2 + dy);
    }
}

// Check boxes and radio buttons: states 1-4 unchecked, 5-8 checked, 9-12 mixed (normal, hot, pressed, disabled).
void drawCheck(TCanvas& c, const TRect& r, bool radio, int state)
{
    const int kind = (std::max(state, 1) - 1) / 4;
    const int look = (std::max(state, 1) - 1) % 4;
    const TColor border = look == 3 ? 0xB5B2AD : (look == 0 ? 0x707070 : 0xB17F3C);
    const TColor fill = look == 3 ? 0xF4F4F4 : (look == 2 ? 0xF6E5C4 : clWhite);
    const TColor mark = look == 3 ? 0xB5B2AD : 0x202020;
    const TRect box = centredBox(r, 13);
    c.Pen().SetColor(border);
    c.Brush().SetColor(fill);
    c.Brush().SetStyle(bsSolid);
    if (radio) {
        c.Ellipse(box);
        if (kind >= 1) {
            c.Pen().SetColor(mark);
            c.Brush().SetColor(mark);
            c.Ellipse(box.Left + 4, box.Top + 4, box.Right - 4, box.Bottom - 4);
        }
        return;
    }
    c.Rectangle(box);
    if (kind == 1)
        drawCheckMark(c, box, mark);
    else if (kind == 2) {
        c.Brush().SetColor(mark);
        c.FillRect(Rect(box.Left + 3, box.Top + 3, box.Right - 3, box.Bottom - 3));
    }
}

void drawEdge(TCanvas& c, const TRect& r, TColor topLeft, TColor bottomRight)
{
    c.Pen().SetColor(topLeft);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen().SetColor(bottomRight);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left - 1, r.Bottom - 1);
}

TRect shrink(const TRect& r, int by)
{
    return Rect(r.Left + by, r.Top + by, r.Right - by, r.Bottom - by);
}

// The face of a classic push button, raised or sunken, or flat.
void drawClassicFace(TCanvas& c, const TRect& r, unsigned state)
{
    c.Brush().SetColor(clBtnFace);
    c.Brush().SetStyle(bsSolid);
    c.FillRect(r);
    if (state & DFCS_FLAT) {
        c.Brush().SetColor(clBtnShadow);
        c.FrameRect(r);
    } else if (state & DFCS_PUSHED) {
        drawEdge(c, r, clBtnShadow, clBtnShadow);
    } else {
        drawEdge(c, r, cl3DLight, cl3DDkShadow);
        drawEdge(c, shrink(r, 1), clBtnHighlight, clBtnShadow);
    }
}

}  // namespace

bool IsThemeActive()
{
    return true;
}

TThemeData::TThemeData(const QString& className)
{
    const QString name = className.toLower();
    class_ = name == QLatin1String("button")     ? Class::Button
             : name == QLatin1String("combobox") ? Class::ComboBox
             : name == QLatin1String("spin")     ? Class::Spin
             : name == QLatin1String("header")   ? Class::Header
             : name == QLatin1String("progress") ? Class::Progress
                                                 : Class::None;
}

void TThemeData::DrawBackground(TCanvas& c, int partId, int stateId, const TRect& r) const
{
    switch (class_) {
    case Class::Button:
        if (partId == BP_PUSHBUTTON)
            drawFace(c, r, faceOf(stateId));
        else if (partId == BP_RADIOBUTTON || partId == BP_CHECKBOX)
            drawCheck(c, r, partId == BP_RADIOBUTTON, stateId);
        break;
    case Class::ComboBox:
    case Class::Spin: {
        drawFace(c, r, faceOf(stateId));
        unsigned direction = DFCS_SCROLLDOWN;
        if (class_ == Class::Spin)
            direction = partId == SPNP_UP         ? DFCS_SCROLLUP
                        : partId == SPNP_UPHORZ   ? DFCS_SCROLLRIGHT
                        : partId == SPNP_DOWNHORZ ? DFCS_SCROLLLEFT
                                                  : DFCS_SCROLLDOWN;
        drawArrow(c, r, direction, stateId == PBS_DISABLED ? TColor(0xB5B2AD) : TColor(0x404040));
        break;
    }
    case Class::Header:
        drawFace(c, r,
                 stateId == PBS_HOT       ? TFace{0xFBF1E5, 0xF7E4CC, 0xD5D5D5}
                 : stateId == PBS_PRESSED ? TFace{0xF6E5C4, 0xEDD3A8, 0xD5D5D5}
                                          : TFace{clWhite, 0xF2F2F2, 0xD5D5D5});
        break;
    case Class::Progress:
        drawFace(c, r, partId == PP_CHUNK ? TFace{0x25B006, 0x1C8A05, 0x25B006} : TFace{0xE6E6E6, 0xE6E6E6, 0xBCBCBC});
        break;
    case Class::None:
        break;
    }
}

void DrawFrameControl(TCanvas& c, const TRect& r, unsigned type, unsigned state)
{
    const unsigned kind = state & 0xFF;
    if (type == DFC_BUTTON && kind != DFCS_BUTTONPUSH) {
        const bool radio = kind == DFCS_BUTTONRADIO;
        const int base = (state & DFCS_INACTIVE) ? 4 : (state & DFCS_PUSHED) ? 3 : 1;
        drawCheck(c, r, radio, base + ((state & DFCS_CHECKED) ? 4 : 0));
        return;
    }
    drawClassicFace(c, r, state);
    if (type != DFC_SCROLL)
        return;
    TRect glyph = r;
    if (state & DFCS_PUSHED)
        glyph = Rect(r.Left + 1, r.Top + 1, r.Right + 1, r.Bottom + 1);
    const unsigned direction = kind == DFCS_SCROLLCOMBOBOX ? DFCS_SCROLLDOWN : kind;
    if (state & DFCS_INACTIVE) {
        drawArrow(c, Rect(glyph.Left + 1, glyph.Top + 1, glyph.Right + 1, glyph.Bottom + 1), direction, clBtnHighlight);
        drawArrow(c, glyph, direction, clGrayText);
    } else {
        drawArrow(c, glyph, direction, clBtnText);
    }
}

void DrawEdge(TCanvas& c, TRect& r, unsigned edge, unsigned flags)
{
    const bool flat = flags & BF_FLAT;
    TRect inner = r;
    const auto ring = [&](bool raised, bool outer) {
        TColor topLeft = raised ? (outer ? cl3DLight : clBtnHighlight) : (outer ? clBtnShadow : cl3DDkShadow);
        TColor bottomRight = raised ? (outer ? cl3DDkShadow : clBtnShadow) : (outer ? clBtnHighlight : cl3DLight);
        if (flat)
            topLeft = bottomRight = clBtnShadow;
        drawEdge(c, inner, topLeft, bottomRight);
        inner = shrink(inner, 1);
    };
    if (edge & (BDR_RAISEDOUTER | BDR_SUNKENOUTER))
        ring(edge & BDR_RAISEDOUTER, true);
    if (edge & (BDR_RAISEDINNER | BDR_SUNKENINNER))
        ring(edge & BDR_RAISEDINNER, false);
    if (flags & BF_MIDDLE) {
        c.Brush().SetStyle(bsSolid);
        c.Brush().SetColor(clBtnFace);
        c.FillRect(inner);
    }
    if (flags & BF_ADJUST)
        r = inner;
}
