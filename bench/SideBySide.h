#pragma once
// Helpers of the benchmarks that time an operation of ours beside the same operation on a QTableWidget in
// the same process and print the ratio.
#include <QString>
#include <chrono>
#include <cstdio>
#include <functional>

namespace side_by_side {

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

inline void PrintHeader()
{
    std::printf("%-34s %12s %14s %8s\n", "operation (seconds)", "ours", "QTableWidget", "ratio");
}

inline void PrintRatio(const char* what, double ours, double theirs)
{
    std::printf("%-34s %12.4f %14.4f %8.2f\n", what, ours, theirs, theirs > 0 ? ours / theirs : 0.0);
}

} // namespace side_by_side
