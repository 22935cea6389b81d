// Balloon tooltips of the string grid's cells, the floating footer's column hints and the date change of an
// in-cell date picker, driven through the mouse, the timers and the platform's notifications.
#include <gtest/gtest.h>
#include <QImage>
#include <cmath>

#include "grid/VoGrid/Editors/GridValueEditors.h"
#include "grid/VoGrid/VoGrid.h"
#include "grid/VoGrid/VoGridControls.h"
#include "grid/VoGrid/VoGridEditFixture.h"
#include "grid/VoGrid/VoGridMouseFixture.h"
#include "grid/base/LocaleGuard.h"
#include "platform/BalloonHint.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/Timers.h"
#include "support/TestSeams.h"

namespace {

struct BalloonFixture : MouseFixture {
    void move(TPoint p) { SendMouse(*grid, TMouseAction::Move, TMouseButton::mbLeft, p); }
    // The balloon of the cell as the tooltip asks for it.
    TBalloonTipText tipOf(int c, int r)
    {
        TBalloonHint& tip = *grid->BalloonWindow();
        tip.ShowFor(centre(c, r));
        return tip.Tip();
    }
};

}  // namespace

TEST(VoGridBalloon, EnableCreatesTheTooltipAndDisableFreesIt)
{
    BalloonFixture f;
    EXPECT_EQ(f.grid->BalloonWindow(), nullptr);
    f.grid->Balloon().SetEnable(true);
    TBalloonHint* first = f.grid->BalloonWindow();
    ASSERT_NE(first, nullptr);
    f.grid->BalloonInit();
    EXPECT_EQ(f.grid->BalloonWindow(), first) << "a second init keeps the window";
    f.grid->Balloon().SetEnable(false);
    EXPECT_EQ(f.grid->BalloonWindow(), nullptr);
    f.grid->Balloon().SetEnable(true);
    EXPECT_NE(f.grid->BalloonWindow(), nullptr);
}

TEST(VoGridBalloon, TextOfTheCellTrimmedCutAndAdjustedByBalloonObjectAndEvent)
{
    BalloonFixture f;
    f.grid->Balloon().SetEnable(true);
    const QString longText(3000, u'a');
    struct Case {
        QString cell;
        QString text;
    };
    const Case cases[] = {
        {QStringLiteral("\r\nabc\tdef\t"), QStringLiteral("abc def\t")},  // leading breaks go, inner tabs are spaces
        {QStringLiteral("<b>bold</b> text"), QStringLiteral("bold text")},
        {longText, QString(2045, u'a') + QStringLiteral("...")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell.left(20).toStdString());
        f.grid->SetCells(1, 1, c.cell);
        const TBalloonTipText tip = f.tipOf(1, 1);
        EXPECT_EQ(tip.Text, c.text);
        EXPECT_EQ(tip.Title, QStringLiteral(" "));
        EXPECT_EQ(tip.Icon, biNone);
        EXPECT_EQ(tip.MaxWidth, 300);
        EXPECT_TRUE(f.grid->BalloonWindow()->Showing());
    }
    f.grid->SetCells(2, 2, QString());
    f.grid->BalloonWindow()->Hide();
    f.tipOf(2, 2);
    EXPECT_FALSE(f.grid->BalloonWindow()->Showing()) << "an empty cell has no balloon";

    f.grid->AddBalloon(3, 2, QStringLiteral("Title"), QStringLiteral("Own text"), biWarning);
    f.grid->Balloon().TextColor = clRed;
    f.grid->Balloon().BackgroundColor = clYellow;
    TBalloonTipText tip = f.tipOf(3, 2);
    EXPECT_EQ(tip.Title, QStringLiteral("Title"));
    EXPECT_EQ(tip.Text, QStringLiteral("Own text"));
    EXPECT_EQ(tip.Icon, biWarning);
    EXPECT_EQ(tip.TextColor, clRed);
    EXPECT_EQ(tip.BackColor, clYellow);

    std::vector<QString> asked;
    f.grid->OnCellBalloon = [&](TObject*, int c, int r, QString& title, QString& text, int& icon) {
        asked.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(text));
        title = QString(150, u't');
        icon = biError;
    };
    tip = f.tipOf(3, 2);
    EXPECT_EQ(asked, std::vector<QString>{QStringLiteral("3,2 Own text")});
    EXPECT_EQ(tip.Title, QString(97, u't') + QStringLiteral("..."));
    EXPECT_EQ(tip.Icon, biError);

    // The balloon paints its body in the background colour.
    const QImage image = PaintToImage(*f.grid->BalloonWindow());
    EXPECT_EQ(QColorToColor(image.pixelColor(image.width() - 4, image.height() / 2)), clYellow);
}

