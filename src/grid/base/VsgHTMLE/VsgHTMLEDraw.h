#pragma once
// Small drawing routines of the cell markup: right-to-left text flags, rotated fonts, shell icons
// and bitmaps stretched for printing.
#include <QString>

#include "platform/Bitmap.h"
#include "platform/Graphics.h"

// Bidirectional modes.
#include "platform/Controls.h"

// DrawText flags adjusted for right-to-left reading; only a right-to-left locale changes them.
unsigned HtmlDrawFlags(unsigned flags, int biDiMode);

// The font orientation replaced by a rotation, to give back to RestoreRotatedFont.
using TRotatedFontHandle = int;
// Turns the canvas font by angle degrees; returns what it replaced.
TRotatedFontHandle SelectRotatedFont(TCanvas& canvas, int angle);
void RestoreRotatedFont(TCanvas& canvas, TRotatedFontHandle kept);

// Draws (when draw) the small or large desktop icon of a path, or of the icon index the path reads
// as, at (x, y), scaled when printing; size gets the icon's size in screen pixels.
void DrawShellIcon(TCanvas& canvas, int x, int y, TSize& size, double scale, bool printing, bool draw, bool large,
                   const QString& path);
// The bitmap stretched into r.
void StretchDrawBitmapDIB(TCanvas& canvas, const TRect& r, const TBitmap& bitmap);
// True for an existing directory.
bool IsDirectoryPath(const QString& path);
