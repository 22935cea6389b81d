// The platform's string grid beside a QTableWidget of the same size in one process: filling 100,000 rows x
// 10 columns with distinct texts, reading them back, halving and restoring the row count, and painting
// shown windows page by page down the table. Each time is the best of three runs; the ratio is ours /
// QTableWidget.
#include "SideBySide.h"
#include "platform/Grids.h"

namespace {
using namespace side_by_side;

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int Pages = 200;
constexpr int Runs = 3;

enum { Fill, Read, RowCount, Paint, Operations };
using Times = std::array<double, Operations>;

Times runOurs()
{
    Times t{};
    TForm form(nullptr);
    TStringGrid* grid = GridOnForm<TStringGrid>(form, Cols, Rows);
    t[Fill] = Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, CellText(c, r, Cols));
    });
    t[Read] = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    t[Paint] = TimeGridPaint(form, *grid, Pages);
    t[RowCount] = Seconds([&] {
        grid->SetRowCount(Rows / 2);
        grid->SetRowCount(Rows);
    });
    return t;
}

Times runTable()
{
    Times t{};
    QTableWidget table(Rows, Cols);
    SizeLikeOurGrids(table);
    t[Fill] = Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                table.setItem(r, c, new QTableWidgetItem(CellText(c, r, Cols)));
    });
    t[Read] = TimeTableRead(table);
    t[Paint] = TimeTablePaint(table, Pages);
    t[RowCount] = Seconds([&] {
        table.setRowCount(Rows / 2);
        table.setRowCount(Rows);
    });
    return t;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Times ours;
    Times table;
    ours.fill(1e9);
    table.fill(1e9);
    for (int run = 0; run < Runs; ++run) {
        KeepBest(table, runTable());
        KeepBest(ours, runOurs());
    }
    std::printf("String grid, %d rows x %d columns, distinct text per cell; best of %d runs\n", Rows, Cols, Runs);
    PrintHeader();
    PrintRatio("fill", ours[Fill], table[Fill]);
    PrintRatio("read back", ours[Read], table[Read]);
    PrintRatio("row count halved and restored", ours[RowCount], table[RowCount]);
    PrintRatio("paint 200 pages, shown", ours[Paint], table[Paint]);
    return 0;
}
