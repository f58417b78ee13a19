#pragma once

#include "data_file.h"

namespace vw::datafile {

// The 86-byte directory entry of plane p (from 1) at file offset 86·p + 8:
// the plane's header fields and the offsets of its blocks.
class DirectoryEntry {
public:
    static constexpr int Size = DirectoryEntrySize;
    static constexpr int RecordOffsetOffset = 0, SelectableAOffset = 4, PlaneTypeOffset = 6,
                         SelectableBOffset = 7, SoundsOffset = 8, Cockpit1Offset = 17, Cockpit2Offset = 26,
                         Model3DOffset = 35, NameOffset = 44, IconInAirOffset = 64, DamageMapOffsetOffset = 74;
    static constexpr int NameWidth = 18, ShortTextWidth = 8;

    DirectoryEntry(const DataFile &file, int plane) : file_(file), plane_(plane) {}

    int plane() const { return plane_; }
    std::int64_t offset() const { return directoryEntryOffset(plane_); }
    // True when the named bytes of the entry lie inside the file.
    bool has(int fieldOffset, int width) const { return file_.contains(offset() + fieldOffset, width); }
    // True when the entry's fields (up to its damage map offset) lie in the
    // layout's directory area. An entry behind a full directory would be wings
    // data: it names no plane and must never be written as a header.
    bool inDirectory() const
    {
        return plane_ >= 1 && offset() + UsedSize <= file_.WingsTableStart() && has(0, UsedSize);
    }
    static constexpr int UsedSize = DamageMapOffsetOffset + 4;

    // The plane name as the plane list shows it; empty when the entry is no plane's.
    QString name() const { return textField(NameOffset, NameWidth); }
    QString textField(int fieldOffset, int width) const
    {
        return inDirectory() ? file_.text(offset() + fieldOffset, width) : QString();
    }

    // The plane list line: "%3.3d:" and the name.
    static QString listItem(int plane, const QString &name)
    {
        return QStringLiteral("%1:").arg(plane, 3, 10, QLatin1Char('0')) + name;
    }

private:
    const DataFile &file_;
    int plane_;
};

} // namespace vw::datafile
