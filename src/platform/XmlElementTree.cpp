#include "platform/XmlElementTree.h"

#include <QFile>
#include <QVarLengthArray>
#include <algorithm>
#include <array>
#include <cstring>
#include <new>
#include <pugixml.hpp>

namespace {

// The classes of the bytes the one pass reads, in a table: one look per byte.
enum : uint8_t {
    Space = 1,         // white space
    Name_Start = 2,    // first character of an ASCII name
    Name_Char = 4,     // character of an ASCII name
    Value_Char = 8,    // printable ASCII other than "<", "&" and the quotes
    Comment_Char = 16  // printable ASCII or white space
};

constexpr std::array<uint8_t, 256> charClasses()
{
    std::array<uint8_t, 256> classes{};
    for (int c = 0x20; c <= 0x7e; ++c) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
        const bool nameChar = letter || (c >= '0' && c <= '9') || c == '.' || c == '-';
        const bool value = c != '<' && c != '&' && c != '"' && c != '\'';
        classes[size_t(c)] =
            uint8_t((letter ? Name_Start : 0) | (nameChar ? Name_Char : 0) | (value ? Value_Char : 0) | Comment_Char);
    }
    for (const char c : {' ', '\t', '\n', '\r'})
        classes[size_t(c)] |= Space | Comment_Char;
    return classes;
}
constexpr std::array<uint8_t, 256> Char_Classes = charClasses();

bool is(char c, uint8_t charClass)
{
    return (Char_Classes[static_cast<unsigned char>(c)] & charClass) != 0;
}

template <typename Word>
Word load(const char* bytes)
{
    Word word;
    std::memcpy(&word, bytes, sizeof(word));
    return word;
}

// Names are short: compared inline, a word at a time.
bool sameName(std::string_view a, std::string_view b)
{
    const size_t size = a.size();
    if (size != b.size())
        return false;
    const char* x = a.data();
    const char* y = b.data();
    if (size >= 8) {
        for (size_t k = 0; k + 8 < size; k += 8)
            if (load<uint64_t>(x + k) != load<uint64_t>(y + k))
                return false;
        return load<uint64_t>(x + size - 8) == load<uint64_t>(y + size - 8);
    }
    if (size >= 4)
        return load<uint32_t>(x) == load<uint32_t>(y) && load<uint32_t>(x + size - 4) == load<uint32_t>(y + size - 4);
    for (size_t k = 0; k < size; ++k)
        if (x[k] != y[k])
            return false;
    return true;
}

// More attributes on one element than this send the file to the full load, which checks them for
// equal names without a search per attribute.
constexpr size_t Plain_Attributes = 32;

}  // namespace

// Appends elements in document order, each as the last child of the element still open.
class XmlElementTree::Builder {
public:
    explicit Builder(XmlElementTree& tree) : tree_(tree) {}

    // Opens an element that will have up to attributeCount attributes.
    void Open(std::string_view name, size_t attributeCount)
    {
        if (tree_.elementBlocks_.empty() || tree_.elementBlocks_.back().size() == Block_Elements)
            tree_.elementBlocks_.emplace_back().reserve(Block_Elements);
        if (tree_.attributeBlocks_.empty() ||
            tree_.attributeBlocks_.back().capacity() - tree_.attributeBlocks_.back().size() < attributeCount)
            tree_.attributeBlocks_.emplace_back().reserve(std::max(attributeCount, Block_Attributes));
        std::vector<Attribute>& attributes = tree_.attributeBlocks_.back();
        const auto index = static_cast<Index>(tree_.elementCount_++);
        Element* element = &tree_.elementBlocks_.back().emplace_back(
            Element{name, attributes.data() + attributes.size(), 0, None, None});
        if (!open_.empty()) {
            TOpen& parent = open_.back();
            (parent.LastChild != nullptr ? parent.LastChild->NextSibling : parent.Parent->FirstChild) = index;
            parent.LastChild = element;
        }
        open_.push_back({element, nullptr});
        last_ = element;
        seen_ = 0;
    }
    // An attribute of the element opened last, before any child of it.
    void AddAttribute(std::string_view name, std::string_view value)
    {
        tree_.attributeBlocks_.back().push_back({name, value});
        ++last_->AttributeCount;
    }
    // Whether the element opened last has an attribute of that name. The names seen are kept by length
    // and first character in a mask, so that only a name that may be there is searched for.
    bool HasAttribute(std::string_view name)
    {
        const uint64_t bit = uint64_t(1) << ((name.size() * 7 + static_cast<unsigned char>(name[0])) % 64);
        const bool maybe = (seen_ & bit) != 0;
        seen_ |= bit;
        return maybe && std::any_of(last_->Attributes, last_->Attributes + last_->AttributeCount,
                                    [name](const Attribute& attribute) { return sameName(attribute.Name, name); });
    }
    size_t AttributeCount() const { return last_->AttributeCount; }
    void Close() { open_.pop_back(); }
    bool AnyOpen() const { return !open_.empty(); }
    std::string_view OpenName() const { return open_.back().Parent->Name; }

private:
    struct TOpen {
        Element* Parent;
        Element* LastChild;
    };
    XmlElementTree& tree_;
    std::vector<TOpen> open_;
    Element* last_ = nullptr;  // opened last
    uint64_t seen_ = 0;
};

