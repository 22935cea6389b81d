#include "platform/Forms.h"

#include "platform/ControlBridge.h"
#include "platform/Dialogs.h"
#include "platform/SysUtils.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWidget>

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner, new QWidget(nullptr, Qt::Window), true)
{
    visible_ = false;
    SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (OnDestroy)
        ControlBridge::guarded([this] { OnDestroy(this); });
    if (quitLoop_)
        quitLoop_();
}

void TCustomForm::DoCreate()
{
    if (OnCreate)
        ControlBridge::guarded([this] { OnCreate(this); });
}

QString TCustomForm::GetText() const
{
    return Widget()->windowTitle();
}

void TCustomForm::SetTextValue(const QString& text)
{
    Widget()->setWindowTitle(text);
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (Widget()->minimumSize() == Widget()->maximumSize())
        Widget()->setFixedSize(std::max(0, AWidth), std::max(0, AHeight));
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle style)
{
    borderStyle_ = style;
    applyBorder();
}

void TCustomForm::applyBorder()
{
    QWidget* w = Widget();
    Qt::WindowFlags flags = Qt::Window;
    switch (borderStyle_) {
    case bsNone:
        flags |= Qt::FramelessWindowHint;
        break;
    case bsDialog:
        flags = Qt::Dialog;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        flags = Qt::Tool;
        break;
    default:
        break;
    }
    if (PopupMode)
        flags = Qt::Popup | Qt::FramelessWindowHint;
    if (w->windowFlags() != flags && !w->isVisible())
        w->setWindowFlags(flags);
    if (borderStyle_ == bsSizeable || borderStyle_ == bsSizeToolWin) {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        w->setFixedSize(Width(), Height());
    }
}

void TCustomForm::placeOnScreen()
{
    const TCustomForm* around = nullptr;
    switch (Position) {
    case poMainFormCenter:
        around = Application->MainForm();
        break;
    case poOwnerFormCenter:
        around = dynamic_cast<TCustomForm*>(Owner());
        break;
    case poScreenCenter:
    case poDesktopCenter:
        break;
    default:
        return;
    }
    QRect area;
    if (around && around != this && around->Visible()) {
        area = QRect(around->Left(), around->Top(), around->Width(), around->Height());
    } else {
        QScreen* screen = Widget()->screen() ? Widget()->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        area = screen->availableGeometry();
    }
    SetBounds(area.x() + (area.width() - Width()) / 2, area.y() + (area.height() - Height()) / 2, Width(), Height());
}

void TCustomForm::ApplyVisible(bool visible)
{
    if (!visible) {
        TWinControl::ApplyVisible(false);
        DoHide();
        return;
    }
    DoShow();
    applyBorder();
    placeOnScreen();
    TWinControl::ApplyVisible(true);
    QWidget* w = Widget();
    if (PopupMode)
        return;
    w->raise();
    w->activateWindow();
    QApplication::setActiveWindow(w);
    focusFirst();
}

void TCustomForm::DoShow()
{
    if (OnShow)
        ControlBridge::guarded([this] { OnShow(this); });
}

void TCustomForm::DoHide()
{
    if (OnHide)
        ControlBridge::guarded([this] { OnHide(this); });
}

void TCustomForm::focusFirst()
{
    TWinControl* target = activeControl_ && activeControl_->CanFocus() ? activeControl_ : nullptr;
    if (!target)
        for (TWinControl* c : GetTabOrderList())
            if (c->TabStop && c->CanFocus()) {
                target = c;
                break;
            }
    if (target)
        SetActiveControl(target);
}

void TCustomForm::SetActiveControl(TWinControl* control)
{
    activeControl_ = control;
    if (!control || !Visible())
        return;
    control->Widget()->setFocus(Qt::OtherFocusReason);
    // Without an active window Qt gives no focus event; the form keeps its own account.
    if (focusedControl_ != control)
        focusChanged(control);
}

void TCustomForm::focusChanged(TWinControl* control)
{
    if (control == focusedControl_)
        return;
    TWinControl* old = focusedControl_;
    focusedControl_ = control;
    activeControl_ = control;
    if (old)
        old->Perform(CM_EXIT);
    if (control && focusedControl_ == control)
        control->Perform(CM_ENTER);
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(control));
}

void TCustomForm::controlRemoved(TControl* control)
{
    auto inside = [control](const TControl* c) {
        for (; c; c = c->Parent())
            if (c == control)
                return true;
        return false;
    };
    if (inside(activeControl_))
        activeControl_ = nullptr;
    if (inside(focusedControl_))
        focusedControl_ = nullptr;
}

