#pragma once

#include "core/damage/map_undo.h"

#include <QPoint>

#include <array>

namespace vw::damage {

// Image4DblClick: puts a catalogue part (0..32) into the cursor cell of a level,
// after recording the cell's old byte with SaveMapUndo. Throws FormatError,
// changing nothing, for a plane without a damage map, a cell outside the map
// or a part outside the catalogue.
void placePart(DataFile &file, MapUndo &undo, int plane, int level, QPoint cursor, int part);

// SpeedButton7..10: rotates a whole level by one cell, wrapping around.
enum class ShiftDirection { Up, Down, Left, Right };

// Shifts one level of a plane's map; other levels stay. Returns whether the map
// changed. When it did and an undo list is given, that plane's entries are
// dropped from it (their cells have moved). Throws FormatError, changing
// nothing, for a plane without a damage map or a level outside 0..7.
bool shiftLevel(DataFile &file, int plane, int level, ShiftDirection direction, MapUndo *undo = nullptr);

// The damage part counts of a plane: element i - 1 counts the bytes equal to
// part i (1..32) over all 8192 cells. All zero for a plane without a damage map.
std::array<int, 32> partCounts(const DataFile &file, int plane);

} // namespace vw::damage
