#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"

#include <algorithm>
#include <functional>

#include "grid/base/VoXPVS.h"
#include "grid/base/VsgHTMLE/VsgHTMLEEngine.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"

namespace {

constexpr int MaxControlSide = 10000;

struct TFoundControl {
    qsizetype start = 0;  // the "<"
    qsizetype end = 0;    // after the ">"
    TControlTagValues values;
};

// Calls visit for every control of the text in order until it returns false.
void forEachControl(const QString& text, const std::function<bool(const TFoundControl&)>& visit)
{
    const QString upper = UpperCaseAscii(text);
    for (qsizetype at = upper.indexOf(QLatin1StringView("<CONTROL ")); at >= 0;
         at = upper.indexOf(QLatin1StringView("<CONTROL "), at + 1)) {
        const qsizetype close = text.indexOf(u'>', at);
        if (close < 0)
            return;
        const TFoundControl found{at, close + 1, ParseControlTag(text.mid(at + 1, close - at - 1))};
        if (!visit(found))
            return;
    }
}

QString quoted(QLatin1StringView name, const QString& value)
{
    return QLatin1Char(' ') + name + QStringLiteral("=\"") + value + QLatin1Char('"');
}

QString rewrittenTag(const TControlTagValues& v, const QString& value)
{
    QString tag = QStringLiteral("<CONTROL ID=\"") + v.ID + QLatin1Char('"');
    tag += quoted(QLatin1StringView("VALUE"), HtmlEscape(value, true));
    tag += quoted(QLatin1StringView("WIDTH"), v.Width);
    if (!v.Height.isEmpty())
        tag += quoted(QLatin1StringView("HEIGHT"), v.Height);
    tag += quoted(QLatin1StringView("TYPE"), v.Type);
    if (!v.Prop.isEmpty())
        tag += quoted(QLatin1StringView("PROP"), HtmlEscape(v.Prop, true));
    if (!v.MaxLen.isEmpty())
        tag += quoted(QLatin1StringView("MAXLEN"), v.MaxLen);
    return tag + QLatin1Char('>');
}

}  // namespace

TControlTagValues ParseControlTag(const QString& attributes)
{
    const QString upper = UpperCaseAscii(attributes);
    const vsghtmle::TTag tag{attributes, upper};
    TControlTagValues v;
    v.Type = tag.Attribute(QLatin1StringView("TYPE"), true);
    v.ID = tag.Attribute(QLatin1StringView("ID"), false);
    v.Value = HtmlUnescape(tag.Attribute(QLatin1StringView("VALUE"), false), true);
    v.Width = tag.Attribute(QLatin1StringView("WIDTH"), false);
    v.Height = tag.Attribute(QLatin1StringView("HEIGHT"), false);
    v.Prop = HtmlUnescape(tag.Attribute(QLatin1StringView("PROP"), false), true);
    v.MaxLen = tag.Attribute(QLatin1StringView("MAXLEN"), false);
    return v;
}

bool HasControlTag(const QString& text)
{
    return text.contains(QLatin1StringView("<CONTROL"), Qt::CaseInsensitive);
}

bool GetControlValueByID(const QString& text, const QString& id, QString& value)
{
    bool found = false;
    forEachControl(text, [&](const TFoundControl& c) {
        if (c.values.ID != id)
            return true;
        value = c.values.Value;
        found = true;
        return false;
    });
    return found;
}

QString GetControlPropByID(const QString& text, const QString& id)
{
    QString prop;
    forEachControl(text, [&](const TFoundControl& c) {
        if (c.values.ID != id)
            return true;
        prop = c.values.Prop;
        return false;
    });
    return prop;
}

int GetControlMaxLenByID(const QString& text, const QString& id)
{
    int maxLen = 0;
    forEachControl(text, [&](const TFoundControl& c) {
        if (c.values.ID != id)
            return true;
        maxLen = std::max(0, StrToIntZero(c.values.MaxLen));
        return false;
    });
    return maxLen;
}

bool SetControlValueByID(QString& text, const QString& id, const QString& value)
{
    bool found = false;
    forEachControl(text, [&](const TFoundControl& c) {
        if (c.values.ID != id)
            return true;
        text.replace(c.start, c.end - c.start, rewrittenTag(c.values, value));
        found = true;
        return false;
    });
    return found;
}

QString NextEditControlID(const QString& text, const QString& id)
{
    bool passed = id.isEmpty();
    QString next;
    forEachControl(text, [&](const TFoundControl& c) {
        if (!passed) {
            passed = c.values.ID == id;
            return true;
        }
        const QString& type = c.values.Type;
        if (type == QLatin1StringView("BUTTON") || type == QLatin1StringView("CHECK") ||
            type == QLatin1StringView("RADIO"))
            return true;
        next = c.values.ID;
        return false;
    });
    return next;
}

QString ClearRadioControls(const QString& text)
{
    QString out;
    qsizetype copied = 0;
    forEachControl(text, [&](const TFoundControl& c) {
        if (c.values.Type == QLatin1StringView("RADIO")) {
            out += QStringView(text).mid(copied, c.start - copied);
            out += rewrittenTag(c.values, QStringLiteral("FALSE"));
            copied = c.end;
        }
        return true;
    });
    out += QStringView(text).mid(copied);
    return out;
}

QString MaskPassword(const QString& text)
{
    return QString(text.size(), u'*');
}

