#include "grid/base/VoObj/VoObjOptions.h"

#include <gtest/gtest.h>

TEST(TNavigation, DefaultsSettersAndAssign)
{
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

TEST(TMouseActions, SettersAndAssign)
{
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

TEST(TBands, LengthsAndEvents)
{
    TBands bands;
    EXPECT_EQ(bands.TotalLength(), 2);
    EXPECT_EQ(bands.PrimaryColor(), clInfoBk);
    int changes = 0;
    bands.OnChange = [&](TObject*) { ++changes; };
    bands.SetPrimaryLength(3);
    bands.SetPrimaryColor(clRed);
    EXPECT_EQ(bands.TotalLength(), 4);
    EXPECT_EQ(changes, 0);  // inactive bands fire nothing
    bands.SetActive(true);
    bands.SetSecondaryLength(2);
    bands.SetSecondaryLength(2);
    bands.SetSecondaryColor(clBlue);
    EXPECT_EQ(bands.TotalLength(), 5);
    EXPECT_EQ(changes, 3);

    TBands copy;
    copy.Assign(bands);
    EXPECT_TRUE(copy.Active());
    EXPECT_EQ(copy.TotalLength(), 5);
    EXPECT_EQ(copy.SecondaryColor(), clBlue);
    EXPECT_FALSE(copy.OnChange);
}

TEST(TSearchFooter, CreateSettersAndAssign)
{
    const TSearchFooter plain;
    EXPECT_EQ(plain.FindNextCaption(), "");
    EXPECT_EQ(plain.SearchColumn, -1);
    EXPECT_EQ(plain.ColorTo(), clBtnFace);
    TSearchFooter footer(true);
    EXPECT_EQ(footer.FindPrevCaption(), "Find &previous");
    EXPECT_EQ(footer.HintHighlight(), "Highlight occurrences");

    int changes = 0;
    footer.OnChange = [&](TObject*) { ++changes; };
    footer.SetVisible(false);  // unchanged: no event
    footer.SetVisible(true);
    footer.SetColor(footer.Color());  // colours notify on every write
    footer.SetShowClose(true);
    TFont font;
    font.SetSize(14);
    footer.SetFont(font);
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(footer.Font().Size(), 14);

    TSearchFooter source;
    source.AutoSearch = false;
    source.SearchHiddenRows = true;
    source.LastSearch = "x";
    source.SetHintClose("Shut");
    footer.Assign(source);
    EXPECT_TRUE(footer.AutoSearch);
    EXPECT_EQ(footer.LastSearch, "");
    EXPECT_TRUE(footer.SearchHiddenRows);
    EXPECT_FALSE(footer.Visible());
    EXPECT_EQ(footer.HintClose(), "Shut");
    EXPECT_EQ(changes, 4);
}
