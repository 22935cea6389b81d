#include "platform/Controls.h"
#include "platform/QtAccess.h"

#include "platform/ControlBridge.h"
#include "platform/Forms.h"

#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>

TWinControl::TWinControl(TComponent* AOwner) : TWinControl(AOwner, new QWidget, true)
{}

TWinControl::TWinControl(TComponent* AOwner, QWidget* widget, bool paintsSelf) : TControl(AOwner, widget, paintsSelf)
{
    SetColor(clBtnFace);
    if (!paintsSelf) {
        // A Qt widget takes the focus on a click as the system's own controls do.
        widget->setFocusPolicy(Qt::StrongFocus);
        TabStop = true;
    }
}

void TWinControl::AttachChild(TControl* control)
{
    // A floating window stays a window of its own above its parent's.
    if (control->widget_->windowType() == Qt::ToolTip)
        control->widget_->setParent(ClientWidget(), control->widget_->windowFlags());
    else
        control->widget_->setParent(ClientWidget());
    control->applyGeometry();
    control->widget_->setVisible(control->visible_);
}

void TWinControl::NotifyParent(WORD code)
{
    const WPARAM w = MAKEWPARAM(0, code);
    const auto self = reinterpret_cast<LPARAM>(this);
    if (Parent())
        Parent()->Perform(WM_COMMAND, w, self);
    else
        Perform(CN_COMMAND, w, self);
}

TWinControl::~TWinControl()
{
    Destroying();
    timers_.clear();
    silenceWidget();
    // Child controls go with their parent.
    while (!controls_.empty())
        delete controls_.back();
}

void TWinControl::insertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* win = dynamic_cast<TWinControl*>(control))
        tabList_.push_back(win);
    AttachChild(control);
    if (control->parentFont_)
        control->adoptParentFont();
    if (control->parentColor_)
        control->adoptParentColor();
    AlignControls();
}

void TWinControl::removeControl(TControl* control)
{
    if (auto* form = GetParentForm(this))
        form->controlRemoved(control);
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
    if (!(ComponentState() & csDestroying)) {
        control->widget_->setParent(nullptr);
        AlignControls();
    }
}

bool TWinControl::ContainsControl(const TControl* control) const
{
    for (const TControl* c = control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint p, bool allowDisabled) const
{
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (c->Visible() && (allowDisabled || c->Enabled()) && c->BoundsRect().Contains(p))
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& message)
{
    const std::vector<TControl*> children = controls_;
    for (TControl* c : children) {
        c->Perform(message);
        if (message.Result != 0)
            return;
    }
}

int TWinControl::TabOrder() const
{
    const TWinControl* p = Parent();
    if (!p)
        return -1;
    auto it = std::find(p->tabList_.begin(), p->tabList_.end(), this);
    return static_cast<int>(it - p->tabList_.begin());
}

void TWinControl::SetTabOrder(int order)
{
    TWinControl* p = Parent();
    if (!p)
        return;
    auto& list = p->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

std::vector<TWinControl*> TWinControl::GetTabOrderList() const
{
    std::vector<TWinControl*> out;
    for (TWinControl* c : tabList_) {
        out.push_back(c);
        const auto inner = c->GetTabOrderList();
        out.insert(out.end(), inner.begin(), inner.end());
    }
    return out;
}

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this) {
        form->SetActiveControl(this);
        return;
    }
    Widget()->setFocus(Qt::OtherFocusReason);
    // A form takes the focus itself: none of its controls keeps it.
    if (form)
        form->focusChanged(nullptr);
}

