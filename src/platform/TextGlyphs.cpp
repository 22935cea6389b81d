#include "platform/TextGlyphs.h"

#include <QPaintEngine>
#include <QPainter>
#include <QTextLayout>
#include <QVarLengthArray>

#include <algorithm>
#include <memory>
#include <unordered_map>

namespace {

struct FontHash {
    std::size_t operator()(const QFont& font) const { return qHash(font); }
};

// Whether the font has contextual alternates, whose substitutions may look further than the neighbouring
// character. A glyph substitution table too short for its own feature list counts as having them.
bool hasContextualAlternates(const QRawFont& font)
{
    const QByteArray table = font.fontTable("GSUB");
    const auto word = [&table](qsizetype at) {
        return at >= 0 && at + 2 <= table.size()
                   ? (static_cast<uchar>(table[at]) << 8) | static_cast<uchar>(table[at + 1])
                   : -1;
    };
    if (table.isEmpty())
        return false;
    const int list = word(6);  // the feature list: a count, then records of a tag and an offset
    const int count = word(list);
    if (list < 0 || count < 0 || list + 2 + 6 * qsizetype(count) > table.size())
        return true;
    for (int i = 0; i < count; ++i) {
        const QByteArrayView tag(table.constData() + list + 2 + 6 * i, 4);
        if (tag == "calt" || tag == "rclt")
            return true;
    }
    return false;
}

}  // namespace

TTextGlyphs& TTextGlyphs::Of(const QFont& font)
{
    constexpr std::size_t maxKept = 512;
    thread_local std::unordered_map<QFont, std::unique_ptr<TTextGlyphs>, FontHash> kept;
    // Cells drawn one after another mostly share their font: a copy of the same font compares by identity.
    thread_local QFont lastFont;
    thread_local TTextGlyphs* last = nullptr;
    if (last && font == lastFont)
        return *last;
    auto it = kept.find(font);
    if (it == kept.end()) {
        if (kept.size() >= maxKept)
            kept.clear();
        it = kept.emplace(font, std::make_unique<TTextGlyphs>(font)).first;
    }
    lastFont = font;
    last = it->second.get();
    return *last;
}

// Leaves the printable characters to be looked up, all but the soft hyphen that shaping hides. A font with
// decorations, extra spacing, changed capitals or contextual alternates leaves every character to the shaper.
TTextGlyphs::TTextGlyphs(const QFont& font) : font_(font), metrics_(font)
{
    use_.fill(Use::shaper);
    if (font.underline() || font.overline() || font.strikeOut() || font.letterSpacing() != 0 ||
        font.wordSpacing() != 0 || font.capitalization() != QFont::MixedCase)
        return;
    raw_ = QRawFont::fromFont(font);
    if (!raw_.isValid() || hasContextualAlternates(raw_))
        return;
    run_.setRawFont(raw_);
    for (char16_t c = 0x20; c < kChars; ++c)
        if (c < 0x7F || (c >= 0xA0 && c != 0xAD))
            use_[c] = Use::unknown;
}

// Looks up the text's characters not looked up yet, up to the first one past the table, all in one call: the
// table takes each whose glyph is the font's own (not a fallback's) with a whole-pixel advance.
void TTextGlyphs::lookUp(QStringView text)
{
    QVarLengthArray<QChar, kChars> chars;
    for (const QChar c : text) {
        if (c.unicode() >= kChars)
            break;
        if (use_[c.unicode()] == Use::unknown) {
            use_[c.unicode()] = Use::shaper;  // until its glyph is found below
            chars.append(c);
        }
    }
    const auto count = static_cast<int>(chars.size());
    if (count == 0)
        return;
    QVarLengthArray<quint32, kChars> glyphs(count);
    QVarLengthArray<QPointF, kChars> advances(count);
    int found = count;
    if (!raw_.glyphIndexesForChars(chars.constData(), count, glyphs.data(), &found) || found != count ||
        !raw_.advancesForGlyphIndexes(glyphs.constData(), advances.data(), count))
        return;
    for (int i = 0; i < count; ++i) {
        const QPointF a = advances[i];
        if (glyphs[i] == 0 || a.y() != 0 || a.x() != static_cast<int>(a.x()))
            continue;
        const char16_t c = chars[i].unicode();
        use_[c] = Use::table;
        glyphs_[c] = glyphs[i];
        advances_[c] = static_cast<int>(a.x());
    }
}

