#include "common/test_registry.h"

#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/weapons/weapons_block.h"
#include "scripting/script_host.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vw::datafile;

namespace {

const QString Weapon = QStringLiteral("planes[%1].weapons.configurations[1].weapons[1].");

// Two planes, one configuration of one weapon each: plane 1 "Kestrel", a
// fighter, ammo 250; plane 2 "Merlin", a bomber, ammo 400.
DataFile twoPlanes()
{
    DataFile file = DataFile::fromBytes(buildSampleFile(vwtest::sampleOptions(1, 2)), true);
    const char *names[] = {"Kestrel", "Merlin"};
    for (int p = 1; p <= 2; ++p) {
        vw::flightmodel::PlaneHeader header(file, p);
        header.setText(vw::flightmodel::HeaderText::Name, QLatin1String(names[p - 1]));
        header.setStoredPlaneType(p - 1);
        vw::weapons::WeaponsBlock block(file, p);
        block.setConfigCount(1);
        block.config(1).setWeaponCount(1);
        block.config(1).weapon(1).setAmmo(p == 1 ? 250 : 400);
    }
    return file;
}

} // namespace

class ScriptCommandTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // What a script reads and prints, and what its writes change.
    void scriptReadsAndWrites_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("output");
        QTest::addColumn<QStringList>("changes");
        const QString ammo1 = Weapon.arg(1) + QStringLiteral("ammo");
        QTest::newRow("a read by path") << "print(file.get('" + ammo1 + "'), file.get('planes[2].header.name'))"
                                        << QStringList{"250 Merlin"} << QStringList{};
        QTest::newRow("a read by walking") << "const w = file.plane(2).weapons.configurations[1].weapons[1];"
                                              " print(w.ammo, w.path, file.plane(1).header.plane_type)"
                                           << QStringList{"400 planes[2].weapons.configurations[1].weapons[1] 0"}
                                           << QStringList{};
        QTest::newRow("the planes and a label")
            << "print(JSON.stringify(file.planes), file.label('" + ammo1 + "'))"
            << QStringList{"[{\"number\":1,\"name\":\"Kestrel\"},{\"number\":2,\"name\":\"Merlin\"}] Ammo"} << QStringList{};
        QTest::newRow("find with a predicate")
            << "print(file.find('planes[*].weapons.configurations[*].weapons[*].ammo', v => v > 300).map(f => f.path + '=' + f.value))"
            << QStringList{Weapon.arg(2) + "ammo=400"} << QStringList{};
        QTest::newRow("a write clamped") << "file.set('" + ammo1 + "', 40000)" << QStringList{}
                                         << QStringList{ammo1 + ": 250 -> 30000 (clamped from 40000)"};
        QTest::newRow("a write rounded, by walking") << "file.plane(2).weapons.configurations[1].weapons[1].ammo = 12.5"
                                                     << QStringList{} << QStringList{Weapon.arg(2) + "ammo: 400 -> 12"};
        QTest::newRow("the members of walking objects")
            << "const w = file.plane(1).weapons.configurations[1]; const k = []; for (const f in w.weapons[1]) k.push(f);"
               " print(Object.keys(w)); print(k.length, k[0], Object.keys(file.plane(1).weapons.configurations).length)"
            << QStringList{"name,weapon_count,weapons", "21 ammo 8"} << QStringList{};
        QTest::newRow("the same value changes nothing") << "file.set('" + ammo1 + "', 250)" << QStringList{} << QStringList{};
    }
    void scriptReadsAndWrites()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, output);
        QFETCH(QStringList, changes);
        DataFile file = twoPlanes();
        const vw::scripting::ScriptOutcome outcome = vw::scripting::runScript(file, script, QStringLiteral("t.js"));
        QVERIFY2(outcome.ok, qPrintable(outcome.error));
        QCOMPARE(outcome.output, output);
        QStringList lines;
        for (const vw::scripting::ScriptChange &c : outcome.changes)
            lines << vw::scripting::changeLine(c);
        QCOMPARE(lines, changes);
        QCOMPARE(outcome.changedFields, int(changes.size()));
    }

    // A run that fails leaves every byte as it was, and says where it failed.
    void failedRunChangesNothing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("error");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        const QString write = "file.set('" + Weapon.arg(1) + "ammo', 7);\n";
        QTest::newRow("an exception") << write + "\n  throw new Error('no');" << "Error: no" << 3 << 0;
        QTest::newRow("a runaway") << write + "for (;;) {}" << "stopped after 0.2 s" << 0 << 0;
        QTest::newRow("an unknown field") << write + "file.get('planes[1].header.nme')" << "planes[1].header.nme: unknown field 'nme'"
                                          << 2 << 0;
        QTest::newRow("walking to no field") << write + "file.plane(1).weapons.nothing" << "unknown field 'nothing'" << 2 << 0;
        QTest::newRow("walking past a list's end") << write + "file.plane(1).weapons.configurations[1].weapons[17].ammo"
                                                   << "no entry 17" << 2 << 0;
        QTest::newRow("walking to a member of every object") << write + "file.plane(1).header.constructor"
                                                             << "unknown field 'constructor'" << 2 << 0;
        QTest::newRow("a text for a number") << write + "file.set('" + Weapon.arg(1) + "bursts', 'x')" << "takes a number" << 2 << 0;
        QTest::newRow("a syntax error") << "let = 3;" << "SyntaxError" << 1 << 5;
    }
    void failedRunChangesNothing()
    {
        QFETCH(QString, script);
        QFETCH(QString, error);
        QFETCH(int, line);
        QFETCH(int, column);
        DataFile file = twoPlanes();
        const QByteArray before = file.toBytes(false);
        const vw::scripting::ScriptOutcome outcome = vw::scripting::runScript(file, script, QStringLiteral("t.js"), 200);
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(error), qPrintable(outcome.error));
        QCOMPARE(outcome.line, line);
        QCOMPARE(outcome.column, column);
        QVERIFY(outcome.changes.isEmpty());
        QVERIFY(file.toBytes(false) == before);
    }

    // The command's exit codes and what it writes.
    void commandExitCodes_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("lastLine");
        const QString set = "file.set('" + Weapon.arg(1) + "ammo', 300)";
        QTest::newRow("read only") << "print(1)" << QStringList{} << 0 << false << "1";
        QTest::newRow("saved") << set << QStringList{"-o", "OUT"} << 0 << true << "1 field changed";
        QTest::newRow("dry run") << set << QStringList{"--dry-run"} << 0 << false << "1 field would change; nothing was written";
        QTest::newRow("a change without -o") << set << QStringList{} << 1 << false
                                             << Weapon.arg(1) + "ammo: 250 -> 300";
        QTest::newRow("an exception") << set + "; throw 1" << QStringList{"-o", "OUT"} << 1 << false << "";
        QTest::newRow("a runaway") << set + "; for (;;) {}" << QStringList{"-o", "OUT", "--timeout", "0.2"} << 1 << false << "";
        QTest::newRow("a bad timeout") << set << QStringList{"-o", "OUT", "--timeout", "0"} << 2 << false << "";
        QTest::newRow("-o with --dry-run") << set << QStringList{"-o", "OUT", "--dry-run"} << 2 << false << "";
    }
    void commandExitCodes()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, options);
        QFETCH(int, code);
        QFETCH(bool, written);
        QFETCH(QString, lastLine);
        QTemporaryDir dir(vwtest::scratchTemplate());
        const QString data = dir.filePath(QStringLiteral("misc.bin")), js = dir.filePath(QStringLiteral("t.js")),
                      out = dir.filePath(QStringLiteral("out.bin"));
        twoPlanes().SaveCfg(data, true);
        QFile f(js);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(script.toUtf8());
        f.close();
        options.replaceInStrings(QStringLiteral("OUT"), out);
        QString outText, errText;
        QTextStream o(&outText), e(&errText);
        QCOMPARE(vw::cli::run(QStringList{"script", data, js} + options, o, e), code);
        o.flush();
        QCOMPARE(QFile::exists(out), written);
        if (!lastLine.isEmpty())
            QCOMPARE(outText.trimmed().split(QLatin1Char('\n')).last(), lastLine);
        if (written) {
            DataFile saved = DataFile::ReadCfg(out, true);
            QCOMPARE(vw::scripting::runScript(saved, "print(file.get('" + Weapon.arg(1) + "ammo'))", "r.js").output,
                     QStringList{"300"});
        }
    }
};

VW_TEST(ScriptCommandTest)
#include "test_script_command.moc"
