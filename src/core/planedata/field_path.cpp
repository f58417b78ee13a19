#include "field_path.h"

#include "plane_json.h"
#include "shown_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <climits>

namespace vw::app::fields {

namespace {

bool isKeyCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_';
}

bool isDigit(QChar c) { return c.unicode() >= '0' && c.unicode() <= '9'; }

[[noreturn]] void fault(const QString &message, qsizetype offset, qsizetype length = 1, const QString &note = {})
{
    throw PathError{message, offset, std::max<qsizetype>(length, 1), note};
}

QString tr(const char *text) { return QCoreApplication::translate("vw::app", text); }

// The keys of an object, for a message naming what it has.
QString memberList(const Node &object)
{
    QStringList keys;
    for (const Node &m : object.members)
        keys << QLatin1String(m.key);
    return keys.join(QStringLiteral(", "));
}

// An index of the window's numbering: digits only.
int readNumber(const QString &text, qsizetype *pos)
{
    const qsizetype start = *pos;
    qint64 n = 0;
    while (*pos < text.size() && isDigit(text[*pos])) {
        n = std::min<qint64>(n * 10 + (text[*pos].unicode() - '0'), INT_MAX);
        ++*pos;
    }
    if (*pos == start)
        fault(tr("an index is a number, a range such as 1..20, or *"), start);
    return int(n);
}

// The name a list is given in messages: its key, or its parent's key with the index before it.
QString listName(const QString &text, const Step &step)
{
    return step.list->key ? QLatin1String(step.list->key) : text.left(step.offset);
}

void checkIndex(const QString &text, const Step &step, int number, qsizetype offset, qsizetype length)
{
    const Node &list = *step.list;
    if (list.planes) {
        if (number < 1)
            fault(tr("plane %1 does not exist: planes are numbered from 1").arg(number), offset, length);
        return;
    }
    const int last = list.first + list.count - 1;
    if (number < list.first || number > last)
        fault(tr("index %1 is outside %2..%3 of '%4'").arg(number).arg(list.first).arg(last).arg(listName(text, step)),
              offset, length);
}

void parseIndex(const QString &text, qsizetype *pos, Step &step)
{
    const qsizetype open = *pos;
    ++*pos; // '['
    const Node &list = *step.list;
    if (*pos < text.size() && text[*pos] == QLatin1Char('*')) {
        ++*pos;
        step.wildcard = true;
        step.from = list.planes ? 1 : list.first;
        step.to = list.planes ? INT_MAX : list.first + list.count - 1;
    } else {
        const qsizetype start = *pos;
        step.from = readNumber(text, pos);
        checkIndex(text, step, step.from, start, *pos - start);
        step.to = step.from;
        if (QStringView(text).mid(*pos, 2) == QLatin1String("..")) {
            *pos += 2;
            const qsizetype second = *pos;
            step.to = readNumber(text, pos);
            checkIndex(text, step, step.to, second, *pos - second);
            if (step.to < step.from)
                fault(tr("the range %1..%2 is empty: its first index must not be above its last").arg(step.from).arg(step.to),
                      start, *pos - start);
            step.wildcard = true;
        }
    }
    if (*pos >= text.size() || text[*pos] != QLatin1Char(']'))
        fault(tr("']' expected after the index that starts at column %1").arg(open + 2), *pos);
    ++*pos;
}

} // namespace

bool FieldPath::isPattern() const
{
    return std::any_of(steps.begin(), steps.end(), [](const Step &s) { return s.wildcard; });
}