TEST(VoGridBalloon, ShownWhenTheMouseRestsAndAskedAgainOnAnotherCell)
{
    BalloonFixture f;
    f.grid->Balloon().InitialDelay = 200;
    f.grid->Balloon().SetEnable(true);
    TBalloonHint& tip = *f.grid->BalloonWindow();
    f.grid->SetCells(1, 1, QStringLiteral("first"));
    f.grid->SetCells(2, 3, QStringLiteral("second"));
    f.move(f.centre(1, 1));
    EXPECT_FALSE(tip.Showing());
    EXPECT_EQ(tip.DelayTimer().Interval(), 200u);
    ASSERT_TRUE(FireTimer(tip.DelayTimer()));
    ASSERT_TRUE(tip.Showing());
    EXPECT_EQ(tip.Tip().Text, QStringLiteral("first"));
    // The stem points at the mouse: the window starts there.
    EXPECT_EQ(tip.Top(), f.grid->ClientToScreen(f.centre(1, 1)).Y);
    EXPECT_TRUE(tip.HideTimer().Running());

    f.move({f.centre(1, 1).X + 3, f.centre(1, 1).Y});
    EXPECT_TRUE(tip.Showing()) << "within the cell the balloon stays";
    f.move(f.centre(2, 3));
    EXPECT_FALSE(tip.Showing()) << "another cell pops it";
    EXPECT_EQ(tip.DelayTimer().Interval(), static_cast<UINT>(TBalloonHint::DefaultReshowDelay));
    ASSERT_TRUE(FireTimer(tip.DelayTimer()));
    EXPECT_EQ(tip.Tip().Text, QStringLiteral("second"));

    ASSERT_TRUE(FireTimer(tip.HideTimer()));
    EXPECT_FALSE(tip.Showing()) << "it hides by itself";
    f.move(f.centre(1, 1));
    SendMouseLeave(*f.grid);
    EXPECT_FALSE(tip.DelayTimer().Running()) << "leaving the grid asks for nothing";
}

TEST(VoGridFooter, FooterColumnHintsComeFromTheGridHintEventWithTheLastRow)
{
    BalloonFixture f;
    f.grid->SetDefaultColWidth(50);
    f.grid->FloatingFooter().SetHeight(25);
    f.grid->FloatingFooter().SetVisible(true);
    TFooterPanel& panel = *f.grid->FooterPanel();
    std::vector<QString> asked;
    f.grid->OnGridHint = [&](TObject*, int r, int c, QString& hint) {
        asked.push_back(QStringLiteral("%1,%2").arg(r).arg(c));
        hint = QStringLiteral("column %1").arg(c);
    };
    const auto ask = [&](int x, QString& hint) {
        THintInfo info;
        info.HintControl = &panel;
        info.CursorPos = {x, 5};
        TMessage m{CM_HINTSHOW, 0, reinterpret_cast<LPARAM>(&info), 0};
        panel.Perform(m);
        hint = info.HintStr;
        return m.Result;
    };
    const int w = f.grid->DefaultColWidth() + f.grid->GridLineWidth();
    QString hint;
    EXPECT_EQ(ask(w + w / 2, hint), 1) << "without ShowHint the footer shows no hint";
    EXPECT_EQ(panel.LastHintColumn(), -1);
    f.grid->FloatingFooter().SetShowHint(true);
    EXPECT_TRUE(panel.ShowHint);
    EXPECT_EQ(ask(w + w / 2, hint), 0);
    EXPECT_EQ(hint, QStringLiteral("column 1"));
    EXPECT_EQ(panel.LastHintColumn(), 1);
    EXPECT_EQ(asked, (std::vector<QString>{QStringLiteral("7,1"), QStringLiteral("7,1")}));

    SendMouse(panel, TMouseAction::Move, TMouseButton::mbLeft, {2 * w + w / 2, 5});
    EXPECT_EQ(panel.LastHintColumn(), 2) << "another column is asked for anew";
    asked.clear();
    EXPECT_EQ(ask(100000, hint), 0);
    EXPECT_TRUE(asked.empty()) << "past the last column no column is asked";
    EXPECT_EQ(panel.LastHintColumn(), -1);
}

