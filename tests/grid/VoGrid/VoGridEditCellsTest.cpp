// The fixed-cell editors, the editors of form controls in cell text, and controls placed in cells.
#include <gtest/gtest.h>

#include "grid/VoGrid/VoGridEditFixture.h"
#include "grid/base/VsgHTMLE/VsgHTMLEControls.h"
#include "platform/ExtCtrls.h"

namespace {
const QString kEditCell = QStringLiteral(R"(Name <CONTROL TYPE="EDIT" ID="e1" VALUE="abc" WIDTH="60" MAXLEN="5"> )"
                                         R"(<CONTROL TYPE="CHECK" ID="c1" VALUE="TRUE"> )"
                                         R"(<CONTROL TYPE="PASSWORD" ID="p1" VALUE="pw" WIDTH="60">)");

QString controlValue(VOroDavoduRuzu& grid, int c, int r, const QString& id)
{
    QString value;
    GetControlValueByID(grid.Cells(c, r), id, value);
    return value;
}
}  // namespace

TEST(VoGridFixedCellEditor, EditCommitsOnLeavingAndRefusalKeepsItOpen)
{
    EditFixture f;
    f.grid->SetCells(2, 0, QStringLiteral("Head"));
    std::vector<QString> changes;
    f.grid->OnEditChange = [&](TObject*, int c, int r, const QString& v) {
        changes.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(v));
    };
    f.grid->ShowFixedCellEditor(2, 0);
    TGridTransEdit& edit = *f.grid->FixedCellEdit();
    ASSERT_TRUE(edit.Visible());
    EXPECT_EQ(edit.Text(), QStringLiteral("Head"));
    EXPECT_TRUE(edit.Focused());
    edit.SetText(QString());
    TypeText(edit, QStringLiteral("New"));
    SendKey(edit, VK_RETURN);
    EXPECT_TRUE(edit.Visible()) << "Enter is discarded";
    EXPECT_EQ(changes.back(), QStringLiteral("2,0 New"));

    f.validate = [](QString& v, bool& valid) { valid = v != QLatin1String("New"); };
    f.other->SetFocus();
    EXPECT_TRUE(edit.Visible());
    EXPECT_TRUE(edit.Focused());
    EXPECT_EQ(f.grid->Cells(2, 0), QStringLiteral("Head"));
    f.log.clear();

    f.validate = [](QString& v, bool&) { v = v.toUpper(); };
    f.other->SetFocus();
    EXPECT_FALSE(edit.Visible());
    EXPECT_EQ(f.grid->Cells(2, 0), QStringLiteral("NEW"));
    EXPECT_EQ(f.log, expected({"validate 2,0 New cell=Head", "editing done cell=old"}));
}

TEST(VoGridFixedCellEditor, ComboTakesTheFixedValuesAndTheHandlersKind)
{
    EditFixture f;
    TStringList values;
    values.Add(QStringLiteral("One"));
    values.Add(QStringLiteral("Two"));
    f.grid->MouseActions().SetFixedComboValues(values);
    f.grid->MouseActions().FixedRowsEditor = fceComboList;
    f.grid->SetCells(1, 0, QStringLiteral("Two"));
    f.grid->ShowFixedCellEditor(1, 0);
    TGridTransCombo& combo = *f.grid->FixedCellCombo();
    ASSERT_TRUE(combo.Visible());
    EXPECT_FALSE(f.grid->FixedCellEdit()->Visible());
    EXPECT_EQ(combo.Style(), csDropDownList);
    EXPECT_EQ(combo.Items().Count(), 2);
    EXPECT_EQ(combo.ItemIndex(), 1);
    combo.SetItemIndex(0);

    // A second fixed cell first ends the open edit; the handler may choose the plain edit.
    f.grid->OnFixedEdit = [](TObject*, int, int, TEditorType& e, TStringList&) { e = edNormal; };
    f.grid->ShowFixedCellEditor(2, 0);
    EXPECT_EQ(f.grid->Cells(1, 0), QStringLiteral("One"));
    EXPECT_FALSE(combo.Visible());
    EXPECT_TRUE(f.grid->FixedCellEdit()->Visible());

    // OnCanEditCell may refuse.
    f.grid->FixedCellEdit()->StopEdit();
    f.grid->OnCanEditCell = [](TObject*, int, int, bool& can) { can = false; };
    f.grid->ShowFixedCellEditor(3, 0);
    EXPECT_FALSE(f.grid->FixedCellEdit()->Visible());
}

