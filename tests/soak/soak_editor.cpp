// The editor over a long session: a 254-plane file is opened, edited through
// every page, every edit is undone (the image must equal the loaded one),
// saved and opened again, round after round. The resident memory and the
// heap in use (the bytes the program holds, without the allocator's own
// keeping) are printed at rounds 1, 100, 500 and the last, and the run fails
// when either grew between round 100 and the last by more than the tolerance.
//
//   soak_editor [--rounds N] [--tolerance-mb M]

#include "core/operations/batch_operations.h"
#include "ui/common/editor_document.h"
#include "ui/common/merge_key.h"
#include "common/ui_support.h"
#include "common/widget_walk.h"
#include "core/datafile/sample_builder.h"

#include <QApplication>
#include <QFile>
#include <QUndoStack>

#include <cstdio>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VW_ADDRESS_SANITIZER 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define VW_ADDRESS_SANITIZER 1
#endif
#ifdef VW_ADDRESS_SANITIZER
#include <sanitizer/allocator_interface.h>
#elif defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// Resident memory in kB, or -1 where it cannot be read.
long residentKb()
{
#ifdef Q_OS_LINUX
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
#endif
    return -1;
}

// The bytes the program's allocations hold now, in kB, or -1 where it cannot be read.
long heapInUseKb()
{
#ifdef VW_ADDRESS_SANITIZER
    return long(__sanitizer_get_current_allocated_bytes() / 1024);
#elif defined(__GLIBC__)
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

int argument(const QStringList &args, const QString &name, int fallback)
{
    const qsizetype at = args.indexOf(name);
    return at >= 0 && at + 1 < args.size() ? args[at + 1].toInt() : fallback;
}

QByteArray plainImage(const vw::datafile::DataFile &file)
{
    return QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.FileSize()));
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rounds = argument(args, QStringLiteral("--rounds"), 1000);
    const int toleranceMb = argument(args, QStringLiteral("--tolerance-mb"), 16);

    vw::datafile::SampleOptions options;
    options.layout = vw::datafile::Openhall256Layout;
    options.planes = vw::datafile::MaxPlaneCount;
    const vwtest::TestWorkspace workspace(options);
    const QString path = workspace.path(QStringLiteral("misc.bin"));
    vwtest::ScriptedPrompter prompter;
    auto editor = workspace.open(prompter);
    QList<vw::app::BatchStep> batch;
    QString error;
    vw::app::batchSteps(vw::app::batchStepNames(), &batch, &error);

    long afterRound100 = -1;
    long heapAfterRound100 = -1;
    for (int round = 1; round <= rounds; ++round) {
        // What the editor said last round: kept, it would grow the soak's own memory.
        prompter.errors.clear();
        prompter.informations.clear();
        prompter.warnings.clear();
        prompter.questions.clear();
        prompter.fileNames.push_back(path);
        editor->Loadconfig1Click();
        if (!prompter.errors.isEmpty()) {
            std::fprintf(stderr, "soak: round %d: %s\n", round, qPrintable(prompter.errors.join(QLatin1Char('\n'))));
            return 1;
        }
        const QByteArray loaded = plainImage(editor->file());
        editor->document().makePlaneCurrent(1 + (round * 37) % options.planes);

        // Every tenth place of every page, a different tenth each round, and one batch adjustment.
        const QList<vwtest::TypingPlace> places = vwtest::typingPlaces(editor.get(), 2);
        for (qsizetype i = round % 10; i < places.size(); i += 10)
            vwtest::typeInto(places[i], QString::number(round % 7 + 1));
        const vw::app::BatchStep &step = batch[round % batch.size()];
        editor->document().edit(step.name, vw::app::MergeKey::none(), [&] { step.run(editor->file()); });

        if (loaded.size() < 10'000'000 || editor->undoStack()->count() < 2) {
            std::fprintf(stderr, "soak: round %d: the file was not opened and edited (%d bytes, %d undo steps)\n",
                         round, int(loaded.size()), int(editor->undoStack()->count()));
            return 1;
        }
        editor->undoStack()->setIndex(0);
        if (plainImage(editor->file()) != loaded) {
            std::fprintf(stderr, "soak: round %d: undoing every edit did not give back the loaded file\n", round);
            return 1;
        }
        editor->file().SaveCfg(path, true);
        // The window's own event loop would run here between the user's
        // actions: the events the round posted (layouts, repaints, deferred
        // deletes) are handled, as in a real session, and not left queued.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
        if (round == 1 || round == 100 || round == 500 || round == rounds) {
            const long kb = residentKb();
            if (kb < 0)
                std::printf("round %d: resident memory is unavailable on this system", round);
            else
                std::printf("round %d: resident memory %ld kB", round, kb);
            if (const long heap = heapInUseKb(); heap >= 0)
                std::printf(", heap in use %ld kB", heap);
            std::printf("\n");
            std::fflush(stdout);
        }
        if (round == 100) {
            afterRound100 = residentKb();
            heapAfterRound100 = heapInUseKb();
        }
    }
    const long last = residentKb();
    if (afterRound100 >= 0 && last >= 0 && last - afterRound100 > toleranceMb * 1024L) {
        std::fprintf(stderr, "soak: resident memory grew by %ld kB between round 100 and round %d\n",
                     last - afterRound100, rounds);
        return 1;
    }
    const long lastHeap = heapInUseKb();
    if (heapAfterRound100 >= 0 && lastHeap >= 0 && lastHeap - heapAfterRound100 > toleranceMb * 1024L) {
        std::fprintf(stderr, "soak: the heap in use grew by %ld kB between round 100 and round %d\n",
                     lastHeap - heapAfterRound100, rounds);
        return 1;
    }
    std::printf("soak: %d rounds passed\n", rounds);
    return 0;
}
