#pragma once
// Helpers of the benchmarks that time an operation of ours beside the same operation on a QTableWidget in
// the same process and print the ratio.
#include "platform/Forms.h"

#include <benchmark/benchmark.h>
#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QString>
#include <QTableWidget>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>

namespace side_by_side {

// Both sides show a window of this size with rows and columns of the same size, in the same font.
constexpr int WindowWidth = 800;
constexpr int WindowHeight = 600;
constexpr int RowHeight = 24;
constexpr int ColWidth = 64;

// Distinct text per cell: the cell's number as text.
inline QString CellText(int col, int row, int cols)
{
    return QString::number(static_cast<qint64>(row) * cols + col);
}

// Wall time of one call, in seconds.
inline double Seconds(const std::function<void()>& f)
{
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The times of one run, each kept at its best over the runs.
template <size_t N>
void KeepBest(std::array<double, N>& best, const std::array<double, N>& run)
{
    for (size_t i = 0; i < N; ++i)
        best[i] = std::min(best[i], run[i]);
}

// A grid of ours on a form of the window's size, with the common row and column size.
template <typename Grid>
Grid* GridOnForm(TForm& form, int cols, int rows)
{
    form.SetBounds(0, 0, WindowWidth, WindowHeight);
    auto* grid = new Grid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, WindowWidth, WindowHeight);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetDefaultColWidth(ColWidth);
    grid->SetColCount(cols);
    grid->SetRowCount(rows);
    return grid;
}

// The font our grids draw their cells in by default: the canvas's default font, aliased, fully hinted and
// without kerning.
inline QFont OurGridFont()
{
    const TFont ours;
    QFont font(ours.Name());
    font.setPixelSize(-ours.Height());
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    return font;
}

inline void SizeLikeOurGrids(QTableWidget& table)
{
    table.setFont(OurGridFont());
    table.resize(WindowWidth, WindowHeight);
    table.verticalHeader()->setDefaultSectionSize(RowHeight);
    table.horizontalHeader()->setDefaultSectionSize(ColWidth);
}

// Shows the form and paints the grid a page at a time down the table.
template <typename Grid>
double TimeGridPaint(TForm& form, Grid& grid, int pages)
{
    form.Show();
    QApplication::processEvents();
    const int page = std::max(1, grid.VisibleRowCount());
    const int lastTop = std::max(1, grid.RowCount() - page - 1);
    return Seconds([&] {
        for (int p = 0; p < pages; ++p) {
            grid.SetTopRow(1 + (p * page) % lastTop);
            grid.Repaint();
        }
    });
}

inline double TimeTablePaint(QTableWidget& table, int pages)
{
    table.show();
    QApplication::processEvents();
    const int page = std::max(1, table.viewport()->height() / RowHeight);
    const int lastTop = std::max(1, table.rowCount() - page - 1);
    return Seconds([&] {
        for (int p = 0; p < pages; ++p) {
            table.verticalScrollBar()->setValue((p * page) % lastTop);
            table.viewport()->repaint();
        }
    });
}

inline double TimeTableRead(const QTableWidget& table)
{
    return Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < table.rowCount(); ++r)
            for (int c = 0; c < table.columnCount(); ++c)
                total += table.item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    });
}

inline void PrintHeader()
{
    std::printf("%-34s %12s %14s %8s\n", "operation (seconds)", "ours", "QTableWidget", "ratio");
}

inline void PrintRatio(const char* what, double ours, double theirs)
{
    std::printf("%-34s %12.4f %14.4f %8.2f\n", what, ours, theirs, theirs > 0 ? ours / theirs : 0.0);
}

// The main of a benchmark program: offscreen, the registered benchmarks, then the side-by-side ratios.
inline int RunThenPrintRatios(int argc, char** argv, void (*printRatios)())
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    printRatios();
    return 0;
}

}  // namespace side_by_side
