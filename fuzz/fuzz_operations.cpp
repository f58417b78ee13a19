// A plane data file (a sample chosen by the first byte, with a few bytes
// changed, or the fuzzer's bytes themselves), then a script of the editor's
// operations on planes the fuzzer chooses. Each operation runs as one
// recorded change: its undo must give back exactly the file before it and its
// redo exactly the file after it; a refused operation must leave the file as
// it was; an export must import back onto its own file without a change; and
// a save must load back as the same file. Refusals are FormatErrors only.

#include "fuzz_support.h"

#include "core/operations/batch_operations.h"
#include "core/planedata/file_check.h"
#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"
#include "core/operations/plane_reports.h"
#include "core/damage/damage_map_edits.h"
#include "core/damage/damage_model_copy.h"
#include "core/damage/map_undo.h"
#include "core/damage/offline_profile.h"
#include "core/operations/format_maintenance.h"
#include "core/flightmodel/flight_model_adjustments.h"
#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_copy_buffer.h"
#include "core/flightmodel/plane_record.h"
#include "core/powerchart/power_matrix.h"
#include "core/weapons/ammo_table.h"
#include "core/weapons/weapon_copies.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace vw;
using datafile::DataFile;
using datafile::FormatError;
using fuzz::ByteReader;
using fuzz::FileSnapshot;
using fuzz::finding;

