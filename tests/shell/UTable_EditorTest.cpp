// The table editor frame: a two-page editor's showing.
#include "shell/UTable_Editor.h"

#include "grid/VoCGrid/VoCGrid.h"
#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>

namespace {

// Two column grids on two pages, no file.
class TwoPageEditor : public TTable_Editor {
public:
    TwoPageEditor() : TTable_Editor(nullptr, 1000, 400, 300)
    {
        for (int i = 0; i < 2; ++i)
            Add_Table(new TVoColumnGrid(this), true).Has_Enable = true;
    }

protected:
    void Load_File() override {}
    void Save_File() override {}
};

}  // namespace

TEST(TableEditor, EveryShowingStartsOnTheFirstPageWithResetRows)
{
    Load_Default_Language();
    TwoPageEditor f;
    f.DoCreate();
    const auto show = [&f](const std::function<void()>& act) {
        const ModalRunGuard guard([&](TCustomForm&) {
            act();
            f.Btn_Cancel->Click();
            return f.ModalResult();
        });
        return f.ShowModal();
    };
    show([&f] {
        f.PageControl1->SetActivePageIndex(1);
        f.Table(1).Grid->SetCells(2, 1, QStringLiteral("edited"));
    });
    EXPECT_EQ(show([&f] {
                  EXPECT_EQ(f.PageControl1->ActivePageIndex(), 0);
                  EXPECT_EQ(f.Table(1).Grid->Cells(2, 1), QString());
                  EXPECT_EQ(f.Table(1).Grid->Cells(1, 1), QStringLiteral("Y"));
              }),
              mrCancel);
}

TEST(TableEditor, EscapeEndsTheCellEditAndNeverTheEditor)
{
    Load_Default_Language();
    TwoPageEditor f;
    f.DoCreate();
    const ModalRunGuard guard([&f](TCustomForm&) {
        VOroDavoduRuzu& grid = *f.Table(0).Grid;
        grid.SetOptions(grid.Options() | goEditing);
        grid.SetFocus();
        grid.SetCol(2);
        grid.SetRow(1);
        SendKey(grid, VK_F2);
        EXPECT_TRUE(grid.IsEditing());
        TypeText(*grid.InplaceEdit(), QStringLiteral("x"));
        SendKey(*grid.InplaceEdit(), VK_ESCAPE);
        EXPECT_FALSE(grid.IsEditing());
        EXPECT_EQ(grid.Cells(2, 1), QString());
        // The rows typed so far stay: Esc on the grid does not press Cancel.
        SendKey(grid, VK_ESCAPE);
        EXPECT_EQ(f.ModalResult(), mrNone);
        f.Btn_Cancel->Click();
        return f.ModalResult();
    });
    EXPECT_EQ(f.ShowModal(), mrCancel);
}
