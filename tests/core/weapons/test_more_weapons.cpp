#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/weapons/more_weapons_fields.h"
#include "core/weapons/more_weapons_geometry.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

using namespace vw::weapons;
using vw::datafile::DataFile;

class MoreWeaponsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Angles show as degrees with three decimals and are stored from the text.
    void anglesShowInDegrees_data()
    {
        QTest::addColumn<double>("radians");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("shown");
        QTest::newRow("0.5 rad") << 0.5 << QChar('.') << QStringLiteral("28.648");
        QTest::newRow("0.5 rad, comma") << 0.5 << QChar(',') << QStringLiteral("28,648");
        QTest::newRow("-pi/2") << -std::numbers::pi / 2 << QChar('.') << QStringLiteral("-90");
        QTest::newRow("0") << 0.0 << QChar('.') << QStringLiteral("0");
        QTest::newRow("huge") << 1e306 << QChar('.') << QStringLiteral("INF");
    }
    void anglesShowInDegrees()
    {
        QFETCH(double, radians);
        QFETCH(QChar, separator);
        QFETCH(QString, shown);
        QCOMPARE(angleText(radians, separator), shown);
        if (std::isfinite(radians))
            QCOMPARE(angleFromText(shown, separator), shownAngleDegrees(radians) * std::numbers::pi / 180);
    }

    // The key shows one above the stored value and reads back to it, at the ends of the field too.
    void keyShowsOneAboveTheStoredValue_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("3") << QStringLiteral("3") << 2;
        QTest::newRow("1") << QStringLiteral("1") << 0;
        QTest::newRow("not an integer") << QStringLiteral("x3") << 0;
        QTest::newRow("2147483648") << QStringLiteral("2147483648") << std::numeric_limits<int>::max();
        QTest::newRow("-2147483647") << QStringLiteral("-2147483647") << std::numeric_limits<int>::min();
        QTest::newRow("beyond the field") << QStringLiteral("2147483649") << 0;
        QTest::newRow("below the field") << QStringLiteral("-2147483648") << 0;
        QTest::newRow("far below") << QStringLiteral("-9223372036854775808") << 0;
    }
    void keyShowsOneAboveTheStoredValue()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QCOMPARE(keyFromText(text), stored);
        QCOMPARE(keyFromText(keyText(stored)), stored);
    }

    void delayAndTracerTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("stored");
        QTest::newRow("-7") << QStringLiteral("-7") << -7;
        QTest::newRow("not an integer") << QStringLiteral("4.5") << 0;
        QTest::newRow("beyond the field") << QStringLiteral("2147483648") << 0;
    }
    void delayAndTracerTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, stored);
        QCOMPARE(integerFieldFromText(text), stored);
        QCOMPARE(integerFieldFromText(integerFieldText(stored)), stored);
    }

    // Arc limits are the angle texts as shown, whole numbers or rounded.
    void arcLimitsFromTheAngleTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("degrees");
        QTest::newRow("30") << QStringLiteral("30") << 30.0;
        QTest::newRow("45.5 rounds to even") << QStringLiteral("45.5") << 46.0;
        QTest::newRow("-28,648 with comma") << QStringLiteral("-28,648") << -29.0;
        QTest::newRow("INF") << QStringLiteral("INF") << 0.0;
        QTest::newRow("text") << QStringLiteral("abc") << 0.0;
    }
    void arcLimitsFromTheAngleTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, degrees);
        QCOMPARE(arcDegrees(text, QLatin1Char(',')), degrees);
    }

    // The 90-pixel scale, arc directions, and offsets clipped instead of overflowing.
    void viewGeometry()
    {
        QCOMPARE(topViewPoint({2, 0, 0}, 2), QPoint(10, 100));
        QCOMPARE(topViewPoint({-1, 0, 0}, 2), QPoint(145, 100));
        QCOMPARE(frontViewPoint({0, 5, -2}, 2), QPoint(100, 190));
        QCOMPARE(topArcEnd(0), QPoint(100, -100));
        QCOMPARE(topArcEnd(90), QPoint(300, 100));
        QCOMPARE(topArcEnd(-30), QPoint(0, -73));
        QCOMPARE(frontArcEnd(0), QPoint(300, 100));
        QCOMPARE(frontArcEnd(90), QPoint(100, -100));
        QCOMPARE(topArcEnd(360.0 * 1e12 + 90), QPoint(300, 100));
        QCOMPARE(scaledOffset(50, 5e-324), 100000);
        QCOMPARE(scaledOffset(-50, 1e-300), -100000);
        QCOMPARE(scaledOffset(std::numeric_limits<double>::infinity(), std::numeric_limits<double>::infinity()), 0);
        QCOMPARE(largestCoordinate({{1, -3, std::nan("")}, {2, 0, 0}}), 3.0);
    }

    // The input holds the weapons in use of the configuration; a plane without a record none.
    void viewInputFromTheFile()
    {
        DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 3)), false);
        ConfigRecord config = WeaponsBlock(file, 2).config(3);
        config.setWeaponCount(2);
        config.weapon(2).setPositionZ(-4.5);
        const WeaponViewInput in = weaponViewInput(file, 2, 3, 2, QStringLiteral("-30"), QStringLiteral("30"),
                                                   QStringLiteral("0"), QStringLiteral("12.5"));
        QCOMPARE(int(in.positions.size()), 2);
        QCOMPARE(in.positions[1].z, -4.5);
        QCOMPARE(in.currentWeapon, 2);
        QCOMPARE(in.horizontalMin, -30.0);
        QCOMPARE(in.verticalMax, 12.0);
        file.setPlaneBlocks(2, 0, file.damageMapOffset(2));
        QVERIFY(weaponViewInput(file, 2, 3, 1, {}, {}, {}, {}).positions.empty());
        QVERIFY(weaponViewInput(file, 1, 9, 1, {}, {}, {}, {}).positions.empty());
    }
};

VW_TEST(MoreWeaponsTest)
#include "test_more_weapons.moc"
