#include "flight_model_adjustments.h"

#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_record.h"

#include <QCoreApplication>

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>

namespace vw::flightmodel {

namespace {

// Runs `adjust` on every plane with a record; counts the planes whose bytes changed.
template <class Adjust>
int everyPlane(DataFile &file, Adjust adjust)
{
    int changed = 0;
    for (int plane = 1; plane <= file.PlaneCount(); ++plane) {
        PlaneRecord record(file, plane);
        if (!record.exists())
            continue;
        const std::uint64_t before = file.revision();
        adjust(record);
        if (file.revision() != before)
            ++changed;
    }
    return changed;
}

// Factors of "Reduce Low Speed Handling" in tenths: rows for 0, 40 and 80 mph, pitch, yaw, roll.
constexpr int LowSpeedReduction[3][3] = {{4, 4, 1}, {7, 7, 4}, {9, 9, 7}};

// The handling column of a grid cell, checked before anything is written.
PlaneRecord::Axis notchAxis(const DataFile &file, int plane, int column, int selectedRow)
{
    if (QString reason = planeRecordRefusal(file, plane, QCoreApplication::translate("vw::flightmodel", "current"));
        !reason.isEmpty())
        throw datafile::FormatError(reason);
    if (column < 1 || column > 3 || selectedRow < 1 || selectedRow > PlaneRecord::HandlingRows)
        throw datafile::FormatError(
            QCoreApplication::translate("vw::flightmodel",
                                        "The handling grid has columns 1 to 3 and rows 1 to 41, not (%1, %2).")
                .arg(column)
                .arg(selectedRow));
    return PlaneRecord::Axis(column - 1);
}

} // namespace

double scaleByTenths(double value, int tenths)
{
    if (tenths < 1 || tenths > 15)
        throw datafile::FormatError(
            QCoreApplication::translate("vw::flightmodel", "A factor of %1 tenths is outside 1..15.").arg(tenths));
    if (value == 0.0 || !std::isfinite(value))
        return value * tenths / 10.0;
    // |value| = m · 2^(e − 53) with a 53-bit integer m; m · tenths · 64 fits 63 bits.
    int e = 0;
    const double fraction = std::frexp(std::fabs(value), &e);
    const auto m = std::uint64_t(std::ldexp(fraction, 53));
    const std::uint64_t scaled = (m * std::uint64_t(tenths)) << 6;
    std::uint64_t q = scaled / 10;
    // q holds at least 56 significant bits; rounding it to odd keeps the one
    // rounding to 53 bits below the same as rounding the exact quotient.
    if (scaled % 10 != 0)
        q |= 1;
    const double result = std::ldexp(double(q), e - 59);
    // A result in the subnormal range would be rounded a second time by ldexp;
    // such values are far below anything a flight model holds.
    if (result < DBL_MIN)
        return value * tenths / 10.0;
    return std::copysign(result, value);
}

int reduceRollInertia(DataFile &file)
{
    constexpr int first = PlaneRecord::RollInertiaRow1, last = PlaneRecord::RollInertiaRow2;
    return everyPlane(file, [](PlaneRecord &record) {
        std::array<double, last - first + 1> rows;
        for (int row = first; row <= last; ++row)
            rows[std::size_t(row - first)] = record.primary(row);
        // Doubling is exact in binary.
        rows.front() *= 2;
        rows.back() *= 2;
        record.setPrimaryRows(first, rows);
    });
}

int reduceLowSpeedHandling(DataFile &file)
{
    return everyPlane(file, [](PlaneRecord &record) {
        std::array<PlaneRecord::HandlingRow, 3> rows;
        for (int j = 0; j < 3; ++j) {
            rows[std::size_t(j)] = record.handlingRow(j);
            for (int axis = 0; axis < 3; ++axis)
                rows[std::size_t(j)][std::size_t(axis)] = scaleByTenths(rows[std::size_t(j)][std::size_t(axis)], LowSpeedReduction[j][axis]);
        }
        record.setHandlingRows(0, rows);
    });
}

int increaseLowSpeedHandling(DataFile &file)
{
    return everyPlane(file, [](PlaneRecord &record) {
        PlaneRecord::HandlingRow row = record.handlingRow(0);
        for (PlaneRecord::Axis axis : {PlaneRecord::Pitch, PlaneRecord::Yaw}) {
            const double raised = scaleByTenths(row[axis], 12);
            row[axis] = raised > 1.0 ? 1.0 : raised;
        }
        record.setHandlingRows(0, std::span(&row, 1));
    });
}

void shiftHandlingUpOneNotch(DataFile &file, int plane, int column, int selectedRow)
{
    const PlaneRecord::Axis axis = notchAxis(file, plane, column, selectedRow);
    PlaneRecord record(file, plane);
    // Grid row r is handling row r − 1.
    for (int r = selectedRow + 1; r <= PlaneRecord::HandlingRows; ++r)
        record.moveHandling(r - 1, r - 2, axis);
}

void shiftHandlingDownOneNotch(DataFile &file, int plane, int column, int selectedRow)
{
    const PlaneRecord::Axis axis = notchAxis(file, plane, column, selectedRow);
    PlaneRecord record(file, plane);
    for (int r = PlaneRecord::HandlingRows; r >= selectedRow + 1; --r)
        record.moveHandling(r - 2, r - 1, axis);
}

} // namespace vw::flightmodel
