#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/flightmodel/plane_header.h"
#include "core/weapons/weapon_batch.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

#include <functional>

using namespace vw::weapons;
using vw::datafile::DataFile;

namespace {

enum Command { Bursts, Deviation, Tracer, Delay, SkipBombs, BombDeviation };

DataFile sampleFile(int planes = 4)
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, planes)), false);
}

const QStringList AmmoNames = [] {
    QStringList names;
    for (int k = 0; k < 151; ++k)
        names << (k == 5 ? QStringLiteral("Heavy BoMb (b500)") : k == 6 ? QStringLiteral("Rocket") : QStringLiteral("Gun %1").arg(k));
    return names;
}();

BatchReport run(DataFile &file, int command)
{
    switch (command) {
    case Bursts: return setBurstsToAmmo(file);
    case Deviation: return reduceDeviation(file);
    case Tracer: return setTracerCount(file);
    case Delay: return halveFireDelay(file);
    case SkipBombs: return removeSkipBombs(file);
    default: return setBombDeviation(file, QStringLiteral("1"), QStringLiteral("1,5"), AmmoNames, QLatin1Char(','));
    }
}

// The field each command changes: offset in the weapon record and width.
std::pair<int, int> fieldOf(int command)
{
    switch (command) {
    case Bursts: return {WeaponRecord::BurstsOffset, 2};
    case Tracer: return {WeaponRecord::TracerOffset, 4};
    case Delay: return {WeaponRecord::FireDelayOffset, 4};
    case SkipBombs: return {WeaponRecord::AmmoTypeOffset, 1};
    default: return {WeaponRecord::DeviationOffset, 8};
    }
}

} // namespace

class WeaponBatchTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // One weapon before and after each command, with the documented examples.
    void batchRules_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("ammoType");
        QTest::addColumn<double>("before"); // ammo for Bursts, the changed field otherwise
        QTest::addColumn<double>("after");
        QTest::newRow("bursts: ammo 20000") << int(Bursts) << 1 << 20000.0 << 15000.0;
        QTest::newRow("bursts: ammo 250") << int(Bursts) << 1 << 250.0 << 250.0;
        QTest::newRow("bursts: ammo 65535 in the file") << int(Bursts) << 1 << 65535.0 << 15000.0;
        const double deviations[][2] = {{0.4, 0.4}, {0.5, 0.5}, {0.6, 0.54}, {0.8, 0.64}, {0.85, 0.68}, {0.9, 0.63},
                                        {1.0, 0.7}, {1.2, 0.72}, {2, 1}, {0.30000000000000004, 0.3},
                                        {0.7999999999999999, 0.64}, {1.2000000000000002, 0.72}};
        for (const auto &[d, reduced] : deviations)
            QTest::addRow("deviation %.17g", d) << int(Deviation) << 1 << d << reduced;
        QTest::newRow("tracer: type 30") << int(Tracer) << 30 << 0.0 << 4.0;
        QTest::newRow("tracer: type 31") << int(Tracer) << 31 << 0.0 << 0.0;
        QTest::newRow("delay 7") << int(Delay) << 1 << 7.0 << 3.0;
        QTest::newRow("delay 1") << int(Delay) << 1 << 1.0 << 0.0;
        QTest::newRow("delay -7") << int(Delay) << 1 << -7.0 << -3.0;
        for (const auto &[from, to] : {std::pair{79, 66}, {80, 67}, {95, 82}, {96, 83}, {66, 66}, {81, 81}})
            QTest::addRow("skip bomb %d", from) << int(SkipBombs) << from << double(from) << double(to);
        QTest::newRow("bomb of a fighter") << int(BombDeviation) << 5 << 3.0 << 1.0;
        QTest::newRow("no bomb") << int(BombDeviation) << 6 << 3.0 << 3.0;
    }
    void batchRules()
    {
        QFETCH(int, command);
        QFETCH(int, ammoType);
        QFETCH(double, before);
        QFETCH(double, after);
        DataFile file = sampleFile();
        vw::flightmodel::PlaneHeader(file, 2).setPlaneType(0);
        WeaponRecord weapon = WeaponsBlock(file, 2).config(1).weapon(1);
        weapon.setAmmoType(ammoType);
        weapon.setTracerCount(0);
        const auto get = [&]() -> double {
            switch (command) {
            case Bursts: return weapon.bursts();
            case Tracer: return weapon.tracerCount();
            case Delay: return weapon.fireDelay();
            case SkipBombs: return weapon.ammoType();
            default: return weapon.deviation();
            }
        };
        switch (command) {
        case Bursts: file.writeU16(weapon.offset() + WeaponRecord::AmmoOffset, quint16(before)); break;
        case Delay: weapon.setFireDelay(std::int32_t(before)); break;
        case Deviation:
        case BombDeviation: weapon.setDeviation(before); break;
        default: break;
        }
        run(file, command);
        QCOMPARE(get(), after);
    }

    // Across a whole file only the command's field of weapons in use changes;
    // planes without a record, configurations and weapons beyond the counts
    // keep every byte. The report counts what the walk did and names its end.
    void walkTouchesOnlyTheFieldOfWeaponsInUse_data()
    {
        QTest::addColumn<int>("command");
        for (int c : {Bursts, Deviation, Tracer, Delay, SkipBombs, BombDeviation})
            QTest::addRow("%d", c) << c;
    }
    void walkTouchesOnlyTheFieldOfWeaponsInUse()
    {
        QFETCH(int, command);
        DataFile file = sampleFile(5);
        file.setPlaneBlocks(5, 0, file.damageMapOffset(5));
        int inUse = 0;
        for (int p = 1; p <= 4; ++p) {
            WeaponsBlock block(file, p);
            vw::flightmodel::PlaneHeader(file, p).setPlaneType(p % 2);
            file.writeU8(block.start(), p == 4 ? 200 : std::uint8_t(p + 1)); // plane 4: count above 8
            for (int c = 1; c <= 8; ++c) {
                ConfigRecord config = block.config(c);
                file.writeU8(config.offset() + ConfigRecord::WeaponCountOffset, std::uint8_t(c == 2 ? 99 : c));
                for (int w = 1; w <= 16; ++w) {
                    WeaponRecord weapon = config.weapon(w);
                    weapon.setAmmoType((p * 31 + c * 7 + w) % 2 ? 79 : 5);
                    weapon.setAmmo(20000 + w);
                    weapon.setFireDelay(-9 - w);
                    weapon.setTracerCount(0);
                    weapon.setDeviation(2.5);
                    weapon.setBursts(1);
                }
                if (c <= block.configCount())
                    inUse += config.weaponCount();
            }
        }
        const QByteArray before = vwtest::imageOf(file);
        const BatchReport report = run(file, command);
        const QByteArray after = vwtest::imageOf(file);

        QByteArray expected = before;
        int changed = 0;
        for (int p = 1; p <= 4; ++p) {
            const WeaponsBlockView block(file, p);
            for (int c = 1; c <= block.configCount(); ++c)
                for (int w = 1; w <= block.config(c).weaponCount(); ++w) {
                    const auto [field, width] = fieldOf(command);
                    const qsizetype at = qsizetype(block.config(c).weapon(w).offset()) + field;
                    if (after.mid(at, width) != before.mid(at, width))
                        ++changed;
                    expected.replace(at, width, after.mid(at, width));
                }
        }
        QCOMPARE(after, expected);
        QCOMPARE(report.weaponsChanged, changed);
        QVERIFY(changed > 0);
        QCOMPARE(report.planesVisited, 4);
        if (command != BombDeviation) {
            QCOMPARE(report.weaponsVisited, inUse);
            QCOMPARE(report.last.plane, 4);
            QCOMPARE(report.last.config, 8);
            QCOMPARE(report.last.weapon, 8);
        }
    }

    // Bombs of fighters get the first deviation text, of any other plane type
    // the second; the last weapon selected is the last bomb.
    void bombDeviationFollowsThePlaneType()
    {
        DataFile file = sampleFile(3);
        for (int p = 1; p <= 3; ++p) {
            WeaponsBlock block(file, p);
            block.setConfigCount(1);
            block.config(1).setWeaponCount(3);
            for (int w = 1; w <= 3; ++w)
                block.config(1).weapon(w).setAmmoType(w == 2 ? 5 : 6);
        }
        vw::flightmodel::PlaneHeader(file, 1).setPlaneType(0);
        vw::flightmodel::PlaneHeader(file, 2).setPlaneType(1);
        file.writeU8(vw::flightmodel::PlaneHeader(file, 3).offset() + vw::flightmodel::PlaneHeader::PlaneTypeOffset, 7);
        const BatchReport report = run(file, BombDeviation);
        QCOMPARE(WeaponsBlock(file, 1).config(1).weapon(2).deviation(), 1.0);
        QCOMPARE(WeaponsBlock(file, 2).config(1).weapon(2).deviation(), 1.5);
        QCOMPARE(WeaponsBlock(file, 3).config(1).weapon(2).deviation(), 1.5);
        QCOMPARE(report.weaponsVisited, 3);
        QCOMPARE(report.last.plane, 3);
        QCOMPARE(report.last.weapon, 2);
    }
};

VW_TEST(WeaponBatchTest)
#include "test_weapon_batch.moc"
