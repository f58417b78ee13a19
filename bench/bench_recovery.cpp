// What the recovery file costs an edit on a full 254-plane file (every plane
// with its record and damage map, about 10.3 MB): a keystroke typed into a
// field (merged into the step before), a new step, and undo + redo, each with
// the recovery file written and without it. A plane switch changes nothing
// and writes nothing to the recovery file.

#include "ui/common/editor_document.h"
#include "ui/common/prompter_dialog.h"
#include "core/workspace/recovery_journal.h"
#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"

#include <QTemporaryDir>
#include <QUndoStack>

#include <benchmark/benchmark.h>

using vw::app::EditorDocument;
using vw::app::MergeKey;
using vw::app::RecoveryJournal;

namespace {

const QByteArray &fullFile()
{
    static const QByteArray bytes = [] {
        vw::datafile::SampleOptions options;
        options.layout = vw::datafile::Openhall256Layout;
        options.planes = 254;
        return vw::datafile::buildSampleFile(options);
    }();
    return bytes;
}

struct Setup {
    vw::app::Prompter prompter;
    EditorDocument document{prompter};
    QTemporaryDir folder;
    RecoveryJournal journal{folder.path()};

    explicit Setup(bool recovery)
    {
        document.replaceFile(vw::datafile::DataFile::fromBytes(fullFile(), true), folder.filePath(QStringLiteral("misc.bin")));
        if (recovery) {
            journal.start(folder.filePath(QStringLiteral("misc.bin")), true,
                          vw::app::diskVersionOf(folder.filePath(QStringLiteral("misc.bin")), fullFile()), {});
            document.setJournal(&journal);
        }
    }
    // A double of a plane's record, as a field of the Primary page stores it.
    void store(int plane, int step, const MergeKey &key)
    {
        const std::int64_t at = document.file().recordOffset(plane) + 16;
        document.edit(QStringLiteral("edit"), key, [&] { document.file().writeF64(at, 0.25 * step); });
    }
};

void BM_Keystroke(benchmark::State &state)
{
    Setup setup(state.range(0) != 0);
    int step = 0;
    for (auto _ : state)
        setup.store(200, ++step, MergeKey::forPlane(QStringLiteral("Field"), 200));
    state.SetLabel(state.range(0) ? "with recovery file" : "without");
}
BENCHMARK(BM_Keystroke)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_NewStep(benchmark::State &state)
{
    Setup setup(state.range(0) != 0);
    int step = 0;
    for (auto _ : state) {
        ++step;
        setup.store(1 + step % 254, step, MergeKey::none());
    }
    state.SetLabel(state.range(0) ? "with recovery file" : "without");
}
BENCHMARK(BM_NewStep)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

void BM_UndoRedo(benchmark::State &state)
{
    Setup setup(state.range(0) != 0);
    for (int step = 1; step <= 10; ++step)
        setup.store(step, step, MergeKey::none());
    for (auto _ : state) {
        setup.document.undoStack()->undo();
        setup.document.undoStack()->redo();
    }
    state.SetLabel(state.range(0) ? "with recovery file" : "without");
}
BENCHMARK(BM_UndoRedo)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// The first step after a load or a save makes the recovery file: where the
// recording begins and the undo history then (here 50 steps).
void BM_FirstStepAfterSave(benchmark::State &state)
{
    Setup setup(true);
    for (int step = 1; step <= 50; ++step)
        setup.store(step, step, MergeKey::none());
    const QString path = setup.folder.filePath(QStringLiteral("misc.bin"));
    const vw::app::DiskVersion saved = vw::app::diskVersionOf(path, fullFile());
    int step = 0;
    for (auto _ : state) {
        setup.journal.start(path, true, saved, setup.document.history());
        setup.store(100, ++step, MergeKey::none());
    }
}
BENCHMARK(BM_FirstStepAfterSave)->Unit(benchmark::kMicrosecond);

// What the editor does once per load and before each save over the open
// file: the file's hash, to tell another program's change.
void BM_DiskVersion(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(vw::app::diskVersionOf(QString(), fullFile()));
}
BENCHMARK(BM_DiskVersion)->Unit(benchmark::kMillisecond);

} // namespace
