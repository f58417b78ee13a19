#include "power_chart_widget.h"

#include "ui/powerchart/power_chart_painter.h"

#include <QMouseEvent>
#include <QPainter>

namespace vw::powerchart {

PowerChartWidget::PowerChartWidget(QWidget *parent)
    : QWidget(parent), image_(ChartWidth, ChartHeight, QImage::Format_RGB32)
{
    setObjectName(QStringLiteral("Image3"));
    setFixedSize(ChartWidth, ChartHeight);
    setMouseTracking(true);
    image_.fill(Qt::black);
}

void PowerChartWidget::redraw(const PowerChartInput &input)
{
    QPainter painter(&image_);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    paintPowerChart(painter, input);
    painter.end();
    update();
}

void PowerChartWidget::clearChart()
{
    image_.fill(Qt::black);
    update();
}

void PowerChartWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void PowerChartWidget::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    Q_EMIT pressed(event->button(), p.x(), p.y());
}

void PowerChartWidget::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    Q_EMIT moved(p.x(), p.y());
}

} // namespace vw::powerchart
