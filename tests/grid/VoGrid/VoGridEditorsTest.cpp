// The special editors of the string grid, opened with F2 and driven by keys and clicks: which control each
// editor type gets, typing and committing, cancelling with Esc, the end-of-edit order and refusals, the
// spin paging keys, the edit-button filters and button, the custom editor link and rich text.
#include <gtest/gtest.h>
#include <QApplication>

#include "grid/VoGrid/Editors/EditLink.h"
#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/Editors/VoRichEdit.h"
#include "grid/VoGrid/VoGridEditFixture.h"
#include "grid/base/LocaleGuard.h"
#include "platform/Clipbrd.h"
#include "platform/Dialogs.h"

namespace {

struct TypedFixture : EditFixture {
    explicit TypedFixture(TEditorType type, const QString& cell)
    {
        grid->DefaultEditor = type;
        grid->SetCells(1, 1, cell);
        grid->Navigation().AdvanceOnEnter = false;
    }
    TWinControl& control() { return *static_cast<TWinControl*>(grid->EditCtrl()); }
};

// An application editor: a plain edit whose keys and exit go through the link.
class TestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return edit; }
    void CreateEditor(TWinControl* AParent) override
    {
        if (edit)
            return;
        edit = new TEdit(this);
        edit->SetParent(AParent);
        edit->OnKeyDown = [this](TObject* Sender, WORD& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
    }
    QString GetEditorValue() override { return edit->Text(); }
    void SetEditorValue(const QString& Value) override { edit->SetText(Value); }
    TEdit* edit = nullptr;
};

// The grid's editor control that has the focus, if any.
TWinControl* focusedEditor(VOroDavoduRuzu& grid)
{
    for (int i = 0; i < grid.ComponentCount(); ++i)
        if (auto* w = dynamic_cast<TWinControl*>(grid.Components(i)); w && w->Focused())
            return w;
    return nullptr;
}

TPoint middleOf(const VOroDavoduRuzu& grid, int c, int r)
{
    const TRect cell = grid.CellRect(c, r);
    return {(cell.Left + cell.Right) / 2, (cell.Top + cell.Bottom) / 2};
}

}  // namespace

// Every editor type opens through the factory: a special control, the text editor (also for the drop-down
// types, whose controls are not built yet), or nothing.
TEST(VoGridEditors, EveryEditorTypeOpensItsEditor)
{
    for (int t = edNormal; t <= edMaskEditBtn; ++t) {
        const auto type = static_cast<TEditorType>(t);
        SCOPED_TRACE(t);
        TypedFixture f(type, QStringLiteral("7"));
        TestLink& link = *new TestLink(&f.form);
        f.grid->EditLink = &link;
        f.open();
        if (type == edNone) {
            EXPECT_FALSE(f.grid->IsEditing());
            continue;
        }
        if (type == edDataCheckBox)
            continue;
        const QString expectedClass = [type]() -> QString {
            switch (type) {
            case edSpinEdit:
            case edFloatSpinEdit:
            case edTimeSpinEdit:
            case edDateSpinEdit:
                return QStringLiteral("TGridSpin");
            case edComboEdit:
            case edComboList:
                return QStringLiteral("TGridCombo");
            case edEditBtn:
            case edNumericEditBtn:
            case edFloatEditBtn:
            case edMaskEditBtn:
                return QStringLiteral("TGridEditBtn");
            case edUnitEditBtn:
            case edNumericUnitEditBtn:
            case edFloatUnitEditBtn:
                return QStringLiteral("TGridUnitEditBtn");
            case edCheckBox:
                return QStringLiteral("TGridCheckBox");
            case edDateEdit:
            case edDateEditUpDown:
            case edTimeEdit:
                return QStringLiteral("TGridDatePicker");
            case edDateTimeEdit:
                return QStringLiteral("TGridDateTimePicker");
            case edButton:
                return QStringLiteral("TGridButton");
            case edCustom:
                return QStringLiteral("TEdit");
            case edRichEdit:
                return QStringLiteral("TVoRichEdit");
            default:
                return QStringLiteral("TVoInplaceEdit");
            }
        }();
        TWinControl* focused = focusedEditor(*f.grid);
        if (!focused && link.edit && link.edit->Focused())
            focused = link.edit;
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->ClassName(), expectedClass);
        EXPECT_TRUE(f.grid->IsEditing());
    }
}

