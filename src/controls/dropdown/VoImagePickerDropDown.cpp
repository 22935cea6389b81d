// The image picker: items, the choice, the pop-up selector, keys, wheel and the edit's picture.
#include "controls/dropdown/VoImagePickerDropDown.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

#include "grid/VoGrid/Editors/FlagScope.h"
#include "platform/SystemMetrics.h"

TVoImagePickerDropDown::TVoImagePickerDropDown(TComponent* AOwner) : TVoCustomDropDown(AOwner), FTypeAhead(this)
{
    SetEditorEnabled(false);
    SetCursor(crArrow);
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
    DropDownForm()->SetControl(FItemSelector);
}

// The selector takes the items, settings and choice without reporting them, then reports its choices.
void TVoImagePickerDropDown::updateItemSelector()
{
    if (!FItemSelector)
        return;
    FItemSelector->OnItemSelect = nullptr;
    FItemSelector->SetColumns(FColumns);
    FItemSelector->SetImages(Images());
    FItemSelector->SetItemLayout(FLayout);
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->ItemAppearance().Assign(FItemAppearance);
    std::vector<TSelectorItem>& items = FItemSelector->Items();
    items.clear();
    for (const TImageItem& item : FItems) {
        TSelectorItem copy;
        static_cast<TImageItem&>(copy) = item;
        items.push_back(copy);
    }
    FItemSelector->UpdateSelectorPanel();
    FItemSelector->SetItemIndex(FItemIndex);
    FItemSelector->OnItemSelect = [this](TObject*) { selectorItemSelect(); };
    FItemSelector->Panel().ShowHint = ShowHint;
}

void TVoImagePickerDropDown::BeforeDropDown()
{
    updateItemSelector();
    if (OnDrawItem)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas& Canvas, const TRect& R, int Index) {
            OnDrawItem(this, Canvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
    FOldItemIndex = FItemIndex;
}

// The items' own size unless a width or height is set; room for the scroll bar when it shows.
TSize TVoImagePickerDropDown::DropDownSize() const
{
    TSize size = TVoCustomDropDown::DropDownSize();
    const TSize panel = FItemSelector->GetSelectorPanelSize();
    if (DropDownWidth() < 1)
        size.cx = panel.cx;
    if (DropDownHeight() < 1)
        size.cy = panel.cy;
    if (panel.cy > size.cy)
        size.cx += GetSystemMetrics(SM_CXVSCROLL);
    return size;
}

// A cancelled close puts back the choice of the drop-down.
void TVoImagePickerDropDown::DoHideDropDown(bool CancelChanges)
{
    const bool wasDown = DroppedDown();
    TVoCustomDropDown::DoHideDropDown(CancelChanges);
    if (CancelChanges && wasDown)
        SetItemIndex(FOldItemIndex);
}

void TVoImagePickerDropDown::selectorItemSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
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

// Selects the target in the pop-up without closing it; targets outside the items are ignored.
void TVoImagePickerDropDown::moveInSelector(int Target)
{
    if (Target < 0 || Target >= static_cast<int>(FItemSelector->Items().size()))
        return;
    const TFlagScope own(FInternalCall);
    FItemSelector->SetItemIndex(Target);
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

bool TVoImagePickerDropDown::wheel(bool Down)
{
    if (!Enabled())
        return false;
    if (DroppedDown()) {
        Down ? FItemSelector->HotNext() : FItemSelector->HotPrevious();
    } else {
        const TFlagScope own(FInternalCall);
        Down ? FItemSelector->SelectNext() : FItemSelector->SelectPrevious();
    }
    return true;
}

bool TVoImagePickerDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TVoCustomDropDown::DoMouseWheelDown(Shift, MousePos);
    return wheel(true) || handled;
}

bool TVoImagePickerDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool handled = TVoCustomDropDown::DoMouseWheelUp(Shift, MousePos);
    return wheel(false) || handled;
}

void TVoImagePickerDropDown::WndProc(TMessage& Message)
{
    TVoCustomDropDown::WndProc(Message);
    if (Message.Msg == WM_PAINT)
        drawSelectedImage();
}

// The chosen item's picture (or list image) centred in the edit.
void TVoImagePickerDropDown::drawSelectedImage()
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
