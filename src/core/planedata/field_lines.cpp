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

// A whole number, or a double in its shortest exact form.
template <class Number>
void appendNumber(std::string &text, Number n)
{
    char digits[32];
    const std::to_chars_result r = std::to_chars(digits, digits + sizeof digits, n);
    text.append(digits, std::size_t(r.ptr - digits));
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
        if (fields::isAlias(node, at))
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



QByteArray fieldLines(const datafile::DataFile &file)
{
    LineWriter writer;
    writer.text.reserve(std::size_t(file.FileSize()) * 4);
    fields::walk(file, {}, writer);
    return QByteArray(writer.text.data(), qsizetype(writer.text.size()));
}

} // namespace vw::app
