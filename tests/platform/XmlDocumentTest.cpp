#include "platform/FileUtils.h"
#include "platform/XmlDocument.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class XmlDocumentTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    bool write(const QString& name, const QByteArray& bytes) const { return WriteFileAtomic(path(name), bytes); }
    QTemporaryDir dir;
};

TEST_F(XmlDocumentTest, SavesOneLineWithoutDeclarationAndCommentAfterRoot)
{
    XmlDocument doc;
    XmlNode root = doc.Node().AppendElement("Receive_Frames");
    doc.Node().AppendComment("SW_VERSION = 1.000");
    XmlNode row = root.AppendElement("row");
    row.SetAttribute("Enable", "Y");
    row.SetAttribute("CobID", " 0x181 ");
    row.SetAttribute("Mnemonic", "a&b<\"c\" \u00e9");
    row.SetAttribute("Enable", "N");  // replaced in place, order kept
    root.AppendElement("empty");
    root.AppendElement("text").SetText("1");

    ASSERT_TRUE(doc.Save(path("f.xml")));
    EXPECT_EQ(QString::fromUtf8(readAll(path("f.xml"))),
              "<Receive_Frames><row Enable=\"N\" CobID=\" 0x181 \" Mnemonic=\"a&amp;b&lt;&quot;c&quot; \xc3\xa9\"/>"
              "<empty/><text>1</text></Receive_Frames><!--SW_VERSION = 1.000-->");

    XmlDocument back;
    ASSERT_TRUE(back.Load(path("f.xml")));
    const XmlNode loaded = back.Root().Child("row");
    const std::vector<XmlAttribute> attributes = loaded.Attributes();
    ASSERT_EQ(attributes.size(), 3u);
    EXPECT_EQ(attributes[0].Name, "Enable");
    EXPECT_EQ(attributes[1].Value, " 0x181 ");
    EXPECT_EQ(loaded.Attribute("Mnemonic"), QString("a&b<\"c\" \u00e9"));
    ASSERT_EQ(back.Node().ChildNodes().size(), 2u);
    EXPECT_EQ(back.Node().ChildNodes()[1].NodeType(), XmlNodeType::Comment);
    EXPECT_EQ(back.Node().ChildNodes()[1].Text(), "SW_VERSION = 1.000");
}

TEST_F(XmlDocumentTest, ReadsRootChildrenAttributesAndText)
{
    ASSERT_TRUE(write("s.xml",
                      "\xef\xbb\xbf<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<!-- note -->\r\n"
                      "<Other_Name>\r\n  <lastproj><projectname>P1</projectname></lastproj>\r\n"
                      "  <Lastproj><projectname>wrong case</projectname></Lastproj>\r\n"
                      "  <lastlang><language/></lastlang>\r\n"
                      "  <nested><language>x<b>y</b>z</language></nested>\r\n"
                      "  <row ID=\"3\" Empty=\"\"/>\r\n</Other_Name>"));
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(path("s.xml")));
    const XmlNode root = doc.Root();
    EXPECT_EQ(root.NodeName(), "Other_Name");
    EXPECT_EQ(root.ChildNodes().size(), 5u);  // white space between elements is dropped

    EXPECT_EQ(root.Child("lastproj").Child("projectname").Text(), "P1");
    EXPECT_TRUE(root.Child("lastproj").Child("projectname").IsTextElement());
    EXPECT_TRUE(root.Child("LASTPROJ").IsNull());
    EXPECT_TRUE(root.Child("missing").Child("projectname").IsNull());

    const XmlNode empty = root.Child("lastlang").Child("language");
    EXPECT_TRUE(empty.IsTextElement());
    EXPECT_EQ(empty.Text(), "");
    const XmlNode mixed = root.Child("nested").Child("language");
    EXPECT_FALSE(mixed.IsTextElement());
    EXPECT_EQ(mixed.Text(), "xyz");
    ASSERT_EQ(mixed.ChildNodes().size(), 3u);
    EXPECT_EQ(mixed.ChildNodes()[0].NodeName(), "#text");

    const XmlNode row = root.Child("row");
    EXPECT_EQ(row.Attribute("ID"), QString("3"));
    EXPECT_EQ(row.Attribute("Empty"), QString(""));
    EXPECT_EQ(row.Attribute("id"), std::nullopt);
    EXPECT_EQ(row.Attribute("Missing"), std::nullopt);
}

