#pragma once
// Named-character escaping of cell text.
#include <QString>

// "&", double quote, "<" and ">" as "&amp;", "&quot;", "&lt;" and "&gt;"; with accents also the
// characters of the named-character table as their names.
QString HtmlEscape(const QString& text, bool withAccents);
// The reverse in one pass: each name found is replaced once, so every escaped text comes back whole.
QString HtmlUnescape(const QString& text, bool withAccents);
