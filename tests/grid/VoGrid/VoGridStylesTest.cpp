// Grid styles, colour tones, XP schemes and the application style; the floating footer and the slim scroll
// controls; the drop-down header and footer appearances; display setters and rotated cells.
#include "VoGridTestGrid.h"
#include "platform/ApplicationStyle.h"
#include "platform/Forms.h"
#include "platform/QtAccess.h"
#include "platform/SysUtils.h"
#include "support/TestSeams.h"

namespace {
TColor pixel(const QImage& image, int x, int y)
{
    return QColorToColor(image.pixelColor(x, y));
}
}  // namespace

TEST(VoGridStyles, StyleTableCases)
{
    struct Case {
        TVoGridStyle style;
        TGridLook look;
        TColor from, selection, gridLine;
        TGridSelectionStyle selectionStyle;
        TColor lookFrom;  // the control look's gradient start
    };
    const Case cases[] = {
        {gsOffice2003Blue, glXP, 0xFCE1CB, 0x94E6FB, 0xC0C0C0, ssDefault, 0xFCE1CB},
        {gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0x5EC1F1, 0xF1EDEB, ssOffice2007, 0xFBF9F6},
        {gsWindowsVista, glVista, 0xFFFFFF, 0xEACAB6, 0xECECF0, ssVista, clNone},
        {gsWindows7, glWin7, 0xFDFCFA, 0xEACAB6, 0xECECF0, ssWin7, clNone},
        {gsOffice2010Black, glOffice2007, 0x6A6A6A, 0xFFDBB7, 0xC0C0C0, ssDefault, clNone},
        {gsOffice2003Classic, glXP, 0xFFFFFF, clHighlight, 0xC0C0C0, ssDefault, clNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        RecordingGrid g;
        g.SetStyle(c.style);
        EXPECT_EQ(g.Look(), c.look);
        EXPECT_EQ(g.QEVGradientFrom, c.from);
        EXPECT_EQ(g.SelectionColor, c.selection);
        EXPECT_EQ(g.GridLineColor(), c.gridLine);
        EXPECT_EQ(g.SelectionStyle(), c.selectionStyle);
        EXPECT_EQ(g.ControlLook().FixedGradient().From, c.lookFrom);
        EXPECT_EQ(g.SearchFooter().Color(), c.from);
        EXPECT_EQ(g.SearchFooter().ColorTo(), g.QEVGradientMirrorTo);
    }
    // Office 2010 sets hover, pressed and sort header colours.
    RecordingGrid g;
    g.SetStyle(gsOffice2010Silver);
    EXPECT_EQ(g.ControlLook().FixedGradient().HoverBorder, TColor(0x3ABFE8));
    EXPECT_EQ(g.ControlLook().FixedGradient().DownBorder, TColor(0x308AC2));
    EXPECT_EQ(g.SortSettings().HeaderColor(), TColor(0xAAAAAA));
}

TEST(VoGridStyles, CustomAndWhidbeyKeepWhatTheyDoNotSet)
{
    RecordingGrid g;
    g.SetLook(glSoft);
    g.SetGridLineColor(0x123456);
    g.QEVGradientFrom = 0x111111;
    g.SelectionColor = 0x222222;
    g.SortSettings().SetHeaderColor(0x333333);
    g.SetStyle(gsCustom);
    EXPECT_EQ(g.GridLineColor(), TColor(0x123456));
    EXPECT_EQ(g.QEVGradientFrom, TColor(0x111111));
    EXPECT_EQ(g.SelectionColor, clHighlight);  // the selection colours are reset
    EXPECT_EQ(g.SortSettings().HeaderColor(), clNone);
    EXPECT_EQ(g.ControlLook().FixedGradient().HoverFrom, TColor(0xFFFFFF));
    EXPECT_EQ(g.ControlLook().FixedGradient().DownTo, TColor(0x808080));
    g.SetStyle(gsWhidbey);
    EXPECT_EQ(g.Look(), glSoft);
    EXPECT_EQ(g.QEVGradientTo, ColorToRGB(clBtnFace));
}

TEST(VoGridStyles, ComponentStyleTonesAndScrollType)
{
    RecordingGrid g;
    TColorTones tones;
    tones.Background = {0xFFFFFF, 0xEEEEEE, 0x000000};
    tones.Foreground = {0x646464, 0x505050, 0xFFFFFF};
    tones.Selected = {0xFF8000, 0xFF8000, 0xFFFFFF};
    tones.Hover = {0xF0F0F0, 0xF0F0F0, 0};
    g.SetColorTones(tones);
    EXPECT_EQ(g.Look(), glClassic);
    EXPECT_TRUE(g.Flat);
    EXPECT_EQ(g.ScrollType(), ssMetro);
    EXPECT_EQ(g.FixedColor(), TColor(0x646464));
    EXPECT_EQ(g.SelectionColor, TColor(0xFF8000));
    EXPECT_EQ(g.GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(g.GridFixedLineColor(), ColorAdjustPercent(0x646464, -20));
    EXPECT_EQ(g.ControlLook().ControlStyle(), csGlyph);
    EXPECT_EQ(g.ControlLook().CheckedGlyph().Width(), 16);
    EXPECT_EQ(g.FloatingFooter().Color(), TColor(0x646464));
    g.SetComponentStyle(tsCustom);
    EXPECT_EQ(g.ScrollType(), ssMetro);
    g.SetComponentStyle(tsOffice2007Luna);
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_TRUE(g.Flat);
    EXPECT_EQ(g.Look(), glOffice2007);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2007Luna);
}

TEST(VoGridStyles, XPSchemesAndApplicationStyle)
{
    RecordingGrid g;
    const int before = g.invalidates;
    g.SetTheme(xpGreen);
    EXPECT_EQ(g.QEVGradientFrom, TColor(0xCFF0EA));
    EXPECT_EQ(g.ActiveCellColor, TColor(0x94E6FB));
    EXPECT_EQ(g.ControlLook().FixedGradient().To, TColor(0x8CC0B1));
    EXPECT_EQ(g.invalidates, before);  // no repaint
    g.SetTheme(xpNone);
    EXPECT_EQ(g.ActiveCellColorTo, TColor(0xFFD9B3));
    EXPECT_EQ(g.ControlLook().FixedGradient().From, clNone);
    EXPECT_EQ(g.SearchFooter().ColorTo(), TColor(0xFFD9B3));

    const TColor color = g.Color();
    g.ApplyVCLStyleColors();
    EXPECT_FALSE(g.UseVCLStyles());
    EXPECT_EQ(g.Color(), color);
    TApplicationStyle dark;
    dark.Name = QStringLiteral("Carbon");
    dark.CellNormal = {0x202020, 0x404040, 0xF0F0F0};
    dark.FixedCellNormal = {0x303030, 0x505050, clNone};
    SetActiveApplicationStyle(dark);
    g.SetOptions(g.Options() | goFixedVertLine | goFixedHorzLine);
    g.ApplyVCLStyleColors();
    SetActiveApplicationStyle(TApplicationStyle{});
    EXPECT_TRUE(g.UseVCLStyles());
    EXPECT_EQ(g.Color(), TColor(0x202020));
    EXPECT_EQ(g.GridLineColor(), TColor(0x404040));
    EXPECT_EQ(g.GridFixedLineColor(), TColor(0x505050));
    EXPECT_EQ(g.Font().Color(), TColor(0xF0F0F0));
    EXPECT_FALSE(g.Options() & (goFixedVertLine | goFixedHorzLine));
}

// --- Floating footer --------------------------------------------------------------------------------

TEST(VoGridFooter, LastRowFooterHidesTheRowAndShowsItInThePanel)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    RecordingGrid g(&form);
    g.SetParent(&form);
    g.SetBounds(0, 0, 300, 200);
    g.SetColCount(4);
    g.SetRowCount(6);
    g.SetDefaultColWidth(50);
    g.FloatingFooter().SetHeight(25);
    g.FloatingFooter().SetVisible(true);
    EXPECT_EQ(g.FixedFooters, 1);
    EXPECT_TRUE(g.HideLastRow);
    EXPECT_EQ(g.FooterPanel()->Height(), 24);
    g.FloatingFooter().SetFooterStyle(fsColumnPreview);
    EXPECT_EQ(g.FixedFooters, 0);
    EXPECT_FALSE(g.HideLastRow);
    g.FloatingFooter().SetFooterStyle(fsFixedLastRow);

    g.SetColor(RGB(255, 255, 255));
    form.Show();
    const QImage blank = PaintToImage(*g.FooterPanel());
    g.SetCells(2, 5, QStringLiteral("WWW"));
    const QImage image = PaintToImage(*g.FooterPanel());
    // The last row's cells are painted in the panel; the area past the columns takes the grid's colour.
    int changed = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 102; x < 153; ++x)
            changed += image.pixel(x, y) != blank.pixel(x, y);
    EXPECT_GT(changed, 5);
    EXPECT_EQ(pixel(image, image.width() - 2, 12), RGB(255, 255, 255));

    // The footer column under a point, with the grid scrolled by two columns.
    g.SetColCount(8);
    g.SetLeftCol(3);
    // The footer's columns are the grid's: the first pixel of a shown column names that column.
    const int w = g.DefaultColWidth();
    EXPECT_EQ(g.FooterPanel()->ColumnAt(w / 2), 2);          // the fixed column: left column - 1
    EXPECT_EQ(g.FooterPanel()->ColumnAt(w + w + w / 2), 4);  // the second normal column shown
    for (int c = 3; c < 8; ++c) {
        const TRect cell = g.TBaseGrid::CellRect(c, 1);
        EXPECT_EQ(g.FooterPanel()->ColumnAt(cell.Left + 1), c) << c;
        EXPECT_EQ(g.FooterPanel()->ColumnAt(cell.Right), c) << c;
    }
    EXPECT_EQ(g.FooterPanel()->ColumnAt(100000), -1);

    g.FloatingFooter().SetColor(RGB(0, 160, 0));
    TFloatingFooter copy;
    copy.Assign(g.FloatingFooter());
    EXPECT_TRUE(copy.Visible());
    EXPECT_EQ(copy.Height(), 0);
    EXPECT_EQ(copy.Color(), RGB(0, 160, 0));
}

