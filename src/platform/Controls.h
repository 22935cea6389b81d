#pragma once
// Controls: the visual components. Every control lives on a Qt widget; windowed controls take the focus
// and the keyboard, custom controls paint themselves on a canvas.
#include "platform/ActnList.h"
#include "platform/Components.h"
#include "platform/Graphics.h"
#include "platform/Messages.h"
#include "platform/Types.h"

#include <QPointer>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QWidget;
class QPainter;
class QTimer;
class TWinControl;
class TCustomForm;
class ControlBridge;
class TPopupMenu;

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

enum TAnchorKind : std::uint8_t { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = std::uint8_t;

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TBiDiMode { bdLeftToRight, bdRightToLeft, bdRightToLeftNoAlign, bdRightToLeftReadingOnly };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;

using TModalResult = int;
enum : TModalResult {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrAbort = 3,
    mrRetry = 4,
    mrIgnore = 5,
    mrYes = 6,
    mrNo = 7,
    mrClose = 8,
    mrHelp = 9,
    mrTryAgain = 10,
    mrContinue = 11,
    mrAll = 12,
    mrNoToAll = 13,
    mrYesToAll = 14,
};

using TCursor = int;
enum : TCursor {
    crDefault = 0,
    crNone = -1,
    crArrow = -2,
    crCross = -3,
    crIBeam = -4,
    crSizeNESW = -6,
    crSizeNS = -7,
    crSizeNWSE = -8,
    crSizeWE = -9,
    crUpArrow = -10,
    crHourGlass = -11,
    crDrag = -12,
    crNoDrop = -13,
    crHSplit = -14,
    crVSplit = -15,
    crMultiDrag = -16,
    crSQLWait = -17,
    crNo = -18,
    crAppStart = -19,
    crHelp = -20,
    crHandPoint = -21,
    crSizeAll = -22,
};

enum TControlStyleFlag : std::uint16_t {
    csAcceptsControls = 1 << 0,
    csCaptureMouse = 1 << 1,
    csClickEvents = 1 << 2,
    csSetCaption = 1 << 3,
    csOpaque = 1 << 4,
    csDoubleClicks = 1 << 5,
};
using TControlStyle = std::uint16_t;

enum TControlStateFlag : std::uint16_t {
    csLButtonDown = 1 << 0,
    csClicked = 1 << 1,
    csFocusing = 1 << 2,
};
using TControlState = std::uint16_t;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, WORD& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, char16_t& Key)>;
using TMouseWheelEvent =
    std::function<void(TObject* Sender, TShiftState Shift, int WheelDelta, TPoint MousePos, bool& Handled)>;
using TMouseWheelUpDownEvent = std::function<void(TObject* Sender, TShiftState Shift, TPoint MousePos, bool& Handled)>;

// Shift state of a keyboard message: the shift keys held now, Alt from the key data.
TShiftState KeyDataToShiftState(LPARAM keyData);
// Shift state of a mouse message's key flags.
TShiftState MouseKeysToShiftState(WPARAM keys);
// The shift keys and mouse buttons held now.
TShiftState KeyboardStateToShiftState();
// The first short part of a hint: the text before "|".
QString GetShortHint(const QString& hint);

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    QString ClassName() const override { return QStringLiteral("TControl"); }

    // Runs a message through the window procedure at once.
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    void Perform(TMessage& message);
    // The window procedure; an override handles its messages and passes the others on to the base.
    virtual void WndProc(TMessage& Message);

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
    TRect BoundsRect() const { return bounds_; }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    virtual TRect ClientRect() const { return Rect(0, 0, Width(), Height()); }
    // Where the client area starts inside the window: the width of a border drawn around it. Client
    // coordinates (children's bounds, mouse positions, painting) count from there.
    virtual TPoint ClientOffset() const { return {}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    void SetClientWidth(int v);
    void SetClientHeight(int v);
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible with every parent visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);

    TAlign Align() const { return align_; }
    void SetAlign(TAlign a);
    TAnchors Anchors = akLeft | akTop;

    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& f) { font_.Assign(f); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    TColor Color() const { return color_; }
    void SetColor(TColor c);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);

    QString Text() const { return GetText(); }
    void SetText(const QString& text);
    QString Caption() const { return GetText(); }
    void SetCaption(const QString& text) { SetText(text); }

    QString Hint;
    bool ShowHint = false;
    // The reading order the control's own painting follows.
    TBiDiMode BiDiMode = bdLeftToRight;
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);

    TControlStyle ControlStyle = csCaptureMouse | csClickEvents | csSetCaption | csDoubleClicks;
    TControlState ControlState = 0;

    // Pointer capture: while captured, the control gets every mouse message.
    bool MouseCapture() const;
    void SetMouseCapture(bool v);

    virtual void Click();
    virtual void DblClick();
    virtual void Invalidate();
    // Repaints a rectangle of the client area when the control paints next.
    virtual void InvalidateRect(const TRect& r);
    // Paints the control now.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }
    void BringToFront();
    void SendToBack();

    // The menu the control drops down; not owned.
    TPopupMenu* PopupMenu = nullptr;
    // The linked action: its changes reach ActionChange; a click without OnClick executes it.
    TBasicAction* Action() const { return actionLink_ ? actionLink_->Action() : nullptr; }
    void SetAction(TBasicAction* action);

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TMouseWheelEvent OnMouseWheel;
    TMouseWheelUpDownEvent OnMouseWheelDown;
    TMouseWheelUpDownEvent OnMouseWheelUp;

    // The control that lives on a widget; nullptr for a widget that is no control's.
    static TControl* FromWidget(const QWidget* widget);

