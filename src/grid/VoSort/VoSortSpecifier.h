#pragma once
// The text form of a sort state: "u3" / "d3" for one column, "i;u2;d5" for an indexed sort.
#include <QString>
#include <optional>

#include "grid/VoSort/VoSortCompare.h"

struct TSortSpecifier {
    bool indexed = false;
    TSortDirection direction = sdAscending;
    std::optional<int> column;  // the plain form, when its number reads
    QString indexes;            // the indexed form: the sort index list's own text
};

// indexes is the sort index list's own text ("u2;d5").
QString SortSpecifierText(bool indexed, TSortDirection direction, int column, const QString& indexes);
// Nothing for an empty value; throws Exception "Invalid sort settings specifier" for a one-character value.
std::optional<TSortSpecifier> ParseSortSpecifier(const QString& value);
