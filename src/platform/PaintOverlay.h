#pragma once
// A see-through layer over a widget that Qt paints, above the widget's own parts: a control draws over
// the widget's look on it. It keeps the widget's size and stays above parts added later; the mouse goes
// through it.
#include <QWidget>

#include <functional>

class QPainter;

class PaintOverlay : public QWidget {
public:
    PaintOverlay(QWidget* host, std::function<void(QPainter&)> paint);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<void(QPainter&)> paint_;
};
