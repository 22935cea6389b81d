#pragma once
// Text routines around the cell markup: colours, named characters, tag removal and marking.
// Positions are 1-based, 0 when absent.
#include <QString>

#include "platform/Graphics.h"

// Colour names of the markup, looked up in lower case ("clred", "clbtnface", ...); black when unknown.
TColor HtmlColorNameToColor(const QString& name);
// Two hexadecimal digits as a byte; 0 for a shorter text, a digit that is not hexadecimal counts 0.
int HexPairToByte(const QString& pair);
// "#RRGGBB" as a colour.
TColor HtmlHexToColor(const QString& text);
// A colour value of the markup: "#RRGGBB", else a colour name (lower-cased first).
TColor HtmlValueToColor(const QString& value);

// The text with the letters a to z in upper case, other letters as they are.
QString UpperCaseAscii(QStringView text);
// Position of sub in text, letters a to z compared without regard to case.
int PosNoCase(const QString& sub, const QString& text);
// The integer at the start of the text (blanks, a sign, "$", "x" or "0x" allowed); when other
// characters follow, the digits read so far without the sign; 0 when there is none. Saturates.
int StrToIntZero(const QString& text);
// Replaces the first occurrence of find, letters a to z without regard to case; false when absent.
bool TagReplace(const QString& find, const QString& replacement, QString& text);

// "&", double quote, "<" and ">" as "&amp;", "&quot;", "&lt;" and "&gt;"; with accents also the
// characters of the named-character table as their names.
QString HtmlEscape(const QString& text, bool withAccents);
// The reverse in one pass: each name found is replaced once, so every escaped text comes back whole.
QString HtmlUnescape(const QString& text, bool withAccents);
// Every space as "&nbsp;".
QString SpacesToNbsp(const QString& text);
// Line feeds removed; carriage returns become "<BR>" with breaks, else removed.
QString LineBreaksToHtml(const QString& text, bool withBreaks);
// Every "<#" loses its "<" and the first ">" after it.
QString StripHashTags(const QString& text);
// Plain text: "<BR>" and "<HR>" (any case) become CR LF, then tags are removed.
QString StripHtmlTags(const QString& text);
// Plain text: every "<" ... ">" removed; stops at a ">" before the next "<" or a "<" without ">".
QString StripTagsOnly(const QString& text);
// Where visible character n begins in a tagged text (after visible character n - 1, before any tag
// that follows it); the text length + 1 at the end; 0 when the text has fewer than n - 1.
int VisibleCharPos(const QString& text, int n);
// The text with "<tag>" and "</tag>" around every occurrence of search in its visible characters.
QString MarkTextWithTag(const QString& text, const QString& search, const QString& tag, bool caseSensitive);
// The text without any "<tag>" or "</tag>" (any case), then "&lt;" and "&gt;" as brackets.
QString UnmarkTextTag(const QString& text, const QString& tag);

// The colours of highlighted text ("HI"), shared by every caller.
void SetHtmlHighlightColors(TColor background, TColor text);
TColor HtmlHighlightColor();
TColor HtmlHighlightTextColor();
