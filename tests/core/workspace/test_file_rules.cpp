#include "core/operations/plane_reports.h"
#include "core/workspace/settings.h"
#include "core/workspace/workspace.h"
#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "core/datafile/file_access.h"
#include "core/datafile/sample_support.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using namespace vw::app;
using vw::datafile::FileError;

// Every file the editor writes or reads besides the data file keeps the file
// rules: a FIFO, a device or a loop of links is refused with what it is (not
// waited on, not replaced by a plain file) and left as it was.
class FileRulesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        dir_.reset(new QTemporaryDir(vwtest::scratchTemplate()));
        QVERIFY(dir_->isValid());
    }

    void specialFilesAreRefusedEverywhere_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("FIFO") << "fifo" << "not a regular file (a FIFO)";
        QTest::newRow("null device") << "null" << "not a regular file (a character device)";
        QTest::newRow("loop of links") << "loop" << "loop of symbolic links";
    }
    void specialFilesAreRefusedEverywhere()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString node = dir_->filePath(QStringLiteral("node"));
        if (!vwtest::makeSpecial(node, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = vwtest::fileType(node);
        const vwtest::Deadline deadline;
        const std::pair<const char *, std::function<void()>> accesses[] = {
            {"report", [&] { writeReportFile(node, "report\r\n"); }},
            {"wanted times", [&] { readWantedTimesFile(node); }},
            {"window.ini written", [&] { writeWindowSettings(node, {{QStringLiteral("geometry"), QByteArray("g")}}); }},
            {"editor.ini written", [&] { writeSettings(node, EditorSettings{}); }},
        };
        for (const auto &[what, access] : accesses) {
            try {
                access();
                QFAIL(qPrintable(QStringLiteral("%1: took what is no regular file").arg(what)));
            } catch (const FileError &e) {
                QCOMPARE(e.path(), node);
                QVERIFY2(e.reason().contains(reason), qPrintable(e.reason()));
            }
        }
        // Reading at start-up gives the defaults and marks the file as one to keep.
        const StoredValues window = readWindowSettings(node);
        QVERIFY(window.unreadable && window.values.isEmpty());
        QVERIFY(readSettings(node).unreadable);
        QCOMPARE(vwtest::fileType(node), type);
        QCOMPARE(QDir(dir_->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System),
                 QStringList{"node"});
    }

    // window.ini keeps the keys it is not given, and a folder named
    // window.ini.lock (Qt's lock file) holds nothing up.
    void windowSettingsRoundTrip()
    {
        const QString path = dir_->filePath(QStringLiteral("window.ini"));
        QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("window.ini.lock")));
        QVERIFY(vwtest::writeWhole(path, "[General]\nother=kept\n"));
        const QStringList recent = {QStringLiteral("/a/misc.bin"), QStringLiteral("/b, c/misc.bin")};
        writeWindowSettings(path, {{QStringLiteral("geometry"), QByteArray("\x01\x02\xff", 3)},
                                   {QStringLiteral("recentFiles"), recent}});
        const StoredValues read = readWindowSettings(path);
        QVERIFY(!read.unreadable);
        QCOMPARE(read.values.value(QStringLiteral("geometry")).toByteArray(), QByteArray("\x01\x02\xff", 3));
        QCOMPARE(read.values.value(QStringLiteral("recentFiles")).toStringList(), recent);
        QCOMPARE(read.values.value(QStringLiteral("other")).toString(), QStringLiteral("kept"));
        // Larger than a support file: not read, and kept as it is.
        QVERIFY(vwtest::writeWhole(path, QByteArray(vw::datafile::SupportFileLimit + 1, ' ')));
        QVERIFY(readWindowSettings(path).unreadable);
    }

    // editor.ini is by position: a path with a line break is refused and
    // nothing is written; a separator that is a digit, sign, letter or blank
    // is read as ".".
    void settingsLinesStayInPlace_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("usable");
        QTest::newRow("comma") << "," << true;
        QTest::newRow("semicolon") << ";" << true;
        QTest::newRow("digit") << "1" << false;
        QTest::newRow("letter") << "w" << false;
        QTest::newRow("Cyrillic letter") << QStringLiteral("ж") << false;
        QTest::newRow("minus") << "-" << false;
        QTest::newRow("plus") << "+" << false;
        QTest::newRow("blank") << " " << false;
    }
    void settingsLinesStayInPlace()
    {
        QFETCH(QString, separator);
        QFETCH(bool, usable);
        QCOMPARE(isUsableDecimalSeparator(separator.at(0)), usable);
        const QString path = dir_->filePath(QStringLiteral("editor.ini"));
        QVERIFY(vwtest::writeWhole(path, ("0\n1\n/x/misc.bin\n\n1\nwriteokay\n" + separator + "\n").toUtf8()));
        const SettingsRead read = readSettings(path);
        QCOMPARE(read.settings.decimalSeparator, usable ? separator : QStringLiteral("."));
        QCOMPARE(read.separatorRefused, usable ? QString() : separator);
        EditorSettings broken = read.settings;
        broken.launcherPath = QStringLiteral("/games/vw\nlauncher.exe");
        QVERIFY_THROWS_EXCEPTION(FileError, writeSettings(path, broken));
        QVERIFY(readSettings(path).settings.writeOkay);
    }

    // A relative XDG_DATA_HOME is ignored, as the XDG rules say.
    void userDataFolderIgnoresRelativeXdg()
    {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        const QByteArray before = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", "relative/share");
        const QString folder = userDataFolder();
        if (before.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", before);
        QCOMPARE(folder, QDir::homePath() + QStringLiteral("/.local/share/vornwing-editor"));
#else
        QSKIP("XDG_DATA_HOME is read only on Unix");
#endif
    }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

VW_TEST(FileRulesTest)
#include "test_file_rules.moc"
