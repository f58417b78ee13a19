#include "plane_import.h"

#include "core/planedata/patch_scan.h"
#include "core/planedata/patch_tree.h"
#include "core/planedata/plane_json.h"
#include "core/planedata/shown_text.h"
#include "core/planedata/field_table.h"
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
#include <QSet>

#include <cstring>

#include <set>

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
using fields::At;

namespace {

// Characters a refusal quotes of a text before it cuts it; no field is longer.
constexpr qsizetype QuotedLength = 64;

QString shown(const QString &text) { return quoted(text, QuotedLength); }

QString shown(const PatchValue &value)
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
    explicit Importer(DataFile &file) : file_(file) {}
    // After the checking pass has accepted the whole patch.
    void startWriting()
    {
        write_ = true;
        next_ = 0;
    }
    // The planes the checking pass found, in the patch's order.
    const QList<int> &planes() const { return planes_; }

    void document(const PatchValue &root)
    {
        const Node &tables = fields::document();
        Given given;
        givenMembers(tables, root, Place(), given);
        // What describes the source only (the file's version and layout) is
        // taken as it is; then the planes, then the shared tables.
        for (std::size_t i = 0; i < tables.members.size(); ++i)
            if (!isAbsent(given[i]) && !writable(tables.members[i]))
                object(given[i], Place(tables.members[i].key));
        for (std::size_t i = 0; i < tables.members.size(); ++i)
            if (tables.members[i].planes)
                planes(tables.members[i], given[i]);
        At shared;
        shared.file = &file_;
        for (std::size_t i = 0; i < tables.members.size(); ++i) {
            const Node &m = tables.members[i];
            if (!isAbsent(given[i]) && !m.planes && writable(m))
                part(m, given[i], Place(m.key), shared);
        }
    }

private:
    [[noreturn]] static void refuse(const Place &place, const QString &reason)
    {
        const QString at = place.text();
        throw FormatError(at.isEmpty() ? reason : at + QStringLiteral(": ") + reason);
    }
    static Place member(const Place &at, const char *name) { return Place(at, name); }
    static bool writable(const fields::Node &node)
    {
        return node.write || std::any_of(node.members.begin(), node.members.end(), writable);
    }

    void planes(const fields::Node &list, const PatchValue &planes)
    {
        // More plane entries than the file has planes address a plane twice
        // or one the file does not have; the refusal says what the file has.
        const Place at(list.key);
        const qsizetype listed = std::max(file_.PlaneCount(), 0);
        if (planes.isArray() && planes.size() > listed) {
            qsizetype present = 0;
            for (qsizetype i = 0; i < planes.size(); ++i)
                present += isAbsent(planes.at(i)) ? 0 : 1;
            if (present > listed)
                refuse(at, listed == 1 ? QCoreApplication::translate("vw::app", "has %1 entries; the file has 1 plane").arg(present)
                                       : QCoreApplication::translate("vw::app", "has %1 entries; the file has %2 planes").arg(present).arg(listed));
        }
        eachRow(planes, at, 1 << 20, [&](const PatchValue &v, const Place &place, int i) { plane(list.element(), v, place, i); });
    }
    static bool isAbsent(const PatchValue &v) { return v.isUndefined() || v.isNull(); }
    [[noreturn]] static void unknownKey(const Place &at, QByteArrayView key)
    {
        const QString text = QString::fromUtf8(key);
        refuse(Place(at, text), QCoreApplication::translate("vw::app", "is not a field here"));
    }

    static const PatchValue &object(const PatchValue &v, const Place &at)
    {
        if (!v.isObject())
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not an object").arg(shown(v)));
        return v;
    }
    static void keys(const PatchValue &o, const Place &at, std::initializer_list<const char *> known)
    {
        for (qsizetype i = 0; i < o.size(); ++i) {
            const QByteArrayView key = o.keyAt(i);
            bool found = false;
            for (const char *k : known)
                found = found || key == QByteArrayView(k);
            if (!found)
                unknownKey(at, key);
        }
    }
    // Each present entry of an array of at most `rows` entries, with its place and index.
    template <class Apply>
    static void eachRow(const PatchValue &v, const Place &at, int rows, const Apply &apply)
    {
        if (isAbsent(v))
            return;
        if (!v.isArray())
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not an array").arg(shown(v)));
        if (v.size() > rows)
            refuse(
                at,
                QCoreApplication::translate("vw::app", "has %1 entries, the table has %2").arg(v.size()).arg(rows));
        for (int i = 0; i < int(v.size()); ++i) {
            const PatchValue entry = v.at(i);
            if (!isAbsent(entry))
                apply(entry, Place(at, i), i);
        }
    }

