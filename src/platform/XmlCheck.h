#pragma once
// The well-formedness rules the parser lets through, checked after a parse, and the character rules
// of the text a document is given to save. Platform-internal: works on pugixml types.
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <optional>
#include <pugixml.hpp>
#include <string_view>

// The parse a load makes: references are left undecoded and text outside the root is kept, so that
// FinishParse can check both.
inline constexpr unsigned XmlParseOptions = pugi::parse_cdata | pugi::parse_wconv_attribute | pugi::parse_eol |
                                            pugi::parse_comments | pugi::parse_doctype | pugi::parse_fragment;

struct XmlFault {
    int Code = 0;
    std::ptrdiff_t Offset = 0;  // in the loaded bytes
    const char* Message = "";
};

// What a look at the loaded bytes, made before the parse, tells the checks after it.
struct TXmlBytesScan {
    std::ptrdiff_t FirstBadChar = -1;  // offset of the first byte that doesn't start an allowed UTF-8 character
    bool References = true;            // an "&" is there
    bool CdataEnd = true;              // a "]]>" is there
    bool PlainMarkup = false;          // UTF-8 markup whose attributes and comments need no look in the tree
    bool Controls = true;              // a tab, line feed or carriage return is there (or FirstBadChar is set)
};
// The parse options for bytes of that scan: without tabs and line breaks their conversion has nothing to do.
unsigned XmlParseOptionsFor(const TXmlBytesScan& scan);
// The bytes must be followed by a NUL.
TXmlBytesScan ScanXmlBytes(std::string_view bytes);

// Completes a parse made with XmlParseOptions: checks the characters (in the bytes' scan when the parser
// read them as UTF-8, else in the tree), the one root, references, attributes and comments, then decodes
// the references and drops the document type. The first fault found, if any.
std::optional<XmlFault> FinishParse(pugi::xml_document& doc, const TXmlBytesScan& scan, pugi::xml_encoding encoding);

// The node after `node` in document order below `top`, entering node's children when `enter`; null
// after the last. Walks a tree of any depth without recursion.
pugi::xml_node NextInTree(pugi::xml_node node, pugi::xml_node top, bool enter = true);

// Text as a saved document holds it: UTF-8 without the characters XML 1.0 forbids.
QByteArray XmlText(QStringView text);
// Comment text as a comment can hold it: XmlText with a space put into "--" and after a final "-".
QByteArray XmlCommentText(QStringView text);
// True for a name a load accepts as an element or attribute name.
bool IsXmlName(std::string_view name);
