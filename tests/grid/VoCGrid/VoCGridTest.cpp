// The column grid: items that follow the column count, per-column answers, virtual check boxes,
// column positions in an INI file and the column stream.
#include "grid/VoCGrid/VoCGrid.h"
#include "platform/Forms.h"
#include "platform/Menus.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Header texts of row 0, in display order.
QStringList Headers(TVoColumnGrid& g)
{
    QStringList headers;
    for (int c = 0; c < g.ColCount(); ++c)
        headers << g.Cells(c, 0);
    return headers;
}

// A grid with five named and headed columns A .. E.
struct NamedGrid : TVoColumnGrid {
    NamedGrid() : TVoColumnGrid(nullptr)
    {
        for (int c = 0; c < 5; ++c) {
            const QString name(QChar(u'A' + c));
            Columns().Items(c)->Name = name;
            Columns().Items(c)->SetHeader(name);
        }
    }
};

}  // namespace

TEST(VoCGrid, ItemsFollowTheColumnCount)
{
    TVoColumnGrid g(nullptr);
    ASSERT_EQ(g.ColCount(), 5);
    ASSERT_EQ(g.Columns().Count(), 5);
    TGridColumnItem* last = g.Columns().Items(4);
    last->SetEditor(edDataCheckBox);
    last->SetAlignment(taCenter);
    last->ReadOnly = true;
    last->CheckTrue = QStringLiteral("1");
    last->SetHeader(QStringLiteral("Last"));
    last->Name = QStringLiteral("last");
    last->ComboItems().Add(QStringLiteral("x"));
    last->SetColor(clRed);

    g.SetColCount(8);
    ASSERT_EQ(g.Columns().Count(), 8);
    for (int c = 5; c < 8; ++c) {
        const TGridColumnItem* added = g.Columns().Items(c);
        EXPECT_EQ(added->Editor(), edDataCheckBox);
        EXPECT_EQ(added->Alignment(), taCenter);
        EXPECT_TRUE(added->ReadOnly);
        EXPECT_EQ(added->CheckTrue, QStringLiteral("1"));
        EXPECT_EQ(added->Color(), g.Color());
        EXPECT_TRUE(added->Header().isEmpty());
        EXPECT_TRUE(added->Name.isEmpty());
        EXPECT_EQ(g.Columns().Items(c)->ComboItems().Count(), 0);
    }
    g.SetColCount(3);
    EXPECT_EQ(g.Columns().Count(), 3);

    // An item added by code widens the grid.
    g.Columns().Add();
    EXPECT_EQ(g.ColCount(), 4);
}

TEST(VoCGrid, InsertedAndRemovedColumnsCarryTheirItems)
{
    NamedGrid g;
    g.InsertCols(1, 2);
    ASSERT_EQ(g.Columns().Count(), 7);
    ASSERT_EQ(g.ColCount(), 7);
    EXPECT_TRUE(g.Columns().Items(1)->Name.isEmpty());
    EXPECT_EQ(g.Columns().Items(3)->Name, QStringLiteral("B"));
    g.RemoveCols(0, 3);
    ASSERT_EQ(g.Columns().Count(), 4);
    EXPECT_EQ(g.Columns().Items(0)->Name, QStringLiteral("B"));
}

TEST(VoCGrid, HeaderNameAndDisplayName)
{
    NamedGrid g;
    EXPECT_EQ(Headers(g), (QStringList{"A", "B", "C", "D", "E"}));
    g.Columns().Items(3)->Name = QStringLiteral("B");
    EXPECT_EQ(g.GetColumnByName(QStringLiteral("B")), g.Columns().Items(1));
    EXPECT_EQ(g.GetColumnByName(QStringLiteral("Z")), nullptr);
    EXPECT_EQ(g.Columns().Items(3)->DisplayName(), QStringLiteral("Col 3: B"));
    g.Columns().Items(3)->Name.clear();
    EXPECT_EQ(g.Columns().Items(3)->DisplayName(), QStringLiteral("Column 3"));
}

TEST(VoCGrid, ScalingReachesEveryColumnsFonts)
{
    TVoColumnGrid g(nullptr);
    for (int c = 0; c < g.ColCount(); ++c) {
        g.Columns().Items(c)->Font().SetSize(8 + c);
        g.Columns().Items(c)->HeaderFont().SetSize(10);
    }
    g.FixedFont().SetSize(8);
    g.ChangeScale(3, 2);
    EXPECT_EQ(g.FixedFont().Size(), 12);
    for (int c = 0; c < g.ColCount(); ++c) {
        EXPECT_EQ(g.Columns().Items(c)->Font().Size(), (8 + c) * 3 / 2 + (c % 2)) << c;  // halves round up
        EXPECT_EQ(g.Columns().Items(c)->HeaderFont().Size(), 15) << c;
    }
    g.ChangeScale(2, 0);  // no divisor: nothing
    EXPECT_EQ(g.Columns().Items(0)->Font().Size(), 12);
}

