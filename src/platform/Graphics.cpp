#include "platform/Graphics.h"
#include "platform/QtAccess.h"

#include <QFontMetrics>
#include <array>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace {

// The fixed classic palette behind the system colours, indexed by the low byte.
constexpr std::array<TColor, 31> kSystemPalette = {
    RGB(212, 208, 200),  // scroll bar
    RGB(58, 110, 165),   // background
    RGB(10, 36, 106),    // active caption
    RGB(128, 128, 128),  // inactive caption
    RGB(212, 208, 200),  // menu
    RGB(255, 255, 255),  // window
    RGB(0, 0, 0),        // window frame
    RGB(0, 0, 0),        // menu text
    RGB(0, 0, 0),        // window text
    RGB(255, 255, 255),  // caption text
    RGB(212, 208, 200),  // active border
    RGB(212, 208, 200),  // inactive border
    RGB(128, 128, 128),  // application workspace
    RGB(10, 36, 106),    // highlight
    RGB(255, 255, 255),  // highlight text
    RGB(212, 208, 200),  // button face
    RGB(128, 128, 128),  // button shadow
    RGB(128, 128, 128),  // gray text
    RGB(0, 0, 0),        // button text
    RGB(212, 208, 200),  // inactive caption text
    RGB(255, 255, 255),  // button highlight
    RGB(64, 64, 64),     // 3-D dark shadow
    RGB(212, 208, 200),  // 3-D light
    RGB(0, 0, 0),        // info text
    RGB(255, 255, 225),  // info background
    RGB(181, 181, 181),  // unused
    RGB(0, 0, 128),      // hot light
    RGB(166, 202, 240),  // gradient active caption
    RGB(192, 192, 192),  // gradient inactive caption
    RGB(49, 106, 197),   // menu highlight
    RGB(212, 208, 200),  // menu bar
};

// Rounds a * b / c to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c)
{
    const long long n = static_cast<long long>(a) * b;
    const long long q = (std::llabs(n) * 2 + c) / (2LL * c);
    return static_cast<int>(n < 0 ? -q : q);
}

}  // namespace

TColor ColorToRGB(TColor color)
{
    if (static_cast<std::uint32_t>(color) >> 24 == 0xFF) {
        const auto index = static_cast<std::size_t>(color & 0xFF);
        return index < kSystemPalette.size() ? kSystemPalette[index] : clBlack;
    }
    if (color == clNone || color == clDefault)
        return clBlack;
    return color & 0xFFFFFF;
}

