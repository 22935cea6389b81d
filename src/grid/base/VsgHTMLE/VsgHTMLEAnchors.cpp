#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"

namespace vsghtmle {

bool THtmlEngine::hovered() const
{
    return !opt_.UnderlineOnHover || anchorCount_ == opt_.HoverAnchor;
}

void THtmlEngine::openAnchor(TLinePass& p, const TTag& tag)
{
    if (p.drawing() && anchorCount_ == opt_.FocusAnchor) {
        focusStart_ = {p.x, p.r.Top};
        focusOpen_ = true;
    }
    ++anchorCount_;
    if (hovered() && p.drawing()) {
        setStyle(fsUnderline, true);
        if (opt_.HoverColor != clNone) {
            savedAnchorBrush_ = brushColorOrNone();
            canvas_.Brush().SetColor(opt_.HoverColor);
        }
        if (opt_.HoverFontColor != clNone) {
            savedAnchorFont_ = canvas_.Font().Color();
            canvas_.Font().SetColor(opt_.HoverFontColor);
        }
    }
    if (!opt_.KeepColors &&
        !(opt_.HoverFontColor != clNone && anchorCount_ == opt_.HoverAnchor && opt_.UnderlineOnHover))
        canvas_.Font().SetColor(opt_.URLColor);
    inAnchor_ = tag.HasAttribute(QLatin1StringView("HREF"));
    link_ = tag.Attribute(QLatin1StringView("HREF"), false);
    title_ = tag.Attribute(QLatin1StringView("TITLE"), false);
    anchorStart_ = {p.r.Left + p.width, p.r.Top};
}

void THtmlEngine::closeAnchor(TLinePass& p)
{
    if (hovered() && p.drawing()) {
        setStyle(fsUnderline, false);
        if (opt_.HoverColor != clNone)
            setBrushColorOrClear(savedAnchorBrush_);
        if (opt_.HoverFontColor != clNone)
            canvas_.Font().SetColor(savedAnchorFont_);
    }
    if (!opt_.KeepColors)
        canvas_.Font().SetColor(baseFont_.Color());
    inAnchor_ = false;
    if (anchorRectOpen_) {
        res_.AnchorRect = Rect(anchorStart_.X, anchorStart_.Y, p.r.Left + p.width, p.bottom);
        res_.HitAnchor = anchorCount_;
        anchorRectOpen_ = false;
    }
    if (focusOpen_ && anchorCount_ - 1 == opt_.FocusAnchor && p.drawing())
        closeFocusSegment(p, false);
}

// The focus rectangle of the focused anchor, from its start to the draw position; at a line's end
// the anchor goes on at the next line's left edge.
void THtmlEngine::closeFocusSegment(TLinePass& p, bool lineEnd)
{
    const int bottom = p.r.Bottom - lift_;
    const int top = bottom - fontHeight();
    canvas_.DrawFocusRect(Rect(focusStart_.X - 1, top - 1, p.x + 1, bottom + 1));
    focusOpen_ = lineEnd;
    focusStart_ = {lineRect_.Left + 1, 0};
}

void THtmlEngine::hitTestRun(TLinePass& p, int w)
{
    if (!inAnchor_)
        return;
    const int offset = opt_.X - p.r.Left;
    const int endOffset = opt_.BiDiMode == bdLeftToRight ? offset : p.r.Right - opt_.X - p.r.Left;
    if (offset < p.width - w || p.width < endOffset)
        return;
    p.anchorText = true;
    if (opt_.Y > p.r.Top && opt_.Y <= p.r.Bottom) {
        res_.AnchorValue = link_;
        res_.AnchorTitle = title_;
        anchorRectOpen_ = true;
    }
}

}  // namespace vsghtmle
