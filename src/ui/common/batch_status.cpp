#include "batch_status.h"

#include "core/weapons/ammo_entry.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

namespace vw::app {

namespace {

// The last ammunition entry the damage buttons change.
constexpr int LastDamageEntry = weapons::AmmoEntryView::Count - 1;

QString entryList(const QList<int> &entries)
{
    QStringList numbers;
    for (int k : entries)
        numbers << QString::number(k);
    return numbers.join(QStringLiteral(", "));
}

} // namespace

QString batchCaption(const BatchOperation &operation)
{
    return QCoreApplication::translate(operation.context, operation.caption);
}

QString batchStatus(const BatchOperation &operation, const BatchOutcome &outcome)
{
    const QString what = batchCaption(operation);
    switch (operation.shape) {
    case BatchShape::Weapons: {
        if (outcome.planesVisited == 0)
            return what + QCoreApplication::translate(
                              "vw::weapons::WeaponAdjustmentsWidget",
                              ": no plane of this file has a plane record, so no weapon changed");
        const QLocale numbers(QLocale::English);
        return QCoreApplication::translate("vw::weapons::WeaponAdjustmentsWidget", "%1: %2 weapons on %3 planes")
            .arg(what, numbers.toString(outcome.weaponsChanged), numbers.toString(outcome.planesVisited));
    }
    case BatchShape::Planes:
        return QCoreApplication::translate("vw::flightmodel::FlightModelAdjustmentsWidget",
                                           "%1: %2 of %3 planes changed.")
            .arg(what)
            .arg(outcome.planesChanged)
            .arg(outcome.planesVisited);
    case BatchShape::HalvedDamage:
        return QCoreApplication::translate("vw::weapons::AmmoPage",
                                           "Half Damage: AP and HE damage of entries 0 to %1 halved.")
            .arg(LastDamageEntry);
    case BatchShape::DoubledDamage:
        if (outcome.keptEntries.isEmpty())
            return QCoreApplication::translate("vw::weapons::AmmoPage",
                                               "Double Damage: AP and HE damage of entries 0 to %1 doubled.")
                .arg(LastDamageEntry);
        return QCoreApplication::translate("vw::weapons::AmmoPage",
                                           "Double Damage: AP and HE damage doubled; the HE damage of %1 %2 was "
                                           "left as it was, as its double would not fit the field.")
            .arg(outcome.keptEntries.size() == 1 ? QCoreApplication::translate("vw::weapons::AmmoPage", "entry")
                                                 : QCoreApplication::translate("vw::weapons::AmmoPage", "entries"),
                 entryList(outcome.keptEntries));
    case BatchShape::FileFormat:
        return outcome.summary;
    }
    return {};
}

} // namespace vw::app
