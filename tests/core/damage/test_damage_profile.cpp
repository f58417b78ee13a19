#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_model_copy.h"
#include "core/damage/damage_profile.h"
#include "core/damage/offline_profile.h"

#include <QTest>

#include <limits>

using namespace vw::damage;
using vw::datafile::FormatError;

namespace {

constexpr int NoMap = 4;

DataFile sampleFile()
{
    DataFile file = DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(1, 6)), false);
    file.setPlaneBlocks(NoMap, file.recordOffset(NoMap), 0);
    return file;
}

QByteArray slotBytes(const DataFile &file, int plane)
{
    const ProfileSlotView slot(file, plane);
    return file.bytes(slot.offset(), ProfileSlotView::Size);
}

} // namespace

class DamageProfileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Average HP divides the 96 values by 144; Average Armor is the mean of
    // all 32 armor values, not part 32's.
    void averages_data()
    {
        QTest::addColumn<double>("value"); // Damage 1 and 2 of every part, and part 32's armor
        QTest::addColumn<double>("armor"); // armor of parts 1..31
        QTest::addColumn<double>("hp");
        QTest::addColumn<double>("averageArmor");
        QTest::newRow("all 1.5") << 1.5 << 1.5 << 1.0 << 1.5;
        QTest::newRow("part 32 differs") << 2.0 << 3.0 << 1.55 << 2.97; // 223 / 144; 95 / 32
    }
    void averages()
    {
        QFETCH(double, value);
        QFETCH(double, armor);
        DataFile file = sampleFile();
        ProfileSlot slot(file, 2);
        for (int k = 1; k <= 32; ++k) {
            slot.setValue(ProfileSlot::Damage1, k, value);
            slot.setValue(ProfileSlot::Damage2, k, value);
            slot.setValue(ProfileSlot::Armor, k, k == 32 ? value : armor);
        }
        const ProfileFigures figures = profileFigures(file, 2);
        QTEST(figures.averageHp, "hp");
        QTEST(figures.averageArmor, "averageArmor");
    }

    void cellEdits_data()
    {
        QTest::addColumn<int>("col");
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("stored");
        QTest::newRow("damage 1") << 1 << "12.5" << 12.5;
        QTest::newRow("armor") << 3 << "-0.25" << -0.25;
        QTest::newRow("modifier floors") << 4 << "-3.5" << -4.0;
        QTest::newRow("modifier lowest") << 4 << "-32768" << -32768.0;
        QTest::newRow("modifier just below the top") << 4 << "32767.9" << 32767.0;
        QTest::newRow("modifier empty text") << 4 << "" << 0.0;
    }
    // An edit of part 7 stores that cell only; the modifier's other two bytes stay.
    void cellEdits()
    {
        QFETCH(int, col);
        QFETCH(QString, text);
        QFETCH(double, stored);
        DataFile file = sampleFile();
        ProfileSlot slot(file, 3);
        QByteArray expected = slotBytes(file, 3);
        editProfileCell(file, 3, col, 7, text);
        const double value = col == ModifierColumn ? slot.modifier(7) : slot.value(ProfileSlot::Column(col - 1), 7);
        QCOMPARE(value, stored);
        const int at = col == ModifierColumn ? ProfileSlot::modifierOffset(7) : ProfileSlot::valueOffset(ProfileSlot::Column(col - 1), 7);
        const QByteArray after = slotBytes(file, 3);
        expected.replace(at, col == ModifierColumn ? 2 : 8, after.mid(at, col == ModifierColumn ? 2 : 8));
        QCOMPARE(after, expected);
    }

    void refusedEdits_data()
    {
        QTest::addColumn<int>("plane");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("row");
        QTest::addColumn<double>("value");
        QTest::newRow("modifier 40000") << 1 << 4 << 5 << 40000.0;
        QTest::newRow("modifier 32768") << 1 << 4 << 5 << 32768.0;
        QTest::newRow("modifier below -32768") << 1 << 4 << 5 << -32768.5;
        QTest::newRow("modifier not a number") << 1 << 4 << 5 << std::numeric_limits<double>::quiet_NaN();
        QTest::newRow("row 33") << 1 << 1 << 33 << 1.0;
        QTest::newRow("column 0") << 1 << 0 << 5 << 1.0;
        QTest::newRow("plane 0") << 0 << 1 << 5 << 1.0;
    }
    void refusedEdits()
    {
        QFETCH(int, plane);
        QFETCH(int, col);
        QFETCH(int, row);
        QFETCH(double, value);
        DataFile file = sampleFile();
        const QByteArray before = vwtest::imageOf(file);
        QVERIFY_THROWS_EXCEPTION(FormatError, editProfileCell(file, plane, col, row, value));
        QCOMPARE(vwtest::imageOf(file), before);
    }

    // Each box combination copies what it names and leaves the slot's last 15 bytes.
    void copyCombinations_data()
    {
        QTest::addColumn<bool>("map");
        QTest::addColumn<bool>("values");
        QTest::newRow("map and values") << true << true;
        QTest::newRow("map only") << true << false;
        QTest::newRow("values only") << false << true;
        QTest::newRow("neither") << false << false;
    }
    void copyCombinations()
    {
        QFETCH(bool, map);
        QFETCH(bool, values);
        DataFile file = sampleFile();
        DamageMap(file, 1).setCell(0, 0, 0, 30); // the sample's maps of planes 1 and 2 are alike
        MapUndo undo;
        undo.SaveMapUndo(file, 2, 0, QPoint(0, 0));
        undo.SaveMapUndo(file, 5, 0, QPoint(0, 0));
        const QByteArray sourceMap = DamageMapView(file, 1).bytes(), sourceSlot = slotBytes(file, 1);
        const QByteArray destinationMap = DamageMapView(file, 2).bytes(), destinationSlot = slotBytes(file, 2);
        QVERIFY(sourceSlot.left(912) != destinationSlot.left(912));
        QVERIFY(copyDamageModel(file, 1, 2, map, values, &undo));
        QCOMPARE(DamageMapView(file, 2).bytes(), map ? sourceMap : destinationMap);
        QCOMPARE(slotBytes(file, 2).left(912), (values ? sourceSlot : destinationSlot).left(912));
        QCOMPARE(slotBytes(file, 2).mid(912), destinationSlot.mid(912));
        QCOMPARE(undo.count(), map ? 1 : 2); // plane 2's map moved: its entry goes
        QCOMPARE(DamageMapView(file, 1).bytes(), sourceMap);
        QCOMPARE(slotBytes(file, 1), sourceSlot);
    }

    void copyRefusals_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<bool>("map");
        QTest::addColumn<QString>("reason");
        QTest::newRow("map from a plane without one") << NoMap << 1 << true << "plane 4 has no damage map.";
        QTest::newRow("map to a plane without one") << 1 << NoMap << true << "plane 4 has no damage map.";
        QTest::newRow("no destination plane") << 1 << 0 << false << "plane 0 is not in the plane list.";
        QTest::newRow("plane beyond the list") << 7 << 1 << false << "plane 7 is not in the plane list.";
    }
    // Refused as a whole: not even the values are copied.
    void copyRefusals()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(bool, map);
        DataFile file = sampleFile();
        const QByteArray before = vwtest::imageOf(file);
        const CopyResult result = copyDamageModel(file, from, to, map, true);
        QVERIFY(!result);
        QTEST(result.reason, "reason");
        QCOMPARE(vwtest::imageOf(file), before);
    }
};

VW_TEST(DamageProfileTest)
#include "test_damage_profile.moc"