FieldPath parsePath(const QString &text, qsizetype *pos)
{
    FieldPath path;
    path.steps.reserve(8);
    const qsizetype begin = *pos;
    const Node *node = &document();
    // The node reached, for messages: the text that named it. Messages are
    // made only for a fault; a path read without one costs no texts.
    qsizetype nameFrom = -1, nameTo = -1;
    const auto name = [&] { return nameFrom < 0 ? QString() : QLatin1Char('\'') + text.mid(nameFrom, nameTo - nameFrom) + QLatin1Char('\''); };
    for (;;) {
        if (node->shape == Node::Object) {
            const qsizetype start = *pos;
            while (*pos < text.size() && isKeyCharacter(text[*pos]))
                ++*pos;
            const QStringView key = QStringView(text).mid(start, *pos - start);
            const auto members = [&] {
                return node == &document() ? tr("a path starts with %1").arg(memberList(*node))
                                           : tr("%1 has %2").arg(name(), memberList(*node));
            };
            if (key.isEmpty())
                fault(node == &document() ? tr("a field's path expected, such as planes[7].header.name")
                                          : tr("a field of %1 expected").arg(name()),
                      start, 1, members());
            const Node *member = nullptr;
            for (const Node &m : node->members)
                if (key == QLatin1StringView(m.key)) {
                    member = &m;
                    break;
                }
            if (!member)
                fault(tr("unknown field '%1'").arg(key), start, key.size(), members());
            path.steps.push_back({member, nullptr, 0, 0, false, start});
            node = member;
            nameFrom = start;
            nameTo = *pos;
        } else if (node->shape == Node::List) {
            Step step;
            step.list = node;
            step.node = &node->element();
            step.offset = *pos;
            if (*pos >= text.size() || text[*pos] != QLatin1Char('['))
                fault(tr("%1 is a list: give an index, such as [%2] or [*]").arg(name()).arg(node->planes ? 1 : node->first),
                      *pos);
            parseIndex(text, pos, step);
            path.steps.push_back(step);
            node = step.node;
            nameFrom = begin;
            nameTo = *pos;
        }
        const bool more = *pos < text.size() && (text[*pos] == QLatin1Char('.') || text[*pos] == QLatin1Char('['));
        if (node->shape == Node::Leaf) {
            if (more)
                fault(tr("%1 is a field: it has no members or entries").arg(name()), *pos);
            break;
        }
        if (node->shape == Node::Object) {
            if (*pos >= text.size() || text[*pos] != QLatin1Char('.'))
                fault(tr("%1 is a part, not a field: name one of its fields").arg(name()), *pos, 1,
                      tr("%1 has %2").arg(name(), memberList(*node)));
            ++*pos;
        }
    }
    path.text = text.mid(begin, *pos - begin);
    return path;
}

FieldPath parsePath(const QString &text)
{
    qsizetype pos = 0;
    FieldPath path = parsePath(text, &pos);
    if (pos < text.size())
        fault(tr("unexpected '%1' after the path").arg(text.mid(pos)), pos, text.size() - pos);
    return path;
}

namespace {

class Matcher {
public:
    Matcher(const datafile::DataFile &file, const FieldPath &path, const Bindings *fixed,
            const std::function<bool(const Match &)> &each)
        : file_(file), path_(path), fixed_(fixed), each_(each)
    {
        match_.at.file = &file;
        match_.leaf = path.leaf();
    }

    void run() { arrive(0, document()); }

private:
    // At `node`, with steps[i] next.
    bool arrive(std::size_t i, const Node &node)
    {
        At &at = match_.at;
        if (node.shape != Node::Leaf && node.exists && !node.exists(at))
            return true;
        if (i == path_.steps.size())
            return node.shape != Node::Leaf || each_(match_);
        const Step &s = path_.steps[i];
        if (!s.list)
            return arrive(i + 1, *s.node);
        const Node &list = *s.list;
        const int n = list.planes ? file_.PlaneCount() : list.present ? list.present(at) : list.count;
        const int base = list.planes ? 1 : list.first;
        int lo = std::max(s.from, base), hi = int(std::min<qint64>(s.to, qint64(base) + n - 1));
        if (s.wildcard && fixed_)
            if (const std::optional<int> bound = fixed_->of(&list)) {
                lo = std::max(lo, *bound);
                hi = std::min(hi, *bound);
            }
        const int k = indexSteps_++;
        const int bindingAt = match_.bindings.count;
        if (s.wildcard)
            ++match_.bindings.count;
        bool go = true;
        for (int number = lo; number <= hi && go; ++number) {
            match_.numbers[std::size_t(k)] = number;
            if (s.wildcard)
                match_.bindings.items[std::size_t(bindingAt)] = {&list, number};
            if (list.planes) {
                at.plane = number;
                go = arrive(i + 1, *s.node);
            } else {
                const std::size_t level = std::size_t(at.depth++);
                at.index[level] = number - base;
                go = arrive(i + 1, *s.node);
                at.index[level] = 0;
                --at.depth;
            }
        }
        if (list.planes)
            at.plane = 0;
        match_.bindings.count = bindingAt;
        --indexSteps_;
        return go;
    }

