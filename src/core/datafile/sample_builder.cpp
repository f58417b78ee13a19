#include "sample_builder.h"

#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

namespace vw::datafile {

namespace {

// Offsets inside a plane record that the builder fills.
constexpr int PrimaryTable = 0;
constexpr int WeaponsBlock = WeaponsBlockRecordOffset;
constexpr int ConfigRecordSize = 1900, WeaponRecordSize = 116;
constexpr int SpeedPointCount = 16540, AltitudeRowCount = 16544, ExtraEngineParameter = 16548;
constexpr int PowerMatrix = 16556, SpeedPoints = 29356;
constexpr int WepTimes = 29436, WepTexts = 29456, WepPower = 29576, Handling = 30216, Trailing = 31200;

const char *const PlaneNames[] = {
    "Kestrel", "Gyrfalcon", "Merlin II", "Sparrowhawk", "Hobby", "Goshawk A", "Osprey", "Harrier B",
    "Peregrine", "Lanner", "Saker", "Buzzard", "Kite", "Condor", "Petrel", "Skua", "Tern", "Gannet",
    "Albatross", "Heron", "Bittern", "Shrike", "Swift", "Martin", "Nightjar", "Raven", "Rook", "Jackdaw",
};
constexpr int PlaneNameCount = int(sizeof(PlaneNames) / sizeof(PlaneNames[0]));

const char *const AmmoBaseNames[] = {
    "mg303", "mg50cal", "mg762", "mg127", "cn20mm", "cn23mm", "cn30mm", "cn37mm", "rkt_hvar", "rkt_rs82",
    "bomb50", "bomb100", "bomb250", "bomb500", "bomb1000", "torpedo", "skipbomb", "flare",
};
constexpr int AmmoBaseCount = int(sizeof(AmmoBaseNames) / sizeof(AmmoBaseNames[0]));

class Writer {
public:
    explicit Writer(QByteArray &bytes) : bytes_(bytes) {}
    void u8(qint64 at, int v) { bytes_[qsizetype(at)] = char(v); }
    void u16(qint64 at, int v) { qToLittleEndian<quint16>(quint16(v), ptr(at, 2)); }
    void u24(qint64 at, qint64 v)
    {
        u8(at, int(v & 255));
        u8(at + 1, int((v >> 8) & 255));
        u8(at + 2, int((v >> 16) & 255));
    }
    void i32(qint64 at, qint32 v) { qToLittleEndian<qint32>(v, ptr(at, 4)); }
    void f64(qint64 at, double v) { std::memcpy(ptr(at, 8), &v, 8); }
    void text(qint64 at, int width, const QByteArray &t)
    {
        std::memset(ptr(at, width), 0, size_t(width));
        std::memcpy(ptr(at, width), t.constData(), size_t(std::min<qsizetype>(width, t.size())));
    }

private:
    uchar *ptr(qint64 at, int n)
    {
        Q_ASSERT(at >= 0 && at + n <= bytes_.size());
        return reinterpret_cast<uchar *>(bytes_.data()) + at;
    }
    QByteArray &bytes_;
};

struct Builder {
    const SampleOptions &options;
    QByteArray &image;
    Writer w;
    std::mt19937 rng;
    SectionStarts starts;

