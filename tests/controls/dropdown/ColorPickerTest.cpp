// The colour picker and its panels: the colours and the choice, the colour's text, keys, typing, mouse
// in each content, cancel, and the edit's swatch.
#include <gtest/gtest.h>

#include "controls/dropdown/VoColorPickerDropDown.h"
#include "platform/QtAccess.h"
#include "support/TestSeams.h"

namespace {
struct ColorForm {
    ColorForm() : form(nullptr)
    {
        form.SetBounds(0, 0, 300, 200);
        picker = new TVoColorPickerDropDown(&form);
        picker->SetParent(&form);
        picker->SetBounds(10, 10, 140, 24);
        picker->AddDefaultColors();
        picker->OnSelect = [this](TObject*) { selects.push_back(picker->ItemIndex()); };
        form.Show();
        picker->SetFocus();
    }
    TForm form;
    TVoColorPickerDropDown* picker;
    std::vector<int> selects;
};

TPoint centre(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}
}  // namespace

TEST(ColorPicker, SelectedColorFindsItsNamedColour)
{
    ColorForm f;
    ASSERT_EQ(f.picker->Colors().size(), 16u);
    EXPECT_EQ(f.picker->SelectedColorText(), QString()) << "no colour, no value text";
    f.picker->SetSelectedColor(0x0000FF);
    EXPECT_EQ(f.picker->ItemIndex(), 9);
    EXPECT_EQ(f.picker->SelectedColorText(), QStringLiteral("Red"));
    EXPECT_EQ(f.selects, (std::vector<int>{9}));
    f.picker->SetSelectedColor(0x123456);
    EXPECT_EQ(f.picker->ItemIndex(), 9) << "a colour outside the list keeps the list choice";
    EXPECT_EQ(f.picker->SelectedColor(), 0x123456);
    f.picker->SetItemIndex(16);
    EXPECT_EQ(f.picker->ItemIndex(), 9) << "past the colours: ignored";
    f.picker->SetItemIndex(15);
    EXPECT_EQ(f.picker->SelectedColor(), clWhite);

    f.picker->AddDefaultColors();
    EXPECT_EQ(f.picker->Colors().size(), 32u);
    f.picker->SetSelectedColor(0x000000);
    EXPECT_EQ(f.picker->ItemIndex(), 0);
}

TEST(ColorPicker, ValueTextFollowsTheChosenForm)
{
    ColorForm f;
    f.picker->SetItemIndex(-1);
    f.picker->SetSelectedColor(0xFF8000);
    struct Case {
        TColorValueText form;
        const char* text;
    };
    for (const Case c : {Case{cvtNone, ""}, Case{cvtHex, "FF8000"}, Case{cvtRGB, "Red:0,Green:128,Blue:255"},
                         Case{cvtHTML, "#0080FF"}, Case{cvtWebName, "#0080FF"}}) {
        f.picker->SetColorValueText(c.form);
        EXPECT_EQ(f.picker->SelectedColorText(), QString::fromUtf8(c.text)) << c.form;
    }
    f.picker->SetColorValueText(cvtHex);
    f.picker->SetItemIndex(-1);
    f.picker->SetSelectedColor(0x0000FF);
    f.picker->SetItemIndex(-1);
    EXPECT_EQ(f.picker->SelectedColorText(), QStringLiteral("0000FF")) << "at least six digits";
    f.picker->SetColorValueText(cvtWebName);
    EXPECT_EQ(f.picker->SelectedColorText(), QStringLiteral("red"));
    f.picker->SetColorSelectionStyle(csDiscrete);
    f.picker->SetItemIndex(9);
    EXPECT_EQ(f.picker->SelectedColorText(), QStringLiteral("red")) << "captions only in the list style";
}

TEST(ColorPicker, KeysMoveTheListChoiceOpenOrClosed)
{
    ColorForm f;
    SendKey(*f.picker, VK_DOWN);
    EXPECT_EQ(f.picker->ItemIndex(), 0) << "from no choice: the first";
    SendKey(*f.picker, VK_END);
    EXPECT_EQ(f.picker->ItemIndex(), 15);
    SendKey(*f.picker, VK_DOWN);
    EXPECT_EQ(f.picker->ItemIndex(), 15) << "not past the end";
    SendKey(*f.picker, VK_HOME);
    SendKey(*f.picker, VK_UP);
    EXPECT_EQ(f.picker->ItemIndex(), 0);

    f.picker->SetColumns(4);
    f.picker->SetItemIndex(2);
    SendKey(*f.picker, VK_F4);
    ASSERT_TRUE(f.picker->DroppedDown());
    TCustomItemSelector& panel = f.picker->ItemSelector()->Panel();
    EXPECT_TRUE(panel.Focused());
    for (const auto& [key, expected] : {std::pair<WORD, int>{VK_DOWN, 6}, {VK_RIGHT, 7}, {VK_UP, 3}, {VK_END, 15}}) {
        SendKey(panel, key);
        EXPECT_EQ(f.picker->ItemIndex(), expected) << key;
    }
    EXPECT_TRUE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->SelectedColor(), clWhite);
    SendKey(panel, VK_ESCAPE);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->ItemIndex(), 2) << "Esc puts back the choice of the drop-down";
    EXPECT_EQ(f.picker->SelectedColor(), 0x008000);
}

