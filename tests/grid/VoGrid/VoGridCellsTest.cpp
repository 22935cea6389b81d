// Cell access over the real and display index spaces, typed access and its errors.
#include "VoGridTestGrid.h"
#include "grid/base/REdaReviZizod.h"
#include "platform/SysUtils.h"

namespace {
// Rows 0..9 and columns 0..5 filled with "c,r".
void fill(VOroDavoduRuzu& g)
{
    g.SetColCount(6);
    for (int c = 0; c < 6; ++c)
        for (int r = 0; r < g.RowCount(); ++r)
            g.SetCells(c, r, QStringLiteral("%1,%2").arg(c).arg(r));
}

void expectError(const std::function<void()>& f, const QString& message)
{
    try {
        f();
        ADD_FAILURE() << "no error raised, expected " << message.toStdString();
    } catch (const REdaReviZizod& e) {
        EXPECT_EQ(e.Message(), message);
    }
}
}  // namespace

TEST(VoGridIndex, ColumnMapsWithHiddenColumns)
{
    RecordingGrid g;
    fill(g);
    for (int c : {-3, 0, 4, 700})
        EXPECT_EQ(g.RealColIndex(c), c);
    g.HideColumns(2, 3);  // shown: 0, 1, 4, 5
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.AllColCount(), 6);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    const std::pair<int, int> realOf[] = {{2, 4}, {3, 5}, {4, 0}, {-1, 0}};
    for (auto [d, r] : realOf)
        EXPECT_EQ(g.RealColIndex(d), r) << d;
    const std::pair<int, int> displOf[] = {{3, 2}, {4, 2}, {5, 3}};
    for (auto [r, d] : displOf)
        EXPECT_EQ(g.DisplColIndex(r), d) << r;
    EXPECT_FALSE(g.IsHiddenColumn(600));
    // Hidden cells keep their texts and stay addressed by their real column.
    EXPECT_EQ(g.Cells(3, 4), QStringLiteral("3,4"));
    g.SetCells(3, 4, QStringLiteral("hidden write"));
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.Cells(3, 4), QStringLiteral("hidden write"));
    EXPECT_EQ(g.Cells(5, 9), QStringLiteral("5,9"));
}

TEST(VoGridIndex, HidingKeepsOneColumnAndIgnoresColumnsOutsideTheMap)
{
    RecordingGrid g;
    g.SetColCount(2);
    g.HideColumns(0, 1);
    EXPECT_EQ(g.ColCount(), 1);
    g.HideColumn(512);
    g.HideColumn(-1);
    g.UnHideColumn(100000);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    g.SetAllColWidths(513, 40);  // past the width store: ignored
    g.SetAllColWidths(-2, 40);
    expectError([&] { (void)g.AllColWidths(513); }, QStringLiteral("Invalid column accessed"));
    EXPECT_EQ(g.AllColWidths(0), 64);  // the hidden column's remembered width
}

TEST(VoGridIndex, RowMapsWithHiddenRows)
{
    RecordingGrid g;
    fill(g);
    g.HideRows(3, 4);
    EXPECT_EQ(g.RowCount(), 8);
    EXPECT_EQ(g.AllRowCount(), 10);
    EXPECT_EQ(g.RealRowIndex(3), 5);
    EXPECT_EQ(g.DisplRowIndex(5), 3);
    EXPECT_EQ(g.DisplRowIndex(4), 3);
    EXPECT_EQ(g.RealRowIndex(-1), -1);
    EXPECT_EQ(g.Cells(1, 3), QStringLiteral("1,5"));
    EXPECT_EQ(g.AllCells(1, 3), QStringLiteral("1,3"));
    EXPECT_EQ(g.AllCells(1, 5), QStringLiteral("1,5"));

    g.UnHideRows(2, 5);  // row 2 is shown: nothing comes back
    EXPECT_EQ(g.RowCount(), 8);
    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(g.Cells(2, r), QStringLiteral("2,%1").arg(r));
}

TEST(VoGridIndex, HiddenRowKeepsTheTextsAndObjectsOfHiddenColumns)
{
    RecordingGrid g;
    fill(g);
    g.SetColors(4, 2, clRed);
    g.HideColumn(4);
    g.HideRow(2);
    EXPECT_EQ(g.AllCells(4, 2), QStringLiteral("4,2"));
    g.UnHideRow(2);
    g.UnHideColumn(4);
    EXPECT_EQ(g.Cells(4, 2), QStringLiteral("4,2"));
    EXPECT_EQ(g.Colors(4, 2), clRed);
}