    double uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng); }
    int integer(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
    // Values rounded to thousandths, as players keep them.
    double thousandths(double v) { return std::nearbyint(v * 1000) / 1000; }

    void directoryEntry(int plane, qint64 record, qint64 map)
    {
        const qint64 e = directoryEntryOffset(plane);
        const QByteArray tag = QByteArray::number(plane).rightJustified(2, '0');
        w.u24(e + 0, record);
        const bool selectable = plane % 7 != 0;
        w.u8(e + 4, selectable ? 1 : 0);
        w.u8(e + 6, plane % 3 == 0 ? 1 : 0); // every third plane a bomber
        w.u8(e + 7, selectable ? 0 : 255);
        w.text(e + 8, 8, "snd_" + tag);
        w.text(e + 17, 8, "ckpt_" + tag);
        w.text(e + 26, 8, "ckpt2_" + tag);
        w.text(e + 35, 8, "mdl_" + tag);
        QByteArray name = PlaneNames[(plane - 1) % PlaneNameCount];
        if (plane > PlaneNameCount)
            name += ' ' + QByteArray::number((plane - 1) / PlaneNameCount + 1);
        w.text(e + 44, 18, name);
        w.text(e + 64, 8, "ico_" + tag);
        w.u24(e + 74, map);
    }

    void primaryTable(qint64 r, int plane, bool bomber)
    {
        for (int row = 1; row <= 167; ++row)
            w.f64(r + PrimaryTable + 8 * (row - 1), thousandths(uniform(0.0, 2.0)));
        const auto set = [&](int row, double v) { w.f64(r + 8 * (row - 1), v); };
        set(4, thousandths(uniform(0.5, 1.5)));   // roll inertia
        set(7, thousandths(uniform(0.2, 0.8)));   // roll inertia
        set(12, (plane - 1) % 100);               // wing number
        const double base = bomber ? uniform(14000, 30000) : uniform(4500, 9000);
        set(13, std::nearbyint(base));            // base weight, pounds
        set(14, std::nearbyint(base * uniform(1.15, 1.35))); // loaded weight
        set(16, std::nearbyint(uniform(140, 190))); // climb speed, mph
        set(17, std::nearbyint(uniform(250, 320))); // second speed marker
        set(52, thousandths(uniform(0.9, 1.1)));  // endurance divisor
        set(53, std::nearbyint(bomber ? uniform(2400, 4800) : uniform(1000, 2200))); // engine power, hp
        set(83, std::nearbyint(bomber ? uniform(600, 2000) : uniform(90, 250)));    // fuel load, gallons
        set(84, thousandths(bomber ? uniform(150, 400) : uniform(50, 110)));        // consumption
        set(101, std::nearbyint(uniform(50000, 80000)));  // positive load limit
        set(102, -std::nearbyint(uniform(25000, 40000))); // negative load limit
        set(103, thousandths(uniform(0.3, 0.6)));         // overload margin
    }

    void weapons(qint64 r, bool bomber)
    {
        const qint64 block = r + WeaponsBlock;
        const int configs = integer(2, 4);
        w.u8(block, configs);
        const char *const configNames[] = {"Default", "Rockets", "Bombs", "Long range", "Ground attack",
                                           "Heavy guns", "Escort", "Ferry"};
        for (int c = 1; c <= 8; ++c) {
            const qint64 config = block + 4 + qint64(ConfigRecordSize) * (c - 1);
            w.text(config, 32, configNames[c - 1]);
            const int count = integer(2, bomber ? 8 : 6);
            w.u8(config + 40, count);
            for (int k = 1; k <= 16; ++k) {
                const qint64 weapon = config + 44 + qint64(WeaponRecordSize) * (k - 1);
                const bool bomb = c == 3 && k > 2;
                const int type = bomb ? integer(10, 14) : (bomber && k > 4 ? integer(2, 3) : integer(0, 7));
                w.u8(weapon + 0, k - 1);
                w.u8(weapon + 4, bomb ? 8 : (bomber && k > 4 ? 20 : (type >= 4 ? 6 : 5)));
                w.u8(weapon + 8, type);
                w.u16(weapon + 12, bomb ? 1 : 0);
                const int ammo = bomb ? 1 : integer(2, 30) * 50;
                w.u16(weapon + 16, bomb ? 1 : ammo / 10);
                w.u16(weapon + 20, ammo);
                const double side = (k % 2 ? -1.0 : 1.0) * std::ceil(k / 2.0) * 0.5;
                w.f64(weapon + 24, side);                              // X
                w.f64(weapon + 32, thousandths(uniform(-1.0, 2.0)));   // Y
                w.f64(weapon + 40, thousandths(uniform(-0.5, 0.5)));   // Z
                w.i32(weapon + 48, integer(2, 12));                    // fire delay
                w.i32(weapon + 52, bomb ? 0 : 23 + k % 3);             // damage part: a gun
                w.i32(weapon + 56, integer(0, 5));                     // tracers
                w.i32(weapon + 60, bomb ? 1 : 0);                      // key - 1
                const bool turret = bomber && k > 4;
                w.i32(weapon + 64, turret ? 1 : 0);
                w.f64(weapon + 68, turret ? -0.5 : 0.0);
                w.f64(weapon + 76, turret ? 1.2 : 0.0);
                w.i32(weapon + 84, turret ? 1 : 0);
                w.f64(weapon + 88, turret ? -1.5 : 0.0);
                w.f64(weapon + 96, turret ? 1.5 : 0.0);
                w.i32(weapon + 104, turret ? 0 : 3);
                w.f64(weapon + 108, bomb ? 1.5 : thousandths(uniform(0.3, 1.4)));
            }
        }
    }

    void engine(qint64 r)
    {
        const int speeds = integer(8, 12);
        const int rows = integer(30, 40);
        w.u8(r + SpeedPointCount, speeds);
        w.u8(r + AltitudeRowCount, rows);
        w.f64(r + ExtraEngineParameter, thousandths(uniform(0.5, 1.5)));
        const double ceiling = uniform(0.010, 0.022);
        for (int row = 1; row <= 80; ++row) {
            for (int col = 1; col <= 20; ++col) {
                double v = 0;
                if (row <= rows && col <= speeds) {
                    const double altitude = std::max(0.0, 1.0 - ceiling * (row - 1) * (row - 1) / 40.0);
                    const double speed = 0.85 + 0.15 * std::sin(3.14159 * col / (speeds + 1));
                    v = thousandths(std::clamp(altitude * speed, 0.0, 1.0));
                }
                w.f64(r + PowerMatrix + 8 * (col - 1) + 160 * (row - 1), v);
            }
        }
        for (int col = 1; col <= 20; ++col)
            w.i32(r + SpeedPoints + 4 * (col - 1), col <= speeds ? 80 + 30 * col : 0);
        w.i32(r + WepTimes + 0, integer(3, 10) * 60000);
        w.i32(r + WepTimes + 4, integer(2, 6) * 60000 + 500);
        w.i32(r + WepTimes + 8, integer(1, 4) * 60000);
        w.text(r + WepTexts + 0, 40, "War emergency power engaged");
        w.text(r + WepTexts + 40, 40, "War emergency power off");
        w.text(r + WepTexts + 80, 40, "Engine overheated - out of WEP");
        for (int k = 0; k < 80; ++k)
            w.f64(r + WepPower + 8 * k, thousandths(std::max(0.0, 1.15 - 0.01 * k)));
        for (int j = 0; j <= 40; ++j) {
            const double speed = 40.0 * j;
            const double authority = thousandths(std::clamp(speed / 300.0, 0.05, 1.0) - std::max(0.0, speed - 450) / 2500);
            w.f64(r + Handling + 24 * j + 0, authority);
            w.f64(r + Handling + 24 * j + 8, thousandths(authority * 0.9));
            w.f64(r + Handling + 24 * j + 16, thousandths(authority * 1.1));
        }
        w.f64(r + Trailing, thousandths(uniform(0.5, 1.5)));
    }

    // A plane-shaped damage map, nose at the top: fuselage along the rows on
    // levels 2 and 3, wings across with ailerons and flaps, engines in the nose
    // (fighters) or in nacelles on the wings (bombers), fuel tanks, the pilot
    // under a canopy, guns on several levels, tail surfaces and the gear
    // underneath. Span, chord and lengths vary with the seed and the plane; the
    // variation draws from its own generator, so the other tables do not
    // depend on it.
    void damageMap(qint64 m, int plane, bool bomber)
    {
        std::mt19937 shape(options.seed * 7919u + quint32(plane));
        const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(shape); };
        const auto cell = [&](int level, int x, int y, int part) {
            if (x >= 0 && x < 32 && y >= 0 && y < 32)
                w.u8(m + 1024 * level + 32 * y + x, part);
        };
        const int nose = pick(1, 3), tail = pick(27, 30), wingFront = pick(9, 12), chord = pick(3, 5);
        const int halfSpan = bomber ? pick(12, 14) : pick(9, 13), wingBack = wingFront + chord - 1;
        const int left = 14 - halfSpan, right = 17 + halfSpan;

        // Fuselage: 4 columns wide, 2 at the nose and the tail.
        for (int y = nose; y <= tail; ++y) {
            const bool narrow = y < nose + 2 || y > tail - 3;
            for (int x = narrow ? 15 : 14; x <= (narrow ? 16 : 17); ++x)
                for (int level : {2, 3})
                    cell(level, x, y, y <= wingBack + 1 ? 19 : 18);
        }
        // Wings, tapering outboard: the outer panels lose their front row.
        for (int x = left; x <= right; ++x) {
            if (x >= 14 && x <= 17)
                continue;
            const bool isLeft = x < 14;
            const bool outer = x < left + 3 || x > right - 3;
            for (int y = wingFront + (outer ? 1 : 0); y <= wingBack; ++y) {
                int part = isLeft ? 28 : 29;
                if (y == wingBack)
                    part = outer || x < left + 5 || x > right - 5 ? (isLeft ? 13 : 14) : 32;
                cell(2, x, y, part);
            }
        }
        // Fuel: a tank in each wing root and one in the fuselage.
        cell(3, 11, wingFront + 1, 15);
        cell(3, 12, wingFront + 1, 15);
        cell(3, 19, wingFront + 1, 16);
        cell(3, 20, wingFront + 1, 16);
        cell(2, 15, wingBack + 1, 17);
        cell(2, 16, wingBack + 1, 17);
        if (bomber) {
            const int columns[4] = {left + 3, 9, 21, right - 4};
            for (int e = 0; e < 4; ++e)
                for (int y = wingFront - 3; y <= wingFront; ++y)
                    for (int level : {2, 3}) {
                        const int part = y == wingFront ? 5 + e : 1 + e;
                        cell(level, columns[e], y, part);
                        cell(level, columns[e] + 1, y, part);
                    }
        } else {
            for (int y = nose; y < nose + 3; ++y)
                for (int x = 14; x <= 17; ++x)
                    for (int level : {2, 3})
                        cell(level, x, y, y == nose + 2 ? 5 : 1);
        }
        // Cockpit: the pilot sits above the fuselage with armour behind him.
        const int seat = wingFront + 1;
        for (int x = 15; x <= 16; ++x) {
            cell(4, x, seat, 21);
            cell(4, x, seat + 1, 20);
            cell(3, x, seat + 1, 20);
        }
        // Guns.
        cell(3, 15, bomber ? nose : nose + 3, 23);
        cell(2, left + 4, wingFront - 1, 24);
        cell(2, right - 4, wingFront - 1, 25);
        if (bomber) {
            cell(5, 15, seat + 5, 26);
            cell(5, 16, seat + 5, 26);
            cell(1, 15, seat + 7, 27);
            cell(1, 16, seat + 7, 27);
            cell(4, 15, tail, 22);
        }
        // Tail: stabilisers with the elevator behind, the fin with the rudder behind.
        const int tailSpan = pick(5, 7);
        for (int x = 15 - tailSpan; x <= 16 + tailSpan; ++x)
            for (int y = tail - 2; y <= tail; ++y)
                if (x < 15 || x > 16)
                    cell(3, x, y, y == tail ? 9 : 10);
        const int finTop = bomber ? 7 : 6;
        for (int level = 4; level <= finTop; ++level)
            for (int y = tail - 3; y <= tail - (bomber ? 1 : 0); ++y)
                cell(level, 15, y, y >= tail - 1 ? 11 : 12);
        // Gear under the wings, two levels tall.
        for (int level : {0, 1}) {
            cell(level, 11, wingFront + 1, 31);
            cell(level, 20, wingFront + 1, 30);
        }
    }

