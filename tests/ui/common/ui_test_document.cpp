#include "common/file_nodes.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "ui/common/field_binding.h"
#include "ui/common/file_change_command.h"
#include "ui/common/plane_list_model.h"
#include "core/datafile/directory_entry.h"
#include "ui/flightmodel/header_page.h"

#include <QAction>
#include <QLineEdit>
#include <QStatusBar>
#include <QUndoStack>

using vw::app::EditorDocument;
using vw::app::MergeKey;
using vw::datafile::DataFile;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

DataFile sampleFile(int layout, int planes)
{
    return DataFile::fromBytes(vw::datafile::buildSampleFile(vwtest::sampleOptions(layout, planes)), true);
}

// A view whose refresh fails, as a page meeting a bad file would.
struct FailingView : vw::app::PlaneView {
    void showPlane() override { throw vw::datafile::FormatError(QStringLiteral("this view cannot show plane 1")); }
};

} // namespace

class DocumentTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A page is built over a document alone: it shows the plane, stores what
    // the user types as one undo step, and undo puts the bytes back.
    void pageWorksOverADocumentWithoutAWindow()
    {
        vwtest::ScriptedPrompter prompter;
        EditorDocument document(prompter);
        document.replaceFile(sampleFile(1, 6), QStringLiteral("misc.bin"));
        vw::flightmodel::HeaderPage page(document);
        document.registerView(&page);
        document.selection().CurrentPlane = 3;
        document.Update1();
        auto *name = vwtest::named<QLineEdit>(&page, QStringLiteral("Edit8"));
        const QString old = name->text();
        QVERIFY(!old.isEmpty());
        const QByteArray before = vwtest::imageOf(document.file());
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Harrier"));
        QCOMPARE(vw::datafile::DirectoryEntry(document.file(), 3).name(), QStringLiteral("Harrier"));
        QCOMPARE(document.planeList()->index(2).data().toString(), QStringLiteral("003:Harrier"));
        QCOMPARE(document.undoStack()->count(), 1);
        document.undoStack()->undo();
        QCOMPARE(vwtest::imageOf(document.file()), before);
        QCOMPARE(name->text(), old);
        QVERIFY(prompter.errors.isEmpty());
    }

    // A bound field stores at its moment through one undo step, only while a
    // record is shown, and says and shows what the record stored.
    void boundFieldsStoreByTheirRule_data()
    {
        QTest::addColumn<int>("when");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("stored"); // -1: nothing stored
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("status");
        const int typing = int(vw::app::StoreOn::Typing), onReturn = int(vw::app::StoreOn::Return),
                  release = int(vw::app::StoreOn::KeyRelease);
        QTest::newRow("as typed") << typing << "250" << true << 250 << "250" << "";
        QTest::newRow("on Return") << onReturn << "250" << true << 250 << "250" << "";
        QTest::newRow("on key release") << release << "250" << true << 250 << "250" << "";
        QTest::newRow("clamped, shown as stored") << typing << "5000" << true << 1000 << "1000"
                                                  << "Rounds: 5000 stored as 1000";
        QTest::newRow("not a number") << typing << "x" << true << 0 << "0"
                                      << "Rounds: \"x\" is not a whole number; stored as 0";
        QTest::newRow("no record shown") << typing << "250" << false << -1 << "250" << "";
    }
    void boundFieldsStoreByTheirRule()
    {
        QFETCH(int, when);
        QFETCH(QString, text);
        QFETCH(bool, shown);
        QFETCH(int, stored);
        QFETCH(QString, shows);
        QFETCH(QString, status);
        vwtest::ScriptedPrompter prompter;
        EditorDocument document(prompter);
        document.replaceFile(sampleFile(1, 2), QStringLiteral("misc.bin"));
        QString said;
        connect(&document, &EditorDocument::statusMessage, this, [&](const QString &message) { said = message; });
        DataFile &file = document.file();
        const std::int32_t before = file.i32(100);
        QLineEdit edit;
        vw::app::bindInteger(
            document, &edit, vw::app::StoreOn(when),
            {QStringLiteral("Rounds:"), [&] { return shown; }, [] { return MergeKey::forFile(QStringLiteral("R")); }},
            [](DataFile &f, qint64 typed) {
                const std::int32_t value = std::int32_t(std::clamp<qint64>(typed, 0, 1000));
                f.writeI32(100, value);
                return value;
            },
            vw::app::Limits::Clamped, true);
        edit.selectAll();
        QTest::keyClicks(&edit, text);
        if (when == int(vw::app::StoreOn::Return)) {
            QCOMPARE(file.i32(100), before);
            QTest::keyClick(&edit, Qt::Key_Return);
        }
        QCOMPARE(file.i32(100), stored < 0 ? before : stored);
        QCOMPARE(document.undoStack()->count(), stored < 0 ? 0 : 1);
        QCOMPARE(edit.text(), shows);
        QCOMPARE(said, status);
        QCOMPARE(edit.property("vwInputProblem").toBool(), !status.isEmpty());
    }

    // Every change is all or nothing, and a refresh that fails still ends.
    void failuresLeaveNothingHalfDone()
    {
        vwtest::ScriptedPrompter prompter;
        EditorDocument document(prompter);
        document.replaceFile(sampleFile(2, 8), QStringLiteral("misc.bin"));
        DataFile &file = document.file();
        QVERIFY(document.edit(QStringLiteral("first"), MergeKey::none(), [&] { file.writeU8(100, 7); }));
        const QByteArray before = vwtest::imageOf(file);
        const int version = file.FileVersion();
        const bool done = document.edit(QStringLiteral("half"), MergeKey::forFile(QStringLiteral("x")), [&] {
            file.writeU8(200, 9);
            file.setFileVersion(version + 1);
            file.writeF64(file.FileSize() - 4, 1.0); // past the end: throws
        });
        QVERIFY(!done);
        QCOMPARE(vwtest::imageOf(file), before);
        QCOMPARE(file.FileVersion(), version);
        QCOMPARE(document.undoStack()->count(), 1);
        QCOMPARE(prompter.errors.size(), 1);

        FailingView failing;
        document.registerView(&failing);
        QString status;
        connect(&document, &EditorDocument::statusMessage, this, [&](const QString &text) { status = text; });
        document.Update1();
        QVERIFY(status.contains(QStringLiteral("cannot show")));
        QVERIFY(!document.refreshing());
        QVERIFY(document.edit(QStringLiteral("after"), MergeKey::none(), [&] { file.writeU8(300, 5); }));
        QCOMPARE(int(file.u8(300)), 5);
        QCOMPARE(document.undoStack()->count(), 2);
    }

    // A header change of a 254-plane file, even one that moves every plane's
    // blocks, is an undo step of kilobytes, not megabytes.
    void wideChangesAreSmallUndoSteps()
    {
        vwtest::ScriptedPrompter prompter;
        EditorDocument document(prompter);
        document.replaceFile(sampleFile(2, 254), QStringLiteral("misc.bin"));
        DataFile &file = document.file();
        const auto lastStep = [&] {
            const auto *command = static_cast<const vw::app::FileChangeCommand *>(
                document.undoStack()->command(document.undoStack()->count() - 1));
            return command->changes().memoryUse();
        };
        QVERIFY(document.edit(QStringLiteral("count"), MergeKey::none(), [&] { file.setPlaneCount(200); }));
        QVERIFY(lastStep() < 1024);
        const QByteArray before = vwtest::imageOf(file);
        QVERIFY(document.edit(QStringLiteral("blocks"), MergeKey::none(), [&] {
            for (int p = 1; p <= 254; ++p)
                file.setPlaneBlocks(p, file.recordOffset(p + 1), file.damageMapOffset(p + 1));
        }));
        QVERIFY2(lastStep() < 128 * 1024, qPrintable(QString::number(lastStep())));
        const auto blocks = file.cipherBlocks();
        document.undoStack()->undo();
        document.undoStack()->undo();
        QCOMPARE(file.PlaneCount(), 254);
        QCOMPARE(file.recordOffset(1), sampleFile(2, 254).recordOffset(1));
        QCOMPARE(file.cipherBlocks(), sampleFile(2, 254).cipherBlocks());
        document.undoStack()->redo();
        document.undoStack()->redo();
        QCOMPARE(file.cipherBlocks(), blocks);
        QCOMPARE(vwtest::imageOf(file), before);
    }

    // A rename reaches the plane list and every plane selector at once, and
    // the selectors keep the planes chosen in them.
    void renameReachesEveryPlaneSelector()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 6));
        OpenEditor e(workspace);
        e.choose(QStringLiteral("ComboBox15"), 1);
        e.choosePlane(2);
        e.type(QStringLiteral("Edit8"), QStringLiteral("Hornet"));
        QCOMPARE(e.editor->planeList()->itemText(1), QStringLiteral("002:Hornet"));
        for (const char *name : {"ComboBox2", "ComboBox3", "ComboBox15", "ComboBox16"})
            QCOMPARE(e.find<QComboBox>(QLatin1String(name))->itemText(1), QStringLiteral("002:Hornet"));
        QCOMPARE(e.find<QComboBox>(QStringLiteral("ComboBox15"))->currentText(), QStringLiteral("002:Hornet"));
    }

    // A save needs a loaded file: after a failed start-up the save items are
    // disabled and their keys only say why; nothing is written.
    void nothingIsSavedWithoutALoadedFile()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        QFile::remove(workspace.path(QStringLiteral("misc.bin")));
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        for (const char *name : {"Save1", "Saveas1", "WritetoBINfile1"})
            QVERIFY(!e.find<QAction>(QLatin1String(name))->isEnabled());
        e.editor->WritetoBINfile1Click();
        QTest::keyClick(e.editor.get(), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(e.editor->statusBar()->currentMessage().contains(QStringLiteral("No plane data file is loaded")));
        QTest::keyClick(e.editor.get(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!QFile::exists(workspace.path(QStringLiteral("misc.bin"))));
        QVERIFY(e.prompter.questions.isEmpty());
    }

    // A FIFO as a support file does not keep the window from opening: it is
    // named, with what it is, in the one start-up warning.
    void supportFileThatIsAFifoIsNamed()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        const QString fm = workspace.path(QStringLiteral("editor/FM.dat"));
        QFile::remove(fm);
        if (!vwtest::makeSpecial(fm, QStringLiteral("fifo")))
            QSKIP("cannot make a FIFO here");
        OpenEditor e(workspace);
        QCoreApplication::processEvents();
        QCOMPARE(e.prompter.warnings.size(), 1);
        QVERIFY(e.prompter.warnings.first().contains(QStringLiteral("FM.dat")));
        QVERIFY(e.prompter.warnings.first().contains(QStringLiteral("FIFO")));
        QCOMPARE(e.editor->file().PlaneCount(), 4);
    }
};

VW_TEST(DocumentTest)
#include "ui_test_document.moc"
