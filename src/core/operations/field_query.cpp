#include "field_query.h"

#include "core/datafile/number_text.h"
#include "core/planedata/plane_json.h"
#include "core/planedata/shown_text.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <set>
#include <tuple>

namespace vw::app {

using fields::FieldPath;
using fields::Kind;
using fields::Match;
using fields::Node;
using fields::Value;

namespace {

QString tr(const char *text) { return QCoreApplication::translate("vw::app", text); }

[[noreturn]] void fault(const QString &text, qsizetype offset, qsizetype length, const QString &message,
                        const QString &note = {})
{
    throw ExpressionError{text, offset, std::max<qsizetype>(length, 1), message, note};
}

void skipSpaces(const QString &text, qsizetype *pos)
{
    while (*pos < text.size() && text[*pos].isSpace())
        ++*pos;
}

FieldPath readPath(const QString &text, qsizetype *pos)
{
    try {
        return fields::parsePath(text, pos);
    } catch (const fields::PathError &e) {
        fault(text, e.offset, e.length, e.message, e.note);
    }
}

bool isNumeric(const Node &leaf) { return leaf.kind == Kind::Integer || leaf.kind == Kind::Number || leaf.kind == Kind::Flag; }

double numeric(const Node &leaf, const Value &v)
{
    switch (leaf.kind) {
    case Kind::Integer:
        return double(v.integer);
    case Kind::Number:
        return v.number;
    case Kind::Flag:
        return v.flag ? 1 : 0;
    case Kind::Text:
    case Kind::Bytes:
        break;
    }
    return 0;
}

// A field's value as a text compares: the text itself, bytes as hex digits, numbers as listed.
QString comparedText(const Node &leaf, const Value &v)
{
    if (leaf.kind == Kind::Text)
        return v.text;
    if (leaf.kind == Kind::Bytes)
        return QString::fromLatin1(v.bytes.toHex());
    return fields::valueText(leaf, v);
}

// The key of a field's name, to tell it whatever its value.
QString fieldName(const FieldPath &path) { return QLatin1Char('\'') + path.text + QLatin1Char('\''); }

// A number or a quoted text at *pos; a field's pattern too where `source` is given.
Literal readLiteral(const QString &text, qsizetype *pos, std::optional<FieldPath> *source)
{
    Literal literal;
    const qsizetype start = *pos;
    if (start >= text.size())
        fault(text, start, 1,
              source ? tr("a value expected: a number, a text in double quotes or a field's pattern")
                     : tr("a value expected: a number or a text in double quotes"));
    const QChar first = text[start];
    if (first == QLatin1Char('"')) {
        literal.isText = true;
        ++*pos;
        for (;;) {
            if (*pos >= text.size())
                fault(text, start, 1, tr("the text that starts here has no closing \""));
            const QChar c = text[*pos];
            if (c == QLatin1Char('"')) {
                ++*pos;
                break;
            }
            if (c == QLatin1Char('\\')) {
                if (*pos + 1 < text.size() && (text[*pos + 1] == QLatin1Char('"') || text[*pos + 1] == QLatin1Char('\\'))) {
                    literal.text += text[*pos + 1];
                    *pos += 2;
                    continue;
                }
                fault(text, *pos, 2, tr("a backslash in a text is \\\" or \\\\"));
            }
            literal.text += c;
            ++*pos;
        }
        return literal;
    }
    if (first.isLetter()) {
        if (!source)
            fault(text, start, 1, tr("a value is a number or a text in double quotes"));
        *source = readPath(text, pos);
        return literal;
    }
    while (*pos < text.size() && !text[*pos].isSpace())
        ++*pos;
    const QString word = text.mid(start, *pos - start);
    if (!datafile::isCompleteNumber(word))
        fault(text, start, word.size(), tr("'%1' is not a number").arg(word));
    literal.number = datafile::readNumber(word);
    return literal;
}

void expectEnd(const QString &text, qsizetype pos)
{
    skipSpaces(text, &pos);
    if (pos < text.size())
        fault(text, pos, text.size() - pos, tr("unexpected '%1' after the value").arg(text.mid(pos)));
}

// The first of `ops` that the text has at *pos, moving past it; -1 for none.
int readOperator(const QString &text, qsizetype *pos, std::initializer_list<const char *> ops)
{
    int i = 0;
    for (const char *op : ops) {
        const QLatin1StringView name(op);
        if (QStringView(text).mid(*pos).startsWith(name)) {
            *pos += name.size();
            return i;
        }
        ++i;
    }
    return -1;
}

// A text the file's text fields can hold: one byte a character, no control characters.
void checkStorableText(const QString &text, qsizetype offset, qsizetype length, const Literal &literal,
                       const Node &leaf)
{
    if (QString::fromLatin1(literal.text.toLatin1()) != literal.text)
        fault(text, offset, length, tr("the text has characters the file cannot hold"));
    if (hasControlCharacter(literal.text))
        fault(text, offset, length, tr("the text has a control character, which the field cannot hold"));
    if (literal.text.size() > leaf.width)
        fault(text, offset, length,
              tr("the text has %1 characters, the field holds %2").arg(literal.text.size()).arg(leaf.width));
}

} // namespace

QString errorReport(const ExpressionError &error)
{
    QString shown = error.text;
    for (QChar &c : shown)
        if (c == QLatin1Char('\t') || c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    return tr("error: %1 at column %2").arg(error.message).arg(error.offset + 1) + QLatin1String("\n  ") + shown
           + QLatin1String("\n  ") + QString(error.offset, QLatin1Char(' ')) + QLatin1Char('^')
           + QString(std::max<qsizetype>(0, std::min(error.length, shown.size() - error.offset) - 1), QLatin1Char('~'))
           + (error.note.isEmpty() ? QString() : QLatin1String("\n  ") + tr("note: %1").arg(error.note));
}

bool Condition::holds(const Value &v) const
{
    const Node &leaf = *path.leaf();
    if (op == Contains)
        return comparedText(leaf, v).contains(value.text, Qt::CaseInsensitive);
    if (value.isText) {
        const QString own = comparedText(leaf, v);
        const QString other = leaf.kind == Kind::Bytes ? value.text.toLower() : value.text;
        return op == Equal ? own == other : own != other;
    }
    const double x = numeric(leaf, v), y = value.number;
    switch (op) {
    case Equal:
        return x == y;
    case NotEqual:
        return x != y;
    case Less:
        return x < y;
    case LessOrEqual:
        return x <= y;
    case Greater:
        return x > y;
    case GreaterOrEqual:
        return x >= y;
    case Contains:
        break;
    }
    return false;
}

Condition parseCondition(const QString &text)
{
    Condition c;
    c.text = text;
    qsizetype pos = 0;
    skipSpaces(text, &pos);
    c.path = readPath(text, &pos);
    skipSpaces(text, &pos);
    const qsizetype opAt = pos;
    const int op = readOperator(text, &pos, {"==", "!=", "<=", ">=", "<", ">", "~"});
    if (op < 0) {
        if (readOperator(text, &pos, {"="}) == 0)
            fault(text, opAt, 1, tr("'=' assigns; a condition compares with =="));
        fault(text, opAt, 1, tr("an operator expected: ==, !=, <, <=, >, >= or ~"));
    }
    static constexpr Condition::Op Ops[] = {Condition::Equal,   Condition::NotEqual, Condition::LessOrEqual, Condition::GreaterOrEqual,
                                            Condition::Less,    Condition::Greater,  Condition::Contains};
    c.op = Ops[op];
    skipSpaces(text, &pos);
    const qsizetype valueAt = pos;
    c.value = readLiteral(text, &pos, nullptr);
    expectEnd(text, pos);
    const Node &leaf = *c.path.leaf();
    const qsizetype valueLength = pos - valueAt;
    if (c.op == Condition::Contains) {
        if (!c.value.isText)
            fault(text, valueAt, valueLength, tr("~ looks for a text: give it in double quotes"));
    } else if (isNumeric(leaf) && c.value.isText) {
        fault(text, valueAt, valueLength, tr("%1 holds numbers: compare it with a number").arg(fieldName(c.path)));
    } else if (!isNumeric(leaf)) {
        if (!c.value.isText)
            fault(text, valueAt, valueLength, tr("%1 holds a text: compare it with a text in double quotes").arg(fieldName(c.path)));
        if (c.op != Condition::Equal && c.op != Condition::NotEqual)
            fault(text, opAt, pos - opAt, tr("a text compares with ==, != or ~"));
    }
    return c;
}

Assignment parseAssignment(const QString &text)
{
    Assignment a;
    a.text = text;
    qsizetype pos = 0;
    skipSpaces(text, &pos);
    a.path = readPath(text, &pos);
    const Node &leaf = *a.path.leaf();
    if (!leaf.write)
        fault(text, 0, a.path.text.size(), tr("%1 describes the file and cannot be changed").arg(fieldName(a.path)));
    skipSpaces(text, &pos);
    const qsizetype opAt = pos;
    const int op = readOperator(text, &pos, {"==", "+=", "-=", "*=", "/=", "min=", "max=", "="});
    if (op == 0)
        fault(text, opAt, 2, tr("'==' compares; an assignment is =, +=, -=, *=, /=, min= or max="));
    if (op < 0)
        fault(text, opAt, 1, tr("an assignment expected: =, +=, -=, *=, /=, min= or max="));
    static constexpr Assignment::Op Ops[] = {Assignment::Set,     Assignment::Add,     Assignment::Subtract,
                                             Assignment::Multiply, Assignment::Divide, Assignment::AtLeast,
                                             Assignment::AtMost,  Assignment::Set};
    a.op = Ops[op];
    const qsizetype opLength = pos - opAt;
    skipSpaces(text, &pos);
    const qsizetype valueAt = pos;
    a.value = readLiteral(text, &pos, &a.source);
    expectEnd(text, pos);
    const qsizetype valueLength = pos - valueAt;
    if (!isNumeric(leaf) && a.op != Assignment::Set)
        fault(text, opAt, opLength, tr("%1 holds a text: it takes only =").arg(fieldName(a.path)));
    if (a.source) {
        const Node &from = *a.source->leaf();
        const bool fits = isNumeric(leaf) ? isNumeric(from)
                                          : from.kind == leaf.kind && (leaf.kind == Kind::Text || from.width == leaf.width);
        if (!fits)
            fault(text, valueAt, valueLength,
                  tr("%1 cannot take the value of %2: they hold different kinds of values").arg(fieldName(a.path), fieldName(*a.source)));
        // Every wildcard of the value stands for an index of the assigned field.
        for (const fields::Step &s : a.source->steps) {
            if (!s.wildcard)
                continue;
            const bool shared = std::any_of(a.path.steps.begin(), a.path.steps.end(),
                                            [&](const fields::Step &t) { return t.wildcard && t.list == s.list; });
            if (!shared)
                fault(text, s.offset + 1, 1,
                      tr("this wildcard stands for no wildcard of %1: the value would not be one field").arg(fieldName(a.path)));
        }
    } else if (isNumeric(leaf)) {
        if (a.value.isText)
            fault(text, valueAt, valueLength, tr("%1 holds numbers: give it a number").arg(fieldName(a.path)));
        if (a.op == Assignment::Divide && a.value.number == 0)
            fault(text, valueAt, valueLength, tr("division by zero"));
    } else if (!a.value.isText) {
        fault(text, valueAt, valueLength, tr("%1 holds a text: give it a text in double quotes").arg(fieldName(a.path)));
    } else if (leaf.kind == Kind::Text) {
        checkStorableText(text, valueAt, valueLength, a.value, leaf);
    } else {
        const QByteArray digits = a.value.text.toLatin1();
        const bool hex = digits.size() == 2 * leaf.width
                         && std::all_of(digits.begin(), digits.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)); });
        if (!hex)
            fault(text, valueAt, valueLength, tr("%1 holds %2 bytes: give them as %3 hex digits").arg(fieldName(a.path)).arg(leaf.width).arg(2 * leaf.width));
    }
    return a;
}

