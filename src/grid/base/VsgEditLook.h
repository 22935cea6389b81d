#pragma once
// What the editor controls share: the colours of a drawn drop, spin or edit button, the place of an
// attached label, and the flat border of a box with a drop button.
#include "platform/Controls.h"

// Custom button colours; clNone: the themed or classic button is drawn.
struct TButtonColors {
    TColor ButtonColor = clNone;
    TColor ButtonColorHot = clNone;
    TColor ButtonColorDown = clNone;
    TColor ButtonTextColor = clNone;
    TColor ButtonTextColorHot = clNone;
    TColor ButtonTextColorDown = clNone;
    TColor ButtonBorderColor = clNone;
};

enum TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom,
    lpTopRight,  // above, right edges aligned (the drop-down edits' label only)
    lpBottomRight,
};

// The top-left corner of a label of size labelSize whose text is textWidth wide, placed at position with
// margin around the control's bounds.
TPoint LabelOrigin(TLabelPosition position, const TRect& bounds, TSize labelSize, int textWidth, int margin);

// The left or the right mouse button is held now.
bool IsMouseButtonDown();

// A drawn drop button in r: brush ButtonColor, ButtonColorHot when hovered, ButtonColorDown when hovered
// with a button held; one line in ButtonBorderColor at x = lineX from r's top to its bottom; the arrow's
// top-left corner at arrowOrigin, in ButtonTextColor (ButtonTextColorDown while a button is held).
void PaintColoredDropButton(TCanvas& canvas, TRect r, const TButtonColors& colors, bool hovered, TPoint arrowOrigin,
                            int lineX);

// The look of a box's drop button that has no custom colour: themed (state 4 disabled, 3 pressed while
// dropped, 1 normal, 2 hot) or the classic combo arrow.
void PaintPlainDropButton(TCanvas& canvas, TRect r, bool themed, bool enabled, bool hovered, bool dropped);

// The flat border of a box without border colours: outer in the button face when hot, else in the
// parent's colour; inner in the box's colour; not hot, the inner frames go round the text part only.
// Returns the rectangle inside the frames, right side at full width.
TRect PaintFlatBoxBorder(TCanvas& canvas, TRect w, bool hot, TColor parentColor, TColor boxColor, int buttonWidth);

// The classic flat button area: the button face round a button that is not hot.
void PaintFlatButtonFace(TCanvas& canvas, const TRect& window, int clientWidth, int clientHeight, int buttonWidth,
                         bool hot);

// A one-pixel frame of r in a colour.
void FrameInColor(TCanvas& canvas, const TRect& r, TColor color);
