// The colour picker: the colours, the choice and its text, the pop-up contents, keys, wheel and the
// edit's swatch.
#include "controls/dropdown/VoColorPickerDropDown.h"

#include <algorithm>

#include "grid/VoGrid/Editors/FlagScope.h"

namespace {
struct TNamedColor {
    const char* Name;
    TColor Color;
};
constexpr TNamedColor BasicColors[] = {
    {"Black", 0x000000},  {"Maroon", 0x000080},  {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},   {"Purple", 0x800080},  {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},     {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},   {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00},  {"White", 0xFFFFFF}};

QString htmlColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return QStringLiteral("#%1%2%3")
        .arg(GetRValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(c), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(c), 2, 16, QLatin1Char('0'))
        .toUpper();
}

// The web name of a basic colour, else its HTML value.
QString webColorName(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    for (const TNamedColor& n : BasicColors)
        if (n.Color == c)
            return QString::fromLatin1(n.Name).toLower();
    return htmlColor(Color);
}
}  // namespace

TVoColorPickerDropDown::TVoColorPickerDropDown(TComponent* AOwner) : TVoPickerDropDown(AOwner)
{
    SetDropDownHeight(200);
    CreateDropDownForm();
}

void TVoColorPickerDropDown::AddDefaultColors()
{
    for (const TNamedColor& n : BasicColors)
        FColors.push_back({QString::fromLatin1(n.Name), n.Color, true, {}});
}

void TVoColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (Value == FSelectedColor)
        return;
    FSelectedColor = Value;
    const auto it =
        std::find_if(FColors.begin(), FColors.end(), [Value](const TColorItem& i) { return i.Color == Value; });
    if (it != FColors.end())
        SetItemIndex(static_cast<int>(it - FColors.begin()));
    Invalidate();
}

void TVoColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= static_cast<int>(FColors.size()))
        return;
    FItemIndex = Value;
    if (Value >= 0)
        FSelectedColor = FColors[Value].Color;
    Invalidate();
    if (OnSelect)
        OnSelect(this);
}

QString TVoColorPickerDropDown::SelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0)
        return FColors[FItemIndex].Caption;
    const TColor rgb = ColorToRGB(FSelectedColor);
    switch (FColorValueText) {
    case cvtHex:
        return QStringLiteral("%1").arg(FSelectedColor, 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName:
        return webColorName(FSelectedColor);
    case cvtRGB:
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
    case cvtHTML:
        return htmlColor(FSelectedColor);
    case cvtNone:
        break;
    }
    return {};
}

void TVoColorPickerDropDown::SetShowText(bool Value)
{
    if (Value == FShowText)
        return;
    FShowText = Value;
    Invalidate();
}

void TVoColorPickerDropDown::SetColorBoxSize(int Width, int Height)
{
    FColorBoxWidth = Width;
    FColorBoxHeight = Height;
}

// --- Pop-up contents -------------------------------------------------------------------------------

template <typename T>
T* TVoColorPickerDropDown::placed(T* Content)
{
    Content->SetParent(DropDownForm());
    Content->SetBounds(0, 0, Content->Width(), Content->Height());
    Content->SetColor(DropDownColor());
    const TKeyEvent keys = [this](TObject*, WORD& Key, TShiftState Shift) { KeyDown(Key, Shift); };
    Content->OnKeyDown = keys;
    return Content;
}

TWinControl* TVoColorPickerDropDown::content() const
{
    switch (FColorSelectionStyle) {
    case csList:
        return FItemSelector;
    case csDiscrete:
        return FColorSelector;
    case csColorCube:
        return FColorCubePanel;
    case csSpectrum:
        return FSpectrumPanel;
    }
    return nullptr;
}