// Type a value and commit it with Enter, or type and cancel with Esc, per editor type.
TEST(VoGridEditors, TypeCommitAndCancelPerEditorType)
{
    const LocaleGuard locale(LocaleGuard::English());
    struct Case {
        TEditorType type;
        const char* cell;
        const char* typed;
        const char* committed;
    } cases[] = {
        {edSpinEdit, "5", "12", "12"},         {edTimeSpinEdit, "1:00:00", "10:20:30", "10:20:30"},
        {edEditBtn, "old", "new", "new"},      {edNumericEditBtn, "1", "4x2", "42"},
        {edFloatEditBtn, "1", "-2.5", "-2.5"}, {edMaskEditBtn, "old", "typed", "typed"},
    };
    for (const Case& c : cases) {
        for (const bool commit : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.type).arg(commit).toStdString());
            TypedFixture f(c.type, QString::fromUtf8(c.cell));
            f.open();
            TypeText(f.control(), QString::fromUtf8(c.typed));
            SendKey(f.control(), commit ? VK_RETURN : VK_ESCAPE);
            f.posted();
            EXPECT_FALSE(f.grid->IsEditing());
            EXPECT_FALSE(f.control().Visible());
            EXPECT_TRUE(f.grid->Focused());
            EXPECT_EQ(f.grid->Cells(1, 1), QString::fromUtf8(commit ? c.committed : c.cell));
            EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,1"));
        }
    }
}

// The same by the mouse: a click on the current cell or a double click on another opens the editor, a click
// on another cell commits; Esc cancels an editor the mouse opened.
TEST(VoGridEditors, ClicksOpenAndCommitPerEditorType)
{
    const LocaleGuard locale(LocaleGuard::English());
    struct Case {
        TEditorType type;
        const char* typed;
        const char* committed;
    } cases[] = {
        {edNormal, "new", "new"},         {edNumeric, "4x2", "42"},         {edUpperCase, "abc", "ABC"},
        {edSpinEdit, "12", "12"},         {edComboEdit, "typed", "typed"},  {edEditBtn, "new", "new"},
        {edFloatEditBtn, "-2.5", "-2.5"}, {edMemoDropDown, "memo", "memo"},
    };
    for (const Case& c : cases) {
        for (const bool doubleClick : {false, true}) {
            for (const bool commit : {true, false}) {
                SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.type).arg(doubleClick).arg(commit).toStdString());
                TypedFixture f(c.type, QString());
                const int row = doubleClick ? 2 : 1;
                f.grid->SetCells(1, row, QStringLiteral("7"));
                const TPoint at = middleOf(*f.grid, 1, row);
                SendClick(*f.grid, at);
                if (doubleClick) {
                    EXPECT_FALSE(f.grid->IsEditing()) << "a click on another cell only moves to it";
                    SendMouse(*f.grid, TMouseAction::DblClick, TMouseButton::mbLeft, at);
                }
                ASSERT_TRUE(f.grid->IsEditing());
                TWinControl* editor = focusedEditor(*f.grid);
                ASSERT_NE(editor, nullptr);
                SendKey(*editor, VK_END);
                SendKey(*editor, VK_BACK);
                TypeText(*editor, QString::fromUtf8(c.typed));
                if (commit)
                    SendClick(*f.grid, middleOf(*f.grid, 2, 3));
                else
                    SendKey(*editor, VK_ESCAPE);
                f.posted();
                EXPECT_FALSE(f.grid->IsEditing());
                EXPECT_FALSE(editor->Visible());
                EXPECT_EQ(f.grid->Cells(1, row), QString::fromUtf8(commit ? c.committed : "7"));
                EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,%1").arg(row));
                EXPECT_EQ(f.grid->Row(), commit ? 3 : row);
            }
        }
    }
}

TEST(VoGridEditors, FloatAndDateSpinWriteTheirValues)
{
    const LocaleGuard locale(LocaleGuard::English());
    TypedFixture f(edFloatSpinEdit, QStringLiteral("1.5"));
    f.open();
    TypeText(f.control(), QStringLiteral("2.25"));
    SendKey(f.control(), VK_RETURN);
    EXPECT_DOUBLE_EQ(f.grid->Floats(1, 1), 2.25);

    TypedFixture d(edDateSpinEdit, QString());
    d.grid->SetDates(1, 1, EncodeDateTime(2026, 3, 4, 0, 0, 0, 0));
    const QString before = d.grid->Cells(1, 1);
    d.open();
    SendKey(d.control(), VK_RETURN);
    EXPECT_EQ(d.grid->Cells(1, 1), before);
}

TEST(VoGridEditors, SpecialEditorEndsValidateWriteDoneThenPostedCellDone)
{
    for (const TEditorType type : {edEditBtn, edCustom}) {
        SCOPED_TRACE(type);
        TypedFixture f(type, QStringLiteral("old"));
        f.grid->EditLink = new TestLink(&f.form);
        f.open();
        f.control().SetText(QStringLiteral("new"));
        SendKey(f.control(), VK_RETURN);
        EXPECT_EQ(f.log, expected({"validate 1,1 new cell=old", "editing done cell=new"}));
        f.posted();
        EXPECT_EQ(f.log, expected({"validate 1,1 new cell=old", "editing done cell=new", "cell done 1,1"}));
    }
}