TEST(ColorPicker, TypingFindsAColourNameUntilTheTimerClearsIt)
{
    ColorForm f;
    TTimer* timer = nullptr;
    for (int i = 0; i < f.picker->ComponentCount(); ++i)
        timer = timer ? timer : dynamic_cast<TTimer*>(f.picker->Components(i));
    ASSERT_NE(timer, nullptr);
    struct Case {
        WORD key;
        int expected;
    };
    for (const Case c : {Case{'B', 0}, Case{'L', 0}, Case{'U', 12}}) {
        SendKey(*f.picker, c.key);
        EXPECT_EQ(f.picker->ItemIndex(), c.expected) << char(c.key);
    }
    ASSERT_TRUE(FireTimer(*timer));
    SendKey(*f.picker, 'G');
    EXPECT_EQ(f.picker->ItemIndex(), 2) << "a new search";
}

TEST(ColorPicker, AClickInTheListChoosesAndCloses)
{
    ColorForm f;
    SendKey(*f.picker, VK_F4);
    TVoCustomItemSelector& list = *f.picker->ItemSelector();
    EXPECT_EQ(list.SelectorType(), stColor);
    ASSERT_EQ(list.Items().size(), 16u);
    EXPECT_EQ(list.Items()[12].Caption, QStringLiteral("Blue"));
    SendClick(list.Panel(), centre(list.Items()[12].Rect));
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->SelectedColor(), 0xFF0000);
    EXPECT_EQ(f.picker->SelectedColorText(), QStringLiteral("Blue"));
    EXPECT_EQ(f.selects, (std::vector<int>{12}));
}

TEST(ColorPicker, TheCubeAndTheSpectrumChooseWithTheMouse)
{
    ColorForm f;
    f.picker->SetColorSelectionStyle(csColorCube);
    SendKey(*f.picker, VK_F4);
    TVoColorCubePanel& cube = *f.picker->ColorCubePanel();
    EXPECT_EQ(cube.Width(), 182);
    EXPECT_EQ(cube.Height(), 160);
    SendClick(cube, cube.CellCenter(127));
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->SelectedColor(), 0x2100A5);
    EXPECT_EQ(f.picker->ItemIndex(), -1);

    f.picker->SetColorSelectionStyle(csSpectrum);
    SendKey(*f.picker, VK_F4);
    TVoColorSpectrumPanel& spectrum = *f.picker->SpectrumPanel();
    EXPECT_EQ(spectrum.ImageRect(), Rect(11, 10, 139, 138));
    EXPECT_EQ(spectrum.SelectedRect(), Rect(10, 146, 73, 166));
    EXPECT_EQ(spectrum.HotRect(), Rect(77, 146, 140, 166));
    const TPoint red{11, 10 + 64};
    SendMouse(spectrum, TMouseAction::Move, TMouseButton::mbLeft, red);
    EXPECT_EQ(spectrum.HotColor(), clRed) << "full red at the left edge, half way down";
    f.selects.clear();
    SendClick(spectrum, red);
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->SelectedColor(), clRed);
    EXPECT_EQ(f.picker->ItemIndex(), -1);
    EXPECT_EQ(f.selects, (std::vector<int>{9, -1})) << "the named colour, then the pick";
    SendMouse(spectrum, TMouseAction::Move, TMouseButton::mbLeft, {11 + 64, 10});
    EXPECT_EQ(spectrum.HotColor(), clWhite) << "white at the top";
}

