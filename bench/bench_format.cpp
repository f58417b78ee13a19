// The plane list reports and "Correct Fuel by Time" on a 254-plane file, and
// "Add header for 128 planes" on a full 126-plane file, each recorded for undo
// as the editor records a user action.

#include "core/operations/plane_reports.h"
#include "core/workspace/support_files.h"
#include "core/operations/format_maintenance.h"
#include "core/datafile/sample_builder.h"

#include <benchmark/benchmark.h>

namespace {

using vw::datafile::DataFile;

DataFile sample(int layout, int planes)
{
    vw::datafile::SampleOptions options;
    options.layout = layout;
    options.planes = planes;
    return DataFile::fromBytes(vw::datafile::buildSampleFile(options), true);
}

DataFile &file254()
{
    static DataFile file = sample(vw::datafile::Openhall256Layout, 254);
    return file;
}

void BM_PlaneReport(benchmark::State &state)
{
    DataFile &file = file254();
    const auto report = vw::app::PlaneReport(state.range(0));
    const QStringList names = vw::app::damagePartNames();
    for (auto _ : state) {
        file.beginRecording();
        QByteArray text = vw::app::planeReport(file, report, QLatin1Char('.'), names);
        file.endRecording();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_PlaneReport)
    ->ArgName("report")
    ->DenseRange(int(vw::app::PlaneReport::PlainList), int(vw::app::PlaneReport::TimeOfFlightHtml))
    ->Unit(benchmark::kMillisecond);

void BM_CorrectFuelByTime(benchmark::State &state)
{
    DataFile &file = file254();
    QByteArray wanted;
    for (int p = 1; p <= 254; ++p)
        wanted += QByteArray::number(1.5 + (p % 7) * 0.25) + "\r\n";
    for (auto _ : state) {
        file.beginRecording();
        vw::app::correctFuelByTime(file, wanted);
        const auto changes = file.endRecording();
        state.PauseTiming();
        file.undo(changes);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CorrectFuelByTime)->Unit(benchmark::kMillisecond);

void BM_AddRoomFor256Planes(benchmark::State &state)
{
    DataFile file = sample(vw::datafile::Openhall128Layout, 126);
    for (auto _ : state) {
        file.beginRecording();
        vw::datafile::addRoomFor256Planes(file);
        const auto changes = file.endRecording();
        state.PauseTiming();
        file.undo(changes);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddRoomFor256Planes)->Unit(benchmark::kMillisecond);

void BM_RegenerateOffsets(benchmark::State &state)
{
    DataFile file = sample(vw::datafile::Openhall256Layout, 126);
    file.setPlaneCount(254);
    for (auto _ : state) {
        file.beginRecording();
        vw::datafile::regenerateOffsets(file);
        const auto changes = file.endRecording();
        state.PauseTiming();
        file.undo(changes);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_RegenerateOffsets)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
