// Hints of the string grid: the hint of the cell under the mouse, the sizing hint that follows a column or
// row border being dragged, and the balloon tooltip of the cell under the mouse.
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridUnit.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLE.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/BalloonHint.h"
#include "platform/HintWindow.h"
#include "platform/RichText.h"

namespace {
// Below the cell, the hint keeps this distance.
constexpr int HintBelowCell = 6;
// An anchor's hint stands right of and above the mouse.
constexpr int AnchorHintDX = 8;
constexpr int AnchorHintDY = 16;
// The widest a sizing hint is laid out.
constexpr int SizingHintWidth = 200;
}  // namespace

bool VOroDavoduRuzu::BuildCellHint(TPoint CursorPos, QString& Hint, TPoint& HintPos, TColor& Color)
{
    Color = HintColor;
    VoGridUnit().HintFontName = Font().Name();
    const TGridCoord cell = MouseCoord(CursorPos.X, CursorPos.Y);
    if (cell.X < 0 || cell.Y < 0)
        return false;
    const TPoint base = BaseCell(RealColIndex(cell.X), cell.Y);
    const int c = DisplColIndexOf(base.X);
    FLastHintPos = {base.X, base.Y};
    const TRect R = CellRect(c, base.Y);
    TPoint at{CursorPos.X, R.Bottom + HintBelowCell};
    QString comment;
    if (IsComment(base.X, base.Y, comment)) {
        Hint = comment;
        at = {R.Right, R.Top};
    }
    const QString text = GetGridCell(base.X, base.Y);
    THtmlRenderResult hit;
    if (AnchorHint && CellTextKind(text, EnableHTML) == ctkHtml && htmlHitTest(c, base.Y, base.X, CursorPos, hit) &&
        !hit.AnchorValue.isEmpty() && hit.ControlID.isEmpty()) {
        // The anchor's own hint, or the anchor itself, next to the mouse.
        QString anchor = hit.AnchorTitle.isEmpty() ? hit.AnchorValue : hit.AnchorTitle;
        if (OnAnchorHint)
            OnAnchorHint(this, base.Y, base.X, anchor);
        Hint = anchor;
        at = {CursorPos.X + AnchorHintDX, CursorPos.Y - AnchorHintDY};
    }
    const bool normal = c >= FixedCols() && base.Y >= FixedRows() && c < ColCount() - FixedRightCols &&
                        base.Y < RowCount() - FixedFooters;
    if (HintShowCells && normal) {
        at.Y = R.Top;
        if (CellTextKind(text, EnableHTML) == 5)
            Hint = DecodeWideText(text);
        else
            Hint = HTMLHint ? text : StripHtmlTags(text);
    }
    if (HintShowLargeText) {
        Canvas().Font().Assign(GetCellFont(base.X, base.Y));
        const QString shown = StripHtmlTags(text);
        if (Canvas().TextWidth(shown) > R.Width() || Canvas().TextHeight(shown) > R.Height()) {
            if (HintShowLargeTextPos == hpCell)
                at = {R.Left, R.Top};
            Hint = HTMLHint || CellTextKind(text, EnableHTML) != 1 ? text : shown;
        }
    }
    if (!(FFloatingFooter.Visible() && base.Y == RowCount() - 1)) {
        QString wide;
        QueryCellHint(base.X, base.Y, Hint, wide);
    }
    HintPos = ClientToScreen(at);
    return true;
}

// The framework asks for the hint at the mouse: the cell's hint, placed by the cell, in the grid's own
// window when it carries HTML or wide text.
void VOroDavoduRuzu::hintRequest(THintInfo& Info)
{
    if (FControlLook.HintMaxWidth > 0)
        Info.HintMaxWidth = FControlLook.HintMaxWidth;
    TPoint at;
    TColor colour = HintColor;
    if (BuildCellHint(Info.CursorPos, Info.HintStr, at, colour))
        Info.HintPos = at;
    Info.HintColor = colour;
    const int kind = CellTextKind(Info.HintStr, true);
    if ((kind == ctkHtml || kind == ctkWide) && UseInternalHintClass && FScrollHintWnd) {
        Info.HintWindow = FScrollHintWnd;
        Info.HintData = this;
    }
}

