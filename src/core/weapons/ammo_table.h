#pragma once

#include "core/datafile/data_file.h"

#include <QList>

#include <array>

namespace vw::weapons {

using datafile::DataFile;

// One slot of the ammunition clipboard: the six numbers of an entry.
struct AmmoSlot {
    double apDamage = 0, heDamage = 0, heRange = 0, weight = 0, param1 = 0, param2 = 0;
};

// The ammunition clipboard: 256 slots, empty until "Copy All Data", kept when
// another file is loaded, so it carries one file's numbers over to another.
class AmmoClipboard {
public:
    static constexpr int Slots = 256;

    bool isEmpty() const { return !filled_; }
    const AmmoSlot &slot(int k) const { return slots_.at(size_t(k)); }
    void setSlot(int k, const AmmoSlot &slot)
    {
        slots_.at(size_t(k)) = slot;
        filled_ = true;
    }

private:
    std::array<AmmoSlot, Slots> slots_{};
    bool filled_ = false;
};

// The ammunition commands work on entries 0..150 and throw FormatError before
// writing anything when the file's ammunition table does not hold them all.

// "Copy All Data": the six numbers of entries 0..150; the file is not changed.
AmmoClipboard copyAllAmmo(const DataFile &file);

// "Paste All Data": AP damage, HE range and weight from the slots; HE damage
// and the two params rounded to the nearest integer (ties to even). The
// ammunition names are not touched. An empty clipboard is refused: returns
// false and writes nothing.
bool pasteAllAmmo(DataFile &file, const AmmoClipboard &clipboard);

// "Half Damage": AP damage halved through its shown text; HE damage h becomes
// N(h / 2 + 0.5), so 2 stays 2 and 4 becomes 2.
void halveAmmoDamage(DataFile &file);

// "Double Damage": AP damage doubled through its shown text, HE damage doubled.
// An HE damage whose double does not fit the 32-bit field stays as it was;
// returns those entries so the user can be told.
QList<int> doubleAmmoDamage(DataFile &file);

} // namespace vw::weapons
