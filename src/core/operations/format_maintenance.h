#pragma once

#include "core/datafile/data_file.h"

#include <QList>
#include <QString>

namespace vw::datafile {

// SlideData: opens a gap of `count` zero bytes at `position`, moving the rest
// of the file towards its end; FileSize grows by `count`. Offsets stored in
// the file are not adjusted: the caller does that. count <= 0 does nothing.
void SlideData(DataFile &file, std::int64_t position, std::int64_t count);

// Bytes "Add header for 128 planes" inserts: 128 directory slots in front of
// the wings table and 128 damage profile slots in front of the ammunition table.
constexpr std::int64_t AddedDirectoryBytes = 128 * DirectoryEntrySize;      // 11008
constexpr std::int64_t AddedProfileBytes = 128 * DamageProfileSlotSize;     // 118656
constexpr std::int64_t AddedHeaderBytes = AddedDirectoryBytes + AddedProfileBytes; // 129664
// The version a converted file gets at least: the next load takes a version
// above 273 as the 256-plane layout with the unkeyed cipher.
constexpr int ConvertedMinimumVersion = KeyedVersion + 1;

struct HeaderConversion {
    int oldVersion = 0;
    int newVersion = 0;
    std::int64_t oldSize = 0, newSize = 0;
    QList<int> movedPlanes; // planes whose record or damage map moved
    // One plain sentence for the user: what was done, and the version change.
    QString summary;
};

// "Add header for 128 planes" (Button29Click): converts a layout-1 file into
// the 256-plane layout. Planes' blocks move behind the grown tables and their
// directory offsets follow (offsets of 0 stay 0); the version becomes
// version + 1, and at least 274 so that the file loads back as a 256-plane file.
// Checks everything first and throws FormatError before changing anything.
HeaderConversion addRoomFor256Planes(DataFile &file);

struct OffsetRegeneration {
    QList<int> newPlanes;     // planes that had neither block: blocks placed, texts blanked
    QList<int> completedPlanes; // planes that had one block: only the missing one placed
    std::int64_t oldSize = 0, newSize = 0;
    QString summary;
};

// "Regenerate Offsets" (Button10Click): gives planes 64..PlaneCount that lack a
// record or damage map their blocks, one stride (the distance between planes
// 2 and 3) behind the previous plane's, zeroed; a plane with neither block
// gets blank header texts and a zeroed damage profile too. The file grows to
// hold the new blocks and never shrinks; the layout is kept. Checks everything
// first and throws FormatError before changing anything.
OffsetRegeneration regenerateOffsets(DataFile &file);

} // namespace vw::datafile