TEST(VoGridEditors, RefusalKeepsEachSpecialEditorOpenWithTheCellValue)
{
    for (const TEditorType type : {edSpinEdit, edEditBtn, edUnitEditBtn, edCustom}) {
        SCOPED_TRACE(type);
        TypedFixture f(type, QStringLiteral("5"));
        f.grid->EditLink = new TestLink(&f.form);
        f.validate = [](QString&, bool& valid) { valid = false; };
        f.open();
        f.control().SetText(QString());
        TypeText(f.control(), QStringLiteral("9"));
        SendKey(f.control(), VK_RETURN);
        f.posted();
        EXPECT_EQ(f.log, expected({"validate 1,1 9 cell=5"}));
        EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("5"));
        EXPECT_TRUE(f.grid->IsEditing());
        EXPECT_TRUE(f.control().Visible());
        EXPECT_TRUE(f.control().Focused());
        EXPECT_EQ(f.control().Text(), QStringLiteral("5"));
    }
}

// Leaving any special editor by a click on another cell validates its value first. Accepted: the value is
// written, OnEditingDone follows, the posted cell-done comes last and the click moves. Refused: the cell
// keeps its text, the editor stays open and focused on it, and the click goes nowhere.
TEST(VoGridEditors, ClickElsewhereValidatesEverySpecialEditorFirst)
{
    const LocaleGuard locale(LocaleGuard::English());
    using Change = std::function<QString(TypedFixture&)>;
    const auto retype = [](const char* typed, const char* value) -> Change {
        return [typed, value](TypedFixture& f) {
            TWinControl& editor = *focusedEditor(*f.grid);
            SendKey(editor, VK_END);
            SendKey(editor, VK_BACK);
            TypeText(editor, QString::fromUtf8(typed));
            return QString::fromUtf8(value);
        };
    };
    struct Case {
        TEditorType type;
        const char* cell;
        Change change;
    } cases[] = {
        {edSpinEdit, "7", retype("12", "12")},
        {edComboEdit, "7", retype("typed", "typed")},
        {edComboList, "a",
         [](TypedFixture& f) {
             f.grid->Combobox()->SetItemIndex(2);
             return QStringLiteral("c");
         }},
        {edEditBtn, "7", retype("new", "new")},
        {edUnitEditBtn, "7mm", retype("30", "30mm")},
        {edDateEdit, "",
         [](TypedFixture& f) {
             SendKey(*f.grid->DateTimePicker(), VK_UP);
             return f.grid->DateTimePicker()->Text();
         }},
        {edDateTimeEdit, "3/4/2026 10:20",
         [](TypedFixture& f) {
             f.grid->DateAndTimePicker()->SetDateTime(EncodeDateTime(2026, 3, 5, 11, 30, 0, 0));
             return f.grid->DateAndTimePicker()->CellText();
         }},
        {edCustom, "7",
         [](TypedFixture& f) {
             static_cast<TEdit*>(f.grid->EditCtrl())->SetText(QStringLiteral("linked"));
             return QStringLiteral("linked");
         }},
        {edMemoDropDown, "7", retype("memo", "memo")},
    };
    for (const Case& c : cases) {
        for (const bool accept : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.type).arg(accept).toStdString());
            TypedFixture f(c.type, QString::fromUtf8(c.cell));
            f.grid->BtnUnitEdit()->Units().SetText(QStringLiteral("cm\nmm"));
            for (const char* item : {"a", "b", "c"})
                f.grid->AddComboString(QString::fromUtf8(item));
            f.grid->EditLink = new TestLink(&f.form);
            if (c.type == edDateEdit)
                f.grid->SetDates(1, 1, EncodeDateTime(2026, 3, 4, 0, 0, 0, 0));
            const QString old = f.grid->Cells(1, 1);
            f.validate = [accept](QString&, bool& valid) { valid = accept; };
            f.open();
            ASSERT_TRUE(f.grid->IsEditing());
            TWinControl* editor = focusedEditor(*f.grid);
            if (!editor)
                editor = &f.control();
            const QString value = c.change(f);
            ASSERT_NE(value, old);
            SendClick(*f.grid, middleOf(*f.grid, 2, 3));
            f.posted();
            const QString validated = QStringLiteral("validate 1,1 %1 cell=%2").arg(value, old);
            if (accept) {
                EXPECT_EQ(f.log, (std::vector<QString>{validated, QStringLiteral("editing done cell=") + value,
                                                       QStringLiteral("cell done 1,1")}));
                EXPECT_EQ(f.grid->Cells(1, 1), value);
                EXPECT_FALSE(f.grid->IsEditing());
                EXPECT_FALSE(editor->Visible());
                EXPECT_EQ(std::make_pair(f.grid->Col(), f.grid->Row()), std::make_pair(2, 3));
            } else {
                EXPECT_EQ(f.log, std::vector<QString>{validated});
                EXPECT_EQ(f.grid->Cells(1, 1), old);
                EXPECT_TRUE(f.grid->IsEditing());
                EXPECT_TRUE(editor->Visible());
                EXPECT_TRUE(editor->Focused());
                EXPECT_EQ(std::make_pair(f.grid->Col(), f.grid->Row()), std::make_pair(1, 1));
            }
        }
    }
}

