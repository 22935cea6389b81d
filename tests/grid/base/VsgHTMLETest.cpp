#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/QtAccess.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <random>

namespace {

constexpr TColor Paper = clWhite;

class HtmlRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.Font().SetName(QStringLiteral("DejaVu Sans"));
        c.Font().SetSize(10);
        c.Font().SetColor(clBlack);
        clear();
    }
    void clear()
    {
        c.Brush().SetColor(Paper);
        c.FillRect(Rect(0, 0, bmp.Width(), bmp.Height()));
    }
    // Width of a text in the test font with a style.
    int w(const QString& s, TFontStyles style = 0, int points = 10)
    {
        TFont saved;
        saved.Assign(c.Font());
        c.Font().SetStyle(style);
        c.Font().SetSize(points);
        const int width = c.TextWidth(s);
        c.Font().Assign(saved);
        return width;
    }
    int h(int points = 10)
    {
        TFont saved;
        saved.Assign(c.Font());
        c.Font().SetSize(points);
        const int height = c.TextHeight(QStringLiteral("gh"));
        c.Font().Assign(saved);
        return height;
    }
    THtmlRenderResult render(const QString& text, const TRect& r, THtmlRenderOptions o = {})
    {
        THtmlRenderResult res;
        last = RenderHtmlText(c, text, r, o, res);
        return res;
    }
    THtmlRenderResult measure(const QString& text, int width, bool wrap = true)
    {
        THtmlRenderOptions o;
        o.MeasureOnly = true;
        o.WordWrap = wrap;
        return render(text, Rect(0, 0, width, 10), o);
    }
    THtmlRenderResult hit(const QString& text, const TRect& r, int x, int y)
    {
        THtmlRenderOptions o;
        o.HitTestOnly = true;
        o.X = x;
        o.Y = y;
        return render(text, r, o);
    }
    bool painted(const TRect& r, TColor color)
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (c.Pixels(x, y) == color)
                    return true;
        return false;
    }
    bool paintedOtherThan(const TRect& r, TColor color)
    {
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (c.Pixels(x, y) != color)
                    return true;
        return false;
    }

    TBitmap bmp{400, 300};
    TCanvas& c = bmp.Canvas();
    bool last = false;
};

}  // namespace

