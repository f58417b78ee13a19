#pragma once

#include "core/damage/map_undo.h"

#include <QString>

namespace vw::damage {

// The outcome of a damage model copy: done, or refused with the reason.
struct CopyResult {
    bool copied = false;
    QString reason; // empty when copied
    explicit operator bool() const { return copied; }
};

// Button6Click's copy: with `map` the 8192 bytes of the source plane's damage
// map over the destination's, with `values` bytes 0..911 of the source's offline
// profile slot over the destination's (its last 15 bytes stay). Source and
// destination may be the same plane; with neither part chosen nothing is
// written and the copy counts as done. Refused as a whole, writing nothing,
// when a plane is outside the plane list or a chosen part is missing on either
// plane. When the destination's map changed, its entries are dropped from the
// given undo list.
CopyResult copyDamageModel(DataFile &file, int from, int to, bool map, bool values, MapUndo *undo = nullptr);

} // namespace vw::damage
