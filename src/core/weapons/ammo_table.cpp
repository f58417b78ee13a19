#include "ammo_table.h"

#include "core/datafile/number_text.h"
#include "core/weapons/ammo_entry.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

namespace vw::weapons {

namespace {

constexpr int Entries = AmmoEntryView::Count;

void requireTable(const DataFile &file)
{
    if (!AmmoEntryView(file, 0).exists() || !AmmoEntryView(file, Entries - 1).exists())
        throw datafile::FormatError(
            QCoreApplication::translate("vw::weapons",
                                        "The file's ammunition table does not hold the %1 entries the editor uses.")
                .arg(Entries));
}

// A whole number from the clipboard for a 32-bit field.
std::int32_t wholeNumber(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = datafile::roundHalfEven(value);
    return std::int32_t(std::clamp<double>(rounded, std::numeric_limits<std::int32_t>::min(),
                                           std::numeric_limits<std::int32_t>::max()));
}

} // namespace

AmmoClipboard copyAllAmmo(const DataFile &file)
{
    requireTable(file);
    AmmoClipboard clipboard;
    for (int k = 0; k < Entries; ++k) {
        const AmmoEntryView entry(file, k);
        clipboard.setSlot(k, {entry.apDamage(), double(entry.heDamage()), entry.heRange(), entry.weight(),
                              double(entry.param1()), double(entry.param2())});
    }
    return clipboard;
}

bool pasteAllAmmo(DataFile &file, const AmmoClipboard &clipboard)
{
    if (clipboard.isEmpty())
        return false;
    requireTable(file);
    for (int k = 0; k < Entries; ++k) {
        const AmmoSlot &slot = clipboard.slot(k);
        AmmoEntry entry(file, k);
        entry.setApDamage(slot.apDamage);
        entry.setHeDamage(wholeNumber(slot.heDamage));
        entry.setHeRange(slot.heRange);
        entry.setWeight(slot.weight);
        entry.setParam1(wholeNumber(slot.param1));
        entry.setParam2(wholeNumber(slot.param2));
    }
    return true;
}

void halveAmmoDamage(DataFile &file)
{
    requireTable(file);
    for (int k = 0; k < Entries; ++k) {
        AmmoEntry entry(file, k);
        entry.setApDamage(datafile::shownValue(datafile::shownValue(entry.apDamage()) / 2));
        const double h = entry.heDamage();
        entry.setHeDamage(std::int32_t(datafile::roundHalfEven(h / 2 + 0.5)));
    }
}

QList<int> doubleAmmoDamage(DataFile &file)
{
    requireTable(file);
    QList<int> kept;
    for (int k = 0; k < Entries; ++k) {
        AmmoEntry entry(file, k);
        entry.setApDamage(datafile::shownValue(datafile::shownValue(entry.apDamage()) * 2));
        const qint64 doubled = qint64(entry.heDamage()) * 2;
        if (doubled < std::numeric_limits<std::int32_t>::min() || doubled > std::numeric_limits<std::int32_t>::max())
            kept << k;
        else
            entry.setHeDamage(std::int32_t(doubled));
    }
    return kept;
}

} // namespace vw::weapons