protected:
    // The Qt widget the control lives on.
    QWidget* Widget() const { return widget_.get(); }
    // A control on the given widget (owned from here on); paintsSelf: PaintWindow draws it, else Qt does.
    TControl(TComponent* AOwner, QWidget* widget, bool paintsSelf);

    virtual QString GetText() const { return text_; }
    virtual void SetTextValue(const QString& text) { text_ = text; }
    virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void MouseMove(TShiftState Shift, int X, int Y);
    virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    virtual void Resize();
    virtual bool DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos);
    virtual bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos);
    virtual bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos);
    // Called when the font changed (own or parent's); the base applies it to the widget.
    virtual void FontChanged();
    // Makes the control visible or hidden; SetVisible calls it on a change.
    virtual void ApplyVisible(bool visible);
    virtual void ColorChanged();
    // Paints through the canvas; the base handles WM_ERASEBKGND and WM_PAINT with it.
    virtual void PaintWindow(QPainter& painter);
    // The linked action changed; the base copies caption, enabled state, hint and visibility of a custom action.
    virtual void ActionChange(TBasicAction& Sender);
    // The painter of the paint pass running now, or nullptr.
    QPainter* ActivePainter() const { return activePainter_; }
    // Translates the input events of a widget inside the control's widget too.
    void WatchWidget(QWidget* widget);
    // Qt places the widget (a page of a tab widget): its bounds follow the widget's geometry.
    bool QtPlaced = false;
    // Gives the widget the control's font and text colours now if it doesn't have them yet (they
    // follow when it is polished): before measuring parts of the widget that inherit its font.
    void ensureWidgetFont();

private:
    friend class TWinControl;
    friend class TCustomForm;
    friend class ControlBridge;
    friend struct QtAccess;
    void init();
    void applyGeometry();
    void mouseButtonMessage(TMessage& m);
    void handleWheel(TMessage& m);
    void adoptParentFont();
    // The text colours of the widget from the font, grey when disabled.
    void applyFontColor();
    void adoptParentColor();
    void paintFromWidget(QPainter& painter);
    void silenceWidget();

    std::unique_ptr<QWidget> widget_;
    std::unique_ptr<ControlBridge> bridge_;
    TWinControl* parent_ = nullptr;
    TRect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TFont font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    bool widgetFontPending_ = false;         // the widget doesn't have the font yet
    std::optional<TColor> widgetFontColor_;  // the font colour the widget's text roles were given
    TColor color_ = clWindow;
    bool parentColor_ = false;
    TCursor cursor_ = crDefault;
    QString text_;
    QPainter* activePainter_ = nullptr;
    bool paintsSelf_ = true;
    bool mouseReachedBase_ = false;  // the last mouse button message got to TControl::WndProc
    std::unique_ptr<TBasicActionLink> actionLink_;
};

