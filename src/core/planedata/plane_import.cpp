#include "plane_import.h"

#include "core/planedata/patch_scan.h"
#include "core/planedata/plane_json.h"
#include "core/planedata/shown_text.h"
#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/weapons_block.h"

#include <QCoreApplication>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <bit>
#include <cmath>
#include <exception>
#include <functional>
#include <limits>
#include <thread>

namespace vw::app {

using datafile::DataFile;
using datafile::FormatError;

namespace {

constexpr qint64 I32Min = std::numeric_limits<std::int32_t>::min(), I32Max = std::numeric_limits<std::int32_t>::max();
// Characters a refusal quotes of a text before it cuts it; no field is longer.
constexpr qsizetype QuotedLength = 64;

QString shown(const QString &text) { return quoted(text, QuotedLength); }

QString shown(const QJsonValue &value)
{
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', 17);
    if (value.isString())
        return shown(value.toString());
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return value.isArray() ? QCoreApplication::translate("vw::app", "an array")
                           : QCoreApplication::translate("vw::app", "an object");
}

// Where a value is in the patch ("planes[0].weapons.configurations[1]"). Its
// text is made only for a refusal: a whole export has some 400,000 values.
class Place {
public:
    Place() = default;
    explicit Place(const char *name) : name_(name) {}
    Place(const Place &parent, const char *name) : parent_(&parent), name_(name) {}
    Place(const Place &parent, const QString &key) : parent_(&parent), key_(&key) {}
    Place(const Place &parent, int index) : parent_(&parent), index_(index) {}

    QString text() const
    {
        QString where = parent_ ? parent_->text() : QString();
        if (index_ >= 0)
            return where + QStringLiteral("[%1]").arg(index_);
        const QString own = key_ ? placeKey(*key_) : QString::fromLatin1(name_ ? name_ : "");
        return where.isEmpty() ? own : where + QLatin1Char('.') + own;
    }

private:
    const Place *parent_ = nullptr;
    const char *name_ = nullptr;
    const QString *key_ = nullptr;
    int index_ = -1;
};

// One pass over the patch. The first pass only checks; the second, run when
// the first has accepted everything, writes the fields whose value changes.
class Importer {
public:
    Importer(DataFile &file, const QSet<QString> &negativeZeros) : file_(file), negativeZeros_(negativeZeros) {}
    // After the checking pass has accepted the whole patch.
    void startWriting()
    {
        write_ = true;
        next_ = 0;
    }
    // The planes the checking pass found, in the patch's order.
    const QList<int> &planes() const { return planes_; }

    void document(const QJsonObject &root)
    {
        keys(root, Place(), {"file", "planes", "wings", "ammunition"});
        if (!isAbsent(root.value(QLatin1String("file"))))
            object(root.value(QLatin1String("file")), Place("file")); // describes the source only
        // More plane entries than the file has planes address a plane twice
        // or one the file does not have; the refusal says what the file has.
        const QJsonValue planes = root.value(QLatin1String("planes"));
        const qsizetype listed = std::max(file_.PlaneCount(), 0);
        if (planes.isArray() && planes.toArray().size() > listed) {
            const QJsonArray list = planes.toArray();
            const qsizetype present = std::count_if(list.begin(), list.end(), [](const QJsonValue &v) { return !isAbsent(v); });
            if (present > listed)
                refuse(Place("planes"), listed == 1 ? QCoreApplication::translate("vw::app", "has %1 entries; the file has 1 plane").arg(present)
                                                    : QCoreApplication::translate("vw::app", "has %1 entries; the file has %2 planes").arg(present).arg(listed));
        }
        eachRow(planes, Place("planes"), 1 << 20,
                [&](const QJsonValue &v, const Place &at, int i) { plane(v, at, i); });
        wings(root.value(QLatin1String("wings")));
        ammunition(root.value(QLatin1String("ammunition")));
    }

private:
    [[noreturn]] static void refuse(const Place &place, const QString &reason)
    {
        const QString at = place.text();
        throw FormatError(at.isEmpty() ? reason : at + QStringLiteral(": ") + reason);
    }
    static Place member(const Place &at, const char *name) { return Place(at, name); }
    static bool isAbsent(const QJsonValue &v) { return v.isUndefined() || v.isNull(); }

