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
    bool Builds(TEditorType Type) const override { return Type == edMemoDropDown || Type == edTrackbarDropDown; }
    TWinControl& Editor(TEditorType Type) override { return Type == edMemoDropDown ? memo() : static_cast<TWinControl&>(trackBar()); }
    void SetValue(TEditorType Type, const QString& Text) override { keys(Type).SetCellValue(Text); }
    QString Value(TEditorType Type) override { return keys(Type).CellValue(); }

private:
    TGridDropDownKeys& keys(TEditorType Type)
    {
        return Type == edMemoDropDown ? static_cast<TGridDropDownKeys&>(memo()) : trackBar();
    }
    TGridMemoDropDown& memo()
    {
        if (!FMemo) {
            FMemo = made(new TGridMemoDropDown(&FGrid));
            FMemo->OnMemoChange = [this](TObject*) { FGrid.MemoDropDownChange(FMemo->CellValue()); };
        }
        return *FMemo;
    }
    TGridTrackbarDropDown& trackBar()
    {
        if (!FTrackBar) {
            FTrackBar = made(new TGridTrackbarDropDown(&FGrid));
            FTrackBar->SetEditorEnabled(true);
        }
        return *FTrackBar;
    }
    template <typename T>
    T* made(T* Editor)
    {
        Editor->SetParent(&FGrid);
        Editor->Hide();
        Editor->OnDropDownHeaderButtonClick = [this](TObject*, int Index) { FGrid.DropDownHeaderButtonClick(Index); };
        Editor->OnDropDownFooterButtonClick = [this](TObject*, int Index) { FGrid.DropDownFooterButtonClick(Index); };
        return Editor;
    }
    VOroDavoduRuzu& FGrid;
    TGridMemoDropDown* FMemo = nullptr;
    TGridTrackbarDropDown* FTrackBar = nullptr;
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

// --- Track bar -------------------------------------------------------------------------------------

TGridTrackbarDropDown::TGridTrackbarDropDown(TComponent* AOwner)
    : TVoTrackBarDropDown(AOwner), TGridDropDownKeys(*EditorGrid(AOwner), *this)
{
}

void TGridTrackbarDropDown::WndProc(TMessage& Message)
{
    TVoTrackBarDropDown::WndProc(Message);
    if (Message.Msg != CM_WANTSPECIALKEY)
        return;
    const WORD key = static_cast<WORD>(Message.WParam);
    if (key == VK_RETURN || key == VK_ESCAPE || GridWantsKey(key))
        Message.Result = 1;
}

// A text that is no integer counts as 0.
void TGridTrackbarDropDown::SetCellValue(const QString& Value)
{
    SetPosition(Value.trimmed().toInt());
    AssignText(QString::number(Position()));
}

void TGridTrackbarDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    if (!GridKeyDown(Key, Shift))
        TVoTrackBarDropDown::KeyDown(Key, Shift);
}

void TGridTrackbarDropDown::KeyPress(char16_t& Key)
{
    GridKeyPress(Key);
    TVoTrackBarDropDown::KeyPress(Key);
}

void TGridTrackbarDropDown::Change()
{
    TVoTrackBarDropDown::Change();
    GridChange();
}

void TGridTrackbarDropDown::DoExit()
{
    GridExit();
    TVoTrackBarDropDown::DoExit();
}
