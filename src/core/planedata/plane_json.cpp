#include "plane_json.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/datafile/directory_entry.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/ammo_entry.h"
#include "core/weapons/weapons_block.h"
#include "field_table.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <bit>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>

namespace vw::app {

using datafile::DataFile;
using datafile::FormatError;

namespace {

QString key(const char *name) { return QString::fromLatin1(name); }

} // namespace

QJsonValue doubleValue(double value)
{
    if (std::isnan(value)) {
        const quint64 bits = std::bit_cast<quint64>(value);
        if (bits == StandardNaNBits)
            return key("NAN");
        return QStringLiteral("NAN:0x%1").arg(bits, 16, 16, QLatin1Char('0'));
    }
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
        return std::bit_cast<double>(StandardNaNBits);
    // "NAN:0x" and the 16 hex digits of a NaN's bits: its sign and payload.
    if (text.size() == 22 && text.startsWith(QLatin1String("NAN:0x"))) {
        bool valid = true;
        for (QChar c : QStringView(text).mid(6))
            valid = valid && std::isxdigit(static_cast<unsigned char>(c.toLatin1()));
        const double nan = std::bit_cast<double>(text.mid(6).toULongLong(nullptr, 16));
        if (valid && std::isnan(nan))
            return nan;
    }
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

namespace {

using fields::At;
using fields::Node;
using fields::Value;

// The label of a primary row in an export with FM.dat labels: the grid's
// label of the row, as the window shows it ("" where FM.dat has none).
QString rowLabel(const QStringList &labels, int row)
{
    using R = flightmodel::PlaneRecordView;
    const qsizetype n = labels.size();
    qsizetype line = row;
    if (row > R::PrimaryDoubles)
        line = n - (R::PrimaryDoubles + R::TrailingRows - row); // the last lines label the trailing rows
    else if (row > n - R::TrailingRows)
        line = 0;
    return line >= 1 && line <= n ? labels.at(line - 1) : QString();
}

} // namespace

QJsonValue jsonValue(const Node &leaf, const Value &v)
{
    switch (leaf.kind) {
    case fields::Kind::Integer:
        return v.integer;
    case fields::Kind::Number:
        return doubleValue(v.number);
    case fields::Kind::Text:
        return v.text;
    case fields::Kind::Bytes:
        return QString::fromLatin1(v.bytes.toHex());
    case fields::Kind::Flag:
        return v.flag;
    }
    return {};
}

namespace {

// Builds the document as JSON values.
class TreeBuilder : public fields::Visitor {
public:
    explicit TreeBuilder(const QStringList &labels) : labels_(labels) {}
    QJsonObject document() const { return root_.toObject(); }
    QJsonValue value() const { return root_; }

    void key(const Node &node, int) override { key_ = node.key; }
    void beginObject(const Node &, const At &) override { open_.push_back({QJsonObject(), QJsonArray(), true, key_}); }
    void beginList(const Node &, const At &) override { open_.push_back({QJsonObject(), QJsonArray(), false, key_}); }
    void endObject(const Node &) override { close(); }
    void endList(const Node &) override { close(); }
    void null(const Node &) override { add(QJsonValue(QJsonValue::Null)); }
    void leaf(const Node &node, const At &at, const Value &value) override
    {
        QJsonValue v = jsonValue(node, value);
        if (node.row && !labels_.isEmpty()) {
            const int row = node.row(at);
            v = QJsonObject{{QStringLiteral("row"), row}, {QStringLiteral("label"), rowLabel(labels_, row)}, {QStringLiteral("value"), v}};
        }
        add(v);
    }

private:
    struct Open {
        QJsonObject object;
        QJsonArray array;
        bool isObject;
        const char *key;
    };
    void add(const QJsonValue &v)
    {
        if (open_.empty()) {
            root_ = v;
            return;
        }
        Open &top = open_.back();
        if (top.isObject)
            top.object.insert(QLatin1String(key_), v);
        else
            top.array.append(v);
    }
    void close()
    {
        Open done = std::move(open_.back());
        open_.pop_back();
        if (open_.empty()) {
            root_ = done.isObject ? QJsonValue(done.object) : QJsonValue(done.array);
            return;
        }
        key_ = done.key;
        add(done.isObject ? QJsonValue(done.object) : QJsonValue(done.array));
    }

    const QStringList &labels_;
    std::vector<Open> open_;
    const char *key_ = nullptr;
    QJsonValue root_;
};

constexpr char HexDigits[] = "0123456789abcdef";

// The shortest form that reads back, as QJsonDocument writes it; from 1e16
// on, that pads the shortest digits with zeros where to_chars writes every
// digit, so those few take Qt's own formatting.
template <class Text>
void appendShortest(Text &text, double d)
{
    if (std::fabs(d) < 1e16) {
        char digits[32];
        const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, d);
        text.append(digits, r.ptr - digits);
    } else {
        text.append(QByteArray::number(d, 'g', QLocale::FloatingPointShortest).constData());
    }
}

} // namespace

void appendJsonString(std::string &text, const QString &s)
{
    text += '"';
    for (QChar c : s) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            text += QString(c).toUtf8().toStdString();
            continue;
        }
        if (u >= 0x20 && u != '"' && u != '\\') {
            text += char(u);
            continue;
        }
        text += '\\';
        switch (u) {
        case '"': text += '"'; break;
        case '\\': text += '\\'; break;
        case '\b': text += 'b'; break;
        case '\f': text += 'f'; break;
        case '\n': text += 'n'; break;
        case '\r': text += 'r'; break;
        case '\t': text += 't'; break;
        default:
            text += "u00";
            text += HexDigits[u >> 4];
            text += HexDigits[u & 0xf];
        }
    }
    text += '"';
}

