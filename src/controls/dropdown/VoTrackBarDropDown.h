#pragma once
// A drop-down edit for an integer between Min and Max: the pop-up holds a track bar, the edit shows the
// value. Without the editor enabled, Up and Down step the value and a mouse drag over the edit moves it.
#include "controls/dropdown/VoDropDown.h"
#include "platform/ComCtrls.h"

class TVoTrackBarDropDown : public TVoCustomDropDown {
public:
    explicit TVoTrackBarDropDown(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TVoTrackBarDropDown"); }

    int Min() const { return FMin; }
    void SetMin(int Value);
    int Max() const { return FMax; }
    void SetMax(int Value);
    // Kept inside Min..Max.
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    int Frequency() const { return FFrequency; }
    void SetFrequency(int Value);
    int PageSize() const { return FPageSize; }
    void SetPageSize(int Value);
    TTrackBar* TrackBar() const { return FTrackBar; }

    TNotifyEvent OnTrackChange;

protected:
    void CreateDropDownForm() override;
    void BeforeDropDown() override;
    void Change() override;
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;

private:
    void trackChanged();
    TTrackBar* FTrackBar = nullptr;
    int FMin = 0;
    int FFrequency = 1;
    int FPageSize = 2;
    int FMax = 10;
    int FPosition = 0;
    bool FMouseDragging = false;
    int FMouseX = 0;
};
