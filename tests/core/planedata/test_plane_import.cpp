#include "common/test_registry.h"

#include "core/planedata/plane_diff.h"
#include "core/planedata/plane_import.h"
#include "core/planedata/plane_json.h"
#include "cli/cli_commands.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/data_file.h"
#include "core/datafile/directory_entry.h"
#include "core/datafile/sample_builder.h"
#include "core/datafile/sample_support.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/weapons_block.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <bit>
#include <cmath>
#include <functional>
#include <memory>

using namespace vw::datafile;

namespace {

DataFile sample(int layout, int version)
{
    SampleOptions o;
    o.layout = layout;
    o.version = version;
    o.planes = 4;
    return DataFile::fromBytes(buildSampleFile(o), true);
}

// The value at a place written as refusals name it: "planes[1].header.name".
QJsonValue replaced(const QJsonValue &at, QStringList steps, const QJsonValue &value)
{
    if (steps.isEmpty())
        return value;
    const QString step = steps.takeFirst();
    bool isIndex = false;
    const int index = step.toInt(&isIndex);
    if (isIndex) {
        QJsonArray list = at.toArray();
        list[index] = replaced(list[index], steps, value);
        return list;
    }
    QJsonObject object = at.toObject();
    object[step] = replaced(object[step], steps, value);
    return object;
}
QJsonObject replaced(const QJsonObject &document, const QString &place, const QJsonValue &value)
{
    QString path = place;
    path.replace(QRegularExpression(QStringLiteral("\\[(\\d+)\\]")), QStringLiteral(".\\1"));
    return replaced(document, path.split(QLatin1Char('.')), value).toObject();
}

int runCli(const QStringList &arguments, QString *err = nullptr)
{
    QString o, e;
    QTextStream out(&o), errors(&e);
    const int code = vw::cli::run(arguments, out, errors);
    errors.flush();
    if (err)
        *err = e;
    return code;
}

} // namespace

using Change = std::function<void(DataFile &)>;
Q_DECLARE_METATYPE(Change)

class PlaneImportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(dir_->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }

