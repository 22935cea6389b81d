#pragma once
// Highlight ("hi") and mark ("e") tags around the occurrences of a text in a cell text.
#include <QString>

// Every occurrence of text in the tag-free part of s wrapped in <tag> and </tag>.
QString TagOccurrences(const QString& s, const QString& text, const QString& tag, bool doCase);
// s without any opening or closing tag of that name, whatever its case.
QString RemoveTag(const QString& s, const QString& tag);

inline QString HilightText(bool doCase, const QString& s, const QString& text) {
    return TagOccurrences(s, text, QStringLiteral("hi"), doCase);
}
inline QString MarkText(bool doCase, const QString& s, const QString& text) {
    return TagOccurrences(s, text, QStringLiteral("e"), doCase);
}
inline QString UnHilightText(const QString& s) { return RemoveTag(s, QStringLiteral("hi")); }
inline QString UnMarkText(const QString& s) { return RemoveTag(s, QStringLiteral("e")); }

// A stored cell text tagged: the cell and the search text HTML-escaped first, so that "&" in a cell is kept
// as its entity; untagging unescapes again.
QString TagCellText(const QString& cellText, const QString& text, const QString& tag, bool doCase);
QString UntagCellText(const QString& cellText, const QString& tag);
