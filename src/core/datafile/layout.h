#pragma once

#include <array>
#include <cstdint>

namespace vw::datafile {

// Sizes of the file's records and tables.
constexpr std::int64_t MaxFileSize = 20'000'000;
constexpr int HeaderSize = 8;
constexpr int DirectoryEntrySize = 86;
constexpr int PlaneRecordSize = 31208;
constexpr int DamageMapSize = 8192;
constexpr int WeaponsBlockRecordOffset = 1336;
constexpr int WingsTableSize = 48000;
constexpr int DamageProfileSlotSize = 927;
constexpr int DamageProfileUsedSize = 912;
constexpr int AmmoEntrySize = 56;
constexpr int AmmoTableSize = 11200;
constexpr int MaxPlaneCount = 254;
constexpr int PlaneTableSize = 1025; // entries of WeaponsBlockStart / DamageMapStart
constexpr std::int64_t OriginalLayoutFileSize = 2606240;
constexpr int KeyedVersion = 273;

// The three layouts, numbered as FileLayout and the "Type of Misc.bin" radio group.
enum Layout : int { OriginalLayout = 0, Openhall128Layout = 1, Openhall256Layout = 2 };

struct SectionStarts {
    int wings = 0;
    int damageProfile = 0;
    int ammo = 0;
    friend bool operator==(const SectionStarts &, const SectionStarts &) = default;
};

struct CipherRegion {
    int start = 0;
    int length = 0;
    bool keyed = false; // keyed cipher (version 273) instead of the complement transform
};

// The shared regions that Decode and Encode transform, and the section starts
// they set. The version decides first (273 is always the keyed 128-plane list),
// the layout second.
struct RegionList {
    std::array<CipherRegion, 4> regions;
    SectionStarts starts;
};
RegionList regionList(int fileVersion, int fileLayout);

// Number of planes a layout has room for (63, 126, 254).
int layoutCapacity(int fileLayout);

// File offset of the directory entry of plane p (p from 1).
constexpr std::int64_t directoryEntryOffset(int plane) { return std::int64_t(DirectoryEntrySize) * plane + 8; }

} // namespace vw::datafile
