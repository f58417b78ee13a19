#include "core/operations/plane_reports.h"
#include "common/test_registry.h"
#include "core/operations/format_maintenance.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QCheckBox>
#include <QRadioButton>
#include <QStatusBar>

using namespace vwtest;
using vw::app::PlaneReport;
using vw::app::Prompter;
using vw::datafile::DataFile;

namespace {

void click(const OpenEditor &open, const char *name)
{
    open.find<QAbstractButton>(QLatin1String(name))->click();
}

QString status(const OpenEditor &open)
{
    return open.editor->statusBar()->currentMessage();
}

} // namespace

class MiscOperationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The launcher runs from its own folder with the switch; unsaved changes
    // are asked about first, Cancel starts nothing, the close after it does not ask again.
    void launchAsksAboutUnsavedChanges()
    {
        TestWorkspace workspace;
        QDir(workspace.base()).mkpath("game");
        workspace.writeFile("game/run.sh", "#!/bin/sh\necho \"$*|$(pwd)\" >> launches.txt\n");
        QFile::setPermissions(workspace.path("game/run.sh"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const auto launches = [&] { return QString(workspace.read("game/launches.txt")).split('\n', Qt::SkipEmptyParts); };
        const QString game = QFileInfo(workspace.path("game")).canonicalFilePath();
        OpenEditor open(workspace);
        open.find<QLineEdit>("Edit37")->setText(workspace.path("game/run.sh"));

        open.editor->RunVornwing1Click();
        QTRY_COMPARE(launches(), QStringList{"/offline|" + game});
        QCOMPARE(open.prompter.unsavedAsked, 0);

        open.type("Edit16", "5");
        open.find<QAction>("Launch3DVornwing1")->setChecked(false);
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Cancel, Prompter::Unsaved::Save};
        open.editor->RunVornwing1Click();
        QVERIFY(open.editor->isWindowModified());
        open.editor->RunVornwing1Click();
        QTRY_COMPARE(launches().size(), 2);
        QCOMPARE(launches()[1], "/online|" + game);
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(6)); // saved before the start

        const QByteArray saved = workspace.read("misc.bin");
        open.type("Edit16", "7");
        open.find<QAction>("CloseeditoronVNlaunch1")->setChecked(true);
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        open.editor->RunVornwing1Click();
        QCOMPARE(open.prompter.unsavedAsked, 3);
        QVERIFY(workspace.read("editor/editor.ini").startsWith("1")); // closed: its settings written
        QCOMPARE(workspace.read("misc.bin"), saved);
        QTRY_COMPARE(launches().size(), 3);
        QTest::qWait(200); // a start after Cancel would show as a fourth line
        QCOMPARE(launches().size(), 3);
    }

    // A launch that cannot start says why and where the launcher is set; the
    // editor stays open even when it would close on launch.
    void launchThatCannotStartSaysWhy_data()
    {
        QTest::addColumn<QString>("launcher");
        QTest::addColumn<QString>("why");
        QTest::newRow("not set") << "" << "no game launcher is set";
        QTest::newRow("not found") << "game/none.sh" << "does not exist";
        QTest::newRow("a folder") << "game" << "is a folder";
        QTest::newRow("not executable") << "game/run.sh" << "is not an executable program";
    }
    void launchThatCannotStartSaysWhy()
    {
        QFETCH(QString, launcher);
        QFETCH(QString, why);
        TestWorkspace workspace;
        QDir(workspace.base()).mkpath("game");
        workspace.writeFile("game/run.sh", "#!/bin/sh\n");
        QFile::setPermissions(workspace.path("game/run.sh"), QFile::ReadOwner | QFile::WriteOwner);
        OpenEditor open(workspace);
        open.find<QLineEdit>("Edit37")->setText(launcher.isEmpty() ? launcher : workspace.path(launcher));
        open.editor->RunVornwing1Click();
        QCOMPARE(open.prompter.errors.size(), 1);
        QVERIFY2(open.prompter.errors[0].contains(why) && open.prompter.errors[0].contains("Misc page"),
                 qPrintable(open.prompter.errors[0]));
        if (launcher.isEmpty())
            return; // documented: with "Close editor on VN launch" an unset launcher closes the editor
        open.find<QAction>("CloseeditoronVNlaunch1")->setChecked(true);
        open.editor->RunVornwing1Click();
        QCOMPARE(open.prompter.errors.size(), 2);
        QVERIFY(!workspace.read("editor/editor.ini").startsWith("1")); // not closed
    }

    // Button4 writes the image as it is; Button5 asks, then loads it back as a new document.
    void decipheredCopyRoundTrip()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        const QByteArray plain = open.editor->file().toBytes(false);
        click(open, "Button4");
        QCOMPARE(open.prompter.informations.last(), workspace.path("misc_.bin") + " saved");
        QCOMPARE(workspace.read("misc_.bin"), plain);

        open.type("Edit16", "5");
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Cancel, Prompter::Unsaved::Discard};
        click(open, "Button5");
        QCOMPARE(open.editor->file().PlaneCount(), 5);
        click(open, "Button5");
        QCOMPARE(open.editor->file().toBytes(false), plain);
        QCOMPARE(open.editor->planeList()->count(), 16);
        QCOMPARE(open.editor->undoStack()->count(), 0);

        // A save asked for before the next load goes into the data file, not over the plain copy.
        open.type("Edit16", "7");
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Save};
        click(open, "Button5");
        QCOMPARE(workspace.read("misc_.bin"), plain);
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(8));
    }

    // Each is one undo step that the pages show at once; a refusal is one
    // error box with nothing changed.
    void formatOperations_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("planes");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("refused");
        QTest::newRow("add header") << 1 << 8 << "Button29" << false;
        QTest::newRow("add header to a 256-plane file") << 2 << 8 << "Button29" << true;
        QTest::newRow("regenerate 127..130") << 2 << 126 << "Button10" << false;
        QTest::newRow("regenerate beyond a 128-plane directory") << 1 << 126 << "Button10" << true;
    }
    void formatOperations()
    {
        QFETCH(int, layout);
        QFETCH(int, planes);
        QFETCH(QString, button);
        QFETCH(bool, refused);
        TestWorkspace workspace({layout, planes, layout == 1 ? 273 : -1, 5});
        OpenEditor open(workspace);
        const DataFile &file = open.editor->file();
        const qint64 stride = file.WeaponsBlockStart(3) - file.WeaponsBlockStart(2);
        const qint64 start1 = file.WeaponsBlockStart(1), start126 = file.WeaponsBlockStart(126);
        const bool regenerate = button == "Button10";
        if (regenerate)
            open.type("Edit16", "130");
        const QByteArray before = file.toBytes(false);
        const int steps = open.editor->undoStack()->count();
        click(open, button.toLatin1().constData());
        QCOMPARE(open.prompter.errors.size(), refused ? 1 : 0);
        QCOMPARE(open.editor->undoStack()->count(), steps + (refused ? 0 : 1));
        if (refused) {
            QCOMPARE(file.toBytes(false), before);
            return;
        }
        QVERIFY(open.find<QRadioButton>("RadioGroup2Item2")->isChecked());
        if (regenerate) {
            QCOMPARE(open.editor->planeList()->currentRow(), 129);
            QCOMPARE(open.find<QLineEdit>("Edit35")->text(), QString::number(start126 + 4 * stride));
            QVERIFY(status(open).startsWith("Offsets regenerated for planes 127 to 130."));
        } else {
            QCOMPARE(open.find<QLineEdit>("Edit15")->text(), QString("274"));
            QCOMPARE(open.find<QLineEdit>("Edit35")->text(), QString::number(start1 + vw::datafile::AddedHeaderBytes));
            QVERIFY(status(open).startsWith("Room for 256 planes added"));
        }
        open.editor->undoStack()->undo();
        QCOMPARE(file.toBytes(false), before);
        QCOMPARE(open.find<QLineEdit>("Edit15")->text(), QString::number(file.FileVersion()));
        QVERIFY(open.find<QRadioButton>(QString("RadioGroup2Item%1").arg(layout))->isChecked());
    }

    void generatePlaneList_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("file");
        QTest::newRow("option clicked twice: none") << QStringList{"RadioButton4", "RadioButton4"}
                                                    << int(PlaneReport::PlainList) << "planes.txt";
        QTest::newRow("sound, HTML unused") << QStringList{"CheckBox5", "RadioButton1"}
                                            << int(PlaneReport::SoundDirectories) << "planes.txt";
        QTest::newRow("fuel as HTML") << QStringList{"CheckBox5", "RadioButton2"} << int(PlaneReport::TimeOfFlightHtml)
                                      << "editor/planes.txt";
        QTest::newRow("last option clicked counts") << QStringList{"RadioButton5", "RadioButton3"}
                                                    << int(PlaneReport::Weight) << "editor/planes.txt";
    }
    void generatePlaneList()
    {
        QFETCH(QStringList, clicks);
        QFETCH(int, report);
        QFETCH(QString, file);
        TestWorkspace workspace({1, 6, -1, 11});
        workspace.writeFile(file, "an older, longer report that the new one replaces whole");
        OpenEditor open(workspace);
        for (const QString &name : clicks)
            click(open, name.toLatin1().constData());
        click(open, "Button13");
        QCOMPARE(workspace.read(file), vw::app::planeReport(open.editor->file(), PlaneReport(report), '.',
                                                            open.editor->document().labels().DamagePartNames));
        QVERIFY(status(open).contains(QFileInfo(workspace.path(file)).fileName()));
        QCOMPARE(open.editor->selection().CurrentPlane, file == "planes.txt" ? 1 : 6);
        QVERIFY(open.prompter.informations.isEmpty() && open.prompter.errors.isEmpty());
    }

    void correctFuelByTime_data()
    {
        QTest::addColumn<QByteArray>("wantedTimes");
        QTest::addColumn<QString>("error");
        QTest::newRow("0 and a blank line skip") << QByteArray("0\r\n\r\n  2.5 hours\r\n4\r\n") << QString();
        QTest::newRow("bad line changes nothing") << QByteArray("2\n3\nfour\n5\n") << QString("Line 3");
        QTest::newRow("no file") << QByteArray() << QString("planes-fuel.txt");
    }
    void correctFuelByTime()
    {
        QFETCH(QByteArray, wantedTimes);
        QFETCH(QString, error);
        TestWorkspace workspace({1, 5, -1, 13});
        if (!wantedTimes.isEmpty())
            workspace.writeFile("editor/planes-fuel.txt", wantedTimes);
        OpenEditor open(workspace);
        const QByteArray before = open.editor->file().toBytes(false);
        DataFile expected = DataFile::fromBytes(before, false);
        if (error.isEmpty())
            QCOMPARE(vw::app::correctFuelByTime(expected, wantedTimes).changedPlanes, (QList<int>{2, 3}));
        click(open, "Button28");
        QCOMPARE(open.prompter.errors.size(), error.isEmpty() ? 0 : 1);
        if (!error.isEmpty())
            QVERIFY(open.prompter.errors[0].contains(error) && open.prompter.errors[0].contains("planes-fuel.txt"));
        QCOMPARE(open.editor->file().toBytes(false), expected.toBytes(false));
        QCOMPARE(open.editor->undoStack()->count(), error.isEmpty() ? 1 : 0);
        if (error.isEmpty()) {
            QCOMPARE(open.editor->selection().CurrentPlane, 5);
            QCOMPARE(status(open), QString("Correct Fuel by Time: fuel consumption changed for 2 planes."));
        }
    }
};

VW_TEST(MiscOperationsTest)
#include "ui_test_misc_operations.moc"
