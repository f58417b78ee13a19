#include "patch_tree.h"

#include "core/planedata/patch_scan.h"

#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string_view>

namespace vw::app {

namespace {

// Deeper than any export, and well within what Qt's parser takes.
constexpr int DepthLimit = 512;
// An object's keys are compared one by one up to this many, then sorted.
constexpr std::uint32_t KeysComparedInPairs = 16;

bool continuation(unsigned char c) { return (c & 0xc0) == 0x80; }

// The length of the valid UTF-8 sequence at p (no overlong forms, no
// surrogates, nothing above U+10FFFF), or 0.
int sequenceLength(const unsigned char *p, const unsigned char *end)
{
    const unsigned char c = p[0];
    const std::ptrdiff_t left = end - p;
    if (c >= 0xc2 && c <= 0xdf)
        return left >= 2 && continuation(p[1]) ? 2 : 0;
    if (c >= 0xe0 && c <= 0xef) {
        if (left < 3 || !continuation(p[1]) || !continuation(p[2]))
            return 0;
        if ((c == 0xe0 && p[1] < 0xa0) || (c == 0xed && p[1] > 0x9f))
            return 0;
        return 3;
    }
    if (c >= 0xf0 && c <= 0xf4) {
        if (left < 4 || !continuation(p[1]) || !continuation(p[2]) || !continuation(p[3]))
            return 0;
        if ((c == 0xf0 && p[1] < 0x90) || (c == 0xf4 && p[1] > 0x8f))
            return 0;
        return 4;
    }
    return 0;
}

void appendUtf8(QByteArray &out, char32_t u)
{
    if (u < 0x80) {
        out.append(char(u));
    } else if (u < 0x800) {
        out.append(char(0xc0 | (u >> 6)));
        out.append(char(0x80 | (u & 0x3f)));
    } else {
        out.append(char(0xe0 | (u >> 12)));
        out.append(char(0x80 | ((u >> 6) & 0x3f)));
        out.append(char(0x80 | (u & 0x3f)));
    }
}

} // namespace

int patch_tree::hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

class PatchTree::Reader {
public:
    Reader(PatchTree &tree) : tree_(tree), begin_(tree.text_.constData()), p_(begin_), end_(begin_ + tree.text_.size()) {}

    bool run()
    {
        space();
        if (p_ == end_ || (*p_ != '{' && *p_ != '['))
            return false;
        if (!value(0))
            return false;
        space();
        return p_ == end_;
    }

private:
    PatchTree &tree_;
    const char *const begin_;
    const char *p_;
    const char *const end_;
    std::vector<std::uint32_t> pending_; // the children of the containers being read

    void space()
    {
        while (p_ != end_ && (*p_ == ' ' || *p_ == '\n' || *p_ == '\r' || *p_ == '\t'))
            ++p_;
    }

    std::uint32_t add(Type type)
    {
        tree_.items_.push_back(Item{type, false, false, 0, 0, 0});
        return std::uint32_t(tree_.items_.size() - 1);
    }

    bool literal(const char *word, Type type)
    {
        const std::size_t n = std::strlen(word);
        if (std::size_t(end_ - p_) < n || std::memcmp(p_, word, n) != 0)
            return false;
        p_ += n;
        pending_.push_back(add(type));
        return true;
    }

    bool value(int depth)
    {
        if (p_ == end_)
            return false;
        switch (*p_) {
        case '{':
        case '[':
            return container(depth + 1);
        case '"':
            return text();
        case 't':
            return literal("true", Type::True);
        case 'f':
            return literal("false", Type::False);
        case 'n':
            return literal("null", Type::Null);
        default:
            return number();
        }
    }

    bool container(int depth)
    {
        if (depth > DepthLimit)
            return false;
        const bool object = *p_++ == '{';
        const std::uint32_t item = add(object ? Type::Object : Type::Array);
        const std::size_t mark = pending_.size();
        space();
        const char close = object ? '}' : ']';
        if (p_ != end_ && *p_ == close) {
            ++p_;
        } else {
            for (;;) {
                space();
                if (object) {
                    if (p_ == end_ || *p_ != '"' || !text())
                        return false;
                    space();
                    if (p_ == end_ || *p_++ != ':')
                        return false;
                    space();
                }
                if (!value(depth))
                    return false;
                space();
                if (p_ == end_)
                    return false;
                const char c = *p_++;
                if (c == close)
                    break;
                if (c != ',')
                    return false;
            }
        }
        Item &it = tree_.items_[item];
        it.first = std::uint32_t(tree_.children_.size());
        const std::size_t n = pending_.size() - mark;
        it.size = std::uint32_t(object ? n / 2 : n);
        tree_.children_.insert(tree_.children_.end(), pending_.begin() + std::ptrdiff_t(mark), pending_.end());
        pending_.resize(mark);
        if (object && !uniqueKeys(tree_.items_[item]))
            return false;
        pending_.push_back(item);
        return true;
    }

