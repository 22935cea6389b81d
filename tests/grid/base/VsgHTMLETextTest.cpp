#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

#include <gtest/gtest.h>

TEST(VsgHTMLEText, EscapeNamesCharacters) {
    EXPECT_EQ(HtmlEscape("a&b\"<c>", false), "a&amp;b&quot;&lt;c&gt;");
    EXPECT_EQ(HtmlEscape(QString::fromUtf8("\u00E9\u20AC\u00D5"), true), "&eacute;&euro;&Otilde;");
    EXPECT_EQ(HtmlEscape(QString::fromUtf8("\u00E9"), false), QString::fromUtf8("\u00E9"));
    EXPECT_EQ(HtmlUnescape("&lt;b&gt; &amp;eacute; &Eacute; &bogus;", true), QString::fromUtf8("<b> &eacute; \u00C9 &bogus;"));
    EXPECT_EQ(HtmlUnescape("&eacute;", false), "&eacute;");
}

TEST(VsgHTMLEText, EscapeRoundTripsEveryText) {
    for (const QString& text : {QString("*amp;"), QString("&amp;"), QString("&eacute; and \u00E9"),
                                QString("&&amp;;*amp;&lt;"), QString::fromUtf8("\u00AB\"x\"\u00BB &copy"),
                                QString()})
        for (const bool accents : {false, true})
            EXPECT_EQ(HtmlUnescape(HtmlEscape(text, accents), accents), text) << text.toStdString() << accents;
}
