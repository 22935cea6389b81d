#pragma once
// Rich text as the rich edit keeps it (RTF), drawn on a canvas.
#include <QString>

#include "platform/Graphics.h"

// The RTF text laid out in r inset by inset pixels on every side, in the canvas font for runs that do not set
// their own; textColor other than clNone colours every run. Unknown control words are skipped.
void DrawRichText(TCanvas& canvas, const QString& rtf, const TRect& r, int inset, TColor textColor);
// The text as HTML: bold, italic, underline, colours from the colour table, paragraphs and line breaks.
QString RichTextToHtml(const QString& rtf);
// The text without its formatting, paragraphs separated by line feeds.
QString RichTextToPlainText(const QString& rtf);
