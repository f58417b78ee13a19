#pragma once

// A slow, literal rendering of the file's cipher, written from the format's
// description independently of src/core/datafile/cipher.cpp, so that the tests can
// tell a fault in the fast table-driven cipher from a fault in the algorithm.

#include <QByteArray>

#include <array>
#include <cstdint>

namespace vwtest::reference {

struct Tables {
    std::array<quint8, 256> permutation{};
    std::array<quint8, 256> inverse{};
};

inline Tables buildTables(int fileVersion)
{
    Tables t;
    for (int i = 0; i < 256; ++i)
        t.permutation[i] = quint8(i);
    // 32-bit signed seed, widened; the steps keep the low 64 bits (done in
    // unsigned arithmetic so that the wrap is defined).
    std::int64_t x = std::int32_t(std::uint32_t(fileVersion) + 624815307u);
    for (int pass = 0; pass < 10; ++pass) {
        for (int j = 0; j < 256; ++j) {
            x = std::int64_t(std::uint64_t(x) + 472619u);
            x = x ^ 736142;
            x = std::int64_t(std::uint64_t(x) * 61297u);
            const int k = int(x & 255);
            const quint8 swap = t.permutation[j];
            t.permutation[j] = t.permutation[k];
            t.permutation[k] = swap;
        }
    }
    for (int i = 0; i < 256; ++i)
        t.inverse[t.permutation[i]] = quint8(i);
    return t;
}

inline std::uint32_t byteMask(int fileVersion)
{
    return std::uint32_t(8 * fileVersion + 538201946);
}

inline QByteArray encipherKeyed(int fileVersion, QByteArray bytes)
{
    const Tables t = buildTables(fileVersion);
    const std::uint32_t m = byteMask(fileVersion);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 mask = quint8(m >> (i % 8));
        const quint8 b = quint8(bytes[i]);
        bytes[i] = char(((mask ^ t.permutation[b]) + (i % 256)) % 256);
    }
    return bytes;
}

inline QByteArray decipherKeyed(int fileVersion, QByteArray bytes)
{
    const Tables t = buildTables(fileVersion);
    const std::uint32_t m = byteMask(fileVersion);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const quint8 mask = quint8(m >> (i % 8));
        const int shifted = ((quint8(bytes[i]) - int(i % 256)) % 256 + 256) % 256;
        bytes[i] = char(t.inverse[(mask ^ shifted) % 256]);
    }
    return bytes;
}

// The unkeyed complement transform; its key comes from the range's length.
inline QByteArray translate(QByteArray bytes, qsizetype rangeLength)
{
    const int k = int((rangeLength - 1) % 256);
    for (char &c : bytes)
        c = char(((k - quint8(c)) % 256 + 256) % 256);
    return bytes;
}

inline QByteArray translate(const QByteArray &bytes)
{
    return translate(bytes, bytes.size());
}

} // namespace vwtest::reference