bool TWinControl::Focused() const
{
    if (TCustomForm* form = GetParentForm(this); form && form != this)
        return form->focusedControl() == this && form->Visible();
    return Widget()->hasFocus();
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    // With tab stops checked any control inside qualifies; otherwise only this control's own children.
    const auto list = GetTabOrderList();
    const int n = static_cast<int>(list.size());
    if (n == 0)
        return;
    int start = static_cast<int>(std::find(list.begin(), list.end(), current) - list.begin());
    if (start == n)
        start = forward ? n - 1 : 0;
    for (int step = 1; step <= n; ++step) {
        TWinControl* c = list[static_cast<std::size_t>(((forward ? start + step : start - step) % n + n) % n)];
        if (c == current)
            return;
        if ((!checkTabStop || c->TabStop) && (checkTabStop || c->Parent() == this) && c->CanFocus()) {
            c->SetFocus();
            return;
        }
    }
}

void TWinControl::EnableAlign()
{
    if (alignDisabled_ > 0 && --alignDisabled_ == 0)
        AlignControls();
}

void TWinControl::AlignControls()
{
    if (alignDisabled_ > 0)
        return;
    ++alignDisabled_;
    TRect area = ClientRect();
    AdjustClientRect(area);
    auto aligned = [this](TAlign a) {
        std::vector<TControl*> list;
        for (TControl* c : controls_)
            if (c->Align() == a && c->Visible())
                list.push_back(c);
        std::stable_sort(list.begin(), list.end(), [a](const TControl* x, const TControl* y) {
            switch (a) {
            case alTop:
                return x->Top() < y->Top();
            case alBottom:
                return x->BoundsRect().Bottom > y->BoundsRect().Bottom;
            case alLeft:
                return x->Left() < y->Left();
            case alRight:
                return x->BoundsRect().Right > y->BoundsRect().Right;
            default:
                return false;
            }
        });
        return list;
    };
    for (TControl* c : aligned(alTop)) {
        c->SetBounds(area.Left, area.Top, area.Width(), c->Height());
        area.Top += c->Height();
    }
    for (TControl* c : aligned(alBottom)) {
        c->SetBounds(area.Left, area.Bottom - c->Height(), area.Width(), c->Height());
        area.Bottom -= c->Height();
    }
    for (TControl* c : aligned(alLeft)) {
        c->SetBounds(area.Left, area.Top, c->Width(), area.Height());
        area.Left += c->Width();
    }
    for (TControl* c : aligned(alRight)) {
        c->SetBounds(area.Right - c->Width(), area.Top, c->Width(), area.Height());
        area.Right -= c->Width();
    }
    for (TControl* c : aligned(alClient))
        c->SetBounds(area.Left, area.Top, area.Width(), area.Height());
    --alignDisabled_;
}

void TWinControl::anchorChildren(int oldWidth, int oldHeight)
{
    const int dx = Width() - oldWidth;
    const int dy = Height() - oldHeight;
    for (TControl* c : controls_) {
        if (c->Align() != alNone)
            continue;
        TRect r = c->BoundsRect();
        if (c->Anchors & akRight) {
            if (!(c->Anchors & akLeft))
                r.Left += dx;
            r.Right += dx;
        }
        if (c->Anchors & akBottom) {
            if (!(c->Anchors & akTop))
                r.Top += dy;
            r.Bottom += dy;
        }
        if (!(r == c->BoundsRect()))
            c->SetBoundsRect(r);
    }
}

void TWinControl::SetTimer(UINT_PTR id, UINT intervalMs)
{
    auto& timer = timers_[id];
    if (!timer) {
        timer = std::make_unique<QTimer>();
        QObject::connect(timer.get(), &QTimer::timeout,
                         [this, id] { ControlBridge::guarded([this, id] { Perform(WM_TIMER, id, 0); }); });
    }
    timer->start(static_cast<int>(intervalMs));
}

bool TWinControl::KillTimer(UINT_PTR id)
{
    return timers_.erase(id) != 0;
}

void TWinControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case CN_KEYDOWN: {
        UINT mask = 0;
        switch (m.WParam) {
        case VK_TAB:
            mask = DLGC_WANTTAB;
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            mask = DLGC_WANTARROWS;
            break;
        case VK_RETURN:
        case VK_EXECUTE:
        case VK_ESCAPE:
        case VK_CANCEL:
            mask = DLGC_WANTALLKEYS;
            break;
        default:
            break;
        }
        if (Perform(CM_CHILDKEY, m.WParam, 0) != 0) {
            m.Result = 1;
            return;
        }
        TCustomForm* form = GetParentForm(this);
        if (mask != 0 && form && Perform(CM_WANTSPECIALKEY, m.WParam, 0) == 0 &&
            (static_cast<UINT>(Perform(WM_GETDLGCODE)) & mask) == 0 &&
            form->Perform(CM_DIALOGKEY, m.WParam, m.LParam) != 0)
            m.Result = 1;
        return;
    }
    case CN_CHAR: {
        TCustomForm* form = GetParentForm(this);
        const bool sys = static_cast<DWORD>(m.LParam) & (static_cast<DWORD>(KF_ALTDOWN) << 16);
        if (form && (sys || (static_cast<UINT>(Perform(WM_GETDLGCODE)) & DLGC_WANTCHARS) == 0) &&
            form->Perform(CM_DIALOGCHAR, m.WParam, m.LParam) != 0)
            m.Result = 1;
        return;
    }
    case CM_CHILDKEY:
        if (Parent())
            Parent()->Perform(m);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_KEYUP:
    case WM_SYSKEYUP:
        keyMessage(m);
        return;
    case WM_GETDLGCODE:
        m.Result = DlgCode;
        return;
    case WM_SETREDRAW:
        Widget()->setUpdatesEnabled(m.WParam != 0);
        return;
    case WM_COMMAND:
        if (auto* source = reinterpret_cast<TWinControl*>(m.LParam); source && source != this)
            m.Result = source->Perform(CN_COMMAND, m.WParam, m.LParam);
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
    case CM_FOCUSCHANGED:
        Broadcast(m);
        return;
    case WM_ERASEBKGND:
        if (QPainter* painter = ActivePainter(); painter && !(ControlStyle & csOpaque))
            painter->fillRect(QRect(0, 0, Width(), Height()), ColorToQColor(Color()));
        m.Result = 1;
        return;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    default:
        TControl::WndProc(m);
    }
}

namespace {

// Runs a key handler on the form first when it previews keys, then on the control unless the form
// cleared the key; the key is written back into the message. True when the key was cleared.
template <typename Key, typename Call>
bool previewThenSelf(TWinControl* self, TCustomForm* form, TMessage& m, Call call)
{
    Key key = static_cast<Key>(m.WParam);
    if (form && form != self && form->KeyPreview) {
        call(form, key);
        m.WParam = key;
        if (key == 0)
            return true;
    }
    call(self, key);
    m.WParam = key;
    return key == 0;
}

}  // namespace

void TWinControl::keyMessage(TMessage& m)
{
    const TShiftState shift = KeyDataToShiftState(m.LParam);
    TCustomForm* form = GetParentForm(this);
    bool handled = false;
    switch (m.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        handled = previewThenSelf<WORD>(this, form, m, [shift](TWinControl* t, WORD& k) { t->KeyDown(k, shift); });
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
        handled = previewThenSelf<char16_t>(this, form, m, [](TWinControl* t, char16_t& k) { t->KeyPress(k); });
        break;
    default:
        handled = previewThenSelf<WORD>(this, form, m, [shift](TWinControl* t, WORD& k) { t->KeyUp(k, shift); });
        break;
    }
    if (handled)
        m.Result = 1;
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift)
{
    if (OnKeyDown)
        OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyPress(char16_t& Key)
{
    if (OnKeyPress)
        OnKeyPress(this, Key);
}

void TWinControl::KeyUp(WORD& Key, TShiftState Shift)
{
    if (OnKeyUp)
        OnKeyUp(this, Key, Shift);
}

void TWinControl::DoEnter()
{
    if (OnEnter)
        OnEnter(this);
}

void TWinControl::DoExit()
{
    if (OnExit)
        OnExit(this);
}
