// Finding and changing fields by their patterns on a 254-plane file whose
// every plane uses all 8 configurations of 16 weapons (32,512 weapons): a find
// over every weapon as "find" runs it, and a change of every weapon's
// deviation as "edit" runs it. bench/cli_commands.sh times the whole commands.

#include "core/datafile/sample_builder.h"
#include "core/operations/field_query.h"
#include "core/weapons/weapons_block.h"

#include <benchmark/benchmark.h>

namespace {

using vw::datafile::DataFile;

const char *const AnyWeapon = "planes[*].weapons.configurations[*].weapons[*].";

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

// Arg 0: one condition on every weapon; arg 1: with a condition on its plane too.
void BM_FindEveryWeapon(benchmark::State &state)
{
    const DataFile file = everyWeapon();
    QList<vw::app::Condition> conditions{vw::app::parseCondition(QLatin1String(AnyWeapon) + "ammo >= 0")};
    if (state.range(0) == 1)
        conditions << vw::app::parseCondition(QStringLiteral("planes[*].header.plane_type >= 0"));
    qsizetype found = 0;
    for (auto _ : state) {
        found = 0;
        vw::app::findFields(file, conditions, [&](const vw::app::fields::Match &, const vw::app::fields::Value &) { ++found; });
        benchmark::DoNotOptimize(found);
    }
    state.counters["fields"] = double(found);
}
BENCHMARK(BM_FindEveryWeapon)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Every weapon's deviation changed, with its list of changes (each run sets
// the other of two values, so that every field changes).
void BM_EditEveryDeviation(benchmark::State &state)
{
    DataFile file = everyWeapon();
    const QList<vw::app::Assignment> assignments[] = {
        {vw::app::parseAssignment(QLatin1String(AnyWeapon) + "deviation = 0.5")},
        {vw::app::parseAssignment(QLatin1String(AnyWeapon) + "deviation = 0.75")}};
    int round = 0, changed = 0;
    for (auto _ : state) {
        const vw::app::EditOutcome outcome = vw::app::applyEdit(file, assignments[round++ % 2], {});
        changed = outcome.changedFields;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["changed"] = changed;
}
BENCHMARK(BM_EditEveryDeviation)->Unit(benchmark::kMillisecond);

// The same with the change worked out from the field itself and the list's lines made.
void BM_EditEveryDeviationWithLines(benchmark::State &state)
{
    DataFile file = everyWeapon();
    const QList<vw::app::Assignment> assignments{vw::app::parseAssignment(QLatin1String(AnyWeapon) + "deviation *= 0.999")};
    for (auto _ : state) {
        const vw::app::EditOutcome outcome = vw::app::applyEdit(file, assignments, {});
        QByteArray text;
        for (const vw::app::FieldChange &c : outcome.changes)
            text += (vw::app::changeLine(assignments[c.assignment], c) + QLatin1Char('\n')).toUtf8();
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_EditEveryDeviationWithLines)->Unit(benchmark::kMillisecond);

} // namespace