void appendValueText(std::string &text, const Node &leaf, const Value &v)
{
    switch (leaf.kind) {
    case fields::Kind::Integer:
        text += std::to_string(v.integer);
        return;
    case fields::Kind::Number:
        if (!std::isfinite(v.number) || (v.number == 0 && std::signbit(v.number)))
            appendJsonString(text, doubleValue(v.number).toString());
        else
            appendShortest(text, v.number);
        return;
    case fields::Kind::Text:
        appendJsonString(text, v.text);
        return;
    case fields::Kind::Bytes:
        text += '"';
        for (char c : v.bytes) {
            text += HexDigits[(uchar(c) >> 4) & 0xf];
            text += HexDigits[uchar(c) & 0xf];
        }
        text += '"';
        return;
    case fields::Kind::Flag:
        text += v.flag ? "true" : "false";
        return;
    }
}

namespace {

// Writes the document's text as it goes, the very bytes QJsonDocument's
// indented text of the built document would be, without building it.
class TextWriter : public fields::Visitor {
public:
    explicit TextWriter(const QStringList &labels) : labels_(labels) {}
    std::string text;

    void key(const Node &node, int) override
    {
        Level &level = levels_.back();
        if (level.entries++ > 0)
            text += ",\n";
        indent(levels_.size());
        if (level.isObject) {
            text += '"';
            text += node.key;
            text += "\": ";
        }
    }
    void beginObject(const Node &, const At &) override { open('{', true); }
    void beginList(const Node &, const At &) override { open('[', false); }
    void endObject(const Node &) override { close('}'); }
    void endList(const Node &) override { close(']'); }
    void null(const Node &) override { text += "null"; }
    void leaf(const Node &node, const At &at, const Value &value) override
    {
        if (node.row && !labels_.isEmpty()) {
            const int row = node.row(at);
            const int depth = int(levels_.size());
            text += "{\n";
            indent(depth + 1);
            text += "\"label\": ";
            appendJsonString(text, rowLabel(labels_, row));
            text += ",\n";
            indent(depth + 1);
            text += "\"row\": ";
            text += std::to_string(row);
            text += ",\n";
            indent(depth + 1);
            text += "\"value\": ";
            appendValueText(text, node, value);
            text += '\n';
            indent(depth);
            text += '}';
            return;
        }
        appendValueText(text, node, value);
    }
    void finish() { text += '\n'; }

private:
    struct Level {
        bool isObject;
        int entries;
    };
    void indent(std::size_t depth) { text.append(4 * depth, ' '); }
    void open(char bracket, bool isObject)
    {
        text += bracket;
        text += '\n';
        levels_.push_back({isObject, 0});
    }
    void close(char bracket)
    {
        if (levels_.back().entries > 0)
            text += '\n';
        levels_.pop_back();
        indent(levels_.size());
        text += bracket;
    }

    const QStringList &labels_;
    std::vector<Level> levels_;
};

QList<int> everyPlane(const DataFile &file, const QList<int> &planes)
{
    QList<int> chosen = planes;
    if (chosen.isEmpty())
        for (int p = 1; p <= file.PlaneCount(); ++p)
            chosen.append(p);
    return chosen;
}

} // namespace

void appendShortestNumber(QString &out, double value)
{
    struct Latin1 {
        QString &s;
        void append(const char *p, qsizetype n) { s.append(QLatin1StringView(p, n)); }
        void append(const char *p) { s.append(QLatin1StringView(p)); }
    } text{out};
    appendShortest(text, value);
}

QByteArray shortestNumber(double value)
{
    QByteArray text;
    appendShortest(text, value);
    return text;
}

QJsonValue exportPart(const Node &node, At &at)
{
    const QStringList noLabels;
    TreeBuilder builder(noLabels);
    fields::walkNode(node, at, builder);
    return builder.value();
}

QJsonObject exportPlanes(const DataFile &file, const QList<int> &planes, const QStringList &rowLabels)
{
    return exportChosenPlanes(file, everyPlane(file, planes), rowLabels);
}

QJsonObject exportChosenPlanes(const DataFile &file, const QList<int> &chosen, const QStringList &rowLabels)
{
    TreeBuilder builder(rowLabels);
    fields::walkChosen(file, chosen, builder);
    return builder.document();
}

QByteArray exportFileText(const DataFile &file, const QList<int> &planes, const QStringList &rowLabels)
{
    TextWriter writer(rowLabels);
    writer.text.reserve(std::size_t(file.FileSize()) * 3);
    fields::walkChosen(file, everyPlane(file, planes), writer);
    writer.finish();
    return QByteArray(writer.text.data(), qsizetype(writer.text.size()));
}

QByteArray exportText(const QJsonObject &document)
{
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

} // namespace vw::app
