#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_map_edits.h"
#include "core/damage/damage_map_geometry.h"

#include <QTest>

using namespace vw::damage;
using vw::datafile::FormatError;

namespace {

// Plane 4 of the sample has no damage map.
constexpr int NoMap = 4;

DataFile sampleFile()
{
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 6)), false);
    file.setPlaneBlocks(NoMap, file.recordOffset(NoMap), 0);
    return file;
}

// Level 5 of plane 2 numbered cell by cell, so every move shows.
void numberLevel(DataFile &file, int plane, int level)
{
    QByteArray cells(1024, '\0');
    for (int i = 0; i < 1024; ++i)
        cells[i] = char(i % 251);
    DamageMap(file, plane).setLevel(level, cells);
}

} // namespace

class DamageMapsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cellUnderPixel_data()
    {
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QPoint>("cell");
        QTest::newRow("origin") << QPoint(0, 0) << QPoint(0, 0);
        QTest::newRow("grid line belongs to the next cell") << QPoint(10, 19) << QPoint(1, 1);
        QTest::newRow("last cell") << QPoint(319, 310) << QPoint(31, 31);
        QTest::newRow("last pixel column and row") << QPoint(320, 320) << QPoint(31, 31);
        QTest::newRow("outside right") << QPoint(321, 5) << QPoint(-1, -1);
        QTest::newRow("outside above") << QPoint(5, -1) << QPoint(-1, -1);
    }
    void cellUnderPixel()
    {
        QFETCH(QPoint, pixel);
        QTEST(cellUnder(pixel).value_or(QPoint(-1, -1)), "cell");
    }

    void hoverNamesThePart_data()
    {
        QTest::addColumn<int>("byte");
        QTest::addColumn<QString>("text");
        QTest::newRow("none") << 0 << "None";
        QTest::newRow("flaps") << 32 << "Flaps";
        QTest::newRow("no catalogue part") << 47 << "Part 47";
    }
    void hoverNamesThePart()
    {
        QFETCH(int, byte);
        DamageMapInput in;
        in.map = QByteArray(8192, '\0');
        in.level = 6;
        in.map[DamageMapView::cellOffset(6, 31, 2)] = char(byte);
        QTEST(hoverText(in, QPoint(320, 25)), "text");
        in.map.clear();
        QCOMPARE(hoverText(in, QPoint(320, 25)), QString());
    }

    void cubeGeometry()
    {
        const Cube corner = cubeOf(0, 31, 0);
        QCOMPARE(corner.front[0], QPoint(214, 156));
        QCOMPARE(corner.front[2], QPoint(222, 164));
        // Levels stack 8 pixels up; rows step 4 right and 4 down; columns 8 right.
        QCOMPARE(cubeOf(3, 10, 5).top[0] - cubeOf(2, 10, 5).top[0], QPoint(0, -8));
        QCOMPARE(cubeOf(2, 10, 6).side[1] - cubeOf(2, 10, 5).side[1], QPoint(4, 4));
        QCOMPARE(cubeOf(2, 11, 5).front[3] - cubeOf(2, 10, 5).front[3], QPoint(8, 0));
    }

    // 101 placements leave 100 entries; the first can no longer be undone.
    void undoKeepsTheNewestHundred()
    {
        DataFile file = sampleFile();
        MapUndo undo;
        const int first = DamageMapView(file, 1).cell(0, 0, 0);
        for (int i = 0; i <= MapUndo::Capacity; ++i)
            placePart(file, undo, 1, 0, QPoint(i % 32, i / 32), 1 + i % 32);
        QCOMPARE(undo.count(), MapUndo::Capacity);
        QCOMPARE(undo.entries().front().cursor(), QPoint(1, 0));
        while (undo.ReadMapUndo(file)) {
        }
        QCOMPARE(DamageMapView(file, 1).cell(0, 0, 0), 1); // the first placement stays
        QVERIFY(first != 1);
        QCOMPARE(DamageMapView(file, 1).cell(0, 1, 0), 0);
    }

    // An undo goes back to the plane, level and cell it recorded, whatever is shown now.
    void undoAcrossPlanes()
    {
        DataFile file = sampleFile();
        MapUndo undo;
        const int before = DamageMapView(file, 3).cell(6, 20, 9);
        placePart(file, undo, 3, 6, QPoint(20, 9), 27);
        placePart(file, undo, 5, 1, QPoint(2, 2), 27);
        placePart(file, undo, 5, 1, QPoint(2, 2), 27); // same value: still an entry
        QCOMPARE(undo.ReadMapUndo(file), (MapUndoEntry{5, 1, 2, 2, 27}));
        QCOMPARE(undo.ReadMapUndo(file)->plane, 5);
        QCOMPARE(undo.ReadMapUndo(file), (MapUndoEntry{3, 6, 20, 9, before}));
        QCOMPARE(DamageMapView(file, 3).cell(6, 20, 9), before);
        QVERIFY(!undo.ReadMapUndo(file));

        // A plane that has lost its map since: the entry goes, nothing is written.
        placePart(file, undo, 2, 0, QPoint(1, 1), 27);
        file.setPlaneBlocks(2, file.recordOffset(2), 0);
        const QByteArray image = vwtest::imageOf(file);
        QVERIFY_THROWS_EXCEPTION(FormatError, undo.ReadMapUndo(file));
        QVERIFY(undo.isEmpty());
        QCOMPARE(vwtest::imageOf(file), image);
    }

    // Placement refuses before recording or writing anything.
    void placementRefusals_data()
    {
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("level");
        QTest::addColumn<QPoint>("cell");
        QTest::addColumn<int>("part");
        QTest::newRow("plane without a map") << NoMap << 0 << QPoint(1, 1) << 5;
        QTest::newRow("column 32") << 1 << 0 << QPoint(32, 1) << 5;
        QTest::newRow("level 8") << 1 << 8 << QPoint(1, 1) << 5;
        QTest::newRow("part 33") << 1 << 0 << QPoint(1, 1) << 33;
        QTest::newRow("no part selected") << 1 << 0 << QPoint(1, 1) << -1;
    }
    void placementRefusals()
    {
        QFETCH(int, plane);
        QFETCH(int, level);
        QFETCH(QPoint, cell);
        QFETCH(int, part);
        DataFile file = sampleFile();
        MapUndo undo;
        const QByteArray before = vwtest::imageOf(file);
        QVERIFY_THROWS_EXCEPTION(FormatError, placePart(file, undo, plane, level, cell, part));
        QCOMPARE(vwtest::imageOf(file), before);
        QVERIFY(undo.isEmpty());
    }

    void shifts_data()
    {
        QTest::addColumn<ShiftDirection>("direction");
        QTest::addColumn<QPoint>("from"); // where the cell now at (0, 0) came from
        QTest::newRow("up") << ShiftDirection::Up << QPoint(0, 1);
        QTest::newRow("down") << ShiftDirection::Down << QPoint(0, 31);
        QTest::newRow("left") << ShiftDirection::Left << QPoint(1, 0);
        QTest::newRow("right") << ShiftDirection::Right << QPoint(31, 0);
    }
    // One step wraps around and moves only the level; 32 steps give the level back.
    void shifts()
    {
        QFETCH(ShiftDirection, direction);
        QFETCH(QPoint, from);
        DataFile file = sampleFile();
        numberLevel(file, 2, 5);
        const DamageMapView map(file, 2);
        const QByteArray before = map.bytes();
        QVERIFY(shiftLevel(file, 2, 5, direction));
        QCOMPARE(map.cell(5, 0, 0), quint8(before[DamageMapView::cellOffset(5, from.x(), from.y())]));
        QCOMPARE(map.bytes().left(5 * 1024), before.left(5 * 1024));
        QCOMPARE(map.bytes().mid(6 * 1024), before.mid(6 * 1024));
        for (int i = 1; i < 32; ++i)
            shiftLevel(file, 2, 5, direction);
        QCOMPARE(map.bytes(), before);
    }

    // A shift that moves cells drops that plane's undo entries and no others;
    // one that changes nothing (an empty level) keeps them.
    void shiftDropsThePlanesUndoEntries()
    {
        DataFile file = sampleFile();
        MapUndo undo;
        placePart(file, undo, 1, 7, QPoint(3, 3), 9);
        placePart(file, undo, 2, 7, QPoint(3, 3), 9);
        DamageMap(file, 1).setLevel(6, QByteArray(1024, '\0'));
        QVERIFY(!shiftLevel(file, 1, 6, ShiftDirection::Left, &undo));
        QCOMPARE(undo.count(), 2);
        QVERIFY(shiftLevel(file, 1, 7, ShiftDirection::Left, &undo));
        QCOMPARE(undo.count(), 1);
        QCOMPARE(undo.entries().front().plane, 2);
        QVERIFY_THROWS_EXCEPTION(FormatError, shiftLevel(file, NoMap, 0, ShiftDirection::Up, &undo));
    }

    void partCountsOverAllLevels()
    {
        DataFile file = sampleFile();
        DamageMap map(file, 2);
        QByteArray cells(8192, '\0');
        cells[0] = 1;
        cells[8191] = 1;
        cells[4000] = 32;
        cells[4001] = 33; // no catalogue part: not counted
        map.setBytes(cells);
        std::array<int, 32> expected{};
        expected[0] = 2;
        expected[31] = 1;
        QCOMPARE(partCounts(file, 2), expected);
        QCOMPARE(partCounts(file, NoMap), (std::array<int, 32>{}));
    }
};

VW_TEST(DamageMapsTest)
#include "test_damage_maps.moc"
