#include "common/test_registry.h"
#include "core/datafile/reference_cipher.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"

#include <QTemporaryDir>
#include <QTest>

using namespace vw::datafile;
using vwtest::sampleOptions;

namespace {

QByteArray headerOnly(qsizetype size, int version, int byte4)
{
    QByteArray bytes(size, '\0');
    bytes[0] = char(version & 255);
    bytes[1] = char(version >> 8);
    bytes[4] = char(byte4);
    return bytes;
}

// Builds the enciphered file of a plain image exactly as the game stores it.
QByteArray enciphered(const QByteArray &plain)
{
    return DataFile::fromBytes(plain, false).toBytes(true);
}

qint64 directoryField(const QByteArray &image, int plane, int fieldOffset)
{
    return vwtest::u24At(image, directoryEntryOffset(plane) + fieldOffset);
}

} // namespace

class DataFileLoadTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The layout comes from the size and the version word alone; version 273
    // always takes the 128-plane starts and the keyed cipher.
    void layoutFromSizeAndVersion_data()
    {
        QTest::addColumn<qint64>("size");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("layout");
        QTest::addColumn<QList<int>>("starts");
        QTest::addColumn<int>("byte8"); // byte 8 of an all-zero file once deciphered
        const QList<int> original{5504, 54454, 112840}, openhall128{10930, 59872, 176659},
            openhall256{21938, 70880, 306323};
        const int keyedZero = quint8(vwtest::reference::decipherKeyed(273, QByteArray(1, '\0'))[0]);
        QTest::newRow("original size, 272") << qint64(OriginalLayoutFileSize) << 272 << 0 << original << 127;
        QTest::newRow("original size, 0") << qint64(OriginalLayoutFileSize) << 0 << 0 << original << 127;
        QTest::newRow("original size, 274") << qint64(OriginalLayoutFileSize) << 274 << 2 << openhall256 << 169;
        QTest::newRow("original size, 273") << qint64(OriginalLayoutFileSize) << 273 << 0 << openhall128 << keyedZero;
        QTest::newRow("one byte less, 272") << qint64(OriginalLayoutFileSize - 1) << 272 << 1 << openhall128 << 169;
        QTest::newRow("one byte more, 100") << qint64(OriginalLayoutFileSize + 1) << 100 << 1 << openhall128 << 169;
        QTest::newRow("other size, 273") << qint64(400000) << 273 << 1 << openhall128 << keyedZero;
        QTest::newRow("other size, 274") << qint64(400000) << 274 << 2 << openhall256 << 169;
        QTest::newRow("other size, 65535") << qint64(400000) << 65535 << 2 << openhall256 << 169;
        // A region cut short by the end of the file keeps the key of its full length.
        QTest::newRow("short file, 272") << qint64(100) << 272 << 1 << openhall128 << 169;
        QTest::newRow("short file, 273") << qint64(100) << 273 << 1 << openhall128 << keyedZero;
    }
    void layoutFromSizeAndVersion()
    {
        QFETCH(qint64, size);
        QFETCH(int, version);
        QFETCH(int, layout);
        QFETCH(QList<int>, starts);
        QFETCH(int, byte8);
        const DataFile file = DataFile::fromBytes(headerOnly(size, version, 11), true);
        QCOMPARE(file.FileVersion(), version);
        QCOMPARE(file.FileLayout(), layout);
        QCOMPARE(file.PlaneCount(), 10);
        QCOMPARE((QList<int>{file.WingsTableStart(), file.DamageProfileStart(), file.AmmoTableStart()}), starts);
        QCOMPARE(int(file.u8(8)), byte8);
    }

    void planeCountIsByte4Less1_data()
    {
        QTest::addColumn<int>("byte4");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("64") << 64;
        QTest::newRow("255") << 255;
    }
    void planeCountIsByte4Less1()
    {
        QFETCH(int, byte4);
        const DataFile file = DataFile::fromBytes(headerOnly(1000, 272, byte4), true);
        QCOMPARE(file.PlaneCount(), byte4 - 1);
        QCOMPARE(file.toBytes(true), headerOnly(1000, 272, byte4));
    }

    // Byte 4 = 0: no planes in the list, but the directory is still read for
    // its first 64 entries, so blocks behind them are deciphered and saved again.
    void emptyPlaneListStillReadsFirst64Entries()
    {
        QByteArray plain = buildSamplePlainImage(sampleOptions(Openhall128Layout, 5));
        plain[4] = 0;
        const QByteArray file = enciphered(plain);
        const DataFile loaded = DataFile::fromBytes(file, true);
        QCOMPARE(loaded.PlaneCount(), -1);
        QVERIFY(loaded.hasRecord(5));
        QCOMPARE(loaded.recordOffset(5), directoryField(plain, 5, 0));
        QCOMPARE(loaded.cipherBlocks().size(), size_t(10));
        QCOMPARE(loaded.toBytes(false), plain);
        QCOMPARE(loaded.toBytes(true), file);
    }

    void roundTripEveryLayoutAndCipher_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("planes");
        QTest::newRow("original, 272") << 0 << 272 << 3;
        QTest::newRow("original, full") << 0 << 0 << 63;
        QTest::newRow("128 planes, 272") << 1 << 272 << 4;
        QTest::newRow("128 planes, keyed") << 1 << 273 << 4;
        QTest::newRow("128 planes, keyed, no planes") << 1 << 273 << 0;
        QTest::newRow("256 planes, 274") << 2 << 274 << 4;
        QTest::newRow("256 planes, 65535") << 2 << 65535 << 1;
    }
    void roundTripEveryLayoutAndCipher()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QFETCH(int, planes);
        const QByteArray plain = buildSamplePlainImage(sampleOptions(layout, planes, version));
        const QByteArray file = buildSampleFile(sampleOptions(layout, planes, version));
        QVERIFY(file != plain);

        const DataFile loaded = DataFile::fromBytes(file, true);
        QCOMPARE(loaded.FileLayout(), layout);
        QCOMPARE(loaded.FileVersion(), version);
        QCOMPARE(loaded.PlaneCount(), planes);
        QVERIFY(loaded.loadReport().clean());
        for (int p = 1; p <= planes; ++p) {
            QCOMPARE(loaded.recordOffset(p), directoryField(plain, p, 0));
            QCOMPARE(loaded.damageMapOffset(p), directoryField(plain, p, 74));
        }
        QCOMPARE(loaded.recordOffset(planes + 1), 0);
        // In the original layout the first region covers the header, so the
        // image holds its bytes transformed; the header values live beside it.
        QCOMPARE(vwtest::imageOf(loaded).mid(HeaderSize), plain.mid(HeaderSize));
        QCOMPARE(loaded.toBytes(false), plain);
        QCOMPARE(loaded.toBytes(true), file);
        // The decrypted copy cycle: a plain load enciphers to the same file.
        QCOMPARE(DataFile::fromBytes(plain, false).toBytes(true), file);
    }

    void roundTripThroughFiles_data()
    {
        vwtest::addEveryLayoutAndCipher();
    }
    void roundTripThroughFiles()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QTemporaryDir dir(vwtest::scratchTemplate());
        QVERIFY(dir.isValid());
        const QByteArray file = buildSampleFile(sampleOptions(layout, 3, version));
        const QByteArray plain = buildSamplePlainImage(sampleOptions(layout, 3, version));
        const QString misc = dir.filePath(QStringLiteral("misc.bin"));
        const QString copy = dir.filePath(QStringLiteral("misc_.bin"));
        const QString saved = dir.filePath(QStringLiteral("saved.bin"));
        QVERIFY(vwtest::writeWhole(misc, file));

        DataFile loaded = DataFile::ReadCfg(misc, true);
        loaded.SaveCfg(saved, true);
        QCOMPARE(vwtest::readWhole(saved), file);
        loaded.SaveCfg(copy, false);
        QCOMPARE(vwtest::readWhole(copy), plain);

        DataFile fromCopy = DataFile::ReadCfg(copy, false);
        fromCopy.SaveCfg(saved, true);
        QCOMPARE(vwtest::readWhole(saved), file);
    }

    // Blocks that overlap each other or the shared regions are deciphered once
    // per directory entry and enciphered in exactly the reverse order, so the
    // file still comes back byte for byte.
    void overlappingBlocksRoundTrip_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QString>("overlap");
        for (int version : {272, 273}) {
            for (const char *overlap : {"shared record", "map inside record", "record over the wings table"})
                QTest::addRow("%s, %d", overlap, version) << version << QString::fromLatin1(overlap);
        }
    }
    void overlappingBlocksRoundTrip()
    {
        QFETCH(int, version);
        QFETCH(QString, overlap);
        QByteArray plain = buildSamplePlainImage(sampleOptions(Openhall128Layout, 3, version));
        const qint64 record1 = directoryField(plain, 1, 0);
        if (overlap == QLatin1String("shared record"))
            vwtest::putU24(plain, directoryEntryOffset(2), record1);
        else if (overlap == QLatin1String("map inside record"))
            vwtest::putU24(plain, directoryEntryOffset(3) + 74, directoryField(plain, 3, 0) + 1000);
        else // behind the directory, over the shared wings table
            vwtest::putU24(plain, directoryEntryOffset(1), 12000);
        const QByteArray file = enciphered(plain);

        const DataFile loaded = DataFile::fromBytes(file, true);
        QVERIFY(loaded.loadReport().clean());
        QCOMPARE(loaded.cipherBlocks().size(), size_t(6));
        QCOMPARE(loaded.toBytes(true), file);
        QCOMPARE(loaded.toBytes(false), plain);
    }

    // A block reaching past the end of the file is no block: it is reported,
    // left as it is, and the file still round-trips.
    void truncatedBlocksAreReported_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("cut");          // bytes cut off the end of a 3-plane file
        QTest::addColumn<int>("record2");      // plane 2's record offset, -1: as built
        QTest::addColumn<QList<int>>("missingRecords");
        QTest::addColumn<QList<int>>("missingMaps");
        for (int version : {272, 273}) {
            QTest::addRow("last map cut, %d", version) << version << 5000 << -1 << QList<int>{} << QList<int>{3};
            QTest::addRow("last record cut, %d", version) << version << 10000 << -1 << QList<int>{3} << QList<int>{3};
            QTest::addRow("record at the end, %d", version) << version << 0 << -2 << QList<int>{2} << QList<int>{};
            // A record over the directory would rewrite the offsets it was found by.
            QTest::addRow("record over the directory, %d", version) << version << 0 << -3 << QList<int>{2} << QList<int>{};
        }
    }
    void truncatedBlocksAreReported()
    {
        QFETCH(int, version);
        QFETCH(int, cut);
        QFETCH(int, record2);
        QFETCH(QList<int>, missingRecords);
        QFETCH(QList<int>, missingMaps);
        QByteArray plain = buildSamplePlainImage(sampleOptions(Openhall128Layout, 3, version));
        if (record2 == -2) // the record would start 100 bytes before the end of the file
            vwtest::putU24(plain, directoryEntryOffset(2), plain.size() - 100);
        if (record2 == -3)
            vwtest::putU24(plain, directoryEntryOffset(2), 500);
        const QByteArray file = enciphered(plain).chopped(cut);

        const DataFile loaded = DataFile::fromBytes(file, true);
        QCOMPARE(loaded.loadReport().missingRecords, missingRecords);
        QCOMPARE(loaded.loadReport().missingDamageMaps, missingMaps);
        for (int p : missingRecords)
            QVERIFY(!loaded.hasRecord(p));
        for (int p : missingMaps)
            QVERIFY(!loaded.hasDamageMap(p));
        QVERIFY(loaded.hasRecord(1));
        QCOMPARE(loaded.toBytes(true), file);
        // The decrypted copy cycle restores the file too.
        QCOMPARE(DataFile::fromBytes(loaded.toBytes(false), false).toBytes(true), file);
        const qint64 plane1End = loaded.damageMapOffset(1) + DamageMapSize;
        QCOMPARE(loaded.toBytes(false).left(plane1End), plain.left(plane1End));
    }

    // The offset fields of the slot behind a full directory lie in the wings
    // table: wings data there must not be taken for a plane's blocks.
    void wingsDataBehindDirectoryIsNoPlane_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("slot"); // the plane number whose entry lies in the wings table
        QTest::newRow("original, always indexes 64 entries") << 0 << 272 << 2 << 64;
        QTest::newRow("128 planes, full") << 1 << 272 << 126 << 127;
        QTest::newRow("128 planes, full, keyed") << 1 << 273 << 126 << 127;
    }
    void wingsDataBehindDirectoryIsNoPlane()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QFETCH(int, planes);
        QFETCH(int, slot);
        QByteArray plain = buildSamplePlainImage(sampleOptions(layout, planes, version));
        const qint64 entry = directoryEntryOffset(slot);
        QVERIFY(entry >= regionList(version, layout).starts.wings);
        // Wings values that look like plane 1's offsets.
        vwtest::putU24(plain, entry, directoryField(plain, 1, 0));
        vwtest::putU24(plain, entry + 74, directoryField(plain, 1, 74));
        const QByteArray file = enciphered(plain);

        const DataFile loaded = DataFile::fromBytes(file, true);
        QCOMPARE(loaded.PlaneCount(), planes);
        QVERIFY(!loaded.hasRecord(slot));
        QVERIFY(!loaded.hasDamageMap(slot));
        QCOMPARE(loaded.cipherBlocks().size(), size_t(2 * planes));
        QCOMPARE(loaded.toBytes(false), plain);
        QCOMPARE(loaded.toBytes(true), file);
    }

    void tinyFilesLoadAndSave_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("planeCount");
        QTest::newRow("empty") << QByteArray() << 0 << -1;
        QTest::newRow("3 bytes") << QByteArray("\x10\x01\x07", 3) << 272 << -1;
        QTest::newRow("5 bytes") << QByteArray("\x12\x01\x00\x00\x04", 5) << 274 << 3;
        QTest::newRow("9 bytes, one directory byte") << QByteArray("\x11\x01\x00\x00\x02\x00\x00\x00\x55", 9) << 273 << 1;
        QTest::newRow("directory cut inside an offset") << QByteArray("\x10\x01\x00\x00\x02", 5) + QByteArray(90, '\x7f') << 272 << 1;
    }
    void tinyFilesLoadAndSave()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, version);
        QFETCH(int, planeCount);
        const DataFile loaded = DataFile::fromBytes(bytes, true);
        QCOMPARE(loaded.FileSize(), bytes.size());
        QCOMPARE(loaded.FileVersion(), version);
        QCOMPARE(loaded.PlaneCount(), planeCount);
        QVERIFY(loaded.cipherBlocks().empty());
        QCOMPARE(loaded.toBytes(true), bytes);

        QTemporaryDir dir(vwtest::scratchTemplate());
        const QString path = dir.filePath(QStringLiteral("tiny.bin"));
        QVERIFY(vwtest::writeWhole(path, bytes));
        DataFile fromDisk = DataFile::ReadCfg(path, true);
        fromDisk.SaveCfg(dir.filePath(QStringLiteral("out.bin")), true);
        QCOMPARE(vwtest::readWhole(dir.filePath(QStringLiteral("out.bin"))), bytes);
    }

    void readCfgRefusesWhatIsNoFile()
    {
        QTemporaryDir dir(vwtest::scratchTemplate());
        const QString missing = dir.filePath(QStringLiteral("missing.bin"));
        try {
            DataFile::ReadCfg(missing, true);
            QFAIL("a missing file loaded");
        } catch (const FileError &e) {
            QCOMPARE(e.path(), missing);
        }
        QVERIFY_THROWS_EXCEPTION(FileError, DataFile::ReadCfg(dir.path(), true));
    }

    // The size is checked before anything is read: a sparse file costs no memory.
    void readCfgRefusesFilesAboveCapacity()
    {
        QTemporaryDir dir(vwtest::scratchTemplate());
        const QString path = dir.filePath(QStringLiteral("huge.bin"));
        QFile huge(path);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(MaxFileSize + 1));
        huge.close();
        try {
            DataFile::ReadCfg(path, true);
            QFAIL("a file above the capacity loaded");
        } catch (const FileError &e) {
            QCOMPARE(e.path(), path);
            QVERIFY2(QString(e.reason()).remove(QLatin1Char(',')).contains(QLatin1String("20000001")),
                     qPrintable(e.reason()));
        }
        // Exactly the capacity is a file like any other.
        QVERIFY(huge.resize(MaxFileSize));
        QCOMPARE(DataFile::ReadCfg(path, false).FileSize(), MaxFileSize);
    }
};

VW_TEST(DataFileLoadTest)
#include "test_load.moc"
