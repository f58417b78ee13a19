// The planes overview on a 254-plane file: opening it with every plane, and
// one edit followed by the table and the bar chart drawn again.

#include "bench_editor.h"
#include "core/flightmodel/plane_record.h"
#include "ui/overview/overview_chart.h"
#include "ui/overview/planes_overview.h"

#include <benchmark/benchmark.h>

#include <QChartView>
#include <QTableView>

namespace {

vwbench::Editor &editor()
{
    static vwbench::Editor instance;
    return instance;
}

// View > Planes overview: the model of every plane and its table laid out and painted.
void BM_OpenOverview(benchmark::State &state)
{
    vwbench::Editor &e = editor();
    for (auto _ : state) {
        auto *dock = new vw::app::PlanesOverviewDock(e.window->document(), e.window.get());
        e.window->addDockWidget(Qt::BottomDockWidgetArea, dock);
        dock->show();
        dock->table()->viewport()->repaint();
        state.PauseTiming();
        delete dock;
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenOverview)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One edit of a base weight with the overview open on its chart of base
// weights (254 bars): the edit, the table and the chart drawn again.
void BM_EditWithOverviewAndChart(benchmark::State &state)
{
    vwbench::Editor &e = editor();
    vw::app::PlanesOverviewDock *dock = e.window->planesOverview();
    dock->show();
    dock->showChart(state.range(0) != 0);
    const int weight = int(dock->model()->columnPaths().indexOf(QStringLiteral("planes[*].primary.rows[13]"))) + 1;
    dock->chart()->setColumns(weight, weight);
    QCoreApplication::processEvents();
    double value = 5000;
    for (auto _ : state) {
        value += 1;
        e.window->document().edit(QStringLiteral("weight"), vw::app::MergeKey::none(), [&] {
            vw::flightmodel::PlaneRecord(e.window->file(), 7).setPrimary(13, value);
        });
        dock->chart()->view()->viewport()->repaint();
        dock->table()->viewport()->repaint();
    }
}
BENCHMARK(BM_EditWithOverviewAndChart)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
