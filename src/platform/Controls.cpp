#include "platform/Controls.h"
#include "platform/QtAccess.h"

#include "platform/ControlBridge.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QWidget>
#include <map>
#include <unordered_map>

namespace {

std::unordered_map<const QWidget*, TControl*>& widgetControls()
{
    static std::unordered_map<const QWidget*, TControl*> map;
    return map;
}

TControl* captureControl = nullptr;

std::map<int, TWindowPosHook>& windowPosHooks()
{
    static std::map<int, TWindowPosHook> hooks;
    return hooks;
}

}  // namespace

TShiftState MouseKeysToShiftState(WPARAM keys)
{
    TShiftState s = 0;
    if (keys & MK_SHIFT)
        s |= ssShift;
    if (keys & MK_CONTROL)
        s |= ssCtrl;
    if (keys & MK_LBUTTON)
        s |= ssLeft;
    if (keys & MK_RBUTTON)
        s |= ssRight;
    if (keys & MK_MBUTTON)
        s |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        s |= ssAlt;
    return s;
}

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState s = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        s |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s |= ssCtrl;
    if (static_cast<DWORD>(keyData) & (static_cast<DWORD>(KF_ALTDOWN) << 16))
        s |= ssAlt;
    return s;
}

TShiftState KeyboardStateToShiftState()
{
    TShiftState s = 0;
    const std::pair<int, TShiftFlag> keys[] = {{VK_SHIFT, ssShift},  {VK_CONTROL, ssCtrl},  {VK_MENU, ssAlt},
                                               {VK_LBUTTON, ssLeft}, {VK_RBUTTON, ssRight}, {VK_MBUTTON, ssMiddle}};
    for (auto [vk, flag] : keys)
        if (GetKeyState(vk) < 0)
            s |= flag;
    return s;
}

QString GetShortHint(const QString& hint)
{
    const qsizetype bar = hint.indexOf(u'|');
    return bar < 0 ? hint : hint.left(bar);
}

TControl::TControl(TComponent* AOwner) : TControl(AOwner, new QWidget, true)
{}

TControl::TControl(TComponent* AOwner, QWidget* widget, bool paintsSelf)
    : TComponent(AOwner), widget_(widget), paintsSelf_(paintsSelf)
{
    init();
}

void TControl::init()
{
    widgetControls()[widget_.get()] = this;
    widget_->setMouseTracking(true);
    widget_->setFocusPolicy(Qt::NoFocus);
    bridge_ = std::make_unique<ControlBridge>(this);
    bridge_->watch(widget_.get());
    font_.OnChange = [this](TObject*) {
        if (!fontFromParent_)
            parentFont_ = false;
        FontChanged();
    };
    // The widget takes the font once it is polished, before it shows or measures itself: most controls
    // take their parent's font first, and one on a hidden page may never need it.
    widgetFontPending_ = true;
}

TControl::~TControl()
{
    Destroying();
    if (captureControl == this)
        SetCaptureControl(nullptr);
    if (parent_)
        parent_->removeControl(this);
    bridge_.reset();
    silenceWidget();
    widgetControls().erase(widget_.get());
    widget_.reset();
}

void TControl::silenceWidget()
{
    // The widget's and its parts' signals would reach handlers of a control that is mostly gone.
    widget_->blockSignals(true);
    for (QObject* part : widget_->findChildren<QObject*>())
        part->blockSignals(true);
}

void TControl::WatchWidget(QWidget* widget)
{
    bridge_->watch(widget);
}

TControl* TControl::FromWidget(const QWidget* widget)
{
    auto it = widgetControls().find(widget);
    return it == widgetControls().end() ? nullptr : it->second;
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    Perform(m);
    return m.Result;
}

void TControl::Perform(TMessage& message)
{
    WndProc(message);
}

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
        mouseReachedBase_ = true;
        mouseButtonMessage(m);
        break;
    case WM_MOUSEMOVE:
        MouseMove(MouseKeysToShiftState(m.WParam), GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        break;
    case WM_MOUSEWHEEL:
        handleWheel(m);
        break;
    case CM_MOUSEENTER:
        if (OnMouseEnter)
            OnMouseEnter(this);
        break;
    case CM_MOUSELEAVE:
        if (OnMouseLeave)
            OnMouseLeave(this);
        break;
    case WM_PAINT:
        if (activePainter_ && paintsSelf_)
            PaintWindow(*activePainter_);
        break;
    case CM_PARENTFONTCHANGED:
        if (parentFont_)
            adoptParentFont();
        break;
    case CM_PARENTCOLORCHANGED:
        if (parentColor_)
            adoptParentColor();
        break;
    default:
        break;
    }
}