namespace {

// Whether the condition holds for some field its pattern matches at the bindings.
bool holdsAt(const datafile::DataFile &file, const Condition &c, const fields::Bindings &bindings)
{
    bool found = false;
    fields::forEachMatch(file, c.path, &bindings, [&](const Match &m) {
        found = c.holds(fields::read(m));
        return !found;
    });
    return found;
}

bool allHold(const datafile::DataFile &file, const QList<Condition> &conditions, qsizetype from, const fields::Bindings &bindings)
{
    for (qsizetype i = from; i < conditions.size(); ++i)
        if (!holdsAt(file, conditions[i], bindings))
            return false;
    return true;
}

// The value an assignment gives one field: what it asks for and what the field stores by the range rule.
struct Result {
    bool skip = false;
    Value value;
    bool clamped = false;
    QString asked;
};

Result compute(const Assignment &a, const Node &leaf, const Value &current, const std::optional<Value> &source)
{
    Result r;
    if (!isNumeric(leaf)) {
        r.value = source ? *source : Value{};
        if (!source && leaf.kind == Kind::Text)
            r.value.text = a.value.text;
        if (!source && leaf.kind == Kind::Bytes)
            r.value.bytes = QByteArray::fromHex(a.value.text.toLatin1());
        const Value kept = fields::withinRange(leaf, r.value, &r.clamped);
        if (r.clamped)
            r.asked = fields::valueText(leaf, r.value);
        r.value = kept;
        return r;
    }
    const Node *from = a.source ? a.source->leaf() : nullptr;
    const double operand = source ? numeric(*from, *source) : a.value.number;
    const double x = numeric(leaf, current);
    double y = operand;
    switch (a.op) {
    case Assignment::Set:
        break;
    case Assignment::Add:
        y = x + operand;
        break;
    case Assignment::Subtract:
        y = x - operand;
        break;
    case Assignment::Multiply:
        y = x * operand;
        break;
    case Assignment::Divide:
        y = x / operand;
        break;
    case Assignment::AtLeast:
        y = x < operand ? operand : x;
        break;
    case Assignment::AtMost:
        y = x > operand ? operand : x;
        break;
    }
    if (leaf.kind == Kind::Number) {
        // A copied double keeps its bits; a number worked out is stored as the window shows it.
        if (a.op == Assignment::Set && from && from->kind == Kind::Number)
            r.value.number = source->number;
        else
            r.value.number = std::isfinite(y) ? datafile::shownValue(y) : y;
        return r;
    }
    if (std::isnan(y)) {
        r.skip = true; // no whole number to store: the field keeps its value
        return r;
    }
    const double rounded = datafile::roundHalfEven(y);
    const qint64 min = leaf.kind == Kind::Flag ? 0 : leaf.min, max = leaf.kind == Kind::Flag ? 1 : leaf.max;
    qint64 whole = 0;
    if (rounded < double(min) || rounded > double(max)) {
        r.clamped = true;
        if (std::isinf(rounded))
            r.asked = rounded > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
        else
            r.asked = std::fabs(rounded) < 9e15 ? QString::number(qint64(rounded)) : QString::fromLatin1(shortestNumber(rounded));
        whole = rounded < double(min) ? min : max;
    } else {
        whole = qint64(rounded);
    }
    if (leaf.kind == Kind::Flag)
        r.value.flag = whole != 0;
    else
        r.value.integer = whole;
    return r;
}

} // namespace

