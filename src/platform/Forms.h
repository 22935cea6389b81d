#pragma once
// Forms and the application: top-level windows, modal runs, the main loop and the default error box.
#include "platform/Controls.h"

#include <functional>
#include <memory>

class QApplication;

enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;

// A top-level window. Its Width and Height are its client size in pixels (96 dpi, never scaled).
class TCustomForm : public TWinControl {
public:
    explicit TCustomForm(TComponent* AOwner);
    ~TCustomForm() override;
    QString ClassName() const override { return QStringLiteral("TCustomForm"); }
    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Shows the form and runs until ModalResult is set and the form agrees to close; returns the result.
    // A test can take over the run (the test support's ModalRunGuard).
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result);
    bool Modal() const { return modal_; }
    // The form's window is the active window.
    bool Active() const;
    // A modal form: sets ModalResult to mrCancel. Otherwise asks OnCloseQuery and OnClose and does the
    // chosen action; closing the main form ends the application.
    void Close();
    bool CloseQuery();
    // Frees the form once the current message is done.
    void Release();

    TWinControl* ActiveControl() const { return activeControl_; }
    // Makes the control the one with the focus (now when the form is shown, else when it is shown).
    void SetActiveControl(TWinControl* control);
    // The control that entered last (got CM_ENTER), or nullptr.
    TWinControl* focusedControl() const { return focusedControl_; }
    // Called when a control of the form got the keyboard focus.
    void focusChanged(TWinControl* control);
    // Called when a control leaves the form.
    void controlRemoved(TControl* control);

    bool KeyPreview = false;
    // A pop-up: a frameless window that is never made the active window and that the window system asks
    // to close (Close, through OnCloseQuery) when the user clicks outside it. Set before it first shows.
    bool PopupMode = false;
    TPosition Position = poDesigned;
    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);

    // Runs OnCreate under the error box; Application.CreateForm calls it once the form is built.
    void DoCreate();

    TNotifyEvent OnCreate;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnDestroy;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;
    virtual void DoShow();
    virtual void DoHide();
    void ApplyVisible(bool visible) override;

private:
    void placeOnScreen();
    void applyBorder();
    TCloseAction askClose();
    bool closeModal();
    void focusFirst();

    TModalResult modalResult_ = mrNone;
    bool modal_ = false;
    TFormBorderStyle borderStyle_ = bsSizeable;
    TWinControl* activeControl_ = nullptr;
    TWinControl* focusedControl_ = nullptr;
    std::function<void()> quitLoop_;
};

class TForm : public TCustomForm {
public:
    using TCustomForm::TCustomForm;
    QString ClassName() const override { return QStringLiteral("TForm"); }
};

using TExceptionEvent = std::function<void(TObject* Sender, const QString& Message)>;

class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    QString ClassName() const override { return QStringLiteral("TApplication"); }

    void Initialize() {}
    // Builds a form owned by the application; the first one built is the main form.
    template <typename T>
    void CreateForm(T*& reference)
    {
        auto* form = new T(this);
        reference = form;
        if (!mainForm_)
            mainForm_ = form;
        form->DoCreate();
    }
    TCustomForm* MainForm() const { return mainForm_; }
    // Shows the main form and handles messages until Terminate; with QuitAfterShow only the messages
    // waiting once the main form is shown.
    void Run();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Handles the messages that are waiting, then returns.
    void ProcessMessages();
    // Shows the exception being handled (call inside a catch block) in the error box, or hands it to
    // OnException.
    void HandleException(TObject* Sender);
    void ShowException(const QString& message);
    // Frees every form the application owns.
    void DestroyForms() { DestroyComponents(); }

    QString Title = QStringLiteral("Lattisor");
    bool MainFormOnTaskBar = false;
    // For timing the start-up: Run ends as soon as the main form is shown.
    bool QuitAfterShow = false;
    TExceptionEvent OnException;

private:
    friend class TCustomForm;
    void Notification(TComponent* component, TOperation operation) override;

    TCustomForm* mainForm_ = nullptr;
    bool terminated_ = false;
    std::vector<std::function<void()>> runningLoops_;
};

extern TApplication* const Application;

// The window system under the program: main makes it first, from its arguments, and keeps it to the end.
class TWindowSystem {
public:
    TWindowSystem(int& argc, char** argv);
    ~TWindowSystem();
    TWindowSystem(const TWindowSystem&) = delete;
    TWindowSystem& operator=(const TWindowSystem&) = delete;

private:
    std::unique_ptr<QApplication> app_;
};

// Shows the exception being handled in the application's error box (call inside a catch block).
void HandleEventException();

// Takes over a modal run: gets the shown form, acts on it and returns the modal result (mrNone: the form's
// ModalResult). Installed for tests through ModalRunGuard.
using TModalHook = std::function<TModalResult(TCustomForm& form)>;
TModalHook& ModalHook();