// Makes the style's content if needed, hides the others and gives it the pop-up.
TWinControl& TVoColorPickerDropDown::makeContent()
{
    switch (FColorSelectionStyle) {
    case csList:
        if (!FItemSelector) {
            FItemSelector = placed(new TVoCustomItemSelector(this));
            FItemSelector->Panel().OnKeyDown = FItemSelector->OnKeyDown;
            FItemSelector->SetSelectorType(stColor);
            FItemSelector->SetHeight(150);
            FItemSelector->UpdateSelectorPanel();
        }
        break;
    case csDiscrete:
        if (!FColorSelector) {
            FColorSelector = placed(new TCustomColorSelector(this));
            FColorSelector->AddDefaultColorBoxes();
        }
        FColorSelector->ArrangeItems();
        break;
    case csColorCube:
        if (!FColorCubePanel)
            FColorCubePanel = placed(new TVoColorCubePanel(this));
        break;
    case csSpectrum:
        if (!FSpectrumPanel)
            FSpectrumPanel = placed(new TVoColorSpectrumPanel(this));
        break;
    }
    TWinControl* shown = content();
    for (TWinControl* c :
         std::initializer_list<TWinControl*>{FItemSelector, FColorSelector, FColorCubePanel, FSpectrumPanel})
        if (c)
            c->SetVisible(c == shown);
    SetControl(shown);
    shown->TabStop = true;
    FFocusControl = shown;
    return *shown;
}

void TVoColorPickerDropDown::CreateDropDownForm()
{
    TVoCustomDropDown::CreateDropDownForm();
    makeContent();
}

void TVoColorPickerDropDown::updateItemSelector()
{
    if (!FItemSelector)
        return;
    std::vector<TSelectorItem> items;
    items.reserve(FColors.size());
    for (const TColorItem& c : FColors) {
        TSelectorItem item;
        item.Caption = c.Caption;
        item.Color = c.Color;
        item.Hint = c.Hint;
        items.push_back(item);
    }
    loadItemSelector(std::move(items), FItemIndex);
}

void TVoColorPickerDropDown::AdjustSelector(TVoCustomItemSelector& Selector)
{
    Selector.SetColorBoxSize(FColorBoxWidth, FColorBoxHeight);
}

// Loads the style's content with the choice and binds its selection.
void TVoColorPickerDropDown::prepareContent()
{
    makeContent();
    switch (FColorSelectionStyle) {
    case csList:
        updateItemSelector();
        bindDrawItem(OnDrawColor);
        FOldItemIndex = FItemIndex;
        break;
    case csDiscrete:
        FColorSelector->OnItemSelect = nullptr;
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->ArrangeItems();
        FColorSelector->OnItemSelect = [this](TObject*) { discreteSelect(); };
        FColorSelector->SetItemColorStyle(FItemAppearance.ColorStyle());
        break;
    case csColorCube:
        FColorCubePanel->SetSelectedColor(FSelectedColor);
        FColorCubePanel->InitCells();
        FColorCubePanel->ClearHot();
        FColorCubePanel->OnSelect = [this](TObject*) { panelSelect(FColorCubePanel->SelectedColor()); };
        break;
    case csSpectrum:
        FSpectrumPanel->SetSelectedColor(FSelectedColor);
        FSpectrumPanel->UpdateLayout();
        FSpectrumPanel->OnSelect = [this](TObject*) { panelSelect(FSpectrumPanel->SelectedColor()); };
        break;
    }
    FOldSelectedColor = FSelectedColor;
}

void TVoColorPickerDropDown::BeforeDropDown()
{
    prepareContent();
}

void TVoColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (Value == FColorSelectionStyle)
        return;
    FColorSelectionStyle = Value;
    prepareContent();
    if (DroppedDown()) {
        UpdateDropDownSize();
        SetControl(content());
    }
    DropDownForm()->Invalidate();
}

// The panels' own size; the list's items' size unless a width or height is set.
TSize TVoColorPickerDropDown::DropDownSize() const
{
    if (FColorSelectionStyle != csList) {
        const TWinControl* c = content();
        return {c->Width(), c->Height()};
    }
    return selectorDropDownSize();
}

void TVoColorPickerDropDown::UpdateDropDownSize()
{
    FitDropDownAround(DropDownSize());
}