// Sizes and line breaks of laid-out markup, from the font's metrics.
TEST_F(HtmlRender, MeasuresLinesOfMarkup)
{
    const int H = h();
    const int sp = w(" ");
    struct Case {
        QString text;
        int width;  // of the rectangle
        bool wrap;
        QString plain;  // lines separated by CR
        int textWidth;
        int textHeight;
    };
    const int ab = w("aaa ") + w("bbb ");
    const Case cases[] = {
        {"Hello world", 400, true, "Hello world", w("Hello ") + w("world"), H},
        // The third word does not fit: it starts the second line; the first ends without its space.
        {"aaa bbb ccc", 1 + ab + w("ccc") - 1, true, "aaa bbb \rccc", std::max(ab - sp, w("ccc")), 2 * H},
        {"aaa bbb ccc", 2 + ab + w("ccc"), true, "aaa bbb ccc", ab + w("ccc"), H},
        // Runs glued by a tag stay together however narrow the line.
        {"aaa<B>bbb</B>ccc", 5, true, "aaabbbccc", w("aaa") + w("bbb", fsBold) + w("ccc"), H},
        // A word wider than the line stands alone on it.
        {"a verylongword b", w("verylongword") / 2, true, "a \rverylongword \rb",
         std::max({w("a"), w("verylongword"), w("b")}), 3 * H},
        {"one<BR>two<br>three", 400, true, "one\rtwo\rthree", w("three"), 3 * H},
        {"one\r\ntwo", 400, true, "one\rtwo", w("one"), 2 * H},
        {"<FONT size=\"5\">big</FONT> small", 400, true, "big small", w("big", 0, 16) + w(" ") + w("small"), h(16)},
        {"<font size=14>big</font>", 400, true, "big", w("big", 0, 14), h(14)},
        {"x<SUB>2</SUB>", 400, true, "x2", w("x") + w("2"), H + H / 4},
        {"x<SUP>2</SUP><SUB>3</SUB>", 400, true, "x23", w("x") + w("2") + w("3"), H + 2 * (H / 4)},
        {"<UL><LI>a<LI>b</UL>", 400, true, "\ra\rb", 12 + std::max(w("a"), w("b")), 3 * H},
        {"<UL><UL><LI>a</UL></UL>", 400, true, "\r\ra", 24 + w("a"), 3 * H},
        // Hidden text takes no room but is part of the plain text.
        {"a<Z>hidden</Z>b", 400, true, "ahiddenb", w("a") + w("b"), H},
        {"a&amp;b &lt;c&gt;&nbsp;&euro;", 400, true, "a&b <c> \u20AC", w("a&b ") + w("<c> \u20AC"), H},
        {"<IND x=\"50\">a", 400, true, "a", 50 + w("a"), H},
        {"<B>bold</B><I>it</I><U>u</U><S>s</S>", 400, true, "bolditus",
         w("bold", fsBold) + w("it", fsItalic) + w("u", fsUnderline) + w("s", fsStrikeOut), H},
        {"", 400, true, "", 0, H},
        // Without word wrap every run goes on the one line.
        {"aaa bbb ccc", 10, false, "aaa bbb ccc", w("aaa bbb ccc"), H},
        {"aaa bbb<BR>ccc", 10, false, "aaa bbb\rccc", w("aaa bbb"), 2 * H},
        // A run that overruns the line after a space ends the text there; a glued one keeps it going.
        {"aa <B>bb</B><BR>cc", w("aa ") + 2, false, "aa bb", w("aa ") + w("bb", fsBold), H},
        {"aa <B>bb</B><BR>cc", 400, false, "aa bb\rcc", w("aa ") + w("bb", fsBold), 2 * H},
        {"aaa<B>bbb</B><BR>ccc", 10, false, "aaabbb\rccc", w("aaa") + w("bbb", fsBold), 2 * H},
    };
    for (const Case& k : cases) {
        const THtmlRenderResult res = measure(k.text, k.width, k.wrap);
        EXPECT_FALSE(last) << k.text.toStdString();
        EXPECT_EQ(res.PlainText, k.plain) << k.text.toStdString();
        EXPECT_EQ(res.TextWidth, k.textWidth) << k.text.toStdString();
        EXPECT_EQ(res.TextHeight, k.textHeight) << k.text.toStdString();
    }
}

TEST_F(HtmlRender, DrawingStopsWhereTheRectangleEnds)
{
    const int H = h();
    const QString text = "a<BR>b<BR>c<BR>d";
    EXPECT_EQ(measure(text, 100).TextHeight, 4 * H);  // measuring lays out every line
    // Room for two lines and a bit: the third line starts only with a whole line's height left.
    const THtmlRenderResult res = render(text, Rect(0, 0, 100, 2 * H + H / 2));
    EXPECT_EQ(res.TextHeight, 2 * H);
    const THtmlRenderResult exact = render(text, Rect(0, 0, 100, 3 * H));
    EXPECT_EQ(exact.TextHeight, 3 * H);
}

