#pragma once

#include "change_set.h"
#include "errors.h"
#include "layout.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QtEndian>

#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

namespace vw::datafile {

// Files whose original was already kept as <name>.bak during this session.
// Files are told apart by where they are, not by how their path is spelt.
class BackupRegistry {
public:
    bool contains(const QString &path) const { return paths_.contains(key(path)); }
    void insert(const QString &path) { paths_.insert(key(path)); }
    static QString key(const QString &path);

private:
    QSet<QString> paths_;
};

// What the load found wrong with the planes' blocks: planes (from 1) whose
// record or damage map offset points outside the file or over the directory.
struct LoadReport {
    QList<int> missingRecords;
    QList<int> missingDamageMaps;
    bool clean() const { return missingRecords.isEmpty() && missingDamageMaps.isEmpty(); }
};

// The plane data file in memory: FileImage (deciphered while the editor works
// on it), the header values, the section starts and the per-plane offset
// tables. Every byte that changes goes through write(), which is where an undo
// recording learns what the change replaced.
class DataFile {
public:
    DataFile() = default;
    DataFile(DataFile &&) = default;
    DataFile &operator=(DataFile &&) = default;
    DataFile(const DataFile &) = delete;
    DataFile &operator=(const DataFile &) = delete;

    // ReadCfg: the whole file, deciphered when `decipher` is set (the plain
    // copy misc_.bin is read without). Only a regular file is read: a folder,
    // a FIFO or a device is refused with what it is, and files above
    // 20,000,000 bytes before reading. Throws FileError.
    static DataFile ReadCfg(const QString &path, bool decipher);
    // ReadCfg from an open stream (standard input, a pipe), read to its end
    // and refused past 20,000,000 bytes. `name` is how messages call it.
    static DataFile ReadCfg(int descriptor, const QString &name, bool decipher);
    // The file from its bytes. The image shares `bytes` until it is first
    // written, so a buffer handed over with std::move is never copied.
    static DataFile fromBytes(QByteArray bytes, bool decipher);
    // A second file with this one's image, header values and offsets, sharing
    // the image until one of the two is written. Nothing of the undo recording
    // is copied.
    DataFile copy() const;
    // False for a DataFile that was never given a file (as after a failed
    // load): there is nothing to save.
    bool isLoaded() const { return loaded_; }

    // SaveCfg: the image enciphered (when `encipher` is set) into a copy, the
    // header values put in plain, written atomically. The image itself is never
    // touched. Refuses a plane count outside -1..254 or a version outside
    // 0..65535, and a target that is no regular file, before anything happens.
    // With a registry, the first enciphered save over an existing file in the
    // session keeps the old file as <name>.bak. The saved file and the backup
    // keep the old file's permissions and, where the process may, its owner.
    void SaveCfg(const QString &path, bool encipher, BackupRegistry *backups = nullptr);
    // The bytes SaveCfg writes.
    QByteArray toBytes(bool encipher) const;
    // Throws FormatError when nothing is loaded or the header values cannot be stored.
    void checkSavable() const;

    const LoadReport &loadReport() const { return loadReport_; }

    // Header values.
    std::int64_t FileSize() const { return std::int64_t(image_.size()); }
    int FileVersion() const { return state_.fileVersion; }
    int PlaneCount() const { return state_.planeCount; }
    int FileLayout() const { return state_.fileLayout; }
    void setFileVersion(int version);
    void setPlaneCount(int count);
    void setFileLayout(int layout);

    int WingsTableStart() const { return state_.starts.wings; }
    int DamageProfileStart() const { return state_.starts.damageProfile; }
    int AmmoTableStart() const { return state_.starts.ammo; }
    SectionStarts sectionStarts() const { return state_.starts; }

    // Per-plane blocks (plane from 1). 0 means the plane has none.
    std::int64_t recordOffset(int plane) const;
    std::int64_t damageMapOffset(int plane) const;
    // WeaponsBlockStart[p - 1] = record offset + 1336; a plane has a record when it is > 1336.
    std::int64_t WeaponsBlockStart(int plane) const { return recordOffset(plane) + WeaponsBlockRecordOffset; }
    std::int64_t DamageMapStart(int plane) const { return damageMapOffset(plane); }
    bool hasRecord(int plane) const { return recordOffset(plane) > 0; }
    bool hasDamageMap(int plane) const { return damageMapOffset(plane) > 0; }
    const std::vector<CipherBlock> &cipherBlocks() const { return state_.cipherBlocks; }

