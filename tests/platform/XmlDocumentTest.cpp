#include "platform/FileUtils.h"
#include "platform/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    row.SetAttribute("Enable", "N"); // replaced in place, order kept
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
    EXPECT_EQ(root.ChildNodes().size(), 5u); // white space between elements is dropped

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

} // namespace
