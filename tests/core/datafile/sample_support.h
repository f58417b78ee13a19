#pragma once

// Small helpers shared by the plane data file tests: sample files of a given
// shape, and raw little-endian access to a byte array.

#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"

#include <QByteArray>
#include <QTest>
#include <QFile>
#include <QString>

#include <random>

namespace vwtest {

inline vw::datafile::SampleOptions sampleOptions(int layout, int planes, int version = -1, quint32 seed = 7)
{
    vw::datafile::SampleOptions options;
    options.layout = layout;
    options.planes = planes;
    options.version = version;
    options.seed = seed;
    return options;
}

// The data rows every round trip runs through: each layout, and the keyed cipher.
inline void addEveryLayoutAndCipher()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("version");
    QTest::newRow("original") << 0 << 272;
    QTest::newRow("128 planes") << 1 << 272;
    QTest::newRow("128 planes, keyed") << 1 << 273;
    QTest::newRow("256 planes") << 2 << 274;
}

inline int u24At(const QByteArray &bytes, qsizetype at)
{
    return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8 | quint8(bytes[at + 2]) << 16;
}

inline void putU24(QByteArray &bytes, qsizetype at, qint64 value)
{
    bytes[at] = char(value & 255);
    bytes[at + 1] = char((value >> 8) & 255);
    bytes[at + 2] = char((value >> 16) & 255);
}

inline QByteArray randomBytes(qsizetype length, quint32 seed)
{
    std::mt19937 rng(seed);
    QByteArray bytes(length, '\0');
    for (char &c : bytes)
        c = char(rng() & 255);
    return bytes;
}

inline quint8 *bytesOf(QByteArray &bytes)
{
    return reinterpret_cast<quint8 *>(bytes.data());
}

inline QByteArray imageOf(const vw::datafile::DataFile &file)
{
    return QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.FileSize()));
}

inline QByteArray readWhole(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

inline bool writeWhole(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace vwtest

#include <QCoreApplication>
#include <QDir>

namespace vwtest {

// Template for a QTemporaryDir under the build tree, beside the test program:
// not the working folder, which the editor changes to its base directory.
inline QString scratchTemplate()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("scratch-XXXXXX"));
}

} // namespace vwtest
