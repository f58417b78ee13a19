#include "common/test_registry.h"
#include "common/ui_support.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/number_text.h"
#include "core/flightmodel/plane_record.h"
#include "ui/powerchart/engine_power_page.h"
#include "ui/powerchart/power_chart_widget.h"

#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QUndoStack>
#include <QWheelEvent>

using vw::flightmodel::PlaneRecord;
using vw::powerchart::EnginePowerPage;

namespace {

struct Fixture {
    vwtest::TestWorkspace workspace{vwtest::sampleOptions(1, 4)};
    vwtest::ScriptedPrompter prompter;
    std::unique_ptr<vw::app::VNEditor> editor = workspace.open(prompter);
    EnginePowerPage *page = editor->findChild<EnginePowerPage *>();
    QTableView *grid = editor->findChild<QTableView *>(QStringLiteral("StringGrid2"));

    PlaneRecord record() { return PlaneRecord(editor->file(), editor->selection().CurrentPlane); }
    QToolButton *button(const char *name) { return editor->findChild<QToolButton *>(QLatin1String(name)); }
    void showEnginePower()
    {
        editor->pages()->setCurrentIndex(2);
        editor->flightModelPages()->setCurrentIndex(1);
    }
    void wheel(int delta)
    {
        QWheelEvent event(QPointF(20, 20), grid->viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(grid->viewport(), &event);
    }
};

} // namespace

class EnginePowerPageTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The wheel raises and lowers only while Flight Model / Engine Power #1 shows.
    void wheelRule()
    {
        Fixture f;
        f.grid->setCurrentIndex(f.grid->model()->index(2, 3));
        const double before = f.record().power(3, 2);
        f.editor->pages()->setCurrentIndex(0);
        f.wheel(120);
        f.editor->pages()->setCurrentIndex(2);
        f.editor->flightModelPages()->setCurrentIndex(0);
        f.wheel(120);
        QCOMPARE(f.record().power(3, 2), before);
        QCOMPARE(f.editor->undoStack()->count(), 0);

        f.showEnginePower();
        f.wheel(120);
        f.wheel(120);
        f.wheel(-120);
        QCOMPARE(f.record().power(3, 2), vw::powerchart::thousandths(before + 0.002));
        QCOMPARE(f.editor->undoStack()->count(), 1); // wheel steps on one cell merge
        QCOMPARE(f.grid->model()->index(2, 3).data().toString(), vw::datafile::formatNumber(f.record().power(3, 2)));
    }

    void raiseIsOneUndoStepAndScopeCycles()
    {
        Fixture f;
        f.showEnginePower();
        QCOMPARE(f.button("SpeedButton6")->text(), QStringLiteral("L-R"));
        f.grid->setCurrentIndex(f.grid->model()->index(4, 5));
        const QByteArray before = vwtest::imageOf(f.editor->file());
        f.button("SpeedButton4")->click();
        f.button("SpeedButton4")->click();
        QCOMPARE(f.editor->undoStack()->count(), 2);
        f.button("SpeedButton6")->click();
        QCOMPARE(f.button("SpeedButton6")->text(), QStringLiteral("U-D"));
        f.editor->undoStack()->undo();
        f.editor->undoStack()->undo();
        QVERIFY(vwtest::imageOf(f.editor->file()) == before);
    }

    void speedCellStoresWholeMph()
    {
        Fixture f;
        QVERIFY(f.grid->model()->setData(f.grid->model()->index(0, 2), QStringLiteral("250.9"), Qt::EditRole));
        QCOMPARE(f.record().speed(2), 250);
        QVERIFY(!f.grid->model()->setData(f.grid->model()->index(0, 2), QStringLiteral("3e9"), Qt::EditRole));
        QCOMPARE(f.record().speed(2), 250);
        QCOMPARE(f.prompter.errors.size(), 1);
        // An equal value leaves the file and the history alone.
        const int steps = f.editor->undoStack()->count();
        QVERIFY(!f.grid->model()->setData(f.grid->model()->index(3, 1), f.grid->model()->index(3, 1).data(), Qt::EditRole));
        QCOMPARE(f.editor->undoStack()->count(), steps);
    }

    // Placing points with the mouse and applying them writes the current column in one step.
    void controlPointsPlacedAndApplied()
    {
        Fixture f;
        f.showEnginePower();
        f.editor->show();
        f.grid->setCurrentIndex(f.grid->model()->index(1, 4));
        auto *image3 = f.editor->findChild<vw::powerchart::PowerChartWidget *>(QStringLiteral("Image3"));
        QTest::mouseClick(image3, Qt::LeftButton, {}, QPoint(384, 50)); // ignored: placement is off
        QVERIFY(f.page->controlPoints().empty());
        f.button("SpeedButton14")->click();
        const double s = vw::powerchart::altitudeScale(f.grid->model()->rowCount());
        QTest::mouseClick(image3, Qt::LeftButton, {}, QPoint(384, 10));
        QTest::mouseClick(image3, Qt::LeftButton, {}, QPoint(192, 185 - int(std::lround(5 * s))));
        QCOMPARE(f.page->controlPoints().size(), size_t(2));
        QTest::mouseMove(image3, QPoint(240, 185 - int(std::lround(3 * s))));
        QCOMPARE(f.editor->statusBar()->currentMessage(), QStringLiteral("Altitude: 915 m.  Power: 0.5"));
        f.button("SpeedButton15")->click();
        for (int r = 1; r <= 5; ++r)
            QCOMPARE(f.record().power(4, r), vw::powerchart::thousandths(0.8 - 0.1 * (r - 1)));
        QVERIFY(f.page->controlPoints().empty());
        QCOMPARE(f.editor->undoStack()->count(), 1);
        // Speed mode: placement is released and disabled.
        f.button("SpeedButton14")->setChecked(true);
        f.button("SpeedButton12")->click();
        QVERIFY(!f.button("SpeedButton14")->isEnabled());
        QVERIFY(!f.button("SpeedButton14")->isChecked());
    }

    void normaliseIsOneUndoStep()
    {
        Fixture f;
        f.record().setPower(2, 3, 0.12345);
        f.record().setPower(3, 4, 0.6789);
        f.button("SpeedButton16")->click();
        QCOMPARE(f.record().power(2, 3), 0.123);
        QCOMPARE(f.record().power(3, 4), 0.679);
        QCOMPARE(f.editor->undoStack()->count(), 1);
        // The documented hint is the first line of the tooltip; the second says what the button does.
        QCOMPARE(f.button("SpeedButton16")->toolTip().section(QLatin1Char('\n'), 0, 0), QStringLiteral("Нормализовать значения (x.xxx)"));
    }
};

VW_TEST(EnginePowerPageTest)

#include "ui_test_engine_power_page.moc"
