// The track bar drop-down: value, track bar and edit text follow each other.
#include "controls/dropdown/VoTrackBarDropDown.h"
#include <algorithm>

TVoTrackBarDropDown::TVoTrackBarDropDown(TComponent* AOwner) : TVoCustomDropDown(AOwner)
{
    SetEditorEnabled(false);
    CreateDropDownForm();
    AssignText(QStringLiteral("0"));
}

void TVoTrackBarDropDown::CreateDropDownForm()
{
    TVoCustomDropDown::CreateDropDownForm();
    if (FTrackBar)
        return;
    FTrackBar = new TTrackBar(this);
    FTrackBar->SetParent(DropDownForm());
    FTrackBar->SetBounds(0, 0, FTrackBar->Width(), 40);
    FTrackBar->OnChange = [this](TObject*) { trackChanged(); };
    FTrackBar->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
}

void TVoTrackBarDropDown::BeforeDropDown()
{
    DropDownForm()->CancelOnDeActivate = false;
    FTrackBar->SetMin(FMin);
    FTrackBar->SetMax(FMax);
    FTrackBar->SetPosition(FPosition);
    FTrackBar->SetPageSize(FPageSize);
    FTrackBar->SetFrequency(FFrequency);
    FTrackBar->SetWidth(Width());
    SetDropDownHeight(40);
    SetControl(FTrackBar);
    FTrackBar->TabStop = true;
    FFocusControl = FTrackBar;
}

void TVoTrackBarDropDown::SetMin(int Value)
{
    FTrackBar->SetMin(Value);
    FMin = FTrackBar->Min();
    FPosition = FTrackBar->Position();
}

void TVoTrackBarDropDown::SetMax(int Value)
{
    FTrackBar->SetMax(Value);
    FMax = FTrackBar->Max();
    FPosition = FTrackBar->Position();
}

void TVoTrackBarDropDown::SetPosition(int Value)
{
    FTrackBar->SetPosition(Value);
    FPosition = FTrackBar->Position();
}

void TVoTrackBarDropDown::SetFrequency(int Value)
{
    FFrequency = Value;
    FTrackBar->SetFrequency(Value);
}

void TVoTrackBarDropDown::SetPageSize(int Value)
{
    FPageSize = Value;
    FTrackBar->SetPageSize(Value);
}

void TVoTrackBarDropDown::trackChanged()
{
    FPosition = FTrackBar->Position();
    AssignText(QString::number(FPosition));
    if (OnTrackChange)
        OnTrackChange(this);
}

// A text that is no integer leaves the value alone.
void TVoTrackBarDropDown::Change()
{
    TVoCustomDropDown::Change();
    if (FInternalUpdate)
        return;
    bool ok = false;
    const int value = Text().trimmed().toInt(&ok);
    if (ok)
        SetPosition(value);
}

void TVoTrackBarDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    TVoCustomDropDown::KeyDown(Key, Shift);
    if (EditorEnabled() || (Shift & ssAlt))
        return;
    if (Key == VK_UP && FPosition - FFrequency >= FMin)
        SetPosition(FPosition - FFrequency);
    else if (Key == VK_DOWN && FPosition + FFrequency <= FMax)
        SetPosition(FPosition + FFrequency);
}

void TVoTrackBarDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoCustomDropDown::MouseDown(Button, Shift, X, Y);
    FMouseX = X;
    FMouseDragging = !EditorEnabled();
}

// Each step measures from the previous pointer position; a page size of 0 counts as 1.
void TVoTrackBarDropDown::MouseMove(TShiftState Shift, int X, int Y)
{
    TVoCustomDropDown::MouseMove(Shift, X, Y);
    if (!FMouseDragging)
        return;
    const int d = (X - FMouseX) / std::max(FPageSize, 1);
    FMouseX = X;
    if (d != 0)
        SetPosition(FPosition + d);
}

void TVoTrackBarDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TVoCustomDropDown::MouseUp(Button, Shift, X, Y);
    FMouseDragging = false;
}
