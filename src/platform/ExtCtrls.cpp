#include "platform/ExtCtrls.h"
#include "platform/QtAccess.h"

#include "platform/NativeWidget.h"

#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

// ---------------------------------------------------------------------------------------------
// TPanel

void Frame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width)
{
    for (int i = 0; i < width && !r.IsEmpty(); ++i) {
        canvas.Brush().SetColor(topLeft);
        canvas.FillRect(Rect(r.Left, r.Top, r.Right - 1, r.Top + 1));
        canvas.FillRect(Rect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
        canvas.Brush().SetColor(bottomRight);
        canvas.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
        canvas.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom));
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

namespace {

void bevel(TCanvas& canvas, TRect& r, TBevelCut cut, TColor face, int width)
{
    switch (cut) {
    case bvLowered:
        Frame3D(canvas, r, clBtnShadow, clBtnHighlight, width);
        break;
    case bvRaised:
        Frame3D(canvas, r, clBtnHighlight, clBtnShadow, width);
        break;
    case bvSpace:
        Frame3D(canvas, r, face, face, width);
        break;
    case bvNone:
        break;
    }
}

}  // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls;
    SetBounds(0, 0, 185, 41);
}

void TPanel::AdjustClientRect(TRect& rect) const
{
    int inset = borderWidth_;
    if (bevelOuter_ != bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != bvNone)
        inset += bevelWidth_;
    rect = Rect(rect.Left + inset, rect.Top + inset, rect.Right - inset, rect.Bottom - inset);
}

void TPanel::Paint()
{
    TCanvas& c = Canvas();
    TRect r = ClientRect();
    bevel(c, r, bevelOuter_, Color(), bevelWidth_);
    Frame3D(c, r, Color(), Color(), borderWidth_);
    bevel(c, r, bevelInner_, Color(), bevelWidth_);
    c.Brush().SetColor(Color());
    c.FillRect(r);
    if (!showCaption_ || Caption().isEmpty())
        return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (alignment_ == taCenter)
        flags |= DT_CENTER;
    else if (alignment_ == taRightJustify)
        flags |= DT_RIGHT;
    c.SetBkMode(TRANSPARENT);
    c.DrawText(Caption(), r, flags);
}

void TPanel::changed()
{
    Realign();
    Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v)
{
    bevelOuter_ = v;
    changed();
}

void TPanel::SetBevelInner(TBevelCut v)
{
    bevelInner_ = v;
    changed();
}

void TPanel::SetBevelWidth(int v)
{
    bevelWidth_ = std::max(1, v);
    changed();
}

void TPanel::SetBorderWidth(int v)
{
    borderWidth_ = std::max(0, v);
    changed();
}

void TPanel::SetAlignment(TAlignment a)
{
    alignment_ = a;
    Invalidate();
}

void TPanel::SetShowCaption(bool v)
{
    showCaption_ = v;
    Invalidate();
}

// ---------------------------------------------------------------------------------------------
// TShape

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 65, 65);
    pen_.OnChange = [this](TObject*) { Invalidate(); };
    brush_.OnChange = [this](TObject*) { Invalidate(); };
}

void TShape::SetShape(TShapeType s)
{
    shape_ = s;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas& c = Canvas();
    c.Pen().Assign(pen_);
    c.Brush().Assign(brush_);
    // The outline lies inside the bounds, whatever the pen width.
    const int penWidth = pen_.Width();
    int x = penWidth / 2;
    int y = x;
    int w = Width() - penWidth + 1;
    int h = Height() - penWidth + 1;
    if (penWidth == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = h = s;
    }
    switch (shape_) {
    case stRectangle:
    case stSquare:
        c.Rectangle(x, y, x + w, y + h);
        break;
    case stRoundRect:
    case stRoundSquare:
        c.RoundRect(x, y, x + w, y + h, s / 4, s / 4);
        break;
    case stEllipse:
    case stCircle:
        c.Ellipse(x, y, x + w, y + h);
        break;
    }
}