    // A whole number in min..max; the value the file holds is accepted even outside it.
    // What a value is checked against may change while writing, so only the checking pass refuses.
    qint64 integer(const PatchValue &v, const Place &at, qint64 min, qint64 max, qint64 current)
    {
        const double d = v.toDouble();
        if (!v.isDouble() || d != std::floor(d))
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not a whole number").arg(shown(v)));
        if (!write_ && d != double(current) && (d < double(min) || d > double(max)))
            refuse(at, QCoreApplication::translate("vw::app", "%1 is outside %2..%3").arg(shown(v)).arg(min).arg(max));
        return qint64(d);
    }
    static double realValue(const PatchValue &v, const Place &at)
    {
        if (v.isDouble())
            return v.isNegativeZero() ? -0.0 : v.toDouble();
        bool ok = false;
        const double value = v.isString() ? doubleFromValue(QJsonValue(v.toString()), &ok) : 0;
        if (!ok)
            refuse(at, QCoreApplication::translate("vw::app", "%1 is not a number").arg(shown(v)));
        return value;
    }
    // A text the field can hold; the text it holds is taken as it is.
    QString textValue(const PatchValue &v, const Place &place, int width, const QString &current)
    {
        if (!v.isString())
            refuse(place, QCoreApplication::translate("vw::app", "%1 is not a text").arg(shown(v)));
        const QString text = v.toString();
        if (text == current || write_)
            return text;
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
        return text;
    }
    // Bytes written as hex digits, exactly `size` of them.
    static QByteArray hexBytes(const PatchValue &v, const Place &at, int size)
    {
        const QByteArrayView digits = v.utf8();
        QByteArray bytes(size, Qt::Uninitialized);
        bool valid = v.isString() && digits.size() == 2 * size;
        for (int i = 0; valid && i < size; ++i) {
            const int high = patch_tree::hexDigit(digits[2 * i]), low = patch_tree::hexDigit(digits[2 * i + 1]);
            valid = high >= 0 && low >= 0;
            bytes[i] = char(high * 16 + low);
        }
        if (!valid)
            refuse(at,
                   QCoreApplication::translate("vw::app", "%1 is not %2 bytes as hex digits").arg(shown(v), QString::number(size)));
        return bytes;
    }
    static void require(bool exists, const Place &at, const QString &what)
    {
        if (!exists)
            refuse(at, QCoreApplication::translate("vw::app", "the file has no %1").arg(what));
    }

