// The string grid's store with a large table: 100,000 rows x 10 columns filled, read and resized.
#include "platform/Grids.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {
constexpr int Rows = 100000;
constexpr int Cols = 10;

std::unique_ptr<TStringGrid> newGrid()
{
    auto grid = std::make_unique<TStringGrid>(nullptr);
    grid->SetBounds(0, 0, 800, 600);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    return grid;
}

void fill(TStringGrid& grid)
{
    const QString text = QStringLiteral("cell text");
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            grid.SetCells(c, r, text);
}

void BM_Fill(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = newGrid();
        state.ResumeTiming();
        fill(*grid);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * Rows * Cols);
}
BENCHMARK(BM_Fill)->Unit(benchmark::kMillisecond);

void BM_Read(benchmark::State& state)
{
    auto grid = newGrid();
    fill(*grid);
    for (auto _ : state) {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * Rows * Cols);
}
BENCHMARK(BM_Read)->Unit(benchmark::kMillisecond);

// Halving the filled table and growing it back.
void BM_ChangeRowCount(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto grid = newGrid();
        fill(*grid);
        state.ResumeTiming();
        grid->SetRowCount(Rows / 2);
        grid->SetRowCount(Rows);
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ChangeRowCount)->Unit(benchmark::kMillisecond);
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