// ---------------------------------------------------------------------------------------------
// TImage

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 105, 105);
}

void TImage::SetStretch(bool v)
{
    stretch_ = v;
    Invalidate();
}

void TImage::SetProportional(bool v)
{
    proportional_ = v;
    Invalidate();
}

void TImage::SetCenter(bool v)
{
    center_ = v;
    Invalidate();
}

TRect TImage::destRect() const
{
    int w = picture_.Width();
    int h = picture_.Height();
    const int cw = Width();
    const int ch = Height();
    if (stretch_ || (proportional_ && (w > cw || h > ch))) {
        if (proportional_ && w > 0 && h > 0) {
            // The largest size of the picture's shape that fits.
            if (static_cast<long long>(cw) * h <= static_cast<long long>(ch) * w) {
                h = static_cast<int>(static_cast<long long>(cw) * h / w);
                w = cw;
            } else {
                w = static_cast<int>(static_cast<long long>(ch) * w / h);
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    if (center_)
        return Bounds((cw - w) / 2, (ch - h) / 2, w, h);
    return Bounds(0, 0, w, h);
}

void TImage::Paint()
{
    const TGraphic* graphic = picture_.Graphic();
    if (!graphic || graphic->Empty())
        return;
    const TRect r = destRect();
    if (r.Width() == graphic->Width() && r.Height() == graphic->Height())
        Canvas().Draw(r.Left, r.Top, *graphic);
    else
        Canvas().StretchDraw(r, *graphic);
}

// ---------------------------------------------------------------------------------------------
// TSplitter

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner)
{
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
    SetParentColor(true);
}

TControl* TSplitter::sizedControl() const
{
    if (!Parent())
        return nullptr;
    const TRect me = BoundsRect();
    for (int i = 0; i < Parent()->ControlCount(); ++i) {
        TControl* c = Parent()->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align())
            continue;
        const TRect r = c->BoundsRect();
        const bool touches = (Align() == alLeft && r.Right == me.Left) || (Align() == alRight && r.Left == me.Right) ||
                             (Align() == alTop && r.Bottom == me.Top) || (Align() == alBottom && r.Top == me.Bottom);
        if (touches)
            return c;
    }
    return nullptr;
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft) {
        dragged_ = sizedControl();
        start_ = ClientToScreen({X, Y});
    }
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!dragged_)
        return;
    const TPoint p = ClientToScreen({X, Y});
    int delta = vertical() ? p.X - start_.X : p.Y - start_.Y;
    const bool grows = Align() == alLeft || Align() == alTop;
    const int size = vertical() ? dragged_->Width() : dragged_->Height();
    const int wanted = std::max(MinSize, size + (grows ? delta : -delta));
    delta = grows ? wanted - size : size - wanted;
    if (vertical()) {
        dragged_->SetWidth(wanted);
        start_.X += delta;
    } else {
        dragged_->SetHeight(wanted);
        start_.Y += delta;
    }
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (dragged_) {
        dragged_ = nullptr;
        if (OnMoved)
            OnMoved(this);
    }
}

void TSplitter::Paint()
{
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
}

// ---------------------------------------------------------------------------------------------
// TScrollBox

int TControlScrollBar::Position() const
{
    return bar_->value();
}

void TControlScrollBar::SetPosition(int v)
{
    bar_->setValue(v);
}

int TControlScrollBar::Range() const
{
    return bar_->maximum() + bar_->pageStep();
}

int TControlScrollBar::Increment() const
{
    return bar_->singleStep();
}

void TControlScrollBar::SetIncrement(int v)
{
    bar_->setSingleStep(v);
}

bool TControlScrollBar::Tracking() const
{
    return bar_->hasTracking();
}

void TControlScrollBar::SetTracking(bool v)
{
    bar_->setTracking(v);
}

