#include <algorithm>

#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace vsghtmle {

namespace {

constexpr int MaxPoints = 1000;
constexpr int MaxListLevel = 1000;
constexpr int MaxOffset = 100000;

bool isNameBoundary(QChar c)
{
    return c == u' ' || c == u'<' || c == u'\t';
}

// Where the quoted value of name begins and ends in the upper-cased tag; false when absent.
bool findAttribute(const QString& upper, QLatin1StringView name, qsizetype& first, qsizetype& last)
{
    for (qsizetype at = upper.indexOf(name); at >= 0; at = upper.indexOf(name, at + 1)) {
        if (at > 0 && !isNameBoundary(upper[at - 1]))
            continue;
        qsizetype i = at + name.size();
        while (i < upper.size() && upper[i] == u' ')
            ++i;
        if (i >= upper.size() || upper[i] != u'=')
            continue;
        ++i;
        while (i < upper.size() && upper[i] == u' ')
            ++i;
        if (i >= upper.size() || upper[i] != u'"')
            return false;
        const qsizetype close = upper.indexOf(u'"', i + 1);
        if (close < 0)
            return false;
        first = i + 1;
        last = close;
        return true;
    }
    return false;
}

// Font size: "1" to "5" are the classic sizes, any other number is points.
int fontPoints(const QString& upper)
{
    const qsizetype at = upper.indexOf(QLatin1StringView("SIZE"));
    if (at < 0)
        return 0;
    qsizetype i = at + 4;
    while (i < upper.size() && (upper[i] == u'=' || upper[i] == u'"' || upper[i] == u' '))
        ++i;
    long long value = 0;
    for (; i < upper.size() && upper[i].isDigit() && upper[i].unicode() < 128; ++i)
        value = std::min<long long>(value * 10 + (upper[i].unicode() - '0'), MaxPoints);
    static const int classic[] = {8, 10, 12, 14, 16};
    if (value >= 1 && value <= 5)
        return classic[value - 1];
    return static_cast<int>(value);
}

}  // namespace

QString TTag::Attribute(QLatin1StringView name, bool upperValue) const
{
    qsizetype first = 0;
    qsizetype last = 0;
    if (!findAttribute(upper, name, first, last))
        return {};
    return upperValue ? upper.mid(first, last - first) : text.mid(first, last - first).toString();
}

bool TTag::HasAttribute(QLatin1StringView name) const
{
    qsizetype first = 0;
    qsizetype last = 0;
    return findAttribute(upper, name, first, last);
}

TColor THtmlEngine::brushColorOrNone() const
{
    return canvas_.Brush().Style() == bsClear ? clNone : canvas_.Brush().Color();
}

void THtmlEngine::setBrushColorOrClear(TColor color)
{
    if (color == clNone)
        canvas_.Brush().SetStyle(bsClear);
    else
        canvas_.Brush().SetColor(color);
}

void THtmlEngine::setStyle(TFontStyle style, bool on)
{
    TFont& font = canvas_.Font();
    font.SetStyle(on ? (font.Style() | style) : (font.Style() & ~style));
}

void THtmlEngine::lineBreak(TLinePass& p)
{
    p.broken = true;
}

void THtmlEngine::fontTag(TLinePass& p, const TTag& tag)
{
    TFont& font = canvas_.Font();
    if (const QString face = tag.Attribute(QLatin1StringView("FACE"), true); !face.isEmpty())
        font.SetName(face);
    if (!opt_.KeepColors) {
        if (const QString color = tag.Attribute(QLatin1StringView("COLOR"), true); !color.isEmpty())
            font.SetColor(HtmlValueToColor(color));
        const QString background = tag.Attribute(QLatin1StringView("BGCOLOR"), true);
        if (p.drawing() && !background.isEmpty()) {
            savedFontBrush_ = brushColorOrNone();
            canvas_.Brush().SetColor(HtmlValueToColor(background));
        }
    }
    if (const int points = fontPoints(tag.upper); points > 0)
        font.SetSize(points);
}

void THtmlEngine::paragraphTag(TLinePass& p, const TTag& tag)
{
    const QString alignment = tag.Attribute(QLatin1StringView("ALIGN"), true);
    if (alignment.contains(QLatin1StringView("RIGHT")))
        align_ = TAlign::Right;
    else if (alignment.contains(QLatin1StringView("LEFT")))
        align_ = TAlign::Left;
    else if (alignment.contains(QLatin1StringView("CENTER")))
        align_ = TAlign::Center;
    if (tag.HasAttribute(QLatin1StringView("INDENT")))
        indent_ = std::clamp(StrToIntZero(tag.Attribute(QLatin1StringView("INDENT"), true)), 0, MaxOffset);
    const QString background = tag.Attribute(QLatin1StringView("BGCOLOR"), true);
    if (p.drawing() && !background.isEmpty()) {
        paraBackground_ = true;
        savedParaBrush_ = brushColorOrNone();
        canvas_.Brush().SetColor(HtmlValueToColor(background));
        paintBand(p.r.Top, p.r.Top + lineHeight_);
    }
}

