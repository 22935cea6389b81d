#pragma once
// Painting and measuring routines shared by the drop-down edits, their pop-ups, buttons and bars (and the
// grid's gradient cells): a banded gradient, colour mixing, background fills, image-and-text, glyphs with
// a replaced background, text measuring and marked-up text. System colours are resolved before any
// arithmetic; clNone means "no colour".
#include <QString>

#include "grid/VoGrid/VoDropDownAppearance.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

// Fills R in Steps bands from FromColor towards ToColor (the last band stops one step short of ToColor),
// left to right when Horizontal, else top to bottom. Steps below 1 count as 1.
void DropDownGradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, TRect R, bool Horizontal);
// Percent of Color1 mixed with the rest of Color2; 100 or more gives Color1, 0 or less Color2, unresolved.
TColor DropDownBlendColor(TColor Color1, TColor Color2, int Percent);
// Scales each channel by 100 + its change percent (at most 100 %); a zero channel becomes the change.
TColor DropDownAdjustColor(TColor Color, int RedChange, int GreenChange, int BlueChange);
// A gradient (with ColorTo) or a plain fill, then a border of BorderWidth when BorderColor is set.
void DropDownDrawBackground(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                            int BorderWidth, TGradientDirection Direction);
// An image 4 pixels in from the left, vertically centred, and the text after it (centred without image),
// single-line with an ellipsis.
void DropDownDrawImageText(TCanvas* Canvas, TRect R, const QString& Text, const TImageList* Images, int ImageIndex);
// Copies the glyph into R with every pixel of its top-left pixel's colour replaced by BackColor.
void DropDownDrawGlyph(TCanvas& Canvas, const TBitmap& Glyph, TColor BackColor, const TRect& R);
// The single-line size of the text in the canvas's font; (0, 0) for an empty text.
TSize DropDownTextSize(TCanvas& Canvas, const QString& Text);
// The text cut from the end (with "..." when Ellipsis) until it is narrower than MaxWidth; the whole text
// when it fits, or when no cut fits.
QString DropDownTruncateText(TCanvas& Canvas, const QString& Text, int MaxWidth, bool Ellipsis);
// Draws (or, without Draw, only measures) a marked-up text in R; the size it takes, (0, 0) when empty.
TSize DropDownDrawHtmlText(TCanvas& Canvas, const QString& Text, const TRect& R, const TImageList* Images, bool Draw);
