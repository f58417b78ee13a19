#include "common/test_registry.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/directory_entry.h"
#include "core/operations/format_maintenance.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/datafile/sample_support.h"

#include <QTest>

#include <functional>

using namespace vw::datafile;
using vwtest::imageOf;
using vwtest::sampleOptions;

namespace {

DataFile loaded(int layout, int planes, int version = -1)
{
    return DataFile::fromBytes(buildSampleFile(sampleOptions(layout, planes, version)), true);
}

// What a plane is made of, apart from where its blocks lie.
struct PlaneContent {
    QByteArray record, map, entry, profile;
    friend bool operator==(const PlaneContent &, const PlaneContent &) = default;
};

PlaneContent contentOf(const DataFile &file, int plane)
{
    const DirectoryEntryView entry(file, plane);
    PlaneContent c;
    c.record = file.hasRecord(plane) ? file.bytes(file.recordOffset(plane), PlaneRecordSize) : QByteArray();
    c.map = file.hasDamageMap(plane) ? file.bytes(file.damageMapOffset(plane), DamageMapSize) : QByteArray();
    // The header fields between the two offsets.
    c.entry = file.bytes(entry.offset() + 4, DirectoryEntryView::DamageMapOffsetOffset - 4);
    c.profile = vw::damage::ProfileSlotView(file, plane).profileBytes();
    return c;
}

struct Snapshot {
    QByteArray image;
    int version, layout, planes;
    SectionStarts starts;
    std::vector<CipherBlock> blocks;
    QList<qint64> offsets;
    friend bool operator==(const Snapshot &, const Snapshot &) = default;
};

Snapshot snapshot(const DataFile &file)
{
    Snapshot s{imageOf(file), file.FileVersion(), file.FileLayout(), file.PlaneCount(), file.sectionStarts(),
               file.cipherBlocks(), {}};
    for (int p = 1; p <= PlaneTableSize; ++p)
        s.offsets << file.recordOffset(p) << file.damageMapOffset(p);
    return s;
}

// Runs an operation recorded; undo must give back the snapshot, redo the result.
void checkUndoRedo(DataFile &file, const std::function<void()> &operation)
{
    const Snapshot before = snapshot(file);
    file.beginRecording();
    operation();
    const ChangeSet changes = file.endRecording();
    const Snapshot after = snapshot(file);
    file.undo(changes);
    QVERIFY(snapshot(file) == before);
    file.redo(changes);
    QVERIFY(snapshot(file) == after);
}

} // namespace

class FormatMaintenanceTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void slideDataOpensAGap_data()
    {
        QTest::addColumn<qint64>("position");
        QTest::addColumn<qint64>("count");
        QTest::newRow("inside") << qint64(200000) << qint64(5000);
        QTest::newRow("at the start") << qint64(0) << qint64(3);
        QTest::newRow("at FileSize appends zeros") << qint64(-1) << qint64(7);
        QTest::newRow("count 0 does nothing") << qint64(100) << qint64(0);
        QTest::newRow("negative count does nothing") << qint64(100) << qint64(-4);
    }
    void slideDataOpensAGap()
    {
        QFETCH(qint64, position);
        QFETCH(qint64, count);
        DataFile file = loaded(Openhall128Layout, 8);
        if (position < 0)
            position = file.FileSize();
        const QByteArray before = imageOf(file);
        const QByteArray expected = count <= 0 ? before
                                               : before.left(position) + QByteArray(count, '\0') + before.mid(position);
        file.beginRecording();
        SlideData(file, position, count);
        const ChangeSet changes = file.endRecording();
        QCOMPARE(imageOf(file), expected);
        // The undo record holds the gap, never the moved tail.
        QCOMPARE(int(changes.steps.size()), count > 0 ? 1 : 0);
        for (const auto &step : changes.steps)
            QVERIFY(step.before.isEmpty() && step.after.isEmpty());
        file.undo(changes);
        QCOMPARE(imageOf(file), before);
        file.redo(changes);
        QCOMPARE(imageOf(file), expected);
    }

    void conversionMovesTablesAndBlocks_data()
    {
        QTest::addColumn<int>("planes");
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("newVersion");
        QTest::newRow("100 planes, unkeyed 272") << 100 << 272 << 274;
        QTest::newRow("100 planes, keyed 273") << 100 << 273 << 274;
        QTest::newRow("version below 273") << 5 << 150 << 274;
        QTest::newRow("full directory") << 126 << 272 << 274;
    }
    void conversionMovesTablesAndBlocks()
    {
        QFETCH(int, planes);
        QFETCH(int, version);
        QFETCH(int, newVersion);
        DataFile file = loaded(Openhall128Layout, planes, version);
        const DataFile original = loaded(Openhall128Layout, planes, version);
        const QByteArray wings = file.bytes(10930, WingsTableSize), ammo = file.bytes(176659, AmmoTableSize);

        checkUndoRedo(file, [&] { addRoomFor256Planes(file); });

        QCOMPARE(file.FileSize(), original.FileSize() + 129664);
        QCOMPARE(file.sectionStarts(), (SectionStarts{21938, 70880, 306323}));
        QCOMPARE(file.FileLayout(), int(Openhall256Layout));
        QCOMPARE(file.FileVersion(), newVersion);
        QCOMPARE(file.bytes(21938, WingsTableSize), wings);
        QCOMPARE(file.bytes(306323, AmmoTableSize), ammo);
        QCOMPARE(file.recordOffset(1), original.recordOffset(1) + 129664);
        QCOMPARE(qint64(DirectoryEntryView(file, 1).storedRecordOffset()), original.recordOffset(1) + 129664);
        QCOMPARE(file.u8(directoryEntryOffset(1) + 3), quint8(0));

        // Saved enciphered and loaded back, it is a 256-plane file with every plane intact.
        const DataFile reloaded = DataFile::fromBytes(file.toBytes(true), true);
        QCOMPARE(reloaded.FileLayout(), int(Openhall256Layout));
        QCOMPARE(reloaded.sectionStarts(), file.sectionStarts());
        QCOMPARE(reloaded.bytes(21938, WingsTableSize), wings);
        for (int p = 1; p <= planes; ++p) {
            QCOMPARE(reloaded.damageMapOffset(p), original.damageMapOffset(p) + 129664);
            QVERIFY2(contentOf(reloaded, p) == contentOf(original, p), qPrintable(QString::number(p)));
        }
    }

    void conversionKeepsMissingBlocksAtZero()
    {
        QByteArray plain = buildSamplePlainImage(sampleOptions(Openhall128Layout, 10));
        vwtest::putU24(plain, directoryEntryOffset(4), 0);      // plane 4 has no record
        vwtest::putU24(plain, directoryEntryOffset(6) + 74, 0); // plane 6 has no damage map
        DataFile file = DataFile::fromBytes(plain, false);
        const qint64 map4 = file.damageMapOffset(4), record6 = file.recordOffset(6);
        addRoomFor256Planes(file);
        QCOMPARE(DirectoryEntryView(file, 4).storedRecordOffset(), qint64(0));
        QCOMPARE(file.damageMapOffset(4), map4 + 129664);
        QCOMPARE(DirectoryEntryView(file, 6).storedDamageMapOffset(), qint64(0));
        QCOMPARE(file.recordOffset(6), record6 + 129664);
        QCOMPARE(DirectoryEntryView(file, 11).storedRecordOffset(), qint64(0));
        QCOMPARE(int(file.cipherBlocks().size()), 18);
    }

    void regenerationPlacesNewPlanes_data()
    {
        QTest::addColumn<bool>("keepRecord");
        QTest::newRow("four new planes") << false;
        QTest::newRow("plane 127 keeps its record") << true;
    }
    void regenerationPlacesNewPlanes()
    {
        QFETCH(bool, keepRecord);
        using vw::flightmodel::HeaderText;
        DataFile file = loaded(Openhall256Layout, 126);
        const qint64 d1 = file.recordOffset(3) - file.recordOffset(2);
        const qint64 d2 = file.damageMapOffset(3) - file.damageMapOffset(2);
        const qint64 r126 = file.recordOffset(126), m126 = file.damageMapOffset(126);
        // Leftovers in the new planes' header slots and profile slots are blanked.
        vw::flightmodel::PlaneHeader(file, 128).setText(HeaderText::Name, QStringLiteral("Stale"));
        vw::damage::ProfileSlot(file, 128).setValue(vw::damage::ProfileSlot::Armor, 3, 7.5);
        file.setPlaneCount(130);
        if (keepRecord) {
            file.resize(file.FileSize() + PlaneRecordSize);
            file.setPlaneBlocks(127, r126 + d1, 0);
            file.write(r126 + d1, QByteArray(PlaneRecordSize, 'k'));
            vw::flightmodel::PlaneHeader(file, 127).setText(HeaderText::Name, QStringLiteral("Kept"));
        }
        const DataFile original = DataFile::fromBytes(file.toBytes(true), true);

        checkUndoRedo(file, [&] { regenerateOffsets(file); });

        QCOMPARE(file.FileLayout(), int(Openhall256Layout));
        for (int k = 1; k <= 4; ++k) {
            const int p = 126 + k;
            QCOMPARE(file.recordOffset(p), r126 + k * d1);
            QCOMPARE(file.damageMapOffset(p), m126 + k * d2);
            QCOMPARE(DirectoryEntryView(file, p).storedDamageMapOffset(), m126 + k * d2);
            QCOMPARE(file.bytes(file.damageMapOffset(p), DamageMapSize), QByteArray(DamageMapSize, '\0'));
            if (p == 127 && keepRecord) {
                QCOMPARE(file.bytes(file.recordOffset(p), 4), QByteArray("kkkk"));
                QCOMPARE(DirectoryEntryView(file, p).name(), QStringLiteral("Kept"));
                continue;
            }
            QCOMPARE(file.bytes(file.recordOffset(p), PlaneRecordSize), QByteArray(PlaneRecordSize, '\0'));
            for (auto field : {HeaderText::Name, HeaderText::IconInAir, HeaderText::Model3D, HeaderText::Cockpit1,
                               HeaderText::Sounds, HeaderText::Cockpit2})
                QCOMPARE(vw::flightmodel::PlaneHeaderView(file, p).text(field), QString());
            QCOMPARE(vw::damage::ProfileSlotView(file, p).profileBytes(), QByteArray(912, '\0'));
        }
        QCOMPARE(file.FileSize(), m126 + 4 * d2 + DamageMapSize);

        const DataFile reloaded = DataFile::fromBytes(file.toBytes(true), true);
        for (int p = 1; p <= 130; ++p) {
            QCOMPARE(reloaded.recordOffset(p), file.recordOffset(p));
            QVERIFY2(contentOf(reloaded, p) == contentOf(file, p), qPrintable(QString::number(p)));
        }
        for (int p = 1; p <= 126; ++p)
            QVERIFY(contentOf(reloaded, p) == contentOf(original, p));
    }

    // With every plane's blocks in place nothing changes: not the size (which
    // never shrinks), and not the layout (a full 128-plane file stays one).
    void regenerationWithoutNewPlanesChangesNothing_data()
    {
        QTest::addColumn<int>("planes");
        QTest::newRow("40 planes") << 40;
        QTest::newRow("126 planes") << 126;
    }
    void regenerationWithoutNewPlanesChangesNothing()
    {
        QFETCH(int, planes);
        DataFile file = loaded(Openhall128Layout, planes);
        file.resize(file.FileSize() + 1000);
        const Snapshot before = snapshot(file);
        const OffsetRegeneration result = regenerateOffsets(file);
        QVERIFY(result.newPlanes.isEmpty() && result.completedPlanes.isEmpty());
        QVERIFY(snapshot(file) == before);
    }

    void refusedOperationsChangeNothing_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("planes");
        QTest::addColumn<bool>("convert");
        QTest::addColumn<int>("setup");
        QTest::newRow("convert: 256-plane file") << 2 << 10 << true << 0;
        QTest::newRow("convert: original layout") << 0 << 10 << true << 0;
        QTest::newRow("convert: beyond the capacity") << 1 << 10 << true << 1;
        QTest::newRow("convert: offset beyond 24 bits") << 1 << 10 << true << 2;
        QTest::newRow("regenerate: original layout") << 0 << 63 << false << 3;
        QTest::newRow("regenerate: beyond the directory") << 1 << 126 << false << 4;
        QTest::newRow("regenerate: blocks would overlap") << 2 << 126 << false << 5;
        QTest::newRow("regenerate: beyond 24-bit offsets") << 2 << 126 << false << 6;
        QTest::newRow("regenerate: no stride") << 2 << 126 << false << 7;
    }
    void refusedOperationsChangeNothing()
    {
        QFETCH(int, layout);
        QFETCH(int, planes);
        QFETCH(bool, convert);
        QFETCH(int, setup);
        DataFile file = loaded(layout, planes);
        switch (setup) {
        case 1:
            file.resize(MaxFileSize - 100000);
            break;
        case 2:
            file.resize(16'700'000);
            file.setPlaneBlocks(3, 16'650'000, file.damageMapOffset(3));
            DirectoryEntry(file, 3).setStoredRecordOffset(16'650'000);
            break;
        case 3:
            file.setPlaneCount(70);
            break;
        case 4:
            file.setPlaneCount(127);
            break;
        case 5:
            file.setPlaneBlocks(3, file.recordOffset(2), file.damageMapOffset(2)); // stride 0
            file.setPlaneCount(127);
            break;
        case 6:
            file.resize(12'500'000);
            file.setPlaneBlocks(3, file.recordOffset(2) + 10'000'000, file.damageMapOffset(2) + 10'000'000);
            file.setPlaneCount(130);
            break;
        case 7:
            file.setPlaneBlocks(2, 0, file.damageMapOffset(2));
            file.setPlaneCount(127);
            break;
        }
        const Snapshot before = snapshot(file);
        file.beginRecording();
        QVERIFY_THROWS_EXCEPTION(FormatError, convert ? void(addRoomFor256Planes(file)) : void(regenerateOffsets(file)));
        QVERIFY(file.endRecording().empty());
        QVERIFY(snapshot(file) == before);
    }
};

VW_TEST(FormatMaintenanceTest)
#include "test_format_maintenance.moc"
