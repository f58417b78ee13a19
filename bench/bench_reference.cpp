// The reference file on a 254-plane file whose every plane differs from the
// reference: a plane switch with the pages marked, a page shown again, and
// one edit with the count of differences followed.

#include "bench_editor.h"
#include "ui/common/reference_file.h"
#include "core/flightmodel/plane_record.h"

#include <benchmark/benchmark.h>

#include <QTabWidget>

namespace {

vwbench::Editor &editor()
{
    // Never destroyed: the window must not outlive the application at exit.
    static vwbench::Editor &instance = *new vwbench::Editor;
    static const bool loaded = [] {
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        options.seed = 2; // another sample: every plane differs
        instance.write(QStringLiteral("stock.bin"), vw::datafile::buildSampleFile(options));
        return instance.window->setReferenceFile(instance.dir.filePath(QStringLiteral("stock.bin")));
    }();
    (void)loaded;
    return instance;
}

// A click on another plane: every page shown again, every field and grid
// cell marked, and the page shown painted (first arg: 0 Weapons, 2 Flight
// Model; second: 1 with the reference, 0 without it, for the difference).
void BM_PlaneSwitchWithReference(benchmark::State &state)
{
    vwbench::Editor &e = editor();
    if (state.range(1) == 0)
        e.window->DropReference1Click();
    else if (!e.window->reference()->isLoaded())
        e.window->setReferenceFile(e.dir.filePath(QStringLiteral("stock.bin")));
    e.window->pages()->setCurrentIndex(int(state.range(0)));
    QCoreApplication::processEvents();
    int plane = 1;
    for (auto _ : state) {
        plane = plane % 254 + 1;
        e.window->document().makePlaneCurrent(plane);
        e.window->repaint();
    }
}
BENCHMARK(BM_PlaneSwitchWithReference)->Args({0, 0})->Args({0, 1})->Args({2, 0})->Args({2, 1})->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The pages shown again with the marks (Update1), and painted.
void BM_PageRefreshWithReference(benchmark::State &state)
{
    vwbench::Editor &e = editor();
    if (!e.window->reference()->isLoaded())
        e.window->setReferenceFile(e.dir.filePath(QStringLiteral("stock.bin")));
    e.window->pages()->setCurrentIndex(0);
    QCoreApplication::processEvents();
    for (auto _ : state) {
        e.window->Update1();
        e.window->repaint();
    }
}
BENCHMARK(BM_PageRefreshWithReference)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// One edit of a base weight: the plane counted again and the marks followed.
void BM_EditFollowedByCount(benchmark::State &state)
{
    vwbench::Editor &e = editor();
    if (!e.window->reference()->isLoaded())
        e.window->setReferenceFile(e.dir.filePath(QStringLiteral("stock.bin")));
    double value = 5000;
    for (auto _ : state) {
        value += 1;
        e.window->document().edit(QStringLiteral("weight"), vw::app::MergeKey::none(), [&] {
            vw::flightmodel::PlaneRecord(e.window->file(), 7).setPrimary(13, value);
        });
        benchmark::DoNotOptimize(e.window->reference()->differenceCount());
    }
}
BENCHMARK(BM_EditFollowedByCount)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
