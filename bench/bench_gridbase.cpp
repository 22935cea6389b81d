// The grid library's base grid beside a QTableWidget of the same size in one process: writing 1,000,000
// cells of distinct text (into an empty table, then over the filled one), reading them back, and painting
// shown windows page by page; our writes and reads also with a properties object on every cell. Each time
// is the best of three runs; the ratio is ours / QTableWidget.
#include "SideBySide.h"
#include "grid/base/BaseGrid/BaseGrid.h"
#include "platform/Forms.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {
using namespace side_by_side;

constexpr int Side = 1000;
constexpr int Pages = 100;
constexpr int RowHeight = 24;
constexpr int ColWidth = 64;
constexpr int Runs = 3;

struct Times {
    double write = 1e9, rewrite = 1e9, read = 1e9, paint = 1e9;
    void Keep(const Times& t)
    {
        write = std::min(write, t.write);
        rewrite = std::min(rewrite, t.rewrite);
        read = std::min(read, t.read);
        paint = std::min(paint, t.paint);
    }
};

// The texts, made once so that neither side pays for formatting numbers.
const std::vector<QString>& texts()
{
    static const std::vector<QString> all = [] {
        std::vector<QString> v;
        v.reserve(static_cast<size_t>(Side) * Side);
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                v.push_back(CellText(c, r, Side));
        return v;
    }();
    return all;
}

const QString& text(int c, int r)
{
    return texts()[static_cast<size_t>(r) * Side + static_cast<size_t>(c)];
}

Times runOurs(bool withProperties)
{
    Times t;
    TForm form(nullptr);
    form.SetBounds(0, 0, 800, 600);
    auto* grid = new TBaseGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 800, 600);
    grid->SetDefaultRowHeight(RowHeight);
    grid->SetDefaultColWidth(ColWidth);
    grid->SetColCount(Side);
    grid->SetRowCount(Side);
    if (withProperties)
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                grid->GetCellProperties(c, r);
    const auto writeAll = [&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                grid->SetCellEx(c, r, text(c, r));
    };
    t.write = Seconds(writeAll);
    t.rewrite = Seconds(writeAll);
    t.read = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                total += grid->GetCellEx(c, r).size();
        benchmark::DoNotOptimize(total);
    });
    form.Show();
    QApplication::processEvents();
    const int page = std::max(1, grid->VisibleRowCount());
    t.paint = Seconds([&] {
        for (int p = 0; p < Pages; ++p) {
            grid->SetTopRow(1 + (p * page) % (Side - page - 1));
            grid->Repaint();
        }
    });
    return t;
}

Times runTable()
{
    Times t;
    QTableWidget table(Side, Side);
    table.resize(800, 600);
    table.verticalHeader()->setDefaultSectionSize(RowHeight);
    table.horizontalHeader()->setDefaultSectionSize(ColWidth);
    t.write = Seconds([&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                table.setItem(r, c, new QTableWidgetItem(text(c, r)));
    });
    t.rewrite = Seconds([&] {
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                table.item(r, c)->setText(text(c, r));
    });
    t.read = Seconds([&] {
        qsizetype total = 0;
        for (int r = 0; r < Side; ++r)
            for (int c = 0; c < Side; ++c)
                total += table.item(r, c)->text().size();
        benchmark::DoNotOptimize(total);
    });
    table.show();
    QApplication::processEvents();
    const int page = std::max(1, table.viewport()->height() / RowHeight);
    t.paint = Seconds([&] {
        for (int p = 0; p < Pages; ++p) {
            table.verticalScrollBar()->setValue((p * page) % (Side - page - 1));
            table.viewport()->repaint();
        }
    });
    return t;
}
} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    texts();
    Times table;
    Times plain;
    Times properties;
    for (int run = 0; run < Runs; ++run) {
        table.Keep(runTable());
        plain.Keep(runOurs(false));
        properties.Keep(runOurs(true));
    }
    std::printf("Base grid, %d x %d cells, distinct text per cell; best of %d runs\n", Side, Side, Runs);
    PrintHeader();
    PrintRatio("write into empty cells", plain.write, table.write);
    PrintRatio("write over filled cells", plain.rewrite, table.rewrite);
    PrintRatio("read back", plain.read, table.read);
    PrintRatio("paint 100 pages, shown", plain.paint, table.paint);
    PrintRatio("write, every cell with properties", properties.write, table.write);
    PrintRatio("read, every cell with properties", properties.read, table.read);
    return 0;
}
