// The image picker: items, the choice, the pop-up selector, keys, wheel and the edit's picture.
#include "controls/dropdown/VoImagePickerDropDown.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "grid/VoGrid/Editors/FlagScope.h"

TVoImagePickerDropDown::TVoImagePickerDropDown(TComponent* AOwner) : TVoPickerDropDown(AOwner)
{
    CreateDropDownForm();
}

void TVoImagePickerDropDown::CreateDropDownForm()
{
    TVoCustomDropDown::CreateDropDownForm();
    if (!FItemSelector) {
        FItemSelector = new TVoCustomItemSelector(this);
        FItemSelector->SetParent(DropDownForm());
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        const TKeyEvent keys = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
        FItemSelector->OnKeyDown = keys;
        FItemSelector->Panel().OnKeyDown = keys;
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
    FItemSelector->TabStop = true;
    FFocusControl = FItemSelector;
}

void TVoImagePickerDropDown::updateItemSelector()
{
    std::vector<TSelectorItem> items;
    items.reserve(FItems.size());
    for (const TImageItem& item : FItems) {
        TSelectorItem copy;
        static_cast<TImageItem&>(copy) = item;
        items.push_back(copy);
    }
    loadItemSelector(std::move(items), FItemIndex);
}

void TVoImagePickerDropDown::BeforeDropDown()
{
    updateItemSelector();
    bindDrawItem(OnDrawItem);
    FOldItemIndex = FItemIndex;
}

TSize TVoImagePickerDropDown::DropDownSize() const
{
    return selectorDropDownSize();
}

void TVoImagePickerDropDown::UpdateDropDownSize()
{
    FitDropDownAround(DropDownSize());
}

// A cancelled close puts back the choice of the drop-down.
void TVoImagePickerDropDown::DoHideDropDown(bool CancelChanges)
{
    const bool wasDown = DroppedDown();
    TVoCustomDropDown::DoHideDropDown(CancelChanges);
    if (CancelChanges && wasDown)
        SetItemIndex(FOldItemIndex);
}

void TVoImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value >= static_cast<int>(FItems.size()))
        return;
    FItemIndex = Value;
    Invalidate();
    if (OnChange)
        OnChange(this);
    if (OnSelect)
        OnSelect(this);
}

int TVoImagePickerDropDown::ImageIndex() const
{
    return FItemIndex < 0 ? -1 : FItems[FItemIndex].ImageIndex;
}

void TVoImagePickerDropDown::SetImageIndex(int Value)
{
    const auto it =
        std::find_if(FItems.begin(), FItems.end(), [Value](const TImageItem& i) { return i.ImageIndex == Value; });
    SetItemIndex(it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin()));
}

void TVoImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int i = 0; i < Images()->Count(); ++i) {
        TImageItem item;
        item.ImageIndex = i;
        FItems.push_back(item);
    }
}

void TVoImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption)
{
    const QFileInfo mask(AFolder);
    const QDir folder = mask.dir();
    const QStringList names =
        folder.entryList({mask.fileName()}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    for (const QString& name : names) {
        TImageItem item;
        if (item.Image.LoadFromFile(folder.filePath(name))) {
            if (SetImageCaption)
                item.Caption = name;
        } else {
            item.Image.Clear();
        }
        FItems.push_back(item);
    }
}

void TVoImagePickerDropDown::SelectFirst()
{
    if (!FItems.empty())
        SetItemIndex(0);
}

void TVoImagePickerDropDown::SelectLast()
{
    if (!FItems.empty())
        SetItemIndex(static_cast<int>(FItems.size()) - 1);
}

void TVoImagePickerDropDown::SelectNext()
{
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < static_cast<int>(FItems.size()))
        SetItemIndex(FItemIndex + 1);
}

void TVoImagePickerDropDown::SelectPrevious()
{
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex > 0)
        SetItemIndex(FItemIndex - 1);
}

void TVoImagePickerDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    bool committed = false;
    if (Enabled() && DroppedDown() && Key == VK_RETURN && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        committed = true;
    }
    TVoCustomDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt) || Key == 0)
        return;
    const int selected = FItemSelector->ItemIndex();
    const bool open = DroppedDown();
    switch (Key) {
    case VK_RETURN:
        if (!committed && OnSelect)
            OnSelect(this);
        break;
    case VK_UP:
    case VK_DOWN:
        if (open)
            moveInSelector(selected < 0 ? 0 : selected + (Key == VK_UP ? -FColumns : FColumns));
        else if (Key == VK_UP)
            SelectPrevious();
        else
            SelectNext();
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (!EditorEnabled() && open) {
            const TFlagScope own(FInternalCall);
            Key == VK_LEFT ? FItemSelector->SelectPrevious() : FItemSelector->SelectNext();
        }
        break;
    case VK_HOME:
    case VK_END:
        if (open) {
            const TFlagScope own(FInternalCall);
            Key == VK_HOME ? FItemSelector->SelectFirst() : FItemSelector->SelectLast();
        } else {
            Key == VK_HOME ? SelectFirst() : SelectLast();
        }
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (FItemSelector->Items().size() != FItems.size())
            updateItemSelector();
        const int v = FItemSelector->GetVisibleItemCount();
        const int last = static_cast<int>(FItemSelector->Items().size()) - 1;
        const int now = FItemSelector->ItemIndex();
        if (v >= 1)
            moveInSelector(Key == VK_PRIOR ? std::max(now - v, 0) : std::min(now + v, last));
        break;
    }
    default:
        if (!(Shift & ssCtrl)) {
            const TFlagScope own(FInternalCall);
            if (const QString text = FTypeAhead.Add(Key); !text.isEmpty())
                FItemSelector->LookupItem(text);
        }
        break;
    }
}

bool TVoImagePickerDropDown::WheelStep(bool Down)
{
    if (!Enabled())
        return false;
    selectorWheel(Down);
    return true;
}

// The chosen item's picture (or list image) centred in the edit.
void TVoImagePickerDropDown::DrawSelectedValue()
{
    TCanvas& canvas = Canvas();
    const TRect R = ClientRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, canvas, R);
        return;
    }
    if (FItemIndex < 0)
        return;
    const TImageItem& item = FItems[FItemIndex];
    if (item.Image.Graphic())
        canvas.Draw(R.Left + (R.Width() - item.Image.Width()) / 2, R.Top + (R.Height() - item.Image.Height()) / 2,
                    *item.Image.Graphic());
    else if (Images() && item.ImageIndex >= 0)
        Images()->Draw(canvas, R.Left + (R.Width() - Images()->Width()) / 2,
                       R.Top + (R.Height() - Images()->Height()) / 2, item.ImageIndex);
}
