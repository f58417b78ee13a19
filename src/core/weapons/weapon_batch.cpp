#include "weapon_batch.h"

#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_header.h"
#include "core/weapons/weapons_block.h"

namespace vw::weapons {

namespace {

// The walk of the weapon lists: every plane with a record, configurations
// 1..count, weapons 1..count. `step` changes one weapon and returns false when
// it does not select it (the weapon does not take part).
template <class Step>
BatchReport walkWeapons(DataFile &file, Step step)
{
    BatchReport report;
    for (int plane = 1; plane <= file.PlaneCount(); ++plane) {
        WeaponsBlock block(file, plane);
        if (!block.exists())
            continue;
        ++report.planesVisited;
        report.last = {plane, 1, 1};
        const int configs = block.configCount();
        for (int c = 1; c <= configs; ++c) {
            report.last = {plane, c, 1};
            const ConfigRecord config = block.config(c);
            const int weapons = config.weaponCount();
            for (int w = 1; w <= weapons; ++w) {
                WeaponRecord weapon = config.weapon(w);
                const std::uint64_t before = file.revision();
                if (!step(plane, weapon))
                    continue;
                report.last.weapon = w;
                ++report.weaponsVisited;
                if (file.revision() != before)
                    ++report.weaponsChanged;
            }
        }
    }
    return report;
}

} // namespace

BatchReport setBurstsToAmmo(DataFile &file)
{
    return walkWeapons(file, [](int, WeaponRecord &weapon) {
        weapon.setBursts(weapon.ammo());
        return true;
    });
}

double reducedDeviation(double deviation)
{
    const double d = datafile::shownValue(deviation);
    // The thresholds are the extended-precision constants of the original
    // command. As plain doubles: d > 0.8L holds from the double nearest 0.8 on,
    // d > 0.9L from the double nearest 0.9 on, and d > 1.2L only above the
    // double nearest 1.2 (which lies below 1.2).
    double value = d;
    if (d > 0.5)
        value = 0.9 * d;
    if (d >= 0.8)
        value = 0.8 * d;
    if (d >= 0.9)
        value = 0.7 * d;
    if (d > 1.0)
        value = 0.6 * d;
    if (d > 1.2)
        value = 0.5 * d;
    return datafile::shownValue(value);
}

BatchReport reduceDeviation(DataFile &file)
{
    return walkWeapons(file, [](int, WeaponRecord &weapon) {
        weapon.setDeviation(reducedDeviation(weapon.deviation()));
        return true;
    });
}

BatchReport setBombDeviation(DataFile &file, const QString &fighterText, const QString &bomberText,
                             const QStringList &ammoNames, QChar separator)
{
    const double fighter = datafile::readNumber(fighterText, separator);
    const double bomber = datafile::readNumber(bomberText, separator);
    std::vector<bool> isBomb(256);
    for (int type = 0; type < int(isBomb.size()); ++type)
        isBomb[size_t(type)] = ammoNames.value(type).contains(QLatin1String("bomb"), Qt::CaseInsensitive);
    int typePlane = 0;
    double deviation = 0;
    return walkWeapons(file, [&](int plane, WeaponRecord &weapon) {
        if (!isBomb[size_t(weapon.ammoType())])
            return false;
        if (plane != typePlane) {
            typePlane = plane;
            const bool isFighter =
                flightmodel::PlaneHeaderView(file, plane).planeType() == flightmodel::PlaneHeaderView::Fighter;
            deviation = isFighter ? fighter : bomber;
        }
        weapon.setDeviation(deviation);
        return true;
    });
}

BatchReport setTracerCount(DataFile &file)
{
    return walkWeapons(file, [](int, WeaponRecord &weapon) {
        if (weapon.ammoType() <= LastTracerAmmoType)
            weapon.setTracerCount(TracerCount);
        return true;
    });
}

BatchReport halveFireDelay(DataFile &file)
{
    return walkWeapons(file, [](int, WeaponRecord &weapon) {
        weapon.setFireDelay(weapon.fireDelay() / 2); // C++ division truncates towards zero
        return true;
    });
}

int withoutSkipBomb(int ammoType)
{
    switch (ammoType) {
    case 79: return 66;
    case 80: return 67;
    case 95: return 82;
    case 96: return 83;
    default: return ammoType;
    }
}

BatchReport removeSkipBombs(DataFile &file)
{
    return walkWeapons(file, [](int, WeaponRecord &weapon) {
        const int type = weapon.ammoType();
        if (withoutSkipBomb(type) != type)
            weapon.setAmmoType(withoutSkipBomb(type));
        return true;
    });
}

} // namespace vw::weapons
