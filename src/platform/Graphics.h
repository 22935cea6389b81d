#pragma once
// Drawing: colours, fonts, pens, brushes and a canvas with classic GDI rules over QPainter.
#include <functional>
#include "platform/Classes.h"
#include "platform/Types.h"

#include <QFont>
#include <QFontMetrics>
#include <QRegion>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class QImage;
class QPainter;

// ---------------------------------------------------------------------------------------------
// Colours: 0x00BBGGRR for RGB, 0xFF0000nn for system colour nn.

using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b)
{
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c)
{
    return c & 0xFF;
}
constexpr int GetGValue(TColor c)
{
    return (c >> 8) & 0xFF;
}
constexpr int GetBValue(TColor c)
{
    return (c >> 16) & 0xFF;
}

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

constexpr TColor SystemColor(int index)
{
    return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index));
}
constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// The RGB value of a colour; system colours come from one fixed classic palette.
// clNone and clDefault have no RGB value and give black.
TColor ColorToRGB(TColor color);

// ---------------------------------------------------------------------------------------------
// Fonts, pens and brushes.

// Base of the canvas tools: notifies OnChange after every change.
class TGraphicsObject : public TPersistent {
public:
    TNotifyEvent OnChange;

protected:
    void Changed();
};

enum TFontStyle : std::uint8_t { fsBold = 1 << 0, fsItalic = 1 << 1, fsUnderline = 1 << 2, fsStrikeOut = 1 << 3 };
using TFontStyles = std::uint8_t;

class TFont : public TGraphicsObject {
public:
    static constexpr int PixelsPerInch = 96;

    QString Name() const { return name_; }
    void SetName(const QString& name);
    // Points at 96 dpi; the same font as Height, which is in pixels (negative: character height).
    int Size() const;
    void SetSize(int points);
    // The size times M / D, rounded half away from zero; nothing when D is 0.
    void ScaleSize(int M, int D);
    int Height() const { return height_; }
    void SetHeight(int pixels);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // Tenths of a degree, counter-clockwise.
    int Orientation() const { return orientation_; }
    void SetOrientation(int tenths);

    void Assign(const TPersistent& source) override;
    bool operator==(const TFont& other) const;

private:
    friend struct QtAccess;
    QFont ToQFont() const;
    // The metrics of that font, kept until the font changes shape.
    const QFontMetrics& Metrics() const;
    void shapeChanged();

    mutable std::optional<QFont> qfont_;
    mutable std::optional<QFontMetrics> metrics_;
    QString name_ = QStringLiteral("Tahoma");
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int orientation_ = 0;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
using enum TPenStyle;
enum class TPenMode { pmCopy, pmNot, pmXor, pmNotXor };
using enum TPenMode;

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TPenStyle Style() const { return style_; }
    void SetStyle(TPenStyle style);
    TPenMode Mode() const { return mode_; }
    void SetMode(TPenMode mode);

    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear };
using enum TBrushStyle;

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle style);

    void Assign(const TPersistent& source) override;

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
};

// ---------------------------------------------------------------------------------------------
// Canvas.

class TGraphic;

// DrawText flags.
enum : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_EXPANDTABS = 0x40,
    DT_NOCLIP = 0x100,
    DT_EXTERNALLEADING = 0x200,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_EDITCONTROL = 0x2000,
    DT_END_ELLIPSIS = 0x8000,
    DT_RTLREADING = 0x20000,
};

// Background modes for text.
enum : int { TRANSPARENT = 1, OPAQUE = 2 };

enum class TFillStyle { fsSurface, fsBorder };
using enum TFillStyle;

// A drawing surface with GDI rules: a rectangle or fill excludes its right column and bottom row,
// a line excludes its end point, text is drawn from the top-left of its cell. No anti-aliasing.
// It draws through a QPainter bound with BeginPaint, or on the image it was made for.
class TCanvas : public TPersistent {
public:
    TCanvas();
    // A canvas drawing on an image it does not own (a bitmap's canvas).
    explicit TCanvas(QImage* image);
    ~TCanvas() override;
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    // Binds a painter until EndPaint; binding nests, the innermost is used. Binding nullptr
    // makes drawing do nothing until the matching EndPaint. On a canvas without an image, the
    // outermost EndPaint drops the clip and saved states, which belong to that paint pass.
    void BeginPaint(QPainter* painter);
    void EndPaint();
    // Ends the painter on the own image so it may be resized or read as a whole.
    void ReleaseImage();

