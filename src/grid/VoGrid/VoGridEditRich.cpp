// The custom editor through the edit link, and rich text: the rich editors, and the cell text that keeps
// a rich text's RTF stream one character per byte.
#include "grid/VoGrid/Editors/EditLink.h"
#include "grid/VoGrid/Editors/FlagScope.h"
#include "grid/VoGrid/Editors/VoRichEdit.h"
#include "grid/VoGrid/VoGrid.h"

TVoRichEdit* VOroDavoduRuzu::InplaceRichEdit()
{
    if (!FInplaceRichEdit) {
        FInplaceRichEdit = new TVoRichEdit(this);
        FInplaceRichEdit->SetParent(this);
        FInplaceRichEdit->OnSelectionChange = [this](TObject*) {
            if (OnRichEditSelectionChange)
                OnRichEditSelectionChange(this);
        };
    }
    return FInplaceRichEdit;
}

TVoRichEdit* VOroDavoduRuzu::RichEdit()
{
    if (!FRichEdit) {
        FRichEdit = new TVoRichEdit(this);
        FRichEdit->SetParent(this);
    }
    return FRichEdit;
}

// A cell whose text is not RTF loads as that text, so that no character beyond Latin-1 is lost.
void VOroDavoduRuzu::CellToRich(int Col, int Row, TVoRichEdit& R)
{
    const QString text = Cells(Col, Row);
    if (text.isEmpty()) {
        R.SetText(QString());
        return;
    }
    if (!text.startsWith(QLatin1String("{\\rtf"))) {
        R.SetText(text);
        return;
    }
    QByteArray stream;
    stream.reserve(text.size());
    for (const QChar ch : text)
        stream.append(static_cast<char>(ch.unicode() & 0xFF));
    R.LoadFromRtf(stream);
}

QString VOroDavoduRuzu::RichToString(TVoRichEdit& R)
{
    if (ComponentState() & csDestroying)
        return QString();
    return QString::fromLatin1(R.SaveToRtf());
}

void VOroDavoduRuzu::RichToCell(int Col, int Row, TVoRichEdit& R)
{
    SetCells(Col, Row, RichToString(R));
}

void VOroDavoduRuzu::showRichEdit(int C, int ARow, const TRect& R)
{
    TVoRichEdit& rich = *InplaceRichEdit();
    rich.SetHideSelection(false);
    rich.SetBounds(R.Left, R.Top, R.Width() - 1, R.Height() - 1);
    {
        const TFlagScope locked(rich.FLocked);
        const TFlagScope quiet(FNoEditChange);
        CellToRich(C, ARow, rich);
    }
    if (FNavigation.EditSelectAll)
        rich.SelectAll();
    rich.SetVisible(true);
    rich.SetEnabled(true);
    rich.SetFocus();
    FEditCtrl = &rich;
}

void VOroDavoduRuzu::showCustom(int C, int ARow, const TRect& R, const TBrush& Brush, const TFont& Font)
{
    if (!EditLink)
        return;
    TFont font;
    font.Assign(Font);
    EditLink->Open(this, DisplColIndexOf(C), ARow, R, Brush.Color(), font);
    DoGetEditorProp(C, ARow, EditLink);
    {
        const TFlagScope quiet(FNoEditChange);
        EditLink->SetEditorValue(GetEditText(DisplColIndexOf(C), ARow));
    }
    EditLink->SetFocus(true);
    FEditActive = true;
    TWinControl* control = EditLink->GetEditControl();
    if (control && !FStartEditChar.isNull())
        PostMessage(control, WM_CHAR, FStartEditChar.unicode());
    FEditCtrl = control;
}