TEST(VoGridCells, AllAccessorsOverHiddenRows)
{
    RecordingGrid g;
    fill(g);
    EXPECT_EQ(g.AllCells(-1, 2), QString());
    EXPECT_EQ(g.AllCells(2, -1), QString());
    g.HideRow(2);
    ASSERT_NE(g.GetHiddenRowItems(2), nullptr);
    EXPECT_EQ(g.GetHiddenRowItems(3), nullptr);
    EXPECT_EQ(g.AllCells(4, 2), QStringLiteral("4,2"));
    // A column added while the row is hidden: the hidden row takes the write and keeps it when shown again.
    g.SetColCount(7);
    EXPECT_EQ(g.AllGridCells(6, 2), QString());
    g.SetAllCells(6, 2, QStringLiteral("far"));
    g.SetAllGridCells(5, 2, QStringLiteral("raw"));
    EXPECT_EQ(g.AllCells(6, 2), QStringLiteral("far"));

    // Past the columns or rows the writes raise instead of growing without end.
    expectError([&] { g.SetAllCells(7, 2, QStringLiteral("x")); }, QStringLiteral("Invalid column accessed"));
    expectError([&] { g.SetAllCells(1000000, 2, QStringLiteral("x")); }, QStringLiteral("Invalid column accessed"));
    expectError([&] { g.SetAllCells(1, 10, QStringLiteral("x")); }, QStringLiteral("Invalid row accessed"));
    expectError([&] { g.SetAllCells(-1, 1, QStringLiteral("x")); }, QStringLiteral("Invalid column accessed"));
    expectError([&] { g.SetAllGridCells(7, 2, QStringLiteral("x")); }, QStringLiteral("Invalid column accessed"));
    expectError([&] { g.SetAllObjects(7, 2, nullptr); }, QStringLiteral("Invalid column accessed"));
    EXPECT_EQ(g.AllGridCells(9, 2), QString());
    EXPECT_EQ(g.AllObjects(9, 2), nullptr);
    g.UnHideRow(2);
    EXPECT_EQ(g.Cells(6, 2), QStringLiteral("far"));
    EXPECT_EQ(g.Cells(5, 2), QStringLiteral("raw"));
    EXPECT_EQ(g.Cells(0, 2), QStringLiteral("0,2"));

    // A shown row: the write lands on its display row.
    g.HideRow(2);
    g.SetAllCells(3, 4, QStringLiteral("via real row"));
    EXPECT_EQ(g.Cells(3, 3), QStringLiteral("via real row"));
}

TEST(VoGridCells, AllObjectsUnwrapCellProperties)
{
    RecordingGrid g;
    TObject user;
    g.SetAllObjects(2, 3, &user);
    EXPECT_EQ(g.AllObjects(2, 3), &user);
    EXPECT_EQ(g.Cells(2, 3), QString());  // the blank bracket left no text
    g.HideRow(3);
    EXPECT_EQ(g.AllObjects(2, 3), &user);
    EXPECT_NE(g.GetAllGridObject(2, 3), &user);  // the raw slot holds the properties
    TObject other;
    g.SetAllObjects(2, 3, &other);
    EXPECT_EQ(g.AllObjects(2, 3), &other);
}

TEST(VoGridCells, IntsFollowTheIntegerRule)
{
    RecordingGrid g;
    struct Case {
        QString text;
        int value;
    } good[] = {{QStringLiteral(" - "), 0},
                {QString(), 0},
                {QStringLiteral("<b>12</b>"), 12},
                {QStringLiteral("-45"), -45},
                {QStringLiteral("+7"), 7},
                {QStringLiteral("$ff"), 255},
                {QStringLiteral("0x10"), 16},
                {QStringLiteral("X1F"), 31},
                {QStringLiteral("2147483647"), 2147483647},
                {QStringLiteral("-2147483648"), -2147483647 - 1}};
    for (const Case& c : good) {
        g.SetCells(1, 1, c.text);
        EXPECT_EQ(g.Ints(1, 1), c.value) << c.text.toStdString();
    }
    for (const QString& bad : {QStringLiteral("12a"), QStringLiteral("2147483648"), QStringLiteral("1.5"),
                               QStringLiteral("$"), QStringLiteral("0xZ")}) {
        g.SetCells(1, 1, bad);
        expectError([&] { (void)g.Ints(1, 1); }, QStringLiteral("Cell does not contain integer value"));
        EXPECT_EQ(g.Cells(1, 1), bad);
    }
    g.SetCells(1, 1, QStringLiteral("<b>12</b>"));
    expectError([&] { (void)g.AllInts(1, 1); }, QStringLiteral("Cell does not contain integer value"));
    g.SetInts(2, 2, -17);
    EXPECT_EQ(g.Cells(2, 2), QStringLiteral("-17"));
}

