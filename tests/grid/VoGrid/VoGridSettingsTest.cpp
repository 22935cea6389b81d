// The grid's settings objects and the unit's shared state.
#include <typeinfo>

#include "VoGridTestGrid.h"
#include "platform/Forms.h"

TEST(VoGridSettings, PrintAndHtmlAndColumnSizeCopyRules)
{
    RecordingGrid g;
    TPrintSettings& print = g.PrintSettings();
    EXPECT_EQ(print.DateFormat, QStringLiteral("dd/mm/yyyy"));
    EXPECT_EQ(print.PageNumSep, QStringLiteral("/"));
    TFont& font = print.Font();
    TFont other;
    other.SetName(QStringLiteral("Courier New"));
    print.SetFont(other);
    EXPECT_EQ(&print.Font(), &font);
    EXPECT_EQ(font.Name(), QStringLiteral("Courier New"));

    THTMLSettings html;
    html.ExportImages = false;
    html.Width = 80;
    EXPECT_THROW(print.Assign(html), std::bad_cast);
    THTMLSettings target;
    target.Assign(print);  // another class: nothing
    EXPECT_EQ(target.Width, 100);
    target.Assign(html);
    EXPECT_EQ(target.Width, 80);
    EXPECT_TRUE(target.ExportImages);  // kept

    TPrintSettings copy(nullptr);
    print.TitleLines().Add(QStringLiteral("Title"));
    copy.FixedCellsAlways = true;
    copy.Assign(print);
    EXPECT_EQ(copy.TitleLines().Count(), 1);
    EXPECT_EQ(copy.Font().Name(), QStringLiteral("Courier New"));
    EXPECT_TRUE(copy.FixedCellsAlways);
}

TEST(VoGridSettings, StretchWritesStretchButAssignDoesNot)
{
    TForm form(nullptr);
    auto* g = new RecordingGrid(&form);
    g->SetParent(&form);
    g->SetColCount(3);
    const int last = g->ColWidths(2);
    TColumnSize source(nullptr);
    source.SetStretch(true);
    g->ColumnSize().Assign(source);
    EXPECT_TRUE(g->ColumnSize().Stretch());
    EXPECT_EQ(g->ColWidths(2), last);
    g->ColumnSize().SetStretch(true);
    EXPECT_EQ(g->ColWidths(0) + g->ColWidths(1) + g->ColWidths(2), g->ClientWidth() - 1);
}

TEST(VoGridSettings, ProgressAppearanceNotifiesRealChangesOnly)
{
    TGridProgressAppearance p;
    int changes = 0;
    p.OnChange = [&](TObject*) { ++changes; };
    EXPECT_EQ(p.Values().Steps, 11);
    p.Set(&TGridProgressAppearance::TValues::Steps, 11);
    EXPECT_EQ(changes, 0);
    p.Set(&TGridProgressAppearance::TValues::Steps, 5);
    EXPECT_EQ(changes, 1);
    TGridProgressAppearance q;
    q.OnChange = [&](TObject*) { ++changes; };
    q.Assign(p);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(q.Values().Steps, 5);
}

TEST(VoGridSettings, ControlLookCopiesGradientsButNotItsOwnFlags)
{
    RecordingGrid g;
    TControlLook& look = g.ControlLook();
    EXPECT_EQ(look.CheckSize(), 15);
    EXPECT_EQ(look.ControlStyle(), csTheme);
    EXPECT_EQ(look.FixedGradient().HoverFrom, clGray);
    TControlLook other(nullptr);
    TControlLook::TFixedGradients gradients;
    gradients.From = clRed;
    gradients.DownBorder = clBlue;
    other.SetFixedGradient(gradients);
    other.SetFlatButton(true);
    other.DropDownHeader().Caption = QStringLiteral("Head");
    look.Assign(other);
    EXPECT_EQ(look.FixedGradient(), gradients);
    EXPECT_FALSE(look.FlatButton());
    EXPECT_EQ(look.DropDownHeader().Caption, QStringLiteral("Head"));
    g.invalidates = 0;
    look.SetRadioSize(12);
    EXPECT_EQ(g.invalidates, 1);
}

TEST(VoGridSettings, SmallSettingsObjects)
{
    RecordingGrid g;
    std::vector<bool> registrations;
    g.DragDropSettings().OnDropTargetChange = [&](bool on) { registrations.push_back(on); };
    g.DragDropSettings().SetOleDropTarget(false);  // never registered: nothing to revoke
    g.DragDropSettings().SetOleDropTarget(true);
    g.DragDropSettings().SetOleDropTarget(false);
    EXPECT_EQ(registrations, (std::vector<bool>{true, false}));

    int repaints = g.invalidates;
    g.ShowModified().SetColor(clRed);
    g.BackGround().SetDisplay(bdGradientHorz);
    EXPECT_GE(g.invalidates, repaints + 1);

    TDragScrollOptions a;
    a.Margins().TopMargin = 7;
    a.Delays().RepeatDelay = 99;
    a.Active = true;
    TDragScrollOptions b;
    b.Assign(a);
    EXPECT_EQ(b.Margins().TopMargin, 7);
    EXPECT_EQ(b.Delays().RepeatDelay, 99);
    EXPECT_TRUE(b.Active);

    TBalloonSettings balloon;
    int fired = 0;
    balloon.OnEnableChange = [&](TObject*) { ++fired; };
    TBalloonSettings on;
    on.SetEnable(true);
    on.Transparency = 40;
    balloon.Assign(on);
    EXPECT_TRUE(balloon.Enable());
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(balloon.Transparency, 0);

    EXPECT_EQ(g.Grouping().HeaderLineColor, 0xFF0000u);
    EXPECT_EQ(g.Grouping().SummaryLineWidth, 2);
    EXPECT_EQ(g.DragScrollOptions().Delays().InitialDelay, 1000);
}

TEST(VoGridUnit, StartUpOnceWithTheRegisteredNumbers)
{
    VoGridInitialize();
    const TVoGridUnitState before = VoGridUnit();
    VoGridInitialize();
    EXPECT_EQ(VoGridUnit().GridEditDoneMsg, before.GridEditDoneMsg);
    EXPECT_EQ(VoGridUnit().GridEditDoneMsg, RegisterWindowMessage(QStringLiteral("GridEditDone")));
    EXPECT_EQ(VoGridUnit().DTPShiftFocusMsg, RegisterWindowMessage(QStringLiteral("dtpshiftfocus")));
    EXPECT_EQ(VoGridUnit().ClipboardFormat, RegisterClipboardFormat(QStringLiteral("VOroDavoduRuzu Cells")));
    EXPECT_TRUE(VoGridUnit().DatePickerAvailable);
    EXPECT_EQ(ReadFileVersionMS(QStringLiteral("/bin/sh")), -1);
    EXPECT_FALSE(DatePickerVersionOK(-1));
    EXPECT_FALSE(DatePickerVersionOK((4 << 16) | 69));
    EXPECT_TRUE(DatePickerVersionOK((4 << 16) | 70));
}
