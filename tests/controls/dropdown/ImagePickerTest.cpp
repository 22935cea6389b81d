// The item selector and the image picker: layout, choice by key, mouse, wheel and typing, cancel, the
// items from an image list or a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "controls/dropdown/VoImagePickerDropDown.h"
#include "support/TestSeams.h"

namespace {
TTimer& typeAheadTimer(TComponent& picker)
{
    for (int i = 0; i < picker.ComponentCount(); ++i)
        if (auto* timer = dynamic_cast<TTimer*>(picker.Components(i)))
            return *timer;
    throw std::logic_error("no timer");
}

struct PickerForm {
    explicit PickerForm(int count, const QStringList& captions = {}) : form(nullptr), images(16, 16)
    {
        form.SetBounds(0, 0, 300, 200);
        for (int i = 0; i < count; ++i)
            images.Add(TBitmap(16, 16));
        picker = new TVoImagePickerDropDown(&form);
        picker->SetParent(&form);
        picker->SetBounds(10, 10, 120, 24);
        picker->SetImages(&images);
        picker->AddImagesFromImageList();
        for (int i = 0; i < captions.size(); ++i)
            picker->Items()[i].Caption = captions[i];
        picker->OnSelect = [this](TObject*) { selects.push_back(picker->ItemIndex()); };
        form.Show();
        picker->SetFocus();
    }
    TVoCustomItemSelector& selector() { return *picker->ItemSelector(); }
    TPoint itemCentre(int index)
    {
        const TRect& r = selector().Items()[index].Rect;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    TForm form;
    TImageList images;
    TVoImagePickerDropDown* picker;
    std::vector<int> selects;
};
}  // namespace

TEST(ItemSelector, LaysItemsOutInRowsOfColumns)
{
    TForm form(nullptr);
    auto* selector = new TVoCustomItemSelector(&form);
    selector->SetParent(&form);
    EXPECT_EQ(selector->GetSelectorPanelSize(), (TSize{100, 50})) << "no items";
    selector->SetSelectorType(stColor);
    selector->Items().resize(7);
    selector->SetColumns(3);
    selector->SetColumns(0);
    selector->SetColumns(-2);
    EXPECT_EQ(selector->Columns(), 3) << "values below 1 are ignored";
    selector->UpdateSelectorPanel();
    const TSize item = selector->Panel().GetItemSize();
    EXPECT_EQ(item, (TSize{8 + 14, 8 + 14})) << "a colour box and no captions";
    EXPECT_EQ(selector->GetSelectorPanelSize(), (TSize{3 * item.cx + 4, 3 * item.cy + 4}));
    EXPECT_EQ(selector->Items()[3].Rect, Rect(2, 2 + item.cy, 2 + item.cx, 2 + 2 * item.cy)) << "second row";
    EXPECT_EQ(selector->Items()[6].Rect.Top, 2 + 2 * item.cy) << "one item in the last row";
    EXPECT_EQ(selector->Panel().ItemAtPos(2 + item.cx + 1, 3), 1);
    EXPECT_EQ(selector->Panel().ItemAtPos(1, 1), -1);

    selector->Items()[0].Caption = QStringLiteral("wide caption");
    selector->UpdateSelectorPanel();
    EXPECT_GT(selector->Panel().GetItemSize().cx, 8 + 14 + 4 + 4) << "the caption, its gap and 4 more";
}

TEST(ItemSelector, NavigationAndLookupStayInsideTheItems)
{
    TForm form(nullptr);
    auto* selector = new TVoCustomItemSelector(&form);
    selector->SetParent(&form);
    for (const char* caption : {"<b>Red</b> wine", "rose", "Ruby"}) {
        TSelectorItem item;
        item.Caption = QString::fromUtf8(caption);
        selector->Items().push_back(item);
    }
    selector->UpdateSelectorPanel();
    int reports = 0;
    selector->OnItemSelect = [&](TObject*) { ++reports; };
    selector->SelectPrevious();
    EXPECT_EQ(selector->ItemIndex(), 0) << "nothing selected: the first";
    selector->SelectPrevious();
    EXPECT_EQ(selector->ItemIndex(), 0);
    selector->SelectLast();
    selector->SelectNext();
    EXPECT_EQ(selector->ItemIndex(), 2);
    EXPECT_TRUE(selector->LookupItem(QStringLiteral("RED W")));
    EXPECT_EQ(selector->ItemIndex(), 0) << "the tags do not count";
    EXPECT_TRUE(selector->LookupItem(QStringLiteral("RO")));
    EXPECT_EQ(selector->ItemIndex(), 1);
    EXPECT_FALSE(selector->LookupItem(QStringLiteral("ro"))) << "callers pass upper case";
    EXPECT_EQ(reports, 4);
}

TEST(ItemSelector, TheSelectionColoursWinOverTheHotOnes)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    auto* selector = new TVoCustomItemSelector(&form);
    selector->SetParent(&form);
    selector->SetBounds(0, 0, 150, 150);
    selector->SetColor(clWhite);
    selector->Items().resize(3);
    selector->SetColumns(3);
    TItemAppearance& look = selector->ItemAppearance();
    look.SetColorStyle(scCustom);
    look.BorderColorTop = look.BorderColor = look.ColorHotTo = look.ColorSelectedTo = clNone;
    look.ColorHot = clRed;
    look.ColorSelected = clBlue;
    selector->UpdateSelectorPanel();
    form.Show();
    TCustomItemSelector& panel = selector->Panel();
    const auto middle = [&](int i) {
        const TRect& r = selector->Items()[i].Rect;
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    };
    selector->SetItemIndex(0);
    SendMouse(panel, TMouseAction::Move, TMouseButton::mbLeft, middle(0));
    ASSERT_EQ(selector->ItemHot(), 0);
    const auto colourAt = [&](const QImage& image, int i) {
        return image.pixelColor(middle(i).X, middle(i).Y).rgb() & 0xFFFFFF;
    };
    QImage painted = PaintToImage(panel);
    EXPECT_EQ(colourAt(painted, 0), 0x0000FFu) << "hot and selected: the selection";
    SendMouse(panel, TMouseAction::Move, TMouseButton::mbLeft, middle(1));
    painted = PaintToImage(panel);
    EXPECT_EQ(colourAt(painted, 0), 0x0000FFu);
    EXPECT_EQ(colourAt(painted, 1), 0xFF0000u);
    EXPECT_EQ(colourAt(painted, 2), 0xFFFFFFu) << "neither: the selector's colour";
}

