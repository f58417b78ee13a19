#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/datafile/number_text.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace vw::weapons;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

vw::datafile::SampleOptions sixteenPlanes()
{
    return vwtest::sampleOptions(1, 16);
}

} // namespace

class WeaponsPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Typed counts are clamped when stored; Ammo and Hvy Ammo then show the
    // stored value, Bursts keeps the typed text. Keystrokes make one undo step.
    void countEditsClampAsTheUserTypes_data()
    {
        QTest::addColumn<QString>("edit");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fieldOffset");
        QTest::addColumn<int>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("Ammo 40000") << "Edit2" << false << "40000" << WeaponRecord::AmmoOffset << 30000 << "30000";
        QTest::newRow("Bursts 20000") << "Edit7" << false << "20000" << WeaponRecord::BurstsOffset << 15000 << "20000";
        QTest::newRow("Hvy Ammo -5 pasted") << "Edit19" << true << "-5" << WeaponRecord::HeavyAmmoOffset << 0 << "0";
        QTest::newRow("Ammo not a number") << "Edit2" << true << "12x" << WeaponRecord::AmmoOffset << 0 << "0";
        QTest::newRow("Hvy Ammo 1234") << "Edit19" << false << "1234" << WeaponRecord::HeavyAmmoOffset << 1234 << "1234";
    }
    void countEditsClampAsTheUserTypes()
    {
        QFETCH(QString, edit);
        QFETCH(bool, pasted);
        QFETCH(QString, text);
        QFETCH(int, fieldOffset);
        QFETCH(int, stored);
        QFETCH(QString, shown);
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        e.choosePlane(2);
        const QByteArray before = e.image();
        const std::int64_t at = e.block(2).config(1).weapon(1).offset() + fieldOffset;
        const int old = e.editor->file().u16(at);
        pasted ? e.paste(edit, text) : e.type(edit, text);
        QCOMPARE(int(e.editor->file().u16(at)), stored);
        QCOMPARE(e.find<QLineEdit>(edit)->text(), shown);
        QCOMPARE(e.editor->undoStack()->count(), stored == old ? 0 : 1); // keystrokes merge
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }

    // Clicking through planes, configurations, weapons and pages writes
    // nothing, also where the stored values lie outside what an edit stores.
    void showingNeverWrites()
    {
        TestWorkspace workspace(sixteenPlanes());
        vwtest::patchWorkspace(workspace, sixteenPlanes(), [](vw::datafile::DataFile &file) {
            WeaponsBlock block(file, 2);
            block.config(1).weapon(1).setAmmoType(0);
            file.writeU16(block.config(1).weapon(1).offset() + WeaponRecord::HeavyAmmoOffset, 50000);
            file.writeU16(block.config(1).weapon(1).offset() + WeaponRecord::BurstsOffset, 40000);
            file.write(block.config(1).offset(), QByteArray("Default\0junk", 12));
            file.writeU8(block.config(2).weapon(2).offset() + WeaponRecord::AmmoTypeOffset, 200);
            file.writeU8(block.config(2).offset() + ConfigRecord::WeaponCountOffset, 40);
            file.writeU8(block.start(), 12);
            file.write(vw::datafile::directoryEntryOffset(2) + 8, QByteArray(" ab\0\0\0\0\0", 8));
        });
        OpenEditor e(workspace);
        const QByteArray loaded = e.image();
        for (int page : {0, 1, 0}) {
            e.editor->pages()->setCurrentIndex(page);
            for (int plane : {1, 2, 3, 2}) {
                e.choosePlane(plane);
                auto *configs = e.editor->configList();
                for (int c = configs->count() - 1; c >= 0; --c) {
                    configs->setCurrentRow(c);
                    auto *weapons = e.find<QListWidget>(QStringLiteral("ListBox3"));
                    for (int w = weapons->count() - 1; w >= 0; --w)
                        weapons->setCurrentRow(w);
                }
            }
        }
        QCOMPARE(e.image(), loaded);
        QCOMPARE(e.editor->undoStack()->count(), 0);
        // Plane 2 is shown within the data model's limits, as stored.
        QCOMPARE(e.editor->configList()->count(), 8);
        e.editor->configList()->setCurrentRow(0);
        QCOMPARE(e.find<QLineEdit>(QStringLiteral("Edit19"))->text(), QStringLiteral("50000"));
        QCOMPARE(e.find<QLineEdit>(QStringLiteral("Edit7"))->text(), QStringLiteral("40000"));
        e.editor->configList()->setCurrentRow(1);
        auto *weapons = e.find<QListWidget>(QStringLiteral("ListBox3"));
        QCOMPARE(weapons->count(), 16);
        QCOMPARE(weapons->item(1)->text(), QStringLiteral("2:200 :"));
        weapons->setCurrentRow(1);
        QCOMPARE(e.find<QComboBox>(QStringLiteral("ComboBox1"))->currentIndex(), -1);
        QCOMPARE(e.image(), loaded);
    }

    // Lowering the weapon count hides slots; raising it again shows them unchanged.
    void weaponCountHidesAndRevealsSlots()
    {
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        auto *spin = e.find<QSpinBox>(QStringLiteral("SpinEdit2"));
        auto *weapons = e.find<QListWidget>(QStringLiteral("ListBox3"));
        spin->setValue(5);
        QCOMPARE(weapons->count(), 5);
        QStringList shown;
        for (int w = 0; w < 5; ++w)
            shown << weapons->item(w)->text();
        const QByteArray withFive = e.image();
        spin->stepBy(-2);
        QCOMPARE(weapons->count(), 3);
        QCOMPARE(e.block(1).config(1).storedWeaponCount(), 3);
        spin->stepBy(2);
        QCOMPARE(e.image(), withFive);
        for (int w = 0; w < 5; ++w)
            QCOMPARE(weapons->item(w)->text(), shown[w]);
        spin->setValue(0);
        QCOMPARE(spin->value(), 1);
        QCOMPARE(e.block(1).config(1).storedWeaponCount(), 1);
    }

    // Lowering the configuration count below the current configuration makes
    // the last one left current; the list and the copy operands follow.
    void configCountFollowsTheSelection()
    {
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        auto *count = e.find<QSpinBox>(QStringLiteral("SpinEdit3"));
        count->setValue(5);
        QCOMPARE(e.editor->configList()->count(), 5);
        e.find<QSpinBox>(QStringLiteral("SpinEdit5"))->setValue(5);
        e.editor->configList()->setCurrentRow(4);
        count->setValue(2);
        QCOMPARE(e.editor->selection().CurrentConfig, 2);
        QCOMPARE(e.editor->configList()->count(), 2);
        QCOMPARE(e.editor->configList()->currentRow(), 1);
        QCOMPARE(e.find<QSpinBox>(QStringLiteral("SpinEdit5"))->value(), 2);
        QCOMPARE(e.block(1).storedConfigCount(), 2);
    }

    // A configuration name is stored cut to 32 characters and the list shows it at once.
    void renamingAConfigRelabelsTheList()
    {
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        const QString name = QStringLiteral("Long range escort with drop tanks");
        e.type(QStringLiteral("Edit1"), name + QStringLiteral("1234567"));
        QCOMPARE(e.editor->configList()->item(0)->text(), QStringLiteral("1:") + name.left(32));
        QCOMPARE(e.editor->file().bytes(e.block(1).config(1).offset(), 32), name.left(32).toLatin1());
        QCOMPARE(e.editor->undoStack()->count(), 1);
    }

    // Deviation shows with the editor's separator and reads back with it.
    void deviationUsesTheEditorsSeparator()
    {
        TestWorkspace workspace(sixteenPlanes());
        workspace.writeSettings(true, QStringLiteral(","));
        OpenEditor e(workspace);
        auto *edit = e.find<QLineEdit>(QStringLiteral("Edit18"));
        const double stored = e.block(1).config(1).weapon(1).deviation();
        QCOMPARE(vw::datafile::readNumber(edit->text(), QLatin1Char(',')), stored);
        QVERIFY(edit->text().contains(QLatin1Char(',')) || edit->text() == QString::number(stored));
        e.type(QStringLiteral("Edit18"), QStringLiteral("1,25"));
        QCOMPARE(e.block(1).config(1).weapon(1).deviation(), 1.25);
        e.type(QStringLiteral("Edit18"), QStringLiteral("0.5"));
        QCOMPARE(e.block(1).config(1).weapon(1).deviation(), 0.5);
    }

    // Each copy is one undo step and says it is complete.
    void copiesAreOneUndoStep()
    {
        TestWorkspace workspace(sixteenPlanes());
        OpenEditor e(workspace);
        const QByteArray before = e.image();
        e.find<QSpinBox>(QStringLiteral("SpinEdit3"))->setValue(3);
        const QByteArray counted = e.image();
        const int steps = e.editor->undoStack()->count();
        e.find<QSpinBox>(QStringLiteral("SpinEdit4"))->setValue(1);
        e.find<QSpinBox>(QStringLiteral("SpinEdit5"))->setValue(3);
        e.find<QPushButton>(QStringLiteral("Button1"))->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process complete!"));
        QCOMPARE(e.editor->file().bytes(e.block(1).config(3).offset(), ConfigRecord::Size),
                 e.editor->file().bytes(e.block(1).config(1).offset(), ConfigRecord::Size));
        QCOMPARE(e.editor->configList()->item(2)->text(), e.editor->configList()->item(0)->text().replace(0, 1, "3"));

        // Copy weapon: plane 1 weapon 1 onto plane 4, its configuration 1, weapon 2.
        e.choose(QStringLiteral("ComboBox3"), 3);
        e.choose(QStringLiteral("ComboBox5"), 1);
        e.find<QPushButton>(QStringLiteral("Button2"))->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process complete!"));
        QByteArray expected = e.editor->file().bytes(e.block(1).config(1).weapon(1).offset(), WeaponRecord::Size);
        expected[0] = char(1);
        QCOMPARE(e.editor->file().bytes(e.block(4).config(1).weapon(2).offset(), WeaponRecord::Size), expected);

        QCOMPARE(e.editor->undoStack()->count(), steps + 2);
        e.editor->undoStack()->undo();
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), counted);
        e.editor->undoStack()->setIndex(0);
        QCOMPARE(e.image(), before);
    }

    // A plane without a plane record shows that it has no weapons, offers no
    // edits, and copies to it are refused.
    void planeWithoutRecord()
    {
        TestWorkspace workspace(sixteenPlanes());
        vwtest::patchWorkspace(workspace, sixteenPlanes(), [](vw::datafile::DataFile &file) {
            file.write(vw::datafile::directoryEntryOffset(3), QByteArray(3, '\0'));
        });
        OpenEditor e(workspace);
        const QByteArray loaded = e.image();
        e.choosePlane(3);
        QVERIFY(!e.find<QLabel>(QStringLiteral("NoWeaponsNotice"))->isHidden());
        QVERIFY(!e.find<QLineEdit>(QStringLiteral("Edit2"))->isEnabled());
        QCOMPARE(e.editor->configList()->count(), 0);
        e.choose(QStringLiteral("ComboBox3"), 2);
        QCOMPARE(e.find<QComboBox>(QStringLiteral("ComboBox5"))->count(), 0);
        e.find<QPushButton>(QStringLiteral("Button2"))->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process is not possible!"));
        e.find<QPushButton>(QStringLiteral("Button1"))->click();
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process is not possible!"));
        QCOMPARE(e.image(), loaded);
        QVERIFY(e.prompter.errors.isEmpty());
    }
};

VW_TEST(WeaponsPageTest)
#include "ui_test_weapons_page.moc"
