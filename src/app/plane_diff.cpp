#include "plane_diff.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>

#include <algorithm>

namespace vw::app {

namespace {

// How an element of a list is called: its list's element name and whether
// the list counts from 0 (tables of steps and entries) or from 1.
struct ElementName {
    const char *list;
    const char *element;
    int first;
};

constexpr ElementName ElementNames[] = {
    {"configurations", "config", 1}, {"weapons", "weapon", 1},    {"rows", "row", 1},
    {"trailing_rows", "trailing row", 1}, {"power_matrix", "altitude row", 1}, {"speed_points", "speed point", 1},
    {"power", "step", 0},            {"handling", "handling row", 0}, {"damage_map", "damage map level", 1},
    {"damage_profile", "damage profile part", 1},   {"wings", "wing", 0},        {"ammunition", "ammunition", 0},
};

// Lists with named elements: their elements name themselves in a path.
const ElementName *listNamed(const QString &list)
{
    for (const ElementName &name : ElementNames)
        if (list == QLatin1String(name.list))
            return &name;
    return nullptr;
}

// Lists inside lists: a matrix row's columns, a map level's rows, a handling row's axes.
QString innerName(const QString &parentElement, qsizetype index)
{
    if (parentElement.startsWith(QLatin1String("altitude row")) || parentElement.startsWith(QLatin1String("wing ")))
        return QStringLiteral("column %1").arg(index + 1);
    if (parentElement.startsWith(QLatin1String("damage map level")))
        return QStringLiteral("row %1").arg(index + 1);
    if (parentElement.startsWith(QLatin1String("handling row")) && index >= 0 && index < 3) {
        static const char *const axes[] = {"pitch", "yaw", "roll"};
        return QLatin1String(axes[index]);
    }
    return QStringLiteral("item %1").arg(index + 1);
}

QString join(const QString &where, const QString &part)
{
    return where.isEmpty() ? part : where + QStringLiteral(", ") + part;
}

class Differ {
public:
    QList<FieldDifference> found;

    // `element` is the name of the value when it is an element of a list.
    void compare(const QString &where, const QString &element, const QJsonValue &a, const QJsonValue &b)
    {
        if (a.isObject() && b.isObject())
            return compareObjects(where, a.toObject(), b.toObject());
        if (a.isArray() && b.isArray())
            return compareArrays(where, a.toArray(), b.toArray(), [&](qsizetype i) { return innerName(element, i); });
        if (a != b)
            found.append(FieldDifference{where, a, b, 0, topKey_, 0});
    }

private:
    // The document's key the comparison is in: the section of a field outside the planes.
    QString topKey_;

    void compareObjects(const QString &where, const QJsonObject &a, const QJsonObject &b)
    {
        QStringList keys = a.keys();
        for (const QString &k : b.keys())
            if (!a.contains(k))
                keys.append(k);
        keys.sort();
        for (const QString &k : keys) {
            if (where.isEmpty())
                topKey_ = k;
            const QJsonValue va = a.value(k), vb = b.value(k);
            if (k == QLatin1String("planes") && va.isArray() && vb.isArray())
                comparePlanes(where, va.toArray(), vb.toArray());
            else if (const ElementName *named = listNamed(k); named && va.isArray() && vb.isArray())
                compareArrays(where, va.toArray(), vb.toArray(), [named](qsizetype i) {
                    return QStringLiteral("%1 %2").arg(QLatin1String(named->element)).arg(i + named->first);
                });
            else
                compare(join(where, k), QString(), va, vb);
        }
    }

    template <class NameOf>
    void compareArrays(const QString &where, const QJsonArray &a, const QJsonArray &b, const NameOf &nameOf)
    {
        const qsizetype n = std::max(a.size(), b.size());
        for (qsizetype i = 0; i < n; ++i) {
            const QString name = nameOf(i);
            compare(join(where, name), name, i < a.size() ? a.at(i) : QJsonValue(), i < b.size() ? b.at(i) : QJsonValue());
        }
    }

    static QString planeName(const QJsonObject &plane)
    {
        const QString name = plane.value(QLatin1String("header")).toObject().value(QLatin1String("name")).toString();
        const QString number = QStringLiteral("plane %1").arg(plane.value(QLatin1String("plane")).toInt());
        return name.isEmpty() ? number : number + QLatin1Char(' ') + name;
    }

    // Planes by their number: an export of some planes compares with one of all.
    void comparePlanes(const QString &where, const QJsonArray &a, const QJsonArray &b)
    {
        QMap<int, QPair<QJsonObject, QJsonObject>> byNumber;
        for (const QJsonValue &p : a)
            byNumber[p.toObject().value(QLatin1String("plane")).toInt()].first = p.toObject();
        for (const QJsonValue &p : b)
            byNumber[p.toObject().value(QLatin1String("plane")).toInt()].second = p.toObject();
        for (auto it = byNumber.cbegin(); it != byNumber.cend(); ++it) {
            const auto &[pa, pb] = it.value();
            const QString at = join(where, planeName(pa.isEmpty() ? pb : pa));
            const qsizetype before = found.size();
            if (pa.isEmpty() || pb.isEmpty())
                found.append(FieldDifference{at, pa.isEmpty() ? QJsonValue() : QJsonValue(pa),
                                             pb.isEmpty() ? QJsonValue() : QJsonValue(pb), 0, QString(), 0});
            else
                compareObjects(at, pa, pb);
            // The plane's name may hold ", ": its fields' paths are read behind it.
            for (qsizetype i = before; i < found.size(); ++i) {
                FieldDifference &d = found[i];
                d.plane = it.key();
                const QStringList parts = d.where.mid(at.size() + 2).split(QLatin1String(", "));
                d.section = d.where.size() > at.size() ? parts.value(0) : QString();
                for (const QString &part : parts)
                    if (part.startsWith(QLatin1String("config ")))
                        d.config = part.mid(7).toInt();
            }
        }
    }
};

QString valueText(const QJsonValue &value)
{
    if (value.isUndefined() || value.isNull())
        return QStringLiteral("none");
    if (value.isString())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    if (value.isObject() || value.isArray())
        return QStringLiteral("(present)");
    // Numbers and booleans as JSON writes them: the shortest exact form.
    QJsonArray one{value};
    QByteArray text = QJsonDocument(one).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

} // namespace

QList<FieldDifference> diffExports(const QJsonObject &from, const QJsonObject &to)
{
    Differ differ;
    differ.compare(QString(), QString(), from, to);
    return differ.found;
}

QString differenceLine(const FieldDifference &difference)
{
    return difference.where + QStringLiteral(": ") + valueText(difference.from) + QStringLiteral(" -> ") +
           valueText(difference.to);
}

} // namespace vw::app