    void damageProfile(int plane)
    {
        const qint64 slot = starts.damageProfile + qint64(DamageProfileSlotSize) * (plane - 1);
        for (int k = 1; k <= 32; ++k) {
            w.f64(slot + 16 + 8 * (k - 1), thousandths(uniform(20, 200)));
            w.f64(slot + 272 + 8 * (k - 1), thousandths(uniform(10, 120)));
            w.f64(slot + 528 + 8 * (k - 1), thousandths(uniform(0, 12)));
            w.u16(slot + 784 + 4 * (k - 1), quint16(qint16(integer(-3, 5))));
        }
    }

    void sharedTables()
    {
        for (int wing = 0; wing < 100; ++wing) {
            const double lift = uniform(0.8, 1.3);
            for (int a = 0; a < 60; ++a)
                w.f64(starts.wings + 480 * wing + 8 * a, thousandths(lift * std::exp(-a / 45.0)));
        }
        for (int k = 0; k < 200; ++k) {
            const qint64 e = starts.ammo + qint64(AmmoEntrySize) * k;
            if (k > 150)
                continue;
            const int base = k % AmmoBaseCount;
            const bool bomb = base >= 10 && base <= 16;
            w.f64(e + 0, thousandths(bomb ? uniform(50, 400) : uniform(1, 40)));
            w.i32(e + 8, bomb ? integer(200, 2000) : integer(0, 30));
            w.f64(e + 12, thousandths(bomb ? uniform(5, 40) : uniform(0, 2)));
            w.f64(e + 20, thousandths(bomb ? uniform(50, 1000) : uniform(0.01, 0.8)));
            w.i32(e + 28, integer(0, 3));
            w.i32(e + 32, integer(0, 3));
            QByteArray name = AmmoBaseNames[base];
            if (k >= AmmoBaseCount)
                name += '_' + QByteArray::number(k / AmmoBaseCount);
            w.text(e + 36, 19, name);
        }
    }
};