TEST(VoGridFooter, TemplateExpansionAndColumnCalc)
{
    const auto cell = [](int c) { return QStringLiteral("c%1").arg(c); };
    const struct {
        const char* text;
        const char* expanded;
    } cases[] = {
        {"Total <#2> items", "Total c2 items"}, {"<#x>gone", "gone"}, {"<#1><#3>", "c1c3"},
        {"open <#2 tail", "open <#2 tail"},     {"plain", "plain"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExpandFooterTemplate(QString::fromLatin1(c.text), cell), QString::fromLatin1(c.expanded)) << c.text;

    RecordingGrid g;
    g.SetRowCount(5);
    g.FloatingFooter().SetVisible(true);
    for (int r = 1; r < 4; ++r)
        g.SetCells(1, r, QString::number(r));
    EXPECT_EQ(g.FloatingFooter().GetColumnCalc(1), acNONE);
    g.FloatingFooter().SetColumnCalc(1, acSUM);
    EXPECT_EQ(g.FloatingFooter().GetColumnCalc(1), acSUM);
    EXPECT_EQ(g.Cells(1, 4).toDouble(), 6.0);
}

// The footer row is recalculated when the row count grows.
TEST(VoGridFooter, CalculationsFollowTheRowCount)
{
    RecordingGrid g;
    g.SetRowCount(5);
    g.FloatingFooter().SetVisible(true);
    g.FloatingFooter().SetColumnCalc(1, acCOUNT);
    EXPECT_EQ(g.Cells(1, 4), QStringLiteral("3"));
    g.SetRowCount(8);
    EXPECT_EQ(g.Cells(1, 7), QStringLiteral("6"));
}

// A footer made visible without a height of its own takes the default row height, so the fixed last row
// stays in sight.
TEST(VoGridFooter, TakesTheDefaultRowHeight)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    RecordingGrid g(&form);
    g.SetParent(&form);
    g.SetBounds(0, 0, 300, 200);
    g.SetDefaultRowHeight(24);
    g.FloatingFooter().SetVisible(true);
    form.Show();
    EXPECT_EQ(g.FloatingFooter().Height(), 24);
    EXPECT_EQ(g.FooterPanel()->Height(), 23);
}

