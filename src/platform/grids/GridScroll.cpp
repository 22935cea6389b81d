// Scroll bars of TCustomGrid. The scrollable rows and columns map onto a scroll range of 0 to 127.
#include "platform/Grids.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {
constexpr int ScrollRange = 127;
// Width of the vertical and height of the horizontal scroll bar.
constexpr int BarExtent = 17;

// a * b / c rounded to the nearest integer, halves away from zero; -1 when c is 0.
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    return static_cast<int>(std::lround(static_cast<double>(a) * b / c));
}
}  // namespace

void TCustomGrid::createScrollBars()
{
    vertBar_ = new QScrollBar(Qt::Vertical, Widget());
    horzBar_ = new QScrollBar(Qt::Horizontal, Widget());
    for (QScrollBar* bar : {vertBar_, horzBar_}) {
        bar->setRange(0, ScrollRange);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        QObject::connect(bar, &QScrollBar::actionTriggered, bar, [this, bar](int action) { scrollBarAction(bar, action); });
        QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar] { scrollBarReleased(bar); });
    }
}

void TCustomGrid::SetScrollBars(TScrollStyle bars)
{
    if (bars == scrollBars_)
        return;
    scrollBars_ = bars;
    updateScrollBars();
    clampTopLeft();
    Invalidate();
}

TRect TCustomGrid::ClientRect() const
{
    return Rect(0, 0, std::max(Width() - (vertShown_ ? BarExtent : 0), 0),
                std::max(Height() - (horzShown_ ? BarExtent : 0), 0));
}

// Whether the rows (or columns) need scrolling when the other bar is shown or not.
bool TCustomGrid::scrollable(bool vertical) const
{
    if (vertical) {
        const bool allowed = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
        return allowed && rows_.MaxFirst(Height() - (horzShown_ ? BarExtent : 0)) > FixedRows();
    }
    const bool allowed = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    return allowed && cols_.MaxFirst(Width() - (vertShown_ ? BarExtent : 0)) > FixedCols();
}

void TCustomGrid::updateScrollBars()
{
    if (!vertBar_)
        return;
    const bool oldVert = vertShown_;
    const bool oldHorz = horzShown_;
    vertShown_ = horzShown_ = false;
    vertShown_ = scrollable(true);
    horzShown_ = scrollable(false);
    if (horzShown_ && !vertShown_)
        vertShown_ = scrollable(true);
    vertBar_->setGeometry(Width() - BarExtent, 0, BarExtent, std::max(Height() - (horzShown_ ? BarExtent : 0), 0));
    horzBar_->setGeometry(0, Height() - BarExtent, std::max(Width() - (vertShown_ ? BarExtent : 0), 0), BarExtent);
    vertBar_->setVisible(vertShown_);
    horzBar_->setVisible(horzShown_);
    const TGridCoord max = maxTopLeft();
    const QSignalBlocker blockVert(vertBar_);
    const QSignalBlocker blockHorz(horzBar_);
    if (vertShown_)
        vertBar_->setValue(MulDiv(TopRow() - FixedRows(), ScrollRange, max.Y - FixedRows()));
    if (horzShown_)
        horzBar_->setValue(MulDiv(LeftCol() - FixedCols(), ScrollRange, max.X - FixedCols()));
    if (oldVert != vertShown_ || oldHorz != horzShown_) {
        clampTopLeft();
        placeEditor();
        Invalidate();
    }
}

// A scroll bar action becomes a scroll message to the grid.
void TCustomGrid::scrollBarAction(QScrollBar* bar, int action)
{
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: code = SB_LINEDOWN; break;
    case QAbstractSlider::SliderSingleStepSub: code = SB_LINEUP; break;
    case QAbstractSlider::SliderPageStepAdd: code = SB_PAGEDOWN; break;
    case QAbstractSlider::SliderPageStepSub: code = SB_PAGEUP; break;
    case QAbstractSlider::SliderToMinimum: code = SB_TOP; break;
    case QAbstractSlider::SliderToMaximum: code = SB_BOTTOM; break;
    case QAbstractSlider::SliderMove: code = SB_THUMBTRACK; break;
    default: return;
    }
    const UINT msg = bar == vertBar_ ? WM_VSCROLL : WM_HSCROLL;
    const int dragged = bar->sliderPosition();
    Perform(msg, MAKEWPARAM(code, dragged), 0);
    if (code == SB_THUMBTRACK) {
        if (!(options_ & goThumbTracking))
            return;
    } else {
        Perform(msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    }
    updateScrollBars();
    bar->setSliderPosition(bar->value());
}

void TCustomGrid::scrollBarReleased(QScrollBar* bar)
{
    const UINT msg = bar == vertBar_ ? WM_VSCROLL : WM_HSCROLL;
    Perform(msg, MAKEWPARAM(SB_THUMBPOSITION, bar->sliderPosition()), 0);
    Perform(msg, MAKEWPARAM(SB_ENDSCROLL, 0), 0);
    updateScrollBars();
    bar->setSliderPosition(bar->value());
}

void TCustomGrid::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_VSCROLL || Message.Msg == WM_HSCROLL) {
        scrollMessage(Message.Msg == WM_VSCROLL, Message.WParamLo(), static_cast<std::int16_t>(Message.WParamHi()));
        Message.Result = 0;
        return;
    }
    TCustomControl::WndProc(Message);
}

// Scrolls by a scroll bar code; a thumb position Pos of 0 .. 127 maps onto the scrollable range.
void TCustomGrid::scrollMessage(bool vertical, int code, int pos)
{
    const int fixed = vertical ? FixedRows() : FixedCols();
    const int max = vertical ? maxTopLeft().Y : maxTopLeft().X;
    const int page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    int first = vertical ? TopRow() : LeftCol();
    switch (code) {
    case SB_LINEUP: --first; break;
    case SB_LINEDOWN: ++first; break;
    case SB_PAGEUP: first -= page; break;
    case SB_PAGEDOWN: first += page; break;
    case SB_THUMBTRACK:
        if (!(options_ & goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION: first = MulDiv(pos, max - fixed, ScrollRange) + fixed; break;
    case SB_TOP: first = fixed; break;
    case SB_BOTTOM: first = max; break;
    default: return;
    }
    setTopLeft(vertical ? TGridCoord{LeftCol(), first} : TGridCoord{first, TopRow()});
}