QColor ColorToQColor(TColor color)
{
    const TColor c = ColorToRGB(color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor QColorToColor(const QColor& color)
{
    return RGB(color.red(), color.green(), color.blue());
}

void TGraphicsObject::Changed()
{
    if (OnChange)
        OnChange(this);
}

// ---------------------------------------------------------------------------------------------

void TFont::SetName(const QString& name)
{
    if (name == name_)
        return;
    name_ = name;
    shapeChanged();
}

int TFont::Size() const
{
    return -mulDiv(height_, 72, PixelsPerInch);
}

void TFont::SetSize(int points)
{
    SetHeight(-mulDiv(points, PixelsPerInch, 72));
}

void TFont::ScaleSize(int M, int D)
{
    if (D != 0)
        SetSize(mulDiv(Size(), M, D));
}

void TFont::SetHeight(int pixels)
{
    if (pixels == height_)
        return;
    height_ = pixels;
    shapeChanged();
}

void TFont::SetStyle(TFontStyles style)
{
    if (style == style_)
        return;
    style_ = style;
    shapeChanged();
}

void TFont::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TFont::SetOrientation(int tenths)
{
    if (tenths == orientation_)
        return;
    orientation_ = tenths;
    Changed();
}

void TFont::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TFont*>(&source);
    if (!other || *other == *this)
        return;
    const bool sameShape = name_ == other->name_ && height_ == other->height_ && style_ == other->style_;
    name_ = other->name_;
    height_ = other->height_;
    style_ = other->style_;
    color_ = other->color_;
    orientation_ = other->orientation_;
    if (!sameShape) {
        qfont_ = other->qfont_;  // made for the same name, height and style
        metrics_ = other->metrics_;
    }
    Changed();
}

bool TFont::operator==(const TFont& other) const
{
    return name_ == other.name_ && height_ == other.height_ && style_ == other.style_ && color_ == other.color_ &&
           orientation_ == other.orientation_;
}

// The name, height or style changed: the Qt font is made anew when next asked for.
void TFont::shapeChanged()
{
    qfont_.reset();
    metrics_.reset();
    Changed();
}

namespace {

// A Qt font with its metrics, made once per name, height and style: text drawn in many fonts in
// turn (cell markup) finds them again instead of resolving the family every time.
struct TQtFont {
    QFont font;
    QFontMetrics metrics;
};

QFont makeQFont(const QString& name, int height, TFontStyles style)
{
    QFont font(name);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    font.setBold(style & fsBold);
    font.setItalic(style & fsItalic);
    font.setUnderline(style & fsUnderline);
    font.setStrikeOut(style & fsStrikeOut);
    constexpr int defaultCharHeight = 11;
    if (height < 0) {
        font.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the whole cell: the largest character height whose cell fits.
        int size = height;
        font.setPixelSize(size);
        while (size > 1 && QFontMetrics(font).height() > height)
            font.setPixelSize(--size);
    } else {
        font.setPixelSize(defaultCharHeight);
    }
    return font;
}

struct TQtFontKey {
    QString name;
    int height;
    TFontStyles style;
    bool operator==(const TQtFontKey&) const = default;
};

struct TQtFontKeyHash {
    std::size_t operator()(const TQtFontKey& k) const
    {
        return qHash(k.name) ^ (static_cast<std::size_t>(k.height) * 31u) ^ (static_cast<std::size_t>(k.style) << 20);
    }
};

const TQtFont& qtFont(const QString& name, int height, TFontStyles style)
{
    constexpr std::size_t maxKept = 512;
    thread_local std::unordered_map<TQtFontKey, TQtFont, TQtFontKeyHash> kept;
    const TQtFontKey key{name, height, style};
    if (const auto it = kept.find(key); it != kept.end())
        return it->second;
    if (kept.size() >= maxKept)
        kept.clear();
    const QFont font = makeQFont(name, height, style);
    return kept.emplace(key, TQtFont{font, QFontMetrics(font)}).first->second;
}

}  // namespace

const QFontMetrics& TFont::Metrics() const
{
    if (!metrics_)
        metrics_.emplace(qtFont(name_, height_, style_).metrics);
    return *metrics_;
}

QFont TFont::ToQFont() const
{
    if (!qfont_)
        qfont_ = qtFont(name_, height_, style_).font;
    return *qfont_;
}

// ---------------------------------------------------------------------------------------------

void TPen::SetColor(TColor color)
{
    if (color == color_)
        return;
    color_ = color;
    Changed();
}

void TPen::SetWidth(int width)
{
    if (width == width_)
        return;
    width_ = width;
    Changed();
}

void TPen::SetStyle(TPenStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TPen::SetMode(TPenMode mode)
{
    if (mode == mode_)
        return;
    mode_ = mode;
    Changed();
}

void TPen::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TPen*>(&source);
    if (!other)
        return;
    color_ = other->color_;
    width_ = other->width_;
    style_ = other->style_;
    mode_ = other->mode_;
    Changed();
}

void TBrush::SetColor(TColor color)
{
    if (color == color_ && style_ == bsSolid)
        return;
    color_ = color;
    // Choosing a colour makes a clear brush solid again.
    style_ = bsSolid;
    Changed();
}

void TBrush::SetStyle(TBrushStyle style)
{
    if (style == style_)
        return;
    style_ = style;
    Changed();
}

void TBrush::Assign(const TPersistent& source)
{
    const auto* other = dynamic_cast<const TBrush*>(&source);
    if (!other)
        return;
    color_ = other->color_;
    style_ = other->style_;
    Changed();
}