TEST(VoGridCellControl, EditEndsOnEnterWritesTheTagAndEndsOnce)
{
    EditFixture f;
    f.grid->SetCells(2, 2, kEditCell);
    std::vector<QString> done;
    f.grid->OnControlEditDone = [&](TObject*, int r, int c, const QString& id, const QString& type, const QString& v) {
        done.push_back(QStringLiteral("%1,%2 %3 %4 %5").arg(c).arg(r).arg(id, type, v));
    };
    f.grid->ShowCellControl(kEditCell, QStringLiteral("EDIT"), QStringLiteral("e1"), QStringLiteral("abc"), 2, 2,
                            Rect(10, 20, 70, 40));
    TControlEdit& edit = *f.grid->CellControlEdit();
    ASSERT_TRUE(edit.Visible());
    EXPECT_TRUE(f.grid->CellControlEditing());
    EXPECT_EQ(edit.BoundsRect(), Rect(11, 28, 67, 42));
    EXPECT_EQ(edit.MaxLength(), 5);
    EXPECT_EQ(edit.PasswordChar(), 0);
    edit.SetText(QStringLiteral("xy"));
    SendKey(edit, VK_RETURN);
    EXPECT_FALSE(edit.Visible());
    EXPECT_FALSE(f.grid->CellControlEditing());
    EXPECT_TRUE(f.grid->Focused());
    EXPECT_EQ(controlValue(*f.grid, 2, 2, QStringLiteral("e1")), QStringLiteral("xy"));
    EXPECT_EQ(controlValue(*f.grid, 2, 2, QStringLiteral("c1")), QStringLiteral("TRUE"));
    f.grid->CellControlEditDone(f.grid);
    EXPECT_EQ(done, std::vector<QString>{QStringLiteral("2,2 e1 EDIT xy")});
}

TEST(VoGridCellControl, TabMovesToTheNextEditControlOfTheCell)
{
    EditFixture f;
    f.grid->SetColWidths(2, 300);
    f.grid->SetCells(2, 2, kEditCell);
    f.grid->FocusNextCellControl(2, 2, QString());
    TControlEdit& edit = *f.grid->CellControlEdit();
    ASSERT_TRUE(edit.Visible());
    EXPECT_EQ(edit.Text(), QStringLiteral("abc"));
    SendKey(edit, VK_TAB);
    ASSERT_TRUE(edit.Visible()) << "the password control opened";
    EXPECT_EQ(edit.Text(), QStringLiteral("pw"));
    EXPECT_EQ(edit.PasswordChar(), u'*');
    SendKey(edit, VK_TAB);
    EXPECT_FALSE(edit.Visible());
    EXPECT_TRUE(f.grid->Focused());
}

