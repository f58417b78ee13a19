#include "batch_catalogue.h"

#include "core/flightmodel/flight_model_adjustments.h"
#include "core/operations/format_maintenance.h"
#include "core/weapons/ammo_table.h"

#include <QCoreApplication>

#include <algorithm>

namespace vw::app {

using datafile::DataFile;

namespace {

BatchOutcome weaponsOutcome(const weapons::BatchReport &report)
{
    BatchOutcome outcome;
    outcome.weaponsChanged = report.weaponsChanged;
    outcome.weaponsVisited = report.weaponsVisited;
    outcome.planesVisited = report.planesVisited;
    outcome.lastWeapon = report.last;
    return outcome;
}

template <weapons::BatchReport (*Walk)(DataFile &)>
BatchOutcome weaponWalk(DataFile &file)
{
    return weaponsOutcome(Walk(file));
}

template <int (*Pass)(DataFile &)>
BatchOutcome planePass(DataFile &file)
{
    BatchOutcome outcome;
    outcome.planesChanged = Pass(file);
    return outcome;
}

BatchOutcome summaryOutcome(const QString &summary)
{
    BatchOutcome outcome;
    outcome.summary = summary;
    return outcome;
}

constexpr const char *WeaponsGroup = "vw::weapons::WeaponAdjustmentsWidget";
constexpr const char *FlightModelGroup = "vw::flightmodel::FlightModelAdjustmentsWidget";
constexpr const char *FormatGroup = "vw::app::FormatOperationsWidget";
constexpr const char *AmmoGroup = "vw::weapons::AmmoPage";

} // namespace

const QList<BatchOperation> &batchCatalogue()
{
    using G = BatchGroup;
    using S = BatchShape;
    static const QList<BatchOperation> catalogue = {
        {"bursts-to-ammo", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Set Bursts to Ammo as 1 to 1"), "Button16",
         G::WeaponAdjustments, S::Weapons, &weaponWalk<&weapons::setBurstsToAmmo>},
        {"reduce-deviation", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Reduce Deviation"), "Button18",
         G::WeaponAdjustments, S::Weapons, &weaponWalk<&weapons::reduceDeviation>},
        {"bomb-deviation", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Set Bomb deviation to"), "Button21",
         G::WeaponAdjustments, S::Weapons, {}},
        {"tracer-count", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Set trasser count"), "Button22",
         G::WeaponAdjustments, S::Weapons, &weaponWalk<&weapons::setTracerCount>},
        {"halve-fire-delay", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Reduce Fire Delay Twice"), "Button23",
         G::WeaponAdjustments, S::Weapons, &weaponWalk<&weapons::halveFireDelay>},
        {"remove-skip-bombs", WeaponsGroup,
         QT_TRANSLATE_NOOP("vw::weapons::WeaponAdjustmentsWidget", "Remove Skip Bombs"), "Button25",
         G::WeaponAdjustments, S::Weapons, &weaponWalk<&weapons::removeSkipBombs>},
        {"half-damage", AmmoGroup, QT_TRANSLATE_NOOP("vw::weapons::AmmoPage", "Half Damage"), "Button17",
         G::AmmoPage, S::HalvedDamage,
         [](DataFile &f) {
             weapons::halveAmmoDamage(f);
             return BatchOutcome{};
         }},
        {"double-damage", AmmoGroup, QT_TRANSLATE_NOOP("vw::weapons::AmmoPage", "Double Damage"), "Button24",
         G::AmmoPage, S::DoubledDamage,
         [](DataFile &f) {
             BatchOutcome outcome;
             outcome.keptEntries = weapons::doubleAmmoDamage(f);
             return outcome;
         }},
        {"reduce-roll-inertia", FlightModelGroup,
         QT_TRANSLATE_NOOP("vw::flightmodel::FlightModelAdjustmentsWidget", "Reduce Roll Inertia"), "Button14",
         G::FlightModelAdjustments, S::Planes, &planePass<&flightmodel::reduceRollInertia>},
        {"reduce-low-speed-handling", FlightModelGroup,
         QT_TRANSLATE_NOOP("vw::flightmodel::FlightModelAdjustmentsWidget", "Reduce Low Speed Handling"), "Button15",
         G::FlightModelAdjustments, S::Planes, &planePass<&flightmodel::reduceLowSpeedHandling>},
        {"increase-low-speed-handling", FlightModelGroup,
         QT_TRANSLATE_NOOP("vw::flightmodel::FlightModelAdjustmentsWidget", "Increase Low Speed Handling"),
         "Button19", G::FlightModelAdjustments, S::Planes, &planePass<&flightmodel::increaseLowSpeedHandling>},
        {"add-room-for-256-planes", FormatGroup,
         QT_TRANSLATE_NOOP("vw::app::FormatOperationsWidget", "Add header for 128 planes"), "Button29",
         G::MiscFileFormat, S::FileFormat,
         [](DataFile &f) { return summaryOutcome(datafile::addRoomFor256Planes(f).summary); }},
        {"regenerate-offsets", FormatGroup,
         QT_TRANSLATE_NOOP("vw::app::FormatOperationsWidget", "Regenerate Offsets"), "Button10",
         G::MiscFileFormat, S::FileFormat,
         [](DataFile &f) { return summaryOutcome(datafile::regenerateOffsets(f).summary); }},
    };
    return catalogue;
}

const BatchOperation &batchOperation(const char *name)
{
    const QList<BatchOperation> &catalogue = batchCatalogue();
    const auto it = std::find_if(catalogue.cbegin(), catalogue.cend(),
                                 [name](const BatchOperation &op) { return qstrcmp(op.name, name) == 0; });
    Q_ASSERT(it != catalogue.cend());
    return *it;
}

BatchRun bombDeviationRun(const QString &fighter, const QString &bomber, const QStringList &ammoNames,
                          QChar decimalSeparator)
{
    return [=](DataFile &f) {
        return weaponsOutcome(weapons::setBombDeviation(f, fighter, bomber, ammoNames, decimalSeparator));
    };
}

QString batchSentence(BatchShape shape, const BatchOutcome &outcome)
{
    switch (shape) {
    case BatchShape::Weapons:
        return QCoreApplication::translate("vw::app", "%1 of %2 weapons changed on %3 planes")
            .arg(outcome.weaponsChanged)
            .arg(outcome.weaponsVisited)
            .arg(outcome.planesVisited);
    case BatchShape::Planes:
        return QCoreApplication::translate("vw::app", "%1 planes changed").arg(outcome.planesChanged);
    case BatchShape::HalvedDamage:
        return QCoreApplication::translate("vw::app", "AP and HE damage of ammunition 0 to 150 halved");
    case BatchShape::DoubledDamage: {
        QString text = QCoreApplication::translate("vw::app", "AP and HE damage of ammunition 0 to 150 doubled");
        if (!outcome.keptEntries.isEmpty()) {
            QStringList numbers;
            for (int k : outcome.keptEntries)
                numbers << QString::number(k);
            text += QCoreApplication::translate("vw::app",
                                                "; HE damage kept where its double does not fit: ammunition %1")
                        .arg(numbers.join(QStringLiteral(", ")));
        }
        return text;
    }
    case BatchShape::FileFormat:
        return outcome.summary;
    }
    return {};
}

} // namespace vw::app
