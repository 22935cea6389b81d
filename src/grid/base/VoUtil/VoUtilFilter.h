#pragma once
// Filter conditions: "&" (and), "|", ";", "^" (or), brackets, comparisons, "!" and the wildcards "*" and "?".
#include <QChar>
#include <QString>

// Brackets nest at most this deep; a deeper expression raises an Exception.
constexpr int MaxFilterNesting = 64;

bool MatchFilterExpression(const QString& expression, const QString& cellText, bool caseSensitive);
bool MatchFilterOperand(const QString& condition, const QString& cellText, bool caseSensitive);
bool MatchFilterCondition(const QString& condition, const QString& cellText);

// The first operator character outside double quotes (null when none); position is 1-based.
QChar FindFilterOperator(const QString& text, int& position);
QString RemoveSpacesOutsideQuotes(const QString& text);
// 1-based position of the ")" that closes the brackets opened so far, 0 when none does.
int MatchingBracketPos(const QString& text);
QString FilterNumberText(const QString& text);