// A move of the current cell from code, or an arrow key that the combo hands to the grid, validates the
// open special editor the same way.
TEST(VoGridEditors, MovesAwayFromASpecialEditorValidateIt)
{
    struct Case {
        TEditorType type;
        std::function<void(TypedFixture&)> move;
        int row;
    } cases[] = {
        {edSpinEdit, [](TypedFixture& f) { f.grid->SetRow(3); }, 3},
        {edComboEdit, [](TypedFixture& f) { SendKey(f.control(), VK_DOWN); }, 2},
    };
    for (const Case& c : cases) {
        for (const bool accept : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.type).arg(accept).toStdString());
            TypedFixture f(c.type, QStringLiteral("5"));
            f.validate = [accept](QString&, bool& valid) { valid = accept; };
            f.open();
            SendKey(f.control(), VK_END);
            SendKey(f.control(), VK_BACK);
            TypeText(f.control(), QStringLiteral("9"));
            c.move(f);
            f.posted();
            if (accept) {
                EXPECT_EQ(f.log, expected({"validate 1,1 9 cell=5", "editing done cell=9", "cell done 1,1"}));
                EXPECT_EQ(f.grid->Row(), c.row);
                EXPECT_FALSE(f.grid->IsEditing());
            } else {
                EXPECT_EQ(f.log, expected({"validate 1,1 9 cell=5"}));
                EXPECT_EQ(f.grid->Row(), 1);
                EXPECT_TRUE(f.grid->IsEditing());
                EXPECT_EQ(f.control().Text(), QStringLiteral("5"));
            }
        }
    }
}

// The rich editor handing a vertical arrow to the grid validates its value (the cell's RTF) before the move.
TEST(VoGridEditors, RichEditorArrowValidatesBeforeTheMove)
{
    for (const bool accept : {true, false}) {
        SCOPED_TRACE(accept);
        TypedFixture f(edRichEdit, QStringLiteral("5"));
        f.grid->WordWrap = false;
        f.validate = [accept](QString&, bool& valid) { valid = accept; };
        f.open();
        TVoRichEdit& rich = *f.grid->InplaceRichEdit();
        rich.SetText(QString());
        TypeText(rich, QStringLiteral("9"));
        SendKey(rich, VK_DOWN);
        f.posted();
        ASSERT_EQ(f.log.size(), accept ? 3u : 1u);
        EXPECT_TRUE(f.log[0].startsWith(QStringLiteral("validate 1,1 {\\rtf1"))) << f.log[0].toStdString();
        EXPECT_EQ(f.grid->Row(), accept ? 2 : 1);
        EXPECT_EQ(f.grid->IsEditing(), !accept);
        if (accept) {
            EXPECT_TRUE(f.grid->Cells(1, 1).startsWith(QStringLiteral("{\\rtf1")));
        } else {
            EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("5"));
            EXPECT_EQ(rich.Text(), QStringLiteral("5"));
        }
    }
}

// The focus leaving a special editor for another control validates the value too; a refused value never
// reaches the cell, the edit ends with the cell's old text.
TEST(VoGridEditors, FocusLossToAnotherControlValidatesTheSpecialEditor)
{
    for (const TEditorType type : {edSpinEdit, edComboEdit, edEditBtn}) {
        for (const bool accept : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(type).arg(accept).toStdString());
            TypedFixture f(type, QStringLiteral("5"));
            f.validate = [accept](QString&, bool& valid) { valid = accept; };
            f.open();
            TWinControl& editor = f.control();
            SendKey(editor, VK_END);
            SendKey(editor, VK_BACK);
            TypeText(editor, QStringLiteral("9"));
            f.other->SetFocus();
            f.posted();
            const QString kept = accept ? QStringLiteral("9") : QStringLiteral("5");
            EXPECT_EQ(f.log, (std::vector<QString>{QStringLiteral("validate 1,1 9 cell=5"),
                                                   QStringLiteral("editing done cell=") + kept,
                                                   QStringLiteral("cell done 1,1")}));
            EXPECT_EQ(f.grid->Cells(1, 1), kept);
            EXPECT_FALSE(f.grid->IsEditing());
        }
    }
}

