// Hints of the string grid: the hint of the cell under the mouse, the sizing hint that follows a column or
// row border being dragged, and the balloon state.
#include "grid/VoGrid/VoGrid.h"
#include "grid/base/VoUtil/VoUtilText.h"
#include "grid/base/VsgHTMLE/VsgHTMLEText.h"
#include "platform/HintWindow.h"

namespace {
// Below the cell, the hint keeps this distance.
constexpr int HintBelowCell = 6;
// The widest a sizing hint is laid out.
constexpr int SizingHintWidth = 200;
}  // namespace

bool VOroDavoduRuzu::BuildCellHint(TPoint CursorPos, QString& Hint, TPoint& HintPos, TColor& Color)
{
    Color = HintColor;
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

void VOroDavoduRuzu::BalloonInit()
{
    FBalloonActive = true;
    FLastBalloonPos = {-1, -1};
}

void VOroDavoduRuzu::BalloonDone()
{
    FBalloonActive = false;
    FLastBalloonPos = {-1, -1};
}
