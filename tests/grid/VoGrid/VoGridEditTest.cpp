// In-place editing of the string grid driven through keys, clicks and the clipboard: the end-of-edit
// order, refusals, the text editor's character rules, paste and the special editors.
#include <gtest/gtest.h>
#include <QApplication>

#include "grid/VoGrid/Editors/VoInplaceEdit.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridEditFixture.h"
#include "grid/base/LocaleGuard.h"
#include "grid/base/vsgcheck.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

TEST(VoGridEdit, TextEditEndsValidateWriteDoneThenPostedCellDone)
{
    EditFixture f;
    f.open();
    ASSERT_TRUE(f.grid->IsEditing());
    ASSERT_TRUE(f.editor().Focused());
    EXPECT_EQ(f.editor().Text(), QStringLiteral("old"));
    f.typeIntoEditor(QStringLiteral("new"));
    SendKey(f.editor(), VK_RETURN);
    // The validation sees the old cell, the editing-done the written one; the cell-done waits for the queue.
    EXPECT_EQ(f.log, expected({"validate 1,1 new cell=old", "editing done cell=new"}));
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_TRUE(f.grid->Focused());
    f.posted();
    EXPECT_EQ(f.log, expected({"validate 1,1 new cell=old", "editing done cell=new", "cell done 1,1"}));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("new"));
}

TEST(VoGridEdit, RefusalKeepsTheEditorOpenOnTheCellWithNoDoneEvents)
{
    EditFixture f;
    f.validate = [](QString& value, bool& valid) { valid = value != QStringLiteral("bad"); };
    f.open();
    f.typeIntoEditor(QStringLiteral("bad"));
    SendKey(f.editor(), VK_RETURN);
    f.posted();
    EXPECT_EQ(f.log, expected({"validate 1,1 bad cell=old"}));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));
    EXPECT_TRUE(f.grid->IsEditing());
    EXPECT_TRUE(f.editor().Focused());
    EXPECT_EQ(f.editor().Text(), QStringLiteral("old"));
    EXPECT_EQ(f.grid->Col(), 1);
    EXPECT_EQ(f.grid->Row(), 1);

    // The next value goes through.
    f.log.clear();
    f.typeIntoEditor(QStringLiteral("good"));
    SendKey(f.editor(), VK_RETURN);
    f.posted();
    EXPECT_EQ(f.log, expected({"validate 1,1 good cell=old", "editing done cell=good", "cell done 1,1"}));
}

TEST(VoGridEdit, RefusalAfterAClickElsewhereBringsTheUserBackToTheCell)
{
    EditFixture f;
    f.validate = [](QString& value, bool& valid) { valid = value != QStringLiteral("bad"); };
    const auto middle = [&](int c, int r) {
        const TRect cell = f.grid->CellRect(c, r);
        return TPoint{(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
    };
    SendClick(*f.grid, middle(1, 1));
    ASSERT_TRUE(f.grid->IsEditing());
    SendKey(f.editor(), 'A', ssCtrl);
    f.typeIntoEditor(QStringLiteral("bad"));
    SendClick(*f.grid, middle(3, 2));
    f.posted();
    EXPECT_EQ(f.grid->Col(), 1);
    EXPECT_EQ(f.grid->Row(), 1);
    EXPECT_TRUE(f.grid->IsEditing());
    EXPECT_TRUE(f.editor().Focused());
    EXPECT_EQ(f.editor().Text(), QStringLiteral("old"));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));
    EXPECT_EQ(f.log, expected({"validate 1,1 bad cell=old"}));
}

