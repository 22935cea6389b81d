#include <algorithm>

#include "grid/base/VoXPVS.h"
#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace vsghtmle {

namespace {

// Named characters the engine shows itself; "&nbsp;", "&lt;" and "&gt;" are decoded per run.
const std::pair<QStringView, QStringView> entityNames[] = {
    {u"&amp;", u"&&"},        {u"&quot;", u"\""},      {u"&sect;", u"\u00A7"},
    {u"&permil;", u"\u2030"}, {u"&reg;", u"\u00AE"},   {u"&copy;", u"\u00A9"},
    {u"&para;", u"\u00B6"},   {u"&trade;", u"\u2122"}, {u"&euro;", u"\u20AC"},
};

QString decodeEntities(QString text)
{
    if (!text.contains(u'&'))
        return text;
    for (bool changed = true; changed;) {
        changed = false;
        for (const auto& [name, ch] : entityNames)
            if (text.contains(name)) {
                text.replace(name.toString(), ch.toString());
                changed = true;
            }
    }
    return text;
}

}  // namespace

THtmlEngine::THtmlEngine(TCanvas& canvas, const QString& text, const TRect& rect, const THtmlRenderOptions& options,
                         THtmlRenderResult& result)
    : canvas_(canvas), source_(text), rect_(rect), opt_(options), res_(result)
{}

int THtmlEngine::fontHeight()
{
    return canvas_.TextHeight(QString());
}

void THtmlEngine::setUp()
{
    entryPenColor_ = canvas_.Pen().Color();
    entryPenWidth_ = canvas_.Pen().Width();
    entryBrushColor_ = canvas_.Brush().Color();
    entryBrushStyle_ = canvas_.Brush().Style();
    background_ = entryBrushColor_;
    baseFont_.Assign(canvas_.Font());
    measureFont_.Assign(canvas_.Font());
    drawFont_.Assign(canvas_.Font());
    canvas_.Brush().SetStyle(bsClear);
    canvas_.SetBkMode(TRANSPARENT);

    res_.ControlRect = TRect();
    res_.ControlValue.clear();
    res_.ControlType.clear();
    res_.PlainText.clear();
    res_.FocusAnchorValue.clear();
    res_.AnchorTitle.clear();
    if (opt_.HitTestOnly)
        wantedControlID_ = res_.ControlID;
    else
        res_.ControlID.clear();
    res_.TextWidth = 0;
    res_.TextHeight = 0;
    res_.AnchorCount = 0;
    res_.HitAnchor = -1;

    themed_ = IsThemeActive();
    flags_ = HtmlDrawFlags(DT_SINGLELINE | DT_BOTTOM | DT_EXPANDTABS | DT_EXTERNALLEADING, opt_.BiDiMode);
    if (!opt_.WordWrap)
        flags_ |= DT_END_ELLIPSIS;

    text_ = LineBreaksToHtml(StripHashTags(decodeEntities(source_)), true);
    lineRect_ = rect_;
    lineRect_.Left += 1;
}

void THtmlEngine::tearDown()
{
    if (res_.TextHeight == 0)
        res_.TextHeight = fontHeight();
    res_.AnchorCount = anchorCount_;
    canvas_.Pen().SetColor(entryPenColor_);
    canvas_.Pen().SetWidth(entryPenWidth_);
    canvas_.Brush().SetColor(entryBrushColor_);
    canvas_.Brush().SetStyle(entryBrushStyle_);
    canvas_.Font().Assign(baseFont_);
}

bool THtmlEngine::Run()
{
    setUp();
    qsizetype pos = 0;
    while (pos < text_.size()) {
        layOutLine(pos);
        if (!opt_.MeasureOnly && lineGh_ + lineRect_.Top > rect_.Bottom)
            break;
    }
    tearDown();
    return result_;
}

void THtmlEngine::layOutLine(qsizetype& pos)
{
    // Measuring pass: decides the line.
    canvas_.Font().Assign(measureFont_);
    const bool anchorBefore = inAnchor_;
    const QString linkBefore = link_;
    const QString titleBefore = title_;
    const bool shadowBefore = shadow_;
    const bool hiddenBefore = hidden_;
    sub_ = sup_ = false;
    subReserve_ = supReserve_ = lift_ = 0;
    lineHeight_ = lineGh_ = fontHeight();
    const int anchorsBefore = anchorCount_;
    const int levelBefore = listLevel_;
    const int picturesBefore = pictureCount_;
    if (lineCount_++ > 0)
        res_.PlainText += u'\r';

    const qsizetype start = pos;
    TLinePass measure;
    measure.mode = TPassMode::Measure;
    measure.r = lineRect_;
    const qsizetype end = linePass(start, text_.size(), pos, measure);

    inAnchor_ = anchorBefore;
    link_ = linkBefore;
    title_ = titleBefore;
    measureFont_.Assign(canvas_.Font());

    // Alignment and indent of the whole line.
    const int extra = subReserve_ + supReserve_;
    TRect dr = lineRect_;
    if (align_ == TAlign::Right && dr.Right - measure.width > dr.Left)
        dr.Left = dr.Right - measure.width;
    else if (align_ == TAlign::Center && dr.Right - dr.Left - measure.width > 0)
        dr.Left += (dr.Right - dr.Left - measure.width) / 2;
    dr.Left += indent_;
    dr.Bottom = dr.Top + lineHeight_ + extra;

    if (!opt_.MeasureOnly) {
        canvas_.Font().Assign(drawFont_);
        anchorCount_ = anchorsBefore;
        listLevel_ = levelBefore;
        pictureCount_ = picturesBefore;
        shadow_ = shadowBefore;
        hidden_ = hiddenBefore;
        sub_ = sup_ = false;
        TLinePass second;
        second.mode = opt_.HitTestOnly ? TPassMode::HitTest : TPassMode::Draw;
        second.r = dr;
        qsizetype ignored = end;
        linePass(start, end, ignored, second);
        const int textBottom = dr.Bottom - lift_;
        if (second.object || (second.anchorText && opt_.Y > textBottom - lineGh_ && opt_.Y < textBottom))
            result_ = true;
        drawFont_.Assign(canvas_.Font());
    }

    const int height = std::min(lineHeight_ + subReserve_ + supReserve_, 1 << 20);
    lineRect_.Top = std::min(lineRect_.Top + height, 1 << 29);
    res_.TextHeight = std::min(res_.TextHeight + height, 1 << 29);
}

}  // namespace vsghtmle

bool RenderHtmlText(TCanvas& canvas, const QString& text, const TRect& rect, const THtmlRenderOptions& options,
                    THtmlRenderResult& result)
{
    return vsghtmle::THtmlEngine(canvas, text, rect, options, result).Run();
}
