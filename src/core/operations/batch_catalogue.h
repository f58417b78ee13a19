#pragma once

#include "core/datafile/data_file.h"
#include "core/weapons/weapon_batch.h"

#include <QList>
#include <QString>

#include <functional>

namespace vw::app {

// Where an operation's button sits: the three groups of the Misc page and the
// Ammo page.
enum class BatchGroup { WeaponAdjustments, FlightModelAdjustments, MiscFileFormat, AmmoPage };

// How an operation's result is told: the counts of a weapon walk, the planes
// a flight-model pass changed, the ammunition damage halved or doubled, or
// the sentence of a format operation.
enum class BatchShape { Weapons, Planes, HalvedDamage, DoubledDamage, FileFormat };

// What one run of an operation did.
struct BatchOutcome {
    int weaponsChanged = 0; // weapons whose bytes changed
    int weaponsVisited = 0; // weapons the step was applied to
    int planesVisited = 0;  // planes with a plane record (weapon walks)
    int planesChanged = 0;  // planes a flight-model pass changed
    weapons::WeaponSlot lastWeapon{0, 0, 0}; // the weapon a walk ends on; plane 0 when none
    QList<int> keptEntries; // ammunition whose HE damage could not be doubled
    QString summary;        // the sentence of a format operation
};

using BatchRun = std::function<BatchOutcome(datafile::DataFile &)>;

// One batch operation, as vornwing-cli's batch command names it and as the
// editor's button shows it. `caption` is the button's text, translated in
// `context`; `button` is the button's object name. `run` changes the file
// (FormatError when it refuses); it is empty for "bomb-deviation", whose two
// values come from the caller: see bombDeviationRun.
struct BatchOperation {
    const char *name;
    const char *context;
    const char *caption;
    const char *button;
    BatchGroup group;
    BatchShape shape;
    BatchRun run;
};

// Every batch operation, in the order of the Misc page and then the Ammo page.
const QList<BatchOperation> &batchCatalogue();

// The operation called `name`; it must be one of the catalogue's.
const BatchOperation &batchOperation(const char *name);

// "Set Bomb deviation to" with the deviations of fighters' and bombers' bombs
// as typed, bombs told by `ammoNames`.
BatchRun bombDeviationRun(const QString &fighter, const QString &bomber, const QStringList &ammoNames,
                          QChar decimalSeparator = QLatin1Char('.'));

// The sentence vornwing-cli's batch command prints for one run.
QString batchSentence(BatchShape shape, const BatchOutcome &outcome);

} // namespace vw::app
