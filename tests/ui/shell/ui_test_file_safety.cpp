// Another program's change to the open file, and unsaved changes that
// outlast a killed editor.

#include "core/planedata/plane_import.h"
#include "core/workspace/recovery_journal.h"
#include "common/test_registry.h"
#include "common/ui_support.h"
#include "core/datafile/file_access.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>

using vw::app::MergeKey;
using vw::app::Prompter;
using vw::app::RecoveryJournal;
using vw::datafile::DataFile;

namespace {

QByteArray otherVersion()
{
    vw::datafile::SampleOptions options;
    options.seed = 7;
    return vw::datafile::buildSampleFile(options);
}

void editByte(vw::app::VNEditor &editor, std::int64_t offset, std::uint8_t value, const MergeKey &key = MergeKey::none())
{
    QVERIFY(editor.document().edit(QStringLiteral("edit"), key, [&] { editor.file().writeU8(offset, value); }));
}

} // namespace

class FileSafetyTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void saveAfterOutsideChange_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("cancel") << int(Prompter::OutsideChange::Cancel);
        QTest::newRow("overwrite") << int(Prompter::OutsideChange::Overwrite);
        QTest::newRow("save as") << int(Prompter::OutsideChange::SaveAs);
    }
    // The save asks, naming the file; the other program's version survives
    // every answer: untouched, as misc.bin.bak, or beside the new name.
    void saveAfterOutsideChange()
    {
        QFETCH(int, answer);
        const vwtest::TestWorkspace workspace;
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        editByte(*editor, editor->file().recordOffset(1) + 8, 0x5a);
        const QByteArray ours = editor->file().toBytes(true);
        const QByteArray theirs = otherVersion();
        workspace.writeFile(QStringLiteral("misc.bin"), theirs);
        prompter.outsideAnswers.push_back(Prompter::OutsideChange(answer));
        prompter.fileNames.push_back(workspace.path(QStringLiteral("mine.bin")));
        editor->WritetoBINfile1Click();
        QCOMPARE(prompter.outsideTexts.size(), 1);
        QVERIFY(prompter.outsideTexts.first().contains(QDir::toNativeSeparators(workspace.path(QStringLiteral("misc.bin")))));
        switch (Prompter::OutsideChange(answer)) {
        case Prompter::OutsideChange::Cancel:
            QCOMPARE(workspace.read(QStringLiteral("misc.bin")), theirs);
            QVERIFY(editor->hasUnsavedChanges());
            break;
        case Prompter::OutsideChange::Overwrite:
            QCOMPARE(workspace.read(QStringLiteral("misc.bin")), ours);
            QCOMPARE(workspace.read(QStringLiteral("misc.bin.bak")), theirs);
            break;
        case Prompter::OutsideChange::SaveAs:
            QCOMPARE(workspace.read(QStringLiteral("misc.bin")), theirs);
            QCOMPARE(workspace.read(QStringLiteral("mine.bin")), ours);
            QCOMPARE(editor->document().currentPath(), workspace.path(QStringLiteral("mine.bin")));
            break;
        }
        // A second outside change after a save is caught as the first was.
        if (Prompter::OutsideChange(answer) == Prompter::OutsideChange::Overwrite) {
            editByte(*editor, editor->file().recordOffset(1) + 9, 0x5b);
            workspace.writeFile(QStringLiteral("misc.bin"), theirs);
            editor->WritetoBINfile1Click();
            QCOMPARE(prompter.outsideTexts.size(), 2);
            QCOMPARE(workspace.read(QStringLiteral("misc.bin")), theirs);
        }
    }

    void reloadOffer_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<bool>("reload");
        QTest::addColumn<bool>("renamed"); // replaced as a save replaces it, not written over
        QTest::newRow("clean, reloaded") << false << true << false;
        QTest::newRow("unsaved, kept") << true << false << false;
        QTest::newRow("unsaved, reloaded") << true << true << false;
        QTest::newRow("replaced, reloaded") << false << true << true;
    }
    // A change on disk while the file is open is offered for loading, saying
    // whether unsaved changes would be lost; our own save offers nothing.
    void reloadOffer()
    {
        QFETCH(bool, unsaved);
        QFETCH(bool, reload);
        QFETCH(bool, renamed);
        const vwtest::TestWorkspace workspace;
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        editByte(*editor, editor->file().recordOffset(1) + 8, 0x5a);
        editor->WritetoBINfile1Click();
        QTest::qWait(700);
        QCOMPARE(prompter.reloadTexts.size(), 0);
        if (unsaved)
            editByte(*editor, editor->file().recordOffset(1) + 8, 0x5c);
        const QByteArray before = editor->file().toBytes(true);
        prompter.reloadAnswers.push_back(reload);
        if (renamed)
            vw::datafile::writeFileAtomically(workspace.path(QStringLiteral("misc.bin")), otherVersion());
        else
            workspace.writeFile(QStringLiteral("misc.bin"), otherVersion());
        QTRY_COMPARE_WITH_TIMEOUT(prompter.reloadTexts.size(), 1, 10000);
        QCOMPARE(prompter.reloadTexts.first().contains(QStringLiteral("would be lost")), unsaved);
        QVERIFY(prompter.reloadTexts.first().contains(QDir::toNativeSeparators(workspace.path(QStringLiteral("misc.bin")))));
        QCOMPARE(editor->file().toBytes(true), reload ? otherVersion() : before);
        QCOMPARE(editor->hasUnsavedChanges(), unsaved && !reload);
    }

    void recoveryReplaysHistory_data()
    {
        QTest::addColumn<QString>("script");
        // a, b, c: new steps; m: typed into the field of the step before
        // (merged); u: undo; r: redo; s: save.
        QTest::newRow("steps and a merge") << QStringLiteral("abmc");
        QTest::newRow("undo, then a new step") << QStringLiteral("abuucuur");
        QTest::newRow("redo below the top") << QStringLiteral("abuurc");
        QTest::newRow("undo past a save") << QStringLiteral("absuuc");
        QTest::newRow("undo below a save, then new") << QStringLiteral("asbuuc");
    }
    // The recording left by an editor that stopped rebuilds its last state
    // exactly, as one undo step onto the file as on disk.
    void recoveryReplaysHistory()
    {
        QFETCH(QString, script);
        const vwtest::TestWorkspace workspace;
        vwtest::ScriptedPrompter prompter;
        QByteArray expected, saved = workspace.read(QStringLiteral("misc.bin"));
        {
            auto editor = workspace.open(prompter);
            const std::int64_t at = editor->file().recordOffset(2);
            int steps = 0; // each new step writes a byte of its own
            const auto key = [](int step) { return MergeKey::forFile(QStringLiteral("field %1").arg(step)); };
            for (const QChar c : script) {
                if (c == QLatin1Char('u'))
                    editor->undoStack()->undo();
                else if (c == QLatin1Char('r'))
                    editor->undoStack()->redo();
                else if (c == QLatin1Char('s')) {
                    editor->WritetoBINfile1Click();
                    saved = workspace.read(QStringLiteral("misc.bin"));
                } else if (c == QLatin1Char('m')) {
                    editByte(*editor, at + 2 * steps + 1, std::uint8_t(0x80 + steps), key(steps));
                } else {
                    ++steps;
                    editByte(*editor, at + 2 * steps, std::uint8_t(0x40 + steps), key(steps));
                }
            }
            expected = editor->file().toBytes(true);
            // As a killed editor leaves it: the file stays, without a living owner.
            const QString journal = editor->recoveryJournal().filePath();
            QVERIFY(!journal.isEmpty());
            QVERIFY(QFile::copy(journal, QString(journal).replace(QRegularExpression(QStringLiteral("-\\d+\\.recovery$")),
                                                                   QStringLiteral("-1.recovery"))));
        }
        auto editor = workspace.open(prompter);
        QTRY_COMPARE(prompter.restoreTexts.size(), 1);
        QCOMPARE(editor->file().toBytes(true), expected);
        QCOMPARE(editor->undoStack()->count(), 1);
        editor->undoStack()->undo();
        QCOMPARE(editor->file().toBytes(true), saved);
        QVERIFY(QDir(workspace.path(QStringLiteral("recovery"))).entryList({QStringLiteral("*-1.recovery")}, QDir::Files).isEmpty());
    }

    void damagedRecovery_data()
    {
        QTest::addColumn<int>("cut");
        QTest::addColumn<bool>("restored");
        QTest::newRow("last entry cut short by a kill") << 3 << true;
        QTest::newRow("not a recording") << -1 << false;
    }
    // A last entry cut short is left out; anything else that is no recording
    // is refused with a sentence, never replayed.
    void damagedRecovery()
    {
        QFETCH(int, cut);
        QFETCH(bool, restored);
        const vwtest::TestWorkspace workspace;
        vwtest::ScriptedPrompter prompter;
        QByteArray firstStep;
        {
            auto editor = workspace.open(prompter);
            editByte(*editor, editor->file().recordOffset(1) + 8, 0x11);
            firstStep = editor->file().toBytes(true);
            editByte(*editor, editor->file().recordOffset(1) + 9, 0x22);
            QFile journal(editor->recoveryJournal().filePath());
            QVERIFY(journal.open(QIODevice::ReadOnly));
            const QByteArray bytes = journal.readAll();
            QFile left(workspace.path(QStringLiteral("recovery/") + QFileInfo(journal).fileName().replace(
                QRegularExpression(QStringLiteral("-\\d+\\.recovery$")), QStringLiteral("-1.recovery"))));
            QVERIFY(left.open(QIODevice::WriteOnly));
            left.write(cut >= 0 ? bytes.chopped(cut) : QByteArray(64, 'x'));
        }
        auto editor = workspace.open(prompter);
        QTRY_VERIFY(!prompter.restoreTexts.isEmpty() || !prompter.warnings.isEmpty());
        QCOMPARE(prompter.restoreTexts.size(), restored ? 1 : 0);
        QCOMPARE(editor->file().toBytes(true), restored ? firstStep : workspace.read(QStringLiteral("misc.bin")));
        if (!restored)
            QVERIFY(prompter.warnings.join(QString()).contains(QStringLiteral("cannot be restored")));
    }

    void killedEditor_data()
    {
        QTest::addColumn<bool>("changedOnDisk");
        QTest::newRow("restored") << false;
        QTest::newRow("file changed on disk") << true;
    }
    // A real editor started in another folder than its base, on a relative
    // FILE, is killed after two imports; the next start restores them
    // exactly, or refuses when the file is no longer the one they were made to.
    void killedEditor()
    {
        QFETCH(bool, changedOnDisk);
        const vwtest::TestWorkspace workspace;
        const QString start = workspace.path(QStringLiteral("elsewhere"));
        QDir().mkpath(start);
        workspace.writeFile(QStringLiteral("elsewhere/misc.bin"), otherVersion());
        const QByteArray patches[] = {R"({"planes": [{"plane": 2, "header": {"name": "Kite"}}]})",
                                      R"({"planes": [{"plane": 3, "header": {"name": "Wren"}}]})"};
        workspace.writeFile(QStringLiteral("elsewhere/one.json"), patches[0]);
        workspace.writeFile(QStringLiteral("elsewhere/two.json"), patches[1]);
        const QString recovery = workspace.path(QStringLiteral("data/vornwing-editor/recovery"));

        QProcess child;
        child.setWorkingDirectory(start);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), workspace.path(QStringLiteral("data")));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(VW_EDITOR_PROGRAM),
                    {QStringLiteral("--base"), workspace.base(), QStringLiteral("--import"), QStringLiteral("one.json"),
                     QStringLiteral("--import"), QStringLiteral("two.json"), QStringLiteral("misc.bin")});
        QVERIFY(child.waitForStarted());
        const auto recorded = [&] {
            const QStringList files = QDir(recovery).entryList({QStringLiteral("*.recovery")}, QDir::Files);
            try {
                return files.size() == 1 && RecoveryJournal::read(recovery + QLatin1Char('/') + files.first()).ops.size() == 2;
            } catch (const std::exception &) {
                return false;
            }
        };
        QTRY_VERIFY_WITH_TIMEOUT(recorded(), 30000);
        child.kill();
        QVERIFY(child.waitForFinished());
        const QString opened = workspace.path(QStringLiteral("elsewhere/misc.bin"));
        const QString file = recovery + QLatin1Char('/') + QDir(recovery).entryList({QStringLiteral("*.recovery")}).first();
        QCOMPARE(RecoveryJournal::read(file).path, opened);

        DataFile direct = DataFile::fromBytes(otherVersion(), true);
        for (const QByteArray &patch : patches)
            vw::app::importPatch(direct, vw::app::parsePatch(patch));
        if (changedOnDisk)
            workspace.writeFile(QStringLiteral("elsewhere/misc.bin"), vw::datafile::buildSampleFile({}));

        vwtest::ScriptedPrompter prompter;
        vw::app::StartupOptions options;
        options.programDirectory = workspace.base();
        options.prompter = &prompter;
        options.recoveryFolder = recovery;
        vw::app::VNEditor editor(options);
        QCoreApplication::processEvents();
        // Started on its base's file, the editor says which file has changes to restore.
        QVERIFY(editor.statusBar()->currentMessage().contains(QDir::toNativeSeparators(opened)));
        QVERIFY(editor.openFromCommandLine(opened));
        if (changedOnDisk) {
            QVERIFY(prompter.restoreTexts.isEmpty());
            QVERIFY(prompter.warnings.join(QString()).contains(QStringLiteral("no longer the one they were made to")));
            QCOMPARE(editor.file().toBytes(true), vw::datafile::buildSampleFile({}));
            QVERIFY(!QFile::exists(file));
        } else {
            QCOMPARE(prompter.restoreTexts.size(), 1);
            QCOMPARE(editor.file().toBytes(true), direct.toBytes(true));
            QVERIFY(editor.hasUnsavedChanges());
        }
    }

    // A second FILE is a usage error of one line, not silently dropped.
    void secondFileRefused()
    {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QStringLiteral(VW_EDITOR_PROGRAM), {QStringLiteral("a.bin"), QStringLiteral("b.bin")});
        QVERIFY(child.waitForFinished(30000));
        QCOMPARE(child.exitCode(), 2);
        const QList<QByteArray> lines = child.readAllStandardError().trimmed().split('\n');
        QCOMPARE(std::count_if(lines.begin(), lines.end(), [](const QByteArray &line) { return line.startsWith("vornwing-editor:"); }), 1);
    }
};

VW_TEST(FileSafetyTest)

#include "ui_test_file_safety.moc"
