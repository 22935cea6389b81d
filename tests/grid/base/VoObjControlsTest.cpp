#include "grid/base/VoObj/VoObjControls.h"

#include <gtest/gtest.h>

TEST(TControlList, ItemsAreOwnedControlsAreNot)
{
    TWinControl edit(nullptr);
    TWinControl other(nullptr);
    {
        TControlList list;
        list.AddControl(1, 2, &edit);
        list.AddControl(3, 4, nullptr);
        EXPECT_EQ(list.ControlIndex(3, 4), 1);
        EXPECT_EQ(list.ControlIndex(9, 9), -1);
        EXPECT_TRUE(list.HasHandle(edit.Handle()));
        EXPECT_FALSE(list.HasHandle(other.Handle()));
        list.GetControl(0).X = 5;
        EXPECT_EQ(list.ControlIndex(5, 2), 0);
        list.RemoveControl(0);
        EXPECT_EQ(list.Count(), 1);
        list.AddControl(0, 0, &other);
    }
    // The controls outlive the list.
    EXPECT_EQ(edit.Parent(), nullptr);
    other.SetWidth(10);
    EXPECT_EQ(other.Width(), 10);
}

TEST(TSyncGrid, RefusesItsOwnerAndCopies)
{
    TStringGrid owner(nullptr);
    TStringGrid second(nullptr);
    TSyncGrid sync(&owner);
    sync.SetGrid(&owner);
    EXPECT_EQ(sync.Grid(), nullptr);
    sync.SetGrid(&second);
    sync.MoveRow = true;
    TSyncGrid copy(&second);
    copy.Assign(sync);
    EXPECT_EQ(copy.Grid(), nullptr);  // the copy's owner is that grid
    EXPECT_TRUE(copy.MoveRow);
    TSyncGrid third(nullptr);
    third.Assign(sync);
    EXPECT_EQ(third.Grid(), &second);
}
