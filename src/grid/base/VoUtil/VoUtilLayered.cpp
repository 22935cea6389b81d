#include "grid/base/VoUtil/VoUtilLayered.h"

bool CallUpdateLayeredWindow(TPopupWindow& window, const TBitmap& content, std::uint8_t constantAlpha)
{
    return window.UpdateLayered(content, constantAlpha);
}

bool CallSetLayeredWindowAttributes(TPopupWindow& window, std::uint8_t constantAlpha)
{
    return window.SetLayeredAttributes(constantAlpha);
}
