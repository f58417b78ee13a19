#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

using namespace vw::weapons;
using vw::datafile::DataFile;
using vw::datafile::FormatError;

namespace {

DataFile sampleFile(int planes = 4)
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, planes)), false);
}

enum Field { Ammo, HeavyAmmo, Bursts };

} // namespace

class WeaponRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The three counts are clamped, split low byte first, and the two bytes
    // after each field keep what they held.
    void sixteenBitFieldsClampAndSplit_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<qint64>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::newRow("ammo 40000") << int(Ammo) << qint64(40000) << 30000 << 0x30 << 0x75;
        QTest::newRow("ammo 258") << int(Ammo) << qint64(258) << 258 << 2 << 1;
        QTest::newRow("ammo 30001") << int(Ammo) << qint64(30001) << 30000 << 0x30 << 0x75;
        QTest::newRow("heavy ammo -5") << int(HeavyAmmo) << qint64(-5) << 0 << 0 << 0;
        QTest::newRow("heavy ammo 50000") << int(HeavyAmmo) << qint64(50000) << 30000 << 0x30 << 0x75;
        QTest::newRow("bursts 20000") << int(Bursts) << qint64(20000) << 15000 << 0x98 << 0x3A;
        QTest::newRow("bursts 15000") << int(Bursts) << qint64(15000) << 15000 << 0x98 << 0x3A;
        QTest::newRow("bursts 255") << int(Bursts) << qint64(255) << 255 << 255 << 0;
    }
    void sixteenBitFieldsClampAndSplit()
    {
        QFETCH(int, field);
        QFETCH(qint64, typed);
        QFETCH(int, stored);
        QFETCH(int, low);
        QFETCH(int, high);
        DataFile file = sampleFile();
        WeaponRecord weapon = WeaponsBlock(file, 2).config(1).weapon(3);
        const int offset = field == Ammo ? WeaponRecord::AmmoOffset
                         : field == HeavyAmmo ? WeaponRecord::HeavyAmmoOffset
                                              : WeaponRecord::BurstsOffset;
        const std::int64_t at = weapon.offset() + offset;
        file.writeU16(at + 2, 0xBEEF);
        const QByteArray before = vwtest::imageOf(file);
        const int result = field == Ammo ? weapon.setAmmo(typed)
                         : field == HeavyAmmo ? weapon.setHeavyAmmo(typed)
                                              : weapon.setBursts(typed);
        QCOMPARE(result, stored);
        QCOMPARE(int(file.u8(at)), low);
        QCOMPARE(int(file.u8(at + 1)), high);
        QByteArray expected = before;
        expected[qsizetype(at)] = char(low);
        expected[qsizetype(at + 1)] = char(high);
        QCOMPARE(vwtest::imageOf(file), expected); // nothing else moved, the two bytes after included
    }

    // Counts only say how many slots are in use: lowering and raising them
    // again shows the old records unchanged. Counts are kept within the slots.
    void countsHideAndRevealSlots()
    {
        DataFile file = sampleFile();
        WeaponsBlock block(file, 1);
        ConfigRecord config = block.config(1);
        QCOMPARE(config.setWeaponCount(5), 5);
        const QByteArray before = vwtest::imageOf(file);
        QCOMPARE(config.setWeaponCount(3), 3);
        QCOMPARE(config.weaponCount(), 3);
        QCOMPARE(config.setWeaponCount(5), 5);
        QCOMPARE(vwtest::imageOf(file), before);

        QCOMPARE(config.setWeaponCount(0), 1);
        QCOMPARE(config.setWeaponCount(17), 16);
        QCOMPARE(block.setConfigCount(0), 1);
        QCOMPARE(block.setConfigCount(9), 8);
        QCOMPARE(block.setConfigCount(2), 2);
        QCOMPARE(block.configCount(), 2);
    }

    // Counts stored beyond the data model are shown within it, and no slot
    // outside the block can be reached.
    void storedCountsBeyondTheModel()
    {
        DataFile file = sampleFile();
        WeaponsBlock block(file, 1);
        file.writeU8(block.start(), 12);
        file.writeU8(block.config(1).offset() + ConfigRecord::WeaponCountOffset, 40);
        QCOMPARE(block.storedConfigCount(), 12);
        QCOMPARE(block.configCount(), 8);
        QCOMPARE(block.config(1).weaponCount(), 16);
        QVERIFY_THROWS_EXCEPTION(FormatError, block.config(9));
        QVERIFY_THROWS_EXCEPTION(FormatError, block.config(0));
        QVERIFY_THROWS_EXCEPTION(FormatError, block.config(8).weapon(17));
        // The last slot of the last record ends exactly at the end of the block.
        QCOMPARE(block.config(8).weapon(16).offset() + WeaponRecord::Size, block.start() + WeaponsBlock::Size);
    }

    // The name field is zeroed and refilled; 32 characters or more leave no
    // terminating zero, and the bytes after the field are not touched.
    void configNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("listed");
        QTest::newRow("short") << QStringLiteral("Rockets") << QStringLiteral("Rockets");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("32 characters") << QString(32, QLatin1Char('x')) << QString(32, QLatin1Char('x'));
        QTest::newRow("40 characters") << QStringLiteral("0123456789").repeated(4)
                                       << QStringLiteral("0123456789").repeated(4).left(32);
    }
    void configNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, listed);
        DataFile file = sampleFile();
        ConfigRecord config = WeaponsBlock(file, 1).config(2);
        config.setName(QString(32, QLatin1Char('L'))); // a long old name must not show through
        const QByteArray after = file.bytes(config.offset() + 32, 8);
        config.setName(name);
        QCOMPARE(config.name(), listed);
        QByteArray expected = listed.toLatin1();
        expected.append(32 - expected.size(), '\0');
        QCOMPARE(file.bytes(config.offset(), 32), expected);
        QCOMPARE(file.bytes(config.offset() + 32, 8), after);
    }

    // A plane whose directory entry has no plane record has no weapons block:
    // nothing reads or writes one for it.
    void planeWithoutRecordHasNoBlock()
    {
        DataFile file = sampleFile();
        file.setPlaneBlocks(3, 0, file.damageMapOffset(3));
        const QByteArray before = vwtest::imageOf(file);
        WeaponsBlock block(file, 3);
        QVERIFY(!block.exists());
        QVERIFY_THROWS_EXCEPTION(FormatError, block.setConfigCount(2));
        QVERIFY_THROWS_EXCEPTION(FormatError, block.config(1));
        QCOMPARE(vwtest::imageOf(file), before);
    }
};

VW_TEST(WeaponRecordTest)
#include "test_weapon_records.moc"
