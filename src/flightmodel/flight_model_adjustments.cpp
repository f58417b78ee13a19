#include "flight_model_adjustments.h"

#include "flightmodel/plane_copies.h"
#include "flightmodel/plane_record.h"

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

struct HandlingFactor {
    int row;
    PlaneRecord::Axis axis;
    int tenths;
};

constexpr HandlingFactor LowSpeedReduction[] = {
    {0, PlaneRecord::Pitch, 4}, {0, PlaneRecord::Yaw, 4}, {0, PlaneRecord::Roll, 1},
    {1, PlaneRecord::Pitch, 7}, {1, PlaneRecord::Yaw, 7}, {1, PlaneRecord::Roll, 4},
    {2, PlaneRecord::Pitch, 9}, {2, PlaneRecord::Yaw, 9}, {2, PlaneRecord::Roll, 7},
};

// The handling column of a grid cell, checked before anything is written.
PlaneRecord::Axis notchAxis(const DataFile &file, int plane, int column, int selectedRow)
{
    if (QString reason = planeRecordRefusal(file, plane, QStringLiteral("current")); !reason.isEmpty())
        throw datafile::FormatError(reason);
    if (column < 1 || column > 3 || selectedRow < 1 || selectedRow > PlaneRecord::HandlingRows)
        throw datafile::FormatError(QStringLiteral("The handling grid has columns 1 to 3 and rows 1 to 41, not (%1, %2).")
                                        .arg(column)
                                        .arg(selectedRow));
    return PlaneRecord::Axis(column - 1);
}

} // namespace

double scaleByTenths(double value, int tenths)
{
    if (tenths < 1 || tenths > 15)
        throw datafile::FormatError(QStringLiteral("A factor of %1 tenths is outside 1..15.").arg(tenths));
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
    return everyPlane(file, [](PlaneRecord &record) {
        for (int row : {PlaneRecord::RollInertiaRow1, PlaneRecord::RollInertiaRow2})
            record.setPrimary(row, record.primary(row) * 2); // exact in binary
    });
}

int reduceLowSpeedHandling(DataFile &file)
{
    return everyPlane(file, [](PlaneRecord &record) {
        for (const HandlingFactor &f : LowSpeedReduction)
            record.setHandling(f.row, f.axis, scaleByTenths(record.handling(f.row, f.axis), f.tenths));
    });
}

int increaseLowSpeedHandling(DataFile &file)
{
    return everyPlane(file, [](PlaneRecord &record) {
        for (PlaneRecord::Axis axis : {PlaneRecord::Pitch, PlaneRecord::Yaw}) {
            const double raised = scaleByTenths(record.handling(0, axis), 12);
            record.setHandling(0, axis, raised > 1.0 ? 1.0 : raised);
        }
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