void TControlScrollBar::SetVisible(bool v)
{
    visible_ = v;
    bar_->setVisible(v && bar_->maximum() > 0);
}

void TControlScrollBar::Scroll(UINT code, int thumbPosition)
{
    switch (code) {
    case SB_LINEUP:
        bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case SB_LINEDOWN:
        bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case SB_PAGEUP:
        bar_->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case SB_PAGEDOWN:
        bar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        bar_->setValue(thumbPosition);
        break;
    case SB_TOP:
        bar_->setValue(bar_->minimum());
        break;
    case SB_BOTTOM:
        bar_->setValue(bar_->maximum());
        break;
    default:
        break;
    }
}

TScrollBox::TScrollBox(TComponent* AOwner) : TWinControl(AOwner, new NativeWidget<QScrollArea>, false)
{
    ControlStyle |= csAcceptsControls;
    TabStop = false;
    Widget()->setFocusPolicy(Qt::NoFocus);
    content_ = new QWidget;
    area()->setWidget(content_);
    area()->setWidgetResizable(false);
    content_->setAutoFillBackground(true);
    WatchWidget(area()->viewport());
    WatchWidget(content_);
    vert_ = std::make_unique<TControlScrollBar>(area()->verticalScrollBar());
    horz_ = std::make_unique<TControlScrollBar>(area()->horizontalScrollBar());
    vert_->SetIncrement(8);
    horz_->SetIncrement(8);
    SetBounds(0, 0, 185, 41);
}

TScrollBox::~TScrollBox()
{
    Destroying();
}

QScrollArea* TScrollBox::area() const
{
    return static_cast<QScrollArea*>(Widget());
}

void TScrollBox::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_VSCROLL:
        vert_->Scroll(LOWORD(m.WParam), static_cast<std::int16_t>(HIWORD(m.WParam)));
        return;
    case WM_HSCROLL:
        horz_->Scroll(LOWORD(m.WParam), static_cast<std::int16_t>(HIWORD(m.WParam)));
        return;
    default:
        TWinControl::WndProc(m);
    }
}

namespace {

// The size the children take: to the right and bottom edges of the farthest.
TSize childExtent(const TWinControl& box)
{
    TSize extent;
    for (int i = 0; i < box.ControlCount(); ++i) {
        const TControl* c = box.Controls(i);
        if (!c->Visible() || c->Align() != alNone)
            continue;
        extent.cx = std::max(extent.cx, c->BoundsRect().Right);
        extent.cy = std::max(extent.cy, c->BoundsRect().Bottom);
    }
    return extent;
}

}  // namespace

TRect TScrollBox::ClientRect() const
{
    const QSize view = area()->maximumViewportSize();
    const TSize extent = childExtent(*this);
    const int barWidth = area()->verticalScrollBar()->sizeHint().width();
    const int barHeight = area()->horizontalScrollBar()->sizeHint().height();
    const bool needV = vert_ && vert_->Visible() && extent.cy > view.height();
    const bool needH = horz_ && horz_->Visible() && extent.cx > view.width() - (needV ? barWidth : 0);
    return Rect(0, 0, std::max(0, view.width() - (needV ? barWidth : 0)),
                std::max(0, view.height() - (needH ? barHeight : 0)));
}

void TScrollBox::AlignControls()
{
    TWinControl::AlignControls();
    updateRange();
}