// A control with a window: it holds child controls, takes the focus and gets the keyboard.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    QString ClassName() const override { return QStringLiteral("TWinControl"); }
    void WndProc(TMessage& Message) override;

    HWND Handle() { return this; }
    bool HandleAllocated() const { return true; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<std::size_t>(index)); }
    // Sends the message to every child until one sets a result.
    void Broadcast(TMessage& message);
    bool ContainsControl(const TControl* control) const;
    // The child under a client point, or nullptr.
    TControl* ControlAtPos(TPoint p, bool allowDisabled = false) const;

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop = false;
    bool CanFocus() const;
    virtual void SetFocus();
    bool Focused() const;
    // Moves the focus to the next (or previous) windowed child in tab order after current.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);
    // The children that can take the focus, in tab order, with their own children after each.
    std::vector<TWinControl*> GetTabOrderList() const;

    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();
    void Realign() { AlignControls(); }

    // Window timers: WM_TIMER with the id every interval ms; setting an existing id restarts it.
    void SetTimer(UINT_PTR id, UINT intervalMs);
    bool KillTimer(UINT_PTR id);
    bool HasTimer(UINT_PTR id) const { return timers_.count(id) != 0; }

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

protected:
    TWinControl(TComponent* AOwner, QWidget* widget, bool paintsSelf);

    virtual void KeyDown(WORD& Key, TShiftState Shift);
    virtual void KeyPress(char16_t& Key);
    virtual void KeyUp(WORD& Key, TShiftState Shift);
    virtual void DoEnter();
    virtual void DoExit();
    // The window comes into being: once, when the control is first placed on a parent.
    virtual void CreateWnd() {}
    bool WindowCreated() const { return windowCreated_; }
    virtual void AlignControls();
    // Shrinks the client rectangle to where aligned children go (inside borders).
    virtual void AdjustClientRect(TRect& rect) const { (void)rect; }
    // The widget that holds the children's widgets.
    virtual QWidget* ClientWidget() const { return Widget(); }
    // Puts a new child's widget into this control's widget.
    virtual void AttachChild(TControl* control);
    // Sends a notification (EN_CHANGE, CBN_SELCHANGE, ...) to the parent as WM_COMMAND; the parent's base
    // handling reflects it back to this control as CN_COMMAND.
    void NotifyParent(WORD code);
    // The answer to WM_GETDLGCODE when the window procedure leaves it to the base.
    UINT DlgCode = 0;

private:
    friend class TControl;
    friend class ControlBridge;
    void insertControl(TControl* control);
    void removeControl(TControl* control);
    void anchorChildren(int oldWidth, int oldHeight);
    void keyMessage(TMessage& m);

    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool windowCreated_ = false;
    int alignDisabled_ = 0;
    std::map<UINT_PTR, std::unique_ptr<QTimer>> timers_;
};

// A control that paints itself: override Paint and draw on Canvas, which is bound to the paint pass with
// the control's font and colour.
template <typename Base>
class TPaintedControl : public Base {
public:
    explicit TPaintedControl(TComponent* AOwner) : Base(AOwner) {}
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    void PaintWindow(QPainter& painter) override
    {
        const TCanvasPaintGuard bind(canvas_, &painter);
        canvas_.Font().Assign(this->Font());
        canvas_.Brush().SetColor(this->Color());
        Paint();
    }

private:
    TCanvas canvas_;
};

// A windowed control that paints itself.
class TCustomControl : public TPaintedControl<TWinControl> {
public:
    using TPaintedControl::TPaintedControl;
    QString ClassName() const override { return QStringLiteral("TCustomControl"); }
};

// A control without a window of its own that paints itself; it leaves its background unpainted.
class TGraphicControl : public TPaintedControl<TControl> {
public:
    using TPaintedControl::TPaintedControl;
    QString ClassName() const override { return QStringLiteral("TGraphicControl"); }
};

// The form that holds the control, or nullptr.
TCustomForm* GetParentForm(const TControl* control);
// The control that has the pointer captured, or nullptr.
TControl* GetCaptureControl();
void SetCaptureControl(TControl* control);

// Called after any control of the user-interface thread moved or changed its size (the call-window
// hook's WM_WINDOWPOSCHANGED); AddWindowPosHook answers the handle that removes the hook again.
using TWindowPosHook = std::function<void(TControl& Control)>;
int AddWindowPosHook(TWindowPosHook Hook);
void RemoveWindowPosHook(int Handle);