// A cell that reads as wide text is judged by OnCellValidateWide with its decoded text, whether the text
// editor is left by a click or an edit-button editor ends with Enter; OnCellValidate is not asked. Accepted,
// the text is stored; refused, the user is back in the editor with the old text.
TEST(VoGridEdit, WideCellsAreValidatedAsWideText)
{
    for (const TEditorType type : {edNormal, edEditBtn}) {
        for (const bool accept : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(type).arg(accept).toStdString());
            EditFixture f;
            f.grid->DefaultEditor = type;
            f.grid->Navigation().AdvanceOnEnter = false;
            f.grid->OnGetDisplWideText = [](TObject*, int, int, QString&) {};
            std::vector<QString> wide;
            f.grid->OnCellValidateWide = [&](TObject*, int c, int r, QString& value, bool& valid) {
                wide.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(value));
                valid = accept;
            };
            ASSERT_TRUE(f.grid->IsWideCell(1, 1));
            f.open();
            auto& editor = type == edNormal ? static_cast<TWinControl&>(f.editor())
                                            : *static_cast<TWinControl*>(f.grid->EditCtrl());
            EXPECT_EQ(editor.Text(), QStringLiteral("old"));
            TypeText(editor, QStringLiteral(u"new Ω"));
            const TRect target = f.grid->CellRect(3, 2);
            if (type == edNormal)
                SendClick(*f.grid, {(target.Left + target.Right) / 2, (target.Top + target.Bottom) / 2});
            else
                SendKey(editor, VK_RETURN);
            f.posted();
            EXPECT_EQ(wide, std::vector<QString>{QStringLiteral(u"1,1 new Ω")});
            for (const QString& line : f.log)
                EXPECT_FALSE(line.startsWith(QStringLiteral("validate"))) << line.toStdString();
            EXPECT_EQ(f.grid->GetGridCell(1, 1), accept ? QStringLiteral(u"new Ω") : QStringLiteral("old"));
            EXPECT_EQ(f.grid->IsEditing(), !accept);
            if (!accept) {
                EXPECT_EQ(editor.Text(), QStringLiteral("old"));
                EXPECT_EQ(std::make_pair(f.grid->Col(), f.grid->Row()), std::make_pair(1, 1));
            }
        }
    }
}

TEST(VoGridEdit, RefusalWithAReplacementWritesAndShowsIt)
{
    EditFixture f;
    f.validate = [](QString& value, bool& valid) {
        value = QStringLiteral("fixed");
        valid = false;
    };
    f.open();
    f.typeIntoEditor(QStringLiteral("bad"));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("fixed"));
    EXPECT_TRUE(f.grid->IsEditing());
    EXPECT_EQ(f.editor().Text(), QStringLiteral("fixed"));
}

TEST(VoGridEdit, AcceptedCorrectionIsWrittenAndUnchangedValueIsNotValidated)
{
    EditFixture f;
    f.validate = [](QString& value, bool&) { value = value.trimmed(); };
    f.open();
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.log, expected({"editing done cell=old"}));

    f.log.clear();
    f.open();
    f.typeIntoEditor(QStringLiteral(" x "));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("x"));
    EXPECT_EQ(f.grid->NewCellText(), QStringLiteral("x"));
}

namespace {
// Upper-cases before validation and marks the result after it.
class ShoutingChecker : public VOroDavoduRuzuCheck {
public:
    using VOroDavoduRuzuCheck::VOroDavoduRuzuCheck;
    QString Correct(int, int, const QString& text) override { return text.toUpper(); }
    QString MarkError(int, int, const QString& text) override { return QStringLiteral("<e>%1</e>").arg(text); }
};
}  // namespace

// An accepted value marks its row modified, is corrected and marked by the checker, and the footer sums the
// written value; a refused one marks nothing.
TEST(VoGridEdit, AcceptedValueMarksTheRowCheckerAndFooter)
{
    EditFixture f;
    f.grid->SetCells(1, 1, QStringLiteral("1"));
    f.grid->SetCells(1, 2, QStringLiteral("2"));
    f.grid->FloatingFooter().SetVisible(true);
    f.grid->GetCellProperties(1, 3)->CalcType = acSUM;
    f.grid->CalcFooter(-1);
    ASSERT_EQ(f.grid->Cells(1, 3), QStringLiteral("3.00"));

    f.validate = [](QString& value, bool& valid) { valid = value != QStringLiteral("9"); };
    f.open();
    f.typeIntoEditor(QStringLiteral("9"));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_FALSE(f.grid->RowModified(1)) << "refused";
    SendKey(f.editor(), 'A', ssCtrl);
    f.typeIntoEditor(QStringLiteral("5"));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 3), QStringLiteral("7.00")) << "the footer counts the written value";
    EXPECT_TRUE(f.grid->RowModified(1));
    EXPECT_FALSE(f.grid->RowModified(2));

    ShoutingChecker checker(nullptr);
    checker.AutoCorrect = true;
    checker.AutoMarkError = true;
    f.grid->CellChecker = &checker;
    f.log.clear();
    f.grid->GotoCell(2, 2);
    f.open();
    f.typeIntoEditor(QStringLiteral("word"));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.log.front(), QStringLiteral("validate 2,2 WORD cell="));
    EXPECT_EQ(f.grid->Cells(2, 2), QStringLiteral("<e>WORD</e>"));
    f.grid->CellChecker = nullptr;
}

