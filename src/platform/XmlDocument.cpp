#include "platform/XmlDocument.h"

#include "platform/FileUtils.h"
#include "platform/XmlCheck.h"

#include <QFile>
#include <QVarLengthArray>
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

// A name as a NUL-terminated UTF-8 string, converted on the stack for names of usual length; empty for
// a name holding NUL, which no document name matches.
class Utf8Name {
public:
    explicit Utf8Name(QAnyStringView name)
    {
        name.visit([this](auto view) { set(view); });
        if (std::find(bytes_.begin(), bytes_.end(), '\0') != bytes_.end())
            bytes_.clear();
        bytes_.append('\0');
    }
    const char* CStr() const { return bytes_.constData(); }
    std::string_view View() const { return {bytes_.constData(), static_cast<size_t>(bytes_.size() - 1)}; }

private:
    void set(QUtf8StringView name) { bytes_.append(name.data(), name.size()); }
    void set(QLatin1StringView name)
    {
        if (std::all_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
            bytes_.append(name.data(), name.size());
        else
            set(QString(name));
    }
    void set(QStringView name)
    {
        if (std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; })) {
            bytes_.resize(name.size());
            std::transform(name.begin(), name.end(), bytes_.begin(),
                           [](QChar c) { return static_cast<char>(c.unicode()); });
        } else {
            const QByteArray utf8 = name.toUtf8();
            bytes_.append(utf8.constData(), utf8.size());
        }
    }

    QVarLengthArray<char, 64> bytes_;
};

pugi::xml_node elementFrom(pugi::xml_node node)
{
    while (node && node.type() != pugi::node_element)
        node = node.next_sibling();
    return node;
}

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

}  // namespace

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
    const pugi::xml_node first = node.first_child();
    if (!first)
        return {};
    if (isText(first) && !first.next_sibling())
        return fromPugi(first.value());
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

std::optional<QString> XmlNode::Attribute(QAnyStringView name) const
{
    const pugi::xml_attribute attribute = pugi::xml_node(node_).attribute(Utf8Name(name).CStr());
    if (!attribute)
        return std::nullopt;
    return fromPugi(attribute.value());
}

std::optional<std::string_view> XmlNode::AttributeUtf8(QAnyStringView name) const
{
    const pugi::xml_attribute attribute = pugi::xml_node(node_).attribute(Utf8Name(name).CStr());
    if (!attribute)
        return std::nullopt;
    return attribute.value();
}

void XmlNode::SetAttribute(QAnyStringView name, const QString& value)
{
    pugi::xml_node node(node_);
    const Utf8Name key(name);
    if (node.type() != pugi::node_element || !IsXmlName(key.View()))
        return;
    pugi::xml_attribute attribute = node.attribute(key.CStr());
    if (!attribute)
        attribute = node.append_attribute(key.CStr());
    attribute.set_value(XmlText(value).constData());
}

std::vector<XmlAttribute> XmlNode::Attributes() const
{
    std::vector<XmlAttribute> result;
    for (const pugi::xml_attribute& attribute : pugi::xml_node(node_).attributes())
        result.push_back({fromPugi(attribute.name()), fromPugi(attribute.value())});
    return result;
}

XmlNode XmlNode::Child(QAnyStringView name) const
{
    return XmlNode(pugi::xml_node(node_).child(Utf8Name(name).CStr()).internal_object());
}

std::vector<XmlNode> XmlNode::ChildNodes() const
{
    std::vector<XmlNode> result;
    for (const pugi::xml_node& child : pugi::xml_node(node_).children())
        result.push_back(XmlNode(child.internal_object()));
    return result;
}

XmlElements XmlNode::Elements() const
{
    return XmlElements(*this);
}

XmlNode XmlNode::FirstElement() const
{
    return XmlNode(elementFrom(pugi::xml_node(node_).first_child()).internal_object());
}

XmlNode XmlNode::NextElement() const
{
    return XmlNode(elementFrom(pugi::xml_node(node_).next_sibling()).internal_object());
}

XmlNode XmlNode::AppendElement(QAnyStringView name)
{
    const Utf8Name key(name);
    if (!IsXmlName(key.View()))
        return {};
    return XmlNode(pugi::xml_node(node_).append_child(key.CStr()).internal_object());
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

XmlDocument::XmlDocument() : doc_(std::make_unique<pugi::xml_document>())
{}

XmlDocument::~XmlDocument() = default;

bool XmlDocument::Load(const QString& path)
{
    Clear();
    error_ = {};
    QFile file(path);
    // Read in one piece, without the device's own buffer.
    const qint64 size = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.size() : -1;
    // The parse works in place in a buffer the document then owns.
    char* buffer = size >= 0 ? static_cast<char*>(pugi::get_memory_allocation_function()(size_t(size) + 1)) : nullptr;
    if (!buffer || file.read(buffer, size) != size) {
        if (buffer)
            pugi::get_memory_deallocation_function()(buffer);
        error_ = {file.exists() ? pugi::status_io_error : pugi::status_file_not_found, 0, file.errorString()};
        return false;
    }
    // Ended by a zero that the parse takes as its own, as when it copies the bytes itself.
    buffer[size] = '\0';
    const TXmlBytesScan scan = ScanXmlBytes(std::string_view(buffer, size_t(size)));
    const pugi::xml_parse_result result =
        doc_->load_buffer_inplace_own(buffer, size_t(size) + 1, XmlParseOptionsFor(scan));
    std::optional<XmlFault> fault;
    if (!result)
        fault = XmlFault{result.status, result.offset, result.description()};
    else
        fault = FinishParse(*doc_, scan, result.encoding);
    if (!fault)
        return true;
    Clear();
    // The parse changed the buffer: the line is counted in the file as it stands.
    file.seek(0);
    error_ = {fault->Code, lineAt(file.readAll(), fault->Offset), QString::fromUtf8(fault->Message)};
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
