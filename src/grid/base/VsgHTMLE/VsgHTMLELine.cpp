#include <algorithm>

#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace vsghtmle {

namespace {

// "&nbsp;", "&lt;" and "&gt;" of a run.
QString decodeRun(QString run)
{
    if (run.contains(u'&')) {
        run.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
        run.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
        run.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    }
    return run;
}

}  // namespace

int THtmlEngine::runWidth(const QString& run, const TRect& r, unsigned flags)
{
    if (!(flags & DT_END_ELLIPSIS)) {
        // Both passes measure the same runs in the same fonts: each is measured once.
        const TFont& font = canvas_.Font();
        const QString key = run + QChar(0x1F) + font.Name() + QChar(0x1F) + QString::number(font.Height()) +
                            QChar(0x1F) + QString::number(font.Style());
        if (const auto it = widths_.constFind(key); it != widths_.constEnd())
            return *it;
        TRect m = r;
        canvas_.DrawText(run, m, flags | DT_CALCRECT);
        widths_.insert(key, m.Width());
        return m.Width();
    }
    TRect m = r;
    canvas_.DrawText(run, m, flags | DT_CALCRECT);
    return m.Width();
}

void THtmlEngine::appendPlainText(const QString& run)
{
    for (qsizetype i = 0; i < run.size(); ++i) {
        if (run[i] == u'&' && i + 1 < run.size())
            ++i;  // "&&" shows one "&", "&x" underlines x
        res_.PlainText += run[i];
    }
}

void THtmlEngine::paintBand(int top, int bottom)
{
    const TColor pen = canvas_.Pen().Color();
    canvas_.Pen().SetColor(canvas_.Brush().Color());
    canvas_.Rectangle(rect_.Left, top, rect_.Right, bottom);
    canvas_.Pen().SetColor(pen);
}

void THtmlEngine::drawErrorMark(int left, int right, int y)
{
    const TColor pen = canvas_.Pen().Color();
    const int penWidth = canvas_.Pen().Width();
    canvas_.Pen().SetColor(clRed);
    canvas_.Pen().SetWidth(1);
    int x = left & ~1;
    int offset = (x % 4 == 0) ? 2 : 0;
    std::vector<TPoint> points;
    for (; x <= right; x += 2) {
        points.push_back({x, y + offset});
        offset = 2 - offset;
    }
    if (points.size() > 1)
        canvas_.Polyline(points);
    canvas_.Pen().SetColor(pen);
    canvas_.Pen().SetWidth(penWidth);
}

void THtmlEngine::drawRun(TLinePass& p, const QString& run, int& w)
{
    TRect dr = Rect(p.x, p.r.Top, p.r.Right, p.bottom);
    if (sup_)
        dr.Bottom -= supReserve_;
    if (sub_)
        dr.Bottom += subReserve_;
    dr.Bottom -= lift_;
    if (shadow_) {
        const TColor color = canvas_.Font().Color();
        canvas_.Font().SetColor(opt_.ShadowColor);
        TRect sr = Rect(dr.Left + opt_.ShadowOffset, dr.Top + opt_.ShadowOffset, dr.Right + opt_.ShadowOffset,
                        dr.Bottom + opt_.ShadowOffset);
        canvas_.DrawText(run, sr, flags_);
        canvas_.Font().SetColor(color);
    }
    canvas_.DrawText(run, dr, flags_);
    w = runWidth(run, dr, flags_);
    if (inAnchor_ && anchorCount_ == opt_.FocusAnchor + 1)
        res_.FocusAnchorValue = link_;
    if (errorMark_)
        drawErrorMark(dr.Left, dr.Left + w, p.bottom - 1);
    p.x += w;
}

// Lays a run on the line; false when it does not fit and breaks the line before it.
bool THtmlEngine::takeRun(TLinePass& p, const QString& run)
{
    const int h = fontHeight();
    if (sub_)
        subReserve_ = std::max(subReserve_, h / 4);
    if (sup_)
        supReserve_ = std::max(supReserve_, h / 4);
    lineHeight_ = std::max(lineHeight_, h);
    if (hidden_) {
        if (p.mode == TPassMode::Measure)
            appendPlainText(run);
        return true;
    }
    int w = 0;
    if (p.testing()) {
        w = runWidth(run, p.r, flags_ & ~DT_END_ELLIPSIS);
        p.width += w;
        if (p.mode == TPassMode::HitTest)
            hitTestRun(p, w);
    } else {
        drawRun(p, run, w);
        p.width += w;
    }
    if (p.mode == TPassMode::Measure) {
        // A run wider than the whole line still goes alone on a line of its own.
        const bool fits = p.width < p.r.Width() || p.glue || !p.laid;
        if (!fits && opt_.WordWrap) {
            p.width -= w;
            p.broken = true;
            return false;
        }
        p.cut = !fits;
    }
    const bool spaceEnd = run.endsWith(u' ');
    p.trailing = spaceEnd ? runWidth(QStringLiteral(" "), p.r, flags_ & ~DT_END_ELLIPSIS) : 0;
    p.glue = !spaceEnd;
    p.laid = true;
    if (p.mode == TPassMode::Measure)
        appendPlainText(run);
    return true;
}

qsizetype THtmlEngine::linePass(qsizetype from, qsizetype to, qsizetype& pos, TLinePass& p)
{
    p.bottom = p.r.Bottom - subReserve_;
    p.x = p.r.Left;
    if (paraBackground_ && p.drawing())
        paintBand(p.r.Top, p.r.Top + lineHeight_);
    if (inAnchor_)
        anchorStart_ = {p.r.Left, p.r.Top};

    const QString& text = text_;
    qsizetype at = from;
    qsizetype consumed = from;
    bool dropped = false;
    while (at < to && !p.broken && !p.full) {
        qsizetype end = text.indexOf(u'<', at);
        if (end < 0 || end > to)
            end = to;
        if (opt_.WordWrap) {
            const qsizetype space = QStringView(text).mid(at, end - at).indexOf(u' ');
            if (space >= 0)
                end = at + space + 1;
        }
        if (end > at) {
            if (!takeRun(p, decodeRun(text.mid(at, end - at))))
                break;
            at = end;
            consumed = at;
            if (p.cut) {
                dropped = true;
                break;
            }
        }
        if (at >= to || text[at] != u'<')
            continue;
        const qsizetype close = text.indexOf(u'>', at);
        if (to - at <= 2 || close < 0 || close >= to) {
            dropped = true;  // an unterminated tag ends the text
            break;
        }
        const QStringView tagText = QStringView(text).mid(at, close - at + 1);
        const TTag tag{tagText, UpperCaseAscii(tagText)};
        if (tag.upper.startsWith(u"</") && tag.upper.size() >= 4)
            closeTag(p, tag);
        else
            openTag(p, tag);
        if (p.full && consumed > from)
            break;  // the tag starts the next line
        p.full = false;
        at = close + 1;
        consumed = at;
    }
    pos = dropped ? to : consumed;

    p.width -= p.trailing;
    res_.TextWidth = std::max(res_.TextWidth, p.width);
    if (focusOpen_ && p.drawing())
        closeFocusSegment(p, true);
    return consumed;
}

}  // namespace vsghtmle
