#include "format_maintenance.h"

#include "core/datafile/directory_entry.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <array>

namespace vw::datafile {

namespace {

using Entry = DirectoryEntry<DataFile>;
using EntryView = DirectoryEntry<const DataFile>;

QString bytesText(std::int64_t bytes)
{
    return QLocale::c().toString(qlonglong(bytes));
}

[[noreturn]] void refuse(const QString &what)
{
    throw FormatError(what + QLatin1Char(' ') + QCoreApplication::translate("vw::datafile", "Nothing was changed."));
}

// "plane 7", "planes 127 to 130" or "planes 64, 70, 71".
QString planeRange(const QList<int> &planes)
{
    if (planes.size() == 1)
        return QCoreApplication::translate("vw::datafile", "plane %1").arg(planes.first());
    if (planes.last() - planes.first() == planes.size() - 1)
        return QCoreApplication::translate("vw::datafile", "planes %1 to %2").arg(planes.first()).arg(planes.last());
    QStringList numbers;
    for (int plane : planes)
        numbers << QString::number(plane);
    return QCoreApplication::translate("vw::datafile", "planes %1").arg(numbers.join(QStringLiteral(", ")));
}

// The layout as the "Type of Misc.bin" radio group names it.
QString layoutName(int layout)
{
    switch (layout) {
    case OriginalLayout:
        return QLatin1Char('"') + QCoreApplication::translate("vw::datafile", "1 - Original format") + QLatin1Char('"');
    case Openhall128Layout:
        return QLatin1Char('"') + QCoreApplication::translate("vw::datafile", "2 - Openhall plane format (128)")
            + QLatin1Char('"');
    default:
        return QLatin1Char('"') + QCoreApplication::translate("vw::datafile", "3 - Openhall plane format (256)")
            + QLatin1Char('"');
    }
}

bool overlaps(std::int64_t a, std::int64_t aLength, std::int64_t b, std::int64_t bLength)
{
    return a < b + bLength && b < a + aLength;
}

} // namespace

void SlideData(DataFile &file, std::int64_t position, std::int64_t count)
{
    file.insertGap(position, count);
}

HeaderConversion addRoomFor256Planes(DataFile &file)
{
    if (file.FileLayout() != Openhall128Layout)
        refuse(QCoreApplication::translate(
                   "vw::datafile", "\"Add header for 128 planes\" converts a file of type %1; this file is of type %2.")
                   .arg(layoutName(Openhall128Layout), layoutName(file.FileLayout())));
    const SectionStarts from = file.sectionStarts();
    const SectionStarts to = regionList(ConvertedMinimumVersion, Openhall256Layout).starts;
    if (from != regionList(0, Openhall128Layout).starts)
        refuse(QCoreApplication::translate("vw::datafile",
                                           "The file's tables do not lie where the 128-plane layout has them."));
    if (file.FileSize() < from.ammo + AmmoTableSize)
        refuse(QCoreApplication::translate(
                   "vw::datafile", "The file is %1 bytes long, too short to hold the 128-plane layout's tables.")
                   .arg(bytesText(file.FileSize())));
    if (file.FileSize() + AddedHeaderBytes > MaxFileSize)
        refuse(QCoreApplication::translate("vw::datafile",
                                           "The file would grow to %1 bytes; a plane data file holds at most %2 bytes.")
                   .arg(bytesText(file.FileSize() + AddedHeaderBytes), bytesText(MaxFileSize)));

    // Every block lies behind the ammunition table, so both insertions lie in
    // front of it and it moves by their sum. A block inside the tables would
    // be torn apart: such a file is refused.
    struct Move {
        int plane;
        std::int64_t record, map;             // new table offsets (0: none)
        std::int64_t storedRecord, storedMap; // new directory offsets (0: left as it is)
    };
    QList<Move> moves;
    const auto shifted = [&](int plane, std::int64_t offset, const char *block) -> std::int64_t {
        if (offset == 0)
            return 0;
        if (offset < from.ammo)
            refuse(
                QCoreApplication::translate("vw::datafile",
                                            "The %1 of plane %2 lies at byte %3, inside the header and tables that the "
                                            "conversion moves apart.")
                    .arg(QCoreApplication::translate("vw::datafile", block))
                    .arg(plane)
                    .arg(offset));
        if (offset + AddedHeaderBytes >= Entry::OffsetLimit)
            refuse(
                QCoreApplication::translate(
                    "vw::datafile", "The %1 of plane %2 would move to byte %3; the directory holds offsets below %4.")
                    .arg(QCoreApplication::translate("vw::datafile", block))
                    .arg(plane)
                    .arg(bytesText(offset + AddedHeaderBytes), bytesText(Entry::OffsetLimit)));
        return offset + AddedHeaderBytes;
    };
    for (int p = 1; p <= PlaneTableSize; ++p) {
        const EntryView entry(file, p);
        const bool listed = entry.inDirectory();
        Move move{p, shifted(p, file.recordOffset(p), QT_TRANSLATE_NOOP("vw::datafile", "record")),
                  shifted(p, file.damageMapOffset(p), QT_TRANSLATE_NOOP("vw::datafile", "damage map")),
                  listed ? shifted(p, entry.storedRecordOffset(), QT_TRANSLATE_NOOP("vw::datafile", "record")) : 0,
                  listed ? shifted(p, entry.storedDamageMapOffset(), QT_TRANSLATE_NOOP("vw::datafile", "damage map"))
                         : 0};
        if (move.record || move.map || move.storedRecord || move.storedMap)
            moves.append(move);
    }

    HeaderConversion result;
    result.oldVersion = file.FileVersion();
    result.newVersion = std::max(ConvertedMinimumVersion, std::min(result.oldVersion + 1, 65535));
    result.oldSize = file.FileSize();

    // The later position first, so that the earlier one is still valid.
    SlideData(file, from.ammo, AddedProfileBytes);
    SlideData(file, from.wings, AddedDirectoryBytes);
    file.setSectionStarts(to);
    // The directory entries lie in front of both insertions and stay where they are.
    for (const Move &move : moves) {
        if (move.record != file.recordOffset(move.plane) || move.map != file.damageMapOffset(move.plane))
            file.setPlaneBlocks(move.plane, move.record, move.map);
        Entry entry(file, move.plane);
        if (move.storedRecord)
            entry.setStoredRecordOffset(move.storedRecord);
        if (move.storedMap)
            entry.setStoredDamageMapOffset(move.storedMap);
        if (move.record || move.map)
            result.movedPlanes.append(move.plane);
    }
    file.setFileVersion(result.newVersion);
    file.setFileLayout(Openhall256Layout);
    result.newSize = file.FileSize();

    result.summary = QCoreApplication::translate("vw::datafile",
                                                 "Room for 256 planes added: the file grew by %1 bytes to %2 bytes.")
                         .arg(bytesText(AddedHeaderBytes), bytesText(result.newSize));
    if (result.oldVersion == KeyedVersion)
        result.summary += QLatin1Char(' ')
            + QCoreApplication::translate("vw::datafile",
                                          "The file version is now 274: the file is saved as a 256-plane file "
                                          "without the version-273 cipher.");
    else if (result.oldVersion < KeyedVersion)
        result.summary += QLatin1Char(' ')
            + QCoreApplication::translate("vw::datafile",
                                          "The file version was %1 and is now 274, because only a version above 273 "
                                          "loads as a 256-plane file.")
                  .arg(result.oldVersion);
    else
        result.summary += QLatin1Char(' ')
            + QCoreApplication::translate("vw::datafile", "The file version is now %1.").arg(result.newVersion);
    return result;
}

OffsetRegeneration regenerateOffsets(DataFile &file)
{
    if (file.FileLayout() == OriginalLayout)
        refuse(
            QCoreApplication::translate("vw::datafile",
                                        "\"Regenerate Offsets\" works on 128- and 256-plane files; this file is in the "
                                        "original 63-plane layout."));
    const int count = std::min(file.PlaneCount(), MaxPlaneCount);
    constexpr int FirstRegenerated = 64; // the original layout's 63 planes always have their blocks
    const std::int64_t tablesEnd = std::int64_t(file.AmmoTableStart()) + AmmoTableSize;

    struct Placement {
        int plane;
        std::int64_t record, map;
        bool newRecord, newMap;
    };
    QList<Placement> plan;
    std::vector<CipherBlock> taken = file.cipherBlocks();
    std::int64_t end = file.FileSize();
    const auto place = [&](int plane, std::int64_t offset, std::int64_t length, const char *block) {
        if (offset < tablesEnd)
            refuse(QCoreApplication::translate(
                       "vw::datafile",
                       "The new %1 of plane %2 would lie at byte %3, over the file's header and shared "
                       "tables.")
                       .arg(QCoreApplication::translate("vw::datafile", block))
                       .arg(plane)
                       .arg(offset));
        if (offset >= Entry::OffsetLimit)
            refuse(QCoreApplication::translate(
                       "vw::datafile",
                       "The new %1 of plane %2 would lie at byte %3; the directory holds offsets below %4.")
                       .arg(QCoreApplication::translate("vw::datafile", block))
                       .arg(plane)
                       .arg(bytesText(offset), bytesText(Entry::OffsetLimit)));
        if (offset + length > MaxFileSize)
            refuse(QCoreApplication::translate(
                       "vw::datafile",
                       "The new %1 of plane %2 would end at byte %3; a plane data file holds at most %4 bytes.")
                       .arg(QCoreApplication::translate("vw::datafile", block))
                       .arg(plane)
                       .arg(bytesText(offset + length), bytesText(MaxFileSize)));
        for (const CipherBlock &other : taken)
            if (overlaps(offset, length, other.offset, other.length))
                refuse(QCoreApplication::translate(
                           "vw::datafile",
                           "The new %1 of plane %2 at byte %3 would overlap a block of another plane at "
                           "byte %4: the planes' blocks do not follow each other at one stride.")
                           .arg(QCoreApplication::translate("vw::datafile", block))
                           .arg(plane)
                           .arg(offset)
                           .arg(other.offset));
        taken.push_back({offset, length});
        end = std::max(end, offset + length);
    };

    if (count >= FirstRegenerated) {
        bool missing = false;
        for (int p = FirstRegenerated; p <= count; ++p)
            missing = missing || !file.hasRecord(p) || !file.hasDamageMap(p);
        if (missing && !(file.hasRecord(2) && file.hasRecord(3) && file.hasDamageMap(2) && file.hasDamageMap(3)))
            refuse(QCoreApplication::translate(
                "vw::datafile",
                "New planes are placed one stride apart, the distance between planes 2 and 3, "
                "and these need a record and a damage map each."));
        const std::int64_t recordStride = file.recordOffset(3) - file.recordOffset(2);
        const std::int64_t mapStride = file.damageMapOffset(3) - file.damageMapOffset(2);
        std::int64_t previousRecord = file.recordOffset(FirstRegenerated - 1);
        std::int64_t previousMap = file.damageMapOffset(FirstRegenerated - 1);
        for (int p = FirstRegenerated; p <= count; ++p) {
            Placement placement{p, file.recordOffset(p), file.damageMapOffset(p), !file.hasRecord(p),
                                !file.hasDamageMap(p)};
            if (placement.newRecord || placement.newMap) {
                if (!EntryView(file, p).inDirectory())
                    refuse(QCoreApplication::translate(
                               "vw::datafile", "Plane %1 has no directory entry: this layout has room for %2 planes.")
                               .arg(p)
                               .arg(layoutCapacity(file.FileLayout())));
                if (!damage::ProfileSlotView(file, p).exists())
                    refuse(QCoreApplication::translate("vw::datafile",
                                                       "The damage profile of plane %1 lies outside the file.")
                               .arg(p));
                if ((placement.newRecord && previousRecord == 0) || (placement.newMap && previousMap == 0))
                    refuse(QCoreApplication::translate("vw::datafile",
                                                       "Plane %1 has no blocks that plane %2's could follow.")
                               .arg(p - 1)
                               .arg(p));
                if (placement.newRecord) {
                    placement.record = previousRecord + recordStride;
                    place(p, placement.record, PlaneRecordSize, QT_TRANSLATE_NOOP("vw::datafile", "record"));
                }
                if (placement.newMap) {
                    placement.map = previousMap + mapStride;
                    place(p, placement.map, DamageMapSize, QT_TRANSLATE_NOOP("vw::datafile", "damage map"));
                }
                plan.append(placement);
            }
            previousRecord = placement.record;
            previousMap = placement.map;
        }
    }
    // The file ends with the last plane's damage map block at least; it never
    // shrinks, so no other plane's block is cut off.
    if (count >= 1) {
        const auto last = std::find_if(plan.cbegin(), plan.cend(), [&](const Placement &p) { return p.plane == count; });
        const std::int64_t lastMap = last != plan.cend() ? last->map : file.damageMapOffset(count);
        if (lastMap > 0)
            end = std::max(end, lastMap + DamageMapSize);
    }
    if (end > MaxFileSize)
        refuse(QCoreApplication::translate("vw::datafile",
                                           "The file would grow to %1 bytes; a plane data file holds at most %2 bytes.")
                   .arg(bytesText(end), bytesText(MaxFileSize)));

    OffsetRegeneration result;
    QList<int> regenerated;
    result.oldSize = file.FileSize();
    file.resize(end);
    const QByteArray zeroRecord(PlaneRecordSize, '\0'), zeroMap(DamageMapSize, '\0'),
        zeroProfile(DamageProfileUsedSize, '\0');
    for (const Placement &placement : plan) {
        const int p = placement.plane;
        file.setPlaneBlocks(p, placement.record, placement.map);
        if (placement.newRecord)
            file.write(flightmodel::PlaneRecord(file, p).offset(), zeroRecord);
        if (placement.newMap)
            file.write(damage::DamageMap(file, p).offset(), zeroMap);
        if (placement.newRecord && placement.newMap) {
            flightmodel::PlaneHeader header(file, p);
            for (auto field : {flightmodel::HeaderText::Name, flightmodel::HeaderText::IconInAir,
                               flightmodel::HeaderText::Model3D, flightmodel::HeaderText::Cockpit1,
                               flightmodel::HeaderText::Sounds, flightmodel::HeaderText::Cockpit2})
                header.setText(field, QString());
            file.write(damage::ProfileSlot(file, p).offset(), zeroProfile);
            result.newPlanes.append(p);
        } else {
            result.completedPlanes.append(p);
        }
        regenerated.append(p);
        Entry entry(file, p);
        entry.setStoredRecordOffset(placement.record);
        entry.setStoredDamageMapOffset(placement.map);
    }
    result.newSize = file.FileSize();

    if (plan.isEmpty())
        result.summary
            = QCoreApplication::translate("vw::datafile", "Every plane has its blocks; no offsets were regenerated.");
    else
        result.summary
            = QCoreApplication::translate("vw::datafile", "Offsets regenerated for %1.").arg(planeRange(regenerated));
    if (result.newSize != result.oldSize)
        result.summary += QLatin1Char(' ')
            + QCoreApplication::translate("vw::datafile", "The file grew to %1 bytes.").arg(bytesText(result.newSize));
    return result;
}

} // namespace vw::datafile
