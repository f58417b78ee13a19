// The export's JSON Schema, made from the field tables.

#include "field_schema.h"

#include "field_table.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

namespace vw::app {

namespace {

using fields::At;
using fields::Kind;
using fields::Node;

const QString NumberRef = QStringLiteral("#/$defs/number");

// The values an integer of its stored width takes: the export writes what the file holds.
std::pair<qint64, qint64> storedRange(const Node &leaf)
{
    if (leaf.bits >= 64)
        return {std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max()};
    if (leaf.isSigned)
        return {-(qint64(1) << (leaf.bits - 1)), (qint64(1) << (leaf.bits - 1)) - 1};
    return {0, (qint64(1) << leaf.bits) - 1};
}

QJsonObject nullable(const QJsonObject &schema)
{
    return QJsonObject{{QStringLiteral("oneOf"), QJsonArray{schema, QJsonObject{{QStringLiteral("type"), QStringLiteral("null")}}}}};
}

QJsonObject leafSchema(const Node &leaf, const char *label, const At &at, int depth)
{
    QJsonObject s;
    QString description = QString::fromUtf8(label ? label : "");
    switch (leaf.kind) {
    case Kind::Integer: {
        s[QStringLiteral("type")] = QStringLiteral("integer");
        // A field that only describes the file is written within its range;
        // a stored one as the file holds it, which the import takes back unchanged.
        auto [low, high] = leaf.write ? storedRange(leaf) : std::pair{leaf.min, leaf.max};
        s[QStringLiteral("minimum")] = low;
        s[QStringLiteral("maximum")] = high;
        if (leaf.write && (leaf.min > low || leaf.max < high))
            description += QStringLiteral("; the editor takes %1..%2").arg(leaf.min).arg(leaf.max);
        break;
    }
    case Kind::Number:
        s[QStringLiteral("$ref")] = NumberRef;
        break;
    case Kind::Text:
        s[QStringLiteral("type")] = QStringLiteral("string");
        s[QStringLiteral("maxLength")] = leaf.width;
        break;
    case Kind::Bytes:
        s[QStringLiteral("type")] = QStringLiteral("string");
        s[QStringLiteral("pattern")] = QStringLiteral("^[0-9a-fA-F]{%1}$").arg(2 * leaf.width);
        description += QStringLiteral(" (%1 bytes in hex)").arg(leaf.width);
        break;
    case Kind::Flag:
        s[QStringLiteral("type")] = QStringLiteral("boolean");
        break;
    }
    if (leaf.alias)
        description += QStringLiteral("; the same bytes as %1").arg(QLatin1String(leaf.alias));
    if (!description.isEmpty())
        s[QStringLiteral("description")] = description;
    if (!leaf.row)
        return s;
    // With FM.dat labels a primary row is written as {"label", "row", "value"}.
    At first = at, last = at;
    const auto rowAt = [&](At &a, int i) {
        a.index[std::size_t(depth)] = i;
        return a;
    };
    const int lowRow = leaf.row(rowAt(first, 0));
    const int highRow = leaf.row(rowAt(last, at.index[std::size_t(depth)]));
    QJsonObject row{{QStringLiteral("type"), QStringLiteral("integer")},
                    {QStringLiteral("minimum"), lowRow},
                    {QStringLiteral("maximum"), highRow}};
    QJsonObject labelled{
        {QStringLiteral("type"), QStringLiteral("object")},
        {QStringLiteral("required"), QJsonArray{QStringLiteral("label"), QStringLiteral("row"), QStringLiteral("value")}},
        {QStringLiteral("additionalProperties"), false},
        {QStringLiteral("properties"),
         QJsonObject{{QStringLiteral("label"), QJsonObject{{QStringLiteral("type"), QStringLiteral("string")},
                                                           {QStringLiteral("description"), QStringLiteral("The row's FM.dat line")}}},
                     {QStringLiteral("row"), row},
                     {QStringLiteral("value"), QJsonObject{{QStringLiteral("$ref"), NumberRef}}}}}};
    QJsonObject number{{QStringLiteral("$ref"), NumberRef}};
    QJsonObject both{{QStringLiteral("oneOf"), QJsonArray{number, labelled}}};
    both[QStringLiteral("description")] = s.value(QStringLiteral("description")).toString(
        QStringLiteral("A row; with labels an object of its FM.dat label, its row number and its value"));
    return both;
}

// `at.index[depth]` holds the last position of the list a leaf is in (for the rows' numbers).
QJsonObject nodeSchema(const Node &node, const char *label, At &at, int depth)
{
    QJsonObject s;
    switch (node.shape) {
    case Node::Leaf:
        return leafSchema(node, node.label ? node.label : label, at, depth - 1);
    case Node::Object: {
        QJsonArray required;
        QJsonObject properties;
        for (const Node &m : node.members) {
            required.append(QLatin1String(m.key));
            properties[QLatin1String(m.key)] = nodeSchema(m, nullptr, at, depth);
        }
        s[QStringLiteral("type")] = QStringLiteral("object");
        s[QStringLiteral("required")] = required;
        s[QStringLiteral("additionalProperties")] = false;
        s[QStringLiteral("properties")] = properties;
        break;
    }
    case Node::List: {
        s[QStringLiteral("type")] = QStringLiteral("array");
        if (node.planes) {
            s[QStringLiteral("items")] = nodeSchema(node.element(), node.label, at, depth);
            s[QStringLiteral("description")] = QStringLiteral("The planes, each by its number");
            break;
        }
        at.index[std::size_t(depth)] = node.count - 1;
        const QString range = QStringLiteral("%1 %2..%3").arg(QLatin1String(node.label)).arg(node.first).arg(node.first + node.count - 1);
        if (node.entryLabels) {
            QJsonArray prefix;
            for (int i = 0; i < node.count; ++i) {
                QJsonObject entry = nodeSchema(node.element(), node.entryLabels[i], at, depth + 1);
                prefix.append(entry);
            }
            s[QStringLiteral("prefixItems")] = prefix;
            s[QStringLiteral("items")] = false;
        } else {
            s[QStringLiteral("items")] = nodeSchema(node.element(), node.label, at, depth + 1);
        }
        at.index[std::size_t(depth)] = 0;
        if (!node.present)
            s[QStringLiteral("minItems")] = node.count;
        s[QStringLiteral("maxItems")] = node.count;
        s[QStringLiteral("description")] =
            node.present ? range + QStringLiteral(", those the stored count uses") : range;
        break;
    }
    }
    return node.exists ? nullable(s) : s;
}

} // namespace

QByteArray exportSchemaText()
{
    At at;
    QJsonObject root = nodeSchema(fields::document(), nullptr, at, 0);
    root[QStringLiteral("$schema")] = QStringLiteral("https://json-schema.org/draft/2020-12/schema");
    root[QStringLiteral("$id")] = QStringLiteral("https://vornwing.example/schema/plane-data.schema.json");
    root[QStringLiteral("title")] = QStringLiteral("Vornwing plane data export");
    root[QStringLiteral("description")] = QStringLiteral(
        "The document vornwing-cli export writes: every field of every plane (or of the planes asked for) and the "
        "shared tables of a misc.bin plane data file. A part the file lacks (a plane without a record, a missing "
        "table) is null. Made by vornwing-cli schema from the editor's field tables.");
    const QJsonObject number{
        {QStringLiteral("description"),
         QStringLiteral("A double: a JSON number, or \"NAN\" (the NaN whose bits are 0x7ff8000000000000), \"INF\", "
                        "\"-INF\" or \"-0\" for values JSON numbers cannot carry; any other NaN is \"NAN:0x\" followed "
                        "by its 64 bits as 16 hex digits (e.g. \"NAN:0xfff8000000000000\"), so that its sign and "
                        "payload come back.")},
        {QStringLiteral("oneOf"),
         QJsonArray{QJsonObject{{QStringLiteral("type"), QStringLiteral("number")}},
                    QJsonObject{{QStringLiteral("enum"), QJsonArray{QStringLiteral("NAN"), QStringLiteral("INF"),
                                                                     QStringLiteral("-INF"), QStringLiteral("-0")}}},
                    QJsonObject{{QStringLiteral("type"), QStringLiteral("string")},
                                {QStringLiteral("pattern"), QStringLiteral("^NAN:0x[0-9a-fA-F]{16}$")}}}}};
    root[QStringLiteral("$defs")] = QJsonObject{{QStringLiteral("number"), number}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace vw::app