// Whether the table holds every character of the text and gives what shaping gives for it.
bool TTextGlyphs::covers(QStringView text)
{
    bool seen = true;
    char16_t before = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c >= kChars)
            return false;
        if (use_[c] != Use::table) {
            if (use_[c] == Use::unknown)
                lookUp(text.sliced(i));
            if (use_[c] != Use::table)
                return false;
        }
        if (i > 0 && badPairs_[before * kChars + c])
            return false;
        if (!seen_[c] || (i > 0 && !seenPairs_[before * kChars + c]))
            seen = false;
        before = c;
    }
    return seen || shapesAlike(text);
}

// Shapes the text and compares it with the table's glyphs and places. On a difference, a pair of neighbours
// that differs on its own (a ligature, a kerned pair) is left to the shaper, else the character where the
// difference starts; what came before it is confirmed.
bool TTextGlyphs::shapesAlike(QStringView text)
{
    const Difference difference = firstDifference(text);
    if (difference.at < 0) {
        learn(text, text.size());
        return true;
    }
    learn(text, difference.at);
    const qsizetype from = difference.glyph ? difference.at : difference.at - 1;
    if (from >= 0 && from + 1 < text.size() && firstDifference(text.sliced(from, 2)).at >= 0)
        badPairs_[text[from].unicode() * kChars + text[from + 1].unicode()] = true;
    else
        use_[text[difference.at].unicode()] = Use::shaper;
    return false;
}

// Where shaping the text first differs from the table: a glyph of its own or the place of one.
TTextGlyphs::Difference TTextGlyphs::firstDifference(QStringView text) const
{
    QTextLayout layout(text.toString(), font_);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    qsizetype i = 0;
    int x = 0;
    qreal start = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype g = 0; g < glyphs.size(); ++g, ++i) {
            if (i >= text.size())
                return {text.size() - 1, true};  // a glyph more
            if (i == 0)
                start = positions[g].x();
            const char16_t c = text[i].unicode();
            if (glyphs[g] != glyphs_[c])
                return {i, true};
            if (positions[g].x() - start != x)
                return {i, false};
            x += advances_[c];
        }
    }
    if (i < text.size() || line.horizontalAdvance() != x)
        return {std::min(i, text.size() - 1), true};  // a glyph fewer, or the last one's advance changed
    return {};
}

// Marks the characters before end, and the pairs among them, as confirmed.
void TTextGlyphs::learn(QStringView text, qsizetype end)
{
    for (qsizetype i = 0; i < end; ++i) {
        seen_[text[i].unicode()] = true;
        if (i > 0)
            seenPairs_[text[i - 1].unicode() * kChars + text[i].unicode()] = true;
    }
}

int TTextGlyphs::Width(QStringView text)
{
    if (!covers(text))
        return -1;
    int width = 0;
    for (const QChar c : text)
        width += advances_[c.unicode()];
    return width;
}

bool TTextGlyphs::Draw(QPainter& p, QPoint baseline, QStringView text)
{
    // Right-to-left order may move the neutral characters (the table holds no right-to-left one, so an automatic
    // direction is left to right); a turned or scaled painter places glyphs its own way; a printer or a recorded
    // picture keeps the characters, not only the glyphs.
    if (p.layoutDirection() == Qt::RightToLeft || p.deviceTransform().type() > QTransform::TxTranslate ||
        !p.paintEngine() || p.paintEngine()->type() != QPaintEngine::Raster || !covers(text))
        return false;
    const auto count = static_cast<int>(text.size());
    if (count == 0)
        return true;
    QVarLengthArray<quint32, 64> glyphs(count);
    QVarLengthArray<QPointF, 64> positions(count);
    int x = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t c = text[i].unicode();
        glyphs[i] = glyphs_[c];
        positions[i] = QPointF(x, 0);
        x += advances_[c];
    }
    run_.setRawData(glyphs.constData(), positions.constData(), count);
    p.drawGlyphRun(QPointF(baseline), run_);
    run_.setRawData(nullptr, nullptr, 0);
    return true;
}

bool TTextGlyphs::InkInside(QStringView text)
{
    return !(ink(text.front().unicode()) & inkBefore) && !(ink(text.back().unicode()) & inkAfter);
}

std::uint8_t TTextGlyphs::ink(char16_t c)
{
    if (!ink_[c]) {
        const QChar ch(c);
        ink_[c] =
            inkKnown | (metrics_.leftBearing(ch) < 0 ? inkBefore : 0) | (metrics_.rightBearing(ch) < 0 ? inkAfter : 0);
    }
    return ink_[c];
}

int TTextGlyphs::Size()
{
    std::array<QChar, kChars> all;
    for (int c = 0; c < kChars; ++c)
        all[c] = QChar(c);
    lookUp(QStringView(all.data(), kChars));
    return static_cast<int>(std::count(use_.begin(), use_.end(), Use::table));
}
