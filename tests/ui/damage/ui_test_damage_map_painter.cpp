#include "common/test_registry.h"

#include "ui/damage/damage_map_painter.h"
#include "core/damage/damage_parts.h"

#include <QImage>
#include <QPainter>
#include <QTest>

#include <random>

using namespace vw::damage;

namespace {

const QRgb Black = qRgb(0, 0, 0), Grey = qRgb(0x50, 0x50, 0x50), DarkGrey = qRgb(0x39, 0x39, 0x39),
           Red = qRgb(0xFF, 0, 0);

QRgb rgb(quint32 colour)
{
    return 0xFF000000u | colour;
}

DamageMapInput emptyMap(int level = 0)
{
    DamageMapInput in;
    in.map = QByteArray(DamageMapView::Size, '\0');
    in.level = level;
    return in;
}

void put(DamageMapInput &in, int level, int col, int row, int part)
{
    in.map[DamageMapView::cellOffset(level, col, row)] = char(part);
}

QImage paint(const DamageMapInput &in, bool threeD)
{
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    if (threeD)
        paintDamage3D(painter, in);
    else
        paintDamageMapFlat(painter, in);
    return image;
}

// The middle of a flat cell.
QRgb cellPixel(const QImage &image, int col, int row)
{
    return image.pixel(10 * col + 5, 10 * row + 5);
}

// The views drawn the plain way: every cell's rectangle, every cube's three
// faces, in the documented order. The painters leave out what later drawing
// covers; the picture must not change.
QImage paintEveryCell(const DamageMapInput &in, bool threeD)
{
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    painter.setPen(QColor(Grey));
    painter.setBrush(Qt::black);
    painter.drawRect(0, 0, MapImageSize + 1, MapImageSize + 1);
    if (threeD) {
        painter.drawLine(220, 160, 0, 160);
        painter.drawLine(220, 160, 220, 0);
        painter.drawLine(220, 160, 320, 260);
        forEachCubeInDrawingOrder([&](int l, int x, int y) {
            if (const int b = in.cell(l, x, y)) {
                painter.setBrush(QColor(rgb(partColour(b))));
                const Cube cube = cubeOf(l, x, y);
                for (const Quad &face : {cube.top, cube.side, cube.front})
                    painter.drawPolygon(face.data(), 4);
            }
        });
    } else {
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                painter.setBrush(QColor(rgb(flatCellColour(in, x, y))));
                painter.drawRect(10 * x, 10 * y, 10, 10);
            }
        painter.setPen(QColor(Red));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(10 * in.cursor.x(), 10 * in.cursor.y(), 10, 10);
    }
    return image;
}

} // namespace

class DamageMapPainterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Level 2 shown: catalogue colours, dark grey where only another level has
    // a part, black where no level has one and for bytes above 32.
    void flatCellColours_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("part");
        QTest::addColumn<QRgb>("colour");
        QTest::newRow("engine on the shown level") << 2 << 1 << rgb(0xEFA000);
        QTest::newRow("pilot") << 2 << 21 << rgb(0xFF5F5F);
        QTest::newRow("flaps") << 2 << 32 << rgb(0x00FF55);
        QTest::newRow("no catalogue part") << 2 << 47 << Black;
        QTest::newRow("part on another level") << 7 << 1 << DarkGrey;
        QTest::newRow("byte above 32 on another level") << 0 << 200 << DarkGrey;
    }
    void flatCellColours()
    {
        QFETCH(int, level);
        QFETCH(int, part);
        DamageMapInput in = emptyMap(2);
        put(in, level, 31, 31, part);
        const QImage image = paint(in, false);
        QTEST(cellPixel(image, 31, 31), "colour");
        QCOMPARE(cellPixel(image, 30, 31), Black);
    }

    // Grid lines are shared by neighbouring cells; the cursor is a red outline.
    void flatGridAndCursor()
    {
        DamageMapInput in = emptyMap();
        in.cursor = QPoint(3, 4);
        put(in, 0, 0, 0, 9);
        const QImage image = paint(in, false);
        QCOMPARE(image.pixel(0, 5), Grey);
        QCOMPARE(image.pixel(10, 5), Grey);
        QCOMPARE(image.pixel(1, 1), rgb(0x00FF00));
        QCOMPARE(image.pixel(9, 9), rgb(0x00FF00));
        QCOMPARE(image.pixel(320, 320), Grey); // the last cell's far corner
        QCOMPARE(image.pixel(30, 45), Red);
        QCOMPARE(image.pixel(40, 45), Red);
        QCOMPARE(image.pixel(35, 40), Red);
        QCOMPARE(image.pixel(35, 50), Red);
        QCOMPARE(image.pixel(35, 45), Black);
        QCOMPARE(image.pixel(50, 45), Grey);
    }

    // Without a map the views show the background (and the 3D axes) only.
    void noMap()
    {
        DamageMapInput in;
        const QImage flat = paint(in, false);
        QCOMPARE(flat.pixel(0, 100), Grey);
        QCOMPARE(flat.pixel(10, 100), Black);
        QCOMPARE(flat.pixel(155, 155), Black); // no cursor
        const QImage cube = paint(in, true);
        QCOMPARE(cube.pixel(100, 160), Grey);
        QCOMPARE(cube.pixel(220, 100), Grey);
        QCOMPARE(cube.pixel(270, 210), Grey);
        QCOMPARE(cube.pixel(100, 100), Black);
    }

    // The cube of level 0, row 0, column 31 has its front face from (214, 156)
    // to (222, 164), outlined in grey.
    void cubeNextToTheAxes()
    {
        DamageMapInput in = emptyMap();
        put(in, 0, 31, 0, 15);
        const QImage image = paint(in, true);
        QCOMPARE(image.pixel(214, 156), Grey);
        QCOMPARE(image.pixel(222, 164), Grey);
        QCOMPARE(image.pixel(218, 161), rgb(0xFFFF00));
        QCOMPARE(image.pixel(218, 154), rgb(0xFFFF00)); // top face
        QCOMPARE(image.pixel(223, 161), Black);
    }

    // Later cubes cover earlier ones: row 1 over row 0, level 1 over level 0,
    // column 30 over column 31.
    void drawingOrder_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<QPoint>("probe");
        QTest::newRow("next row") << 0 << 31 << 1 << QPoint(219, 158);
        QTest::newRow("next level") << 1 << 31 << 0 << QPoint(218, 155);
        QTest::newRow("next column down") << 0 << 30 << 0 << QPoint(212, 158);
    }
    void drawingOrder()
    {
        QFETCH(int, level);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(QPoint, probe);
        DamageMapInput in = emptyMap();
        put(in, 0, 31, 0, 21);
        const QRgb under = paint(in, true).pixel(probe);
        QCOMPARE(under, rgb(0xFF5F5F));
        put(in, level, col, row, 30);
        QCOMPARE(paint(in, true).pixel(probe), rgb(0x0000FF));
    }

    void sameAsDrawingEveryCell_data()
    {
        QTest::addColumn<int>("percent"); // of cells filled
        QTest::newRow("sparse") << 10;
        QTest::newRow("half") << 50;
        QTest::newRow("dense") << 90;
        QTest::newRow("full") << 100;
    }
    void sameAsDrawingEveryCell()
    {
        QFETCH(int, percent);
        std::mt19937 rng{quint32(percent)};
        DamageMapInput in = emptyMap(3);
        in.cursor = QPoint(31, 0);
        for (char &c : in.map)
            if (int(rng() % 100) < percent)
                c = char(1 + rng() % 40);
        for (bool threeD : {false, true})
            QCOMPARE(paint(in, threeD), paintEveryCell(in, threeD));
    }
};

VW_TEST(DamageMapPainterTest)
#include "ui_test_damage_map_painter.moc"
