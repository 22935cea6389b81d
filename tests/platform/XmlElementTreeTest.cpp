#include "platform/XmlElementTree.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <random>

namespace {

class XmlElementTreeTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    bool write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    }
    QTemporaryDir dir;
};

QString dump(const XmlElementTree& tree, XmlElementTree::Index element)
{
    QString text = u'<' + QString::fromUtf8(tree.Name(element));
    for (const XmlElementTree::Attribute& attribute : tree.Attributes(element))
        text += u' ' + QString::fromUtf8(attribute.Name) + u'=' + QString::fromUtf8(attribute.Value);
    for (const XmlElementTree::Attribute& attribute : tree.Attributes(element))
        EXPECT_EQ(attribute.Value.data()[attribute.Value.size()], '\0');
    text += u'>';
    for (auto child = tree.FirstElement(element); child != XmlElementTree::None; child = tree.NextElement(child))
        text += dump(tree, child);
    return text + u'/';
}

QString dump(const XmlNode& element)
{
    QString text = u'<' + element.NodeName();
    for (const XmlAttribute& attribute : element.Attributes())
        text += u' ' + attribute.Name + u'=' + attribute.Value;
    text += u'>';
    for (const XmlNode child : element.Elements())
        text += dump(child);
    return text + u'/';
}

// Loads the file both ways: the tree must accept and refuse as the document does, with the same error,
// and hold the document's elements and attributes.
void expectSameAsDocument(const QString& file, const QByteArray& bytes)
{
    SCOPED_TRACE(bytes.toStdString());
    XmlDocument doc;
    XmlElementTree tree;
    const bool loaded = doc.Load(file);
    ASSERT_EQ(tree.Load(file), loaded);
    EXPECT_EQ(tree.LastError().Code, doc.LastError().Code);
    EXPECT_EQ(tree.LastError().Line, doc.LastError().Line);
    EXPECT_EQ(tree.LastError().Message, doc.LastError().Message);
    if (!loaded) {
        EXPECT_EQ(tree.Root(), XmlElementTree::None);
        return;
    }
    ASSERT_NE(tree.Root(), XmlElementTree::None);
    EXPECT_EQ(dump(tree, tree.Root()), dump(doc.Root()));
}

TEST_F(XmlElementTreeTest, RowValuesFindAttributesInAnyOrder)
{
    const QByteArray rows =
        "<t><row a=\"1\" b=\"2\" c=\"3\"/><!--x--><row c=\"6\" x=\"0\" a=\"4\"/><row/>"
        "<row ab=\"7\" b=\"\" bc=\"8\" a=\"9\"/></t>";
    // Read in the one pass, and loaded as a document (the declaration takes it there).
    for (const QByteArray& bytes : {rows, "<?xml version=\"1.0\"?>" + rows}) {
        ASSERT_TRUE(write("t.xml", bytes));
        XmlElementTree tree;
        ASSERT_TRUE(tree.Load(path("t.xml")));
        const char* const names[] = {"a", "b", "c"};
        std::vector<std::string_view> values{"kept"};
        tree.RowValues(tree.Root(), names, values);
        ASSERT_EQ(values.size(), 1u + 4 * 3);
        QStringList texts;
        for (size_t r = 0; r < 4; ++r) {
            QString row;
            for (size_t k = 0; k < 3; ++k) {
                const std::string_view value = values[1 + r * 3 + k];
                row += value.data() == nullptr ? QStringLiteral("-")
                       : value.empty()         ? QStringLiteral("_")
                                               : QString::fromUtf8(value);
            }
            texts << row;
        }
        EXPECT_EQ(texts, QStringList({"123", "4-6", "---", "9_-"}));
        EXPECT_EQ(values[0], "kept");
        EXPECT_EQ(tree.Child(tree.Root(), "row"), tree.FirstElement(tree.Root()));
        EXPECT_EQ(tree.Child(tree.Root(), "ro"), XmlElementTree::None);
    }
}