TEST(VoCGrid, GroupingKeepsTheGroupedColumnsSettings)
{
    NamedGrid g;
    g.SetFixedCols(1);
    const QStringList values{"b", "a", "b", "a"};
    for (int r = 1; r <= values.size(); ++r)
        g.SetCells(2, r, values[r - 1]);
    TGridColumnItem* c = g.Columns().Items(2);
    c->SetEditor(edComboList);
    c->ComboItems().Add(QStringLiteral("a"));
    c->ReadOnly = true;
    c->SetColor(clRed);
    c->SetWidth(77);

    const auto names = [&g] {
        QStringList list;
        for (int i = 0; i < g.Columns().Count(); ++i)
            list << g.Columns().Items(i)->Name;
        return list;
    };
    g.Group(2);
    EXPECT_EQ(names(), (QStringList{"A", "B", "D", "E"}));
    // Grouping another column first gives column C back its own settings.
    g.Group(3);
    EXPECT_EQ(names(), (QStringList{"A", "B", "C", "E"}));
    g.UnGroup();
    ASSERT_EQ(names(), (QStringList{"A", "B", "C", "D", "E"}));
    c = g.Columns().Items(2);
    EXPECT_EQ(c->Editor(), edComboList);
    EXPECT_EQ(c->ComboItems().Count(), 1);
    EXPECT_TRUE(c->ReadOnly);
    EXPECT_EQ(c->Color(), clRed);
    EXPECT_EQ(c->Width(), 77);
    EXPECT_EQ(c->StoredWidth(), 77);
    EXPECT_EQ(c->Header(), QStringLiteral("C"));
}

TEST(VoCGrid, PickingAnEntryOfTheColumnsFilterList)
{
    NamedGrid g;
    g.SetFixedCols(1);
    g.SetRowCount(7);
    for (int r = 1; r < 7; ++r)
        g.SetCells(2, r, QString::number(r));
    g.AutoFilterDisplay = true;
    TGridColumnItem* c = g.Columns().Items(2);
    c->Filter().Add(QStringLiteral("Big=>4"));
    c->Filter().Add(QStringLiteral("<3"));
    QStringList seen;
    g.OnFilterSelect = [&seen](TObject*, int col, int index, const QString& display, QString& condition) {
        seen << QStringLiteral("%1 %2 %3 %4").arg(col).arg(index).arg(display, condition);
    };

    // An entry outside the list changes nothing and closes the list.
    g.SetFilterColumn(2);
    g.FilterListSelect(2);
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_TRUE(seen.isEmpty());

    g.SetFilterColumn(2);
    g.FilterListSelect(0);
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(seen, QStringList{"2 0 Big >4"});
    EXPECT_EQ(c->Header(), QStringLiteral("Big"));
    EXPECT_FALSE(g.Filter().ColFilter(2)->CaseSensitive);
    ASSERT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(2, 1), QStringLiteral("5"));
    EXPECT_EQ(g.Row(), 1);

    // A condition alone is also what the header shows.
    g.SetFilterActive(false);
    g.SetFilterColumn(2);
    g.FilterListSelect(1);
    EXPECT_EQ(c->Header(), QStringLiteral("<3"));
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(2, 2), QStringLiteral("2"));
}

TEST(VoCGrid, ColumnAnswersEditorEditingAndCheckTexts)
{
    TVoColumnGrid g(nullptr);
    g.SetRowCount(4);
    g.SetFixedRows(1);
    g.SetFixedCols(1);
    g.Columns().Items(1)->SetEditor(edDataCheckBox);
    g.Columns().Items(2)->SetEditor(edComboList);
    g.Columns().Items(2)->ComboItems().Add(QStringLiteral("one"));
    g.Columns().Items(3)->ReadOnly = true;
    g.Columns().Items(4)->CheckTrue = QStringLiteral("1");

    // The data check-box column shows a virtual check box in its empty normal cells only.
    EXPECT_EQ(g.GetCellType(1, 1), ctDataCheckBox);
    ASSERT_NE(g.GetCellGraphic(1, 1), nullptr);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellType, ctVirtCheckBox);
    EXPECT_EQ(g.GetCellType(1, 0), ctEmpty);
    EXPECT_EQ(g.GetCellType(2, 1), ctEmpty);

    TEditorType editor = edNormal;
    g.QueryEditorType(2, 1, editor);
    EXPECT_EQ(editor, edComboList);
    EXPECT_TRUE(g.QueryHasComboBox(2, 1));
    EXPECT_FALSE(g.QueryHasComboBox(2, 0));

    const auto editable = [&g](int c, int r) {
        bool can = true;
        g.QueryCellEditable(c, r, can);
        return can;
    };
    EXPECT_TRUE(editable(2, 1));
    EXPECT_FALSE(editable(3, 1));  // read-only column, no event assigned
    EXPECT_FALSE(editable(2, 0));  // header
    g.SetReadOnly(2, 2, true);     // a read-only cell in an editable column
    EXPECT_FALSE(editable(2, 2));

    QString text;
    g.QueryCheckTrueText(4, 1, text);
    EXPECT_EQ(text, QStringLiteral("1"));
    g.QueryCheckTrueText(1, 1, text);
    EXPECT_EQ(text, QStringLiteral("Y"));
    g.QueryCheckFalseText(1, 1, text);
    EXPECT_EQ(text, QStringLiteral("N"));
}

