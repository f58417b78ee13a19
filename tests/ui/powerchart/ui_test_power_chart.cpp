#include "common/test_registry.h"

#include "ui/powerchart/power_chart_painter.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace vw::powerchart;

namespace {

const QRgb Black = qRgb(0, 0, 0), White = qRgb(255, 255, 255), Green = qRgb(0x00, 0xAF, 0x00),
           Yellow = qRgb(0xFF, 0xFF, 0x00), Blue = qRgb(0, 0, 0xFF), Red = qRgb(0xFF, 0, 0);

// n speed points and m rows, every cell of column c holding `columnValue(c)`.
PowerChartInput input(int n, int m, const std::function<double(int)> &columnValue)
{
    PowerChartInput in;
    in.colCount = n + 1;
    in.rowCount = m + 1;
    in.speedPoints = n;
    for (int c = 1; c <= n; ++c) {
        in.speeds[size_t(c - 1)] = 100 * c;
        for (int r = 1; r <= m; ++r)
            in.values[size_t((r - 1) * 20 + c - 1)] = columnValue(c);
    }
    return in;
}

QImage paint(const PowerChartInput &in)
{
    QImage image(ChartWidth, ChartHeight, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    paintPowerChart(painter, in);
    return image;
}

} // namespace

class PowerChartPainterTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void axesOnBlack()
    {
        const QImage image = paint(input(3, 10, [](int) { return 0.0; }));
        QCOMPARE(image.pixel(5, 100), White);   // y axis
        QCOMPARE(image.pixel(300, 185), White); // x axis
        QCOMPARE(image.pixel(507, 182), White); // arrow head of the x axis
        QCOMPARE(image.pixel(300, 100), Black);
        QCOMPARE(image.pixel(514, 190), Black);
    }

    // Altitude mode: every column but the last is a curve; the highlighted
    // column is 3 pixels wide; the highlighted row and value are blue lines.
    void altitudeModeCurvesAndHighlight()
    {
        PowerChartInput in = input(3, 80, [](int c) { return 0.25 * c; }); // x = 120, 240, 360
        in.highlightCol = 2;
        in.highlightRow = 80;
        const QImage image = paint(in);
        QCOMPARE(image.pixel(120, 120), Green);
        QCOMPARE(image.pixel(121, 120), Black); // width 1
        QCOMPARE(image.pixel(239, 120), Green); // width 3
        QCOMPARE(image.pixel(241, 120), Green);
        QCOMPARE(image.pixel(360, 120), Black); // the last speed column gets no curve
        QCOMPARE(image.pixel(300, 67), Blue);   // row 80 of 80 at y = 67
        QCOMPARE(image.pixel(300, 68), Black);
        QCOMPARE(image.pixel(240, 30), Blue); // the highlighted value: x = 240, above the curve
    }

    void singleRowSitsAtY86()
    {
        PowerChartInput in = input(2, 1, [](int) { return 0.5; });
        in.highlightCol = 1;
        in.highlightRow = 1;
        const QImage image = paint(in);
        QCOMPARE(image.pixel(400, 86), Blue);
        QCOMPARE(image.pixel(240, 150), Blue);
    }

    // The column whose speed range holds a marker is drawn again: white for
    // row 17's speed, then yellow for the climb speed.
    void speedBrackets_data()
    {
        QTest::addColumn<int>("white");
        QTest::addColumn<int>("yellow");
        QTest::addColumn<QRgb>("column1");
        QTest::addColumn<QRgb>("column2");
        QTest::newRow("white in column 1") << 150 << 0 << White << Green;
        QTest::newRow("yellow over white") << 150 << 100 << Yellow << Green;
        QTest::newRow("upper border belongs to the next column") << 200 << 0 << Green << White;
        QTest::newRow("beyond the last bracket") << 300 << 350 << Green << Green;
    }
    void speedBrackets()
    {
        PowerChartInput in = input(3, 10, [](int c) { return 0.25 * c; }); // speeds 100, 200, 300
        QFETCH(int, white);
        QFETCH(int, yellow);
        in.whiteMarker = white;
        in.yellowMarker = yellow;
        const QImage image = paint(in);
        QTEST(image.pixel(120, 150), "column1");
        QTEST(image.pixel(240, 150), "column2");
    }

    // Speed mode: a curve per row over all columns, the highlighted row red.
    void speedModeRowsAndHighlight()
    {
        PowerChartInput in = input(10, 3, [](int) { return 0.5; }); // y = 95
        in.values[size_t(2 * 20 + 0)] = 0.25;                        // row 3, column 1: y = 140
        in.altitudeMode = false;
        in.highlightCol = 2;
        in.highlightRow = 1;
        const QImage image = paint(in);
        QCOMPARE(image.pixel(300, 94), Red);  // width 2
        QCOMPARE(image.pixel(300, 95), Blue); // the highlighted value's line is drawn over it
        QCOMPARE(image.pixel(79, 20), Blue);  // column 2 at x = R(2 * 49.5 - 20)
        QCOMPARE(image.pixel(20, 95), Blue);  // left of the first point only the blue line
        QCOMPARE(image.pixel(30, 140), Green); // row 3 starts at column 1: (29.5 -> 30, 140)
        QCOMPARE(image.pixel(300, 60), Black);
    }

    void controlPointsAreWhiteCrosses()
    {
        PowerChartInput in = input(2, 10, [](int) { return 0.0; });
        in.controlPoints = {{0.5, 5}}; // x = 240, y = 185 - R(5 * 17.18) = 99
        const QImage image = paint(in);
        QCOMPARE(image.pixel(236, 99), White);
        QCOMPARE(image.pixel(244, 99), White);
        QCOMPARE(image.pixel(240, 95), White);
        QCOMPARE(image.pixel(240, 103), White);
        QCOMPARE(image.pixel(237, 96), Black);
    }
};

VW_TEST(PowerChartPainterTest)

#include "ui_test_power_chart.moc"
