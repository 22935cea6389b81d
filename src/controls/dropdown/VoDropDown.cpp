// The drop-down edit: construction, settings, the pop-up's size and place, and the drop-down and close-up
// cycle.
#include "controls/dropdown/VoDropDown.h"

#include <algorithm>

#include "platform/Clock.h"
#include "platform/HintWindow.h"
#include "platform/SystemMetrics.h"

TScreenAreaHook& ScreenAreaHook()
{
    static TScreenAreaHook hook;
    return hook;
}

namespace {
TScreenArea screenArea(TPoint At)
{
    return {MonitorWorkArea(At), GetSystemMetrics(SM_CYSCREEN)};
}

// A click that closed the pop-up (its deactivation) does not open it again within this time.
constexpr std::int64_t ReopenDelayMs = 250;
}  // namespace

TVoCustomDropDown::TVoCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner), FDropDownHeader(this), FDropDownFooter(this)
{
    SetBounds(Left(), Top(), 200, 21);
    FButtonWidth = 17;
    CreateDropDownForm();
    CreateDropDownButton();
    ControlStyle &= ~csSetCaption;
    SetReadOnly(false);
    AssignText(QString());
    FOldText.clear();
    const auto changed = [this](TObject*) { appearanceChanged(); };
    FDropDownHeader.OnChange = changed;
    FDropDownHeader.OnButtonsChanged = changed;
    FDropDownFooter.OnChange = changed;
    FDropDownFooter.OnButtonsChanged = changed;
    SetSelectionColorStyle(scOffice2007);
    SetComponentStyle(tsOffice2007Luna);
    FLabelFont.OnChange = [this](TObject*) { placeLabel(); };
}

TVoCustomDropDown::~TVoCustomDropDown()
{
    Destroying();
    FLabelFont.OnChange = nullptr;
    FDropDownHeader.OnChange = nullptr;
    FDropDownHeader.OnButtonsChanged = nullptr;
    FDropDownFooter.OnChange = nullptr;
    FDropDownFooter.OnButtonsChanged = nullptr;
    // The pop-up calls back into this edit while it goes (hiding, realigning its content), so it goes first.
    delete FDropDownForm;
    FDropDownForm = nullptr;
}

void TVoCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm)
        return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetVoDropDown(this);
    FDropDownForm->Hide();
    FDropDownForm->SetBounds(0, 0, FDropDownWidth, FDropDownHeight);
    FDropDownForm->OnHide = [this](TObject*) { DropDownFormHide(); };
    FDropDownForm->OnKeyPress = [this](TObject*, char16_t& Key) { DropDownFormKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { DropDownFormKeyDown(Key, Shift); };
    FDropDownForm->OnKeyUp = [this](TObject*, WORD& Key, TShiftState Shift) { DropDownFormKeyUp(Key, Shift); };
    FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint At, bool& Handled) {
        DropDownFormMouseWheelDown(Shift, At, Handled);
    };
    FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint At, bool& Handled) {
        DropDownFormMouseWheelUp(Shift, At, Handled);
    };
    FDropDownForm->OnDestroy = [this](TObject*) { DropDownFormDestroy(); };
    FDropDownForm->OnSizing = [this](TObject*) { DropDownFormSizing(); };
}

void TVoCustomDropDown::CreateDropDownButton()
{
    if (FButton)
        return;
    FButton = new TDropDownEditButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [this](TObject*) { buttonClick(); };
    UpdateDropDownButton();
}

void TVoCustomDropDown::UpdateDropDownButton()
{
    FButton->SetWidth(FButtonWidth);
    FButton->SetHeight(17);
    FButton->Show();
    FButton->FocusControl = this;
}

// The button's click, and a click on an edit that cannot be typed in.
void TVoCustomDropDown::buttonClick()
{
    if (!FDropDownForm || FDropDownForm->Visible())
        return;
    if (TickCount() - FDropDownForm->DeActivateTime() > ReopenDelayMs || FDropDownForm->DeActivateTime() == 0)
        DoShowDropDown();
}

void TVoCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    if (Value)
        ControlStyle |= csDoubleClicks;
    else
        ControlStyle &= ~csDoubleClicks;
}

void TVoCustomDropDown::SetDropDownWidth(int Value)
{
    if (Value == FDropDownWidth)
        return;
    FDropDownWidth = Value;
    FUserDropDownWidth = -1;
}

void TVoCustomDropDown::SetDropDownHeight(int Value)
{
    if (Value == FDropDownHeight)
        return;
    FDropDownHeight = Value;
    FUserDropDownHeight = -1;
}

