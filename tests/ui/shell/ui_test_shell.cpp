#include "ui/misc/misc_page.h"
#include "ui/shell/vn_editor.h"
#include "common/test_registry.h"
#include "common/ui_support.h"
#include "core/datafile/layout.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QUndoStack>

using namespace vwtest;
using vw::app::Prompter;
using vw::app::VNEditor;

namespace {

template <class T>
T *child(QObject *window, const char *name)
{
    return named<T>(window, QLatin1String(name));
}

QStringList listItems(vw::app::PlaneListView *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void typeInto(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

QAction *action(VNEditor *window, const char *name)
{
    return child<QAction>(window, name);
}

} // namespace

class ShellTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startupShowsFileAndCreditsPage()
    {
        TestWorkspace workspace({vw::datafile::Openhall256Layout, 12, -1, 5});
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QCoreApplication::processEvents();
        QVERIFY(prompter.errors.isEmpty());
        QVERIFY(prompter.warnings.isEmpty());
        QCOMPARE(window->windowTitle(), QString("Vornwing Planes Editor Version 3.5b - misc.bin[*]"));
        auto *pages = child<QTabWidget>(window.get(), "Pages");
        QCOMPARE(pages->count(), 9);
        QCOMPARE(pages->tabText(pages->currentIndex()), QString("Credits"));
        QCOMPARE(child<QLabel>(window.get(), "CreditsTitle")->text(), QString("Vornwing plane editor Version 3.5b"));
        const QStringList planes = listItems(child<vw::app::PlaneListView>(window.get(), "ListBox1"));
        QCOMPARE(planes.size(), 12);
        QCOMPARE(planes[0], QString("001:Kestrel"));
        QCOMPARE(planes[6], QString("007:Osprey"));
        QCOMPARE(child<vw::app::PlaneListView>(window.get(), "ListBox1")->currentRow(), 0);
        QVERIFY(child<QListWidget>(window.get(), "ListBox2")->count() >= 2);
        QCOMPARE(child<QListWidget>(window.get(), "ListBox2")->item(0)->text(), QString("1:Default"));
        QCOMPARE(child<QLineEdit>(window.get(), "Edit15")->text(), QString("274"));
        QCOMPARE(child<QLineEdit>(window.get(), "Edit16")->text(), QString("12"));
        QVERIFY(child<QRadioButton>(window.get(), "RadioGroup2Item2")->isChecked());
        QCOMPARE(child<QLineEdit>(window.get(), "Edit17")->text(), workspace.path("misc.bin"));
        QCOMPARE(child<QLineEdit>(window.get(), "Edit35")->text(), QString::number(window->file().WeaponsBlockStart(1)));
        QCOMPARE(child<QPlainTextEdit>(window.get(), "HelpText")->toPlainText(), QString("Help line 1\nHelp line 2"));
        QCOMPARE(window->document().labels().AmmoNames.size(), 151);
        QCOMPARE(window->document().labels().FmLabels.size(), 171);
        QCOMPARE(window->document().labels().PlaneSummaries[1][0], QString("Plane 2 line 1"));
        QVERIFY(!window->isWindowModified());
    }

    void saveItemsFollowWriteokay()
    {
        for (bool writeOkay : {true, false}) {
            TestWorkspace workspace({}, writeOkay);
            ScriptedPrompter prompter;
            auto window = workspace.open(prompter);
            QCOMPARE(action(window.get(), "Save1")->isVisible(), writeOkay);
            QCOMPARE(action(window.get(), "Saveas1")->isVisible(), writeOkay);
            QCOMPARE(action(window.get(), "WritetoBINfile1")->isVisible(), writeOkay);
            QVERIFY(!action(window.get(), "Save1")->isEnabled()); // until a load or save as
            // The documented captions, with their mnemonics.
            QCOMPARE(action(window.get(), "Exract1")->text().remove('&'), QString("Read current config  (see misc)"));
            QCOMPARE(action(window.get(), "Launch3DVornwing1")->text().remove('&'), QString("Launch Vornwing Offline "));
        }
    }

    void startupGoesOnWithoutItsFiles()
    {
        TestWorkspace workspace;
        QFile::remove(workspace.path("editor/planes.dat"));
        QFile::remove(workspace.path("editor/FM.dat"));
        QFile::remove(workspace.path("editor/readme.txt"));
        QFile::remove(workspace.path("editor/editor.ini"));
        QFile::remove(workspace.path("misc.bin"));
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QTRY_COMPARE(prompter.errors.size(), 1);
        QVERIFY(prompter.errors[0].contains("misc.bin"));
        QCOMPARE(prompter.warnings.size(), 1); // named once, together
        for (const char *name : {"planes.dat", "FM.dat", "readme.txt"})
            QVERIFY2(prompter.warnings[0].contains(name), name);
        QCOMPARE(child<vw::app::PlaneListView>(window.get(), "ListBox1")->count(), 0);
        QVERIFY(window->document().labels().FmLabels.isEmpty());
        QCOMPARE(window->document().labels().WeaponGroupNames.size(), 21); // later steps still ran
        // The defaults of a missing settings file are written at close.
        QVERIFY(window->close());
        const QByteArray ini = workspace.read("editor/editor.ini");
        QCOMPARE(ini, QByteArray("0\n1\n") + workspace.path("misc.bin").toLatin1() + "\n\n1\n\n.\n");
    }

    void planeListClickSelectsPlane()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        window->selection().CurrentConfig = 3;
        auto *list = child<vw::app::PlaneListView>(window.get(), "ListBox1");
        list->setCurrentRow(6);
        QCOMPARE(window->selection().CurrentPlane, 7);
        QCOMPARE(window->selection().CurrentConfig, 1);
        QCOMPARE(window->selection().CurrentWeapon, 1);
        QCOMPARE(child<QLineEdit>(window.get(), "Edit35")->text(), QString::number(window->file().WeaponsBlockStart(7)));
    }

