// Sorting, filtering and finding in a 100,000-row string grid store, side by side with QTableWidget's sort.
// The sort reads each cell once into a key, sorts row indexes and writes every row once into its place.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTableWidget>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <random>

#include "grid/VoSearch/VoFindMatch.h"
#include "grid/VoSort/VoSortOrder.h"
#include "grid/base/VoUtil/VoUtilFilter.h"
#include "platform/Grids.h"

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 2;  // a number and a word
const char* const Words[] = {"alpha", "bravo", "charlie", "delta", "echo", "foxtrot", "golf", "hotel"};

struct Data {
    std::vector<QString> numbers;
    std::vector<QString> words;
};

const Data& data() {
    static const Data d = [] {
        Data out;
        std::mt19937 random(42);
        std::uniform_int_distribution<int> number(0, 999999);
        std::uniform_int_distribution<int> word(0, 7);
        for (int r = 0; r < Rows; ++r) {
            out.numbers.push_back(QString::number(number(random)));
            out.words.push_back(QString::fromLatin1(Words[word(random)]) + QString::number(r % 1000));
        }
        return out;
    }();
    return d;
}

std::unique_ptr<TStringGrid> filledGrid() {
    auto grid = std::make_unique<TStringGrid>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
        grid->SetCells(0, r, data().numbers[r]);
        grid->SetCells(1, r, data().words[r]);
    }
    return grid;
}

std::unique_ptr<QTableWidget> filledTable() {
    auto table = std::make_unique<QTableWidget>(Rows, Cols);
    for (int r = 0; r < Rows; ++r) {
        table->setItem(r, 0, new QTableWidgetItem(data().numbers[r]));
        table->setItem(r, 1, new QTableWidgetItem(data().words[r]));
    }
    return table;
}

// The grid's sort on one column: keys, order, and every row written once into its new place.
void sortGrid(TStringGrid& grid, int col) {
    std::vector<QString> texts(Rows);
    for (int r = 0; r < Rows; ++r)
        texts[r] = grid.Cells(col, r);
    const std::vector<int> order = SortOrder({{TSortKeys::FromTexts(texts, ssAutomatic, false)}});
    for (int c = 0; c < Cols; ++c) {
        std::vector<QString> column(Rows);
        for (int r = 0; r < Rows; ++r)
            column[r] = grid.Cells(c, r);
        ApplySortOrder(column, order);
        for (int r = 0; r < Rows; ++r)
            grid.SetCells(c, r, column[r]);
    }
}

void BM_GridSort(benchmark::State& state) {
    const int col = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = filledGrid();
        state.ResumeTiming();
        sortGrid(*grid, col);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_GridSort)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TableWidgetSort(benchmark::State& state) {
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

// The rows a filter on the number column would hide.
int filterRows(const TStringGrid& grid) {
    int hidden = 0;
    for (int r = 0; r < Rows; ++r)
        hidden += MatchFilterExpression(QStringLiteral(">=500000"), grid.Cells(0, r), true) ? 0 : 1;
    return hidden;
}

void BM_Filter(benchmark::State& state) {
    const auto grid = filledGrid();
    for (auto _ : state)
        benchmark::DoNotOptimize(filterRows(*grid));
}
BENCHMARK(BM_Filter)->Unit(benchmark::kMillisecond);

// A forward find whose only hit is the last cell.
TPoint findLast(const TStringGrid& grid) {
    TFindArea area;
    area.LastCol = Cols - 1;
    area.LastRow = Rows - 1;
    const QString search = FindSearchText(QStringLiteral("needle"), 0);
    return FindCell(area, {-1, -1}, 0,
                    [&](int c, int r) { return FindCellMatches(grid.Cells(c, r), search, 0); });
}

void BM_FindLast(benchmark::State& state) {
    const auto grid = filledGrid();
    grid->SetCells(Cols - 1, Rows - 1, QStringLiteral("the Needle"));
    for (auto _ : state)
        benchmark::DoNotOptimize(findLast(*grid));
}
BENCHMARK(BM_FindLast)->Unit(benchmark::kMillisecond);

// Milliseconds of the best of three runs of work on fresh data.
template <typename Make, typename Work>
double bestOf3(Make make, Work work) {
    double best = 1e300;
    for (int i = 0; i < 3; ++i) {
        auto subject = make();
        QElapsedTimer timer;
        timer.start();
        work(*subject);
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

void printRatios() {
    for (const int col : {0, 1}) {
        const double grid = bestOf3(filledGrid, [col](TStringGrid& g) { sortGrid(g, col); });
        const double table = bestOf3(filledTable, [col](QTableWidget& t) { t.sortItems(col); });
        std::printf("sort by the %s column: grid %.1f ms, QTableWidget %.1f ms, ratio %.2f (goal <= 0.5)\n",
                    col == 0 ? "number" : "text", grid, table, grid / table);
    }
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}