// Anchor rectangles and the anchor under a point, for left, right and centred lines.
TEST_F(HtmlRender, HitTestsAnchors)
{
    const int H = h();
    const TRect r = Rect(10, 20, 310, 200);
    const QString text = "go <A href=\"First\" title=\"Tip\">link</A> and <a HREF=\"second\">more</a>";
    const int left = r.Left + 1;
    const int a1 = left + w("go ");
    const int a1End = a1 + w("link");
    const int a2 = a1End + w(" ") + w("and ");
    const int a2End = a2 + w("more");

    THtmlRenderResult res = hit(text, r, (a1 + a1End) / 2, r.Top + H / 2);
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorValue, "First");
    EXPECT_EQ(res.AnchorTitle, "Tip");
    EXPECT_EQ(res.HitAnchor, 1);
    EXPECT_EQ(res.AnchorRect, Rect(a1, r.Top, a1End, r.Top + H));
    EXPECT_EQ(res.AnchorCount, 2);

    res = hit(text, r, a2 + 1, r.Top + H - 2);
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorValue, "second");
    EXPECT_EQ(res.HitAnchor, 2);
    EXPECT_EQ(res.AnchorRect, Rect(a2, r.Top, a2End, r.Top + H));

    for (const TPoint miss : {TPoint{left + 1, r.Top + H / 2}, TPoint{a1 - 2, r.Top + H / 2},
                              TPoint{a2End + 2, r.Top + H / 2}, TPoint{a1 + 2, r.Top + H + 2}}) {
        res = hit(text, r, miss.X, miss.Y);
        EXPECT_FALSE(last) << miss.X << "," << miss.Y;
        EXPECT_EQ(res.HitAnchor, -1);
        EXPECT_TRUE(res.AnchorValue.isEmpty());
    }

    // Right-aligned and centred lines: the anchor moves with its line.
    const QString line = "x <A href=\"r\">ab</A>";
    const int lineWidth = w("x ") + w("ab");
    const int rightStart = r.Right - lineWidth + w("x ");
    res = hit("<P align=\"right\">" + line, r, rightStart + 1, r.Top + 3);
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorRect, Rect(rightStart, r.Top, rightStart + w("ab"), r.Top + H));
    const int centreStart = left + (r.Right - left - lineWidth) / 2 + w("x ");
    res = hit("<P align=\"center\">" + line, r, centreStart + 1, r.Top + 3);
    EXPECT_EQ(res.AnchorRect, Rect(centreStart, r.Top, centreStart + w("ab"), r.Top + H));
    // An indent moves the line right; alignment applies to the line that carries the P and after.
    res = hit("top<BR><P indent=\"30\">" + line, r, left + 30 + w("x ") + 1, r.Top + H + 3);
    EXPECT_EQ(res.AnchorRect, Rect(left + 30 + w("x "), r.Top + H, left + 30 + w("x ") + w("ab"), r.Top + 2 * H));

    // An anchor on a wrapped second line; an anchor without HREF is no link.
    res = hit("aaaa <A href=\"w\">bbbb</A>", Rect(0, 0, 2 + w("aaaa "), 100), 1 + w("bbbb") / 2, H + 2);
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorRect, Rect(1, H, 1 + w("bbbb"), 2 * H));
    hit("<A name=\"x\">text</A>", r, left + 2, r.Top + 3);
    EXPECT_FALSE(last);
}

TEST_F(HtmlRender, AnchorsOnPaint)
{
    THtmlRenderOptions o;
    o.FocusAnchor = 1;
    o.URLColor = clRed;
    const THtmlRenderResult res = render("<A href=\"one\">one</A> <A href=\"two\">two</A>", Rect(0, 0, 300, 40), o);
    EXPECT_EQ(res.FocusAnchorValue, "two");
    EXPECT_EQ(res.AnchorCount, 2);
    EXPECT_TRUE(painted(Rect(1, 0, 1 + w("one"), 40), clRed));  // links in the URL colour
    EXPECT_EQ(c.Font().Color(), clBlack);                       // the canvas font comes back

    // Hover colours only for the hovered anchor, with underline on hover.
    clear();
    o = {};
    o.UnderlineOnHover = true;
    o.HoverAnchor = 2;
    o.HoverColor = clYellow;
    render("<A href=\"one\">one</A> <A href=\"two\">two</A>", Rect(0, 0, 300, 40), o);
    EXPECT_FALSE(painted(Rect(0, 0, w("one"), 40), clYellow));
    EXPECT_TRUE(painted(Rect(w("one "), 0, w("one two") + 2, 40), clYellow));
}

