#include "common/file_nodes.h"
#include "common/test_registry.h"

#include "core/operations/plane_reports.h"
#include "core/workspace/support_files.h"
#include "core/workspace/version.h"
#include "cli/cli_commands.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vw::datafile;

namespace {

struct CliResult {
    int code = -1;
    QString out;
    QString err;
};

CliResult runCli(const QStringList &arguments)
{
    CliResult result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    result.code = vw::cli::run(arguments, out, err);
    out.flush();
    err.flush();
    return result;
}

SampleOptions options(int layout, int planes, int version = -1, quint32 seed = 1)
{
    SampleOptions o;
    o.layout = layout;
    o.planes = planes;
    o.version = version;
    o.seed = seed;
    return o;
}

struct ProcessResult {
    int code = -1;
    QByteArray out;
    QString err;
};

// Runs the program itself, for standard input and output and for commands
// that could wait on a FIFO: one that waits is killed after 20 s and fails.
ProcessResult runProgram(const QStringList &arguments, const QByteArray &input = {}, const QString &inputFile = {})
{
    QProcess process;
    if (!inputFile.isEmpty())
        process.setStandardInputFile(inputFile);
    process.start(QStringLiteral(VW_CLI_PROGRAM), arguments);
    if (inputFile.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(20000))
        process.kill();
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// What a plane is made of, read through the record types, apart from where its blocks lie.
struct PlaneContent {
    QByteArray record, map, profile;
    QStringList texts;
    int type = -1;
    bool selectable = false;
    friend bool operator==(const PlaneContent &, const PlaneContent &) = default;
};

PlaneContent contentOf(const DataFile &file, int plane)
{
    using namespace vw::flightmodel;
    const PlaneRecordView record(file, plane);
    const vw::damage::DamageMapView map(file, plane);
    const PlaneHeaderView header(file, plane);
    PlaneContent c;
    c.record = record.exists() ? record.bytes(PlaneRecordView::WholeRecord) : QByteArray();
    c.map = map.exists() ? map.bytes() : QByteArray();
    c.profile = vw::damage::ProfileSlotView(file, plane).profileBytes();
    for (auto field : {HeaderText::Name, HeaderText::IconInAir, HeaderText::Sounds, HeaderText::Cockpit1,
                       HeaderText::Cockpit2, HeaderText::Model3D})
        c.texts << header.text(field);
    c.type = header.planeType();
    c.selectable = header.selectable();
    return c;
}

} // namespace

using vwtest::readWhole;
using vwtest::u24At;
using vwtest::writeWhole;

class CliTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(QDir::current().filePath(QStringLiteral("scratch-XXXXXX")));
        QVERIFY(dir_->isValid());
    }

    void infoJsonDescribesTheFile_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("planes");
        QTest::addColumn<QList<int>>("starts");
        QTest::newRow("original") << 0 << 272 << 2 << QList<int>{5504, 54454, 112840};
        QTest::newRow("128 planes, keyed") << 1 << 273 << 3 << QList<int>{10930, 59872, 176659};
        QTest::newRow("256 planes") << 2 << 274 << 2 << QList<int>{21938, 70880, 306323};
        QTest::newRow("no planes") << 1 << 272 << 0 << QList<int>{10930, 59872, 176659};
    }
    void infoJsonDescribesTheFile()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        QFETCH(int, planes);
        QFETCH(QList<int>, starts);
        const QByteArray plain = buildSamplePlainImage(options(layout, planes, version));
        const QString path = dir_->filePath(QStringLiteral("misc.bin"));
        QVERIFY(writeWhole(path, buildSampleFile(options(layout, planes, version))));

        const CliResult r = runCli({QStringLiteral("info"), path, QStringLiteral("--json")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());
        QJsonParseError error;
        const QJsonObject info = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QStringList keys = info.keys();
        keys.sort();
        QCOMPARE(keys, (QStringList{"ammo_table_start", "damage_profile_start", "layout", "plane_list", "planes",
                                    "size", "version", "wings_table_start"}));
        QCOMPARE(info[QStringLiteral("size")].toInteger(), plain.size());
        QCOMPARE(info[QStringLiteral("version")].toInt(), version);
        QCOMPARE(info[QStringLiteral("layout")].toInt(), layout);
        QCOMPARE(info[QStringLiteral("planes")].toInt(), planes);
        QCOMPARE(info[QStringLiteral("wings_table_start")].toInt(), starts[0]);
        QCOMPARE(info[QStringLiteral("damage_profile_start")].toInt(), starts[1]);
        QCOMPARE(info[QStringLiteral("ammo_table_start")].toInt(), starts[2]);

        const QJsonArray list = info[QStringLiteral("plane_list")].toArray();
        QCOMPARE(list.size(), planes);
        const char *const names[] = {"Kestrel", "Gyrfalcon", "Merlin II"};
        for (int p = 1; p <= planes; ++p) {
            const QJsonObject plane = list[p - 1].toObject();
            QStringList planeKeys = plane.keys();
            planeKeys.sort();
            QCOMPARE(planeKeys, (QStringList{"damage_map_offset", "name", "plane", "record_offset"}));
            QCOMPARE(plane[QStringLiteral("plane")].toInt(), p);
            QCOMPARE(plane[QStringLiteral("name")].toString(), QString::fromLatin1(names[p - 1]));
            QCOMPARE(plane[QStringLiteral("record_offset")].toInteger(), u24At(plain, directoryEntryOffset(p)));
            QCOMPARE(plane[QStringLiteral("damage_map_offset")].toInteger(), u24At(plain, directoryEntryOffset(p) + 74));
        }

        const CliResult text = runCli({QStringLiteral("info"), path});
        QCOMPARE(text.code, 0);
        QCOMPARE(text.out.contains(QLatin1String("(keyed cipher)")), version == KeyedVersion);
        if (planes > 0)
            QVERIFY(text.out.contains(QLatin1String("Kestrel")));
    }

    // info says what the editor says after a load: a file with structural
    // faults (an empty file, a text file) is named with a warning on standard
    // error, still described, and never as a negative number of planes.
    void infoWarnsOfStructuralFaults_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("faulty");
        QTest::newRow("sound file") << buildSampleFile(options(1, 2)) << false;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("text file") << QByteArray(10240, 'h') << true;
    }
    void infoWarnsOfStructuralFaults()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, faulty);
        const QString path = dir_->filePath(QStringLiteral("misc.bin"));
        QVERIFY(writeWhole(path, bytes));
        for (const QStringList &args : {QStringList{"info", path}, QStringList{"info", path, "--json"}}) {
            const CliResult r = runCli(args);
            QCOMPARE(r.code, 0);
            QCOMPARE(r.err.startsWith(QStringLiteral("vornwing-cli: %1: warning: the structural check found ").arg(path)), faulty);
            QCOMPARE(r.err.isEmpty(), !faulty);
            QVERIFY(!r.out.contains(QLatin1String("Planes:               -")));
            if (args.size() == 3)
                QVERIFY(QJsonDocument::fromJson(r.out.toUtf8())[QStringLiteral("planes")].toInt() >= 0);
        }
    }

    void decryptThenEncryptReproducesTheFile_data()
    {
        vwtest::addEveryLayoutAndCipher();
    }
    void decryptThenEncryptReproducesTheFile()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        const QByteArray file = buildSampleFile(options(layout, 2, version));
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QString plain = dir_->filePath(QStringLiteral("misc_.bin"));
        const QString again = dir_->filePath(QStringLiteral("again.bin"));
        QVERIFY(writeWhole(misc, file));

        QCOMPARE(runCli({QStringLiteral("decrypt"), misc, plain}).code, 0);
        QCOMPARE(readWhole(plain), buildSamplePlainImage(options(layout, 2, version)));
        const CliResult r = runCli({QStringLiteral("encrypt"), plain, again});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out + r.err, QString());
        QCOMPARE(readWhole(again), file);
    }

    void makeSampleOptions_data()
    {
        QTest::addColumn<QStringList>("arguments"); // OUT is added in front
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("seed");
        QTest::newRow("defaults") << QStringList{} << 1 << 16 << 272 << 1;
        QTest::newRow("original") << QStringList{"--layout", "0", "--planes", "5"} << 0 << 5 << 272 << 1;
        QTest::newRow("keyed") << QStringList{"--version", "273", "--planes", "2"} << 1 << 2 << 273 << 1;
        QTest::newRow("256 planes") << QStringList{"--layout", "2", "--planes", "3", "--version", "300", "--seed", "9"}
                                    << 2 << 3 << 300 << 9;
        QTest::newRow("no planes") << QStringList{"--planes", "0"} << 1 << 0 << 272 << 1;
    }
    void makeSampleOptions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, layout);
        QFETCH(int, planes);
        QFETCH(int, version);
        QFETCH(int, seed);
        const QString out = dir_->filePath(QStringLiteral("sample.bin"));
        // Options may come before or after OUT.
        QStringList args{QStringLiteral("make-sample")};
        args << arguments.mid(0, 2) << out << arguments.mid(2);
        const CliResult r = runCli(args);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.err, QString());

        const QByteArray bytes = readWhole(out);
        QCOMPARE(bytes, buildSampleFile(options(layout, planes, version, quint32(seed))));
        const DataFile loaded = DataFile::fromBytes(bytes, true);
        QCOMPARE(loaded.FileLayout(), layout);
        QCOMPARE(loaded.PlaneCount(), planes);
        QCOMPARE(loaded.FileVersion(), version);
        QVERIFY(loaded.loadReport().clean());
    }

    // Options that cannot make a file of the requested layout fail with the
    // builder's reason and leave no file behind.
    void makeSampleRefusals_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("reason");
        QTest::newRow("64 planes in the original layout") << QStringList{"--layout", "0", "--planes", "64"}
                                                          << "layout 0 has room for 0 to 63 planes, not 64\n";
        QTest::newRow("127 planes") << QStringList{"--planes", "127"} << "layout 1 has room for 0 to 126 planes, not 127\n";
        QTest::newRow("256 planes with 273") << QStringList{"--layout", "2", "--version", "273"} << "above 273";
        QTest::newRow("128 planes with 274") << QStringList{"--version", "274"} << "marks the 256-plane layout";
        QTest::newRow("original with 273") << QStringList{"--layout", "0", "--version", "273"} << "version 273";
    }
    void makeSampleRefusals()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QString out = dir_->filePath(QStringLiteral("sample.bin"));
        const CliResult r = runCli(QStringList{QStringLiteral("make-sample"), out} + arguments);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QStringLiteral("vornwing-cli: %1: ").arg(out)), qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QVERIFY(r.err.endsWith(QLatin1Char('\n')));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(out));
        QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    // convert --to 256: every plane keeps its record, damage map, header and
    // profile; the summary goes to standard error, nothing to standard output.
    void convertKeepsEveryPlane_data()
    {
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("version");
        QTest::newRow("100 planes") << 100 << 272;
        QTest::newRow("keyed cipher") << 5 << 273;
        QTest::newRow("full directory") << 126 << 272;
    }
    void convertKeepsEveryPlane()
    {
        QFETCH(int, planes);
        QFETCH(int, version);
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QString out = dir_->filePath(QStringLiteral("misc256.bin"));
        QVERIFY(writeWhole(misc, buildSampleFile(options(1, planes, version))));
        const DataFile original = DataFile::fromBytes(readWhole(misc), true);

        const CliResult r = runCli({QStringLiteral("convert"), misc, out, QStringLiteral("--to"), QStringLiteral("256")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("Room for 256 planes added")), qPrintable(r.err));
        const DataFile converted = DataFile::fromBytes(readWhole(out), true);
        QCOMPARE(converted.FileLayout(), int(Openhall256Layout));
        QCOMPARE(converted.FileVersion(), 274);
        QCOMPARE(converted.PlaneCount(), planes);
        QVERIFY(converted.loadReport().clean());
        for (int p = 1; p <= planes; ++p)
            QVERIFY2(contentOf(converted, p) == contentOf(original, p), qPrintable(QString::number(p)));
    }

    // regenerate --planes: the new planes get blocks, the others stay as they were.
    void regenerateAddsPlanes()
    {
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QString out = dir_->filePath(QStringLiteral("misc130.bin"));
        QVERIFY(writeWhole(misc, buildSampleFile(options(2, 126))));
        const DataFile original = DataFile::fromBytes(readWhole(misc), true);

        const CliResult r = runCli({QStringLiteral("regenerate"), misc, out, QStringLiteral("--planes=130")});
        QCOMPARE(r.code, 0);
        QCOMPARE(r.out, QString());
        QVERIFY2(r.err.startsWith(QLatin1String("Offsets regenerated")), qPrintable(r.err));
        const DataFile file = DataFile::fromBytes(readWhole(out), true);
        QCOMPARE(file.PlaneCount(), 130);
        QCOMPARE(file.FileLayout(), int(Openhall256Layout));
        QVERIFY(file.loadReport().clean());
        const qint64 stride = original.recordOffset(3) - original.recordOffset(2);
        for (int p = 127; p <= 130; ++p) {
            QCOMPARE(file.recordOffset(p), original.recordOffset(126) + (p - 126) * stride);
            QVERIFY(vw::damage::DamageMapView(file, p).exists());
        }
        for (int p = 1; p <= 126; ++p)
            QVERIFY2(contentOf(file, p) == contentOf(original, p), qPrintable(QString::number(p)));
    }

    // The report is the editor's bytes, written with -o or to standard output.
    void reportIsTheEditorsText_data()
    {
        QTest::addColumn<QStringList>("arguments"); // after FILE
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("toStandardOutput");
        QTest::newRow("damage counts to a file") << QStringList{"--kind", "dm"} << int(vw::app::PlaneReport::DamageCounts)
                                                 << false;
        QTest::newRow("fuel as HTML to standard output") << QStringList{"--html", "--kind", "fuel"}
                                                         << int(vw::app::PlaneReport::TimeOfFlightHtml) << true;
    }
    void reportIsTheEditorsText()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, kind);
        QFETCH(bool, toStandardOutput);
        const QByteArray bytes = buildSampleFile(options(1, 3));
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QString out = dir_->filePath(QStringLiteral("planes.txt"));
        QVERIFY(writeWhole(misc, bytes));
        const QByteArray expected = vw::app::planeReport(DataFile::fromBytes(bytes, true), vw::app::PlaneReport(kind),
                                                         QLatin1Char('.'), vw::app::damagePartNames());
        QVERIFY(!expected.isEmpty());

        if (toStandardOutput) {
            const ProcessResult r = runProgram(QStringList{"report", misc} + arguments);
            QCOMPARE(r.err, QString());
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, expected);
        } else {
            const CliResult r = runCli(QStringList{"report", misc, "-o", out} + arguments);
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out + r.err, QString());
            QCOMPARE(readWhole(out), expected);
        }
    }

    // Format changes the file cannot take fail naming FILE and write nothing.
    void refusedFormatChangesLeaveNoOutput_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("planes");
        QTest::addColumn<QStringList>("arguments"); // after FILE and OUT
        QTest::addColumn<QString>("reason");
        QTest::newRow("convert a 256-plane file") << 2 << 3 << QStringList{"convert", "--to", "256"} << "";
        QTest::newRow("convert the original layout") << 0 << 3 << QStringList{"convert", "--to", "256"} << "";
        QTest::newRow("regenerate the original layout") << 0 << 63 << QStringList{"regenerate", "--planes", "63"}
                                                        << "original 63-plane layout";
        QTest::newRow("regenerate beyond the directory") << 1 << 126 << QStringList{"regenerate", "--planes", "127"}
                                                         << "room for";
        // Planes below 64 get no new blocks: a file listing one without them is not written.
        QTest::newRow("regenerate planes below 64") << 1 << 16 << QStringList{"regenerate", "--planes", "20"}
                                                    << "plane 17 would be listed without a record";
    }
    void refusedFormatChangesLeaveNoOutput()
    {
        QFETCH(int, layout);
        QFETCH(int, planes);
        QFETCH(QStringList, arguments);
        QFETCH(QString, reason);
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QString out = dir_->filePath(QStringLiteral("out.bin"));
        QVERIFY(writeWhole(misc, buildSampleFile(options(layout, planes))));
        const CliResult r = runCli(QStringList{arguments.first(), misc, out} + arguments.mid(1));
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString());
        const QString start = QStringLiteral("vornwing-cli: %1: ").arg(misc);
        QVERIFY2(r.err.startsWith(start) && !r.err.at(start.size()).isUpper(), qPrintable(r.err));
        QVERIFY2(r.err.contains(reason), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QVERIFY(!QFile::exists(out));
    }

    void badUsageExitsWith2_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@" stands for a path in the scratch folder
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"frobnicate"};
        QTest::newRow("info without file") << QStringList{"info"};
        QTest::newRow("info with two files") << QStringList{"info", "@", "@"};
        QTest::newRow("info, unknown option") << QStringList{"info", "@", "--xml"};
        QTest::newRow("decrypt without OUT") << QStringList{"decrypt", "@"};
        QTest::newRow("encrypt with three") << QStringList{"encrypt", "@", "@", "@"};
        QTest::newRow("make-sample without OUT") << QStringList{"make-sample", "--planes", "2"};
        QTest::newRow("option without number") << QStringList{"make-sample", "@", "--planes"};
        QTest::newRow("option not a number") << QStringList{"make-sample", "@", "--planes", "many"};
        QTest::newRow("two OUTs") << QStringList{"make-sample", "@", "@2"};
        QTest::newRow("unknown option") << QStringList{"make-sample", "@", "--colour", "red"};
        QTest::newRow("empty OUT") << QStringList{"decrypt", "@", ""};
        QTest::newRow("empty FILE") << QStringList{"info", ""};
        // Option values outside their range are bad usage, not a failing command.
        QTest::newRow("layout 3") << QStringList{"make-sample", "@", "--layout", "3"};
        QTest::newRow("negative planes") << QStringList{"make-sample", "@", "--planes", "-1"};
        QTest::newRow("300 planes") << QStringList{"make-sample", "@", "--planes", "300"};
        QTest::newRow("negative version") << QStringList{"make-sample", "@", "--version", "-5"};
        QTest::newRow("version too large") << QStringList{"make-sample", "@", "--version=65536"};
        QTest::newRow("negative seed") << QStringList{"make-sample", "@", "--seed", "-1"};
        QTest::newRow("convert to 128") << QStringList{"convert", "@", "@2", "--to", "128"};
        QTest::newRow("convert without --to") << QStringList{"convert", "@", "@2"};
        QTest::newRow("regenerate 255 planes") << QStringList{"regenerate", "@", "@2", "--planes", "255"};
        QTest::newRow("regenerate -1 planes") << QStringList{"regenerate", "@", "@2", "--planes", "-1"};
        QTest::newRow("regenerate without --planes") << QStringList{"regenerate", "@", "@2"};
        QTest::newRow("unknown report") << QStringList{"report", "@", "--kind", "speed", "-o", "@2"};
        QTest::newRow("report without --kind") << QStringList{"report", "@", "-o", "@2"};
        QTest::newRow("HTML weight report") << QStringList{"report", "@", "--kind", "weight", "--html", "-o", "@2"};
        QTest::newRow("HTML without a kind") << QStringList{"report", "@", "--html", "-o", "@2"};
    }
    void badUsageExitsWith2()
    {
        QFETCH(QStringList, arguments);
        for (QString &arg : arguments)
            if (arg.startsWith(QLatin1Char('@')))
                arg = dir_->filePath(QStringLiteral("file") + arg.mid(1) + QStringLiteral(".bin"));
        const CliResult r = runCli(arguments);
        QCOMPARE(r.code, 2);
        QCOMPARE(r.out, QString());
        // One line naming the fault, starting with a lower-case word, then the way to the help.
        const QStringList lines = r.err.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[0].startsWith(QLatin1String("vornwing-cli: ")) && lines[0].at(14).isLower(), qPrintable(r.err));
        QCOMPARE(lines[1], QStringLiteral("Try 'vornwing-cli --help' for more information."));
        QCOMPARE(lines[2], QString());
        QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }

    // The help and the version go to standard output; the version is the
    // package's, the same for the tool and the editor.
    void helpAndVersionGoToStandardOutput_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("start");
        for (const char *help : {"help", "--help", "-h"})
            QTest::newRow(help) << help << "usage: vornwing-cli";
        QTest::newRow("--version") << "--version" << QStringLiteral("vornwing-cli %1\n").arg(vw::app::programVersion());
    }
    void helpAndVersionGoToStandardOutput()
    {
        QFETCH(QString, option);
        QFETCH(QString, start);
        const CliResult r = runCli({option});
        QCOMPARE(r.code, 0);
        QVERIFY2(r.out.startsWith(start), qPrintable(r.out));
        QCOMPARE(r.err, QString());
        QCOMPARE(QString::fromLatin1(vw::app::programVersion()), QStringLiteral("3.5b"));
    }

    // Started without a display the editor says so in one line and exits 2;
    // its --version names the tool's version.
    void editorWithoutDisplay()
    {
        QProcess editor;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        editor.setProcessEnvironment(environment);
        editor.start(QStringLiteral(VW_EDITOR_PROGRAM), {QStringLiteral("--base"), dir_->path()});
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 2);
        const QString said = QString::fromLocal8Bit(editor.readAllStandardError());
        QVERIFY2(said.startsWith(QLatin1String("vornwing-editor: ")) && said.count(QLatin1Char('\n')) == 1, qPrintable(said));

        editor.start(QStringLiteral(VW_EDITOR_PROGRAM), {QStringLiteral("--version")});
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitCode(), 0);
        QVERIFY(QString::fromLocal8Bit(editor.readAllStandardOutput()).endsWith(QStringLiteral(" %1\n").arg(vw::app::programVersion())));
    }

    // A command that writes over the file it read keeps the old file as
    // OUT.bak first, as the editor's first save does, however OUT spells the
    // path (through a link, the link's name); another OUT, or a command that
    // refuses, leaves no backup.
    void writingOverTheInputKeepsABackup_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@" is FILE, "@out" OUT
        QTest::addColumn<QString>("out");           // as OUT names it, "@" for FILE
        QTest::addColumn<bool>("written");
        QTest::newRow("batch") << QStringList{"batch", "@", "-o", "@out", "half-damage"} << "@" << true;
        QTest::newRow("import") << QStringList{"import", "@", "@patch", "-o", "@out"} << "@" << true;
        QTest::newRow("convert, spelt another way") << QStringList{"convert", "@", "@out", "--to", "256"}
                                                    << "@/../misc.bin" << true;
        QTest::newRow("regenerate through a link") << QStringList{"regenerate", "@", "@out", "--planes", "1"}
                                                   << "@link" << true;
        QTest::newRow("batch to another file") << QStringList{"batch", "@", "-o", "@out", "half-damage"}
                                               << "@other.bin" << true;
        QTest::newRow("batch that refuses") << QStringList{"batch", "@", "-o", "@out", "add-room-for-256-planes",
                                                           "add-room-for-256-planes"}
                                            << "@" << false;
    }
    void writingOverTheInputKeepsABackup()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(bool, written);
        const QString misc = dir_->filePath(QStringLiteral("misc.bin"));
        const QByteArray original = buildSampleFile(options(1, 2));
        QVERIFY(writeWhole(misc, original));
        QVERIFY(writeWhole(dir_->filePath(QStringLiteral("patch.json")), R"({"planes": [{"plane": 1, "header": {"name": "Changed"}}]})"));
        QVERIFY(QFile::link(misc, dir_->filePath(QStringLiteral("link"))));
        out = out == QLatin1String("@") ? misc
                                        : out.replace(QLatin1String("@/"), dir_->path() + QStringLiteral("/sub/"))
                                              .replace(QLatin1Char('@'), dir_->path() + '/');
        QVERIFY(QDir(dir_->path()).mkpath(QStringLiteral("sub")));
        for (QString &arg : arguments)
            arg = arg == QLatin1String("@")       ? misc
                  : arg == QLatin1String("@out")  ? out
                  : arg == QLatin1String("@patch") ? dir_->filePath(QStringLiteral("patch.json"))
                                                   : arg;
        const CliResult r = runCli(arguments);
        QCOMPARE(r.code, written ? 0 : 1);
        const bool overInput = QFileInfo(out).canonicalFilePath() == QFileInfo(misc).canonicalFilePath();
        const QStringList backups = QDir(dir_->path()).entryList({QStringLiteral("*.bak")}, QDir::Files | QDir::System);
        QCOMPARE(backups.size(), written && overInput ? 1 : 0);
        if (written && overInput)
            QCOMPARE(readWhole(QFileInfo(out).fileName() == QLatin1String("link") ? out + QStringLiteral(".bak")
                                                                                  : misc + QStringLiteral(".bak")),
                     original);
        QCOMPARE(readWhole(misc) != original, written && overInput);
        QVERIFY(QFileInfo(dir_->filePath(QStringLiteral("link"))).isSymLink());
    }

    // A command that fails says which file and why, and writes nothing.
    void failingCommandsLeaveNoOutput_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("input");  // name in the scratch folder
        QTest::addColumn<QString>("output"); // name in the scratch folder
        QTest::addColumn<QString>("failing"); // which of them the message names
        QTest::newRow("decrypt a missing file") << "decrypt" << "missing.bin" << "misc_.bin" << "input";
        QTest::newRow("encrypt a missing file") << "encrypt" << "missing.bin" << "misc.bin" << "input";
        QTest::newRow("decrypt a file above capacity") << "decrypt" << "huge.bin" << "misc_.bin" << "input";
        QTest::newRow("decrypt into a missing folder") << "decrypt" << "misc.bin" << "no folder/misc_.bin" << "output";
        QTest::newRow("info of a missing file") << "info" << "missing.bin" << "" << "input";
    }
    void failingCommandsLeaveNoOutput()
    {
        QFETCH(QString, command);
        QFETCH(QString, input);
        QFETCH(QString, output);
        QFETCH(QString, failing);
        QVERIFY(writeWhole(dir_->filePath(QStringLiteral("misc.bin")), buildSampleFile(options(1, 1))));
        QFile huge(dir_->filePath(QStringLiteral("huge.bin")));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(MaxFileSize + 1));
        huge.close();
        const QStringList before = QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);

        QStringList args{command, dir_->filePath(input)};
        if (!output.isEmpty())
            args << dir_->filePath(output);
        const CliResult r = runCli(args);
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QString());
        const QString named = dir_->filePath(failing == QLatin1String("input") ? input : output);
        QVERIFY2(r.err.startsWith(QStringLiteral("vornwing-cli: %1: ").arg(named)), qPrintable(r.err));
        QCOMPARE(r.err.count(QLatin1Char('\n')), 1);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    }

    // "-" reads standard input and writes standard output, so that pipes
    // work on purpose; a stream past the capacity (endless zeros) is refused.
    void dashIsStandardInputAndOutput()
    {
        const QByteArray file = buildSampleFile(options(1, 2));
        const ProcessResult plain = runProgram({"decrypt", "-", "-"}, file);
        QCOMPARE(plain.err, QString());
        QCOMPARE(plain.code, 0);
        QCOMPARE(plain.out, buildSamplePlainImage(options(1, 2)));
        QCOMPARE(runProgram({"encrypt", "-", "-"}, plain.out).out, file);
        QCOMPARE(QJsonDocument::fromJson(runProgram({"info", "-", "--json"}, file).out)["planes"].toInt(), 2);

        const QString zero = dir_->filePath("zero");
        if (!vwtest::makeSpecial(zero, "zero"))
            QSKIP("a zero device cannot be made here (needs root)");
        const ProcessResult endless = runProgram({"info", "-"}, {}, zero);
        QCOMPARE(endless.code, 1);
        QVERIFY2(endless.err.startsWith("vornwing-cli: standard input: it holds more than 20000000 bytes"),
                 qPrintable(endless.err));
    }

    // What is no regular file is neither read as a 1-byte file, nor waited
    // on, nor replaced: the command fails naming what it is, the node stays
    // and nothing is left beside it.
    void specialFilesAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments"); // "@name": in the scratch folder
        QTest::addColumn<QString>("kind");          // made as @kind
        QTest::addColumn<QString>("message");       // after "vornwing-cli: "
        QTest::newRow("FIFO as FILE") << QStringList{"info", "@fifo"} << "fifo" << "@fifo: not a regular file (a FIFO)";
        QTest::newRow("zero device as FILE") << QStringList{"info", "@zero"} << "zero"
                                             << "@zero: not a regular file (a character device)";
