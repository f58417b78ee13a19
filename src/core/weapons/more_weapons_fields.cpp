#include "more_weapons_fields.h"

#include "core/datafile/number_text.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace vw::weapons {

namespace {

constexpr qint64 Int32Min = std::numeric_limits<std::int32_t>::min();
constexpr qint64 Int32Max = std::numeric_limits<std::int32_t>::max();

} // namespace

double shownAngleDegrees(double radians)
{
    return datafile::roundHalfEven(radians * 180.0 / std::numbers::pi * 1000.0) / 1000.0;
}

QString angleText(double radians, QChar separator)
{
    return datafile::formatNumber(shownAngleDegrees(radians), separator);
}

double angleFromText(const QString &text, QChar separator)
{
    return datafile::readNumber(text, separator) * std::numbers::pi / 180.0;
}

QString keyText(std::int32_t stored)
{
    return QString::number(qint64(stored) + 1);
}

std::int32_t keyFromText(const QString &text)
{
    bool ok = false;
    const qint64 key = datafile::readInteger(text, 1, &ok);
    // Keys 1 - 2^31 .. 2^31 fit the field; others count as no integer (key 1).
    if (!ok || key <= Int32Min || key > Int32Max + 1)
        return 0;
    return std::int32_t(key - 1);
}

QString integerFieldText(std::int32_t stored)
{
    return QString::number(stored);
}

std::int32_t integerFieldFromText(const QString &text)
{
    bool ok = false;
    const qint64 value = datafile::readInteger(text, 0, &ok);
    return ok && value >= Int32Min && value <= Int32Max ? std::int32_t(value) : 0;
}

} // namespace vw::weapons
