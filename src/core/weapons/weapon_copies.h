#pragma once

#include "core/datafile/data_file.h"

namespace vw::weapons {

using datafile::DataFile;

// One weapon slot of the file: plane, configuration and weapon, each from 1.
struct WeaponSlot {
    int plane = 1;
    int config = 1;
    int weapon = 1;
};

// The weapon copies overwrite fixed slots of the weapons block and never move
// data or change a count they do not copy. Each returns false, having written
// nothing, when the copy is not possible: a plane without a plane record (and
// so without a weapons block), or a configuration or slot outside the block.

// "Copy config": the 1900 bytes of configuration s of a plane over configuration
// d of the same plane. The configuration count is not changed.
bool copyConfig(DataFile &file, int plane, int s, int d);

// "Copy weapon": the 116 bytes of one weapon record over another, then the
// destination's 0-based slot index into its first byte.
bool copyWeapon(DataFile &file, const WeaponSlot &from, const WeaponSlot &to);

// The loadout copy of one plane: the configuration count byte of S, then
// configurations 1..count of S over the same configurations of D. D's
// configurations above the copied count keep their bytes.
bool copyLoadout(DataFile &file, int s, int d);

// "Copy 98 nodes": the loadouts of planes 3..99 onto planes 102..198, in
// ascending order. Refused as a whole when the file has fewer than 198 planes or
// any of those planes has no weapons block.
constexpr int Nodes98First = 2, Nodes98Last = 98, Nodes98Shift = 99;
bool copy98Nodes(DataFile &file);

} // namespace vw::weapons
