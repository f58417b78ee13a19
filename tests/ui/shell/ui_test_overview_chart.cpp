#include "ui/overview/overview_chart.h"
#include "ui/overview/planes_overview.h"
#include "common/test_registry.h"
#include "common/ui_weapons_support.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QImage>
#include <QLineSeries>
#include <QScatterSeries>
#include <QTableView>

using namespace vwtest;
using vw::app::OverviewChart;
using vw::app::PlanesOverviewDock;

class OverviewChartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The bars of a column stand tallest first, the current plane's marked;
    // an edit redraws them; the chart saves as PNG and SVG.
    void barsFollowTheColumnAndSave()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        open.editor->findChild<QAction *>(QStringLiteral("PlanesOverview1"))->trigger();
        auto *dock = open.editor->findChild<PlanesOverviewDock *>(QStringLiteral("PlanesOverview"));
        OverviewChart *chart = dock->chart();
        const int weight = int(dock->model()->columnPaths().indexOf(QStringLiteral("planes[*].primary.rows[13]"))) + 1;
        chart->setKind(OverviewChart::Bars);
        chart->setColumns(weight, weight);
        chart->redraw();
        const auto bars = [&] { return qobject_cast<QBarSeries *>(chart->chart()->series().first())->barSets().first(); };
        QCOMPARE(bars()->count(), open.editor->file().PlaneCount());
        for (int i = 1; i < bars()->count(); ++i)
            QVERIFY(bars()->at(i - 1) >= bars()->at(i));
        open.choosePlane(3);
        chart->redraw();
        const double third = dock->model()->index(2, weight).data(vw::app::PlanesOverviewModel::SortRole).toDouble();
        QCOMPARE(bars()->selectedBars().size(), 1);
        QCOMPARE(bars()->at(bars()->selectedBars().first()), third);
        // An edit of plane 3's base weight moves its bar to the front.
        QVERIFY(dock->model()->setData(dock->model()->index(2, weight), QStringLiteral("999999"), Qt::EditRole));
        chart->redraw();
        QCOMPARE(bars()->at(0), 999999.0);
        QCOMPARE(bars()->selectedBars(), QList<int>{0});

        chart->resize(800, 500);
        // Painted, the marked bar is the only one in the mark's colour, and it stands first.
        const QImage painted = chart->image();
        int marked = 0, firstMarkedX = painted.width();
        for (int y = 0; y < painted.height(); y += 2)
            for (int x = 0; x < painted.width(); x += 2)
                if (painted.pixelColor(x, y) == QColor(0xd9, 0x48, 0x1c)) {
                    ++marked;
                    firstMarkedX = std::min(firstMarkedX, x);
                }
        QVERIFY(marked > 20);
        QVERIFY2(firstMarkedX < painted.width() / 4, qPrintable(QString::number(firstMarkedX)));
        const QString png = workspace.path(QStringLiteral("chart.png")), svg = workspace.path(QStringLiteral("chart.svg"));
        QVERIFY(chart->savePng(png) && chart->saveSvg(svg));
        QVERIFY(!QImage(png).isNull());
        QFile drawing(svg);
        QVERIFY(drawing.open(QIODevice::ReadOnly) && drawing.readAll().contains("<svg"));
    }

    // The scatter puts the current plane in its own series; the power curves draw one line per chosen plane.
    void scatterAndPowerCurves()
    {
        TestWorkspace workspace;
        OpenEditor open(workspace);
        open.editor->findChild<QAction *>(QStringLiteral("PlanesOverview1"))->trigger();
        OverviewChart *chart = open.editor->findChild<PlanesOverviewDock *>(QStringLiteral("PlanesOverview"))->chart();
        chart->setKind(OverviewChart::Scatter);
        chart->redraw();
        const QList<QAbstractSeries *> points = chart->chart()->series();
        QCOMPARE(points.size(), 2);
        QCOMPARE(qobject_cast<QScatterSeries *>(points[0])->count() + qobject_cast<QScatterSeries *>(points[1])->count(),
                 open.editor->file().PlaneCount());
        QCOMPARE(qobject_cast<QScatterSeries *>(points[1])->count(), 1);
        chart->setKind(OverviewChart::PowerCurves);
        chart->setAltitudeRow(2);
        chart->redraw();
        QCOMPARE(chart->chart()->series().size(), 1); // none chosen: the current plane
        QVERIFY(qobject_cast<QLineSeries *>(chart->chart()->series().first())->count() > 0);
        // Two planes chosen in the table: two handling curves over the 41 speeds.
        auto *dock = open.editor->findChild<PlanesOverviewDock *>(QStringLiteral("PlanesOverview"));
        dock->table()->setSelectionMode(QAbstractItemView::MultiSelection);
        dock->table()->selectRow(1);
        dock->table()->selectRow(3);
        chart->setKind(OverviewChart::HandlingCurves);
        chart->setAxis(2);
        chart->redraw();
        QCOMPARE(chart->chart()->series().size(), 2);
        QCOMPARE(chart->chart()->series().at(1)->name(), QStringLiteral("Sparrowhawk"));
        QCOMPARE(qobject_cast<QLineSeries *>(chart->chart()->series().at(1))->count(), 41);
    }
};

VW_TEST(OverviewChartTest)
#include "ui_test_overview_chart.moc"
