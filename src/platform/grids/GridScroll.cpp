// Scroll bars of TCustomGrid. The scrollable rows and columns map onto the positions of a bar's range,
// 0 to 127 unless a caller set another; a caller can also keep a bar shown or disable it.
#include "platform/Grids.h"
#include "platform/SystemMetrics.h"

#include <QRegion>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

namespace {
// The grid's own scroll range: the positions 0 to 127.
constexpr int ScrollRange = 127;
// The positions a scroll message carries in its 16 bits.
constexpr int MessagePosMin = -32768;
constexpr int MessagePosMax = 32767;

// a * b / c (c not 0) rounded to the nearest integer, halves away from zero.
long long MulDiv(long long a, long long b, long long c)
{
    return std::llround(static_cast<double>(a) * static_cast<double>(b) / static_cast<double>(c));
}

long long positionSpan(const QScrollBar* bar)
{
    return static_cast<long long>(bar->maximum()) - bar->minimum();
}

// Puts the bar's position where the first scrolled row (or column) stands among the scroll range
// (both counted from the first scrollable one).
void setPosition(QScrollBar* bar, int first, int last)
{
    const QSignalBlocker block(bar);
    const long long offset = last > 0 ? MulDiv(first, positionSpan(bar), last) : 0;
    bar->setValue(static_cast<int>(bar->minimum() + offset));
}
}  // namespace

void TCustomGrid::createScrollBars()
{
    vert_.bar = new QScrollBar(Qt::Vertical, Widget());
    horz_.bar = new QScrollBar(Qt::Horizontal, Widget());
    for (ScrollBar* b : {&vert_, &horz_}) {
        QScrollBar* bar = b->bar;
        b->max = ScrollRange;
        bar->setRange(0, ScrollRange);
        bar->setPageStep(1);
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
        QObject::connect(bar, &QScrollBar::actionTriggered, bar,
                         [this, bar](int action) { scrollBarAction(bar, action); });
        QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this, bar] { scrollBarReleased(bar); });
    }
}

QRegion TCustomGrid::withoutScrollBars() const
{
    QRegion region(Widget()->rect());
    for (const ScrollBar* b : {&vert_, &horz_})
        if (b->bar && !b->bar->isHidden())
            region -= b->bar->geometry();
    return region;
}

void TCustomGrid::Invalidate()
{
    Widget()->update(withoutScrollBars());
}

void TCustomGrid::Update()
{
    if (Widget()->isVisible())
        Widget()->repaint(withoutScrollBars());
}

TCustomGrid::ScrollBar* TCustomGrid::scrollBar(int bar)
{
    return bar == SB_VERT ? &vert_ : bar == SB_HORZ ? &horz_ : nullptr;
}

const TCustomGrid::ScrollBar* TCustomGrid::scrollBar(int bar) const
{
    return bar == SB_VERT ? &vert_ : bar == SB_HORZ ? &horz_ : nullptr;
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

int TCustomGrid::borderExtent() const
{
    if (borderStyle_ != bsSingle)
        return 0;
    return ctl3D_ ? 2 : 1;
}

int TCustomGrid::innerWidth() const
{
    return std::max(Width() - 2 * borderExtent(), 0);
}

int TCustomGrid::innerHeight() const
{
    return std::max(Height() - 2 * borderExtent(), 0);
}

TPoint TCustomGrid::ClientOffset() const
{
    return {borderExtent(), borderExtent()};
}

void TCustomGrid::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    updateScrollBars();
    clampTopLeft();
    Invalidate();
}

void TCustomGrid::SetCtl3D(bool value)
{
    if (value == ctl3D_)
        return;
    ctl3D_ = value;
    if (borderStyle_ == bsSingle) {
        updateScrollBars();
        clampTopLeft();
    }
    Invalidate();
}

TRect TCustomGrid::ClientRect() const
{
    const int vbar = vert_.shown ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    const int hbar = horz_.shown ? GetSystemMetrics(SM_CYHSCROLL) : 0;
    return Rect(0, 0, std::max(innerWidth() - vbar, 0), std::max(innerHeight() - hbar, 0));
}

