#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include "ui/common/number_grid_view.h"
#include "core/datafile/directory_entry.h"
#include "core/datafile/number_text.h"
#include "core/flightmodel/flight_model_adjustments.h"
#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"

#include <QCheckBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>

using namespace vw::flightmodel;
using vw::datafile::DataFile;
using vwtest::OpenEditor;
using vwtest::TestWorkspace;

namespace {

// 16 planes; plane 4 has no plane record.
void makeWorkspace(TestWorkspace &workspace)
{
    vwtest::patchWorkspace(workspace, vwtest::sampleOptions(1, 16), [](DataFile &file) {
        for (int i = 0; i < 3; ++i)
            file.writeU8(vw::datafile::directoryEntryOffset(4) + i, 0);
    });
}

// The image an operation of the core makes of the editor's image.
QByteArray expectedImage(const OpenEditor &e, const std::function<void(DataFile &)> &operation)
{
    DataFile copy = DataFile::fromBytes(e.image(), false);
    operation(copy);
    return vwtest::imageOf(copy);
}

QString status(const OpenEditor &e)
{
    return e.editor->statusBar()->currentMessage();
}

int listRow(const OpenEditor &e)
{
    return e.editor->planeList()->currentRow();
}

} // namespace

class PlaneCopyGroupsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The "Flight model" and "Engines" copies: one undo step doing what the
    // core does, or the refusal with its reason and nothing written.
    void pickerCopies_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("x"); // "Copy only first X cols" ticked when not empty
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("flight model") << "Button3" << "" << 2 << 6 << "";
        QTest::newRow("engines") << "Button9" << "" << 2 << 6 << "";
        QTest::newRow("first 25 columns read as 20") << "Button9" << "25" << 7 << 1 << "";
        QTest::newRow("first x columns read as none") << "Button9" << "x" << 7 << 1 << "";
        QTest::newRow("flight model from a plane without record") << "Button3" << "" << 4 << 2 << "Plane 4 has no plane record.";
        QTest::newRow("engines onto a plane without record") << "Button9" << "" << 2 << 4 << "Plane 4 has no plane record.";
    }
    void pickerCopies()
    {
        QFETCH(QString, button);
        QFETCH(QString, x);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, refusal);
        TestWorkspace workspace;
        makeWorkspace(workspace);
        OpenEditor e(workspace);
        const bool flightModel = button == "Button3";
        e.choose(flightModel ? "ComboBox9" : "ComboBox13", from - 1);
        e.choose(flightModel ? "ComboBox10" : "ComboBox14", to - 1);
        if (!x.isEmpty()) {
            e.find<QCheckBox>("CheckBox7")->setChecked(true);
            e.type("Edit41", x);
        }
        const QByteArray before = e.image();
        const QByteArray expected = expectedImage(e, [&](DataFile &file) {
            if (flightModel)
                copyFlightModel(file, from, to);
            else if (!x.isEmpty())
                copyFirstColumns(file, from, to, firstColumnsFromText(x));
            else
                copyEngines(file, from, to);
        });
        e.find<QPushButton>(button)->click();
        if (!refusal.isEmpty()) {
            QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process is not possible!"));
            QCOMPARE(status(e), refusal);
            QCOMPARE(e.image(), before);
            QCOMPARE(e.editor->undoStack()->count(), 0);
            return;
        }
        QCOMPARE(e.prompter.informations.last(), QStringLiteral("Copy process complete!"));
        const bool writes = x != "x";
        QCOMPARE(e.image() != before, writes);
        QCOMPARE(e.image(), expected);
        QCOMPARE(e.editor->undoStack()->count(), writes ? 1 : 0);
        // X that is not a number or was limited stays marked on its field.
        QCOMPARE(e.find<QLineEdit>("Edit41")->property("vwInputProblem").toBool(), !x.isEmpty());
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }

    // Copy fills slots from the current plane on; "Auto Increment" moves the
    // position past the slots and the current plane past the batch, which
    // stops at the file's last plane. A position past the buffer is refused.
    void copyBatches_data()
    {
        QTest::addColumn<bool>("autoIncrement");
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("positionAfter");
        QTest::addColumn<int>("planeAfter");
        QTest::addColumn<QString>("said");
        QTest::newRow("auto increment") << true << 5 << 3 << 5 << 7 << "Copied planes 5 to 6 into buffer slots 3 to 4.";
        QTest::newRow("no auto increment") << false << 5 << 3 << 3 << 6 << "Copied planes 5 to 6 into buffer slots 3 to 4.";
        QTest::newRow("past the last plane") << true << 16 << 3 << 5 << 16
                                             << "Copied plane 16 into buffer slot 3. The file ends at plane 16: 1 of 2 planes copied.";
        QTest::newRow("past the buffer") << true << 5 << 300 << 300 << 5
                                         << "The copy buffer has slots 1 to 256; there is no slot 300.";
    }
    void copyBatches()
    {
        QFETCH(bool, autoIncrement);
        QFETCH(int, plane);
        QFETCH(int, position);
        QFETCH(int, positionAfter);
        QFETCH(int, planeAfter);
        QFETCH(QString, said);
        TestWorkspace workspace;
        makeWorkspace(workspace);
        OpenEditor e(workspace);
        auto *paste = e.find<QPushButton>("Button8");
        QVERIFY(!paste->isEnabled());
        e.choosePlane(plane);
        e.find<QSpinBox>("UpDown1")->setValue(position);
        e.find<QSpinBox>("UpDown4")->setValue(2);
        e.find<QCheckBox>("CheckBox4")->setChecked(autoIncrement);
        const QByteArray before = e.image();
        e.find<QPushButton>("Button7")->click();
        QCOMPARE(status(e), said);
        QCOMPARE(e.find<QSpinBox>("UpDown1")->value(), positionAfter);
        QCOMPARE(e.editor->selection().CurrentPlane, planeAfter);
        QCOMPARE(listRow(e), planeAfter - 1);
        QCOMPARE(paste->isEnabled(), position <= 256);
        QCOMPARE(e.image(), before);
        // Edit14 follows the position: the slot's plane name.
        e.find<QSpinBox>("UpDown1")->setValue(3);
        QCOMPARE(e.find<QLineEdit>("Edit14")->text(),
                 position <= 256 ? PlaneHeaderView(e.editor->file(), plane).text(HeaderText::Name) : QString());
    }

    // A Paste batch is one undo step that relabels the plane list; the buffer
    // and the enabled "Paste" outlive loading another file.
    void pasteBatchAndReload()
    {
        TestWorkspace workspace;
        makeWorkspace(workspace);
        workspace.writeFile("other.bin", vw::datafile::buildSampleFile(vwtest::sampleOptions(0, 8, -1, 9)));
        OpenEditor e(workspace);
        e.find<QCheckBox>("CheckBox4")->setChecked(false);
        e.find<QSpinBox>("UpDown4")->setValue(2);
        e.choosePlane(5);
        e.find<QPushButton>("Button7")->click();
        const QByteArray records = e.editor->file().bytes(e.editor->file().recordOffset(5), PlaneRecord::Size)
                                   + e.editor->file().bytes(e.editor->file().recordOffset(6), PlaneRecord::Size);
        const QString name5 = PlaneHeaderView(e.editor->file(), 5).text(HeaderText::Name);

        e.prompter.fileNames = {workspace.path("other.bin")};
        e.editor->Loadconfig1Click();
        QCOMPARE(e.editor->file().PlaneCount(), 8);
        auto *paste = e.find<QPushButton>("Button8");
        QVERIFY(paste->isEnabled());
        QCOMPARE(e.find<QLineEdit>("Edit14")->text(), name5);
        e.choosePlane(2);
        e.type("Edit8", "Renamed "); // the line shows the typed name until the list is relabelled
        const QByteArray before = e.image();
        paste->click();
        const DataFile &file = e.editor->file();
        QCOMPARE(file.bytes(file.recordOffset(2), PlaneRecord::Size) + file.bytes(file.recordOffset(3), PlaneRecord::Size),
                 records);
        QCOMPARE(e.editor->planeList()->itemText(1), QStringLiteral("002:") + name5);
        QCOMPARE(e.editor->selection().CurrentPlane, 3);
        QCOMPARE(e.editor->undoStack()->count(), 2);
        QCOMPARE(status(e), QStringLiteral("Buffer slots 1 to 2 pasted onto planes 2 to 3."));
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
        QCOMPARE(e.editor->planeList()->itemText(1), QStringLiteral("002:Renamed"));
    }

    // The Misc page's passes: one undo step each, as the core does them,
    // ending with the last plane current and selected.
    void flightModelPasses_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("pass");
        QTest::newRow("Reduce Roll Inertia") << "Button14" << 0;
        QTest::newRow("Reduce Low Speed Handling") << "Button15" << 1;
        QTest::newRow("Increase Low Speed Handling") << "Button19" << 2;
    }
    void flightModelPasses()
    {
        QFETCH(QString, button);
        QFETCH(int, pass);
        int (*const passes[])(DataFile &) = {&reduceRollInertia, &reduceLowSpeedHandling, &increaseLowSpeedHandling};
        TestWorkspace workspace;
        makeWorkspace(workspace);
        OpenEditor e(workspace);
        e.choosePlane(3);
        const QByteArray before = e.image();
        const QByteArray expected = expectedImage(e, [&](DataFile &file) { passes[pass](file); });
        e.find<QPushButton>(button)->click();
        QCOMPARE(e.image(), expected);
        QCOMPARE(e.editor->undoStack()->count(), 1);
        QCOMPARE(e.editor->selection().CurrentPlane, 16);
        QCOMPARE(listRow(e), 15);
        QCOMPARE(status(e), QTest::currentDataTag() + QStringLiteral(": 15 of 16 planes changed."));
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }

    // The notch buttons shift the selected cell's column of the current
    // plane; the grid shows it at once and the selection stays.
    void notchButtons_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::newRow("up, pitch from 80 mph") << "Button26" << 1 << 3;
        QTest::newRow("down, roll from 0 mph") << "Button27" << 3 << 1;
        QTest::newRow("up, yaw at 1600 mph") << "Button26" << 2 << 41;
    }
    void notchButtons()
    {
        QFETCH(QString, button);
        QFETCH(int, col);
        QFETCH(int, row);
        TestWorkspace workspace;
        makeWorkspace(workspace);
        OpenEditor e(workspace);
        e.choosePlane(6);
        auto *grid = e.find<vw::app::NumberGridView>("StringGrid6");
        grid->setCurrentCell(col, row);
        const QByteArray before = e.image();
        const QByteArray expected = expectedImage(e, [&](DataFile &file) {
            if (button == "Button26")
                shiftHandlingUpOneNotch(file, 6, col, row);
            else
                shiftHandlingDownOneNotch(file, 6, col, row);
        });
        e.find<QPushButton>(button)->click();
        QCOMPARE(e.image(), expected);
        QCOMPARE(e.image() != before, row < 41);
        QCOMPARE(grid->currentCol(), col);
        QCOMPARE(grid->currentRow(), row);
        const PlaneRecordView record(e.editor->file(), 6);
        for (int r : {row, 40, 41})
            QCOMPARE(grid->model()->index(r, col).data().toString(),
                     vw::datafile::formatNumber(record.handling(r - 1, PlaneRecordView::Axis(col - 1))));
        e.editor->undoStack()->undo();
        QCOMPARE(e.image(), before);
    }
};

VW_TEST(PlaneCopyGroupsTest)
#include "ui_test_plane_copy_groups.moc"