TEST(VoGridNotify, DatePickerChangeReportsTheDateOfTheCurrentCell)
{
    const LocaleGuard locale(LocaleGuard::English());
    EditFixture f;
    f.grid->DefaultEditor = edDateEdit;
    f.grid->SetDates(1, 1, EncodeDateTime(2026, 3, 4, 0, 0, 0, 0));
    std::vector<QString> changes;
    f.grid->OnDateTimeChange = [&](TObject*, int c, int r, TDateTime d) {
        changes.push_back(QStringLiteral("%1,%2 %3").arg(c).arg(r).arg(d));
    };
    f.grid->SetCol(1);
    f.grid->SetRow(1);
    f.open();
    TGridDatePicker& picker = *f.grid->DateTimePicker();
    picker.SetTime(0.5);
    ASSERT_TRUE(changes.empty()) << "a value set by code is no change";
    SendKey(picker, VK_UP);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], QStringLiteral("1,1 %1").arg(std::floor(picker.DateTime())))
        << "the date without its time of day";
}

TEST(VoGridHints, AnchorUnderTheMouseGivesItsHintNextToTheMouse)
{
    BalloonFixture f;
    f.grid->SetColWidths(3, 200);
    f.grid->SetCells(3, 2, QStringLiteral("<a href=\"http://example.org/a\" title=\"Opens a\">link</a> text"));
    f.grid->SetCells(3, 3, QStringLiteral("<a href=\"http://example.org/b\">link</a>"));
    std::vector<QString> asked;
    f.grid->OnAnchorHint = [&](TObject*, int r, int c, QString& anchor) {
        asked.push_back(QStringLiteral("%1,%2 %3").arg(r).arg(c).arg(anchor));
    };
    const auto hintAt = [&](TPoint p, TPoint& at) {
        QString hint;
        TColor colour;
        f.grid->BuildCellHint(p, hint, at, colour);
        return hint;
    };
    const TPoint onLink{f.grid->CellRect(3, 2).Left + 8, f.grid->CellRect(3, 2).Top + 8};
    TPoint at;
    EXPECT_EQ(hintAt(onLink, at), QString()) << "without AnchorHint";
    f.grid->AnchorHint = true;
    EXPECT_EQ(hintAt(onLink, at), QStringLiteral("Opens a"));
    EXPECT_EQ(at, f.grid->ClientToScreen({onLink.X + 8, onLink.Y - 16}));
    const TPoint onBare{f.grid->CellRect(3, 3).Left + 8, f.grid->CellRect(3, 3).Top + 8};
    EXPECT_EQ(hintAt(onBare, at), QStringLiteral("http://example.org/b")) << "an anchor without its own hint";
    EXPECT_EQ(asked, (std::vector<QString>{QStringLiteral("2,3 Opens a"), QStringLiteral("3,3 http://example.org/b")}));
    const TPoint pastText{f.grid->CellRect(3, 3).Right - 4, onBare.Y};
    EXPECT_EQ(hintAt(pastText, at), QString()) << "beside the anchor";
}