    static QJsonObject object(const QJsonValue &v, const Place &at)
    {
        if (!v.isObject())
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not an object").arg(shown(v)));
        return v.toObject();
    }
    static void keys(const QJsonObject &o, const Place &at, std::initializer_list<const char *> known)
    {
        for (auto it = o.begin(); it != o.end(); ++it) {
            const QString key = it.key();
            bool found = false;
            for (const char *k : known)
                found = found || key == QLatin1String(k);
            if (!found)
                refuse(Place(at, key), QCoreApplication::translate("vw::app", "is not a field here"));
        }
    }
    // Each present entry of an array of at most `rows` entries, with its place and index.
    static void eachRow(const QJsonValue &v, const Place &at, int rows,
                        const std::function<void(const QJsonValue &, const Place &, int)> &apply)
    {
        if (isAbsent(v))
            return;
        if (!v.isArray())
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not an array").arg(shown(v)));
        const QJsonArray list = v.toArray();
        if (list.size() > rows)
            refuse(
                at,
                QCoreApplication::translate("vw::app", "has %1 entries, the table has %2").arg(list.size()).arg(rows));
        for (int i = 0; i < list.size(); ++i)
            if (!isAbsent(list[i]))
                apply(list[i], Place(at, i), i);
    }

    // A whole number in min..max; the value the file holds is accepted even outside it.
    // What a value is checked against may change while writing, so only the checking pass refuses.
    qint64 integer(const QJsonValue &v, const Place &at, qint64 min, qint64 max, qint64 current)
    {
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d))
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not a whole number").arg(shown(v)));
        if (!write_ && d != double(current) && (d < double(min) || d > double(max)))
            refuse(at, QCoreApplication::translate("vw::app", "%1 is outside %2..%3").arg(shown(v)).arg(min).arg(max));
        return qint64(d);
    }
    void intField(const QJsonObject &o, const Place &at, const char *name, qint64 min, qint64 max, qint64 current,
                  const std::function<void(qint64)> &set)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (isAbsent(v))
            return;
        const qint64 value = integer(v, member(at, name), min, max, current);
        if (write_ && value != current)
            set(value);
    }
    void i32Field(const QJsonObject &o, const Place &at, const char *name, qint64 current,
                  const std::function<void(std::int32_t)> &set)
    {
        intField(o, at, name, I32Min, I32Max, current, [&](qint64 v) { set(std::int32_t(v)); });
    }
    void realValue(const QJsonValue &v, const Place &at, double current, const std::function<void(double)> &set)
    {
        bool ok = false;
        double value = doubleFromValue(v, &ok);
        if (!ok)
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not a number").arg(shown(v)));
        if (value == 0 && v.isDouble() && !negativeZeros_.isEmpty() && negativeZeros_.contains(at.text()))
            value = -0.0;
        if (write_ && std::bit_cast<quint64>(value) != std::bit_cast<quint64>(current))
            set(value);
    }
    void realField(const QJsonObject &o, const Place &at, const char *name, double current,
                   const std::function<void(double)> &set)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (!isAbsent(v))
            realValue(v, member(at, name), current, set);
    }
    // A row of numbers: entry i is `valueOf(i)`, written by `set(i, value)`.
    void realRow(const QJsonValue &v, const Place &at, int count, const std::function<double(int)> &valueOf,
                 const std::function<void(int, double)> &set)
    {
        eachRow(v, at, count, [&](const QJsonValue &e, const Place &place, int i) {
            realValue(e, place, valueOf(i), [&](double d) { set(i, d); });
        });
    }
    void textField(const QJsonObject &o, const Place &at, const char *name, int width, const QString &current,
                   const std::function<void(const QString &)> &set)
    {
        const QJsonValue v = o.value(QLatin1String(name));
        if (isAbsent(v))
            return;
        const Place place = member(at, name);
        if (!v.isString())
            refuse(place, QCoreApplication::translate("vw::app", "%1 is not a text").arg(shown(v)));
        const QString text = v.toString();
        if (text == current || write_) {
            if (write_ && text != current)
                set(text);
            return;
        }
        if (text.size() > width)
            refuse(place, QCoreApplication::translate("vw::app", "%1 is longer than the field's %2 characters")
                              .arg(shown(text), QString::number(width)));
        if (QString::fromLatin1(text.toLatin1()) != text)
            refuse(place, QCoreApplication::translate("vw::app", "%1 has characters the file cannot hold").arg(shown(text)));
        // The window's text fields take no control characters.
        if (hasControlCharacter(text))
            refuse(place,
                   QCoreApplication::translate("vw::app", "%1 has a control character, which the field cannot hold")
                       .arg(shown(text)));
    }
    // Bytes written as hex digits, exactly `size` of them.
    static QByteArray hexBytes(const QJsonValue &v, const Place &at, int size)
    {
        const QByteArray digits = v.toString().toLatin1();
        bool valid = v.isString() && digits.size() == 2 * size;
        for (char c : digits)
            valid = valid && std::isxdigit(static_cast<unsigned char>(c));
        if (!valid)
            refuse(at,
                   QCoreApplication::translate("vw::app", "%1 is not %2 bytes as hex digits").arg(shown(v), QString::number(size)));
        return QByteArray::fromHex(digits);
    }
    static void require(bool exists, const Place &at, const QString &what)
    {
        if (!exists)
            refuse(at, QCoreApplication::translate("vw::app", "the file has no %1").arg(what));
    }

    // Planes are found by the checking pass, before any rename of the patch;
    // each plane is patched by one entry.
    int planeOf(const QJsonObject &o, const Place &at, int index)
    {
        if (write_)
            return planes_.at(next_++);
        const int p = findPlane(o, at);
        const auto earlier = entryOf_.constFind(p);
        if (earlier != entryOf_.cend())
            refuse(at, QCoreApplication::translate("vw::app", "plane %1 is patched by planes[%2] already")
                           .arg(p)
                           .arg(*earlier));
        entryOf_.insert(p, index);
        planes_.append(p);
        return p;
    }
    int findPlane(const QJsonObject &o, const Place &at)
    {
        const QJsonValue number = o.value(QLatin1String("plane"));
        const QJsonValue name = o.value(QLatin1String("name"));
        if (isAbsent(number) && isAbsent(name))
            refuse(at, QCoreApplication::translate("vw::app", "names no plane: give \"plane\" or \"name\""));
        if (!isAbsent(name) && !name.isString())
            refuse(member(at, "name"), QCoreApplication::translate("vw::app", "%1 is not a text").arg(shown(name)));
        if (!isAbsent(number)) {
            const int p = int(integer(number, member(at, "plane"), 1, file_.PlaneCount(), -1));
            // Both given: they must name the same plane.
            if (!isAbsent(name)) {
                const flightmodel::PlaneHeaderView h(file_, p);
                const QString own = h.exists() ? h.text(flightmodel::HeaderText::Name) : QString();
                if (own != name.toString())
                    refuse(member(at, "name"), QCoreApplication::translate("vw::app", "plane %1 is named %2, not %3")
                                                   .arg(p)
                                                   .arg(shown(own), shown(name)));
            }
            return p;
        }
        int found = 0;
        for (int p = 1; p <= file_.PlaneCount(); ++p) {
            const flightmodel::PlaneHeaderView h(file_, p);
            if (h.exists() && h.text(flightmodel::HeaderText::Name) == name.toString()) {
                if (found)
                    refuse(member(at, "name"),
                           QCoreApplication::translate("vw::app", "planes %1 and %2 are both named %3")
                               .arg(found)
                               .arg(p)
                               .arg(shown(name)));
                found = p;
            }
        }
        if (!found)
            refuse(member(at, "name"), QCoreApplication::translate("vw::app", "no plane is named %1").arg(shown(name)));
        return found;
    }

    void plane(const QJsonValue &v, const Place &at, int index)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"plane", "name", "header", "weapons", "primary", "engine", "wep", "handling", "damage_map",
                     "damage_profile"});
        const int p = planeOf(o, at, index);
        const auto part = [&](const char *name, bool exists, const QString &what, const auto &apply) {
            const QJsonValue value = o.value(QLatin1String(name));
            if (isAbsent(value))
                return;
            require(exists, member(at, name), what.arg(p));
            apply(value, member(at, name));
        };
        flightmodel::PlaneHeader header(file_, p);
        part("header", header.exists(), QCoreApplication::translate("vw::app", "directory entry for plane %1"),
             [&](const QJsonValue &h, const Place &place) { this->header(header, h, place); });
        flightmodel::PlaneRecord record(file_, p);
        weapons::WeaponsBlock block(file_, p);
        part("weapons", block.exists(), QCoreApplication::translate("vw::app", "weapons for plane %1"),
             [&](const QJsonValue &w, const Place &place) { weaponsBlock(block, w, place); });
        part("primary", record.exists(), QCoreApplication::translate("vw::app", "plane record for plane %1"),
             [&](const QJsonValue &w, const Place &place) { primary(record, w, place); });
        part("engine", record.exists(), QCoreApplication::translate("vw::app", "plane record for plane %1"),
             [&](const QJsonValue &w, const Place &place) { engine(record, w, place); });
        part("wep", record.exists(), QCoreApplication::translate("vw::app", "plane record for plane %1"),
             [&](const QJsonValue &w, const Place &place) { wep(record, w, place); });
        part("handling", record.exists(), QCoreApplication::translate("vw::app", "plane record for plane %1"),
             [&](const QJsonValue &w, const Place &place) { handling(record, w, place); });
        damage::DamageMap map(file_, p);
        part("damage_map", map.exists(), QCoreApplication::translate("vw::app", "damage map for plane %1"),
             [&](const QJsonValue &w, const Place &place) { damageMap(map, w, place); });
        damage::ProfileSlot slot(file_, p);
        part("damage_profile", slot.exists(),
             QCoreApplication::translate("vw::app", "damage profile slot for plane %1"),
             [&](const QJsonValue &w, const Place &place) { profile(slot, w, place); });
    }

    void header(flightmodel::PlaneHeader &h, const QJsonValue &v, const Place &at)
    {
        using flightmodel::HeaderText;
        const QJsonObject o = object(v, at);
        keys(o, at, {"name", "icon_in_air", "sounds", "cockpit_1", "cockpit_2", "model_3d", "plane_type", "selectable"});
        const std::pair<const char *, HeaderText> texts[] = {
            {"name", HeaderText::Name},         {"icon_in_air", HeaderText::IconInAir},
            {"sounds", HeaderText::Sounds},     {"cockpit_1", HeaderText::Cockpit1},
            {"cockpit_2", HeaderText::Cockpit2}, {"model_3d", HeaderText::Model3D}};
        for (const auto &[name, field] : texts)
            textField(o, at, name, flightmodel::headerTextField(field).width, h.text(field),
                      [&, field = field](const QString &t) { h.setText(field, t); });
        intField(o, at, "plane_type", h.Fighter, h.Bomber, h.planeType(),
                 [&](qint64 t) { h.setStoredPlaneType(std::uint8_t(t)); });
        const QJsonValue selectable = o.value(QLatin1String("selectable"));
        if (!isAbsent(selectable)) {
            if (!selectable.isBool())
                refuse(member(at, "selectable"),
                       QCoreApplication::translate("vw::app", "%1 is not true or false").arg(shown(selectable)));
            if (write_ && selectable.toBool() != h.selectable())
                h.setSelectable(selectable.toBool());
        }
    }

    void weaponsBlock(weapons::WeaponsBlock &block, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"config_count", "configurations"});
        intField(o, at, "config_count", 1, block.Slots, block.storedConfigCount(),
                 [&](qint64 n) { block.setConfigCount(int(n)); });
        eachRow(o.value(QLatin1String("configurations")), member(at, "configurations"), block.Slots,
                [&](const QJsonValue &c, const Place &place, int i) { config(block.config(i + 1), c, place); });
    }

    void config(weapons::ConfigRecord config, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"name", "weapon_count", "weapons"});
        textField(o, at, "name", config.NameWidth, config.name(), [&](const QString &t) { config.setName(t); });
        intField(o, at, "weapon_count", 1, config.Slots, config.storedWeaponCount(),
                 [&](qint64 n) { config.setWeaponCount(int(n)); });
        eachRow(o.value(QLatin1String("weapons")), member(at, "weapons"), config.Slots,
                [&](const QJsonValue &w, const Place &place, int i) { weapon(config.weapon(i + 1), w, place); });
    }

    void weapon(weapons::WeaponRecord w, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"slot_index", "group", "ammo_type", "heavy_ammo", "bursts", "ammo", "position_x", "position_y",
                     "position_z", "fire_delay", "damage_part", "tracer_count", "stored_key", "vertical_control",
                     "vertical_min", "vertical_max", "horizontal_control", "horizontal_min", "horizontal_max",
                     "graphics", "deviation"});
        intField(o, at, "slot_index", 0, 255, w.slotIndex(), [&](qint64 n) { w.setSlotIndex(int(n)); });
        intField(o, at, "group", 0, w.MaxGroup, w.group(), [&](qint64 n) { w.setGroup(int(n)); });
        intField(o, at, "ammo_type", 0, w.MaxAmmoType, w.ammoType(), [&](qint64 n) { w.setAmmoType(int(n)); });
        intField(o, at, "heavy_ammo", 0, w.MaxAmmo, w.heavyAmmo(), [&](qint64 n) { w.setHeavyAmmo(n); });
        intField(o, at, "bursts", 0, w.MaxBursts, w.bursts(), [&](qint64 n) { w.setBursts(n); });
        intField(o, at, "ammo", 0, w.MaxAmmo, w.ammo(), [&](qint64 n) { w.setAmmo(n); });
        realField(o, at, "position_x", w.positionX(), [&](double d) { w.setPositionX(d); });
        realField(o, at, "position_y", w.positionY(), [&](double d) { w.setPositionY(d); });
        realField(o, at, "position_z", w.positionZ(), [&](double d) { w.setPositionZ(d); });
        i32Field(o, at, "fire_delay", w.fireDelay(), [&](std::int32_t n) { w.setFireDelay(n); });
        i32Field(o, at, "damage_part", w.damagePart(), [&](std::int32_t n) { w.setDamagePart(n); });
        i32Field(o, at, "tracer_count", w.tracerCount(), [&](std::int32_t n) { w.setTracerCount(n); });
        i32Field(o, at, "stored_key", w.storedKey(), [&](std::int32_t n) { w.setStoredKey(n); });
        i32Field(o, at, "vertical_control", w.verticalControl(), [&](std::int32_t n) { w.setVerticalControl(n); });
        realField(o, at, "vertical_min", w.verticalMin(), [&](double d) { w.setVerticalMin(d); });
        realField(o, at, "vertical_max", w.verticalMax(), [&](double d) { w.setVerticalMax(d); });
        i32Field(o, at, "horizontal_control", w.horizontalControl(), [&](std::int32_t n) { w.setHorizontalControl(n); });
        realField(o, at, "horizontal_min", w.horizontalMin(), [&](double d) { w.setHorizontalMin(d); });
        realField(o, at, "horizontal_max", w.horizontalMax(), [&](double d) { w.setHorizontalMax(d); });
        i32Field(o, at, "graphics", w.graphics(), [&](std::int32_t n) { w.setGraphics(n); });
        realField(o, at, "deviation", w.deviation(), [&](double d) { w.setDeviation(d); });
    }

    using Record = flightmodel::PlaneRecord;

    void primary(Record &r, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"rows", "trailing_rows"});
        realRow(o.value(QLatin1String("rows")), member(at, "rows"), Record::PrimaryDoubles,
                [&](int i) { return r.primary(i + 1); }, [&](int i, double d) { r.setPrimary(i + 1, d); });
        realRow(o.value(QLatin1String("trailing_rows")), member(at, "trailing_rows"), Record::TrailingRows,
                [&](int i) { return r.number(Record::trailingRowOffset(i)); },
                [&](int i, double d) { r.setNumber(Record::trailingRowOffset(i), d); });
    }

    void engine(Record &r, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"speed_point_count", "altitude_row_count", "extra_parameter", "power_matrix", "speed_points"});
        intField(o, at, "speed_point_count", 1, Record::MatrixColumns, r.storedSpeedPointCount(),
                 [&](qint64 n) { r.setSpeedPointCount(int(n)); });
        intField(o, at, "altitude_row_count", 1, Record::MatrixRows, r.storedAltitudeRowCount(),
                 [&](qint64 n) { r.setAltitudeRowCount(int(n)); });
        realField(o, at, "extra_parameter", r.extraEngineParameter(), [&](double d) { r.setExtraEngineParameter(d); });
        eachRow(o.value(QLatin1String("power_matrix")), member(at, "power_matrix"), Record::MatrixRows,
                [&](const QJsonValue &row, const Place &place, int j) {
                    realRow(row, place, Record::MatrixColumns, [&](int i) { return r.power(i + 1, j + 1); },
                            [&](int i, double d) { r.setPower(i + 1, j + 1, d); });
                });
        eachRow(o.value(QLatin1String("speed_points")), member(at, "speed_points"), Record::MatrixColumns,
                [&](const QJsonValue &s, const Place &place, int i) {
                    const qint64 current = r.speed(i + 1);
                    const qint64 mph = integer(s, place, I32Min, I32Max, current);
                    if (write_ && mph != current)
                        r.setSpeed(i + 1, std::int32_t(mph));
                });
    }

    void wep(Record &r, const QJsonValue &v, const Place &at)
    {
        const QJsonObject o = object(v, at);
        keys(o, at, {"times", "texts", "power"});
        const QJsonValue times = o.value(QLatin1String("times"));
        if (!isAbsent(times)) {
            const Place place = member(at, "times");
            const QJsonObject t = object(times, place);
            keys(t, place, {"fuel_ms", "overheat_ms", "cooling_ms"});
            const std::pair<const char *, Record::WepTime> fields[] = {
                {"fuel_ms", Record::WepFuel}, {"overheat_ms", Record::WepOverheat}, {"cooling_ms", Record::WepCooling}};
            for (const auto &[name, which] : fields)
                i32Field(t, place, name, r.wepTimeMs(which), [&, which = which](std::int32_t ms) { r.setWepTimeMs(which, ms); });
        }
        const QJsonValue texts = o.value(QLatin1String("texts"));
        if (!isAbsent(texts)) {
            const Place place = member(at, "texts");
            const QJsonObject t = object(texts, place);
            keys(t, place, {"enabled", "disabled", "out_of_wep"});
            const std::pair<const char *, Record::WepText> fields[] = {
                {"enabled", Record::WepEnabled}, {"disabled", Record::WepDisabled}, {"out_of_wep", Record::OutOfWep}};
            for (const auto &[name, which] : fields)
                textField(t, place, name, Record::WepTextWidth, r.wepText(which),
                          [&, which = which](const QString &text) { r.setWepText(which, text); });
        }
        realRow(o.value(QLatin1String("power")), member(at, "power"), Record::WepPowerRows,
                [&](int k) { return r.number(Record::wepPowerOffset(k)); },
                [&](int k, double d) { r.setNumber(Record::wepPowerOffset(k), d); });
    }

    void handling(Record &r, const QJsonValue &v, const Place &at)
    {
        eachRow(v, at, Record::HandlingRows, [&](const QJsonValue &row, const Place &place, int j) {
            realRow(row, place, 3, [&](int axis) { return r.handling(j, Record::Axis(axis)); },
                    [&](int axis, double d) { r.setHandling(j, Record::Axis(axis), d); });
        });
    }

    void damageMap(damage::DamageMap &map, const QJsonValue &v, const Place &at)
    {
        using M = damage::DamageMap;
        eachRow(v, at, M::Levels, [&](const QJsonValue &level, const Place &place, int l) {
            QByteArray cells = map.level(l);
            const QByteArray before = cells;
            eachRow(level, place, M::Side, [&](const QJsonValue &row, const Place &rowPlace, int r) {
                cells.replace(r * M::Side, M::Side, hexBytes(row, rowPlace, M::Side));
            });
            if (write_ && cells != before)
                map.setLevel(l, cells);
        });
    }

    void profile(damage::ProfileSlot &slot, const QJsonValue &v, const Place &at)
    {
        using S = damage::ProfileSlot;
        eachRow(v, at, S::Parts, [&](const QJsonValue &e, const Place &place, int i) {
            const int part = i + 1;
            const QJsonObject o = object(e, place);
            keys(o, place, {"damage1", "damage2", "armor", "modifier"});
            const std::pair<const char *, S::Column> columns[] = {
                {"damage1", S::Damage1}, {"damage2", S::Damage2}, {"armor", S::Armor}};
            for (const auto &[name, column] : columns)
                realField(o, place, name, slot.value(column, part), [&, column = column](double d) { slot.setValue(column, part, d); });
            intField(o, place, "modifier", std::numeric_limits<std::int16_t>::min(),
                     std::numeric_limits<std::int16_t>::max(), slot.modifier(part),
                     [&](qint64 n) { slot.setModifier(part, std::int16_t(n)); });
        });
    }

    void wings(const QJsonValue &v)
    {
        if (isAbsent(v))
            return;
        flightmodel::WingsTable table(file_);
        require(table.exists(), Place("wings"), QCoreApplication::translate("vw::app", "wings table"));
        eachRow(v, Place("wings"), table.Entries, [&](const QJsonValue &entry, const Place &place, int w) {
            realRow(entry, place, table.Steps, [&](int step) { return table.value(w, step); },
                    [&](int step, double d) { table.setValue(w, step, d); });
        });
    }

    void ammunition(const QJsonValue &v)
    {
        eachRow(v, Place("ammunition"), weapons::AmmoEntry::Count,
                [&](const QJsonValue &entry, const Place &at, int k) {
                    weapons::AmmoEntry e(file_, k);
                    require(e.exists(), at, QCoreApplication::translate("vw::app", "ammunition entry %1").arg(k));
                    const QJsonObject o = object(entry, at);
                    keys(o, at, {"ap_damage", "he_damage", "he_range", "weight", "param1", "param2", "raw_name"});
                    realField(o, at, "ap_damage", e.apDamage(), [&](double d) { e.setApDamage(d); });
                    i32Field(o, at, "he_damage", e.heDamage(), [&](std::int32_t n) { e.setHeDamage(n); });
                    realField(o, at, "he_range", e.heRange(), [&](double d) { e.setHeRange(d); });
                    realField(o, at, "weight", e.weight(), [&](double d) { e.setWeight(d); });
                    i32Field(o, at, "param1", e.param1(), [&](std::int32_t n) { e.setParam1(n); });
                    i32Field(o, at, "param2", e.param2(), [&](std::int32_t n) { e.setParam2(n); });
                    const QJsonValue name = o.value(QLatin1String("raw_name"));
                    if (!isAbsent(name)) {
                        const QByteArray bytes = hexBytes(name, member(at, "raw_name"), e.NameWidth);
                        if (write_ && bytes != e.rawName())
                            e.setRawName(bytes);
                    }
                });
    }

    DataFile &file_;
    const QSet<QString> &negativeZeros_;
    bool write_ = false;
    QList<int> planes_;
    QHash<int, int> entryOf_; // plane -> its entry in "planes"
    qsizetype next_ = 0;
};

} // namespace