TEST(VoGridEdit, EscapeRestoresTheOriginalValue)
{
    EditFixture f;
    f.open();
    f.typeIntoEditor(QStringLiteral("xyz"));
    SendKey(f.editor(), VK_ESCAPE);
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));
}

TEST(VoGridEdit, LeavingForAnotherControlValidatesClosesAndEndsOnce)
{
    EditFixture f;
    f.open();
    f.typeIntoEditor(QStringLiteral("moved"));
    f.other->SetFocus();
    f.posted();
    EXPECT_EQ(f.log, expected({"validate 1,1 moved cell=old", "editing done cell=moved", "cell done 1,1"}));
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_FALSE(f.editor().Visible());
}

TEST(VoGridEdit, NoneEditorNeverOpens)
{
    EditFixture f;
    f.grid->DefaultEditor = edNone;
    f.open();
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_FALSE(f.grid->EditorMode());
}

TEST(VoGridEdit, CharacterRulesPerEditorType)
{
    const LocaleGuard locale(LocaleGuard::English());
    struct Case {
        TEditorType editor;
        const char* valid;
        const char* typed;
        const char* text;
        int beeps;
    } cases[] = {
        {edNormal, "", "a-1.", "a-1.", 0},
        {edPassword, "", "pa55-.", "pa55-.", 0},
        {edNumeric, "", "-1-2a3", "-123", 2},
        {edPositiveNumeric, "", "-5x", "5", 2},
        {edFloat, "", "-1.2.3,4", "-1.234", 0},
        {edFloat, "", "12-", "12", 1},
        {edPositiveFloat, "", "-1.5a", "1.5", 0},
        {edUpperCase, "", "abc", "ABC", 0},
        {edCapital, "", "abc", "ABC", 0},
        {edLowerCase, "", "AbC", "abc", 0},
        {edMixedCase, "", "hello world", "Hello World", 0},
        {edValidChars, "abc", "abxc", "abc", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        EditFixture f;
        int beeps = 0;
        const ScopedHook<TMessageBeepHook> beep(MessageBeepHook(), [&beeps](UINT) { ++beeps; });
        f.grid->DefaultEditor = c.editor;
        f.grid->ValidChars = QString::fromUtf8(c.valid);
        f.grid->SetCells(1, 1, QString());
        f.open();
        f.typeIntoEditor(QString::fromUtf8(c.typed));
        EXPECT_EQ(f.editor().Text(), QString::fromUtf8(c.text));
        EXPECT_EQ(beeps, c.beeps);
    }
}

// With "," as the decimal separator a second "," is dropped, and so is "." (the thousands separator).
TEST(VoGridEdit, FloatEditorFollowsTheLocaleSeparators)
{
    const LocaleGuard locale(LocaleGuard::German());
    EditFixture f;
    f.grid->DefaultEditor = edFloat;
    f.grid->SetCells(1, 1, QString());
    f.open();
    f.typeIntoEditor(QStringLiteral("-1,2,3.4"));
    EXPECT_EQ(f.editor().Text(), QStringLiteral("-1,234"));
    SendKey(f.editor(), VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("-1,234"));
}

TEST(VoGridEdit, LengthLimitStopsTypingButNotBackspace)
{
    EditFixture f;
    f.grid->MaxEditLength = 5;
    f.grid->SetCells(1, 1, QString());
    f.open();
    f.typeIntoEditor(QStringLiteral("123456"));
    EXPECT_EQ(f.editor().Text(), QStringLiteral("12345"));
    SendKey(f.editor(), VK_BACK);
    EXPECT_EQ(f.editor().Text(), QStringLiteral("1234"));
}

TEST(VoGridEdit, PasteKeepsEveryUnicodeCharacterAndWritesTheCell)
{
    EditFixture f;
    const QString text = QStringLiteral(u"Ωmega € 日本 ĀŁ");
    Clipboard().SetAsText(text);
    f.open();
    f.editor().SelectAll();
    SendKey(f.editor(), 'V', ssCtrl);
    EXPECT_EQ(f.editor().Text(), text);
    EXPECT_EQ(f.grid->Cells(1, 1), text);
}

TEST(VoGridEdit, PasteFollowsTheEditorTypeAndTheHandlers)
{
    struct Case {
        TEditorType editor;
        const char* clip;
        const char* text;
    } cases[] = {
        {edNumeric, "12a", ""},  {edNumeric, "12\r\n", "12"}, {edPositiveNumeric, "-3", ""},
        {edFloat, "1.5", "1.5"}, {edUpperCase, "abc", "ABC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip);
        EditFixture f;
        const LocaleGuard locale(LocaleGuard::English());
        f.grid->DefaultEditor = c.editor;
        f.grid->SetCells(1, 1, QString());
        Clipboard().SetAsText(QString::fromUtf8(c.clip));
        f.open();
        f.editor().Perform(WM_PASTE);
        EXPECT_EQ(f.editor().Text(), QString::fromUtf8(c.text));
    }
    EditFixture f;
    Clipboard().SetAsText(QStringLiteral("blocked"));
    f.grid->OnClipboardPaste = [](TObject*, bool& allow) { allow = false; };
    f.open();
    f.editor().Perform(WM_PASTE);
    EXPECT_EQ(f.editor().Text(), QStringLiteral("old"));
}

TEST(VoGridEdit, LookupCompletesFromTheFirstMatchingItem)
{
    EditFixture f;
    f.grid->Lookup = true;
    f.grid->LookupItems().SetText(QStringLiteral("Alpha\nAlpine"));
    f.grid->SetCells(1, 1, QString());
    f.open();
    f.typeIntoEditor(QStringLiteral("alp"));
    EXPECT_EQ(f.editor().Text(), QStringLiteral("alpha"));
    EXPECT_EQ(f.editor().SelText(), QStringLiteral("ha"));
    SendKey(f.editor(), VK_DELETE);
    EXPECT_EQ(f.editor().Text(), QStringLiteral("alp"));
}

// --- Special editors ---------------------------------------------------------------------------

namespace {
struct ComboFixture : EditFixture {
    explicit ComboFixture(TEditorType type)
    {
        grid->OnGetEditorType = [type](TObject*, int, int, TEditorType& editor) { editor = type; };
        grid->AddComboString(QStringLiteral("one"));
        grid->AddComboString(QStringLiteral("two"));
        grid->AddComboString(QStringLiteral("three"));
        grid->OnComboChange = [this](TObject*, int c, int r, int index, const QString& text) {
            log.push_back(QStringLiteral("combo %1,%2 %3 %4").arg(c).arg(r).arg(index).arg(text));
        };
    }
    TGridCombo& combo() { return *grid->Combobox(); }
};
}  // namespace

TEST(VoGridEdit, ComboListEndsInTheSameOrder)
{
    ComboFixture f(edComboList);
    f.grid->SetCells(1, 1, QStringLiteral("two"));
    f.open();
    ASSERT_TRUE(f.combo().Visible());
    ASSERT_TRUE(f.combo().Focused());
    EXPECT_EQ(f.combo().ItemIndex(), 1);
    SendKey(f.combo(), VK_DOWN);  // a closed list steps through the items
    EXPECT_TRUE(f.grid->IsEditing());
    SendKey(f.combo(), VK_RETURN);
    EXPECT_EQ(f.log, expected({"validate 1,1 three cell=two", "editing done cell=three"}));
    f.posted();
    EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,1"));
    EXPECT_FALSE(f.combo().Visible());
    EXPECT_TRUE(f.grid->Focused());
}

TEST(VoGridEdit, ComboRefusalStaysOpenWithTheCellValue)
{
    ComboFixture f(edComboEdit);
    f.validate = [](QString&, bool& valid) { valid = false; };
    f.grid->SetCells(1, 1, QStringLiteral("one"));
    f.open();
    f.combo().SetText(QStringLiteral("typed"));
    SendKey(f.combo(), VK_RETURN);
    f.posted();
    EXPECT_EQ(f.log, expected({"validate 1,1 typed cell=one"}));
    EXPECT_TRUE(f.combo().Visible());
    EXPECT_EQ(f.combo().Text(), QStringLiteral("one"));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("one"));
}

TEST(VoGridEdit, ComboListOpensOnTheCellItemOrFallsBackToTheFirst)
{
    struct Case {
        const char* cell;
        bool emptyList;
        int index;
        std::vector<QString> events;
    } cases[] = {
        {"two", false, 1, {}},
        {"plain", false, 0, expected({"combo 1,1 0 one"})},
        {"plain", true, -1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        ComboFixture f(edComboList);
        if (c.emptyList)
            f.grid->ClearComboString();
        f.grid->SetCells(1, 1, QString::fromUtf8(c.cell));
        f.open();
        EXPECT_EQ(f.combo().ItemIndex(), c.index);
        EXPECT_EQ(f.log, c.events);
    }
}

TEST(VoGridEdit, ComboWheelStopsAtTheLastItemAndStillReports)
{
    ComboFixture f(edComboList);
    f.grid->SetCells(1, 1, QStringLiteral("three"));
    f.open();
    f.combo().Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, -120));
    EXPECT_EQ(f.combo().ItemIndex(), 2);
    EXPECT_EQ(f.log, expected({"combo 1,1 2 three"}));
    f.combo().Perform(WM_MOUSEWHEEL, MAKEWPARAM(0, 120));
    EXPECT_EQ(f.combo().ItemIndex(), 1);
}

