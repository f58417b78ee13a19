// The damage map views and a placement as the Plane Damage Maps page runs them:
// the 3D view of a full map, the flat view of one level, and a double-click
// placement recorded for undo and followed by the flat redraw.

#include "core/damage/damage_map_edits.h"
#include "ui/damage/damage_map_painter.h"
#include "core/datafile/sample_builder.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

namespace {

using namespace vw::damage;

// Every catalogue part; all 8,192 cells filled, or every other cell in a
// checkerboard, where no cube hides another's face.
DamageMapInput fullMap(bool checkerboard = false)
{
    DamageMapInput in;
    in.map = QByteArray(DamageMapView::Size, '\0');
    for (int i = 0; i < DamageMapView::Size; ++i)
        if (!checkerboard || (i + i / 32 + i / 1024) % 2 == 0)
            in.map[i] = char(1 + (i * 7 + i / 1024) % 32);
    in.level = 3;
    return in;
}

void BM_Damage3D(benchmark::State &state)
{
    const DamageMapInput in = fullMap(state.range(0) == 1);
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintDamage3D(painter, in);
    }
}
BENCHMARK(BM_Damage3D)->ArgName("checkerboard")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_FlatView(benchmark::State &state)
{
    const DamageMapInput in = fullMap();
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        paintDamageMapFlat(painter, in);
    }
}
BENCHMARK(BM_FlatView)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Image4DblClick: the write through a recording (one undo step of the editor),
// the map's own undo entry, then ReDrawMap in the flat view.
void BM_Placement(benchmark::State &state)
{
    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall256Layout;
    options.planes = 254;
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(options), false);
    MapUndo undo;
    QImage image(MapImageSize, MapImageSize, QImage::Format_RGB32);
    int i = 0;
    for (auto _ : state) {
        ++i;
        const QPoint cursor(i % 32, (i / 32) % 32);
        file.beginRecording();
        placePart(file, undo, 100, 2, cursor, 1 + i % 32);
        benchmark::DoNotOptimize(file.endRecording());
        QPainter painter(&image);
        paintDamageMapFlat(painter, damageMapInput(file, 100, 2, cursor));
    }
}
BENCHMARK(BM_Placement)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