    // Planes are found by the checking pass, before any rename of the patch;
    // each plane is patched by one entry.
    int planeOf(const PatchValue &o, const Place &at, int index)
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
    int findPlane(const PatchValue &o, const Place &at)
    {
        const PatchValue number = o.value(QLatin1String("plane"));
        const PatchValue name = o.value(QLatin1String("name"));
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

    using Node = fields::Node;
    using Kind = fields::Kind;

    // What the refusal says the file lacks where the tables name a part it may lack.
    static QString missing(const Node &node, int plane, int entry)
    {
        const QString text = node.absent ? QCoreApplication::translate("vw::app", node.absent) : QString();
        return text.contains(QLatin1String("%1")) ? text.arg(plane == 0 ? entry : plane) : text;
    }

    // The member of the node with that key (members are sorted by key), or -1.
    static int memberIndex(const Node &node, QByteArrayView key)
    {
        const auto before = [](const Node &m, QByteArrayView k) {
            const std::size_t n = std::strlen(m.key);
            const int c = std::memcmp(m.key, k.data(), std::min(n, std::size_t(k.size())));
            return c < 0 || (c == 0 && n < std::size_t(k.size()));
        };
        const auto it = std::lower_bound(node.members.begin(), node.members.end(), key, before);
        return it != node.members.end() && QByteArrayView(it->key) == key ? int(it - node.members.begin()) : -1;
    }

    void plane(const Node &node, const PatchValue &v, const Place &at, int index)
    {
        const PatchValue &o = object(v, at);
        // "name" finds the plane by its name; it is not a field of its own.
        Given given;
        givenMembers(node, o, at, given, "name");
        At pos;
        pos.file = &file_;
        pos.plane = planeOf(o, at, index);
        members(node, given, at, pos);
    }

    // An object's members by the node's member they give; a key the node
    // lacks (other than `also`) is refused, the first in the patch's order.
    using Given = std::vector<PatchValue>;
    static void givenMembers(const Node &node, const PatchValue &o, const Place &at, Given &given,
                             const char *also = nullptr)
    {
        given.assign(node.members.size(), PatchValue());
        for (qsizetype i = 0; i < o.size(); ++i) {
            const QByteArrayView key = o.keyAt(i);
            const int m = memberIndex(node, key);
            if (m >= 0)
                given[std::size_t(m)] = o.valueAt(i);
            else if (!also || key != QByteArrayView(also))
                unknownKey(at, key);
        }
    }

    void members(const Node &node, const Given &given, const Place &at, At &pos)
    {
        for (std::size_t i = 0; i < node.members.size(); ++i) {
            const Node &m = node.members[i];
            if (!isAbsent(given[i]) && (m.write || m.shape != Node::Leaf))
                part(m, given[i], member(at, m.key), pos);
        }
    }

    // A member or entry whose value the patch gives.
    void part(const Node &node, const PatchValue &v, const Place &at, At &pos)
    {
        if (node.exists && !node.exists(pos))
            require(false, at, missing(node, pos.plane, pos[0]));
        switch (node.shape) {
        case Node::Leaf:
            return leaf(node, v, at, pos);
        case Node::Object: {
            const PatchValue &o = object(v, at);
            Given given;
            givenMembers(node, o, at, given);
            if (node.member(QLatin1String("raw_name")))
                agreeingNames(o, at);
            return members(node, given, at, pos);
        }
        case Node::List:
            break;
        }
        const std::size_t level = std::size_t(pos.depth++);
        eachRow(v, at, node.count, [&](const PatchValue &e, const Place &place, int i) {
            pos.index[level] = i;
            part(node.element(), e, place, pos);
        });
        pos.index[level] = 0;
        --pos.depth;
    }

    // An ammunition entry may give its name as text, as bytes or both; both must say the same.
    void agreeingNames(const PatchValue &o, const Place &at)
    {
        const PatchValue name = o.value(QLatin1String("name")), raw = o.value(QLatin1String("raw_name"));
        if (isAbsent(name) || isAbsent(raw) || write_)
            return;
        const QByteArray bytes = hexBytes(raw, member(at, "raw_name"), weapons::AmmoEntry::NameWidth);
        const qsizetype zero = bytes.indexOf('\0');
        const QString text = QString::fromLatin1(zero < 0 ? bytes : bytes.left(zero));
        if (!name.isString() || name.toString() != text)
            refuse(member(at, "name"), QCoreApplication::translate("vw::app", "%1 is not the name raw_name holds (%2)")
                                           .arg(shown(name), shown(text)));
    }

    void leaf(const Node &node, const PatchValue &given, const Place &givenAt, const At &pos)
    {
        PatchValue v = given;
        const Place &at = givenAt;
        // A primary row of an export with FM.dat labels: {"label", "row", "value"}.
        std::optional<Place> valuePlace;
        if (node.row && v.isObject()) {
            const PatchValue o = v;
            keys(o, givenAt, {"label", "row", "value"});
            const PatchValue row = o.value(QLatin1String("row"));
            const int expected = node.row(pos);
            if (!isAbsent(row) && (!row.isDouble() || row.toDouble() != expected))
                refuse(member(givenAt, "row"),
                       QCoreApplication::translate("vw::app", "%1 is not this entry's row, %2").arg(shown(row)).arg(expected));
            v = o.value(QLatin1String("value"));
            if (isAbsent(v))
                return;
            valuePlace.emplace(givenAt, "value");
        }
        const Place &place = valuePlace ? *valuePlace : at;
        const fields::Value current = node.read(pos);
        fields::Value value;
        bool differs = false;
        switch (node.kind) {
        case Kind::Integer:
            value.integer = integer(v, place, node.min, node.max, current.integer);
            differs = value.integer != current.integer;
            break;
        case Kind::Number:
            value.number = realValue(v, place);
            differs = std::bit_cast<quint64>(value.number) != std::bit_cast<quint64>(current.number);
            break;
        case Kind::Text:
            value.text = textValue(v, place, node.width, current.text);
            differs = value.text != current.text;
            break;
        case Kind::Bytes:
            value.bytes = hexBytes(v, place, node.width);
            differs = value.bytes != current.bytes;
            break;
        case Kind::Flag:
            if (!v.isBool())
                refuse(place, QCoreApplication::translate("vw::app", "%1 is not true or false").arg(shown(v)));
            value.flag = v.toBool();
            differs = value.flag != current.flag;
            break;
        }
        if (!differs)
            return;
        // Bytes with two names are written under the name whose value the
        // patch changes: the other, written after it, would put the old value back.
        if (node.alias || node.aliased) {
            const Twin twin{&node, pos.plane, pos.index};
            if (!write_)
                changedTwins_.insert(twin);
            else if (!changedTwins_.contains(twin))
                return;
        }
        if (write_)
            node.write(file_, pos, value);
    }

    struct Twin {
        const Node *node;
        int plane;
        std::array<int, 6> index;
        auto operator<=>(const Twin &) const = default;
    };

    DataFile &file_;
    bool write_ = false;
    QList<int> planes_;
    QHash<int, int> entryOf_; // plane -> its entry in "planes"
    std::set<Twin> changedTwins_; // fields of two names whose value the patch changes
    qsizetype next_ = 0;
};

} // namespace