void TVoCustomDropDown::SetDropDownButtonWidth(int Value)
{
    if (!FButton || Value == FButtonWidth)
        return;
    FButtonWidth = Value;
    FButton->SetBWidth(Value);
    ResizeControl();
}

void TVoCustomDropDown::SetDropDownButtonHint(const QString& Value)
{
    if (Value == FButtonHint)
        return;
    FButtonHint = Value;
    if (FButton) {
        FButton->Hint = Value;
        FButton->ShowHint = !Value.isEmpty();
    }
}

void TVoCustomDropDown::SetDropDownButtonGlyph(const TBitmap& Value)
{
    if (FButton)
        FButton->Glyph().Assign(Value);
}

QString TVoCustomDropDown::Version() const
{
    const std::uint32_t v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

void TVoCustomDropDown::SetBorderColor(TColor Value)
{
    if (Value == FBorderColor)
        return;
    FBorderColor = Value;
    Invalidate();
    if (FButton)
        FButton->Button().Invalidate();
}

void TVoCustomDropDown::SetDisabledBorder(bool Value)
{
    if (Value == FDisabledBorder)
        return;
    FDisabledBorder = Value;
    Invalidate();
}

void TVoCustomDropDown::SetControl(TControl* AControl)
{
    if (AControl == FControl)
        return;
    FControl = AControl;
    // Aligned to the pop-up only while open: closed, the content keeps the size that sizes the pop-up.
    if (FDroppedDown)
        PlaceDropDownControl();
}

void TVoCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl)
        return;
    FControl->SetParent(FDropDownForm);
    FControl->SetTop(FDropDownHeader.Visible() ? FDropDownHeader.Height + 2 : FDropDownBorderWidth);
    FControl->SetAlign(alClient);
}

void TVoCustomDropDown::UpdateDropDownSize()
{
    if (!FDropDownForm)
        return;
    const bool content = FControl && FControl->Visible();
    int width = FDropDownWidth > 0 ? FDropDownWidth : content ? FControl->Width() : Width();
    int height = FDropDownHeight;
    if (height <= 0) {
        height = 2 * FDropDownBorderWidth;
        if (FDropDownHeader.Visible())
            height += FDropDownHeader.Height;
        if (FDropDownFooter.Visible())
            height += FDropDownFooter.Height;
        if (content)
            height += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), width, height);
}

void TVoCustomDropDown::FitDropDownAround(TSize Content)
{
    if (!FDropDownForm)
        return;
    int height = Content.cy + 2 * FDropDownBorderWidth;
    if (FDropDownHeader.Visible())
        height += FDropDownHeader.Height;
    if (FDropDownFooter.Visible())
        height += FDropDownFooter.Height;
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), Content.cx + 2 * FDropDownBorderWidth,
                             height);
}

void TVoCustomDropDown::appearanceChanged()
{
    if (FDropDownForm && FDroppedDown)
        FDropDownForm->InitializeAndUpdate();
}

void TVoCustomDropDown::BeforeDropDown()
{
    if (OnBeforeDropDown)
        OnBeforeDropDown(this);
}

void TVoCustomDropDown::FocusDropDownControl()
{
    if (FFocusControl && FFocusControl->TabStop && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

void TVoCustomDropDown::DoShowDropDown()
{
    if (!FDropDownForm || FDropDownForm->Visible() || !Enabled() || ReadOnly())
        return;
    BeforeDropDown();
    FDropDownForm->Shadow = DropDownShadow;
    FDropDownForm->InitializeAndUpdate();
    FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
    UpdateDropDownSize();
    PlaceDropDownControl();
    // The smallest pop-up: 80 x 50.
    const int minWidth = 80, minHeight = 50;
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), std::max(FDropDownForm->Width(), minWidth),
                             std::max(FDropDownForm->Height(), minHeight));

    const TPoint p = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientToScreen({0, 0});
    const TScreenArea screen = CallHookOr(ScreenAreaHook(), screenArea, p);
    int left = p.X;
    int top = p.Y + Height() - 1;
    const int height = FDropDownForm->Height();
    if (DropPosition == dpUp || (DropPosition == dpAuto && screen.ScreenHeight <= p.Y + height))
        top = p.Y - height;

    bool acceptdrop = true;
    if (OnDropDown)
        OnDropDown(this, acceptdrop);
    if (!acceptdrop)
        return;

    const TRect& work = screen.WorkArea;
    const int width = FDropDownForm->Width();
    if (work.Left >= 0 && left + width > work.Right && left < work.Right)
        left = work.Right - width;
    const int w = FUserDropDownWidth != -1 ? FUserDropDownWidth : width;
    int h = FUserDropDownHeight != -1 ? FUserDropDownHeight : height;
    AdaptDropDownHeight(h);
    FDroppedDown = true;
    FDropDownForm->SetBounds(left, top, w, h);
    FDropDownForm->Show();
    FocusDropDownControl();
}

