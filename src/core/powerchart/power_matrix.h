#pragma once

#include "core/flightmodel/plane_record.h"

#include <QString>

#include <vector>

namespace vw::powerchart {

using flightmodel::PlaneRecord;

// The raise and lower tools' scopes, in the order the scope button cycles them.
enum class Scope { LeftRight, UpDown, One, Two, Four, Six, Selection };

QString scopeCaption(Scope scope);
// The caption after `caption` in the cycle "L-R" -> "U-D" -> "-1+" -> "-2+" ->
// "-4+" -> "-6+" -> "SEL" -> "L-R"; any other caption stays.
QString nextScopeCaption(const QString &caption);
bool scopeFromCaption(const QString &caption, Scope *scope);

// A grid rectangle in grid cells (column 0 is the altitude column, row 0 the speed row).
struct CellRect {
    int left = 0, top = 0, right = -1, bottom = -1;
};

// Values are kept to thousandths: R(x * 1000) / 1000, halves to even.
double thousandths(double value);

// Raise (or lower) with the scope named by `caption` around the current cell
// (col, row), or over `selection` for "SEL". Only cells of the matrix in use
// (columns 1..n, rows 1..m) change; the speed row never does. Returns the
// number of cells written.
int adjustPower(PlaneRecord &record, const QString &caption, bool raise, int col, int row, const CellRect &selection);

// The control points of the chart: (power, altitude row) pairs in placement order.
struct ControlPoint {
    double power = 0;
    int row = 1;
    friend bool operator==(const ControlPoint &, const ControlPoint &) = default;
};
using ControlPoints = std::vector<ControlPoint>;

// Vertical pixels per altitude row in altitude mode: 200 / RowCount - 1, 1 for RowCount <= 1.
double altitudeScale(int rowCount);
// Power under pixel column x: x / 480 of full scale, in thousandths.
double pointerPower(int x);
// Altitude row under pixel row y as the readout shows it: at least 1, 1 while
// the list is empty, at most RowCount - 1.
int pointerRow(int y, int rowCount, bool listEmpty);

enum class Placement { Nothing, Removed, Added, AddedAndApply };
// A press on the chart while placement is on (rowCount = grid RowCount).
Placement placeControlPoint(ControlPoints &points, bool rightButton, int x, int y, int rowCount);

// Interpolates between consecutive points into matrix column `col`, rounded to
// thousandths. Rows outside the matrix are left alone; a column outside 1..n
// changes nothing. Returns the number of cells written.
int applyControlPoints(PlaneRecord &record, const ControlPoints &points, int col);

// Rounds every cell in use (columns 1..n, rows 1..m) to thousandths.
void normalisePower(PlaneRecord &record);

} // namespace vw::powerchart
