#include "ui/shell/find_dock_widget.h"
#include "ui/common/number_grid_view.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QUndoStack>

using namespace vwtest;
using vw::datafile::DataFile;

namespace {

// Finds through Edit > Find in planes... with the conditions given; the dock it opens.
vw::app::FindDock *findThroughTheMenu(OpenEditor &open, const QStringList &conditions)
{
    named<QAction>(open.editor.get(), "FindInPlanes1")->trigger();
    auto *dialog = named<vw::app::FindDialog>(open.editor.get(), "FindDialog");
    for (const QString &c : conditions) {
        auto *item = new QListWidgetItem(c, dialog->conditionList());
        Q_UNUSED(item);
    }
    dialog->accept();
    return named<vw::app::FindDock>(open.editor.get(), "FindDock");
}

} // namespace

class FindTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A double-click on a found field shows its plane, configuration,
    // weapon, page and flight-model row; the results follow the file's changes.
    void foundFieldsLeadToTheirPlace_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("config");
        QTest::addColumn<int>("weapon");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QString>("unfound"); // an assignment after which the first field is found no more
        QTest::newRow("a weapon") << "planes[3].weapons.configurations[2..8].weapons[2..16].ammo > 0"
                                  << "planes[3].weapons.configurations[2].weapons[2].ammo" << 3 << 2 << 2 << 0 << -1 << " = 0";
        QTest::newRow("a flight model row") << "planes[2..9].primary.rows[13] > 0" << "planes[2].primary.rows[13]" << 2 << 1 << 1 << 2
                                            << 13 << " = -1";
        QTest::newRow("the ammunition table") << "ammunition[7].he_damage > -2000000000" << "ammunition[7].he_damage" << 1 << 1 << 1
                                              << 5 << -1 << " = -2000000000";
    }
    void foundFieldsLeadToTheirPlace()
    {
        QFETCH(QString, condition);
        QFETCH(QString, path);
        QFETCH(int, plane);
        QFETCH(int, config);
        QFETCH(int, weapon);
        QFETCH(int, page);
        QFETCH(int, gridRow);
        QFETCH(QString, unfound);
        TestWorkspace workspace;
        OpenEditor open(workspace);
        open.editor->pages()->setCurrentIndex(1);
        open.editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(open.editor.get()));
        vw::app::FindDock *dock = findThroughTheMenu(open, {condition});
        QTreeWidget *results = dock->results();
        QVERIFY(results->topLevelItemCount() > 0);
        QCOMPARE(results->topLevelItem(0)->text(0), path);
        QTRY_VERIFY(dock->isVisible());
        const QRect rect = results->visualItemRect(results->topLevelItem(0));
        QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::mouseDClick(results->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(open.editor->selection().CurrentPlane, plane);
        QCOMPARE(open.editor->selection().CurrentConfig, config);
        QCOMPARE(open.editor->selection().CurrentWeapon, weapon);
        QCOMPARE(open.editor->pages()->currentIndex(), page);
        if (gridRow > 0)
            QCOMPARE(named<vw::app::NumberGridView>(open.editor.get(), "StringGrid1")->currentIndex().row(), gridRow);
        // A change to the file that makes the field no longer satisfy the find drops it from the list.
        const int before = results->topLevelItemCount();
        QVERIFY(open.editor->document().edit(QStringLiteral("test"), vw::app::MergeKey::none(), [&] {
            vw::app::applyEdit(open.editor->file(), {vw::app::parseAssignment(path + unfound)}, {});
        }));
        QCOMPARE(results->topLevelItemCount(), before - 1);
        open.editor->undoStack()->undo();
        QCOMPARE(results->topLevelItemCount(), before);
    }

    // The change dialog previews every change without changing the file; Apply is one undo step.
    void changePreviewsAndAppliesAsOneStep()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        const QByteArray original = open.image();
        findThroughTheMenu(open, {"planes[*].weapons.configurations[*].weapons[*].ammo > 600", "planes[*].header.plane_type == 1"});
        named<QAction>(open.editor.get(), "ChangeFoundFields1")->trigger();
        auto *dialog = named<vw::app::ChangeFieldsDialog>(open.editor.get(), "ChangeFieldsDialog");
        QCOMPARE(dialog->chooser()->patternEdit()->text(), QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo"));
        QVERIFY(dialog->onlyFound()->isChecked());
        dialog->chooser()->operatorBox()->setCurrentText(QStringLiteral("*="));
        dialog->chooser()->valueEdit()->setText(QStringLiteral("100"));
        QVERIFY(dialog->showPreview());
        QTableWidget *preview = dialog->preview();
        const int rows = preview->rowCount();
        QVERIFY(rows > 0);
        QVERIFY2(preview->item(0, 0)->text().endsWith(QLatin1String(".ammo")), qPrintable(preview->item(0, 0)->text()));
        QCOMPARE(preview->item(0, 1)->text(), QStringLiteral("Ammo"));
        QCOMPARE(preview->item(0, 3)->text(), QStringLiteral("30000"));
        QVERIFY(preview->item(0, 4)->text().startsWith(QLatin1String("clamped from ")));
        QCOMPARE(open.image(), original); // the preview changes nothing
        const int steps = open.editor->undoStack()->count();
        QVERIFY(dialog->apply());
        QCOMPARE(dialog->applied(), rows);
        QCOMPARE(open.editor->undoStack()->count(), steps + 1);
        QVERIFY(open.image() != original);
        // The found fields are found again: none has ammo 600 or less now, all are still found.
        QCOMPARE(named<vw::app::FindDock>(open.editor.get(), "FindDock")->results()->topLevelItemCount(), rows);
        open.editor->undoStack()->undo();
        QCOMPARE(open.image(), original);
    }

    // A condition in error keeps the dialog open with its place shown.
    void badConditionIsShownWithItsPlace()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        named<QAction>(open.editor.get(), "FindInPlanes1")->trigger();
        auto *dialog = named<vw::app::FindDialog>(open.editor.get(), "FindDialog");
        dialog->chooser()->filterEdit()->setText(QStringLiteral("Hvy Ammo"));
        QTreeWidget *tree = dialog->chooser()->tree();
        QTreeWidgetItem *shown = nullptr;
        for (int g = 0; g < tree->topLevelItemCount() && !shown; ++g)
            for (int i = 0; i < tree->topLevelItem(g)->childCount(); ++i)
                if (!tree->topLevelItem(g)->child(i)->isHidden() && !tree->topLevelItem(g)->isHidden())
                    shown = tree->topLevelItem(g)->child(i);
        QVERIFY(shown);
        tree->setCurrentItem(shown);
        QCOMPARE(dialog->chooser()->patternEdit()->text(), QStringLiteral("planes[*].weapons.configurations[*].weapons[*].heavy_ammo"));
        dialog->chooser()->valueEdit()->setText(QStringLiteral("lots"));
        dialog->accept();
        QVERIFY(dialog->isVisible() || !dialog->result());
        QVERIFY(!open.editor->findChild<vw::app::FindDock *>(QStringLiteral("FindDock")));
        const QString problem = named<QLabel>(dialog, "FindProblem")->text();
        QVERIFY2(problem.startsWith(QLatin1String("error: a value is a number")) && problem.contains(QLatin1Char('^')), qPrintable(problem));
    }
};

VW_TEST(FindTest)

#include "ui_test_find.moc"