TEST(VoGridEditors, SpinPagingKeysStayInRangeAndReport)
{
    struct Case {
        WORD key;
        int start;
        int value;
        bool up;
    } cases[] = {
        {VK_PRIOR, 5, 6, true}, {VK_PRIOR, 100, 100, true}, {VK_NEXT, 5, 4, false},
        {VK_NEXT, 0, 0, false}, {VK_HOME, 5, 100, true},    {VK_END, 5, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        TypedFixture f(edSpinEdit, QString::number(c.start));
        std::vector<std::pair<int, bool>> clicks;
        f.grid->OnSpinClick = [&clicks](TObject*, int, int, int value, bool up) { clicks.emplace_back(value, up); };
        f.open();
        TGridSpin& spin = *f.grid->SpinEdit();
        SendKey(spin, c.key);
        EXPECT_EQ(spin.Value(), c.value);
        ASSERT_EQ(clicks.size(), 1u);
        EXPECT_EQ(clicks[0], std::make_pair(c.value, c.up));
    }
}

TEST(VoGridEditors, SpinAllowingEmptyLeavesAClearedCellEmpty)
{
    TypedFixture f(edSpinEdit, QStringLiteral("5"));
    f.grid->SpinEdit()->AllowEmptyValue = true;
    f.open();
    SendKey(f.control(), VK_DELETE);
    SendKey(f.control(), VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QString());
}

TEST(VoGridEditors, DatePickerStepsAFieldCommitsItsTextAndEscapeRestores)
{
    const LocaleGuard locale(LocaleGuard::English());
    for (const bool commit : {true, false}) {
        TypedFixture f(edDateEdit, QString());
        f.grid->SetDates(1, 1, EncodeDateTime(2026, 3, 4, 0, 0, 0, 0));
        const QString before = f.grid->Cells(1, 1);
        f.open();
        TGridDatePicker& picker = *f.grid->DateTimePicker();
        ASSERT_TRUE(picker.Focused());
        SendKey(picker, VK_UP);
        const QString stepped = picker.Text();
        EXPECT_NE(stepped, before);
        SendKey(picker, commit ? VK_RETURN : VK_ESCAPE);
        EXPECT_FALSE(picker.Visible());
        // Esc puts the cell's date back (in the picker's own format).
        if (commit)
            EXPECT_EQ(f.grid->Cells(1, 1), stepped);
        else
            EXPECT_DOUBLE_EQ(f.grid->Dates(1, 1), EncodeDateTime(2026, 3, 4, 0, 0, 0, 0));
    }
}

TEST(VoGridEditors, DateOutsideThePickerRangeOpensInsideIt)
{
    const LocaleGuard locale(LocaleGuard::English());
    TypedFixture f(edDateEdit, QString());
    TGridDatePicker& picker = *f.grid->DateTimePicker();
    const TDateTime min = EncodeDateTime(2020, 1, 1, 0, 0, 0, 0);
    const TDateTime max = EncodeDateTime(2030, 1, 1, 0, 0, 0, 0);
    picker.SetMinDate(min);
    picker.SetMaxDate(max);
    f.grid->SetDates(1, 1, EncodeDateTime(2040, 5, 5, 0, 0, 0, 0));
    f.open();
    EXPECT_DOUBLE_EQ(std::floor(picker.DateTime()), max - 1);
    SendKey(picker, VK_ESCAPE);
    f.grid->SetDates(1, 1, min);
    f.open();
    EXPECT_DOUBLE_EQ(std::floor(picker.DateTime()), min + 1);
}

TEST(VoGridEditors, UnitEditorSplitsValueAndUnitAndWritesBoth)
{
    TypedFixture f(edUnitEditBtn, QStringLiteral("12mm"));
    f.grid->BtnUnitEdit()->Units().SetText(QStringLiteral("cm\nmm"));
    f.open();
    TGridUnitEditBtn& edit = *f.grid->BtnUnitEdit();
    EXPECT_EQ(edit.Text(), QStringLiteral("12"));
    EXPECT_EQ(edit.UnitID(), QStringLiteral("mm"));
    TypeText(edit, QStringLiteral("30"));
    SendKey(edit, VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("30mm"));

    // A value with no known unit stays whole.
    f.grid->SetCells(1, 1, QStringLiteral("7 furlongs"));
    f.open();
    EXPECT_EQ(edit.Text(), QStringLiteral("7 furlongs"));
    SendKey(edit, VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("7 furlongs"));
}

TEST(VoGridEditors, EditButtonClickPassesTheEllipsisHookAndPasteKeepsUnicode)
{
    TypedFixture f(edEditBtn, QStringLiteral("old"));
    f.grid->OnEllipsClick = [](TObject*, int, int, QString& s) { s += QStringLiteral("!"); };
    f.open();
    TGridEditBtn& edit = *f.grid->BtnEdit();
    SendKey(edit, VK_F4);
    EXPECT_EQ(edit.Text(), QStringLiteral("old!"));
    EXPECT_EQ(edit.SelText(), QStringLiteral("old!"));

    const QString text = QStringLiteral(u"Ωmega 日本\r\n");
    Clipboard().SetAsText(text);
    edit.Perform(WM_PASTE);
    EXPECT_EQ(edit.Text(), QStringLiteral(u"Ωmega 日本"));
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral(u"Ωmega 日本"));
}