TEST(ImagePicker, ItemIndexAndImageIndexFollowTheItems)
{
    PickerForm f(5);
    ASSERT_EQ(f.picker->Items().size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(f.picker->Items()[i].ImageIndex, i);
        EXPECT_TRUE(f.picker->Items()[i].Caption.isEmpty());
    }
    EXPECT_EQ(f.picker->ImageIndex(), -1);
    f.picker->Items()[1].ImageIndex = 3;
    f.picker->SetImageIndex(3);
    EXPECT_EQ(f.picker->ItemIndex(), 1) << "the first item with that image";
    f.picker->SetItemIndex(5);
    EXPECT_EQ(f.picker->ItemIndex(), 1) << "past the items: ignored";
    int changes = 0;
    f.picker->OnChange = [&](TObject*) { ++changes; };
    f.picker->SetImageIndex(42);
    EXPECT_EQ(f.picker->ItemIndex(), -1);
    f.picker->SetItemIndex(-5);
    EXPECT_EQ(f.picker->ImageIndex(), -1);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(f.selects, (std::vector<int>{1, -1, -5}));

    TVoImagePickerDropDown bare(nullptr);
    bare.AddImagesFromImageList();
    EXPECT_TRUE(bare.Items().empty()) << "no image list";
}

TEST(ImagePicker, KeysMoveTheChoiceByRowsAndEscPutsItBack)
{
    PickerForm f(10);
    f.picker->SetColumns(4);
    f.picker->SetItemIndex(1);
    SendKey(*f.picker, VK_F4);
    ASSERT_TRUE(f.picker->DroppedDown());
    EXPECT_EQ(f.selector().ItemIndex(), 1);
    struct Case {
        WORD key;
        int expected;
    };
    for (const Case c : {Case{VK_DOWN, 5}, Case{VK_DOWN, 9}, Case{VK_DOWN, 9}, Case{VK_UP, 5}, Case{VK_LEFT, 4},
                         Case{VK_RIGHT, 5}, Case{VK_END, 9}, Case{VK_HOME, 0}}) {
        SendKey(*f.picker, c.key);
        EXPECT_EQ(f.picker->ItemIndex(), c.expected) << c.key;
        EXPECT_TRUE(f.picker->DroppedDown()) << "moving keeps the pop-up open";
    }
    EXPECT_TRUE(f.selector().Panel().Focused());
    SendKey(f.selector().Panel(), VK_DOWN);
    EXPECT_EQ(f.picker->ItemIndex(), 4) << "keys in the pop-up reach the picker";
    SendKey(*f.picker, VK_ESCAPE);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->ItemIndex(), 1) << "the choice of the drop-down";

    SendKey(*f.picker, VK_DOWN);
    EXPECT_EQ(f.picker->ItemIndex(), 2) << "closed: the next item";
    SendKey(*f.picker, VK_END);
    SendKey(*f.picker, VK_DOWN);
    EXPECT_EQ(f.picker->ItemIndex(), 9);
}

TEST(ImagePicker, PageKeysMoveByTheVisibleItems)
{
    PickerForm f(20);
    f.picker->SetDropDownHeight(100);
    f.picker->SetItemIndex(15);
    SendKey(*f.picker, VK_F4);
    const int visible = f.selector().GetVisibleItemCount();
    ASSERT_GT(visible, 1);
    ASSERT_LT(visible, 15);
    SendKey(*f.picker, VK_NEXT);
    EXPECT_EQ(f.picker->ItemIndex(), std::min(15 + visible, 19));
    SendKey(*f.picker, VK_NEXT);
    EXPECT_EQ(f.picker->ItemIndex(), 19);
    SendKey(*f.picker, VK_PRIOR);
    EXPECT_EQ(f.picker->ItemIndex(), 19 - visible);
}