// Which keys end a combo's edit and where the current cell goes, per combo style.
TEST(VoGridEdit, ComboKeysPerStyle)
{
    struct Case {
        TEditorType type;
        WORD key;
        bool ends;
        int col, row;
    } cases[] = {
        {edComboList, VK_DOWN, false, 2, 2}, {edComboList, VK_UP, false, 2, 2}, {edComboList, VK_RIGHT, true, 3, 2},
        {edComboList, VK_LEFT, true, 1, 2},  {edComboEdit, VK_UP, true, 2, 1},  {edComboEdit, VK_END, false, 2, 2},
        {edComboEdit, VK_NEXT, true, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.type).arg(c.key).toStdString());
        ComboFixture f(c.type);
        f.grid->Navigation().AdvanceOnEnter = false;
        f.grid->SetCells(2, 2, QStringLiteral("two"));
        f.grid->GotoCell(2, 2);
        f.open();
        ASSERT_TRUE(f.combo().Focused());
        SendKey(f.combo(), c.key);
        f.posted();
        EXPECT_EQ(f.grid->IsEditing(), !c.ends);
        EXPECT_EQ(f.combo().Visible(), !c.ends);
        EXPECT_EQ(f.grid->Col(), c.col);
        EXPECT_EQ(f.grid->Row(), c.row);
    }
}

