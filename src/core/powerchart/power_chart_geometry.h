#pragma once

#include "core/powerchart/power_matrix.h"

#include <QPoint>

#include <array>

namespace vw::powerchart {

// The chart image and its axes.
constexpr int ChartWidth = 515, ChartHeight = 191, ChartBaseline = 185, ChartFullScale = 480;

// What the chart shows: the grid's shape and values, the two speed markers,
// the highlighted cell and the control points.
struct PowerChartInput {
    bool altitudeMode = true;
    int colCount = 2;    // grid ColCount: speed points + 1
    int rowCount = 2;    // grid RowCount: altitude rows + 1
    int speedPoints = 1; // the speed point count (horizontal scale of speed mode)
    std::array<double, PlaneRecord::MatrixColumns * PlaneRecord::MatrixRows> values{};
    std::array<int, PlaneRecord::MatrixColumns> speeds{};
    int whiteMarker = 0;  // primary row 17 as an integer
    int yellowMarker = 0; // primary row 16 (climb speed) as an integer
    int highlightCol = 0, highlightRow = 0;
    ControlPoints controlPoints;

    double value(int col, int row) const { return values[size_t((row - 1) * PlaneRecord::MatrixColumns + col - 1)]; }
    int speed(int col) const { return speeds[size_t(col - 1)]; }
};

// The chart input for a plane: its matrix in use, speeds and markers.
PowerChartInput chartInput(const PlaneRecord &record, bool altitudeMode, int highlightCol, int highlightRow,
                           const ControlPoints &points);

// A pixel coordinate from a value: rounded half to even, kept to a range a
// painter can take whatever the file holds.
int pixel(double value);

// Altitude mode: cell value v of row r at x = R(v * 480), y = 185 - R(r * s).
QPoint altitudePoint(double value, int row, int rowCount);
// Speed mode: column c with value v at x = R(c * 495 / n - 20), y = 185 - R(v * 180).
double speedScale(int speedPoints);
QPoint speedPoint(int col, double value, int speedPoints);

} // namespace vw::powerchart
