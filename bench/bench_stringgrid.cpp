// The string grid beside a QTableWidget of the same size, in one process: each operation timed on both
// and printed as the ratio ours / QTableWidget, with the heap each filled table holds.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>

#include <chrono>
#include <cstdio>
#include <functional>
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

double seconds(const std::function<void()>& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
    double insertRows = 0;
    double removeRows = 0;
    double hideRows = 0;
    double unhideRows = 0;
    double moveRow = 0;
    std::size_t memory = 0;
};

constexpr int Middle = Rows / 2;
constexpr int Block = 1000;
constexpr int HiddenRows = Rows / 2;

Times runOurs()
{
    Times t;
    const std::size_t before = heapInUse();
    auto grid = std::make_unique<VOroDavoduRuzu>(nullptr);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    t.fill = seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, cellText(c, r));
    });
    t.memory = heapInUse() - before;
    t.read = seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    t.rows = seconds([&] {
        grid->SetRowCount(Rows / 2);
        grid->SetRowCount(Rows);
    });
    t.insertRows = seconds([&] { grid->InsertRows(Middle, Block); });
    t.removeRows = seconds([&] { grid->RemoveRows(Middle, Block); });
    t.hideRows = seconds([&] { grid->HideRows(Rows / 4, Rows / 4 + HiddenRows - 1); });
    t.unhideRows = seconds([&] { grid->UnHideRows(Rows / 4, Rows / 4 + HiddenRows - 1); });
    // Rows past Rows / 2 were emptied by the row count step; a row that was hidden keeps its text.
    if (grid->RowCount() != Rows || grid->Cells(1, Rows / 4 + 10) != cellText(1, Rows / 4 + 10))
        std::abort();
    t.moveRow = seconds([&] { grid->MoveRow(1, Rows - 1); });
    t.clear = seconds([&] { grid->ClearRect(0, 0, Cols - 1, Rows - 1); });
    return t;
}

Times runTable()
{
    Times t;
    const std::size_t before = heapInUse();
    auto table = std::make_unique<QTableWidget>(Rows, Cols);
    t.fill = seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                table->setItem(r, c, new QTableWidgetItem(cellText(c, r)));
    });
    t.memory = heapInUse() - before;
    t.read = seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += table->item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    });
    t.rows = seconds([&] {
        table->setRowCount(Rows / 2);
        table->setRowCount(Rows);
    });
    t.insertRows = seconds([&] { table->model()->insertRows(Middle, Block); });
    t.removeRows = seconds([&] { table->model()->removeRows(Middle, Block); });
    t.hideRows = seconds([&] {
        for (int r = Rows / 4; r < Rows / 4 + HiddenRows; ++r)
            table->setRowHidden(r, true);
    });
    t.unhideRows = seconds([&] {
        for (int r = Rows / 4; r < Rows / 4 + HiddenRows; ++r)
            table->setRowHidden(r, false);
    });
    t.moveRow = seconds([&] { table->verticalHeader()->moveSection(1, Rows - 1); });
    t.clear = seconds([&] { table->clearContents(); });
    return t;
}

// Painting one 1000 x 700 view, a page at a time down the table.
constexpr int ViewWidth = 1000;
constexpr int ViewHeight = 700;
constexpr int PaintPages = 40;
constexpr int PaintedRows = 2000;  // the rows the pages pass over carry text; the rest may stay empty

double paintOurs(int rows, int filled)
{
    TForm form(nullptr);
    auto* grid = side_by_side::GridOnForm<VOroDavoduRuzu>(form, Cols, rows);
    form.SetBounds(0, 0, ViewWidth, ViewHeight);
    grid->SetBounds(0, 0, ViewWidth, ViewHeight);
    for (int r = 0; r < filled; ++r)
        for (int c = 0; c < Cols; ++c)
            grid->SetCells(c, r, cellText(c, r));
    side_by_side::TimeGridPaint(form, *grid, 2);  // warm-up: fonts, glyphs
    return side_by_side::TimeGridPaint(form, *grid, PaintPages);
}

double paintTable()
{
    QTableWidget table(Rows, Cols);
    side_by_side::SizeLikeOurGrids(table);
    table.resize(ViewWidth, ViewHeight);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            table.setItem(r, c, new QTableWidgetItem(cellText(c, r)));
    side_by_side::TimeTablePaint(table, 2);
    return side_by_side::TimeTablePaint(table, PaintPages);
}

void print(const char* what, double ours, double theirs)
{
    std::printf("%-28s ours %10.4f  QTableWidget %10.4f  ratio %.3f\n", what, ours, theirs, ours / theirs);
}
}  // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Times table = runTable();
    const Times ours = runOurs();
    std::printf("%d rows x %d columns (seconds)\n", Rows, Cols);
    print("fill", ours.fill, table.fill);
    print("read back", ours.read, table.read);
    print("RowCount 100000->50000->back", ours.rows, table.rows);
    print("insert 1000 rows mid", ours.insertRows, table.insertRows);
    print("remove 1000 rows mid", ours.removeRows, table.removeRows);
    print("hide 50000 rows", ours.hideRows, table.hideRows);
    print("unhide 50000 rows", ours.unhideRows, table.unhideRows);
    print("move row top to bottom", ours.moveRow, table.moveRow);
    print("clear", ours.clear, table.clear);
    std::printf("%-28s ours %10.1f  QTableWidget %10.1f  ratio %.3f (MiB)\n", "heap of the filled table",
                ours.memory / 1048576.0, table.memory / 1048576.0,
                static_cast<double>(ours.memory) / static_cast<double>(table.memory));
    const double tablePaint = paintTable();
    const double oursPaint = paintOurs(Rows, Rows);
    print("paint 40 views 1000x700", oursPaint, tablePaint);
    const double small = paintOurs(1000, PaintedRows);
    const double large = paintOurs(1000000, PaintedRows);
    std::printf("%-28s 1000 rows %10.4f  1000000 rows %10.4f  ratio %.3f\n", "paint 40 views, ours", small, large,
                large / small);
    return 0;
}
