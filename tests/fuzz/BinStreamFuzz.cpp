// Fuzz target of the binary cell stream reader: any bytes, read as a stream and as dropped cells (a length
// and the stream), either load into a small grid or are refused with "Invalid stream format" (or a
// property error) before a cell changes.
#include <QApplication>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "grid/base/REdaReviZizod.h"
#include "grid/io/GridIO.h"
#include "grid/io/VoOleDragDrop.h"

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

void load(const QByteArray& stream)
{
    VOroDavoduRuzu& grid = Grid();
    grid.Clear();
    grid.SetColCount(4);
    grid.SetRowCount(4);
    grid.SetCells(1, 1, QStringLiteral("kept"));
    try {
        GridIO(grid).LoadAtPointFromBinData({1, 1}, stream);
    } catch (const REdaReviZizod&) {
        if (grid.Cells(1, 1) != QStringLiteral("kept") || grid.ColCount() != 4 || grid.RowCount() != 4)
            std::abort();  // a refused stream changed the grid
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    load(bytes);
    load(TDropContent({{MimeGridCells, bytes}}).Cells);
    return 0;
}