// A short paste keeps every character: into an empty editor, over a selection, at the caret; only a last
// CR LF is dropped.
TEST(VoGridEditors, EditButtonPasteKeepsShortTexts)
{
    struct Case {
        const char* cell;
        int selStart, selLength;
        const char* clip;
        const char* result;
    } cases[] = {
        {"", 0, 0, "x", "x"},       {"hello", 0, 5, "x", "x"},    {"hello", 2, 0, "x", "hexllo"},
        {"ab", 2, 0, "\r\n", "ab"}, {"ab", 2, 0, "c\r\n", "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clip);
        TypedFixture f(edEditBtn, QString::fromUtf8(c.cell));
        f.open();
        TGridEditBtn& edit = *f.grid->BtnEdit();
        edit.SetSelStart(c.selStart);
        edit.SetSelLength(c.selLength);
        Clipboard().SetAsText(QString::fromUtf8(c.clip));
        edit.Perform(WM_PASTE);
        EXPECT_EQ(edit.Text(), QString::fromUtf8(c.result));
        EXPECT_EQ(f.grid->Cells(1, 1), QString::fromUtf8(c.result));
    }
}

TEST(VoGridEditors, EditButtonLookupCompletesAndNumericFilterBeeps)
{
    TypedFixture f(edEditBtn, QString());
    f.grid->Lookup = true;
    f.grid->LookupItems().SetText(QStringLiteral("Alpha\nAlpine"));
    f.open();
    TGridEditBtn& edit = *f.grid->BtnEdit();
    TypeText(edit, QStringLiteral("alpi"));
    EXPECT_EQ(edit.Text(), QStringLiteral("alpine"));
    EXPECT_EQ(edit.SelText(), QStringLiteral("ne"));
    SendKey(edit, VK_ESCAPE);

    int beeps = 0;
    const auto saved = MessageBeepHook();
    MessageBeepHook() = [&beeps](UINT) { ++beeps; };
    f.grid->DefaultEditor = edNumericEditBtn;
    f.open();
    TypeText(edit, QStringLiteral("-1-a"));
    MessageBeepHook() = saved;
    EXPECT_EQ(edit.Text(), QStringLiteral("-1"));
    EXPECT_EQ(beeps, 2);
}

TEST(VoGridEditors, CustomEditorTakesTheCellValueAndGivesItBack)
{
    TypedFixture f(edCustom, QStringLiteral("old"));
    TestLink& link = *new TestLink(&f.form);
    f.grid->EditLink = &link;
    int props = 0;
    f.grid->OnGetEditorProp = [&props, &link](TObject*, int, int, TEditLink* l) { props += l == &link; };
    f.open();
    ASSERT_NE(link.edit, nullptr);
    EXPECT_EQ(link.Grid(), f.grid);
    EXPECT_EQ(link.EditCell().X, 1);
    EXPECT_EQ(link.edit->Text(), QStringLiteral("old"));
    EXPECT_TRUE(link.edit->Focused());
    EXPECT_EQ(props, 1);
    TypeText(*link.edit, QStringLiteral("custom"));
    // Home is kept by the editor; Enter ends the edit.
    SendKey(*link.edit, VK_HOME);
    EXPECT_TRUE(f.grid->IsEditing());
    SendKey(*link.edit, VK_RETURN);
    f.posted();
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("custom"));
    EXPECT_FALSE(f.grid->IsEditing());
    EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,1"));

    f.open();
    TypeText(*link.edit, QStringLiteral("dropped"));
    SendKey(*link.edit, VK_ESCAPE);
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("custom"));
}