TEST(VoGridCellControl, ComboStyleAndFreeTextFollowTheHandler)
{
    EditFixture f;
    const QString cell = QStringLiteral(R"(<CONTROL TYPE="COMBO" ID="k" VALUE="free" WIDTH="80">)");
    f.grid->SetCells(1, 2, cell);
    bool editable = true;
    f.grid->OnControlComboList = [&](TObject*, int, int, const QString&, const QString&, const QString&,
                                     TStringList& values, bool& edit, int& count) {
        values.Add(QStringLiteral("red"));
        values.Add(QStringLiteral("green"));
        edit = editable;
        count = 4;
    };
    std::vector<QString> selected;
    f.grid->OnControlComboSelect = [&](TObject*, int, int, int index, const QString& id, const QString& v) {
        selected.push_back(QStringLiteral("%1 %2 %3").arg(index).arg(id, v));
    };
    f.grid->ShowCellControl(cell, QStringLiteral("COMBO"), QStringLiteral("k"), QStringLiteral("free"), 1, 2,
                            Rect(5, 20, 85, 40));
    TControlCombo& combo = *f.grid->CellControlCombo();
    EXPECT_EQ(combo.Style(), csDropDown);
    EXPECT_EQ(combo.Text(), QStringLiteral("free"));
    EXPECT_EQ(combo.DropDownCount(), 4);
    f.other->SetFocus();
    EXPECT_FALSE(combo.Visible());
    EXPECT_EQ(controlValue(*f.grid, 1, 2, QStringLiteral("k")), QStringLiteral("free"));

    editable = false;
    f.grid->ShowCellControl(f.grid->Cells(1, 2), QStringLiteral("COMBO"), QStringLiteral("k"), QStringLiteral("green"),
                            1, 2, Rect(5, 20, 85, 40));
    EXPECT_EQ(combo.Style(), csDropDownList);
    EXPECT_EQ(combo.ItemIndex(), 1);
    SendComboListClick(combo, 0);
    EXPECT_EQ(selected, std::vector<QString>{QStringLiteral("0 k red")});
    SendKey(combo, VK_RETURN);
    EXPECT_EQ(controlValue(*f.grid, 1, 2, QStringLiteral("k")), QStringLiteral("red"));
}

TEST(VoGridCellControls, PlacedOverVisibleCellsAndHiddenOtherwise)
{
    EditFixture f;
    f.grid->SetRowCount(40);
    TPanel panel(nullptr);
    f.grid->SetCellControls(2, 3, &panel);
    f.grid->CellControlsUpdate(false);
    const TRect cell = f.grid->CellRect(2, 3);
    EXPECT_TRUE(panel.Visible());
    EXPECT_EQ(panel.BoundsRect(), Rect(cell.Left - 1, cell.Top - 1, cell.Right, cell.Bottom));

    f.grid->SetTopRow(20);
    EXPECT_FALSE(panel.Visible()) << "scrolled out of view";
    f.grid->SetTopRow(1);
    EXPECT_TRUE(panel.Visible());
    f.grid->CellControlsUpdate(true);
    EXPECT_TRUE(panel.Visible());

    f.grid->HideColumn(2);
    f.grid->CellControlsUpdate(false);
    EXPECT_FALSE(panel.Visible()) << "its column is hidden";
    f.grid->UnHideColumn(2);
    f.grid->SetCellControls(2, 3, nullptr);
    panel.SetParent(nullptr);
}

TEST(VoGridFixedCellEditor, OpensByTheMouseAsTheFixedEditModesSay)
{
    EditFixture f;
    const auto shown = [&] { return f.grid->FixedCellEdit() && f.grid->FixedCellEdit()->Visible(); };
    const auto middle = [&](int c, int r) {
        const TRect cell = f.grid->CellRect(c, r);
        return TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    };
    SendClick(*f.grid, middle(2, 0));
    EXPECT_FALSE(shown()) << "no fixed edit mode";

    f.grid->MouseActions().FixedRowsEdit = fceLeftClick;
    f.grid->SetOptions(f.grid->Options() | goColSizing);
    SendClick(*f.grid, {f.grid->CellRect(2, 0).Left + 3, middle(2, 0).Y});
    EXPECT_FALSE(shown()) << "a press near a sizable border";
    SendClick(*f.grid, middle(2, 0));
    ASSERT_TRUE(shown());
    EXPECT_EQ(f.grid->FixedCellEdit()->Col, 2);
    f.other->SetFocus();
    ASSERT_FALSE(shown());

    f.grid->MouseActions().FixedRowsEdit = fceNone;
    f.grid->MouseActions().FixedColsEdit = fceDblClick;
    SendClick(*f.grid, middle(0, 2));
    EXPECT_FALSE(shown()) << "a single click with the double-click mode";
    SendMouse(*f.grid, TMouseAction::DblClick, TMouseButton::mbLeft, middle(0, 2));
    ASSERT_TRUE(shown());
    EXPECT_EQ(f.grid->FixedCellEdit()->Row, 2);
}
