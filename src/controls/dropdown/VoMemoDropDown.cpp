// The memo drop-down: the text, its one-line summary and the pop-up memo.
#include "controls/dropdown/VoMemoDropDown.h"

#include "grid/VoGrid/Editors/FlagScope.h"
#include "platform/Bitmap.h"

namespace {
const QString Ellipsis = QStringLiteral("...");
}  // namespace

TVoMemoDropDown::TVoMemoDropDown(TComponent* AOwner) : TVoCustomDropDown(AOwner)
{
    CreateDropDownForm();
}

void TVoMemoDropDown::CreateDropDownForm()
{
    TVoCustomDropDown::CreateDropDownForm();
    if (FMemo)
        return;
    FMemo = new TMemo(this);
    FMemo->SetParent(DropDownForm());
    FMemo->SetHeight(100);
    FMemo->OnChange = [this](TObject*) {
        if (OnMemoChange)
            OnMemoChange(this);
    };
    FMemo->OnKeyDown = [this](TObject*, WORD& Key, TShiftState Shift) {
        if (Key == 'A' && (Shift & ssCtrl)) {
            FMemo->SelectAll();
            Key = 0;
            return;
        }
        ControlKeyDown(Key, Shift);
    };
    SetControl(FMemo);
    FMemo->TabStop = true;
    FFocusControl = FMemo;
}

void TVoMemoDropDown::BeforeDropDown()
{
    DropDownForm()->CancelOnDeActivate = false;
    FMemo->SetLines(FMemoText.ToQStringList());
    FMemo->SetReadOnly(FMemoReadOnly);
}

void TVoMemoDropDown::DoHideDropDown(bool CancelChanges)
{
    if (CancelChanges && DroppedDown())
        FMemo->SetLines(FMemoText.ToQStringList());
    // A cancel puts back the lines, not the one-line summary the edit shows.
    const TFlagScope keep(FInternalUpdate);
    TVoCustomDropDown::DoHideDropDown(CancelChanges);
}

void TVoMemoDropDown::DropDownFormHide()
{
    TVoCustomDropDown::DropDownFormHide();
    FMemoText.SetFrom(FMemo->Lines());
    UpdateEditText();
    SetSelStart(0);
}

void TVoMemoDropDown::SetMemoText(const TStringList& Value)
{
    FMemoText.Assign(Value);
    if (DroppedDown())
        FMemo->SetLines(FMemoText.ToQStringList());
    UpdateEditText();
}

void TVoMemoDropDown::SetMemoReadOnly(bool Value)
{
    FMemoReadOnly = Value;
    if (DroppedDown())
        FMemo->SetReadOnly(Value);
}

void TVoMemoDropDown::Change()
{
    if (!FInternalUpdate)
        FMemoText.SetText(Text());
    TVoCustomDropDown::Change();
}

void TVoMemoDropDown::UpdateEditText()
{
    AssignText(summary());
}

// The whole text, or the first line cut to the edit's width with "..." (or followed by it when more
// lines follow).
QString TVoMemoDropDown::summary() const
{
    if (FMemoText.Count() == 0 || EditorEnabled())
        return FMemoText.ToQStringList().join(u'\n');
    const QString line = FMemoText[0];
    TBitmap measure;
    TCanvas& canvas = measure.Canvas();
    canvas.Font().Assign(Font());
    const int width = Width() - 4;
    if (canvas.TextWidth(line) < width)
        return FMemoText.Count() > 1 ? line + Ellipsis : line;
    for (qsizetype n = line.size() - 1; n > 0; --n) {
        const QString candidate = line.left(n) + Ellipsis;
        if (canvas.TextWidth(candidate) < width)
            return candidate;
    }
    return line;
}