void importPatch(DataFile &file, const Patch &patch, const std::function<void(const QList<int> &)> &checked)
{
    const PatchValue root = patch.tree.root();
    if (!root.isObject())
        throw FormatError(QCoreApplication::translate("vw::app", "The patch is not a JSON object."));
    Importer importer(file);
    importer.document(root);
    if (checked)
        checked(importer.planes());
    importer.startWriting();
    importer.document(root);
}

void importPatch(DataFile &file, const QJsonDocument &document, const std::function<void(const QList<int> &)> &checked)
{
    Patch patch;
    if (document.isObject())
        patch.tree.fromDocument(document.object());
    else if (document.isArray())
        patch.tree.fromDocument(document.array());
    importPatch(file, patch, checked);
}

Patch parsePatch(const QByteArray &text)
{
    // The reading of the text runs beside the parser; a text larger than any
    // whole export is read first, so that a huge value is refused before the
    // parser has copied it.
    constexpr qsizetype LargerThanAnyExport = 64 * 1024 * 1024;
    Patch patch;
    // Plain JSON, which every export and nearly every patch is, is read in one pass.
    if (patch.tree.read(text))
        return patch;
    QJsonParseError error;
    QJsonDocument document;
    PatchTextFacts facts;
    if (text.size() > LargerThanAnyExport) {
        facts = scanPatchText(text);
        document = QJsonDocument::fromJson(text, &error);
    } else {
        std::exception_ptr refusal;
        {
            const std::jthread scan([&] {
                try {
                    facts = scanPatchText(text);
                } catch (...) {
                    refusal = std::current_exception();
                }
            });
            document = QJsonDocument::fromJson(text, &error);
        }
        // The reading stops where the text stops being JSON: what it refused comes first.
        if (refusal)
            std::rethrow_exception(refusal);
    }
    if (error.error != QJsonParseError::NoError)
        throw FormatError(QCoreApplication::translate("vw::app", "not JSON: %1 at offset %2")
                              .arg(error.errorString())
                              .arg(error.offset));
    if (document.isObject())
        patch.tree.fromDocument(document.object(), facts.negativeZeros);
    else if (document.isArray())
        patch.tree.fromDocument(document.array(), facts.negativeZeros);
    return patch;
}

} // namespace vw::app
