#pragma once
// The speed button: a button without a window of its own, with a glyph and a caption, that stays down
// while pressed (or, in a group, until another of its group goes down) and clicks on release.
#include "platform/Bitmap.h"
#include "platform/Controls.h"

enum TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TSpeedButton"); }
    void WndProc(TMessage& Message) override;

    // A strip of NumGlyphs images: up, disabled, down and held down.
    TBitmap& Glyph() { return glyph_; }
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& bitmap);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    // Shown instead of the up glyph while the mouse is over an enabled button that is up (empty: none).
    const TBitmap& HotGlyph() const { return hotGlyph_; }
    void SetHotGlyph(const TBitmap& bitmap);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // Buttons of one parent with the same non-zero index are exclusive: one of them is down.
    int GroupIndex = 0;
    bool AllowAllUp = false;
    bool Down() const { return down_; }
    void SetDown(bool v);
    TButtonLayout Layout = blGlyphLeft;
    // Pixels from the edge to the glyph (-1 centres) and between glyph and caption.
    int Margin = -1;
    int Spacing = 4;

    TButtonState State() const { return FState; }
    bool MouseInControl() const { return mouseInControl_; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    // The glyph of the present state, or the up glyph when the strip has none for it.
    void DrawGlyph(TCanvas& canvas, int x, int y) const;

    TButtonState FState = bsUp;
    bool FDragging = false;

private:
    void releaseGroup();

    TBitmap glyph_;
    TBitmap hotGlyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool transparent_ = true;
    bool down_ = false;
    bool mouseInControl_ = false;
};
