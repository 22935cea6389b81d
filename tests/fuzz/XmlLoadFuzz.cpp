// Fuzz target of the XML document: the input is a file to load. A load either refuses with an error
// or gives a document whose text, attributes and nodes can all be read, and which saves as XML that
// loads again; saving that reloaded document once more gives the same bytes. The element tree of the
// same file accepts and refuses as the document does and holds the same elements and attributes.
#include "platform/XmlDocument.h"
#include "platform/XmlElementTree.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {

QString Temp_File(const char* name)
{
    static QTemporaryDir dir;
    return dir.filePath(QString::fromLatin1(name));
}

QByteArray Read_File(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fail(const char* what)
{
    std::fprintf(stderr, "%s\n", what);
    std::abort();
}

// Reads every node below the document without recursion.
void Read_All(const XmlDocument& doc)
{
    std::vector<XmlNode> pending{doc.Node()};
    while (!pending.empty()) {
        const XmlNode node = pending.back();
        pending.pop_back();
        (void)node.NodeName();
        (void)node.IsTextElement();
        for (const XmlAttribute& attribute : node.Attributes())
            if (node.Attribute(attribute.Name) != attribute.Value)
                Fail("an attribute doesn't read back by its name");
        for (const XmlNode& child : node.ChildNodes())
            pending.push_back(child);
    }
    (void)doc.Root().Text();
}

// Compares the tree's elements with the document's, in document order, without recursion.
void Compare_Tree(const XmlDocument& doc, const XmlElementTree& tree)
{
    std::vector<std::pair<XmlNode, XmlElementTree::Index>> pending{{doc.Root(), tree.Root()}};
    while (!pending.empty()) {
        auto [node, element] = pending.back();
        pending.pop_back();
        if (node.IsNull() != (element == XmlElementTree::None))
            Fail("the tree's elements differ from the document's");
        if (node.IsNull())
            continue;
        const std::vector<XmlAttribute> attributes = node.Attributes();
        const auto treeAttributes = tree.Attributes(element);
        if (node.NodeName() != QString::fromUtf8(tree.Name(element)) || attributes.size() != treeAttributes.size())
            Fail("an element of the tree differs from the document's");
        for (size_t k = 0; k < attributes.size(); ++k)
            if (attributes[k].Name != QString::fromUtf8(treeAttributes[k].Name) ||
                attributes[k].Value != QString::fromUtf8(treeAttributes[k].Value) ||
                treeAttributes[k].Value.data()[treeAttributes[k].Value.size()] != '\0')
                Fail("an attribute of the tree differs from the document's");
        pending.push_back(
            {node.NextElement(), element == tree.Root() ? XmlElementTree::None : tree.NextElement(element)});
        pending.push_back({node.FirstElement(), tree.FirstElement(element)});
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString input = Temp_File("input.xml");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    file.close();

    XmlDocument doc;
    XmlElementTree tree;
    const bool loaded = doc.Load(input);
    if (tree.Load(input) != loaded || tree.LastError().Code != doc.LastError().Code ||
        tree.LastError().Line != doc.LastError().Line || tree.LastError().Message != doc.LastError().Message)
        Fail("the element tree doesn't load as the document does");
    if (!loaded) {
        if (doc.LastError().Code == 0 || !doc.Root().IsNull())
            Fail("a refused load reports no error or keeps nodes");
        return 0;
    }
    Compare_Tree(doc, tree);
    Read_All(doc);
    const QString first = Temp_File("first.xml");
    const QString second = Temp_File("second.xml");
    XmlDocument again;
    if (!doc.Save(first) || !again.Load(first))
        Fail("a loaded document doesn't save as XML that loads");
    if (!again.Save(first) || !again.Load(first) || !again.Save(second))
        Fail("a saved document doesn't load again");
    if (Read_File(first) != Read_File(second))
        Fail("saving a reloaded document changes it");
    return 0;
}
