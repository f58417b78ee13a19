// The plane data as JSON on a 254-plane file (every plane with its record and
// damage map: 10.3 MB, its export 26.8 MB): the export's text, the import of a
// whole export as "import" runs it (the text parsed, checked and written), and
// the field differences between two such files as "diff" and "Compare with..."
// compute them. bench/cli_commands.sh times the whole commands.

#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"
#include "core/datafile/sample_builder.h"
#include "core/weapons/weapons_block.h"

#include <benchmark/benchmark.h>


namespace {

using vw::datafile::DataFile;

DataFile sample(quint32 seed)
{
    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall256Layout;
    options.planes = 254;
    options.seed = seed;
    return DataFile::fromBytes(vw::datafile::buildSampleFile(options), true);
}

void BM_Export(benchmark::State &state)
{
    const DataFile file = sample(1);
    for (auto _ : state) {
        QByteArray text = vw::app::exportFileText(file);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_Export)->Unit(benchmark::kMillisecond);

// The same text through the document: built as JSON values, then QJsonDocument's text.
void BM_ExportThroughDocument(benchmark::State &state)
{
    const DataFile file = sample(1);
    for (auto _ : state) {
        QByteArray text = vw::app::exportText(vw::app::exportPlanes(file));
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_ExportThroughDocument)->Unit(benchmark::kMillisecond);

// Arg 0: the export of the file itself (every field checked, none written);
// arg 1: the export of another file (every sample value written).
void BM_Import(benchmark::State &state)
{
    const QByteArray target = sample(1).toBytes(true);
    const QByteArray text = vw::app::exportText(vw::app::exportPlanes(sample(state.range(0) == 0 ? 1 : 2)));
    for (auto _ : state) {
        state.PauseTiming();
        DataFile file = DataFile::fromBytes(target, true);
        state.ResumeTiming();
        vw::app::importPatch(file, vw::app::parsePatch(text));
        benchmark::DoNotOptimize(file);
    }
    state.counters["megabytes"] = double(text.size()) / 1e6;
}
BENCHMARK(BM_Import)->ArgName("all_differ")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The second file of a comparison. Arg 0: it differs in one weapon's ammo;
// arg 1: every sample value differs (another seed), the most a diff has to list.
DataFile secondFile(const benchmark::State &state)
{
    DataFile b = sample(state.range(0) == 0 ? 1 : 2);
    if (state.range(0) == 0)
        vw::weapons::WeaponsBlock(b, 200).config(1).weapon(1).setAmmo(4321);
    return b;
}

// The whole diff as "diff" runs it: the planes whose bytes differ compared
// field by field through the field tables.
void BM_Diff(benchmark::State &state)
{
    const DataFile a = sample(1);
    const DataFile b = secondFile(state);
    qsizetype found = 0;
    for (auto _ : state) {
        const QList<vw::app::FieldDifference> differences = vw::app::diffFiles(a, b);
        found = differences.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["differences"] = double(found);
}
BENCHMARK(BM_Diff)->ArgName("all_differ")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
