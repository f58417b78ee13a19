#pragma once

#include "core/datafile/record.h"

#include <QCoreApplication>

#include <algorithm>

namespace vw::weapons {

using datafile::DataFile;

// A weapon slot of a configuration: 116 bytes.
template <class File>
class BasicWeaponRecord : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = 116;
    static constexpr int SlotIndexOffset = 0, GroupOffset = 4, AmmoTypeOffset = 8, HeavyAmmoOffset = 12,
                         BurstsOffset = 16, AmmoOffset = 20, PositionXOffset = 24, PositionYOffset = 32,
                         PositionZOffset = 40, FireDelayOffset = 48, DamagePartOffset = 52, TracerOffset = 56,
                         KeyOffset = 60, VerticalControlOffset = 64, VerticalMinOffset = 68,
                         VerticalMaxOffset = 76, HorizontalControlOffset = 84, HorizontalMinOffset = 88,
                         HorizontalMaxOffset = 96, GraphicsOffset = 104, DeviationOffset = 108;
    static constexpr int MaxAmmo = 30000, MaxBursts = 15000, MaxAmmoType = 150, MaxGroup = 20;

    using Base::Base;
    // A writable record also reads as a read-only one.
    template <class Other>
        requires(!Base::Writable && std::is_same_v<Other, DataFile>)
    BasicWeaponRecord(const BasicWeaponRecord<Other> &other) : Base(other.file(), other.offset()) {}

    int slotIndex() const { return this->u8(SlotIndexOffset); }
    int group() const { return this->u8(GroupOffset); }
    int ammoType() const { return this->u8(AmmoTypeOffset); }
    int heavyAmmo() const { return this->u16(HeavyAmmoOffset); }
    int bursts() const { return this->u16(BurstsOffset); }
    int ammo() const { return this->u16(AmmoOffset); }
    double positionX() const { return this->f64(PositionXOffset); }
    double positionY() const { return this->f64(PositionYOffset); }
    double positionZ() const { return this->f64(PositionZOffset); }
    std::int32_t fireDelay() const { return this->i32(FireDelayOffset); }
    std::int32_t damagePart() const { return this->i32(DamagePartOffset); }
    std::int32_t tracerCount() const { return this->i32(TracerOffset); }
    // The key number minus 1, as stored.
    std::int32_t storedKey() const { return this->i32(KeyOffset); }
    std::int32_t verticalControl() const { return this->i32(VerticalControlOffset); }
    double verticalMin() const { return this->f64(VerticalMinOffset); }
    double verticalMax() const { return this->f64(VerticalMaxOffset); }
    std::int32_t horizontalControl() const { return this->i32(HorizontalControlOffset); }
    double horizontalMin() const { return this->f64(HorizontalMinOffset); }
    double horizontalMax() const { return this->f64(HorizontalMaxOffset); }
    std::int32_t graphics() const { return this->i32(GraphicsOffset); }
    double deviation() const { return this->f64(DeviationOffset); }

    // Only the first byte of each of these fields is written; the bytes after it stay.
    void setSlotIndex(int index) requires Base::Writable { this->setU8(SlotIndexOffset, std::uint8_t(index)); }
    void setGroup(int group) requires Base::Writable { this->setU8(GroupOffset, std::uint8_t(std::clamp(group, 0, MaxGroup))); }
    void setAmmoType(int type) requires Base::Writable
    {
        this->setU8(AmmoTypeOffset, std::uint8_t(std::clamp(type, 0, MaxAmmoType)));
    }
    // The 16-bit counts are clamped, stored low byte first, and the two bytes
    // after each field are left alone. Each returns the value stored.
    int setHeavyAmmo(qint64 value) requires Base::Writable { return write16(HeavyAmmoOffset, value, MaxAmmo); }
    int setBursts(qint64 value) requires Base::Writable { return write16(BurstsOffset, value, MaxBursts); }
    int setAmmo(qint64 value) requires Base::Writable { return write16(AmmoOffset, value, MaxAmmo); }
    void setPositionX(double value) requires Base::Writable { this->setF64(PositionXOffset, value); }
    void setPositionY(double value) requires Base::Writable { this->setF64(PositionYOffset, value); }
    void setPositionZ(double value) requires Base::Writable { this->setF64(PositionZOffset, value); }
    void setFireDelay(std::int32_t value) requires Base::Writable { this->setI32(FireDelayOffset, value); }
    void setDamagePart(std::int32_t value) requires Base::Writable { this->setI32(DamagePartOffset, value); }
    void setTracerCount(std::int32_t value) requires Base::Writable { this->setI32(TracerOffset, value); }
    void setStoredKey(std::int32_t value) requires Base::Writable { this->setI32(KeyOffset, value); }
    void setVerticalControl(std::int32_t value) requires Base::Writable { this->setI32(VerticalControlOffset, value); }
    void setVerticalMin(double value) requires Base::Writable { this->setF64(VerticalMinOffset, value); }
    void setVerticalMax(double value) requires Base::Writable { this->setF64(VerticalMaxOffset, value); }
    void setHorizontalControl(std::int32_t value) requires Base::Writable { this->setI32(HorizontalControlOffset, value); }
    void setHorizontalMin(double value) requires Base::Writable { this->setF64(HorizontalMinOffset, value); }
    void setHorizontalMax(double value) requires Base::Writable { this->setF64(HorizontalMaxOffset, value); }
    void setGraphics(std::int32_t value) requires Base::Writable { this->setI32(GraphicsOffset, value); }
    void setDeviation(double value) requires Base::Writable { this->setF64(DeviationOffset, value); }

private:
    int write16(int fieldOffset, qint64 value, int max) requires Base::Writable
    {
        const int stored = int(std::clamp<qint64>(value, 0, max));
        this->setU16(fieldOffset, std::uint16_t(stored));
        return stored;
    }
};

