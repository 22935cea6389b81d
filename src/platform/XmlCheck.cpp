#include "platform/XmlCheck.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr uint32_t LastCodePoint = 0x10FFFF;

bool isXmlChar(uint32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           (c >= 0x10000 && c <= LastCodePoint);
}

// Length of the UTF-8 sequence at p when it encodes a character XML allows, else 0.
int xmlCharLength(const unsigned char* p, const unsigned char* end)
{
    const unsigned lead = p[0];
    if (lead < 0x80)
        return isXmlChar(lead) ? 1 : 0;
    int length = 0;
    uint32_t c = 0;
    uint32_t least = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    return c >= least && isXmlChar(c) ? length : 0;
}

constexpr uint64_t High_Bits = 0x8080808080808080u;

// The high bit of each of the eight bytes that is not a control character, when none has its own high
// bit set: without it, (b | 0x80) - 0x20 keeps its high bit exactly when b >= 0x20, and never borrows.
uint64_t printableBits(uint64_t bytes)
{
    constexpr uint64_t space = 0x2020202020202020u;
    return ((bytes | High_Bits) - space) & High_Bits;
}

// True when none of the n * 8 bytes at p is a control character or a non-ASCII byte.
template <size_t n>
bool plainAscii(const unsigned char* p)
{
    uint64_t any = 0;
    uint64_t printable = High_Bits;
    for (size_t i = 0; i < n; ++i) {
        uint64_t bytes = 0;
        std::memcpy(&bytes, p + 8 * i, sizeof bytes);
        any |= bytes;
        printable &= printableBits(bytes);
    }
    return (any & High_Bits) == 0 && printable == High_Bits;
}

// Offset of the first byte that doesn't start an allowed UTF-8 character, or -1; controls tells whether
// a tab, line feed or carriage return comes before it.
std::ptrdiff_t firstBadChar(std::string_view text, bool& controls)
{
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const auto* end = begin + text.size();
    controls = false;
    for (const unsigned char* p = begin; p < end;) {
        if (end - p >= 64 && plainAscii<8>(p)) {
            p += 64;
            continue;
        }
        if (end - p >= 8 && plainAscii<1>(p)) {
            p += 8;
            continue;
        }
        if (*p >= 0x20 && *p < 0x80) {
            ++p;
            continue;
        }
        const int length = xmlCharLength(p, end);
        if (length == 0)
            return p - begin;
        controls = controls || *p < 0x20;
        p += length;
    }
    return -1;
}

std::ptrdiff_t firstBadChar(std::string_view text)
{
    bool controls = false;
    return firstBadChar(text, controls);
}

void appendUtf8(std::string& out, uint32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The character of a reference "#65" or "#x41" (without "&" and ";"), when XML allows it.
std::optional<uint32_t> characterReference(std::string_view digits)
{
    const bool hex = digits.size() > 1 && digits[1] == 'x';
    digits.remove_prefix(hex ? 2 : 1);
    if (digits.empty())
        return std::nullopt;
    uint32_t c = 0;
    for (const char d : digits) {
        uint32_t value = 0;
        if (d >= '0' && d <= '9')
            value = static_cast<uint32_t>(d - '0');
        else if (hex && d >= 'a' && d <= 'f')
            value = static_cast<uint32_t>(d - 'a' + 10);
        else if (hex && d >= 'A' && d <= 'F')
            value = static_cast<uint32_t>(d - 'A' + 10);
        else
            return std::nullopt;
        c = std::min(c * (hex ? 16 : 10) + value, LastCodePoint + 1);
    }
    if (!isXmlChar(c))
        return std::nullopt;
    return c;
}

std::optional<char> entityReference(std::string_view name)
{
    static constexpr std::pair<std::string_view, char> entities[] = {
        {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"apos", '\''}, {"quot", '"'}};
    for (const auto& [entity, c] : entities)
        if (name == entity)
            return c;
    return std::nullopt;
}

// Decodes the references of raw text into out; false at the first one undefined or malformed, whose
// position is then in failedAt.
bool decodeReferences(std::string_view raw, std::string& out, size_t& failedAt)
{
    out.clear();
    out.reserve(raw.size());
    for (size_t at = 0;;) {
        const size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp == std::string_view::npos ? std::string_view::npos : amp - at));
        if (amp == std::string_view::npos)
            return true;
        failedAt = amp;
        const size_t semicolon = raw.find(';', amp + 1);
        if (semicolon == std::string_view::npos)
            return false;
        const std::string_view reference = raw.substr(amp + 1, semicolon - amp - 1);
        if (reference.starts_with('#')) {
            const std::optional<uint32_t> c = characterReference(reference);
            if (!c)
                return false;
            appendUtf8(out, *c);
        } else {
            const std::optional<char> c = entityReference(reference);
            if (!c)
                return false;
            out += *c;
        }
        at = semicolon + 1;
    }
}

