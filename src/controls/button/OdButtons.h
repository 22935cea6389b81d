#pragma once
// Owner-drawn button: its enumerations, kind table, colour presets and face painting.
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <QString>
#include <optional>

enum class TOdButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
using enum TOdButtonStyle;
enum class TOdButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
using enum TOdButtonKind;
enum class TOdButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
using enum TOdButtonLayout;
enum class TOdColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};
using enum TOdColorStyle;

// What a preset kind gives the button: modal result, glyph resource name and caption.
struct TOdKindInfo {
    int ModalResult;
    const char* GlyphResource;
    QString Caption;
};
// Only for kinds other than bkCustom.
TOdKindInfo OdKindInfo(TOdButtonKind kind);

// Loads a bitmap resource of the button ("ODOK" ... "ODALL", "ODARROW").
void OdLoadGlyphResource(TBitmap& bitmap, const char* name);

// Colours and looks of a ColorStyle preset.
struct TOdColorStyleColors {
    TColor Face;
    TColor Light;
    TColor Shadow;
    TColor Down;
    TColor HotTrack;
    bool Flat;
    TColor FontColor;
    TOdButtonStyle Style;
};
// No preset for lcsCustom.
std::optional<TOdColorStyleColors> OdColorStyleColors(TOdColorStyle preset);

// The face colour moved toward the hot-track colour by step eighths; an RGB colour.
TColor OdHotTrackBlend(TColor face, TColor hotTrack, int step);

// A vertical gradient of 32 bands from a toward b; b itself is never reached.
void OdGradientFill(TCanvas& canvas, TColor a, TColor b, int left, int top, int right, int bottom);

// Draws cell (sx, 0, gw, gh) of the glyph at (x, y), leaving out the colour of the cell's lower-left pixel.
void OdDrawTransparentGlyph(TCanvas& canvas, const TBitmap& glyph, int x, int y, int sx, int gw, int gh);

// Everything one face of the button is drawn from.
struct TOdFace {
    int Width = 0;
    int Height = 0;
    TAlignment Alignment = taCenter;
    QString Caption;
    TOdButtonLayout Layout = blGlyphLeft;
    const TFont* Font = nullptr;
    TColor ShadowColor = clGray;
    TColor LightColor = clWhite;
    TColor HotTrackColor = clNone;
    TColor DownColor = clNone;
    TColor FaceColor = clBtnFace;
    TOdButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    // Pointer over the button or focused.
    bool Hot = false;
    bool Down = false;
    const TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    int HotTrackStep = 0;
};

// Background, border, caption, glyph and popup arrow of one face, at (0, 0) of the canvas.
void DrawOdButtonFace(TCanvas& canvas, const TOdFace& face);
