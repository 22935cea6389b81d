// The grid's memo drop-down editor: opening over a cell with the cell's lines, the summary, the pop-up
// memo, commit, cancel and refusal through the grid's keys, and the handlers the grid attaches.
#include <gtest/gtest.h>

#include "controls/dropdown/GridDropDowns.h"
#include "grid/VoGrid/VoGridEditFixture.h"
#include "platform/Forms.h"

namespace {
struct MemoFixture : EditFixture {
    MemoFixture()
    {
        InstallGridDropDowns();
        grid->DefaultEditor = edMemoDropDown;
        grid->Navigation().AdvanceOnEnter = false;
        grid->SetCells(1, 1, QStringLiteral("first\r\nsecond"));
    }
    TGridMemoDropDown& memo() { return *dynamic_cast<TGridMemoDropDown*>(grid->EditCtrl()); }
};
}  // namespace

TEST(GridMemoDropDown, OpensWithTheCellsLinesAndCommitsWhatThePopupEdited)
{
    MemoFixture f;
    f.open();
    ASSERT_NE(dynamic_cast<TGridMemoDropDown*>(f.grid->EditCtrl()), nullptr);
    TGridMemoDropDown& memo = f.memo();
    EXPECT_TRUE(memo.Visible());
    EXPECT_EQ(memo.MemoText().Count(), 2);
    EXPECT_EQ(memo.Text(), QStringLiteral("first\nsecond"));

    SendKey(memo, VK_F4);
    ASSERT_TRUE(memo.DroppedDown());
    TMemo& popup = *memo.Memo();
    EXPECT_EQ(popup.Lines(), (QStringList{QStringLiteral("first"), QStringLiteral("second")}));
    std::vector<QString> changes;
    f.grid->OnEditChange = [&](TObject*, int, int, const QString& v) { changes.push_back(v); };
    SendKey(popup, VK_RETURN);
    EXPECT_TRUE(memo.DroppedDown()) << "Enter belongs to the memo";
    popup.SetLines({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
    SendKey(popup, VK_F4);
    EXPECT_FALSE(memo.DroppedDown());
    EXPECT_EQ(memo.CellValue(), QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_TRUE(memo.Visible());

    SendKey(memo, VK_RETURN);
    f.posted();
    EXPECT_FALSE(memo.Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("one\r\ntwo\r\nthree"));
    EXPECT_EQ(f.log.back(), QStringLiteral("cell done 1,1"));
}

TEST(GridMemoDropDown, EscInThePopupDropsItsEditsAndEscInTheEditCancels)
{
    MemoFixture f;
    f.open();
    TGridMemoDropDown& memo = f.memo();
    SendKey(memo, VK_DOWN, ssAlt);
    ASSERT_TRUE(memo.DroppedDown());
    memo.Memo()->SetLines({QStringLiteral("lost")});
    SendKey(*memo.Memo(), VK_ESCAPE);
    EXPECT_FALSE(memo.DroppedDown());
    EXPECT_TRUE(memo.Visible());
    EXPECT_EQ(memo.CellValue(), QStringLiteral("first\r\nsecond"));

    memo.SetCellValue(QStringLiteral("typed"));
    SendKey(memo, VK_ESCAPE);
    EXPECT_FALSE(memo.Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("first\r\nsecond"));
}

TEST(GridMemoDropDown, RefusedValueKeepsTheEditorOpen)
{
    MemoFixture f;
    f.validate = [](QString& v, bool& valid) {
        valid = !v.contains(QLatin1String("bad"));
        if (!valid)
            v = QStringLiteral("settled");
    };
    f.open();
    TGridMemoDropDown& memo = f.memo();
    memo.SetCellValue(QStringLiteral("bad"));
    SendKey(memo, VK_RETURN);
    EXPECT_TRUE(memo.Visible());
    EXPECT_EQ(memo.CellValue(), QStringLiteral("settled"));
    memo.SetCellValue(QStringLiteral("good"));
    SendKey(memo, VK_RETURN);
    f.posted();
    EXPECT_FALSE(memo.Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("good"));
}

TEST(GridMemoDropDown, SummaryShowsTheFirstLineWhenTheEditorIsDisabled)
{
    MemoFixture f;
    f.open();
    TGridMemoDropDown& memo = f.memo();
    memo.SetEditorEnabled(false);
    memo.SetWidth(200);
    memo.SetCellValue(QStringLiteral("a\r\nb"));
    EXPECT_EQ(memo.Text(), QStringLiteral("a..."));
    memo.SetCellValue(QStringLiteral("\r\nb"));
    EXPECT_EQ(memo.Text(), QStringLiteral("..."));
    memo.SetCellValue(QString(200, u'w'));
    EXPECT_TRUE(memo.Text().endsWith(QLatin1String("...")));
    EXPECT_LT(memo.Text().size(), 200);
    memo.SetCellValue(QString());
    EXPECT_EQ(memo.Text(), QString());
    EXPECT_EQ(memo.CellValue(), QString());
}

TEST(GridMemoDropDown, HeaderFooterAndMemoChangesReachTheGrid)
{
    MemoFixture f;
    std::vector<QString> clicks;
    f.grid->OnDropDownHeaderButtonClick = [&](TObject*, int c, int r, int i) {
        clicks.push_back(QStringLiteral("header %1,%2 %3").arg(c).arg(r).arg(i));
    };
    f.grid->OnDropDownFooterButtonClick = [&](TObject*, int c, int r, int i) {
        clicks.push_back(QStringLiteral("footer %1,%2 %3").arg(c).arg(r).arg(i));
    };
    f.open();
    TGridMemoDropDown& memo = f.memo();
    memo.OnDropDownHeaderButtonClick(&memo, 2);
    memo.OnDropDownFooterButtonClick(&memo, 0);
    EXPECT_EQ(clicks, (std::vector<QString>{QStringLiteral("header 1,1 2"), QStringLiteral("footer 1,1 0")}));

    SendKey(memo, VK_F4);
    TypeText(*memo.Memo(), QStringLiteral("x"));
    EXPECT_TRUE(memo.Memo()->Text().contains(u'x'));
}

TEST(VoTrackBarDropDown, KeysStepInsideTheRange)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 100);
    auto* bar = new TVoTrackBarDropDown(&form);
    bar->SetParent(&form);
    bar->SetBounds(0, 0, 120, 21);
    form.Show();
    bar->SetPosition(15);
    EXPECT_EQ(bar->Position(), 10) << "kept inside Min..Max";
    EXPECT_EQ(bar->Text(), QStringLiteral("10"));
    struct Case {
        int frequency, start;
        WORD key;
        int expected;
    };
    for (const Case c : {Case{1, 0, VK_UP, 0}, Case{1, 10, VK_DOWN, 10}, Case{3, 9, VK_DOWN, 9}, Case{3, 9, VK_UP, 6},
                         Case{1, 4, VK_DOWN, 5}}) {
        bar->SetFrequency(c.frequency);
        bar->SetPosition(c.start);
        SendKey(*bar, c.key);
        EXPECT_EQ(bar->Position(), c.expected) << c.frequency << " " << c.start << " " << c.key;
    }
    bar->SetEditorEnabled(true);
    SendKey(*bar, VK_DOWN);
    EXPECT_EQ(bar->Position(), 5) << "no steps while the editor is enabled";
}

TEST(GridTrackbarDropDown, OpensAtTheCellsValueAndCommitsThePopupsPosition)
{
    EditFixture f;
    InstallGridDropDowns();
    f.grid->DefaultEditor = edTrackbarDropDown;
    f.grid->Navigation().AdvanceOnEnter = false;
    f.grid->SetCells(1, 1, QStringLiteral("3"));
    f.open();
    auto* bar = dynamic_cast<TGridTrackbarDropDown*>(f.grid->EditCtrl());
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->Position(), 3);
    SendKey(*bar, VK_F4);
    ASSERT_TRUE(bar->DroppedDown());
    bar->TrackBar()->SetPosition(7);
    EXPECT_EQ(bar->Text(), QStringLiteral("7"));
    SendKey(*bar->TrackBar(), VK_F4);
    EXPECT_FALSE(bar->DroppedDown());
    SendKey(*bar, VK_RETURN);
    f.posted();
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(f.grid->Cells(1, 1), QStringLiteral("7"));
}

