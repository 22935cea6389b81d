#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"

#include <gtest/gtest.h>

#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "platform/QtAccess.h"

TEST(CellControls, ParseAndFind)
{
    const TControlTagValues v = ParseControlTag(
        "CONTROL type=\"check\" ID=\"c1\" value=\"a&amp;&eacute;\" WIDTH=\"30\" height=\"40\" PROP=\"&lt;p\" "
        "maxlen=\"12x\"");
    EXPECT_EQ(v.Type, "CHECK");
    EXPECT_EQ(v.ID, "c1");
    EXPECT_EQ(v.Value, QString::fromUtf8("a&\u00E9"));
    EXPECT_EQ(v.Width, "30");
    EXPECT_EQ(v.Height, "40");
    EXPECT_EQ(v.Prop, "<p");
    EXPECT_EQ(v.MaxLen, "12x");
    const TControlTagValues unquoted = ParseControlTag("CONTROL TYPE=EDIT ID=\"e\" VALUE=x");
    EXPECT_TRUE(unquoted.Type.isEmpty());
    EXPECT_TRUE(unquoted.Value.isEmpty());
    EXPECT_EQ(unquoted.ID, "e");
    EXPECT_EQ(ParseControlTag("CONTROL WIDTH=\"5\" VALID=\"no\"").ID, "");  // names are whole words

    const QString text =
        "a <control TYPE=\"EDIT\" ID=\"e1\" VALUE=\"one\" MAXLEN=\"8\" WIDTH=\"50\"> b "
        "<CONTROL TYPE=\"RADIO\" ID=\"r1\" VALUE=\"TRUE\" WIDTH=\"16\">"
        "<CONTROL TYPE=\"COMBO\" ID=\"E1\" VALUE=\"two\" PROP=\"x\" WIDTH=\"50\">";
    EXPECT_TRUE(HasControlTag(text));
    QString value = "untouched";
    EXPECT_TRUE(GetControlValueByID(text, "E1", value));
    EXPECT_EQ(value, "two");  // IDs compare with letter case
    EXPECT_FALSE(GetControlValueByID(text, "none", value));
    EXPECT_EQ(value, "two");
    EXPECT_EQ(GetControlPropByID(text, "E1"), "x");
    EXPECT_EQ(GetControlPropByID(text, "none"), "");
    EXPECT_EQ(GetControlMaxLenByID(text, "e1"), 8);
    EXPECT_EQ(GetControlMaxLenByID(text, "r1"), 0);

    EXPECT_EQ(NextEditControlID(text, ""), "e1");
    EXPECT_EQ(NextEditControlID(text, "e1"), "E1");  // the radio button is skipped
    EXPECT_EQ(NextEditControlID(text, "E1"), "");
    EXPECT_EQ(NextEditControlID(text, "none"), "");
    EXPECT_EQ(MaskPassword("abc"), "***");
}

TEST(CellControls, RewritingAControl)
{
    QString text =
        "x<CONTROL TYPE=\"combo\" HEIGHT=\"30\" ID=\"c\" VALUE=\"old\" WIDTH=\"60\" PROP=\"a&quot;b\">y"
        "<CONTROL TYPE=\"EDIT\" ID=\"c\" VALUE=\"second\" WIDTH=\"10\">";
    EXPECT_TRUE(SetControlValueByID(text, "c", "<new> & \"q\""));
    EXPECT_EQ(text,
              "x<CONTROL ID=\"c\" VALUE=\"&lt;new&gt; &amp; &quot;q&quot;\" WIDTH=\"60\" HEIGHT=\"30\" "
              "TYPE=\"COMBO\" PROP=\"a&quot;b\">y<CONTROL TYPE=\"EDIT\" ID=\"c\" VALUE=\"second\" WIDTH=\"10\">");
    QString value;
    GetControlValueByID(text, "c", value);
    EXPECT_EQ(value, "<new> & \"q\"");
    const QString before = text;
    EXPECT_FALSE(SetControlValueByID(text, "missing", "v"));
    EXPECT_EQ(text, before);

    const QString radios =
        "<CONTROL TYPE=\"RADIO\" ID=\"a\" VALUE=\"TRUE\" WIDTH=\"16\"> a "
        "<CONTROL TYPE=\"radio\" VALUE=\"true\" WIDTH=\"16\"> b "
        "<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\" WIDTH=\"16\">";
    const QString cleared = ClearRadioControls(radios);
    EXPECT_EQ(cleared,
              "<CONTROL ID=\"a\" VALUE=\"FALSE\" WIDTH=\"16\" TYPE=\"RADIO\"> a "
              "<CONTROL ID=\"\" VALUE=\"FALSE\" WIDTH=\"16\" TYPE=\"RADIO\"> b "
              "<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\" WIDTH=\"16\">");
}

