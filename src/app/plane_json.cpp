#include "plane_json.h"

#include "damage/damage_map.h"
#include "damage/damage_profile.h"
#include "datafile/directory_entry.h"
#include "flightmodel/plane_header.h"
#include "flightmodel/plane_record.h"
#include "weapons/ammo_entry.h"
#include "weapons/weapons_block.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cmath>

namespace vw::app {

using datafile::DataFile;
using datafile::FormatError;

namespace {

QString key(const char *name) { return QString::fromLatin1(name); }

QJsonArray doubles(int count, const auto &valueOf)
{
    QJsonArray values;
    for (int i = 0; i < count; ++i)
        values.append(doubleValue(valueOf(i)));
    return values;
}

QJsonObject header(const DataFile &file, int plane)
{
    using flightmodel::HeaderText;
    const flightmodel::PlaneHeaderView h(file, plane);
    QJsonObject o;
    o[key("name")] = h.text(HeaderText::Name);
    o[key("icon_in_air")] = h.text(HeaderText::IconInAir);
    o[key("sounds")] = h.text(HeaderText::Sounds);
    o[key("cockpit_1")] = h.text(HeaderText::Cockpit1);
    o[key("cockpit_2")] = h.text(HeaderText::Cockpit2);
    o[key("model_3d")] = h.text(HeaderText::Model3D);
    o[key("plane_type")] = h.planeType();
    o[key("selectable")] = h.selectable();
    return o;
}

QJsonObject weapon(const weapons::WeaponRecordView &w)
{
    QJsonObject o;
    o[key("slot_index")] = w.slotIndex();
    o[key("group")] = w.group();
    o[key("ammo_type")] = w.ammoType();
    o[key("heavy_ammo")] = w.heavyAmmo();
    o[key("bursts")] = w.bursts();
    o[key("ammo")] = w.ammo();
    o[key("position_x")] = doubleValue(w.positionX());
    o[key("position_y")] = doubleValue(w.positionY());
    o[key("position_z")] = doubleValue(w.positionZ());
    o[key("fire_delay")] = w.fireDelay();
    o[key("damage_part")] = w.damagePart();
    o[key("tracer_count")] = w.tracerCount();
    o[key("stored_key")] = w.storedKey();
    o[key("vertical_control")] = w.verticalControl();
    o[key("vertical_min")] = doubleValue(w.verticalMin());
    o[key("vertical_max")] = doubleValue(w.verticalMax());
    o[key("horizontal_control")] = w.horizontalControl();
    o[key("horizontal_min")] = doubleValue(w.horizontalMin());
    o[key("horizontal_max")] = doubleValue(w.horizontalMax());
    o[key("graphics")] = w.graphics();
    o[key("deviation")] = doubleValue(w.deviation());
    return o;
}

// The configurations and weapons the plane uses: as many as its counts say.
QJsonObject weaponsBlock(const weapons::WeaponsBlockView &block)
{
    QJsonObject o;
    o[key("config_count")] = block.storedConfigCount();
    QJsonArray configs;
    for (int c = 1; c <= block.configCount(); ++c) {
        const weapons::ConfigRecordView config = block.config(c);
        QJsonObject co;
        co[key("name")] = config.name();
        co[key("weapon_count")] = config.storedWeaponCount();
        QJsonArray list;
        for (int w = 1; w <= config.weaponCount(); ++w)
            list.append(weapon(config.weapon(w)));
        co[key("weapons")] = list;
        configs.append(co);
    }
    o[key("configurations")] = configs;
    return o;
}

void record(QJsonObject &plane, const flightmodel::PlaneRecordView &r)
{
    using R = flightmodel::PlaneRecordView;
    QJsonObject primary;
    primary[key("rows")] = doubles(R::PrimaryDoubles, [&](int i) { return r.primary(i + 1); });
    primary[key("trailing_rows")] = doubles(R::TrailingRows, [&](int i) {
        return r.number(R::LastPrimaryOffset - 8 * (R::TrailingRows - 1 - i));
    });
    plane[key("primary")] = primary;

    QJsonObject engine;
    engine[key("speed_point_count")] = r.storedSpeedPointCount();
    engine[key("altitude_row_count")] = r.storedAltitudeRowCount();
    engine[key("extra_parameter")] = doubleValue(r.extraEngineParameter());
    QJsonArray matrix;
    for (int row = 1; row <= R::MatrixRows; ++row)
        matrix.append(doubles(R::MatrixColumns, [&](int i) { return r.power(i + 1, row); }));
    engine[key("power_matrix")] = matrix;
    QJsonArray speeds;
    for (int col = 1; col <= R::MatrixColumns; ++col)
        speeds.append(r.speed(col));
    engine[key("speed_points")] = speeds;
    plane[key("engine")] = engine;

    QJsonObject wep;
    QJsonObject times;
    times[key("fuel_ms")] = r.wepTimeMs(R::WepFuel);
    times[key("overheat_ms")] = r.wepTimeMs(R::WepOverheat);
    times[key("cooling_ms")] = r.wepTimeMs(R::WepCooling);
    wep[key("times")] = times;
    QJsonObject texts;
    texts[key("enabled")] = r.wepText(R::WepEnabled);
    texts[key("disabled")] = r.wepText(R::WepDisabled);
    texts[key("out_of_wep")] = r.wepText(R::OutOfWep);
    wep[key("texts")] = texts;
    wep[key("power")] = doubles(R::WepPowerRows, [&](int k) { return r.number(R::wepPowerOffset(k)); });
    plane[key("wep")] = wep;

    QJsonArray handling;
    for (int j = 0; j < R::HandlingRows; ++j) {
        const R::HandlingRow row = r.handlingRow(j);
        handling.append(doubles(3, [&](int axis) { return row[std::size_t(axis)]; }));
    }
    plane[key("handling")] = handling;
}

// Each map row as 32 cells of two hex digits.
QJsonArray damageMap(const damage::DamageMapView &map)
{
    QJsonArray levels;
    for (int level = 0; level < damage::DamageMapView::Levels; ++level) {
        const QByteArray cells = map.level(level);
        QJsonArray rows;
        for (int row = 0; row < damage::DamageMapView::Side; ++row)
            rows.append(QString::fromLatin1(cells.mid(row * damage::DamageMapView::Side, damage::DamageMapView::Side).toHex()));
        levels.append(rows);
    }
    return levels;
}

QJsonArray profile(const damage::ProfileSlotView &slot)
{
    using S = damage::ProfileSlotView;
    QJsonArray parts;
    for (int part = 1; part <= S::Parts; ++part) {
        QJsonObject o;
        o[key("damage1")] = doubleValue(slot.value(S::Damage1, part));
        o[key("damage2")] = doubleValue(slot.value(S::Damage2, part));
        o[key("armor")] = doubleValue(slot.value(S::Armor, part));
        o[key("modifier")] = slot.modifier(part);
        parts.append(o);
    }
    return parts;
}

QJsonObject plane(const DataFile &file, int p)
{
    QJsonObject o;
    o[key("plane")] = p;
    const flightmodel::PlaneHeaderView h(file, p);
    o[key("header")] = h.exists() ? QJsonValue(header(file, p)) : QJsonValue();
    const flightmodel::PlaneRecordView r(file, p);
    const weapons::WeaponsBlockView block(file, p);
    if (r.exists() && block.exists()) {
        record(o, r);
        o[key("weapons")] = weaponsBlock(block);
    } else {
        for (const char *part : {"primary", "engine", "wep", "handling", "weapons"})
            o[key(part)] = QJsonValue();
    }
    const damage::DamageMapView map(file, p);
    o[key("damage_map")] = map.exists() ? QJsonValue(damageMap(map)) : QJsonValue();
    const damage::ProfileSlotView slot(file, p);
    o[key("damage_profile")] = slot.exists() ? QJsonValue(profile(slot)) : QJsonValue();
    return o;
}

QJsonValue wings(const DataFile &file)
{
    const flightmodel::WingsTableView table(file);
    if (!table.exists())
        return QJsonValue();
    QJsonArray entries;
    for (int w = 0; w < table.Entries; ++w)
        entries.append(doubles(table.Steps, [&](int step) { return file.f64(table.offset(w, step)); }));
    return entries;
}

QJsonArray ammunition(const DataFile &file)
{
    QJsonArray entries;
    for (int k = 0; k < weapons::AmmoEntryView::Count; ++k) {
        const weapons::AmmoEntryView e(file, k);
        if (!e.exists()) {
            entries.append(QJsonValue());
            continue;
        }
        QJsonObject o;
        o[key("ap_damage")] = doubleValue(e.apDamage());
        o[key("he_damage")] = e.heDamage();
        o[key("he_range")] = doubleValue(e.heRange());
        o[key("weight")] = doubleValue(e.weight());
        o[key("param1")] = e.param1();
        o[key("param2")] = e.param2();
        o[key("raw_name")] = QString::fromLatin1(e.rawName().toHex());
        entries.append(o);
    }
    return entries;
}

} // namespace

QJsonValue doubleValue(double value)
{
    if (std::isnan(value))
        return key("NAN");
    if (std::isinf(value))
        return key(value > 0 ? "INF" : "-INF");
    if (value == 0 && std::signbit(value))
        return key("-0");
    return value;
}

double doubleFromValue(const QJsonValue &value, bool *ok)
{
    if (ok)
        *ok = true;
    if (value.isDouble())
        return value.toDouble();
    const QString text = value.toString();
    if (text == QLatin1String("NAN"))
        return std::nan("");
    if (text == QLatin1String("INF"))
        return HUGE_VAL;
    if (text == QLatin1String("-INF"))
        return -HUGE_VAL;
    if (text == QLatin1String("-0"))
        return -0.0;
    if (ok)
        *ok = false;
    return 0;
}

QJsonObject exportPlanes(const DataFile &file, const QList<int> &planes)
{
    QList<int> chosen = planes;
    if (chosen.isEmpty())
        for (int p = 1; p <= file.PlaneCount(); ++p)
            chosen.append(p);
    QJsonArray list;
    for (int p : chosen) {
        if (p < 1 || p > file.PlaneCount())
            throw FormatError(QStringLiteral("The file has planes 1 to %1, not %2.").arg(file.PlaneCount()).arg(p));
        list.append(plane(file, p));
    }
    QJsonObject info;
    info[key("version")] = file.FileVersion();
    info[key("layout")] = file.FileLayout();
    info[key("planes")] = file.PlaneCount();
    QJsonObject document;
    document[key("file")] = info;
    document[key("planes")] = list;
    document[key("wings")] = wings(file);
    document[key("ammunition")] = ammunition(file);
    return document;
}

QByteArray exportText(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace vw::app
