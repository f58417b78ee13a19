#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QDialog>
#include <QPushButton>
#include <QToolButton>

#include <numbers>

using namespace vw::weapons;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

// The dialog is a window of its own; its widgets share names with the main window's.
QDialog *moreGun(const OpenEditor &e)
{
    return vwtest::named<QDialog>(e.editor.get(), QStringLiteral("MoreGun"));
}

template <class Widget = QLineEdit>
Widget *inDialog(const OpenEditor &e, const QString &name)
{
    return vwtest::named<Widget>(moreGun(e), name);
}

void openDialog(const OpenEditor &e)
{
    vwtest::named<QToolButton>(e.editor->pages()->widget(0), QStringLiteral("SpeedButton1"))->click();
}

QImage topView(const OpenEditor &e)
{
    return inDialog<QWidget>(e, QStringLiteral("Image1"))->grab().toImage();
}

} // namespace

class MoreWeaponsDialogTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The dialog shows the current weapon, also while hidden once opened; its
    // weapon selector moves the main window's weapon.
    void followsAndMovesTheSelection()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        OpenEditor e(workspace);
        QDialog *dialog = moreGun(e);
        QVERIFY(dialog->isWindow() && !dialog->isVisible());
        QVERIFY(dialog->windowFlags().testFlags(Qt::Tool | Qt::WindowStaysOnTopHint));
        const QRect mainPlace = e.editor->geometry();
        openDialog(e);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), QStringLiteral("More Weapons"));
        QCOMPARE(e.editor->geometry(), mainPlace); // the main window stays where it is

        const auto delayShown = [&](int plane, int config, int weapon) {
            return inDialog(e, QStringLiteral("Edit4"))->text()
                == QString::number(e.block(plane).config(config).weapon(weapon).fireDelay());
        };
        e.choosePlane(2);
        e.find<QListWidget>(QStringLiteral("ListBox3"))->setCurrentRow(1);
        QVERIFY(delayShown(2, 1, 2));
        auto *selector = inDialog<QComboBox>(e, QStringLiteral("ComboBox1"));
        QCOMPARE(selector->count(), e.block(2).config(1).weaponCount());
        QCOMPARE(selector->currentIndex(), 1);

        selector->setCurrentIndex(0);
        Q_EMIT selector->activated(0);
        QCOMPARE(e.editor->selection().CurrentWeapon, 1);
        QCOMPARE(e.find<QListWidget>(QStringLiteral("ListBox3"))->currentRow(), 0);
        QCOMPARE(vwtest::named<QLineEdit>(e.editor->pages()->widget(0), QStringLiteral("Edit2"))->text(),
                 QString::number(e.block(2).config(1).weapon(1).ammo()));
        QVERIFY(delayShown(2, 1, 1));

        inDialog<QPushButton>(e, QStringLiteral("Button1"))->click();
        QVERIFY(!dialog->isVisible());
        e.choosePlane(3);
        QVERIFY(delayShown(3, 1, 1));
        QCOMPARE(e.editor->undoStack()->count(), 0);
    }

    // Opening the dialog and walking the weapons writes nothing, not even
    // angles that the three-decimal degrees do not show exactly.
    void showingWritesNothing()
    {
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        vwtest::patchWorkspace(workspace, vwtest::sampleOptions(1, 16), [](vw::datafile::DataFile &file) {
            WeaponRecord weapon = WeaponsBlock(file, 1).config(1).weapon(2);
            weapon.setHorizontalMin(0.5);
            weapon.setGraphics(42);
            weapon.setStoredKey(2147483647);
        });
        OpenEditor e(workspace);
        const QByteArray loaded = e.image();
        openDialog(e);
        auto *weapons = e.find<QListWidget>(QStringLiteral("ListBox3"));
        for (int plane : {1, 2, 1})
            for (int w = 0; w < 3; ++w) {
                e.choosePlane(plane);
                weapons->setCurrentRow(w);
            }
        weapons->setCurrentRow(1);
        QCOMPARE(inDialog(e, QStringLiteral("Edit12"))->text(), QStringLiteral("28.648"));
        QCOMPARE(inDialog(e, QStringLiteral("Edit7"))->text(), QStringLiteral("2147483648"));
        QCOMPARE(inDialog<QComboBox>(e, QStringLiteral("ComboBox2"))->currentIndex(), -1);
        QCOMPARE(e.image(), loaded);
        QCOMPARE(e.editor->undoStack()->count(), 0);
    }

    // Each field stores what it shows as one undo step; coordinates only on
    // Enter, which also redraws the views.
    void editsStoreTheirField_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<double>("stored"); // a 32-bit field when whole and offset is not a double's
        QTest::addColumn<bool>("onEnter");
        QTest::addColumn<bool>("marked");
        QTest::newRow("Delay") << "Edit4" << "250" << WeaponRecord::FireDelayOffset << 250.0 << false << false;
        QTest::newRow("Delay not whole") << "Edit4" << "12.5" << WeaponRecord::FireDelayOffset << 0.0 << false << true;
        QTest::newRow("Trasser") << "Edit6" << "7" << WeaponRecord::TracerOffset << 7.0 << false << false;
        QTest::newRow("Key 3 stores 2") << "Edit7" << "3" << WeaponRecord::KeyOffset << 2.0 << false << false;
        QTest::newRow("Vertical max") << "Edit10" << "28.648" << WeaponRecord::VerticalMaxOffset
                                      << 28.648 * std::numbers::pi / 180 << false << false;
        QTest::newRow("X on Enter") << "Edit1" << "40" << WeaponRecord::PositionXOffset << 40.0 << true << false;
        QTest::newRow("Z on Enter, not a number") << "Edit2" << "-3q" << WeaponRecord::PositionZOffset << -3.0
                                                  << true << true;
    }
    void editsStoreTheirField()
    {
        QFETCH(QString, edit);
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(double, stored);
        QFETCH(bool, onEnter);
        QFETCH(bool, marked);
        TestWorkspace workspace(vwtest::sampleOptions(1, 16));
        OpenEditor e(workspace);
        openDialog(e);
        const QByteArray before = e.image();
        const QImage viewBefore = topView(e);
        const std::int64_t at = e.block(1).config(1).weapon(1).offset() + offset;
        const bool isDouble = offset == WeaponRecord::PositionXOffset || offset == WeaponRecord::PositionZOffset
            || offset == WeaponRecord::VerticalMaxOffset;
        auto *field = inDialog(e, edit);
        field->selectAll();
        QTest::keyClicks(field, text);
        if (onEnter) {
            QCOMPARE(e.image(), before);
            QTest::keyClick(field, Qt::Key_Return);
            QVERIFY(moreGun(e)->isVisible());
            QVERIFY(topView(e) != viewBefore);
        }
        QCOMPARE(isDouble ? e.editor->file().f64(at) : double(e.editor->file().i32(at)), stored);
        QCOMPARE(field->property("vwInputProblem").toBool(), marked);
        QCOMPARE(e.editor->undoStack()->count(), 1);
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);

        // The lists store the chosen index.
        auto *graphics = inDialog<QComboBox>(e, QStringLiteral("ComboBox2"));
        graphics->setCurrentIndex(4);
        Q_EMIT graphics->activated(4);
        QCOMPARE(e.block(1).config(1).weapon(1).graphics(), 4);
    }
};

VW_TEST(MoreWeaponsDialogTest)
#include "ui_test_more_weapons_dialog.moc"
