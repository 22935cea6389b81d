#pragma once
// Summaries over the cells of a column or row range: sum, average, minimum, maximum, standard deviation
// and the number of distinct texts.
#include <QString>
#include <optional>
#include <vector>

// One cell of a range: its number when its text reads as one, and whether it takes part in the summary
// (node, summary and covered merged cells do not).
struct TCalcCell {
    std::optional<double> value;
    bool counted = true;
};

// The number a cell text holds: tags removed, an empty text or a lone "-" is 0; nothing when it is no number.
std::optional<double> CalcCellValue(const QString& text);

// Counted cells that read; unreadable ones are skipped.
double CalcSum(const std::vector<TCalcCell>& cells);
// The sum divided by the number of cells in the range, counted or not; 0 for an empty range.
double CalcAvg(const std::vector<TCalcCell>& cells);
// Starting from the first cell of the range (which must read), the smallest / largest counted value;
// 0 for an empty range. Throws REdaReviZizod when the first cell is no number.
double CalcMin(const std::vector<TCalcCell>& cells);
double CalcMax(const std::vector<TCalcCell>& cells);
// Population standard deviation over every cell of the range; 0 for an empty range.
// Throws REdaReviZizod when a cell is no number.
double CalcStdDev(const std::vector<TCalcCell>& cells);
// The number of different texts, ignoring case; an empty text is a value too.
int CalcDistinct(const std::vector<QString>& texts);
