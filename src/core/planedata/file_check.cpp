#include "file_check.h"

#include "core/damage/damage_map.h"
#include "core/datafile/directory_entry.h"
#include "core/weapons/weapons_block.h"

#include <QMap>

namespace vw::app {

using datafile::DataFile;

namespace {

struct Block {
    QString name;
    std::int64_t start;
    std::int64_t length;
    std::int64_t end() const { return start + length; }
};

QString span(const Block &b)
{
    return QStringLiteral("%1 (bytes %2..%3)").arg(b.name).arg(b.start).arg(b.end() - 1);
}

// The shared tables behind the directory, as the layout places them.
QList<Block> sharedTables(const DataFile &file)
{
    const int capacity = datafile::layoutCapacity(file.FileLayout());
    const std::int64_t profiles =
        std::int64_t(datafile::DamageProfileSlotSize) * (capacity - 1) + datafile::DamageProfileUsedSize;
    QList<Block> tables;
    tables.append({QStringLiteral("the directory"), 0, file.WingsTableStart()});
    tables.append({QStringLiteral("the wings table"), file.WingsTableStart(), datafile::WingsTableSize});
    tables.append({QStringLiteral("the damage profile table"), file.DamageProfileStart(), profiles});
    tables.append({QStringLiteral("the ammunition table"), file.AmmoTableStart(), datafile::AmmoTableSize});
    return tables;
}

void checkModel(const DataFile &file, int p, QStringList &findings)
{
    const weapons::WeaponsBlockView block(file, p);
    if (!block.exists())
        return;
    using Weapons = weapons::WeaponsBlockView;
    using Config = weapons::ConfigRecordView;
    using Weapon = weapons::WeaponRecordView;
    const QString plane = QStringLiteral("plane %1").arg(p);
    if (block.storedConfigCount() < 1 || block.storedConfigCount() > Weapons::Slots)
        findings << QStringLiteral("%1: configuration count %2 is outside 1..%3")
                        .arg(plane).arg(block.storedConfigCount()).arg(Weapons::Slots);
    for (int c = 1; c <= block.configCount(); ++c) {
        const Config config = block.config(c);
        if (config.storedWeaponCount() < 1 || config.storedWeaponCount() > Config::Slots)
            findings << QStringLiteral("%1, config %2: weapon count %3 is outside 1..%4")
                            .arg(plane).arg(c).arg(config.storedWeaponCount()).arg(Config::Slots);
        for (int w = 1; w <= config.weaponCount(); ++w) {
            const Weapon weapon = config.weapon(w);
            if (weapon.ammoType() > Weapon::MaxAmmoType)
                findings << QStringLiteral("%1, config %2, weapon %3: ammunition type %4 is outside 0..%5")
                                .arg(plane).arg(c).arg(w).arg(weapon.ammoType()).arg(Weapon::MaxAmmoType);
            if (weapon.group() > Weapon::MaxGroup)
                findings << QStringLiteral("%1, config %2, weapon %3: group %4 is outside 0..%5")
                                .arg(plane).arg(c).arg(w).arg(weapon.group()).arg(Weapon::MaxGroup);
        }
    }
}

} // namespace

QStringList checkFile(const DataFile &file)
{
    QStringList findings;
    const int capacity = datafile::layoutCapacity(file.FileLayout());
    const QList<Block> tables = sharedTables(file);
    for (const Block &table : tables.mid(1))
        if (!file.contains(table.start, table.length))
            findings << QStringLiteral("%1 lies outside the file of %2 bytes").arg(span(table)).arg(file.FileSize());

    // Each plane's blocks as its directory entry names them.
    QList<Block> blocks;
    QMap<std::int64_t, QList<int>> recordUsers, mapUsers;
    for (int p = 1; p <= file.PlaneCount(); ++p) {
        const datafile::DirectoryEntryView entry(file, p);
        if (!entry.inDirectory()) {
            findings << QStringLiteral("plane %1: its directory entry lies outside the layout's directory area "
                                       "(planes 1 to %2)")
                            .arg(p)
                            .arg(capacity);
            continue;
        }
        const struct {
            std::int64_t offset;
            int length;
            const char *what;
            QMap<std::int64_t, QList<int>> &users;
        } named[] = {{entry.storedRecordOffset(), datafile::PlaneRecordSize, "plane record", recordUsers},
                     {entry.storedDamageMapOffset(), datafile::DamageMapSize, "damage map", mapUsers}};
        for (const auto &n : named) {
            if (n.offset == 0)
                continue;
            const Block b{QStringLiteral("plane %1's %2").arg(p).arg(QLatin1String(n.what)), n.offset, n.length};
            if (!file.contains(b.start, b.length)) {
                findings << QStringLiteral("%1 lies outside the file of %2 bytes").arg(span(b)).arg(file.FileSize());
                continue;
            }
            if (n.users[n.offset].size() == 0)
                blocks.append(b);
            n.users[n.offset].append(p);
        }
        checkModel(file, p, findings);
    }

    for (const auto &[users, what] : {std::pair{&recordUsers, "plane record"}, std::pair{&mapUsers, "damage map"}})
        for (auto it = users->cbegin(); it != users->cend(); ++it)
            if (it.value().size() > 1) {
                QStringList planes;
                for (int p : it.value())
                    planes << QString::number(p);
                findings << QStringLiteral("planes %1 share the %2 at offset %3")
                                .arg(planes.join(QStringLiteral(", ")), QLatin1String(what))
                                .arg(it.key());
            }

    // Overlaps: each block against the tables and the blocks after it.
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        const Block &a = blocks[i];
        const auto overlaps = [&](const Block &b) { return a.start < b.end() && b.start < a.end(); };
        for (const Block &table : tables)
            if (table.length > 0 && overlaps(table))
                findings << QStringLiteral("%1 overlaps %2").arg(span(a), span(table));
        for (qsizetype j = i + 1; j < blocks.size(); ++j)
            if (overlaps(blocks[j]))
                findings << QStringLiteral("%1 overlaps %2").arg(span(a), span(blocks[j]));
    }
    return findings;
}

} // namespace vw::app