    void numberOfPlanesRebuildsListAndUndoes()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        auto *edit16 = child<QLineEdit>(window.get(), "Edit16");
        auto *list = child<vw::app::PlaneListView>(window.get(), "ListBox1");
        typeInto(edit16, "abc");
        QCOMPARE(window->file().PlaneCount(), 63);
        QCOMPARE(list->count(), 63);
        QCOMPARE(list->itemText(62), QString("063:"));
        QVERIFY(window->isWindowModified());
        QCOMPARE(window->undoStack()->count(), 1); // the keystrokes merged into one step
        window->undoStack()->undo();
        QCOMPARE(window->file().PlaneCount(), 16);
        QCOMPARE(list->count(), 16);
        QCOMPARE(edit16->text(), QString("16"));
        QVERIFY(!window->isWindowModified());
        window->undoStack()->redo();
        QCOMPARE(window->file().PlaneCount(), 63);
    }

    void showingNeverWrites()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        const QByteArray before = window->file().toBytes(false);
        const quint64 revision = window->file().revision();
        auto *list = child<vw::app::PlaneListView>(window.get(), "ListBox1");
        for (int row = 0; row < list->count(); ++row) {
            list->setCurrentRow(row);
            auto *configs = child<QListWidget>(window.get(), "ListBox2");
            for (int c = 0; c < configs->count(); ++c)
                configs->setCurrentRow(c);
        }
        child<QLineEdit>(window.get(), "Edit40")->setText(",");
        QCOMPARE(window->file().revision(), revision);
        QCOMPARE(window->file().toBytes(false), before);
        QVERIFY(!window->isWindowModified());
    }

    void loadConfigurationFlow()
    {
        TestWorkspace workspace;
        workspace.writeFile("other.bin", vw::datafile::buildSampleFile({vw::datafile::OriginalLayout, 5, -1, 9}));
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        prompter.fileNames = {workspace.path("other.bin")};
        window->Loadconfig1Click();
        QCOMPARE(prompter.informations.value(0), workspace.path("other.bin") + " loaded");
        QCOMPARE(window->configPath(), workspace.path("other.bin"));
        QCOMPARE(window->file().FileLayout(), int(vw::datafile::OriginalLayout));
        QCOMPARE(child<vw::app::PlaneListView>(window.get(), "ListBox1")->count(), 5);
        QVERIFY(action(window.get(), "Save1")->isEnabled());

        // A file that cannot be loaded leaves the data and the save target as they were.
        prompter.fileNames = {workspace.path("missing.bin")};
        window->Loadconfig1Click();
        QCOMPARE(prompter.errors.size(), 1);
        QVERIFY(prompter.errors[0].contains("missing.bin"));
        QCOMPARE(window->configPath(), workspace.path("other.bin"));
        QCOMPARE(window->file().PlaneCount(), 5);

        // A cancelled dialog changes nothing.
        window->Loadconfig1Click();
        QCOMPARE(window->file().PlaneCount(), 5);
    }

    void saveRoundTripsAndKeepsBackup()
    {
        TestWorkspace workspace({vw::datafile::Openhall128Layout, 6, 273, 4});
        const QByteArray original = workspace.read("misc.bin");
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QCOMPARE(window->file().FileVersion(), 273);

        prompter.questionAnswers = {false};
        window->WritetoBINfile1Click();
        QCOMPARE(prompter.questions.value(0), QString("Выход|Сохранить изменения ?"));
        QVERIFY(!QFile::exists(workspace.path("misc.bin.bak")));

        window->WritetoBINfile1Click(); // Yes
        QCOMPARE(prompter.informations.last(), workspace.path("misc.bin") + " saved");
        QCOMPARE(workspace.read("misc.bin"), original); // an unchanged file saves byte for byte
        QCOMPARE(workspace.read("misc.bin.bak"), original);

        typeInto(child<QLineEdit>(window.get(), "Edit16"), "5");
        QVERIFY(window->isWindowModified());
        window->WritetoBINfile1Click();
        QVERIFY(!window->isWindowModified());
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(6));
        QCOMPARE(workspace.read("misc.bin.bak"), original); // kept from the first overwrite only

        prompter.fileNames = {workspace.path("copy.bin")};
        window->Saveas1Click();
        QCOMPARE(window->configPath(), workspace.path("copy.bin"));
        QVERIFY(action(window.get(), "Save1")->isEnabled());
        QCOMPARE(workspace.read("copy.bin"), workspace.read("misc.bin"));
    }

    void saveRefusesValuesTheHeaderCannotHold_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("version above 65535") << "Edit15" << "70000";
        QTest::newRow("negative version") << "Edit15" << "-1";
        QTest::newRow("too many planes") << "Edit16" << "255";
    }
    void saveRefusesValuesTheHeaderCannotHold()
    {
        QFETCH(QString, field);
        QFETCH(QString, text);
        TestWorkspace workspace;
        const QByteArray original = workspace.read("misc.bin");
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        typeInto(child<QLineEdit>(window.get(), field.toLatin1().constData()), text);
        window->WritetoBINfile1Click();
        QCOMPARE(prompter.errors.size(), 1);
        QVERIFY(prompter.errors[0].contains("Nothing was saved"));
        QVERIFY(prompter.informations.isEmpty());
        QCOMPARE(workspace.read("misc.bin"), original);
        QVERIFY(window->isWindowModified());
    }

    void reloadAsksAboutUnsavedChanges()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        typeInto(child<QLineEdit>(window.get(), "Edit16"), "3");
        prompter.unsavedAnswers = {Prompter::Unsaved::Cancel};
        window->Exract1Click();
        QCOMPARE(prompter.unsavedAsked, 1);
        QCOMPARE(window->file().PlaneCount(), 3);
        prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        window->Exract1Click();
        QCOMPARE(window->file().PlaneCount(), 16);
        QCOMPARE(prompter.informations.last(), workspace.path("misc.bin") + " reloaded !");
        QVERIFY(!window->isWindowModified());
        QCOMPARE(window->undoStack()->count(), 0); // a load starts a new history
    }

    void closeAsksSaveDiscardCancel()
    {
        TestWorkspace workspace;
        const QByteArray original = workspace.read("misc.bin");
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        typeInto(child<QLineEdit>(window.get(), "Edit16"), "4");
        prompter.unsavedAnswers = {Prompter::Unsaved::Cancel};
        QVERIFY(!window->close());
        QVERIFY(prompter.lastUnsavedCouldSave);
        prompter.unsavedAnswers = {Prompter::Unsaved::Save};
        QVERIFY(window->close());
        QCOMPARE(quint8(workspace.read("misc.bin").at(4)), quint8(5));
        QVERIFY(workspace.read("misc.bin") != original);
    }

    void closeWithoutSaveItemsOffersDiscardOnly()
    {
        TestWorkspace workspace({}, false);
        workspace.writeSettings(false, ",");
        const QByteArray original = workspace.read("misc.bin");
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QCOMPARE(window->document().decimalSeparator(), QChar(','));
        typeInto(child<QLineEdit>(window.get(), "Edit16"), "4");
        prompter.unsavedAnswers = {Prompter::Unsaved::Discard};
        QVERIFY(window->close());
        QVERIFY(!prompter.lastUnsavedCouldSave);
        QCOMPARE(workspace.read("misc.bin"), original);
        // The comma survives a restart, and line 6 stays empty.
        const QList<QByteArray> lines = workspace.read("editor/editor.ini").split('\n');
        QCOMPARE(lines.value(5), QByteArray());
        QCOMPARE(lines.value(6), QByteArray(","));
        ScriptedPrompter again;
        auto restarted = workspace.open(again);
        QCOMPARE(restarted->document().decimalSeparator(), QChar(','));
    }

    void separatorFieldNeverStaysEmpty()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        auto *edit40 = child<QLineEdit>(window.get(), "Edit40");
        typeInto(edit40, ",");
        QCOMPARE(window->document().decimalSeparator(), QChar(','));
        typeInto(edit40, "");
        QCOMPARE(edit40->text(), QString("."));
        QCOMPARE(window->document().decimalSeparator(), QChar('.'));
    }

    // Typing in one field of two planes makes two steps, and an undo keeps the
    // copy groups' chosen planes.
    void undoStepsFollowThePlane()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        auto *source = child<QComboBox>(window.get(), "ComboBox15");
        source->setCurrentIndex(3);
        auto *list = child<vw::app::PlaneListView>(window.get(), "ListBox1");
        auto *parameter = child<QLineEdit>(window.get(), "Edit23");
        typeInto(parameter, "1.25");
        list->setCurrentRow(1);
        typeInto(parameter, "2.5");
        QCOMPARE(window->undoStack()->count(), 2);
        window->undoStack()->undo();
        QCOMPARE(source->currentIndex(), 3);
        QCOMPARE(window->undoStack()->count(), 2);
        QCOMPARE(window->undoStack()->index(), 1);
    }

    // A load puts plane 1 first and leaves the configuration alone; a click on
    // the selected plane selects its first configuration again.
    void selectionAcrossLoadAndRepeatedClicks()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        auto *list = child<vw::app::PlaneListView>(window.get(), "ListBox1");
        auto *configs = child<QListWidget>(window.get(), "ListBox2");
        list->setCurrentRow(2);
        configs->setCurrentRow(1);
        window->Exract1Click();
        QCOMPARE(window->selection().CurrentPlane, 1);
        QCOMPARE(window->selection().CurrentConfig, 2);
        QCOMPARE(configs->currentRow(), 1);
        const QRect firstRow = list->visualRect(list->model()->index(0, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, firstRow.center());
        QCOMPARE(window->selection().CurrentConfig, 1);
        QCOMPARE(configs->currentRow(), 0);
    }

    void layoutChoiceIsAnUndoableEdit()
    {
        TestWorkspace workspace;
        ScriptedPrompter prompter;
        auto window = workspace.open(prompter);
        QVERIFY(child<QRadioButton>(window.get(), "RadioGroup2Item1")->isChecked());
        child<QRadioButton>(window.get(), "RadioGroup2Item0")->click();
        QCOMPARE(window->file().FileLayout(), 0);
        QVERIFY(window->isWindowModified());
        window->undoStack()->undo();
        QCOMPARE(window->file().FileLayout(), 1);
        QVERIFY(child<QRadioButton>(window.get(), "RadioGroup2Item1")->isChecked());
    }
};

VW_TEST(ShellTest)
#include "ui_test_shell.moc"
