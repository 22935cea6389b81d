#include "grid/VoFilter/VoFilterRow.h"

#include "grid/VoSort/VoSortCompare.h"
#include "grid/base/VoUtil/VoUtilFilter.h"
#include "grid/base/VoUtil/VoUtilText.h"

namespace {

QString preparedText(const TFilterCondition& c, const QString& text)
{
    QString t = text.trimmed();
    if (t.contains(QStringLiteral("|\\")))
        t = DecodeWideText(t);
    if (!c.Prefix.isEmpty() && t.startsWith(c.Prefix))
        t.remove(0, c.Prefix.size());
    if (!c.Suffix.isEmpty()) {
        const int at = static_cast<int>(t.indexOf(c.Suffix));
        if (at >= 0 && at + c.Suffix.size() == t.size())
            t.truncate(at);
    }
    return t;
}

}  // namespace

bool FilterConditionMatches(const TFilterCondition& condition, const QString& text)
{
    if (condition.Data == fcRow) {
        QString t = text.trimmed();
        if (t.contains(QStringLiteral("|\\")))
            t = DecodeWideText(t);
        return UpperAscii(t).contains(UpperAscii(condition.Condition));
    }
    const QString t = preparedText(condition, text);
    if (condition.Condition.isEmpty())
        return true;
    if (condition.Method == fmLiteral)
        return condition.Condition == t;
    return MatchFilterExpression(condition.Condition, t, condition.CaseSensitive);
}

bool FilterConditionsMatch(const std::vector<TFilterCondition>& conditions,
                           const std::function<QString(const TFilterCondition&)>& cellText)
{
    bool result = true;
    for (const TFilterCondition& c : conditions) {
        bool outcome = false;
        try {
            outcome = FilterConditionMatches(c, cellText(c));
        } catch (...) {
            outcome = false;  // a condition that cannot be evaluated does not match
        }
        switch (c.Operation) {
        case foSHORT:
            if (!outcome)
                return false;
            result = true;
            break;
        case foNONE:
            result = outcome;
            break;
        case foAND:
            result = result && outcome;
            break;
        case foXOR:
            result = result != outcome;
            break;
        case foOR:
            result = result || outcome;
            break;
        }
    }
    return result;
}

void CheckFilterConditions(const std::vector<TFilterCondition>& conditions)
{
    for (const TFilterCondition& c : conditions)
        if (c.Data != fcRow && c.Method != fmLiteral && !c.Condition.isEmpty())
            MatchFilterExpression(c.Condition, QString(), c.CaseSensitive);
}

TNarrowStep NarrowStep(const QString& condition, const QString& lastCondition)
{
    if (condition.size() == lastCondition.size() + 1 && condition.startsWith(lastCondition))
        return nsNarrow;
    if (!condition.isEmpty() && condition.size() + 1 == lastCondition.size() && lastCondition.startsWith(condition))
        return nsWiden;
    return nsRestart;
}

TFilterCondition NarrowCondition(const QString& condition, int column, bool quoted)
{
    TFilterCondition c;
    c.Column = column;
    c.CaseSensitive = false;
    if (column == -1) {
        c.Data = fcRow;
        c.Condition = condition;
        return c;
    }
    c.Data = fcNormal;
    c.Condition = '*' + condition + '*';
    if (quoted && c.Condition.contains(' '))
        c.Condition = '"' + c.Condition + '"';
    return c;
}
