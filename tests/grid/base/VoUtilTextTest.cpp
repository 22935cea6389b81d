#include "grid/base/VoUtil/VoUtilText.h"

#include <gtest/gtest.h>

#include <QDate>

#include "grid/base/LocaleGuard.h"

namespace {

TDateTime dateOf(int y, int m, int d)
{
    TDateTime v = 0;
    EXPECT_TRUE(TryEncodeDate(y, m, d, v));
    return v;
}

QString chars(std::initializer_list<char16_t> units)
{
    QString s;
    for (char16_t u : units)
        s += QChar(u);
    return s;
}

}  // namespace

TEST(VoUtilText, HighlightUrlsLinksFirstUrlAndEscapes)
{
    QString out = "untouched";
    EXPECT_FALSE(HighlightUrls("no link here", "HTTP://", out));
    EXPECT_EQ(out, "untouched");

    ASSERT_TRUE(HighlightUrls("a<b> see www.x.org/p?q=1 and www.y.org", "WWW.", out));
    EXPECT_EQ(out, "a&lt;b&gt; see <a href=\"www.x.org/p\">www.x.org/p</a>?q=1 and www.y.org");

    ASSERT_TRUE(HighlightUrls("Mail mailto:me@x.com&y", "MAILTO:", out));
    EXPECT_EQ(out, "Mail <a href=\"mailto:me@x.com\">mailto:me@x.com</a>&y");

    // A sharp s upper-cases to two letters; positions must still be those of the text itself.
    ASSERT_TRUE(HighlightUrls(QStringLiteral("Stra\u00DFe http://x.de/a"), "HTTP://", out));
    EXPECT_EQ(out, QStringLiteral("Stra\u00DFe <a href=\"http://x.de/a\">http://x.de/a</a>"));
}

TEST(VoUtilText, UrlSchemes)
{
    EXPECT_TRUE(IsUrlText("ftp://a"));
    EXPECT_TRUE(IsUrlText("mailto:a"));
    EXPECT_FALSE(IsUrlText("MAILTO:a"));
    QString s = "see http://x.org";
    StripUrlScheme(s);
    EXPECT_EQ(s, "x.org");
    s = "mailto:me@x";
    StripUrlScheme(s);
    EXPECT_EQ(s, "me@x");
}