TEST(ColorPicker, ThePaletteChoosesByKeyAndMouse)
{
    ColorForm f;
    f.picker->SetColorSelectionStyle(csDiscrete);
    SendKey(*f.picker, VK_F4);
    TCustomColorSelector& boxes = *f.picker->ColorSelector();
    ASSERT_EQ(boxes.Items().size(), 60u);
    EXPECT_EQ(boxes.Width(), 165);
    EXPECT_EQ(boxes.Height(), 84);
    EXPECT_EQ(boxes.Items()[10].Rect.Top - boxes.Items()[0].Rect.Bottom, 4) << "a gap under the first row";
    EXPECT_EQ(boxes.Items()[20].Rect.Top, boxes.Items()[10].Rect.Bottom) << "the tint rows touch";
    EXPECT_TRUE(boxes.Focused());
    SendKey(boxes, VK_DOWN);
    EXPECT_EQ(boxes.ItemIndex(), 0) << "from nothing: the first";
    const auto keys = [&](std::initializer_list<WORD> sequence) {
        for (const WORD key : sequence)
            SendKey(boxes, key);
        return boxes.ItemIndex();
    };
    EXPECT_EQ(keys({VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_RIGHT}), 5);
    EXPECT_EQ(keys({VK_DOWN}), 15);
    EXPECT_EQ(keys({VK_END, VK_LEFT, VK_LEFT, VK_LEFT, VK_LEFT}), 55);
    EXPECT_EQ(keys({VK_DOWN}), 55) << "no row below";
    EXPECT_TRUE(f.picker->DroppedDown()) << "keys move without closing";
    EXPECT_EQ(f.picker->SelectedColor(), 0x232463);
    SendKey(boxes, VK_ESCAPE);
    EXPECT_EQ(f.picker->SelectedColor(), clNone) << "Esc puts back the colour of the drop-down";

    SendKey(*f.picker, VK_F4);
    SendClick(boxes, centre(boxes.Items()[1].Rect));
    EXPECT_FALSE(f.picker->DroppedDown());
    EXPECT_EQ(f.picker->SelectedColor(), clBlack);
    EXPECT_EQ(f.picker->ItemIndex(), -1);

    int reports = 0;
    boxes.OnItemSelect = [&](TObject*) { ++reports; };
    boxes.SetSelectedColor(0x123456);
    EXPECT_EQ(boxes.ItemIndex(), -1);
    boxes.SetSelectedColor(0xFFFFFF);
    EXPECT_EQ(boxes.ItemIndex(), 0);
    EXPECT_EQ(reports, 1) << "only a colour of the palette is reported";
}

TEST(ColorCube, CellsLieOnTheHoneycomb)
{
    TForm form(nullptr);
    auto* cube = new TVoColorCubePanel(&form);
    cube->SetParent(&form);
    cube->ClearHot();
    form.Show();
    EXPECT_EQ(cube->CellCenter(1), (TPoint{55, 20}));
    EXPECT_EQ(cube->CellCenter(64), (TPoint{91, 80}));
    EXPECT_EQ(cube->CellColor(64), clWhite);
    EXPECT_EQ(cube->CellCenter(127), (TPoint{127, 140}));
    EXPECT_EQ(cube->CellAtPos(97, 80), 64);
    EXPECT_EQ(cube->CellAtPos(98, 80), 65);
    cube->SetSelectedColor(clWhite);
    EXPECT_EQ(cube->SelectedIndex(), 64);
    cube->SetSelectedColor(0x123456);
    EXPECT_EQ(cube->SelectedIndex(), -1);

    int red = -1;
    for (int i = 1; i <= TVoColorCubePanel::CellCount; ++i)
        if (cube->CellColor(i) == 0x0000FF)
            red = i;
    ASSERT_GT(red, 0);
    SendMouse(*cube, TMouseAction::Move, TMouseButton::mbLeft, cube->CellCenter(red));
    EXPECT_EQ(cube->HotIndex(), red);
    EXPECT_EQ(cube->Hint, QStringLiteral("Red: 255,  Green: 0,  Blue: 0"));
    const QImage painted = PaintToImage(*cube);
    const TPoint c = cube->CellCenter(red);
    EXPECT_EQ(painted.pixelColor(c.X, c.Y).rgb() & 0xFFFFFF, 0xFF0000u) << "the cell's colour in its middle";
}

TEST(ColorPicker, TheEditShowsTheSwatchAndTheText)
{
    ColorForm f;
    const auto swatchPixel = [&] {
        const QImage image = PaintToImage(*f.picker);
        return image.pixelColor(1 + 4 + 7, f.picker->Height() / 2).rgb() & 0xFFFFFF;
    };
    // Focused and not typable, the edit's value lies on the highlight.
    ASSERT_TRUE(f.picker->Focused());
    const unsigned highlight = ColorToQColor(clHighlight).rgb() & 0xFFFFFF;
    EXPECT_EQ(swatchPixel(), highlight) << "no colour, no swatch";
    f.picker->SetSelectedColor(0xFF0000);
    EXPECT_EQ(swatchPixel(), 0x0000FFu);
    const auto textPixel = [&] {
        const QImage image = PaintToImage(*f.picker);
        return image.pixelColor(1 + 4 + 14 + 6, f.picker->Height() / 2).rgb() & 0xFFFFFF;
    };
    ASSERT_TRUE(f.picker->Focused());
    EXPECT_NE(textPixel(), 0xFFFFFFu) << "the text on the highlight";
    f.picker->SetShowText(false);
    EXPECT_EQ(swatchPixel(), 0x0000FFu);
    EXPECT_EQ(textPixel(), highlight) << "no text beside the swatch";
}
