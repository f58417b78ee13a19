#include "field_table.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/weapons_block.h"

#include <bit>
#include <cstring>

#include <QCoreApplication>

namespace vw::app::fields {

using datafile::DataFile;
using datafile::FormatError;

const Node *Node::member(QLatin1StringView name) const
{
    if (shape != Object)
        return nullptr;
    for (const Node &m : members)
        if (name == QLatin1StringView(m.key))
            return &m;
    return nullptr;
}

QString rangeText(const Node &leaf)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return QStringLiteral("%1..%2").arg(leaf.min).arg(leaf.max);
    case Kind::Text:
        return QStringLiteral("0..%1 characters").arg(leaf.width);
    case Kind::Bytes:
        return QStringLiteral("%1 bytes").arg(leaf.width);
    case Kind::Flag:
        return QStringLiteral("true, false");
    case Kind::Number:
        break;
    }
    return {};
}

QString kindText(const Node &leaf)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return QStringLiteral("%1%2").arg(leaf.isSigned ? QLatin1Char('i') : QLatin1Char('u')).arg(leaf.bits);
    case Kind::Number:
        return QStringLiteral("f64");
    case Kind::Text:
        return QStringLiteral("text(%1)").arg(leaf.width);
    case Kind::Bytes:
        return QStringLiteral("bytes(%1)").arg(leaf.width);
    case Kind::Flag:
        return QStringLiteral("flag");
    }
    return {};
}

QString labelText(const Node &node)
{
    return node.label ? QCoreApplication::translate("vw::fields", node.label) : QString();
}

QString labelText(const Node &list, int entry)
{
    return list.entryLabels && entry >= 0 && entry < list.count
               ? QCoreApplication::translate("vw::fields", list.entryLabels[entry])
               : labelText(list);
}

namespace {

void addPatterns(const Node &node, const QString &path, PageId page, const Node *list, QList<Pattern> &out)
{
    if (node.page)
        page = *node.page;
    switch (node.shape) {
    case Node::Leaf: {
        out.append({path, &node, page, node.label ? node.label : list ? list->label : nullptr});
        return;
    }
    case Node::Object:
        for (const Node &m : node.members)
            addPatterns(m, path.isEmpty() ? QLatin1String(m.key) : path + QLatin1Char('.') + QLatin1String(m.key), page,
                        nullptr, out);
        return;
    case Node::List:
        addPatterns(node.element(), path + QStringLiteral("[*]"), page, &node, out);
        return;
    }
}

void visit(const Node &node, At &at, Visitor &visitor, const QList<int> &planes)
{
    switch (node.shape) {
    case Node::Leaf:
        visitor.leaf(node, at, node.read(at));
        return;
    case Node::Object:
        if (node.exists && !node.exists(at))
            return visitor.null(node);
        visitor.beginObject(node, at);
        for (const Node &m : node.members) {
            visitor.key(m, -1);
            visit(m, at, visitor, planes);
        }
        visitor.endObject(node);
        return;
    case Node::List:
        break;
    }
    if (node.exists && !node.exists(at))
        return visitor.null(node);
    visitor.beginList(node, at);
    if (node.planes) {
        for (int p : planes) {
            at.plane = p;
            visitor.key(node.element(), p);
            visit(node.element(), at, visitor, planes);
        }
        at.plane = 0;
    } else {
        const int n = node.present ? node.present(at) : node.count;
        const std::size_t level = std::size_t(at.depth++);
        for (int i = 0; i < n; ++i) {
            at.index[level] = i;
            visitor.key(node.element(), i + node.first);
            visit(node.element(), at, visitor, planes);
        }
        at.index[level] = 0;
        --at.depth;
    }
    visitor.endList(node);
}

} // namespace

QList<Pattern> patterns()
{
    QList<Pattern> out;
    addPatterns(document(), QString(), PageId::Misc, nullptr, out);
    return out;
}

