#include "common/test_registry.h"
#include "core/datafile/reference_cipher.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/cipher.h"
#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"

#include <QTest>

#include <algorithm>

using namespace vw::datafile;
namespace ref = vwtest::reference;

namespace {

QByteArray translated(QByteArray bytes)
{
    Translate(vwtest::bytesOf(bytes), bytes.size());
    return bytes;
}

QByteArray keyedEnciphered(const Cipher &cipher, QByteArray bytes)
{
    cipher.encipherKeyed(vwtest::bytesOf(bytes), bytes.size());
    return bytes;
}

QByteArray keyedDeciphered(const Cipher &cipher, QByteArray bytes)
{
    cipher.decipherKeyed(vwtest::bytesOf(bytes), bytes.size());
    return bytes;
}

QList<int> listOf(const QByteArray &bytes)
{
    QList<int> values;
    for (char c : bytes)
        values << quint8(c);
    return values;
}

} // namespace

class CipherTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The complement transform's key is (length - 1) mod 256, so the same byte
    // enciphers differently in ranges of different lengths.
    void translateKeyFollowsRangeLength_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("expected");
        QTest::newRow("1 byte, 0") << 1 << 0 << 0;
        QTest::newRow("1 byte, 1") << 1 << 1 << 255;
        QTest::newRow("1 byte, 200") << 1 << 200 << 56;
        QTest::newRow("1 byte, 255") << 1 << 255 << 1;
        QTest::newRow("5504, 0") << 5504 << 0 << 127;
        QTest::newRow("5504, 127") << 5504 << 127 << 0;
        QTest::newRow("5504, 200") << 5504 << 200 << 183;
        // The key of every range length the layouts use: Translate of 0 is k.
        const int lengths[][2] = {{48000, 127}, {59328, 191}, {11200, 191}, {10922, 169}, {21930, 169},
                                  {117729, 224}, {31208, 231}, {8192, 255}, {256, 255}, {257, 0}};
        for (const auto &lk : lengths)
            QTest::addRow("k of %d", lk[0]) << lk[0] << 0 << lk[1];
    }
    void translateKeyFollowsRangeLength()
    {
        QFETCH(int, length);
        QFETCH(int, input);
        QFETCH(int, expected);
        const QByteArray out = translated(QByteArray(length, char(input)));
        QCOMPARE(out, QByteArray(length, char(expected)));
        QCOMPARE(translated(out), QByteArray(length, char(input)));
    }

    void bldTableIsPermutationWithInverse_data()
    {
        QTest::addColumn<int>("version");
        for (int v : {0, 1, 272, 273, 274, 65535})
            QTest::addRow("version %d", v) << v;
    }
    void bldTableIsPermutationWithInverse()
    {
        QFETCH(int, version);
        const CipherTables tables = BldTable(version);
        auto sorted = tables.permutation;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < 256; ++i) {
            QCOMPARE(int(sorted[i]), i);
            QCOMPARE(int(tables.inverse[tables.permutation[i]]), i);
        }
        const ref::Tables expected = ref::buildTables(version);
        QCOMPARE(tables.permutation, expected.permutation);
        QCOMPARE(tables.inverse, expected.inverse);
    }

    // Values worked out from the algorithm with a separate tool, outside this
    // code base, so that the reference cipher cannot share a mistake with the product.
    void keyedCipherPinnedBytes_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<QList<int>>("permutationHead"); // permutation[0..7], permutation[255]
        QTest::addColumn<QList<int>>("enciphered");      // encipherKeyed of the bytes 0..15
        QTest::newRow("273") << 273 << QList<int>{25, 10, 171, 90, 29, 207, 37, 20, 245}
                             << QList<int>{251, 252, 85, 169, 103, 117, 128, 194, 203, 234, 195, 233, 36, 69, 41, 178};
        QTest::newRow("0") << 0 << QList<int>{0, 77, 38, 35, 4, 109, 6, 11, 147}
                           << QList<int>{90, 225, 242, 203, 245, 28, 65, 156, 90, 229, 6, 43, 5, 184, 117, 148};
        QTest::newRow("65535") << 65535 << QList<int>{25, 67, 2, 6, 149, 165, 129, 125, 95}
                               << QList<int>{75, 235, 216, 239, 100, 228, 194, 234, 73, 194, 138, 149, 5, 132, 33, 64};
    }
    void keyedCipherPinnedBytes()
    {
        QFETCH(int, version);
        QFETCH(QList<int>, permutationHead);
        QFETCH(QList<int>, enciphered);
        const Cipher cipher(version);
        QList<int> head;
        for (int i = 0; i < 8; ++i)
            head << cipher.tables().permutation[i];
        head << cipher.tables().permutation[255];
        QCOMPARE(head, permutationHead);

        QByteArray counting(16, '\0');
        for (int i = 0; i < 16; ++i)
            counting[i] = char(i);
        QCOMPARE(listOf(keyedEnciphered(cipher, counting)), enciphered);
        QCOMPARE(listOf(ref::encipherKeyed(version, counting)), enciphered);
    }

    void keyedCipherMatchesReference_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("length");
        for (int v : {273, 0, 272, 65535})
            for (int n : {1, 7, 255, 256, 257, 4099})
                QTest::addRow("version %d, %d bytes", v, n) << v << n;
    }
    void keyedCipherMatchesReference()
    {
        QFETCH(int, version);
        QFETCH(int, length);
        const QByteArray plain = vwtest::randomBytes(length, quint32(version * 31 + length));
        const Cipher cipher(version);
        const QByteArray enciphered = keyedEnciphered(cipher, plain);
        QCOMPARE(enciphered, ref::encipherKeyed(version, plain));
        QCOMPARE(keyedDeciphered(cipher, enciphered), plain);
        QCOMPARE(ref::decipherKeyed(version, enciphered), plain);
    }

    // Each call starts counting positions at 0: two neighbouring ranges are not
    // one long range, and each must be deciphered with the call that enciphered it.
    void keyedPositionsRestartPerCall()
    {
        const Cipher cipher(KeyedVersion);
        const QByteArray plain = vwtest::randomBytes(1000, 11);
        QByteArray bytes = plain;
        cipher.Encode277(vwtest::bytesOf(bytes), 300);
        cipher.Encode277(vwtest::bytesOf(bytes) + 300, 700);
        QCOMPARE(bytes.mid(300), ref::encipherKeyed(KeyedVersion, plain.mid(300)));
        QVERIFY(keyedDeciphered(cipher, bytes) != plain);

        cipher.Decode277(vwtest::bytesOf(bytes), 300);
        cipher.Decode277(vwtest::bytesOf(bytes) + 300, 700);
        QCOMPARE(bytes, plain);
    }

    void perPlaneCipherIsTranslateUnlessVersion273_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("length");
        for (int v : {0, 272, 273, 274, 65535})
            for (int n : {1, DamageMapSize, PlaneRecordSize})
                QTest::addRow("version %d, %d bytes", v, n) << v << n;
    }
    void perPlaneCipherIsTranslateUnlessVersion273()
    {
        QFETCH(int, version);
        QFETCH(int, length);
        const QByteArray plain = vwtest::randomBytes(length, quint32(length));
        const Cipher cipher(version);
        QCOMPARE(cipher.keyed(), version == KeyedVersion);
        QByteArray encoded = plain;
        cipher.Encode277(vwtest::bytesOf(encoded), length);
        const QByteArray expected = version == KeyedVersion ? ref::encipherKeyed(version, plain)
                                                            : ref::translate(plain);
        QCOMPARE(encoded, expected);
        cipher.Decode277(vwtest::bytesOf(encoded), length);
        QCOMPARE(encoded, plain);
    }

    // The whole enciphered file, built region by region with the reference
    // cipher from the documented region table, must be what the save writes.
    void savedFileIsEncipheredRegionByRegion_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("planes");
        QTest::newRow("original, 272") << 0 << 272 << 3;
        QTest::newRow("original, 0") << 0 << 0 << 2;
        QTest::newRow("128 planes, 272") << 1 << 272 << 3;
        QTest::newRow("128 planes, 273 keyed") << 1 << 273 << 3;
        QTest::newRow("128 planes, 0 planes") << 1 << 100 << 0;
        QTest::newRow("256 planes, 274") << 2 << 274 << 3;
        QTest::newRow("256 planes, 65535") << 2 << 65535 << 2;
    }
    void savedFileIsEncipheredRegionByRegion()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QFETCH(int, planes);
        struct Region { int start, length; };
        const bool keyed = version == KeyedVersion;
        QList<Region> regions;
        if (keyed || layout == 1)
            regions = {{8, 10922}, {10930, 48000}, {58930, 117729}, {176659, 11200}};
        else if (layout == 0)
            regions = {{0, 5504}, {5504, 48000}, {53504, 59328}, {112832, 11200}};
        else
            regions = {{8, 21930}, {21938, 48000}, {70880, 117729}, {306323, 11200}};

        const QByteArray plain = buildSamplePlainImage(vwtest::sampleOptions(layout, planes, version));
        QByteArray expected = plain;
        for (int r = 0; r < regions.size(); ++r) {
            const Region &region = regions[r];
            const QByteArray part = plain.mid(region.start, region.length);
            // The ammunition table (the last region) is unkeyed also in version 273 files.
            const QByteArray enciphered = keyed && r < 3 ? ref::encipherKeyed(version, part) : ref::translate(part);
            expected.replace(region.start, region.length, enciphered);
        }
        for (int p = 1; p <= planes; ++p) {
            const int record = vwtest::u24At(plain, 86 * p + 8);
            const int map = vwtest::u24At(plain, 86 * p + 8 + 74);
            for (auto [start, length] : {std::pair{record, PlaneRecordSize}, std::pair{map, DamageMapSize}}) {
                const QByteArray part = plain.mid(start, length);
                expected.replace(start, length, keyed ? ref::encipherKeyed(version, part) : ref::translate(part));
            }
        }
        for (int headerByte : {0, 1, 4})
            expected[headerByte] = plain[headerByte];

        const QByteArray file = buildSampleFile(vwtest::sampleOptions(layout, planes, version));
        QCOMPARE(file.size(), plain.size());
        QCOMPARE(file, expected);
    }
};

VW_TEST(CipherTest)
#include "test_cipher.moc"
