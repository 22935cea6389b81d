// Fuzz target of the binary cell stream reader: any bytes either load into a small grid or are refused
// with "Invalid stream format" (or a property error) before a cell changes.
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridIO.h"

namespace {
// One application and one grid for the whole run, kept to the end of the process.
VOroDavoduRuzu& Grid()
{
    static int argc = 1;
    static char name[] = "fuzz_bin_stream";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    static VOroDavoduRuzu* grid = new VOroDavoduRuzu(nullptr);
    (void)app;
    return *grid;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    VOroDavoduRuzu& grid = Grid();
    grid.Clear();
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, QStringLiteral("kept"));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        GridIO(grid).LoadAtPointFromBinData({1, 1}, bytes);
    } catch (const REdaReviZizod&) {
        if (grid.Cells(1, 1) != QStringLiteral("kept") || grid.ColCount() != 4 || grid.RowCount() != 4)
            std::abort();  // a refused stream changed the grid
    }
    return 0;
}
