#include "common/test_registry.h"

#include "cli/cli_commands.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/weapons_block.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace vw::datafile;

namespace {

const QString Name = QStringLiteral("planes[*].header.name");
const QString Ammo = QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo");
const QString Weight = QStringLiteral("planes[*].primary.rows[13]");
const QString Selectable = QStringLiteral("planes[*].header.selectable");

} // namespace

class TableCommandsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString file_;

    // Plane 1 "Kestrel", weight 1234.5, one configuration of two weapons
    // (ammo 250, 300); plane 2 `Merlin, the "big"`, weight 0.725, one of one (ammo 400).
    void makeFile()
    {
        DataFile file = DataFile::fromBytes(buildSampleFile(vwtest::sampleOptions(1, 2)), true);
        const char *names[] = {"Kestrel", "Merlin, the \"big\""};
        for (int p = 1; p <= 2; ++p) {
            vw::flightmodel::PlaneHeader header(file, p);
            header.setText(vw::flightmodel::HeaderText::Name, QLatin1String(names[p - 1]));
            header.setSelectable(p == 1);
            vw::flightmodel::PlaneRecord(file, p).setPrimary(13, p == 1 ? 1234.5 : 0.725);
            vw::weapons::WeaponsBlock block(file, p);
            block.setConfigCount(1);
            block.config(1).setWeaponCount(p == 1 ? 2 : 1);
            block.config(1).weapon(1).setAmmo(p == 1 ? 250 : 400);
            if (p == 1)
                block.config(1).weapon(2).setAmmo(300);
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

    static QByteArray bytes(const QString &path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QString write(const QString &name, const QByteArray &text)
    {
        const QString path = dir_->filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return {};
        return path;
    }

    // A table imported onto the file: the exit code, standard error, and whether OUT was written.
    int import(const QString &table, QString *err)
    {
        QFile::remove(dir_->filePath("out.bin"));
        QString text;
        return run({"import-table", file_, table, "-o", dir_->filePath("out.bin")}, &text, err);
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
        makeFile();
    }

    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // One row per element of the first column's wildcards, the numbers first;
    // quoted cells, CR LF and "." under a decimal-comma locale.
    void tableHasTheRowsOfTheFirstColumn_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("table");
        QTest::newRow("planes") << QStringList{Name, Weight, Selectable}
                                << QByteArray("plane,planes[*].header.name,planes[*].primary.rows[13],planes[*].header.selectable\r\n"
                                              "1,Kestrel,1234.5,true\r\n2,\"Merlin, the \"\"big\"\"\",0.725,false\r\n");
        QTest::newRow("configurations")
            << QStringList{"planes[*].weapons.configurations[*].weapon_count", "planes[*].weapons.configurations[*].name"}
            << QByteArray("plane,configuration,planes[*].weapons.configurations[*].weapon_count,planes[*].weapons.configurations[*].name\r\n"
                          "1,1,2,Default\r\n2,1,1,Default\r\n");
        QTest::newRow("weapons, labels")
            << QStringList{Ammo, "--labels"}
            << QByteArray("plane,configuration,weapon,Ammo\r\n1,1,1,250\r\n1,1,2,300\r\n2,1,1,400\r\n");
        QTest::newRow("one plane, tab-separated")
            << QStringList{"planes[2].header.name", "planes[2].primary.rows[13]", "--format", "tsv"}
            << QByteArray("planes[2].header.name\tplanes[2].primary.rows[13]\r\n\"Merlin, the \"\"big\"\"\"\t0.725\r\n");
        QTest::newRow("shared table") << QStringList{"ammunition[0..1].raw_name"}
                                      << QByteArray("entry,ammunition[0..1].raw_name\r\n");
    }
    void tableHasTheRowsOfTheFirstColumn()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, table);
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QString text, err;
        QCOMPARE(run(QStringList{"table", file_} + arguments, &text, &err), 0);
        if (QTest::currentDataTag() == QByteArray("shared table"))
            QVERIFY2(text.startsWith(QString::fromUtf8(table)) && text.count(QLatin1String("\r\n")) == 3, qPrintable(text));
        else
            QCOMPARE(text.toUtf8(), table);
    }

    // Bad usage exits 2 and writes nothing.
    void tableRefusesBadColumns_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("unknown field") << QStringList{"planes[*].header.nam"};
        QTest::newRow("other wildcards") << QStringList{Name, Ammo};
        QTest::newRow("fewer wildcards") << QStringList{Name, "planes[1].header.name"};
        QTest::newRow("a part") << QStringList{"planes[*].header"};
        QTest::newRow("unknown format") << QStringList{Name, "--format", "xls"};
    }
    void tableRefusesBadColumns()
    {
        QFETCH(QStringList, arguments);
        QString text, err;
        QCOMPARE(run(QStringList{"table", file_} + arguments, &text, &err), 2);
        QVERIFY(text.isEmpty());
        QVERIFY(!err.isEmpty());
    }

    // Refusals name the row and column as a spreadsheet does; nothing is written.
    void importRefusesByRowAndColumn_data()
    {
        QTest::addColumn<QByteArray>("table");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("refusals");
        const QByteArray head = "plane,configuration,weapon," + Ammo.toUtf8() + "\r\n";
        QTest::newRow("range and kind") << head + "1,1,1,40000\r\n1,1,2,x\r\n2,1,1,\r\n" << 1
                                        << QStringList{"row 2, column D (" + Ammo + "): 40000 is outside 0..30000",
                                                       "row 3, column D (" + Ammo + "): \"x\" is not a whole number"};
        QTest::newRow("no such weapon") << head + "2,1,2,5\r\n" << 1 << QStringList{"row 2, column C (weapon): the file has no weapon 2 here"};
        QTest::newRow("no such plane") << head + "9,1,1,5\r\n" << 1 << QStringList{"row 2, column A (plane): the file has no plane 9 here"};
        QTest::newRow("row twice") << head + "1,1,1,5\r\n1,1,1,6\r\n" << 1
                                   << QStringList{"row 3, column A (plane): the row's fields are those of row 2 already"};
        QTest::newRow("width and decimal comma")
            << QByteArray("plane,planes[*].header.name,planes[*].primary.rows[13]\r\n1,") + QByteArray(40, 'x')
                   + ",\"1,5\"\r\n" << 1
            << QStringList{"row 2, column B (planes[*].header.name): \"" + QString(40, 'x') + "\" is longer than the field's 18 characters",
                           "row 2, column C (planes[*].primary.rows[13]): \"1,5\" is not a number (the decimal point is \".\")"};
        QTest::newRow("open quote") << QByteArray("plane,") + Name.toUtf8() + "\r\n1,\"Kestrel\r\n" << 1
                                    << QStringList{"row 2, column B: the quote that opens the cell is not closed"};
        QTest::newRow("unknown pattern") << QByteArray("plane,planes[*].header.nam\r\n") << 2 << QStringList{"row 1, column B"};
        QTest::newRow("number columns") << QByteArray("plane,") + Ammo.toUtf8() + "\r\n" << 2
                                        << QStringList{"row 1: the number columns are plane; the first field's wildcards need plane, configuration, weapon"};
        QTest::newRow("labels") << QByteArray("plane,Ammo\r\n") << 2 << QStringList{"a table written with labels does not import"};
    }
    void importRefusesByRowAndColumn()
    {
        QFETCH(QByteArray, table);
        QFETCH(int, code);
        QFETCH(QStringList, refusals);
        QString err;
        QCOMPARE(import(write("t.csv", table), &err), code);
        QVERIFY(!QFile::exists(dir_->filePath("out.bin")));
        for (const QString &r : refusals)
            QVERIFY2(err.contains(r), qPrintable(err));
    }

    // An exported table imports back with no change, CSV and TSV; a change and an empty cell.
    void tableImportsBackByteForByte_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("csv") << "t.csv";
        QTest::newRow("tsv") << "t.tsv";
    }
    void tableImportsBackByteForByte()
    {
        QFETCH(QString, name);
        const QString table = dir_->filePath(name);
        QString text, err;
        QCOMPARE(run({"table", file_, Name, Weight, Selectable, "planes[*].header.sounds", "planes[*].handling[*][2]", "-o", table},
                     &text), 2); // handling's rows are a second wildcard
        QCOMPARE(run({"table", file_, Name, Weight, Selectable, "planes[*].header.sounds", "planes[*].primary.rows[1]",
                      "planes[*].damage_profile[3].armor", "-o", table}, &text), 0);
        QCOMPARE(import(table, &err), 0);
        QCOMPARE(bytes(dir_->filePath("out.bin")), bytes(file_));
        QCOMPARE(run({"table", file_, Ammo, "-o", table}, &text), 0);
        QCOMPARE(import(table, &err), 0);
        QCOMPARE(bytes(dir_->filePath("out.bin")), bytes(file_));
        QCOMPARE(err, QStringLiteral("0 fields changed\n"));
        // One cell changed, one emptied: only the changed field differs.
        const QByteArray sep = name.endsWith("tsv") ? "\t" : ",";
        QByteArray changed = bytes(table).replace(sep + "250\r\n", sep + "260\r\n").replace(sep + "300\r\n", sep + "\r\n");
        QCOMPARE(import(write(name, changed), &err), 0);
        QCOMPARE(err, QStringLiteral("1 field changed\n"));
        QCOMPARE(run({"table", dir_->filePath("out.bin"), Ammo, "--format", "csv"}, &text), 0);
        QVERIFY2(text.contains("1,1,1,260\r\n1,1,2,300\r\n"), qPrintable(text));
    }

    // A table as the spreadsheet saves it (LF line ends, quotes only where
    // needed, 15 significant digits, TRUE and FALSE) imports with no change;
    // a value rounded to 15 digits is stored as the value the cell now holds.
    void spreadsheetSavedTableImports()
    {
        const QByteArray saved = "plane,planes[*].header.name,planes[*].primary.rows[13],planes[*].header.selectable\n"
                                 "1,Kestrel,1234.5,TRUE\n2,\"Merlin, the \"\"big\"\"\",0.725,FALSE\n";
        QString err, text;
        QCOMPARE(import(write("saved.csv", saved), &err), 0);
        QCOMPARE(bytes(dir_->filePath("out.bin")), bytes(file_));
        QByteArray rounded = saved;
        rounded.replace("1234.5", "0.3");
        QCOMPARE(import(write("saved.csv", rounded), &err), 0);
        QCOMPARE(run({"table", dir_->filePath("out.bin"), "planes[1].primary.rows[13]"}, &text), 0);
        QCOMPARE(text, QStringLiteral("planes[1].primary.rows[13]\r\n0.3\r\n"));
    }

    // The same through the spreadsheet itself, where it is installed.
    void spreadsheetRoundTrip()
    {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QSKIP("soffice is not installed");
        const QString table = dir_->filePath("t.csv");
        QString text, err;
        QCOMPARE(run({"table", file_, Name, Weight, Selectable, "planes[*].header.sounds", "-o", table}, &text), 0);
        QDir().mkpath(dir_->filePath("saved"));
        QProcess calc;
        calc.start(soffice, {"-env:UserInstallation=file://" + dir_->filePath("profile"), "--headless", "--convert-to",
                             "csv:Text - txt - csv (StarCalc):44,34,76", "--outdir", dir_->filePath("saved"), table});
        QVERIFY(calc.waitForFinished(120000));
        QCOMPARE(import(dir_->filePath("saved/t.csv"), &err), 0);
        QCOMPARE(bytes(dir_->filePath("out.bin")), bytes(file_));
    }
};

VW_TEST(TableCommandsTest)
#include "test_table_commands.moc"