// Whether the rows (or columns) need scrolling when the other bar is shown or not.
bool TCustomGrid::scrollable(bool vertical) const
{
    if (vertical) {
        const bool allowed = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
        return allowed &&
               rows_.MaxFirst(innerHeight() - (horz_.shown ? GetSystemMetrics(SM_CYHSCROLL) : 0)) > FixedRows();
    }
    const bool allowed = scrollBars_ == ssHorizontal || scrollBars_ == ssBoth;
    return allowed && cols_.MaxFirst(innerWidth() - (vert_.shown ? GetSystemMetrics(SM_CXVSCROLL) : 0)) > FixedCols();
}

void TCustomGrid::updateScrollBars()
{
    if (!vert_.bar)
        return;
    const bool oldVert = vert_.shown;
    const bool oldHorz = horz_.shown;
    vert_.shown = vert_.forced;
    horz_.shown = horz_.forced;
    vert_.shown = vert_.shown || scrollable(true);
    horz_.shown = horz_.shown || scrollable(false);
    if (horz_.shown && !vert_.shown)
        vert_.shown = scrollable(true);
    const int b = borderExtent();
    const int vbar = GetSystemMetrics(SM_CXVSCROLL);
    const int hbar = GetSystemMetrics(SM_CYHSCROLL);
    vert_.bar->setGeometry(b + innerWidth() - vbar, b, vbar, std::max(innerHeight() - (horz_.shown ? hbar : 0), 0));
    horz_.bar->setGeometry(b, b + innerHeight() - hbar, std::max(innerWidth() - (vert_.shown ? vbar : 0), 0), hbar);
    vert_.bar->setVisible(vert_.shown);
    horz_.bar->setVisible(horz_.shown);
    syncScrollPositions();
    if (oldVert != vert_.shown || oldHorz != horz_.shown) {
        clampTopLeft();
        placeEditor();
        Invalidate();
    }
}

void TCustomGrid::syncScrollPositions()
{
    const TGridCoord max = maxTopLeft();
    setPosition(vert_.bar, TopRow() - FixedRows(), max.Y - FixedRows());
    setPosition(horz_.bar, LeftCol() - FixedCols(), max.X - FixedCols());
}

bool TCustomGrid::GetScrollInfo(int Bar, TScrollInfo& Info) const
{
    const ScrollBar* b = scrollBar(Bar);
    if (!b || !(Info.fMask & SIF_ALL))
        return false;
    if (Info.fMask & SIF_RANGE) {
        Info.nMin = b->bar->minimum();
        Info.nMax = b->max;
    }
    if (Info.fMask & SIF_PAGE)
        Info.nPage = b->page;
    if (Info.fMask & SIF_POS)
        Info.nPos = b->bar->value();
    if (Info.fMask & SIF_TRACKPOS)
        Info.nTrackPos = b->bar->sliderPosition();
    return true;
}

// The bar repaints itself on every change, so Redraw has nothing to add.
int TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& Info, bool /*Redraw*/)
{
    ScrollBar* b = scrollBar(Bar);
    if (!b)
        return 0;
    QScrollBar* bar = b->bar;
    const QSignalBlocker block(bar);
    const int min = Info.fMask & SIF_RANGE ? Info.nMin : bar->minimum();
    if (Info.fMask & SIF_RANGE)
        b->max = std::max(Info.nMax, Info.nMin);
    const long long length = static_cast<long long>(b->max) - min + 1;
    if (Info.fMask & SIF_PAGE)
        b->page = static_cast<UINT>(std::min<long long>(Info.nPage, length));
    else
        b->page = static_cast<UINT>(std::min<long long>(b->page, length));
    if (Info.fMask & (SIF_RANGE | SIF_PAGE)) {
        const long long last = static_cast<long long>(b->max) - std::max<long long>(b->page, 1) + 1;
        bar->setRange(min, static_cast<int>(std::max<long long>(last, min)));
        bar->setPageStep(static_cast<int>(std::max<UINT>(b->page, 1)));
    }
    if (Info.fMask & SIF_POS)
        bar->setValue(Info.nPos);
    else if (Info.fMask & (SIF_RANGE | SIF_PAGE))
        syncScrollPositions();
    return bar->value();
}