private Q_SLOTS:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>(vwtest::scratchTemplate());
        QVERIFY(dir_->isValid());
    }

    // Fields the editor would never write (a plane type of 7, a plane neither
    // selectable nor hidden, a count past its table, NAN) still import back
    // onto their own file unchanged.
    void exportImportsBackByteForByte_data() { vwtest::addEveryLayoutAndCipher(); }
    void exportImportsBackByteForByte()
    {
        QFETCH(int, layout);
        QFETCH(int, version);
        DataFile file = sample(layout, version);
        vw::flightmodel::PlaneHeader(file, 2).setStoredPlaneType(7);
        using Entry = DirectoryEntry<DataFile>;
        file.writeU8(Entry(file, 3).offset() + Entry::SelectableAOffset, 0);
        file.writeU8(Entry(file, 3).offset() + Entry::SelectableBOffset, 0);
        using Block = vw::weapons::WeaponsBlock;
        file.writeU8(Block(file, 1).start() + Block::ConfigCountOffset, 200);
        vw::flightmodel::PlaneRecord(file, 4).setPrimary(9, std::nan(""));
        // Doubles at the ends of their range and a name with quotes, escapes
        // and Latin-1 letters: the export gives QJsonDocument's indented text.
        const double extremes[] = {5e-324, 1e-300, 1.7976931348623157e308, 123456789012345678.0, 0.0001, -2.5e-5, 1e21};
        for (int i = 0; i < 7; ++i)
            vw::flightmodel::PlaneRecord(file, 1).setPrimary(20 + i, extremes[i]);
        vw::flightmodel::PlaneHeader(file, 1).setText(vw::flightmodel::HeaderText::Name, QString::fromLatin1("a\"\\\t\x01\xe9"));
        const QString in = dir_->filePath(QStringLiteral("misc.bin"));
        file.SaveCfg(in, true);
        const QJsonObject document = vw::app::exportPlanes(file);
        const QByteArray text = vw::app::exportText(document);
        QCOMPARE(text, QJsonDocument(document).toJson(QJsonDocument::Indented));
        const QString json = write(QStringLiteral("all.json"), text);
        const QString out = dir_->filePath(QStringLiteral("out.bin"));

        QString err;
        QCOMPARE(runCli({QStringLiteral("import"), in, json, QStringLiteral("-o"), out}, &err), 0);
        QCOMPARE(err, QString());
        QVERIFY(vwtest::readWhole(out) == vwtest::readWhole(in));
    }

    // An export with one value edited changes that field's bytes and no others.
    void editedValueChangesOnlyItsField_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<Change>("change");
        using namespace vw::flightmodel;
        QTest::newRow("weapon ammo") << QStringLiteral("planes[1].weapons.configurations[0].weapons[0].ammo") << QJsonValue(1234)
                                     << Change([](DataFile &f) { vw::weapons::WeaponsBlock(f, 2).config(1).weapon(1).setAmmo(1234); });
        QTest::newRow("configuration name") << QStringLiteral("planes[0].weapons.configurations[0].name") << QJsonValue(QStringLiteral("Rockets"))
                                            << Change([](DataFile &f) { vw::weapons::WeaponsBlock(f, 1).config(1).setName(QStringLiteral("Rockets")); });
        QTest::newRow("header name") << QStringLiteral("planes[2].header.name") << QJsonValue(QStringLiteral("Harrier"))
                                     << Change([](DataFile &f) { PlaneHeader(f, 3).setText(HeaderText::Name, QStringLiteral("Harrier")); });
        QTest::newRow("selectable") << QStringLiteral("planes[0].header.selectable") << QJsonValue(false)
                                    << Change([](DataFile &f) { PlaneHeader(f, 1).setSelectable(false); });
        QTest::newRow("primary row") << QStringLiteral("planes[0].primary.rows[12]") << QJsonValue(QStringLiteral("-INF"))
                                     << Change([](DataFile &f) { PlaneRecord(f, 1).setPrimary(13, -HUGE_VAL); });
        QTest::newRow("speed point") << QStringLiteral("planes[3].engine.speed_points[4]") << QJsonValue(333)
                                     << Change([](DataFile &f) { PlaneRecord(f, 4).setSpeed(5, 333); });
        QTest::newRow("wep time") << QStringLiteral("planes[1].wep.times.cooling_ms") << QJsonValue(61000)
                                  << Change([](DataFile &f) { PlaneRecord(f, 2).setWepTimeMs(PlaneRecord::WepCooling, 61000); });
        QTest::newRow("handling") << QStringLiteral("planes[1].handling[40][2]") << QJsonValue(0.25)
                                  << Change([](DataFile &f) { PlaneRecord(f, 2).setHandling(40, PlaneRecord::Roll, 0.25); });
        QTest::newRow("damage map row") << QStringLiteral("planes[3].damage_map[7][31]") << QJsonValue(QString(64, QLatin1Char('f')))
                                        << Change([](DataFile &f) {
                                               for (int col = 0; col < 32; ++col)
                                                   vw::damage::DamageMap(f, 4).setCell(7, col, 31, 255);
                                           });
        QTest::newRow("profile modifier") << QStringLiteral("planes[2].damage_profile[31].modifier") << QJsonValue(-5)
                                          << Change([](DataFile &f) { vw::damage::ProfileSlot(f, 3).setModifier(32, -5); });
        QTest::newRow("wings") << QStringLiteral("wings[99][59]") << QJsonValue(7.5)
                               << Change([](DataFile &f) { WingsTable(f).setValue(99, 59, 7.5); });
        // The first three trailing rows are the last handling row: the name the patch changes is written.
        QTest::newRow("trailing row") << QStringLiteral("planes[1].primary.trailing_rows[2]") << QJsonValue(0.25)
                                      << Change([](DataFile &f) { PlaneRecord(f, 2).setHandling(40, PlaneRecord::Roll, 0.25); });
        // So is the last WEP power row the first handling row's pitch, each way round.
        QTest::newRow("first handling pitch") << QStringLiteral("planes[1].handling[0][0]") << QJsonValue(0.25)
                                              << Change([](DataFile &f) { PlaneRecord(f, 2).setHandling(0, PlaneRecord::Pitch, 0.25); });
        QTest::newRow("last WEP power row") << QStringLiteral("planes[1].wep.power[80]") << QJsonValue(0.25)
                                            << Change([](DataFile &f) { PlaneRecord(f, 2).setHandling(0, PlaneRecord::Pitch, 0.25); });
        QTest::newRow("ammunition") << QStringLiteral("ammunition[150].he_damage") << QJsonValue(-40)
                                    << Change([](DataFile &f) { vw::weapons::AmmoEntry(f, 150).setHeDamage(-40); });
    }
    void editedValueChangesOnlyItsField()
    {
        QFETCH(QString, place);
        QFETCH(QJsonValue, value);
        QFETCH(Change, change);
        for (int layout : {0, 2}) {
            DataFile file = sample(layout, defaultSampleVersion(layout));
            DataFile expected = sample(layout, defaultSampleVersion(layout));
            change(expected);
            QVERIFY(vwtest::imageOf(expected) != vwtest::imageOf(file));
            const QJsonObject patch = replaced(vw::app::exportPlanes(file), place, value);
            vw::app::importPatch(file, QJsonDocument(patch));
            QVERIFY(vwtest::imageOf(file) == vwtest::imageOf(expected));
        }
    }

    // Every double comes back with its bits: NaNs of any sign and payload, and
    // a negative zero however a patch writes it; diff tells them apart.
    void doublesComeBackBitForBit_data()
    {
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<quint64>("bits");
        const quint64 negativeZero = 0x8000000000000000;
        QTest::newRow("-0.0") << QByteArray("-0.0") << negativeZero;
        QTest::newRow("-0") << QByteArray("-0") << negativeZero;
        QTest::newRow("-0.00e5") << QByteArray("-0.00e5") << negativeZero;
        QTest::newRow("\"-0\"") << QByteArray(R"("-0")") << negativeZero;
        QTest::newRow("NAN") << QByteArray(R"("NAN")") << vw::app::StandardNaNBits;
        QTest::newRow("negative NaN") << QByteArray(R"("NAN:0xfff8000000000000")") << quint64(0xfff8000000000000);
        QTest::newRow("NaN with a payload") << QByteArray(R"("NAN:0x7ff8000000000001")") << quint64(0x7ff8000000000001);
        QTest::newRow("signalling NaN, upper-case digits") << QByteArray(R"("NAN:0x7FF0000000000001")") << quint64(0x7ff0000000000001);
    }
    void doublesComeBackBitForBit()
    {
        QFETCH(QByteArray, written);
        QFETCH(quint64, bits);
        using vw::flightmodel::PlaneRecord;
        const auto bitsOf = [](DataFile &f) { return std::bit_cast<quint64>(PlaneRecord(f, 1).primary(5)); };
        DataFile file = sample(2, 274);
        vw::app::importPatch(file, vw::app::parsePatch(R"({"planes": [{"plane": 1, "primary": {"rows": [null, null, null, null, )" + written + "]}}]}"));
        QCOMPARE(bitsOf(file), bits);
        DataFile other = sample(2, 274);
        vw::app::importPatch(other, vw::app::parsePatch(vw::app::exportText(vw::app::exportPlanes(file))));
        QCOMPARE(bitsOf(other), bits);
        DataFile plain = sample(2, 274);
        PlaneRecord(plain, 1).setPrimary(5, std::bit_cast<double>(vw::app::StandardNaNBits));
        QCOMPARE(vw::app::diffFiles(plain, file).size(), bits == vw::app::StandardNaNBits ? 0 : 1);
        PlaneRecord(plain, 1).setPrimary(5, 0.0);
        QCOMPARE(vw::app::diffFiles(plain, file).size(), 1);
    }

    // A patch with any fault names the field, exits 1 and writes nothing.
    void faultyPatchIsRefusedWhole_data()
    {
        QTest::addColumn<QByteArray>("patch");
        QTest::addColumn<QString>("message");
        // Each patch first changes a valid field, which must not be written either.
        const QByteArray valid = R"({"plane": 1, "header": {"name": "Changed"}}, )";
        QTest::newRow("ammo out of range")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "weapons": {"configurations": [null, {"weapons": [null, null, {"ammo": 40000}]}]}}]})")
            << QStringLiteral("planes[1].weapons.configurations[1].weapons[2].ammo: 40000 is outside 0..30000");
        QTest::newRow("wrong type")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "engine": {"speed_points": ["fast"]}}]})")
            << QStringLiteral("planes[1].engine.speed_points[0]: \"fast\" is not a whole number");
        QTest::newRow("unknown field")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "header": {"colour": 3}}]})")
            << QStringLiteral("planes[1].header.colour: is not a field here");
        QTest::newRow("text too long")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "wep": {"texts": {"enabled": ")" + QByteArray(41, 'x') + R"("}}}]})")
            << QStringLiteral("planes[1].wep.texts.enabled: \"");
        QTest::newRow("plane that does not exist")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 9, "handling": []}]})")
            << QStringLiteral("planes[1].plane: 9 is outside 1..4");
        QTest::newRow("name of no plane")
            << QByteArray(R"({"planes": [)" + valid + R"({"name": "Nobody"}]})")
            << QStringLiteral("planes[1].name: no plane is named \"Nobody\"");
        QTest::newRow("more planes than the file has")
            << QByteArray(R"({"planes": [)" + valid + R"({}, {}, {}, {}, null]})")
            << QStringLiteral("planes: has 5 entries; the file has 4 planes");
        QTest::newRow("broken JSON") << valid << QStringLiteral("at offset ");
        QTest::newRow("ammunition names that disagree")
            << QByteArray(R"({"ammunition": [{"name": "abc", "raw_name": "78797a00000000000000000000000000000000"}]})")
            << QStringLiteral("ammunition[0].name: \"abc\" is not the name raw_name holds (\"xyz\")");
        QTest::newRow("labelled row of another row")
            << QByteArray(R"({"planes": [{"plane": 1, "primary": {"rows": [{"row": 2, "value": 1}]}}]})")
            << QStringLiteral("planes[0].primary.rows[0].row: 2 is not this entry's row, 1");
        // A key given twice would leave the last one standing.
        QTest::newRow("ammo given twice")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "weapons": {"configurations": [{"weapons": [{"ammo": 40000, "ammo": 100}]}]}}]})")
            << QStringLiteral("planes[1].weapons.configurations[0].weapons[0].ammo: is given twice");
        QTest::newRow("plane given twice")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 999, "plane": 2, "handling": []}]})")
            << QStringLiteral("planes[1].plane: is given twice");
        QTest::newRow("planes given twice")
            << QByteArray(R"({"planes": [)" + valid.chopped(2) + R"(], "planes": []})") << QStringLiteral("planes: is given twice");
        QTest::newRow("escaped key given twice")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "header": {"name": "A", "n\u0061me": "B"}}]})")
            << QStringLiteral("planes[1].header.name: is given twice");
        QTest::newRow("two entries for one plane")
            << QByteArray(R"({"planes": [)" + valid + R"(null, {"name": "Kestrel", "header": {"sounds": "s"}}]})")
            << QStringLiteral("planes[2]: plane 1 is patched by planes[0] already");
        QTest::newRow("plane and name of different planes")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "name": "Kestrel"}]})")
            << QStringLiteral("planes[1].name: plane 2 is named \"Gyrfalcon\", not \"Kestrel\"");
        // A huge value is refused with its start only, before it is parsed.
        QTest::newRow("huge name")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "header": {"name": ")" + QByteArray(2 << 20, 'A') + R"("}}]})")
            << QStringLiteral("planes[1].header.name: \"AAAAAAAAAAAAAAAAAAAAAAAAAAAAAAAA...\" (2097152 bytes) is longer than any field holds");
        QTest::newRow("long name")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "header": {"name": ")" + QByteArray(3000, 'A') + R"("}}]})")
            << QStringLiteral("...\" (3000 characters) is longer than the field's 18 characters");
        QTest::newRow("huge key")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, ")" + QByteArray(5000, 'k') + R"(": 1}]})")
            << QStringLiteral("planes[1]: the key \"kkkk");
        QTest::newRow("control character in a name")
            << QByteArray(R"({"planes": [)" + valid + "{\"plane\": 2, \"header\": {\"name\": \"a\\u001b[2J\"}}]}")
            << QStringLiteral("planes[1].header.name: \"a\\x1b[2J\" has a control character");
        QTest::newRow("NaN form holding no NaN")
            << QByteArray(R"({"planes": [)" + valid + R"({"plane": 2, "primary": {"rows": ["NAN:0x7ff0000000000000"]}}]})")
            << QStringLiteral("planes[1].primary.rows[0]: \"NAN:0x7ff0000000000000\" is not a number");
    }
    void faultyPatchIsRefusedWhole()
    {
        QFETCH(QByteArray, patch);
        QFETCH(QString, message);
        DataFile file = sample(1, 273);
        const QString in = dir_->filePath(QStringLiteral("misc.bin"));
        file.SaveCfg(in, true);
        const QString json = write(QStringLiteral("patch.json"), patch);
        const QString out = dir_->filePath(QStringLiteral("out.bin"));
        QString err;
        QCOMPARE(runCli({QStringLiteral("import"), in, json, QStringLiteral("-o"), out}, &err), 1);
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY2(err.size() < 300, qPrintable(err.left(300)));
        QVERIFY(!QFile::exists(out));
        QCOMPARE(runCli({QStringLiteral("import"), in, json}), 2);
    }

    // A patch of a part the file lacks says what it lacks.
    void partTheFileLacksIsRefused_data()
    {
        QTest::addColumn<QByteArray>("part");
        QTest::addColumn<QString>("message");
        QTest::newRow("engine") << QByteArray(R"("engine": {"speed_points": [1]})") << "planes[0].engine: the file has no plane record for plane 2";
        QTest::newRow("handling") << QByteArray(R"("handling": [])") << "planes[0].handling: the file has no plane record for plane 2";
        QTest::newRow("weapons") << QByteArray(R"("weapons": {"config_count": 1})") << "planes[0].weapons: the file has no weapons for plane 2";
        QTest::newRow("damage map") << QByteArray(R"("damage_map": [])") << "planes[0].damage_map: the file has no damage map for plane 2";
    }
    void partTheFileLacksIsRefused()
    {
        QFETCH(QByteArray, part);
        QFETCH(QString, message);
        DataFile source = sample(1, 273);
        DirectoryEntry<DataFile> entry(source, 2);
        entry.setStoredRecordOffset(0);
        entry.setStoredDamageMapOffset(0);
        const QByteArray before = source.toBytes(false);
        DataFile file = DataFile::fromBytes(before, false);
        try {
            vw::app::importPatch(file, vw::app::parsePatch(R"({"planes": [{"plane": 2, )" + part + "}]}"));
            QFAIL("accepted");
        } catch (const FormatError &e) {
            QCOMPARE(e.reason(), message);
        }
        QVERIFY(file.toBytes(false) == before);
    }
};

VW_TEST(PlaneImportTest)
#include "test_plane_import.moc"
