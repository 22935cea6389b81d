// Sorting, filtering and finding in a 100,000-row string grid through the grid's own methods, side by side
// with Qt on the same data: QTableWidget::sortItems, a QSortFilterProxyModel filtering by a number and
// QTableWidget::findItems.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSortFilterProxyModel>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "SideBySide.h"
#include "grid/VoGrid/VoGrid.h"

namespace {

constexpr int Rows = 100000;
const char* const Words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};

// Column 1 a number, column 2 a word; each row distinct.
struct Data {
    std::vector<QString> numbers;
    std::vector<QString> words;
};

const Data& data()
{
    static const Data d = [] {
        Data out;
        std::mt19937 random(42);
        std::uniform_int_distribution<int> number(0, 999999);
        std::uniform_int_distribution<int> word(0, 7);
        for (int r = 0; r < Rows; ++r) {
            out.numbers.push_back(QString::number(number(random)));
            out.words.push_back(QString::fromLatin1(Words[word(random)]) + QString::number(r));
        }
        return out;
    }();
    return d;
}

// A grid with one fixed row and column above and left of the 100,000 data rows.
std::unique_ptr<VOroDavoduRuzu> filledGrid()
{
    auto grid = std::make_unique<VOroDavoduRuzu>(nullptr);
    grid->SetColCount(3);
    grid->SetRowCount(Rows + 1);
    for (int r = 0; r < Rows; ++r) {
        grid->SetCells(1, r + 1, data().numbers[r]);
        grid->SetCells(2, r + 1, data().words[r]);
    }
    return grid;
}

std::unique_ptr<QTableWidget> filledTable()
{
    auto table = std::make_unique<QTableWidget>(Rows, 2);
    for (int r = 0; r < Rows; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(data().numbers[r]));
        table->setItem(r, 1, new QTableWidgetItem(data().words[r]));
    }
    return table;
}

void BM_GridSort(benchmark::State& state)
{
    const int col = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = filledGrid();
        state.ResumeTiming();
        grid->Sort(col, sdAscending);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GridSort)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_TableWidgetSort(benchmark::State& state)
{
    const int col = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto table = filledTable();
        state.ResumeTiming();
        table->sortItems(col);
        state.PauseTiming();
        table.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_TableWidgetSort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Applies a filter on the number column and takes it off again (the rows come back in place).
void filterOnce(VOroDavoduRuzu& grid)
{
    grid.SetFilterActive(true);
    grid.SetFilterActive(false);
}

void BM_GridFilter(benchmark::State& state)
{
    const auto grid = filledGrid();
    TFilterData* f = grid->Filter().Add();
    f->Column = 1;
    f->Condition = QStringLiteral(">=500000");
    for (auto _ : state)
        filterOnce(*grid);
}
BENCHMARK(BM_GridFilter)->Unit(benchmark::kMillisecond);

// The only hit is the last cell.
void BM_GridFindLast(benchmark::State& state)
{
    const auto grid = filledGrid();
    grid->SetCells(2, Rows, QStringLiteral("the Needle"));
    for (auto _ : state)
        benchmark::DoNotOptimize(grid->Find({-1, -1}, QStringLiteral("needle"), fnDirectionLeftRight));
}
BENCHMARK(BM_GridFindLast)->Unit(benchmark::kMillisecond);

// Qt's filter on the same condition: the rows whose number is at least 500000.
class AtLeastProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        return sourceModel()->index(row, 0, parent).data().toString().toDouble() >= 500000;
    }
};

// Seconds of the best of three runs of work on fresh data.
template <typename Make, typename Work>
double bestOf3(Make make, Work work)
{
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        auto subject = make();
        best = std::min(best, side_by_side::Seconds([&] { work(*subject); }));
    }
    return best;
}

