#include "common/test_registry.h"

#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/weapons/weapons_block.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vw::datafile;

namespace {

const QString Ammo = QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo");

} // namespace

class FindEditCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;

    // Two planes, one configuration of one weapon each: plane 1 "Kestrel", a
    // fighter, ammo 250; plane 2 "Merlin", a bomber, ammo 400.
    void makeFile()
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
        file_ = dir_->filePath(QStringLiteral("misc.bin"));
        file.SaveCfg(file_, true);
    }

    static int run(const QStringList &arguments, QString *outText, QString *errText = nullptr)
    {
        QString err;
        QTextStream o(outText), e(&err);
        const int code = vw::cli::run(arguments, o, e);
        o.flush();
        e.flush();
        if (errText)
            *errText = err;
        return code;
    }

    QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
        makeFile();
    }

    void findListsTheFieldsFound_data()
    {
        QTest::addColumn<QStringList>("conditions");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::newRow("one found") << QStringList{Ammo + " > 300"} << 0
                                   << "planes[2].weapons.configurations[1].weapons[1].ammo\tMerlin\tAmmo\t400\n";
        QTest::newRow("with the plane's condition") << QStringList{Ammo + " > 0", "planes[*].header.plane_type == 0"} << 0
                                                    << "planes[1].weapons.configurations[1].weapons[1].ammo\tKestrel\tAmmo\t250\n";
        QTest::newRow("a text") << QStringList{"planes[*].header.name ~ \"kes\""} << 0
                                << "planes[1].header.name\tKestrel\tPlane name\t\"Kestrel\"\n";
        QTest::newRow("nothing") << QStringList{Ammo + " > 1000"} << 1 << "";
        QTest::newRow("bad condition") << QStringList{Ammo + " >> 3"} << 2 << "";
    }
    void findListsTheFieldsFound()
    {
        QFETCH(QStringList, conditions);
        QFETCH(int, code);
        QFETCH(QString, output);
        QString out, err;
        QCOMPARE(run(QStringList{"find", file_} + conditions, &out, &err), code);
        QCOMPARE(out, output);
        if (code == 2) {
            const QStringList lines = err.split(QLatin1Char('\n'));
            QCOMPARE(lines[0], QStringLiteral("vornwing-cli: error: '>' is not a number at column 54"));
            QCOMPARE(lines[2].indexOf(QLatin1Char('^')), 55);
        }
    }

    void findWritesJson()
    {
        QString out;
        QCOMPARE(run({"find", file_, Ammo + " >= 0", "--json"}, &out), 0);
        const QJsonArray list = QJsonDocument::fromJson(out.toUtf8()).array();
        QCOMPARE(list.size(), 2);
        const QJsonObject first = list[0].toObject();
        QCOMPARE(first.keys(), (QStringList{"label", "name", "path", "plane", "value"}));
        QCOMPARE(first[QLatin1String("plane")].toInt(), 1);
        QCOMPARE(first[QLatin1String("name")].toString(), QStringLiteral("Kestrel"));
        QCOMPARE(first[QLatin1String("value")].toInt(), 250);
        QCOMPARE(run({"find", file_, "ammunition[3].he_damage >= -2000000000", "--json"}, &out), 0);
        QVERIFY(QJsonDocument::fromJson(out.toUtf8()).array().last().toObject()[QLatin1String("plane")].isNull());
    }

    // edit lists each change, says how many fields changed and writes OUT
    // only when it is asked to and the expressions are sound.
    void editChangesAndSaves_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("output");
        QTest::addColumn<bool>("written");
        const QString first = QStringLiteral("planes[1].weapons.configurations[1].weapons[1].ammo");
        const QString second = QStringLiteral("planes[2].weapons.configurations[1].weapons[1].ammo");
        QTest::newRow("clamped") << QStringList{Ammo + " *= 100", "--where", "planes[*].header.plane_type == 1"} << 0
                                 << second + ": 400 -> 30000 (clamped from 40000)\n1 field changed\n" << true;
        QTest::newRow("field to field")
            << QStringList{"planes[*].weapons.configurations[*].weapons[*].bursts = " + Ammo, "--where", Ammo + " < 300"} << 0
            << "planes[1].weapons.configurations[1].weapons[1].bursts: " << true;
        QTest::newRow("none changed") << QStringList{Ammo + " max= 1000"} << 0 << "0 fields changed\n" << true;
        QTest::newRow("dry run") << QStringList{Ammo + " += 1", "--dry-run"} << 0
                                 << first + ": 250 -> 251\n" + second + ": 400 -> 401\n2 fields would change; nothing was written\n" << false;
        QTest::newRow("bad assignment") << QStringList{Ammo + " += \"x\""} << 2 << "" << false;
        QTest::newRow("bad condition") << QStringList{Ammo + " = 1", "--where", "planes[*].header.nmae == \"x\""} << 2 << "" << false;
    }
    void editChangesAndSaves()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, code);
        QFETCH(QString, output);
        QFETCH(bool, written);
        const QString out = dir_->filePath(QStringLiteral("new.bin"));
        const QByteArray before = bytes(file_);
        QString text, err;
        QCOMPARE(run(QStringList{"edit", file_, "-o", out} + arguments, &text, &err), code);
        QVERIFY2(output.isEmpty() ? text.isEmpty() : text.startsWith(output), qPrintable(text));
        QCOMPARE(QFile::exists(out), written);
        QCOMPARE(bytes(file_), before);
        if (code == 2)
            QVERIFY2(err.contains(QLatin1String("error: ")) && err.contains(QLatin1Char('^')), qPrintable(err));
        if (!written)
            return;
        // What OUT holds is what the listing said.
        QString found;
        QCOMPARE(run({"find", out, Ammo + " >= 0"}, &found), 0);
        if (QTest::currentDataTag() == QLatin1String("clamped"))
            QVERIFY(found.endsWith(QLatin1String("\tMerlin\tAmmo\t30000\n")));
    }

    // Over its own FILE, edit keeps the old file as FILE.bak, as the other commands do.
    void editOverItsFileKeepsABackup()
    {
        const QByteArray before = bytes(file_);
        QString text;
        QCOMPARE(run({"edit", file_, "-o", file_, Ammo + " = 7"}, &text), 0);
        QCOMPARE(bytes(file_ + ".bak"), before);
        QVERIFY(bytes(file_) != before);
        QCOMPARE(run({"edit", file_, Ammo + " = 7"}, &text), 2); // no OUT
    }
};

VW_TEST(FindEditCommandsTest)
#include "test_find_edit_commands.moc"
