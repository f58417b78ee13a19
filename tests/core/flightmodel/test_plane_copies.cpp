#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_copies.h"
#include "core/flightmodel/plane_copy_buffer.h"
#include "core/flightmodel/plane_record.h"

#include <QTest>

using namespace vw::flightmodel;
using vw::datafile::DataFile;
using Ranges = QList<QPair<int, int>>; // record offset, length

namespace {

// Planes with distinct random records, damage maps and profiles; plane 4 has no record.
DataFile copyFile(int planes = 8)
{
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, planes)), false);
    for (int p = 1; p <= planes; ++p) {
        PlaneRecord(file, p).setBytes(0, vwtest::randomBytes(PlaneRecord::Size, quint32(p)));
        vw::damage::DamageMap(file, p).setBytes(vwtest::randomBytes(8192, quint32(100 + p)));
        vw::damage::ProfileSlot(file, p).setProfileBytes(vwtest::randomBytes(912, quint32(200 + p)));
    }
    file.setPlaneBlocks(4, 0, file.damageMapOffset(4));
    return file;
}

QByteArray recordOf(const DataFile &file, int plane)
{
    return PlaneRecordView(file, plane).bytes(PlaneRecord::WholeRecord);
}

} // namespace

class PlaneCopiesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Each copy moves exactly its record ranges; weapons, header, damage data stay.
    void copiesMoveTheirRanges_data()
    {
        QTest::addColumn<int>("kind"); // 0 flight model, 1 engines
        QTest::addColumn<int>("to");
        QTest::addColumn<Ranges>("ranges");
        QTest::newRow("flight model") << 0 << 5 << Ranges{{0, 1336}, {16540, 14668}};
        QTest::newRow("engines") << 1 << 5 << Ranges{{16540, 14636}};
        QTest::newRow("flight model onto itself") << 0 << 2 << Ranges{};
    }
    void copiesMoveTheirRanges()
    {
        QFETCH(int, kind);
        QFETCH(int, to);
        QFETCH(Ranges, ranges);
        DataFile file = copyFile();
        QByteArray expected = vwtest::imageOf(file);
        for (auto [offset, length] : ranges)
            expected.replace(file.recordOffset(to) + offset, length, file.bytes(file.recordOffset(2) + offset, length));
        QVERIFY(kind == 0 ? copyFlightModel(file, 2, to) : copyEngines(file, 2, to));
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    // Columns 1..X of every row, zero source cells (also -0.0) left out; X within 0..20.
    void firstColumnsCopyNonZeroCells_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::newRow("5") << "5" << 5;
        QTest::newRow("25 is 20") << "25" << 20;
        QTest::newRow("not a number") << "five" << 0;
        QTest::newRow("negative") << "-2" << 0;
    }
    void firstColumnsCopyNonZeroCells()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QCOMPARE(firstColumnsFromText(text), columns);
        DataFile file = copyFile();
        PlaneRecord source(file, 2);
        for (int row = 1; row <= 80; ++row)
            source.setPower(3, row, row % 2 ? 0.0 : -0.0);
        QByteArray expected = vwtest::imageOf(file);
        for (int row = 1; row <= 80; ++row)
            for (int col = 1; col <= columns; ++col)
                if (col != 3)
                    expected.replace(PlaneRecordView(file, 6).at(PlaneRecord::powerOffset(col, row)), 8,
                                     file.bytes(source.at(PlaneRecord::powerOffset(col, row)), 8));
        QVERIFY(copyFirstColumns(file, 2, 6, columns == 20 ? 99 : columns));
        QCOMPARE(vwtest::imageOf(file), expected);
    }

    // A missing choice, a plane beyond the file or without a record: a reason, nothing written.
    void refusedCopiesWriteNothing_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no source") << 0 << 2 << "No source plane is chosen.";
        QTest::newRow("no destination") << 2 << -1 << "No destination plane is chosen.";
        QTest::newRow("beyond the file") << 9 << 2 << "The file has no plane 9 (it holds 8 planes).";
        QTest::newRow("source without record") << 4 << 2 << "Plane 4 has no plane record.";
        QTest::newRow("destination without record") << 2 << 4 << "Plane 4 has no plane record.";
    }
    void refusedCopiesWriteNothing()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, reason);
        DataFile file = copyFile();
        const QByteArray before = vwtest::imageOf(file);
        QCOMPARE(copyFlightModel(file, from, to).refusal, reason);
        QCOMPARE(copyEngines(file, from, to).refusal, reason);
        QCOMPARE(copyFirstColumns(file, from, to, 5).refusal, reason);
        QCOMPARE(vwtest::imageOf(file), before);
    }

    // Paste makes the plane what was copied: texts trimmed, type byte, the
    // selectable pair written canonically whatever the destination held.
    void pasteRecreatesTheCopiedPlane_data()
    {
        QTest::addColumn<QByteArray>("sourceFlags");
        QTest::addColumn<QByteArray>("destinationFlags");
        QTest::addColumn<QByteArray>("pastedFlags");
        QTest::newRow("A=1 B=5 copies as not selectable") << QByteArray("\1\5") << QByteArray("\1\0", 2) << QByteArray("\0\xff", 2);
        QTest::newRow("onto A=1 B=5") << QByteArray("\0\xff", 2) << QByteArray("\1\5") << QByteArray("\0\xff", 2);
        QTest::newRow("selectable") << QByteArray("\1\0", 2) << QByteArray("\0\7", 2) << QByteArray("\1\0", 2);
    }
    void pasteRecreatesTheCopiedPlane()
    {
        QFETCH(QByteArray, sourceFlags);
        QFETCH(QByteArray, destinationFlags);
        QFETCH(QByteArray, pastedFlags);
        DataFile file = copyFile();
        PlaneHeader source(file, 2), destination(file, 7);
        for (auto [header, flags] : {std::pair{source, sourceFlags}, std::pair{destination, destinationFlags}}) {
            file.writeU8(header.offset() + PlaneHeader::SelectableAOffset, quint8(flags[0]));
            file.writeU8(header.offset() + PlaneHeader::SelectableBOffset, quint8(flags[1]));
        }
        file.write(source.offset() + PlaneHeader::SoundsOffset, QByteArray(" ab\0\0\0\0\0", 8));
        source.setStoredPlaneType(1);
        const QByteArray profileTail = file.bytes(vw::damage::ProfileSlotView(file, 7).offset() + 912, 15);
        PlaneCopyBuffer buffer;
        QCOMPARE(copyPlanesToBuffer(file, buffer, 2, 3, 1).handled, 1);
        QCOMPARE(buffer.name(3), source.text(HeaderText::Name));
        QCOMPARE(pastePlanesFromBuffer(file, buffer, 7, 3, 1).handled, 1);
        QCOMPARE(recordOf(file, 7), recordOf(file, 2));
        QCOMPARE(vw::damage::DamageMapView(file, 7).bytes(), vw::damage::DamageMapView(file, 2).bytes());
        QCOMPARE(file.bytes(vw::damage::ProfileSlotView(file, 7).offset(), 927),
                 vw::damage::ProfileSlotView(file, 2).profileBytes() + profileTail);
        QCOMPARE(file.bytes(destination.offset() + PlaneHeader::SoundsOffset, 8), QByteArray("ab\0\0\0\0\0\0", 8));
        for (HeaderText field : {HeaderText::Name, HeaderText::IconInAir, HeaderText::Model3D, HeaderText::Cockpit1,
                                 HeaderText::Cockpit2})
            QCOMPARE(destination.text(field), source.text(field));
        QCOMPARE(destination.planeType(), 1);
        QCOMPARE(file.bytes(destination.offset() + PlaneHeader::SelectableAOffset, 1)
                     + file.bytes(destination.offset() + PlaneHeader::SelectableBOffset, 1),
                 pastedFlags);
    }

    // A plane without a damage map gives a slot without one; nothing writes a map for it.
    void missingDamageMapIsNeitherCopiedNorPasted()
    {
        DataFile file = copyFile();
        file.setPlaneBlocks(3, file.recordOffset(3), 0);
        PlaneCopyBuffer buffer;
        copyPlanesToBuffer(file, buffer, 2, 1, 2);
        QVERIFY(buffer.slot(1).hasDamageMap() && !buffer.slot(2).hasDamageMap());
        const QByteArray map6 = vw::damage::DamageMapView(file, 6).bytes();
        QCOMPARE(pastePlanesFromBuffer(file, buffer, 5, 1, 2).handled, 2);
        QCOMPARE(vw::damage::DamageMapView(file, 6).bytes(), map6);
        pastePlanesFromBuffer(file, buffer, 2, 2, 2); // slot 2 onto plane 2, slot 3 is empty
        QCOMPARE(recordOf(file, 2), vwtest::randomBytes(PlaneRecord::Size, 2)); // refused as a whole
        const QByteArray fileHeader = file.bytes(0, 94);
        QCOMPARE(pastePlanesFromBuffer(file, buffer, 3, 1, 1).handled, 1);
        QCOMPARE(recordOf(file, 3), recordOf(file, 2));
        QCOMPARE(file.bytes(0, 94), fileHeader);
    }

    // Batches stop at the file's last plane; slots past 256, empty slots and
    // planes without records refuse the whole batch.
    void batchLimits_data()
    {
        QTest::addColumn<int>("first");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("handled"); // -1: refused
        QTest::addColumn<int>("lastPlane");
        QTest::newRow("planes 5, 6 into slots 3, 4") << 5 << 3 << 2 << 2 << 6;
        QTest::newRow("stops at plane 8") << 6 << 1 << 5 << 3 << 8;
        QTest::newRow("slot 256") << 1 << 256 << 1 << 1 << 1;
        QTest::newRow("slot 257") << 1 << 257 << 1 << -1 << 1;
        QTest::newRow("slots 255..257") << 1 << 255 << 3 << -1 << 1;
        QTest::newRow("plane 4 without record") << 3 << 1 << 2 << -1 << 3;
        QTest::newRow("no planes") << 2 << 1 << 0 << 0 << 2;
    }
    void batchLimits()
    {
        QFETCH(int, first);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(int, handled);
        QFETCH(int, lastPlane);
        DataFile file = copyFile();
        PlaneCopyBuffer buffer;
        const PlaneBatchResult copied = copyPlanesToBuffer(file, buffer, first, position, count);
        QCOMPARE(copied.refused, handled < 0);
        QCOMPARE(copied.refused || handled < count, !copied.message.isEmpty());
        QCOMPARE(copied.handled, std::max(handled, 0));
        QCOMPARE(copied.lastPlane, lastPlane);
        QCOMPARE(buffer.isEmpty(), handled <= 0);
        if (handled > 0)
            QCOMPARE(buffer.slot(position + handled - 1).record, recordOf(file, lastPlane));
        const PlaneBatchResult pasted = pastePlanesFromBuffer(file, buffer, first, position, count);
        QCOMPARE(pasted.handled, copied.handled);
        QCOMPARE(QString(pasted.message).replace("pasted", "copied"), copied.message);
    }

    // Auto Increment: the position moves by the batch text (0 when it is no
    // number, never below slot 1); the plane after the batch becomes current.
    void autoIncrementMovesOn_data()
    {
        QTest::addColumn<QString>("batch");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("lastPlane");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("plane");
        QTest::newRow("batch 2 from slot 3") << "2" << 2 << 6 << 5 << 7;
        QTest::newRow("not a number") << "two" << 1 << 6 << 3 << 7;
        QTest::newRow("at the last plane") << "2" << 2 << 8 << 5 << 8;
        QTest::newRow("negative") << "-9" << -9 << 6 << 1 << 7;
    }
    void autoIncrementMovesOn()
    {
        QFETCH(QString, batch);
        QFETCH(int, count);
        QFETCH(int, lastPlane);
        QFETCH(int, position);
        QFETCH(int, plane);
        QCOMPARE(batchCount(batch), count);
        const AutoIncrement next = autoIncrement(3, batch, lastPlane, 8);
        QCOMPARE(next.position, position);
        QCOMPARE(next.currentPlane, plane);
    }
};

VW_TEST(PlaneCopiesTest)
#include "test_plane_copies.moc"
