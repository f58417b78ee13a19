#pragma once

#include "core/datafile/data_file.h"

namespace vw::flightmodel {

using datafile::DataFile;

// The flight-model batch adjustments. The three plane passes walk every plane
// of the list, skip planes without a plane record and return how many planes
// they changed. Values move and are multiplied as doubles, never through
// their shown text, so no decimal separator can cost them a digit.

// "Reduce Roll Inertia": primary rows 4 and 7 times 2.
int reduceRollInertia(DataFile &file);

// "Reduce Low Speed Handling": the handling rows for 0, 40 and 80 mph times
// 0.4/0.4/0.1, 0.7/0.7/0.4 and 0.9/0.9/0.7 (pitch/yaw/roll).
int reduceLowSpeedHandling(DataFile &file);

// "Increase Low Speed Handling": the 0 mph pitch and yaw times 1.2, each
// capped at 1.0; a negative value is multiplied and never capped.
int increaseLowSpeedHandling(DataFile &file);

// "Up One Notch" on the handling grid's selected cell (column 1..3 for pitch,
// yaw, roll; row 1..41 for 0..1600 mph): every value below the selected row
// moves one row towards lower speed, the selected row's value is dropped and
// row 41 keeps its value. With row 41 selected nothing changes. Throws
// FormatError, having written nothing, for a cell outside the grid or a plane
// without a plane record.
void shiftHandlingUpOneNotch(DataFile &file, int plane, int column, int selectedRow);

// "Down One Notch": the values from the selected row to row 40 move one row
// towards higher speed, row 41's value is dropped and the selected row keeps
// its value. Refusals as for Up One Notch.
void shiftHandlingDownOneNotch(DataFile &file, int plane, int column, int selectedRow);

// value × tenths / 10 rounded once to the nearest double, as the exact
// decimal product: 0.5 × 1.2 gives the double of 0.6 and 1 × 0.4 that of 0.4
// on every platform. tenths is 1..15.
double scaleByTenths(double value, int tenths);

} // namespace vw::flightmodel
