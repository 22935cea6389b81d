// The string grid beside a QTableWidget of the same size, in one process: each operation timed on both
// and printed as the ratio ours / QTableWidget, with the heap each filled table holds.
#include <QApplication>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <memory>

#include "SideBySide.h"
#include "grid/VoGrid/VoGrid.h"

namespace {
constexpr int Rows = 100000;
constexpr int Cols = 10;

QString cellText(int c, int r)
{
    return QString::number(r * Cols + c + 0.25, 'f', 2);
}

// Heap bytes in use now.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Times {
    double fill = 0;
    double read = 0;
    double rows = 0;
    double clear = 0;
    std::size_t memory = 0;
};

Times runOurs()
{
    Times t;
    const std::size_t before = heapInUse();
    auto grid = std::make_unique<VOroDavoduRuzu>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    t.fill = side_by_side::Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, cellText(c, r));
    });
    t.memory = heapInUse() - before;
    t.read = side_by_side::Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    t.rows = side_by_side::Seconds([&] {
        grid->SetRowCount(Rows / 2);
        grid->SetRowCount(Rows);
    });
    t.clear = side_by_side::Seconds([&] { grid->ClearRect(0, 0, Cols - 1, Rows - 1); });
    return t;
}

Times runTable()
{
    Times t;
    const std::size_t before = heapInUse();
    auto table = std::make_unique<QTableWidget>(Rows, Cols);
    t.fill = side_by_side::Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                table->setItem(r, c, new QTableWidgetItem(cellText(c, r)));
    });
    t.memory = heapInUse() - before;
    t.read = side_by_side::TimeTableRead(*table);
    t.rows = side_by_side::Seconds([&] {
        table->setRowCount(Rows / 2);
        table->setRowCount(Rows);
    });
    t.clear = side_by_side::Seconds([&] { table->clearContents(); });
    return t;
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Times table = runTable();
    const Times ours = runOurs();
    std::printf("%d rows x %d columns\n", Rows, Cols);
    side_by_side::PrintHeader();
    side_by_side::PrintRatio("fill", ours.fill, table.fill);
    side_by_side::PrintRatio("read back", ours.read, table.read);
    side_by_side::PrintRatio("RowCount 100000->50000->back", ours.rows, table.rows);
    side_by_side::PrintRatio("clear", ours.clear, table.clear);
    std::printf("%-28s ours %10.1f  QTableWidget %10.1f  ratio %.3f (MiB)\n", "heap of the filled table",
                ours.memory / 1048576.0, table.memory / 1048576.0,
                static_cast<double>(ours.memory) / static_cast<double>(table.memory));
    return 0;
}