class TreeCheck {
public:
    // checkChars: the characters were not checked in the loaded bytes; references, cdataEnd: the loaded
    // text may hold "&" or "]]>" (when it holds neither, no text needs a look).
    TreeCheck(pugi::xml_document& doc, bool checkChars, bool references, bool cdataEnd)
        : doc_(doc), checkChars_(checkChars), references_(references), cdataEnd_(cdataEnd)
    {}

    std::optional<XmlFault> Run()
    {
        if (auto fault = TopLevel())
            return fault;
        for (pugi::xml_node node = doc_.first_child(); node; node = NextInTree(node, doc_))
            if (auto fault = check(node))
                return fault;
        return std::nullopt;
    }

    // One root element, no text beside it, at most one document type before it (then dropped).
    std::optional<XmlFault> TopLevel()
    {
        pugi::xml_node root;
        pugi::xml_node doctype;
        for (pugi::xml_node node = doc_.first_child(); node; node = node.next_sibling()) {
            switch (node.type()) {
            case pugi::node_element:
                if (root)
                    return faultAt(node, pugi::status_bad_start_element, "More than one root element");
                root = node;
                break;
            case pugi::node_pcdata:
            case pugi::node_cdata:
                return faultAt(node, pugi::status_bad_pcdata, "Text outside the root element");
            case pugi::node_doctype:
                if (root || doctype)
                    return faultAt(node, pugi::status_bad_doctype, "Document type after the start");
                doctype = node;
                break;
            default:
                break;
            }
        }
        if (!root)
            return XmlFault{pugi::status_no_document_element, 0, "No document element found"};
        doc_.remove_child(doctype);
        return std::nullopt;
    }

private:
    static XmlFault faultAt(pugi::xml_node node, pugi::xml_parse_status code, const char* message)
    {
        return {code, node.offset_debug(), message};
    }

    // A fault at `at`, a character of the node's text: in place in the parsed buffer while unchanged.
    static XmlFault faultAt(pugi::xml_node node, const char* at, pugi::xml_parse_status code, const char* message)
    {
        const char* start = node.type() == pugi::node_element ? node.name() : node.value();
        return {code, node.offset_debug() + (at - start), message};
    }

    std::optional<XmlFault> check(pugi::xml_node node)
    {
        switch (node.type()) {
        case pugi::node_element:
            return element(node);
        case pugi::node_pcdata:
            return text(node);
        case pugi::node_comment:
            if (const std::string_view text = node.value();
                text.find("--") != std::string_view::npos || text.ends_with('-'))
                return faultAt(node, pugi::status_bad_comment, "\"--\" in a comment");
            return chars(node, node.value());
        case pugi::node_cdata:
            return chars(node, node.value());
        case pugi::node_doctype:
            return faultAt(node, pugi::status_bad_doctype, "Document type inside an element");
        default:
            return std::nullopt;
        }
    }

    std::optional<XmlFault> element(pugi::xml_node node)
    {
        if (auto fault = chars(node, node.name()))
            return fault;
        names_.clear();
        for (pugi::xml_attribute attribute = node.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            names_.push_back(attribute.name());
            if (auto fault = chars(node, attribute.name()))
                return fault;
            const char* value = attribute.value();
            bool references = false;
            const char* mark = value;
            for (; *mark && *mark != '<'; ++mark)
                references = references || *mark == '&';
            if (*mark == '<')
                return faultAt(node, mark, pugi::status_bad_attribute, "\"<\" in an attribute value");
            if (auto fault = decode(node, value, references,
                                    [&attribute](const char* decoded) { attribute.set_value(decoded); }))
                return fault;
        }
        if (const char* duplicate = duplicateName())
            return faultAt(node, duplicate, pugi::status_bad_attribute, "Duplicate attribute");
        return std::nullopt;
    }

