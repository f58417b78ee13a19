#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "core/damage/damage_map.h"
#include "ui/damage/damage_map_page.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/directory_entry.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>

using namespace vw::damage;
using vw::datafile::DataFile;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

constexpr int NoMapPlane = 4;

// A 16-plane workspace whose plane 4 has no damage map and whose plane 2 has
// all damage and armor values 1.5 but the armor of part 32, which is 9.
TestWorkspace damageWorkspace()
{
    TestWorkspace workspace(vwtest::sampleOptions(1, 16));
    vwtest::patchWorkspace(workspace, vwtest::sampleOptions(1, 16), [](DataFile &file) {
        vw::datafile::DirectoryEntry<DataFile>(file, NoMapPlane).setStoredDamageMapOffset(0);
        ProfileSlot slot(file, 2);
        for (int k = 1; k <= 32; ++k)
            for (auto column : {ProfileSlot::Damage1, ProfileSlot::Damage2, ProfileSlot::Armor})
                slot.setValue(column, k, column == ProfileSlot::Armor && k == 32 ? 9 : 1.5);
    });
    return workspace;
}

struct DamageEditor : OpenEditor {
    explicit DamageEditor(const TestWorkspace &workspace) : OpenEditor(workspace) {}

    DamageMapPage *page() const { return editor->findChild<DamageMapPage *>(); }
    int cell(int plane, int level, QPoint at) const
    {
        return DamageMapView(editor->file(), plane).cell(level, at.x(), at.y());
    }
    QString status() const { return editor->statusBar()->currentMessage(); }
    // Unticks "Show 3D", then places a catalogue part by double-clicking a pixel.
    void place(int plane, int level, int part, QPoint pixel) const
    {
        auto *threeD = find<QCheckBox>(QStringLiteral("CheckBox2"));
        if (threeD->isChecked())
            threeD->click();
        choosePlane(plane);
        find<QListWidget>(QStringLiteral("ListBox4"))->setCurrentRow(level);
        find<QListWidget>(QStringLiteral("ListBox5"))->setCurrentRow(part);
        QTest::mouseDClick(find(QStringLiteral("Image4")), Qt::LeftButton, {}, pixel);
    }
    void click(const QString &button) const { find<QAbstractButton>(button)->click(); }
};

} // namespace

class DamagePagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A double-click places the chosen part in the cell under the pointer as
    // one undo step; the image's last pixel row and column are cell 31.
    void placementByDoubleClick_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("inside") << QPoint(45, 75) << QPoint(4, 7);
        QTest::newRow("grid line") << QPoint(10, 0) << QPoint(1, 0);
        QTest::newRow("last pixel") << QPoint(320, 320) << QPoint(31, 31);
    }
    void placementByDoubleClick()
    {
        QFETCH(QPoint, pixel);
        QFETCH(QPoint, cell);
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        const QByteArray before = e.image();
        e.place(3, 2, 21, pixel);
        QCOMPARE(e.cell(3, 2, cell), 21);
        QCOMPARE(e.page()->cursor(), cell);
        QCOMPARE(e.editor->undoStack()->count(), 1);
        QVERIFY(e.find(QStringLiteral("SpeedButton2"))->isEnabled());
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }

    // "Undo Last Change" goes back to the plane, level and cell of the
    // placement, and the plane list and the pages follow; a shift forgets the
    // shifted plane's placements.
    void undoLastChangeAcrossPlanes()
    {
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        const QPoint onThree(4, 7), onFive(20, 3);
        const int previous = e.cell(3, 2, onThree);
        e.place(3, 2, 21, QPoint(45, 75));
        e.place(5, 6, 30, QPoint(205, 35));
        QCOMPARE(e.page()->mapUndo().count(), 2);
        e.click(QStringLiteral("SpeedButton7")); // up: row 3 moves to row 2
        QCOMPARE(e.cell(5, 6, onFive - QPoint(0, 1)), 30);
        QCOMPARE(e.page()->mapUndo().count(), 1);

        e.find<QListWidget>(QStringLiteral("ListBox4"))->setCurrentRow(0);
        e.click(QStringLiteral("SpeedButton2"));
        QCOMPARE(e.cell(3, 2, onThree), previous);
        QCOMPARE(e.editor->selection().CurrentPlane, 3);
        QCOMPARE(e.editor->planeList()->currentRow(), 2);
        QCOMPARE(e.find<QLineEdit>(QStringLiteral("Edit8"))->text(),
                 vw::datafile::DirectoryEntry<const DataFile>(e.editor->file(), 3).name());
        QCOMPARE(e.find<QListWidget>(QStringLiteral("ListBox4"))->currentRow(), 2);
        QCOMPARE(e.page()->cursor(), onThree);
        QVERIFY(!e.find(QStringLiteral("SpeedButton2"))->isEnabled());
        QCOMPARE(e.editor->undoStack()->count(), 4); // two placements, the shift and the undo
    }

    // "Show 3D" is view only; showing planes, levels and views writes nothing,
    // and a plane without a map says so and takes no placement.
    void viewSwitchAndPlaneWithoutMap()
    {
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        const QByteArray before = e.image();
        QWidget *editable[] = {e.find(QStringLiteral("Image4")), e.find(QStringLiteral("ListBox4")),
                               e.find(QStringLiteral("ListBox5"))};
        auto *panel5 = e.find(QStringLiteral("Panel5"));
        QVERIFY(e.find<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked());
        QVERIFY(!e.find(QStringLiteral("SpeedButton2"))->isEnabled());
        for (bool threeD : {true, false, true}) {
            if (e.find<QCheckBox>(QStringLiteral("CheckBox2"))->isChecked() != threeD)
                e.click(QStringLiteral("CheckBox2"));
            for (QWidget *w : editable)
                QCOMPARE(w->isEnabled(), !threeD);
            QCOMPARE(panel5->isHidden(), threeD);
        }
        QVERIFY(!e.find(QStringLiteral("NoDamageMap"))->isVisibleTo(e.page()));

        e.place(NoMapPlane, 1, 5, QPoint(45, 75));
        e.click(QStringLiteral("SpeedButton8"));
        QVERIFY(e.find(QStringLiteral("NoDamageMap"))->isVisibleTo(e.page()));
        QVERIFY(e.status().contains(QStringLiteral("no damage map")));
        QCOMPARE(e.page()->mapUndo().count(), 0);
        QCOMPARE(e.editor->undoStack()->count(), 0);
        QCOMPARE(e.image(), before);
    }

    // Keystrokes in a cell make one undo step; a modifier out of range is
    // refused and the cell keeps what it held when its editor opened.
    void profileCellEdits_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored"); // NaN: the value before the edit
        QTest::addColumn<bool>("marked");
        QTest::newRow("damage") << 1 << "2.25" << 2.25 << false;
        QTest::newRow("modifier floor") << 4 << "-3.5" << -4.0 << false;
        QTest::newRow("modifier too big") << 4 << "40000" << qQNaN() << true;
        QTest::newRow("modifier too small") << 4 << "-32769" << qQNaN() << true;
    }
    void profileCellEdits()
    {
        QFETCH(int, col);
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(bool, marked);
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        e.choosePlane(6);
        constexpr int Part = 5;
        const auto value = [&] {
            const ProfileSlotView slot(e.editor->file(), 6);
            return col == 4 ? double(slot.modifier(Part)) : slot.value(ProfileSlotView::Damage1, Part);
        };
        const double before = value();
        auto *grid = e.find<QTableView>(QStringLiteral("StringGrid3"));
        const QModelIndex index = grid->model()->index(Part, col);
        grid->edit(index);
        auto *editor = qobject_cast<QLineEdit *>(grid->indexWidget(index));
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, typed);
        QCOMPARE(value(), qIsNaN(stored) ? before : stored);
        QCOMPARE(editor->property("vwInputProblem").toBool(), marked);
        if (marked)
            QVERIFY(e.status().contains(typed));
        QVERIFY(e.editor->undoStack()->count() <= 1);
    }

    // The averages: the HP figure divides by 144, the armor figure is the
    // true mean of the 32 armor values.
    void averages()
    {
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        e.choosePlane(2);
        QCOMPARE(e.find<QLabel>(QStringLiteral("AverageHp"))->text(), QStringLiteral("Average HP: 1.05"));
        QCOMPARE(e.find<QLabel>(QStringLiteral("AverageArmor"))->text(), QStringLiteral("Average Armor: 1.73"));
    }

    // The damage model copy is one undo step that copies what is ticked and
    // forgets the destination's placements; a map copy to a plane without
    // one is refused with the reason in the status bar.
    void damageModelCopy()
    {
        const TestWorkspace workspace = damageWorkspace();
        DamageEditor e(workspace);
        e.place(7, 0, 9, QPoint(5, 5));
        const QByteArray profile7 = ProfileSlotView(e.editor->file(), 7).profileBytes();
        e.choose(QStringLiteral("ComboBox11"), 1);
        e.choose(QStringLiteral("ComboBox12"), 6);
        e.find<QCheckBox>(QStringLiteral("DamageModelValues"))->click();
        e.click(QStringLiteral("Button6"));
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process complete!"));
        QCOMPARE(DamageMapView(e.editor->file(), 7).bytes(), DamageMapView(e.editor->file(), 2).bytes());
        QCOMPARE(ProfileSlotView(e.editor->file(), 7).profileBytes(), profile7);
        QCOMPARE(e.editor->undoStack()->count(), 2);
        QVERIFY(e.page()->mapUndo().isEmpty());
        QVERIFY(!e.find(QStringLiteral("SpeedButton2"))->isEnabled());

        const QByteArray copied = e.image();
        e.choose(QStringLiteral("ComboBox12"), NoMapPlane - 1);
        e.click(QStringLiteral("Button6"));
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process is not possible!"));
        QCOMPARE(e.status(), QStringLiteral("Plane 4 has no damage map."));
        QCOMPARE(e.image(), copied);
        QCOMPARE(e.editor->undoStack()->count(), 2);
    }
};

VW_TEST(DamagePagesTest)
#include "ui_test_damage_pages.moc"
