#pragma once

#include "datafile/data_file.h"

namespace vw::weapons {

using datafile::DataFile;

// A weapon slot of a configuration: 116 bytes.
class WeaponRecord {
public:
    static constexpr int Size = 116;
    static constexpr int SlotIndexOffset = 0, GroupOffset = 4, AmmoTypeOffset = 8, HeavyAmmoOffset = 12,
                         BurstsOffset = 16, AmmoOffset = 20, PositionXOffset = 24, PositionYOffset = 32,
                         PositionZOffset = 40, FireDelayOffset = 48, DamagePartOffset = 52, TracerOffset = 56,
                         KeyOffset = 60, VerticalControlOffset = 64, VerticalMinOffset = 68,
                         VerticalMaxOffset = 76, HorizontalControlOffset = 84, HorizontalMinOffset = 88,
                         HorizontalMaxOffset = 96, GraphicsOffset = 104, DeviationOffset = 108;
    static constexpr int MaxAmmo = 30000, MaxBursts = 15000, MaxAmmoType = 150;

    WeaponRecord(const DataFile &file, std::int64_t at) : file_(file), at_(at) {}
    std::int64_t offset() const { return at_; }

    int group() const { return file_.u8(at_ + GroupOffset); }
    int ammoType() const { return file_.u8(at_ + AmmoTypeOffset); }
    int heavyAmmo() const { return file_.u16(at_ + HeavyAmmoOffset); }
    int bursts() const { return file_.u16(at_ + BurstsOffset); }
    int ammo() const { return file_.u16(at_ + AmmoOffset); }
    double deviation() const { return file_.f64(at_ + DeviationOffset); }

private:
    const DataFile &file_;
    std::int64_t at_;
};

// A weapon configuration (loadout): 1900 bytes, a 32-byte name, the weapon
// count and 16 weapon slots, whatever the count says.
class ConfigRecord {
public:
    static constexpr int Size = 1900;
    static constexpr int NameOffset = 0, NameWidth = 32, WeaponCountOffset = 40, FirstWeaponOffset = 44;
    static constexpr int Slots = 16;

    ConfigRecord(const DataFile &file, std::int64_t at) : file_(file), at_(at) {}
    std::int64_t offset() const { return at_; }

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
    WeaponRecord weapon(int w) const { return WeaponRecord(file_, at_ + FirstWeaponOffset + std::int64_t(WeaponRecord::Size) * (w - 1)); }

private:
    const DataFile &file_;
    std::int64_t at_;
};

// The weapons block of a plane record (record offsets 1336..16539): the
// configuration count and eight configuration records.
class WeaponsBlock {
public:
    static constexpr int Size = 15204;
    static constexpr int ConfigCountOffset = 0, FirstConfigOffset = 4, Slots = 8;

    WeaponsBlock(const DataFile &file, int plane) : file_(file), plane_(plane) {}

    // A plane without a plane record has no weapons block.
    bool exists() const { return file_.hasRecord(plane_) && file_.contains(start(), Size); }
    std::int64_t start() const { return file_.WeaponsBlockStart(plane_); }
    int storedConfigCount() const { return file_.u8(start() + ConfigCountOffset); }
    // The count within the 8 configuration records the block has.
    int configCount() const { return std::min(storedConfigCount(), Slots); }
    ConfigRecord config(int c) const { return ConfigRecord(file_, start() + FirstConfigOffset + std::int64_t(ConfigRecord::Size) * (c - 1)); }

    // List items: "1:Default", "2:" + ammunition name.
    static QString configItem(int c, const QString &name) { return QString::number(c) + QLatin1Char(':') + name; }

private:
    const DataFile &file_;
    int plane_;
};

} // namespace vw::weapons
