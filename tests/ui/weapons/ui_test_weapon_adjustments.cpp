#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "ui/misc/misc_page.h"

#include <QDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>

using namespace vw::weapons;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

class WeaponAdjustmentsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each button is one undo step, says what it changed, and ends with the
    // last weapon visited selected in the lists, on the documented page, with
    // the More Weapons dialog open where documented.
    void eachButtonIsOneStepWithItsEndState_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("weaponsPage");
        QTest::addColumn<bool>("dialogOpen");
        QTest::newRow("bursts") << "Button16" << "Set Bursts to Ammo as 1 to 1" << true << false;
        QTest::newRow("deviation") << "Button18" << "Reduce Deviation" << true << false;
        QTest::newRow("bomb deviation") << "Button21" << "Set Bomb deviation to" << true << false;
        QTest::newRow("tracers") << "Button22" << "Set trasser count" << false << true;
        QTest::newRow("fire delay") << "Button23" << "Reduce Fire Delay Twice" << true << true;
        QTest::newRow("skip bombs") << "Button25" << "Remove Skip Bombs" << true << false;
    }
    void eachButtonIsOneStepWithItsEndState()
    {
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(bool, weaponsPage);
        QFETCH(bool, dialogOpen);
        const auto options = vwtest::sampleOptions(1, 16);
        TestWorkspace workspace(options);
        vwtest::patchWorkspace(workspace, options, [](vw::datafile::DataFile &file) {
            WeaponsBlock(file, 2).config(1).weapon(1).setAmmoType(79); // a skip bomb
            WeaponsBlock(file, 1).config(1).weapon(1).setAmmoType(12); // bombs of a fighter and a bomber
            WeaponsBlock(file, 3).config(1).weapon(1).setAmmoType(12);
        });
        OpenEditor e(workspace);
        QWidget *misc = e.editor->miscPage();
        e.editor->pages()->setCurrentWidget(misc);
        if (button == QLatin1String("Button21"))
            vwtest::named<QLineEdit>(misc, QStringLiteral("Edit42"))->setText(QStringLiteral("0.75"));
        const QByteArray before = e.image();
        vwtest::named<QPushButton>(misc, button)->click();

        QCOMPARE(e.editor->undoStack()->count(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^%1: [0-9,]+ weapons on 16 planes$")
                                       .arg(QRegularExpression::escape(caption)))
                    .match(e.editor->statusBar()->currentMessage())
                    .hasMatch());
        QCOMPARE(e.editor->pages()->currentIndex() == 0, weaponsPage);
        QCOMPARE(vwtest::named<QDialog>(e.editor.get(), QStringLiteral("MoreGun"))->isVisible(), dialogOpen);

        const vw::app::Selection &s = e.editor->selection();
        auto *weapons = e.find<QListWidget>(QStringLiteral("ListBox3"));
        QCOMPARE(e.editor->planeList()->currentRow(), s.CurrentPlane - 1);
        QCOMPARE(e.editor->configList()->currentRow(), s.CurrentConfig - 1);
        QCOMPARE(weapons->currentRow(), s.CurrentWeapon - 1);
        QCOMPARE(s.CurrentPlane, 16);
        QCOMPARE(s.CurrentConfig, e.block(16).configCount());
        if (button == QLatin1String("Button21")) {
            // Selecting a configuration selects its first weapon; only bombs are selected after that.
            QVERIFY(s.CurrentWeapon == 1
                    || weapons->currentItem()->text().contains(QLatin1String("bomb"), Qt::CaseInsensitive));
            QCOMPARE(e.block(1).config(1).weapon(1).deviation(), 0.75);
            QCOMPARE(e.block(3).config(1).weapon(1).deviation(), 1.5);
        } else {
            QCOMPARE(s.CurrentWeapon, e.block(16).config(s.CurrentConfig).weaponCount());
        }
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }
};

VW_TEST(WeaponAdjustmentsTest)
#include "ui_test_weapon_adjustments.moc"
