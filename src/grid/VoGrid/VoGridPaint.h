#pragma once
// The state the grid's cell painter shares between its steps for one cell (painting files only).
#include "grid/VoGrid/VoGrid.h"

// The grid's own glyphs ("VSGCHK05", "XPNODEC", "VSGFILT" ...), loaded once.
const TBitmap& GridGlyph(const QString& name);

struct VOroDavoduRuzu::TCellPaint {
    TCanvas& canvas;
    int ACol;  // display column
    int ARow;
    int RCol;  // real column
    TRect R;
    TGridDrawState AState;
    // The resolved look.
    TColor colorTo = clNone;
    TColor mirrorColor = clNone;
    TColor mirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
    TColor ownBrush = clNone;
    TColor ownFont = clNone;
    bool fixed = false;
    bool filterGlyph = false;
    // The cell's graphic and its room.
    TCellGraphic* graphic = nullptr;
    int gw = 0;
    int gh = 0;
    bool withText = true;
    TCellHAlign gha = haLeft;
    TCellVAlign gva = vaTop;
    // Left by the text painter for the graphic's placement.
    TColor anchorColor = clNone;
    int textWidth = 0;
    int sortOffset = 0;
    int markerFrom = 0;
    int markerLen = 0;
    int indicatorWidth = 0;
};
