// Plane switches through the whole refresh cascade with the Flight Model and
// Wings pages filled and the engine power chart drawn, on a 254-plane file.

#include "ui/common/plane_list_view.h"
#include "bench_editor.h"
#include "ui/common/prompter_dialog.h"
#include "ui/shell/vn_editor.h"
#include "core/datafile/sample_builder.h"
#include "core/flightmodel/plane_record.h"
#include "ui/powerchart/engine_power_page.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>

namespace {

using vwbench::Editor;

Editor &editor()
{
    static Editor instance;
    return instance;
}

// A click in the plane list: Update1, Update2, Update3 and every page of the plane.
void BM_SwitchPlane(benchmark::State &state)
{
    Editor &e = editor();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 254;
        e.window->planeList()->setCurrentRow(row);
    }
}
BENCHMARK(BM_SwitchPlane)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The same, with the window painted as the user sees it after each switch.
void BM_SwitchPlaneAndPaint(benchmark::State &state)
{
    Editor &e = editor();
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 254;
        e.window->planeList()->setCurrentRow(row);
        e.window->repaint();
    }
}
BENCHMARK(BM_SwitchPlaneAndPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// ReDrawPowerGreaph alone, with a 20 x 80 matrix.
void BM_RedrawPowerChart(benchmark::State &state)
{
    Editor &e = editor();
    e.window->planeList()->setCurrentRow(5);
    vw::flightmodel::PlaneRecord record(e.window->file(), 6);
    e.window->file().writeU8(record.at(vw::flightmodel::PlaneRecord::SpeedPointCountOffset), 20);
    e.window->file().writeU8(record.at(vw::flightmodel::PlaneRecord::AltitudeRowCountOffset), 80);
    e.window->Update3();
    auto *page = e.window->findChild<vw::powerchart::EnginePowerPage *>();
    for (auto _ : state)
        page->ReDrawPowerGreaph(10, 5);
}
BENCHMARK(BM_RedrawPowerChart)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

