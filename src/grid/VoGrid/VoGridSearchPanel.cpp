#include "grid/VoGrid/VoGridSearchPanel.h"

#include "grid/VoGrid/VoGridPaint.h"
#include "grid/base/VoObj/VoObjOptions.h"
#include "grid/base/VoUtil/VoUtilDraw.h"
#include "platform/Buttons.h"

namespace {

constexpr TColor FailedColor = 0x8080FF;  // light red
constexpr int GradientSteps = 32;

TSpeedButton* makeButton(TSearchPanel* panel, std::initializer_list<const char*> glyphs, TNotifyEvent& handler)
{
    auto* b = new TSpeedButton(panel);
    b->SetParent(panel);
    b->SetFlat(true);
    // The pictures as one strip: up, then disabled, then down (as many as given).
    const TBitmap& first = GridGlyph(QString::fromLatin1(*glyphs.begin()));
    TBitmap strip;
    strip.SetSize(first.Width() * static_cast<int>(glyphs.size()), first.Height());
    int x = 0;
    for (const char* name : glyphs) {
        strip.Canvas().Draw(x, 0, GridGlyph(QString::fromLatin1(name)));
        x += first.Width();
    }
    b->SetNumGlyphs(static_cast<int>(glyphs.size()));
    b->SetGlyph(strip);
    b->OnClick = [&handler](TObject* sender) {
        if (handler)
            handler(sender);
    };
    return b;
}

void applyHint(TControl& control, const QString& hint)
{
    control.Hint = hint;
    control.ShowHint = !hint.isEmpty();
}

}  // namespace

// ----- The edit box -----

void TRetEdit::KeyDown(WORD& Key, TShiftState Shift)
{
    if (Key != VK_RETURN) {
        TEdit::KeyDown(Key, Shift);
        return;
    }
    Key = 0;
    const TNotifyEvent& event = (Shift & ssCtrl) ? OnCtrlReturn : OnReturn;
    if (event)
        event(this);
}

void TRetEdit::KeyPress(char16_t& Key)
{
    const bool lineEnd = Key == u'\r' || Key == u'\n';
    TEdit::KeyPress(Key);
    if (lineEnd)
        Key = 0;
}

// ----- The panel -----

// The controls come first: a change of size lays them out.
TSearchPanel::TSearchPanel(TComponent* AOwner)
    : TPanel(AOwner),
      FEdit(new TRetEdit(this)),
      FFindNext(makeButton(this, {"VSGARDOWN", "VSGARDOWND"}, OnForwardClick)),
      FFindPrev(makeButton(this, {"VSGARUP", "VSGARUPD"}, OnBackwardClick)),
      FClose(makeButton(this, {"VSGCLOSE", "VSGCLOSE", "VSGCLOSED"}, OnExitClick)),
      FHighlight(makeButton(this, {"VSGHI", "VSGHID"}, OnHighlightClick)),
      FMatchCase(new TCheckBox(this))
{
    FEdit->SetParent(this);
    FEdit->OnChange = [this](TObject*) { editChanged(); };
    FEdit->OnReturn = [this](TObject* sender) {
        if (FFindNext->Enabled() && OnForwardClick)
            OnForwardClick(sender);
    };
    FEdit->OnCtrlReturn = [this](TObject* sender) {
        if (FFindPrev->Enabled() && OnBackwardClick)
            OnBackwardClick(sender);
    };
    FClose->SetHotGlyph(GridGlyph(QStringLiteral("VSGCLOSEH")));
    FHighlight->GroupIndex = 1;
    FHighlight->AllowAllUp = true;
    for (TSpeedButton* b : {FFindNext, FFindPrev, FHighlight})
        b->SetEnabled(false);
    FMatchCase->SetParent(this);
    SetAlign(alBottom);
    SetHeight(0);
    SetBorderWidth(0);
    SetBevelOuter(bvNone);
    LayoutControls();
}

void TSearchPanel::ApplySettings(const TSearchFooter& Settings)
{
    FFindNext->SetCaption(Settings.FindNextCaption());
    FFindPrev->SetCaption(Settings.FindPrevCaption());
    FHighlight->SetCaption(Settings.HighLightCaption());
    FMatchCase->SetCaption(Settings.MatchCaseCaption());
    applyHint(*FFindNext, Settings.HintFindNext());
    applyHint(*FFindPrev, Settings.HintFindPrev());
    applyHint(*FHighlight, Settings.HintHighlight());
    applyHint(*FClose, Settings.HintClose());
    FFindNext->SetVisible(Settings.ShowFindNext());
    FFindPrev->SetVisible(Settings.ShowFindPrev());
    FHighlight->SetVisible(Settings.ShowHighLight());
    FMatchCase->SetVisible(Settings.ShowMatchCase());
    FClose->SetVisible(Settings.ShowClose());
    FColor = Settings.Color();
    FColorTo = Settings.ColorTo();
    SetFont(Settings.Font());
    LayoutControls();
    Invalidate();
}

void TSearchPanel::LayoutControls()
{
    const bool mirrored = BiDiMode != bdLeftToRight;
    const auto place = [this, mirrored](TControl& c, int left, int top, int width, int height) {
        c.SetBounds(mirrored ? Width() - width - left : left, top, width, height);
    };
    place(*FEdit, 25, 6, 110, FEdit->Height());
    place(*FFindNext, 140, 5, 90, 23);
    place(*FFindPrev, 235, 5, 90, 23);
    place(*FClose, 5, 7, 14, 14);
    place(*FHighlight, 330, 5, 90, 23);
    place(*FMatchCase, FHighlight->Visible() ? 425 : 330, 8, FMatchCase->Width(), FMatchCase->Height());
}

bool TSearchPanel::HighlightDown() const
{
    return FHighlight->Down();
}

void TSearchPanel::SetFailed(bool Failed)
{
    FFailed = Failed;
    FEdit->SetColor(Failed ? FailedColor : clWindow);
}

void TSearchPanel::editChanged()
{
    const bool any = !FEdit->Text().isEmpty();
    for (TSpeedButton* b : {FFindNext, FFindPrev, FHighlight})
        b->SetEnabled(any);
    if (OnEditChange)
        OnEditChange(this);
}

void TSearchPanel::Paint()
{
    TCanvas& c = Canvas();
    const TRect r = ClientRect();
    DrawGradientRect(c, FColor, FColorTo, GradientSteps, r, false);
    c.Pen().SetColor(LineColor);
    c.MoveTo(r.Left, r.Top);
    c.LineTo(r.Right, r.Top);
}

void TSearchPanel::Resize()
{
    TPanel::Resize();
    LayoutControls();
}
