#include "common/test_registry.h"

#include "core/workspace/support_files.h"
#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/operations/format_maintenance.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/flight_model_adjustments.h"
#include "core/weapons/ammo_table.h"
#include "core/weapons/weapon_batch.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace vw::datafile;

using Steps = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Steps)

class BatchCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString sampleFile(int layout)
    {
        SampleOptions o;
        o.layout = layout;
        o.version = defaultSampleVersion(layout);
        o.planes = 6;
        const QString path = dir_->filePath(QStringLiteral("misc.bin"));
        DataFile::fromBytes(buildSampleFile(o), true).SaveCfg(path, true);
        return path;
    }

    static int run(const QStringList &arguments, QString *errText = nullptr)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = vw::cli::run(arguments, o, e);
        e.flush();
        if (errText)
            *errText = err;
        return code;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
    }

    void stepsRunInTheOrderGiven_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<Steps>("expected");
        using namespace vw;
        QTest::newRow("deviation, then bombs")
            << 1 << QStringList{QStringLiteral("reduce-deviation"), QStringLiteral("bomb-deviation=0.25,2")}
            << Steps([](DataFile &f) {
                   weapons::reduceDeviation(f);
                   weapons::setBombDeviation(f, QStringLiteral("0.25"), QStringLiteral("2"),
                                             app::buildAmmoNames(std::vector<QString>(app::AmmoNameCount), f));
               });
        QTest::newRow("damage doubled, then halved")
            << 0 << QStringList{QStringLiteral("double-damage"), QStringLiteral("half-damage")}
            << Steps([](DataFile &f) {
                   weapons::doubleAmmoDamage(f);
                   weapons::halveAmmoDamage(f);
               });
        QTest::newRow("room for 256 planes, then handling")
            << 1 << QStringList{QStringLiteral("add-room-for-256-planes"), QStringLiteral("reduce-low-speed-handling")}
            << Steps([](DataFile &f) {
                   addRoomFor256Planes(f);
                   flightmodel::reduceLowSpeedHandling(f);
               });
    }
    void stepsRunInTheOrderGiven()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, operations);
        QFETCH(Steps, expected);
        const QString in = sampleFile(layout);
        DataFile file = DataFile::ReadCfg(in, true);
        expected(file);
        const QString out = dir_->filePath(QStringLiteral("out.bin"));
        QString err;
        QCOMPARE(run(QStringList{QStringLiteral("batch"), in, QStringLiteral("-o"), out} + operations, &err), 0);
        QCOMPARE(vwtest::readWhole(out), file.toBytes(true));
        QCOMPARE(err.count(QLatin1Char('\n')), operations.size());
        QVERIFY2(err.startsWith(operations[0] + QLatin1Char(':')), qPrintable(err));
    }

    // Bad usage is found before anything runs; a refusal mid-way writes nothing.
    void failuresLeaveNoOutput_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<QStringList>("operations");
        QTest::addColumn<int>("code");
        QTest::newRow("unknown name after a known one")
            << 1 << QStringList{QStringLiteral("tracer-count"), QStringLiteral("tracer-counts")} << 2;
        QTest::newRow("bomb deviation not a number")
            << 1 << QStringList{QStringLiteral("bomb-deviation=1,x")} << 2;
        QTest::newRow("no operation") << 1 << QStringList{} << 2;
        QTest::newRow("room for 256 planes twice")
            << 1 << QStringList{QStringLiteral("add-room-for-256-planes"), QStringLiteral("add-room-for-256-planes")}
            << 1;
    }
    void failuresLeaveNoOutput()
    {
        QFETCH(int, layout);
        QFETCH(QStringList, operations);
        QFETCH(int, code);
        const QString out = dir_->filePath(QStringLiteral("out.bin"));
        QCOMPARE(run(QStringList{QStringLiteral("batch"), sampleFile(layout), QStringLiteral("-o"), out} + operations), code);
        QVERIFY(!QFile::exists(out));
    }
};

VW_TEST(BatchCommandTest)

#include "test_batch_command.moc"