void TControl::mouseButtonMessage(TMessage& m)
{
    const int x = GET_X_LPARAM(m.LParam);
    const int y = GET_Y_LPARAM(m.LParam);
    TShiftState shift = MouseKeysToShiftState(m.WParam);
    TMouseButton button = TMouseButton::mbLeft;
    if (m.Msg >= WM_RBUTTONDOWN && m.Msg <= WM_RBUTTONDBLCLK)
        button = TMouseButton::mbRight;
    else if (m.Msg >= WM_MBUTTONDOWN)
        button = TMouseButton::mbMiddle;
    const UINT kind = (m.Msg - WM_LBUTTONDOWN) % 3;  // 0 down, 1 up, 2 double click
    if (kind == 1) {
        if (button == TMouseButton::mbLeft) {
            if ((ControlStyle & csCaptureMouse) && captureControl == this)
                SetMouseCapture(false);
            const bool clicked = ControlState & csClicked;
            ControlState &= ~(csClicked | csLButtonDown);
            if (clicked && ClientRect().Contains({x, y}))
                Click();
        }
        MouseUp(button, shift, x, y);
        return;
    }
    if (kind == 2) {
        shift |= ssDouble;
        // A control that raises its own clicks raises its own double clicks too.
        if (button == TMouseButton::mbLeft && (ControlStyle & csClickEvents))
            DblClick();
    }
    if (button == TMouseButton::mbLeft) {
        ControlState |= csLButtonDown;
        if (ControlStyle & csClickEvents)
            ControlState |= csClicked;
        if (ControlStyle & csCaptureMouse)
            SetMouseCapture(true);
    }
    MouseDown(button, shift, x, y);
}

void TControl::handleWheel(TMessage& m)
{
    const TShiftState shift = MouseKeysToShiftState(LOWORD(m.WParam));
    const TPoint pos{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(m.WParam), pos))
        m.Result = 1;
    else if (parent_)
        parent_->Perform(m);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheel)
        OnMouseWheel(this, Shift, WheelDelta, MousePos, handled);
    if (!handled && WheelDelta != 0)
        handled = WheelDelta < 0 ? DoMouseWheelDown(Shift, MousePos) : DoMouseWheelUp(Shift, MousePos);
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelDown)
        OnMouseWheelDown(this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    if (OnMouseWheelUp)
        OnMouseWheelUp(this, Shift, MousePos, handled);
    return handled;
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    if (OnMouseMove)
        OnMouseMove(this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseUp)
        OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::Click()
{
    if (OnClick)
        OnClick(this);
    else if (TBasicAction* action = Action())
        action->Execute();
}

void TControl::DblClick()
{
    if (OnDblClick)
        OnDblClick(this);
}

void TControl::Resize()
{
    if (OnResize)
        OnResize(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    if (parent == this)
        return;
    if (parent_)
        parent_->removeControl(this);
    if (parent)
        parent->insertControl(this);
    auto* win = dynamic_cast<TWinControl*>(this);
    if (parent && win && !win->windowCreated_) {
        win->windowCreated_ = true;
        win->CreateWnd();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const TRect r = Bounds(ALeft, ATop, std::max(0, AWidth), std::max(0, AHeight));
    if (r == bounds_)
        return;
    const bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
    const int oldWidth = Width();
    const int oldHeight = Height();
    bounds_ = r;
    applyGeometry();
    // A hook may add or remove hooks: it runs on a copy.
    if (!windowPosHooks().empty()) {
        const std::map<int, TWindowPosHook> hooks = windowPosHooks();
        for (const auto& [handle, hook] : hooks)
            hook(*this);
    }
    if (resized) {
        Perform(WM_SIZE, 0, MAKELPARAM(ClientWidth(), ClientHeight()));
        if (auto* win = dynamic_cast<TWinControl*>(this)) {
            win->anchorChildren(oldWidth, oldHeight);
            win->AlignControls();
        }
        Resize();
    }
    if (parent_)
        parent_->AlignControls();
}

void TControl::applyGeometry()
{
    const TPoint origin = parent_ ? parent_->ClientOffset() : TPoint{};
    widget_->setGeometry(bounds_.Left + origin.X, bounds_.Top + origin.Y, Width(), Height());
}

void TControl::SetClientWidth(int v)
{
    SetWidth(Width() - ClientWidth() + v);
}

void TControl::SetClientHeight(int v)
{
    SetHeight(Height() - ClientHeight() + v);
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    const TPoint origin = ClientOffset();
    const QPoint g = widget_->mapToGlobal(QPoint(p.X + origin.X, p.Y + origin.Y));
    return {g.x(), g.y()};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    const TPoint origin = ClientOffset();
    const QPoint l = widget_->mapFromGlobal(QPoint(p.X, p.Y));
    return {l.x() - origin.X, l.y() - origin.Y};
}

void TControl::SetVisible(bool v)
{
    if (v != visible_)
        ApplyVisible(v);
}

void TControl::ApplyVisible(bool v)
{
    visible_ = v;
    widget_->setVisible(v);
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    if (parent_ && align_ != alNone)
        parent_->AlignControls();
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return widget_->window()->isVisible();
}

void TControl::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    widget_->setEnabled(v);
    Perform(CM_ENABLEDCHANGED);
    Invalidate();
}

void TControl::SetAlign(TAlign a)
{
    if (a == align_)
        return;
    align_ = a;
    if (parent_)
        parent_->AlignControls();
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v)
        adoptParentFont();
}

void TControl::adoptParentFont()
{
    if (!parent_)
        return;
    fontFromParent_ = true;
    font_.Assign(parent_->Font());
    fontFromParent_ = false;
    parentFont_ = true;
}

void TControl::applyFontColor()
{
    // The widget's text roles are set only here: given once, they stay until the colour changes.
    if (widgetFontColor_ == font_.Color())
        return;
    widgetFontColor_ = font_.Color();
    // A disabled control writes its text in the grey of disabled text, whatever its font's colour.
    QPalette pal = widget_->palette();
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        pal.setColor(QPalette::Active, role, ColorToQColor(font_.Color()));
        pal.setColor(QPalette::Inactive, role, ColorToQColor(font_.Color()));
        pal.setColor(QPalette::Disabled, role, ColorToQColor(clGrayText));
    }
    widget_->setPalette(pal);
}

