#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/flightmodel/plane_record.h"

#include <QAction>
#include <QSpinBox>
#include <QStatusBar>
#include <QUndoStack>
#include <QWheelEvent>

using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

void wheel(QWidget *target, int steps)
{
    const QPointF at = QPointF(target->rect().center());
    QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

} // namespace

class UsabilityTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The wheel changes a combo box only while it has the keyboard focus.
    void wheelNeedsTheFocus()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.editor->pages()->setCurrentIndex(0);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        auto *group = e.find<QComboBox>(QStringLiteral("ComboBox8"));
        const QByteArray before = e.image();
        const int shown = group->currentIndex();
        wheel(group, -1);
        QCOMPARE(group->currentIndex(), shown);
        QCOMPARE(e.image(), before);
        group->setFocus();
        QTRY_VERIFY(group->hasFocus());
        wheel(group, -1);
        QVERIFY(group->currentIndex() != shown);
    }

    // The title names the file and marks unsaved changes; Ctrl+S saves the
    // file the title names; undo shows the plane whose value goes back.
    void titleSaveAndUndo()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(e.editor.get()));
        e.editor->pages()->setCurrentIndex(0);
        e.choosePlane(3);
        e.type(QStringLiteral("Edit2"), QStringLiteral("123"));
        QVERIFY(e.editor->isWindowModified());
        QCOMPARE(e.editor->windowTitle(), QStringLiteral("Vornwing Planes Editor Version 3.5b - misc.bin[*]"));
        e.choosePlane(1);
        e.editor->undoStack()->undo();
        QCOMPARE(e.editor->selection().CurrentPlane, 3);
        QCOMPARE(e.editor->planeList()->currentRow(), 2);
        e.editor->undoStack()->redo();
        QTest::keyClick(e.editor.get(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(e.prompter.questions.size(), 1);
        QVERIFY(!e.editor->isWindowModified());
        QVERIFY(e.prompter.informations.last().endsWith(QStringLiteral(" saved")));
    }

    // What a user types is read visibly: a clamped value is reported, a fixed-
    // width field takes no more than it stores, a typed count applies on Return.
    void inputIsReadVisibly()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        OpenEditor e(workspace);
        e.editor->show();
        e.editor->pages()->setCurrentIndex(0);
        e.type(QStringLiteral("Edit2"), QStringLiteral("40000"));
        QCOMPARE(e.editor->statusBar()->currentMessage(), QStringLiteral("Ammo: 40000 stored as 30000"));
        QVERIFY(!e.find<QLineEdit>(QStringLiteral("Edit2"))->styleSheet().isEmpty());

        e.type(QStringLiteral("Edit8"), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV"));
        QCOMPARE(e.find<QLineEdit>(QStringLiteral("Edit8"))->text(), QStringLiteral("ABCDEFGHIJKLMNOPQR"));

        auto *rows = e.find<QSpinBox>(QStringLiteral("UpDown3"));
        const int before = rows->value();
        rows->setFocus();
        rows->selectAll();
        QTest::keyClicks(rows, QStringLiteral("15"));
        QCOMPARE(rows->value(), before); // not per keystroke
        QTest::keyClick(rows, Qt::Key_Return);
        QCOMPARE(rows->value(), 15);
        QCOMPARE(vw::flightmodel::PlaneRecordView(e.editor->file(), 1).storedSpeedPointCount(), 15);
    }
};

VW_TEST(UsabilityTest)
#include "ui_test_usability.moc"