namespace {

class ControlRender : public ::testing::Test {
protected:
    void SetUp() override
    {
        c.Font().SetName(QStringLiteral("DejaVu Sans"));
        c.Font().SetSize(10);
        c.Brush().SetColor(clWhite);
        c.FillRect(Rect(0, 0, 300, 100));
    }
    THtmlRenderResult run(const QString& text, THtmlRenderOptions o)
    {
        THtmlRenderResult res;
        last = RenderHtmlText(c, text, Rect(0, 0, 300, 100), o, res);
        return res;
    }
    TBitmap bmp{300, 100};
    TCanvas& c = bmp.Canvas();
    bool last = false;
};

}  // namespace

TEST_F(ControlRender, ControlsTakeRoomAndSetTheLineHeight)
{
    const int gh = c.TextHeight("gh");
    const int ab = c.TextWidth("ab");
    THtmlRenderOptions measure;
    measure.MeasureOnly = true;
    const struct {
        QString text;
        int width;
        int height;
    } cases[] = {
        {"ab<CONTROL TYPE=\"CHECK\" ID=\"k\" WIDTH=\"40\">", ab + 16, 16},
        {"ab<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"40\">", ab + 40, gh + 10},
        {"ab<CONTROL TYPE=\"BUTTON\" ID=\"b\" WIDTH=\"40\" HEIGHT=\"50\">", ab + 40, 48},
        {"ab<CONTROL TYPE=\"COMBO\" ID=\"c\" WIDTH=\"40\">", ab + 40, 25},
        {"ab<CONTROL TYPE=\"EDIT\" ID=\"e\">", ab, gh},                                    // no width: not shown
        {"ab<CONTROL TYPE=\"ODD\" ID=\"o\" WIDTH=\"7\">", ab + 7, std::max(23, gh + 10)},  // unknown: room only
    };
    for (const auto& k : cases) {
        const THtmlRenderResult res = run(k.text, measure);
        EXPECT_EQ(res.TextWidth, k.width) << k.text.toStdString();
        EXPECT_EQ(res.TextHeight, k.height) << k.text.toStdString();
    }
    // A control too wide for the room left starts the next line.
    const THtmlRenderResult wrapped = run(QString(40, 'w') + "<CONTROL TYPE=\"EDIT\" ID=\"e\" WIDTH=\"250\">", measure);
    EXPECT_EQ(wrapped.TextHeight, c.TextHeight("w") + gh + 10);
}

TEST_F(ControlRender, FindsTheControlUnderThePointOrByItsID)
{
    const QString text =
        "ab <CONTROL TYPE=\"check\" ID=\"k1\" VALUE=\"true\" WIDTH=\"16\">"
        "<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"text\" WIDTH=\"60\">";
    const int left = 1 + c.TextWidth("ab ");
    THtmlRenderOptions o;
    o.HitTestOnly = true;
    o.X = left + 8;
    o.Y = 8;
    THtmlRenderResult res = run(text, o);
    EXPECT_TRUE(last);
    EXPECT_EQ(res.AnchorValue, "ctrl");
    EXPECT_EQ(res.ControlID, "k1");
    EXPECT_EQ(res.ControlType, "CHECK");
    EXPECT_EQ(res.ControlValue, "true");
    EXPECT_EQ(res.ControlRect, Rect(left, 0, left + 16, 16));

    o.X = 2;
    res = run(text, o);
    EXPECT_FALSE(last);
    EXPECT_TRUE(res.ControlID.isEmpty());
    EXPECT_EQ(res.ControlRect, TRect());

    THtmlRenderResult byId;
    byId.ControlID = "e1";
    o.X = o.Y = -100;
    last = RenderHtmlText(c, text, Rect(0, 0, 300, 100), o, byId);
    EXPECT_TRUE(last);
    EXPECT_EQ(byId.ControlType, "EDIT");
    EXPECT_EQ(byId.ControlValue, "text");
    EXPECT_EQ(byId.ControlRect.Left, left + 16);
    EXPECT_EQ(byId.ControlRect.Width(), 60);
}

TEST_F(ControlRender, DrawsTheStateOfTheValue)
{
    const auto shot = [&](const QString& text) {
        c.Brush().SetColor(clWhite);
        c.FillRect(Rect(0, 0, 300, 100));
        run(text, {});
        return QtAccess::Image(bmp).copy(0, 0, 40, 30);
    };
    const QImage on = shot("<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"TRUE\" WIDTH=\"16\">");
    EXPECT_EQ(shot("<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"true\" WIDTH=\"16\">"), on);
    const QImage off = shot("<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"\" WIDTH=\"16\">");
    EXPECT_NE(on, off);
    EXPECT_EQ(shot("<CONTROL TYPE=\"CHECK\" ID=\"k\" VALUE=\"yes\" WIDTH=\"16\">"), off);
    EXPECT_NE(shot("<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"ab\" WIDTH=\"30\">"),
              shot("<CONTROL TYPE=\"EDIT\" ID=\"p\" VALUE=\"ab\" WIDTH=\"30\">"));
    EXPECT_EQ(shot("<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"ab\" WIDTH=\"30\">"),
              shot("<CONTROL TYPE=\"EDIT\" ID=\"p\" VALUE=\"**\" WIDTH=\"30\">"));
}
