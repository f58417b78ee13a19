#include "core/workspace/launcher.h"
#include "core/workspace/settings.h"
#include "core/workspace/support_files.h"
#include "core/workspace/workspace.h"
#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "core/datafile/data_file.h"
#include "core/datafile/file_access.h"
#include "core/datafile/sample_builder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vw::app;

namespace {
QString inBuildTree(const QString &name)
{
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name;
}

void writeText(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}
} // namespace

class WorkspaceFilesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void baseDirectory_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("base");
        const QString s = QDir::separator();
        QTest::newRow("plain folder") << "/games/vw" << "/games/vw" + s;
        QTest::newRow("editor folder") << "/games/vw/editor" << "/games/vw" + s;
        QTest::newRow("EDITOR capitals") << "/games/vw/EDITOR" << "/games/vw" + s;
        QTest::newRow("mixed case, trailing slash") << "/games/vw/EdItOr/" << "/games/vw" + s;
        QTest::newRow("name only ends in editor") << "/games/myeditor" << "/games/myeditor" + s;
    }
    void baseDirectory()
    {
        QFETCH(QString, program);
        QFETCH(QString, base);
        QCOMPARE(baseDirectoryFor(QDir::toNativeSeparators(program)), QDir::toNativeSeparators(base));
    }

    // An installed editor (bin beside share/vornwing-editor) works in the
    // user's data folder and fills in the default support files missing
    // there; --base and a copy in a game folder keep the base directory rule.
    void installedEditorUsesUserFolder_data()
    {
        QTest::addColumn<QString>("program");   // the program's folder, in the test's tree
        QTest::addColumn<QString>("base");      // --base, or empty
        QTest::addColumn<QString>("userFiles"); // made in the user's editor folder first, or "file" for a plain file in the folder's place
        QTest::addColumn<QString>("expected");  // the base directory, in the test's tree
        QTest::addColumn<QStringList>("copied");
        const QStringList all = {"FM.dat", "editor.ini", "planes.dat", "readme.txt"};
        QTest::newRow("installed, first start") << "usr/bin" << "" << "" << "user/vornwing-editor" << all;
        QTest::newRow("installed, the user's settings kept")
            << "usr/bin" << "" << "editor.ini" << "user/vornwing-editor"
            << QStringList{"FM.dat", "planes.dat", "readme.txt"};
        QTest::newRow("installed, all there") << "usr/bin" << "" << "FM.dat,editor.ini,planes.dat,readme.txt"
                                              << "user/vornwing-editor" << QStringList{};
        QTest::newRow("installed, --base wins") << "usr/bin" << "game/editor" << "" << "game" << QStringList{};
        QTest::newRow("copy in a game's Editor folder") << "game/Editor" << "" << "" << "game" << QStringList{};
        QTest::newRow("bin without share") << "opt/bin" << "" << "" << "opt/bin" << QStringList{};
        QTest::newRow("user folder cannot be made") << "usr/bin" << "" << "file" << "user/vornwing-editor"
                                                    << QStringList{};
    }
    void installedEditorUsesUserFolder()
    {
        QFETCH(QString, program);
        QFETCH(QString, base);
        QFETCH(QString, userFiles);
        QFETCH(QString, expected);
        QFETCH(QStringList, copied);
        QTemporaryDir dir(inBuildTree("installed-XXXXXX"));
        const QDir root(dir.path());
        for (const QString &folder : QStringList{"usr/bin", "usr/share/vornwing-editor/editor", "game/Editor", "opt/bin"})
            QVERIFY(root.mkpath(folder));
        const QStringList all = {"FM.dat", "editor.ini", "planes.dat", "readme.txt"};
        for (const QString &name : all)
            writeText(root.filePath("usr/share/vornwing-editor/editor/" + name), "default\n");
        const QString user = root.filePath("user/vornwing-editor");
        if (userFiles == "file") {
            QVERIFY(root.mkpath("user"));
            writeText(user, "not a folder");
        } else if (!userFiles.isEmpty()) {
            QVERIFY(root.mkpath("user/vornwing-editor/editor"));
            for (const QString &name : userFiles.split(','))
                writeText(user + "/editor/" + name, "mine\n");
        }
        const Workspace workspace =
            chooseWorkspace(root.filePath(program), base.isEmpty() ? QString() : root.filePath(base), user);
        QCOMPARE(workspace.baseDirectory, baseDirectoryFor(root.filePath(expected)));
        QCOMPARE(workspace.copied, copied);
        QCOMPARE(workspace.problem.isEmpty(), userFiles != "file");
        const bool installed = expected.startsWith("user");
        QCOMPARE(workspace.installedDefaults.isEmpty(), !installed);
        QCOMPARE(QFileInfo::exists(user), installed);
        if (installed && userFiles != "file") {
            for (const QString &name : all) {
                QFile file(user + "/editor/" + name);
                QVERIFY(file.open(QIODevice::ReadOnly));
                QCOMPARE(file.readAll(), QByteArray(copied.contains(name) ? "default\n" : "mine\n"));
            }
        }
    }

    void userDataFolderFollowsTheSystem()
    {
#ifdef Q_OS_UNIX
        QTemporaryDir dir(inBuildTree("xdg-XXXXXX"));
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        const QString folder = userDataFolder();
        if (before.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", before);
        QCOMPARE(folder, QDir(dir.path()).filePath("vornwing-editor"));
#else
        QSKIP("the data folder follows XDG_DATA_HOME only on Unix");
#endif
    }

    // The support files are looked for in the editor folder as it is spelt.
    void editorFolderAsSpelt_data()
    {
        QTest::addColumn<QString>("folder"); // made in the base folder, the program's own
        QTest::addColumn<QString>("used");
        QTest::newRow("editor") << "editor" << "editor";
        QTest::newRow("Editor") << "Editor" << "Editor";
        QTest::newRow("none yet") << "" << "editor";
    }
    void editorFolderAsSpelt()
    {
        QFETCH(QString, folder);
        QFETCH(QString, used);
        QTemporaryDir dir(inBuildTree("base-XXXXXX"));
        QVERIFY(QDir(dir.path()).mkpath(folder.isEmpty() ? "." : folder));
        const QString base = baseDirectoryFor(dir.filePath(folder));
        QCOMPARE(editorFile(base, "FM.dat"), base + used + QDir::separator() + "FM.dat");
    }

    // Support files that are no regular files, or too long for one, give the
    // reason for the start-up warning; none is waited on or read without end.
    void supportReadersRefuseWhatIsNoFile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << "fifo" << "not a regular file (a FIFO)";
        QTest::newRow("above 4 MB") << "large" << "read up to 4194304 bytes";
    }
    void supportReadersRefuseWhatIsNoFile()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir(inBuildTree("support-XXXXXX"));
        const QString path = dir.filePath("FM.dat");
        QFile large(path);
        QVERIFY(kind == "large" ? large.open(QIODevice::WriteOnly) && large.resize(vw::datafile::SupportFileLimit + 1)
                                : vwtest::makeSpecial(path, kind));
        const vwtest::Deadline deadline;
        const TextLines lines = readTextLines(path);
        const SettingsRead settings = readSettings(path);
        bool recognised = true;
        ammoNamesFromExecutable(path, &recognised);
        QVERIFY(!lines.found && !settings.found && !recognised);
        QVERIFY2(lines.reason.contains(reason), qPrintable(lines.reason));
        QCOMPARE(settings.reason, lines.reason);
    }

    // A mistyped --base must not create its folder chain at close: only the
    // editor folder is made, inside a base folder that exists.
    void settingsAreWrittenOnlyIntoAnExistingBase()
    {
        QTemporaryDir dir(inBuildTree("settings-XXXXXX"));
        writeSettings(dir.filePath("editor/editor.ini"), {});
        QVERIFY(readSettings(dir.filePath("editor/editor.ini")).found);
        QVERIFY_THROWS_EXCEPTION(vw::datafile::FileError, writeSettings(dir.filePath("typo/base/editor/editor.ini"), {}));
        QVERIFY(!QFileInfo::exists(dir.filePath("typo")));
    }

    void settingsRoundTripKeepsEveryLine()
    {
        QTemporaryDir dir(inBuildTree("settings-XXXXXX"));
        const QString path = dir.filePath("editor/editor.ini");
        EditorSettings s;
        s.closeOnLaunch = true;
        s.launchOffline = false;
        s.dataPath = QString::fromUtf8("/игры/vw/misc.bin"); // any script survives
        s.launcherPath = "/games/vw/run.exe";
        s.defaultPath = false;
        s.writeOkay = false;
        s.decimalSeparator = ",";
        writeSettings(path, s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("1\n0\n") + s.dataPath.toUtf8() + "\n/games/vw/run.exe\n0\n\n,\n");
        const SettingsRead read = readSettings(path);
        QVERIFY(read.found);
        QCOMPARE(read.settings.closeOnLaunch, true);
        QCOMPARE(read.settings.launchOffline, false);
        QCOMPARE(read.settings.dataPath, s.dataPath);
        QCOMPARE(read.settings.launcherPath, s.launcherPath);
        QCOMPARE(read.settings.defaultPath, false);
        QCOMPARE(read.settings.writeOkay, false);
        QCOMPARE(read.settings.decimalSeparator, QString(","));
    }

    void settingsLinesAreReadByPosition_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("close");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<bool>("defaultPath");
        QTest::addColumn<bool>("writeOkay");
        QTest::addColumn<QString>("separator");
        QTest::newRow("dos line ends") << QByteArray("1\r\n1\r\np\r\nl\r\n1\r\nwriteokay\r\n.\r\n") << true << true << true << true << ".";
        QTest::newRow("writeokay is case-sensitive") << QByteArray("0\n0\n\n\n0\nWriteOkay\n,\n") << false << false << false << false << ",";
        QTest::newRow("not integers count as 0") << QByteArray("yes\n2\n\n\nx\n\n\n") << false << false << false << false << ".";
        QTest::newRow("empty separator gives a point") << QByteArray("0\n1\n\n\n1\nwriteokay\n\n") << false << true << true << true << ".";
        QTest::newRow("short file keeps defaults") << QByteArray("1\n") << true << true << true << false << ".";
        QTest::newRow("single-byte code page") << QByteArray("0\n1\nC:\\Spiele\\\xe9\n\n1\nwriteokay\n.\n") << false << true << true << true << ".";
    }
    void settingsLinesAreReadByPosition()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir(inBuildTree("settings-XXXXXX"));
        writeText(dir.filePath("editor.ini"), content);
        const EditorSettings s = readSettings(dir.filePath("editor.ini")).settings;
        QTEST(s.closeOnLaunch, "close");
        QTEST(s.launchOffline, "offline");
        QTEST(s.defaultPath, "defaultPath");
        QTEST(s.writeOkay, "writeOkay");
        QTEST(s.decimalSeparator, "separator");
    }

    void missingSettingsGiveDefaults()
    {
        const SettingsRead read = readSettings(inBuildTree("no-such-folder/editor.ini"));
        QVERIFY(!read.found);
        QCOMPARE(read.settings.launchOffline, true);
        QCOMPARE(read.settings.defaultPath, true);
        QCOMPARE(read.settings.writeOkay, false);
        QCOMPARE(read.settings.decimalSeparator, QString("."));
    }

    void planeSummariesTakeFourLinesPerPlane()
    {
        const QStringList lines = {"a1", "a2", "a3", "a4", "b1", "b2"};
        const auto summaries = planeSummaries(lines, 3);
        QCOMPARE(int(summaries.size()), PlaneSummaryCapacity);
        QCOMPARE(summaries[0][3], QString("a4"));
        QCOMPARE(summaries[1][1], QString("b2"));
        QCOMPARE(summaries[1][2], QString()); // missing lines read as empty
        QCOMPARE(summaries[3][0], QString()); // beyond the plane count
    }

    void fmLabelsAreCutTo171()
    {
        QStringList lines;
        for (int i = 1; i <= 180; ++i)
            lines << QString::number(i);
        const FmLabels cut = fmLabels(lines);
        QVERIFY(cut.cut);
        QCOMPARE(cut.labels.size(), 171);
        QCOMPARE(cut.labels.last(), QString("171"));
        QVERIFY(!fmLabels(lines.mid(0, 171)).cut);
        // A long FM.dat is read (only cut): it is no file that could not be read.
        QTemporaryDir dir(inBuildTree("fm-XXXXXX"));
        writeText(dir.filePath("FM.dat"), lines.join('\n').toLatin1());
        const TextLines read = readTextLines(dir.filePath("FM.dat"));
        QVERIFY(read.found && read.reason.isEmpty() && read.lines == lines);
    }

    void ammoNamesWithAndWithoutExecutable()
    {
        using namespace vw::datafile;
        const DataFile file = DataFile::fromBytes(buildSampleFile({Openhall128Layout, 2, -1, 3}), true);
        QTemporaryDir dir(inBuildTree("exe-XXXXXX"));
        // A recognised build: the names sit 43 bytes apart from the table start.
        QByteArray exe(1126912, '\0');
        const QByteArray browning = "  Heavy MG \0\0";
        exe.replace(1043253, browning.size(), browning);
        exe.replace(1043253 + 43 * 150, 4, "Last");
        writeText(dir.filePath("vornwing.exe"), exe);
        bool recognised = false;
        const QStringList names = buildAmmoNames(ammoNamesFromExecutable(dir.filePath("vornwing.exe"), &recognised), file);
        QVERIFY(recognised);
        QCOMPARE(names.size(), 151);
        QCOMPARE(names[0], QString("Heavy MG (mg303)"));
        QVERIFY(names[150].startsWith("Last ("));
        QCOMPARE(names[1], QString("(mg50cal)")); // an empty opening part leaves " (" trimmed

        // Any other size: the table's short names as they are.
        writeText(dir.filePath("other.exe"), QByteArray(1000, 'x'));
        const QStringList plain = buildAmmoNames(ammoNamesFromExecutable(dir.filePath("other.exe"), &recognised), file);
        QVERIFY(!recognised);
        QCOMPARE(plain[0], QString("mg303"));
        const QStringList items = weaponTypeList(plain);
        QCOMPARE(items.size(), 151);
        QCOMPARE(items[0], QString("000 : mg303"));
        QVERIFY(items[150].startsWith("150 : "));
    }

    // The start-up tables name every support file that could not be read, in
    // the order the window lists them, and what was read but not used whole.
    void startupTablesNameTheirProblems_data()
    {
        QTest::addColumn<QStringList>("files"); // name=text, or name=fifo
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QStringList>("problems"); // how each problem starts
        QTest::addColumn<int>("notes");
        const QStringList all = {"planes.dat=a\nb\nc\nd", "FM.dat=x\ny", "readme.txt=help"};
        QTest::newRow("all there") << all << false << QStringList() << 0;
        QTest::newRow("none there") << QStringList() << false
                                    << QStringList{"planes.dat (plane summaries)", "FM.dat (flight model row labels)",
                                                   "readme.txt (help text)"}
                                    << 0;
        QTest::newRow("unreadable") << QStringList{"planes.dat=fifo", "FM.dat=x", "readme.txt=fifo"} << false
                                    << QStringList{"planes.dat (plane summaries): not a regular file",
                                                   "readme.txt (help text): not a regular file"}
                                    << 0;
        QTest::newRow("long FM.dat") << QStringList{"planes.dat=", "FM.dat=" + QString("x\n").repeated(180),
                                                    "readme.txt="}
                                     << false << QStringList() << 1;
        QTest::newRow("short FM.ru.dat") << all + QStringList{"FM.ru.dat=x", "readme.ru.txt=fifo"} << true
                                         << QStringList{"readme.ru.txt: not a regular file"} << 1;
        QTest::newRow("copies unused in English") << all + QStringList{"FM.ru.dat=x", "readme.ru.txt=fifo"} << false
                                                  << QStringList() << 0;
    }
    void startupTablesNameTheirProblems()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, russian);
        QFETCH(QStringList, problems);
        QFETCH(int, notes);
        QTemporaryDir dir(inBuildTree("startup-XXXXXX"));
        QVERIFY(QDir(dir.path()).mkdir("editor"));
        for (const QString &entry : files) {
            const QString path = dir.filePath("editor/" + entry.section('=', 0, 0));
            const QString text = entry.section('=', 1);
            if (text == "fifo" && !vwtest::makeSpecial(path, "fifo"))
                QSKIP("no FIFO can be made here");
            if (text != "fifo")
                writeText(path, text.toUtf8());
        }
        using namespace vw::datafile;
        const DataFile file = DataFile::fromBytes(buildSampleFile({Openhall128Layout, 2, -1, 3}), true);
        const StartupTables tables = readStartupTables(dir.path() + '/', file, russian);
        QCOMPARE(tables.problems.size(), problems.size());
        for (int i = 0; i < problems.size(); ++i)
            QVERIFY2(tables.problems[i].startsWith(problems[i]), qPrintable(tables.problems[i]));
        QCOMPARE(tables.notes.size(), notes);
        QCOMPARE(tables.ammoNames.size(), AmmoNameCount);
        QCOMPARE(tables.weaponTypeList.size(), AmmoNameCount);
        QCOMPARE(int(tables.planeSummaries.size()), PlaneSummaryCapacity);
        if (files == QStringList{"planes.dat=a\nb\nc\nd", "FM.dat=x\ny", "readme.txt=help"})
            QVERIFY(tables.planeSummaries[0][3] == "d" && tables.fmLabels.size() == 2 && tables.helpLines == QStringList{"help"});
    }

    void labelTables()
    {
        const QStringList groups = weaponGroupNames();
        QCOMPARE(groups.size(), 21);
        QCOMPARE(groups[0], QString("Primary single shot"));
        QCOMPARE(groups[1], QString("Group 1"));
        QCOMPARE(groups[4], QString("Heavy guns"));
        QCOMPARE(groups[5], QString("Primary guns"));
        QCOMPARE(groups[6], QString("Secondary guns"));
        QCOMPARE(groups[7], QString("Group 7"));
        QCOMPARE(groups[8], QString("Secondary single shot"));
        QCOMPARE(groups[20], QString("Turreted gun"));
        const QStringList parts = damagePartNames();
        QCOMPARE(parts.size(), 33);
        QCOMPARE(parts.first(), QString("None"));
        QCOMPARE(parts[20], QString("Pilot Armor"));
        QCOMPARE(parts.last(), QString("Flaps"));
        QCOMPARE(damageLevelNames().size(), 8);
        QCOMPARE(damageLevelNames()[4], QString("5 - Medium-High"));
    }

    void launchCommand()
    {
        const LaunchPlan offline = planLaunch("/g/run.exe", true);
        QCOMPARE(offline.program, QString("/g/run.exe"));
        QCOMPARE(offline.arguments, QStringList{"/offline"});
        QCOMPARE(QDir::fromNativeSeparators(offline.workingDirectory), QString("/g"));
        QCOMPARE(offline.commandLine(), QString("/g/run.exe /offline"));
        QCOMPARE(planLaunch("/g/run.exe", false).arguments, QStringList{"/online"});
    }
};

VW_TEST(WorkspaceFilesTest)
#include "test_workspace_files.moc"