TEST(VoGridCells, FloatsReadCleanedTextAndWriteThroughTheFormat)
{
    RecordingGrid g;
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.Cells(1, 1), QStringLiteral("3.14"));
    EXPECT_DOUBLE_EQ(g.Floats(1, 1), 3.14);
    g.SetCells(1, 1, QStringLiteral("-"));
    EXPECT_EQ(g.Floats(1, 1), 0.0);
    g.SetCells(1, 1, QStringLiteral("abc"));  // nothing left after cleaning: 0
    EXPECT_EQ(g.Floats(1, 1), 0.0);
    g.SetCells(1, 1, QStringLiteral("1.2.3"));
    expectError([&] { (void)g.Floats(1, 1); }, QStringLiteral("Cell does not contain a float value"));
    expectError([&] { (void)g.AllFloats(1, 1); }, QStringLiteral("Cell does not contain a float value"));
    // A format is applied, never handed on unchecked.
    const std::pair<QString, QString> formats[] = {{QStringLiteral("%.3f EUR"), QStringLiteral("2.500 EUR")},
                                                   {QStringLiteral("%s%n%d"), QStringLiteral("%s2.50%d")},
                                                   {QStringLiteral("100%%"), QStringLiteral("100%")}};
    for (const auto& [format, text] : formats) {
        g.FloatFormat = format;
        g.SetFloats(2, 2, 2.5);
        EXPECT_EQ(g.Cells(2, 2), text) << format.toStdString();
    }
}

TEST(VoGridCells, DatesAndTimes)
{
    RecordingGrid g;
    TDateTime day = 0;
    ASSERT_TRUE(TryEncodeDate(2024, 2, 29, day));
    g.SetDates(1, 1, day);
    EXPECT_DOUBLE_EQ(g.Dates(1, 1), day);
    g.SetDates(1, 2, 0);
    EXPECT_FALSE(g.Cells(1, 2).isEmpty());  // null dates shown by default
    g.ShowNullDates = false;
    g.SetDates(1, 2, 0);
    EXPECT_EQ(g.Cells(1, 2), QString());
    g.SetDates(1, 2, -3);
    EXPECT_EQ(g.Cells(1, 2), QString());
    EXPECT_THROW((void)g.Dates(1, 2), Exception);

    TDateTime t = 0;
    ASSERT_TRUE(TryEncodeTime(13, 45, 30, t));
    g.SetTimes(2, 1, day + t);
    EXPECT_NEAR(g.Times(2, 1), t, 1e-9);
    g.SetCells(2, 2, QStringLiteral("noon"));
    EXPECT_THROW((void)g.Times(2, 2), Exception);
}

TEST(VoGridCells, CurrentCellHeadersAndColumnOrder)
{
    RecordingGrid g;
    g.SetCol(2);
    g.SetRow(3);
    g.SetCurrentCell(QStringLiteral("here"));
    EXPECT_EQ(g.Cells(2, 3), QStringLiteral("here"));
    EXPECT_EQ(g.CurrentCell(), QStringLiteral("here"));

    TStringList headers;
    headers.Add(QStringLiteral("No"));
    headers.Add(QStringLiteral("Name\\nFirst"));
    headers.Add(QStringLiteral("Name"));
    headers.Add(QStringLiteral("Name"));
    g.SetColumnHeaders(headers);
    EXPECT_EQ(g.Cells(1, 0), ExpandNewLineEscapes(QStringLiteral("Name\\nFirst")));
    EXPECT_EQ(g.Cells(1, 0).size(), 10);
    EXPECT_EQ(g.ColumnByHeader(QStringLiteral("Name")), 2);
    EXPECT_EQ(g.ColumnByHeader(QStringLiteral("name")), -1);
    g.ColumnHeaders().SetString(0, QStringLiteral("Nr"));  // a change of the list shows again
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("Nr"));

    EXPECT_EQ(g.ColumnPosition(3), 3);  // no order recorded
    EXPECT_EQ(g.ColumnAtPosition(2), 2);
    EXPECT_EQ(g.ColumnOrder().Count(), g.ColCount());
    EXPECT_EQ(g.UnSortedRowIndex(4), 4);
    EXPECT_EQ(g.SortedRowIndex(4), 4);
}

