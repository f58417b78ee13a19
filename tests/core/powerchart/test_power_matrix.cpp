#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/powerchart/power_chart_geometry.h"
#include "core/powerchart/power_matrix.h"

#include <QTest>

#include <map>

using namespace vw::powerchart;
using vw::datafile::DataFile;

namespace {

using Cells = std::map<std::pair<int, int>, double>; // (col, row) -> value

// A plane whose whole 20 x 80 matrix holds 0.5, with n speed points and m rows in use.
DataFile flatMatrix(int n, int m)
{
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 2)), false);
    PlaneRecord record(file, 1);
    record.setSpeedPointCount(n);
    record.setAltitudeRowCount(m);
    for (int r = 1; r <= PlaneRecord::MatrixRows; ++r)
        for (int c = 1; c <= PlaneRecord::MatrixColumns; ++c)
            record.setPower(c, r, 0.5);
    return file;
}

// Every matrix cell holds its expected value, 0.5 where none is given.
void compareMatrix(const PlaneRecord &record, const Cells &expected)
{
    for (int r = 1; r <= PlaneRecord::MatrixRows; ++r)
        for (int c = 1; c <= PlaneRecord::MatrixColumns; ++c) {
            const auto it = expected.find({c, r});
            const double want = it == expected.end() ? 0.5 : it->second;
            if (record.power(c, r) != want)
                QFAIL(qPrintable(QStringLiteral("cell (%1, %2) is %3, expected %4").arg(c).arg(r).arg(record.power(c, r)).arg(want)));
        }
}

Cells rowCells(int row, int from, int to, double value)
{
    Cells cells;
    for (int c = from; c <= to; ++c)
        cells[{c, row}] = value;
    return cells;
}

} // namespace

Q_DECLARE_METATYPE(Cells)

class PowerMatrixTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void raiseAndLowerInEveryScope_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("scope");
        QTest::addColumn<bool>("raise");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<Cells>("expected");
        QTest::newRow("-1+ raise") << 20 << "-1+" << true << 5 << 3 << Cells{{{5, 3}, 0.502}};
        QTest::newRow("-1+ lower") << 20 << "-1+" << false << 5 << 3 << Cells{{{5, 3}, 0.498}};
        QTest::newRow("-2+ lower: centre subtracts")
            << 20 << "-2+" << false << 5 << 3 << Cells{{{5, 3}, 0.498}, {{4, 3}, 0.496}, {{6, 3}, 0.496}};
        QTest::newRow("-2+ raise: centre multiplies")
            << 20 << "-2+" << true << 5 << 3 << Cells{{{5, 3}, 0.505}, {{4, 3}, 0.504}, {{6, 3}, 0.504}};
        // Column 1 is never a neighbour.
        QTest::newRow("-4+ raise on column 2")
            << 20 << "-4+" << true << 2 << 3 << Cells{{{2, 3}, 0.505}, {{3, 3}, 0.504}, {{4, 3}, 0.502}, {{5, 3}, 0.502}};
        // Right neighbours stop at ColCount - 3 = 18.
        QTest::newRow("-4+ raise on column 18")
            << 20 << "-4+" << true << 18 << 3
            << Cells{{{18, 3}, 0.505}, {{17, 3}, 0.504}, {{16, 3}, 0.502}, {{15, 3}, 0.502}};
        QTest::newRow("-4+ lower: centre multiplies")
            << 20 << "-4+" << false << 10 << 1
            << Cells{{{10, 1}, 0.495}, {{9, 1}, 0.496}, {{11, 1}, 0.496}, {{8, 1}, 0.498}, {{12, 1}, 0.498},
                     {{7, 1}, 0.498}, {{13, 1}, 0.498}};
        QTest::newRow("-6+ raise reaches five columns")
            << 20 << "-6+" << true << 10 << 2
            << Cells{{{10, 2}, 0.505}, {{9, 2}, 0.504}, {{11, 2}, 0.504}, {{8, 2}, 0.502}, {{12, 2}, 0.502},
                     {{7, 2}, 0.502}, {{13, 2}, 0.502}, {{6, 2}, 0.501}, {{14, 2}, 0.501}, {{5, 2}, 0.501},
                     {{15, 2}, 0.501}};
        QTest::newRow("-2+ with few columns has no right neighbour") << 4 << "-2+" << true << 2 << 1
                                                                     << Cells{{{2, 1}, 0.505}};
        QTest::newRow("L-R never changes column 1") << 6 << "L-R" << true << 4 << 7 << rowCells(7, 2, 6, 0.502);
        Cells column;
        for (int r = 1; r <= 10; ++r)
            column[{3, r}] = 0.498;
        QTest::newRow("U-D changes the rows in use") << 6 << "U-D" << false << 3 << 5 << column;
        QTest::newRow("current cell in the speed row changes nothing") << 6 << "L-R" << true << 3 << 0 << Cells{};
        QTest::newRow("current cell in the altitude column changes nothing") << 6 << "-1+" << true << 0 << 3 << Cells{};
        QTest::newRow("current cell beyond the rows in use") << 6 << "-1+" << true << 3 << 11 << Cells{};
        QTest::newRow("unknown caption") << 6 << "???" << true << 3 << 3 << Cells{};
    }
    void raiseAndLowerInEveryScope()
    {
        QFETCH(int, n);
        QFETCH(QString, scope);
        QFETCH(bool, raise);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(Cells, expected);
        DataFile file = flatMatrix(n, 10);
        PlaneRecord record(file, 1);
        const QByteArray speeds = file.bytes(record.at(PlaneRecord::SpeedPointsOffset), 80);
        QCOMPARE(adjustPower(record, scope, raise, col, row, CellRect{col, row, col, row}), int(expected.size()));
        compareMatrix(record, expected);
        QCOMPARE(file.bytes(record.at(PlaneRecord::SpeedPointsOffset), 80), speeds);
    }

    // "SEL" changes the selected rectangle, clipped to the matrix in use; the speed row never.
    void selectionScope()
    {
        DataFile file = flatMatrix(5, 3);
        PlaneRecord record(file, 1);
        const QByteArray speeds = file.bytes(record.at(PlaneRecord::SpeedPointsOffset), 80);
        QCOMPARE(adjustPower(record, QStringLiteral("SEL"), true, 1, 1, CellRect{4, 0, 9, 6}), 6);
        Cells expected;
        for (int r = 1; r <= 3; ++r)
            for (int c = 4; c <= 5; ++c)
                expected[{c, r}] = 0.502;
        compareMatrix(record, expected);
        QCOMPARE(file.bytes(record.at(PlaneRecord::SpeedPointsOffset), 80), speeds);
    }

    void scopeCycle()
    {
        QString caption = QStringLiteral("L-R");
        QStringList seen;
        for (int i = 0; i < 7; ++i) {
            caption = nextScopeCaption(caption);
            seen << caption;
        }
        QCOMPARE(seen.join(QLatin1Char(' ')), QStringLiteral("U-D -1+ -2+ -4+ -6+ SEL L-R"));
        QCOMPARE(nextScopeCaption(QStringLiteral("abc")), QStringLiteral("abc"));
    }

    void controlPointPlacement()
    {
        const int rowCount = 11; // 10 altitude rows: s = 200 / 11 - 1
        const double s = altitudeScale(rowCount);
        const auto yOfRow = [&](int r) { return 185 - int(std::lround(r * s)); };
        ControlPoints points;
        QCOMPARE(placeControlPoint(points, true, 100, 100, rowCount), Placement::Nothing); // right, empty list
        QCOMPARE(placeControlPoint(points, false, 384, 0, rowCount), Placement::Added);    // first: row 1 whatever Y
        QCOMPARE(points, (ControlPoints{{0.8, 1}}));
        QCOMPARE(placeControlPoint(points, false, 200, yOfRow(1), rowCount), Placement::Nothing); // not above
        QCOMPARE(placeControlPoint(points, false, 192, yOfRow(5), rowCount), Placement::Added);
        QCOMPARE(points.back(), (ControlPoint{0.4, 5}));
        QCOMPARE(placeControlPoint(points, false, 100, yOfRow(3), rowCount), Placement::Nothing);
        QCOMPARE(placeControlPoint(points, true, 0, 0, rowCount), Placement::Removed);
        QCOMPARE(points.size(), size_t(1));
        // Reaching the top row adds the point at RowCount - 1 and applies.
        QCOMPARE(placeControlPoint(points, false, 240, 0, rowCount), Placement::AddedAndApply);
        QCOMPARE(points.back(), (ControlPoint{0.5, 10}));
    }

    void pointerReadout_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("empty");
        QTest::addColumn<int>("row");
        QTest::newRow("empty list: row 1") << 20 << true << 1;
        QTest::newRow("below the axis: row 1") << 190 << false << 1;
        QTest::newRow("row 5") << 185 - 86 << false << 5; // 5 * 17.18
        QTest::newRow("above the chart: last row") << -50 << false << 10;
    }
    void pointerReadout()
    {
        QFETCH(int, y);
        QFETCH(bool, empty);
        QTEST(pointerRow(y, 11, empty), "row");
        QCOMPARE(pointerPower(384), 0.8);
        QCOMPARE(pointerPower(0), 0.0);
    }

    void applyInterpolatesIntoTheCurrentColumn()
    {
        DataFile file = flatMatrix(6, 10);
        PlaneRecord record(file, 1);
        QCOMPARE(applyControlPoints(record, {{0.8, 1}, {0.4, 5}}, 3), 5);
        compareMatrix(record, {{{3, 1}, 0.8}, {{3, 2}, 0.7}, {{3, 3}, 0.6}, {{3, 4}, 0.5}, {{3, 5}, 0.4}});
        // Three points: the shared row is written by both segments.
        QCOMPARE(applyControlPoints(record, {{1.0, 2}, {0.9, 3}, {0.3, 6}}, 4), 6);
        QCOMPARE(record.power(4, 3), 0.9);
        QCOMPARE(record.power(4, 5), 0.5);
        // Fewer than two points, or no column of the matrix in use: nothing.
        QCOMPARE(applyControlPoints(record, {{0.1, 1}}, 2), 0);
        QCOMPARE(applyControlPoints(record, {{0.1, 1}, {0.2, 2}}, 0), 0);
        QCOMPARE(applyControlPoints(record, {{0.1, 1}, {0.2, 2}}, 7), 0);
        QCOMPARE(record.power(2, 1), 0.5);
    }

    void normaliseRoundsTheCellsInUse()
    {
        DataFile file = flatMatrix(3, 2);
        PlaneRecord record(file, 1);
        record.setPower(1, 1, 0.12345);
        record.setPower(3, 2, 0.0005); // half to even
        record.setPower(4, 2, 0.12345); // beyond the columns in use
        record.setPower(1, 3, 0.98765); // beyond the rows in use
        normalisePower(record);
        QCOMPARE(record.power(1, 1), 0.123);
        QCOMPARE(record.power(3, 2), 0.0);
        QCOMPARE(record.power(4, 2), 0.12345);
        QCOMPARE(record.power(1, 3), 0.98765);
    }

    void chartGeometry_data()
    {
        QTest::addColumn<bool>("altitude");
        QTest::addColumn<int>("count"); // RowCount in altitude mode, speed points in speed mode
        QTest::addColumn<int>("index"); // row, or column
        QTest::addColumn<double>("value");
        QTest::addColumn<QPoint>("point");
        QTest::newRow("80 rows, row 80") << true << 81 << 80 << 1.0 << QPoint(480, 67);
        QTest::newRow("1 row, row 1") << true << 2 << 1 << 0.5 << QPoint(240, 86);
        QTest::newRow("no rows: scale 1") << true << 1 << 3 << 0.0 << QPoint(0, 182);
        QTest::newRow("speed, 10 points, column 2") << false << 10 << 2 << 0.5 << QPoint(79, 95);
        QTest::newRow("speed, 20 points, column 20") << false << 20 << 20 << 1.0 << QPoint(475, 5);
        QTest::newRow("speed, no points: scale 1") << false << 0 << 3 << 0.0 << QPoint(-17, 185);
        QTest::newRow("absurd value stays paintable") << true << 81 << 1 << 1e300 << QPoint(100000, 184);
    }
    void chartGeometry()
    {
        QFETCH(bool, altitude);
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(double, value);
        QTEST(altitude ? altitudePoint(value, index, count) : speedPoint(index, value, count), "point");
    }
};

VW_TEST(PowerMatrixTest)

#include "test_power_matrix.moc"