namespace {

// What lives beside the file for the whole session: the clipboards and the damage map's undo list.
struct Session {
    damage::MapUndo mapUndo;
    weapons::AmmoClipboard ammo;
    flightmodel::PlaneCopyBuffer planes;
};

const QList<app::BatchStep> &batchSteps()
{
    static const QList<app::BatchStep> steps = [] {
        QList<app::BatchStep> all;
        QString error;
        app::batchSteps(app::batchStepNames() << QStringLiteral("bomb-deviation=0.5,2"), &all, &error);
        return all;
    }();
    return steps;
}

DataFile loadInput(ByteReader &in)
{
    const int selector = in.u8();
    QByteArray bytes;
    if (selector < 0xF0) {
        bytes = fuzz::sampleFile(selector % fuzz::sampleCount());
        // A few bytes of the enciphered file changed, as a damaged download has them.
        for (int pokes = in.u8() % 8; pokes > 0 && !bytes.isEmpty(); --pokes) {
            const qsizetype at = qsizetype(in.u24() % std::uint32_t(bytes.size()));
            bytes[at] = char(in.u8());
        }
    } else {
        bytes = in.take(in.u16());
    }
    return DataFile::fromBytes(bytes, true);
}

// A plane number around the plane list: mostly planes of the file, sometimes 0, -1 or one past it.
int planeOf(ByteReader &in, const DataFile &file)
{
    return in.range(-1, std::max(file.PlaneCount(), 1) + 1);
}

QString textOf(ByteReader &in)
{
    static const char *const Texts[] = {"", "-", "1,5", "1.5", "1e308", "-1e999", "nan", "inf", "2", "0", "abc", "30001"};
    const int pick = in.u8();
    if (pick < int(std::size(Texts)))
        return QString::fromLatin1(Texts[pick]);
    return QString::fromLatin1(in.take(pick % 16));
}

void checkExportImportsBack(DataFile &file, const QList<int> &planes)
{
    const QJsonObject exported = app::exportPlanes(file, planes);
    const QByteArray text = app::exportText(exported);
    const FileSnapshot before = FileSnapshot::of(file);
    app::importPatch(file, app::parsePatch(text));
    if (!(FileSnapshot::of(file) == before))
        finding("an export changed its own file when imported back");
    if (exported != app::exportPlanes(file, planes))
        finding("an export differs from itself");
}

void checkSaveLoadsBack(const DataFile &file)
{
    try {
        file.checkSavable();
    } catch (const FormatError &) {
        return;
    }
    const DataFile again = DataFile::fromBytes(file.toBytes(true), true);
    const FileSnapshot saved = FileSnapshot::of(file), loaded = FileSnapshot::of(again);
    if (saved.imageSize != loaded.imageSize || saved.imageHash != loaded.imageHash)
        finding("a saved file loads back with other bytes");
}

// One operation of the script on the file; throws FormatError when the core refuses it.
void runOperation(int op, ByteReader &in, DataFile &file, Session &session)
{
    const int a = planeOf(in, file), b = planeOf(in, file);
    switch (op) {
    case 0: weapons::copyConfig(file, a, in.range(0, 9), in.range(0, 9)); break;
    case 1: weapons::copyWeapon(file, {a, in.range(0, 9), in.range(0, 17)}, {b, in.range(0, 9), in.range(0, 17)}); break;
    case 2: weapons::copyLoadout(file, a, b); break;
    case 3: weapons::copy98Nodes(file); break;
    case 4: {
        const auto &steps = batchSteps();
        steps[in.u8() % steps.size()].run(file);
        break;
    }
    case 5: flightmodel::copyFlightModel(file, a, b); break;
    case 6: flightmodel::copyEngines(file, a, b); break;
    case 7: flightmodel::copyFirstColumns(file, a, b, flightmodel::firstColumnsFromText(textOf(in))); break;
    case 8: flightmodel::shiftHandlingUpOneNotch(file, a, in.range(0, 4), in.range(0, 42)); break;
    case 9: flightmodel::shiftHandlingDownOneNotch(file, a, in.range(0, 4), in.range(0, 42)); break;
    case 10: session.ammo = weapons::copyAllAmmo(file); break;
    case 11: weapons::pasteAllAmmo(file, session.ammo); break;
    case 12: datafile::regenerateOffsets(file); break;
    case 13: datafile::addRoomFor256Planes(file); break;
    case 14: {
        app::ReportOptions options;
        const int flags = in.u8();
        options.soundDirectories = flags & 1;
        options.fuel = flags & 2;
        options.weight = flags & 4;
        options.climbSpeed = flags & 8;
        options.damageCounts = flags & 16;
        options.html = flags & 32;
        app::planeReport(file, app::chooseReport(options), flags & 64 ? QLatin1Char(',') : QLatin1Char('.'));
        break;
    }
    case 15: app::correctFuelByTime(file, in.take(in.u8() % 64)); break;
    case 16: damage::placePart(file, session.mapUndo, a, in.range(-1, 8), {in.range(-1, 128), in.range(-1, 128)}, in.range(-1, 33)); break;
    case 17: session.mapUndo.ReadMapUndo(file); break;
    case 18: damage::shiftLevel(file, a, in.range(-1, 8), damage::ShiftDirection(in.u8() % 4), &session.mapUndo); break;
    case 19: damage::copyDamageModel(file, a, b, in.u8() & 1, in.u8() & 1, &session.mapUndo); break;
    case 20: damage::editProfileCell(file, a, in.range(-1, 5), in.range(-1, 33), textOf(in)); break;
    case 21: flightmodel::copyPlanesToBuffer(file, session.planes, a, in.range(-1, 258), in.range(-1, 4)); break;
    case 22: flightmodel::pastePlanesFromBuffer(file, session.planes, a, in.range(-1, 258), in.range(-1, 4)); break;
    case 23:
        if (file.hasRecord(a)) {
            flightmodel::PlaneRecord record(file, a);
            static const char *const Captions[] = {"L-R", "U-D", "-1+", "-2+", "-4+", "-6+", "SEL", "?"};
            const powerchart::CellRect selection{in.range(-1, 22), in.range(-1, 82), in.range(-1, 22), in.range(-1, 82)};
            powerchart::adjustPower(record, QString::fromLatin1(Captions[in.u8() % 8]), in.u8() & 1,
                                    in.range(-1, 22), in.range(-1, 82), selection);
        }
        break;
    case 24:
        if (file.hasRecord(a)) {
            flightmodel::PlaneRecord record(file, a);
            powerchart::ControlPoints points;
            for (int n = in.u8() % 5; n > 0; --n)
                points.push_back({double(in.range(0, 2000)) / 1000, in.range(-1, 82)});
            powerchart::applyControlPoints(record, points, in.range(-1, 22));
            powerchart::normalisePower(record);
        }
        break;
    case 25: checkExportImportsBack(file, in.u8() & 1 ? QList<int>{} : QList<int>{a}); break;
    case 26: {
        // Plane a's export written onto plane b: a copy of every field through JSON.
        QJsonObject document = app::exportPlanes(file, {a});
        QJsonArray planes = document.value(QStringLiteral("planes")).toArray();
        if (!planes.isEmpty()) {
            QJsonObject plane = planes.first().toObject();
            plane.insert(QStringLiteral("plane"), b);
            planes.replace(0, plane);
            document.insert(QStringLiteral("planes"), planes);
        }
        app::importPatch(file, QJsonDocument(document));
        break;
    }
    case 27: app::checkFile(file); break;
    default: checkSaveLoadsBack(file); break;
    }
}

constexpr int OperationCount = 29;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    ByteReader in(data, size);
    DataFile file;
    try {
        file = loadInput(in);
    } catch (const FormatError &) {
        return 0;
    }
    Session session;
    for (int steps = 0; steps < 12 && !in.atEnd(); ++steps) {
        const int op = in.u8() % OperationCount;
        const FileSnapshot before = FileSnapshot::of(file);
        file.beginRecording();
        bool refused = false;
        try {
            runOperation(op, in, file, session);
        } catch (const FormatError &) {
            refused = true;
        } catch (const std::exception &e) {
            finding("unexpected exception", QStringLiteral("operation %1: %2").arg(op).arg(QString::fromLocal8Bit(e.what())));
        }
        const datafile::ChangeSet changes = file.endRecording();
        const FileSnapshot after = FileSnapshot::of(file);
        if (refused && !(after == before))
            finding("a refused operation changed the file", QString::number(op));
        file.undo(changes);
        if (!(FileSnapshot::of(file) == before))
            finding("undo did not give back the file", QString::number(op));
        file.redo(changes);
        if (!(FileSnapshot::of(file) == after))
            finding("redo did not give back the changed file", QString::number(op));
    }
    return 0;
}
