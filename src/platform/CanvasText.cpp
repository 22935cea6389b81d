#include "platform/Graphics.h"
#include "platform/QtAccess.h"
#include "platform/TextGlyphs.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

struct Line {
    QString text;
    int accelIndex = -1;  // the underlined character, -1 when none
};

// Removes the '&' prefixes: "&&" is a literal '&', "&x" underlines x.
Line stripPrefix(const QString& text)
{
    Line line;
    line.text.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;
            if (text[i] != u'&')
                line.accelIndex = static_cast<int>(line.text.size());
        }
        line.text += text[i];
    }
    return line;
}

// The width of the text in the font: added up from the font's glyph table when it holds every character,
// else shaped.
int widthOf(const TFont& font, const QString& text)
{
    const int width = TTextGlyphs::Of(QtAccess::Font(font)).Width(text);
    return width >= 0 ? width : QtAccess::Metrics(font).horizontalAdvance(text);
}

// Gives the painter a plain pen of the colour; the pen made last is kept, so cell after cell in one colour
// makes no new pen.
void setTextPen(QPainter& p, const QColor& color)
{
    thread_local QPen pen(Qt::black);
    if (pen.color() != color)
        pen = QPen(color);
    p.setPen(pen);
}

}  // namespace

TSize TCanvas::TextExtent(const QString& text)
{
    return {widthOf(font_, text), QtAccess::Metrics(font_).height()};
}

// One line of text with its cell's top-left at (x, y); opaque fills the cell with the brush colour. It changes
// the painter's state, which the caller saves and restores around it.
void TCanvas::drawTextLine(QPainter& p, int x, int y, const QString& text, int accelIndex, bool opaque)
{
    const QFontMetrics& fm = QtAccess::Metrics(font_);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (p.testRenderHint(QPainter::TextAntialiasing))
        p.setRenderHint(QPainter::TextAntialiasing, false);
    const bool rotated = font_.Orientation() != 0;
    if (rotated) {
        p.save();
        p.translate(x, y);
        p.rotate(-font_.Orientation() / 10.0);
        x = 0;
        y = 0;
    }
    if (opaque)
        p.fillRect(QRect(x, y, widthOf(font_, text), fm.height()), ColorToQColor(brush_.Color()));
    const QColor color = ColorToQColor(font_.Color());
    const QFont font = QtAccess::Font(font_);
    if (p.font() != font)
        p.setFont(font);
    setTextPen(p, color);
    const QPoint baseline(x, y + fm.ascent());
    if (!TTextGlyphs::Of(font).Draw(p, baseline, text))
        p.drawText(baseline, text);
    if (accelIndex >= 0 && accelIndex < text.size()) {
        const int left = widthOf(font_, text.left(accelIndex));
        const int width = fm.horizontalAdvance(text.at(accelIndex));
        p.fillRect(
            QRect(x + left, y + fm.ascent() + std::max(1, fm.underlinePos()), width, std::max(1, fm.lineWidth())),
            color);
    }
    if (rotated)
        p.restore();
}

void TCanvas::TextOut(int x, int y, const QString& text)
{
    if (QPainter* p = Painter()) {
        p->save();
        drawTextLine(*p, x, y, text, -1, bkMode_ == OPAQUE);
        p->restore();
    }
    penPos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text)
{
    QPainter* p = Painter();
    if (!p)
        return;
    p->save();
    p->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
    const bool opaque = brush_.Style() != bsClear;
    if (opaque)
        fillArea(*p, QRect(r.Left, r.Top, r.Width(), r.Height()));
    // The clip keeps the text inside the rectangle, which the brush has filled already.
    drawTextLine(*p, x, y, text, -1, false);
    p->restore();
}

