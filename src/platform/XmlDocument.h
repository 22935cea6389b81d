#pragma once
// An XML document object over pugixml: load, build, read and save documents.
//
// Saved form: UTF-8 without byte-order mark and without XML declaration; no indentation and no line
// breaks added, so a document is written on one line as built (the text nodes it holds are kept).
// Empty elements are written as <name/>. Attributes keep their insertion order.
//
// Loaded form: comments are kept as nodes; the XML declaration, the document type, processing
// instructions and white-space-only text are dropped. A load accepts well-formed XML only: one root
// element with nothing but comments and white space beside it, the five predefined entities and
// character references (a document type's own entities are not expanded, so they count as
// undefined), distinct attribute names, no "<" in an attribute value, and only characters XML 1.0
// allows, as valid UTF-8 when the file is UTF-8.
//
// Building: text, attribute values and comments drop the characters XML 1.0 forbids (control
// characters other than tab, line feed and carriage return; U+FFFE and U+FFFF) when they are set, and
// a comment gets a space into "--" and after a final "-"; a name that isn't an XML name is refused (no
// element is appended, no attribute set). So a saved document always loads again.
#include <QAnyStringView>
#include <QString>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace pugi {
struct xml_node_struct;
class xml_document;
}  // namespace pugi

enum class XmlNodeType { Null, Document, Element, Text, Comment };

struct XmlAttribute {
    QString Name;
    QString Value;
};

class XmlElements;

// A handle of one node of a document; valid while the document holds the node. A null handle reads as
// empty and ignores writes. Names may be given in any string form (a literal, a Latin-1 view, a
// QString); they are compared with the document's UTF-8 names without allocating for names of usual
// length.
class XmlNode {
public:
    XmlNode() = default;

    bool IsNull() const { return node_ == nullptr; }
    explicit operator bool() const { return !IsNull(); }
    XmlNodeType NodeType() const;
    // Element name; "#text" for text, "#comment" for a comment, "#document" for the document.
    QString NodeName() const;

    // The text content: every text below the node joined in document order (a comment: its text).
    QString Text() const;
    // True when the element holds no element children (only text, comments, or nothing).
    bool IsTextElement() const;
    // Replaces the element's children by one text node (none for an empty text).
    void SetText(const QString& text);

    // The attribute's value; no value when the node has no attribute of that name.
    std::optional<QString> Attribute(QAnyStringView name) const;
    // The attribute's value as the document holds it (UTF-8), valid while the attribute is unchanged.
    std::optional<std::string_view> AttributeUtf8(QAnyStringView name) const;
    // Sets the value, appending the attribute after the others when it is new.
    void SetAttribute(QAnyStringView name, const QString& value);
    std::vector<XmlAttribute> Attributes() const;
    // The first child element of that name (names compare exactly), or a null node.
    XmlNode Child(QAnyStringView name) const;
    // Every child node (elements, texts, comments) in document order.
    std::vector<XmlNode> ChildNodes() const;
    // The child elements in document order, without building a list: for (XmlNode row : node.Elements()).
    XmlElements Elements() const;
    // The first child element, and the next element after this one among its parent's children; null
    // when there is none.
    XmlNode FirstElement() const;
    XmlNode NextElement() const;

    XmlNode AppendElement(QAnyStringView name);
    XmlNode AppendComment(const QString& text);
    void RemoveChildren();

    bool operator==(const XmlNode&) const = default;

private:
    friend class XmlDocument;
    friend class XmlElementTree;
    explicit XmlNode(pugi::xml_node_struct* node) : node_(node) {}
    pugi::xml_node_struct* node_ = nullptr;
};

class XmlElements {
public:
    class Iterator {
    public:
        XmlNode operator*() const { return node_; }
        Iterator& operator++()
        {
            node_ = node_.NextElement();
            return *this;
        }
        bool operator==(const Iterator&) const = default;

    private:
        friend class XmlElements;
        XmlNode node_;
    };

    explicit XmlElements(const XmlNode& parent) : parent_(parent) {}
    Iterator begin() const
    {
        Iterator first;
        first.node_ = parent_.FirstElement();
        return first;
    }
    Iterator end() const { return {}; }

private:
    XmlNode parent_;
};

struct XmlError {
    int Code = 0;  // 0 when the last load succeeded
    int Line = 0;  // line of the fault in the file, from 1; 0 when not a parse fault
    QString Message;
};

class XmlDocument {
public:
    XmlDocument();
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Replaces the content with the file's. False on a missing, unreadable or malformed file, which
    // leaves the document empty and sets LastError.
    bool Load(const QString& path);
    // Writes the document in the saved form through a temporary file renamed into place; false when
    // the file can't be written (the old file then stays as it was).
    bool Save(const QString& path) const;

    // Removes every node.
    void Clear();
    // The document itself: its ChildNodes, Child, AppendElement and AppendComment act at the top level.
    XmlNode Node() const;
    // The root: the document's first element (the one a project file starts with), or a null node.
    XmlNode Root() const;

    const XmlError& LastError() const { return error_; }

private:
    std::unique_ptr<pugi::xml_document> doc_;
    XmlError error_;
};
