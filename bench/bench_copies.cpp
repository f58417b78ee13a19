// The flight-model plane passes and a whole-plane Copy + Paste batch on a
// 254-plane file, each recorded for undo as the editor records one action.

#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/flightmodel/flight_model_adjustments.h"
#include "core/flightmodel/plane_copy_buffer.h"

#include <benchmark/benchmark.h>

using vw::datafile::DataFile;

namespace {

DataFile &file254()
{
    static DataFile file = [] {
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(options), false);
    }();
    return file;
}

// One recorded action per iteration; it is undone outside the timing so every
// iteration starts from the same values.
template <class Action>
void recordedAction(benchmark::State &state, Action action)
{
    DataFile &file = file254();
    for (auto _ : state) {
        file.beginRecording();
        action(file);
        vw::datafile::ChangeSet changes = file.endRecording();
        state.PauseTiming();
        if (changes.empty())
            state.SkipWithError("the action changed nothing");
        file.undo(changes);
        state.ResumeTiming();
    }
}

void BM_ReduceRollInertia(benchmark::State &state)
{
    recordedAction(state, [](DataFile &file) { benchmark::DoNotOptimize(vw::flightmodel::reduceRollInertia(file)); });
}
BENCHMARK(BM_ReduceRollInertia)->Unit(benchmark::kMillisecond);

void BM_ReduceLowSpeedHandling(benchmark::State &state)
{
    recordedAction(state, [](DataFile &file) { benchmark::DoNotOptimize(vw::flightmodel::reduceLowSpeedHandling(file)); });
}
BENCHMARK(BM_ReduceLowSpeedHandling)->Unit(benchmark::kMillisecond);

void BM_IncreaseLowSpeedHandling(benchmark::State &state)
{
    recordedAction(state, [](DataFile &file) { benchmark::DoNotOptimize(vw::flightmodel::increaseLowSpeedHandling(file)); });
}
BENCHMARK(BM_IncreaseLowSpeedHandling)->Unit(benchmark::kMillisecond);

// Copy planes 1..127 into slots 1..127, then Paste them onto planes 128..254:
// two recorded actions, as the user makes them.
void BM_CopyPasteBatch127(benchmark::State &state)
{
    DataFile &file = file254();
    for (auto _ : state) {
        vw::flightmodel::PlaneCopyBuffer buffer;
        file.beginRecording();
        const auto copied = vw::flightmodel::copyPlanesToBuffer(file, buffer, 1, 1, 127);
        vw::datafile::ChangeSet copyChanges = file.endRecording();
        file.beginRecording();
        const auto pasted = vw::flightmodel::pastePlanesFromBuffer(file, buffer, 128, 1, 127);
        vw::datafile::ChangeSet pasteChanges = file.endRecording();
        state.PauseTiming();
        if (copied.handled != 127 || pasted.handled != 127 || pasteChanges.empty())
            state.SkipWithError("the batch did not copy and paste 127 planes");
        file.undo(pasteChanges);
        benchmark::DoNotOptimize(copyChanges);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_CopyPasteBatch127)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