TEST(ImagePicker, MouseWheelAndEnterChoose)
{
    PickerForm f(6);
    SendKey(*f.picker, VK_F4);
    SendKey(*f.picker, VK_ESCAPE);
    SendWheel(*f.picker, -120, {5, 5});
    EXPECT_EQ(f.picker->ItemIndex(), 0) << "closed: the wheel moves the choice";
    SendWheel(*f.picker, -120, {5, 5});
    EXPECT_EQ(f.picker->ItemIndex(), 1);

    // Open, the pop-up holds the pointer: the wheel turns over its list.
    SendKey(*f.picker, VK_F4);
    SendWheel(f.selector().Panel(), -120, {5, 5});
    SendWheel(f.selector().Panel(), -120, {5, 5});
    EXPECT_EQ(f.selector().ItemHot(), 1) << "open: the wheel moves the hot item";
    EXPECT_EQ(f.picker->ItemIndex(), 1);
    SendMouse(f.selector().Panel(), TMouseAction::Move, TMouseButton::mbLeft, f.itemCentre(4));
    EXPECT_EQ(f.selector().ItemHot(), 4);
    f.selects.clear();
    SendKey(*f.picker, VK_RETURN);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->ItemIndex(), 4);
    EXPECT_EQ(f.selects, (std::vector<int>{4})) << "Enter on a hot item selects it and raises nothing more";
    SendKey(*f.picker, VK_RETURN);
    EXPECT_EQ(f.selects, (std::vector<int>{4, 4})) << "Enter alone raises OnSelect";
}

TEST(ImagePicker, AClickInThePopupChoosesAndCloses)
{
    PickerForm f(6);
    f.picker->SetColumns(3);
    SendKey(*f.picker, VK_F4);
    ASSERT_TRUE(f.picker->DroppedDown());
    SendClick(f.selector().Panel(), f.itemCentre(5));
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->ItemIndex(), 5);
    EXPECT_EQ(f.picker->ImageIndex(), 5);
    EXPECT_EQ(f.selects, (std::vector<int>{5}));
}

TEST(ImagePicker, TypingFindsACaptionUntilTheTimerClearsIt)
{
    PickerForm f(
        4, {QStringLiteral("Apple"), QStringLiteral("Banana"), QStringLiteral("Berry"), QStringLiteral("Cherry")});
    SendKey(*f.picker, VK_F4);
    SendKey(*f.picker, VK_SHIFT, ssShift);
    SendKey(*f.picker, 'B', ssShift);
    EXPECT_EQ(f.picker->ItemIndex(), 1) << "Shift types nothing";
    SendKey(*f.picker, 'E');
    EXPECT_EQ(f.picker->ItemIndex(), 2) << "both letters";
    EXPECT_TRUE(f.picker->DroppedDown());
    ASSERT_TRUE(FireTimer(typeAheadTimer(*f.picker)));
    EXPECT_FALSE(typeAheadTimer(*f.picker).Enabled());
    SendKey(*f.picker, 'C');
    EXPECT_EQ(f.picker->ItemIndex(), 3) << "a new search";
}

TEST(ImagePicker, FolderEntriesBecomeItemsAndUnreadableOnesStayEmpty)
{
    QTemporaryDir dir;
    TBitmap picture(8, 6);
    ASSERT_TRUE(picture.SaveToFile(dir.filePath(QStringLiteral("a.bmp"))));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("b.bmp")));
    PickerForm f(0);
    f.picker->AddImagesFromFolder(dir.filePath(QStringLiteral("*.bmp")), true);
    ASSERT_EQ(f.picker->Items().size(), 2u);
    EXPECT_EQ(f.picker->Items()[0].Caption, QStringLiteral("a.bmp"));
    EXPECT_EQ(f.picker->Items()[0].Image.Width(), 8);
    EXPECT_TRUE(f.picker->Items()[1].Caption.isEmpty()) << "a folder: an empty item";
    EXPECT_EQ(f.picker->Items()[1].Image.Graphic(), nullptr);
}

TEST(ImagePicker, TheEditShowsTheChosenImageCentred)
{
    PickerForm f(2);
    TBitmap red(16, 16);
    red.Canvas().Brush().SetColor(clRed);
    red.Canvas().FillRect(Rect(0, 0, 16, 16));
    f.images.Clear();
    f.images.Add(TBitmap(16, 16));
    f.images.Add(red);
    const auto at = [&](const QImage& image, TPoint p) { return image.pixelColor(p.X, p.Y).rgb() & 0xFFFFFF; };
    const TPoint centre{f.picker->Width() / 2, f.picker->Height() / 2};
    EXPECT_NE(at(PaintToImage(*f.picker), centre), 0xFF0000u);
    f.picker->SetItemIndex(1);
    const QImage shown = PaintToImage(*f.picker);
    EXPECT_EQ(at(shown, centre), 0xFF0000u);
    EXPECT_NE(at(shown, {3, centre.Y}), 0xFF0000u) << "only the middle";
}
