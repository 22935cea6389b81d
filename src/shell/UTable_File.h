#pragma once
// The project table file of a table editor: an XML document without prolog whose root is followed by
// the comment "SW_VERSION = 1.000"; under the root one element per table (or the rows directly), and
// per table row one element whose attributes hold the cell texts. Read and written apart from any grid.
#include <QString>
#include <optional>
#include <span>
#include <vector>

// One saved column of a table: the grid column it fills, its attribute, and the text a missing
// attribute takes on load (nullptr: the attribute must be there).
struct TTable_Column {
    int Column;
    const char* Attribute;
    const char* Default = nullptr;
};

// One table of a file: its element under the root (nullptr: the rows lie directly under the root), the
// name of its row elements, and its columns in writing order.
struct TTable_Layout {
    const char* Element;
    std::span<const TTable_Column> Columns;
    const char* Row = "row";
};

// The rows of one table: per row the attribute texts in column order; a missing attribute has no value.
using TTable_Rows = std::vector<std::vector<std::optional<QString>>>;

// The tables of the file in the layouts' order; a table whose element is missing has no rows. Every
// child element of a table counts as a row, whatever its name. Empty when the file does not exist;
// raises Exception when it can't be read or is no well-formed XML.
std::optional<std::vector<TTable_Rows>> Read_Table_File(const QString& path, std::span<const TTable_Layout> layouts);

// Writes the tables (every value present) under the root element through a temporary file; raises
// Exception when the file can't be written, leaving the old file as it was.
void Write_Table_File(const QString& path, const QString& root, std::span<const TTable_Layout> layouts,
                      const std::vector<TTable_Rows>& tables);