namespace {

// Splits at CR LF, LF or CR.
QStringList paragraphsOf(const QString& text)
{
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    unified.replace(u'\r', u'\n');
    return unified.split(u'\n');
}

// Replaces tabs with spaces up to the next stop, every eight average characters.
QString expandTabs(const QString& text, const TFont& font)
{
    const int stop = 8 * std::max(1, QtAccess::Metrics(font).averageCharWidth());
    QString out;
    for (const QChar c : text) {
        if (c != u'\t') {
            out += c;
            continue;
        }
        const int target = (widthOf(font, out) / stop + 1) * stop;
        do
            out += u' ';
        while (widthOf(font, out) < target);
    }
    return out;
}

// Breaks a line at spaces so that each piece fits the width; a word wider than the width
// stands alone, or is broken between characters with breakWords. The underlined character
// follows its piece.
std::vector<Line> wrap(const Line& line, int width, const TFont& font, bool breakWords)
{
    std::vector<Line> out;
    const QString& s = line.text;
    qsizetype start = 0;
    while (true) {
        qsizetype end = s.size();
        if (widthOf(font, s.mid(start)) > width) {
            // The last break whose piece still fits, or the end of the first word.
            qsizetype fit = -1;
            for (qsizetype i = start; i < s.size(); ++i)
                if (s[i] == u' ' && i > start) {
                    if (widthOf(font, s.mid(start, i - start)) > width)
                        break;
                    fit = i;
                }
            if (fit < 0 && breakWords) {
                fit = start + 1;
                while (fit < s.size() && s[fit] != u' ' && widthOf(font, s.mid(start, fit + 1 - start)) <= width)
                    ++fit;
            } else if (fit < 0) {
                fit = s.indexOf(u' ', start + 1);
                if (fit < 0)
                    fit = s.size();
            }
            end = fit;
        }
        Line piece{s.mid(start, end - start), -1};
        if (line.accelIndex >= start && line.accelIndex < end)
            piece.accelIndex = static_cast<int>(line.accelIndex - start);
        out.push_back(piece);
        start = end;
        while (start < s.size() && s[start] == u' ')
            ++start;
        if (start >= s.size())
            break;
    }
    return out;
}

// Cuts the line so that it and "..." fit the width.
void addEllipsis(Line& line, int width, const TFont& font)
{
    if (widthOf(font, line.text) <= width)
        return;
    const QString dots = QStringLiteral("...");
    QString s = line.text;
    while (!s.isEmpty() && widthOf(font, s + dots) > width)
        s.chop(1);
    if (line.accelIndex >= s.size())
        line.accelIndex = -1;
    line.text = s + dots;
}

}  // namespace

