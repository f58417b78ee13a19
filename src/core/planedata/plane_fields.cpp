// The field tables of each record type of the plane data file.

#include "field_table.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/weapons_block.h"

#include <QtGlobal>

#include <algorithm>
#include <cstring>
#include <limits>

namespace vw::app::fields {

using datafile::DataFile;

namespace {


constexpr qint64 I32Min = std::numeric_limits<std::int32_t>::min(), I32Max = std::numeric_limits<std::int32_t>::max();

Value integerValue(qint64 n)
{
    Value v;
    v.integer = n;
    return v;
}
Value numberValue(double d)
{
    Value v;
    v.number = d;
    return v;
}
Value textValue(const QString &t)
{
    Value v;
    v.text = t;
    return v;
}

// An integer field stored in `bits` bits. The import takes min..max.
Node integer(const char *key, const char *label, int bits, bool isSigned, qint64 min, qint64 max, bool clamped = false)
{
    Node n;
    n.key = key;
    n.label = label;
    n.kind = Kind::Integer;
    n.bits = bits;
    n.isSigned = isSigned;
    n.min = min;
    n.max = max;
    n.clamped = clamped;
    return n;
}
Node i32(const char *key, const char *label) { return integer(key, label, 32, true, I32Min, I32Max); }
Node number(const char *key, const char *label)
{
    Node n;
    n.key = key;
    n.label = label;
    n.kind = Kind::Number;
    return n;
}
Node text(const char *key, const char *label, int width)
{
    Node n;
    n.key = key;
    n.label = label;
    n.kind = Kind::Text;
    n.width = width;
    return n;
}
Node object(const char *key, std::vector<Node> members, std::optional<PageId> page = std::nullopt, Test exists = {})
{
    Node n;
    n.shape = Node::Object;
    n.key = key;
    n.page = page;
    n.members = std::move(members);
    n.exists = std::move(exists);
    return n;
}
// A list of `count` entries numbered from `first`; `label` names an entry.
Node list(const char *key, const char *label, int count, int first, Node element, Counter present = {})
{
    Node n;
    n.shape = Node::List;
    n.key = key;
    n.label = label;
    n.count = count;
    n.first = first;
    n.present = std::move(present);
    n.members.push_back(std::move(element));
    return n;
}
template <class F>
Node reading(Node n, F read)
{
    n.read = std::move(read);
    return n;
}
// A part the file may lack, and what the import says the file lacks (the
// plane's number, or the entry's in a shared table, stands for %1).
Node lacking(Node n, const char *absent)
{
    n.absent = absent;
    return n;
}

// A field the file check reports when the file holds a value outside its range.
Node checked(Node n, const char *name)
{
    n.checkedAs = name;
    return n;
}

template <class F, class W>
Node field(Node n, F read, W write)
{
    n.read = std::move(read);
    n.write = std::move(write);
    return n;
}

// ---- Directory entry: the plane header ----

using flightmodel::HeaderText;
using flightmodel::PlaneHeader;
using flightmodel::PlaneHeaderView;

Node headerText(const char *key, const char *label, HeaderText which)
{
    return field(text(key, label, flightmodel::headerTextField(which).width),
                 [which](const At &a) { return textValue(PlaneHeaderView(*a.file, a.plane).text(which)); },
                 [which](DataFile &f, const At &a, const Value &v) { PlaneHeader(f, a.plane).setText(which, v.text); });
}

Node headerFields()
{
    Node selectable;
    selectable.key = "selectable";
    selectable.label = QT_TRANSLATE_NOOP("vw::fields", "Plane is selectable");
    selectable.kind = Kind::Flag;
    selectable = field(
        selectable,
        [](const At &a) {
            Value v;
            v.flag = PlaneHeaderView(*a.file, a.plane).selectable();
            return v;
        },
        [](DataFile &f, const At &a, const Value &v) { PlaneHeader(f, a.plane).setSelectable(v.flag); });
    return lacking(object("header",
                  {headerText("name", QT_TRANSLATE_NOOP("vw::fields", "Plane name"), HeaderText::Name),
                   headerText("icon_in_air", QT_TRANSLATE_NOOP("vw::fields", "Icon in air"), HeaderText::IconInAir),
                   headerText("sounds", QT_TRANSLATE_NOOP("vw::fields", "Sounds"), HeaderText::Sounds),
                   headerText("cockpit_1", QT_TRANSLATE_NOOP("vw::fields", "Cocpit №1"), HeaderText::Cockpit1),
                   headerText("cockpit_2", QT_TRANSLATE_NOOP("vw::fields", "Cocpit №2"), HeaderText::Cockpit2),
                   headerText("model_3d", QT_TRANSLATE_NOOP("vw::fields", "3D Model"), HeaderText::Model3D),
                   field(integer("plane_type", QT_TRANSLATE_NOOP("vw::fields", "Plane Type"), 8, false, PlaneHeader::Fighter, PlaneHeader::Bomber),
                         [](const At &a) { return integerValue(PlaneHeaderView(*a.file, a.plane).planeType()); },
                         [](DataFile &f, const At &a, const Value &v) {
                             PlaneHeader(f, a.plane).setStoredPlaneType(std::uint8_t(v.integer));
                         }),
                   selectable},
                  PageId::Header, [](const At &a) { return PlaneHeaderView(*a.file, a.plane).exists(); }),
                   QT_TRANSLATE_NOOP("vw::app", "directory entry for plane %1"));
}

// ---- Weapons block: configurations and weapon slots ----

using weapons::ConfigRecord;
using weapons::ConfigRecordView;
using weapons::WeaponRecord;
using weapons::WeaponRecordView;
using weapons::WeaponsBlock;
using weapons::WeaponsBlockView;

constexpr const char *RecordLacking = QT_TRANSLATE_NOOP("vw::app", "plane record for plane %1");

// The plane record and weapons block exist: the parts read from them.
bool hasRecord(const At &a)
{
    return flightmodel::PlaneRecordView(*a.file, a.plane).exists() && WeaponsBlockView(*a.file, a.plane).exists();
}

ConfigRecordView configAt(const At &a) { return WeaponsBlockView(*a.file, a.plane).config(a[0] + 1); }
ConfigRecord configAt(DataFile &f, const At &a) { return WeaponsBlock(f, a.plane).config(a[0] + 1); }
WeaponRecordView weaponAt(const At &a) { return configAt(a).weapon(a[1] + 1); }
WeaponRecord weaponAt(DataFile &f, const At &a) { return configAt(f, a).weapon(a[1] + 1); }

template <auto Get, auto Set>
Node weaponField(Node n)
{
    if (n.kind == Kind::Number)
        return field(
            n, [](const At &a) { return numberValue((weaponAt(a).*Get)()); },
            [](DataFile &f, const At &a, const Value &v) {
                WeaponRecord w = weaponAt(f, a);
                (w.*Set)(v.number);
            });
    return field(
        n, [](const At &a) { return integerValue((weaponAt(a).*Get)()); },
        [](DataFile &f, const At &a, const Value &v) {
            WeaponRecord w = weaponAt(f, a);
            (w.*Set)(decltype((weaponAt(a).*Get)())(v.integer));
        });
}

Node weaponFields()
{
    using W = WeaponRecordView;
    using S = WeaponRecord;
    Node weapon = object(
        nullptr,
        {
            weaponField<&W::slotIndex, &S::setSlotIndex>(integer("slot_index", QT_TRANSLATE_NOOP("vw::fields", "Slot index"), 8, false, 0, 255)),
            weaponField<&W::group, &S::setGroup>(checked(integer("group", QT_TRANSLATE_NOOP("vw::fields", "Weapon group"), 8, false, 0, W::MaxGroup, true), "group")),
            weaponField<&W::ammoType, &S::setAmmoType>(
                checked(integer("ammo_type", QT_TRANSLATE_NOOP("vw::fields", "Weapon type"), 8, false, 0, W::MaxAmmoType, true), "ammunition type")),
            weaponField<&W::heavyAmmo, &S::setHeavyAmmo>(integer("heavy_ammo", QT_TRANSLATE_NOOP("vw::fields", "Hvy Ammo"), 16, false, 0, W::MaxAmmo, true)),
            weaponField<&W::bursts, &S::setBursts>(integer("bursts", QT_TRANSLATE_NOOP("vw::fields", "Bursts"), 16, false, 0, W::MaxBursts, true)),
            weaponField<&W::ammo, &S::setAmmo>(integer("ammo", QT_TRANSLATE_NOOP("vw::fields", "Ammo"), 16, false, 0, W::MaxAmmo, true)),
            weaponField<&W::positionX, &S::setPositionX>(number("position_x", QT_TRANSLATE_NOOP("vw::fields", "Weapon Coordinates X"))),
            weaponField<&W::positionY, &S::setPositionY>(number("position_y", QT_TRANSLATE_NOOP("vw::fields", "Weapon Coordinates Y"))),
            weaponField<&W::positionZ, &S::setPositionZ>(number("position_z", QT_TRANSLATE_NOOP("vw::fields", "Weapon Coordinates Z"))),
            weaponField<&W::fireDelay, &S::setFireDelay>(i32("fire_delay", QT_TRANSLATE_NOOP("vw::fields", "Delay"))),
            weaponField<&W::damagePart, &S::setDamagePart>(i32("damage_part", QT_TRANSLATE_NOOP("vw::fields", "Damage part"))),
            weaponField<&W::tracerCount, &S::setTracerCount>(i32("tracer_count", QT_TRANSLATE_NOOP("vw::fields", "Trasser"))),
            weaponField<&W::storedKey, &S::setStoredKey>(i32("stored_key", QT_TRANSLATE_NOOP("vw::fields", "Assigned 'Key'"))),
            weaponField<&W::verticalControl, &S::setVerticalControl>(i32("vertical_control", QT_TRANSLATE_NOOP("vw::fields", "Vertical control type"))),
            weaponField<&W::verticalMin, &S::setVerticalMin>(number("vertical_min", QT_TRANSLATE_NOOP("vw::fields", "Vertical Angle min"))),
            weaponField<&W::verticalMax, &S::setVerticalMax>(number("vertical_max", QT_TRANSLATE_NOOP("vw::fields", "Vertical Angle max"))),
            weaponField<&W::horizontalControl, &S::setHorizontalControl>(
                i32("horizontal_control", QT_TRANSLATE_NOOP("vw::fields", "Horizontal control type"))),
            weaponField<&W::horizontalMin, &S::setHorizontalMin>(number("horizontal_min", QT_TRANSLATE_NOOP("vw::fields", "Horizontal Angle min"))),
            weaponField<&W::horizontalMax, &S::setHorizontalMax>(number("horizontal_max", QT_TRANSLATE_NOOP("vw::fields", "Horizontal Angle max"))),
            weaponField<&W::graphics, &S::setGraphics>(i32("graphics", QT_TRANSLATE_NOOP("vw::fields", "Graphics"))),
            weaponField<&W::deviation, &S::setDeviation>(number("deviation", QT_TRANSLATE_NOOP("vw::fields", "Deviation"))),
        });
    Node config = object(
        nullptr,
        {field(text("name", QT_TRANSLATE_NOOP("vw::fields", "Config name"), ConfigRecordView::NameWidth),
               [](const At &a) { return textValue(configAt(a).name()); },
               [](DataFile &f, const At &a, const Value &v) { configAt(f, a).setName(v.text); }),
         field(checked(integer("weapon_count", QT_TRANSLATE_NOOP("vw::fields", "Number of weapons"), 8, false, 1, ConfigRecordView::Slots, true), "weapon count"),
               [](const At &a) { return integerValue(configAt(a).storedWeaponCount()); },
               [](DataFile &f, const At &a, const Value &v) { configAt(f, a).setWeaponCount(int(v.integer)); }),
         list("weapons", QT_TRANSLATE_NOOP("vw::fields", "weapon"), ConfigRecordView::Slots, 1, weapon,
              [](const At &a) { return configAt(a).weaponCount(); })});
    return lacking(object(
        "weapons",
        {field(checked(integer("config_count", QT_TRANSLATE_NOOP("vw::fields", "Number of configs"), 8, false, 1, WeaponsBlockView::Slots, true), "configuration count"),
               [](const At &a) { return integerValue(WeaponsBlockView(*a.file, a.plane).storedConfigCount()); },
               [](DataFile &f, const At &a, const Value &v) { WeaponsBlock(f, a.plane).setConfigCount(int(v.integer)); }),
         list("configurations", QT_TRANSLATE_NOOP("vw::fields", "config"), WeaponsBlockView::Slots, 1, config,
              [](const At &a) { return WeaponsBlockView(*a.file, a.plane).configCount(); })},
        PageId::Weapons, hasRecord), QT_TRANSLATE_NOOP("vw::app", "weapons for plane %1"));
}

// ---- Plane record: primary table, engine, WEP and handling ----

using flightmodel::PlaneRecord;
using flightmodel::PlaneRecordView;
using R = PlaneRecordView;

// A double at a record offset that depends on where the walk is.
template <class Offset>
Node recordNumber(Node n, Offset offset)
{
    return field(
        n, [offset](const At &a) { return numberValue(R(*a.file, a.plane).number(offset(a))); },
        [offset](DataFile &f, const At &a, const Value &v) { PlaneRecord(f, a.plane).setNumber(offset(a), v.number); });
}

// One list of numbers of the record.
template <class Offset>
Node numberList(const char *key, const char *listLabel, int count, int first, const char *label, Offset offset)
{
    return list(key, listLabel, count, first, recordNumber(number(nullptr, label), offset));
}

Node primaryFields()
{
    Node rows = numberList("rows", QT_TRANSLATE_NOOP("vw::fields", "primary row"), R::PrimaryDoubles, 1, nullptr,
                           [](const At &a) { return R::primaryOffset(a[0] + 1); });
    rows.members[0].row = [](const At &a) { return a[0] + 1; };
    // The first three trailing rows are the bytes of the last handling row.
    Node trailing = numberList("trailing_rows", QT_TRANSLATE_NOOP("vw::fields", "trailing row"), R::TrailingRows, 1, nullptr,
                               [](const At &a) { return R::trailingRowOffset(a[0]); });
    trailing.members[0].row = [](const At &a) { return R::PrimaryDoubles + a[0] + 1; };
    trailing.members[0].alias = "planes[*].handling[41][*]";
    trailing.members[0].aliasAt = [](const At &a) { return a[0] < 3; };
    return lacking(object("primary", {rows, trailing}, PageId::Primary, hasRecord), RecordLacking);
}

Node engineFields()
{
    Node speed = field(integer(nullptr, QT_TRANSLATE_NOOP("vw::fields", "Speed (mph)"), 32, true, I32Min, I32Max),
                       [](const At &a) { return integerValue(R(*a.file, a.plane).speed(a[0] + 1)); },
                       [](DataFile &f, const At &a, const Value &v) {
                           PlaneRecord(f, a.plane).setSpeed(a[0] + 1, std::int32_t(v.integer));
                       });
    Node power = recordNumber(number(nullptr, QT_TRANSLATE_NOOP("vw::fields", "Engine power")),
                              [](const At &a) { return R::powerOffset(a[1] + 1, a[0] + 1); });
    return lacking(object(
        "engine",
        {field(integer("speed_point_count", QT_TRANSLATE_NOOP("vw::fields", "Speed points"), 8, false, 1, R::MatrixColumns, true),
               [](const At &a) { return integerValue(R(*a.file, a.plane).storedSpeedPointCount()); },
               [](DataFile &f, const At &a, const Value &v) { PlaneRecord(f, a.plane).setSpeedPointCount(int(v.integer)); }),
         field(integer("altitude_row_count", QT_TRANSLATE_NOOP("vw::fields", "Altitude rows"), 8, false, 1, R::MatrixRows, true),
               [](const At &a) { return integerValue(R(*a.file, a.plane).storedAltitudeRowCount()); },
               [](DataFile &f, const At &a, const Value &v) { PlaneRecord(f, a.plane).setAltitudeRowCount(int(v.integer)); }),
         recordNumber(number("extra_parameter", QT_TRANSLATE_NOOP("vw::fields", "Unknown engine parameter")),
                      [](const At &) { return R::ExtraEngineParameterOffset; }),
         list("power_matrix", QT_TRANSLATE_NOOP("vw::fields", "altitude row"), R::MatrixRows, 1,
              list(nullptr, QT_TRANSLATE_NOOP("vw::fields", "speed point"), R::MatrixColumns, 1, power)),
         list("speed_points", QT_TRANSLATE_NOOP("vw::fields", "speed point"), R::MatrixColumns, 1, speed)},
        PageId::EnginePower, hasRecord), RecordLacking);
}

Node wepTime(const char *key, const char *label, R::WepTime which)
{
    return field(i32(key, label), [which](const At &a) { return integerValue(R(*a.file, a.plane).wepTimeMs(which)); },
                 [which](DataFile &f, const At &a, const Value &v) {
                     PlaneRecord(f, a.plane).setWepTimeMs(PlaneRecord::WepTime(which), std::int32_t(v.integer));
                 });
}
Node wepText(const char *key, const char *label, R::WepText which)
{
    return field(text(key, label, R::WepTextWidth),
                 [which](const At &a) { return textValue(R(*a.file, a.plane).wepText(which)); },
                 [which](DataFile &f, const At &a, const Value &v) { PlaneRecord(f, a.plane).setWepText(PlaneRecord::WepText(which), v.text); });
}

Node wepFields()
{
    // The last WEP power row is the bytes of the first handling row's pitch.
    Node wepPower = numberList("power", QT_TRANSLATE_NOOP("vw::fields", "altitude row"), R::WepPowerRows, 1,
                               QT_TRANSLATE_NOOP("vw::fields", "WEP Power"), [](const At &a) { return R::wepPowerOffset(a[0]); });
    wepPower.members[0].alias = "planes[*].handling[1][1]";
    wepPower.members[0].aliasAt = [](const At &a) { return a[0] == R::WepPowerRows - 1; };
    return lacking(object(
        "wep",
        {object("times", {wepTime("fuel_ms", QT_TRANSLATE_NOOP("vw::fields", "WEP Fuel"), R::WepFuel),
                          wepTime("overheat_ms", QT_TRANSLATE_NOOP("vw::fields", "WEP Overheet"), R::WepOverheat),
                          wepTime("cooling_ms", QT_TRANSLATE_NOOP("vw::fields", "WEP Cooling"), R::WepCooling)}),
         object("texts", {wepText("enabled", QT_TRANSLATE_NOOP("vw::fields", "Text String on 'WEP Enabled'"), R::WepEnabled),
                          wepText("disabled", QT_TRANSLATE_NOOP("vw::fields", "Text String on 'WEP Disabled'"), R::WepDisabled),
                          wepText("out_of_wep", QT_TRANSLATE_NOOP("vw::fields", "Text String on 'Out of WEP'"), R::OutOfWep)}),
         wepPower},
        PageId::EngineWep, hasRecord), RecordLacking);
}

constexpr const char *AxisLabels[] = {QT_TRANSLATE_NOOP("vw::fields", "Pitch"), QT_TRANSLATE_NOOP("vw::fields", "Yaw"), QT_TRANSLATE_NOOP("vw::fields", "Roll")};

Node handlingFields()
{
    Node axes = list(nullptr, QT_TRANSLATE_NOOP("vw::fields", "Pitch, Yaw or Roll"), 3, 1,
                     recordNumber(number(nullptr, nullptr),
                                  [](const At &a) { return R::handlingOffset(a[0], R::Axis(a[1])); }));
    axes.entryLabels = AxisLabels;
    // The last row is the first three trailing rows, the first row's pitch the last WEP power row.
    axes.members[0].aliased = true;
    Node rows = list("handling", QT_TRANSLATE_NOOP("vw::fields", "handling row"), R::HandlingRows, 1, axes);
    rows.page = PageId::Handling;
    rows.exists = hasRecord;
    rows.absent = RecordLacking;
    return rows;
}

// ---- Damage map and damage profile ----

Node damageMapFields()
{
    using M = damage::DamageMapView;
    Node row;
    row.kind = Kind::Bytes;
    row.width = M::Side;
    row = field(
        row,
        [](const At &a) {
            Value v;
            v.bytes = M(*a.file, a.plane).level(a[0]).mid(a[1] * M::Side, M::Side);
            return v;
        },
        [](DataFile &f, const At &a, const Value &v) {
            damage::DamageMap map(f, a.plane);
            QByteArray cells = map.level(a[0]);
            cells.replace(a[1] * M::Side, M::Side, v.bytes);
            map.setLevel(a[0], cells);
        });
    Node levels = list("damage_map", QT_TRANSLATE_NOOP("vw::fields", "damage map level"), M::Levels, 1, list(nullptr, QT_TRANSLATE_NOOP("vw::fields", "row"), M::Side, 1, row));
    levels.page = PageId::DamageMaps;
    levels.exists = [](const At &a) { return M(*a.file, a.plane).exists(); };
    levels.absent = QT_TRANSLATE_NOOP("vw::app", "damage map for plane %1");
    return levels;
}

Node profileFields()
{
    using S = damage::ProfileSlotView;
    const auto value = [](const char *key, const char *label, S::Column column) {
        return field(number(key, label), [column](const At &a) { return numberValue(S(*a.file, a.plane).value(column, a[0] + 1)); },
                     [column](DataFile &f, const At &a, const Value &v) {
                         damage::ProfileSlot(f, a.plane).setValue(damage::ProfileSlot::Column(column), a[0] + 1, v.number);
                     });
    };
    Node part = object(nullptr, {value("damage1", QT_TRANSLATE_NOOP("vw::fields", "Damage 1"), S::Damage1), value("damage2", QT_TRANSLATE_NOOP("vw::fields", "Damage 2"), S::Damage2),
                                 value("armor", QT_TRANSLATE_NOOP("vw::fields", "Armor"), S::Armor),
                                 field(integer("modifier", QT_TRANSLATE_NOOP("vw::fields", "Modifier"), 16, true, std::numeric_limits<std::int16_t>::min(),
                                               std::numeric_limits<std::int16_t>::max()),
                                       [](const At &a) { return integerValue(S(*a.file, a.plane).modifier(a[0] + 1)); },
                                       [](DataFile &f, const At &a, const Value &v) {
                                           damage::ProfileSlot(f, a.plane).setModifier(a[0] + 1, std::int16_t(v.integer));
                                       })});
    Node parts = list("damage_profile", QT_TRANSLATE_NOOP("vw::fields", "damage profile part"), S::Parts, 1, part);
    parts.page = PageId::OfflineProfile;
    parts.exists = [](const At &a) { return S(*a.file, a.plane).exists(); };
    parts.absent = QT_TRANSLATE_NOOP("vw::app", "damage profile slot for plane %1");
    return parts;
}

// ---- The shared tables: wings and ammunition ----

Node wingsFields()
{
    using T = flightmodel::WingsTableView;
    Node value = field(number(nullptr, QT_TRANSLATE_NOOP("vw::fields", "Wings")), [](const At &a) { return numberValue(T(*a.file).value(a[0], a[1])); },
                       [](DataFile &f, const At &a, const Value &v) { flightmodel::WingsTable(f).setValue(a[0], a[1], v.number); });
    Node wings = list("wings", QT_TRANSLATE_NOOP("vw::fields", "wing"), T::Entries, 0, list(nullptr, QT_TRANSLATE_NOOP("vw::fields", "column"), T::Steps, 1, value));
    wings.page = PageId::Wings;
    wings.exists = [](const At &a) { return T(*a.file).exists(); };
    wings.absent = QT_TRANSLATE_NOOP("vw::app", "wings table");
    return wings;
}

using weapons::AmmoEntry;
using weapons::AmmoEntryView;

template <auto Get, auto Set>
Node ammoField(Node n)
{
    if (n.kind == Kind::Number)
        return field(n, [](const At &a) { return numberValue((AmmoEntryView(*a.file, a[0]).*Get)()); },
                     [](DataFile &f, const At &a, const Value &v) {
                         AmmoEntry e(f, a[0]);
                         (e.*Set)(v.number);
                     });
    return field(n, [](const At &a) { return integerValue((AmmoEntryView(*a.file, a[0]).*Get)()); },
                 [](DataFile &f, const At &a, const Value &v) {
                     AmmoEntry e(f, a[0]);
                     (e.*Set)(std::int32_t(v.integer));
                 });
}

Node ammunitionFields()
{
    using A = AmmoEntryView;
    Node rawName;
    rawName.key = "raw_name";
    rawName.label = QT_TRANSLATE_NOOP("vw::fields", "Name bytes");
    rawName.kind = Kind::Bytes;
    rawName.width = A::NameWidth;
    rawName = field(
        rawName,
        [](const At &a) {
            Value v;
            v.bytes = A(*a.file, a[0]).rawName();
            return v;
        },
        [](DataFile &f, const At &a, const Value &v) { AmmoEntry(f, a[0]).setRawName(v.bytes); });
    rawName.aliased = true;
    // The name's bytes up to the first zero, one character each; written
    // back padded with zeros. The same bytes as raw_name.
    Node name = field(
        text("name", QT_TRANSLATE_NOOP("vw::fields", "Ammunition name"), A::NameWidth),
        [](const At &a) {
            const QByteArray raw = A(*a.file, a[0]).rawName();
            const qsizetype zero = raw.indexOf('\0');
            return textValue(QString::fromLatin1(zero < 0 ? raw : raw.left(zero)));
        },
        [](DataFile &f, const At &a, const Value &v) {
            QByteArray bytes = v.text.toLatin1();
            bytes.resize(A::NameWidth, '\0');
            AmmoEntry(f, a[0]).setRawName(bytes);
        });
    name.alias = "ammunition[*].raw_name";
    Node entry = object(nullptr,
                        {ammoField<&A::apDamage, &AmmoEntry::setApDamage>(number("ap_damage", QT_TRANSLATE_NOOP("vw::fields", "AP Damage"))),
                         ammoField<&A::heDamage, &AmmoEntry::setHeDamage>(i32("he_damage", QT_TRANSLATE_NOOP("vw::fields", "HE Damage"))),
                         ammoField<&A::heRange, &AmmoEntry::setHeRange>(number("he_range", QT_TRANSLATE_NOOP("vw::fields", "HE Range"))),
                         ammoField<&A::weight, &AmmoEntry::setWeight>(number("weight", QT_TRANSLATE_NOOP("vw::fields", "Weight"))),
                         ammoField<&A::param1, &AmmoEntry::setParam1>(i32("param1", QT_TRANSLATE_NOOP("vw::fields", "Param 1"))),
                         ammoField<&A::param2, &AmmoEntry::setParam2>(i32("param2", QT_TRANSLATE_NOOP("vw::fields", "Param 2"))), rawName, name},
                        std::nullopt, [](const At &a) { return A(*a.file, a[0]).exists(); });
    entry.absent = QT_TRANSLATE_NOOP("vw::app", "ammunition entry %1");
    Node entries = list("ammunition", QT_TRANSLATE_NOOP("vw::fields", "ammunition"), A::Count, 0, entry);
    entries.page = PageId::Ammunition;
    return entries;
}

// ---- The file and its planes ----

Node fileFields()
{
    const auto info = [](const char *key, const char *label, qint64 min, qint64 max, auto get) {
        return reading(integer(key, label, 32, true, min, max), [get](const At &a) { return integerValue(get(*a.file)); });
    };
    return object("file",
                  {info("version", QT_TRANSLATE_NOOP("vw::fields", "File Version"), I32Min, I32Max, [](const DataFile &f) { return f.FileVersion(); }),
                   info("layout", QT_TRANSLATE_NOOP("vw::fields", "Misc.bin format"), 0, 2, [](const DataFile &f) { return f.FileLayout(); }),
                   info("planes", QT_TRANSLATE_NOOP("vw::fields", "Number of Planes"), 0, I32Max, [](const DataFile &f) { return f.PlaneCount(); })},
                  PageId::Misc);
}

Node planeFields()
{
    Node number = reading(integer("plane", QT_TRANSLATE_NOOP("vw::fields", "Plane"), 32, true, 1, I32Max),
                          [](const At &a) { return integerValue(a.plane); });
    Node plane = object(nullptr, {number, headerFields(), weaponFields(), primaryFields(), engineFields(), wepFields(),
                                  handlingFields(), damageMapFields(), profileFields()},
                        PageId::Header);
    Node planes = list("planes", QT_TRANSLATE_NOOP("vw::fields", "plane"), 0, 1, plane);
    planes.planes = true;
    return planes;
}

// Members in the order the export writes them: by key, as JSON objects sort.
void sortMembers(Node &node)
{
    if (node.shape == Node::Object)
        std::sort(node.members.begin(), node.members.end(),
                  [](const Node &a, const Node &b) { return std::strcmp(a.key, b.key) < 0; });
    for (Node &m : node.members)
        sortMembers(m);
}

} // namespace

const Node &document()
{
    static const Node root = [] {
        Node d = object(nullptr, {fileFields(), planeFields(), wingsFields(), ammunitionFields()}, PageId::Misc);
        sortMembers(d);
        return d;
    }();
    return root;
}

} // namespace vw::app::fields