TEST(VoUtilText, CellTextKind)
{
    const struct {
        QString text;
        bool html;
        int kind;
    } cases[] = {
        {"", true, ctkPlain},
        {"=A1+2", false, ctkFormula},
        {QStringLiteral("|\\") + chars({0, '=', 0, 'A'}), false, ctkFormula},
        {QStringLiteral("|\\") + chars({0, 'A'}), false, ctkWide},
        {"{\\rtf1 x}", false, ctkRtf},
        {"<b>x", true, ctkPlain},
        {"<b>x</b>", true, ctkHtml},
        {"<B>x", true, ctkHtml},
        {"<B>x", false, ctkPlain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CellTextKind(c.text, c.html), c.kind) << c.text.toStdString();
}

TEST(VoUtilText, WideTextRoundTrip)
{
    const QString wide = QString::fromUtf8("A\u20AC\u00E9z");
    const QString enc = EncodeWideText(wide);
    EXPECT_EQ(enc, QStringLiteral("|\\") + chars({0, 'A', 0x20, 0xAC, 0, 0xE9, 0, 'z'}));
    EXPECT_EQ(DecodeWideText(enc), wide);
    EXPECT_EQ(DecodeWideText("plain"), "plain");
    EXPECT_EQ(DecodeWideText(QStringLiteral("|\\") + chars({0, 'A', 0})), "A");  // odd last unit ignored
    EXPECT_EQ(EncodeWideText(""), "|\\");
}

TEST(VoUtilText, ClipboardHtmlOffsetsCountUtf8Bytes)
{
    for (const QString& fragment : {QString(), QString("abc"), QString::fromUtf8("\u00E4\u20AC<b>\U0001F600</b>")}) {
        const QByteArray data = ClipboardHtmlFormat(fragment);
        const auto field = [&](const char* name) {
            const int at = data.indexOf(name) + int(strlen(name));
            return data.mid(at, 8).toInt();
        };
        ASSERT_TRUE(data.startsWith("Version:1.0\r\nStartHTML:"));
        EXPECT_EQ(field("StartHTML:"), 97);
        EXPECT_EQ(data.indexOf("<!DOCTYPE"), 97);
        const int start = field("StartFragment:");
        const int end = field("EndFragment:");
        EXPECT_EQ(QString::fromUtf8(data.mid(start, end - start)), fragment);
        EXPECT_EQ(field("EndHTML:"), data.size());
        EXPECT_TRUE(data.endsWith("<!--EndFragment--></body></html>"));
    }
}

TEST(VoUtilText, ParseCellAnchor)
{
    TPoint p{-1, -1};
    EXPECT_TRUE(ParseCellAnchor("r12c3", p));
    EXPECT_EQ(p, (TPoint{3, 12}));
    for (const char* bad : {"R1C", "X12C3", "RxC1", "R1C2x", "R1"})
        EXPECT_FALSE(ParseCellAnchor(bad, p)) << bad;
}

TEST(VoUtilText, NumberTextKind)
{
    LocaleGuard g(LocaleGuard::English());
    const struct {
        const char* text;
        int kind;
    } cases[] = {
        {"", ntkNoNumber},       {"123", ntkInteger},   {"-12.5", ntkDecimal},    {"1,234.5", ntkDecimal},
        {"1,23,4", ntkNoNumber}, {"12e5", ntkExponent}, {"-1.5e-3", ntkExponent}, {"12-34", ntkNoNumber},
        {"1.2.3", ntkNoNumber},  {"e5", ntkNoNumber},   {"5e", ntkNoNumber},      {"abc", ntkNoNumber},
        {"--5", ntkNoNumber},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberTextKind(c.text), c.kind) << c.text;
}

TEST(VoUtilText, CleanFloatText)
{
    LocaleGuard g(LocaleGuard::English());
    EXPECT_EQ(CleanFloatText("(1,234,567.89)"), "-1234567.89");
    EXPECT_EQ(CleanFloatText("$ 12.5 USD"), "12.5");
    EXPECT_EQ(CleanFloatText("-3e+2"), "-3e+2");
    EXPECT_EQ(CleanFloatText(""), "");
    LocaleGuard de(LocaleGuard::German());
    EXPECT_EQ(CleanFloatText("1.234,5"), "1234.5");
}

TEST(VoUtilText, HexOfWordIsRedGreenBlue)
{
    EXPECT_EQ(HexOfWord(0x00A0B0C0), "C0B0A0");
}

TEST(VoUtilText, ShortDateFormatIsAlwaysNumbers)
{
    // Locales whose own short date carries month names still give a format of numbers that reads back.
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedKingdom),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        LocaleGuard g(locale);
        const TRegionalSettings rs = RegionalSettings();
        EXPECT_FALSE(rs.ShortDateFormat.contains(QLatin1String("MMM"))) << rs.ShortDateFormat.toStdString();
        EXPECT_FALSE(rs.DateSeparator.isSpace());
        QString format = rs.ShortDateFormat;
        if (!format.contains(QLatin1String("yyyy")))
            format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
        const QString text = QLocale().toString(QDate(2026, 12, 10), format);
        TDateTime v = 0;
        ASSERT_TRUE(StrToDateByFormat(text, v)) << text.toStdString();
        EXPECT_DOUBLE_EQ(v, dateOf(2026, 12, 10)) << text.toStdString();
    }
}

TEST(VoUtilText, StrToDateByFormat)
{
    LocaleGuard g(LocaleGuard::German());
    TDateTime v = 0;
    ASSERT_TRUE(StrToDateByFormat("31.12.2021 10:30", v));
    EXPECT_DOUBLE_EQ(v, dateOf(2021, 12, 31) + (10 * 60 + 30) / 1440.0);
    EXPECT_TRUE(StrToDateByFormat("1.2.2020 1:02:03", v));
    EXPECT_DOUBLE_EQ(v, dateOf(2020, 2, 1) + (3600 + 120 + 3) / 86400.0);
    EXPECT_TRUE(StrToDateByFormat(" 5.3.2021", v));
    EXPECT_DOUBLE_EQ(v, dateOf(2021, 3, 5));
    for (const char* bad : {"31.12.2021 10:61", "31.12.2021 24:00", "32.1.2020", "1.13.2020", "31.2.2020", "1.x.2020",
                            "12", "1.5", "31.12.2021 1030"})
        EXPECT_FALSE(StrToDateByFormat(bad, v)) << bad;

    LocaleGuard us(LocaleGuard::English());
    ASSERT_TRUE(StrToDateByFormat("12/31/2021", v));
    EXPECT_DOUBLE_EQ(v, dateOf(2021, 12, 31));
}

