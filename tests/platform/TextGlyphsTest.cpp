#include "platform/Bitmap.h"
#include "platform/Graphics.h"
#include "platform/QtAccess.h"
#include "platform/TextGlyphs.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include <random>

namespace {

// Texts that cells and captions hold, then random runs of printable ASCII and Latin-1.
QStringList sampleTexts()
{
    QStringList texts = {"0.25",
                         "99999.25",
                         "-1,234.50",
                         "Hello, World!",
                         "AVAWAY To Ty Yo LT",
                         "fi fl ffi ffl ft",
                         "iiiiiiii WWWWWWWW",
                         "a  b   c",
                         " leading and trailing ",
                         "\"quotes\" 'single' `back`",
                         "(1) [2] {3} <4>",
                         "~!@#$%^&*_+-=|\\/?;:",
                         QString::fromUtf8("àéîõü ÿ ÄÖÜß ç ñ"),
                         QString::fromUtf8("§ ¶ © ® ° ± µ × ÷ ¼ ½ ¾"),
                         QString::fromUtf8("«guillemets» ¿¡ £ ¥ ¢"),
                         QString::fromUtf8("a\u00A0b")};
    std::mt19937 random(19);
    std::uniform_int_distribution<int> length(1, 24);
    std::uniform_int_distribution<int> ascii(0x20, 0x7E);
    std::uniform_int_distribution<int> latin(0xA0, 0xFF);
    for (int i = 0; i < 300; ++i) {
        QString text;
        const int n = length(random);
        for (int k = 0; k < n; ++k) {
            const int c = (i % 3 == 2 && k % 2 == 1) ? latin(random) : ascii(random);
            text += QChar(c == 0xAD ? 0xAE : c);
        }
        texts += text;
    }
    return texts;
}

QImage blank(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The text drawn at a translated painter, as the grid draws into a window: shaped, or from the glyph table.
QImage drawn(const QFont& font, const QString& text, TTextGlyphs* table = nullptr)
{
    const QFontMetrics fm(font);
    QImage image = blank(QSize(fm.horizontalAdvance(text) + 3 * fm.height(), 2 * fm.height()));
    QPainter p(&image);
    p.translate(3, 1);
    p.setFont(font);
    p.setPen(QColor(10, 20, 30));
    const QPoint baseline(fm.height(), fm.ascent());
    if (!table)
        p.drawText(baseline, text);
    else
        EXPECT_TRUE(table->Draw(p, baseline, text)) << text.toStdString();
    return image;
}

struct FontCase {
    const char* family;
    int height;
    TFontStyles style;
};

void PrintTo(const FontCase& f, std::ostream* os)
{
    *os << f.family << " " << f.height << " style " << int(f.style);
}

// The fonts the grid draws in (cells, bold and italic cells, larger sizes, the fixed cells' bold), then other
// families, some with ligatures: text the table covers has the shaped width and pixels, and most text is covered.
class GlyphTableFonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(GlyphTableFonts, MeasureAndDrawLikeShapedText)
{
    TFont ours;
    ours.SetName(GetParam().family);
    ours.SetHeight(GetParam().height);
    ours.SetStyle(GetParam().style);
    const QFont font = QtAccess::Font(ours);
    TTextGlyphs& glyphs = TTextGlyphs::Of(font);
    EXPECT_EQ(&glyphs, &TTextGlyphs::Of(QFont(font)));
    const QFontMetrics fm(font);
    const QStringList texts = sampleTexts();
    int covered = 0;
    for (const QString& text : texts) {
        const int width = glyphs.Width(text);
        if (width < 0)
            continue;
        ++covered;
        ASSERT_EQ(width, fm.horizontalAdvance(text)) << text.toStdString();
        ASSERT_EQ(glyphs.InkInside(text), fm.leftBearing(text.front()) >= 0 && fm.rightBearing(text.back()) >= 0)
            << text.toStdString();
        ASSERT_EQ(drawn(font, text, &glyphs), drawn(font, text)) << text.toStdString();
    }
    EXPECT_GT(covered, texts.size() * 3 / 4);
}

INSTANTIATE_TEST_SUITE_P(Fonts, GlyphTableFonts,
                         ::testing::Values(FontCase{"Tahoma", -11, 0}, FontCase{"Tahoma", -11, fsBold},
                                           FontCase{"Tahoma", -11, fsItalic},
                                           FontCase{"Tahoma", -11, fsBold | fsItalic}, FontCase{"Tahoma", -16, 0},
                                           FontCase{"Tahoma", -24, fsBold}, FontCase{"Tahoma", -8, 0},
                                           FontCase{"DejaVu Serif", -11, 0}, FontCase{"DejaVu Sans Mono", -13, 0},
                                           FontCase{"Nimbus Roman", -12, 0}, FontCase{"Nimbus Sans", -11, fsItalic},
                                           FontCase{"C059", -14, 0}, FontCase{"URW Bookman", -11, fsBold},
                                           FontCase{"Z003", -15, 0}));

// Characters are looked up as texts bring them: a table filled at once gives every text what one filled text by
// text gives, and texts in another order, first drawn or first measured, still get the shaped widths and pixels.
TEST(GlyphTable, LooksUpCharactersAsTextsBringThem)
{
    for (const char* family : {"Tahoma", "DejaVu Serif"}) {
        TFont ours;
        ours.SetName(family);
        const QFont font = QtAccess::Font(ours);
        const QFontMetrics fm(font);
        const QStringList texts = sampleTexts();
        TTextGlyphs whole(font);
        TTextGlyphs lazy(font);
        ASSERT_GT(whole.Size(), 180) << family;
        for (const QString& text : texts)
            ASSERT_EQ(lazy.Width(text), whole.Width(text)) << family << " " << text.toStdString();
        EXPECT_EQ(lazy.Size(), whole.Size()) << family;

        TTextGlyphs reversed(font);
        int covered = 0;
        for (qsizetype i = texts.size() - 1; i >= 0; --i) {
            const QString& text = texts[i];
            if (i % 2 == 0 && !text.isEmpty()) {
                QImage image = blank(QSize(20, 20));
                QPainter p(&image);
                p.setFont(font);
                if (!reversed.Draw(p, QPoint(2, 12), text))
                    continue;
            }
            const int width = reversed.Width(text);
            if (width < 0)
                continue;
            ++covered;
            ASSERT_EQ(width, fm.horizontalAdvance(text)) << family << " " << text.toStdString();
            ASSERT_EQ(drawn(font, text, &reversed), drawn(font, text)) << family << " " << text.toStdString();
        }
        EXPECT_GT(covered, texts.size() * 3 / 4) << family;
    }
}

// Text or painters the table does not cover are left to the shaper, untouched.
TEST(GlyphTable, LeavesTheRestToTheShaper)
{
    const QFont font = QtAccess::Font(TFont());
    TTextGlyphs& glyphs = TTextGlyphs::Of(font);
    EXPECT_GT(glyphs.Size(), 180);
    EXPECT_EQ(glyphs.Width(u""), 0);
    EXPECT_GT(glyphs.Width(u" a b "), 0);
    // The cell font joins "fi" into one glyph: shaping shows it once, and the pair stays with the shaper.
    EXPECT_EQ(glyphs.Width(u"fit"), -1);
    EXPECT_EQ(glyphs.Width(u"a fit"), -1);
    EXPECT_GT(glyphs.Width(u"f"), 0);
    EXPECT_GT(glyphs.Width(u"aft if"), 0);
    for (const char16_t* text :
         {u"tab\there", u"line\nbreak", u"soft\u00ADhyphen", u"\u0100rvids", u"\u0416", u"e\u0301"})
        EXPECT_EQ(glyphs.Width(text), -1) << QString::fromUtf16(text).toStdString();

    QImage image = blank(QSize(60, 20));
    QPainter p(&image);
    p.setFont(font);
    EXPECT_FALSE(glyphs.Draw(p, QPoint(2, 12), u"\u0416"));
    p.setLayoutDirection(Qt::RightToLeft);
    EXPECT_FALSE(glyphs.Draw(p, QPoint(2, 12), u"(1)"));
    p.setLayoutDirection(Qt::LeftToRight);
    p.rotate(90);
    EXPECT_FALSE(glyphs.Draw(p, QPoint(2, 12), u"abc"));
    p.end();
    EXPECT_EQ(image, blank(QSize(60, 20)));

    QPicture picture;
    QPainter recorder(&picture);
    recorder.setFont(font);
    EXPECT_FALSE(glyphs.Draw(recorder, QPoint(2, 12), u"abc"));

    TFont underlined;
    underlined.SetStyle(fsUnderline);
    EXPECT_EQ(TTextGlyphs::Of(QtAccess::Font(underlined)).Size(), 0);
}

// Contextual alternates may change a glyph for a character further away than its neighbour: a font with them
// is always shaped. The cell font under another name, its stylistic alternates turned into contextual ones.
TEST(GlyphTable, FontWithContextualAlternatesIsAlwaysShaped)
{
    QFile file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray data = file.readAll();
    const auto utf16 = [](const char* text) {
        const QString s = QString::fromLatin1(text);
        QByteArray bytes;
        for (const QChar c : s)
            bytes.append('\0').append(static_cast<char>(c.unicode()));
        return bytes;
    };
    data.replace("DejaVu Sans", "DejaVu Calt").replace(utf16("DejaVu Sans"), utf16("DejaVu Calt"));
    ASSERT_TRUE(data.contains("salt"));
    data.replace("salt", "calt");
    const int id = QFontDatabase::addApplicationFontFromData(data);
    ASSERT_GE(id, 0);
    ASSERT_EQ(QFontDatabase::applicationFontFamilies(id), QStringList{"DejaVu Calt"});
    TFont ours;
    ours.SetName("DejaVu Calt");
    EXPECT_EQ(TTextGlyphs::Of(QtAccess::Font(ours)).Size(), 0);
    EXPECT_EQ(TTextGlyphs::Of(QtAccess::Font(ours)).Width(u"abc"), -1);
    QFontDatabase::removeApplicationFont(id);
}

// The canvas draws covered text through the table: the same pixels as Qt's own text drawing.
TEST(GlyphTable, CanvasTextMatchesShapedText)
{
    TBitmap bitmap{400, 40};
    TCanvas& c = bitmap.Canvas();
    c.SetBkMode(TRANSPARENT);
    c.Font().SetColor(clNavy);
    const QFont font = QtAccess::Font(c.Font());
    const QFontMetrics fm(font);
    for (const QString& text : sampleTexts().mid(0, 40)) {
        c.Brush().SetColor(clWhite);
        c.FillRect(Rect(0, 0, 400, 40));
        c.SetBkMode(TRANSPARENT);
        TRect r = Rect(5, 3, 395, 37);
        c.DrawText(text, r, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_VCENTER | DT_RIGHT);
        c.TextOut(4, 20, text);
        const QImage ours = QtAccess::Image(bitmap).convertToFormat(QImage::Format_RGB32);

        QImage theirs = blank(QSize(400, 40));
        QPainter p(&theirs);
        p.setFont(font);
        p.setPen(ColorToQColor(clNavy));
        p.drawText(395 - fm.horizontalAdvance(text), 3 + (34 - fm.height()) / 2 + fm.ascent(), text);
        p.drawText(4, 20 + fm.ascent(), text);
        p.end();
        ASSERT_EQ(ours, theirs) << text.toStdString();
        EXPECT_EQ(c.TextWidth(text), fm.horizontalAdvance(text));
    }
}

}  // namespace