    bool uniqueKeys(const Item &object) const
    {
        const PatchValue o(&tree_, std::uint32_t(&object - tree_.items_.data()));
        const std::uint32_t n = object.size;
        if (n <= KeysComparedInPairs) {
            for (std::uint32_t i = 1; i < n; ++i)
                for (std::uint32_t j = 0; j < i; ++j)
                    if (o.keyAt(i) == o.keyAt(j))
                        return false;
            return true;
        }
        std::vector<std::string_view> keys;
        keys.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            const QByteArrayView k = o.keyAt(i);
            keys.emplace_back(k.data(), std::size_t(k.size()));
        }
        std::sort(keys.begin(), keys.end());
        return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
    }

    bool text()
    {
        const char *start = ++p_;
        bool escaped = false;
        while (p_ != end_ && *p_ != '"') {
            const auto c = static_cast<unsigned char>(*p_);
            if (c < 0x20)
                return false;
            if (c == '\\') {
                escaped = true;
                if (end_ - p_ < 2)
                    return false;
                p_ += 2;
            } else if (c < 0x80) {
                ++p_;
            } else {
                const int n = sequenceLength(reinterpret_cast<const unsigned char *>(p_),
                                             reinterpret_cast<const unsigned char *>(end_));
                if (n == 0)
                    return false;
                p_ += n;
            }
        }
        if (p_ == end_ || p_ - start > LongestPatchText)
            return false;
        const std::uint32_t item = add(Type::String);
        Item &it = tree_.items_[item];
        if (!escaped) {
            it.first = std::uint32_t(start - begin_);
            it.size = std::uint32_t(p_ - start);
        } else {
            it.owned = true;
            it.first = std::uint32_t(tree_.pool_.size());
            if (!unescape(start, p_))
                return false;
            tree_.items_[item].size = std::uint32_t(tree_.pool_.size()) - tree_.items_[item].first;
        }
        ++p_;
        pending_.push_back(item);
        return true;
    }

    bool unescape(const char *s, const char *end)
    {
        QByteArray &out = tree_.pool_;
        while (s != end) {
            if (*s != '\\') {
                out.append(*s++);
                continue;
            }
            const char e = s[1];
            s += 2;
            switch (e) {
            case '"': out.append('"'); break;
            case '\\': out.append('\\'); break;
            case '/': out.append('/'); break;
            case 'b': out.append('\b'); break;
            case 'f': out.append('\f'); break;
            case 'n': out.append('\n'); break;
            case 'r': out.append('\r'); break;
            case 't': out.append('\t'); break;
            case 'u': {
                if (end - s < 4)
                    return false;
                char32_t u = 0;
                for (int i = 0; i < 4; ++i) {
                    const int d = patch_tree::hexDigit(s[i]);
                    if (d < 0)
                        return false;
                    u = u * 16 + char32_t(d);
                }
                if (u >= 0xd800 && u <= 0xdfff)
                    return false; // pairs and lone halves are left to Qt's parser
                appendUtf8(out, u);
                s += 4;
                break;
            }
            default:
                return false;
            }
        }
        return true;
    }