void importPatch(DataFile &file, const Patch &patch, const std::function<void(const QList<int> &)> &checked)
{
    if (!patch.document.isObject())
        throw FormatError(QCoreApplication::translate("vw::app", "The patch is not a JSON object."));
    Importer importer(file, patch.negativeZeros);
    importer.document(patch.document.object());
    if (checked)
        checked(importer.planes());
    importer.startWriting();
    importer.document(patch.document.object());
}

void importPatch(DataFile &file, const QJsonDocument &patch, const std::function<void(const QList<int> &)> &checked)
{
    importPatch(file, Patch{patch, {}}, checked);
}

Patch parsePatch(const QByteArray &text)
{
    // The reading of the text runs beside the parser; a text larger than any
    // whole export is read first, so that a huge value is refused before the
    // parser has copied it.
    constexpr qsizetype LargerThanAnyExport = 64 * 1024 * 1024;
    Patch patch;
    QJsonParseError error;
    if (text.size() > LargerThanAnyExport) {
        patch.negativeZeros = scanPatchText(text).negativeZeros;
        patch.document = QJsonDocument::fromJson(text, &error);
    } else {
        std::exception_ptr refusal;
        {
            const std::jthread scan([&] {
                try {
                    patch.negativeZeros = scanPatchText(text).negativeZeros;
                } catch (...) {
                    refusal = std::current_exception();
                }
            });
            patch.document = QJsonDocument::fromJson(text, &error);
        }
        // The reading stops where the text stops being JSON: what it refused comes first.
        if (refusal)
            std::rethrow_exception(refusal);
    }
    if (error.error != QJsonParseError::NoError)
        throw FormatError(QCoreApplication::translate("vw::app", "not JSON: %1 at offset %2")
                              .arg(error.errorString())
                              .arg(error.offset));
    return patch;
}

} // namespace vw::app
