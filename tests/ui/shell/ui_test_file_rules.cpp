#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QLineEdit>
#include <QProcess>
#include <QStatusBar>
#include <QToolButton>

using namespace vwtest;

// The editor's own files besides the data file: window.ini, editor.ini, the
// reports, the wanted times and the screenshot keep the file rules.
class FileRulesWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A file of the editor folder that is no regular file, or could not be
    // read, neither stops the start nor is waited on or replaced at close.
    void unreadableEditorFilesAreKept_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::newRow("editor.ini over 4 MB") << "editor.ini" << "large";
        QTest::newRow("editor.ini a FIFO") << "editor.ini" << "fifo";
        QTest::newRow("window.ini a FIFO") << "window.ini" << "fifo";
        QTest::newRow("window.ini a device") << "window.ini" << "null";
        QTest::newRow("window.ini a link loop") << "window.ini" << "loop";
        QTest::newRow("window.ini over 4 MB") << "window.ini" << "large";
        QTest::newRow("a folder window.ini.lock") << "window.ini.lock" << "folder";
    }
    void unreadableEditorFilesAreKept()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        TestWorkspace workspace;
        const QString path = workspace.path("editor/" + file);
        QFile::remove(path);
        const QByteArray large = "1\r\n1\r\n\r\n\r\n1\r\nwriteokay\r\n.\r\n" + QByteArray(5 << 20, ' ');
        if (kind == "large")
            workspace.writeFile("editor/" + file, large);
        else if (!makeSpecial(path, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = fileType(path);
        const Deadline deadline;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QTRY_VERIFY(!prompter.warnings.isEmpty() || kind == "folder");
        if (kind != "folder")
            QVERIFY2(prompter.warnings.join("").contains(file), qPrintable(prompter.warnings.join("")));
        QVERIFY(window->close());
        QCOMPARE(fileType(path), type);
        if (kind == "large")
            QCOMPARE(workspace.read("editor/" + file), large);
        if (file == "editor.ini")
            QVERIFY2(prompter.errors.size() == 1 && prompter.errors[0].contains("editor.ini")
                         && prompter.errors[0].contains("kept"),
                     qPrintable(prompter.errors.join("|")));
        else
            QVERIFY(prompter.errors.isEmpty());
        if (kind == "folder")
            QVERIFY(workspace.read("editor/window.ini").contains("geometry"));
        // The other file is written as always.
        const QString other = file == "editor.ini" ? "editor/window.ini" : "editor/editor.ini";
        QVERIFY(!workspace.read(other).isEmpty());
    }

    // "Generate Plane list" and "Correct Fuel by Time" refuse a FIFO, a device
    // or a link loop with an error box, and leave it as it was.
    void reportsRefuseSpecialFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("FIFO") << "fifo";
        QTest::newRow("null device") << "null";
        QTest::newRow("loop of links") << "loop";
    }
    void reportsRefuseSpecialFiles()
    {
        QFETCH(QString, kind);
        TestWorkspace workspace({1, 3, -1, 5});
        const QString report = workspace.path("planes.txt"), wanted = workspace.path("editor/planes-fuel.txt");
        if (!makeSpecial(report, kind) || !makeSpecial(wanted, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = fileType(report);
        const Deadline deadline;
        OpenEditor open(workspace);
        open.find<QAbstractButton>("Button13")->click();
        open.find<QAbstractButton>("Button28")->click();
        QCOMPARE(open.prompter.errors.size(), 2);
        QVERIFY(open.prompter.errors[0].contains("planes.txt") && open.prompter.errors[1].contains("planes-fuel.txt"));
        QCOMPARE(fileType(report), type);
        QCOMPARE(fileType(wanted), type);
        QCOMPARE(open.editor->undoStack()->count(), 0);
    }

    // --screenshot onto what is no regular file exits with the reason at once.
    void screenshotRefusesSpecialFiles_data() { reportsRefuseSpecialFiles_data(); }
    void screenshotRefusesSpecialFiles()
    {
        QFETCH(QString, kind);
        TestWorkspace workspace;
        const QString picture = workspace.path("window.png");
        if (!makeSpecial(picture, kind))
            QSKIP("this kind of file cannot be made here (device nodes need root)");
        const unsigned type = fileType(picture);
        QProcess editor;
        editor.start(QStringLiteral(VW_EDITOR_PROGRAM), {"--base", workspace.base(), "--screenshot", picture});
        if (!editor.waitForFinished(20000))
            editor.kill();
        editor.waitForFinished();
        QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
        QCOMPARE(editor.exitCode(), 2);
        QVERIFY(QString::fromLocal8Bit(editor.readAllStandardError()).contains(picture));
        QCOMPARE(fileType(picture), type);
    }

    // The Misc page takes no separator that would change numbers typed back,
    // and no path editor.ini could not keep on its line.
    void miscPageRefusesWhatEditorIniCannotKeep_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<bool>("usable");
        QTest::newRow("digit") << "1" << false;
        QTest::newRow("letter") << "w" << false;
        QTest::newRow("minus") << "-" << false;
        QTest::newRow("comma") << "," << true;
    }
    void miscPageRefusesWhatEditorIniCannotKeep()
    {
        QFETCH(QString, separator);
        QFETCH(bool, usable);
        TestWorkspace workspace;
        OpenEditor open(workspace);
        auto *edit40 = open.find<QLineEdit>("Edit40");
        edit40->setFocus();
        edit40->selectAll();
        QTest::keyClicks(edit40, separator);
        const QChar expected = usable ? separator.at(0) : QLatin1Char('.');
        QCOMPARE(open.editor->document().decimalSeparator(), expected);
        QCOMPARE(edit40->text(), QString(expected));
        if (!usable)
            QVERIFY(open.editor->statusBar()->currentMessage().contains("cannot be the decimal separator"));

        auto *edit17 = open.find<QLineEdit>("Edit17");
        const QString before = edit17->text();
        open.prompter.fileNames.push_back(workspace.path("two\nlines.bin"));
        open.find<QToolButton>("SpeedButton3")->click();
        QCOMPARE(edit17->text(), before);
        QVERIFY(open.prompter.errors.size() == 1 && open.prompter.errors[0].contains("line break"));
        open.paste("Edit17", "/x\n/y.bin");
        QCOMPARE(edit17->text(), before);
    }
};

VW_TEST(FileRulesWindowTest)
#include "ui_test_file_rules.moc"
