#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/weapons/weapon_copies.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

using namespace vw::weapons;
using vw::datafile::DataFile;

namespace {

DataFile sampleFile(int planes = 6, int layout = 1)
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(layout, planes)), false);
}

QByteArray configBytes(const DataFile &file, int plane, int c)
{
    return file.bytes(WeaponsBlockView(file, plane).config(c).offset(), ConfigRecord::Size);
}

QByteArray weaponBytes(const DataFile &file, const WeaponSlot &slot)
{
    return file.bytes(WeaponsBlockView(file, slot.plane).config(slot.config).weapon(slot.weapon).offset(),
                      WeaponRecord::Size);
}

// Gives every configuration record of a plane distinct bytes, so copies show.
void markConfigs(DataFile &file, int plane)
{
    WeaponsBlock block(file, plane);
    for (int c = 1; c <= WeaponsBlock::Slots; ++c) {
        block.config(c).setName(QStringLiteral("P%1 C%2").arg(plane).arg(c));
        file.writeU8(block.config(c).offset() + 33, std::uint8_t(plane * 10 + c));
    }
}

} // namespace

Q_DECLARE_METATYPE(WeaponSlot)

class WeaponCopiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A configuration is copied whole; the count is not raised, so a
    // destination above it stays hidden until the count is raised.
    void copyConfigOverwritesWithoutChangingTheCount()
    {
        DataFile file = sampleFile();
        markConfigs(file, 2);
        WeaponsBlock block(file, 2);
        block.setConfigCount(3);
        const QByteArray source = configBytes(file, 2, 2);
        QByteArray expected = vwtest::imageOf(file);
        expected.replace(block.config(5).offset(), ConfigRecord::Size, source);
        QVERIFY(copyConfig(file, 2, 2, 5));
        QCOMPARE(vwtest::imageOf(file), expected);
        QCOMPARE(block.configCount(), 3);
        QVERIFY(copyConfig(file, 2, 4, 4));
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    // The destination becomes the source record except its first byte, which
    // holds the destination's 0-based slot index.
    void copyWeaponWritesTheSlotIndex_data()
    {
        QTest::addColumn<WeaponSlot>("from");
        QTest::addColumn<WeaponSlot>("to");
        QTest::newRow("same configuration, into weapon 4") << WeaponSlot{1, 1, 1} << WeaponSlot{1, 1, 4};
        QTest::newRow("other plane and configuration") << WeaponSlot{2, 3, 2} << WeaponSlot{5, 1, 16};
        QTest::newRow("onto itself") << WeaponSlot{3, 2, 2} << WeaponSlot{3, 2, 2};
    }
    void copyWeaponWritesTheSlotIndex()
    {
        QFETCH(WeaponSlot, from);
        QFETCH(WeaponSlot, to);
        DataFile file = sampleFile();
        file.writeU8(WeaponsBlock(file, from.plane).config(from.config).weapon(from.weapon).offset(), 77);
        QByteArray expected = weaponBytes(file, from);
        expected[0] = char(to.weapon - 1);
        QByteArray image = vwtest::imageOf(file);
        const std::int64_t at = WeaponsBlock(file, to.plane).config(to.config).weapon(to.weapon).offset();
        image.replace(at, WeaponRecord::Size, expected);
        QVERIFY(copyWeapon(file, from, to));
        QCOMPARE(vwtest::imageOf(file), image);
    }

    // The loadout copy takes the count byte and configurations 1..count;
    // the destination's records above that count keep their bytes and come
    // back when its count is raised. Bytes 1..3 of the block are not copied.
    void copyLoadoutCopiesTheCountAndThoseConfigs()
    {
        DataFile file = sampleFile();
        markConfigs(file, 1);
        markConfigs(file, 4);
        WeaponsBlock(file, 1).setConfigCount(2);
        WeaponsBlock(file, 4).setConfigCount(6);
        file.writeU8(WeaponsBlock(file, 1).start() + 1, 0x11);
        file.writeU8(WeaponsBlock(file, 4).start() + 1, 0x44);
        QList<QByteArray> kept;
        for (int c = 3; c <= 8; ++c)
            kept << configBytes(file, 4, c);
        QVERIFY(copyLoadout(file, 1, 4));
        QCOMPARE(WeaponsBlock(file, 4).storedConfigCount(), 2);
        QCOMPARE(file.u8(WeaponsBlock(file, 4).start() + 1), 0x44);
        for (int c = 1; c <= 2; ++c)
            QCOMPARE(configBytes(file, 4, c), configBytes(file, 1, c));
        for (int c = 3; c <= 8; ++c)
            QCOMPARE(configBytes(file, 4, c), kept[c - 3]);
    }

    // Copies that cannot be made write nothing.
    void refusedCopiesWriteNothing_data()
    {
        QTest::addColumn<int>("kind"); // 0 config, 1 weapon, 2 loadout
        QTest::addColumn<WeaponSlot>("from");
        QTest::addColumn<WeaponSlot>("to");
        const int noRecord = 3;
        QTest::newRow("config of a plane without record") << 0 << WeaponSlot{noRecord, 1, 1} << WeaponSlot{noRecord, 2, 1};
        QTest::newRow("config 9") << 0 << WeaponSlot{1, 1, 1} << WeaponSlot{1, 9, 1};
        QTest::newRow("config 0") << 0 << WeaponSlot{1, 0, 1} << WeaponSlot{1, 2, 1};
        QTest::newRow("weapon from a plane without record") << 1 << WeaponSlot{noRecord, 1, 1} << WeaponSlot{1, 1, 1};
        QTest::newRow("weapon to a plane without record") << 1 << WeaponSlot{1, 1, 1} << WeaponSlot{noRecord, 1, 1};
        QTest::newRow("weapon slot 17") << 1 << WeaponSlot{1, 1, 1} << WeaponSlot{1, 1, 17};
        QTest::newRow("weapon of plane 7 of 6") << 1 << WeaponSlot{7, 1, 1} << WeaponSlot{1, 1, 1};
        QTest::newRow("loadout from a plane without record") << 2 << WeaponSlot{noRecord, 1, 1} << WeaponSlot{1, 1, 1};
        QTest::newRow("loadout to a plane without record") << 2 << WeaponSlot{1, 1, 1} << WeaponSlot{noRecord, 1, 1};
        QTest::newRow("loadout with no plane chosen") << 2 << WeaponSlot{0, 1, 1} << WeaponSlot{1, 1, 1};
    }
    void refusedCopiesWriteNothing()
    {
        QFETCH(int, kind);
        QFETCH(WeaponSlot, from);
        QFETCH(WeaponSlot, to);
        DataFile file = sampleFile();
        file.setPlaneBlocks(3, 0, file.damageMapOffset(3));
        const QByteArray before = vwtest::imageOf(file);
        const bool done = kind == 0 ? copyConfig(file, from.plane, from.config, to.config)
                        : kind == 1 ? copyWeapon(file, from, to)
                                    : copyLoadout(file, from.plane, to.plane);
        QVERIFY(!done);
        QCOMPARE(vwtest::imageOf(file), before);
    }

    // Planes 3..99 go onto planes 102..198; 100, 101 and 199 on are untouched.
    void copy98NodesCopiesTheFixedRange()
    {
        DataFile file = sampleFile(200, 2);
        for (int p : {3, 50, 99, 100, 101, 102, 198, 199, 200})
            markConfigs(file, p);
        for (int p : {3, 50, 99})
            WeaponsBlock(file, p).setConfigCount(8);
        QByteArray untouched;
        for (int p : {1, 2, 100, 101, 199, 200})
            untouched += file.bytes(WeaponsBlock(file, p).start(), WeaponsBlock::Size);
        QVERIFY(copy98Nodes(file));
        for (int p : {3, 50, 99})
            QCOMPARE(file.bytes(WeaponsBlock(file, p + 99).start() + 4, 8 * ConfigRecord::Size),
                     file.bytes(WeaponsBlock(file, p).start() + 4, 8 * ConfigRecord::Size));
        QByteArray after;
        for (int p : {1, 2, 100, 101, 199, 200})
            after += file.bytes(WeaponsBlock(file, p).start(), WeaponsBlock::Size);
        QCOMPARE(after, untouched);
    }

    // Too few planes, or one plane of the range without a record: nothing is copied.
    void copy98NodesRefusal_data()
    {
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("withoutRecord");
        QTest::newRow("197 planes") << 197 << 0;
        QTest::newRow("plane 150 without record") << 198 << 150;
    }
    void copy98NodesRefusal()
    {
        QFETCH(int, planes);
        QFETCH(int, withoutRecord);
        DataFile file = sampleFile(planes, 2);
        if (withoutRecord)
            file.setPlaneBlocks(withoutRecord, 0, file.damageMapOffset(withoutRecord));
        const QByteArray before = vwtest::imageOf(file);
        QVERIFY(!copy98Nodes(file));
        QCOMPARE(vwtest::imageOf(file), before);
    }
};

VW_TEST(WeaponCopiesTest)
#include "test_weapon_copies.moc"
