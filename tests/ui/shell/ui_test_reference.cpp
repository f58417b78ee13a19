#include "ui/common/number_grid_model.h"
#include "ui/common/number_grid_view.h"
#include "ui/common/reference_file.h"
#include "ui/damage/damage_map_page.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_parts.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStatusBar>
#include <QUndoStack>

using namespace vwtest;
using vw::app::PageId;
using vw::app::VNEditor;
using vw::datafile::DataFile;

using Change = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(VNEditor::ReferenceRevert)

namespace {

// Writes the workspace's file with `change` made as the reference "stock.bin".
QString writeReference(const TestWorkspace &workspace, const Change &change)
{
    DataFile reference = DataFile::ReadCfg(workspace.path("misc.bin"), true);
    change(reference);
    reference.SaveCfg(workspace.path("stock.bin"), true);
    return workspace.path("stock.bin");
}

QString referenceStatus(const OpenEditor &open)
{
    const auto *label = open.find<QLabel>("ReferenceStatus");
    return label->isVisible() ? label->text() : QString();
}

void setAmmo(DataFile &f, int plane, int config, int value)
{
    vw::weapons::WeaponsBlock(f, plane).config(config).weapon(1).setAmmo(value);
}

} // namespace

class ReferenceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A field that differs from the reference is marked with the reference's
    // value as its tooltip; the count in the status bar and the mark follow
    // an edit that makes it the same, and its undo.
    void markFollowsEditAndUndo_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("widget"); // empty: the grid cell of `gridRow`
        QTest::addColumn<int>("gridRow");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("weapon's ammo") << Change([](DataFile &f) { setAmmo(f, 1, 1, 4321); }) << int(PageId::Weapons)
                                       << "Edit2" << 0 << "Reference: 4321";
        QTest::newRow("plane name") << Change([](DataFile &f) {
            vw::flightmodel::PlaneHeader(f, 1).setText(vw::flightmodel::HeaderText::Name, QStringLiteral("Stock"));
        }) << int(PageId::Header) << "Edit8" << 0 << "Reference: \"Stock\"";
        QTest::newRow("flight model grid cell")
            << Change([](DataFile &f) { vw::flightmodel::PlaneRecord(f, 1).setPrimary(13, 4321.5); })
            << int(PageId::Primary) << QString() << 13 << "Reference: 4321.5";
        // The flat view's cell (5, 5) of level 0, hovered: the reference's part.
        QTest::newRow("damage map cell")
            << Change([](DataFile &f) { vw::damage::DamageMap(f, 1).setCell(0, 5, 5, 3); }) << int(PageId::DamageMaps)
            << "Image4" << 0 << QString("Reference: " + vw::damage::partName(3));
    }
    void markFollowsEditAndUndo()
    {
        QFETCH(Change, change);
        QFETCH(int, page);
        QFETCH(QString, widget);
        QFETCH(int, gridRow);
        QFETCH(QString, tooltip);
        TestWorkspace workspace;
        const QString reference = writeReference(workspace, change);
        OpenEditor open(workspace);
        open.editor->show();
        QVERIFY(open.editor->setReferenceFile(reference));
        QWidget *root = open.editor->document().pages().page(vw::app::PageId(page));
        const auto marked = [&]() -> QString {
            if (auto *mapPage = qobject_cast<vw::damage::DamageMapPage *>(root); mapPage && widget == "Image4")
                mapPage->Image4MouseMove(QPoint(55, 55));
            if (!widget.isEmpty())
                return named<QWidget>(root, widget)->toolTip();
            const auto *grid = named<vw::app::NumberGridView>(root, "StringGrid1");
            const QModelIndex cell = grid->model()->index(gridRow, 1);
            // The mark is the cell's background, beside the tooltip.
            return grid->model()->data(cell, Qt::BackgroundRole).isValid() ? grid->model()->data(cell, Qt::ToolTipRole).toString()
                                                                          : QString();
        };
        QCOMPARE(marked(), tooltip);
        QCOMPARE(referenceStatus(open), "1 field differs from the reference");

        open.editor->document().edit("same", vw::app::MergeKey::none(), [&] { change(open.editor->file()); });
        QCOMPARE(referenceStatus(open), "Same as the reference");
        QVERIFY(!marked().contains("Reference"));
        open.editor->undoStack()->undo();
        QCOMPARE(referenceStatus(open), "1 field differs from the reference");
        QCOMPARE(marked(), tooltip);
    }

    // Edit > Revert to reference: the field under the cursor, the current
    // configuration, the current plane or the found fields take the
    // reference's values as one undo step.
    void revertIsOneUndoStep_data()
    {
        QTest::addColumn<VNEditor::ReferenceRevert>("what");
        QTest::addColumn<int>("left"); // differences left of the four
        QTest::newRow("field under the cursor") << VNEditor::ReferenceRevert::Field << 3;
        QTest::newRow("current configuration") << VNEditor::ReferenceRevert::Configuration << 2;
        QTest::newRow("current plane") << VNEditor::ReferenceRevert::Plane << 1;
        QTest::newRow("found fields") << VNEditor::ReferenceRevert::Found << 2;
    }
    void revertIsOneUndoStep()
    {
        QFETCH(VNEditor::ReferenceRevert, what);
        QFETCH(int, left);
        TestWorkspace workspace;
        // Plane 1: the first weapon's ammo and the configuration's name of
        // configuration 1, the ammo of configuration 2; plane 2: the ammo.
        const QString reference = writeReference(workspace, [](DataFile &f) {
            setAmmo(f, 1, 1, 4321);
            vw::weapons::WeaponsBlock(f, 1).config(1).setName(QStringLiteral("Stock"));
            setAmmo(f, 1, 2, 4322);
            setAmmo(f, 2, 1, 4323);
        });
        OpenEditor open(workspace);
        open.editor->show();
        QVERIFY(QTest::qWaitForWindowActive(open.editor.get()));
        QVERIFY(open.editor->setReferenceFile(reference));
        QCOMPARE(referenceStatus(open), "4 fields differ from the reference");
        const QByteArray before = open.image();
        open.editor->document().pages().page(PageId::Weapons)->findChild<QLineEdit *>("Edit2")->setFocus();
        open.editor->showFindResults({"planes[*].weapons.configurations[1].weapons[1].ammo >= 0"});
        const int steps = open.editor->undoStack()->count();

        if (what == VNEditor::ReferenceRevert::Found)
            named<QPushButton>(open.editor.get(), "RevertFound")->click(); // the find dock's button
        else
            open.editor->RevertToReference1Click(what);
        QCOMPARE(open.editor->reference()->differenceCount(), left);
        QCOMPARE(open.editor->undoStack()->count(), steps + 1);
        open.editor->undoStack()->undo();
        QCOMPARE(open.image(), before);
        QCOMPARE(open.editor->reference()->differenceCount(), 4);
    }

    // --reference names the reference of the file opened; the window
    // remembers it for that file, and one that went away is said in the
    // status bar, not in an error box.
    void referenceIsRemembered()
    {
        TestWorkspace workspace;
        const QString reference = writeReference(workspace, [](DataFile &f) { setAmmo(f, 3, 1, 4321); });
        QProcess editor;
        editor.start(QStringLiteral(VW_EDITOR_PROGRAM),
                     {"--base", workspace.base(), "--reference", reference, "--screenshot", workspace.path("shot.png")});
        QVERIFY(editor.waitForFinished(20000));
        QCOMPARE(editor.exitCode(), 0);
        {
            OpenEditor open(workspace);
            QCOMPARE(open.editor->reference()->path(), reference);
            QCOMPARE(open.editor->reference()->differenceCount(), 1);
            QVERIFY(open.editor->close());
        }
        QVERIFY(QFile::remove(reference));
        OpenEditor open(workspace);
        QVERIFY(!open.editor->reference()->isLoaded());
        QVERIFY(open.prompter.errors.isEmpty());
        QVERIFY2(open.editor->statusBar()->currentMessage().contains("could not be read"),
                 qPrintable(open.editor->statusBar()->currentMessage()));
    }
};

VW_TEST(ReferenceTest)

#include "ui_test_reference.moc"
