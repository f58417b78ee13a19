#pragma once

// What the fuzz programs share: the sample files they start from, a reader
// of the fuzzer's bytes, and a snapshot of everything a loaded file holds so
// that an undo or a refused operation can be checked to leave it exactly.

#include "core/datafile/data_file.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vw::fuzz {

// The enciphered sample files, built once per process: each layout and
// cipher, a few planes each (the header's plane count is plain, so the
// fuzzer reaches planes past 63 by changing it).
int sampleCount();
const QByteArray &sampleFile(int index);
QString sampleName(int index);

// Reads the fuzzer's input front to back; past its end every read gives 0.
class ByteReader {
public:
    ByteReader(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}
    bool atEnd() const { return at_ >= size_; }
    std::size_t remaining() const { return atEnd() ? 0 : size_ - at_; }
    std::uint8_t u8() { return atEnd() ? 0 : data_[at_++]; }
    std::uint16_t u16() { return std::uint16_t(u8() | u8() << 8); }
    std::uint32_t u24() { return std::uint32_t(u16()) | std::uint32_t(u8()) << 16; }
    // A number in lo..hi.
    int range(int lo, int hi) { return hi <= lo ? lo : lo + int(u16() % std::uint32_t(hi - lo + 1)); }
    QByteArray take(std::size_t length);
    QByteArray rest() { return take(remaining()); }

private:
    const std::uint8_t *data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// The image (its size and a 64-bit hash of its bytes, so that taking one
// stays cheap for large files), header values, section starts, offset tables
// and deciphered blocks of a file: equal snapshots mean the file holds the same.
struct FileSnapshot {
    std::int64_t imageSize = 0;
    std::size_t imageHash = 0;
    int version = 0, planeCount = 0, layout = 0;
    datafile::SectionStarts starts;
    std::vector<std::int64_t> records, maps;
    std::vector<datafile::CipherBlock> blocks;
    static FileSnapshot of(const datafile::DataFile &file);
    bool operator==(const FileSnapshot &) const = default;
};

// Stops the run with the message: libFuzzer records the input as a crash.
[[noreturn]] void finding(const char *what, const QString &detail = {});

} // namespace vw::fuzz