// A weapon configuration (loadout): 1900 bytes, a 32-byte name, the weapon
// count and 16 weapon slots, whatever the count says.
template <class File>
class BasicConfigRecord : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = 1900;
    static constexpr int NameOffset = 0, NameWidth = 32, WeaponCountOffset = 40, FirstWeaponOffset = 44;
    static constexpr int Slots = 16;

    using Base::Base;

    // The name up to its first zero byte, as the lists show it.
    QString name() const
    {
        const QByteArray raw = this->bytes(NameOffset, NameWidth);
        const qsizetype zero = raw.indexOf('\0');
        return QString::fromLatin1(zero < 0 ? raw : raw.left(zero));
    }
    int storedWeaponCount() const { return this->u8(WeaponCountOffset); }
    // The count within the 16 slots the record has.
    int weaponCount() const { return std::min(storedWeaponCount(), Slots); }
    BasicWeaponRecord<File> weapon(int w) const
    {
        if (w < 1 || w > Slots)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::weapons", "A configuration has weapon slots 1 to 16, not %1.").arg(w));
        return this->template sub<BasicWeaponRecord>(FirstWeaponOffset + std::int64_t(BasicWeaponRecord<File>::Size) * (w - 1));
    }

    // The whole 32-byte field is zeroed, then at most 32 characters are stored
    // from its first byte: a name of 32 characters has no terminating zero.
    void setName(const QString &name) requires Base::Writable { this->setText(NameOffset, NameWidth, name); }
    // Clamped to 1..16; slots beyond the count keep their bytes. Returns the count stored.
    int setWeaponCount(int count) requires Base::Writable
    {
        const int stored = std::clamp(count, 1, Slots);
        this->setU8(WeaponCountOffset, std::uint8_t(stored));
        return stored;
    }
};

// The weapons block of a plane record (record offsets 1336..16539): the
// configuration count and eight configuration records. A plane without a
// plane record has none: every access then throws FormatError.
template <class File>
class BasicWeaponsBlock : public datafile::Record<File> {
    using Base = datafile::Record<File>;

public:
    static constexpr int Size = 15204;
    static constexpr int ConfigCountOffset = 0, FirstConfigOffset = 4, Slots = 8;

    BasicWeaponsBlock(File &file, int plane) : Base(file, file.WeaponsBlockStart(plane)), plane_(plane) {}

    int plane() const { return plane_; }
    bool exists() const { return this->file().hasRecord(plane_) && this->inFile(Size); }
    std::int64_t start() const { return this->offset(); }
    int storedConfigCount() const { return require().u8(ConfigCountOffset); }
    // The count within the 8 configuration records the block has.
    int configCount() const { return std::min(storedConfigCount(), Slots); }
    BasicConfigRecord<File> config(int c) const
    {
        if (c < 1 || c > Slots)
            throw datafile::FormatError(
                QCoreApplication::translate("vw::weapons", "A plane has configurations 1 to 8, not %1.").arg(c));
        return require().template sub<BasicConfigRecord>(FirstConfigOffset + std::int64_t(BasicConfigRecord<File>::Size) * (c - 1));
    }
    // Clamped to 1..8; records beyond the count keep their bytes. Returns the count stored.
    int setConfigCount(int count) requires Base::Writable
    {
        const int stored = std::clamp(count, 1, Slots);
        require();
        this->setU8(ConfigCountOffset, std::uint8_t(stored));
        return stored;
    }

    // List items: "1:Default" for a configuration, "2:" + ammunition name for a weapon.
    static QString configItem(int c, const QString &name) { return QString::number(c) + QLatin1Char(':') + name; }
    static QString weaponItem(int w, const QString &ammoName) { return QString::number(w) + QLatin1Char(':') + ammoName; }

private:
    const BasicWeaponsBlock &require() const
    {
        if (!exists())
            throw datafile::FormatError(
                QCoreApplication::translate("vw::weapons",
                                            "Plane %1 has no plane record in the file, so it has no weapons.")
                    .arg(plane_));
        return *this;
    }
    int plane_;
};

// Writable records, and views that only read.
using WeaponRecord = BasicWeaponRecord<DataFile>;
using WeaponRecordView = BasicWeaponRecord<const DataFile>;
using ConfigRecord = BasicConfigRecord<DataFile>;
using ConfigRecordView = BasicConfigRecord<const DataFile>;
using WeaponsBlock = BasicWeaponsBlock<DataFile>;
using WeaponsBlockView = BasicWeaponsBlock<const DataFile>;

} // namespace vw::weapons