TEST(VoGridFooter, ScrollThumb)
{
    TForm form(nullptr);
    RecordingGrid g(&form);
    g.SetParent(&form);
    g.SetDefaultRowHeight(20);
    g.SetRowCount(100);
    g.SetBounds(0, 0, 200, 221);
    TScrollControl bar(&g);
    bar.SetParent(&g);
    bar.SetBounds(0, 0, 6, 221);
    ASSERT_EQ(bar.GetTrackStart(), 20);
    int pos = 0;
    int size = 0;
    bar.GetThumb(pos, size);
    EXPECT_EQ(pos, 20);  // right below the fixed row
    EXPECT_EQ(size, std::max(20, static_cast<int>(std::nearbyint(201.0 * g.VisibleRowCount() / 100))));
    g.SetTopRow(g.RowCount() - g.VisibleRowCount());
    bar.GetThumb(pos, size);
    EXPECT_LE(pos + size, bar.Height());
}

// --- Drop-down header and footer appearance -------------------------------------------------------------

TEST(VoDropDownAppearance, NotificationsAndCopies)
{
    THeaderAppearance header;
    EXPECT_TRUE(header.Visible());
    EXPECT_EQ(header.Font().Name(), QStringLiteral("Tahoma"));
    EXPECT_EQ(header.Height, 22);
    EXPECT_EQ(header.Color, TColor(0xC0C0C0));
    int changes = 0;
    int buttonChanges = 0;
    header.OnChange = [&](TObject*) { ++changes; };
    header.OnButtonsChanged = [&](TObject*) { ++buttonChanges; };
    header.SetVisible(true);
    EXPECT_EQ(changes, 0);
    header.SetVisible(false);
    EXPECT_EQ(changes, 1);
    TAppearanceButton* b = header.Buttons().Add();
    EXPECT_EQ(buttonChanges, 0);  // adding does not notify
    b->Height = 30;
    EXPECT_EQ(buttonChanges, 0);
    b->SetWidth(40);
    EXPECT_EQ(buttonChanges, 1);
    b->SetWidth(40);
    EXPECT_EQ(buttonChanges, 1);

    THeaderAppearance source;
    for (int i = 0; i < 2; ++i) {
        TAppearanceButton* s = source.Buttons().Add();
        s->SetCaption(QStringLiteral("B%1").arg(i));
        s->ImageIndex = i;
        s->SetEnabled(i == 0);
        s->SetWidth(10 + i);
    }
    source.Caption = QStringLiteral("Head");
    source.Color = 0x123456;
    source.Height = 40;
    THeaderAppearance target;
    for (int i = 0; i < 5; ++i)
        target.Buttons().Add();
    target.AssignColors(source);
    EXPECT_EQ(target.Color, TColor(0x123456));
    EXPECT_TRUE(target.Caption.isEmpty());
    EXPECT_EQ(target.Height, 22);
    EXPECT_EQ(target.Buttons().Count(), 5);
    target.Assign(source);
    ASSERT_EQ(target.Buttons().Count(), 2);
    EXPECT_EQ(target.Buttons().Items(1)->Caption(), QStringLiteral("B1"));
    EXPECT_EQ(target.Buttons().Items(1)->ImageIndex, 1);
    EXPECT_FALSE(target.Buttons().Items(1)->Enabled());
    EXPECT_EQ(target.Buttons().Items(1)->Width(), 11);
    EXPECT_EQ(target.Caption, QStringLiteral("Head"));

    TFooterAppearance footer;
    EXPECT_TRUE(footer.SizeGrip);
    footer.Assign(header);  // another class: nothing
    EXPECT_EQ(footer.Buttons().Count(), 0);
    auto* fb = static_cast<TFooterButton*>(footer.Buttons().Add());
    fb->ModalResult = mrOk;
    TFooterAppearance footerCopy;
    footerCopy.Assign(footer);
    EXPECT_EQ(static_cast<TFooterButton*>(footerCopy.Buttons().Items(0))->ModalResult, mrOk);
    EXPECT_THROW(fb->Assign(*b), Exception);
}