TEST(VoCGrid, ColumnPositionsApplyOnlyAPermutation)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("cols.ini"));
    struct Case {
        const char* keys;
        QStringList headers;
    };
    const QStringList designed{"A", "B", "C", "D", "E"};
    const Case cases[] = {
        {"CP0=4\nCP1=0\nCP2=1\nCP3=2\nCP4=3\n", {"E", "A", "B", "C", "D"}},
        {"CP0=1\nCP1=0\nCP2=2\nCP3=4\nCP4=3\n", {"B", "A", "C", "E", "D"}},
        {"CP0=4\nCP1=0\nCP3=2\nCP4=3\n", designed},          // CP2 missing
        {"CP0=4\nCP1=0\nCP2=0\nCP3=2\nCP4=3\n", designed},   // a column twice
        {"CP0=9\nCP1=0\nCP2=1\nCP3=2\nCP4=3\n", designed},   // out of range
        {"CP0=-1\nCP1=0\nCP2=1\nCP3=2\nCP4=3\n", designed},  // negative
    };
    for (const Case& c : cases) {
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("[Grid]\n") + c.keys);
        file.close();
        NamedGrid g;
        g.LoadColumnPositions(ini, QStringLiteral("Grid"));
        EXPECT_EQ(Headers(g), c.headers) << c.keys;

        // Saved again, the positions restore the same order on a new grid.
        g.SaveColumnPositions(ini, QStringLiteral("Grid"));
        NamedGrid h;
        h.LoadColumnPositions(ini, QStringLiteral("Grid"));
        EXPECT_EQ(Headers(h), c.headers) << c.keys;
        EXPECT_EQ(h.Columns().Items(0)->Name, c.headers[0]);
    }
}

TEST(VoCGrid, ColumnStreamRoundTrips)
{
    NamedGrid g;
    g.Columns().Items(2)->SetEditor(edComboEdit);
    g.Columns().Items(2)->ComboItems().Add(QStringLiteral("x y"));
    g.Columns().Items(2)->SetWidth(77);
    g.Columns().Items(1)->CheckFalse = QStringLiteral("0");
    const QString stream = g.SaveColumnsToStream();

    TVoColumnGrid h(nullptr);
    EXPECT_FALSE(h.LoadColumnsFromStream(QStringLiteral("{broken")));
    EXPECT_EQ(h.Columns().Items(2)->Editor(), edNormal);
    ASSERT_TRUE(h.LoadColumnsFromStream(stream));
    EXPECT_EQ(h.Columns().Items(2)->Editor(), edComboEdit);
    EXPECT_EQ(h.Columns().Items(2)->ComboItems()[0], QStringLiteral("x y"));
    EXPECT_EQ(h.Columns().Items(2)->Width(), 77);
    EXPECT_EQ(h.Columns().Items(1)->CheckFalse, QStringLiteral("0"));
    EXPECT_EQ(h.Columns().Items(4)->Name, QStringLiteral("E"));
}

TEST(VoCGrid, ColumnPopupFollowsItsButtonAndCellKind)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 400, 200);
    auto* grid = new TVoColumnGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 150);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    form.Show();
    auto* menu = new TPopupMenu(&form);
    TGridColumnItem& column = *grid->Columns().Items(1);
    column.ColumnPopup = menu;
    std::vector<QString> log;
    grid->OnColumnPopup = [&log](TObject*, int c, int r, TPopupMenu*) {
        log.push_back(QStringLiteral("event %1,%2").arg(c).arg(r));
    };
    const ScopedHook<TPopupMenuHook> popups(PopupMenuHook(), [&](TPopupMenu& shown, TPoint at) -> TMenuItem* {
        EXPECT_EQ(&shown, menu);
        const TRect cell = grid->CellRect(1, 0);
        EXPECT_EQ(at, grid->ClientToScreen(TPoint{cell.Left, cell.Bottom}));
        log.push_back(QStringLiteral("popup"));
        return nullptr;
    });
    const auto click = [&](int row, TMouseButton button) {
        const TRect r = grid->CellRect(1, row);
        SendClick(*grid, TPoint{r.Left + 5, r.Top + 5}, button);
    };
    // The default kind: a right click on the header.
    click(0, TMouseButton::mbRight);
    click(0, TMouseButton::mbLeft);
    click(2, TMouseButton::mbRight);  // the event fires, no menu in a normal cell
    EXPECT_EQ(log, (std::vector<QString>{"event 1,0", "popup", "event 1,2"}));
    // A removed menu is no column's popup any more.
    delete menu;
    EXPECT_EQ(column.ColumnPopup, nullptr);
    log.clear();
    click(0, TMouseButton::mbRight);
    EXPECT_TRUE(log.empty());
}