namespace {

// Whether the glyphs of a non-empty line stay inside its advance box: no ink before the first or after the last.
// A character outside the basic plane at either end is not measured here and counts as reaching out.
bool inkInsideAdvance(const QString& text, const QFontMetrics& fm)
{
    const QChar first = text.front();
    const QChar last = text.back();
    return !first.isSurrogate() && !last.isSurrogate() && fm.leftBearing(first) >= 0 && fm.rightBearing(last) >= 0;
}

// One transparent line without prefixes, tabs or line breaks that fits its rectangle (a line that would wrap
// or need an ellipsis does not), drawn without clipping when it stays inside. DrawText's result, or -1 when
// the text needs the general path.
int drawPlainLine(TCanvas& canvas, const QString& text, TRect& r, unsigned flags, int lineHeight)
{
    if (!(flags & DT_NOPREFIX) || canvas.BkMode() == OPAQUE || canvas.Font().Orientation() != 0)
        return -1;
    for (const QChar c : text)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            return -1;
    const bool singleLine = flags & DT_SINGLELINE;
    const QFontMetrics& fm = QtAccess::Metrics(canvas.Font());
    const QFont font = QtAccess::Font(canvas.Font());
    TTextGlyphs& glyphs = TTextGlyphs::Of(font);
    const int tableWidth = glyphs.Width(text);
    const bool covered = tableWidth >= 0;
    const int width = covered ? tableWidth : fm.horizontalAdvance(text);
    const bool wraps = !singleLine && (flags & DT_WORDBREAK);
    if (((flags & DT_END_ELLIPSIS) || wraps) && width > r.Width())
        return -1;
    if (flags & DT_CALCRECT) {
        r.Right = r.Left + width;
        r.Bottom = r.Top + lineHeight;
        return lineHeight;
    }
    // Only a single line moves down; more lines always start at the top.
    const int top = !singleLine            ? r.Top
                    : (flags & DT_VCENTER) ? r.Top + (r.Height() - lineHeight) / 2
                    : (flags & DT_BOTTOM)  ? r.Bottom - lineHeight
                                           : r.Top;
    const int x = (flags & DT_CENTER)  ? r.Left + (r.Width() - width) / 2
                  : (flags & DT_RIGHT) ? r.Right - width
                                       : r.Left;
    if (text.isEmpty())
        return top - r.Top + lineHeight;
    const bool inside = x >= r.Left && x + width <= r.Right && top >= r.Top && top + lineHeight <= r.Bottom &&
                        (covered ? glyphs.InkInside(text) : inkInsideAdvance(text, fm));
    if (!inside && !(flags & DT_NOCLIP))
        return -1;
    if (QPainter* p = QtAccess::Painter(canvas)) {
        // The painter keeps the font and pen; no state to save.
        if (p->compositionMode() != QPainter::CompositionMode_SourceOver)
            return -1;
        const bool antialiased = p->testRenderHint(QPainter::TextAntialiasing);
        if (antialiased)
            p->setRenderHint(QPainter::TextAntialiasing, false);
        if (p->font() != font)
            p->setFont(font);
        setTextPen(*p, ColorToQColor(canvas.Font().Color()));
        const QPoint baseline(x, top + fm.ascent());
        if (!covered || !glyphs.Draw(*p, baseline, text))
            p->drawText(baseline, text);
        if (antialiased)
            p->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return top - r.Top + lineHeight;
}

}  // namespace

int TCanvas::DrawText(const QString& text, TRect& r, unsigned flags)
{
    const QFontMetrics& fm = QtAccess::Metrics(font_);
    const int lineHeight = fm.height();
    const bool singleLine = flags & DT_SINGLELINE;
    if (const int plain = drawPlainLine(*this, text, r, flags, lineHeight); plain >= 0)
        return plain;

    std::vector<Line> lines;
    QStringList paragraphs = singleLine ? QStringList{text} : paragraphsOf(text);
    for (QString& paragraph : paragraphs) {
        if (singleLine)
            paragraph.remove(u'\r').remove(u'\n');
        if (flags & DT_EXPANDTABS)
            paragraph = expandTabs(paragraph, font_);
        const Line line = (flags & DT_NOPREFIX) ? Line{paragraph, -1} : stripPrefix(paragraph);
        if ((flags & DT_WORDBREAK) && !singleLine) {
            for (const Line& piece : wrap(line, r.Width(), font_, flags & DT_EDITCONTROL))
                lines.push_back(piece);
        } else {
            lines.push_back(line);
        }
    }
    if (flags & DT_END_ELLIPSIS)
        for (Line& line : lines)
            addEllipsis(line, r.Width(), font_);

    const int height = lineHeight * static_cast<int>(lines.size());
    int top = r.Top;
    if (singleLine && (flags & DT_VCENTER))
        top = r.Top + (r.Height() - lineHeight) / 2;
    else if (singleLine && (flags & DT_BOTTOM))
        top = r.Bottom - lineHeight;

    if (flags & DT_CALCRECT) {
        int widest = 0;
        for (const Line& line : lines)
            widest = std::max(widest, widthOf(font_, line.text));
        r.Right = r.Left + widest;
        r.Bottom = r.Top + height;
        return height;
    }

    if (QPainter* p = Painter()) {
        p->save();
        if (!(flags & DT_NOCLIP))
            p->setClipRect(QRect(r.Left, r.Top, r.Width(), r.Height()), Qt::IntersectClip);
        int y = top;
        // Like an edit control, leave out a last line that would show only in part.
        const bool wholeLinesOnly = (flags & DT_EDITCONTROL) && !singleLine;
        for (const Line& line : lines) {
            if (wholeLinesOnly && y != top && y + lineHeight > r.Bottom)
                break;
            int x = r.Left;
            if (flags & DT_CENTER)
                x = r.Left + (r.Width() - widthOf(font_, line.text)) / 2;
            else if (flags & DT_RIGHT)
                x = r.Right - widthOf(font_, line.text);
            drawTextLine(*p, x, y, line.text, line.accelIndex, bkMode_ == OPAQUE);
            y += lineHeight;
        }
        p->restore();
    }
    return top - r.Top + height;
}
