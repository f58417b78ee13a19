#include "plane_record.h"

#include "datafile/number_text.h"

#include <cmath>
#include <limits>

namespace vw::flightmodel {

namespace {

void requireMatrixCell(int col, int row)
{
    if (!PlaneRecord::inMatrix(col, row))
        throw datafile::FormatError(QStringLiteral("Engine power cell (%1, %2) is outside the 20 x 80 matrix.")
                                        .arg(col)
                                        .arg(row));
}

} // namespace

void PlaneRecord::setSpeedPointCount(int count)
{
    file_.writeU8(at(SpeedPointCountOffset), std::uint8_t(std::clamp(count, 1, MatrixColumns)));
}

void PlaneRecord::setAltitudeRowCount(int count)
{
    file_.writeU8(at(AltitudeRowCountOffset), std::uint8_t(std::clamp(count, 1, MatrixRows)));
}

double PlaneRecord::power(int col, int row) const
{
    requireMatrixCell(col, row);
    return number(powerOffset(col, row));
}

void PlaneRecord::setPower(int col, int row, double value)
{
    requireMatrixCell(col, row);
    setNumber(powerOffset(col, row), value);
}

int PlaneRecord::speed(int col) const
{
    requireMatrixCell(col, 1);
    return file_.i32(at(speedOffset(col)));
}

void PlaneRecord::setSpeed(int col, std::int32_t mph)
{
    requireMatrixCell(col, 1);
    file_.writeI32(at(speedOffset(col)), mph);
}

void PlaneRecord::setWepTimeSeconds(WepTime which, double seconds)
{
    const double ms = datafile::roundHalfEven(seconds * 1000.0);
    if (!(ms >= double(std::numeric_limits<std::int32_t>::min()) && ms <= double(std::numeric_limits<std::int32_t>::max())))
        throw datafile::FormatError(
            QStringLiteral("Integer overflow: %1 seconds is %2 milliseconds, more than a WEP time holds "
                           "(-2147483648 to 2147483647). The time keeps its value.")
                .arg(datafile::formatNumber(seconds), datafile::formatNumber(ms)));
    file_.writeI32(at(wepTimeOffset(which)), std::int32_t(ms));
}

qint64 PlaneRecord::wepSecondsShown(std::int32_t ms)
{
    return qint64(datafile::roundHalfEven(double(ms) / 1000.0));
}

} // namespace vw::flightmodel
