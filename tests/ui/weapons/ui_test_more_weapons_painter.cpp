#include "common/test_registry.h"

#include "ui/weapons/more_weapons_painter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vw::weapons;

namespace {

const QRgb Black = qRgb(0, 0, 0), Green = qRgb(0, 128, 0), Red = qRgb(255, 0, 0), White = qRgb(255, 255, 255);

enum View { Top, Front };

QImage paint(const WeaponViewInput &in, int view)
{
    QImage image(ViewSize, ViewSize, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    if (view == Top)
        paintTopView(painter, in);
    else
        paintFrontView(painter, in);
    return image;
}

// Weapons at X = 2 and X = -1: m = 2, 45 pixels per unit.
WeaponViewInput twoWeapons()
{
    WeaponViewInput in;
    in.positions = {{2, 0, 0}, {-1, 0, 0}};
    in.currentWeapon = 2;
    return in;
}

int count(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour;
    return n;
}

// The line passes through the pixel or one beside it (rasterisers differ by a pixel).
bool redNear(const QImage &image, int x, int y)
{
    for (int dx = -1; dx <= 1; ++dx)
        if (image.pixel(x + dx, y) == Red)
            return true;
    return false;
}

} // namespace

class MoreWeaponsPainterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void bothViews_data()
    {
        QTest::addColumn<int>("view");
        QTest::newRow("top") << int(Top);
        QTest::newRow("front") << int(Front);
    }

    // All weapons at the centre: black background and the green axes only,
    // even with arc limits set.
    void centredWeaponsShowOnlyTheAxes_data() { bothViews_data(); }
    void centredWeaponsShowOnlyTheAxes()
    {
        QFETCH(int, view);
        WeaponViewInput in;
        in.positions = {{0, 0, 0}, {0, 0, 0}};
        in.currentWeapon = 1;
        in.horizontalMin = in.verticalMin = 30;
        const QImage image = paint(in, view);
        QCOMPARE(count(image, Green), 2 * ViewSize - 1);
        QCOMPARE(count(image, Black), ViewSize * ViewSize - (2 * ViewSize - 1));
        QCOMPARE(image.pixel(100, 0), Green);
        QCOMPARE(image.pixel(0, 100), Green);
    }

    // X = 2 lands at x = 10, X = -1 at x = 145; ticks every 45 pixels beside
    // both axes; the current weapon is red over white.
    void scaleTicksAndMarkers_data() { bothViews_data(); }
    void scaleTicksAndMarkers()
    {
        QFETCH(int, view);
        const QImage image = paint(twoWeapons(), view);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy) {
                QCOMPARE(image.pixel(10 + dx, 100 + dy), White);
                QCOMPARE(image.pixel(145 + dx, 100 + dy), Red);
            }
        for (int t : {55, 190}) {
            QCOMPARE(image.pixel(t, 99), Green);
            QCOMPARE(image.pixel(t, 101), Green);
            QCOMPARE(image.pixel(99, t), Green);
            QCOMPARE(image.pixel(101, t), Green);
        }
        QCOMPARE(image.pixel(77, 99), Black);
        QCOMPARE(image.pixel(101, 120), Black);
        QCOMPARE(count(image, Red), 9);
    }

    // Top view: -30 and 30 point to the upper left and upper right; front
    // view: a vertical max of 45 points up and right, a min of -45 down and right.
    void arcDirections()
    {
        WeaponViewInput in = twoWeapons();
        in.positions = {{2, 0, 0}};
        in.currentWeapon = 1;
        in.horizontalMin = -30;
        in.horizontalMax = 30;
        in.verticalMin = -45;
        in.verticalMax = 45;
        const QImage top = paint(in, Top);
        QVERIFY(redNear(top, 100 - 25, 100 - 43));
        QVERIFY(redNear(top, 100 + 25, 100 - 43));
        QVERIFY(!redNear(top, 100 - 25, 100 + 43));
        const QImage front = paint(in, Front);
        QVERIFY(redNear(front, 150, 50));
        QVERIFY(redNear(front, 150, 150));
        QVERIFY(!redNear(front, 50, 50));
        in.horizontalMin = in.horizontalMax = 0;
        QCOMPARE(count(paint(in, Top), Red), 9);
    }

    // A largest coordinate very close to 0 throws the ticks off the image instead of failing.
    void tinyLargestCoordinateIsClipped()
    {
        WeaponViewInput in;
        in.positions = {{5e-324, 0, 0}};
        in.currentWeapon = 1;
        const QImage image = paint(in, Top);
        QCOMPARE(image.pixel(10, 100), Red);
        QCOMPARE(image.pixel(100, 99), Green);
    }
};

VW_TEST(MoreWeaponsPainterTest)
#include "ui_test_more_weapons_painter.moc"
