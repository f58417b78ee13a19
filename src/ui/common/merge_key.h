#pragma once

#include <QString>

namespace vw::app {

// What an undo step belongs to. Consecutive steps with the same key merge into
// one (keystrokes typed into one field, one grid cell); a step without a key
// never merges. The key names the field and what it edits: the file as a
// whole, a plane, a configuration's weapon, or a grid cell of a plane, so that
// typing into the same field on two planes makes two steps.
struct MergeKey {
    QString field; // the widget or grid, by its name; empty: the step never merges
    int plane = 0, config = 0, weapon = 0;
    int col = -1, row = -1;

    static MergeKey none() { return {}; }
    // A field of the file as a whole ("File Version:", "Number of Planes:").
    static MergeKey forFile(const QString &field) { return {field}; }
    static MergeKey forPlane(const QString &field, int plane) { return {field, plane}; }
    static MergeKey forWeapon(const QString &field, int plane, int config, int weapon)
    {
        return {field, plane, config, weapon};
    }
    static MergeKey forCell(const QString &grid, int plane, int col, int row) { return {grid, plane, 0, 0, col, row}; }

    bool isNone() const { return field.isEmpty(); }
    friend bool operator==(const MergeKey &, const MergeKey &) = default;
};

} // namespace vw::app
