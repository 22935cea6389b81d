// Rendering 10,000 short marked-up cells with the cell text engine, side by side with Qt's own
// rich text document drawing the same markup in the same process.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <cstdio>

#include "grid/base/VsgHTMLE/VsgHTMLE.h"

namespace {

constexpr int Cells = 10000;
constexpr int CellWidth = 120;
constexpr int CellHeight = 36;

const QStringList& cellTexts()
{
    static const QStringList texts = [] {
        const QString patterns[] = {
            "<B>Item %1</B> ready",
            "Value <FONT color=\"#FF0000\">%1</FONT> units",
            "<A href=\"row%1\">Row %1</A> details",
            "<I>Node</I> %1 of <U>group</U> and more words here",
            "Line %1<BR><B>second</B> line",
        };
        QStringList list;
        for (int i = 0; i < Cells; ++i)
            list << patterns[i % std::size(patterns)].arg(i);
        return list;
    }();
    return texts;
}

void renderOurs(TBitmap& surface)
{
    TCanvas& canvas = surface.Canvas();
    THtmlRenderOptions options;
    THtmlRenderResult result;
    const TRect r = Rect(0, 0, CellWidth, CellHeight);
    for (const QString& text : cellTexts())
        RenderHtmlText(canvas, text, r, options, result);
}

void renderTheirs(QImage& surface)
{
    QPainter painter(&surface);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(13);
    const QRectF r(0, 0, CellWidth, CellHeight);
    for (const QString& text : cellTexts()) {
        QTextDocument document;
        document.setDefaultFont(font);
        document.setDocumentMargin(0);
        document.setHtml(text);
        document.setTextWidth(CellWidth);
        document.drawContents(&painter, r);
    }
}

TBitmap& ourSurface()
{
    static TBitmap surface(CellWidth, CellHeight);
    surface.Canvas().Font().SetName(QStringLiteral("DejaVu Sans"));
    surface.Canvas().Font().SetHeight(-13);
    return surface;
}

void BM_RenderHtmlText(benchmark::State& state)
{
    TBitmap& surface = ourSurface();
    for (auto _ : state)
        renderOurs(surface);
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_RenderHtmlText)->Unit(benchmark::kMillisecond);

void BM_QTextDocument(benchmark::State& state)
{
    QImage surface(CellWidth, CellHeight, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        renderTheirs(surface);
    state.SetItemsProcessed(state.iterations() * Cells);
}
BENCHMARK(BM_QTextDocument)->Unit(benchmark::kMillisecond);

// The best of a few runs, in milliseconds.
template <typename Render>
double bestOf(Render render)
{
    double best = 1e300;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer timer;
        timer.start();
        render();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    const double ours = bestOf([] { renderOurs(ourSurface()); });
    QImage theirSurface(CellWidth, CellHeight, QImage::Format_ARGB32_Premultiplied);
    const double theirs = bestOf([&] { renderTheirs(theirSurface); });
    std::printf("\n%d cells: cell text engine %.1f ms, rich text document %.1f ms, ours / theirs %.2f\n", Cells, ours,
                theirs, ours / theirs);
    return 0;
}
