// Painting of TCustomGrid: the visible cells into an off-screen image, then one copy to the window.
#include "platform/Grids.h"
#include "platform/QtAccess.h"

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <utility>

namespace {
constexpr TColor LineColor = clSilver;
constexpr TColor FixedLineColor = clBlack;

bool intersects(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The off-screen image of the last paint, kept for the next one of the same size: a grid scrolled page by
// page paints into the same memory instead of asking for new pages each time. A paint inside another
// (a grid painted from a grid's event) finds none kept and makes its own.
QImage& keptBuffer()
{
    thread_local QImage kept;
    return kept;
}

QImage takeBuffer(int width, int height)
{
    QImage buffer = std::exchange(keptBuffer(), QImage());
    if (buffer.width() != width || buffer.height() != height)
        buffer = QImage(width, height, QImage::Format_RGB32);
    return buffer;
}
}  // namespace

void TCustomGrid::PaintWindow(QPainter& painter)
{
    const int b = borderExtent();
    if (b > 0) {
        const TCanvasPaintGuard guard(frameCanvas_, &painter);
        PaintNonClient(frameCanvas_);
    }
    painter.save();
    painter.translate(b, b);
    painter.setClipRect(QRect(0, 0, innerWidth(), innerHeight()), Qt::IntersectClip);
    // The corner between two scroll bars belongs to neither.
    if (vert_.shown && horz_.shown) {
        const TRect client = ClientRect();
        painter.fillRect(QRect(client.Right, client.Bottom, innerWidth() - client.Right, innerHeight() - client.Bottom),
                         ColorToQColor(Color()));
    }
    TCustomControl::PaintWindow(painter);
    painter.restore();
}

void TCustomGrid::PaintNonClient(TCanvas& Canvas)
{
    TRect r = Rect(0, 0, Width(), Height());
    if (!ctl3D_) {
        Canvas.Brush().SetColor(clWindowFrame);
        Canvas.FrameRect(r);
        return;
    }
    // A sunken edge: shadow above and left, highlight below and right, twice.
    const TColor outer[2] = {clBtnShadow, clBtnHighlight};
    const TColor inner[2] = {cl3DDkShadow, clBtnFace};
    for (const TColor* pair : {outer, inner}) {
        Canvas.Pen().SetColor(pair[0]);
        Canvas.MoveTo(r.Left, r.Bottom - 2);
        Canvas.LineTo(r.Left, r.Top);
        Canvas.LineTo(r.Right - 1, r.Top);
        Canvas.Pen().SetColor(pair[1]);
        Canvas.MoveTo(r.Right - 1, r.Top);
        Canvas.LineTo(r.Right - 1, r.Bottom - 1);
        Canvas.LineTo(r.Left - 1, r.Bottom - 1);
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    }
}

void TCustomGrid::Paint()
{
    TCanvas& canvas = Canvas();
    QPainter* window = QtAccess::Painter(canvas);
    if (!window)
        return;
    const TRect clip = canvas.ClipRect();
    QImage buffer = takeBuffer(std::max(ClientWidth(), 1), std::max(ClientHeight(), 1));
    {
        QPainter painter(&buffer);
        TCanvasPaintGuard guard(canvas, &painter);
        paintCells(canvas, clip);
    }
    // In bands, like the canvas's fills: Qt would share a copy of many lines out to worker threads.
    constexpr int band = 64;
    for (int top = 0; top < buffer.height(); top += band)
        window->drawImage(QPoint(0, top), buffer, QRect(0, top, buffer.width(), std::min(band, buffer.height() - top)));
    keptBuffer() = std::move(buffer);
}

TGridDrawState TCustomGrid::drawState(int col, int row) const
{
    if (col < FixedCols() || row < FixedRows())
        return gdFixed;
    TGridDrawState state = 0;
    const bool current = col == current_.X && row == current_.Y;
    // The focus is asked for the current cell only.
    const bool active = current && (Focused() || (editor_ && editor_->Focused()));
    if (current && active)
        state |= gdFocused;
    if (Selection().Contains(col, row) && (!current || !active || (options_ & (goDrawFocusSelected | goRowSelect))))
        state |= gdSelected;
    return state;
}

void TCustomGrid::paintCells(TCanvas& canvas, const TRect& clip)
{
    canvas.Brush().SetColor(Color());
    canvas.Brush().SetStyle(bsSolid);
    canvas.FillRect(Rect(0, 0, ClientWidth(), ClientHeight()));
    const int lastCol = LeftCol() + cols_.PartialCount(LeftCol(), cellsWidth());
    const int lastRow = TopRow() + rows_.PartialCount(TopRow(), cellsHeight());
    // The fixed cells, then the scrolled ones from the first shown.
    auto firstIndex = [](int fixed, int first) { return fixed > 0 ? 0 : first; };
    auto nextIndex = [](int i, int fixed, int first) { return i + 1 == fixed ? first : i + 1; };
    for (int row = firstIndex(FixedRows(), TopRow()); row < lastRow; row = nextIndex(row, FixedRows(), TopRow())) {
        for (int col = firstIndex(FixedCols(), LeftCol()); col < lastCol;
             col = nextIndex(col, FixedCols(), LeftCol())) {
            const int x = cols_.Start(col, LeftCol());
            const int y = rows_.Start(row, TopRow());
            const TRect r = Bounds(x, y, ColWidths(col), RowHeights(row));
            const TRect withLines{r.Left, r.Top, r.Right + cols_.LineWidth, r.Bottom + rows_.LineWidth};
            if (!intersects(withLines, clip))
                continue;
            const TGridDrawState state = drawState(col, row);
            canvas.Font().Assign(Font());
            canvas.Brush().SetStyle(bsSolid);
            if (DefaultDrawing) {
                if (state & gdFixed) {
                    canvas.Brush().SetColor(fixedColor_);
                } else if (state & gdSelected) {
                    canvas.Brush().SetColor(clHighlight);
                    canvas.Font().SetColor(clHighlightText);
                } else {
                    canvas.Brush().SetColor(Color());
                }
                canvas.FillRect(r);
            }
            DrawCell(col, row, r, state);
            paintLines(canvas, withLines, r, state & gdFixed);
            if (DefaultDrawing && (state & gdFocused) && !editorMode_ && !(options_ & goRowSelect))
                canvas.DrawFocusRect(r);
        }
    }
    if (FGridState == gsColSizing || FGridState == gsRowSizing) {
        canvas.Pen().SetColor(clBlack);
        canvas.Pen().SetWidth(1);
        if (FGridState == gsColSizing) {
            canvas.MoveTo(drag_.pos, 0);
            canvas.LineTo(drag_.pos, cellsHeight());
        } else {
            canvas.MoveTo(0, drag_.pos);
            canvas.LineTo(cellsWidth(), drag_.pos);
        }
    }
}

// The lines right of and below a cell, in the space the layout leaves for them.
void TCustomGrid::paintLines(TCanvas& canvas, const TRect& withLines, const TRect& cell, bool fixed)
{
    canvas.Brush().SetStyle(bsSolid);
    canvas.Brush().SetColor(fixed ? FixedLineColor : LineColor);
    if (cols_.LineWidth > 0 && (options_ & (fixed ? goFixedVertLine : goVertLine)))
        canvas.FillRect({cell.Right, withLines.Top, withLines.Right, withLines.Bottom});
    if (rows_.LineWidth > 0 && (options_ & (fixed ? goFixedHorzLine : goHorzLine)))
        canvas.FillRect({withLines.Left, cell.Bottom, withLines.Right, withLines.Bottom});
}

void TCustomGrid::invalidateCells(const TGridRect& cells)
{
    if (!Widget()->isVisible())
        return;
    if (const TRect r = cellsBounds(cells); !r.IsEmpty())
        InvalidateRect(r);
}