TEST(VoUtilText, ShortDateReaders)
{
    EXPECT_DOUBLE_EQ(ParseDateDayFirst("5-3-21"), dateOf(2021, 3, 5));
    EXPECT_DOUBLE_EQ(ParseDateMonthFirst("3/5/99"), dateOf(1999, 3, 5));
    EXPECT_DOUBLE_EQ(ParseDateMonthFirst("3/5/25"), dateOf(2025, 3, 5));
    EXPECT_DOUBLE_EQ(ParseDateMonthFirst("3/5/26"), dateOf(1926, 3, 5));
    EXPECT_DOUBLE_EQ(ParseDateMonthFirst("3.5.2026"), dateOf(2026, 3, 5));
    // Not readable, or no such day: no date instead of an error.
    for (const char* bad : {"5-3/21", "5/3", "a/b/c", "31/2/21", "13/1/21", "0/1/21", ""})
        EXPECT_EQ(ParseDateMonthFirst(bad), 0) << bad;
    EXPECT_EQ(ParseDateDayFirst("31.2.21"), 0);
}

TEST(VoUtilText, LooksLikeDateAndAddToDate)
{
    LocaleGuard g(LocaleGuard::German());
    EXPECT_TRUE(LooksLikeDate("1.2.3"));
    EXPECT_FALSE(LooksLikeDate(".1.2"));
    EXPECT_FALSE(LooksLikeDate("1..2"));
    EXPECT_FALSE(LooksLikeDate("12"));

    const TDateTime d = dateOf(2021, 1, 31) + 0.25;
    EXPECT_DOUBLE_EQ(AddToDate(0, 0, 3, 9, d), d + 3);
    EXPECT_DOUBLE_EQ(AddToDate(2, 0, 0, 9, d), dateOf(2023, 1, 31) + 0.25);
    EXPECT_DOUBLE_EQ(AddToDate(0, -1, 0, 9, d), dateOf(2020, 12, 31) + 0.25);
    EXPECT_DOUBLE_EQ(AddToDate(0, 12, 0, 9, d), dateOf(2022, 1, 31) + 0.25);
    EXPECT_DOUBLE_EQ(AddToDate(0, 1, 0, 9, d), dateOf(2021, 2, 28) + 0.25);
    EXPECT_DOUBLE_EQ(AddToDate(1, 1, 0, 9, d), d + 9);
}

TEST(VoUtilText, MixedCaseText)
{
    EXPECT_EQ(MixedCaseText("JOHN o'BRIEN-SMITH jr."), "John O'Brien-Smith Jr.");
    EXPECT_EQ(MixedCaseText("mcdonald"), "McDonald");
    EXPECT_EQ(MixedCaseText("ronald mcdonald"), "Ronald McDonald");
    EXPECT_EQ(MixedCaseText("henry iii"), "Henry III");
    EXPECT_EQ(MixedCaseText("king ii of x"), "King Ii Of X");
}

