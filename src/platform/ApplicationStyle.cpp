#include "platform/ApplicationStyle.h"

namespace {
TApplicationStyle& activeStyle()
{
    static TApplicationStyle style;
    return style;
}
}  // namespace

const TApplicationStyle& ActiveApplicationStyle()
{
    return activeStyle();
}

void SetActiveApplicationStyle(const TApplicationStyle& style)
{
    activeStyle() = style;
}