TEST_F(XmlDocumentTest, NamesMatchInEveryStringFormAndElementsSkipOtherNodes)
{
    ASSERT_TRUE(write("n.xml", "<r>t1<!--c--><a x='1' \xc3\xa9t\xc3\xa9='2'/>t2<b/><a x='3'/></r>"));
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(path("n.xml")));
    const XmlNode root = doc.Root();

    const XmlNode a = root.Child("a");
    EXPECT_EQ(a.Attribute("x"), QString("1"));
    EXPECT_EQ(a.Attribute(QStringLiteral("x")), QString("1"));
    EXPECT_EQ(a.Attribute(QLatin1StringView("x")), QString("1"));
    EXPECT_EQ(a.Attribute(QString::fromUtf8("\xc3\xa9t\xc3\xa9")), QString("2"));
    EXPECT_EQ(a.Attribute(QLatin1StringView("\xe9t\xe9")), QString("2"));
    EXPECT_EQ(a.Attribute("\xc3\xa9t\xc3\xa9"), QString("2"));
    EXPECT_EQ(a.AttributeUtf8(u"x"), std::string_view("1"));
    EXPECT_EQ(a.AttributeUtf8("y"), std::nullopt);
    EXPECT_EQ(a.Attribute(QString::fromUtf8("x\0y", 3)), std::nullopt);
    EXPECT_EQ(a.Attribute(""), std::nullopt);
    EXPECT_EQ(root.Child(u"b").NodeName(), "b");
    EXPECT_TRUE(root.Child("").IsNull());

    QStringList names;
    for (XmlNode element : root.Elements())
        names << element.NodeName() + element.Attribute("x").value_or(QString());
    EXPECT_EQ(names, QStringList({"a1", "b", "a3"}));
    EXPECT_TRUE(root.Child("b").FirstElement().IsNull());
    EXPECT_TRUE(root.FirstElement().NextElement().NextElement().NextElement().IsNull());
    EXPECT_EQ(XmlNode().Elements().begin(), XmlNode().Elements().end());
}

TEST_F(XmlDocumentTest, FailedLoadReportsAndLeavesDocumentEmpty)
{
    ASSERT_TRUE(write("bad.xml", "<a>\n<b>\n</a>"));
    ASSERT_TRUE(write("empty.xml", ""));
    ASSERT_TRUE(write("good.xml", "<a/>"));
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(path("good.xml")));
    EXPECT_EQ(doc.LastError().Code, 0);

    EXPECT_FALSE(doc.Load(path("bad.xml")));
    EXPECT_NE(doc.LastError().Code, 0);
    EXPECT_EQ(doc.LastError().Line, 3);
    EXPECT_FALSE(doc.LastError().Message.isEmpty());
    EXPECT_TRUE(doc.Root().IsNull());
    EXPECT_TRUE(doc.Node().ChildNodes().empty());

    for (const char* name : {"empty.xml", "missing.xml"}) {
        ASSERT_TRUE(doc.Load(path("good.xml")));
        EXPECT_FALSE(doc.Load(path(name))) << name;
        EXPECT_NE(doc.LastError().Code, 0) << name;
        EXPECT_TRUE(doc.Root().IsNull()) << name;
    }
}

struct MalformedCase {
    const char* name;
    QByteArray bytes;
    int line;
};