// Typing completes from the combo's items first, then from the grid's lookup items; Backspace stops it.
TEST(VoGridEdit, ComboLookupCompletesFromItemsThenLookupItemsAndKeepsHistory)
{
    ComboFixture f(edComboEdit);
    f.grid->Lookup = true;
    f.grid->LookupHistory = true;
    f.grid->LookupItems().SetText(QStringLiteral("Gamma"));
    f.grid->SetCells(1, 1, QString());
    f.open();
    TypeText(f.combo(), QStringLiteral("t"));
    EXPECT_EQ(f.combo().Text(), QStringLiteral("two"));
    EXPECT_EQ(f.combo().ItemIndex(), 1);
    TypeText(f.combo(), QStringLiteral("h"));
    EXPECT_EQ(f.combo().Text(), QStringLiteral("three")) << "the first item starting with th";
    SendKey(f.combo(), VK_BACK);
    EXPECT_EQ(f.combo().Text(), QStringLiteral("th")) << "Backspace removes the completion and does not complete";

    f.combo().SetText(QString());
    TypeText(f.combo(), QStringLiteral("g"));
    EXPECT_EQ(f.combo().Text(), QStringLiteral("gamma")) << "typed case kept, the rest from the lookup item";
    EXPECT_EQ(f.combo().Items().IndexOf(QStringLiteral("gamma")), -1);
    SendKey(f.combo(), VK_RETURN);
    f.posted();
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("gamma"));
    EXPECT_EQ(f.combo().Items().Count(), 4) << "the new text joins the items once";
    f.open();
    f.other->SetFocus();
    EXPECT_EQ(f.combo().Items().Count(), 4);

    f.grid->SetCells(1, 1, QString());
    f.open();
    f.other->SetFocus();
    EXPECT_EQ(f.combo().Items().Count(), 4) << "an empty text is never added";
}

