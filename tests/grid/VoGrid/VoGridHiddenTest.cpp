// Hidden rows and columns against a model of the real and display index spaces, and the hiding levels.
#include "VoGridTestGrid.h"

#include <random>

namespace {
// The grid's rows as the model sees them: each real row's id and whether it is hidden.
struct ModelRow {
    QString id;
    bool hidden = false;
};

class HiddenRowsModel {
public:
    // Column 0 holds the id, hidden column 2 the id with an "h".
    explicit HiddenRowsModel(RecordingGrid& g, int rows) : g_(g)
    {
        g.SetColCount(3);
        g.SetRowCount(rows);
        for (int r = 0; r < rows; ++r)
            add(r, r);
        g.HideColumn(2);
    }

    int shownCount() const
    {
        return static_cast<int>(std::count_if(rows_.begin(), rows_.end(), [](const ModelRow& m) { return !m.hidden; }));
    }
    int total() const { return static_cast<int>(rows_.size()); }
    // Real index of the display row.
    int realOf(int d) const
    {
        for (int r = 0; r < total(); ++r)
            if (!rows_[r].hidden && d-- == 0)
                return r;
        return total();
    }

    void hide(int from, int to)
    {
        int shownAfter = shownCount();
        for (int r = from; r <= std::min(to, total() - 1); ++r)
            shownAfter -= rows_[r].hidden ? 0 : 1;
        if (shownAfter < 2)
            return;  // the model keeps two shown rows
        for (int r = from; r <= std::min(to, total() - 1); ++r)
            rows_[r].hidden = true;
        g_.HideRows(from, to);
    }
    void unhide(int from, int to)
    {
        if (rows_[from].hidden)
            for (int r = from; r <= std::min(to, total() - 1); ++r)
                rows_[r].hidden = false;
        g_.UnHideRows(from, to);
    }
    void insert(int d, int count)
    {
        const int at = realOf(d);
        for (int i = 0; i < count; ++i)
            rows_.insert(rows_.begin() + at, ModelRow{});
        g_.InsertRows(d, count);
        for (int i = 0; i < count; ++i)
            add(at + i, d + i);
    }
    void remove(int d, int count)
    {
        count = std::min(count, shownCount() - d);
        if (shownCount() - count < 2)
            return;
        for (int i = 0; i < count; ++i)
            rows_.erase(rows_.begin() + realOf(d));
        g_.RemoveRows(d, count);
    }
    void unhideAll()
    {
        for (ModelRow& m : rows_)
            m.hidden = false;
        g_.UnHideRowsAll();
    }

    void check(const std::string& step) const
    {
        ASSERT_EQ(g_.RowCount(), shownCount()) << step;
        ASSERT_EQ(g_.NumHiddenRows(), total() - shownCount()) << step;
        int d = 0;
        for (int r = 0; r < total(); ++r) {
            const ModelRow& m = rows_[r];
            ASSERT_EQ(g_.IsHiddenRow(r), m.hidden) << step << " real " << r;
            ASSERT_EQ(g_.DisplRowIndex(r), d) << step << " real " << r;
            if (m.hidden) {
                const TGridRowCells* items = g_.GetHiddenRowItems(r);
                ASSERT_NE(items, nullptr);
                ASSERT_EQ(items->Text(0), m.id) << step;
                ASSERT_EQ(items->Text(2), QStringLiteral("h") + m.id) << step;
                continue;
            }
            ASSERT_EQ(g_.RealRowIndex(d), r) << step;
            ASSERT_EQ(g_.Cells(0, d), m.id) << step << " display " << d;
            ASSERT_EQ(g_.Cells(2, d), m.id.isEmpty() ? QString() : QStringLiteral("h") + m.id) << step;
            ++d;
        }
    }

private:
    void add(int real, int display)
    {
        const QString id = QString::number(next_++);
        if (real >= total())
            rows_.resize(static_cast<std::size_t>(real) + 1);
        rows_[real].id = id;
        g_.SetCells(0, display, id);
        g_.SetCells(2, display, QStringLiteral("h") + id);
    }

    RecordingGrid& g_;
    std::vector<ModelRow> rows_;
    int next_ = 0;
};
}  // namespace

