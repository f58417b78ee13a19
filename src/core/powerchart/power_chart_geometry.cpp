#include "power_chart_geometry.h"

#include "core/datafile/number_text.h"

#include <cmath>

namespace vw::powerchart {

int pixel(double value)
{
    if (std::isnan(value))
        return 0;
    return int(datafile::roundHalfEven(std::clamp(value, -100000.0, 100000.0)));
}

QPoint altitudePoint(double value, int row, int rowCount)
{
    return {pixel(value * ChartFullScale), ChartBaseline - pixel(row * altitudeScale(rowCount))};
}

double speedScale(int speedPoints)
{
    return speedPoints < 1 ? 1.0 : 495.0 / speedPoints;
}

QPoint speedPoint(int col, double value, int speedPoints)
{
    return {pixel(col * speedScale(speedPoints) - 20), ChartBaseline - pixel(value * 180)};
}

PowerChartInput chartInput(const PlaneRecord &record, bool altitudeMode, int highlightCol, int highlightRow,
                           const ControlPoints &points)
{
    PowerChartInput in;
    in.altitudeMode = altitudeMode;
    in.speedPoints = record.speedPointCount();
    in.colCount = in.speedPoints + 1;
    in.rowCount = record.altitudeRowCount() + 1;
    for (int r = 1; r < in.rowCount; ++r)
        for (int c = 1; c < in.colCount; ++c)
            in.values[size_t((r - 1) * PlaneRecord::MatrixColumns + c - 1)] = record.power(c, r);
    for (int c = 1; c < in.colCount; ++c)
        in.speeds[size_t(c - 1)] = record.speed(c);
    // The markers are the rows' shown texts read as integers: 0 when they are not one.
    const auto marker = [&](int row) {
        return int(std::clamp<qint64>(datafile::readInteger(datafile::formatNumber(record.primary(row))), INT_MIN, INT_MAX));
    };
    in.whiteMarker = marker(PlaneRecord::SecondSpeedMarkerRow);
    in.yellowMarker = marker(PlaneRecord::ClimbSpeedRow);
    in.highlightCol = highlightCol;
    in.highlightRow = highlightRow;
    in.controlPoints = points;
    return in;
}

} // namespace vw::powerchart
