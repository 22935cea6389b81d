#pragma once
// The look that every form of the configurator gives its buttons.
#include "controls/button/OdButton.h"

constexpr TColor Button_Face_Color = 0xEDF7F8;
constexpr TColor Button_Down_Color = 0x0080FF;  // orange

// Encarta style on the forms' face colour, orange while pressed, yellow while hot, a grey light edge, the
// hot-track font 11 px high (unused), and the glyph of that name from the forms' glyph set (none when empty).
void Set_Button_Look(TOdButton& button, const QString& glyph);

// A new button with that look, placed on the parent, its hint shown.
TOdButton* New_Button(TComponent* owner, TWinControl* parent, const TRect& bounds, const QString& glyph);
