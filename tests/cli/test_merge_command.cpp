#include "common/test_registry.h"

#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/damage/damage_map.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/planedata/plane_json.h"
#include "core/weapons/weapons_block.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

using namespace vw::datafile;

namespace {

using Edit = std::function<void(DataFile &)>;

const QString AmmoPath = QStringLiteral("planes[2].weapons.configurations[1].weapons[1].ammo");

Edit ammo(int value)
{
    return [value](DataFile &f) { vw::weapons::WeaponsBlock(f, 2).config(1).weapon(1).setAmmo(value); };
}
Edit name(const QString &text)
{
    return [text](DataFile &f) { vw::flightmodel::PlaneHeader(f, 3).setText(vw::flightmodel::HeaderText::Name, text); };
}
// Plane 2's other parts: a flight-model row of its record, a cell of its damage map.
Edit primaryRow(double value)
{
    return [value](DataFile &f) { vw::flightmodel::PlaneRecord(f, 2).setPrimary(13, value); };
}
Edit mapCell(int part)
{
    return [part](DataFile &f) { vw::damage::DamageMap(f, 2).setCell(0, 5, 5, part); };
}

Edit configCount(int count)
{
    return [count](DataFile &f) { vw::weapons::WeaponsBlock(f, 2).setConfigCount(count); };
}
Edit configName(int config, const QString &text)
{
    return [=](DataFile &f) { vw::weapons::WeaponsBlock(f, 2).config(config).setName(text); };
}
Edit configAmmo(int config, int value)
{
    return [=](DataFile &f) { vw::weapons::WeaponsBlock(f, 2).config(config).weapon(1).setAmmo(value); };
}

QByteArray sample(int layout = Openhall128Layout, int planes = 3)
{
    SampleOptions o;
    o.layout = layout;
    o.planes = planes;
    return buildSampleFile(o);
}

// The sample with the edits made, enciphered as a save writes it.
QByteArray edited(const QByteArray &bytes, const QList<Edit> &edits)
{
    DataFile f = DataFile::fromBytes(bytes, true);
    for (const Edit &e : edits)
        e(f);
    return f.toBytes(true);
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

int baseAmmo() { return vw::weapons::WeaponsBlockView(DataFile::fromBytes(sample(), true), 2).config(1).weapon(1).ammo(); }

} // namespace

Q_DECLARE_METATYPE(QList<Edit>)

class MergeCommandTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString path(const QString &name) const { return dir_->filePath(name); }

    static int run(const QStringList &arguments, QString *outText = nullptr, QString *errText = nullptr)
    {
        QString out, err;
        QTextStream o(&out), e(&err);
        const int code = vw::cli::run(arguments, o, e);
        o.flush();
        e.flush();
        if (outText)
            *outText = out;
        if (errText)
            *errText = err;
        return code;
    }

    // BASE, OURS and THEIRS written from the sample and the edits of each side.
    void writeSides(const QList<Edit> &ours, const QList<Edit> &theirs)
    {
        QVERIFY(writeAll(path(QStringLiteral("base.bin")), sample()));
        QVERIFY(writeAll(path(QStringLiteral("ours.bin")), edited(sample(), ours)));
        QVERIFY(writeAll(path(QStringLiteral("theirs.bin")), edited(sample(), theirs)));
    }

    QStringList mergeArguments(const QStringList &more) const
    {
        return QStringList{QStringLiteral("merge"), path(QStringLiteral("base.bin")), path(QStringLiteral("ours.bin")),
                           path(QStringLiteral("theirs.bin")), QStringLiteral("-o"), path(QStringLiteral("out.bin"))}
               + more;
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
    }

