// Reading and writing 1,000,000 cells of the base grid, with and without cell properties.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "grid/base/BaseGrid/BaseGrid.h"

namespace {

constexpr int Side = 1000;

std::unique_ptr<TBaseGrid> makeGrid(bool withProperties) {
    auto grid = std::make_unique<TBaseGrid>(nullptr);
    grid->SetColCount(Side);
    grid->SetRowCount(Side);
    if (withProperties)
        for (int c = 0; c < Side; ++c)
            for (int r = 0; r < Side; ++r)
                grid->GetCellProperties(c, r);
    return grid;
}

void BM_WriteCells(benchmark::State& state) {
    const auto grid = makeGrid(state.range(0) != 0);
    const QString text = QStringLiteral("cell");
    for (auto _ : state)
        for (int c = 0; c < Side; ++c)
            for (int r = 0; r < Side; ++r)
                grid->SetCellEx(c, r, text);
    state.SetItemsProcessed(state.iterations() * Side * Side);
}

void BM_ReadCells(benchmark::State& state) {
    const auto grid = makeGrid(state.range(0) != 0);
    for (int c = 0; c < Side; ++c)
        for (int r = 0; r < Side; ++r)
            grid->SetCellEx(c, r, QString::number(c + r));
    for (auto _ : state) {
        qsizetype total = 0;
        for (int c = 0; c < Side; ++c)
            for (int r = 0; r < Side; ++r)
                total += grid->GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * Side * Side);
}

}  // namespace

BENCHMARK(BM_WriteCells)->ArgName("props")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadCells)->ArgName("props")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
