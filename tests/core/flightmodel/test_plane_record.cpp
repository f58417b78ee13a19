#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/flightmodel/flight_figures.h"
#include "core/flightmodel/plane_record.h"

#include <QTest>

#include <cmath>

using namespace vw::flightmodel;
using vw::datafile::DataFile;
using PrimaryRows = QList<QPair<int, double>>; // (primary row, value)

namespace {

DataFile sampleFile(int layout = vw::datafile::Openhall256Layout)
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(layout, 4)), false);
}

} // namespace

class PlaneRecordTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Grid rows 1..n-4 are the primary table, the last four rows the trailing doubles.
    void primaryRowsMapToRecordOffsets_data()
    {
        QTest::addColumn<int>("labels");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("offset"); // -1: the row names no field
        QTest::newRow("171 lines, row 1") << 171 << 1 << 0;
        QTest::newRow("171 lines, row 53") << 171 << 53 << 416;
        QTest::newRow("171 lines, row 167") << 171 << 167 << 1328;
        QTest::newRow("171 lines, row 168") << 171 << 168 << 31176;
        QTest::newRow("171 lines, row 170") << 171 << 170 << 31192;
        QTest::newRow("171 lines, row 171") << 171 << 171 << 31200;
        QTest::newRow("171 lines, row 172") << 171 << 172 << -1;
        QTest::newRow("171 lines, row 0") << 171 << 0 << -1;
        QTest::newRow("10 lines, row 6") << 10 << 6 << 40;
        QTest::newRow("10 lines, row 7") << 10 << 7 << 31176;
        QTest::newRow("2 lines, row 1") << 2 << 1 << 31192;
        QTest::newRow("2 lines, row 2") << 2 << 2 << 31200;
    }
    void primaryRowsMapToRecordOffsets()
    {
        QFETCH(int, labels);
        QFETCH(int, row);
        QFETCH(int, offset);
        const auto mapped = PlaneRecord::primaryRowOffset(row, labels);
        QCOMPARE(mapped.value_or(-1), offset);
    }

    // Fields that two tables share, and the borders between the record's tables.
    void recordMapBorders()
    {
        QCOMPARE(PlaneRecord::handlingOffset(40, PlaneRecord::Pitch), 31176);
        QCOMPARE(PlaneRecord::handlingOffset(40, PlaneRecord::Roll), *PlaneRecord::primaryRowOffset(170, 171));
        QCOMPARE(PlaneRecord::handlingOffset(40, PlaneRecord::Roll) + 8, PlaneRecord::LastPrimaryOffset);
        QCOMPARE(PlaneRecord::wepPowerOffset(80), PlaneRecord::HandlingOffset); // the 81st WEP row
        QCOMPARE(PlaneRecord::powerOffset(20, 80) + 8, PlaneRecord::SpeedPointsOffset);
        QCOMPARE(PlaneRecord::powerOffset(1, 2) - PlaneRecord::powerOffset(1, 1), 160);
        QCOMPARE(PlaneRecord::speedOffset(20) + 4, PlaneRecord::WepFuelTimeOffset);
        QCOMPARE(PlaneRecord::wepTextOffset(PlaneRecord::OutOfWep) + 40, PlaneRecord::WepPowerOffset);
        QCOMPARE(*PlaneRecord::primaryRowOffset(167, 171) + 8, vw::datafile::WeaponsBlockRecordOffset);
        QCOMPARE(PlaneRecord::LastPrimaryOffset + 8, PlaneRecord::Size);
    }

    void fieldsReadAndWriteTheirBytes()
    {
        DataFile file = sampleFile();
        PlaneRecord record(file, 2);
        QVERIFY(record.exists());
        const std::int64_t start = file.recordOffset(2);
        record.setPower(3, 2, 0.8);
        QCOMPARE(file.f64(start + 16556 + 16 + 160), 0.8);
        record.setSpeed(4, 250);
        QCOMPARE(file.i32(start + 29356 + 12), 250);
        record.setWepText(PlaneRecord::WepDisabled, QStringLiteral("A text longer than the forty bytes it is cut to"));
        QCOMPARE(record.wepText(PlaneRecord::WepDisabled), QStringLiteral("A text longer than the forty bytes it is"));
        QCOMPARE(file.u8(start + 29536), quint8('E')); // the next text is untouched
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FormatError, record.setPower(21, 1, 1.0));
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FormatError, record.setPower(1, 81, 1.0));
    }

    // The counts are used within the matrix whatever the bytes hold.
    void countsStayInsideTheMatrix_data()
    {
        QTest::addColumn<int>("storedSpeeds");
        QTest::addColumn<int>("storedRows");
        QTest::addColumn<int>("speeds");
        QTest::addColumn<int>("rows");
        QTest::newRow("zero") << 0 << 0 << 1 << 1;
        QTest::newRow("in range") << 12 << 40 << 12 << 40;
        QTest::newRow("limits") << 20 << 80 << 20 << 80;
        QTest::newRow("speeds beyond 20") << 37 << 80 << 20 << 80;
        QTest::newRow("beyond both") << 255 << 200 << 20 << 80;
    }
    void countsStayInsideTheMatrix()
    {
        QFETCH(int, storedSpeeds);
        QFETCH(int, storedRows);
        DataFile file = sampleFile();
        PlaneRecord record(file, 1);
        file.writeU8(record.at(PlaneRecord::SpeedPointCountOffset), quint8(storedSpeeds));
        file.writeU8(record.at(PlaneRecord::AltitudeRowCountOffset), quint8(storedRows));
        QTEST(record.speedPointCount(), "speeds");
        QTEST(record.altitudeRowCount(), "rows");
        record.setSpeedPointCount(storedSpeeds);
        record.setAltitudeRowCount(storedRows);
        QTEST(record.storedSpeedPointCount(), "speeds");
        QTEST(record.storedAltitudeRowCount(), "rows");
    }

    void wepTimesInSecondsAndMilliseconds_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("ms");
        QTest::addColumn<qint64>("shown");
        QTest::newRow("2.5 s") << 2.5 << 2500 << qint64(2);
        QTest::newRow("3.5 s") << 3.5 << 3500 << qint64(4);
        QTest::newRow("2.4994 s") << 2.4994 << 2499 << qint64(2);
        QTest::newRow("half a millisecond to even") << 0.0025 << 2 << qint64(0);
        QTest::newRow("negative") << -2.5 << -2500 << qint64(-2);
        QTest::newRow("largest") << 2147483.647 << 2147483647 << qint64(2147484);
    }
    void wepTimesInSecondsAndMilliseconds()
    {
        QFETCH(double, seconds);
        QFETCH(int, ms);
        DataFile file = sampleFile();
        PlaneRecord record(file, 1);
        record.setWepTimeSeconds(PlaneRecord::WepOverheat, seconds);
        QCOMPARE(record.wepTimeMs(PlaneRecord::WepOverheat), ms);
        QCOMPARE(file.i32(record.at(29440)), ms);
        QTEST(PlaneRecord::wepSecondsShown(ms), "shown");
    }

    void wepTimeBeyond32BitsIsRefused_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::newRow("one millisecond too many") << 2147483.648;
        QTest::newRow("far too small") << -3.0e6;
        QTest::newRow("infinite") << double(INFINITY);
        QTest::newRow("not a number") << double(NAN);
    }
    void wepTimeBeyond32BitsIsRefused()
    {
        QFETCH(double, seconds);
        DataFile file = sampleFile();
        PlaneRecord record(file, 1);
        const std::int32_t before = record.wepTimeMs(PlaneRecord::WepFuel);
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FormatError, record.setWepTimeSeconds(PlaneRecord::WepFuel, seconds));
        QCOMPARE(record.wepTimeMs(PlaneRecord::WepFuel), before);
    }

    void wingsTableEntries()
    {
        DataFile file = sampleFile(vw::datafile::OriginalLayout);
        WingsTable wings(file);
        QVERIFY(wings.exists());
        QCOMPARE(wings.offset(0, 0), 5504);
        QCOMPARE(wings.offset(99, 59), 5504 + 480 * 99 + 8 * 59);
        QCOMPARE(wings.offset(99, 59) + 8, 5504 + 48000);
    }
};

class FlightFiguresTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void derivedFigures_data()
    {
        // Rows set on top of a sample plane; the figure checked and its value.
        QTest::addColumn<PrimaryRows>("rows");
        QTest::addColumn<double>("power32"); // matrix cell (3, 2)
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("text");
        using Rows = PrimaryRows;
        QTest::newRow("time of flight 2 h") << Rows{{83, 100}, {84, 50}, {52, 1}} << 0.8 << "Label43"
                                            << "Estimated time of flight: 2 h";
        // R84 = 0: 10^6 * R83 / (R52 + 0.0001), to hundredths.
        QTest::newRow("no consumption") << Rows{{83, 100}, {84, 0}, {52, 1}} << 0.8 << "Label43"
                                        << "Estimated time of flight: 999900.01 h";
        QTest::newRow("no consumption, no divisor") << Rows{{83, 1}, {84, 0}, {52, 0}} << 0.8 << "Label43"
                                                    << "Estimated time of flight: 100000000 h";
        QTest::newRow("500 m power") << Rows{{53, 1500}} << 0.8 << "Label50" << "500m alt low speed: 1200 hp";
        QTest::newRow("500 m power, half to even") << Rows{{53, 5}} << 0.5 << "Label50" << "500m alt low speed: 2 hp";
        QTest::newRow("positive overload") << Rows{{101, 60000}, {14, 10000}, {103, 0.5}} << 0.8 << "Label46"
                                           << "Max Positive Overload: 9 G";
        QTest::newRow("negative overload, weightless") << Rows{{102, -3}, {14, 0}, {103, 0}} << 0.8 << "Label48"
                                                       << "Max Negative Overload: -30000 G";
        QTest::newRow("weight ratio") << Rows{{13, 7500}, {14, 10000}} << 0.8 << "Label82" << "Base Weight/Weight: 0.75";
        QTest::newRow("fuel litres") << Rows{{83, 100}} << 0.8 << "Label90" << "Fuel load (in liters): 455";
        QTest::newRow("consumption litres, half to even") << Rows{{84, 10}} << 0.8 << "Label91"
                                                          << "Fuel consumption (in liters): 46";
    }
    void derivedFigures()
    {
        QFETCH(PrimaryRows, rows);
        QFETCH(double, power32);
        QFETCH(QString, label);
        DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 2)), false);
        PlaneRecord record(file, 1);
        for (const auto &[row, value] : rows)
            record.setNumber(8 * (row - 1), value);
        record.setPower(3, 2, power32);
        QString text;
        for (const FigureLabel &figure : figureLabels(flightFigures(record), QLatin1Char('.')))
            if (label == QLatin1String(figure.name))
                text = figure.text;
        QTEST(text, "text");
    }

    void figuresUseTheDecimalSeparator()
    {
        FlightFigures figures;
        figures.weightRatio = 0.75;
        const auto labels = figureLabels(figures, QLatin1Char(','));
        QCOMPARE(labels[3].text, QStringLiteral("Base Weight/Weight: 0,75"));
    }

    void wingsColumnFollowsWingNumber_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("column"); // -1: the selection is left alone
        QTest::newRow("57") << "57" << 58;
        QTest::newRow("0") << "0" << 1;
        QTest::newRow("99") << "99" << 100;
        QTest::newRow("not an integer") << "57.5" << 1;
        QTest::newRow("text") << "wing" << 1;
        QTest::newRow("100") << "100" << -1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("huge") << "1e+20" << 1; // shown in exponent form: no integer
    }
    void wingsColumnFollowsWingNumber()
    {
        QFETCH(QString, shown);
        QTEST(wingsColumnFor(shown).value_or(-1), "column");
    }
};

VW_TEST(PlaneRecordTest)
VW_TEST(FlightFiguresTest)

#include "test_plane_record.moc"
