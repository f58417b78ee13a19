#include "data_file.h"

#include "cipher.h"
#include "file_access.h"
#include "number_text.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace vw::datafile {

namespace {

QString sizeText(std::int64_t bytes)
{
    return QLocale::c().toString(qlonglong(bytes));
}

// No file above the capacity is a plane data file: it is not read.
QString capacityText()
{
    return QStringLiteral("a plane data file holds at most %1 bytes").arg(sizeText(MaxFileSize));
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

DataFile DataFile::fromBytes(const QByteArray &bytes, bool decipher)
{
    if (bytes.size() > MaxFileSize)
        throw FormatError(QStringLiteral("the data is %1 bytes long; a plane data file holds at most %2 bytes")
                              .arg(sizeText(bytes.size()), sizeText(MaxFileSize)));
    DataFile file;
    file.loaded_ = true;
    file.image_.assign(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                       reinterpret_cast<const std::uint8_t *>(bytes.constData()) + bytes.size());
    const auto headerByte = [&](int offset) { return offset < bytes.size() ? int(quint8(bytes[offset])) : 0; };
    file.state_.fileLayout = bytes.size() == OriginalLayoutFileSize ? OriginalLayout : Openhall128Layout;
    file.state_.planeCount = headerByte(4) - 1;
    file.state_.fileVersion = headerByte(0) + 256 * headerByte(1);
    if (file.state_.fileVersion > KeyedVersion)
        file.state_.fileLayout = Openhall256Layout;

    file.state_.starts = Decode(file.image_.data(), file.FileSize(), file.state_.fileVersion,
                                file.state_.fileLayout, decipher);
    file.indexPlanes(decipher);
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
    // Only offset fields that lie in the layout's directory area are planes'
    // offsets: the slot behind the last one of a full directory is wings data.
    const auto readOffset = [&](std::int64_t field) -> std::int64_t {
        if (field + 3 > directoryEnd || !contains(field, 3))
            return 0;
        return u24(field);
    };
    for (int i = 0; i <= last; ++i) {
        const std::int64_t record = readOffset(std::int64_t(DirectoryEntrySize) * i + 94);
        const std::int64_t map = readOffset(std::int64_t(DirectoryEntrySize) * i + 168);
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
                    cipher.Decode277(image_.data() + record, PlaneRecordSize);
            } else if (i < state_.planeCount) {
                loadReport_.missingRecords.append(i + 1);
            }
        }
        if (map > 0) {
            if (usable(map, DamageMapSize)) {
                state_.damageMapOffsets[i] = map;
                state_.cipherBlocks.push_back({map, DamageMapSize});
                if (decipher)
                    cipher.Decode277(image_.data() + map, DamageMapSize);
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
        throw FormatError(QStringLiteral("No plane data file is loaded; nothing was saved."));
    if (state_.planeCount < -1 || state_.planeCount > MaxPlaneCount)
        throw FormatError(QStringLiteral("The number of planes is %1; a plane data file holds -1 to 254 "
                                         "(the header stores it in one byte). Nothing was saved.")
                              .arg(state_.planeCount));
    if (state_.fileVersion < 0 || state_.fileVersion > 65535)
        throw FormatError(QStringLiteral("The file version is %1; a plane data file holds 0 to 65535 "
                                         "(the header stores it in two bytes). Nothing was saved.")
                              .arg(state_.fileVersion));
}

QByteArray DataFile::toBytes(bool encipher) const
{
    checkSavable();
    QByteArray out(reinterpret_cast<const char *>(image_.data()), qsizetype(image_.size()));
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
            throw FileError(path, QStringLiteral("could not keep the previous file as %1: %2")
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
    throw FormatError(QStringLiteral("The bytes %1..%2 lie outside the file, which is %3 bytes long.")
                          .arg(offset)
                          .arg(offset + length - 1)
                          .arg(FileSize()));
}

void DataFile::rawWrite(std::int64_t offset, const void *source, std::int64_t length)
{
    std::memcpy(image_.data() + offset, source, size_t(length));
    ++revision_;
}

void DataFile::write(std::int64_t offset, const void *source, std::int64_t length)
{
    if (!contains(offset, length))
        throwOutside(offset, length);
    if (length == 0 || std::memcmp(image_.data() + offset, source, size_t(length)) == 0)
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
    const std::uint8_t b[2] = {std::uint8_t(value & 255), std::uint8_t(value >> 8)};
    write(offset, b, 2);
}

void DataFile::writeI32(std::int64_t offset, std::int32_t value)
{
    const auto v = std::uint32_t(value);
    const std::uint8_t b[4] = {std::uint8_t(v), std::uint8_t(v >> 8), std::uint8_t(v >> 16), std::uint8_t(v >> 24)};
    write(offset, b, 4);
}

void DataFile::writeF64(std::int64_t offset, double value)
{
    std::uint8_t b[8];
    std::memcpy(b, &value, 8);
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
    image_.resize(size_t(newSize), 0);
    ++revision_;
}

void DataFile::resize(std::int64_t newSize)
{
    if (newSize < 0 || newSize > MaxFileSize)
        throw FormatError(QStringLiteral("The file would become %1 bytes long; a plane data file holds at most %2 bytes.")
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

void DataFile::recordState(const FileState &before)
{
    ++revision_;
    if (!recording_)
        return;
    ChangeSet::Step step;
    step.kind = ChangeSet::Step::State;
    step.stateBefore = before;
    step.stateAfter = state_;
    recorded_.steps.push_back(std::move(step));
}

template <class T>
void DataFile::changeState(T FileState::*field, T value)
{
    if (state_.*field == value)
        return;
    const FileState before = state_;
    state_.*field = value;
    recordState(before);
}

void DataFile::setFileVersion(int version)
{
    changeState(&FileState::fileVersion, version);
}

void DataFile::setPlaneCount(int count)
{
    changeState(&FileState::planeCount, count);
}

void DataFile::setFileLayout(int layout)
{
    changeState(&FileState::fileLayout, layout);
}

void DataFile::setPlaneBlocks(int plane, std::int64_t recordOffset, std::int64_t damageMapOffset)
{
    if (plane < 1 || plane > PlaneTableSize)
        throw FormatError(QStringLiteral("There is no plane %1.").arg(plane));
    const FileState before = state_;
    auto &blocks = state_.cipherBlocks;
    const auto replace = [&](std::int64_t oldOffset, std::int64_t newOffset, std::int64_t length) {
        const auto old = std::find(blocks.begin(), blocks.end(), CipherBlock{oldOffset, length});
        if (oldOffset > 0 && old != blocks.end())
            blocks.erase(old);
        if (newOffset > 0)
            blocks.push_back({newOffset, length});
    };
    replace(state_.recordOffsets[plane - 1], recordOffset, PlaneRecordSize);
    replace(state_.damageMapOffsets[plane - 1], damageMapOffset, DamageMapSize);
    state_.recordOffsets[plane - 1] = recordOffset;
    state_.damageMapOffsets[plane - 1] = damageMapOffset;
    recordState(before);
}

void DataFile::setSectionStarts(SectionStarts starts)
{
    changeState(&FileState::starts, starts);
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
        case ChangeSet::Step::State:
            state_ = *step->stateBefore;
            ++revision_;
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
        case ChangeSet::Step::State:
            state_ = *step.stateAfter;
            ++revision_;
            break;
        }
    }
}

} // namespace vw::datafile