TEST_F(HtmlRender, PaintsBackgroundsMarksAndBlink)
{
    const int H = h();
    render("<P bgcolor=\"clLime\">para</P>", Rect(0, 0, 200, 60));
    EXPECT_TRUE(painted(Rect(150, 0, 200, H), clLime));  // the band spans the rectangle
    EXPECT_FALSE(painted(Rect(0, H + 1, 200, 60), clLime));

    clear();
    render("ok <FONT bgcolor=\"#00FF00\" color=\"clred\">bad</FONT> ok", Rect(0, 0, 200, 60));
    EXPECT_TRUE(painted(Rect(w("ok "), 0, w("ok bad"), H), clLime));
    EXPECT_TRUE(painted(Rect(w("ok "), 0, w("ok bad"), H), clRed));
    EXPECT_FALSE(painted(Rect(w("ok bad") + 2, 0, 200, H), clLime));

    // A rule one pixel below the line it ends.
    clear();
    render("a<HR>b", Rect(0, 0, 200, 60));
    EXPECT_TRUE(painted(Rect(150, H + 1, 200, H + 2), clBlack));
    EXPECT_FALSE(painted(Rect(150, 0, 200, H + 1), clBlack));

    clear();
    SetHtmlHighlightColors(clAqua, clWhite);
    render("a<HI>found</HI>b", Rect(0, 0, 200, 60));
    SetHtmlHighlightColors(clHighlight, clHighlightText);
    EXPECT_TRUE(painted(Rect(0, 0, 200, H), clAqua));

    clear();
    render("x <E>wrogn</E> y", Rect(0, 0, 200, 60));
    EXPECT_TRUE(painted(Rect(w("x "), H - 2, w("x wrogn") + 1, H + 2), clRed));
    EXPECT_FALSE(painted(Rect(0, 0, w("x ") - 2, 60), clRed));

    clear();
    THtmlRenderOptions o;
    o.BlinkOn = false;
    c.Brush().SetColor(Paper);
    render("<BLINK>hidden</BLINK>", Rect(0, 0, 200, 60), o);
    EXPECT_FALSE(paintedOtherThan(Rect(0, 0, 200, 60), Paper));
    o.BlinkOn = true;
    render("<BLINK>shown</BLINK>", Rect(0, 0, 200, 60), o);
    EXPECT_TRUE(paintedOtherThan(Rect(0, 0, 200, 60), Paper));
}

TEST_F(HtmlRender, EllipsisWithoutWordWrap)
{
    THtmlRenderOptions o;
    o.WordWrap = false;
    const QString text = "a long text that does not fit";
    render(text, Rect(0, 0, w("a long") + 1, 30), o);
    TBitmap expected(400, 300);
    TCanvas& e = expected.Canvas();
    e.Font().Assign(c.Font());
    e.Brush().SetColor(Paper);
    e.FillRect(Rect(0, 0, 400, 300));
    e.Brush().SetStyle(bsClear);
    TRect r = Rect(1, 0, w("a long") + 1, h());
    e.DrawText(text, r, DT_SINGLELINE | DT_BOTTOM | DT_END_ELLIPSIS);
    EXPECT_EQ(QtAccess::Image(bmp).copy(0, 0, 100, 30), QtAccess::Image(expected).copy(0, 0, 100, 30));
}

TEST_F(HtmlRender, CanvasToolsComeBack)
{
    c.Pen().SetColor(clTeal);
    c.Pen().SetWidth(3);
    c.Brush().SetColor(clOlive);
    render("<B><I><FONT color=\"clred\" bgcolor=\"clblue\" size=\"4\"><R a=\"90\">x", Rect(0, 0, 100, 100));
    EXPECT_EQ(c.Pen().Color(), clTeal);
    EXPECT_EQ(c.Pen().Width(), 3);
    EXPECT_EQ(c.Brush().Color(), clOlive);
    EXPECT_EQ(c.Brush().Style(), bsSolid);
    EXPECT_EQ(c.Font().Style(), 0);
    EXPECT_EQ(c.Font().Size(), 10);
    EXPECT_EQ(c.Font().Orientation(), 0);
}

