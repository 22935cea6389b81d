#pragma once
// Visual-style parts (button, check box, radio, combo and spin buttons, header, progress) and the
// classic frame controls, drawn on the layer's canvas.
#include <QString>

#include "platform/Graphics.h"

// Whether the themed look is in use; it always is here.
bool IsThemeActive();

// The parts of one visual-style class: "button", "combobox", "spin", "header" or "Progress".
class TThemeData {
public:
    explicit TThemeData(const QString& className);
    // False for a class that has no parts.
    bool IsOpen() const { return class_ != Class::None; }
    // Draws a part's background in a state, numbered as the style classes number them.
    void DrawBackground(TCanvas& canvas, int partId, int stateId, const TRect& r) const;

private:
    enum class Class { None, Button, ComboBox, Spin, Header, Progress };
    Class class_;
};

// Part and state numbers.
enum : int {
    BP_PUSHBUTTON = 1,
    BP_RADIOBUTTON = 2,
    BP_CHECKBOX = 3,
    PBS_NORMAL = 1,
    PBS_HOT = 2,
    PBS_PRESSED = 3,
    PBS_DISABLED = 4,
    PBS_DEFAULTED = 5,
    CBS_UNCHECKEDNORMAL = 1,
    CBS_CHECKEDNORMAL = 5,
    CBS_MIXEDNORMAL = 9,
    CP_DROPDOWNBUTTON = 1,
    SPNP_UP = 1,
    SPNP_DOWN = 2,
    SPNP_UPHORZ = 3,
    SPNP_DOWNHORZ = 4,
    HP_HEADERITEM = 1,
    PP_BAR = 1,
    PP_CHUNK = 3,
};

// Classic frame controls.
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;
constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_FLAT = 0x4000;

void DrawFrameControl(TCanvas& canvas, const TRect& r, unsigned type, unsigned state);

// Classic 3-D edges.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned BF_RECT = 0xF;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;

// Draws the outer and inner edges round r (all four sides); BF_MIDDLE fills the inside with the button face,
// BF_FLAT draws flat shadow lines, BF_ADJUST shrinks r by the edges drawn.
void DrawEdge(TCanvas& canvas, TRect& r, unsigned edge, unsigned flags);
