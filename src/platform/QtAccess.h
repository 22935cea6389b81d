#pragma once
// The Qt objects behind the platform's controls, canvases, fonts, colours and pictures. Private to the
// platform: only the platform itself and the tests include this header, the layers above work through
// the platform's own types.
#include "platform/Bitmap.h"
#include "platform/Controls.h"
#include "platform/Graphics.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>

class QPainter;
class QWidget;

struct QtAccess {
    // The Qt widget the control lives on.
    static QWidget* Widget(const TControl& control) { return control.Widget(); }
    // The painter drawing on the canvas now, or nullptr.
    static QPainter* Painter(TCanvas& canvas) { return canvas.Painter(); }
    // A pixel-sized Qt font without anti-aliasing or kerning.
    static QFont Font(const TFont& font) { return font.ToQFont(); }
    // The metrics of that font, kept until the font changes shape.
    static const QFontMetrics& Metrics(const TFont& font) { return font.Metrics(); }
    // The finished pixels of a bitmap (ends any drawing in progress on its canvas).
    static const QImage& Image(const TBitmap& bitmap) { return bitmap.Image(); }
    static void SetImage(TBitmap& bitmap, const QImage& image) { bitmap.SetImage(image); }
    // Adds the image, or one per cell of a strip as wide as several; returns the first index.
    static int AddImage(TImageList& list, const QImage& image) { return list.Add(image); }
    static QImage Image(const TImageList& list, int index) { return list.Image(index); }
};

QColor ColorToQColor(TColor color);
TColor QColorToColor(const QColor& color);