TEST(GridTrackbarDropDown, DraggingTheThumbWithTheMouseMovesThePosition)
{
    EditFixture f;
    InstallGridDropDowns();
    f.grid->DefaultEditor = edTrackbarDropDown;
    f.grid->SetCells(1, 1, QStringLiteral("0"));
    f.open();
    auto* bar = dynamic_cast<TGridTrackbarDropDown*>(f.grid->EditCtrl());
    ASSERT_NE(bar, nullptr);
    SendKey(*bar, VK_F4);
    ASSERT_TRUE(bar->DroppedDown());
    TTrackBar& track = *bar->TrackBar();
    ASSERT_EQ(track.Position(), 0);
    const int middle = track.Height() / 2;
    SendMouse(track, TMouseAction::Down, TMouseButton::mbLeft, {4, middle});
    SendMouse(track, TMouseAction::Move, TMouseButton::mbLeft, {track.Width() / 2, middle}, ssLeft);
    const int halfWay = track.Position();
    SendMouse(track, TMouseAction::Move, TMouseButton::mbLeft, {track.Width() + 20, middle}, ssLeft);
    SendMouse(track, TMouseAction::Up, TMouseButton::mbLeft, {track.Width() + 20, middle});
    EXPECT_GT(halfWay, 0);
    EXPECT_LT(halfWay, track.Max());
    EXPECT_EQ(track.Position(), track.Max()) << "dragged beyond the end the thumb stops at the end";
    EXPECT_EQ(bar->Text(), QString::number(track.Max()));
}

// The drop-down types the library does not make edit as plain text: they open the text editor with the
// cell's value, commit with the whole end order, and cancel with Esc.
TEST(GridDropDowns, TypesWithoutTheirControlEditAsText)
{
    for (const TEditorType type :
         {edCalculatorDropDown, edTimePickerDropDown, edDetailDropDown, edGridDropDown, edVoGridDropDown}) {
        for (const bool commit : {true, false}) {
            SCOPED_TRACE(QStringLiteral("%1 %2").arg(type).arg(commit).toStdString());
            EditFixture f;
            InstallGridDropDowns();
            f.grid->DefaultEditor = type;
            f.grid->Navigation().AdvanceOnEnter = false;
            f.open();
            ASSERT_TRUE(f.grid->IsEditing());
            EXPECT_TRUE(f.editor().Focused());
            EXPECT_EQ(f.editor().Text(), QStringLiteral("old"));
            f.typeIntoEditor(QStringLiteral("new"));
            SendKey(f.editor(), commit ? VK_RETURN : VK_ESCAPE);
            f.posted();
            EXPECT_FALSE(f.grid->IsEditing());
            EXPECT_FALSE(f.editor().Visible());
            EXPECT_EQ(f.grid->Cells(1, 1), commit ? QStringLiteral("new") : QStringLiteral("old"));
            const auto ended = commit
                                   ? expected({"validate 1,1 new cell=old", "editing done cell=new", "cell done 1,1"})
                                   : expected({"editing done cell=old", "cell done 1,1"});
            EXPECT_EQ(f.log, ended);
        }
    }
}