void TScrollBox::updateRange()
{
    const TRect client = ClientRect();
    const TSize extent = childExtent(*this);
    const int w = std::max(client.Width(), extent.cx);
    const int h = std::max(client.Height(), extent.cy);
    content_->resize(w, h);
    QScrollBar* v = area()->verticalScrollBar();
    QScrollBar* hb = area()->horizontalScrollBar();
    v->setPageStep(std::max(1, client.Height()));
    v->setRange(0, std::max(0, h - client.Height()));
    hb->setPageStep(std::max(1, client.Width()));
    hb->setRange(0, std::max(0, w - client.Width()));
    area()->setVerticalScrollBarPolicy(vert_->Visible() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    area()->setHorizontalScrollBarPolicy(horz_->Visible() ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TScrollBox::ScrollInView(TControl* control)
{
    if (!control || !ContainsControl(control) || control == this)
        return;
    TPoint p{0, 0};
    for (const TControl* c = control; c && c != this; c = c->Parent())
        p = {p.X + c->Left(), p.Y + c->Top()};
    const TRect client = ClientRect();
    auto show = [](TControlScrollBar& bar, int from, int size, int view) {
        if (from < bar.Position())
            bar.SetPosition(from);
        else if (from + size > bar.Position() + view)
            bar.SetPosition(from + size - view);
    };
    show(*vert_, p.Y, control->Height(), client.Height());
    show(*horz_, p.X, control->Width(), client.Width());
}

// ---------------------------------------------------------------------------------------------
// TCategoryPanelGroup and TCategoryPanel

TCategoryPanelGroup::TCategoryPanelGroup(TComponent* AOwner) : TScrollBox(AOwner)
{
    HorzScrollBar().SetVisible(false);
    headerFont_.OnChange = [this](TObject*) {
        for (TCategoryPanel* p : panels())
            p->Invalidate();
    };
}

std::vector<TCategoryPanel*> TCategoryPanelGroup::panels() const
{
    std::vector<TCategoryPanel*> list;
    for (int i = 0; i < ControlCount(); ++i)
        if (auto* p = dynamic_cast<TCategoryPanel*>(Controls(i)))
            list.push_back(p);
    return list;
}

int TCategoryPanelGroup::PanelCount() const
{
    return static_cast<int>(panels().size());
}

TCategoryPanel* TCategoryPanelGroup::Panels(int index) const
{
    return panels().at(static_cast<std::size_t>(index));
}

void TCategoryPanelGroup::SetHeaderHeight(int v)
{
    headerHeight_ = std::max(0, v);
    for (TCategoryPanel* p : panels())
        p->SetCollapsed(p->Collapsed());  // takes the new header height
    Realign();
}

void TCategoryPanelGroup::CollapseAll()
{
    for (TCategoryPanel* p : panels())
        p->Collapse();
}

void TCategoryPanelGroup::ExpandAll()
{
    for (TCategoryPanel* p : panels())
        p->Expand();
}

void TCategoryPanelGroup::AlignControls()
{
    if (stacking_)
        return;  // a panel moved by the stacking below
    stacking_ = true;
    // The width first: it depends on whether the stack overflows the height.
    int total = 0;
    for (TCategoryPanel* p : panels())
        if (p->Visible())
            total += p->Height();
    const QSize view = area()->maximumViewportSize();
    const int width =
        total > view.height() ? view.width() - area()->verticalScrollBar()->sizeHint().width() : view.width();
    int top = 0;
    for (TCategoryPanel* p : panels()) {
        if (!p->Visible())
            continue;
        p->SetBounds(0, top, std::max(0, width), p->Height());
        top += p->Height();
    }
    stacking_ = false;
    TScrollBox::AlignControls();
}

TCategoryPanel::TCategoryPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    ControlStyle |= csAcceptsControls;
    SetParentColor(true);
    surface_ = new QWidget(Widget());
    surface_->setAutoFillBackground(true);
    WatchWidget(surface_);
    SetBounds(0, 0, 185, expandedHeight_);
}

TCategoryPanel::~TCategoryPanel()
{
    Destroying();
}

int TCategoryPanel::headerHeight() const
{
    const TCategoryPanelGroup* group = PanelGroup();
    return group ? group->HeaderHeight() : 24;
}

TRect TCategoryPanel::ClientRect() const
{
    return Rect(0, 0, Width(), std::max(0, Height() - headerHeight()));
}

void TCategoryPanel::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (collapsed_) {
        expandedHeight_ = AHeight == headerHeight() ? expandedHeight_ : AHeight;
        AHeight = headerHeight();
    } else {
        expandedHeight_ = AHeight;
    }
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCategoryPanel::Resize()
{
    surface_->setGeometry(0, headerHeight(), Width(), std::max(0, Height() - headerHeight()));
    TCustomControl::Resize();
}

void TCategoryPanel::SetCollapsed(bool v)
{
    const bool changed = v != collapsed_;
    collapsed_ = v;
    TCustomControl::SetBounds(Left(), Top(), Width(), v ? headerHeight() : expandedHeight_);
    surface_->setVisible(!v);
    Resize();
    Invalidate();
    if (!changed)
        return;
    if (v && OnCollapse)
        OnCollapse(this);
    if (!v && OnExpand)
        OnExpand(this);
}

void TCategoryPanel::WndProc(TMessage& m)
{
    TCustomControl::WndProc(m);
    if (m.Msg == WM_MOUSEMOVE || m.Msg == CM_MOUSELEAVE) {
        const bool hot = m.Msg == WM_MOUSEMOVE && GET_Y_LPARAM(m.LParam) < headerHeight();
        if (hot != hot_) {
            hot_ = hot;
            Invalidate();
        }
    }
    if (m.Msg == CM_COLORCHANGED) {
        QPalette pal = surface_->palette();
        pal.setColor(QPalette::Window, ColorToQColor(Color()));
        surface_->setPalette(pal);
    }
}

void TCategoryPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (Button == TMouseButton::mbLeft && Y >= 0 && Y < headerHeight() && X >= 0 && X < Width())
        SetCollapsed(!collapsed_);
}

void TCategoryPanel::Paint()
{
    TCanvas& c = Canvas();
    const TCategoryPanelGroup* group = PanelGroup();
    const int hh = headerHeight();
    const TRect header = Rect(0, 0, Width(), hh);
    if (group) {
        // The header shades from the base colour at the top to the gradient colour at the bottom.
        const TColor from = ColorToRGB(group->GradientBaseColor);
        const TColor to = ColorToRGB(group->GradientColor);
        auto mix = [](int a, int b, int y, int h) { return a + (b - a) * y / std::max(1, h - 1); };
        for (int y = 0; y < hh; ++y) {
            c.Brush().SetColor(RGB(mix(GetRValue(from), GetRValue(to), y, hh),
                                   mix(GetGValue(from), GetGValue(to), y, hh),
                                   mix(GetBValue(from), GetBValue(to), y, hh)));
            c.FillRect(Rect(0, y, Width(), y + 1));
        }
    } else {
        c.FillRect(header);
    }
    int textLeft = 4;
    const int image = collapsed_ ? CollapsedImageIndex : ExpandedImageIndex;
    if (group && group->Images && image >= 0 && image < group->Images->Count()) {
        group->Images->Draw(c, 4, (hh - group->Images->Height()) / 2, image);
        textLeft += group->Images->Width() + 4;
    }
    if (group)
        c.Font().Assign(group->HeaderFont());
    c.SetBkMode(TRANSPARENT);
    TRect text = Rect(textLeft, 0, Width() - hh, hh);
    c.DrawText(Caption(), text, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);

    // The chevron: two wedges pointing down while collapsed (it opens) and up while expanded.
    const TColor chevron = group ? (hot_ ? group->ChevronHotColor : group->ChevronColor) : clBlack;
    c.Pen().SetColor(chevron);
    const int cx = Width() - hh / 2;
    const int dir = collapsed_ ? 1 : -1;
    for (int row = 0; row < 2; ++row) {
        const int y = hh / 2 - 3 * dir + 4 * row * dir;
        c.Polyline({{cx - 4, y}, {cx, y + 4 * dir}, {cx + 5, y - dir}});
    }
}