void TVoCustomDropDown::DoHideDropDown(bool CancelChanges)
{
    if (!FDropDownForm || !FDropDownForm->Visible())
        return;
    if (OnBeforeDropUp)
        OnBeforeDropUp(this);
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->Hide();
    CancelHint();
    if (CancelChanges)
        SetText(FOldText);
    if (OnDropUp)
        OnDropUp(this, CancelChanges);
}

void TVoCustomDropDown::DropDownFormHide()
{
    FDroppedDown = false;
    if (TabStop && CanFocus() && !Focused() && !(ComponentState() & csDestroying))
        SetFocus();
}

void TVoCustomDropDown::DropDownFormMouseWheelDown(TShiftState, TPoint, bool&)
{
    HandleMouseWheelDown();
}

void TVoCustomDropDown::DropDownFormMouseWheelUp(TShiftState, TPoint, bool&)
{
    HandleMouseWheelUp();
}

void TVoCustomDropDown::DropDownFormKeyPress(char16_t& Key)
{
    Perform(WM_CHAR, Key);
}

void TVoCustomDropDown::DropDownFormKeyDown(WORD& Key, TShiftState)
{
    Perform(WM_KEYDOWN, Key);
}

void TVoCustomDropDown::DropDownFormKeyUp(WORD& Key, TShiftState)
{
    Perform(WM_KEYUP, Key);
}

// The content control keeps its own keys; Esc, F4 and the Alt keys reach the edit.
void TVoCustomDropDown::ControlKeyDown(WORD& Key, TShiftState Shift)
{
    if (Key == VK_ESCAPE || Key == VK_F4 || (Shift & ssAlt))
        KeyDown(Key, Shift);
}

void TVoCustomDropDown::ControlKeyUp(WORD& Key, TShiftState)
{
    Perform(WM_KEYUP, Key);
}

void TVoCustomDropDown::ControlKeyPress(char16_t& Key)
{
    Perform(WM_CHAR, Key);
}

// The value code last wrote is what a cancelled pop-up puts back.
void TVoCustomDropDown::SetTextValue(const QString& Text)
{
    FOldText = Text;
    TCustomMaskEdit::SetTextValue(Text);
}

void TVoCustomDropDown::AssignText(const QString& Value)
{
    const bool old = FInternalUpdate;
    FInternalUpdate = true;
    SetText(Value);
    FInternalUpdate = old;
}

void TVoCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != opRemove || (ComponentState() & csDestroying))
        return;
    if (AComponent == FControl)
        FControl = nullptr;
    if (AComponent == FFocusControl)
        FFocusControl = nullptr;
    if (AComponent == FLabel)
        FLabel = nullptr;
}

void TVoCustomDropDown::Assign(const TPersistent& Source)
{
    const auto* s = dynamic_cast<const TVoCustomDropDown*>(&Source);
    if (!s)
        return;
    FocusDraw = s->FocusDraw;
    ForceShadow = s->ForceShadow;
    DropDownEnabled = s->DropDownEnabled;
    FDropDownColor = s->FDropDownColor;
    FDropDownColorTo = s->FDropDownColorTo;
    FDropDownGradient = s->FDropDownGradient;
    FDropDownBorderColor = s->FDropDownBorderColor;
    FDropDownBorderWidth = s->FDropDownBorderWidth;
    DropDownShadow = s->DropDownShadow;
    FDropDownWidth = s->FDropDownWidth;
    FDropDownHeight = s->FDropDownHeight;
    FDropDownSizeable = s->FDropDownSizeable;
    ReturnIsTab = s->ReturnIsTab;
    DefaultHandling = s->DefaultHandling;
    CanUndo = s->CanUndo;
    FButtonAppearance.Assign(s->FButtonAppearance);
    FDropDownHeader.Assign(s->FDropDownHeader);
    FDropDownFooter.Assign(s->FDropDownFooter);
    DropPosition = s->DropPosition;
    FFlat = s->FFlat;
    SetDropDownButtonWidth(s->FButtonWidth);
    SetDropDownButtonHint(s->FButtonHint);
    FEditorEnabled = s->FEditorEnabled;
    if (FButton && s->FButton) {
        FButton->Glyph().Assign(s->FButton->Glyph());
        FButton->SetButtonCaption(s->FButton->ButtonCaption());
    }
    FEtched = s->FEtched;
    FImages = s->FImages;
    FSelectionColorStyle = s->FSelectionColorStyle;
    SelectionColor = s->SelectionColor;
    SelectionColorTo = s->SelectionColorTo;
}