TEST(VoGridCells, LoadAndSaveHooksAndStrippedText)
{
    RecordingGrid g;
    std::vector<QString> log;
    g.OnLoadCell = [&](TObject*, int c, int r, QString& v) {
        log.push_back(QStringLiteral("load %1 %2").arg(c).arg(r));
        v = v.toUpper();
    };
    g.OnSaveCell = [&](TObject*, int c, int r, QString& v) {
        log.push_back(QStringLiteral("save %1 %2").arg(c).arg(r));
        v += u'!';
    };
    g.StoreLoadedCellText(1, 2, QStringLiteral("abc"));
    EXPECT_EQ(g.Cells(1, 2), QStringLiteral("ABC"));
    EXPECT_EQ(g.CellTextForSave(1, 2), QStringLiteral("ABC!"));
    g.SetCells(2, 2, QStringLiteral("<b>bold</b><br>next"));
    g.SaveWithHTML = false;
    EXPECT_EQ(g.CellTextForSave(2, 2), QStringLiteral("bold\r\nnext!"));
    EXPECT_EQ(log, (std::vector<QString>{"load 1 2", "save 1 2", "save 2 2"}));
    EXPECT_EQ(g.StrippedCells(2, 2), QStringLiteral("bold\r\nnext"));
}

// Rich-text cells leave the grid as their plain text, unless they are saved as rich text.
TEST(VoGridCells, RichTextCellsSaveAndCopyTheirPlainText)
{
    RecordingGrid g;
    g.SetCells(1, 1, QStringLiteral("{\\rtf1\\ansi hello}"));
    g.SetCells(2, 1, QStringLiteral("plain"));
    EXPECT_EQ(g.CellTextForSave(1, 1), QStringLiteral("hello"));
    g.SetSelection({1, 1, 2, 1});
    EXPECT_EQ(g.SelectedText(), QStringLiteral("hello\tplain"));
    g.SaveWithRTF = true;
    g.SetCells(1, 1, QStringLiteral("{\\rtf1\\ansi\r\nhello}"));
    EXPECT_EQ(g.CellTextForSave(1, 1), QStringLiteral("{\\rtf1\\ansihello}"));
}

TEST(VoGridCells, ControlValuesReadAndWriteTheControlOfTheirId)
{
    RecordingGrid g;
    g.SetCells(1, 1, QStringLiteral(R"(Name <CONTROL TYPE="EDIT" ID="e1" VALUE="abc" WIDTH="60">)"));
    EXPECT_EQ(g.ControlValues(1, 1, QStringLiteral("e1")), QStringLiteral("abc"));
    EXPECT_EQ(g.ControlValues(1, 1, QStringLiteral("none")), QString());
    g.SetControlValues(1, 1, QStringLiteral("e1"), QStringLiteral("xyz"));
    EXPECT_EQ(g.ControlValues(1, 1, QStringLiteral("e1")), QStringLiteral("xyz"));
    const QString before = g.Cells(1, 1);
    g.SetControlValues(1, 1, QStringLiteral("none"), QStringLiteral("q"));
    EXPECT_EQ(g.Cells(1, 1), before);
    g.SetControlValues(2, 1, QStringLiteral("e1"), QStringLiteral("q"));
    EXPECT_EQ(g.Cells(2, 1), QString()) << "a cell without the control is not written";
    g.SetWideCells(3, 2, QStringLiteral("\u00e9\u4e2d"));
    EXPECT_EQ(g.AllWideCells(3, 2), QStringLiteral("\u00e9\u4e2d"));
}
