#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/weapons/ammo_entry.h"
#include "core/weapons/ammo_table.h"

#include <QTest>

#include <limits>

using namespace vw::weapons;
using vw::datafile::DataFile;

namespace {

DataFile sampleFile(int layout = 1, quint32 seed = 7)
{
    return DataFile::fromBytes(vw::datafile::buildSamplePlainImage(vwtest::sampleOptions(layout, 5, -1, seed)), false);
}

} // namespace

class AmmoTableTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // HE damage h becomes N(h / 2 + 0.5); AP damage is halved and doubled
    // through its shown text; the other numbers stay.
    void halfAndDoubleDamage_data()
    {
        QTest::addColumn<int>("he");
        QTest::addColumn<int>("halved");
        QTest::addColumn<double>("ap");
        QTest::addColumn<double>("apHalved");
        const int table[] = {0, 1, 2, 2, 2, 3, 4, 4, 4, 5, 6};
        for (int h = 0; h <= 10; ++h)
            QTest::addRow("HE %d", h) << h << table[h] << 1.0 << 0.5;
        QTest::newRow("AP 25, HE 7") << 7 << 4 << 25.0 << 12.5;
        QTest::newRow("HE -3") << -3 << -1 << -3.0 << -1.5;
        QTest::newRow("AP through 15 digits") << 0 << 0 << 0.30000000000000004 << 0.15;
    }
    void halfAndDoubleDamage()
    {
        QFETCH(int, he);
        QFETCH(int, halved);
        QFETCH(double, ap);
        QFETCH(double, apHalved);
        DataFile file = sampleFile();
        AmmoEntry entry(file, 150);
        entry.setHeDamage(he);
        entry.setApDamage(ap);
        const double range = entry.heRange();
        const int param1 = entry.param1();
        halveAmmoDamage(file);
        QCOMPARE(entry.heDamage(), halved);
        QCOMPARE(entry.apDamage(), apHalved);
        doubleAmmoDamage(file);
        QCOMPARE(entry.heDamage(), halved * 2);
        QCOMPARE(entry.apDamage(), apHalved * 2);
        QCOMPARE(entry.heRange(), range);
        QCOMPARE(entry.param1(), param1);
    }

    // An HE damage whose double would wrap stays, and its entry is reported.
    void doubleDamageNeverWraps()
    {
        DataFile file = sampleFile();
        for (int k = 0; k < AmmoEntry::Count; ++k)
            AmmoEntry(file, k).setHeDamage(k);
        AmmoEntry(file, 3).setHeDamage(1073741824);
        AmmoEntry(file, 9).setHeDamage(-1073741825);
        AmmoEntry(file, 12).setHeDamage(1073741823);
        QCOMPARE(doubleAmmoDamage(file), QList<int>({3, 9}));
        QCOMPARE(AmmoEntry(file, 3).heDamage(), 1073741824);
        QCOMPARE(AmmoEntry(file, 9).heDamage(), -1073741825);
        QCOMPARE(AmmoEntry(file, 12).heDamage(), 2147483646);
        QCOMPARE(AmmoEntry(file, 150).heDamage(), 300);
    }

    // Copy in one file, paste into another of another layout: the six numbers
    // of entries 0..150 arrive, the names stay; an empty clipboard pastes nothing.
    void copyAndPasteAcrossFiles()
    {
        DataFile from = sampleFile(0, 3);
        AmmoEntry(from, 4).setApDamage(0.1 + 0.2);
        AmmoEntry(from, 4).setParam2(-17);
        DataFile to = sampleFile(2, 9);
        QByteArray names, entry151;
        for (int k = 0; k < AmmoEntry::Count; ++k)
            names += AmmoEntryView(to, k).rawName();
        QVERIFY(AmmoEntryView(to, 151).exists());
        entry151 = to.bytes(AmmoEntryView(to, 151).offset(), AmmoEntry::Size);

        const QByteArray untouched = vwtest::imageOf(to);
        QVERIFY(!pasteAllAmmo(to, AmmoClipboard()));
        QCOMPARE(vwtest::imageOf(to), untouched);

        const AmmoClipboard clipboard = copyAllAmmo(from);
        QVERIFY(pasteAllAmmo(to, clipboard));
        for (int k = 0; k < AmmoEntry::Count; ++k) {
            const AmmoEntryView a(from, k), b(to, k);
            QCOMPARE(b.apDamage(), a.apDamage());
            QCOMPARE(b.heDamage(), a.heDamage());
            QCOMPARE(b.heRange(), a.heRange());
            QCOMPARE(b.weight(), a.weight());
            QCOMPARE(b.param1(), a.param1());
            QCOMPARE(b.param2(), a.param2());
        }
        QCOMPARE(AmmoEntryView(to, 4).apDamage(), 0.1 + 0.2);
        QByteArray namesAfter;
        for (int k = 0; k < AmmoEntry::Count; ++k)
            namesAfter += AmmoEntryView(to, k).rawName();
        QCOMPARE(namesAfter, names);
        QCOMPARE(to.bytes(AmmoEntryView(to, 151).offset(), AmmoEntry::Size), entry151);
    }
};

VW_TEST(AmmoTableTest)
#include "test_ammo_table.moc"
