// Plane switches through the whole refresh cascade with the Flight Model and
// Wings pages filled and the engine power chart drawn, on a 254-plane file.

#include "ui/common/plane_list_view.h"
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

// Message boxes would stop the run: the benchmark answers none.
class SilentPrompter : public vw::app::Prompter {
public:
    void information(QWidget *, const QString &) override {}
    void warning(QWidget *, const QString &) override {}
    void error(QWidget *, const QString &) override {}
};

struct Editor {
    QTemporaryDir dir;
    SilentPrompter prompter;
    std::unique_ptr<vw::app::VNEditor> window;

    Editor()
    {
        QDir(dir.path()).mkpath(QStringLiteral("editor"));
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        write(QStringLiteral("misc.bin"), vw::datafile::buildSampleFile(options));
        QByteArray fm;
        for (int row = 1; row <= 171; ++row)
            fm += "Row " + QByteArray::number(row) + "\r\n";
        write(QStringLiteral("editor/FM.dat"), fm);
        write(QStringLiteral("editor/editor.ini"), "0\r\n1\r\n\r\n\r\n1\r\n\r\n.\r\n");
        write(QStringLiteral("editor/planes.dat"), QByteArray("Plane\r\n").repeated(4 * 254));
        write(QStringLiteral("editor/readme.txt"), "Help\r\n");
        vw::app::StartupOptions startup;
        startup.programDirectory = dir.path();
        startup.prompter = &prompter;
        window = std::make_unique<vw::app::VNEditor>(startup);
        window->show();
        window->pages()->setCurrentIndex(2);
        window->flightModelPages()->setCurrentIndex(1);
        QCoreApplication::processEvents();
    }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }
};

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