void TCustomForm::WndProc(TMessage& m)
{
    if (m.Msg == CM_DIALOGKEY) {
        const TShiftState shift = KeyDataToShiftState(m.LParam);
        if (!(shift & ssAlt)) {
            switch (m.WParam) {
            case VK_TAB:
                if (!(shift & ssCtrl)) {
                    SelectNext(activeControl_, !(shift & ssShift), true);
                    m.Result = 1;
                    return;
                }
                break;
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN:
                if (activeControl_ && activeControl_->Parent()) {
                    activeControl_->Parent()->SelectNext(activeControl_, m.WParam == VK_RIGHT || m.WParam == VK_DOWN,
                                                         false);
                    m.Result = 1;
                }
                return;
            default:
                break;
            }
        }
    }
    TWinControl::WndProc(m);
}

void TCustomForm::SetModalResult(TModalResult result)
{
    modalResult_ = result;
    if (result != mrNone && quitLoop_)
        quitLoop_();
}

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

TCloseAction TCustomForm::askClose()
{
    TCloseAction action = CloseQuery() ? caHide : caNone;
    if (action != caNone && OnClose)
        OnClose(this, action);
    return action;
}

bool TCustomForm::closeModal()
{
    const TCloseAction action = askClose();
    if (action == caFree)
        Release();
    return action != caNone;
}

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || modal_)
        throw Exception(QStringLiteral("Cannot make a visible window modal"));
    modal_ = true;
    modalResult_ = mrNone;
    const QPointer<QWidget> alive(Widget());
    struct ModalEnd {
        TCustomForm* form;
        const QPointer<QWidget>& alive;
        ~ModalEnd()
        {
            if (!alive)
                return;
            form->quitLoop_ = nullptr;
            form->modal_ = false;
            form->Hide();
            form->Widget()->setWindowModality(Qt::NonModal);
        }
    } end{this, alive};
    Widget()->setWindowModality(Qt::ApplicationModal);
    Show();
    if (const auto& hook = ModalHook()) {
        TModalResult result = hook(*this);
        if (result == mrNone)
            result = modalResult_ != mrNone ? modalResult_ : mrCancel;
        ControlBridge::guarded([this] { closeModal(); });
        modalResult_ = result;
        return result;
    }
    for (;;) {
        if (modalResult_ == mrNone && !Application->Terminated()) {
            QEventLoop loop;
            quitLoop_ = [&loop] { loop.quit(); };
            Application->runningLoops_.push_back(quitLoop_);
            loop.exec();
            Application->runningLoops_.pop_back();
            if (!alive)
                return mrCancel;
            quitLoop_ = nullptr;
        }
        if (Application->Terminated()) {
            if (modalResult_ == mrNone)
                modalResult_ = mrCancel;
            break;
        }
        bool closes = true;
        ControlBridge::guarded([&] { closes = closeModal(); });
        if (closes)
            break;
        modalResult_ = mrNone;
    }
    return modalResult_;
}

void TCustomForm::Close()
{
    if (modal_) {
        SetModalResult(mrCancel);
        return;
    }
    const TCloseAction action = askClose();
    if (action == caNone)
        return;
    if (Application->MainForm() == this)
        Application->Terminate();
    else if (action == caMinimize)
        Widget()->showMinimized();
    else if (action == caFree)
        Release();
    else
        Hide();
}

void TCustomForm::Release()
{
    QTimer::singleShot(0, Widget(), [this] { delete this; });
}

TModalHook& ModalHook()
{
    static TModalHook hook;
    return hook;
}

// The application object lives as long as the process; Run frees its forms when the loop ends.
TApplication* const Application = new TApplication;

TApplication::TApplication() : TComponent(nullptr)
{}

TWindowSystem::TWindowSystem(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv))
{}

TWindowSystem::~TWindowSystem() = default;

TApplication::~TApplication()
{
    Destroying();
}

void TApplication::Notification(TComponent* component, TOperation operation)
{
    if (operation == opRemove && component == mainForm_)
        mainForm_ = nullptr;
}

void TApplication::Run()
{
    if (mainForm_ && !terminated_)
        mainForm_->Show();
    if (QuitAfterShow) {
        ProcessMessages();
        Terminate();
    }
    while (mainForm_ && !terminated_) {
        QEventLoop loop;
        runningLoops_.push_back([&loop] { loop.quit(); });
        loop.exec();
        runningLoops_.pop_back();
    }
    DestroyForms();
}

void TApplication::Terminate()
{
    terminated_ = true;
    for (const auto& quit : runningLoops_)
        quit();
}

void TApplication::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::HandleException(TObject* Sender)
{
    const QString message = CurrentExceptionMessage();
    if (OnException)
        OnException(Sender, message);
    else
        ShowException(message);
}

void TApplication::ShowException(const QString& message)
{
    MessageDlg(message, mtError, mbOK);
}

void HandleEventException()
{
    try {
        Application->HandleException(nullptr);
    } catch (...) {
        // The error box itself failed: nothing is left to tell the user with.
    }
}

bool TCustomForm::Active() const
{
    return Widget()->isActiveWindow();
}