    // A name that occurs twice in names_, or null.
    const char* duplicateName()
    {
        const auto same = [](const char* a, const char* b) { return a[0] == b[0] && std::strcmp(a, b) == 0; };
        if (names_.size() <= 16) {
            for (size_t i = 0; i < names_.size(); ++i)
                for (size_t j = i + 1; j < names_.size(); ++j)
                    if (same(names_[i], names_[j]))
                        return names_[j];
            return nullptr;
        }
        std::sort(names_.begin(), names_.end(), [](const char* a, const char* b) { return std::strcmp(a, b) < 0; });
        const auto twice = std::adjacent_find(names_.begin(), names_.end(), same);
        return twice == names_.end() ? nullptr : std::max(*twice, *std::next(twice));
    }

    std::optional<XmlFault> text(pugi::xml_node node)
    {
        if (!checkChars_ && !references_ && !cdataEnd_)
            return std::nullopt;
        const char* value = node.value();
        if (const char* end = std::strstr(value, "]]>"))
            return faultAt(node, end, pugi::status_bad_pcdata, "\"]]>\" in text");
        const bool references = std::strchr(value, '&') != nullptr;
        return decode(node, value, references, [&node](const char* decoded) { node.set_value(decoded); });
    }

    std::optional<XmlFault> chars(pugi::xml_node node, const char* text) const
    {
        if (!checkChars_)
            return std::nullopt;
        if (const std::ptrdiff_t bad = firstBadChar(text); bad >= 0)
            return faultAt(node, text + bad, pugi::status_bad_pcdata, "Character not allowed in XML");
        return std::nullopt;
    }

    // Checks the characters of raw text and, when it holds references, sets its value decoded.
    template <class Set>
    std::optional<XmlFault> decode(pugi::xml_node node, const char* raw, bool references, Set set)
    {
        if (auto fault = chars(node, raw))
            return fault;
        if (!references)
            return std::nullopt;
        size_t failedAt = 0;
        if (!decodeReferences(raw, decoded_, failedAt))
            return faultAt(node, raw + failedAt, pugi::status_bad_pcdata, "Undefined or malformed reference");
        set(decoded_.c_str());
        return std::nullopt;
    }

    pugi::xml_document& doc_;
    const bool checkChars_;
    const bool references_;
    const bool cdataEnd_;
    std::vector<const char*> names_;
    std::string decoded_;
};

// The bytes a markup scan stops at: white space ends names and is skipped between them; a stop byte
// ends a name (and a NUL the text).
enum MarkupClass : uint8_t { mcName, mcSpace, mcStop };

constexpr std::array<MarkupClass, 256> markupClasses()
{
    std::array<MarkupClass, 256> classes{};
    for (const char c : {' ', '\t', '\r', '\n'})
        classes[static_cast<unsigned char>(c)] = mcSpace;
    for (const char c : {'\0', '=', '/', '>', '<', '"', '\''})
        classes[static_cast<unsigned char>(c)] = mcStop;
    return classes;
}
constexpr std::array<MarkupClass, 256> Markup_Class = markupClasses();

// The bytes that end a look along an attribute value.
constexpr std::array<bool, 256> valueStops()
{
    std::array<bool, 256> stops{};
    for (const char c : {'\0', '<', '"', '\''})
        stops[static_cast<unsigned char>(c)] = true;
    return stops;
}
constexpr std::array<bool, 256> Value_Stop = valueStops();

uint64_t loadWord(const char* p)
{
    uint64_t bytes = 0;
    std::memcpy(&bytes, p, sizeof bytes);
    return bytes;
}

// The mask of the first n (0 to 8) bytes in memory of a word.
constexpr uint64_t firstBytes(size_t n)
{
    if (n >= 8)
        return ~uint64_t(0);
    if (n == 0)
        return 0;
    if constexpr (std::endian::native == std::endian::little)
        return (uint64_t(1) << (8 * n)) - 1;
    else
        return ~uint64_t(0) << (64 - 8 * n);
}