    // OUT is compared byte for byte with the sample carrying the merged edits.
    void mergeRules_data()
    {
        QTest::addColumn<QList<Edit>>("ours");
        QTest::addColumn<QList<Edit>>("theirs");
        QTest::addColumn<QString>("prefer");
        QTest::addColumn<int>("code");
        QTest::addColumn<QList<Edit>>("expected"); // empty with a conflict and no --prefer: no OUT
        QTest::addColumn<QString>("listed");
        const int base = baseAmmo();
        const QString conflict = AmmoPath + QStringLiteral(" (Ammo): base %1, ours 111, theirs 222\n").arg(base);
        QTest::newRow("ours only") << QList<Edit>{ammo(111)} << QList<Edit>{} << QString() << 0 << QList<Edit>{ammo(111)} << QString();
        QTest::newRow("theirs only") << QList<Edit>{} << QList<Edit>{ammo(222)} << QString() << 0 << QList<Edit>{ammo(222)} << QString();
        QTest::newRow("different fields") << QList<Edit>{ammo(111)} << QList<Edit>{name(QStringLiteral("Osprey \"2\""))} << QString()
                                          << 0 << QList<Edit>{ammo(111), name(QStringLiteral("Osprey \"2\""))} << QString();
        QTest::newRow("same change") << QList<Edit>{ammo(333)} << QList<Edit>{ammo(333)} << QString() << 0 << QList<Edit>{ammo(333)} << QString();
        QTest::newRow("conflict") << QList<Edit>{ammo(111)} << QList<Edit>{ammo(222), name(QStringLiteral("Osprey"))} << QString() << 1
                                  << QList<Edit>{} << conflict;
        QTest::newRow("conflict, ours") << QList<Edit>{ammo(111)} << QList<Edit>{ammo(222), name(QStringLiteral("Osprey"))}
                                        << QStringLiteral("ours") << 1 << QList<Edit>{ammo(111), name(QStringLiteral("Osprey"))} << conflict;
        QTest::newRow("conflict, theirs") << QList<Edit>{ammo(111)} << QList<Edit>{ammo(222), name(QStringLiteral("Osprey"))}
                                          << QStringLiteral("theirs") << 1 << QList<Edit>{ammo(222), name(QStringLiteral("Osprey"))} << conflict;
        // Each side's parts of one plane: what only one side changed comes
        // through beside a conflict in another part.
        QTest::newRow("parts of one plane") << QList<Edit>{ammo(111), mapCell(5)} << QList<Edit>{primaryRow(4321.5)}
                                            << QString() << 0 << QList<Edit>{ammo(111), mapCell(5), primaryRow(4321.5)}
                                            << QString();
        QTest::newRow("parts of one plane, conflict") << QList<Edit>{ammo(111), primaryRow(4321.5)}
                                                      << QList<Edit>{ammo(222), mapCell(7)} << QStringLiteral("ours") << 1
                                                      << QList<Edit>{ammo(111), primaryRow(4321.5), mapCell(7)} << conflict;
        // A configuration THEIRS adds comes with its count; one that OURS
        // takes away while THEIRS changes it is one conflict, and --prefer
        // decides the count with the entry.
        QTest::newRow("theirs adds a configuration")
            << QList<Edit>{ammo(111)} << QList<Edit>{configCount(8), configName(8, QStringLiteral("Extra"))} << QString() << 0
            << QList<Edit>{ammo(111), configCount(8), configName(8, QStringLiteral("Extra"))} << QString();
        const QString removed = QStringLiteral("planes[2].weapons.configurations[2] (config 2): base (present), ours null, theirs (present)\n");
        QTest::newRow("removed and changed") << QList<Edit>{configCount(1)} << QList<Edit>{configAmmo(2, 7)} << QString() << 1
                                             << QList<Edit>{} << QStringLiteral("*") + removed;
        QTest::newRow("removed and changed, ours") << QList<Edit>{configCount(1)} << QList<Edit>{configAmmo(2, 7)} << QStringLiteral("ours")
                                                   << 1 << QList<Edit>{configCount(1)} << QStringLiteral("*") + removed;
        QTest::newRow("removed and changed, theirs") << QList<Edit>{configCount(1)} << QList<Edit>{configAmmo(2, 7)}
                                                     << QStringLiteral("theirs") << 1 << QList<Edit>{configAmmo(2, 7)}
                                                     << QStringLiteral("*") + removed;
    }
    void mergeRules()
    {
        QFETCH(QList<Edit>, ours);
        QFETCH(QList<Edit>, theirs);
        QFETCH(QString, prefer);
        QFETCH(int, code);
        QFETCH(QList<Edit>, expected);
        QFETCH(QString, listed);
        if (vw::weapons::WeaponsBlockView(DataFile::fromBytes(sample(), true), 2).configCount() < 3)
            QSKIP("the sample's plane 2 has fewer than three configurations");
        writeSides(ours, theirs);
        QString out, err;
        const QStringList more = prefer.isEmpty() ? QStringList{} : QStringList{QStringLiteral("--prefer"), prefer};
        QCOMPARE(run(mergeArguments(more), &out, &err), code);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        if (listed.startsWith(QLatin1Char('*')))
            QVERIFY2(out.contains(listed.mid(1)), qPrintable(out));
        else
            QCOMPARE(out, listed);
        if (expected.isEmpty()) {
            QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));
            return;
        }
        QVERIFY(readAll(path(QStringLiteral("out.bin"))) == edited(sample(), expected));
        // The conflicts as JSON: [] for a clean merge.
        QCOMPARE(run(mergeArguments(more + QStringList{QStringLiteral("--json")}), &out), code);
        const QJsonArray list = QJsonDocument::fromJson(out.toUtf8()).array();
        QCOMPARE(list.isEmpty(), code == 0);
        if (listed.startsWith(AmmoPath)) {
            const QJsonObject c = list.first().toObject();
            QCOMPARE(c.value(QLatin1String("path")).toString(), AmmoPath);
            QCOMPARE(c.value(QLatin1String("label")).toString(), QStringLiteral("Ammo"));
            QCOMPARE(c.value(QLatin1String("ours")).toInt(), 111);
            QCOMPARE(c.value(QLatin1String("theirs")).toInt(), 222);
        }
    }

    // Trouble is exit 2 and writes nothing; OUT over OURS keeps OURS.bak.
    void mergeTrouble_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::newRow("layouts") << QStringList{QStringLiteral("base.bin"), QStringLiteral("ours.bin"), QStringLiteral("other.bin"), QStringLiteral("-o"), QStringLiteral("out.bin")}
                                 << QStringLiteral("different layouts");
        QTest::newRow("missing") << QStringList{QStringLiteral("base.bin"), QStringLiteral("none.bin"), QStringLiteral("theirs.bin"), QStringLiteral("-o"), QStringLiteral("out.bin")}
                                 << QStringLiteral("none.bin");
        QTest::newRow("no OUT") << QStringList{QStringLiteral("base.bin"), QStringLiteral("ours.bin"), QStringLiteral("theirs.bin")}
                                << QStringLiteral("needs -o OUT");
        QTest::newRow("prefer") << QStringList{QStringLiteral("base.bin"), QStringLiteral("ours.bin"), QStringLiteral("theirs.bin"), QStringLiteral("-o"), QStringLiteral("out.bin"), QStringLiteral("--prefer"), QStringLiteral("mine")}
                                << QStringLiteral("ours or theirs");
        QTest::newRow("two inputs") << QStringList{QStringLiteral("-"), QStringLiteral("-"), QStringLiteral("theirs.bin"), QStringLiteral("-o"), QStringLiteral("out.bin")}
                                    << QStringLiteral("only one");
    }
    void mergeTrouble()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        writeSides({ammo(111)}, {name(QStringLiteral("Osprey"))});
        QVERIFY(writeAll(path(QStringLiteral("other.bin")), sample(Openhall256Layout)));
        for (QString &a : arguments)
            if (a.endsWith(QLatin1String(".bin")))
                a = path(a);
        QString err;
        QCOMPARE(run(QStringList{QStringLiteral("merge")} + arguments, nullptr, &err), 2);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));
        // Written over OURS, as git's merge driver does: the old OURS is kept beside it.
        const QByteArray before = readAll(path(QStringLiteral("ours.bin")));
        QCOMPARE(run({QStringLiteral("merge"), path(QStringLiteral("base.bin")), path(QStringLiteral("ours.bin")),
                      path(QStringLiteral("theirs.bin")), QStringLiteral("-o"), path(QStringLiteral("ours.bin"))}),
                 0);
        QVERIFY(readAll(path(QStringLiteral("ours.bin"))) == edited(sample(), {ammo(111), name(QStringLiteral("Osprey"))}));
        QVERIFY(readAll(path(QStringLiteral("ours.bin.bak"))) == before);
    }

    // revert: every field takes the reference's value, each listed as diff lists it.
    void revertToReference_data()
    {
        QTest::addColumn<QList<Edit>>("edits");
        QTest::addColumn<QList<Edit>>("reference");
        QTest::addColumn<QList<Edit>>("expected");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QStringList>("patterns");
        QTest::addColumn<int>("exitCode");
        const QList<Edit> both{ammo(111), name(QStringLiteral("Osprey"))};
        QTest::newRow("fields") << both << QList<Edit>{} << QList<Edit>{} << 2 << QString() << QStringList() << 0;
        QTest::newRow("nothing differs") << QList<Edit>{} << QList<Edit>{} << QList<Edit>{} << 0 << QString() << QStringList() << 0;
        QTest::newRow("a plane the reference lacks") << both << QList<Edit>{[](DataFile &f) { f.setPlaneCount(2); }}
                                                     << QList<Edit>{name(QStringLiteral("Osprey"))} << 1
                                                     << QStringLiteral("warning: planes[3]: the reference does not have it")
                                                     << QStringList() << 0;
        // Patterns: only the matched fields take the reference's values.
        QTest::newRow("one path") << both << QList<Edit>{} << QList<Edit>{name(QStringLiteral("Osprey"))} << 1 << QString()
                                  << QStringList{AmmoPath} << 0;
        QTest::newRow("a wildcard") << both << QList<Edit>{} << QList<Edit>{ammo(111)} << 1 << QString()
                                    << QStringList{QStringLiteral("planes[*].header.name")} << 0;
        QTest::newRow("two patterns, one field twice")
            << both << QList<Edit>{} << QList<Edit>{} << 2 << QString()
            << QStringList{QStringLiteral("planes[1..3].header.name"), QStringLiteral("planes[3].header.name"),
                           QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo")}
            << 0;
        QTest::newRow("nothing matched differs") << both << QList<Edit>{} << both << 0 << QString()
                                                 << QStringList{QStringLiteral("planes[1].header.name")} << 0;
        QTest::newRow("a configuration the file lacks")
            << QList<Edit>{configCount(1)} << QList<Edit>{configCount(2), configAmmo(2, 77)} << QList<Edit>{configCount(1)} << 0
            << QString() << QStringList{QStringLiteral("planes[2].weapons.configurations[2].weapons[1].ammo")} << 0;
        QTest::newRow("a bad pattern") << both << QList<Edit>{} << both << 0 << QStringLiteral("unknown field 'nmae'")
                                       << QStringList{QStringLiteral("planes[*].header.nmae")} << 2;
        QTest::newRow("a part, not a field") << both << QList<Edit>{} << both << 0 << QStringLiteral("is a part, not a field")
                                             << QStringList{QStringLiteral("planes[2].header")} << 2;
    }
    void revertToReference()
    {
        QFETCH(QList<Edit>, edits);
        QFETCH(QList<Edit>, reference);
        QFETCH(QList<Edit>, expected);
        QFETCH(int, lines);
        QFETCH(QString, warning);
        QFETCH(QStringList, patterns);
        QFETCH(int, exitCode);
        QVERIFY(writeAll(path(QStringLiteral("file.bin")), edited(sample(), edits)));
        QVERIFY(writeAll(path(QStringLiteral("ref.bin")), edited(sample(), reference)));
        QFile::remove(path(QStringLiteral("out.bin")));
        QString out, err;
        QCOMPARE(run(QStringList{QStringLiteral("revert"), path(QStringLiteral("file.bin")), path(QStringLiteral("ref.bin")),
                                 QStringLiteral("-o"), path(QStringLiteral("out.bin"))}
                         + patterns,
                     &out, &err),
                 exitCode);
        if (exitCode != 0) {
            QVERIFY2(err.contains(warning), qPrintable(err));
            QVERIFY(!QFile::exists(path(QStringLiteral("out.bin"))));
            return;
        }
        QCOMPARE(out.count(QLatin1Char('\n')), lines);
        if (lines > 0 && edits.size() == 2 && reference.isEmpty()
            && (patterns.isEmpty() || patterns.join(QLatin1Char(' ')).contains(QLatin1String("ammo"))))
            QVERIFY2(out.contains(QStringLiteral("Ammo (%1): 111 -> %2\n").arg(AmmoPath).arg(baseAmmo())), qPrintable(out));
        QCOMPARE(err.isEmpty(), warning.isEmpty());
        QVERIFY2(err.contains(warning), qPrintable(err));
        QVERIFY(readAll(path(QStringLiteral("out.bin"))) == edited(sample(), expected));
    }

    // One line a field: every field the export writes appears once (the
    // bytes named twice under their canonical name), the same bytes twice and
    // under another locale.
    void textconvLines_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("original") << 0;
        QTest::newRow("256 planes") << 2;
    }
    void textconvLines()
    {
        QFETCH(int, layout);
        QVERIFY(writeAll(path(QStringLiteral("f.bin")), edited(sample(layout), {name(QStringLiteral("Tab\there \"q\""))})));
        QString text, again;
        QCOMPARE(run({QStringLiteral("textconv"), path(QStringLiteral("f.bin"))}, &text), 0);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(run({QStringLiteral("textconv"), path(QStringLiteral("f.bin"))}, &again), 0);
        QLocale::setDefault(before);
        QCOMPARE(again, text);
        // A merge of the file with itself gives its very bytes in each layout.
        const QString f = path(QStringLiteral("f.bin")), g = path(QStringLiteral("g.bin"));
        QCOMPARE(run({QStringLiteral("merge"), f, f, f, QStringLiteral("-o"), g}), 0);
        QVERIFY(readAll(g) == readAll(f));
        QVERIFY(text.contains(QStringLiteral("\nplanes[3].header.name = \"Tab\\there \\\"q\\\"\"\n")));
        QVERIFY(text.contains(QStringLiteral("\n") + AmmoPath + QStringLiteral(" = %1\n").arg(baseAmmo())));
        // Count the lines by pattern against the export's leaves.
        QHash<QString, int> lines, leaves;
        QSet<QString> paths;
        static const QRegularExpression index(QStringLiteral("\\[\\d+\\]"));
        int lastPlane = 0;
        for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
            const QString p = line.section(QStringLiteral(" = "), 0, 0);
            QVERIFY2(!paths.contains(p), qPrintable(p));
            paths.insert(p);
            ++lines[QString(p).replace(index, QStringLiteral("[*]"))];
            if (p.startsWith(QLatin1String("planes["))) {
                const int plane = p.mid(7, p.indexOf(QLatin1Char(']')) - 7).toInt();
                QVERIFY(plane >= lastPlane); // ascending, each plane's lines together
                lastPlane = plane;
            }
        }
        const std::function<void(const QJsonValue &, const QString &)> collect = [&](const QJsonValue &v, const QString &p) {
            if (v.isObject()) {
                const QJsonObject o = v.toObject();
                for (auto it = o.begin(); it != o.end(); ++it)
                    collect(it.value(), p.isEmpty() ? it.key() : p + QLatin1Char('.') + it.key());
            } else if (v.isArray()) {
                for (const QJsonValue &e : v.toArray())
                    collect(e, p + QStringLiteral("[*]"));
            } else {
                ++leaves[p];
            }
        };
        collect(QJsonDocument::fromJson(vw::app::exportFileText(DataFile::fromBytes(readAll(path(QStringLiteral("f.bin"))), true))).object(),
                QString());
        const int records = leaves.value(QStringLiteral("planes[*].engine.extra_parameter"));
        leaves[QStringLiteral("planes[*].primary.trailing_rows[*]")] -= 3 * records; // named as the last handling row
        leaves[QStringLiteral("planes[*].wep.power[*]")] -= records;                    // its last row: a handling cell
        leaves.remove(QStringLiteral("ammunition[*].name"));                 // named as its bytes
        for (auto it = leaves.begin(); it != leaves.end(); ++it)
            QVERIFY2(lines.value(it.key()) == it.value(), qPrintable(QStringLiteral("%1: %2 lines, %3 leaves").arg(it.key()).arg(lines.value(it.key())).arg(it.value())));
        QCOMPARE(lines.size(), leaves.size());
    }

    // A plane data file under git: textconv for diff, merge as its driver.
    void underGit()
    {
        const QString git = QStandardPaths::findExecutable(QStringLiteral("git"));
        if (git.isEmpty())
            QSKIP("git is not installed");
        const QString repo = path(QStringLiteral("repo"));
        QVERIFY(QDir().mkpath(repo));
        QString output;
        const auto gitRun = [&](const QStringList &arguments) {
            QProcess p;
            p.setWorkingDirectory(repo);
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("HOME"), dir_->path()); // no user's settings
            env.insert(QStringLiteral("GIT_CONFIG_NOSYSTEM"), QStringLiteral("1"));
            env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
            p.setProcessEnvironment(env);
            p.start(git, arguments);
            p.waitForFinished(60000);
            output = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
            return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        };
        const QString cli = QStringLiteral(VW_CLI_PROGRAM);
        QCOMPARE(gitRun({QStringLiteral("init"), QStringLiteral("-q"), QStringLiteral("-b"), QStringLiteral("main")}), 0);
        for (const QStringList &setting : QList<QStringList>{
                 {QStringLiteral("user.name"), QStringLiteral("Test")},
                 {QStringLiteral("user.email"), QStringLiteral("test@example.invalid")},
                 {QStringLiteral("commit.gpgsign"), QStringLiteral("false")},
                 {QStringLiteral("diff.vornwing.textconv"), QStringLiteral("'%1' textconv").arg(cli)},
                 {QStringLiteral("diff.vornwing.cachetextconv"), QStringLiteral("true")},
                 {QStringLiteral("merge.vornwing.driver"), QStringLiteral("'%1' merge %O %A %B -o %A --prefer ours").arg(cli)}})
            QCOMPARE(gitRun(QStringList{QStringLiteral("config")} + setting), 0);
        QVERIFY(writeAll(repo + QStringLiteral("/.gitattributes"), "*.bin diff=vornwing merge=vornwing\n"));
        const QString file = repo + QStringLiteral("/misc.bin");
        const auto commit = [&](const QString &branch, const QList<Edit> &edits) {
            QCOMPARE(gitRun({QStringLiteral("checkout"), QStringLiteral("-q"), QStringLiteral("-b"), branch, QStringLiteral("main")}), 0);
            QVERIFY(writeAll(file, edited(sample(), edits)));
            QCOMPARE(gitRun({QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-am"), branch}), 0);
        };
        QVERIFY(writeAll(file, sample()));
        QCOMPARE(gitRun({QStringLiteral("add"), QStringLiteral(".")}), 0);
        QCOMPARE(gitRun({QStringLiteral("commit"), QStringLiteral("-q"), QStringLiteral("-m"), QStringLiteral("stock")}), 0);
        commit(QStringLiteral("ammo"), {ammo(111)});
        commit(QStringLiteral("name"), {name(QStringLiteral("Osprey"))});
        commit(QStringLiteral("other-ammo"), {ammo(222)});

        QCOMPARE(gitRun({QStringLiteral("diff"), QStringLiteral("main"), QStringLiteral("ammo")}), 0);
        QVERIFY2(output.contains(QStringLiteral("\n-%1 = %2\n+%1 = 111\n").arg(AmmoPath).arg(baseAmmo())), qPrintable(output));
        QVERIFY2(!output.contains(QLatin1String("Binary")), qPrintable(output));

        QCOMPARE(gitRun({QStringLiteral("checkout"), QStringLiteral("-q"), QStringLiteral("ammo")}), 0);
        QCOMPARE(gitRun({QStringLiteral("merge"), QStringLiteral("-q"), QStringLiteral("--no-edit"), QStringLiteral("name")}), 0);
        QVERIFY(readAll(file) == edited(sample(), {ammo(111), name(QStringLiteral("Osprey"))}));

        QVERIFY(gitRun({QStringLiteral("merge"), QStringLiteral("--no-edit"), QStringLiteral("other-ammo")}) == 1);
        QVERIFY2(output.contains(AmmoPath + QStringLiteral(" (Ammo): base %1, ours 111, theirs 222").arg(baseAmmo())), qPrintable(output));
        QVERIFY2(output.contains(QLatin1String("CONFLICT")), qPrintable(output));
        QVERIFY(readAll(file) == edited(sample(), {ammo(111), name(QStringLiteral("Osprey"))}));
    }
};

VW_TEST(MergeCommandTest)
#include "test_merge_command.moc"
