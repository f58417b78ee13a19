#include "ui/shell/script_window.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QUndoStack>

using namespace vwtest;

namespace {

const QString Ammo = QStringLiteral("planes[3].weapons.configurations[2].weapons[2].ammo");

// Runs the window's script to its end; its output and status.
QString runToEnd(vw::app::ScriptWindow *window, bool stopAtOnce = false)
{
    QSignalSpy finished(window, &vw::app::ScriptWindow::finished);
    named<QPushButton>(window, "RunScript")->click();
    if (stopAtOnce)
        named<QPushButton>(window, "StopScript")->click();
    if (!finished.wait(20000))
        return QStringLiteral("(the run did not end)");
    return window->output()->toPlainText() + QLatin1Char('\n') + named<QLabel>(window, "ScriptStatus")->text();
}

} // namespace

class ScriptWindowTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A run that changes fields is one undo step, and undo restores them all;
    // a run that changes none, fails or is stopped adds none and changes nothing.
    void runIsOneUndoStepOrNothing_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<bool>("stop");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("path and walk") << "file.set('" + Ammo + "', 40000);\n"
                                              "file.plane(3).header.name = 'Renamed';\n"
                                       << false << 1 << Ammo + ": %1 -> 30000 (clamped from 40000)";
        QTest::newRow("read only") << "print('ammo', file.get('" + Ammo + "'));" << false << 0 << "ammo %1";
        QTest::newRow("exception") << "file.set('" + Ammo + "', 7);\nnull.x = 1;\n" << false << 0 << "script.js, line 2: TypeError";
        QTest::newRow("stopped") << "file.set('" + Ammo + "', 7);\nfor (;;) {}\n" << true << 0 << "Stopped: nothing was changed.";
    }
    void runIsOneUndoStepOrNothing()
    {
        QFETCH(QString, script);
        QFETCH(bool, stop);
        QFETCH(int, steps);
        QFETCH(QString, shown);
        TestWorkspace workspace;
        OpenEditor open(workspace);
        const QByteArray original = open.image();
        const QString ammo = QString::number(open.block(3).config(2).weapon(2).ammo());
        named<QAction>(open.editor.get(), "RunScript1")->trigger();
        auto *window = named<vw::app::ScriptWindow>(open.editor.get(), "ScriptWindow");
        window->editor()->setPlainText(script);
        const int before = open.editor->undoStack()->count();
        const QString output = runToEnd(window, stop);
        QVERIFY2(output.contains(shown.contains(QLatin1String("%1")) ? shown.arg(ammo) : shown), qPrintable(output));
        QCOMPARE(open.editor->undoStack()->count(), before + steps);
        QCOMPARE(open.image() != original, steps > 0);
        if (steps == 0)
            return;
        QCOMPARE(open.block(3).config(2).weapon(2).ammo(), 30000);
        open.editor->undoStack()->undo();
        QCOMPARE(open.image(), original);
    }

    // The script of the last run is shown again when the window is next made.
    void lastRunScriptIsKept()
    {
        TestWorkspace workspace;
        {
            OpenEditor open(workspace);
            named<QAction>(open.editor.get(), "RunScript1")->trigger();
            auto *window = named<vw::app::ScriptWindow>(open.editor.get(), "ScriptWindow");
            window->editor()->setPlainText(QStringLiteral("print(2);"));
            QVERIFY(runToEnd(window).startsWith(QLatin1String("2\n")));
        }
        OpenEditor again(workspace);
        named<QAction>(again.editor.get(), "RunScript1")->trigger();
        QCOMPARE(named<vw::app::ScriptWindow>(again.editor.get(), "ScriptWindow")->editor()->toPlainText(), QStringLiteral("print(2);"));
    }

    // The Tools menu lists the scripts of editor/scripts by file name; one
    // chosen opens in the script window without running.
    void toolsMenuListsTheScripts()
    {
        TestWorkspace workspace;
        QDir(workspace.path(QStringLiteral("editor"))).mkpath(QStringLiteral("scripts"));
        workspace.writeFile(QStringLiteral("editor/scripts/zeta.js"), "file.set('" + Ammo.toUtf8() + "', 1);\n");
        workspace.writeFile(QStringLiteral("editor/scripts/alpha.js"), "print(1);\n");
        workspace.writeFile(QStringLiteral("editor/scripts/notes.txt"), "not a script\n");
        OpenEditor open(workspace);
        auto *tools = named<QMenu>(open.editor.get(), "Tools1");
        Q_EMIT tools->aboutToShow();
        QStringList listed;
        QAction *zeta = nullptr;
        for (QAction *a : tools->actions())
            if (a->objectName() == QLatin1String("ScriptFile")) {
                listed << a->text();
                zeta = a;
            }
        QCOMPARE(listed, QStringList({"alpha.js", "zeta.js"}));
        const QByteArray original = open.image();
        zeta->trigger();
        auto *window = named<vw::app::ScriptWindow>(open.editor.get(), "ScriptWindow");
        QVERIFY(window->isVisible());
        QCOMPARE(window->editor()->toPlainText(), "file.set('" + Ammo + "', 1);\n");
        QVERIFY(!window->isRunning());
        QCOMPARE(open.image(), original);
    }
};

VW_TEST(ScriptWindowTest)
#include "ui_test_script_window.moc"
