#pragma once

#include "core/powerchart/power_chart_geometry.h"

#include <QImage>
#include <QWidget>

namespace vw::powerchart {

// Image3: the 515 x 191 chart. Each redraw paints the whole chart into its
// image at once; the widget shows that image.
class PowerChartWidget : public QWidget {
    Q_OBJECT
public:
    explicit PowerChartWidget(QWidget *parent = nullptr);

    void redraw(const PowerChartInput &input);
    // An empty chart: black, nothing drawn (a plane without a plane record).
    void clearChart();
    const QImage &image() const { return image_; }

Q_SIGNALS:
    void pressed(Qt::MouseButton button, int x, int y);
    void moved(int x, int y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QImage image_;
};

} // namespace vw::powerchart
