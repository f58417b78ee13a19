#include "common/test_registry.h"

#include "core/datafile/data_file.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/operations/field_query.h"
#include "core/weapons/weapons_block.h"

#include <QTest>

using namespace vw::datafile;
namespace fields = vw::app::fields;
using vw::app::Assignment;
using vw::app::Condition;

namespace {

// Three planes of two configurations of two weapons, every ammunition type
// 5 and every ammo 0, but for the weapons of type 37: plane 1 (a fighter)
// config 1 weapon 2; plane 2 (a bomber) config 1 weapon 1 (ammo 100) and
// config 2 weapon 2 (ammo 500); plane 3 (a bomber) config 2 weapon 1.
// Configurations are named "Gun", but for plane 2's "Bombs" and plane 3's "Torpedo", both config 2.
DataFile planes()
{
    DataFile file = DataFile::fromBytes(buildSampleFile(vwtest::sampleOptions(2, 3)), true);
    for (int p = 1; p <= 3; ++p) {
        vw::flightmodel::PlaneHeader(file, p).setStoredPlaneType(p == 1 ? 0 : 1);
        vw::weapons::WeaponsBlock block(file, p);
        block.setConfigCount(2);
        for (int c = 1; c <= 2; ++c) {
            vw::weapons::ConfigRecord config = block.config(c);
            config.setWeaponCount(2);
            config.setName(QStringLiteral("Gun"));
            for (int w = 1; w <= 2; ++w) {
                vw::weapons::WeaponRecord weapon = config.weapon(w);
                weapon.setAmmoType(5);
                weapon.setAmmo(0);
                weapon.setBursts(7);
                weapon.setDeviation(1.5);
            }
        }
    }
    const auto weapon = [&](int p, int c, int w) { return vw::weapons::WeaponsBlock(file, p).config(c).weapon(w); };
    weapon(1, 1, 2).setAmmoType(37);
    weapon(2, 1, 1).setAmmoType(37);
    weapon(2, 1, 1).setAmmo(100);
    weapon(2, 2, 2).setAmmoType(37);
    weapon(2, 2, 2).setAmmo(500);
    weapon(3, 2, 1).setAmmoType(37);
    vw::weapons::WeaponsBlock(file, 2).config(2).setName(QStringLiteral("Bombs"));
    vw::weapons::WeaponsBlock(file, 3).config(2).setName(QStringLiteral("Torpedo"));
    return file;
}

QString weapon(int p, int c, int w, const char *field)
{
    return QStringLiteral("planes[%1].weapons.configurations[%2].weapons[%3].%4").arg(p).arg(c).arg(w).arg(QLatin1String(field));
}

const QString AnyWeapon = QStringLiteral("planes[*].weapons.configurations[*].weapons[*].");

QStringList found(const DataFile &file, const QStringList &texts)
{
    QList<Condition> conditions;
    for (const QString &t : texts)
        conditions << vw::app::parseCondition(t);
    QStringList paths;
    vw::app::findFields(file, conditions, [&](const fields::Match &m, const fields::Value &) {
        paths << fields::pathText(conditions.first().path, m);
    });
    return paths;
}

QString valueAt(const DataFile &file, const QString &path)
{
    const fields::FieldPath parsed = fields::parsePath(path);
    const std::optional<fields::Match> m = fields::resolve(file, parsed);
    return m ? fields::valueText(*m->leaf, fields::read(*m)) : QStringLiteral("(none)");
}

} // namespace

class FieldQueryTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Wildcards at the same place stand for the same index, at plane,
    // configuration and weapon level; a wildcard of its own stands for any.
    void wildcardsAtTheSamePlaceAreOneIndex_data()
    {
        QTest::addColumn<QStringList>("conditions");
        QTest::addColumn<QStringList>("paths");
        const QString type37 = AnyWeapon + "ammo_type == 37";
        QTest::newRow("weapon and plane") << QStringList{type37, "planes[*].header.plane_type == 1"}
                                          << QStringList{weapon(2, 1, 1, "ammo_type"), weapon(2, 2, 2, "ammo_type"), weapon(3, 2, 1, "ammo_type")};
        QTest::newRow("weapon, configuration and plane")
            << QStringList{type37, "planes[*].header.plane_type == 1", "planes[*].weapons.configurations[*].name ~ \"BOMB\""}
            << QStringList{weapon(2, 2, 2, "ammo_type")};
        QTest::newRow("two fields of one weapon") << QStringList{type37, AnyWeapon + "ammo > 50"}
                                                  << QStringList{weapon(2, 1, 1, "ammo_type"), weapon(2, 2, 2, "ammo_type")};
        QTest::newRow("free wildcards: some weapon")
            << QStringList{"planes[*].header.plane_type == 1", type37, AnyWeapon + "ammo >= 500"}
            << QStringList{"planes[2].header.plane_type"};
        QTest::newRow("configurations with such a weapon")
            << QStringList{"planes[*].weapons.configurations[*].name ~ \"o\"", type37}
            << QStringList{"planes[2].weapons.configurations[2].name", "planes[3].weapons.configurations[2].name"};
        QTest::newRow("a fixed index") << QStringList{type37, "planes[2].header.plane_type == 1", "planes[*].header.plane_type == 0"}
                                       << QStringList{weapon(1, 1, 2, "ammo_type")};
        QTest::newRow("nothing") << QStringList{type37, "planes[*].header.name == \"none such\""} << QStringList{};
    }
    void wildcardsAtTheSamePlaceAreOneIndex()
    {
        QFETCH(QStringList, conditions);
        QFETCH(QStringList, paths);
        QCOMPARE(found(planes(), conditions), paths);
    }

    void everyOperatorCompares_data()
    {
        QTest::addColumn<QString>("condition");
        QTest::addColumn<bool>("holds");
        const QString ammo = weapon(2, 2, 2, "ammo"), deviation = weapon(2, 2, 2, "deviation");
        QTest::newRow("==") << ammo + " == 500" << true;
        QTest::newRow("== 500.0") << ammo + " == 500.0" << true;
        QTest::newRow("== not") << ammo + " == 499" << false;
        QTest::newRow("!=") << ammo + " != 499" << true;
        QTest::newRow("< ") << ammo + " < 500" << false;
        QTest::newRow("<=") << ammo + " <= 500" << true;
        QTest::newRow(">") << ammo + " > 499.5" << true;
        QTest::newRow(">=") << ammo + " >= 501" << false;
        QTest::newRow("double <") << deviation + " < 1.5000001" << true;
        QTest::newRow("negative") << deviation + " > -2e3" << true;
        QTest::newRow("~ ignores case") << "planes[3].weapons.configurations[2].name ~ \"PED\"" << true;
        QTest::newRow("~ a number's text") << ammo + " ~ \"50\"" << true;
        QTest::newRow("text ==") << "planes[3].weapons.configurations[2].name == \"Torpedo\"" << true;
        QTest::newRow("text == is exact") << "planes[3].weapons.configurations[2].name == \"torpedo\"" << false;
        QTest::newRow("text !=") << "planes[3].weapons.configurations[2].name != \"Gun\"" << true;
        QTest::newRow("quote escape") << "planes[3].weapons.configurations[2].name != \"a\\\"b\\\\\"" << true;
    }
    void everyOperatorCompares()
    {
        QFETCH(QString, condition);
        QFETCH(bool, holds);
        QCOMPARE(found(planes(), {condition}).size(), holds ? 1 : 0);
    }

    // A bad expression is refused with its place, as a compiler reports it.
    void badExpressionsPointAtTheirPlace_data()
    {
        QTest::addColumn<bool>("assignment");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown field") << false << "planes[*].header.foo == 3" << 18 << "unknown field 'foo'";
        QTest::newRow("no operator") << false << "planes[*].header.plane_type 3" << 29 << "an operator expected";
        QTest::newRow("= in a condition") << false << "planes[*].header.plane_type = 3" << 29 << "'=' assigns";
        QTest::newRow("not a number") << false << "planes[*].header.plane_type == 3x" << 32 << "'3x' is not a number";
        QTest::newRow("text for a number") << false << "planes[*].header.plane_type == \"1\"" << 32 << "holds numbers";
        QTest::newRow("number for a text") << false << "planes[*].header.name == 1" << 26 << "holds a text";
        QTest::newRow("text ordered") << false << "planes[*].header.name < \"b\"" << 23 << "a text compares with";
        QTest::newRow("~ needs a text") << false << "planes[*].header.name ~ 1" << 25 << "~ looks for a text";
        QTest::newRow("unclosed text") << false << "planes[*].header.name == \"Kes" << 26 << "no closing";
        QTest::newRow("field as a condition's value") << false << "planes[*].header.plane_type == planes[1].header.plane_type" << 32 << "a value is a number";
        QTest::newRow("after the value") << false << "planes[*].header.plane_type == 1 2" << 34 << "unexpected '2'";
        QTest::newRow("== in an assignment") << true << "planes[*].header.plane_type == 1" << 29 << "'==' compares";
        QTest::newRow("file field") << true << "file.version = 3" << 1 << "cannot be changed";
        QTest::newRow("text arithmetic") << true << "planes[*].header.name += \"x\"" << 23 << "takes only =";
        QTest::newRow("text too long") << true << "planes[*].header.name = \"0123456789012345678\"" << 25 << "holds 18";
        QTest::newRow("division by zero") << true << AnyWeapon + "ammo /= 0" << 56 << "division by zero";
        QTest::newRow("unbound wildcard") << true << "planes[*].header.plane_type = planes[*].weapons.configurations[*].weapon_count"
                                          << 64 << "stands for no wildcard";
        QTest::newRow("kinds differ") << true << "planes[*].header.name = planes[*].header.plane_type" << 25 << "different kinds";
        QTest::newRow("bytes as hex") << true << "ammunition[1].raw_name = \"00\"" << 26 << "19 bytes";
    }
    void badExpressionsPointAtTheirPlace()
    {
        QFETCH(bool, assignment);
        QFETCH(QString, text);
        QFETCH(int, column);
        QFETCH(QString, message);
        try {
            if (assignment)
                vw::app::parseAssignment(text);
            else
                vw::app::parseCondition(text);
            QFAIL("no error");
        } catch (const vw::app::ExpressionError &e) {
            QVERIFY2(e.message.contains(message), qPrintable(e.message));
            QCOMPARE(int(e.offset) + 1, column);
            const QStringList report = vw::app::errorReport(e).split(QLatin1Char('\n'));
            QVERIFY2(report[0].startsWith(QLatin1String("error: ")) && report[0].endsWith(QStringLiteral(" at column %1").arg(column)),
                     qPrintable(report[0]));
            QCOMPARE(report[1], QStringLiteral("  ") + text);
            QCOMPARE(report[2].indexOf(QLatin1Char('^')), column + 1);
        }
    }

    // Each operator, rounding into integer fields, clamps, copies between
    // fields, the order of assignments and conditions on the values before them.
    void assignmentsChangeTheFields_data()
    {
        QTest::addColumn<QStringList>("assignments");
        QTest::addColumn<QStringList>("where");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("line");
        const QString ammo = weapon(2, 2, 2, "ammo");
        const QString bursts = weapon(2, 2, 2, "bursts");
        const QString deviation = weapon(2, 2, 2, "deviation");
        QTest::newRow("=") << QStringList{ammo + " = 250"} << QStringList{} << ammo << "250" << 1 << ammo + ": 500 -> 250";
        QTest::newRow("+=") << QStringList{ammo + " += 25"} << QStringList{} << ammo << "525" << 1 << "";
        QTest::newRow("-=") << QStringList{ammo + " -= 25"} << QStringList{} << ammo << "475" << 1 << "";
        QTest::newRow("*=") << QStringList{deviation + " *= 0.8"} << QStringList{} << deviation << "1.2" << 1 << deviation + ": 1.5 -> 1.2";
        QTest::newRow("/=") << QStringList{ammo + " /= 3"} << QStringList{} << ammo << "167" << 1 << "";
        QTest::newRow("min= raises") << QStringList{ammo + " min= 600"} << QStringList{} << ammo << "600" << 1 << "";
        QTest::newRow("min= keeps") << QStringList{ammo + " min= 400"} << QStringList{} << ammo << "500" << 0 << "";
        QTest::newRow("max= lowers") << QStringList{ammo + " max= 400"} << QStringList{} << ammo << "400" << 1 << "";
        QTest::newRow("halves to even down") << QStringList{ammo + " = 2.5"} << QStringList{} << ammo << "2" << 1 << "";
        QTest::newRow("halves to even up") << QStringList{ammo + " = 3.5"} << QStringList{} << ammo << "4" << 1 << "";
        QTest::newRow("clamped") << QStringList{ammo + " *= 80"} << QStringList{} << ammo << "30000" << 1
                                 << ammo + ": 500 -> 30000 (clamped from 40000)";
        QTest::newRow("clamped, unchanged") << QStringList{ammo + " = 30000", ammo + " += 1"} << QStringList{} << ammo << "30000" << 1
                                            << ammo + ": 30000 -> 30000 (clamped from 30001)";
        QTest::newRow("field to field") << QStringList{AnyWeapon + "bursts = " + AnyWeapon + "ammo"}
                                        << QStringList{AnyWeapon + "ammo_type == 37"} << bursts << "500" << 4 << "";
        QTest::newRow("field to field, other fields kept") << QStringList{AnyWeapon + "bursts = " + AnyWeapon + "ammo"}
                                                            << QStringList{AnyWeapon + "ammo_type == 37"} << weapon(2, 1, 2, "bursts") << "7" << 4 << "";
        QTest::newRow("in order") << QStringList{ammo + " = 10", ammo + " *= 3"} << QStringList{} << ammo << "30" << 1 << "";
        QTest::newRow("conditions before assignments")
            << QStringList{AnyWeapon + "ammo_type = 6", AnyWeapon + "ammo = 9"} << QStringList{AnyWeapon + "ammo_type == 37"}
            << weapon(3, 2, 1, "ammo") << "9" << 8 << "";
        QTest::newRow("text") << QStringList{"planes[*].weapons.configurations[2].name = \"Rockets\""}
                              << QStringList{"planes[*].header.plane_type == 1"} << "planes[3].weapons.configurations[2].name"
                              << "\"Rockets\"" << 2 << "planes[3].weapons.configurations[2].name: \"Torpedo\" -> \"Rockets\"";
    }
    void assignmentsChangeTheFields()
    {
        QFETCH(QStringList, assignments);
        QFETCH(QStringList, where);
        QFETCH(QString, path);
        QFETCH(QString, value);
        QFETCH(int, changed);
        QFETCH(QString, line);
        DataFile file = planes();
        QList<Assignment> parsed;
        for (const QString &a : assignments)
            parsed << vw::app::parseAssignment(a);
        QList<Condition> conditions;
        for (const QString &c : where)
            conditions << vw::app::parseCondition(c);
        const vw::app::EditOutcome outcome = vw::app::applyEdit(file, parsed, conditions);
        QCOMPARE(valueAt(file, path), value);
        QCOMPARE(outcome.changedFields, changed);
        if (!line.isEmpty()) {
            QVERIFY(!outcome.changes.isEmpty());
            const vw::app::FieldChange &last = outcome.changes.last();
            QCOMPARE(vw::app::changeLine(parsed[last.assignment], last), line);
        }
    }
};

VW_TEST(FieldQueryTest)
#include "test_field_query.moc"
