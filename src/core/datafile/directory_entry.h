#pragma once

#include "record.h"

#include <QCoreApplication>

namespace vw::datafile {

// The 86-byte directory entry of plane p (from 1) at file offset 86·p + 8:
// the plane's header fields and the offsets of its blocks.
template <class File>
class DirectoryEntry : public Record<File> {
    using Base = Record<File>;

public:
    static constexpr int Size = DirectoryEntrySize;
    static constexpr int RecordOffsetOffset = 0, SelectableAOffset = 4, PlaneTypeOffset = 6,
                         SelectableBOffset = 7, SoundsOffset = 8, Cockpit1Offset = 17, Cockpit2Offset = 26,
                         Model3DOffset = 35, NameOffset = 44, IconInAirOffset = 64, DamageMapOffsetOffset = 74;
    static constexpr int NameWidth = 18, ShortTextWidth = 8, OffsetWidth = 3;
    // The bytes up to and including the damage map offset.
    static constexpr int UsedSize = DamageMapOffsetOffset + 4;

    DirectoryEntry(File &file, int plane) : Base(file, directoryEntryOffset(plane)), plane_(plane) {}

    int plane() const { return plane_; }
    // True when the named bytes of the entry lie inside the file.
    bool has(int fieldOffset, int width) const { return this->file().contains(this->offset() + fieldOffset, width); }
    // True when the entry's fields (up to its damage map offset) lie in the
    // layout's directory area. An entry behind a full directory would be wings
    // data: it names no plane and must never be written as a header.
    bool inDirectory() const
    {
        return plane_ >= 1 && this->offset() + UsedSize <= this->file().WingsTableStart() && has(0, UsedSize);
    }
    // The two 24-bit block offsets as stored; 0 when the field lies outside
    // the layout's directory area or the file (a slot behind a full directory
    // holds wings data, not offsets).
    std::int64_t storedRecordOffset() const { return offsetField(RecordOffsetOffset); }
    std::int64_t storedDamageMapOffset() const { return offsetField(DamageMapOffsetOffset); }

    // The editor rewrites a block offset as a 32-bit value (the byte behind
    // the 24-bit field becomes 0). Offsets must stay below 2^24, and the entry
    // must be a plane's: lie in the layout's directory area.
    static constexpr std::int64_t OffsetLimit = std::int64_t(1) << 24;
    void setStoredRecordOffset(std::int64_t offset) requires Base::Writable { setOffsetField(RecordOffsetOffset, offset); }
    void setStoredDamageMapOffset(std::int64_t offset) requires Base::Writable
    {
        setOffsetField(DamageMapOffsetOffset, offset);
    }

    // The plane name as the plane list shows it; empty when the entry is no plane's.
    QString name() const { return textField(NameOffset, NameWidth); }
    QString textField(int fieldOffset, int width) const { return inDirectory() ? this->text(fieldOffset, width) : QString(); }

    // The plane list line: "%3.3d:" and the name.
    static QString listItem(int plane, const QString &name)
    {
        return QStringLiteral("%1:").arg(plane, 3, 10, QLatin1Char('0')) + name;
    }

private:
    void setOffsetField(int field, std::int64_t offset) requires Base::Writable
    {
        if (!inDirectory())
            throw FormatError(
                QCoreApplication::translate("vw::datafile", "Plane %1 has no directory entry in this layout.")
                    .arg(plane_));
        if (offset < 0 || offset >= OffsetLimit)
            throw FormatError(QCoreApplication::translate(
                                  "vw::datafile", "The offset %1 of plane %2 does not fit the directory's 24 bits.")
                                  .arg(offset)
                                  .arg(plane_));
        this->setI32(field, std::int32_t(offset));
    }

    std::int64_t offsetField(int field) const
    {
        const std::int64_t at = this->offset() + field;
        if (at + OffsetWidth > this->file().WingsTableStart() || !has(field, OffsetWidth))
            return 0;
        return this->u24(field);
    }

    int plane_;
};

// A read-only view; `DirectoryEntry(file, p)` picks the kind from the file given.
using DirectoryEntryView = DirectoryEntry<const DataFile>;

// The plane list line of plane p: "%3.3d:" and the name.
inline QString planeListItem(const DataFile &file, int plane)
{
    return DirectoryEntryView::listItem(plane, DirectoryEntryView(file, plane).name());
}

} // namespace vw::datafile
