#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

namespace {

// The "value name" lines of a compiled-in table.
std::vector<std::pair<uint, QString>> tableLines(const QString& path)
{
    HtmlEscape(QString(), true);  // makes the library register its resources
    std::vector<std::pair<uint, QString>> lines;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(' ');
        if (parts.size() == 2 && !parts[0].startsWith('#'))
            lines.emplace_back(parts[0].toUInt(nullptr, 16), parts[1]);
    }
    return lines;
}

}  // namespace

TEST(VsgHTMLEText, EscapeNamesCharacters)
{
    EXPECT_EQ(HtmlEscape("a&b\"<c>", false), "a&amp;b&quot;&lt;c&gt;");
    EXPECT_EQ(HtmlEscape(QString::fromUtf8("\u00E9\u20AC\u00D5"), true), "&eacute;&euro;&Otilde;");
    EXPECT_EQ(HtmlEscape(QString::fromUtf8("\u00E9"), false), QString::fromUtf8("\u00E9"));
    EXPECT_EQ(HtmlUnescape("&lt;b&gt; &amp;eacute; &Eacute; &bogus;", true),
              QString::fromUtf8("<b> &eacute; \u00C9 &bogus;"));
    EXPECT_EQ(HtmlUnescape("&eacute;", false), "&eacute;");
}

TEST(VsgHTMLEText, EscapeRoundTripsEveryText)
{
    for (const QString& text : {QString("*amp;"), QString("&amp;"), QString("&eacute; and \u00E9"),
                                QString("&&amp;;*amp;&lt;"), QString::fromUtf8("\u00AB\"x\"\u00BB &copy"), QString()})
        for (const bool accents : {false, true})
            EXPECT_EQ(HtmlUnescape(HtmlEscape(text, accents), accents), text) << text.toStdString() << accents;
}

TEST(VsgHTMLEText, EveryNamedCharacterRoundTrips)
{
    const auto entries = tableLines(QStringLiteral(":/gridbase/htmlentities.txt"));
    ASSERT_EQ(entries.size(), 55u);
    QString all;
    for (const auto& [code, name] : entries) {
        const QString ch(QChar(static_cast<char16_t>(code)));
        const QString named = '&' + name + ';';
        EXPECT_EQ(HtmlEscape(ch, true), named);
        EXPECT_EQ(HtmlUnescape(named, true), ch);
        all += ch;
    }
    EXPECT_EQ(HtmlUnescape(HtmlEscape(all, true), true), all);
}

TEST(VsgHTMLEText, EveryColourNameGivesItsColour)
{
    const auto entries = tableLines(QStringLiteral(":/gridbase/htmlcolors.txt"));
    ASSERT_EQ(entries.size(), 40u);
    for (const auto& [value, name] : entries) {
        EXPECT_EQ(HtmlColorNameToColor(name), static_cast<TColor>(value)) << name.toStdString();
        EXPECT_EQ(HtmlValueToColor(name.toUpper()), static_cast<TColor>(value));  // values arrive upper-cased
        EXPECT_EQ(HtmlColorNameToColor(name.toUpper()), clBlack);                 // the lookup itself wants lower case
    }
    EXPECT_EQ(HtmlColorNameToColor("clred"), clRed);
    EXPECT_EQ(HtmlColorNameToColor("clinfobk"), clInfoBk);
    EXPECT_EQ(HtmlColorNameToColor("nocolour"), clBlack);
}

TEST(VsgHTMLEText, HexColoursAndNumbers)
{
    EXPECT_EQ(HexPairToByte("FF"), 255);
    EXPECT_EQ(HexPairToByte("1a"), 26);
    EXPECT_EQ(HexPairToByte("F"), 0);
    EXPECT_EQ(HexPairToByte("ZZ"), 0);
    EXPECT_EQ(HtmlHexToColor("#FF8000"), RGB(255, 128, 0));
    EXPECT_EQ(HtmlHexToColor("#12"), RGB(0x12, 0, 0));
    EXPECT_EQ(HtmlValueToColor("#0000FF"), clBlue);

    const struct {
        const char* text;
        int value;
    } numbers[] = {{"12", 12},
                   {"  -7", -7},
                   {"+3", 3},
                   {"$1F", 31},
                   {"0x10", 16},
                   {"x0A", 10},
                   {"12px", 12},
                   {"-12px", 12},
                   {"", 0},
                   {"px", 0},
                   {"-", 0},
                   {"$", 0},
                   {"99999999999", 2147483647},
                   {"-99999999999", -2147483647}};
    for (const auto& n : numbers)
        EXPECT_EQ(StrToIntZero(n.text), n.value) << n.text;
}

