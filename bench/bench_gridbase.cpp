// The grid library's base grid beside a QTableWidget of the same size in one process: writing 1,000,000
// cells of distinct text (into an empty table, then over the filled one), reading them back, and painting
// shown windows page by page; our writes and reads also with a properties object on every cell. Each time
// is the best of three runs; the ratio is ours / QTableWidget.
#include "SideBySide.h"
#include "grid/base/BaseGrid/BaseGrid.h"

#include <vector>

namespace {
using namespace side_by_side;

constexpr int Side = 1000;
constexpr int Pages = 100;
constexpr int Runs = 3;

enum { Write, Rewrite, Read, Paint, Operations };
using Times = std::array<double, Operations>;

// The texts, made once so that neither side pays for formatting numbers.
const QString& text(int c, int r)
{
    static const std::vector<QString> all = [] {
        std::vector<QString> v;
        v.reserve(static_cast<size_t>(Side) * Side);
        for (int row = 0; row < Side; ++row)
            for (int col = 0; col < Side; ++col)
                v.push_back(CellText(col, row, Side));
        return v;
    }();
    return all[static_cast<size_t>(r) * Side + static_cast<size_t>(c)];
}

Times runOurs(bool withProperties)
{
    Times t{};
    TForm form(nullptr);
    TBaseGrid* grid = GridOnForm<TBaseGrid>(form, Side, Side);
    if (withProperties)
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                grid->GetCellProperties(c, r);
    const auto writeAll = [&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                grid->SetCellEx(c, r, text(c, r));
    };
    t[Write] = Seconds(writeAll);
    t[Rewrite] = Seconds(writeAll);
    t[Read] = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                total += grid->GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    t[Paint] = TimeGridPaint(form, *grid, Pages);
    return t;
}

Times runTable()
{
    Times t{};
    QTableWidget table(Side, Side);
    SizeLikeOurGrids(table);
    t[Write] = Seconds([&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                table.setItem(r, c, new QTableWidgetItem(text(c, r)));
    });
    t[Rewrite] = Seconds([&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                table.item(r, c)->setText(text(c, r));
    });
    t[Read] = TimeTableRead(table);
    t[Paint] = TimeTablePaint(table, Pages);
    return t;
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    text(0, 0);
    Times table;
    Times plain;
    Times properties;
    for (Times* t : {&table, &plain, &properties})
        t->fill(1e9);
    for (int run = 0; run < Runs; ++run) {
        KeepBest(table, runTable());
        KeepBest(plain, runOurs(false));
        KeepBest(properties, runOurs(true));
    }
    std::printf("Base grid, %d x %d cells, distinct text per cell; best of %d runs\n", Side, Side, Runs);
    PrintHeader();
    PrintRatio("write into empty cells", plain[Write], table[Write]);
    PrintRatio("write over filled cells", plain[Rewrite], table[Rewrite]);
    PrintRatio("read back", plain[Read], table[Read]);
    PrintRatio("paint 100 pages, shown", plain[Paint], table[Paint]);
    PrintRatio("write, every cell with properties", properties[Write], table[Write]);
    PrintRatio("read, every cell with properties", properties[Read], table[Read]);
    return 0;
}
