#include "common/test_registry.h"

#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_json.h"
#include "core/planedata/shown_text.h"
#include "cli/cli_commands.h"
#include "core/damage/damage_map.h"
#include "core/datafile/data_file.h"
#include "core/datafile/directory_entry.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/weapons_block.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>

using namespace vw::datafile;

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run cli(const QStringList &arguments)
{
    Run r;
    QTextStream out(&r.out), err(&r.err);
    r.code = vw::cli::run(arguments, out, err);
    out.flush();
    err.flush();
    return r;
}

DataFile sample(int layout, int version, int planes = 4)
{
    SampleOptions o;
    o.layout = layout;
    o.version = version;
    o.planes = planes;
    return DataFile::fromBytes(buildSampleFile(o), true);
}

} // namespace

using Change = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Change)

class PlaneDataCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString save(DataFile &file, const QString &name)
    {
        const QString path = dir_->filePath(name);
        file.SaveCfg(path, true);
        return path;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
    }

    void exportIsDeterministicAndExact_data() { vwtest::addEveryLayoutAndCipher(); }
    void exportIsDeterministicAndExact()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        DataFile file = sample(layout, version);
        // Values JSON numbers cannot carry, and ones that need all 17 digits.
        const double planted[] = {std::numeric_limits<double>::quiet_NaN(), HUGE_VAL, -HUGE_VAL, -0.0,
                                  std::numeric_limits<double>::denorm_min(), 0.1 + 0.2, -1.7976931348623157e308,
                                  9007199254740993.0};
        vw::flightmodel::PlaneRecord record(file, 1);
        for (int i = 0; i < int(std::size(planted)); ++i)
            record.setPrimary(i + 1, planted[i]);
        record.setHandling(40, record.Roll, std::nextafter(1.0, 2.0));
        DirectoryEntry(file, 3).setStoredRecordOffset(0);
        const QString path = save(file, QStringLiteral("misc.bin"));

        const Run first = cli({QStringLiteral("export"), path});
        const Run second = cli({QStringLiteral("export"), path});
        QCOMPARE(first.code, 0);
        QCOMPARE(first.err, QString());
        QCOMPARE(second.out, first.out);
        QVERIFY(cli({QStringLiteral("export"), path, QStringLiteral("-o"), dir_->filePath(QStringLiteral("a.json"))}).code == 0);
        QCOMPARE(vwtest::readWhole(dir_->filePath(QStringLiteral("a.json"))), first.out.toUtf8());

        QJsonParseError error;
        const QJsonObject document = QJsonDocument::fromJson(first.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        const DataFile loaded = DataFile::ReadCfg(path, true);
        int compared = 0;
        const auto sameBits = [&](const QJsonValue &value, double expected, const char *where) {
            bool ok = false;
            const double read = vw::app::doubleFromValue(value, &ok);
            if (!ok || std::bit_cast<quint64>(read) != std::bit_cast<quint64>(expected)) {
                if (!(std::isnan(read) && std::isnan(expected)))
                    QFAIL(qPrintable(QStringLiteral("%1: %2 read back as %3").arg(QLatin1String(where)).arg(expected).arg(read)));
            }
            ++compared;
        };
        const QJsonArray planes = document[QStringLiteral("planes")].toArray();
        QCOMPARE(planes.size(), loaded.PlaneCount());
        for (const QJsonValue &planeValue : planes) {
            const QJsonObject plane = planeValue.toObject();
            const int p = plane[QStringLiteral("plane")].toInt();
            const vw::flightmodel::PlaneRecordView r(loaded, p);
            if (!r.exists()) {
                QCOMPARE(p, 3);
                QVERIFY(plane[QStringLiteral("primary")].isNull());
                QVERIFY(plane[QStringLiteral("weapons")].isNull());
                continue;
            }
            const QJsonArray rows = plane[QStringLiteral("primary")][QStringLiteral("rows")].toArray();
            QCOMPARE(rows.size(), r.PrimaryDoubles);
            for (int row = 1; row <= r.PrimaryDoubles; ++row)
                sameBits(rows[row - 1], r.primary(row), "primary");
            const QJsonArray matrix = plane[QStringLiteral("engine")][QStringLiteral("power_matrix")].toArray();
            for (int row = 1; row <= r.MatrixRows; ++row)
                for (int col = 1; col <= r.MatrixColumns; ++col)
                    sameBits(matrix[row - 1].toArray()[col - 1], r.power(col, row), "power matrix");
            const QJsonArray handling = plane[QStringLiteral("handling")].toArray();
            for (int j = 0; j < r.HandlingRows; ++j)
                for (int axis = 0; axis < 3; ++axis)
                    sameBits(handling[j].toArray()[axis], r.handling(j, decltype(r)::Axis(axis)), "handling");
        }
        const vw::flightmodel::WingsTableView wings(loaded);
        const QJsonArray wingsJson = document[QStringLiteral("wings")].toArray();
        for (int w = 0; w < wings.Entries; ++w)
            for (int step = 0; step < wings.Steps; ++step)
                sameBits(wingsJson[w].toArray()[step], loaded.f64(wings.offset(w, step)), "wings");
        QVERIFY(compared > 6000);
    }

    void diffListsTheChangedField_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("line");
        const Change ammo = [](DataFile &f) {
            vw::weapons::WeaponsBlock(f, 2).config(1).weapon(1).setAmmo(1234);
        };
        const Change primary = [](DataFile &f) { vw::flightmodel::PlaneRecord(f, 1).setPrimary(13, 2.5); };
        const Change cell = [](DataFile &f) { vw::damage::DamageMap(f, 4).setCell(2, 5, 7, 33); };
        const Change name = [](DataFile &f) {
            vw::flightmodel::PlaneHeader(f, 3).setText(vw::flightmodel::HeaderText::Sounds, QStringLiteral("snd9"));
        };
        for (int layout : {0, 2}) {
            const QByteArray l = QByteArray::number(layout);
            QTest::newRow("weapon ammo, layout " + l) << layout << ammo << QStringLiteral(", config 1, weapon 1, Ammo (planes[2].weapons.configurations[1].weapons[1].ammo): ");
            QTest::newRow("primary row, layout " + l) << layout << primary << QStringLiteral(", primary row 13 (planes[1].primary.rows[13]): ");
            QTest::newRow("damage map cell, layout " + l) << layout << cell << QStringLiteral(", damage map level 3, row 8 (planes[4].damage_map[3][8]): ");
            QTest::newRow("header text, layout " + l) << layout << name << QStringLiteral(", Sounds (planes[3].header.sounds): ");
        }
    }
    void diffListsTheChangedField()
    {
        QFETCH(int, layout);
        QFETCH(Change, change);
        QFETCH(QString, line);
        DataFile file = sample(layout, defaultSampleVersion(layout));
        const QString a = save(file, QStringLiteral("a.bin"));
        change(file);
        const QString b = save(file, QStringLiteral("b.bin"));

        const Run same = cli({QStringLiteral("diff"), a, a});
        QCOMPARE(same.code, 0);
        QCOMPARE(same.out, QString());
        const Run changed = cli({QStringLiteral("diff"), a, b});
        QCOMPARE(changed.code, 1);
        const QStringList lines = changed.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith(QStringLiteral("plane ")) && lines[0].contains(line), qPrintable(lines[0]));
        const Run json = cli({QStringLiteral("diff"), a, b, QStringLiteral("--json")});
        QCOMPARE(json.code, 1);
        QCOMPARE(QJsonDocument::fromJson(json.out.toUtf8()).array().size(), 1);
        QCOMPARE(cli({QStringLiteral("diff"), a}).code, 2);

        // Many planes are compared in two halves at once; the list stays in plane order.
        DataFile many = sample(layout, defaultSampleVersion(layout), 60);
        const QByteArray before = many.toBytes(false);
        vw::weapons::WeaponsBlock(many, 58).config(1).weapon(1).setAmmo(4321);
        vw::weapons::WeaponsBlock(many, 3).config(1).weapon(1).setAmmo(4321);
        const QList<vw::app::FieldDifference> both = vw::app::diffFiles(DataFile::fromBytes(before, false), many);
        QCOMPARE(both.size(), 2);
        QCOMPARE(both[0].plane, 3);
        QCOMPARE(both[1].plane, 58);
    }

    // The diff exports only the planes whose bytes differ: it lists exactly
    // what comparing the two whole exports lists.
    void diffSkipsOnlyEqualPlanes_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<std::function<void(DataFile &)>>("change");
        for (int layout : {0, 1, 2}) {
            const auto row = [layout](const char *name) -> QTestData & { return QTest::addRow("%s, layout %d", name, layout); };
            row("nothing") << layout << std::function<void(DataFile &)>([](DataFile &) {});
            row("a name and an ammo") << layout << std::function<void(DataFile &)>([](DataFile &f) {
                vw::flightmodel::PlaneHeader(f, 2).setText(vw::flightmodel::HeaderText::Name, QStringLiteral("Tern"));
                vw::weapons::WeaponsBlock(f, 5).config(1).weapon(1).setAmmo(4321);
            });
            row("a primary row and a damage cell") << layout << std::function<void(DataFile &)>([](DataFile &f) {
                vw::flightmodel::PlaneRecord(f, 1).setPrimary(13, 4321.5);
                vw::damage::DamageMap(f, 6).setCell(1, 3, 4, 9);
            });
            row("fewer planes") << layout << std::function<void(DataFile &)>([](DataFile &f) { f.setPlaneCount(4); });
        }
    }
    void diffSkipsOnlyEqualPlanes()
    {
        QFETCH(int, layout);
        QFETCH(std::function<void(DataFile &)>, change);
        const DataFile from = sample(layout, defaultSampleVersion(layout), 6);
        DataFile to = DataFile::fromBytes(from.toBytes(false), false);
        change(to);
        const auto lines = [](const QList<vw::app::FieldDifference> &found) {
            QStringList text;
            for (const vw::app::FieldDifference &d : found)
                text << vw::app::differenceLine(d) + QStringLiteral(" %1 %2 %3").arg(d.plane).arg(d.section).arg(d.config);
            return text;
        };
        QCOMPARE(lines(vw::app::diffFiles(from, to)), lines(vw::app::diffFiles(from, to, true)));
    }

    // A name's control characters reach the terminal escaped; a report file
    // keeps the editor's bytes.
    void controlCharactersAreShownEscaped()
    {
        DataFile file = sample(1, 272);
        const QString a = save(file, QStringLiteral("a.bin"));
        vw::flightmodel::PlaneHeader(file, 2).setText(vw::flightmodel::HeaderText::Name, QString::fromLatin1("a\x1b[2J\tb\x9b"));
        const QString b = save(file, QStringLiteral("b.bin"));
        const QString shown = QStringLiteral("a\\x1b[2J\\tb\\x9b");
        const Run info = cli({QStringLiteral("info"), b});
        const Run diff = cli({QStringLiteral("diff"), a, b});
        QVERIFY2(info.out.contains(QStringLiteral("    2  ") + shown), qPrintable(info.out));
        QVERIFY2(diff.out.contains(QStringLiteral(", Plane name (planes[2].header.name): \"Gyrfalcon\" -> \"") + shown + QLatin1Char('"')), qPrintable(diff.out));
        for (const QString &out : {info.out, diff.out})
            QVERIFY(!out.contains(QChar(0x1b)) && !out.contains(QChar(0x9b)) && !out.contains(QLatin1Char('\t')));
        const QString report = dir_->filePath(QStringLiteral("planes.txt"));
        QCOMPARE(cli({QStringLiteral("report"), b, QStringLiteral("--kind"), QStringLiteral("plain"), QStringLiteral("-o"), report}).code, 0);
        QVERIFY(vwtest::readWhole(report).contains("a\x1b[2J\tb\x9b"));
        QCOMPARE(vw::app::escapedControlBytes("x\x1b\r\n\r\n\ry\n\x7f"), QByteArray("x\\x1b\r\n\r\n\\ry\\n\\x7f"));
    }

    // diff exits as diff and cmp do: 0 equal, 1 different, 2 when a file
    // cannot be read, named in one line.
    void diffExitsAsDiffAndCmp_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("named"); // the file the message names
        QTest::newRow("equal") << "a.bin" << "a.bin" << 0 << "";
        QTest::newRow("different") << "a.bin" << "b.bin" << 1 << "";
        QTest::newRow("first missing") << "missing.bin" << "b.bin" << 2 << "missing.bin";
        QTest::newRow("second missing") << "a.bin" << "missing.bin" << 2 << "missing.bin";
        QTest::newRow("a folder") << "a.bin" << "." << 2 << ".";
    }
    void diffExitsAsDiffAndCmp()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, code);
        QFETCH(QString, named);
        DataFile file = sample(1, 272);
        save(file, QStringLiteral("a.bin"));
        vw::weapons::WeaponsBlock(file, 1).config(1).weapon(1).setAmmo(77);
        save(file, QStringLiteral("b.bin"));
        const Run r = cli({QStringLiteral("diff"), dir_->filePath(a), dir_->filePath(b)});
        QCOMPARE(r.code, code);
        if (named.isEmpty()) {
            QCOMPARE(r.err, QString());
            return;
        }
        QCOMPARE(r.out, QString());
        const QString start = QStringLiteral("vornwing-cli: %1: ").arg(dir_->filePath(named));
        QVERIFY2(r.err.startsWith(start) && !r.err.at(start.size()).isUpper() && r.err.count(QLatin1Char('\n')) == 1,
                 qPrintable(r.err));
    }

    void checkFindsPlantedFaults_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("finding");
        using vw::weapons::WeaponRecord;
        for (int layout : {0, 1, 2}) {
            const QByteArray l = ", layout " + QByteArray::number(layout);
            QTest::newRow("clean" + l) << layout << Change([](DataFile &) {}) << QString();
            QTest::newRow("record outside the file" + l)
                << layout << Change([](DataFile &f) { DirectoryEntry(f, 2).setStoredRecordOffset(f.FileSize() - 100); })
                << QStringLiteral("plane 2's plane record (bytes");
            QTest::newRow("shared record" + l)
                << layout << Change([](DataFile &f) { DirectoryEntry(f, 3).setStoredRecordOffset(f.recordOffset(1)); })
                << QStringLiteral("planes 1, 3 share the plane record");
            QTest::newRow("map over the ammunition table" + l)
                << layout << Change([](DataFile &f) { DirectoryEntry(f, 4).setStoredDamageMapOffset(f.AmmoTableStart() + 8); })
                << QStringLiteral("plane 4's damage map");
            QTest::newRow("configuration count" + l)
                << layout << Change([](DataFile &f) {
                       f.writeU8(vw::weapons::WeaponsBlock(f, 1).start() + vw::weapons::WeaponsBlock::ConfigCountOffset, 9);
                   })
                << QStringLiteral("plane 1: configuration count 9");
            QTest::newRow("weapon count" + l)
                << layout << Change([](DataFile &f) {
                       const auto config = vw::weapons::WeaponsBlock(f, 2).config(1);
                       f.writeU8(config.offset() + config.WeaponCountOffset, 17);
                   })
                << QStringLiteral("plane 2, config 1: weapon count 17");
            QTest::newRow("ammunition type" + l)
                << layout << Change([](DataFile &f) {
                       const auto weapon = vw::weapons::WeaponsBlock(f, 2).config(1).weapon(1);
                       f.writeU8(weapon.offset() + WeaponRecord::AmmoTypeOffset, 151);
                   })
                << QStringLiteral("plane 2, config 1, weapon 1: ammunition type 151");
        }
        QTest::newRow("directory entry outside the layout")
            << 0 << Change([](DataFile &f) { f.setPlaneCount(64); }) << QStringLiteral("plane 64: its directory entry");
    }
    void checkFindsPlantedFaults()
    {
        QFETCH(int, layout);
        QFETCH(Change, change);
        QFETCH(QString, finding);
        DataFile file = sample(layout, defaultSampleVersion(layout), layout == 0 ? 63 : 6);
        change(file);
        const Run r = cli({QStringLiteral("check"), save(file, QStringLiteral("misc.bin"))});
        QCOMPARE(r.err, QString());
        if (finding.isEmpty()) {
            QCOMPARE(r.out, QString());
            QCOMPARE(r.code, 0);
            return;
        }
        QCOMPARE(r.code, 1);
        QVERIFY2(r.out.startsWith(finding) || r.out.contains(QLatin1Char('\n') + finding), qPrintable(r.out));
    }
};

VW_TEST(PlaneDataCommandsTest)

#include "test_plane_data_commands.moc"
