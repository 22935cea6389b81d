#pragma once
// Stateless drawing routines for cell rectangles: gradients, backgrounds, selection frames,
// buttons, bars, shapes and bitmaps.
#include <QString>

#include "grid/base/VoStyleIF.h"
#include "platform/Bitmap.h"
#include "platform/Graphics.h"

void DrawGradientRect(TCanvas& canvas, TColor fromColor, TColor toColor, int steps, const TRect& r, bool horizontal);
void DrawCellBackground(TCanvas& canvas, const TRect& r, TColor color, TColor colorTo, TColor mirrorColor,
                        TColor mirrorColorTo, bool vertical, TColor borderColor, bool borderSidesOnly, bool fill);

TColor BlendColorStep(TColor fromColor, TColor toColor, int rangeStart, int position, int rangeEnd);
TColor DarkenColorHalf(TColor color);
TColor ColorAdjustPercent(TColor color, int percent);

// Position of a selection frame part: 0 single, 1 first of a run, 2 last, 3 middle.
void DrawSelectionFrame(TCanvas& canvas, TColor fillFrom, TColor fillTo, TColor secondFillFrom, TColor secondFillTo,
                        TColor topLineColor, TColor bottomLineColor, TColor outerLineColor, TColor cornerColor,
                        TColor outerCornerColor, const TRect& r, int position);

// Button state: 0 normal, 1 hot, 2 down, 3 disabled. Look: 0 themed, 1 classic, 2 classic flat, 3 tones.
void DrawComboButton(TCanvas& canvas, const TRect& r, const TColorTones& tones, int state, int look);
void DrawPushButton(TCanvas& canvas, const TRect& r, const TColorTones& tones, int state, int look);
void DrawSpinButtons(TCanvas& canvas, const TRect& r, const TColorTones& tones, int state, int look);

struct TProgressSettings {
    TColor Level0Color = clLime;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clYellow;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = 0x00A5FF;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clRed;
    TColor Level3ColorTo = clNone;
    int Level1Perc = 70;
    int Level2Perc = 90;
    TColor BorderColor = clBlack;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = true;
    TFont Font;
    TColor TextColor = clBlack;
    bool CompletionSmooth = true;
    bool ShowGradient = true;
    int Steps = 8;
    TColor Background = clWhite;
    bool Vertical = false;
};
void DrawProgressBar(TCanvas& canvas, const TRect& r, int percent, const TProgressSettings& settings);

// The format takes one conversion: d or u for the rounded value, else the value as a real.
void DrawValueIndicator(TCanvas& canvas, const TRect& r, TColor doneColor, TColor doneTextColor, TColor remainingColor,
                        TColor remainingTextColor, double value, int marginX, int marginY, double minimum,
                        double maximum, const QString& format, TColor borderColor, bool textUp);
void DrawBalanceBar(TCanvas& canvas, const TRect& r, int value, int maximum, bool withText, TColor negativeColor,
                    TColor positiveColor);
void DrawPieValue(TCanvas& canvas, const TRect& r, TColor fillColor, int percent, bool fillAbove);

enum TCellShape {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar,
};
void DrawCellShape(TCanvas& canvas, int x, int y, int w, int h, TCellShape shape, TColor fillColor, TColor lineColor);

// A bitmap resource (a Qt resource path) drawn as DrawBitmapTransparent draws.
void DrawResourceBitmap(TCanvas& canvas, TColor background, const TRect& r, const QString& resourcePath);
// The bitmap at r's top-left corner in its own size, its top-left pixel's colour replaced by the background.
void DrawBitmapTransparent(TCanvas& canvas, const TBitmap& bitmap, TColor background, const TRect& r);
// A red zig-zag under count characters of the single-line text from first (counted from 0).
void DrawErrorUnderline(TCanvas& canvas, const QString& text, const TRect& r, int offset, int first, int count);
void DrawSmallDownTriangle(TCanvas& canvas, int x, int y, TColor color);

// The formatted value text; the format may hold one conversion (d, u, f, e, g, n), anything else is literal.
QString FormatIndicatorValue(const QString& format, double value);
