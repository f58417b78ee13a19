// The three-way merge and the field lines on 254-plane files (10.3 MB each),
// without reading or writing files: bench/merge_commands.sh times the whole
// commands.

#include "core/datafile/sample_builder.h"
#include "core/operations/plane_merge.h"
#include "core/planedata/field_lines.h"
#include "core/weapons/weapons_block.h"

#include <benchmark/benchmark.h>

namespace {

using vw::datafile::DataFile;

QByteArray sampleBytes(quint32 seed)
{
    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall256Layout;
    options.planes = 254;
    options.seed = seed;
    return vw::datafile::buildSampleFile(options);
}

// `first`..`last`: the planes whose first weapon gets another ammo (+ `by`).
QByteArray changed(const QByteArray &bytes, int first, int last, int by)
{
    DataFile file = DataFile::fromBytes(bytes, true);
    for (int p = first; p <= last; ++p) {
        vw::weapons::WeaponsBlock block(file, p);
        block.config(1).weapon(1).setAmmo(block.config(1).weapon(1).ammo() % 1000 + by);
    }
    return file.toBytes(true);
}

// Arg 0: a few hundred fields changed on each side (planes 1..200 and 50..249,
// 150 of them in conflict); arg 1: every sample value changed on THEIRS.
void BM_Merge(benchmark::State &state)
{
    const QByteArray baseBytes = sampleBytes(1);
    const DataFile base = DataFile::fromBytes(baseBytes, true);
    const DataFile ours = DataFile::fromBytes(state.range(0) == 0 ? changed(baseBytes, 1, 200, 1) : baseBytes, true);
    const DataFile theirs = DataFile::fromBytes(state.range(0) == 0 ? changed(baseBytes, 50, 249, 2) : sampleBytes(2), true);
    const QByteArray oursImage = ours.toBytes(false);
    for (auto _ : state) {
        state.PauseTiming();
        DataFile out = DataFile::fromBytes(oursImage, false);
        state.ResumeTiming();
        vw::app::MergeResult result = vw::app::mergeFiles(base, ours, theirs, out, vw::app::MergePreference::Ours);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Merge)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_FieldLines(benchmark::State &state)
{
    const DataFile file = DataFile::fromBytes(sampleBytes(1), true);
    for (auto _ : state) {
        QByteArray text = vw::app::fieldLines(file);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_FieldLines)->Unit(benchmark::kMillisecond);

} // namespace