void findFields(const datafile::DataFile &file, const QList<Condition> &conditions,
                const std::function<void(const Match &, const Value &)> &each)
{
    if (conditions.isEmpty())
        return;
    const Condition &first = conditions.first();
    fields::forEachMatch(file, first.path, nullptr, [&](const Match &m) {
        const Value v = fields::read(m);
        if (first.holds(v) && allHold(file, conditions, 1, m.bindings))
            each(m, v);
        return true;
    });
}

EditOutcome applyEdit(datafile::DataFile &file, const QList<Assignment> &assignments, const QList<Condition> &where)
{
    // The fields of every assignment, chosen on the values before any of them.
    std::vector<std::vector<Match>> targets(std::size_t(assignments.size()));
    for (qsizetype i = 0; i < assignments.size(); ++i)
        fields::forEachMatch(file, assignments[i].path, nullptr, [&](const Match &m) {
            if (allHold(file, where, 0, m.bindings))
                targets[std::size_t(i)].push_back(m);
            return true;
        });
    EditOutcome outcome;
    using Key = std::tuple<const Node *, int, std::array<int, 6>>;
    std::set<Key> changed;
    for (qsizetype i = 0; i < assignments.size(); ++i) {
        const Assignment &a = assignments[i];
        const Node &leaf = *a.path.leaf();
        // Every value of one assignment is worked out before it writes any.
        std::vector<Result> results;
        std::vector<Value> before;
        results.reserve(targets[std::size_t(i)].size());
        before.reserve(targets[std::size_t(i)].size());
        for (const Match &m : targets[std::size_t(i)]) {
            before.push_back(fields::read(m));
            std::optional<Value> source;
            if (a.source) {
                if (const std::optional<Match> s = [&] {
                        std::optional<Match> found;
                        fields::forEachMatch(file, *a.source, &m.bindings, [&](const Match &f) {
                            found = f;
                            return false;
                        });
                        return found;
                    }())
                    source = fields::read(*s);
                else {
                    results.push_back(Result{true, {}, false, {}}); // the value's field is not in the file
                    continue;
                }
            }
            results.push_back(compute(a, leaf, before.back(), source));
        }
        for (std::size_t k = 0; k < results.size(); ++k) {
            const Result &r = results[k];
            if (r.skip)
                continue;
            const Match &m = targets[std::size_t(i)][k];
            const fields::Written w = fields::write(file, m, r.value);
            const bool differs = !fields::sameValue(leaf, before[k], w.stored);
            if (!differs && !r.clamped)
                continue;
            if (differs)
                changed.insert({&leaf, m.at.plane, m.at.index});
            outcome.changes.append({int(i), m, before[k], w.stored, r.clamped, r.asked});
        }
    }
    outcome.changedFields = int(changed.size());
    return outcome;
}

QString changeLine(const Assignment &assignment, const FieldChange &change)
{
    const Node &leaf = *assignment.path.leaf();
    QString line = fields::pathText(assignment.path, change.field) + QLatin1String(": ") + fields::valueText(leaf, change.from)
                   + QLatin1String(" -> ") + fields::valueText(leaf, change.to);
    if (change.clamped)
        line += QLatin1String(" (clamped from ") + change.asked + QLatin1Char(')');
    return line;
}

} // namespace vw::app