TEST(VoUtilText, SmallHelpers)
{
    EXPECT_EQ(ClampAutoSize(5, 10, 20), 10);
    EXPECT_EQ(ClampAutoSize(50, 10, 20), 20);
    EXPECT_EQ(ClampAutoSize(5, 30, 20), 20);  // the maximum wins
    EXPECT_EQ(ClampAutoSize(5, 9, 9), 5);
    EXPECT_EQ(ClampAutoSize(50, 0, 0), 50);
    EXPECT_TRUE(CellInGridRect(Rect(1, 1, 3, 3), 3, 1));
    EXPECT_FALSE(CellInGridRect(Rect(1, 1, 3, 3), 4, 1));
    EXPECT_EQ(PosUpperCase("BC", "abc"), 2);
    EXPECT_EQ(PosUpperCase("E", QStringLiteral("\u00DF\u00DFe")), 3);
    EXPECT_EQ(PosUpperCase("SS", QStringLiteral("\u00DF")), 0);
    int pos = -1;
    EXPECT_EQ(PosStore("z", "abc", pos), 0);
    EXPECT_EQ(pos, 0);
    EXPECT_EQ(CharPositionStore('c', "abc", pos), 3);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(CountCharInText('a', "banana"), 3);
    EXPECT_EQ(CountTextLines("a\rb\rc", true), 3);
    EXPECT_EQ(CountTextLines("a\rb", false), 1);

    QString text = "one\r\ntwo\rthree";
    QString line;
    NextLine(text, true, line);
    EXPECT_EQ(line, "one");
    EXPECT_EQ(text, "two\rthree");
    NextLine(text, false, line);
    EXPECT_EQ(line, "two");
    EXPECT_EQ(text, "");
    text = "last";
    NextLine(text, true, line);
    EXPECT_EQ(line, "last");
    EXPECT_EQ(text, "");

    text = "a;b;c";
    QString token;
    ExtractToken(text, ';', token);
    EXPECT_EQ(token, "a");
    EXPECT_EQ(text, "b;c");
    text = "abc";
    ExtractToken(text, ';', token);
    EXPECT_EQ(token, "");
    EXPECT_EQ(text, "abc");

    TStringList list;
    list.Add("a");
    list.Add("bc");
    EXPECT_EQ(JoinListItems(list), "abc");
    text = "abc";
    FillStringWith(text, '*');
    EXPECT_EQ(text, "***");
}

TEST(VoUtilText, QuotesAndRuns)
{
    EXPECT_EQ(EscapeQuotes("a\"b\""), "a\"\"b\"\"");
    EXPECT_EQ(UndoubleChar('"', "a\"\"b\"\"\"c"), "a\"b\"\"c");
    EXPECT_EQ(UndoubleChar('"', "abc"), "abc");
    EXPECT_EQ(FindClosingQuote('"', "abc"), 0);
    EXPECT_EQ(FindClosingQuote('"', "a\"b"), 2);
    EXPECT_EQ(FindClosingQuote('"', "\"\"b"), 0);
    EXPECT_EQ(FindClosingQuote('"', "ab\""), 3);
    EXPECT_EQ(CountOddRuns('"', "a\"b\"c\"\"d"), 2);
}

TEST(VoUtilText, LineBreakConversions)
{
    const struct {
        QString (*convert)(const QString&);
        QString in;
        QString out;
    } cases[] = {
        {LinesToHtmlBreaks, "a\r\nb", "a<br>\nb"},
        {ExpandNewLineEscapes, "a\\nb", "a\rb"},
        {EncodeNewLineEscapes, "a\r\nb", "a\\nb"},
        {QuoteMultiLine, "a\r\nb",
         QStringLiteral("\"a\x0B"
                        "b\"")},
        {CrLfToLf, "a\r\nb\r", "a\nb\r"},
        {LineBreaksFromChar11,
         QStringLiteral("a\x0B"
                        "b"),
         "a\r\nb"},
        {LineBreaksToTilde, "a\r\nb", "a~b"},
        {TildeToLineBreaks, "a~b", "a\r\nb"},
        {TildeToLineBreaks, "^", ""},
        {TabsFromLineBreaks, "a\tb", "a\tb"},
        {TabsFromLineBreaks, QString("a\r\nb") + QChar(0), QString("a\t\bb") + QChar(1)},
        {RemoveCarriageReturns, "a\r\nb", "a\nb"},
        {CarriageReturnsToLineFeeds, "a\r\nb", "a\n\nb"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.convert(c.in), c.out) << c.in.toStdString();

    const QString tabbed = TabsFromLineBreaks(QString("x\r\ny") + QChar(0));
    EXPECT_EQ(LineBreaksFromTabs(tabbed, false), QString("x\r\ny") + QChar(0));
    EXPECT_EQ(LineBreaksFromTabs(tabbed, true), "x");
    EXPECT_EQ(LineBreaksFromTabs("a\tb", false), "a\tb");
}
