// The grid's colour and image editors: opened with the cell's colour or image, a choice by key or mouse
// reported to the grid, committed to the cell, and Esc leaving the cell as it was.
#include <gtest/gtest.h>

#include "controls/dropdown/GridDropDowns.h"
#include "grid/VoGrid/VoGridEditFixture.h"

namespace {
TPoint centre(const TRect& r)
{
    return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
}

struct PickerFixture : EditFixture {
    explicit PickerFixture(TEditorType type)
    {
        InstallGridDropDowns();
        grid->DefaultEditor = type;
        grid->Navigation().AdvanceOnEnter = false;
        grid->OnColorSelect = [this](TObject*, int c, int r, TColor color, const QString& value) {
            selects.push_back(
                QStringLiteral("select %1,%2 %3 %4").arg(c).arg(r).arg(color, 6, 16, QLatin1Char('0')).arg(value));
        };
        grid->OnColorSelected = [this](TObject*, int c, int r, TColor&, QString& value) {
            selects.push_back(QStringLiteral("selected %1,%2 %3").arg(c).arg(r).arg(value));
        };
        grid->OnImageSelect = [this](TObject*, int c, int r, int index) {
            selects.push_back(QStringLiteral("select %1,%2 %3").arg(c).arg(r).arg(index));
        };
        grid->OnImageSelected = [this](TObject*, int c, int r, int& index) {
            selects.push_back(QStringLiteral("selected %1,%2 %3").arg(c).arg(r).arg(index));
        };
    }
    std::vector<QString> selects;
};

struct ColorFixture : PickerFixture {
    ColorFixture() : PickerFixture(edColorPickerDropDown) {}
    TGridColorDropDown& picker() { return *dynamic_cast<TGridColorDropDown*>(grid->EditCtrl()); }
    void click(const QString& caption)
    {
        TVoCustomItemSelector& list = *picker().ItemSelector();
        for (const TSelectorItem& item : list.Items())
            if (item.Caption == caption)
                SendClick(list.Panel(), centre(item.Rect));
    }
};

struct ImageFixture : PickerFixture {
    ImageFixture() : PickerFixture(edImagePickerDropDown), images(16, 16)
    {
        for (int i = 0; i < 4; ++i)
            images.Add(TBitmap(16, 16));
        grid->GridImages = &images;
    }
    TGridImageDropDown& picker() { return *dynamic_cast<TGridImageDropDown*>(grid->EditCtrl()); }
    TImageList images;
};
}  // namespace

TEST(GridColorDropDown, OpensWithTheBackgroundAndCommitsTheColourChosenByKey)
{
    ColorFixture f;
    f.grid->SetColors(1, 1, clRed);
    f.open();
    ASSERT_NE(dynamic_cast<TGridColorDropDown*>(f.grid->EditCtrl()), nullptr);
    TGridColorDropDown& picker = f.picker();
    EXPECT_EQ(f.grid->ColorPickerDropDown(), &picker) << "one editor, made on first use";
    EXPECT_EQ(picker.SelectedColor(), clRed);
    EXPECT_EQ(picker.SelectedColorText(), QStringLiteral("Red"));
    EXPECT_TRUE(f.selects.empty()) << "loading the cell is no choice";

    SendKey(picker, VK_F4);
    ASSERT_TRUE(picker.DroppedDown());
    SendKey(picker.ItemSelector()->Panel(), VK_DOWN);
    EXPECT_TRUE(picker.DroppedDown()) << "arrows in the open pop-up move the choice";
    EXPECT_TRUE(picker.Visible());
    EXPECT_EQ(f.selects, expected({"select 1,1 00ff00 Lime"}));
    SendKey(picker.ItemSelector()->Panel(), VK_RETURN);
    f.posted();
    EXPECT_FALSE(picker.Visible());
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("Lime"));
    EXPECT_EQ(f.grid->Colors(1, 1), clLime);
    EXPECT_EQ(f.selects.back(), QStringLiteral("selected 1,1 Lime"));
    EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,1"));

    f.grid->SetColors(1, 1, 0x123456);
    f.open();
    EXPECT_EQ(picker.SelectedColorText(), QString()) << "a colour outside the list has no name of the last cell";
    SendKey(picker, VK_HOME);
    EXPECT_FALSE(f.grid->IsEditing()) << "Home ends the edit while the pop-up is closed";
}

