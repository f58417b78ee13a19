#include "map_undo.h"

#include "core/damage/damage_map.h"

#include <QCoreApplication>

#include <algorithm>

namespace vw::damage {

void MapUndo::SaveMapUndo(const DataFile &file, int plane, int level, QPoint cursor)
{
    const DamageMapView map(file, plane);
    const int previous = map.cell(level, cursor.x(), cursor.y()); // throws before anything is recorded
    if (count() == Capacity)
        entries_.pop_front();
    entries_.push_back({plane, level, cursor.x(), cursor.y(), previous});
}

std::optional<MapUndoEntry> MapUndo::ReadMapUndo(DataFile &file)
{
    if (entries_.empty())
        return std::nullopt;
    const MapUndoEntry entry = entries_.back();
    entries_.pop_back();
    DamageMap map(file, entry.plane);
    if (!map.exists())
        throw datafile::FormatError(
            QCoreApplication::translate("vw::damage",
                                        "Plane %1 no longer has a damage map, so its change cannot be undone.")
                .arg(entry.plane));
    map.setCell(entry.level, entry.column, entry.row, entry.previous);
    return entry;
}

void MapUndo::dropPlane(int plane)
{
    std::erase_if(entries_, [plane](const MapUndoEntry &e) { return e.plane == plane; });
}

} // namespace vw::damage