void checkOptions(const SampleOptions &o, int version)
{
    if (o.layout < 0 || o.layout > 2)
        throw FormatError(QStringLiteral("The layout must be 0, 1 or 2, not %1.").arg(o.layout));
    if (o.planes < 0 || o.planes > layoutCapacity(o.layout))
        throw FormatError(QStringLiteral("Layout %1 has room for 0 to %2 planes, not %3.")
                              .arg(o.layout)
                              .arg(layoutCapacity(o.layout))
                              .arg(o.planes));
    if (version < 0 || version > 65535)
        throw FormatError(QStringLiteral("The version must be 0 to 65535, not %1.").arg(version));
    if (o.layout == Openhall256Layout && version <= KeyedVersion)
        throw FormatError(QStringLiteral("A 256-plane file needs a version above 273 (the game tells the layout by it)."));
    if (o.layout != Openhall256Layout && version > KeyedVersion)
        throw FormatError(QStringLiteral("A version above 273 marks the 256-plane layout; layout %1 needs 273 or less.")
                              .arg(o.layout));
    if (o.layout == OriginalLayout && version == KeyedVersion)
        throw FormatError(QStringLiteral("Version 273 always uses the 128-plane layout's tables; the original layout needs another version."));
}

} // namespace

int defaultSampleVersion(int layout)
{
    return layout == Openhall256Layout ? 274 : 272;
}

