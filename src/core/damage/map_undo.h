#pragma once

#include "core/datafile/data_file.h"

#include <QPoint>

#include <deque>
#include <optional>

namespace vw::damage {

using datafile::DataFile;

// One placement as "Undo Last Change" takes it back: where it went and the
// byte the cell held before.
struct MapUndoEntry {
    int plane = 1; // from 1
    int level = 0; // 0..7
    int column = 0;
    int row = 0;
    int previous = 0;
    QPoint cursor() const { return {column, row}; }
    bool operator==(const MapUndoEntry &) const = default;
};

// The damage map's own undo list, shared by all planes and kept in memory
// only: at most 100 placements, the oldest dropped first.
class MapUndo {
public:
    static constexpr int Capacity = 100;

    // Records the cell at the cursor before a placement changes it. Throws
    // FormatError, recording nothing, when the plane has no damage map or the
    // cell lies outside it.
    void SaveMapUndo(const DataFile &file, int plane, int level, QPoint cursor);

    // Writes the newest entry's previous byte back into its cell and removes
    // the entry; the caller then makes that plane, level and cursor current.
    // Nothing when the list is empty. An entry whose plane no longer has a
    // damage map is removed without writing anything, and FormatError says so.
    std::optional<MapUndoEntry> ReadMapUndo(DataFile &file);

    // Forgets the entries of a plane whose map content has moved (a shift or a
    // damage model copy): undoing them would write old bytes into cells that
    // now hold other parts.
    void dropPlane(int plane);

    void clear() { entries_.clear(); }
    int count() const { return int(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // Oldest first.
    const std::deque<MapUndoEntry> &entries() const { return entries_; }

private:
    std::deque<MapUndoEntry> entries_;
};

} // namespace vw::damage