// The one pass over a plain file, in a buffer ended by a NUL: elements whose names and attribute names
// are ASCII names, attribute values of printable ASCII without "<" or "&", white space between the
// markup, comments of printable ASCII and white space. False on anything else, the file then being left
// to the full load (which also gives the message of a malformed one). Values are ended in place.
class XmlElementTree::PlainReader {
public:
    PlainReader(char* bytes, const char* end, Builder& builder) : p_(bytes), end_(end), builder_(builder) {}

    bool Read()
    {
        bool rootRead = false;
        for (;;) {
            skipSpace();
            if (p_ == end_)
                return rootRead;
            if (*p_ != '<')
                return false;  // text, or a NUL inside the file
            ++p_;
            if (*p_ == '!') {
                if (!comment())
                    return false;
                continue;
            }
            if (*p_ == '/' ? !endTag() : rootRead || !startTag())
                return false;
            rootRead = !builder_.AnyOpen();
        }
    }

private:
    // The loops step a local pointer: stores through the buffer's chars could otherwise alias p_.
    void skipSpace()
    {
        char* p = p_;
        while (is(*p, Space))
            ++p;
        p_ = p;
    }

    std::string_view name()
    {
        char* p = p_;
        if (!is(*p, Name_Start))
            return {};
        do
            ++p;
        while (is(*p, Name_Char));
        const std::string_view found(p_, static_cast<size_t>(p - p_));
        p_ = p;
        return found;
    }

    // After "<!": "--", the text without "--", "-->".
    bool comment()
    {
        if (p_[1] != '-' || p_[2] != '-')
            return false;
        for (p_ += 3;; ++p_) {
            if (*p_ == '-' && p_[1] == '-') {
                if (p_[2] != '>')
                    return false;
                p_ += 3;
                return true;
            }
            if (!is(*p_, Comment_Char))
                return false;
        }
    }

    // After "<".
    bool startTag()
    {
        const std::string_view tag = name();
        if (tag.empty())
            return false;
        builder_.Open(tag, Plain_Attributes);
        for (;;) {
            const char* before = p_;
            skipSpace();
            if (*p_ == '>') {
                ++p_;
                return true;
            }
            if (*p_ == '/') {
                if (p_[1] != '>')
                    return false;
                p_ += 2;
                builder_.Close();
                return true;
            }
            if (p_ == before || !attribute())  // attributes are set apart by white space
                return false;
        }
    }

    bool attribute()
    {
        const std::string_view key = name();
        if (key.empty() || builder_.AttributeCount() == Plain_Attributes || builder_.HasAttribute(key))
            return false;
        skipSpace();
        if (*p_ != '=')
            return false;
        ++p_;
        skipSpace();
        const char quote = *p_;
        if (quote != '"' && quote != '\'')
            return false;
        const char otherQuote = quote == '"' ? '\'' : '"';
        char* value = p_ + 1;
        char* p = value;
        for (;; ++p) {
            while (is(*p, Value_Char))
                ++p;
            if (*p == quote)
                break;
            if (*p != otherQuote)
                return false;
        }
        *p = '\0';
        p_ = p + 1;
        builder_.AddAttribute(key, {value, static_cast<size_t>(p - value)});
        return true;
    }

