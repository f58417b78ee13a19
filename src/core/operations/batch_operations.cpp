#include "batch_operations.h"

#include "core/workspace/support_files.h"
#include "core/operations/format_maintenance.h"
#include "core/datafile/number_text.h"

#include <QCoreApplication>

#include <algorithm>
#include "core/flightmodel/flight_model_adjustments.h"
#include "core/weapons/ammo_table.h"
#include "core/weapons/weapon_batch.h"

namespace vw::app {

using datafile::DataFile;

namespace {

QString weaponsSentence(const weapons::BatchReport &report)
{
    return QCoreApplication::translate("vw::app", "%1 of %2 weapons changed on %3 planes")
        .arg(report.weaponsChanged)
        .arg(report.weaponsVisited)
        .arg(report.planesVisited);
}

QString planesSentence(int planes)
{
    return QCoreApplication::translate("vw::app", "%1 planes changed").arg(planes);
}

using Run = std::function<QString(DataFile &)>;

struct Named {
    const char *name;
    Run run;
};

const QList<Named> &plainSteps()
{
    static const QList<Named> steps = {
        {"bursts-to-ammo", [](DataFile &f) { return weaponsSentence(weapons::setBurstsToAmmo(f)); }},
        {"reduce-deviation", [](DataFile &f) { return weaponsSentence(weapons::reduceDeviation(f)); }},
        {"bomb-deviation", {}}, // takes its values: see bombDeviation
        {"tracer-count", [](DataFile &f) { return weaponsSentence(weapons::setTracerCount(f)); }},
        {"halve-fire-delay", [](DataFile &f) { return weaponsSentence(weapons::halveFireDelay(f)); }},
        {"remove-skip-bombs", [](DataFile &f) { return weaponsSentence(weapons::removeSkipBombs(f)); }},
        {"half-damage",
         [](DataFile &f) {
             weapons::halveAmmoDamage(f);
             return QCoreApplication::translate("vw::app", "AP and HE damage of ammunition 0 to 150 halved");
         }},
        {"double-damage",
         [](DataFile &f) {
             const QList<int> kept = weapons::doubleAmmoDamage(f);
             QString text = QCoreApplication::translate("vw::app", "AP and HE damage of ammunition 0 to 150 doubled");
             if (!kept.isEmpty()) {
                 QStringList numbers;
                 for (int k : kept)
                     numbers << QString::number(k);
                 text += QCoreApplication::translate("vw::app",
                                                     "; HE damage kept where its double does not fit: ammunition %1")
                             .arg(numbers.join(QStringLiteral(", ")));
             }
             return text;
         }},
        {"reduce-roll-inertia", [](DataFile &f) { return planesSentence(flightmodel::reduceRollInertia(f)); }},
        {"reduce-low-speed-handling",
         [](DataFile &f) { return planesSentence(flightmodel::reduceLowSpeedHandling(f)); }},
        {"increase-low-speed-handling",
         [](DataFile &f) { return planesSentence(flightmodel::increaseLowSpeedHandling(f)); }},
        {"add-room-for-256-planes", [](DataFile &f) { return datafile::addRoomFor256Planes(f).summary; }},
        {"regenerate-offsets", [](DataFile &f) { return datafile::regenerateOffsets(f).summary; }},
    };
    return steps;
}

// "Set Bomb deviation to": bombs are told by the ammunition table's short
// names, as the editor names them without a game executable.
Run bombDeviation(const QString &fighter, const QString &bomber)
{
    return [fighter, bomber](DataFile &f) {
        const QStringList names = buildAmmoNames(std::vector<QString>(AmmoNameCount), f);
        return weaponsSentence(weapons::setBombDeviation(f, fighter, bomber, names));
    };
}

} // namespace

QStringList batchStepNames()
{
    QStringList names;
    for (const Named &step : plainSteps())
        names << QLatin1String(step.name);
    return names;
}

bool batchSteps(const QStringList &names, QList<BatchStep> *steps, QString *error)
{
    QList<BatchStep> found;
    const QString bomb = QStringLiteral("bomb-deviation");
    for (const QString &spec : names) {
        if (spec == bomb || spec.startsWith(bomb + QLatin1Char('='))) {
            QString fighter = QStringLiteral("1"), bomber = QStringLiteral("1.5");
            if (spec != bomb) {
                const QStringList values = spec.mid(bomb.size() + 1).split(QLatin1Char(','));
                if (values.size() != 2 || !datafile::isCompleteNumber(values[0]) ||
                    !datafile::isCompleteNumber(values[1])) {
                    *error = QCoreApplication::translate("vw::app", "%1 needs two numbers, as bomb-deviation=1,1.5")
                                 .arg(spec);
                    return false;
                }
                fighter = values[0];
                bomber = values[1];
            }
            found.append({spec, bombDeviation(fighter, bomber)});
            continue;
        }
        const auto &known = plainSteps();
        const auto it = std::find_if(known.cbegin(), known.cend(), [&](const Named &n) {
            return n.run && spec == QLatin1String(n.name);
        });
        if (it == known.cend()) {
            *error = QCoreApplication::translate("vw::app", "unknown operation \"%1\"; the operations are %2")
                         .arg(spec, batchStepNames().join(QStringLiteral(", ")));
            return false;
        }
        found.append({spec, it->run});
    }
    *steps = found;
    return true;
}

} // namespace vw::app
