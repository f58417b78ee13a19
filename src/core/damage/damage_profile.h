#pragma once

#include "core/datafile/record.h"

#include <QCoreApplication>

namespace vw::damage {

using datafile::DataFile;

// Plane p's slot of the offline damage profile table: 927 bytes at
// DamageProfileStart + 927·(p − 1). The profile is its first 912 bytes; the
// last 15 are never read or written.
template <class File>
class BasicProfileSlot : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = datafile::DamageProfileSlotSize, UsedSize = datafile::DamageProfileUsedSize;
    static constexpr int Parts = 32;
    static constexpr int Damage1Offset = 16, Damage2Offset = 272, ArmorOffset = 528, ModifierOffset = 784;
    enum Column { Damage1 = 0, Damage2 = 1, Armor = 2 };

    BasicProfileSlot(File &file, int plane)
        : Base(file, std::int64_t(file.DamageProfileStart()) + std::int64_t(Size) * (plane - 1)), plane_(plane)
    {
    }

    int plane() const { return plane_; }
    bool exists() const { return plane_ >= 1 && this->file().DamageProfileStart() > 0 && this->inFile(UsedSize); }

    // Part k (1..32): Damage 1, Damage 2 or Armor.
    static constexpr int valueOffset(Column column, int part) { return Damage1Offset + 256 * column + 8 * (part - 1); }
    static constexpr int modifierOffset(int part) { return ModifierOffset + 4 * (part - 1); }
    double value(Column column, int part) const { return this->f64(valueOffset(column, checked(part))); }
    void setValue(Column column, int part, double v) requires Base::Writable
    {
        this->setF64(valueOffset(column, checked(part)), v);
    }
    // The signed 16-bit modifier in the first two bytes of the part's 4; the other two stay.
    int modifier(int part) const { return this->i16(modifierOffset(checked(part))); }
    void setModifier(int part, std::int16_t v) requires Base::Writable { this->setI16(modifierOffset(checked(part)), v); }

    // The 912 bytes of the profile.
    QByteArray profileBytes() const { return this->bytes(0, UsedSize); }
    // Replaces the 912 bytes of the profile; the slot's last 15 bytes stay.
    void setProfileBytes(const QByteArray &profile) requires Base::Writable
    {
        if (profile.size() != UsedSize)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "A damage profile has 912 bytes, not %1.")
                    .arg(profile.size()));
        if (!exists())
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "Plane %1 has no damage profile slot in the file.")
                    .arg(plane_));
        this->file().write(this->offset(), profile);
    }

private:
    int checked(int part) const
    {
        if (part < 1 || part > Parts)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::damage", "The damage profile has parts 1 to 32, not %1.").arg(part));
        return part;
    }

    int plane_;
};

using ProfileSlot = BasicProfileSlot<DataFile>;
using ProfileSlotView = BasicProfileSlot<const DataFile>;

} // namespace vw::damage