TEST(VsgHTMLEText, CaseFreeSearchAndReplace)
{
    EXPECT_EQ(PosNoCase("<br>", "ab<BR>c"), 3);
    EXPECT_EQ(PosNoCase("x", "abc"), 0);
    EXPECT_EQ(PosNoCase(QString::fromUtf8("\u00E9"), QString::fromUtf8("\u00C9")), 0);  // only a to z fold
    QString text = "one <B>two</b>";
    EXPECT_TRUE(TagReplace("</B>", "</I>", text));
    EXPECT_EQ(text, "one <B>two</I>");
    EXPECT_FALSE(TagReplace("<U>", "", text));
    EXPECT_EQ(text, "one <B>two</I>");
}

TEST(VsgHTMLEText, LineBreaksSpacesAndHashTags)
{
    EXPECT_EQ(SpacesToNbsp("a b  c"), "a&nbsp;b&nbsp;&nbsp;c");
    EXPECT_EQ(LineBreaksToHtml("a\r\nb\rc\n", true), "a<BR>b<BR>c");
    EXPECT_EQ(LineBreaksToHtml("a\r\nb", false), "ab");
    EXPECT_EQ(StripHashTags("x<#name>y<#z"), "x#namey#z");
    EXPECT_EQ(StripHashTags("<b><#a>"), "<b>#a");
}

TEST(VsgHTMLEText, TagRemoval)
{
    const struct {
        const char* text;
        const char* tagsOnly;
        const char* plain;
    } cases[] = {
        {"a<b>b</b>c", "abc", "abc"}, {"x>y<b>z", "x>y<b>z", "x>y<b>z"},  // first ">" before the first "<"
        {"a<b", "a<b", "a<b"},                                            // "<" without ">"
        {"a<br>b", "ab", "a\r\nb"},   {"a<HR>b<Br>c", "abc", "a\r\nb\r\nc"},
        {"plain", "plain", "plain"},  {"<i>a</i> <b", "a <b", "a <b"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StripTagsOnly(c.text), c.tagsOnly) << c.text;
        EXPECT_EQ(StripHtmlTags(c.text), c.plain) << c.text;
    }
}

TEST(VsgHTMLEText, VisibleCharacterPositions)
{
    const QString text = "<b>ab</b>";
    const int expected[] = {0, 1, 5, 6, 0};
    for (int n = 0; n <= 4; ++n)
        EXPECT_EQ(VisibleCharPos(text, n), expected[n]) << n;
    EXPECT_EQ(VisibleCharPos("ab", 3), 3);  // the append position
    EXPECT_EQ(VisibleCharPos("", 1), 1);
    EXPECT_EQ(VisibleCharPos("a<b", 3), 3);  // a "<" without ">" is visible
}

TEST(VsgHTMLEText, MarkAndUnmark)
{
    EXPECT_EQ(MarkTextWithTag("one two one", "one", "hi", true), "<hi>one</hi> two <hi>one</hi>");
    EXPECT_EQ(MarkTextWithTag("<b>One</b> one", "one", "hi", false), "<hi><b>One</hi></b> <hi>one</hi>");
    EXPECT_EQ(MarkTextWithTag("<b>One</b>", "one", "hi", true), "<b>One</b>");
    EXPECT_EQ(MarkTextWithTag("aaa", "aa", "e", true), "<e>aa</e>a");
    EXPECT_EQ(MarkTextWithTag("a<b", "a", "hi", true), "<hi>a</hi>&lt;b");  // stray bracket: escaped plain text
    EXPECT_EQ(MarkTextWithTag("text", "", "hi", true), "text");

    // Case-blind marks land right after letters whose upper case is longer than they are.
    const struct {
        const char* text;
        const char* search;
        const char* marked;
    } caseBlind[] = {
        {"Straße abc", "abc", "Straße <hi>abc</hi>"},
        {"\uFB01x abc", "ABC", "\uFB01x <hi>abc</hi>"},
        {"<b>straße</b> Abc", "STRASSE", "<b>straße</b> Abc"},
        {"ÄÖÜ äöü", "äöü", "<hi>ÄÖÜ</hi> <hi>äöü</hi>"},
    };
    for (const auto& c : caseBlind)
        EXPECT_EQ(MarkTextWithTag(QString::fromUtf8(c.text), QString::fromUtf8(c.search), "hi", false),
                  QString::fromUtf8(c.marked))
            << c.text;

    EXPECT_EQ(UnmarkTextTag("<HI>one</hi> &lt;b&gt; <b>x</b>", "hi"), "one <b> <b>x</b>");
    const QString marked = MarkTextWithTag("x < y", "y", "e", true);
    EXPECT_EQ(UnmarkTextTag(marked, "e"), "x < y");
}

TEST(VsgHTMLEText, HighlightColoursAreShared)
{
    EXPECT_EQ(HtmlHighlightColor(), clHighlight);
    EXPECT_EQ(HtmlHighlightTextColor(), clHighlightText);
    SetHtmlHighlightColors(clYellow, clNavy);
    EXPECT_EQ(HtmlHighlightColor(), clYellow);
    EXPECT_EQ(HtmlHighlightTextColor(), clNavy);
    SetHtmlHighlightColors(clHighlight, clHighlightText);
}