namespace vsghtmle {

void THtmlEngine::controlTag(TLinePass& p, const TTag& tag)
{
    if (!tag.upper.startsWith(QLatin1StringView("<CONTROL")))
        return;
    const TControlTagValues v = ParseControlTag(tag.text.mid(1, tag.text.size() - 2).toString());
    bool heightValid = false;
    const int height = v.Height.toInt(&heightValid);
    const int controlHeight = heightValid ? std::clamp(height, 1, MaxControlSide) : 25;
    if (v.Width.isEmpty())
        return;
    const QString& type = v.Type;
    const bool box = type == QLatin1StringView("CHECK") || type == QLatin1StringView("RADIO");
    int itemWidth = std::clamp(StrToIntZero(v.Width), 0, MaxControlSide);
    const bool button = type == QLatin1StringView("BUTTON");
    const int textItemHeight = fontHeight() + 10;
    const int itemHeight = box ? 16 : (button || type == QLatin1StringView("COMBO")) ? 25 : textItemHeight;
    if (box)
        itemWidth = 16;
    if (lineFullFor(p, itemWidth))
        return;  // the control starts the next line
    lineHeight_ = controlHeight > 25 ? controlHeight - 2 : box ? 16 : 23;

    const int top = p.r.Top;
    const int left = p.x;
    const int bottom = p.bottom;
    if (p.drawing()) {
        const TColor frame = themed_ ? TColor(0xB99D7F) : clGray;
        const TColor pen = canvas_.Pen().Color();
        const TColor brush = brushColorOrNone();
        const int hotHeight = button ? 24 : textItemHeight;
        const bool hot = opt_.X > left - 2 && opt_.X < left + itemWidth - 2 && opt_.Y > bottom - hotHeight - 2 &&
                         opt_.Y < bottom - 2;
        canvas_.Pen().SetColor(frame);
        if (type == QLatin1StringView("EDIT") || type == QLatin1StringView("PASSWORD") ||
            type == QLatin1StringView("MASK") || type == QLatin1StringView("COMBO")) {
            const bool combo = type == QLatin1StringView("COMBO");
            canvas_.Brush().SetColor(clWhite);
            canvas_.Rectangle(left, bottom - lineHeight_ + 4, left + itemWidth, bottom + 2);
            canvas_.Brush().SetStyle(bsClear);
            TRect tr =
                Rect(left + (combo ? 4 : 2), bottom - lineHeight_ + 4, left + itemWidth - (combo ? 18 : 0), bottom);
            canvas_.DrawText(type == QLatin1StringView("PASSWORD") ? MaskPassword(v.Value) : v.Value, tr,
                             DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
            if (combo) {
                const TRect br =
                    Rect(left + itemWidth - 18, bottom - lineHeight_ + 5, left + itemWidth - 1, bottom + 1);
                if (themed_)
                    TThemeData(QStringLiteral("combobox")).DrawBackground(canvas_, CP_DROPDOWNBUTTON, hot ? 2 : 1, br);
                else
                    DrawFrameControl(canvas_, br, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
            }
        } else if (box) {
            const bool checked = v.Value.toUpper() == QLatin1StringView("TRUE");
            const bool radio = type == QLatin1StringView("RADIO");
            canvas_.Brush().SetStyle(bsClear);
            const TRect br =
                radio ? Rect(left + 2, bottom - 14, left + 14, bottom) : Rect(left + 2, bottom - 15, left + 15, bottom);
            if (themed_)
                TThemeData(QStringLiteral("button"))
                    .DrawBackground(canvas_, radio ? BP_RADIOBUTTON : BP_CHECKBOX,
                                    checked ? CBS_CHECKEDNORMAL : CBS_UNCHECKEDNORMAL, br);
            else
                DrawFrameControl(canvas_, br, DFC_BUTTON,
                                 DFCS_FLAT | (radio ? DFCS_BUTTONRADIO : 0u) | (checked ? DFCS_CHECKED : 0u));
        } else if (button) {
            canvas_.Brush().SetStyle(bsClear);
            TRect br = Rect(left + 2, bottom - controlHeight, left + itemWidth - 2, bottom);
            if (themed_)
                TThemeData(QStringLiteral("button"))
                    .DrawBackground(canvas_, BP_PUSHBUTTON,
                                    opt_.ControlDown ? PBS_PRESSED
                                    : hot            ? PBS_HOT
                                                     : PBS_NORMAL,
                                    br);
            else
                DrawFrameControl(canvas_, br, DFC_BUTTON,
                                 DFCS_BUTTONPUSH | (hot && opt_.ControlDown ? DFCS_PUSHED : 0u));
            br = Rect(br.Left + 2, br.Top + 2, br.Right - 2, br.Bottom - 2);
            canvas_.DrawText(v.Value, br, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
        }
        canvas_.Pen().SetColor(pen);
        setBrushColorOrClear(brush);
    }

    const int offset = opt_.X - p.r.Left;
    const bool underPoint =
        opt_.Y > top && opt_.Y < top + itemHeight && offset > p.width && offset < p.width + itemWidth;
    if (p.mode != TPassMode::Measure &&
        (underPoint || (opt_.HitTestOnly && !v.ID.isEmpty() && v.ID == wantedControlID_))) {
        p.object = true;
        res_.AnchorValue = QStringLiteral("ctrl");
        res_.ControlRect = Rect(p.r.Left + p.width, top, p.r.Left + p.width + itemWidth, top + itemHeight);
        res_.ControlValue = v.Value;
        res_.ControlID = v.ID;
        res_.ControlType = v.Type;
    }
    placeItem(p, itemWidth, itemHeight);
}

}  // namespace vsghtmle
