#include "damage_map_edits.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_parts.h"

#include <QCoreApplication>

namespace vw::damage {

void placePart(DataFile &file, MapUndo &undo, int plane, int level, QPoint cursor, int part)
{
    if (part < 0 || part > LastCataloguePart)
        throw datafile::FormatError(
            QCoreApplication::translate("vw::damage", "The parts catalogue has parts 0 to 32, not %1.").arg(part));
    DamageMap map(file, plane);
    undo.SaveMapUndo(file, plane, level, cursor); // refuses a missing map or a cell outside it
    map.setCell(level, cursor.x(), cursor.y(), part);
}

bool shiftLevel(DataFile &file, int plane, int level, ShiftDirection direction, MapUndo *undo)
{
    DamageMap map(file, plane);
    const QByteArray before = map.level(level);
    constexpr int Side = DamageMap::Side;
    // Where the cell now at (x, y) came from.
    int dx = 0, dy = 0;
    switch (direction) {
    case ShiftDirection::Up: dy = 1; break;
    case ShiftDirection::Down: dy = -1; break;
    case ShiftDirection::Left: dx = 1; break;
    case ShiftDirection::Right: dx = -1; break;
    }
    QByteArray after(before.size(), '\0');
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x)
            after[Side * y + x] = before[Side * ((y + dy + Side) % Side) + (x + dx + Side) % Side];
    if (after == before)
        return false;
    map.setLevel(level, after);
    if (undo)
        undo->dropPlane(plane);
    return true;
}

std::array<int, 32> partCounts(const DataFile &file, int plane)
{
    std::array<int, 32> counts{};
    const DamageMapView map(file, plane);
    if (!map.exists())
        return counts;
    for (char c : map.bytes()) {
        const int b = quint8(c);
        if (b >= 1 && b <= LastCataloguePart)
            ++counts[size_t(b - 1)];
    }
    return counts;
}

} // namespace vw::damage