TEST_F(XmlDocumentTest, RefusesFilesThatAreNotWellFormed)
{
    QByteArray manyAttributes = "<a";
    for (int i = 0; i < 40; ++i)
        manyAttributes += " a" + QByteArray::number(i) + "=''";
    manyAttributes += " a17=''/>";
    const MalformedCase cases[] = {
        {"two roots", "<a/>\n<b/>", 2},
        {"text after the root", "<a/>x", 1},
        {"text before the root", "x<a/>", 1},
        {"CDATA outside the root", "<![CDATA[x]]><a/>", 1},
        {"comment only", "<!-- c -->", 1},
        {"undefined entity", "<a>\n&foo;</a>", 2},
        {"undefined entity in an attribute", "<a b='&foo;'/>", 1},
        {"document type entity", "<!DOCTYPE a [<!ENTITY e 'x'>]><a>&e;</a>", 1},
        {"bare ampersand", "<a>a & b</a>", 1},
        {"reference without end", "<a>&#65</a>", 1},
        {"empty character reference", "<a>&#x;</a>", 1},
        {"duplicate attribute", "<a>\n<b/>\n<c x='1' x='2'/></a>", 3},
        {"duplicate among many attributes", manyAttributes, 1},
        {"raw < in an attribute", "<a b='<'/>", 1},
        {"reference to U+0001", "<a>&#1;</a>", 1},
        {"reference to U+0000", "<a>&#x0;</a>", 1},
        {"reference to U+FFFE", "<a>&#xFFFE;</a>", 1},
        {"reference to a surrogate", "<a>&#xD800;</a>", 1},
        {"reference past Unicode", "<a>&#x110000;</a>", 1},
        {"reference of many digits", "<a>&#99999999999999999999;</a>", 1},
        {"forbidden reference in an attribute", "<a b='&#1;'/>", 1},
        {"raw U+0001 in text", "<a>\n\n\x01</a>", 3},
        {"raw U+0001 in an attribute", "<a b='\x01'/>", 1},
        {"raw U+0001 in a comment", "<a><!--\x01--></a>", 1},
        {"raw U+0001 in a processing instruction", "<?p \x01?><a/>", 1},
        {"raw NUL", QByteArray("<a>\0</a>", 8), 1},
        {"invalid UTF-8 byte", "<a>\xff</a>", 1},
        {"overlong UTF-8", "<a>\xc0\xaf</a>", 1},
        {"truncated UTF-8", "<a>\xe2\x82</a>", 1},
        {"encoded surrogate", "<a>\xed\xa0\x80</a>", 1},
        {"encoded U+FFFF", "<a>\xef\xbf\xbf</a>", 1},
        {"U+0001 in a Latin-1 file", "<?xml version='1.0' encoding='ISO-8859-1'?><a>\x01</a>", 1},
        {"]]> in text", "<a>]]></a>", 1},
        {"-- in a comment", "<a><!-- a -- b --></a>", 1},
        {"comment ending in -", "<a><!-- a ---></a>", 1},
        {"document type after the root", "<a/><!DOCTYPE a>", 1},
        {"unclosed element", "<a>\n<b>\n</a>", 3},
        {"< after > in an attribute", "<!-- c --><a>\n<b c=\"x>y<z\"/></a>", 2},
        {"duplicate after markup holding <",
         "<?p <b a='1' a='1'?><a><!-- <c d='<'> -->\n<b x=\"1\" y='2' x=\"3\"/></a>", 2},
        {"-- in a comment after the root", "<a/>\n<!-- a -- b -->", 2},
        // rows whose names repeat the row before
        {"< in a value of a repeated row", "<a><r x='1' y=\"2\"/><r x='3' y=\"4\"/>\n<r x='5' y=\"<\"/></a>", 2},
        {"duplicate in a row like the one before", "<a><r x='1' y='2'/><r x='1' y='2'/>\n<r x='1' x='2'/></a>", 2},
        {"duplicate in a row longer than the one before", "<a><r x='1'/>\n<r x='1' x='2'/></a>", 2},
        {"duplicate in a row after a row with more names", "<a><r x='1' y='2' z='3'/>\n<r x='1' y='2' y='3'/></a>", 2},
    };
    ASSERT_TRUE(write("good.xml", "<a/>"));
    XmlDocument doc;
    for (const MalformedCase& c : cases) {
        ASSERT_TRUE(write("bad.xml", c.bytes));
        ASSERT_TRUE(doc.Load(path("good.xml"))) << c.name;
        EXPECT_FALSE(doc.Load(path("bad.xml"))) << c.name;
        EXPECT_NE(doc.LastError().Code, 0) << c.name;
        EXPECT_EQ(doc.LastError().Line, c.line) << c.name;
        EXPECT_FALSE(doc.LastError().Message.isEmpty()) << c.name;
        EXPECT_TRUE(doc.Node().ChildNodes().empty()) << c.name;
    }
}

