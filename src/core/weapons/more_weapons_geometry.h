#pragma once

#include "core/datafile/data_file.h"

#include <QPoint>
#include <QString>

#include <vector>

namespace vw::weapons {

using datafile::DataFile;

// The top and front views of the More Weapons dialog (UpdateGraph): 198 x 198
// visible pixels around the centre (100, 100).
constexpr int ViewSize = 198, ViewCentre = 100, ViewScale = 90, ArcLength = 200;
constexpr int FirstTick = -50, LastTick = 50;

struct WeaponPosition {
    double x = 0, y = 0, z = 0;
};

// What both views show: the positions of weapons 1..count of the current
// configuration, the current weapon, and the firing-arc limits in whole
// degrees as the angle edits show them.
struct WeaponViewInput {
    std::vector<WeaponPosition> positions;
    int currentWeapon = 0; // from 1; 0 or beyond the count: no weapon is highlighted
    double horizontalMin = 0, horizontalMax = 0, verticalMin = 0, verticalMax = 0;
};

// The views' input for a configuration of a plane, with the texts of the four
// angle edits as they stand (a typed angle moves the arcs at the next redraw).
// A plane without a plane record, or a configuration outside 1..8, shows no weapons.
WeaponViewInput weaponViewInput(const DataFile &file, int plane, int config, int currentWeapon,
                                const QString &horizontalMinText, const QString &horizontalMaxText,
                                const QString &verticalMinText, const QString &verticalMaxText,
                                QChar separator = QLatin1Char('.'));

// An arc limit from an angle edit's text: its integer, or, for a text that is
// not a whole number (45.5), the number shown rounded to whole degrees.
// A text that reads as no finite number gives 0.
double arcDegrees(const QString &text, QChar separator = QLatin1Char('.'));

// m: the largest absolute coordinate of the weapons; 0 when there is none.
double largestCoordinate(const std::vector<WeaponPosition> &positions);

// s(v) = N(v / m * 90): pixels from the centre. Offsets a painter cannot take
// (m very close to 0, huge values) are clipped to +-100000; NaN gives 0.
int scaledOffset(double value, double largest);

// The centres of a weapon's squares: (100 - s(X), 100 - s(Y)) and (100 - s(X), 100 - s(Z)).
QPoint topViewPoint(const WeaponPosition &position, double largest);
QPoint frontViewPoint(const WeaponPosition &position, double largest);

// The far ends of the arc lines from the centre. Top view: 0 degrees points up,
// positive angles turn clockwise. Front view: the angle is negated, 0 points
// right and positive vertical angles turn upwards.
QPoint topArcEnd(double degrees);
QPoint frontArcEnd(double degrees);

} // namespace vw::weapons