    // Reading. Every access is checked against FileSize; reading outside throws FormatError.
    bool contains(std::int64_t offset, std::int64_t length) const
    {
        return offset >= 0 && length >= 0 && offset <= FileSize() && length <= FileSize() - offset;
    }
    // Null for an empty image (no byte may be read there). data_ptr() only
    // hands out the pointer; it neither copies nor changes the image.
    const std::uint8_t *data() const
    {
        return reinterpret_cast<const std::uint8_t *>(const_cast<QByteArray &>(image_).data_ptr().data());
    }
    std::uint8_t u8(std::int64_t offset) const { return *at(offset, 1); }
    std::uint16_t u16(std::int64_t offset) const { return qFromLittleEndian<std::uint16_t>(at(offset, 2)); }
    std::uint32_t u24(std::int64_t offset) const
    {
        const std::uint8_t *p = at(offset, 3);
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16;
    }
    std::int32_t i32(std::int64_t offset) const { return qFromLittleEndian<std::int32_t>(at(offset, 4)); }
    std::int16_t i16(std::int64_t offset) const { return qFromLittleEndian<std::int16_t>(at(offset, 2)); }
    double f64(std::int64_t offset) const
    {
        return std::bit_cast<double>(qFromLittleEndian<std::uint64_t>(at(offset, 8)));
    }
    QByteArray bytes(std::int64_t offset, std::int64_t length) const
    {
        return QByteArray(reinterpret_cast<const char *>(at(offset, length)), qsizetype(length));
    }
    // A fixed-width text field, trimmed as the editor shows it.
    QString text(std::int64_t offset, int width) const;

    // The one write path.
    void write(std::int64_t offset, const void *source, std::int64_t length);
    void write(std::int64_t offset, const QByteArray &bytes) { write(offset, bytes.constData(), bytes.size()); }
    void writeU8(std::int64_t offset, std::uint8_t value) { write(offset, &value, 1); }
    void writeU16(std::int64_t offset, std::uint16_t value);
    void writeI16(std::int64_t offset, std::int16_t value) { writeU16(offset, std::uint16_t(value)); }
    void writeI32(std::int64_t offset, std::int32_t value);
    void writeF64(std::int64_t offset, double value);
    // Cut to the width, zero the field, copy the characters from the first byte.
    void writeText(std::int64_t offset, int width, const QString &text);
    // Copies bytes inside the image as one recorded write.
    void copyBytes(std::int64_t from, std::int64_t to, std::int64_t length);

    // Growing or shrinking the image (the format operations). New bytes are zero.
    void resize(std::int64_t newSize);
    // Opens a gap of `count` zero bytes at `position` (0..FileSize), moving the
    // bytes behind it towards the end; nothing happens when count <= 0. The
    // undo record holds the gap only, so moving a large tail stays cheap.
    void insertGap(std::int64_t position, std::int64_t count);
    // Replaces the offset tables and cipher block record (the format operations).
    void setPlaneBlocks(int plane, std::int64_t recordOffset, std::int64_t damageMapOffset);
    void setSectionStarts(SectionStarts starts);

    // Recording: between begin and end every change is collected into one ChangeSet.
    void beginRecording();
    ChangeSet endRecording();
    bool isRecording() const { return recording_; }
    void undo(const ChangeSet &changes);
    void redo(const ChangeSet &changes);

    // Counts changes; a view can tell whether anything changed since it last looked.
    std::uint64_t revision() const { return revision_; }

private:
    const std::uint8_t *at(std::int64_t offset, std::int64_t length) const
    {
        if (!contains(offset, length))
            throwOutside(offset, length);
        return data() + offset;
    }
    [[noreturn]] void throwOutside(std::int64_t offset, std::int64_t length) const;
    void rawWrite(std::int64_t offset, const void *source, std::int64_t length);
    void rawResize(std::int64_t newSize);
    void rawInsertGap(std::int64_t position, std::int64_t count);
    void rawRemoveGap(std::int64_t position, std::int64_t count);
    void undoGap(const ChangeSet::Step &step) { rawRemoveGap(step.offset, step.newSize - step.oldSize); }
    void redoGap(const ChangeSet::Step &step) { rawInsertGap(step.offset, step.newSize - step.oldSize); }
    HeaderValues headerValues() const;
    void setHeaderValues(const HeaderValues &values);
    // Changes one header value as a recorded step.
    template <class T>
    void changeHeader(T HeaderValues::*field, T value);
    void replayBlocks(const PlaneBlocksChange &change, bool forward);
    void indexPlanes(bool decipher);

    // Written only through writableImage(): a shared image is copied there first.
    std::uint8_t *writableImage() { return reinterpret_cast<std::uint8_t *>(image_.data()); }
    QByteArray image_;
    FileState state_;
    LoadReport loadReport_;
    bool loaded_ = false;
    bool recording_ = false;
    ChangeSet recorded_;
    std::uint64_t revision_ = 0;
};

} // namespace vw::datafile
