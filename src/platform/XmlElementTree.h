#pragma once
// The elements and attributes of an XML file, for reading tables of rows. A load accepts and refuses
// exactly the files XmlDocument::Load does, with the same LastError, and keeps only the elements (in
// document order) and their attributes: text and comments are dropped.
//
// A plain file (ASCII markup of elements with attributes, white space and comments around them) is read
// in one pass over its bytes; any other file, and any file that fails that pass, is loaded as an
// XmlDocument and its elements taken from there.
#include "platform/XmlDocument.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

class XmlElementTree {
public:
    using Index = std::ptrdiff_t;  // of an element
    static constexpr Index None = -1;
    struct Attribute {
        std::string_view Name;
        std::string_view Value;  // followed by a NUL
    };

    XmlElementTree();
    ~XmlElementTree();
    XmlElementTree(const XmlElementTree&) = delete;
    XmlElementTree& operator=(const XmlElementTree&) = delete;

    // Replaces the content with the file's. False on a missing, unreadable or malformed file, which
    // leaves the tree empty and sets LastError.
    bool Load(const QString& path);
    const XmlError& LastError() const;

    // The root element, or None.
    Index Root() const { return elementCount_ == 0 ? None : 0; }
    std::string_view Name(Index element) const { return at(element).Name; }
    // The first child element, and the next element after this one among its parent's children; None
    // when there is none.
    Index FirstElement(Index parent) const { return at(parent).FirstChild; }
    Index NextElement(Index element) const { return at(element).NextSibling; }
    // The element's attributes in document order.
    std::span<const Attribute> Attributes(Index element) const
    {
        return {at(element).Attributes, at(element).AttributeCount};
    }
    // The first child element of that name (names compare exactly), or None.
    Index Child(Index parent, std::string_view name) const;
    // Reads the child elements of parent as the rows of a table: appends to values, for each child
    // element in document order, names.size() entries where entry k is the value of the attribute
    // names[k] (UTF-8, valid while the tree is unchanged), or a view without data when the element has
    // no such attribute.
    void RowValues(Index parent, std::span<const char* const> names, std::vector<std::string_view>& values) const;

private:
    struct Element {
        std::string_view Name;
        const Attribute* Attributes;
        size_t AttributeCount;
        Index FirstChild;
        Index NextSibling;
    };
    class Builder;
    class PlainReader;

    // Elements and attributes are kept in blocks: an element's index and its attributes stay in place as
    // the tree grows, and no block is so large that the allocator maps it afresh from the system (a page
    // fault per page) on every load.
    static constexpr size_t Block_Elements = 2048;
    static constexpr size_t Block_Attributes = 2048;

    const Element& at(Index element) const
    {
        return elementBlocks_[size_t(element) / Block_Elements][size_t(element) % Block_Elements];
    }
    Element& at(Index element)
    {
        return elementBlocks_[size_t(element) / Block_Elements][size_t(element) % Block_Elements];
    }

    void clear();
    // The one pass over the file's bytes; false when the file isn't plain (or can't be read so).
    bool readPlain(const QString& path);
    void readDocument();

    std::vector<std::vector<Element>> elementBlocks_;  // each reserved once: its elements stay in place
    size_t elementCount_ = 0;
    std::vector<std::vector<Attribute>> attributeBlocks_;  // likewise; an element's attributes are in one
    std::unique_ptr<char[]> bytes_;          // the file read in the one pass, holding the names and values
    std::unique_ptr<XmlDocument> document_;  // the file loaded otherwise, holding them then
};
