#include "platform/XmlDocument.h"

#include "platform/FileUtils.h"
#include "platform/XmlCheck.h"

#include <QFile>
#include <algorithm>
#include <pugixml.hpp>

namespace {

QString fromPugi(const char* text)
{
    return QString::fromUtf8(text);
}

class ByteWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override
    {
        bytes.append(static_cast<const char*>(data), static_cast<qsizetype>(size));
    }
    QByteArray bytes;
};

bool isText(const pugi::xml_node& node)
{
    return node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata;
}

void appendText(const pugi::xml_node& top, QByteArray& out)
{
    for (pugi::xml_node node = top.first_child(); node;) {
        if (isText(node))
            out.append(node.value());
        node = NextInTree(node, top, node.type() == pugi::node_element);
    }
}

int lineAt(const QByteArray& bytes, std::ptrdiff_t offset)
{
    const qsizetype end = std::clamp<qsizetype>(offset, 0, bytes.size());
    return static_cast<int>(QByteArrayView(bytes.constData(), end).count('\n')) + 1;
}

} // namespace

XmlNodeType XmlNode::NodeType() const
{
    switch (pugi::xml_node(node_).type()) {
    case pugi::node_null:
        return XmlNodeType::Null;
    case pugi::node_document:
        return XmlNodeType::Document;
    case pugi::node_element:
        return XmlNodeType::Element;
    case pugi::node_pcdata:
    case pugi::node_cdata:
        return XmlNodeType::Text;
    default:
        return XmlNodeType::Comment;
    }
}

QString XmlNode::NodeName() const
{
    switch (NodeType()) {
    case XmlNodeType::Element:
        return fromPugi(pugi::xml_node(node_).name());
    case XmlNodeType::Text:
        return QStringLiteral("#text");
    case XmlNodeType::Comment:
        return QStringLiteral("#comment");
    case XmlNodeType::Document:
        return QStringLiteral("#document");
    case XmlNodeType::Null:
        break;
    }
    return {};
}

QString XmlNode::Text() const
{
    const pugi::xml_node node(node_);
    if (node.type() == pugi::node_comment || isText(node))
        return fromPugi(node.value());
    QByteArray text;
    appendText(node, text);
    return QString::fromUtf8(text);
}

bool XmlNode::IsTextElement() const
{
    const pugi::xml_node node(node_);
    if (node.type() != pugi::node_element)
        return false;
    for (const pugi::xml_node& child : node.children())
        if (child.type() == pugi::node_element)
            return false;
    return true;
}

void XmlNode::SetText(const QString& text)
{
    RemoveChildren();
    if (!text.isEmpty())
        pugi::xml_node(node_).append_child(pugi::node_pcdata).set_value(XmlText(text).constData());
}

std::optional<QString> XmlNode::Attribute(const QString& name) const
{
    const pugi::xml_attribute attribute = pugi::xml_node(node_).attribute(name.toUtf8().constData());
    if (!attribute)
        return std::nullopt;
    return fromPugi(attribute.value());
}

void XmlNode::SetAttribute(const QString& name, const QString& value)
{
    pugi::xml_node node(node_);
    if (node.type() != pugi::node_element)
        return;
    const QByteArray key = name.toUtf8();
    if (!IsXmlName(std::string_view(key.constData(), static_cast<size_t>(key.size()))))
        return;
    pugi::xml_attribute attribute = node.attribute(key.constData());
    if (!attribute)
        attribute = node.append_attribute(key.constData());
    attribute.set_value(XmlText(value).constData());
}

std::vector<XmlAttribute> XmlNode::Attributes() const
{
    std::vector<XmlAttribute> result;
    for (const pugi::xml_attribute& attribute : pugi::xml_node(node_).attributes())
        result.push_back({fromPugi(attribute.name()), fromPugi(attribute.value())});
    return result;
}

void XmlNode::VisitAttributes(const std::function<void(std::string_view name, std::string_view value)>& visit) const
{
    for (const pugi::xml_attribute& attribute : pugi::xml_node(node_).attributes())
        visit(attribute.name(), attribute.value());
}

XmlNode XmlNode::Child(const QString& name) const
{
    return XmlNode(pugi::xml_node(node_).child(name.toUtf8().constData()).internal_object());
}

std::vector<XmlNode> XmlNode::ChildNodes() const
{
    std::vector<XmlNode> result;
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        result.push_back(XmlNode(child.internal_object()));
    return result;
}

XmlNode XmlNode::AppendElement(const QString& name)
{
    const QByteArray key = name.toUtf8();
    if (!IsXmlName(std::string_view(key.constData(), static_cast<size_t>(key.size()))))
        return {};
    return XmlNode(pugi::xml_node(node_).append_child(key.constData()).internal_object());
}

XmlNode XmlNode::AppendComment(const QString& text)
{
    pugi::xml_node comment = pugi::xml_node(node_).append_child(pugi::node_comment);
    comment.set_value(XmlCommentText(text).constData());
    return XmlNode(comment.internal_object());
}

void XmlNode::RemoveChildren()
{
    pugi::xml_node(node_).remove_children();
}

XmlDocument::XmlDocument() : doc_(std::make_unique<pugi::xml_document>()) {}

XmlDocument::~XmlDocument() = default;

bool XmlDocument::Load(const QString& path)
{
    Clear();
    error_ = {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error_ = {file.exists() ? pugi::status_io_error : pugi::status_file_not_found, 0,
                  file.errorString()};
        return false;
    }
    const QByteArray bytes = file.readAll();
    const pugi::xml_parse_result result =
        doc_->load_buffer(bytes.constData(), static_cast<size_t>(bytes.size()), XmlParseOptions);
    std::optional<XmlFault> fault;
    if (!result)
        fault = XmlFault{result.status, result.offset, result.description()};
    else
        fault = FinishParse(*doc_, bytes, result.encoding);
    if (!fault)
        return true;
    Clear();
    error_ = {fault->Code, lineAt(bytes, fault->Offset), QString::fromUtf8(fault->Message)};
    return false;
}

bool XmlDocument::Save(const QString& path) const
{
    ByteWriter writer;
    doc_->save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return WriteFileAtomic(path, writer.bytes);
}

void XmlDocument::Clear()
{
    doc_->reset();
}

XmlNode XmlDocument::Node() const
{
    return XmlNode(doc_->internal_object());
}

XmlNode XmlDocument::Root() const
{
    return XmlNode(doc_->document_element().internal_object());
}