    static bool digit(char c) { return c >= '0' && c <= '9'; }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?, read exactly; a number
    // that overflows or underflows is left to Qt's parser.
    bool number()
    {
        const char *start = p_;
        bool nonZero = false;
        if (p_ != end_ && *p_ == '-')
            ++p_;
        if (p_ == end_ || !digit(*p_))
            return false;
        if (*p_ == '0') {
            ++p_;
        } else {
            while (p_ != end_ && digit(*p_))
                nonZero = true, ++p_;
        }
        if (p_ != end_ && *p_ == '.') {
            ++p_;
            if (p_ == end_ || !digit(*p_))
                return false;
            while (p_ != end_ && digit(*p_))
                nonZero = nonZero || *p_ != '0', ++p_;
        }
        if (p_ != end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ != end_ && (*p_ == '+' || *p_ == '-'))
                ++p_;
            if (p_ == end_ || !digit(*p_))
                return false;
            while (p_ != end_ && digit(*p_))
                ++p_;
        }
        double d = 0;
        const auto [ptr, ec] = std::from_chars(start, p_, d);
        if (ec != std::errc() || ptr != p_ || !std::isfinite(d))
            return false;
        if ((d == 0 && nonZero) || (d != 0 && std::fabs(d) < DBL_MIN))
            return false;
        const std::uint32_t item = add(Type::Number);
        Item &it = tree_.items_[item];
        it.number = d == 0 ? 0.0 : d;
        it.negativeZero = d == 0 && *start == '-';
        pending_.push_back(item);
        return true;
    }
};

bool PatchTree::read(const QByteArray &text)
{
    text_ = text;
    pool_.clear();
    items_.clear();
    children_.clear();
    if (text.size() >= qsizetype(UINT32_MAX / 2))
        return false;
    items_.reserve(std::size_t(text.size() / 12));
    children_.reserve(std::size_t(text.size() / 12));
    Reader reader(*this);
    if (reader.run())
        return true;
    items_.clear();
    children_.clear();
    return false;
}

void PatchTree::fromDocument(const QJsonValue &root, const QSet<QString> &negativeZeros)
{
    text_.clear();
    pool_.clear();
    items_.clear();
    children_.clear();
    fromValue(root, QString(), negativeZeros);
}

std::uint32_t PatchTree::addText(const QString &text)
{
    const QByteArray utf8 = text.toUtf8();
    Item it{Type::String, false, true, std::uint32_t(pool_.size()), std::uint32_t(utf8.size()), 0};
    pool_ += utf8;
    items_.push_back(it);
    return std::uint32_t(items_.size() - 1);
}

void PatchTree::fromValue(const QJsonValue &value, const QString &place, const QSet<QString> &negativeZeros)
{
    const std::uint32_t item = std::uint32_t(items_.size());
    switch (value.type()) {
    case QJsonValue::Bool:
        items_.push_back(Item{value.toBool() ? Type::True : Type::False, false, false, 0, 0, 0});
        return;
    case QJsonValue::Double:
        items_.push_back(Item{Type::Number, value.toDouble() == 0 && negativeZeros.contains(place), false, 0, 0,
                              value.toDouble()});
        return;
    case QJsonValue::String:
        addText(value.toString());
        return;
    case QJsonValue::Array: {
        items_.push_back(Item{Type::Array, false, false, 0, 0, 0});
        const QJsonArray list = value.toArray();
        std::vector<std::uint32_t> children;
        for (qsizetype i = 0; i < list.size(); ++i) {
            children.push_back(std::uint32_t(items_.size()));
            fromValue(list.at(i), place + QStringLiteral("[%1]").arg(i), negativeZeros);
        }
        items_[item].first = std::uint32_t(children_.size());
        items_[item].size = std::uint32_t(children.size());
        children_.insert(children_.end(), children.begin(), children.end());
        return;
    }
    case QJsonValue::Object: {
        items_.push_back(Item{Type::Object, false, false, 0, 0, 0});
        const QJsonObject o = value.toObject();
        std::vector<std::uint32_t> children;
        for (auto it = o.begin(); it != o.end(); ++it) {
            children.push_back(addText(it.key()));
            children.push_back(std::uint32_t(items_.size()));
            const QString key = placeKey(it.key());
            fromValue(it.value(), place.isEmpty() ? key : place + QLatin1Char('.') + key, negativeZeros);
        }
        items_[item].first = std::uint32_t(children_.size());
        items_[item].size = std::uint32_t(children.size() / 2);
        children_.insert(children_.end(), children.begin(), children.end());
        return;
    }
    default:
        items_.push_back(Item{});
        return;
    }
}

PatchValue PatchValue::value(QLatin1StringView key) const
{
    if (!isObject())
        return {};
    const QByteArrayView wanted(key.data(), key.size());
    for (qsizetype i = 0; i < qsizetype(item().size); ++i)
        if (keyAt(i) == wanted)
            return valueAt(i);
    return {};
}

} // namespace vw::app
