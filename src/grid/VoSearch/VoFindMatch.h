#pragma once
// Find parameters, the test of one cell against a search text, the order in which a search visits cells,
// and the replacement of a found text.
#include <QString>
#include <cstdint>
#include <functional>

#include "platform/Types.h"

enum TFindParameters : std::uint16_t {
    fnMatchCase = 1 << 0,
    fnMatchFull = 1 << 1,
    fnMatchRegular = 1 << 2,
    fnDirectionLeftRight = 1 << 3,
    fnMatchStart = 1 << 4,
    fnFindInCurrentRow = 1 << 5,
    fnFindInCurrentCol = 1 << 6,
    fnIncludeFixed = 1 << 7,
    fnAutoGoto = 1 << 8,
    fnIgnoreHTMLTags = 1 << 9,
    fnBackward = 1 << 10,
    fnIncludeHiddenColumns = 1 << 11,
    fnFindInPresetCol = 1 << 12,
    fnFindInPresetRow = 1 << 13,
    fnSelectedCells = 1 << 14,
    fnIncludeHiddenRows = 1 << 15,
};
using TFindParams = std::uint16_t;

// The search text as cells are compared with it: upper-cased unless matching case.
QString FindSearchText(const QString& text, TFindParams params);
// Whether a cell's text matches a search text prepared by FindSearchText. Two double quotes find an
// empty cell; with fnMatchRegular the text is a filter condition.
bool FindCellMatches(const QString& cellText, const QString& searchText, TFindParams params);

// The cells a search may visit (inclusive) and the current and preset cells its restrictions use.
struct TFindArea {
    int FirstCol = 0;
    int LastCol = -1;
    int FirstRow = 0;
    int LastRow = -1;
    TPoint Current{-1, -1};
    TPoint Preset{-1, -1};                      // FindCol, FindRow
    std::function<bool(int col)> IgnoreColumn;  // skipped in row-by-row order only
};

// The first cell after start ((-1, -1): from the beginning) in visiting order that test accepts;
// (-1, -1) when none. A search never starts over: after the last hit it finds nothing.
TPoint FindCell(const TFindArea& area, TPoint start, TFindParams params,
                const std::function<bool(int col, int row)>& test);

// Every occurrence of orig replaced by replacement; case is ignored unless matchCase.
QString ReplaceFoundText(const QString& text, const QString& orig, const QString& replacement, bool matchCase);
