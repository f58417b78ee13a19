#pragma once

#include "core/datafile/data_file.h"
#include "core/weapons/weapon_copies.h"

#include <QStringList>

namespace vw::weapons {

using datafile::DataFile;

// What a weapon batch adjustment did, for the status bar and the selection.
struct BatchReport {
    int weaponsChanged = 0;  // weapons whose bytes changed
    int weaponsVisited = 0;  // weapons the step was applied to
    int planesVisited = 0;   // planes with a plane record
    // The weapon the walk ends on: the last plane with a record, its last
    // configuration and the last weapon selected there (weapon 1 when none
    // was). Plane 0 when no plane has a record.
    WeaponSlot last{0, 0, 0};
};

// The six weapon batch adjustments of the Misc page. Each changes one field in
// every weapon 1..count of every configuration 1..count of every plane, and
// stores exactly what the Weapons page and the More Weapons dialog would store
// for that value: the same limits and the same conversions through the shown
// text. Planes without a plane record are skipped; counts above 8 and 16 are
// taken as 8 and 16. Nothing else of a weapon is rewritten.

// "Set Bursts to Ammo as 1 to 1": bursts = ammo, at most 15000.
BatchReport setBurstsToAmmo(DataFile &file);

// "Reduce Deviation": d as shown; above 0.5 it becomes 0.9 d, above 0.8 0.8 d,
// above 0.9 0.7 d, above 1.0 0.6 d, above 1.2 0.5 d; stored as its shown text
// reads back. The double nearest 0.8 counts as above 0.8, the double nearest
// 0.9 as above 0.9, and the double nearest 1.2 as not above 1.2.
BatchReport reduceDeviation(DataFile &file);
double reducedDeviation(double deviation);

// "Set Bomb deviation to": weapons whose ammunition name contains "bomb" in any
// letter case get the deviation read from `fighterText` on planes of type
// "Fighter" (type byte 0) and from `bomberText` on every other plane (a type
// byte other than 0 or 1 is not shown as "Fighter" either). Only matching
// weapons are selected, so `last` names the last bomb of the last configuration.
BatchReport setBombDeviation(DataFile &file, const QString &fighterText, const QString &bomberText,
                             const QStringList &ammoNames, QChar separator = QLatin1Char('.'));

// "Set trasser count": tracer count 4 for ammunition types 0..30.
constexpr int TracerCount = 4, LastTracerAmmoType = 30;
BatchReport setTracerCount(DataFile &file);

// "Reduce Fire Delay Twice": fire delay / 2, truncated towards zero (7 -> 3, -7 -> -3).
BatchReport halveFireDelay(DataFile &file);

// "Remove Skip Bombs": ammunition types 79 -> 66, 80 -> 67, 95 -> 82, 96 -> 83.
int withoutSkipBomb(int ammoType);
BatchReport removeSkipBombs(DataFile &file);

} // namespace vw::weapons
