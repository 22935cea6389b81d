#pragma once
// Small helpers shared by the drawing routines' source files.
#include <cmath>

#include "platform/Graphics.h"

namespace voutil_draw {

inline int nint(double x)
{
    return static_cast<int>(std::nearbyint(x));
}

inline void usePenAndBrush(TCanvas& c, TColor color)
{
    c.Pen().SetColor(color);
    c.Pen().SetStyle(psSolid);
    c.Brush().SetColor(color);
    c.Brush().SetStyle(bsSolid);
}

}  // namespace voutil_draw