// --- Display settings and rotated cells ----------------------------------------------------

TEST(VoGridLookSettings, SettersRepaintOnlyOnChangesThatShow)
{
    RecordingGrid g;
    int n = g.invalidates;
    g.SetURLColor(clRed);  // URLShow off: no repaint
    EXPECT_EQ(g.invalidates, n);
    g.SetURLShow(true);
    EXPECT_EQ(g.invalidates, n + 1);
    g.SetURLShow(true);
    EXPECT_EQ(g.invalidates, n + 1);
    g.SetActiveCellColor(g.ActiveCellColor);  // repaints also when unchanged
    EXPECT_EQ(g.invalidates, n + 2);
    g.UpdateXYOffset(5, 6);
    EXPECT_EQ(g.invalidates, n + 2);
    EXPECT_EQ(g.XYOffset.X, 5);
    g.SetXYOffset({1, 1});
    EXPECT_EQ(g.invalidates, n + 3);
    const int rows = g.RowCount();
    g.IncRowCount();
    EXPECT_EQ(g.RowCount(), rows + 1);
}

TEST(VoGridLookSettings, RotatedCells)
{
    RecordingGrid g;
    int angle = -1;
    EXPECT_FALSE(g.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, -1);
    g.AddRotated(1, 1, 450, QStringLiteral("up"));
    EXPECT_TRUE(g.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 90);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("up"));
    g.AddCheckBox(2, 1, false, false);
    g.SetRotated(2, 1, 45);  // any graphic becomes the rotated one
    EXPECT_TRUE(g.IsRotated(2, 1, angle));
    EXPECT_EQ(angle, 45);
    EXPECT_TRUE(g.RemoveRotated(1, 1));
    EXPECT_FALSE(g.IsRotated(1, 1, angle));
}

TEST(VoGridSurface, BorderOfTheLooksWithTheirOwn)
{
    TForm form(nullptr);
    form.SetColor(RGB(0, 0, 200));
    RecordingGrid g(&form);
    g.SetParent(&form);
    g.SetBounds(0, 0, 120, 80);
    g.SetLook(glXP);  // bsSingle, border $B99D7F
    QImage image = PaintToImage(g);
    EXPECT_EQ(pixel(image, 1, 40), g.BorderColor());
    EXPECT_EQ(pixel(image, 118, 40), g.BorderColor());
    EXPECT_EQ(pixel(image, 0, 40), RGB(0, 0, 200));  // the parent's colour outside
    g.BeginUpdate();
    EXPECT_NE(pixel(PaintToImage(g), 1, 40), g.BorderColor()) << "under the update lock the standard frame only";
    g.EndUpdate();
    for (const auto& change :
         std::vector<std::function<void()>>{[&] { g.Flat = true; }, [&] { g.SetLook(glClassic); }}) {
        change();
        image = PaintToImage(g);
        EXPECT_NE(pixel(image, 1, 40), g.BorderColor());
    }
}