void THtmlEngine::listItemTag(TLinePass& p)
{
    if (p.listItemSeen && p.mode == TPassMode::Measure) {
        p.full = true;
        return;
    }
    p.listItemSeen = true;
    p.width += 12 * listLevel_;
    p.x += 12 * listLevel_ - 12;
    if (p.drawing()) {
        const QString name = canvas_.Font().Name();
        canvas_.Font().SetName(QStringLiteral("Symbol"));
        TRect br = Rect(p.x, p.r.Top, p.r.Right, p.bottom - lift_);
        canvas_.DrawText(listLevel_ % 2 == 1 ? QStringLiteral("\u00B7") : QStringLiteral("o"), br, flags_);
        canvas_.Font().SetName(name);
    }
    p.x += 12;
}

void THtmlEngine::openTag(TLinePass& p, const TTag& tag)
{
    const QString& u = tag.upper;
    const QChar second = u.size() > 2 ? u[2] : QChar();
    switch (u[1].unicode()) {
    case 'A':
        openAnchor(p, tag);
        break;
    case 'B':
        if (second == u'R') {
            lineBreak(p);
        } else if (second == u'L') {
            if (!opt_.BlinkOn)
                canvas_.Font().SetColor(background_);
        } else if (second == u'O') {
            bodyTag(p, tag);
        } else {
            setStyle(fsBold, true);
        }
        break;
    case 'C':
        controlTag(p, tag);
        break;
    case 'E':
        if (p.drawing())
            errorMark_ = true;
        break;
    case 'F':
        fontTag(p, tag);
        break;
    case 'H':
        if (second == u'I' && p.drawing()) {
            savedHiFont_ = canvas_.Font().Color();
            savedHiBrush_ = brushColorOrNone();
            canvas_.Brush().SetColor(HtmlHighlightColor());
            canvas_.Font().SetColor(HtmlHighlightTextColor());
        } else if (second == u'R') {
            lineBreak(p);
            if (p.drawing()) {
                const TColor pen = canvas_.Pen().Color();
                canvas_.Pen().SetColor(clBlack);
                canvas_.MoveTo(p.r.Left, p.bottom + 1);
                canvas_.LineTo(p.r.Right, p.bottom + 1);
                canvas_.Pen().SetColor(pen);
            }
        }
        break;
    case 'I':
        if (second == u'N') {
            const int n = std::min(StrToIntZero(tag.Attribute(QLatin1StringView("X"), false)), MaxOffset);
            if (n > p.width) {
                p.width = n;
                p.x = p.r.Left + n;
            }
        } else if (second == u'M') {
            pictureTag(p, tag);
        } else {
            setStyle(fsItalic, true);
        }
        break;
    case 'L':
        listItemTag(p);
        break;
    case 'P':
        paragraphTag(p, tag);
        break;
    case 'R': {
        const TRotatedFontHandle kept =
            SelectRotatedFont(canvas_, StrToIntZero(tag.Attribute(QLatin1StringView("A"), false)));
        if (!rotated_)
            rotatedKept_ = kept;
        rotated_ = true;
    } break;
    case 'S':
        if (u.startsWith(u"<SUB>"))
            sub_ = true;
        else if (u.startsWith(u"<SUP>"))
            sup_ = true;
        else if (second == u'H')
            shadow_ = true;
        else
            setStyle(fsStrikeOut, true);
        break;
    case 'U':
        if (second == u'L') {
            listLevel_ = std::min(listLevel_ + 1, MaxListLevel);
            lineBreak(p);
        } else {
            setStyle(fsUnderline, true);
        }
        break;
    case 'Z':
        hidden_ = true;
        break;
    default:
        break;
    }
}

void THtmlEngine::closeTag(TLinePass& p, const TTag& tag)
{
    const QString& u = tag.upper;
    const QChar next = u[3];
    switch (u[2].unicode()) {
    case 'A':
        closeAnchor(p);
        break;
    case 'B':
        if (next == u'>')
            setStyle(fsBold, false);
        else
            canvas_.Font().SetColor(baseFont_.Color());
        break;
    case 'E':
        if (p.drawing())
            errorMark_ = false;
        break;
    case 'F':
        canvas_.Font().SetName(baseFont_.Name());
        canvas_.Font().SetHeight(baseFont_.Height());
        if (p.drawing() && !opt_.KeepColors) {
            canvas_.Font().SetColor(baseFont_.Color());
            setBrushColorOrClear(savedFontBrush_);
        }
        break;
    case 'H':
        if (p.drawing()) {
            canvas_.Font().SetColor(savedHiFont_);
            setBrushColorOrClear(savedHiBrush_);
        }
        break;
    case 'I':
        setStyle(fsItalic, false);
        break;
    case 'L':
        lineBreak(p);
        break;
    case 'P':
        lineBreak(p);
        if (p.drawing()) {
            setBrushColorOrClear(savedParaBrush_);
            paraBackground_ = false;
        }
        break;
    case 'R':
        if (rotated_) {
            RestoreRotatedFont(canvas_, rotatedKept_);
            rotated_ = false;
        }
        break;
    case 'S':
        if (next == u'U')
            sub_ = sup_ = false;
        else if (next == u'H')
            shadow_ = false;
        else
            setStyle(fsStrikeOut, false);
        break;
    case 'U':
        if (next == u'>')
            setStyle(fsUnderline, false);
        else if (listLevel_ > 0)
            --listLevel_;
        else
            setStyle(fsUnderline, false);
        break;
    case 'Z':
        hidden_ = false;
        break;
    default:
        break;
    }
}

}  // namespace vsghtmle