// While a column or row border is dragged, the new size follows the pointer ("cw=" / "rh=").
void VOroDavoduRuzu::showSizingHint(int X, int Y)
{
    if (!FScrollHintWnd)
        return;
    QString text;
    TPoint at;
    if (FSizingFixed || FSizingFixedR) {
        const TRect corner = CellRect(0, 0);
        at = {corner.Left, corner.Top};
        text = FSizingFixed ? QStringLiteral("cw=<b>%1</b>").arg(FSizeFixedX)
                            : QStringLiteral("rh=<b>%1</b>").arg(FSizeFixedY);
    } else if (FGridState == gsColSizing) {
        const int col = Colclicked >= 0 ? Colclicked : ColCount() - 1;
        const TRect R = CellRect(col, Colclicked >= 0 ? std::max(Rowclicked, 0) : 0);
        at = {R.Left, R.Top};
        text = QStringLiteral("cw=<b>%1</b>").arg(X - R.Left - Clickposdx);
    } else if (FGridState == gsRowSizing) {
        const int row = Rowclicked >= 0 ? Rowclicked : RowCount() - 1;
        const TRect R = CellRect(std::max(Colclicked, 0), row);
        at = {R.Left, R.Top};
        text = QStringLiteral("rh=<b>%1</b>").arg(Y - R.Top - Clickposdy);
    } else {
        return;
    }
    const TPoint screen = ClientToScreen(at);
    TRect r = FScrollHintWnd->CalcHintRect(SizingHintWidth, text, nullptr);
    r = {r.Left + screen.X, r.Top + screen.Y, r.Right + screen.X, r.Bottom + screen.Y};
    FScrollHintWnd->SetColor(HintColor);
    FScrollHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
    FSizingHint = text;
}

void VOroDavoduRuzu::hideSizingHint()
{
    if (FScrollHintShow && FScrollHintWnd)
        FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
    FSizingHint.clear();
}

// The grid's balloon tooltip: created once, with the settings' delays and transparency.
void VOroDavoduRuzu::BalloonInit()
{
    if (FBalloonActive)
        return;
    FBalloonActive = true;
    FLastBalloonPos = {-1, -1};
    FBalloonTip = new TBalloonHint(*this);
    FBalloonTip->SetDelays(FBalloonSettings.InitialDelay, FBalloonSettings.ReshowDelay, FBalloonSettings.AutoHideDelay);
    if (FBalloonSettings.Transparency != 0)
        FBalloonTip->SetTransparency(FBalloonSettings.Transparency);
    FBalloonTip->OnNeedText = [this](TPoint p, TBalloonTipText& tip) { return balloonText(p, tip); };
}

void VOroDavoduRuzu::BalloonDone()
{
    delete FBalloonTip;
    FBalloonTip = nullptr;
    FBalloonActive = false;
    FLastBalloonPos = {-1, -1};
}

namespace {
constexpr int BalloonTextMax = 2048;
constexpr int BalloonTitleMax = 100;
constexpr int BalloonWidth = 300;

// Cut to Max characters, the last three of them "...".
QString ellipsised(const QString& text, int Max)
{
    return text.size() > Max ? text.left(Max - 3) + QStringLiteral("...") : text;
}

// A tab inside the text shows as a space; tabs and line breaks before the text are dropped.
QString balloonPlain(QString text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i)
        if (text[i] == u'\t')
            text[i] = u' ';
    qsizetype from = 0;
    while (from < text.size() && (text[from] == u'\t' || text[from] == u'\r' || text[from] == u'\n'))
        ++from;
    return text.mid(from);
}
}  // namespace

bool VOroDavoduRuzu::balloonText(TPoint ClientPos, TBalloonTipText& Tip)
{
    if (!FBalloonSettings.Enable())
        return false;
    const TGridCoord cell = MouseCoord(ClientPos.X, ClientPos.Y);
    if (cell.X < 0 || cell.Y < 0)
        return false;
    const TPoint base = BaseCell(RealColIndex(cell.X), cell.Y);
    QString text = GetGridCell(base.X, base.Y);
    switch (CellTextKind(text, EnableHTML)) {
    case ctkHtml:
        text = StripHtmlTags(text);
        break;
    case ctkRtf:
        text = RichTextToPlainText(text);
        break;
    case ctkWide:
        text = DecodeWideText(text);
        break;
    default:
        break;
    }
    text = ellipsised(balloonPlain(text), BalloonTextMax);
    QString title = QStringLiteral(" ");
    TBalloonIcon icon = biNone;
    QString ownTitle, ownText;
    if (IsBalloon(base.X, base.Y, ownTitle, ownText, icon)) {
        title = ownTitle;
        text = ownText;
    }
    int iconIndex = icon;
    if (OnCellBalloon)
        OnCellBalloon(this, base.X, base.Y, title, text, iconIndex);
    FLastBalloonPos = {base.X, base.Y};
    Tip.Text = text.left(BalloonTextMax);
    Tip.Title = ellipsised(title, BalloonTitleMax);
    Tip.Icon = iconIndex;
    Tip.MaxWidth = BalloonWidth;
    Tip.TextColor = FBalloonSettings.TextColor;
    Tip.BackColor = FBalloonSettings.BackgroundColor;
    return true;
}