TEST(VoGridHidden, RandomHideUnhideInsertRemoveFollowTheModel)
{
    RecordingGrid g;
    HiddenRowsModel model(g, 30);
    std::mt19937 random(20261210);
    auto pick = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(std::max(n, 1))); };
    for (int step = 0; step < 400; ++step) {
        const int op = pick(11);
        const int a = pick(model.total());
        const int span = pick(4);
        std::string name = std::to_string(step) + ":";
        if (op < 4) {
            name += "hide " + std::to_string(a) + "+" + std::to_string(span);
            model.hide(a, a + span);
        } else if (op < 7) {
            name += "unhide " + std::to_string(a) + "+" + std::to_string(span);
            model.unhide(a, a + span);
        } else if (op < 9) {
            const int d = pick(model.shownCount() + 1);
            name += "insert " + std::to_string(d);
            model.insert(d, span + 1);
        } else if (op < 10) {
            const int d = pick(model.shownCount());
            name += "remove " + std::to_string(d);
            model.remove(d, span + 1);
        } else {
            name += "unhide all";
            model.unhideAll();
        }
        model.check(name);
        if (testing::Test::HasFatalFailure())
            return;
    }
}

TEST(VoGridHidden, HiddenRowsKeepTheirHeightAndCellProperties)
{
    RecordingGrid g;
    g.SetRowCount(6);
    g.SetRowHeights(2, 40);
    g.SetRowHeights(3, 33);
    g.SetColors(1, 2, 0x123456);
    g.HideRowsEx(2, 3);
    g.HideRowsEx(2, 3);  // FromRow hidden already: nothing
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Colors(1, 2), clNone);
    g.UnHideRows(2, 3);
    EXPECT_EQ(g.RowHeights(2), 40);
    EXPECT_EQ(g.RowHeights(3), 33);
    EXPECT_EQ(g.Colors(1, 2), 0x123456);
}

TEST(VoGridHidden, RowListLevelsComeBackInTurnAtTheirOwnPlaces)
{
    RecordingGrid g;
    g.SetRowCount(8);
    for (int r = 0; r < 8; ++r)
        g.SetCells(0, r, QString::number(r));
    TIntList first;
    first.Add(5);
    first.Add(2);
    g.HideRowList(first);  // real rows 2 and 5
    TIntList second;
    second.Add(4);  // display 4 is real row 6
    g.HideRowList(second);
    EXPECT_EQ(g.HidingLevel(), 2);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_TRUE(g.IsHiddenRow(6));
    g.UnHideRowList();
    g.SetHidingLevel(1);
    EXPECT_EQ(g.RowCount(), 6);
    EXPECT_EQ(g.Cells(0, 4), QStringLiteral("6"));
    EXPECT_TRUE(g.IsHiddenRow(2));
    g.UnHideRowList();
    g.SetHidingLevel(0);
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(g.Cells(0, r), QString::number(r));
    std::unique_ptr<TIntList> cache;
    EXPECT_FALSE(g.IsHiddenRow(2, cache));
    ASSERT_TRUE(cache);
    EXPECT_EQ(cache->Count(), 0);
}

TEST(VoGridHidden, OneDisplayedRowAlwaysRemains)
{
    RecordingGrid g;
    g.SetRowCount(3);
    g.SetCells(0, 2, QStringLiteral("last"));
    g.HideRows(0, 2);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.NumHiddenRows(), 2);
    EXPECT_EQ(g.Cells(0, 0), QStringLiteral("last"));
    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(0, 2), QStringLiteral("last"));
}

TEST(VoGridHidden, ColumnsPastTheMapAreNeverHidden)
{
    RecordingGrid g;
    g.SetColCount(520);
    g.SetCells(515, 1, QStringLiteral("far"));
    g.HideColumns(505, 519);
    EXPECT_EQ(g.NumHiddenColumns(), 7);
    EXPECT_EQ(g.ColCount(), 513);
    EXPECT_FALSE(g.IsHiddenColumn(515));
    EXPECT_EQ(g.RealColIndex(515), 515);
    g.UnHideColumns(500, 700);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.ColCount(), 520);
    EXPECT_EQ(g.Cells(515, 1), QStringLiteral("far"));
}
