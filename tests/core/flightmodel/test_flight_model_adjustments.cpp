#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/flightmodel/flight_model_adjustments.h"
#include "core/flightmodel/plane_record.h"

#include <QTest>

#include <bit>

using namespace vw::flightmodel;
using vw::datafile::DataFile;
using Values = QList<QPair<int, double>>; // record offset, value

namespace {

// Five planes; plane 3 has no record.
DataFile adjustmentFile()
{
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(2, 5)), false);
    file.setPlaneBlocks(3, 0, file.damageMapOffset(3));
    return file;
}

// Doubles compared bit for bit, not within a tolerance.
bool sameBits(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

constexpr int handling(int j, PlaneRecord::Axis axis)
{
    return PlaneRecord::handlingOffset(j, axis);
}

} // namespace

class FlightModelAdjustmentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every plane with a record gets the documented values, bit for bit.
    void planePassesGiveTheDocumentedValues_data()
    {
        QTest::addColumn<int>("pass"); // 0 roll inertia, 1 reduce, 2 increase
        QTest::addColumn<int>("times");
        QTest::addColumn<Values>("before");
        QTest::addColumn<Values>("after");
        const int row4 = PlaneRecord::primaryOffset(4), row7 = PlaneRecord::primaryOffset(7);
        using A = PlaneRecord::Axis;
        QTest::newRow("roll inertia") << 0 << 1 << Values{{row4, 1.5}, {row7, 0.25}} << Values{{row4, 3}, {row7, 0.5}};
        QTest::newRow("roll inertia twice") << 0 << 2 << Values{{row4, 1.5}, {row7, 0.25}} << Values{{row4, 6}, {row7, 1}};
        Values ones;
        for (int j = 0; j <= 3; ++j)
            for (A axis : {A::Pitch, A::Yaw, A::Roll})
                ones.append({handling(j, axis), 1.0});
        QTest::newRow("reduce low speed") << 1 << 1 << ones
                                          << Values{{handling(0, A::Pitch), 0.4}, {handling(0, A::Yaw), 0.4},
                                                    {handling(0, A::Roll), 0.1},  {handling(1, A::Pitch), 0.7},
                                                    {handling(1, A::Yaw), 0.7},   {handling(1, A::Roll), 0.4},
                                                    {handling(2, A::Pitch), 0.9}, {handling(2, A::Yaw), 0.9},
                                                    {handling(2, A::Roll), 0.7},  {handling(3, A::Pitch), 1}};
        QTest::newRow("increase low speed")
            << 2 << 1 << Values{{handling(0, A::Pitch), 0.5}, {handling(0, A::Yaw), 0.9}, {handling(0, A::Roll), 0.5}}
            << Values{{handling(0, A::Pitch), 0.6}, {handling(0, A::Yaw), 1.0}, {handling(0, A::Roll), 0.5}};
        QTest::newRow("increase, negative") << 2 << 1 << Values{{handling(0, A::Pitch), -2}, {handling(0, A::Yaw), 3}}
                                            << Values{{handling(0, A::Pitch), -2.4}, {handling(0, A::Yaw), 1}};
    }
    void planePassesGiveTheDocumentedValues()
    {
        QFETCH(int, pass);
        QFETCH(int, times);
        QFETCH(Values, before);
        QFETCH(Values, after);
        DataFile file = adjustmentFile();
        for (int p : {1, 2, 4, 5})
            for (auto [offset, value] : before)
                PlaneRecord(file, p).setNumber(offset, value);
        for (int t = 0; t < times; ++t) {
            const int changed = pass == 0 ? reduceRollInertia(file)
                              : pass == 1 ? reduceLowSpeedHandling(file)
                                          : increaseLowSpeedHandling(file);
            QCOMPARE(changed, 4);
        }
        for (int p : {1, 2, 4, 5})
            for (auto [offset, value] : after)
                QVERIFY2(sameBits(PlaneRecordView(file, p).number(offset), value), qPrintable(QString::number(offset)));
    }

    // The exact decimal product, rounded once; plain double arithmetic gives 3 × 0.7 = 2.0999999999999996.
    void scaleByTenthsRoundsTheExactProduct_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("tenths");
        QTest::addColumn<double>("product");
        QTest::newRow("0.5 x 1.2") << 0.5 << 12 << 0.6;
        QTest::newRow("3 x 0.7") << 3.0 << 7 << 2.1;
        QTest::newRow("-7 x 0.9") << -7.0 << 9 << -6.3;
        QTest::newRow("1e308 x 1.2") << 1e308 << 12 << 1.2e308;
        QTest::newRow("1.7e308 x 1.2 overflows") << 1.7e308 << 12 << qInf();
        QTest::newRow("-0") << -0.0 << 4 << -0.0;
    }
    void scaleByTenthsRoundsTheExactProduct()
    {
        QFETCH(double, value);
        QFETCH(int, tenths);
        QFETCH(double, product);
        QVERIFY(sameBits(scaleByTenths(value, tenths), product));
    }

    // Column values 1..41 (thirds, which no 15-digit text keeps) shifted from a selected row.
    void notchShiftsMoveTheColumn_data()
    {
        QTest::addColumn<bool>("up");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QList<int>>("rows"); // the row whose value each row ends with
        QList<int> identity;
        for (int r = 1; r <= 41; ++r)
            identity << r;
        QList<int> up = identity, down = identity, upFrom1 = identity, downFrom1 = identity;
        up.remove(2);
        up << 41;
        down.insert(2, 3);
        down.removeLast();
        upFrom1.removeFirst();
        upFrom1 << 41;
        downFrom1.prepend(1);
        downFrom1.removeLast();
        QTest::newRow("up from row 3") << true << 3 << up;
        QTest::newRow("down from row 3") << false << 3 << down;
        QTest::newRow("up from row 1") << true << 1 << upFrom1;
        QTest::newRow("down from row 1") << false << 1 << downFrom1;
        QTest::newRow("up from row 41") << true << 41 << identity;
        QTest::newRow("down from row 41") << false << 41 << identity;
    }
    void notchShiftsMoveTheColumn()
    {
        QFETCH(bool, up);
        QFETCH(int, selected);
        QFETCH(QList<int>, rows);
        DataFile file = adjustmentFile();
        PlaneRecord record(file, 2);
        for (int r = 1; r <= 41; ++r)
            record.setHandling(r - 1, PlaneRecord::Yaw, r / 3.0);
        QByteArray expected = vwtest::imageOf(file);
        for (int r = 1; r <= 41; ++r) {
            const double value = rows[r - 1] / 3.0;
            expected.replace(record.at(handling(r - 1, PlaneRecord::Yaw)), 8, QByteArray(reinterpret_cast<const char *>(&value), 8));
        }
        up ? shiftHandlingUpOneNotch(file, 2, 2, selected) : shiftHandlingDownOneNotch(file, 2, 2, selected);
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    void notchShiftRefusals_data()
    {
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("row");
        QTest::newRow("plane without record") << 3 << 1 << 1;
        QTest::newRow("speed column") << 2 << 0 << 1;
        QTest::newRow("column 4") << 2 << 4 << 1;
        QTest::newRow("heading row") << 2 << 1 << 0;
        QTest::newRow("row 42") << 2 << 1 << 42;
    }
    void notchShiftRefusals()
    {
        QFETCH(int, plane);
        QFETCH(int, column);
        QFETCH(int, row);
        DataFile file = adjustmentFile();
        const QByteArray before = vwtest::imageOf(file);
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FormatError, shiftHandlingUpOneNotch(file, plane, column, row));
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FormatError, shiftHandlingDownOneNotch(file, plane, column, row));
        QCOMPARE(vwtest::imageOf(file), before);
    }
};

VW_TEST(FlightModelAdjustmentsTest)
#include "test_flight_model_adjustments.moc"
