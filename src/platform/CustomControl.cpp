#include "platform/Controls.h"

#include <QPainter>

namespace {

// Binds the canvas to the paint pass with the control's font and colour, then paints.
template <typename Paint>
void paintOnCanvas(TCanvas& canvas, QPainter& painter, const TControl& control, Paint paint)
{
    const TCanvasPaintGuard bind(canvas, &painter);
    canvas.Font().Assign(control.Font());
    canvas.Brush().SetColor(control.Color());
    paint();
}

} // namespace

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TCustomControl::~TCustomControl()
{
    Destroying();
}

void TCustomControl::PaintWindow(QPainter& painter)
{
    paintOnCanvas(*canvas_, painter, *this, [this] { Paint(); });
}

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner), canvas_(std::make_unique<TCanvas>()) {}

TGraphicControl::~TGraphicControl()
{
    Destroying();
}

void TGraphicControl::PaintWindow(QPainter& painter)
{
    paintOnCanvas(*canvas_, painter, *this, [this] { Paint(); });
}
