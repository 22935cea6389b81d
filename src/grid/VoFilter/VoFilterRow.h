#pragma once
// The test of a row against a list of filter conditions, and the steps of incremental narrowing.
#include <QString>
#include <functional>
#include <vector>

enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterMethod { fmExpression, fmLiteral };

struct TFilterCondition {
    int Column = 0;
    QString Condition;  // empty matches every row
    bool CaseSensitive = true;
    QString Suffix;
    QString Prefix;
    TFilterOperation Operation = foSHORT;
    TFilterCells Data = fcVirtual;
    TFilterMethod Method = fmExpression;
};

// Whether one condition accepts a text read as its Data says (for fcRow: the row's texts joined by line
// breaks). The text is trimmed and decoded when it is a wide text.
bool FilterConditionMatches(const TFilterCondition& condition, const QString& text);
// The conditions in order, joined by their operations; a failing foSHORT condition decides at once.
// cellText reads the text a condition tests.
bool FilterConditionsMatch(const std::vector<TFilterCondition>& conditions,
                           const std::function<QString(const TFilterCondition&)>& cellText);

// Raises the Exception of a condition whose expression cannot be evaluated (brackets nested too deeply),
// before any row is tested.
void CheckFilterConditions(const std::vector<TFilterCondition>& conditions);

// What typing into an incremental filter does.
enum TNarrowStep {
    nsNarrow,   // one character added: a new filter level over the rows still shown
    nsWiden,    // the last character removed: the last level undone
    nsRestart,  // anything else: all levels removed, then filtered afresh
};
TNarrowStep NarrowStep(const QString& condition, const QString& lastCondition);
// The condition narrowing adds: the whole row for column -1, else "*text*" on the stored text (quoted when
// it holds a blank and quoted is asked), never case-sensitive.
TFilterCondition NarrowCondition(const QString& condition, int column, bool quoted);
