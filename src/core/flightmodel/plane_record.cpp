#include "plane_record.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace vw::flightmodel {

void requireMatrixCell(int col, int row)
{
    if (!PlaneRecordView::inMatrix(col, row))
        throw datafile::FormatError(
            QCoreApplication::translate("vw::flightmodel", "Engine power cell (%1, %2) is outside the 20 x 80 matrix.")
                .arg(col)
                .arg(row));
}

std::int32_t wepMilliseconds(double seconds)
{
    const double ms = datafile::roundHalfEven(seconds * 1000.0);
    if (!(ms >= double(std::numeric_limits<std::int32_t>::min()) && ms <= double(std::numeric_limits<std::int32_t>::max())))
        throw datafile::FormatError(
            QCoreApplication::translate("vw::flightmodel",
                                        "Integer overflow: %1 seconds is %2 milliseconds, more than a WEP time holds "
                                        "(-2147483648 to 2147483647). The time keeps its value.")
                .arg(datafile::formatNumber(seconds), datafile::formatNumber(ms)));
    return std::int32_t(ms);
}

} // namespace vw::flightmodel