// Reads the markup of the bytes (before the parse changes them) far enough to tell that the tree check
// would find nothing in it: true when each start tag's attribute values hold no "<" and its attribute
// names differ, and no comment holds "--" or ends with "-". False on a fault and on markup it doesn't
// follow (a document type, CDATA, more than a few attributes), which the tree check then decides. The
// bytes hold no NUL and are followed by one. The position is kept in locals: a member written through
// a char pointer would be stored and loaded again for every byte.
class MarkupScan {
public:
    explicit MarkupScan(std::string_view bytes) : begin_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    bool Plain()
    {
        for (const char* p = begin_;;) {
            if (*p != '<' && (p = static_cast<const char*>(std::memchr(p, '<', size_t(end_ - p)))) == nullptr)
                return true;
            ++p;
            p = *p == '/' ? past(p, '>') : *p == '?' ? past(p + 1, "?>") : *p == '!' ? comment(p) : startTag(p);
            if (p == nullptr)
                return false;
        }
    }

private:
    static constexpr size_t Max_Attributes = 16;

    // Bytes of a start tag around its attribute values, which a later tag is compared with; one of at
    // most 16 bytes compares as two masked words.
    struct TPiece {
        std::string_view Bytes;
        uint64_t First = 0;   // the mask of its bytes in the first word
        uint64_t Second = 0;  // and in the second
    };

    static const char* past(const char* p, char mark)
    {
        for (; *p != mark; ++p)
            if (*p == '\0')
                return nullptr;
        return p + 1;
    }

    const char* past(const char* p, std::string_view mark) const
    {
        const size_t at = std::string_view(p, size_t(end_ - p)).find(mark);
        return at == std::string_view::npos ? nullptr : p + at + mark.size();
    }

    // At "!": a comment's first "--" must be its end.
    const char* comment(const char* p) const
    {
        if (std::string_view(p, size_t(end_ - p)).substr(0, 3) != "!--")
            return nullptr;
        p = past(p + 3, "--");
        return p != nullptr && *p == '>' ? p + 1 : nullptr;
    }

    static const char* skip(const char* p, MarkupClass what)
    {
        while (Markup_Class[static_cast<unsigned char>(*p)] == what)
            ++p;
        return p;
    }

    // At the opening quote of an attribute value: its closing quote, or null when a "<" or the end
    // comes first.
    static const char* valueEnd(const char* p)
    {
        const char quote = *p;
        do {
            while (!Value_Stop[static_cast<unsigned char>(*++p)])
                ;
        } while (*p != quote && (*p == '"' || *p == '\''));
        return *p == quote ? p : nullptr;
    }

    // Names that differ in length or in their first or last byte compare as one number.
    static uint32_t nameKey(std::string_view name)
    {
        return uint32_t(name.size()) << 16 | uint32_t(static_cast<unsigned char>(name.front())) << 8 |
               static_cast<unsigned char>(name.back());
    }

    static TPiece piece(const char* from, const char* to)
    {
        const size_t size = size_t(to - from);
        return {std::string_view(from, size), firstBytes(size), size > 8 ? firstBytes(size - 8) : 0};
    }

    // True when the bytes at p begin with the piece's.
    bool startsWith(const char* p, const TPiece& piece) const
    {
        const size_t size = piece.Bytes.size();
        const char* bytes = piece.Bytes.data();
        if (size <= 16 && end_ - p >= 16)  // then the piece, before p, has 16 bytes too
            return (((loadWord(p) ^ loadWord(bytes)) & piece.First) |
                    ((loadWord(p + 8) ^ loadWord(bytes + 8)) & piece.Second)) == 0;
        return size_t(end_ - p) >= size && std::memcmp(p, bytes, size) == 0;
    }

    // Tables list their rows as start tags of the same names in the same order: a tag whose bytes
    // outside its values are those of the last tag read in full reads the same names, so only its
    // values need a look.
    const char* startTag(const char* p)
    {
        if (const char* end = repeatedTag(p))
            return end;
        return fullTag(p);
    }

    const char* repeatedTag(const char* p) const
    {
        if (attributes_ == 0)
            return nullptr;
        for (size_t i = 0;; ++i) {
            if (!startsWith(p, pieces_[i]))
                return nullptr;
            p += pieces_[i].Bytes.size();
            if (i == attributes_)
                return p;
            if ((p = valueEnd(p - 1)) == nullptr)
                return nullptr;
            ++p;
        }
    }

