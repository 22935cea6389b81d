// The platform's string grid beside a QTableWidget of the same size in one process: filling 100,000 rows x
// 10 columns with distinct texts, reading them back, halving and restoring the row count, and painting
// shown windows page by page down the table. Each time is the best of three runs; the ratio is ours /
// QTableWidget.
#include "SideBySide.h"
#include "platform/Forms.h"
#include "platform/Grids.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {
using namespace side_by_side;

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int Pages = 200;
constexpr int RowHeight = 24;
constexpr int ColWidth = 64;
constexpr int Runs = 3;

struct Times {
    double fill = 1e9, read = 1e9, rows = 1e9, paint = 1e9;
    void Keep(const Times& t)
    {
        fill = std::min(fill, t.fill);
        read = std::min(read, t.read);
        rows = std::min(rows, t.rows);
        paint = std::min(paint, t.paint);
    }
};

Times runOurs()
{
    Times t;
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    auto* grid = new TStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 800, 600);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetDefaultColWidth(ColWidth);
    grid->SetColCount(Cols);
    grid->SetRowCount(Rows);
    t.fill = Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                grid->SetCells(c, r, CellText(c, r, Cols));
    });
    t.read = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += grid->Cells(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    form.Show();
    QApplication::processEvents();
    const int page = std::max(1, grid->VisibleRowCount());
    t.paint = Seconds([&] {
        for (int p = 0; p < Pages; ++p) {
            grid->SetTopRow(1 + p * page);
            grid->Repaint();
        }
    });
    t.rows = Seconds([&] {
        grid->SetRowCount(Rows / 2);
        grid->SetRowCount(Rows);
    });
    return t;
}

Times runTable()
{
    Times t;
    QTableWidget table(Rows, Cols);
    table.resize(800, 600);
    table.verticalHeader()->setDefaultSectionSize(RowHeight);
    table.horizontalHeader()->setDefaultSectionSize(ColWidth);
    t.fill = Seconds([&] {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                table.setItem(r, c, new QTableWidgetItem(CellText(c, r, Cols)));
    });
    t.read = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                total += table.item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    });
    table.show();
    QApplication::processEvents();
    const int page = std::max(1, table.viewport()->height() / RowHeight);
    t.paint = Seconds([&] {
        for (int p = 0; p < Pages; ++p) {
            table.verticalScrollBar()->setValue(p * page);
            table.viewport()->repaint();
        }
    });
    t.rows = Seconds([&] {
        table.setRowCount(Rows / 2);
        table.setRowCount(Rows);
    });
    return t;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Times ours;
    Times table;
    for (int run = 0; run < Runs; ++run) {
        table.Keep(runTable());
        ours.Keep(runOurs());
    }
    std::printf("String grid, %d rows x %d columns, distinct text per cell; best of %d runs\n", Rows, Cols, Runs);
    PrintHeader();
    PrintRatio("fill", ours.fill, table.fill);
    PrintRatio("read back", ours.read, table.read);
    PrintRatio("row count halved and restored", ours.rows, table.rows);
    PrintRatio("paint 200 pages, shown", ours.paint, table.paint);
    return 0;
}
