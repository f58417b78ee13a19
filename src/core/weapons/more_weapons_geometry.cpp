#include "more_weapons_geometry.h"

#include "core/datafile/number_text.h"
#include "core/weapons/weapons_block.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vw::weapons {

namespace {

constexpr double PixelLimit = 100000;

int pixel(double value)
{
    if (std::isnan(value))
        return 0;
    return int(datafile::roundHalfEven(std::clamp(value, -PixelLimit, PixelLimit)));
}

double radians(double degrees)
{
    // Whole degrees reduced first, so huge angles keep their direction.
    return std::fmod(degrees, 360.0) * std::numbers::pi / 180.0;
}

} // namespace

double arcDegrees(const QString &text, QChar separator)
{
    bool whole = false;
    const qint64 integer = datafile::readInteger(text, 0, &whole);
    if (whole)
        return double(integer);
    const double degrees = datafile::roundHalfEven(datafile::readNumber(text, separator));
    return std::isfinite(degrees) ? degrees : 0.0;
}

double largestCoordinate(const std::vector<WeaponPosition> &positions)
{
    double m = 0;
    for (const WeaponPosition &p : positions)
        for (const double v : {p.x, p.y, p.z})
            if (std::fabs(v) > m) // NaN never counts
                m = std::fabs(v);
    return m;
}

int scaledOffset(double value, double largest)
{
    return pixel(value / largest * ViewScale);
}

QPoint topViewPoint(const WeaponPosition &position, double largest)
{
    return {ViewCentre - scaledOffset(position.x, largest), ViewCentre - scaledOffset(position.y, largest)};
}

QPoint frontViewPoint(const WeaponPosition &position, double largest)
{
    return {ViewCentre - scaledOffset(position.x, largest), ViewCentre - scaledOffset(position.z, largest)};
}

QPoint topArcEnd(double degrees)
{
    const double a = radians(degrees);
    return {pixel(ViewCentre + ArcLength * std::sin(a)), pixel(ViewCentre - ArcLength * std::cos(a))};
}

QPoint frontArcEnd(double degrees)
{
    const double b = radians(-degrees);
    return {pixel(ViewCentre + ArcLength * std::cos(b)), pixel(ViewCentre + ArcLength * std::sin(b))};
}

WeaponViewInput weaponViewInput(const DataFile &file, int plane, int config, int currentWeapon,
                                const QString &horizontalMinText, const QString &horizontalMaxText,
                                const QString &verticalMinText, const QString &verticalMaxText, QChar separator)
{
    WeaponViewInput in;
    in.currentWeapon = currentWeapon;
    in.horizontalMin = arcDegrees(horizontalMinText, separator);
    in.horizontalMax = arcDegrees(horizontalMaxText, separator);
    in.verticalMin = arcDegrees(verticalMinText, separator);
    in.verticalMax = arcDegrees(verticalMaxText, separator);
    const WeaponsBlockView block(file, plane);
    if (!block.exists() || config < 1 || config > WeaponsBlockView::Slots)
        return in;
    const ConfigRecordView record = block.config(config);
    const int count = record.weaponCount();
    in.positions.reserve(size_t(count));
    for (int w = 1; w <= count; ++w) {
        const WeaponRecordView weapon = record.weapon(w);
        in.positions.push_back({weapon.positionX(), weapon.positionY(), weapon.positionZ()});
    }
    return in;
}

} // namespace vw::weapons
