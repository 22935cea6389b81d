// Clipboard copy and paste of 100,000 x 10 distinct cells through the grid, beside the same work on a
// QTableWidget (its items joined into tab-separated text, and such text split into new items), printed
// as the ratio ours / QTableWidget.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QClipboard>
#include <QStringList>
#include <QTableWidget>
#include <array>
#include <limits>
#include <memory>

#include "SideBySide.h"
#include "grid/io/GridIO.h"

namespace {
using namespace side_by_side;

constexpr int Rows = 100000;
constexpr int Cols = 10;

std::unique_ptr<VOroDavoduRuzu> newGrid(int rows)
{
    auto grid = std::make_unique<VOroDavoduRuzu>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(rows);
    grid->SetFixedCols(0);
    grid->SetFixedRows(0);
    grid->SetOptions(grid->Options() | goEditing);
    return grid;
}

// Copy of the whole grid to the system clipboard, then paste of that text into an empty grid of one row
// that grows.
std::array<double, 2> runOurs()
{
    auto source = newGrid(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            source->SetCells(c, r, CellText(c, r, Cols));
    source->SetSelection({0, 0, Cols - 1, Rows - 1});
    const double copy = Seconds([&] { GridIO(*source).CopySelectionToClipboard(); });
    auto target = newGrid(1);
    target->SetSelection({0, 0, 0, 0});
    const double paste = Seconds([&] { GridIO(*target).PasteSelectionFromClipboard(); });
    if (target->Cells(Cols - 1, Rows - 1) != CellText(Cols - 1, Rows - 1, Cols))
        std::printf("paste lost cells\n");
    return {copy, paste};
}

std::array<double, 2> runTable()
{
    QTableWidget source(Rows, Cols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            source.setItem(r, c, new QTableWidgetItem(CellText(c, r, Cols)));
    QString text;
    const double copy = Seconds([&] {
        for (int r = 0; r < Rows; ++r) {
            for (int c = 0; c < Cols; ++c) {
                if (c > 0)
                    text += u'\t';
                text += source.item(r, c)->text();
            }
            text += QStringLiteral("\r\n");
        }
        QApplication::clipboard()->setText(text);
    });
    QTableWidget target(1, Cols);
    const double paste = Seconds([&] {
        const QStringList lines = QApplication::clipboard()->text().split(QStringLiteral("\r\n"));
        target.setRowCount(static_cast<int>(lines.size()) - 1);
        for (int r = 0; r + 1 < lines.size(); ++r) {
            const QStringList cells = lines[r].split(u'\t');
            for (int c = 0; c < cells.size() && c < Cols; ++c)
                target.setItem(r, c, new QTableWidgetItem(cells[c]));
        }
    });
    return {copy, paste};
}

void BM_GridCopyPaste(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(runOurs());
}
BENCHMARK(BM_GridCopyPaste)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_TableWidgetCopyPaste(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(runTable());
}
BENCHMARK(BM_TableWidgetCopyPaste)->Unit(benchmark::kMillisecond)->Iterations(1);

void printRatios()
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    std::array<double, 2> ours{inf, inf}, theirs{inf, inf};
    for (int run = 0; run < 3; ++run) {
        KeepBest(ours, runOurs());
        KeepBest(theirs, runTable());
    }
    PrintHeader();
    PrintRatio("copy 100,000 x 10 cells", ours[0], theirs[0]);
    PrintRatio("paste 100,000 x 10 cells", ours[1], theirs[1]);
}
}  // namespace

int main(int argc, char** argv)
{
    return side_by_side::RunThenPrintRatios(argc, argv, printRatios);
}