    const datafile::DataFile &file_;
    const FieldPath &path_;
    const Bindings *fixed_;
    const std::function<bool(const Match &)> &each_;
    Match match_;
    int indexSteps_ = 0;
};

} // namespace

void forEachMatch(const datafile::DataFile &file, const FieldPath &path, const Bindings *fixed,
                  const std::function<bool(const Match &)> &each)
{
    if (!path.leaf() || path.leaf()->shape != Node::Leaf)
        return;
    Matcher(file, path, fixed, each).run();
}

QList<Field> enumerate(const datafile::DataFile &file, const FieldPath &path)
{
    QList<Field> out;
    forEachMatch(file, path, nullptr, [&](const Match &m) {
        out.append({m, pathText(path, m)});
        return true;
    });
    return out;
}

std::optional<Match> resolve(const datafile::DataFile &file, const FieldPath &path)
{
    std::optional<Match> found;
    forEachMatch(file, path, nullptr, [&](const Match &m) {
        found = m;
        return false;
    });
    return found;
}

QString pathText(const FieldPath &path, const Match &match)
{
    QString text;
    text.reserve(path.text.size() + 8);
    std::size_t k = 0;
    for (const Step &s : path.steps) {
        if (s.list) {
            text += QLatin1Char('[');
            text += QString::number(match.numbers[k++]);
            text += QLatin1Char(']');
        } else {
            if (!text.isEmpty())
                text += QLatin1Char('.');
            text += QLatin1String(s.node->key);
        }
    }
    return text;
}

QString fieldLabel(const FieldPath &path, const Match &match)
{
    const Node *leaf = path.leaf();
    if (leaf && leaf->label)
        return labelText(*leaf);
    // The entry the field is: the last index step.
    int k = -1;
    const Step *last = nullptr;
    for (const Step &s : path.steps)
        if (s.list) {
            ++k;
            last = &s;
        }
    if (!last)
        return QString();
    const int number = match.numbers[std::size_t(k)];
    if (last->list->entryLabels)
        return labelText(*last->list, number - last->list->first);
    return labelText(*last->list) + QLatin1Char(' ') + QString::number(number);
}

Value read(const Match &match) { return match.leaf->read(match.at); }

Value withinRange(const Node &leaf, const Value &value, bool *clamped)
{
    Value v = value;
    bool changed = false;
    if (leaf.kind == Kind::Integer) {
        v.integer = std::clamp(value.integer, leaf.min, leaf.max);
        changed = v.integer != value.integer;
    } else if (leaf.kind == Kind::Text && v.text.size() > leaf.width) {
        v.text.truncate(leaf.width);
        changed = true;
    }
    if (clamped)
        *clamped = changed;
    return v;
}

Written write(datafile::DataFile &file, const Match &match, const Value &value)
{
    Written w;
    const Value v = withinRange(*match.leaf, value, &w.clamped);
    At at = match.at;
    at.file = &file;
    match.leaf->write(file, at, v);
    w.stored = match.leaf->read(at);
    return w;
}

QString valueText(const Node &leaf, const Value &value)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return QString::number(value.integer);
    case Kind::Number: {
        const QJsonValue v = doubleValue(value.number);
        return v.isString() ? v.toString() : QString::fromLatin1(shortestNumber(value.number));
    }
    case Kind::Text:
        return quoted(value.text);
    case Kind::Bytes:
        return QString::fromLatin1(value.bytes.toHex());
    case Kind::Flag:
        return value.flag ? QStringLiteral("true") : QStringLiteral("false");
    }
    return {};
}

} // namespace vw::app::fields