// A wildcard condition of several stars on the word column: the grid's filter and its pattern search, beside
// Qt's wildcard filter and wildcard find.
void printWildcardRatios(VOroDavoduRuzu& grid, QTableWidget& table)
{
    using side_by_side::PrintRatio;
    const QString pattern = QStringLiteral("*l*a*9*9*");
    grid.Filter().Clear();
    TFilterData* f = grid.Filter().Add();
    f->Column = 2;
    f->Condition = pattern;
    const double filter = side_by_side::Seconds([&] { grid.SetFilterActive(true); });
    const int left = grid.RowCount() - 1;
    grid.SetFilterActive(false);
    QSortFilterProxyModel proxy;
    proxy.setFilterKeyColumn(1);
    proxy.setFilterWildcard(pattern);
    int proxyRows = 0;
    const double tableFilter = side_by_side::Seconds([&] {
        proxy.setSourceModel(table.model());
        proxyRows = proxy.rowCount();
    });
    PrintRatio("filter 100,000 rows on a wildcard condition", filter, tableFilter);
    std::printf("  %.1f ms, %d rows left (Qt: %d) (goal < 500 ms)\n", filter * 1e3, left, proxyRows);

    const QString last = QStringLiteral("*N*e*d*l*e");
    TPoint hit{-1, -1};
    const double find = side_by_side::Seconds([&] { hit = grid.Find({-1, -1}, last, fnMatchRegular); });
    QList<QTableWidgetItem*> found;
    const double tableFind = side_by_side::Seconds([&] { found = table.findItems(last, Qt::MatchWildcard); });
    PrintRatio("find the last cell matching a wildcard", find, tableFind);
    std::printf("  %.1f ms at (%d, %d), Qt found %d (goal < 500 ms)\n", find * 1e3, hit.X, hit.Y,
                static_cast<int>(found.size()));
}

void printRatios()
{
    using side_by_side::PrintRatio;
    side_by_side::PrintHeader();
    const double gridNumber = bestOf3(filledGrid, [](VOroDavoduRuzu& g) { g.Sort(1, sdAscending); });
    const double tableNumber = bestOf3(filledTable, [](QTableWidget& t) { t.sortItems(0); });
    PrintRatio("sort 100,000 rows by numbers", gridNumber, tableNumber);
    const double gridText = bestOf3(filledGrid, [](VOroDavoduRuzu& g) { g.Sort(2, sdAscending); });
    const double tableText = bestOf3(filledTable, [](QTableWidget& t) { t.sortItems(1); });
    PrintRatio("sort 100,000 rows by text", gridText, tableText);

    const auto grid = filledGrid();
    TFilterData* f = grid->Filter().Add();
    f->Column = 1;
    f->Condition = QStringLiteral(">=500000");
    const double filter = side_by_side::Seconds([&] { grid->SetFilterActive(true); });
    const int left = grid->RowCount() - 1;
    const auto table = filledTable();
    AtLeastProxy proxy;
    int proxyRows = 0;
    const double tableFilter = side_by_side::Seconds([&] {
        proxy.setSourceModel(table->model());
        proxyRows = proxy.rowCount();
    });
    PrintRatio("filter 100,000 rows on one condition", filter, tableFilter);
    std::printf("  %.1f ms, %d rows left (Qt: %d) (goal < 100 ms)\n", filter * 1e3, left, proxyRows);
    grid->SetFilterActive(false);

    grid->SetCells(2, Rows, QStringLiteral("the Needle"));
    table->item(Rows - 1, 1)->setText(QStringLiteral("the Needle"));
    TPoint hit{-1, -1};
    const double find = side_by_side::Seconds([&] { hit = grid->Find({-1, -1}, QStringLiteral("needle"), 0); });
    QList<QTableWidgetItem*> found;
    const double tableFind =
        side_by_side::Seconds([&] { found = table->findItems(QStringLiteral("needle"), Qt::MatchContains); });
    PrintRatio("find the last matching cell", find, tableFind);
    std::printf("  %.1f ms at (%d, %d), Qt found %d (goal < 100 ms)\n", find * 1e3, hit.X, hit.Y,
                static_cast<int>(found.size()));

    printWildcardRatios(*grid, *table);
}

}  // namespace

int main(int argc, char** argv)
{
    return side_by_side::RunThenPrintRatios(argc, argv, printRatios);
}