// Broken markup renders what it can and always ends.
TEST_F(HtmlRender, MalformedMarkupEnds)
{
    QString deepLists;
    for (int i = 0; i < 3000; ++i)
        deepLists += "<UL><LI>x";
    QString deepFonts;
    for (int i = 0; i < 60; ++i)
        deepFonts += "<FONT size=\"" + QString::number(i) + "\"><B><A href=\"a\"><SUB>y";
    const QString cases[] = {
        "<",
        "a<",
        "a<b",
        "<B",
        "ab<B",
        "<>",
        "</>",
        "</",
        "&",
        "&amp;amp;",
        "&bogus;",
        "&#65;",
        ">>><<<",
        "<FONT size=\"99999999999\">huge</FONT>",
        "<FONT size=99999999999>huge",
        "<P indent=\"2147483647\">far",
        "<IND x=\"2147483647\">far",
        "<IND x=\"-5\">neg",
        "<R a=\"2147483647\">turned",
        "<A href=\"unclosed>x",
        "<A href=x>y</A>",
        "</A></A></UL></UL></P></FONT></HI></R></SUB>",
        "<LI><LI><LI>",
        "<HR><HR>",
        "<FONT face=\"\">x",
        "<P align=>x",
        "<IMG>",
        "<CONTROL>",
        "<BODY>",
        deepLists,
        deepFonts,
    };
    for (const QString& text : cases)
        for (const bool wrap : {true, false})
            for (const int mode : {0, 1, 2}) {
                THtmlRenderOptions o;
                o.WordWrap = wrap;
                o.MeasureOnly = mode == 1;
                o.HitTestOnly = mode == 2;
                o.X = 5;
                o.Y = 5;
                THtmlRenderResult res;
                RenderHtmlText(c, text, Rect(0, 0, 120, 80), o, res);
                EXPECT_GE(res.TextHeight, 0);
                EXPECT_GE(res.TextWidth, 0);
            }
    EXPECT_EQ(measure("a<B", 100).PlainText, "a");
    EXPECT_EQ(measure("ab<", 100).PlainText, "ab");
    EXPECT_EQ(measure("ab<c", 100).PlainText, "ab");
    EXPECT_EQ(measure("x <A href=\"y\">z", 100).PlainText, "x z");
}

TEST_F(HtmlRender, RandomMarkupEnds)
{
    const QString pieces[] = {"<B>",
                              "</B>",
                              "<A href=\"l\">",
                              "</A>",
                              "<UL>",
                              "</UL>",
                              "<LI>",
                              "<P align=\"right\">",
                              "</P>",
                              "<BR>",
                              "<FONT size=\"30\">",
                              "</FONT>",
                              "<SUB>",
                              "</SUB>",
                              "<SUP>",
                              "<Z>",
                              "</Z>",
                              "<HI>",
                              "</HI>",
                              "<E>",
                              "</E>",
                              "<R a=\"45\">",
                              "</R>",
                              "<SHAD>",
                              "<IND x=\"40\">",
                              "word ",
                              "longerword",
                              " ",
                              "&amp;",
                              "&nbsp;",
                              "<",
                              ">",
                              "\"",
                              "<HR>",
                              "<IMG src=\"x\">",
                              "<CONTROL type=\"CHECK\" width=\"16\">"};
    std::mt19937 random(1234);
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 400; ++i) {
        QString text;
        const int count = static_cast<int>(random() % 40);
        for (int k = 0; k < count; ++k)
            text += pieces[random() % std::size(pieces)];
        THtmlRenderOptions o;
        o.WordWrap = random() % 2;
        o.HitTestOnly = random() % 2;
        o.X = static_cast<int>(random() % 100);
        o.Y = static_cast<int>(random() % 100);
        THtmlRenderResult res;
        RenderHtmlText(c, text, Rect(0, 0, 1 + static_cast<int>(random() % 150), 100), o, res);
        o.MeasureOnly = true;
        RenderHtmlText(c, text, Rect(0, 0, 60, 100), o, res);
    }
    EXPECT_LT(timer.elapsed(), 60000);
}
