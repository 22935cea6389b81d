// The grid's drop-down cell editors and the factory that gives them to the grid.
#include "controls/dropdown/GridDropDowns.h"

#include <algorithm>
#include <utility>

#include "grid/VoGrid/Editors/FlagScope.h"
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
    bool Builds(TEditorType Type) const override
    {
        return Type == edMemoDropDown || Type == edTrackbarDropDown || Type == edColorPickerDropDown ||
               Type == edImagePickerDropDown;
    }
    TWinControl& Editor(TEditorType Type) override { return editor(Type).first; }
    void SetValue(TEditorType Type, const QString& Text) override { editor(Type).second.SetCellValue(Text); }
    QString Value(TEditorType Type) override { return editor(Type).second.CellValue(); }
    TGridColorDropDown* ColorPicker() override
    {
        if (!FColor) {
            FColor = made(new TGridColorDropDown(&FGrid));
            FColor->AddDefaultColors();
        }
        return FColor;
    }
    TGridImageDropDown* ImagePicker() override
    {
        if (!FImage)
            FImage = made(new TGridImageDropDown(&FGrid));
        return FImage;
    }
    void SetColorValue(TColor Value) override { ColorPicker()->LoadColor(Value); }
    TColor ColorValue(QString& Text) override
    {
        Text = ColorPicker()->SelectedColorText();
        return ColorPicker()->SelectedColor();
    }
    void SetImageValue(TImageList* Images, int ImageIndex) override { ImagePicker()->LoadImage(Images, ImageIndex); }
    int ImageValue() override { return ImagePicker()->ImageIndex(); }
    int ImageItemIndex() override { return ImagePicker()->ItemIndex(); }

private:
    std::pair<TWinControl&, TGridDropDownKeys&> editor(TEditorType Type)
    {
        switch (Type) {
        case edMemoDropDown:
            return {memo(), memo()};
        case edColorPickerDropDown:
            return {*ColorPicker(), *ColorPicker()};
        case edImagePickerDropDown:
            return {*ImagePicker(), *ImagePicker()};
        default:
            return {trackBar(), trackBar()};
        }
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
        // The grid's style, tones and bar looks reach its editors when they are made.
        Editor->SetComponentStyle(FGrid.ComponentStyle());
        if (FGrid.ColorTones().Background.BrushColor != clNone)
            Editor->SetColorTones(FGrid.ColorTones());
        Editor->SetDropDownHeader(FGrid.ControlLook().DropDownHeader());
        Editor->SetDropDownFooter(FGrid.ControlLook().DropDownFooter());
        Editor->OnDropDownHeaderButtonClick = [this](TObject*, int Index) { FGrid.DropDownHeaderButtonClick(Index); };
        Editor->OnDropDownFooterButtonClick = [this](TObject*, int Index) { FGrid.DropDownFooterButtonClick(Index); };
        return Editor;
    }
    VOroDavoduRuzu& FGrid;
    TGridMemoDropDown* FMemo = nullptr;
    TGridTrackbarDropDown* FTrackBar = nullptr;
    TGridColorDropDown* FColor = nullptr;
    TGridImageDropDown* FImage = nullptr;
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

TGridDropDownKeys::TGridDropDownKeys(TComponent* AOwner, TVoCustomDropDown& Editor)
    : FGrid(*EditorGrid(AOwner)), FEditor(Editor)
{}

bool TGridDropDownKeys::GridWantsKey(WORD Key) const
{
    return Key == VK_TAB && FGrid.HasCellValidation();
}

bool TGridDropDownKeys::WantsSpecialKey(WORD Key) const
{
    return (ClaimsEnterAndEsc() && (Key == VK_RETURN || Key == VK_ESCAPE)) || GridWantsKey(Key);
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

bool TGridDropDownKeys::HandlesKey(WORD Key) const
{
    return isGridKey(Key);
}

bool TGridDropDownKeys::GridKeyDown(WORD& Key, TShiftState Shift)
{
    if (!HandlesKey(Key) || ((Shift & ssAlt) && (Key == VK_DOWN || Key == VK_UP)))
        return false;
    if (Key == VK_ESCAPE) {
        if (FEditor.DroppedDown())
            return false;
        SetCellValue(FGrid.CurrentCell());
        FGrid.FDropDownCancel = true;
        FGrid.HideInplaceEdit();
        FGrid.FDropDownCancel = false;
        FGrid.SetFocus();
        Key = 0;
        return true;
    }
    if ((Key == VK_RETURN || (CommitsOnArrows() && (Key == VK_UP || Key == VK_DOWN))) && !commit(Key))
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
        FEditor.HideDropDown(false);
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

// --- Track bar -------------------------------------------------------------------------------------

// A text that is no integer counts as 0.
void TGridTrackbarDropDown::SetCellValue(const QString& Value)
{
    SetPosition(Value.trimmed().toInt());
    AssignText(QString::number(Position()));
}

// --- Colour picker ---------------------------------------------------------------------------------

TGridColorDropDown::TGridColorDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    OnSelect = [this](TObject*) {
        if (!FLoading)
            Grid().DoColorSelect();
    };
}

void TGridColorDropDown::SetCellValue(const QString& Value)
{
    const auto it =
        std::find_if(Colors().begin(), Colors().end(), [&](const TColorItem& c) { return c.Caption == Value; });
    if (it == Colors().end())
        return;
    const TFlagScope quiet(FLoading);
    SetItemIndex(static_cast<int>(it - Colors().begin()));
}

// A colour outside the list clears the list choice, so that the text is never the previous cell's.
void TGridColorDropDown::LoadColor(TColor Value)
{
    const TFlagScope quiet(FLoading);
    const auto it =
        std::find_if(Colors().begin(), Colors().end(), [Value](const TColorItem& c) { return c.Color == Value; });
    if (it != Colors().end()) {
        SetItemIndex(static_cast<int>(it - Colors().begin()));
        return;
    }
    SetItemIndex(-1);
    SetSelectedColor(Value);
}

bool TGridColorDropDown::HandlesKey(WORD Key) const
{
    if (DroppedDown())
        return Key == VK_TAB || Key == VK_RETURN || Key == VK_ESCAPE;
    return TGridDropDownKeys::HandlesKey(Key) || Key == VK_HOME;
}

// --- Image picker ----------------------------------------------------------------------------------

TGridImageDropDown::TGridImageDropDown(TComponent* AOwner) : TGridDropDown(AOwner)
{
    OnSelect = [this](TObject*) {
        ShowCaption();
        if (!FLoading)
            Grid().DoImageSelect();
    };
}

void TGridImageDropDown::ShowCaption()
{
    AssignText(ItemIndex() >= 0 ? Items()[ItemIndex()].Caption : QString());
}

void TGridImageDropDown::LoadImage(TImageList* Images, int ImageIndex)
{
    SetImages(Images);
    if (Items().empty())
        AddImagesFromImageList();
    const TFlagScope quiet(FLoading);
    SetImageIndex(ImageIndex);
    ShowCaption();
}

QString TGridImageDropDown::CellValue() const
{
    VOroDavoduRuzu& grid = Grid();
    return grid.HasDataImage(grid.RealColIndex(grid.Col()), grid.Row()) ? QString::number(ImageIndex())
                                                                        : grid.CurrentCell();
}

void TGridImageDropDown::SetCellValue(const QString& Value)
{
    VOroDavoduRuzu& grid = Grid();
    if (!grid.HasDataImage(grid.RealColIndex(grid.Col()), grid.Row()))
        return;
    const TFlagScope quiet(FLoading);
    SetImageIndex(Value.trimmed().toInt());
}
