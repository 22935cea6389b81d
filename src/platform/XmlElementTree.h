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
    using Index = std::ptrdiff_t; // of an element
    static constexpr Index None = -1;
    struct Attribute {
        std::string_view Name;
        const char* Value; // NUL-terminated
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
    Index Root() const { return elements_.empty() ? None : 0; }
    std::string_view Name(Index element) const { return elements_[size_t(element)].Name; }
    // The first child element, and the next element after this one among its parent's children; None
    // when there is none.
    Index FirstElement(Index parent) const { return elements_[size_t(parent)].FirstChild; }
    Index NextElement(Index element) const { return elements_[size_t(element)].NextSibling; }
    // The element's attributes in document order.
    std::span<const Attribute> Attributes(Index element) const
    {
        const Element& e = elements_[size_t(element)];
        return {attributes_.data() + e.FirstAttribute, e.AttributeCount};
    }
    // The first child element of that name (names compare exactly), or None.
    Index Child(Index parent, std::string_view name) const;
    // Reads the child elements of parent as the rows of a table: appends to values, for each child
    // element in document order, names.size() entries where entry k is the value of the attribute
    // names[k] as NUL-terminated UTF-8 (valid while the tree is unchanged), or null when the element has
    // no such attribute.
    void RowValues(Index parent, std::span<const char* const> names, std::vector<const char*>& values) const;

private:
    struct Element {
        std::string_view Name;
        size_t FirstAttribute = 0;
        size_t AttributeCount = 0;
        Index FirstChild = None;
        Index NextSibling = None;
    };
    class Builder;
    class PlainReader;

    void clear();
    void readDocument();

    std::vector<Element> elements_;
    std::vector<Attribute> attributes_;
    std::unique_ptr<char[]> bytes_;  // the file read in the one pass, holding the names and values
    std::unique_ptr<XmlDocument> document_; // the file loaded otherwise, holding them then
};
