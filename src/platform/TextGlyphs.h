#pragma once
// Text measured and drawn without the shaper. A font's printable Latin-1 characters whose glyph is the font's own at a
// whole-pixel advance make a table, each character looked up the first time a text holds it; text made only of them is
// measured by adding advances and drawn as a run of glyphs, with the widths and pixels that shaping gives. The table
// learns from shaping: a text with a character or a pair of neighbours it has not seen yet is shaped once and compared;
// a pair that shaping changes on its own (a ligature, a kerned pair), or else the character where a change starts, is
// left to the shaper from then on. A font with contextual alternates, which look further than a pair, is always shaped.
// Private to the platform and its tests.
#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QPoint>
#include <QRawFont>
#include <QStringView>

#include <array>
#include <bitset>
#include <cstdint>

class QPainter;

class TTextGlyphs {
public:
    // The table of the font, made once per font and thread.
    static TTextGlyphs& Of(const QFont& font);

    explicit TTextGlyphs(const QFont& font);

    // The width of the text, or -1 when the text needs the shaper.
    int Width(QStringView text);
    // Draws the text in the painter's pen with its baseline starting at the point, the painter's font being this
    // table's. False, with nothing drawn, when the text or the painter's state needs the shaper.
    bool Draw(QPainter& p, QPoint baseline, QStringView text);
    // Whether the ink of a non-empty text the table covers stays inside its advance box: none before the first
    // glyph or after the last.
    bool InkInside(QStringView text);
    // The number of characters the table holds, every printable one looked up first.
    int Size();

private:
    static constexpr int kChars = 256;

    enum Ink : std::uint8_t { inkKnown = 1, inkBefore = 2, inkAfter = 4 };
    enum class Use : std::uint8_t { unknown, shaper, table };  // what a character is measured and drawn by

    struct Difference {
        qsizetype at = -1;   // the character, -1 for none
        bool glyph = false;  // its glyph differs, not only its place
    };

    bool covers(QStringView text);
    void lookUp(QStringView text);
    std::uint8_t ink(char16_t c);
    bool shapesAlike(QStringView text);
    Difference firstDifference(QStringView text) const;
    void learn(QStringView text, qsizetype end);

    QFont font_;
    QFontMetrics metrics_;
    QRawFont raw_;
    QGlyphRun run_;  // in the table's font, pointed at each text's glyphs while it is drawn
    std::array<Use, kChars> use_{};
    std::array<std::uint32_t, kChars> glyphs_{};  // of the characters the table holds
    std::array<int, kChars> advances_{};
    std::array<std::uint8_t, kChars> ink_{};  // Ink flags, measured when first asked
    std::bitset<kChars> seen_;                // characters shaping has confirmed
    std::bitset<kChars * kChars> seenPairs_;  // pairs of neighbours shaping has confirmed
    std::bitset<kChars * kChars> badPairs_;   // pairs of neighbours shaping changes
};
