#include "app/plane_reports.h"
#include "datafile/format_maintenance.h"
#include "common/test_registry.h"
#include "flightmodel/plane_record.h"
#include "ui/ui_weapons_support.h"

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>

using namespace vwtest;
using vw::app::PlaneReport;
using vw::app::Prompter;
using vw::datafile::DataFile;
using vw::flightmodel::PlaneRecordView;

namespace {

void click(const OpenEditor &open, const QString &name)
{
    open.find<QAbstractButton>(name)->click();
}

QString status(const OpenEditor &open)
{
    return open.editor->statusBar()->currentMessage();
}

// A stub launcher that notes each start: its arguments and working directory.
QString stubLauncher(const TestWorkspace &workspace)
{
    QDir(workspace.base()).mkpath(QStringLiteral("game"));
    const QString path = workspace.path(QStringLiteral("game/run.sh"));
    workspace.writeFile(QStringLiteral("game/run.sh"), "#!/bin/sh\necho \"$*|$(pwd)\" >> launches.txt\n");
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

QStringList launches(const TestWorkspace &workspace)
{
    return QString::fromLocal8Bit(workspace.read(QStringLiteral("game/launches.txt"))).split('\n', Qt::SkipEmptyParts);
}

} // namespace

class MiscOperationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // "Launch Vornwing" starts the launcher from its folder; with unsaved
    // changes it asks first, Cancel starts nothing, and closing after the
    // launch does not ask again.
    void launchAsksAboutUnsavedChanges()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        open.find<QLineEdit>("Edit37")->setText(stubLauncher(workspace));
        const QString game = QFileInfo(workspace.path("game")).canonicalFilePath();

        open.editor->RunVornwing1Click(); // nothing unsaved: no question
        QTRY_COMPARE(launches(workspace).size(), 1);
        QCOMPARE(launches(workspace)[0], "/offline|" + game);
        QCOMPARE(open.prompter.unsavedAsked, 0);

