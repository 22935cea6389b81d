#pragma once
// Stateless text, URL, number, date and clipboard routines of the grid library.
#include <QByteArray>
#include <QChar>
#include <QString>

#include "platform/Classes.h"
#include "platform/Types.h"

// Days since 30 December 1899, the fraction being the time of day.
using TDateTime = double;

// The regional settings, read afresh at every call.
struct TRegionalSettings {
    QChar DecimalSeparator;
    QChar ThousandSeparator;
    QChar DateSeparator;
    QChar TimeSeparator;
    QString ShortDateFormat;  // letters d, M and y give the order of the fields
};
TRegionalSettings RegionalSettings();

// Date encoding; false when the date or time does not exist.
bool TryEncodeDate(int year, int month, int day, TDateTime& value);
bool TryEncodeTime(int hour, int minute, int second, TDateTime& value);
void DecodeDate(TDateTime value, int& year, int& month, int& day);

// URLs in cell text.
bool IsUrlText(const QString& text);
void StripUrlScheme(QString& text);
bool HighlightUrls(const QString& text, const QString& upperPrefix, QString& out);

// Kinds of cell text.
enum TCellTextKind { ctkPlain = 0, ctkHtml = 1, ctkRtf = 2, ctkFormula = 3, ctkWide = 5 };
int CellTextKind(const QString& text, bool enableHtml);

// Wide text in the "|\" form: two characters (high byte, low byte) per code unit.
QString EncodeWideText(const QString& wide);
QString DecodeWideText(const QString& text);
int WidePos(const QString& sub, const QString& wide);

// The clipboard "HTML Format": UTF-8 with byte offsets in its header.
QByteArray ClipboardHtmlFormat(const QString& fragment);

// "R<row>C<col>" anchors; x is the column, y the row.
bool ParseCellAnchor(const QString& text, TPoint& cell);

// Numbers.
enum TNumberTextKind { ntkInteger = 0, ntkDecimal = 1, ntkNoNumber = 2, ntkExponent = 5 };
int NumberTextKind(const QString& text);
QString CleanFloatText(const QString& text);
// One float conversion of a format string ("%.2f", "%8.3e", "%n" ...) applied to the value, with the regional
// decimal and thousands separators; literal text is kept and "%%" is a percent sign. Nothing of the format
// reaches a printf-style routine unchecked.
QString FormatFloatText(const QString& format, double value);
QString HexOfWord(int color);

// Dates.
bool StrToDateByFormat(const QString& text, TDateTime& value);
TDateTime ParseDateMonthFirst(const QString& text);
TDateTime ParseDateDayFirst(const QString& text);
bool LooksLikeDate(const QString& text);
TDateTime AddToDate(int years, int months, int days, TDateTime offset, TDateTime date);

// Words, sizes and small helpers. Positions are 1-based, 0 when absent.
QString MixedCaseText(const QString& text);
int ClampAutoSize(int value, int minimum, int maximum);
int MinOf(int a, int b);
int MaxOf(int a, int b);
bool CellInGridRect(const TRect& gridRect, int col, int row);
int PosUpperCase(const QString& upperSub, const QString& text);
int PosStore(const QString& sub, const QString& text, int& position);
int CharPosition(QChar ch, const QString& text);
int CharPositionStore(QChar ch, const QString& text, int& position);
int CountCharInText(QChar ch, const QString& text);
int CountTextLines(const QString& text, bool multiLine);
void NextLine(QString& text, bool keepRest, QString& line);
void ExtractToken(QString& text, QChar delimiter, QString& token);
QString JoinListItems(const TStringList& list);
void FillStringWith(QString& text, QChar ch);
void AnsiToOemText(QString& text);
void OemToAnsiText(QString& text);
QString EscapeQuotes(const QString& text);
QString UndoubleChar(QChar ch, const QString& text);
int FindClosingQuote(QChar ch, const QString& text);
int CountOddRuns(QChar ch, const QString& text);

// Line-break conversions.
QString LinesToHtmlBreaks(const QString& text);
QString ExpandNewLineEscapes(const QString& text);
QString EncodeNewLineEscapes(const QString& text);
QString QuoteMultiLine(const QString& text);
QString CrLfToLf(const QString& text);
QString LineBreaksFromChar11(const QString& text);
QString LineBreaksToTilde(const QString& text);
QString TildeToLineBreaks(const QString& text);
QString TabsFromLineBreaks(const QString& text);
QString LineBreaksFromTabs(const QString& text, bool firstLineOnly);
QString RemoveCarriageReturns(const QString& text);
QString CarriageReturnsToLineFeeds(const QString& text);