#ifdef Q_OS_UNIX
        QTest::newRow("a pipe named /dev/stdin") << QStringList{"decrypt", "/dev/stdin", "@out.bin"} << ""
                                                 << "/dev/stdin: not a regular file (a FIFO)";
#endif
        QTest::newRow("null device as OUT") << QStringList{"decrypt", "@misc.bin", "@null"} << "null"
                                            << "@null: not a regular file (a character device); only regular files are replaced";
        QTest::newRow("FIFO as OUT") << QStringList{"make-sample", "@fifo"} << "fifo"
                                     << "@fifo: not a regular file (a FIFO); only regular files are replaced";
    }
    void specialFilesAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, kind);
        QFETCH(QString, message);
        const QString node = dir_->filePath(kind);
        if (!kind.isEmpty() && !vwtest::makeSpecial(node, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const QByteArray file = buildSampleFile(options(1, 1));
        QVERIFY(writeWhole(dir_->filePath("misc.bin"), file));
        const QDir::Filters everything = QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System;
        const QStringList before = QDir(dir_->path()).entryList(everything);
        const unsigned type = vwtest::fileType(node);
        const ProcessResult r = runProgram(arguments.replaceInStrings("@", dir_->path() + '/'), file);
        QCOMPARE(r.err, "vornwing-cli: " + message.replace('@', dir_->path() + '/') + '\n');
        QCOMPARE(r.code, 1);
        QCOMPARE(r.out, QByteArray());
        QCOMPARE(vwtest::fileType(node), type);
        QCOMPARE(QDir(dir_->path()).entryList(everything), before);
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

VW_TEST(CliTest)
#include "test_cli.moc"
