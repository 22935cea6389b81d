#include "grid/VoSort/VoSortOrder.h"

#include <QCollator>
#include <algorithm>
#include <numeric>

#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

template <typename T>
int spaceship(const T& a, const T& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

int sign(int value)
{
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

// The first two non-empty texts, the ones that decide an automatic style.
std::pair<QString, QString> firstTwoTexts(const std::vector<QString>& texts)
{
    QString found[2];
    int n = 0;
    for (const QString& t : texts) {
        if (t.isEmpty())
            continue;
        found[n++] = t;
        if (n == 2)
            break;
    }
    return {found[0], found[1]};
}

bool allNumbers(const std::vector<QString>& texts)
{
    return std::all_of(texts.begin(), texts.end(), [](const QString& t) {
        return t.isEmpty() || ResolveSortStyle(ssAlphaNumeric, t, t, false) == ssNumeric;
    });
}

TSortStyle columnStyle(const std::vector<QString>& texts, TSortStyle style, bool ignoreCase)
{
    if (style == ssAutomatic) {
        const auto [first, second] = firstTwoTexts(texts);
        return DetectSortStyle(first, second, ignoreCase);
    }
    if (style == ssAlphaNumeric || style == ssAlphaNumericNoCase) {
        if (allNumbers(texts))
            return ssNumeric;
        return style == ssAlphaNumeric ? ssAlphabetic : ssAlphaNoCase;
    }
    return style;
}

std::vector<bool> emptyFlags(const std::vector<QString>& texts)
{
    std::vector<bool> flags(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i)
        flags[i] = texts[i].isEmpty();
    return flags;
}

}  // namespace

TSortKeys TSortKeys::FromTexts(const std::vector<QString>& texts, TSortStyle style, bool ignoreCase,
                               const TSortTextOptions& options)
{
    TSortKeys k;
    k.style_ = columnStyle(texts, style, ignoreCase);
    k.empty_ = emptyFlags(texts);
    const auto numbers = [&](auto read) {
        k.kind_ = kNumber;
        k.numbers_.reserve(texts.size());
        for (const QString& t : texts)
            k.numbers_.push_back(read(t));
    };
    const auto transformed = [&](auto change) {
        k.texts_.reserve(texts.size());
        for (const QString& t : texts)
            k.texts_.push_back(change(t));
    };
    switch (k.style_) {
    case ssNumeric:
    case ssFinancial: {
        const bool financial = k.style_ == ssFinancial;
        const TRegionalSettings rs = RegionalSettings();
        numbers([&](const QString& t) { return SortNumber(t, financial, options.prefix, options.suffix, rs); });
        break;
    }
    case ssDate:
    case ssDateTime:
        numbers(SortDateTime);
        break;
    case ssTime:
        numbers(SortTime);
        break;
    case ssShortDateEU:
        numbers(ParseDateDayFirst);
        break;
    case ssShortDateUS:
        numbers(ParseDateMonthFirst);
        break;
    case ssAlphaNoCase:
        transformed(UpperAscii);
        break;
    case ssHTML:
        transformed(StripHtmlTags);
        break;
    case ssAnsiAlphaCase:
    case ssAnsiAlphaNoCase: {
        QCollator collator;
        collator.setCaseSensitivity(k.style_ == ssAnsiAlphaCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
        k.kind_ = kCollated;
        k.collated_.reserve(texts.size());
        for (const QString& t : texts)
            k.collated_.push_back(collator.sortKey(t));
        break;
    }
    case ssCustom:
        k.kind_ = kCustom;
        k.custom_ = options.customCompare;
        k.texts_ = texts;
        break;
    case ssRaw:
    case ssImages:
    case ssCheckBox:
        // Row data the texts do not carry: every row compares equal.
        k.kind_ = kInteger;
        k.integers_.assign(texts.size(), 0);
        break;
    default:
        k.texts_ = texts;
        break;
    }
    return k;
}

TSortKeys TSortKeys::FromIntegers(std::vector<qint64> keys)
{
    TSortKeys k;
    k.kind_ = kInteger;
    k.style_ = ssImages;
    k.empty_.assign(keys.size(), false);
    k.integers_ = std::move(keys);
    return k;
}

TSortKeys TSortKeys::FromCompare(std::function<int(int, int)> compare, int count)
{
    TSortKeys k;
    k.kind_ = kRows;
    k.style_ = ssRaw;
    k.empty_.assign(static_cast<std::size_t>(std::max(count, 0)), false);
    k.rows_ = std::move(compare);
    return k;
}

int TSortKeys::Compare(int i, int j) const
{
    switch (kind_) {
    case kNumber:
        return spaceship(numbers_[i], numbers_[j]);
    case kCollated:
        return sign(collated_[i].compare(collated_[j]));
    case kCustom:
        return custom_ ? sign(custom_(texts_[i], texts_[j])) : 0;
    case kInteger:
        return spaceship(integers_[i], integers_[j]);
    case kRows:
        return rows_ ? sign(rows_(i, j)) : 0;
    default:
        return sign(QString::compare(texts_[i], texts_[j], Qt::CaseSensitive));
    }
}

int CompareSortColumn(const TSortColumnKeys& c, int i, int j)
{
    int r = c.keys.Compare(i, j);
    if (c.ignoreBlanks)
        r = PlaceBlanks(r, c.keys.IsEmpty(i), c.keys.IsEmpty(j), c.direction, c.blankPos);
    return c.direction == sdDescending ? -r : r;
}

int CompareSortRows(const std::vector<TSortColumnKeys>& columns, int i, int j)
{
    for (const TSortColumnKeys& c : columns)
        if (const int r = CompareSortColumn(c, i, j); r != 0)
            return r;
    return 0;
}

std::vector<int> SortOrder(const std::vector<TSortColumnKeys>& columns)
{
    const int count = columns.empty() ? 0 : columns.front().keys.Count();
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&columns](int a, int b) { return CompareSortRows(columns, a, b) < 0; });
    return order;
}

std::vector<int> UnSortOrder(const std::vector<int>& xref)
{
    std::vector<int> order(xref.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&xref](int a, int b) { return xref[a] < xref[b]; });
    return order;
}
