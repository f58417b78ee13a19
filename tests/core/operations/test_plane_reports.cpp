#include "core/operations/plane_reports.h"
#include "core/workspace/support_files.h"
#include "common/test_registry.h"
#include "core/damage/damage_map.h"
#include "core/datafile/sample_builder.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QTest>

using namespace vw::app;
using vw::datafile::DataFile;
using vw::flightmodel::HeaderText;
using vw::flightmodel::PlaneRecord;

namespace {

DataFile twoPlanes()
{
    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall128Layout;
    options.planes = 2;
    return DataFile::fromBytes(vw::datafile::buildSampleFile(options), true);
}

void setFlight(DataFile &file, int plane, double fuel, double consumption, double divisor)
{
    PlaneRecord record(file, plane);
    record.setPrimary(PlaneRecord::FuelLoadRow, fuel);
    record.setPrimary(PlaneRecord::FuelConsumptionRow, consumption);
    record.setPrimary(PlaneRecord::EnduranceDivisorRow, divisor);
}

} // namespace

class PlaneReportsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void reportLines_data()
    {
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("value"); // climb speed, base weight or fuel load
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QByteArray>("expected"); // plane 1's lines
        const auto r = [](PlaneReport report) { return int(report); };
        const QChar dot(u'.');
        QTest::newRow("plain list") << r(PlaneReport::PlainList) << "Spitfire" << 0.0 << dot << QByteArray("001:Spitfire\r\n");
        QTest::newRow("sound directories") << r(PlaneReport::SoundDirectories) << "Spitfire" << 0.0 << dot
                                           << QByteArray("001:Spitfire\r\nSound:merlin\r\n");
        QTest::newRow("climb 312.5 halves to 312") << r(PlaneReport::ClimbSpeed) << "Spitfire" << 312.5 << dot
                                                   << QByteArray("001:Spitfire         :   312 mph\r\n");
        QTest::newRow("climb 313.5 halves to 314") << r(PlaneReport::ClimbSpeed) << "Spitfire" << 313.5 << dot
                                                   << QByteArray("001:Spitfire         :   314 mph\r\n");
        QTest::newRow("2000 lb is 900 kg") << r(PlaneReport::Weight) << "Spitfire" << 2000.0 << dot
                                           << QByteArray("001:Spitfire         :   900 kg\r\n");
        QTest::newRow("long name, no padding") << r(PlaneReport::Weight) << "Bristol Beaufighte" << 100.0 << dot
                                               << QByteArray("001:Bristol Beaufighte :    45 kg\r\n");
        QTest::newRow("time of flight") << r(PlaneReport::TimeOfFlight) << "Spitfire" << 100.0 << dot
                                        << QByteArray("001:Spitfire         : 2.00h\r\n");
        QTest::newRow("time of flight, comma") << r(PlaneReport::TimeOfFlight) << "Spitfire" << 100.0
                                               << QChar(u',') << QByteArray("001:Spitfire         : 2,00h\r\n");
        QTest::newRow("time of flight, HTML") << r(PlaneReport::TimeOfFlightHtml) << QString::fromLatin1("Bf 109\xe9") << 100.0 << dot
                                              << QByteArray("<TR><TD>Bf 109\xe9</TD><TD>2.00</TD></TR>\r\n");
    }
    void reportLines()
    {
        QFETCH(int, report);
        QFETCH(QString, name);
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QByteArray, expected);
        DataFile file = twoPlanes();
        vw::flightmodel::PlaneHeader header(file, 1);
        header.setText(HeaderText::Name, name);
        header.setText(HeaderText::Sounds, QStringLiteral("merlin"));
        PlaneRecord record(file, 1);
        record.setPrimary(PlaneRecord::ClimbSpeedRow, value);
        record.setPrimary(PlaneRecord::BaseWeightRow, value);
        setFlight(file, 1, value, 50, 1);
        const QByteArray text = planeReport(file, PlaneReport(report), separator);
        QCOMPARE(text.left(expected.size()), expected);
        QVERIFY(text.mid(expected.size()).startsWith(report == int(PlaneReport::TimeOfFlightHtml) ? "<TR><TD>" : "002:"));
        QVERIFY(text.endsWith("\r\n"));
    }

    void damageCounts()
    {
        DataFile file = twoPlanes();
        vw::damage::DamageMap map(file, 1);
        for (int level = 0; level < 8; ++level)
            map.setLevel(level, QByteArray(1024, '\0'));
        map.setCell(0, 0, 0, 3);
        map.setCell(7, 31, 31, 3);
        file.setPlaneBlocks(2, file.recordOffset(2), 0); // plane 2 has no damage map
        const QByteArray text = damageCountsReport(file, damagePartNames());
        const QList<QByteArray> lines = text.split('\n');
        QCOMPARE(lines.size(), 35); // 32 parts, the heading, two planes: no break after the last
        QCOMPARE(lines[0], QByteArray("01 - Engine 1\r"));
        QCOMPARE(lines[31], QByteArray("32 - Flaps\r"));
        QVERIFY(lines[32].startsWith(" N        Plane          01    02  "));
        QVERIFY(lines[32].endsWith("  32  \r"));
        QByteArray zeros;
        for (int i = 1; i <= 32; ++i)
            zeros += i < 32 ? " 000, " : " 000";
        const QByteArray item1 = vw::datafile::planeListItem(file, 1).toLatin1().leftJustified(20, ' ');
        QCOMPARE(lines[33], item1 + " : " + QByteArray(zeros).replace(12, 4, " 002") + '\r');
        QCOMPARE(lines[34].mid(20), " : " + zeros);
    }

    void fuelCorrection_data()
    {
        QTest::addColumn<double>("fuel");
        QTest::addColumn<double>("consumption");
        QTest::addColumn<double>("divisor");
        QTest::addColumn<QByteArray>("wanted");
        QTest::addColumn<double>("expected"); // plane 1's consumption afterwards
        QTest::newRow("documented example") << 100.0 << 50.0 << 1.0 << QByteArray("4\r\n") << 25.0;
        QTest::newRow("rounded to tenths") << 100.0 << 50.0 << 1.0 << QByteArray("3") << 33.3;
        QTest::newRow("empty lines and blanks skipped") << 100.0 << 50.0 << 1.0 << QByteArray("\r\n\r\n   4 hours\r\n") << 25.0;
        QTest::newRow("wanted 0 keeps the plane") << 100.0 << 50.0 << 0.0 << QByteArray("0\n") << 50.0;
        QTest::newRow("current time 0") << 100.0 << 50.0 << 0.0 << QByteArray("4\n") << 0.0;
        QTest::newRow("no numbers") << 100.0 << 50.0 << 1.0 << QByteArray("") << 50.0;
    }
    void fuelCorrection()
    {
        QFETCH(double, fuel);
        QFETCH(double, consumption);
        QFETCH(double, divisor);
        QFETCH(QByteArray, wanted);
        QFETCH(double, expected);
        DataFile file = twoPlanes();
        setFlight(file, 1, fuel, consumption, divisor);
        const double plane2 = PlaneRecord(file, 2).primary(PlaneRecord::FuelConsumptionRow);
        correctFuelByTime(file, wanted);
        QCOMPARE(PlaneRecord(file, 1).primary(PlaneRecord::FuelConsumptionRow), expected);
        QCOMPARE(PlaneRecord(file, 2).primary(PlaneRecord::FuelConsumptionRow), plane2); // fewer numbers than planes
    }

    void fuelCorrectionRefusesANonNumber()
    {
        DataFile file = twoPlanes();
        setFlight(file, 1, 100, 50, 1);
        const QByteArray before = file.bytes(0, file.FileSize());
        try {
            correctFuelByTime(file, "4\n\nfour\n");
            QFAIL("a line that is not a number was accepted");
        } catch (const vw::datafile::FormatError &error) {
            QVERIFY2(error.reason().contains(QStringLiteral("Line 3")), qPrintable(error.reason()));
        }
        QCOMPARE(file.bytes(0, file.FileSize()), before);
    }
};

VW_TEST(PlaneReportsTest)
#include "test_plane_reports.moc"
