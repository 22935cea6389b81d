// The grid's drop-down cell editors and the factory that gives them to the grid.
#include "controls/dropdown/GridDropDowns.h"

#include "grid/VoGrid/Editors/GridEditors.h"
#include "grid/VoGrid/VoGrid.h"

namespace {
constexpr char16_t Enter = 13, Tab = 9, Esc = 27;

bool isGridKey(WORD Key)
{
    return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE || Key == VK_PRIOR || Key == VK_NEXT ||
           Key == VK_END || Key == VK_UP || Key == VK_DOWN;
}

// The editors of one grid, made on first use as hidden children of the grid.
class TGridDropDownEditors : public VOroDavoduRuzu::TDropDownEditors {
public:
    explicit TGridDropDownEditors(VOroDavoduRuzu& Grid) : FGrid(Grid) {}
    bool Builds(TEditorType Type) const override { return Type == edMemoDropDown; }
    TWinControl& Editor(TEditorType) override { return memo(); }
    void SetValue(TEditorType, const QString& Text) override { memo().SetCellValue(Text); }
    QString Value(TEditorType) override { return memo().CellValue(); }

private:
    TGridMemoDropDown& memo()
    {
        if (!FMemo) {
            FMemo = new TGridMemoDropDown(&FGrid);
            FMemo->SetParent(&FGrid);
            FMemo->Hide();
            FMemo->OnMemoChange = [this](TObject*) { FGrid.MemoDropDownChange(FMemo->CellValue()); };
            wire(*FMemo);
        }
        return *FMemo;
    }
    void wire(TVoCustomDropDown& Editor)
    {
        Editor.OnDropDownHeaderButtonClick = [this](TObject*, int Index) { FGrid.DropDownHeaderButtonClick(Index); };
        Editor.OnDropDownFooterButtonClick = [this](TObject*, int Index) { FGrid.DropDownFooterButtonClick(Index); };
    }
    VOroDavoduRuzu& FGrid;
    TGridMemoDropDown* FMemo = nullptr;
};
}  // namespace

void InstallGridDropDowns()
{
    if (!VOroDavoduRuzu::DropDownFactory())
        VOroDavoduRuzu::DropDownFactory() = [](VOroDavoduRuzu& Grid) {
            return std::make_unique<TGridDropDownEditors>(Grid);
        };
}

// --- Shared rules ----------------------------------------------------------------------------------

bool TGridDropDownKeys::GridWantsKey(WORD Key) const
{
    return Key == VK_TAB && FGrid.HasCellValidation();
}

// Enter, Up and Down validate the value first; a refusal keeps the editor open on the settled text.
bool TGridDropDownKeys::commit(WORD& Key)
{
    FGrid.SetCurrentCell(CellValue());
    if (!FGrid.ValidateCell(CellValue())) {
        SetCellValue(FGrid.NewCellText());
        FEditor.SelectAll();
        FEditor.Invalidate();
        Key = 0;
        FGrid.FNoAutoAdvance = true;
        return false;
    }
    SetCellValue(FGrid.CurrentCell());
    return true;
}

bool TGridDropDownKeys::GridKeyDown(WORD& Key, TShiftState Shift)
{
    if (!isGridKey(Key) || ((Shift & ssAlt) && (Key == VK_DOWN || Key == VK_UP)))
        return false;
    if (Key == VK_ESCAPE) {
        if (FEditor.DroppedDown())
            return false;
        SetCellValue(FGrid.CurrentCell());
        FGrid.HideInplaceEdit();
        FGrid.SetFocus();
        Key = 0;
        return true;
    }
    if ((Key == VK_RETURN || Key == VK_UP || Key == VK_DOWN) && !commit(Key))
        return true;
    if (Key == VK_TAB && FGrid.HasCellValidation()) {
        FGrid.SetCurrentCell(CellValue());
        if (!FGrid.ValidateCell(CellValue())) {
            SetCellValue(FGrid.NewCellText());
            FEditor.SetSelStart(FEditor.Text().size());
            Key = 0;
            return true;
        }
        if (FGrid.editorTab()) {
            Key = 0;
            return true;
        }
    }
    if (FEditor.DroppedDown()) {
        FEditor.DoHideDropDown(false);
        FGrid.HideInplaceEdit();
        if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN)
            Key = 0;
    } else if (Key == VK_END) {
        return false;
    }
    FGrid.editorFinish(Key, Shift, true);
    return true;
}

void TGridDropDownKeys::GridKeyPress(char16_t& Key)
{
    if (FGrid.OnKeyPress)
        FGrid.OnKeyPress(&FEditor, Key);
    if (Key == Esc || Key == Enter || Key == Tab)
        Key = 0;
}

void TGridDropDownKeys::GridChange()
{
    if (FGrid.OnEditChange)
        FGrid.OnEditChange(&FGrid, FGrid.Col(), FGrid.Row(), FEditor.Text());
}

void TGridDropDownKeys::GridExit()
{
    if (!FEditor.DroppedDown())
        FGrid.editorExit();
}

// --- Memo ------------------------------------------------------------------------------------------

TGridMemoDropDown::TGridMemoDropDown(TComponent* AOwner)
    : TVoMemoDropDown(AOwner), TGridDropDownKeys(*EditorGrid(AOwner), *this)
{
}

void TGridMemoDropDown::WndProc(TMessage& Message)
{
    TVoMemoDropDown::WndProc(Message);
    if (Message.Msg == CM_WANTSPECIALKEY && GridWantsKey(static_cast<WORD>(Message.WParam)))
        Message.Result = 1;
}

QString TGridMemoDropDown::CellValue() const
{
    return MemoText().ToQStringList().join(QStringLiteral("\r\n"));
}

void TGridMemoDropDown::SetCellValue(const QString& Value)
{
    TStringList lines;
    lines.SetText(Value);
    SetMemoText(lines);
    SetSelStart(0);
}

void TGridMemoDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    if (!GridKeyDown(Key, Shift))
        TVoMemoDropDown::KeyDown(Key, Shift);
}

void TGridMemoDropDown::KeyPress(char16_t& Key)
{
    GridKeyPress(Key);
    TVoMemoDropDown::KeyPress(Key);
}

void TGridMemoDropDown::Change()
{
    TVoMemoDropDown::Change();
    GridChange();
}

void TGridMemoDropDown::DoExit()
{
    GridExit();
    TVoMemoDropDown::DoExit();
}
