// Clipboard copy, cut and paste through the in-process clipboard: the copied text, the formats put, growth
// and read-only cells on paste, and the smart fill of a selection.
#include <gtest/gtest.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "GridIOFixture.h"
#include "grid/base/REdaReviZizod.h"
#include "platform/Forms.h"
#include "support/TestSeams.h"

namespace {
struct ClipGrid : IOGrid {
    using IOGrid::IOGrid;
    TInProcessClipboard clipboard;
    void select(int c1, int r1, int c2, int r2) { grid.SetSelection({c1, r1, c2, r2}); }
    QString clipText() const { return QString::fromUtf8(clipboard.Store.value(MimePlainText)); }
};
}  // namespace

TEST(GridClipboard, CopiedTextHasOneLfPerBreakAndDoubledQuotes)
{
    ClipGrid g;
    g.fill({{"a", "b"}, {"c", "d"}});
    g.select(0, 0, 1, 1);
    g.io().CopySelectionToClipboard();
    EXPECT_EQ(g.clipText(), QStringLiteral("a\tb\r\nc\td\r\n"));
    g.select(0, 0, 1, 0);
    g.io().CopySelectionToClipboard();
    EXPECT_EQ(g.clipText(), QStringLiteral("a\tb"));
    g.grid.SetCells(0, 0, QStringLiteral("x\r\ny \"q\""));
    g.select(0, 0, 0, 0);
    g.io().CopySelectionToClipboard();
    EXPECT_EQ(g.clipText(), QStringLiteral("\"x\ny \"\"q\"\"\""));
    EXPECT_EQ(g.clipboard.Store.size(), 1);
    EXPECT_EQ(g.io().FClipLastOp, coCopy);
}

TEST(GridClipboard, CopiedRowsAreAnnouncedAsChosenRowsWhenTheCopyIsShortOfTheNormalRows)
{
    struct RecordingGrid : VOroDavoduRuzu {
        using VOroDavoduRuzu::VOroDavoduRuzu;
        QStringList states;
        void ExportNotification(int AState, int ARow) override
        {
            states << QStringLiteral("%1:%2").arg(AState).arg(ARow);
        }
    };
    struct Case {
        TGridRect rect;
        const char* expected;
    } cases[] = {
        {{0, 1, 1, 3}, "0:-1 3:1 3:1 3:2 3:2 3:3 3:3 4:-1"},  // every normal row, footer left out
        {{0, 2, 1, 2}, "0:-1 2:2 3:2 4:-1"},
    };
    for (const Case& c : cases) {
        TInProcessClipboard clipboard;
        RecordingGrid g(nullptr);
        g.SetColCount(2);
        g.SetRowCount(5);
        g.SetFixedRows(1);
        g.FixedFooters = 1;
        GridIO(g).RectToText(c.rect, false);
        EXPECT_EQ(g.states.join(u' '), QString::fromUtf8(c.expected));
    }
}

TEST(GridClipboard, EveryOddTextRoundTripsThroughTheClipboardAsTextAndAsCells)
{
    const std::vector<QString> texts = OddCellTexts();
    for (bool cellsFormat : {false, true}) {
        SCOPED_TRACE(cellsFormat ? "cells" : "text");
        ClipGrid source(2, static_cast<int>(texts.size()));
        source.grid.Navigation().AllowFmtClipboard = cellsFormat;
        for (std::size_t i = 0; i < texts.size(); ++i)
            source.grid.SetCells(0, static_cast<int>(i), texts[i]);
        source.grid.SetCells(1, 0, QStringLiteral("right"));
        source.select(0, 0, 1, static_cast<int>(texts.size()) - 1);
        source.io().CopySelectionToClipboard();
        EXPECT_EQ(source.clipboard.Store.contains(MimeGridCells), cellsFormat);

        ClipGrid target(2, 2);
        target.clipboard.Store = source.clipboard.Store;
        target.grid.Navigation().AllowFmtClipboard = cellsFormat;
        target.select(0, 0, 0, 0);
        target.io().PasteSelectionFromClipboard();
        ASSERT_EQ(target.grid.RowCount(), static_cast<int>(texts.size()));  // no row for the final line break
        for (std::size_t i = 0; i < texts.size(); ++i) {
            // Text carries every line break as one break (CR LF in the cell); the cell format keeps each.
            QString expected = texts[i];
            if (!cellsFormat)
                expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                    .replace(u'\r', u'\n')
                    .replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
            EXPECT_EQ(target.grid.Cells(0, static_cast<int>(i)), expected) << i;
        }
        EXPECT_EQ(target.grid.Cells(1, 0), QStringLiteral("right"));
    }
}