QByteArray buildSamplePlainImage(const SampleOptions &options)
{
    const int version = options.version < 0 ? defaultSampleVersion(options.layout) : options.version;
    checkOptions(options, version);
    const RegionList list = regionList(version, options.layout);
    const qint64 tablesEnd = list.starts.ammo + AmmoTableSize;
    const qint64 stride = PlaneRecordSize + DamageMapSize;
    const qint64 size = options.layout == OriginalLayout ? OriginalLayoutFileSize
                                                           : tablesEnd + stride * options.planes;
    QByteArray image(qsizetype(size), '\0');
    Builder b{options, image, Writer(image), std::mt19937(options.seed), list.starts};
    b.w.u16(0, version);
    b.w.u8(2, 0x56); // two bytes the editor keeps as they are
    b.w.u8(3, 0x57);
    b.w.u8(4, options.planes + 1);
    for (int p = 1; p <= options.planes; ++p) {
        const qint64 record = tablesEnd + stride * (p - 1);
        const qint64 map = record + PlaneRecordSize;
        const bool bomber = p % 3 == 0;
        b.directoryEntry(p, record, map);
        b.primaryTable(record, p, bomber);
        b.weapons(record, bomber);
        b.engine(record);
        b.damageMap(map, p, bomber);
        b.damageProfile(p);
    }
    b.sharedTables();
    return image;
}

QByteArray buildSampleFile(const SampleOptions &options)
{
    // A plain load records the blocks that a deciphering load would find, so
    // the save enciphers exactly what the game's reader will decipher.
    return DataFile::fromBytes(buildSamplePlainImage(options), false).toBytes(true);
}

} // namespace vw::datafile
