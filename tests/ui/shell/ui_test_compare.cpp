#include "ui/shell/compare_dock_widget.h"
#include "ui/common/number_grid_view.h"
#include "core/flightmodel/plane_record.h"
#include "core/damage/damage_map.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"
#include "core/weapons/ammo_entry.h"

#include <QAction>
#include <QLabel>

using namespace vwtest;
using vw::datafile::DataFile;

using Change = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Change)

class CompareTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A file that differs in one field lists one line, a flight model row by
    // its FM.dat label; a double-click on it shows the plane, configuration,
    // page and grid row that hold the field, with the list docked beside them.
    void doubleClickShowsTheField_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("gridRow");
        QTest::newRow("a weapon's ammo")
            << Change([](DataFile &f) { vw::weapons::WeaponsBlock(f, 3).config(2).weapon(1).setAmmo(4321); })
            << QStringLiteral(", config 2, weapon 1, Ammo (planes[3].weapons.configurations[2].weapons[1].ammo): ") << 3 << 2 << 0 << -1;
        QTest::newRow("a damage map cell")
            << Change([](DataFile &f) { vw::damage::DamageMap(f, 2).setCell(1, 3, 4, 9); })
            << QStringLiteral(", damage map level 2, row 5 (planes[2].damage_map[2][5]): ") << 2 << 1 << 3 << -1;
        QTest::newRow("the shared ammunition table")
            << Change([](DataFile &f) { vw::weapons::AmmoEntry(f, 7).setHeDamage(77); })
            << QStringLiteral("ammunition 7, HE Damage (ammunition[7].he_damage): ") << 1 << 1 << 5 << -1;
        QTest::newRow("a flight model row")
            << Change([](DataFile &f) { vw::flightmodel::PlaneRecord(f, 2).setPrimary(13, 4321.5); })
            << QStringLiteral("Gyrfalcon, Row 13 (planes[2].primary.rows[13]): ") << 2 << 1 << 2 << 13;
    }
    void doubleClickShowsTheField()
    {
        QFETCH(Change, change);
        QFETCH(QString, line);
        QFETCH(int, plane);
        QFETCH(int, config);
        QFETCH(int, page);
        QFETCH(int, gridRow);
        TestWorkspace workspace;
        DataFile other = DataFile::ReadCfg(workspace.path("misc.bin"), true);
        change(other);
        other.SaveCfg(workspace.path("other.bin"), true);
        OpenEditor open(workspace);
        open.editor->pages()->setCurrentIndex(1);
        open.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(open.editor.get()));

        open.prompter.fileNames = {workspace.path("other.bin")};
        named<QAction>(open.editor.get(), "CompareWith1")->trigger();
        auto *dialog = named<vw::app::CompareDock>(open.editor.get(), "CompareDock");
        QListWidget *list = dialog->list();
        QCOMPARE(list->count(), 1);
        QVERIFY2(list->item(0)->text().contains(line), qPrintable(list->item(0)->text()));
        QVERIFY(named<QLabel>(dialog, "CompareCount")->text().startsWith("1 difference"));
        QCOMPARE(open.editor->file().toBytes(true), workspace.read("misc.bin")); // looking changes nothing

        QTRY_VERIFY(dialog->isVisible());
        const QRect rect = list->visualItemRect(list->item(0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(open.editor->selection().CurrentPlane, plane);
        QCOMPARE(open.editor->selection().CurrentConfig, config);
        QCOMPARE(open.editor->pages()->currentIndex(), page);
        if (gridRow > 0)
            QCOMPARE(named<vw::app::NumberGridView>(open.editor.get(), "StringGrid1")->currentIndex().row(), gridRow);
        const QWidget *pages = open.editor->pages();
        const QRect pagesRect(pages->mapTo(open.editor.get(), QPoint()), pages->size());
        QVERIFY(!dialog->isFloating() && !dialog->geometry().intersects(pagesRect)); // the field stays in view
    }
};

VW_TEST(CompareTest)

#include "ui_test_compare.moc"