    // Reads the tag's names and values; when it has attributes, keeps the bytes around its values for
    // repeatedTag: from the tag's name to the first opening quote, from each closing quote to the next
    // opening one, and from the last closing quote to the end of the tag.
    const char* fullTag(const char* p)
    {
        const char* from = p;
        p = skip(p, mcName);
        size_t count = 0;
        for (;;) {
            p = skip(p, mcSpace);
            if (*p == '>' || *p == '/') {
                if (*p == '/' && p[1] != '>')
                    return nullptr;
                p += *p == '/' ? 2 : 1;
                if (count > 0) {
                    pieces_[count] = piece(from, p);
                    attributes_ = count;
                }
                return p;
            }
            const char* name = p;
            p = skip(p, mcName);
            const std::string_view attribute(name, size_t(p - name));
            p = skip(p, mcSpace);
            if (attribute.empty() || *p != '=')
                return nullptr;
            p = skip(p + 1, mcSpace);
            if (*p != '"' && *p != '\'')
                return nullptr;
            const char* open = p;
            if ((p = valueEnd(p)) == nullptr || count == Max_Attributes)
                return nullptr;
            const uint32_t key = nameKey(attribute);
            for (size_t i = 0; i < count; ++i)
                if (keys_[i] == key && names_[i] == attribute)
                    return nullptr;
            keys_[count] = key;
            names_[count] = attribute;
            pieces_[count++] = piece(from, open + 1);
            from = ++p;
        }
    }

    const char* const begin_;
    const char* const end_;
    std::array<uint32_t, Max_Attributes> keys_;
    std::array<std::string_view, Max_Attributes> names_;
    // The last tag read in full that had attributes: their number, and its pieces.
    size_t attributes_ = 0;
    std::array<TPiece, Max_Attributes + 1> pieces_;
};

bool isNameStart(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' || c >= 0x80;
}

bool isNameChar(unsigned char c)
{
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

}  // namespace

TXmlBytesScan ScanXmlBytes(std::string_view bytes)
{
    TXmlBytesScan scan;
    scan.FirstBadChar = firstBadChar(bytes, scan.Controls);
    scan.References = bytes.find('&') != std::string_view::npos;
    scan.CdataEnd = bytes.find("]]>") != std::string_view::npos;
    scan.PlainMarkup = scan.FirstBadChar < 0 && !scan.References && !scan.CdataEnd && MarkupScan(bytes).Plain();
    return scan;
}

unsigned XmlParseOptionsFor(const TXmlBytesScan& scan)
{
    if (scan.FirstBadChar < 0 && !scan.Controls)
        return XmlParseOptions & ~(pugi::parse_wconv_attribute | pugi::parse_eol);
    return XmlParseOptions;
}

std::optional<XmlFault> FinishParse(pugi::xml_document& doc, const TXmlBytesScan& scan, pugi::xml_encoding encoding)
{
    if (encoding != pugi::encoding_utf8)
        return TreeCheck(doc, true, true, true).Run();
    if (scan.FirstBadChar >= 0)
        return XmlFault{pugi::status_bad_pcdata, scan.FirstBadChar, "Character not allowed in XML"};
    TreeCheck check(doc, false, scan.References, scan.CdataEnd);
    return scan.PlainMarkup ? check.TopLevel() : check.Run();
}

pugi::xml_node NextInTree(pugi::xml_node node, pugi::xml_node top, bool enter)
{
    if (enter && node.first_child())
        return node.first_child();
    for (; node != top; node = node.parent())
        if (node.next_sibling())
            return node.next_sibling();
    return {};
}

QByteArray XmlText(QStringView text)
{
    const auto forbidden = [](QChar c) {
        const char16_t u = c.unicode();
        return (u < 0x20 && u != 0x9 && u != 0xA && u != 0xD) || u == 0xFFFE || u == 0xFFFF;
    };
    if (std::none_of(text.begin(), text.end(), forbidden))
        return text.toUtf8();
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text)
        if (!forbidden(c))
            kept += c;
    return kept.toUtf8();
}

QByteArray XmlCommentText(QStringView text)
{
    const QByteArray kept = XmlText(text);
    QByteArray out;
    out.reserve(kept.size());
    for (const char c : kept) {
        if (c == '-' && out.endsWith('-'))
            out += ' ';
        out += c;
    }
    if (out.endsWith('-'))
        out += ' ';
    return out;
}

bool IsXmlName(std::string_view name)
{
    return !name.empty() && isNameStart(static_cast<unsigned char>(name[0])) &&
           std::all_of(name.begin(), name.end(), [](char c) { return isNameChar(static_cast<unsigned char>(c)); });
}