    // After "<".
    bool endTag()
    {
        ++p_;
        if (!builder_.AnyOpen() || name() != builder_.OpenName())
            return false;
        skipSpace();
        if (*p_ != '>')
            return false;
        ++p_;
        builder_.Close();
        return true;
    }

    char* p_;
    const char* end_;
    Builder& builder_;
};

XmlElementTree::XmlElementTree() = default;

XmlElementTree::~XmlElementTree() = default;

bool XmlElementTree::Load(const QString& path)
{
    clear();
    if (readPlain(path))
        return true;
    clear();
    document_ = std::make_unique<XmlDocument>();
    if (!document_->Load(path))
        return false;
    readDocument();
    return true;
}

bool XmlElementTree::readPlain(const QString& path)
{
    QFile file(path);
    const qint64 size = file.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ? file.size() : -1;
    if (size < 0)
        return false;
    // A file too large for memory goes to the full load, which reports it.
    try {
        bytes_ = std::make_unique_for_overwrite<char[]>(size_t(size) + 1);
        if (file.read(bytes_.get(), size) != size)
            return false;
        bytes_[size_t(size)] = '\0';
        Builder builder(*this);
        return PlainReader(bytes_.get(), bytes_.get() + size, builder).Read();
    } catch (const std::bad_alloc&) {
        return false;
    }
}

const XmlError& XmlElementTree::LastError() const
{
    static const XmlError none;
    return document_ ? document_->LastError() : none;
}

XmlElementTree::Index XmlElementTree::Child(Index parent, std::string_view name) const
{
    Index child = FirstElement(parent);
    while (child != None && Name(child) != name)
        child = NextElement(child);
    return child;
}

void XmlElementTree::RowValues(Index parent, std::span<const char* const> names,
                               std::vector<std::string_view>& values) const
{
    QVarLengthArray<std::string_view, 16> keys;
    for (const char* name : names)
        keys.append(name);
    const size_t count = names.size();
    for (Index row = FirstElement(parent); row != None; row = NextElement(row)) {
        const size_t start = values.size();
        values.resize(start + count);
        std::string_view* found = values.data() + start;
        const Element& element = at(row);
        // Rows mostly list their attributes in the table's order: each is first compared with the name
        // after the last one found.
        size_t next = 0;
        for (size_t a = 0; a < element.AttributeCount; ++a) {
            const Attribute& attribute = element.Attributes[a];
            const size_t k = next < count && sameName(attribute.Name, keys[qsizetype(next)])
                                 ? next
                                 : size_t(std::find_if(keys.begin(), keys.end(),
                                                       [&attribute](std::string_view key) {
                                                           return sameName(key, attribute.Name);
                                                       }) -
                                          keys.begin());
            if (k < count && found[k].data() == nullptr) {
                found[k] = attribute.Value;
                next = k + 1;
            }
        }
    }
}

void XmlElementTree::clear()
{
    elementBlocks_.clear();
    elementCount_ = 0;
    attributeBlocks_.clear();
    bytes_.reset();
    document_.reset();
}

// The elements of the loaded document, depth first, without recursion.
void XmlElementTree::readDocument()
{
    Builder builder(*this);
    const pugi::xml_node top(document_->Node().node_);
    pugi::xml_node node = top.first_child();
    while (node) {
        if (node.type() == pugi::node_element) {
            size_t attributeCount = 0;
            for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
                 attribute = attribute.next_attribute())
                ++attributeCount;
            builder.Open(node.name(), attributeCount);
            for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
                 attribute = attribute.next_attribute())
                builder.AddAttribute(attribute.name(), attribute.value());
            if (const pugi::xml_node child = node.first_child()) {
                node = child;
                continue;
            }
            builder.Close();
        }
        // On to the next sibling, closing each element left on the way up.
        while (node != top && !node.next_sibling()) {
            node = node.parent();
            if (node != top)
                builder.Close();
        }
        node = node == top ? pugi::xml_node() : node.next_sibling();
    }
}