TEST(VoGridEdit, ComboItemApi)
{
    ComboFixture f(edComboList);
    EXPECT_EQ(f.grid->GetComboCount(), 3);
    EXPECT_FALSE(f.grid->SetComboSelectionString(QStringLiteral("four")));
    EXPECT_EQ(f.grid->ComboSelection(), -1);
    EXPECT_TRUE(f.grid->SetComboSelectionString(QStringLiteral("two")));
    EXPECT_EQ(f.grid->ComboSelection(), 1);
    f.grid->AddComboString(QStringLiteral("two"));
    f.grid->SetCells(2, 2, QStringLiteral("two"));
    EXPECT_EQ(f.grid->GetComboIndex(2, 2), 1);
    f.grid->SetCells(2, 2, QStringLiteral("nine"));
    EXPECT_EQ(f.grid->GetComboIndex(2, 2), -1);
    f.grid->SetComboIndex(2, 2, 2);
    EXPECT_EQ(f.grid->Cells(2, 2), QStringLiteral("three"));
    EXPECT_THROW(f.grid->SetComboIndex(2, 2, 9), std::out_of_range);
    EXPECT_TRUE(f.grid->RemoveComboString(QStringLiteral("two")));
    EXPECT_FALSE(f.grid->RemoveComboString(QStringLiteral("nine")));
    EXPECT_EQ(f.grid->GetComboCount(), 3);
}

TEST(VoGridEdit, CheckBoxEditorTogglesAndLeavesTheCell)
{
    EditFixture f;
    f.grid->DefaultEditor = edCheckBox;
    f.open();
    TGridCheckBox& check = *f.grid->EditCheckBox();
    ASSERT_TRUE(check.Visible());
    EXPECT_EQ(check.Text(), QStringLiteral("old"));
    EXPECT_FALSE(check.Checked());
    SendKey(check, VK_SPACE);
    EXPECT_TRUE(check.Checked());
    SendClick(check, {5, 5});
    EXPECT_FALSE(check.Checked());
    check.SetText(QStringLiteral("changed"));
    SendKey(check, VK_ESCAPE);
    EXPECT_EQ(check.Text(), QStringLiteral("old"));
    EXPECT_FALSE(check.Visible());
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));
}

TEST(VoGridEdit, ButtonEditorEscapeRestoresTheCellAndClickPassesTheEllipsisHook)
{
    EditFixture f;
    f.grid->DefaultEditor = edButton;
    int clicks = 0;
    f.grid->OnButtonClick = [&clicks](TObject*, int, int) { ++clicks; };
    f.grid->OnEllipsClick = [](TObject*, int, int, QString& s) { s += QStringLiteral("!"); };
    f.open();
    TControl* button = f.grid->EditCtrl();
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Text(), QStringLiteral("old"));
    SendClick(*button, {4, 4});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old!"));
    SendKey(*static_cast<TWinControl*>(button), VK_ESCAPE);
    EXPECT_FALSE(button->Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("old"));
}

TEST(VoGridEdit, AlwaysEditOpensTheEditorWhenTheFocusArrives)
{
    EditFixture f;
    f.open();  // the grid has its text editor from now on
    SendKey(f.editor(), VK_ESCAPE);
    f.other->SetFocus();
    f.posted();
    ASSERT_FALSE(f.grid->EditorMode());
    f.grid->SetFocus();
    f.posted();
    EXPECT_FALSE(f.grid->EditorMode()) << "without AlwaysEdit the focus only arrives";
    f.other->SetFocus();
    f.posted();
    f.grid->Navigation().AlwaysEdit = true;
    f.grid->SetFocus();
    f.posted();
    EXPECT_TRUE(f.grid->EditorMode());
    EXPECT_TRUE(f.editor().Visible());
}