        open.type("Edit16", "5");
        open.find<QAction>("Launch3DVornwing1")->setChecked(false);
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Cancel};
        open.editor->RunVornwing1Click();
        QCOMPARE(open.prompter.unsavedAsked, 1);
        QVERIFY(open.editor->isWindowModified());
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Save};
        open.editor->RunVornwing1Click();
        QTRY_COMPARE(launches(workspace).size(), 2);
        QCOMPARE(launches(workspace)[1], "/online|" + game);
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(6)); // saved before the start
        const QByteArray saved = workspace.read("misc.bin");

        open.type("Edit16", "7");
        open.find<QAction>("CloseeditoronVNlaunch1")->setChecked(true);
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        open.editor->RunVornwing1Click();
        QCOMPARE(open.prompter.unsavedAsked, 3); // once for the launch, not again for the close
        QVERIFY(workspace.read("editor/editor.ini").startsWith("1")); // closed: the settings were written
        QCOMPARE(workspace.read("misc.bin"), saved);
        QTRY_COMPARE(launches(workspace).size(), 3);
        QTest::qWait(200); // a start after Cancel would show as a fourth line
        QCOMPARE(launches(workspace).size(), 3);
    }

    // Button4 writes the image as it is to misc_.bin; Button5 loads it back
    // as a new document after the unsaved-changes question.
    void decipheredCopyRoundTrip()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        const QByteArray plain = open.editor->file().toBytes(false);
        click(open, "Button4");
        QCOMPARE(open.prompter.informations.last(), workspace.path("misc_.bin") + " saved");
        QCOMPARE(workspace.read("misc_.bin"), plain);
        QVERIFY(!open.editor->isWindowModified());
        QCOMPARE(open.editor->file().toBytes(false), plain);

        open.type("Edit16", "5");
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Cancel};
        click(open, "Button5");
        QCOMPARE(open.editor->file().PlaneCount(), 5);
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        click(open, "Button5");
        QCOMPARE(open.editor->file().toBytes(false), plain);
        QCOMPARE(open.editor->planeList()->count(), 16);
        QCOMPARE(open.editor->undoStack()->count(), 0);
        QVERIFY(!open.editor->isWindowModified());

        // Saving before the next load goes into the data file, enciphered;
        // the plain copy is left as it is.
        open.type("Edit16", "7");
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Save};
        click(open, "Button5");
        QCOMPARE(workspace.read("misc_.bin"), plain);
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(8));
        QCOMPARE(open.editor->file().PlaneCount(), 16);

        QFile::remove(workspace.path("misc_.bin"));
        open.type("Edit16", "9");
        open.prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        click(open, "Button5");
        QCOMPARE(open.prompter.errors.size(), 1);
        QVERIFY(open.prompter.errors[0].contains("misc_.bin"));
        QCOMPARE(open.editor->file().PlaneCount(), 9);
    }

    // One undo step; the Misc page shows the new version and layout at once;
    // a second conversion is refused with nothing changed.
    void addHeaderFor128PlanesRefreshesPages()
    {
        TestWorkspace workspace({vw::datafile::Openhall128Layout, 8, 273, 3});
        OpenEditor open(workspace);
        const qint64 size = open.editor->file().FileSize();
        const qint64 start = open.editor->file().WeaponsBlockStart(1);
        click(open, "Button29");
        QCOMPARE(open.editor->undoStack()->count(), 1);
        QCOMPARE(open.editor->file().FileSize(), size + vw::datafile::AddedHeaderBytes);
        QCOMPARE(open.find<QLineEdit>("Edit15")->text(), QString("274"));
        QVERIFY(open.find<QRadioButton>("RadioGroup2Item2")->isChecked());
        QCOMPARE(open.find<QLineEdit>("Edit35")->text(), QString::number(start + vw::datafile::AddedHeaderBytes));
        QVERIFY(status(open).startsWith("Room for 256 planes added"));

        click(open, "Button29");
        QCOMPARE(open.prompter.errors.size(), 1);
        QCOMPARE(open.editor->undoStack()->count(), 1);
        QCOMPARE(open.editor->file().FileSize(), size + vw::datafile::AddedHeaderBytes);

        open.editor->undoStack()->undo();
        QCOMPARE(open.editor->file().FileSize(), size);
        QCOMPARE(open.find<QLineEdit>("Edit15")->text(), QString("273"));
        QVERIFY(open.find<QRadioButton>("RadioGroup2Item1")->isChecked());
        QCOMPARE(open.find<QLineEdit>("Edit35")->text(), QString::number(start));
        QCOMPARE(open.editor->file().toBytes(true), workspace.read("misc.bin"));
    }

    void regenerateOffsetsAfterRaisingPlaneCount_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<bool>("placed");
        QTest::newRow("256-plane file") << int(vw::datafile::Openhall256Layout) << true;
        QTest::newRow("128-plane file: no directory entries") << int(vw::datafile::Openhall128Layout) << false;
    }
    void regenerateOffsetsAfterRaisingPlaneCount()
    {
        QFETCH(int, layout);
        QFETCH(bool, placed);
        TestWorkspace workspace({layout, 126, -1, 5});
        OpenEditor open(workspace);
        const DataFile &file = open.editor->file();
        const qint64 stride = file.WeaponsBlockStart(3) - file.WeaponsBlockStart(2);
        const qint64 last = file.WeaponsBlockStart(126);
        open.type("Edit16", "130");
        const QByteArray raised = file.toBytes(false);
        click(open, "Button10");
        if (!placed) {
            QCOMPARE(open.prompter.errors.size(), 1);
            QCOMPARE(open.editor->undoStack()->count(), 1); // the typed count only
            QCOMPARE(file.toBytes(false), raised);
            return;
        }
        QVERIFY(open.prompter.errors.isEmpty());
        QCOMPARE(open.editor->undoStack()->count(), 2);
        QCOMPARE(file.WeaponsBlockStart(130), last + 4 * stride);
        QCOMPARE(open.editor->selection().CurrentPlane, 130);
        QCOMPARE(open.editor->planeList()->currentRow(), 129);
        QCOMPARE(open.find<QLineEdit>("Edit35")->text(), QString::number(last + 4 * stride));
        QCOMPARE(open.editor->planeList()->itemText(127), QString("128:"));
        QVERIFY(open.find<QRadioButton>("RadioGroup2Item2")->isChecked());
        QVERIFY(status(open).startsWith("Offsets regenerated for planes 127 to 130."));
        open.editor->undoStack()->undo();
        QCOMPARE(file.toBytes(false), raised);
    }

    void generatePlaneListWritesChosenReport_data()
    {
        QTest::addColumn<QStringList>("clicks");
        QTest::addColumn<bool>("html");
        QTest::addColumn<int>("report");
        QTest::addColumn<QString>("file");
        QTest::newRow("no option") << QStringList{} << false << int(PlaneReport::PlainList) << "planes.txt";
        QTest::newRow("option cleared again") << QStringList{"RadioButton4", "RadioButton4"} << false
                                              << int(PlaneReport::PlainList) << "planes.txt";
        QTest::newRow("sound directories") << QStringList{"RadioButton1"} << true << int(PlaneReport::SoundDirectories)
                                           << "planes.txt";
        QTest::newRow("fuel as HTML") << QStringList{"RadioButton2"} << true << int(PlaneReport::TimeOfFlightHtml)
                                      << "editor/planes.txt";
        QTest::newRow("last option clicked counts") << QStringList{"RadioButton5", "RadioButton3"} << false
                                                    << int(PlaneReport::Weight) << "editor/planes.txt";
    }
    void generatePlaneListWritesChosenReport()
    {
        QFETCH(QStringList, clicks);
        QFETCH(bool, html);
        QFETCH(int, report);
        QFETCH(QString, file);
        TestWorkspace workspace({vw::datafile::Openhall128Layout, 6, -1, 11});
        workspace.writeFile(file, "an older, longer report that the new one replaces whole");
        OpenEditor open(workspace);
        for (const QString &name : clicks)
            click(open, name);
        open.find<QCheckBox>("CheckBox5")->setChecked(html);
        click(open, "Button13");
        QVERIFY(open.prompter.errors.isEmpty());
        QVERIFY(open.prompter.informations.isEmpty());
        const PlaneReport expected = PlaneReport(report);
        QCOMPARE(workspace.read(file), vw::app::planeReport(open.editor->file(), expected, QLatin1Char('.'),
                                                            open.editor->document().labels().DamagePartNames));
        QVERIFY(status(open).contains(QFileInfo(workspace.path(file)).fileName()));
        const bool walksPlanes = expected != PlaneReport::PlainList && expected != PlaneReport::SoundDirectories;
        QCOMPARE(open.editor->selection().CurrentPlane, walksPlanes ? 6 : 1);
        QCOMPARE(open.editor->undoStack()->count(), 0);
    }

    void correctFuelByTime_data()
    {
        QTest::addColumn<QByteArray>("wantedTimes");
        QTest::addColumn<QString>("error");
        QTest::newRow("times for some planes") << QByteArray("0\r\n\r\n  2.5 hours\r\n4\r\n") << QString();
        QTest::newRow("bad line stops before any plane") << QByteArray("2\n3\nfour\n5\n") << QString("Line 3");
        QTest::newRow("no file") << QByteArray() << QString("planes-fuel.txt");
    }
    void correctFuelByTime()
    {
        QFETCH(QByteArray, wantedTimes);
        QFETCH(QString, error);
        TestWorkspace workspace({vw::datafile::Openhall128Layout, 5, -1, 13});
        if (!wantedTimes.isEmpty())
            workspace.writeFile("editor/planes-fuel.txt", wantedTimes);
        OpenEditor open(workspace);
        const QByteArray before = open.editor->file().toBytes(false);
        click(open, "Button28");
        if (!error.isEmpty()) {
            QCOMPARE(open.prompter.errors.size(), 1);
            QVERIFY2(open.prompter.errors[0].contains(error), qPrintable(open.prompter.errors[0]));
            QVERIFY(open.prompter.errors[0].contains("planes-fuel.txt"));
            QCOMPARE(open.editor->file().toBytes(false), before);
            QCOMPARE(open.editor->undoStack()->count(), 0);
            return;
        }
        DataFile expected = DataFile::fromBytes(before, false);
        const auto result = vw::app::correctFuelByTime(expected, wantedTimes);
        QCOMPARE(result.changedPlanes, (QList<int>{2, 3}));
        QCOMPARE(open.editor->file().toBytes(false), expected.toBytes(false));
        QCOMPARE(open.editor->undoStack()->count(), 1);
        QCOMPARE(open.editor->selection().CurrentPlane, 5);
        QCOMPARE(status(open), QString("Correct Fuel by Time: fuel consumption changed for 2 planes."));
        open.editor->undoStack()->undo();
        QCOMPARE(open.editor->file().toBytes(false), before);
    }
};

VW_TEST(MiscOperationsTest)
#include "ui_test_misc_operations.moc"
