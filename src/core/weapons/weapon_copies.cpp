#include "weapon_copies.h"

#include "core/weapons/weapons_block.h"

namespace vw::weapons {

namespace {

bool validPlane(const DataFile &file, int plane)
{
    return plane >= 1 && plane <= file.PlaneCount() && WeaponsBlockView(file, plane).exists();
}

bool validConfig(int c)
{
    return c >= 1 && c <= WeaponsBlock::Slots;
}

bool validSlot(const DataFile &file, const WeaponSlot &slot)
{
    return validPlane(file, slot.plane) && validConfig(slot.config) && slot.weapon >= 1
        && slot.weapon <= ConfigRecord::Slots;
}

void loadout(DataFile &file, int s, int d)
{
    const WeaponsBlock from(file, s), to(file, d);
    const int count = from.storedConfigCount();
    file.copyBytes(from.start() + WeaponsBlock::ConfigCountOffset, to.start() + WeaponsBlock::ConfigCountOffset, 1);
    // A stored count above 8 copies the 8 records the block has.
    for (int c = 1; c <= std::min(count, WeaponsBlock::Slots); ++c)
        file.copyBytes(from.config(c).offset(), to.config(c).offset(), ConfigRecord::Size);
}

} // namespace

bool copyConfig(DataFile &file, int plane, int s, int d)
{
    if (!validPlane(file, plane) || !validConfig(s) || !validConfig(d))
        return false;
    const WeaponsBlock block(file, plane);
    file.copyBytes(block.config(s).offset(), block.config(d).offset(), ConfigRecord::Size);
    return true;
}

bool copyWeapon(DataFile &file, const WeaponSlot &from, const WeaponSlot &to)
{
    if (!validSlot(file, from) || !validSlot(file, to))
        return false;
    const WeaponRecordView source = WeaponsBlock(file, from.plane).config(from.config).weapon(from.weapon);
    WeaponRecord destination = WeaponsBlock(file, to.plane).config(to.config).weapon(to.weapon);
    file.copyBytes(source.offset(), destination.offset(), WeaponRecord::Size);
    destination.setSlotIndex(to.weapon - 1);
    return true;
}

bool copyLoadout(DataFile &file, int s, int d)
{
    if (!validPlane(file, s) || !validPlane(file, d))
        return false;
    loadout(file, s, d);
    return true;
}

bool copy98Nodes(DataFile &file)
{
    if (file.PlaneCount() < Nodes98Last + Nodes98Shift + 1)
        return false;
    for (int k = Nodes98First; k <= Nodes98Last; ++k)
        if (!validPlane(file, k + 1) || !validPlane(file, k + 1 + Nodes98Shift))
            return false;
    for (int k = Nodes98First; k <= Nodes98Last; ++k)
        loadout(file, k + 1, k + 1 + Nodes98Shift);
    return true;
}

} // namespace vw::weapons
