#include "grid/VoCalc/VoColumnCalc.h"

#include <QSet>
#include <cmath>
#include <functional>

#include "grid/VoSort/VoSortCompare.h"
#include "grid/base/REdaReviZizod.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

double mustRead(const TCalcCell& cell)
{
    if (!cell.value)
        throw REdaReviZizod(QStringLiteral("Cell does not contain a float value"));
    return *cell.value;
}

double extreme(const std::vector<TCalcCell>& cells, const std::function<bool(double, double)>& better)
{
    if (cells.empty())
        return 0;
    double result = mustRead(cells.front());
    for (const TCalcCell& c : cells)
        if (c.counted && c.value && better(*c.value, result))
            result = *c.value;
    return result;
}

}  // namespace

std::optional<double> CalcCellValue(const QString& text)
{
    const QString t = StripHtmlTags(text).trimmed();
    if (t.isEmpty() || t == QStringLiteral("-"))
        return 0.0;
    QString number = t;
    const QChar decimal = RegionalSettings().DecimalSeparator;
    if (decimal != '.')
        number.replace(decimal, '.');
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok && std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
}

double CalcSum(const std::vector<TCalcCell>& cells)
{
    double sum = 0;
    for (const TCalcCell& c : cells)
        if (c.counted && c.value)
            sum += *c.value;
    return sum;
}

double CalcAvg(const std::vector<TCalcCell>& cells)
{
    return cells.empty() ? 0 : CalcSum(cells) / static_cast<double>(cells.size());
}

double CalcMin(const std::vector<TCalcCell>& cells)
{
    return extreme(cells, std::less<double>());
}

double CalcMax(const std::vector<TCalcCell>& cells)
{
    return extreme(cells, std::greater<double>());
}

double CalcStdDev(const std::vector<TCalcCell>& cells)
{
    if (cells.empty())
        return 0;
    const double avg = CalcAvg(cells);
    double squares = 0;
    for (const TCalcCell& c : cells) {
        const double d = mustRead(c) - avg;
        squares += d * d;
    }
    return std::sqrt(squares / static_cast<double>(cells.size()));
}

int CalcDistinct(const std::vector<QString>& texts)
{
    QSet<QString> seen;
    for (const QString& t : texts)
        seen.insert(t.toUpper());
    return static_cast<int>(seen.size());
}
