#include "common/test_registry.h"
#include "common/ui_support.h"
#include "core/datafile/sample_support.h"

#include "core/flightmodel/plane_record.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QTabWidget>
#include <QScrollArea>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

using vw::flightmodel::PlaneRecord;

namespace {

QByteArray imageOf(vw::app::VNEditor &editor)
{
    const auto &file = editor.file();
    return QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.FileSize()));
}

QTableView *grid(vw::app::VNEditor &editor, const char *name)
{
    return editor.findChild<QTableView *>(QLatin1String(name));
}

QString cellText(vw::app::VNEditor &editor, const char *name, int col, int row)
{
    QTableView *view = grid(editor, name);
    return view->model()->index(row, col).data().toString();
}

bool setCell(vw::app::VNEditor &editor, const char *name, int col, int row, const QString &text)
{
    QAbstractItemModel *model = grid(editor, name)->model();
    return model->setData(model->index(row, col), text, Qt::EditRole);
}

std::int64_t recordStart(vw::app::VNEditor &editor)
{
    return editor.file().recordOffset(editor.selection().CurrentPlane);
}

} // namespace

class FlightModelPagesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Looking at every plane on every page, under either separator, changes no byte.
    void showingNeverWrites_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::newRow("point") << ".";
        QTest::newRow("comma") << ",";
    }
    void showingNeverWrites()
    {
        QFETCH(QString, separator);
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 12));
        workspace.writeSettings(true, separator);
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        // WEP times with fractions of a second, and a double that needs all its digits.
        for (int p = 1; p <= 12; ++p) {
            PlaneRecord record(editor->file(), p);
            editor->file().writeI32(record.at(PlaneRecord::WepFuelTimeOffset), 2500);
            editor->file().writeI32(record.at(PlaneRecord::WepOverheatTimeOffset), 1234567);
            editor->file().writeF64(record.at(PlaneRecord::ExtraEngineParameterOffset), 0.1 + 0.2);
        }
        const QByteArray before = imageOf(*editor);
        for (int tab : {2, 4}) {
            editor->pages()->setCurrentIndex(tab);
            for (int sub = 0; sub < editor->flightModelPages()->count(); ++sub) {
                editor->flightModelPages()->setCurrentIndex(sub);
                for (int p = 0; p < 12; ++p)
                    editor->planeList()->setCurrentRow(p);
                QCoreApplication::processEvents();
            }
        }
        QCOMPARE(editor->undoStack()->count(), 0);
        QVERIFY(imageOf(*editor) == before);
        QVERIFY(prompter.errors.isEmpty());
    }

    // Keystrokes in one cell are stored as typed and make one undo step; the
    // figures follow at the next refresh.
    void primaryCellTypedIntoIsOneUndoStep()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        editor->pages()->setCurrentIndex(2);
        editor->show();
        QVERIFY(setCell(*editor, "StringGrid2", 3, 2, QStringLiteral("0.8")));
        const double old = editor->file().f64(recordStart(*editor) + 416);
        QTableView *view = grid(*editor, "StringGrid1");
        editor->flightModelPages()->setCurrentIndex(0);
        const QModelIndex cell = view->model()->index(53, 1);
        view->setCurrentIndex(cell);
        view->edit(cell);
        auto *lineEdit = view->viewport()->findChild<QLineEdit *>();
        QVERIFY(lineEdit);
        lineEdit->selectAll();
        QTest::keyClicks(lineEdit, QStringLiteral("1499.5"));
        QCOMPARE(lineEdit->text(), QStringLiteral("1499.5")); // "1499." is not put back as "1499"
        QCOMPARE(editor->file().f64(recordStart(*editor) + 416), 1499.5);
        QCOMPARE(editor->undoStack()->count(), 2);
        QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("Label47"))->text(), QStringLiteral("Current pos:53"));
        editor->Update3();
        QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("Label50"))->text(), QStringLiteral("500m alt low speed: 1200 hp"));
        editor->undoStack()->undo();
        QCOMPARE(editor->file().f64(recordStart(*editor) + 416), old);
    }

    // The last handling row and the primary grid's rows n-3..n-1 are the same doubles.
    void trailingRowsShareTheHandlingTable()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        QVERIFY(setCell(*editor, "StringGrid6", 3, 41, QStringLiteral("0.25")));
        QVERIFY(setCell(*editor, "StringGrid1", 1, 171, QStringLiteral("7.5")));
        QVERIFY(setCell(*editor, "StringGrid4", 1, 81, QStringLiteral("1.125")));
        editor->Update3();
        QCOMPARE(cellText(*editor, "StringGrid1", 1, 170), QStringLiteral("0.25"));
        QCOMPARE(cellText(*editor, "StringGrid6", 1, 1), QStringLiteral("1.125")); // WEP row 81 is the first pitch
        QCOMPARE(editor->file().f64(recordStart(*editor) + 31200), 7.5);
        QCOMPARE(grid(*editor, "StringGrid4")->model()->rowCount(), 82);
        QCOMPARE(grid(*editor, "StringGrid6")->model()->rowCount(), 42);
        QCOMPARE(cellText(*editor, "StringGrid4", 0, 81), QStringLiteral("24400"));
        QCOMPARE(cellText(*editor, "StringGrid6", 0, 41), QStringLiteral("1600"));
    }

    void wepTimesAndTexts()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        auto *fuel = editor->findChild<QLineEdit *>(QStringLiteral("Edit27"));
        fuel->clear();
        QTest::keyClicks(fuel, QStringLiteral("2.5"));
        const std::int64_t at = recordStart(*editor) + 29436;
        QCOMPARE(editor->file().i32(at), 2500);
        editor->Update3();
        QCOMPARE(fuel->text(), QStringLiteral("2"));
        QCOMPARE(editor->file().i32(at), 2500); // showing kept the half second
        Q_EMIT fuel->textEdited(QStringLiteral("2147484"));
        QCOMPARE(prompter.errors.size(), 1);
        QVERIFY(prompter.errors.first().contains(QStringLiteral("overflow")));
        QCOMPARE(editor->file().i32(at), 2500);

        auto *text = editor->findChild<QLineEdit *>(QStringLiteral("Edit26"));
        Q_EMIT text->textEdited(QStringLiteral("Out of WEP"));
        QCOMPARE(editor->file().text(recordStart(*editor) + 29536, 40), QStringLiteral("Out of WEP"));
    }

    // The counts' up-downs store, refresh the matrix grid and stay inside the matrix.
    void matrixSizeControls()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        auto *rows = editor->findChild<QSpinBox *>(QStringLiteral("UpDown2"));
        auto *speeds = editor->findChild<QSpinBox *>(QStringLiteral("UpDown3"));
        QVERIFY(editor->findChild<QLineEdit *>(QStringLiteral("Edit21")));
        rows->setValue(50);
        speeds->setValue(80);
        QCOMPARE(editor->file().u8(recordStart(*editor) + 16544), quint8(50));
        QCOMPARE(editor->file().u8(recordStart(*editor) + 16540), quint8(20));
        QCOMPARE(editor->findChild<QLabel *>(QStringLiteral("Label68"))->text(), QStringLiteral("I.e. : 15250 m"));
        QCOMPARE(grid(*editor, "StringGrid2")->model()->rowCount(), 51);
        QCOMPARE(grid(*editor, "StringGrid2")->model()->columnCount(), 21);
        // A stored count beyond the matrix is shown and used as 20, and showing writes nothing.
        editor->file().writeU8(recordStart(*editor) + 16540, 37);
        editor->Update3();
        QCOMPARE(speeds->value(), 20);
        QCOMPARE(grid(*editor, "StringGrid2")->model()->columnCount(), 21);
        QCOMPARE(editor->file().u8(recordStart(*editor) + 16540), quint8(37));
    }

    void wingsColumnFollowsThePlane()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(2, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        QTableView *wings = grid(*editor, "StringGrid5");
        QCOMPARE(wings->model()->columnCount(), 101);
        QCOMPARE(wings->model()->rowCount(), 61);
        QCOMPARE(cellText(*editor, "StringGrid5", 0, 60), QStringLiteral("18300"));
        QVERIFY(setCell(*editor, "StringGrid1", 1, 12, QStringLiteral("57")));
        editor->Update3();
        QCOMPARE(wings->currentIndex().column(), 58);
        QVERIFY(setCell(*editor, "StringGrid1", 1, 12, QStringLiteral("150")));
        editor->Update3();
        QCOMPARE(wings->currentIndex().column(), 58);
        QVERIFY(setCell(*editor, "StringGrid1", 1, 12, QStringLiteral("3.5")));
        editor->Update3();
        QCOMPARE(wings->currentIndex().column(), 1);
        // A wings cell edits the shared table, not a plane record.
        QVERIFY(setCell(*editor, "StringGrid5", 3, 2, QStringLiteral("0.125")));
        QCOMPARE(editor->file().f64(editor->file().WingsTableStart() + 480 * 2 + 8), 0.125);
    }

    void decimalSeparatorShowsAndReadsBack()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        workspace.writeSettings(true, QStringLiteral(","));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        QVERIFY(setCell(*editor, "StringGrid1", 1, 20, QStringLiteral("0,75")));
        QCOMPARE(editor->file().f64(recordStart(*editor) + 152), 0.75);
        QCOMPARE(cellText(*editor, "StringGrid1", 1, 20), QStringLiteral("0,75"));
        QVERIFY(setCell(*editor, "StringGrid1", 1, 20, QStringLiteral("0.5")));
        QCOMPARE(editor->file().f64(recordStart(*editor) + 152), 0.5);
    }

    void planeWithoutRecordShowsEmptyDisabledPages()
    {
        vwtest::TestWorkspace workspace(vwtest::sampleOptions(1, 4));
        vwtest::ScriptedPrompter prompter;
        auto editor = workspace.open(prompter);
        editor->file().setPlaneBlocks(2, 0, editor->file().damageMapOffset(2));
        const QByteArray before = imageOf(*editor);
        editor->planeList()->setCurrentRow(1);
        const auto page = [&](int sub) { return static_cast<QScrollArea *>(editor->flightModelPages()->widget(sub))->widget(); };
        for (int sub = 0; sub < 4; ++sub)
            QVERIFY(!page(sub)->isEnabled());
        QCOMPARE(cellText(*editor, "StringGrid1", 1, 1), QString());
        QCOMPARE(cellText(*editor, "StringGrid4", 1, 1), QString());
        QVERIFY(!setCell(*editor, "StringGrid6", 1, 1, QStringLiteral("1")));
        QVERIFY(imageOf(*editor) == before);
        editor->planeList()->setCurrentRow(0);
        QVERIFY(page(0)->isEnabled());
        QVERIFY(!cellText(*editor, "StringGrid1", 1, 1).isEmpty());
    }
};

VW_TEST(FlightModelPagesTest)

#include "ui_test_flight_model_pages.moc"
