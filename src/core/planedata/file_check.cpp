#include "file_check.h"

#include "core/planedata/field_table.h"
#include "core/damage/damage_map.h"
#include "core/datafile/directory_entry.h"

#include <QMap>

#include <functional>
#include <mutex>
#include <unordered_map>
#include <utility>
#include <vector>

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

using Where = std::vector<std::pair<const char *, int>>; // each list's entry on the way: its label and number

// True where a field below `node` is checked; the tables are walked once.
bool holdsChecked(const fields::Node &node)
{
    static std::unordered_map<const fields::Node *, bool> known;
    static std::mutex guard;
    const std::lock_guard lock(guard);
    const std::function<bool(const fields::Node &)> holds = [&](const fields::Node &n) {
        const auto it = known.find(&n);
        if (it != known.end())
            return it->second;
        bool found = n.checkedAs != nullptr;
        for (const fields::Node &m : n.members)
            found = holds(m) || found;
        known.emplace(&n, found);
        return found;
    };
    return holds(node);
}

// The fields the tables mark as checked, below `node`, whose value is outside their range.
void checkRanges(const fields::Node &node, fields::At &at, Where &where, QStringList &findings)
{
    using fields::Node;
    if (!holdsChecked(node) || (node.exists && !node.exists(at)))
        return;
    switch (node.shape) {
    case Node::Leaf: {
        const qint64 value = node.read(at).integer;
        if (value >= node.min && value <= node.max)
            return;
        QString place = QStringLiteral("plane %1").arg(at.plane);
        for (const auto &[label, number] : where)
            place += QStringLiteral(", %1 %2").arg(QLatin1String(label)).arg(number);
        findings << QStringLiteral("%1: %2 %3 is outside %4..%5")
                        .arg(place, QLatin1String(node.checkedAs))
                        .arg(value)
                        .arg(node.min)
                        .arg(node.max);
        return;
    }
    case Node::Object:
        for (const Node &m : node.members)
            checkRanges(m, at, where, findings);
        return;
    case Node::List:
        break;
    }
    const std::size_t level = std::size_t(at.depth++);
    const int n = node.present ? node.present(at) : node.count;
    for (int i = 0; i < n; ++i) {
        at.index[level] = i;
        where.emplace_back(node.label, i + node.first);
        checkRanges(node.element(), at, where, findings);
        where.pop_back();
    }
    at.index[level] = 0;
    --at.depth;
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

    const fields::Node &plane = fields::document().member(QLatin1String("planes"))->element();
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
        fields::At at;
        at.file = &file;
        at.plane = p;
        Where where;
        checkRanges(plane, at, where, findings);
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