void TVoColorPickerDropDown::discreteSelect()
{
    SetSelectedColor(FColorSelector->SelectedColor());
    SetItemIndex(-1);
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TVoColorPickerDropDown::panelSelect(TColor Color)
{
    SetSelectedColor(Color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

// A cancelled close puts back the choice of the drop-down.
void TVoColorPickerDropDown::DoHideDropDown(bool CancelChanges)
{
    const bool wasDown = DroppedDown();
    TVoCustomDropDown::DoHideDropDown(CancelChanges);
    if (!CancelChanges || !wasDown)
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        SetItemIndex(FOldItemIndex);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        const TFlagScope own(FInternalCall);
        FColorSelector->SetSelectedColor(FOldSelectedColor);
        SetSelectedColor(FOldSelectedColor);
    }
}

// --- Keys and wheel --------------------------------------------------------------------------------

void TVoColorPickerDropDown::listKeys(WORD Key, TShiftState Shift, bool Committed)
{
    if (FItemSelector->Items().size() != FColors.size())
        updateItemSelector();
    const bool open = DroppedDown();
    const int selected = FItemSelector->ItemIndex();
    const int last = static_cast<int>(FColors.size()) - 1;
    const TFlagScope own(FInternalCall);
    switch (Key) {
    case VK_RETURN:
        if (!Committed && OnSelect)
            OnSelect(this);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        if (const int n = FItemSelector->GetVisibleItemCount(); n > 0)
            moveInSelector(Key == VK_PRIOR ? std::max(selected - n, 0) : std::min(selected + n, last));
        break;
    case VK_HOME:
    case VK_END:
        if (open)
            Key == VK_HOME ? FItemSelector->SelectFirst() : FItemSelector->SelectLast();
        else if (last >= 0)
            SetItemIndex(Key == VK_HOME ? 0 : last);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !EditorEnabled())
            Key == VK_LEFT ? FItemSelector->SelectPrevious() : FItemSelector->SelectNext();
        break;
    case VK_UP:
    case VK_DOWN:
        if (open)
            moveInSelector(selected < 0 ? 0 : selected + (Key == VK_UP ? -FColumns : FColumns));
        else if (FItemIndex < 0 && last >= 0)
            SetItemIndex(0);
        else if (Key == VK_UP && FItemIndex > 0)
            SetItemIndex(FItemIndex - 1);
        else if (Key == VK_DOWN && FItemIndex < last)
            SetItemIndex(FItemIndex + 1);
        break;
    default:
        if (Shift & ssCtrl)
            break;
        if (const QString text = FTypeAhead.Add(Key); !text.isEmpty())
            FItemSelector->LookupItem(text);
        break;
    }
}

void TVoColorPickerDropDown::KeyDown(WORD& Key, TShiftState Shift)
{
    bool committed = false;
    if (Enabled() && DroppedDown() && Key == VK_RETURN) {
        if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            committed = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            committed = true;
        }
    }
    TVoCustomDropDown::KeyDown(Key, Shift);
    if (!Enabled() || (Shift & ssAlt) || Key == 0)
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        listKeys(Key, Shift, committed);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        {
            const TFlagScope own(FInternalCall);
            FColorSelector->HandleKey(Key, EditorEnabled(), DroppedDown());
        }
        if (Key == VK_RETURN && !committed && OnSelect)
            OnSelect(this);
    }
}

bool TVoColorPickerDropDown::WheelStep(bool Down)
{
    if (!Enabled())
        return false;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (FItemSelector->Items().size() != FColors.size())
            updateItemSelector();
        selectorWheel(Down);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        const TFlagScope own(FInternalCall);
        if (DroppedDown())
            Down ? FColorSelector->HotNext() : FColorSelector->HotPrevious();
        else
            Down ? FColorSelector->SelectNext() : FColorSelector->SelectPrevious();
    }
    return true;
}

// --- Drawing ---------------------------------------------------------------------------------------

// The swatch of the colour and, with ShowText, its text beside it.
void TVoColorPickerDropDown::DrawSelectedValue()
{
    TCanvas& canvas = Canvas();
    const TRect R = Rect(1, 1, Width() - 2, Height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, canvas, R);
        return;
    }
    if (FSelectedColor == clNone)
        return;
    const int top = R.Top + (Height() - FColorBoxHeight) / 2;
    const TRect swatch = Rect(R.Left + 4, top, R.Left + 4 + FColorBoxWidth, top + FColorBoxHeight);
    canvas.Pen().SetColor(clBlack);
    canvas.Brush().SetColor(FSelectedColor);
    canvas.Rectangle(swatch);
    if (!FShowText)
        return;
    TRect text = Rect(swatch.Right + 4, R.Top, R.Right, R.Bottom);
    canvas.Font().Assign(Font());
    canvas.Brush().SetColor(Focused() ? clHighlight : Color());
    canvas.FillRect(text);
    if (Focused() && !EditorEnabled())
        canvas.Font().SetColor(clHighlightText);
    canvas.Brush().SetStyle(bsClear);
    canvas.DrawText(SelectedColorText(), text, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS);
}