    TFont& Font() { return font_; }
    TPen& Pen() { return pen_; }
    TBrush& Brush() { return brush_; }
    const TFont& Font() const { return font_; }
    const TPen& Pen() const { return pen_; }
    const TBrush& Brush() const { return brush_; }

    TPoint PenPos() const { return penPos_; }
    void SetPenPos(TPoint p) { penPos_ = p; }
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);

    // Fills with the brush only.
    void FillRect(const TRect& r);
    // A one-pixel frame in the brush colour.
    void FrameRect(const TRect& r);
    // Outline with the pen, interior with the brush.
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int x1, int y1, int x2, int y2, int ellipseWidth, int ellipseHeight);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(const std::vector<TPoint>& points);
    void Polyline(const std::vector<TPoint>& points);
    // Fills with the brush from (x, y): fsBorder up to the colour, fsSurface over the colour.
    void FloodFill(int x, int y, TColor color, TFillStyle style);
    // The dotted focus frame, drawn by inverting.
    void DrawFocusRect(const TRect& r);

    // clNone when the pixel cannot be read or lies outside the surface.
    TColor Pixels(int x, int y);
    void SetPixel(int x, int y, TColor color);

    // Text in the font; in OPAQUE mode its cell is first filled with the brush colour.
    void TextOut(int x, int y, const QString& text);
    // Text clipped to the rectangle, which a solid brush fills first.
    void TextRect(const TRect& r, int x, int y, const QString& text);
    // Returns the text height; with DT_CALCRECT only measures and sets r's right and bottom.
    int DrawText(const QString& text, TRect& r, unsigned flags);
    TSize TextExtent(const QString& text);
    int TextWidth(const QString& text) { return TextExtent(text).cx; }
    int TextHeight(const QString& text) { return TextExtent(text).cy; }
    // TRANSPARENT or OPAQUE for TextOut and DrawText; every brush change sets it from the brush
    // style (clear: TRANSPARENT), so SetBkMode holds until the brush next changes.
    int BkMode() const { return bkMode_; }
    void SetBkMode(int mode) { bkMode_ = mode; }

    // Pictures at their own size or stretched; a transparent bitmap skips its transparent colour.
    void Draw(int x, int y, const TGraphic& graphic);
    void StretchDraw(const TRect& r, const TGraphic& graphic);

    // Clipping, in the canvas's coordinates. ClipRect is the bounds of the area drawing can reach.
    void SetClipRect(const TRect& r);
    void IntersectClipRect(const TRect& r);
    void ExcludeClipRect(const TRect& r);
    void ClearClip();
    bool HasClip() const { return clip_.has_value(); }
    TRect ClipRect();
    // Saves the clip and tools; RestoreState brings back the last saved.
    void SaveState();
    void RestoreState();

private:
    friend struct QtAccess;
    struct Binding {
        QPainter* painter;
        std::optional<QRegion> baseClip;
    };
    struct SavedState;

    void applyClip();
    QRegion currentClip() const;
    QRect surfaceRect();
    void usePen(QPainter& p);
    void strokeLine(QPainter& p, TPoint a, TPoint b);
    void fillArea(QPainter& p, const QRect& r);
    void setFillBrush(QPainter& p);
    // Outlined and filled shape inside the normalized rectangle; draw gets the rectangle less its right and bottom
    // edge.
    void drawFilledShape(int x1, int y1, int x2, int y2, const std::function<void(QPainter&, const QRect&)>& draw);
    void drawStrips(QPainter& p, const TRect& r);
    void drawTextLine(QPainter& p, int x, int y, const QString& text, int accelIndex, bool opaque);
    // The painter drawing now: the bound one, or one on the canvas's own image; nullptr when none.
    QPainter* Painter();
    QImage* readableImage();

    TFont font_;
    TPen pen_;
    TBrush brush_;
    TPoint penPos_;
    int bkMode_ = OPAQUE;
    QImage* image_ = nullptr;
    std::unique_ptr<QPainter> ownPainter_;
    std::vector<Binding> bindings_;
    std::optional<QRegion> clip_;
    std::vector<SavedState> saved_;
};

// Binds a painter to a canvas for a scope.
class TCanvasPaintGuard {
public:
    TCanvasPaintGuard(TCanvas& canvas, QPainter* painter) : canvas_(canvas) { canvas_.BeginPaint(painter); }
    ~TCanvasPaintGuard() { canvas_.EndPaint(); }
    TCanvasPaintGuard(const TCanvasPaintGuard&) = delete;
    TCanvasPaintGuard& operator=(const TCanvasPaintGuard&) = delete;

private:
    TCanvas& canvas_;
};