TEST_F(XmlDocumentTest, DecodesReferencesAndAcceptsWhatXmlAllows)
{
    const struct {
        QByteArray bytes;
        QString text;
        QString value;
    } cases[] = {
        {"<a b='&lt;&gt;&amp;&apos;&quot;'>&lt;&gt;&amp;&apos;&quot;</a>", "<>&'\"", "<>&'\""},
        {"<a b='&#65;&#x42;&#x1F600;'>&#65;&#x42;&#x1f600;&#0000000067;</a>", "AB\U0001F600C", "AB\U0001F600"},
        {"<a b='x&#10;y&#9;z\nw\tv'>x&#13;y\r\nz</a>", "x\ry\nz", "x\ny\tz w v"},
        {"<a><![CDATA[<&>]]&#1;]]><!-- a-b --></a>", "<&>]]&#1;", {}},
        {"\xef\xbb\xbf<?xml version='1.0'?>\n<!DOCTYPE a>\n<!-- c -->\n<a b='\xc3\xa9'>\xf0\x9f\x98\x80</a>\n",
         "\U0001F600", "\u00e9"},
        {"<?xml version='1.0' encoding='ISO-8859-1'?><a b='\xe9'>\xe9\x80</a>", "\u00e9\u0080", "\u00e9"},
        // UTF-16 with a byte-order mark; text up to the file's last byte
        {QByteArray("\xff\xfe<\0a\0 \0b\0=\0'\0\xe9\0'\0>\0x\0y\0<\0/\0a\0>\0", 32), "xy", "\u00e9"},
        {"<a b=''>text to the end</a>", "text to the end", ""},
        {"<?p <b a='<' a=''?><a><!-- <c d='<' d=''> --><c x=\"1\" y='a>b/c\"' z = \"'\"/></a>", "", {}},
        {"<a b='v'><r x='\"' y=\"'>\"/><r x='a\"b' y=\"c'>d\"/><r x='' y=\"\"></r>t</a>", "t", "v"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(write("ok.xml", c.bytes));
        XmlDocument doc;
        ASSERT_TRUE(doc.Load(path("ok.xml"))) << c.bytes.constData() << ": " << doc.LastError().Message.toStdString();
        EXPECT_EQ(doc.Root().Text(), c.text) << c.bytes.constData();
        EXPECT_EQ(doc.Root().Attribute("b").value_or(QString()), c.value) << c.bytes.constData();
        for (const XmlNode& node : doc.Node().ChildNodes())
            EXPECT_TRUE(node.NodeType() == XmlNodeType::Element || node.NodeType() == XmlNodeType::Comment);
    }
}

TEST_F(XmlDocumentTest, BuiltDocumentsSaveAsXmlThatLoads)
{
    XmlDocument doc;
    XmlNode root = doc.Node().AppendElement("root");
    root.AppendElement("text").SetText(
        QString::fromUtf16(u"a\x01"
                           "b\uFFFE\x1f"
                           "c\td]]>e\u00e9"));
    root.SetAttribute("value", QString::fromUtf16(u"<\x02&\"'\n\t\uFFFF"));
    root.AppendComment("a--b---");
    root.AppendComment("-");
    for (const char* name : {"", "1a", "a b", "a<b", "-a", "a\x01"}) {
        EXPECT_TRUE(root.AppendElement(name).IsNull()) << name;
        root.SetAttribute(name, "x");
    }
    EXPECT_EQ(root.Attributes().size(), 1u);
    EXPECT_FALSE(root.AppendElement("_a-1.b:c\u00e9").IsNull());
    ASSERT_TRUE(doc.Save(path("built.xml")));

    XmlDocument back;
    ASSERT_TRUE(back.Load(path("built.xml"))) << back.LastError().Message.toStdString();
    const XmlNode loaded = back.Root();
    EXPECT_EQ(loaded.Child("text").Text(), QString::fromUtf16(u"bc\td]]>e\u00e9").prepend(u'a'));
    EXPECT_EQ(loaded.Attribute("value"), QString("<&\"'\n\t"));
    const std::vector<XmlNode> nodes = loaded.ChildNodes();
    ASSERT_EQ(nodes.size(), 4u);
    EXPECT_EQ(nodes[1].Text(), "a- -b- - - ");
    EXPECT_EQ(nodes[2].Text(), "- ");
    EXPECT_EQ(nodes[3].NodeName(), QString("_a-1.b:c\u00e9"));
}

TEST_F(XmlDocumentTest, DeeplyNestedElementsLoadReadAndSave)
{
    constexpr int depth = 100000;
    const QByteArray bytes = QByteArray("<a>").repeated(depth) + "x" + QByteArray("</a>").repeated(depth);
    ASSERT_TRUE(write("deep.xml", bytes));
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(path("deep.xml")));
    EXPECT_EQ(doc.Root().Text(), "x");
    ASSERT_TRUE(doc.Save(path("copy.xml")));
    EXPECT_EQ(readAll(path("copy.xml")), bytes);

    XmlDocument built;
    XmlNode node = built.Node();
    for (int i = 0; i < depth; ++i)
        node = node.AppendElement("a");
    node.SetText("y");
    EXPECT_EQ(built.Root().Text(), "y");
}

TEST_F(XmlDocumentTest, ClearAndSaveFailureKeepTheOldFile)
{
    ASSERT_TRUE(write("old.xml", "<old/>"));
    XmlDocument doc;
    ASSERT_TRUE(doc.Load(path("old.xml")));
    doc.Clear();
    EXPECT_TRUE(doc.Root().IsNull());
    doc.Node().AppendElement("new");
    EXPECT_FALSE(doc.Save(path("missing-folder/new.xml")));
    ASSERT_TRUE(doc.Save(path("old.xml")));
    EXPECT_EQ(readAll(path("old.xml")), "<new/>");

    XmlNode null;
    null.SetAttribute("a", "b");
    EXPECT_TRUE(null.AppendElement("x").IsNull());
    EXPECT_EQ(null.Attribute("a"), std::nullopt);
    EXPECT_EQ(null.Text(), "");
}

}  // namespace
