#include "field_lines.h"

#include "plane_json.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace vw::app {

using fields::At;
using fields::Node;
using fields::Value;

namespace {

constexpr char HexDigits[] = "0123456789abcdef";

// A whole number, or a double in its shortest exact form.
template <class Number>
void appendNumber(std::string &text, Number n)
{
    char digits[32];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, n);
    text.append(digits, std::size_t(r.ptr - digits));
}

// A text as a JSON string: quotes, backslashes and control characters escaped,
// everything else as UTF-8.
void appendString(std::string &text, const QString &s)
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

// Writes the lines as the walk goes: the path of the place is kept as one
// string, each level remembering where its part of the path starts.
class LineWriter : public fields::Visitor {
public:
    std::string text;

    void beginObject(const Node &, const At &) override { open(true); }
    void beginList(const Node &, const At &) override { open(false); }
    void endObject(const Node &) override { close(); }
    void endList(const Node &) override { close(); }
    void null(const Node &) override
    {
        text += path_;
        text += " = null\n";
    }
    void key(const Node &node, int number) override
    {
        const Level &level = levels_.back();
        path_.resize(level.start);
        if (level.isObject) {
            if (!path_.empty())
                path_ += '.';
            path_ += node.key;
        } else {
            path_ += '[';
            appendNumber(path_, number);
            path_ += ']';
        }
    }
    void leaf(const Node &node, const At &at, const Value &value) override
    {
        if (isAlias(node, at))
            return;
        text += path_;
        text += " = ";
        appendValueText(text, node, value);
        text += '\n';
    }

private:
    struct Level {
        std::size_t start;
        bool isObject;
    };
    void open(bool isObject) { levels_.push_back({path_.size(), isObject}); }
    void close()
    {
        path_.resize(levels_.back().start);
        levels_.pop_back();
    }

    std::string path_;
    std::vector<Level> levels_;
};

} // namespace

bool isAlias(const Node &leaf, const At &at)
{
    return leaf.alias && (!leaf.aliasAt || leaf.aliasAt(at));
}

void appendValueText(std::string &text, const Node &leaf, const Value &v)
{
    switch (leaf.kind) {
    case fields::Kind::Integer:
        appendNumber(text, v.integer);
        return;
    case fields::Kind::Number:
        if (!std::isfinite(v.number) || (v.number == 0 && std::signbit(v.number)))
            appendString(text, doubleValue(v.number).toString());
        else if (std::fabs(v.number) < 1e16) // the export's shortest form; larger ones as it pads them
            appendNumber(text, v.number);
        else
            text += shortestNumber(v.number).toStdString();
        return;
    case fields::Kind::Text:
        appendString(text, v.text);
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

QByteArray fieldLines(const datafile::DataFile &file)
{
    LineWriter writer;
    writer.text.reserve(std::size_t(file.FileSize()) * 4);
    fields::walk(file, {}, writer);
    return QByteArray(writer.text.data(), qsizetype(writer.text.size()));
}

} // namespace vw::app