TEST(GridColorDropDown, AShapeTakesTheColourClickedAndEscLeavesTheCellAlone)
{
    ColorFixture f;
    f.grid->AddShape(1, 1, csRectangle, clBlue, clBlack, haLeft, vaTop);
    f.open();
    TGridColorDropDown& picker = f.picker();
    EXPECT_EQ(picker.SelectedColor(), clBlue);
    SendKey(picker, VK_F4);
    f.click(QStringLiteral("Yellow"));
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(f.selects, expected({"select 1,1 00ffff Yellow"}));
    SendKey(picker, VK_ESCAPE);
    f.posted();
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.grid->GetShapeColor(1, 1), clBlue);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));

    f.open();
    EXPECT_EQ(picker.SelectedColor(), clBlue);
    SendKey(picker, VK_F4);
    f.click(QStringLiteral("Yellow"));
    SendKey(picker, VK_RETURN);
    f.posted();
    EXPECT_EQ(f.grid->GetShapeColor(1, 1), clYellow);
    EXPECT_EQ(f.grid->Colors(1, 1), clNone) << "the shape, not the background";
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("Yellow"));
}

TEST(GridImageDropDown, AnImageCellTakesTheImageClicked)
{
    ImageFixture f;
    f.grid->AddImageIdx(1, 1, 1, haLeft, vaTop);
    f.open();
    ASSERT_NE(dynamic_cast<TGridImageDropDown*>(f.grid->EditCtrl()), nullptr);
    TGridImageDropDown& picker = f.picker();
    EXPECT_EQ(f.grid->ImagePickerDropDown(), &picker);
    EXPECT_EQ(picker.Items().size(), 4u) << "one item per image of the grid";
    EXPECT_EQ(picker.ImageIndex(), 1);
    SendKey(picker, VK_F4);
    ASSERT_TRUE(picker.DroppedDown());
    SendClick(picker.ItemSelector()->Panel(), centre(picker.ItemSelector()->Items()[3].Rect));
    EXPECT_FALSE(picker.DroppedDown());
    EXPECT_EQ(f.selects, expected({"select 1,1 3"}));
    SendKey(picker, VK_RETURN);
    f.posted();
    EXPECT_FALSE(picker.Visible());
    int index = -1;
    ASSERT_TRUE(f.grid->GetImageIdx(1, 1, index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old")) << "an image cell keeps its text";
    EXPECT_EQ(f.selects.back(), QStringLiteral("selected 1,1 3"));
}

TEST(GridImageDropDown, ADataImageTakesTheNumberOfTheImageChosenByKey)
{
    ImageFixture f;
    f.grid->SetCells(2, 1, QStringLiteral("2"));
    f.grid->AddDataImage(2, 1, 2, haLeft, vaTop);
    f.grid->SetCol(2);
    f.open();
    TGridImageDropDown& picker = f.picker();
    EXPECT_EQ(picker.ImageIndex(), 2);
    SendKey(picker, VK_F4);
    SendKey(picker.ItemSelector()->Panel(), VK_RIGHT);
    EXPECT_TRUE(picker.DroppedDown());
    EXPECT_EQ(f.selects, expected({"select 2,1 3"}));
    SendKey(picker, VK_ESCAPE);
    SendKey(picker, VK_ESCAPE);
    f.posted();
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.grid->Cells(2, 1), QStringLiteral("2")) << "Esc: unchanged";

    f.open();
    EXPECT_EQ(picker.ImageIndex(), 2);
    SendKey(picker, VK_END);
    EXPECT_EQ(picker.ImageIndex(), 3) << "End is the picker's own key: the last image";
    SendKey(picker, VK_RETURN);
    f.posted();
    EXPECT_EQ(f.grid->Cells(2, 1), QStringLiteral("3"));
}