void TControl::ensureWidgetFont()
{
    if (!widgetFontPending_)
        return;
    widgetFontPending_ = false;
    const QFont font = QtAccess::Font(font_);
    // A change of colour only leaves the widget's own font as it is.
    if (!widget_->testAttribute(Qt::WA_SetFont) || widget_->font() != font)
        widget_->setFont(font);
    applyFontColor();
}

void TControl::FontChanged()
{
    widgetFontPending_ = true;
    if (widget_->testAttribute(Qt::WA_WState_Polished))
        ensureWidgetFont();
    Perform(CM_FONTCHANGED);
    if (auto* win = dynamic_cast<TWinControl*>(this)) {
        TMessage m{CM_PARENTFONTCHANGED, 0, 0, 0};
        for (TControl* c : win->controls_)
            c->Perform(m);
    }
    Invalidate();
}

void TControl::SetColor(TColor c)
{
    parentColor_ = false;
    if (c == color_)
        return;
    color_ = c;
    ColorChanged();
}

void TControl::SetParentColor(bool v)
{
    parentColor_ = v;
    if (v)
        adoptParentColor();
}

void TControl::adoptParentColor()
{
    if (!parent_ || parent_->Color() == color_)
        return;
    color_ = parent_->Color();
    ColorChanged();
}

void TControl::ColorChanged()
{
    if (!paintsSelf_) {
        QPalette pal = widget_->palette();
        pal.setColor(QPalette::Base, ColorToQColor(color_));
        pal.setColor(QPalette::Window, ColorToQColor(color_));
        widget_->setPalette(pal);
    }
    Perform(CM_COLORCHANGED);
    if (auto* win = dynamic_cast<TWinControl*>(this)) {
        TMessage m{CM_PARENTCOLORCHANGED, 0, 0, 0};
        for (TControl* c : win->controls_)
            c->Perform(m);
    }
    Invalidate();
}

void TControl::SetText(const QString& text)
{
    if (text == GetText())
        return;
    SetTextValue(text);
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void TControl::SetCursor(TCursor c)
{
    if (c == cursor_)
        return;
    cursor_ = c;
    ControlBridge::applyCursor(widget_.get(), c);
    Perform(CM_CURSORCHANGED);
}

bool TControl::MouseCapture() const
{
    return captureControl == this;
}

void TControl::SetMouseCapture(bool v)
{
    if (v)
        SetCaptureControl(this);
    else if (captureControl == this)
        SetCaptureControl(nullptr);
}

TControl* GetCaptureControl()
{
    return captureControl;
}

void SetCaptureControl(TControl* control)
{
    if (control == captureControl)
        return;
    TControl* old = captureControl;
    captureControl = control;
    if (old) {
        if (QtAccess::Widget(*old)->isVisible())
            QtAccess::Widget(*old)->releaseMouse();
        old->Perform(WM_CAPTURECHANGED);
    }
    if (control && QtAccess::Widget(*control)->isVisible())
        QtAccess::Widget(*control)->grabMouse();
}

void TControl::Invalidate()
{
    widget_->update();
}

void TControl::InvalidateRect(const TRect& r)
{
    const TPoint origin = ClientOffset();
    widget_->update(QRect(r.Left + origin.X, r.Top + origin.Y, r.Width(), r.Height()));
}

void TControl::Update()
{
    if (widget_->isVisible())
        widget_->repaint();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    widget_->raise();
}

void TControl::SendToBack()
{
    widget_->lower();
}

void TControl::PaintWindow(QPainter& painter)
{
    (void)painter;
}

void TControl::paintFromWidget(QPainter& painter)
{
    activePainter_ = &painter;
    struct Reset {
        QPainter*& p;
        ~Reset() { p = nullptr; }
    } reset{activePainter_};
    Perform(WM_ERASEBKGND);
    Perform(WM_PAINT);
}

TCustomForm* GetParentForm(const TControl* control)
{
    const TControl* top = control;
    while (top && top->Parent())
        top = top->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(top));
}

int AddWindowPosHook(TWindowPosHook Hook)
{
    static int lastHandle = 0;
    windowPosHooks().emplace(++lastHandle, std::move(Hook));
    return lastHandle;
}

void RemoveWindowPosHook(int Handle)
{
    windowPosHooks().erase(Handle);
}
