#pragma once
// Sort styles of a grid column and the comparison of two cell texts under a style.
#include <QString>
#include <functional>

#include "grid/base/VoUtil/VoUtilText.h"

enum TSortStyle {
    ssAutomatic,
    ssAlphabetic,
    ssNumeric,
    ssDate,
    ssAlphaNoCase,
    ssAlphaCase,
    ssShortDateEU,
    ssShortDateUS,
    ssCustom,
    ssFinancial,
    ssAnsiAlphaCase,
    ssAnsiAlphaNoCase,
    ssRaw,
    ssHTML,
    ssImages,
    ssCheckBox,
    ssUnicode,
    ssDateTime,
    ssTime,
    ssAlphaNumeric,
    ssAlphaNumericNoCase,
};
enum TSortDirection { sdAscending, sdDescending };
enum TSortBlankPosition { blFirst, blLast };

using TCustomCompareFunc = std::function<int(const QString& str1, const QString& str2)>;

// The style a column has when none is given: check boxes, numbers, dates, times or text.
TSortStyle DetectSortStyle(const QString& first, const QString& second, bool ignoreCase, bool checkBox = false);
// Automatic and alpha-numeric styles made concrete for the pair of texts; other styles stay.
TSortStyle ResolveSortStyle(TSortStyle style, const QString& first, const QString& second, bool ignoreCase,
                            bool checkBox = false);

// What a text sorts as. A text that is no number takes the number its leading characters form (0 when none).
double SortNumber(const QString& text, bool financial, const QString& prefix = {}, const QString& suffix = {});
double SortNumber(const QString& text, bool financial, const QString& prefix, const QString& suffix,
                  const TRegionalSettings& regional);
TDateTime SortDateTime(const QString& text);
TDateTime SortTime(const QString& text);
// Upper-cases the letters a to z only.
QString UpperAscii(const QString& text);

// Texts the cell-independent styles compare; check-box, image and raw columns compare row data instead.
struct TSortTextOptions {
    QString prefix;
    QString suffix;
    TCustomCompareFunc customCompare;
};

// Places an empty text before (blFirst) or after (blLast) a non-empty one in either direction; result is the
// ascending comparison, which the caller negates for a descending sort.
int PlaceBlanks(int result, bool aEmpty, bool bEmpty, TSortDirection direction, TSortBlankPosition position);
