#pragma once
// The balloon tooltip of one control: when the mouse rests over the control, the balloon asks it for the
// text of the point under the mouse and shows a rounded window below that point with a title, an icon and
// the text. Leaving the control or pressing a button hides it; Pop hides it and asks again after the
// reshow delay, when the mouse rests once more.
#include <cstdint>
#include <functional>

#include "platform/Controls.h"

class TTimer;
class BalloonWatch;

// The icon before the title, numbered as the system's tooltip icons.
enum TBalloonTipIcon { btiNone, btiInfo, btiWarning, btiError };

struct TBalloonTipText {
    QString Title;
    QString Text;
    int Icon = btiNone;         // outside btiNone..btiError: none
    TColor TextColor = clNone;  // clNone: the tooltip's text colour
    TColor BackColor = clNone;  // clNone: the tooltip's background
    int MaxWidth = 300;         // the text wraps at this width
};

class TBalloonHint : public TCustomControl {
public:
    // Delays of the system's tooltips, used where a delay is -1.
    static constexpr int DefaultInitialDelay = 500;
    static constexpr int DefaultReshowDelay = 100;
    static constexpr int DefaultAutoHideDelay = 5000;

    // The balloon of Tool; it watches the tool's mouse until it is destroyed.
    explicit TBalloonHint(TWinControl& Tool);
    ~TBalloonHint() override;
    QString ClassName() const override { return QStringLiteral("TBalloonHint"); }

    // -1 keeps the system's delay.
    void SetDelays(int Initial, int Reshow, int AutoHide);
    // 0 opaque; the window's opacity is 255 - Transparency.
    void SetTransparency(std::uint8_t Transparency);
    // Asked for the balloon at a client point of the tool; false or an empty text shows nothing.
    std::function<bool(TPoint ClientPos, TBalloonTipText& Tip)> OnNeedText;

    // Hides the balloon; a balloon asked for the same tool again comes after the reshow delay.
    void Pop();
    // Shows the balloon of the client point now (as when the delay has passed).
    void ShowFor(TPoint ClientPos);
    bool Showing() const { return Visible(); }
    const TBalloonTipText& Tip() const { return FTip; }
    // The timer that waits for the mouse to rest, and the one that hides a shown balloon.
    TTimer& DelayTimer() const { return *FDelay; }
    TTimer& HideTimer() const { return *FAutoHide; }

protected:
    void Paint() override;

private:
    friend class BalloonWatch;
    void mouseMoved(TPoint ClientPos);
    void mouseGone();
    void layout(TPoint ScreenPos);

    TWinControl& FTool;
    BalloonWatch* FWatch;
    TTimer* FDelay;
    TTimer* FAutoHide;
    TBalloonTipText FTip;
    TPoint FMouse{-1, -1};
    bool FShownBefore = false;  // a balloon was shown since the mouse entered: the reshow delay applies
    int FInitial = DefaultInitialDelay;
    int FReshow = DefaultReshowDelay;
    int FAutoHideMs = DefaultAutoHideDelay;
    TRect FTextRect;
    TRect FTitleRect;
};
