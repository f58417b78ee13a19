#include "data_file.h"

#include "cipher.h"
#include "directory_entry.h"
#include "file_access.h"
#include "number_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace vw::datafile {

namespace {

QString sizeText(std::int64_t bytes)
{
    return QLocale::c().toString(qlonglong(bytes));
}

// No file above the capacity is a plane data file: it is not read.
QString capacityText()
{
    return QCoreApplication::translate("vw::datafile", "a plane data file holds at most %1 bytes")
        .arg(sizeText(MaxFileSize));
}

QByteArray readDataFile(const QString &path)
{
    return readRegularFile(path, MaxFileSize, capacityText());
}

} // namespace

QString BackupRegistry::key(const QString &path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

DataFile DataFile::ReadCfg(const QString &path, bool decipher)
{
    return fromBytes(readDataFile(path), decipher);
}

DataFile DataFile::ReadCfg(int descriptor, const QString &name, bool decipher)
{
    return fromBytes(readStream(descriptor, name, MaxFileSize, capacityText()), decipher);
}

DataFile DataFile::fromBytes(QByteArray bytes, bool decipher)
{
    if (bytes.size() > MaxFileSize)
        throw FormatError(QCoreApplication::translate(
                              "vw::datafile", "the data is %1 bytes long; a plane data file holds at most %2 bytes")
                              .arg(sizeText(bytes.size()), sizeText(MaxFileSize)));
    DataFile file;
    file.loaded_ = true;
    const auto headerByte = [&](int offset) { return offset < bytes.size() ? int(quint8(bytes.at(offset))) : 0; };
    file.state_.fileLayout = bytes.size() == OriginalLayoutFileSize ? OriginalLayout : Openhall128Layout;
    file.state_.planeCount = headerByte(4) - 1;
    file.state_.fileVersion = headerByte(0) + 256 * headerByte(1);
    if (file.state_.fileVersion > KeyedVersion)
        file.state_.fileLayout = Openhall256Layout;
    file.image_ = std::move(bytes);

    file.state_.starts = Decode(file.writableImage(), file.FileSize(), file.state_.fileVersion,
                                file.state_.fileLayout, decipher);
    file.indexPlanes(decipher);
    return file;
}

DataFile DataFile::copy() const
{
    DataFile file;
    file.image_ = image_;
    file.state_ = state_;
    file.loadReport_ = loadReport_;
    file.loaded_ = loaded_;
    return file;
}

void DataFile::indexPlanes(bool decipher)
{
    state_.recordOffsets.fill(0);
    state_.damageMapOffsets.fill(0);
    state_.cipherBlocks.clear();
    loadReport_ = {};
    const Cipher cipher(state_.fileVersion);
    const std::int64_t directoryEnd = state_.starts.wings;
    const int last = std::min(std::max(state_.planeCount, 63), PlaneTableSize - 1);
    for (int i = 0; i <= last; ++i) {
        // Only offset fields that lie in the layout's directory area are
        // planes' offsets: the slot behind the last one of a full directory is wings data.
        const DirectoryEntryView entry(*this, i + 1);
        const std::int64_t record = entry.storedRecordOffset();
        const std::int64_t map = entry.storedDamageMapOffset();
        // A block must lie inside the file and behind the directory: one over
        // the directory would rewrite the very offsets it was found by.
        const auto usable = [&](std::int64_t offset, std::int64_t length) {
            return offset >= directoryEnd && contains(offset, length);
        };
        if (record > 0) {
            if (usable(record, PlaneRecordSize)) {
                state_.recordOffsets[i] = record;
                state_.cipherBlocks.push_back({record, PlaneRecordSize});
                if (decipher)
                    cipher.Decode277(writableImage() + record, PlaneRecordSize);
            } else if (i < state_.planeCount) {
                loadReport_.missingRecords.append(i + 1);
            }
        }
        if (map > 0) {
            if (usable(map, DamageMapSize)) {
                state_.damageMapOffsets[i] = map;
                state_.cipherBlocks.push_back({map, DamageMapSize});
                if (decipher)
                    cipher.Decode277(writableImage() + map, DamageMapSize);
            } else if (i < state_.planeCount) {
                loadReport_.missingDamageMaps.append(i + 1);
            }
        }
    }
    // A plain copy (misc_.bin) is taken as deciphered: its blocks are recorded
    // all the same, so that the next save enciphers them.
}

void DataFile::checkSavable() const
{
    if (!loaded_)
        throw FormatError(
            QCoreApplication::translate("vw::datafile", "No plane data file is loaded; nothing was saved."));
    if (state_.planeCount < -1 || state_.planeCount > MaxPlaneCount)
        throw FormatError(QCoreApplication::translate("vw::datafile",
                                                      "The number of planes is %1; a plane data file holds -1 to 254 "
                                                      "(the header stores it in one byte). Nothing was saved.")
                              .arg(state_.planeCount));
    if (state_.fileVersion < 0 || state_.fileVersion > 65535)
        throw FormatError(QCoreApplication::translate("vw::datafile",
                                                      "The file version is %1; a plane data file holds 0 to 65535 "
                                                      "(the header stores it in two bytes). Nothing was saved.")
                              .arg(state_.fileVersion));
}

QByteArray DataFile::toBytes(bool encipher) const
{
    checkSavable();
    QByteArray out(image_.constData(), image_.size());
    auto *bytes = reinterpret_cast<std::uint8_t *>(out.data());
    if (encipher) {
        // The exact inverse of the load: the blocks in reverse order, then the
        // shared regions in reverse order.
        const Cipher cipher(state_.fileVersion);
        for (auto block = state_.cipherBlocks.rbegin(); block != state_.cipherBlocks.rend(); ++block)
            if (contains(block->offset, block->length))
                cipher.Encode277(bytes + block->offset, block->length);
        Encode(bytes, FileSize(), state_.fileVersion, state_.fileLayout);
    }
    // The header values are always stored in plain.
    if (out.size() > 4)
        out[4] = char(state_.planeCount + 1);
    if (out.size() > 1)
        out[1] = char(state_.fileVersion / 256);
    if (out.size() > 0)
        out[0] = char(state_.fileVersion % 256);
    return out;
}

void DataFile::SaveCfg(const QString &path, bool encipher, BackupRegistry *backups)
{
    const QByteArray bytes = toBytes(encipher);
    if (checkReplaceable(path) && backups && encipher && !backups->contains(path)) {
        const QString backup = path + QStringLiteral(".bak");
        try {
            writeFileAtomically(backup, readDataFile(path), path);
        } catch (const FileError &e) {
            throw FileError(path,
                            QCoreApplication::translate("vw::datafile", "could not keep the previous file as %1: %2")
                                .arg(QFileInfo(backup).fileName(), e.reason()));
        }
        backups->insert(path);
    }
    writeFileAtomically(path, bytes);
    // After a save the section starts follow the version and layout that the
    // save used, as the next load will find them.
    if (encipher)
        state_.starts = regionList(state_.fileVersion, state_.fileLayout).starts;
}

std::int64_t DataFile::recordOffset(int plane) const
{
    return plane >= 1 && plane <= PlaneTableSize ? state_.recordOffsets[plane - 1] : 0;
}

std::int64_t DataFile::damageMapOffset(int plane) const
{
    return plane >= 1 && plane <= PlaneTableSize ? state_.damageMapOffsets[plane - 1] : 0;
}

QString DataFile::text(std::int64_t offset, int width) const
{
    return readFixedText(at(offset, width), width);
}

void DataFile::throwOutside(std::int64_t offset, std::int64_t length) const
{
    throw FormatError(
        QCoreApplication::translate("vw::datafile", "The bytes %1..%2 lie outside the file, which is %3 bytes long.")
            .arg(offset)
            .arg(offset + length - 1)
            .arg(FileSize()));
}

void DataFile::rawWrite(std::int64_t offset, const void *source, std::int64_t length)
{
    std::memcpy(writableImage() + offset, source, size_t(length));
    ++revision_;
}

void DataFile::write(std::int64_t offset, const void *source, std::int64_t length)
{
    if (!contains(offset, length))
        throwOutside(offset, length);
    if (length == 0 || std::memcmp(data() + offset, source, size_t(length)) == 0)
        return; // nothing changes, so nothing is recorded or marked modified
    if (recording_) {
        ChangeSet::Step step;
        step.kind = ChangeSet::Step::Bytes;
        step.offset = offset;
        step.before = bytes(offset, length);
        step.after = QByteArray(static_cast<const char *>(source), qsizetype(length));
        recorded_.steps.push_back(std::move(step));
    }
    rawWrite(offset, source, length);
}

void DataFile::writeU16(std::int64_t offset, std::uint16_t value)
{
    std::uint8_t b[2];
    qToLittleEndian(value, b);
    write(offset, b, 2);
}

void DataFile::writeI32(std::int64_t offset, std::int32_t value)
{
    std::uint8_t b[4];
    qToLittleEndian(value, b);
    write(offset, b, 4);
}

void DataFile::writeF64(std::int64_t offset, double value)
{
    std::uint8_t b[8];
    qToLittleEndian(std::bit_cast<std::uint64_t>(value), b);
    write(offset, b, 8);
}

void DataFile::writeText(std::int64_t offset, int width, const QString &text)
{
    write(offset, fixedTextBytes(text, width));
}

void DataFile::copyBytes(std::int64_t from, std::int64_t to, std::int64_t length)
{
    write(to, bytes(from, length));
}

void DataFile::rawResize(std::int64_t newSize)
{
    image_.resize(qsizetype(newSize), '\0');
    ++revision_;
}

void DataFile::resize(std::int64_t newSize)
{
    if (newSize < 0 || newSize > MaxFileSize)
        throw FormatError(
            QCoreApplication::translate(
                "vw::datafile", "The file would become %1 bytes long; a plane data file holds at most %2 bytes.")
                .arg(sizeText(newSize), sizeText(MaxFileSize)));
    if (newSize == FileSize())
        return;
    if (recording_) {
        ChangeSet::Step step;
        step.kind = ChangeSet::Step::Resize;
        step.oldSize = FileSize();
        step.newSize = newSize;
        if (newSize < FileSize())
            step.before = bytes(newSize, FileSize() - newSize);
        recorded_.steps.push_back(std::move(step));
    }
    rawResize(newSize);
}

void DataFile::rawInsertGap(std::int64_t position, std::int64_t count)
{
    image_.insert(qsizetype(position), qsizetype(count), '\0');
    ++revision_;
}

void DataFile::rawRemoveGap(std::int64_t position, std::int64_t count)
{
    image_.remove(qsizetype(position), qsizetype(count));
    ++revision_;
}

void DataFile::insertGap(std::int64_t position, std::int64_t count)
{
    if (count <= 0)
        return;
    if (position < 0 || position > FileSize())
        throw FormatError(QCoreApplication::translate(
                              "vw::datafile", "A gap cannot be opened at byte %1 of a file that is %2 bytes long.")
                              .arg(position)
                              .arg(FileSize()));
    if (count > MaxFileSize - FileSize())
        throw FormatError(
            QCoreApplication::translate(
                "vw::datafile", "The file would become %1 bytes long; a plane data file holds at most %2 bytes.")
                .arg(sizeText(FileSize() + count), sizeText(MaxFileSize)));
    if (recording_) {
        ChangeSet::Step step;
        step.kind = ChangeSet::Step::Gap;
        step.offset = position;
        step.oldSize = FileSize();
        step.newSize = FileSize() + count;
        recorded_.steps.push_back(std::move(step));
    }
    rawInsertGap(position, count);
}

HeaderValues DataFile::headerValues() const
{
    return {state_.fileVersion, state_.planeCount, state_.fileLayout, state_.starts};
}

void DataFile::setHeaderValues(const HeaderValues &values)
{
    state_.fileVersion = values.fileVersion;
    state_.planeCount = values.planeCount;
    state_.fileLayout = values.fileLayout;
    state_.starts = values.starts;
    ++revision_;
}

template <class T>
void DataFile::changeHeader(T HeaderValues::*field, T value)
{
    HeaderValues after = headerValues();
    if (after.*field == value)
        return;
    after.*field = value;
    if (recording_) {
        ChangeSet::Step step;
        step.kind = ChangeSet::Step::Header;
        step.headerBefore = headerValues();
        step.headerAfter = after;
        recorded_.steps.push_back(std::move(step));
    }
    setHeaderValues(after);
}

void DataFile::setFileVersion(int version)
{
    changeHeader(&HeaderValues::fileVersion, version);
}

void DataFile::setPlaneCount(int count)
{
    changeHeader(&HeaderValues::planeCount, count);
}

void DataFile::setFileLayout(int layout)
{
    changeHeader(&HeaderValues::fileLayout, layout);
}

void DataFile::setSectionStarts(SectionStarts starts)
{
    changeHeader(&HeaderValues::starts, starts);
}

void DataFile::setPlaneBlocks(int plane, std::int64_t recordOffset, std::int64_t damageMapOffset)
{
    if (plane < 1 || plane > PlaneTableSize)
        throw FormatError(QCoreApplication::translate("vw::datafile", "There is no plane %1.").arg(plane));
    PlaneBlocksChange change;
    change.plane = plane;
    change.recordBefore = state_.recordOffsets[plane - 1];
    change.mapBefore = state_.damageMapOffsets[plane - 1];
    change.recordAfter = recordOffset;
    change.mapAfter = damageMapOffset;
    // The record of deciphered blocks follows: the old blocks leave it, the new ones join at its end.
    auto &blocks = state_.cipherBlocks;
    const auto replace = [&](std::int64_t oldOffset, std::int64_t newOffset, std::int64_t length) {
        const auto old = std::find(blocks.begin(), blocks.end(), CipherBlock{oldOffset, length});
        if (oldOffset > 0 && old != blocks.end()) {
            change.removedBlocks.emplace_back(std::size_t(old - blocks.begin()), *old);
            blocks.erase(old);
        }
        if (newOffset > 0) {
            blocks.push_back({newOffset, length});
            change.addedBlocks.push_back({newOffset, length});
        }
    };
    replace(change.recordBefore, recordOffset, PlaneRecordSize);
    replace(change.mapBefore, damageMapOffset, DamageMapSize);
    state_.recordOffsets[plane - 1] = recordOffset;
    state_.damageMapOffsets[plane - 1] = damageMapOffset;
    ++revision_;
    if (recording_) {
        ChangeSet::Step step;
        step.kind = ChangeSet::Step::PlaneBlocks;
        step.blocks = std::move(change);
        recorded_.steps.push_back(std::move(step));
    }
}

void DataFile::replayBlocks(const PlaneBlocksChange &change, bool forward)
{
    auto &blocks = state_.cipherBlocks;
    if (forward) {
        for (const auto &removed : change.removedBlocks)
            blocks.erase(blocks.begin() + std::ptrdiff_t(removed.first));
        blocks.insert(blocks.end(), change.addedBlocks.begin(), change.addedBlocks.end());
    } else {
        blocks.resize(blocks.size() - change.addedBlocks.size());
        for (auto it = change.removedBlocks.rbegin(); it != change.removedBlocks.rend(); ++it)
            blocks.insert(blocks.begin() + std::ptrdiff_t(it->first), it->second);
    }
    state_.recordOffsets[change.plane - 1] = forward ? change.recordAfter : change.recordBefore;
    state_.damageMapOffsets[change.plane - 1] = forward ? change.mapAfter : change.mapBefore;
    ++revision_;
}

void DataFile::beginRecording()
{
    recording_ = true;
    recorded_ = {};
}

ChangeSet DataFile::endRecording()
{
    recording_ = false;
    return std::exchange(recorded_, {});
}

void DataFile::undo(const ChangeSet &changes)
{
    for (auto step = changes.steps.rbegin(); step != changes.steps.rend(); ++step) {
        switch (step->kind) {
        case ChangeSet::Step::Bytes:
            rawWrite(step->offset, step->before.constData(), step->before.size());
            break;
        case ChangeSet::Step::Resize:
            rawResize(step->oldSize);
            if (!step->before.isEmpty())
                rawWrite(step->newSize, step->before.constData(), step->before.size());
            break;
        case ChangeSet::Step::Header:
            setHeaderValues(step->headerBefore);
            break;
        case ChangeSet::Step::PlaneBlocks:
            replayBlocks(step->blocks, false);
            break;
        case ChangeSet::Step::Gap:
            undoGap(*step);
            break;
        }
    }
}

void DataFile::redo(const ChangeSet &changes)
{
    for (const auto &step : changes.steps) {
        switch (step.kind) {
        case ChangeSet::Step::Bytes:
            rawWrite(step.offset, step.after.constData(), step.after.size());
            break;
        case ChangeSet::Step::Resize:
            rawResize(step.newSize);
            break;
        case ChangeSet::Step::Header:
            setHeaderValues(step.headerAfter);
            break;
        case ChangeSet::Step::PlaneBlocks:
            replayBlocks(step.blocks, true);
            break;
        case ChangeSet::Step::Gap:
            redoGap(step);
            break;
        }
    }
}

} // namespace vw::datafile