// The keys that end a custom editor's edit, and those its link keeps.
TEST(VoGridEditors, CustomEditorKeysEndTheEditUnlessTheLinkKeepsThem)
{
    struct Case {
        WORD key;
        TShiftState shift;
        bool TEditLink::*kept;
        bool ends;
    } cases[] = {
        {VK_HOME, 0, nullptr, false},
        {VK_HOME, ssAlt, nullptr, true},
        {VK_HOME, ssAlt, &TEditLink::WantKeyHomeEnd, false},
        {VK_END, 0, nullptr, true},
        {VK_UP, 0, &TEditLink::WantKeyUpDown, false},
        {VK_NEXT, 0, nullptr, true},
        {'X', 0, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3").arg(c.key).arg(c.shift).arg(c.kept != nullptr).toStdString());
        TypedFixture f(edCustom, QStringLiteral("old"));
        TestLink& link = *new TestLink(&f.form);
        if (c.kept)
            link.*c.kept = true;
        f.grid->EditLink = &link;
        f.open();
        ASSERT_TRUE(link.edit->Focused());
        SendKey(*link.edit, c.key, c.shift);
        f.posted();
        EXPECT_EQ(f.grid->IsEditing(), !c.ends);
        EXPECT_EQ(link.edit->Focused(), !c.ends);
    }
}

// A pop-up link opens at the cell's screen corner, or where the link says when both places are set.
TEST(VoGridEditors, CustomPopupOpensAtTheCellOrTheLinksPlace)
{
    for (const bool placed : {false, true}) {
        TypedFixture f(edCustom, QStringLiteral("old"));
        TestLink& link = *new TestLink(&f.form);
        link.EditStyle = esPopup;
        if (placed) {
            link.PopupLeft = 300;
            link.PopupTop = 40;
        }
        f.grid->EditLink = &link;
        f.open();
        ASSERT_NE(link.PopupForm(), nullptr);
        const TRect cell = f.grid->CellRect(1, 1);
        const TPoint expectedAt = placed ? TPoint{300, 40} : f.grid->ClientToScreen({cell.Left, cell.Top});
        EXPECT_EQ(link.PopupForm()->Left(), expectedAt.X);
        EXPECT_EQ(link.PopupForm()->Top(), expectedAt.Y);
        EXPECT_EQ(link.edit->Text(), QStringLiteral("old"));
        TypeText(*link.edit, QStringLiteral("popped"));
        SendKey(*link.edit, VK_RETURN);
        f.posted();
        EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("popped"));
        EXPECT_FALSE(link.PopupForm()->Visible());
    }
}

TEST(VoGridEditors, RichEditorStoresRtfAndReadsItBack)
{
    TypedFixture f(edRichEdit, QStringLiteral(u"plain Ω"));
    f.open();
    TVoRichEdit& rich = *f.grid->InplaceRichEdit();
    ASSERT_TRUE(rich.Focused());
    // A cell that is not RTF opens as its text, every character kept.
    EXPECT_EQ(rich.Text(), QStringLiteral(u"plain Ω"));
    rich.SelectAll();
    TypeText(rich, QStringLiteral(u"x2 Ω"));
    rich.SetSelStart(1);
    rich.SetSelLength(1);
    rich.SelSuperscript();
    EXPECT_TRUE(rich.IsSelSuperscript());
    SendClick(*f.other, {2, 2});
    f.other->SetFocus();
    const QString stored = f.grid->Cells(1, 1);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("{\\rtf1")));
    EXPECT_TRUE(stored.contains(QStringLiteral("\\super")));

    TVoRichEdit& view = *f.grid->RichEdit();
    f.grid->CellToRich(1, 1, view);
    EXPECT_EQ(view.Text(), QStringLiteral(u"x2 Ω"));
    view.SetSelStart(1);
    view.SetSelLength(1);
    EXPECT_TRUE(view.IsSelSuperscript());
    view.SetSelStart(0);
    view.SetSelLength(1);
    EXPECT_TRUE(view.IsSelNormal());

    // An empty editor still writes the RTF of an empty document; an empty cell clears the editor.
    view.SetText(QString());
    f.grid->RichToCell(2, 2, view);
    EXPECT_TRUE(f.grid->Cells(2, 2).startsWith(QStringLiteral("{\\rtf1")));
    f.grid->SetCells(2, 2, QString());
    view.SetText(QStringLiteral("x"));
    f.grid->CellToRich(2, 2, view);
    EXPECT_EQ(view.Text(), QString());
}

