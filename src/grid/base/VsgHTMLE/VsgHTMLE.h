#pragma once
// The cell text engine: lays out a text with HTML-like markup in a rectangle of a canvas and,
// as asked, measures it, draws it, or finds the anchor, anchored picture or form control under
// a point. Tags change the canvas font, pen and brush as they are met; every line is measured
// first, then aligned and drawn (or hit-tested).
#include <QString>

#include "grid/base/VsgHTMLE/VsgHTMLEDraw.h"
#include "platform/Graphics.h"

class THTMLPictureCache;
class TPictureContainer;

struct THtmlRenderOptions {
    const TImageList* Images = nullptr;  // pictures "IDX:n"
    int X = 0;                           // the point to test
    int Y = 0;
    int FocusAnchor = -1;  // zero-based anchor drawn with a focus rectangle; -1 for none
    int HoverAnchor = -1;  // one-based anchor under the mouse; 0 or -1 for none
    int ShadowOffset = 0;
    bool HitTestOnly = false;  // the second pass of each line only tests; a control may be found by ControlID
    bool MeasureOnly = false;  // no second pass at all
    bool Printing = false;     // image-list pictures and shell icons scaled by PrintScale
    bool KeepColors = false;   // anchors and FONT leave the colours alone
    bool BlinkOn = true;
    bool UnderlineOnHover = false;
    bool WordWrap = true;  // else each line ends with an ellipsis when too wide
    bool ControlDown = false;
    double PrintScale = 1.0;
    TColor URLColor = clBlue;
    TColor HoverColor = clNone;
    TColor HoverFontColor = clNone;
    TColor ShadowColor = clGray;
    THTMLPictureCache* PictureCache = nullptr;
    TPictureContainer* PictureContainer = nullptr;
    int BiDiMode = bdLeftToRight;
};

struct THtmlRenderResult {
    QString AnchorValue;  // in/out: link of the anchor under the point; "ctrl" for a control
    QString PlainText;    // the visible text of the laid-out lines, lines separated by CR
    QString FocusAnchorValue;
    QString AnchorTitle;
    int TextWidth = 0;   // widest line without its trailing space
    int TextHeight = 0;  // sum of the line heights
    int AnchorCount = 0;
    int HitAnchor = -1;  // one-based anchor whose text is under the point
    TRect AnchorRect;    // in/out: that anchor's rectangle
    TRect ControlRect;
    QString ControlID;  // in/out: with HitTestOnly, the ID of a control to find
    QString ControlValue;
    QString ControlType;
};

// True when, in the last pass of a line, a control or an anchored picture lay under the point, or
// (hit-testing) an anchor's text did; MeasureOnly always gives false. The canvas keeps its pen,
// brush and font.
bool RenderHtmlText(TCanvas& canvas, const QString& text, const TRect& rect, const THtmlRenderOptions& options,
                    THtmlRenderResult& result);