TEST(GridClipboard, RichTextAndCellFormatsAreAddedByOption)
{
    ClipGrid g;
    g.grid.Navigation().AllowRTFClipboard = true;
    g.grid.Navigation().AllowFmtClipboard = true;
    g.grid.SetCells(0, 0, QStringLiteral("{\\rtf1 hi}"));
    g.select(0, 0, 1, 0);
    g.io().CopySelectionToClipboard();
    EXPECT_EQ(g.clipboard.Store.keys(), (QStringList{MimeGridCells, MimePlainText, MimeRichText}));
    EXPECT_EQ(g.clipText(), QStringLiteral("hi\t"));  // rich text goes as its plain text
    g.select(1, 0, 1, 0);
    g.io().CopySelectionToClipboard();
    EXPECT_EQ(g.clipboard.Store.size(), 2);
}

TEST(GridClipboard, HtmlCopyPutsTheTableAndItsTabSeparatedText)
{
    ClipGrid g(2, 4);
    g.grid.SetFixedRows(1);
    g.grid.SaveFixedCells = true;
    g.fill({{"H1", ""}, {"a", "a b"}, {"x\r\ny", "   "}, {"wide", ""}});
    g.grid.SetFontStyles(1, 1, fsBold);
    g.grid.MergeCells(0, 3, 2, 1);
    g.io().CopyToClipBoardAsHTML();
    EXPECT_EQ(g.clipText(), QStringLiteral("H1\t\r\na\ta b\r\n\"x\ny\"\t   \r\nwide\twide\r\n"));
    const QString html = QString::fromUtf8(g.clipboard.Store.value(MimeHtml));
    SCOPED_TRACE(html.toStdString());
    EXPECT_TRUE(html.startsWith(QStringLiteral("<style>\r\n.c0 {")));
    EXPECT_TRUE(
        html.contains(QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n")));
    EXPECT_TRUE(html.contains(QStringLiteral(">H1</td>\r\n")));
    EXPECT_TRUE(html.contains(QStringLiteral(">&nbsp;</td>\r\n")));
    EXPECT_TRUE(html.contains(QStringLiteral(">x<br>\ny</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("COLSPAN=\"2\">wide</td>")));
    EXPECT_EQ(html.count(QStringLiteral("<TD ")), 7);  // the merged row has one element
    // Plain body cells share a class; the header (fixed colour) and the bold cell have their own.
    EXPECT_TRUE(html.contains(QStringLiteral("<TD class=\"c1\">a</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<TD class=\"c1\">x<br>")));
    EXPECT_TRUE(html.contains(QStringLiteral("<TD class=\"c2\">a b</td>")));
    EXPECT_TRUE(html.contains(QStringLiteral("font-weight: bold")));
    EXPECT_EQ(html.count(QStringLiteral("\r\n.c")), 3);
}

TEST(GridClipboard, HtmlPicturesGoIntoTheCopiedPageOrIntoNumberedFilesBesideAPage)
{
    ClipGrid g(3, 1);
    g.fill({{"bmp", "pic", ""}});
    TBitmap* bitmap = g.grid.CreateBitmap(0, 0, false, haLeft, vaTop);
    bitmap->SetSize(3, 2);
    g.grid.CreatePicture(1, 0, false, noStretch, 0, haLeft, vaTop)->Bitmap().SetSize(2, 2);
    const QString before = QDir::currentPath();
    QTemporaryDir work;
    ASSERT_TRUE(work.isValid());
    QDir::setCurrent(work.path());
    g.io().CopyToClipBoardAsHTML();
    const QString html = QString::fromUtf8(g.clipboard.Store.value(MimeHtml));
    EXPECT_TRUE(html.contains(QStringLiteral(">bmp<img src=\"data:image/png;base64,")));
    EXPECT_EQ(html.count(QStringLiteral("<img ")), 2);
    EXPECT_TRUE(QDir(work.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());  // no file written
    QDir::setCurrent(before);
    const QString page = g.io().SaveToHTMLString(work.path() + u'/');
    EXPECT_TRUE(
        page.contains(QStringLiteral("<img src=\"file://") + work.path() + QStringLiteral("/images/img1.jpg\">")));
    EXPECT_TRUE(page.contains(QStringLiteral("/images/img2.jpg\">")));
    EXPECT_TRUE(QFile::exists(work.path() + QStringLiteral("/images/img2.jpg")));
    g.grid.HTMLSettings().ExportImages = false;
    EXPECT_FALSE(g.io().SaveToHTMLString(QString()).contains(QStringLiteral("<img")));
}

TEST(GridClipboard, CutEmptiesOnlyCellsThatMayChange)
{
    ClipGrid g(3, 1);
    g.fill({{"a", "b", "c"}});
    g.grid.SetReadOnly(1, 0, true);
    g.select(0, 0, 2, 0);
    g.io().CutSelectionToClipboard();
    EXPECT_EQ(g.clipText(), QStringLiteral("a\tb\tc"));
    EXPECT_EQ(g.cells(0, 0, 2, 0), QStringLiteral("|b|;"));
    EXPECT_EQ(g.io().FClipLastOp, coCut);
    // Without editing nothing is cut, unless the clipboard may always change cells.
    ClipGrid ro(2, 1);
    ro.fill({{"a", "b"}});
    ro.grid.SetOptions(ro.grid.Options() & ~goEditing);
    ro.io().CutToClipboard();
    EXPECT_EQ(ro.cells(0, 0, 1, 0), QStringLiteral("a|b;"));
    ro.grid.Navigation().AllowClipboardAlways = true;
    ro.io().CutToClipboard();
    EXPECT_EQ(ro.cells(0, 0, 1, 0), QStringLiteral("|;"));
}

TEST(GridClipboard, PasteGrowsOrStopsAtTheEdgesAndRespectsReadOnlyCells)
{
    struct Case {
        bool grow;
        int cols, rows;
        const char* row0;
        const char* row1;
    } cases[] = {
        {true, 5, 3, "||1|2|;", "||ro|4|5;"},
        {false, 3, 2, "||1||;", "||ro||;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grow);
        ClipGrid g(3, 2);
        g.grid.Navigation().AllowClipboardColGrow = c.grow;
        g.grid.Navigation().AllowClipboardRowGrow = c.grow;
        g.grid.SetCells(2, 1, QStringLiteral("ro"));
        g.grid.SetReadOnly(2, 1, true);
        g.clipboard.Store[MimePlainText] = "1\t2\r\n3\t4\t5\r\n6";
        g.select(2, 0, 2, 0);
        g.io().PasteSelectionFromClipboard();
        EXPECT_EQ(g.grid.ColCount(), c.cols);
        EXPECT_EQ(g.grid.RowCount(), c.rows);
        // Nothing was stored past the grid's edge to show up when it grows later.
        g.grid.SetColCount(5);
        g.grid.SetRowCount(3);
        EXPECT_EQ(g.cells(0, 0, 4, 0), QString::fromUtf8(c.row0));
        EXPECT_EQ(g.cells(0, 1, 4, 1), QString::fromUtf8(c.row1));
        EXPECT_EQ(g.grid.Cells(2, 2), c.grow ? QStringLiteral("6") : QString());
    }
}

TEST(GridClipboard, InsertModeAddsOneRowPerPastedLine)
{
    ClipGrid g(2, 3);
    g.fill({{"top"}, {"keep"}});
    g.grid.Navigation().ClipboardPasteAction = paInsert;
    g.clipboard.Store[MimePlainText] = "a\r\nb\r\n";
    g.select(0, 1, 0, 1);
    g.io().PasteSelectionFromClipboard();
    EXPECT_EQ(g.grid.RowCount(), 5);
    EXPECT_EQ(g.cells(0, 0, 0, 3), QStringLiteral("top;a;b;keep;"));
}

TEST(GridClipboard, WideTextCellsGoThroughTheWideEventsDecoded)
{
    ClipGrid g(3, 1);
    QStringList events;
    g.grid.OnClipboardBeforePasteCell = [&](TObject*, int c, int, QString& v, bool&) {
        events << QStringLiteral("before %1 %2").arg(c).arg(v);
    };
    g.grid.OnClipboardAfterPasteCell = [&](TObject*, int c, int, const QString& v) {
        events << QStringLiteral("after %1 %2").arg(c).arg(v);
    };
    g.grid.OnClipboardBeforePasteWideCell = [&](TObject*, int c, int, QString& v, bool& allow) {
        events << QStringLiteral("before wide %1 %2").arg(c).arg(v);
        allow = v != u"skip";
        v = v.toUpper();
    };
    g.grid.OnClipboardAfterPasteWideCell = [&](TObject*, int c, int, const QString& v) {
        events << QStringLiteral("after wide %1 %2").arg(c).arg(v);
    };
    const QString text = EncodeWideText(QStringLiteral("skip")) + u'\t' + QStringLiteral("p") + u'\t' +
                         EncodeWideText(QStringLiteral("ωa"));
    g.clipboard.Store[MimePlainText] = text.toUtf8();
    g.select(0, 0, 0, 0);
    g.io().PasteSelectionFromClipboard();
    EXPECT_EQ(events.join(u';'),
              QStringLiteral("before wide 0 skip;before 1 p;after 1 p;before wide 2 ωa;after wide 2 ΩA"));
    EXPECT_EQ(g.grid.Cells(0, 0), QString());
    EXPECT_EQ(g.grid.Cells(2, 0), EncodeWideText(QStringLiteral("ΩA")));
}

TEST(GridClipboard, SmartFillRepeatsValuesAndContinuesSeries)
{
    struct Case {
        const char* name;
        std::vector<QString> source;  // copied from one column
        int selCols, selRows;
        const char* expected;
    } cases[] = {
        {"single value", {"7"}, 3, 2, "7|7|7;7|7|7;"},        {"integers", {"1", "3"}, 1, 5, "1;3;5;7;9;"},
        {"falling integers", {"10", "7"}, 1, 4, "10;7;4;1;"}, {"decimals", {"1.5", "2"}, 1, 3, "1.50;2.00;2.50;"},
        {"text block", {"a", "b"}, 1, 5, "a;b;a;b;a;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ClipGrid g(4, 8);
        g.grid.Navigation().AllowSmartClipboard = true;
        for (std::size_t i = 0; i < c.source.size(); ++i)
            g.grid.SetCells(3, static_cast<int>(i), c.source[i]);
        g.select(3, 0, 3, static_cast<int>(c.source.size()) - 1);
        g.io().CopySelectionToClipboard();
        g.select(0, 2, c.selCols - 1, 2 + c.selRows - 1);
        g.io().PasteSelectionFromClipboard();
        EXPECT_EQ(g.cells(0, 2, c.selCols - 1, 2 + c.selRows - 1), QString::fromUtf8(c.expected));
    }
}

TEST(GridClipboard, SmartFillStepsDatesByMonthAndBackByDay)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));  // dd/MM/yyyy
    struct Case {
        const char* first;
        const char* second;
        const char* expected;
    } cases[] = {
        {"15/01/2026", "15/02/2026", "15/01/2026;15/02/2026;15/03/2026;15/04/2026;"},
        {"05/03/2026", "04/03/2026", "05/03/2026;04/03/2026;03/03/2026;02/03/2026;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.first);
        ClipGrid g(2, 6);
        g.grid.Navigation().AllowSmartClipboard = true;
        g.grid.SetCells(1, 0, QString::fromUtf8(c.first));
        g.grid.SetCells(1, 1, QString::fromUtf8(c.second));
        g.select(1, 0, 1, 1);
        g.io().CopySelectionToClipboard();
        g.select(0, 0, 0, 3);
        g.io().PasteSelectionFromClipboard();
        EXPECT_EQ(g.cells(0, 0, 0, 3), QString::fromUtf8(c.expected));
    }
    QLocale::setDefault(QLocale::c());
}

TEST(GridClipboard, SmartFillAndTheFloatSetterWriteTheRegionalDecimalSeparator)
{
    struct Case {
        QLocale locale;
        std::vector<QString> source;
        const char* filled;
        const char* set;
    } cases[] = {
        {QLocale(QLocale::German, QLocale::Germany), {"1,5", "2,5"}, "1,50;2,50;3,50;4,50;", "2,25"},
        {QLocale::c(), {"1.5", "2.5"}, "1.50;2.50;3.50;4.50;", "2.25"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale.name().toStdString());
        QLocale::setDefault(c.locale);
        ClipGrid g(2, 6);
        g.grid.Navigation().AllowSmartClipboard = true;
        g.fill({{c.source[0]}, {c.source[1]}});
        g.select(0, 0, 0, 1);
        g.io().CopySelectionToClipboard();
        g.select(0, 0, 0, 3);
        g.io().PasteSelectionFromClipboard();
        EXPECT_EQ(g.cells(0, 0, 0, 3), QString::fromUtf8(c.filled));
        g.grid.SetFloats(1, 0, 2.25);
        EXPECT_EQ(g.grid.Cells(1, 0), QString::fromUtf8(c.set));
        EXPECT_DOUBLE_EQ(g.grid.Floats(1, 0), 2.25);
    }
    QLocale::setDefault(QLocale::c());
}

TEST(GridClipboard, SmartFillBlockLengthIsTheCellsPastedAndSkipsReadOnlyCells)
{
    // A one-row copy has no final line break: its three cells repeat as a block of three.
    ClipGrid g(7, 2);
    g.grid.Navigation().AllowSmartClipboard = true;
    g.fill({{"a", "b", "c"}}, 0, 1);
    g.select(0, 1, 2, 1);
    g.io().CopySelectionToClipboard();
    g.grid.SetReadOnly(4, 0, true);
    g.select(0, 0, 6, 0);
    g.io().PasteSelectionFromClipboard();
    EXPECT_EQ(g.cells(0, 0, 6, 0), QStringLiteral("a|b|c|a||c|a;"));
}

TEST(GridClipboard, MalformedCellBlockFailsAndChangesNothing)
{
    ClipGrid g(3, 3);
    g.fill({{"1", "2"}});
    g.grid.Navigation().AllowFmtClipboard = true;
    static const char hostile[] =
        "TPF0\x0BTGridPropIO\x00\x08"
        "ColCount\x04\xFF\xFF\xFF\x7F";
    g.clipboard.Store[MimeGridCells] = QByteArray(hostile, sizeof hostile - 1);
    g.clipboard.Store[MimePlainText] = "x";
    g.select(0, 0, 0, 0);
    EXPECT_THROW(g.io().PasteSelectionFromClipboard(), REdaReviZizod);
    EXPECT_EQ(g.cells(0, 0, 2, 0), QStringLiteral("1|2|;"));
    EXPECT_EQ(g.grid.ColCount(), 3);
}

TEST(GridClipboard, SetSelectionAsTextWritesReadOnlyCellsAndGrows)
{
    ClipGrid g(1, 1);
    g.grid.SetReadOnly(0, 0, true);
    g.grid.Navigation().AllowClipboardColGrow = false;
    g.io().SetSelectionAsText(QStringLiteral("a\tb\r\nc\r\n"));
    EXPECT_EQ(g.grid.ColCount(), 2);
    EXPECT_EQ(g.grid.RowCount(), 2);
    EXPECT_EQ(g.cells(0, 0, 1, 1), QStringLiteral("a|b;c|;"));
    int cols = 0, rows = 0;
    TGridIO::GetTextDimensions(QStringLiteral("a\tb\tc\r\nd\r\n"), cols, rows);
    EXPECT_EQ(cols, 3);
    EXPECT_EQ(rows, 1);
}

TEST(GridClipboard, CtrlCAndCtrlVOnAShownGridGoThroughTheInstalledLibrary)
{
    InstallGridIO();
    TInProcessClipboard clipboard;
    TForm form(nullptr);
    form.SetBounds(0, 0, 500, 300);
    auto* g = new VOroDavoduRuzu(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 400, 200);
    g->SetOptions(g->Options() | goEditing);
    g->Navigation().AllowClipboardShortCuts = true;
    form.Show();
    g->SetFocus();
    g->SetCells(1, 1, QStringLiteral("Ünïcode"));
    g->SetCells(2, 1, QStringLiteral("2"));
    g->SetSelection({1, 1, 2, 1});
    SendKey(*g, 'C', ssCtrl);
    EXPECT_EQ(QString::fromUtf8(clipboard.Store.value(MimePlainText)), QStringLiteral("Ünïcode\t2"));
    g->SetSelection({1, 3, 1, 3});
    SendKey(*g, 'V', ssCtrl);
    EXPECT_EQ(g->Cells(1, 3), QStringLiteral("Ünïcode"));
    EXPECT_EQ(g->Cells(2, 3), QStringLiteral("2"));
}

TEST(GridClipboard, ChosenRowsOrColumnsAreCopiedAndCutAlone)
{
    for (bool rows : {true, false}) {
        SCOPED_TRACE(rows ? "rows" : "columns");
        ClipGrid g(3, 3);
        g.fill({{"a0", "b0", "c0"}, {"a1", "b1", "c1"}, {"a2", "b2", "c2"}});
        g.grid.ShowModified().Enabled = true;
        if (rows) {
            g.grid.MouseActions().SetDisjunctRowSelect(true);
            g.grid.SetRowSelect(0, true);
            g.grid.SetRowSelect(2, true);
        } else {
            g.grid.MouseActions().SetDisjunctColSelect(true);
            g.grid.SetColSelect(0, true);
            g.grid.SetColSelect(2, true);
        }
        g.io().CutSelectionToClipboard();
        EXPECT_EQ(g.clipText(), rows ? QStringLiteral("a0\tb0\tc0\r\na2\tb2\tc2\r\n")
                                     : QStringLiteral("a0\tc0\r\na1\tc1\r\na2\tc2\r\n"));
        EXPECT_EQ(g.cells(0, 0, 2, 2), rows ? QStringLiteral("||;a1|b1|c1;||;") : QStringLiteral("|b0|;|b1|;|b2|;"));
        EXPECT_EQ(g.grid.ModifiedRowCount(), rows ? 2 : 0);
    }
}

TEST(GridClipboard, PastedAndCutRowsAreMarkedModified)
{
    ClipGrid g(2, 4);
    g.grid.ShowModified().Enabled = true;
    g.clipboard.Store[MimePlainText] = "x\ty\r\nz";
    g.select(0, 1, 0, 1);
    g.io().PasteSelectionFromClipboard();
    EXPECT_EQ(
        std::vector<bool>({g.grid.RowModified(0), g.grid.RowModified(1), g.grid.RowModified(2), g.grid.RowModified(3)}),
        (std::vector<bool>{false, true, true, false}));
    g.grid.ClearModifiedRows();
    g.io().CutToClipboard();
    EXPECT_EQ(g.grid.ModifiedRowCount(), 4);
}

TEST(GridClipboard, PasteAndLoadRecalculateTheFooter)
{
    ClipGrid g(1, 4);
    g.grid.FloatingFooter().SetVisible(true);
    g.grid.GetCellProperties(0, 3)->CalcType = acSUM;
    g.clipboard.Store[MimePlainText] = "2\r\n5";
    g.select(0, 0, 0, 0);
    g.io().PasteSelectionFromClipboard();
    EXPECT_EQ(g.grid.Cells(0, 3), QStringLiteral("7.00"));
    g.grid.SetCells(0, 3, QString());
    QBuffer buffer;
    buffer.open(QIODevice::ReadWrite);
    g.io().SaveToStream(buffer);
    buffer.seek(0);
    g.io().LoadFromStream(buffer);
    EXPECT_EQ(g.grid.Cells(0, 3), QStringLiteral("7.00"));
}
