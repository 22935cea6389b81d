#include "grid/base/VoObj/VoObjOptions.h"

#include <gtest/gtest.h>

TEST(TNavigation, DefaultsSettersAndAssign) {
    TNavigation nav;
    EXPECT_FALSE(nav.AdvanceOnEnter);
    EXPECT_FALSE(nav.AllowInsertRow);
    EXPECT_FALSE(nav.AllowClipboardShortCuts);
    EXPECT_TRUE(nav.SkipFixedCells);
    int changes = 0;
    nav.OnChange = [&](TObject*) { ++changes; };
    nav.SetAdvanceAuto(true);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    nav.AdvanceOnEnter = true;
    nav.SetAdvanceAuto(false);
    EXPECT_TRUE(nav.AdvanceOnEnter);
    EXPECT_EQ(changes, 0);
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceDirection(adTopBottom);
    nav.SetAdvanceInsert(true);
    EXPECT_EQ(changes, 2);

    TNavigation src;
    src.TabAdvanceDirection = adTopBottom;
    src.KeepScrollOnSort = true;
    src.AllowDeleteRow = true;
    nav.Assign(src);
    EXPECT_EQ(nav.TabAdvanceDirection, adTopBottom);
    EXPECT_EQ(nav.AdvanceDirection(), adLeftRight);
    EXPECT_FALSE(nav.KeepScrollOnSort);
    EXPECT_TRUE(nav.AllowDeleteRow);
    ASSERT_TRUE(nav.OnChange);  // events stay, none fired
    EXPECT_EQ(changes, 2);
}

TEST(TMouseActions, SettersAndAssign) {
    TMouseActions ma;
    EXPECT_TRUE(ma.AutoSizeColOnDblClick);
    EXPECT_TRUE(ma.PreciseNodeClick);
    EXPECT_EQ(ma.FixedColsEditor, fceEdit);
    int invalidates = 0;
    int disables = 0;
    ma.OnInvalidate = [&](TObject*) { ++invalidates; };
    ma.OnDisableEdit = [&](TObject*) { ++disables; };

    ma.SetHotmailRowSelect(true);
    EXPECT_TRUE(ma.DisjunctRowSelect());
    EXPECT_TRUE(ma.CheckAllCheck);
    ma.SetHotmailRowSelect(false);
    EXPECT_TRUE(ma.DisjunctRowSelect());
    EXPECT_EQ(invalidates, 2);

    ma.SetEditOnDblClickOnly(true);
    ma.SetEditOnDblClickOnly(false);
    EXPECT_EQ(disables, 1);

    // At run time all three disjunct modes can be on; in the designer only one.
    ma.SetDisjunctColSelect(true);
    EXPECT_TRUE(ma.DisjunctRowSelect());
    ma.OnIsDesigning = [](TObject*, bool& d) { d = true; };
    ma.SetDisjunctCellSelect(true);
    EXPECT_FALSE(ma.DisjunctRowSelect());
    EXPECT_FALSE(ma.DisjunctColSelect());

    TMouseActions src;
    src.SizeFixedRow = true;
    src.SizeFixedCol = true;
    src.SetHotmailRowSelect(true);
    TStringList values;
    values.Add("x");
    src.SetFixedComboValues(values);
    src.SetWheelAction(waScroll);
    TMouseActions dst;
    dst.Assign(src);
    EXPECT_TRUE(dst.SizeFixedCol);
    EXPECT_FALSE(dst.SizeFixedRow);
    EXPECT_FALSE(dst.HotmailRowSelect());
    EXPECT_TRUE(dst.DisjunctRowSelect());
    EXPECT_EQ(dst.FixedComboValues().Count(), 0);
    EXPECT_EQ(dst.WheelAction(), waScroll);
}
