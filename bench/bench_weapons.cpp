// The weapon batch adjustments and the ammunition halving on a 254-plane file
// with 8 configurations of 16 weapons per plane (32,512 weapons), each run as
// one recorded undo step; and UpdateGraph's two views.

#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/weapons/ammo_table.h"
#include "ui/weapons/more_weapons_painter.h"
#include "core/weapons/weapon_batch.h"
#include "core/weapons/weapons_block.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <functional>

namespace {

using vw::datafile::DataFile;
using namespace vw::weapons;

DataFile &fullFile()
{
    static DataFile file = [] {
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        DataFile f = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(options), false);
        QStringList names;
        for (int p = 1; p <= 254; ++p) {
            WeaponsBlock block(f, p);
            block.setConfigCount(8);
            for (int c = 1; c <= 8; ++c) {
                ConfigRecord config = block.config(c);
                config.setWeaponCount(16);
                for (int w = 1; w <= 16; ++w) {
                    WeaponRecord weapon = config.weapon(w);
                    weapon.setAmmoType((p + c + w) % 100);
                    weapon.setAmmo(100 + w * 37);
                    weapon.setDeviation(0.3 + 0.07 * w);
                    weapon.setFireDelay(100 + w);
                    weapon.setTracerCount(0);
                }
            }
        }
        return f;
    }();
    return file;
}

const QStringList &ammoNames()
{
    static const QStringList names = [] {
        QStringList n;
        for (int k = 0; k < 151; ++k)
            n << (k % 7 == 0 ? QStringLiteral("Bomb %1").arg(k) : QStringLiteral("Gun %1").arg(k));
        return n;
    }();
    return names;
}

// Each run is one undo step; the step is undone outside the timing so every
// run starts from the same file.
void runRecorded(benchmark::State &state, const std::function<void(DataFile &)> &command)
{
    DataFile &file = fullFile();
    for (auto _ : state) {
        file.beginRecording();
        command(file);
        const auto changes = file.endRecording();
        state.PauseTiming();
        file.undo(changes);
        state.ResumeTiming();
    }
}

void BM_SetBurstsToAmmo(benchmark::State &state) { runRecorded(state, [](DataFile &f) { setBurstsToAmmo(f); }); }
void BM_ReduceDeviation(benchmark::State &state) { runRecorded(state, [](DataFile &f) { reduceDeviation(f); }); }
void BM_SetBombDeviation(benchmark::State &state)
{
    runRecorded(state, [](DataFile &f) { setBombDeviation(f, QStringLiteral("1"), QStringLiteral("1.5"), ammoNames()); });
}
void BM_SetTracerCount(benchmark::State &state) { runRecorded(state, [](DataFile &f) { setTracerCount(f); }); }
void BM_HalveFireDelay(benchmark::State &state) { runRecorded(state, [](DataFile &f) { halveFireDelay(f); }); }
void BM_RemoveSkipBombs(benchmark::State &state) { runRecorded(state, [](DataFile &f) { removeSkipBombs(f); }); }
void BM_HalveAmmoDamage(benchmark::State &state) { runRecorded(state, [](DataFile &f) { halveAmmoDamage(f); }); }

// UpdateGraph: both views of a configuration of 16 weapons with all four arc limits.
void BM_UpdateGraph(benchmark::State &state)
{
    const WeaponViewInput in = weaponViewInput(fullFile(), 7, 3, 5, QStringLiteral("-30"), QStringLiteral("30"),
                                               QStringLiteral("-10"), QStringLiteral("45.5"));
    QImage top(ViewSize, ViewSize, QImage::Format_RGB32), front(ViewSize, ViewSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter a(&top);
        paintTopView(a, in);
        a.end();
        QPainter b(&front);
        paintFrontView(b, in);
        b.end();
        benchmark::DoNotOptimize(top.constBits());
    }
}

BENCHMARK(BM_SetBurstsToAmmo)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReduceDeviation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SetBombDeviation)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_SetTracerCount)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HalveFireDelay)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_RemoveSkipBombs)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_HalveAmmoDamage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdateGraph)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace
