#include "grid/VoSearch/VoFindMatch.h"

#include "grid/VoSort/VoSortCompare.h"
#include "grid/base/VoUtil/VoUtilFilter.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

const QString& emptyCellSearch()
{
    static const QString text = QStringLiteral("\"\"");
    return text;
}

bool within(int value, int first, int last)
{
    return value >= first && value <= last;
}

// The area with the current or preset row and column restrictions applied.
TFindArea restricted(const TFindArea& area, TFindParams params)
{
    TFindArea a = area;
    if (params & fnFindInCurrentRow)
        a.FirstRow = a.LastRow = area.Current.Y;
    if (params & fnFindInPresetRow)
        a.FirstRow = a.LastRow = area.Preset.Y;
    if (params & fnFindInCurrentCol)
        a.FirstCol = a.LastCol = area.Current.X;
    if (params & fnFindInPresetCol)
        a.FirstCol = a.LastCol = area.Preset.X;
    return a;
}

// One axis of the visit: the outer one (rows in row-by-row order) and the inner one.
struct Axis {
    int first;
    int last;
    bool contains(int v) const { return within(v, first, last); }
};

// The first cell to test after start, in (outer, inner) terms; false when the area is exhausted.
bool startAfter(Axis outer, Axis inner, int step, int startOuter, int startInner, int& o, int& i)
{
    const int begin = step > 0 ? inner.first : inner.last;
    if (!outer.contains(startOuter) || !inner.contains(startInner)) {
        o = step > 0 ? outer.first : outer.last;
        i = begin;
        return true;
    }
    if (inner.contains(startInner + step)) {
        o = startOuter;
        i = startInner + step;
        return true;
    }
    o = startOuter + step;
    i = begin;
    return outer.contains(o);
}

bool isAscii(const QString& text)
{
    for (const QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

// The test of a cell text as the search prepared it.
bool matchPrepared(const QString& cell, const QString& searchText, TFindParams params, Qt::CaseSensitivity cs)
{
    if (searchText == emptyCellSearch())
        return cell.isEmpty();
    if (params & fnMatchRegular)
        return MatchFilterExpression(searchText, cell, (params & fnMatchCase) != 0);
    if (searchText.isEmpty())
        return false;
    if (params & fnMatchFull)
        return cell.compare(searchText, cs) == 0;
    if (params & fnMatchStart)
        return cell.startsWith(searchText, cs);
    return cell.contains(searchText, cs);
}

}  // namespace

QString FindSearchText(const QString& text, TFindParams params)
{
    return (params & fnMatchCase) ? text : text.toUpper();
}

bool FindCellMatches(const QString& cellText, const QString& searchText, TFindParams params)
{
    // Upper-cased ASCII texts are equal exactly when they are equal ignoring case: no upper-case copy needed.
    if (!(params & (fnMatchCase | fnIgnoreHTMLTags | fnMatchRegular)) && isAscii(cellText) && isAscii(searchText))
        return matchPrepared(cellText, searchText, params, Qt::CaseInsensitive);
    QString cell = (params & fnMatchCase) ? cellText : cellText.toUpper();
    if (params & fnIgnoreHTMLTags)
        cell = StripHtmlTags(cell);
    return matchPrepared(cell, searchText, params, Qt::CaseSensitive);
}

TPoint FindCell(const TFindArea& area, TPoint start, TFindParams params,
                const std::function<bool(int col, int row)>& test)
{
    const TFindArea a = restricted(area, params);
    const TPoint none{-1, -1};
    if (a.FirstCol > a.LastCol || a.FirstRow > a.LastRow)
        return none;
    const int step = (params & fnBackward) ? -1 : 1;
    const bool rowWise = (params & fnDirectionLeftRight) != 0;
    const Axis cols{a.FirstCol, a.LastCol};
    const Axis rows{a.FirstRow, a.LastRow};
    const Axis outer = rowWise ? rows : cols;
    const Axis inner = rowWise ? cols : rows;
    int o = 0;
    int i = 0;
    const bool fresh = start == none;
    const int startOuter = fresh ? outer.first - 1 : (rowWise ? start.Y : start.X);
    const int startInner = fresh ? inner.first - 1 : (rowWise ? start.X : start.Y);
    if (!startAfter(outer, inner, step, startOuter, startInner, o, i))
        return none;
    for (; outer.contains(o); o += step, i = step > 0 ? inner.first : inner.last) {
        for (; inner.contains(i); i += step) {
            const int col = rowWise ? i : o;
            const int row = rowWise ? o : i;
            if (rowWise && a.IgnoreColumn && a.IgnoreColumn(col))
                continue;
            if (test(col, row))
                return TPoint{col, row};
        }
    }
    return none;
}

QString ReplaceFoundText(const QString& text, const QString& orig, const QString& replacement, bool matchCase)
{
    if (orig.isEmpty())
        return text;
    QString out = text;
    return out.replace(orig, replacement, matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
}
