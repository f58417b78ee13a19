// A script that reads and writes one field of every weapon of a 254-plane
// file whose every plane uses all 8 configurations of 16 weapons (32,512
// weapons), as "vornwing-cli script" runs it: by path, and by walking.

#include "core/datafile/sample_builder.h"
#include "core/weapons/weapons_block.h"
#include "scripting/script_host.h"

#include <benchmark/benchmark.h>

namespace {

using vw::datafile::DataFile;

DataFile everyWeapon()
{
    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall256Layout;
    options.planes = 254;
    options.seed = 1;
    DataFile file = DataFile::fromBytes(vw::datafile::buildSampleFile(options), true);
    for (int p = 1; p <= file.PlaneCount(); ++p) {
        vw::weapons::WeaponsBlock block(file, p);
        block.setConfigCount(vw::weapons::WeaponsBlock::Slots);
        for (int c = 1; c <= vw::weapons::WeaponsBlock::Slots; ++c)
            block.config(c).setWeaponCount(vw::weapons::ConfigRecord::Slots);
    }
    return file;
}

// Arg 0: file.get/file.set by path over file.find; arg 1: walking file.plane(n).
void BM_ScriptEveryWeapon(benchmark::State &state)
{
    DataFile file = everyWeapon();
    const QString byPath = QStringLiteral(
        "for (const w of file.find('planes[*].weapons.configurations[*].weapons[*].deviation'))\n"
        "    file.set(w.path, file.get(w.path) * 0.999 + 0.001);\n");
    const QString byWalking = QStringLiteral(
        "for (const p of file.planes) {\n"
        "    const configs = file.plane(p.number).weapons.configurations;\n"
        "    for (let c = 1; c <= 8; ++c) {\n"
        "        const weapons = configs[c].weapons;\n"
        "        for (let w = 1; w <= 16; ++w) { const x = weapons[w]; x.deviation = x.deviation * 0.999 + 0.001; }\n"
        "    }\n"
        "}\n");
    int changed = 0;
    for (auto _ : state) {
        const vw::scripting::ScriptOutcome outcome =
            vw::scripting::runScript(file, state.range(0) == 0 ? byPath : byWalking, QStringLiteral("bench.js"), 600000);
        if (!outcome.ok)
            state.SkipWithError(outcome.error.toUtf8().constData());
        changed = outcome.changedFields;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["changed"] = changed;
}
BENCHMARK(BM_ScriptEveryWeapon)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