bool TCustomGrid::ShowScrollBar(int Bar, bool Show)
{
    if (Bar != SB_HORZ && Bar != SB_VERT && Bar != SB_BOTH)
        return false;
    if (Bar != SB_HORZ)
        vert_.forced = Show;
    if (Bar != SB_VERT)
        horz_.forced = Show;
    updateScrollBars();
    return true;
}

bool TCustomGrid::EnableScrollBar(int Bar, UINT Arrows)
{
    if ((Bar != SB_HORZ && Bar != SB_VERT && Bar != SB_BOTH) ||
        (Arrows != ESB_ENABLE_BOTH && Arrows != ESB_DISABLE_BOTH))
        return false;
    const bool enable = Arrows == ESB_ENABLE_BOTH;
    bool changed = false;
    for (const int one : {SB_VERT, SB_HORZ}) {
        if ((Bar == SB_BOTH || Bar == one) && ScrollBarEnabled(one) != enable) {
            scrollBar(one)->bar->setEnabled(enable);
            changed = true;
        }
    }
    return changed;
}

bool TCustomGrid::ScrollBarShown(int Bar) const
{
    const ScrollBar* b = scrollBar(Bar);
    return b && b->shown;
}

bool TCustomGrid::ScrollBarEnabled(int Bar) const
{
    const ScrollBar* b = scrollBar(Bar);
    return b && b->bar->isEnabledTo(Widget());
}

// A scroll bar action becomes a scroll message to the grid.
void TCustomGrid::scrollBarAction(QScrollBar* bar, int action)
{
    int code = -1;
    switch (action) {
    case QAbstractSlider::SliderSingleStepAdd:
        code = SB_LINEDOWN;
        break;
    case QAbstractSlider::SliderSingleStepSub:
        code = SB_LINEUP;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = SB_PAGEDOWN;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = SB_PAGEUP;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = SB_TOP;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = SB_BOTTOM;
        break;
    case QAbstractSlider::SliderMove:
        code = SB_THUMBTRACK;
        break;
    default:
        return;
    }
    const UINT msg = bar == vert_.bar ? WM_VSCROLL : WM_HSCROLL;
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
    const UINT msg = bar == vert_.bar ? WM_VSCROLL : WM_HSCROLL;
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

// Scrolls by a scroll bar code; a thumb position maps from the bar's positions onto the scrollable range.
// Past the 16 bits of a message the position is the bar's track position.
void TCustomGrid::scrollMessage(bool vertical, int code, int pos)
{
    const int fixed = vertical ? FixedRows() : FixedCols();
    const int max = vertical ? maxTopLeft().Y : maxTopLeft().X;
    const int page = std::max(vertical ? VisibleRowCount() : VisibleColCount(), 1);
    const QScrollBar* bar = vertical ? vert_.bar : horz_.bar;
    int first = vertical ? TopRow() : LeftCol();
    switch (code) {
    case SB_LINEUP:
        --first;
        break;
    case SB_LINEDOWN:
        ++first;
        break;
    case SB_PAGEUP:
        first -= page;
        break;
    case SB_PAGEDOWN:
        first += page;
        break;
    case SB_THUMBTRACK:
        if (!(options_ & goThumbTracking))
            return;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        if (bar->minimum() < MessagePosMin || bar->maximum() > MessagePosMax)
            pos = bar->sliderPosition();
        const long long span = positionSpan(bar);
        first = span > 0 ? static_cast<int>(MulDiv(pos - bar->minimum(), max - fixed, span)) + fixed : fixed;
        break;
    }
    case SB_TOP:
        first = fixed;
        break;
    case SB_BOTTOM:
        first = max;
        break;
    default:
        return;
    }
    setTopLeft(vertical ? TGridCoord{LeftCol(), first} : TGridCoord{first, TopRow()});
}
