#include "power_chart_painter.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>

namespace vw::powerchart {

namespace {

const QColor Green(0x00, 0xAF, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Red(0xFF, 0x00, 0x00);

void setPen(QPainter &painter, const QColor &colour, int width)
{
    QPen pen(colour, width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
}

// The altitude-mode curve of one speed column, through rows 1..RowCount - 1.
QPolygon altitudeCurve(const PowerChartInput &in, int col)
{
    QPolygon curve;
    for (int r = 1; r < in.rowCount; ++r)
        curve << altitudePoint(in.value(col, r), r, in.rowCount);
    return curve;
}

// The speed-mode curve of one altitude row, through columns 1..ColCount - 1.
QPolygon speedCurve(const PowerChartInput &in, int row)
{
    QPolygon curve;
    for (int c = 1; c < in.colCount; ++c)
        curve << speedPoint(c, in.value(c, row), in.speedPoints);
    return curve;
}

// A caption of the chart; one that would run past the chart's right edge (a
// longer word in another language) ends at that edge instead.
void drawText(QPainter &painter, int x, int y, const QString &text)
{
    if (const QPaintDevice *device = painter.device())
        x = std::max(0, std::min(x, device->width() - painter.fontMetrics().horizontalAdvance(text)));
    painter.drawText(QRect(x, y, 200, 20), Qt::AlignLeft | Qt::AlignTop, text);
}

void paintAltitudeMode(QPainter &painter, const PowerChartInput &in)
{
    drawText(painter, 11, 3, QCoreApplication::translate("vw::powerchart::PowerChart", "Altitude"));
    drawText(painter, 476, 167, QCoreApplication::translate("vw::powerchart::PowerChart", "Power"));
    const auto width = [&](int col) { return col == in.highlightCol ? 3 : 1; };
    // The last speed column gets no curve in this mode.
    for (int c = 1; c <= in.colCount - 2; ++c) {
        setPen(painter, Green, width(c));
        painter.drawPolyline(altitudeCurve(in, c));
    }
    // A speed marker brackets the column whose speed range holds it.
    for (const auto &[marker, colour] : {std::pair{in.whiteMarker, QColor(Qt::white)}, std::pair{in.yellowMarker, Yellow}}) {
        for (int c = 1; c <= in.colCount - 2; ++c) {
            if (in.speed(c) <= marker && marker < in.speed(c + 1)) {
                setPen(painter, colour, width(c));
                painter.drawPolyline(altitudeCurve(in, c));
            }
        }
    }
    if (in.highlightRow > 0 && in.highlightRow < in.rowCount) {
        setPen(painter, Blue, 1);
        const int y = altitudePoint(0, in.highlightRow, in.rowCount).y();
        painter.drawLine(0, y, 520, y);
        if (in.highlightCol >= 1 && in.highlightCol < in.colCount) {
            const int x = altitudePoint(in.value(in.highlightCol, in.highlightRow), in.highlightRow, in.rowCount).x();
            painter.drawLine(x, 0, x, 191);
        }
    }
}

void paintSpeedMode(QPainter &painter, const PowerChartInput &in)
{
    drawText(painter, 11, 3, QCoreApplication::translate("vw::powerchart::PowerChart", "Power"));
    drawText(painter, 476, 167, QCoreApplication::translate("vw::powerchart::PowerChart", "Speed"));
    setPen(painter, Green, 1);
    for (int r = 1; r < in.rowCount; ++r)
        painter.drawPolyline(speedCurve(in, r));
    if (in.highlightRow > 0 && in.highlightRow < in.rowCount) {
        setPen(painter, Red, 2);
        painter.drawPolyline(speedCurve(in, in.highlightRow));
        if (in.highlightCol >= 1 && in.highlightCol < in.colCount) {
            setPen(painter, Blue, 1);
            const QPoint p = speedPoint(in.highlightCol, in.value(in.highlightCol, in.highlightRow), in.speedPoints);
            painter.drawLine(0, p.y(), 520, p.y());
            painter.drawLine(p.x(), 0, p.x(), 191);
        }
    }
}

} // namespace

void paintPowerChart(QPainter &painter, const PowerChartInput &in)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, ChartWidth, ChartHeight), Qt::black);
    setPen(painter, Qt::white, 1);
    painter.drawLine(5, 185, 5, 5);
    painter.drawLine(5, 185, 510, 185);
    painter.drawPolyline(QPolygon({QPoint(505, 180), QPoint(510, 185), QPoint(505, 190)}));
    painter.drawPolyline(QPolygon({QPoint(1, 9), QPoint(5, 5), QPoint(10, 10)}));

    if (in.altitudeMode)
        paintAltitudeMode(painter, in);
    else
        paintSpeedMode(painter, in);

    // Control points as small white crosses, placed with the current mode's scale.
    setPen(painter, Qt::white, 1);
    const double s = in.altitudeMode ? altitudeScale(in.rowCount) : speedScale(in.speedPoints);
    for (const ControlPoint &point : in.controlPoints) {
        const int x = pixel(point.power * ChartFullScale);
        const int y = ChartBaseline - pixel(point.row * s);
        painter.drawLine(x - 4, y, x + 5, y);
        painter.drawLine(x, y - 4, x, y + 5);
    }
    painter.restore();
}

} // namespace vw::powerchart