bool isAlias(const Node &leaf, const At &at)
{
    return leaf.alias && (!leaf.aliasAt || leaf.aliasAt(at));
}

bool sameValue(const Node &leaf, const Value &x, const Value &y)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return x.integer == y.integer;
    case Kind::Number:
        return std::bit_cast<quint64>(x.number) == std::bit_cast<quint64>(y.number);
    case Kind::Text:
        return x.text == y.text;
    case Kind::Bytes:
        return x.bytes == y.bytes;
    case Kind::Flag:
        return x.flag == y.flag;
    }
    return true;
}

namespace {

// Both files hold the same bytes at their ranges, or neither holds its range.
bool sameBytes(const DataFile &a, std::int64_t atA, const DataFile &b, std::int64_t atB, std::int64_t length)
{
    const bool inA = a.contains(atA, length), inB = b.contains(atB, length);
    if (inA != inB)
        return false;
    return !inA || std::memcmp(a.data() + atA, b.data() + atB, std::size_t(length)) == 0;
}

template <class View>
bool sameView(const View &a, const View &b, std::int64_t length)
{
    return a.exists() == b.exists() && (!a.exists() || sameBytes(a.file(), a.offset(), b.file(), b.offset(), length));
}

} // namespace

bool samePlane(const DataFile &a, const DataFile &b, int p)
{
    using Header = flightmodel::PlaneHeaderView;
    using Record = flightmodel::PlaneRecordView;
    using Weapons = weapons::WeaponsBlockView;
    using Map = damage::DamageMapView;
    using Profile = damage::ProfileSlotView;
    return sameView(Header(a, p), Header(b, p), Header::UsedSize) && sameView(Record(a, p), Record(b, p), Record::Size)
           && sameView(Weapons(a, p), Weapons(b, p), Weapons::Size) && sameView(Map(a, p), Map(b, p), Map::Size)
           && sameView(Profile(a, p), Profile(b, p), Profile::UsedSize);
}

bool samePlanePart(const DataFile &a, const DataFile &b, int p, const char *key)
{
    using Header = flightmodel::PlaneHeaderView;
    using Record = flightmodel::PlaneRecordView;
    using Weapons = weapons::WeaponsBlockView;
    using Map = damage::DamageMapView;
    using Profile = damage::ProfileSlotView;
    if (!key)
        return false;
    const std::string_view part(key);
    if (part == "header")
        return sameView(Header(a, p), Header(b, p), Header::UsedSize);
    if (part == "weapons")
        return sameView(Weapons(a, p), Weapons(b, p), Weapons::Size);
    if (part == "primary" || part == "engine" || part == "wep" || part == "handling")
        return sameView(Record(a, p), Record(b, p), Record::Size);
    if (part == "damage_map")
        return sameView(Map(a, p), Map(b, p), Map::Size);
    if (part == "damage_profile")
        return sameView(Profile(a, p), Profile(b, p), Profile::UsedSize);
    return false;
}

void walk(const DataFile &file, const QList<int> &planes, Visitor &visitor)
{
    QList<int> chosen = planes;
    if (chosen.isEmpty())
        for (int p = 1; p <= file.PlaneCount(); ++p)
            chosen.append(p);
    walkChosen(file, chosen, visitor);
}

void walkNode(const Node &node, At &at, Visitor &visitor)
{
    visit(node, at, visitor, at.plane ? QList<int>{at.plane} : QList<int>{});
}

void walkChosen(const DataFile &file, const QList<int> &planes, Visitor &visitor)
{
    for (int p : planes)
        if (p < 1 || p > file.PlaneCount())
            throw FormatError(QCoreApplication::translate("vw::app", "The file has planes 1 to %1, not %2.")
                                  .arg(file.PlaneCount())
                                  .arg(p));
    At at;
    at.file = &file;
    visit(document(), at, visitor, planes);
}

} // namespace vw::app::fields
