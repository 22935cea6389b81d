#pragma once
// Guarded calls of the layered-window functions: they act on a floating window and report success.
#include <cstdint>

#include "platform/PopupWindow.h"

// Per-pixel alpha content (premultiplied) with a constant alpha over it.
bool CallUpdateLayeredWindow(TPopupWindow& window, const TBitmap& content, std::uint8_t constantAlpha);
// A constant alpha for the whole window.
bool CallSetLayeredWindowAttributes(TPopupWindow& window, std::uint8_t constantAlpha);
