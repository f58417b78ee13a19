#pragma once

#include "datafile/data_file.h"

#include <algorithm>
#include <stdexcept>

namespace vw::weapons {

using datafile::DataFile;

// The records below are views over the file image. Made from a const file they
// only read; made from a writable file they also write, through DataFile::write.
class RecordView {
public:
    RecordView(const DataFile &file, std::int64_t at) : file_(file), at_(at) {}
    RecordView(DataFile &file, std::int64_t at) : file_(file), writable_(&file), at_(at) {}
    std::int64_t offset() const { return at_; }

protected:
    DataFile &writable() const
    {
        if (!writable_)
            throw std::logic_error("a record made from a read-only file cannot write");
        return *writable_;
    }
    template <typename Record> Record sub(std::int64_t at) const
    {
        return writable_ ? Record(*writable_, at) : Record(file_, at);
    }

    const DataFile &file_;
    DataFile *writable_ = nullptr;
    std::int64_t at_;
};

// A weapon slot of a configuration: 116 bytes.
class WeaponRecord : public RecordView {
public:
    static constexpr int Size = 116;
    static constexpr int SlotIndexOffset = 0, GroupOffset = 4, AmmoTypeOffset = 8, HeavyAmmoOffset = 12,
                         BurstsOffset = 16, AmmoOffset = 20, PositionXOffset = 24, PositionYOffset = 32,
                         PositionZOffset = 40, FireDelayOffset = 48, DamagePartOffset = 52, TracerOffset = 56,
                         KeyOffset = 60, VerticalControlOffset = 64, VerticalMinOffset = 68,
                         VerticalMaxOffset = 76, HorizontalControlOffset = 84, HorizontalMinOffset = 88,
                         HorizontalMaxOffset = 96, GraphicsOffset = 104, DeviationOffset = 108;
    static constexpr int MaxAmmo = 30000, MaxBursts = 15000, MaxAmmoType = 150, MaxGroup = 20;

    using RecordView::RecordView;

    int slotIndex() const { return file_.u8(at_ + SlotIndexOffset); }
    int group() const { return file_.u8(at_ + GroupOffset); }
    int ammoType() const { return file_.u8(at_ + AmmoTypeOffset); }
    int heavyAmmo() const { return file_.u16(at_ + HeavyAmmoOffset); }
    int bursts() const { return file_.u16(at_ + BurstsOffset); }
    int ammo() const { return file_.u16(at_ + AmmoOffset); }
    double deviation() const { return file_.f64(at_ + DeviationOffset); }

    // Only the first byte of each field is written; the bytes after it stay.
    void setSlotIndex(int index) const { writable().writeU8(at_ + SlotIndexOffset, std::uint8_t(index)); }
    void setGroup(int group) const { writable().writeU8(at_ + GroupOffset, std::uint8_t(std::clamp(group, 0, MaxGroup))); }
    void setAmmoType(int type) const
    {
        writable().writeU8(at_ + AmmoTypeOffset, std::uint8_t(std::clamp(type, 0, MaxAmmoType)));
    }
    // The 16-bit counts are clamped, stored low byte first, and the two bytes
    // after each field are left alone. Each returns the value stored.
    int setHeavyAmmo(qint64 value) const { return write16(HeavyAmmoOffset, value, MaxAmmo); }
    int setBursts(qint64 value) const { return write16(BurstsOffset, value, MaxBursts); }
    int setAmmo(qint64 value) const { return write16(AmmoOffset, value, MaxAmmo); }
    void setDeviation(double value) const { writable().writeF64(at_ + DeviationOffset, value); }

private:
    int write16(int fieldOffset, qint64 value, int max) const
    {
        const int stored = int(std::clamp<qint64>(value, 0, max));
        writable().writeU16(at_ + fieldOffset, std::uint16_t(stored));
        return stored;
    }
};

// A weapon configuration (loadout): 1900 bytes, a 32-byte name, the weapon
// count and 16 weapon slots, whatever the count says.
class ConfigRecord : public RecordView {
public:
    static constexpr int Size = 1900;
    static constexpr int NameOffset = 0, NameWidth = 32, WeaponCountOffset = 40, FirstWeaponOffset = 44;
    static constexpr int Slots = 16;

    using RecordView::RecordView;

    // The name up to its first zero byte, as the lists show it.
    QString name() const
    {
        const QByteArray raw = file_.bytes(at_ + NameOffset, NameWidth);
        const qsizetype zero = raw.indexOf('\0');
        return QString::fromLatin1(zero < 0 ? raw : raw.left(zero));
    }
    int storedWeaponCount() const { return file_.u8(at_ + WeaponCountOffset); }
    // The count within the 16 slots the record has.
    int weaponCount() const { return std::min(storedWeaponCount(), Slots); }
    WeaponRecord weapon(int w) const
    {
        if (w < 1 || w > Slots)
            throw datafile::FormatError(QStringLiteral("A configuration has weapon slots 1 to 16, not %1.").arg(w));
        return sub<WeaponRecord>(at_ + FirstWeaponOffset + std::int64_t(WeaponRecord::Size) * (w - 1));
    }

    // The whole 32-byte field is zeroed, then at most 32 characters are stored
    // from its first byte: a name of 32 characters has no terminating zero.
    void setName(const QString &name) const { writable().writeText(at_ + NameOffset, NameWidth, name); }
    // Clamped to 1..16; slots beyond the count keep their bytes. Returns the count stored.
    int setWeaponCount(int count) const
    {
        const int stored = std::clamp(count, 1, Slots);
        writable().writeU8(at_ + WeaponCountOffset, std::uint8_t(stored));
        return stored;
    }
};

// The weapons block of a plane record (record offsets 1336..16539): the
// configuration count and eight configuration records.
class WeaponsBlock {
public:
    static constexpr int Size = 15204;
    static constexpr int ConfigCountOffset = 0, FirstConfigOffset = 4, Slots = 8;

    WeaponsBlock(const DataFile &file, int plane) : file_(file), plane_(plane) {}
    WeaponsBlock(DataFile &file, int plane) : file_(file), writable_(&file), plane_(plane) {}

    int plane() const { return plane_; }
    // A plane without a plane record has no weapons block.
    bool exists() const { return file_.hasRecord(plane_) && file_.contains(start(), Size); }
    std::int64_t start() const { return file_.WeaponsBlockStart(plane_); }
    int storedConfigCount() const { return file_.u8(checkedStart() + ConfigCountOffset); }
    // The count within the 8 configuration records the block has.
    int configCount() const { return std::min(storedConfigCount(), Slots); }
    ConfigRecord config(int c) const
    {
        if (c < 1 || c > Slots)
            throw datafile::FormatError(QStringLiteral("A plane has configurations 1 to 8, not %1.").arg(c));
        const std::int64_t at = checkedStart() + FirstConfigOffset + std::int64_t(ConfigRecord::Size) * (c - 1);
        return writable_ ? ConfigRecord(*writable_, at) : ConfigRecord(file_, at);
    }
    // Clamped to 1..8; records beyond the count keep their bytes. Returns the count stored.
    int setConfigCount(int count) const
    {
        if (!writable_)
            throw std::logic_error("a weapons block made from a read-only file cannot write");
        const int stored = std::clamp(count, 1, Slots);
        writable_->writeU8(checkedStart() + ConfigCountOffset, std::uint8_t(stored));
        return stored;
    }

    // List items: "1:Default" for a configuration, "2:" + ammunition name for a weapon.
    static QString configItem(int c, const QString &name) { return QString::number(c) + QLatin1Char(':') + name; }
    static QString weaponItem(int w, const QString &ammoName) { return QString::number(w) + QLatin1Char(':') + ammoName; }

private:
    std::int64_t checkedStart() const
    {
        if (!exists())
            throw datafile::FormatError(
                QStringLiteral("Plane %1 has no plane record in the file, so it has no weapons.").arg(plane_));
        return start();
    }

    const DataFile &file_;
    DataFile *writable_ = nullptr;
    int plane_;
};

} // namespace vw::weapons