TEST_F(XmlElementTreeTest, LoadsAsTheDocumentDoes)
{
    QByteArray many = "<t";
    for (int k = 0; k < 40; ++k)
        many += " a" + QByteArray::number(k) + "=\"" + QByteArray::number(k) + '"';
    many += "/>";
    // More elements and attributes than one block of the tree holds, read both ways.
    QByteArray large = "<t>";
    for (int r = 0; r < 5000; ++r)
        large += "<row a=\"" + QByteArray::number(r) + "\" b=\"x\"><c/></row>";
    large += "</t>";
    const QByteArray cases[] = {
        "<t><row a=\"1\" b=\"2\"/></t>",
        "<!-- before --><t>\r\n\t<row a='x\"y' b=\"p>q\" />\r\n  <r></r ></t >\n<!--after-->\n",
        "<t\n a\n=\n\"1\"\n/>",
        "<t.x-y_z a.b-c=\"\"/>",
        "<t><row a=\"1\" a=\"2\"/></t>",
        "<t><row a=\"1\"b=\"2\"/></t>",
        "<t><row a=\"&amp;&#65;\"/></t>",
        "<t><row a=\"a\tb\"/></t>",
        "<t a=\"\xc3\xa9\"/>",
        "<t a=\"\xc3\"/>",
        "<?xml version=\"1.0\"?><t/>",
        "\xef\xbb\xbf<t/>",
        "<t/><u/>",
        "<t/>text",
        "text<t/>",
        "<t>text</t>",
        "<t><![CDATA[x]]></t>",
        "<!DOCTYPE t><t/>",
        "<!--a--b--><t/>",
        "<!-- a ---><t/>",
        "<!---><t/>",
        "<t><row></t>",
        "<t></u>",
        "</t>",
        "<t a=\"<\"/>",
        "<t a=\"]]>\" b=\">\" c=\"--\" d=\"'\" e='\"'/>",
        "<t a=\"1\" / >",
        "<t:x/>",
        "<1t/>",
        "<t>\x01</t>",
        "<t a=\"\x7f\"/>",
        QByteArray("<t>\0</t>", 8),
        "<t><r a=\"1",
        "<t",
        "<",
        "",
        "  \n",
        "<!--only-->",
        many,
        large,
        "<?xml version=\"1.0\"?>" + large,
    };
    for (const QByteArray& bytes : cases) {
        ASSERT_TRUE(write("c.xml", bytes));
        expectSameAsDocument(path("c.xml"), bytes);
    }
    XmlElementTree tree;
    EXPECT_FALSE(tree.Load(path("missing.xml")));
    XmlDocument doc;
    EXPECT_FALSE(doc.Load(path("missing.xml")));
    EXPECT_EQ(tree.LastError().Code, doc.LastError().Code);
    EXPECT_EQ(tree.LastError().Message, doc.LastError().Message);
}

// Table files changed at random places, by characters that matter to the markup.
TEST_F(XmlElementTreeTest, LoadsChangedTablesAsTheDocumentDoes)
{
    const QByteArray base =
        "<!--v--><Define_Offset>\n<Nodo_DNET><ByteIN><row Offset=\"12\" Mnemonic=\"\"/>"
        "<row Offset='3' Mnemonic=\"m 1\"/></ByteIN>\n<ByteOUT/></Nodo_DNET></Define_Offset>";
    const char alphabet[] = "<>/=\"' \t\r\n!-&?;#a1\xc3\xa9";
    std::mt19937 random(14);
    for (int n = 0; n < 1000; ++n) {
        QByteArray bytes = base;
        for (int changes = 1 + int(random() % 3); changes > 0; --changes) {
            const auto at = qsizetype(random() % uint32_t(bytes.size() + 1));
            const char c = random() % 16 == 0 ? '\0' : alphabet[random() % (sizeof(alphabet) - 1)];
            switch (random() % 3) {
            case 0:
                bytes.insert(at, c);
                break;
            case 1:
                bytes.remove(at, 1);
                break;
            default:
                if (at < bytes.size())
                    bytes[at] = c;
            }
        }
        ASSERT_TRUE(write("r.xml", bytes));
        expectSameAsDocument(path("r.xml"), bytes);
        if (HasFailure())
            return;
    }
}

}  // namespace
