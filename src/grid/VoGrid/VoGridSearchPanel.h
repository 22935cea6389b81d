#pragma once
// The search bar under the grid: an edit box, find next, find previous, highlight, match case and close.
// It lays itself out, paints its background and reports what the user does; the grid searches.
#include <functional>

#include "platform/ExtCtrls.h"
#include "platform/StdCtrls.h"

class TSearchFooter;
class TSpeedButton;

// Edit box of the search bar: Enter is not passed on; it reports OnReturn, or OnCtrlReturn with Ctrl held.
class TRetEdit : public TEdit {
public:
    using TEdit::TEdit;
    QString ClassName() const override { return QStringLiteral("TRetEdit"); }
    TNotifyEvent OnReturn;
    TNotifyEvent OnCtrlReturn;

protected:
    void KeyDown(WORD& Key, TShiftState Shift) override;
    void KeyPress(char16_t& Key) override;
};

class TSearchPanel : public TPanel {
public:
    explicit TSearchPanel(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TSearchPanel"); }

    // Captions, hints, which buttons show, colours and font.
    void ApplySettings(const TSearchFooter& Settings);
    // Places the controls; mirrored for right-to-left alignment.
    void LayoutControls();

    TRetEdit& Edit() { return *FEdit; }
    TSpeedButton& FindNextButton() { return *FFindNext; }
    TSpeedButton& FindPrevButton() { return *FFindPrev; }
    TSpeedButton& HighlightButton() { return *FHighlight; }
    TSpeedButton& CloseButton() { return *FClose; }
    TCheckBox& MatchCaseBox() { return *FMatchCase; }
    QString SearchText() const { return FEdit->Text(); }
    bool MatchCase() const { return FMatchCase->Checked(); }
    bool HighlightDown() const;
    // The edit box shows a search that found nothing in red.
    void SetFailed(bool Failed);
    bool Failed() const { return FFailed; }

    TColor LineColor = clSilver;  // line along the top edge
    TNotifyEvent OnEditChange;
    TNotifyEvent OnForwardClick;
    TNotifyEvent OnBackwardClick;
    TNotifyEvent OnHighlightClick;
    TNotifyEvent OnExitClick;

protected:
    void Paint() override;
    void Resize() override;

private:
    void editChanged();

    TRetEdit* FEdit;
    TSpeedButton* FFindNext;
    TSpeedButton* FFindPrev;
    TSpeedButton* FClose;
    TSpeedButton* FHighlight;
    TCheckBox* FMatchCase;
    TColor FColor = clWhite;
    TColor FColorTo = clNone;
    bool FFailed = false;
};
