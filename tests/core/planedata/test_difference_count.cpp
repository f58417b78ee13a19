#include "common/test_registry.h"

#include "core/planedata/difference_count.h"
#include "core/planedata/plane_diff.h"
#include "core/datafile/sample_builder.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

#include <functional>

using vw::datafile::DataFile;
using Change = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Change)

// The count of differences that follows the window's edits is the number of
// lines the diff lists, however the files differ.
class DifferenceCountTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countIsTheDiffs_data()
    {
        QTest::addColumn<Change>("change");
        QTest::newRow("same files") << Change([](DataFile &) {});
        QTest::newRow("fields of two planes") << Change([](DataFile &f) {
            vw::weapons::WeaponsBlock(f, 2).config(1).weapon(1).setAmmo(4321);
            vw::flightmodel::PlaneRecord(f, 5).setPrimary(13, 1.5);
            vw::flightmodel::PlaneRecord(f, 5).setPrimary(14, 2.5);
        });
        QTest::newRow("a configuration one side lacks") << Change([](DataFile &f) {
            vw::weapons::WeaponsBlock block(f, 3);
            block.setConfigCount(block.configCount() - 1);
        });
        QTest::newRow("shared table") << Change([](DataFile &f) { vw::weapons::AmmoEntry(f, 7).setHeDamage(77); });
        QTest::newRow("a plane one side lacks") << Change([](DataFile &f) { f.setPlaneCount(f.PlaneCount() - 1); });
    }
    void countIsTheDiffs()
    {
        QFETCH(Change, change);
        const QByteArray image = vw::datafile::buildSampleFile({});
        const DataFile a = DataFile::fromBytes(image, true);
        DataFile b = DataFile::fromBytes(image, true);
        change(b);
        int count = vw::app::fields::countSharedDifferences(a, b);
        for (int p = 1; p <= std::max(a.PlaneCount(), b.PlaneCount()); ++p)
            count += vw::app::fields::countPlaneDifferences(a, b, p);
        QCOMPARE(count, vw::app::diffFiles(a, b).size());
        QCOMPARE(count > 0, QByteArray(QTest::currentDataTag()) != "same files");
    }
};

VW_TEST(DifferenceCountTest)

#include "test_difference_count.moc"
