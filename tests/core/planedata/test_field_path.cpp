#include "common/test_registry.h"

#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/planedata/field_path.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

using namespace vw::datafile;
namespace fields = vw::app::fields;

namespace {

DataFile sample()
{
    return DataFile::fromBytes(buildSampleFile(vwtest::sampleOptions(2, 4)), true);
}

} // namespace

class FieldPathTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void faultsNameTheirPlace_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown key") << "planes[1].header.nmae" << 17 << "unknown field 'nmae'";
        QTest::newRow("unknown start") << "plane[1].header.name" << 0 << "unknown field 'plane'";
        QTest::newRow("index out of list") << "planes[1].weapons.configurations[9].name" << 33 << "index 9 is outside 1..8";
        QTest::newRow("ammunition from 0") << "ammunition[151].he_damage" << 11 << "outside 0..150";
        QTest::newRow("plane 0") << "planes[0].header.name" << 7 << "planes are numbered from 1";
        QTest::newRow("empty range") << "planes[5..2].header.name" << 7 << "is empty";
        QTest::newRow("no index") << "planes.header.name" << 6 << "is a list";
        QTest::newRow("unclosed index") << "planes[1.header.name" << 8 << "']' expected";
        QTest::newRow("part, not field") << "planes[1].header" << 16 << "is a part, not a field";
        QTest::newRow("field has no members") << "planes[1].header.name.x" << 21 << "is a field";
        QTest::newRow("trailing text") << "ammunition[3].weight)" << 20 << "unexpected ')'";
        QTest::newRow("nested list") << "planes[1].handling[41][4]" << 23 << "outside 1..3";
    }
    void faultsNameTheirPlace()
    {
        QFETCH(QString, text);
        QFETCH(int, offset);
        QFETCH(QString, message);
        try {
            fields::parsePath(text);
            QFAIL("no fault");
        } catch (const fields::PathError &e) {
            QVERIFY2(e.message.contains(message), qPrintable(e.message));
            QCOMPARE(int(e.offset), offset);
        }
    }

    // Patterns match what the export writes: configurations and weapons
    // within their stored counts, planes within the file.
    void patternsMatchTheExportsFields_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("label");
        QTest::newRow("every weapon") << "planes[*].weapons.configurations[*].weapons[*].ammo" << -1
                                      << "planes[1].weapons.configurations[1].weapons[1].ammo" << "Ammo";
        QTest::newRow("plane range") << "planes[2..3].header.name" << 2 << "planes[2].header.name" << "Plane name";
        QTest::newRow("planes beyond the file") << "planes[3..20].header.name" << 2 << "planes[3].header.name" << "Plane name";
        QTest::newRow("one shared field") << "ammunition[37].he_damage" << 1 << "ammunition[37].he_damage" << "HE Damage";
        QTest::newRow("primary row") << "planes[2].primary.rows[16]" << 1 << "planes[2].primary.rows[16]" << "primary row 16";
        QTest::newRow("handling columns") << "planes[*].handling[41][*]" << 12 << "planes[1].handling[41][1]" << "Pitch";
        QTest::newRow("wings from 0") << "wings[0..1][60]" << 2 << "wings[0][60]" << "Wings";
        QTest::newRow("plane not in file") << "planes[9].header.name" << 0 << "" << "";
    }
    void patternsMatchTheExportsFields()
    {
        QFETCH(QString, pattern);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, label);
        const DataFile file = sample();
        if (count < 0) { // every weapon the stored counts use
            count = 0;
            for (int p = 1; p <= file.PlaneCount(); ++p) {
                const vw::weapons::WeaponsBlockView block(file, p);
                for (int c = 1; c <= block.configCount(); ++c)
                    count += block.config(c).weaponCount();
            }
        }
        const fields::FieldPath path = fields::parsePath(pattern);
        const QList<fields::Field> found = fields::enumerate(file, path);
        QCOMPARE(found.size(), count);
        if (count == 0)
            return;
        QCOMPARE(found.first().path, first);
        QCOMPARE(fields::fieldLabel(path, found.first().match), label);
        // A path of the list names the same field again.
        const std::optional<fields::Match> again = fields::resolve(file, fields::parsePath(found.last().path));
        QVERIFY(again);
        QCOMPARE(fields::pathText(fields::parsePath(found.last().path), *again), found.last().path);
    }

    // A wildcard bound elsewhere takes only its bound index; others stay free.
    void boundWildcardsTakeTheirIndex()
    {
        const DataFile file = sample();
        const fields::FieldPath weapon = fields::parsePath(QStringLiteral("planes[*].weapons.configurations[*].weapons[*].ammo"));
        const fields::FieldPath plane = fields::parsePath(QStringLiteral("planes[*].header.plane_type"));
        const fields::FieldPath config = fields::parsePath(QStringLiteral("planes[*].weapons.configurations[*].name"));
        const QList<fields::Field> weapons = fields::enumerate(file, weapon);
        const fields::Match &last = weapons.last().match;
        QCOMPARE(last.bindings.count, 3);
        QStringList planes, configs;
        fields::forEachMatch(file, plane, &last.bindings, [&](const fields::Match &m) {
            planes << fields::pathText(plane, m);
            return true;
        });
        fields::Bindings onlyPlane;
        onlyPlane.add(last.bindings.items[0].list, 2);
        fields::forEachMatch(file, config, &onlyPlane, [&](const fields::Match &m) {
            configs << fields::pathText(config, m);
            return true;
        });
        QCOMPARE(planes, QStringList{QStringLiteral("planes[4].header.plane_type")});
        QCOMPARE(configs.size(), vw::weapons::WeaponsBlockView(file, 2).configCount());
        QVERIFY(configs.first().startsWith(QLatin1String("planes[2].")));
    }

    void writesKeepTheFieldsRange_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<qint64>("integer");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("clamped");
        const QString weapon = QStringLiteral("planes[1].weapons.configurations[1].weapons[1].");
        QTest::newRow("ammo in range") << weapon + "ammo" << qint64(250) << "" << "250" << false;
        QTest::newRow("ammo above") << weapon + "ammo" << qint64(40000) << "" << "30000" << true;
        QTest::newRow("ammo below") << weapon + "ammo" << qint64(-5) << "" << "0" << true;
        QTest::newRow("ammo type above") << weapon + "ammo_type" << qint64(200) << "" << "150" << true;
        QTest::newRow("plane type") << "planes[2].header.plane_type" << qint64(7) << "" << "1" << true;
        QTest::newRow("name fits") << "planes[2].header.name" << qint64(0) << "Kestrel" << "\"Kestrel\"" << false;
        QTest::newRow("name cut") << "planes[2].header.name" << qint64(0) << QString(40, QLatin1Char('x'))
                                  << "\"" + QString(18, QLatin1Char('x')) + "\"" << true;
    }
    void writesKeepTheFieldsRange()
    {
        QFETCH(QString, path);
        QFETCH(qint64, integer);
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QFETCH(bool, clamped);
        DataFile file = sample();
        const fields::FieldPath parsed = fields::parsePath(path);
        const std::optional<fields::Match> m = fields::resolve(file, parsed);
        QVERIFY(m);
        fields::Value v;
        v.integer = integer;
        v.text = text;
        const fields::Written w = fields::write(file, *m, v);
        QCOMPARE(w.clamped, clamped);
        QCOMPARE(fields::valueText(*m->leaf, w.stored), stored);
        QCOMPARE(fields::valueText(*m->leaf, fields::read(*m)), stored);
    }
};

VW_TEST(FieldPathTest)
#include "test_field_path.moc"