TEST(VoGridEditors, DateAndTimeEditorWritesTheValueOrNothingWhenUnchecked)
{
    const LocaleGuard locale(LocaleGuard::English());
    TypedFixture f(edDateTimeEdit, QStringLiteral("3/4/2026 10:20"));
    f.open();
    TGridDateTimePicker& picker = *f.grid->DateAndTimePicker();
    ASSERT_TRUE(picker.Visible());
    const TDateTime value = EncodeDateTime(2026, 3, 4, 10, 20, 0, 0);
    EXPECT_DOUBLE_EQ(picker.DateTime(), value);
    SendKey(picker, VK_RETURN);
    EXPECT_FALSE(picker.Visible());
    EXPECT_FALSE(f.grid->IsEditing());
    // The written short date and time read back as the same value.
    picker.SetShowCheckbox(true);
    f.open();
    EXPECT_DOUBLE_EQ(picker.DateTime(), value);
    picker.SetChecked(false);
    SendKey(picker, VK_RETURN);
    EXPECT_EQ(f.grid->Cells(1, 1), QString());
}

// The editors are made when first used. Tones given before that reach them as they reach editors made
// earlier, and such an editor then edits with what the grid was given (here the combo box's items).
TEST(VoGridEditors, EditorsMadeAfterTheTonesLookLikeThoseMadeBefore)
{
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xEEEEEE, 0x000000};
    tones.Foreground = {0x646464, 0x505050, 0xFFFFFF};
    tones.Selected = {0xFF8000, 0xFF8000, 0xFFFFFF};
    tones.Hover = {0xF0F0F0, 0xF0F0F0, 0};
    TypedFixture early(edComboList, QStringLiteral("b"));
    TypedFixture late(edComboList, QStringLiteral("b"));
    early.grid->Combobox();
    early.grid->BtnEdit();
    early.grid->DateTimePicker();
    for (TypedFixture* f : {&early, &late}) {
        f->grid->SetColorTones(tones);
        f->grid->SetColor(0x336699);  // the combo box keeps the border colour it was toned with
        for (const char* item : {"a", "b", "c"})
            f->grid->AddComboString(QString::fromUtf8(item));
    }
    const auto look = [](VOroDavoduRuzu& g) {
        const TGridCombo& combo = *g.Combobox();
        const TButtonColors& button = *g.BtnEdit()->Button();
        const TGridDatePicker& date = *g.DateTimePicker();
        return std::vector<int>{combo.ButtonColor,       combo.ButtonColorHot,   combo.ButtonColorDown,
                                combo.ButtonBorderColor, combo.BorderColor(),    combo.Flat(),
                                combo.IsWinXP,           combo.IsVista,          button.ButtonColor,
                                button.ButtonColorHot,   button.ButtonColorDown, button.ButtonBorderColor,
                                g.BtnEdit()->IsWinXP(),  date.ButtonColor,       date.ButtonColorHot,
                                date.ButtonBorderColor,  date.MetroStyle()};
    };
    EXPECT_EQ(look(*late.grid), look(*early.grid));
    const TGridCombo& combo = *late.grid->Combobox();
    EXPECT_EQ(combo.ButtonColorHot, TColor(0xF0F0F0));
    EXPECT_EQ(combo.BorderColor(), TColor(0xFFFFFF));
    EXPECT_TRUE(combo.Flat());
    EXPECT_TRUE(combo.IsVista) << "the look of the platform the grid starts with";
    EXPECT_TRUE(late.grid->DateTimePicker()->MetroStyle());

    late.open();
    ASSERT_TRUE(combo.Visible());
    EXPECT_EQ(combo.ItemIndex(), 1);
    SendKey(*late.grid->Combobox(), VK_DOWN);
    SendKey(*late.grid->Combobox(), VK_RETURN);
    EXPECT_EQ(late.grid->Cells(1, 1), QStringLiteral("c"));
}

// Showing the grid and asking whether an editor shows make no editor; the first edit of a button cell
// makes its button, which works.
TEST(VoGridEditors, ShowingAndLookingMakeNoEditorAndTheFirstEditMakesIt)
{
    TypedFixture f(edButton, QStringLiteral("old"));
    f.form.Repaint();
    const int owned = f.grid->ComponentCount();
    EXPECT_EQ(f.grid->GetComboCount(), 0);
    EXPECT_FALSE(f.grid->HeaderDragButtonShown());
    f.grid->Perform(WM_COMMAND, MAKEWPARAM(0, CBN_DROPDOWN), 0);
    f.grid->FilterButtonMouseUp(1, 1);
    EXPECT_EQ(f.grid->ComponentCount(), owned);

    int clicks = 0;
    f.grid->OnButtonClick = [&clicks](TObject*, int c, int r) { clicks += c == 1 && r == 1; };
    f.open();
    EXPECT_EQ(f.grid->ComponentCount(), owned + 1);
    TGridButton& button = *f.grid->Btn();
    ASSERT_EQ(f.grid->EditCtrl(), &button);
    EXPECT_TRUE(button.Visible());
    EXPECT_EQ(button.Text(), QStringLiteral("old"));
    SendClick(button, {4, 4});
    EXPECT_EQ(clicks, 1);
}
