#include "scripting/script_host.h"

#include "core/planedata/field_path.h"
#include "core/datafile/number_text.h"
#include "core/planedata/field_table.h"

#include <QJSEngine>
#include <QJSValueIterator>
#include <QObject>
#include <QRegularExpression>

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <algorithm>
#include <set>
#include <thread>
#include <tuple>

namespace vw::scripting {

using app::fields::Kind;
using app::fields::Node;
using app::fields::Value;

namespace {

// What the script sees as `file`, `print` and the walking objects; the
// native side (`__host`) does the work.
const char *const Prelude = R"JS(
(function (host) {
    // A walking object is a proxy on {path, skel, d}: its path, the path with
    // the indices left out ("planes[].weapons"), and what the tables say of
    // that place, asked once per place of the tables rather than once per step.
    const places = new Map();
    function place(skel, path) {
        let d = places.get(skel);
        if (d === undefined) {
            const [shape, keys, shapes, first, count, planes] = host.describe(path);
            d = { shape, keys, first, count, planes, members: new Map() };
            for (let i = 0; i < keys.length; ++i)
                d.members.set(keys[i], shapes[i]);
            places.set(skel, d);
        }
        return d;
    }
    // The shape of a child, or undefined where the host must judge the key
    // (and throws, naming it).
    function childShape(d, key) {
        if (d.shape !== 'list')
            return d.members.get(key);
        const n = +key;
        return !d.planes && Number.isInteger(n) && n >= d.first && n < d.first + d.count && String(n) === key
            ? d.members.get('') : undefined;
    }
    function childPath(t, key) {
        return t.d.shape === 'list' ? t.path + '[' + key + ']' : (t.path === '' ? key : t.path + '.' + key);
    }
    function childSkel(t, key) {
        return t.d.shape === 'list' ? t.skel + '[]' : (t.skel === '' ? key : t.skel + '.' + key);
    }
    const handler = {
        get(t, key) {
            if (typeof key !== 'string')
                return undefined;
            if (key === 'path')
                return t.path;
            if (key === 'toString' || key === 'valueOf')
                return () => t.path;
            if (key === 'toJSON')
                return undefined;
            const child = childPath(t, key);
            let s = childShape(t.d, key);
            if (s === undefined)
                s = host.shape(child);
            return s === 'leaf' ? host.get(child) : walker(child, childSkel(t, key));
        },
        set(t, key, value) {
            const child = childPath(t, key);
            let s = typeof key === 'string' ? childShape(t.d, key) : undefined;
            if (s === undefined)
                s = host.shape(child);
            if (s !== 'leaf')
                throw new TypeError(child + ' is not a field: name one of its fields');
            host.set(child, value);
            return true;
        },
        has(t, key) {
            return typeof key === 'string' && host.keys(t.path).indexOf(key) >= 0;
        },
        // Object.keys and for...in: a plane's parts, an object's fields, a
        // list's entries. The engine takes the keys' descriptors from the
        // target, so each key listed is made a plain property of it.
        ownKeys(t) {
            const keys = Array.from(host.keys(t.path));
            for (const k of keys)
                if (!Object.prototype.hasOwnProperty.call(t, k))
                    Object.defineProperty(t, k, { value: undefined, writable: true, enumerable: true, configurable: true });
            return keys;
        },
    };
    function walker(path, skel) {
        return new Proxy({ path, skel, d: place(skel, path) }, handler);
    }
    const skeleton = (path) => path.replace(/\[[^\]]*\]/g, '[]');
    const file = Object.freeze({
        get: (path) => host.get(String(path)),
        set: (path, value) => { host.set(String(path), value); },
        label: (path) => host.label(String(path)),
        find: (pattern, predicate) => host.find(String(pattern), predicate),
        plane: (number) => {
            const path = 'planes[' + number + ']';
            host.shape(path);
            return walker(path, 'planes[]');
        },
        at: (path) => {
            path = String(path);
            if (path !== '' && host.shape(path) === 'leaf')
                throw new TypeError(path + ' is a field: file.get reads it');
            return walker(path, skeleton(path));
        },
        get planes() { return host.planes(); },
    });
    return [file, function print(...values) { host.print(values.map(String).join(' ')); }];
})
)JS";

// The native side of a run: reads and writes by canonical path, recording the changes.
class Host : public QObject {
    Q_OBJECT
public:
    Host(datafile::DataFile &file, QJSEngine &engine) : file_(file), engine_(engine) {}

    QStringList output;
    QList<ScriptChange> changes;
    std::set<std::tuple<const Node *, int, std::array<int, 6>>> changed;

    Q_INVOKABLE QJSValue get(const QString &path)
    {
        const std::optional<app::fields::FieldPath> p = parse(path);
        if (!p)
            return QJSValue();
        const std::optional<app::fields::Match> m = app::fields::resolve(file_, *p);
        if (!m)
            return QJSValue(QJSValue::NullValue);
        return toScript(*m->leaf, app::fields::read(*m));
    }

    Q_INVOKABLE void set(const QString &path, const QJSValue &value)
    {
        const std::optional<app::fields::FieldPath> p = parse(path);
        if (!p)
            return;
        const std::optional<app::fields::Match> m = app::fields::resolve(file_, *p);
        if (!m) {
            engine_.throwError(QJSValue::RangeError, QStringLiteral("%1: the file has no such field here").arg(path));
            return;
        }
        const Node &leaf = *m->leaf;
        if (!leaf.write) {
            engine_.throwError(QJSValue::TypeError, QStringLiteral("%1 describes the file and cannot be written").arg(path));
            return;
        }
        Value given;
        QString asked;
        bool clamped = false;
        switch (leaf.kind) {
        case Kind::Integer:
        case Kind::Flag: {
            if (!value.isNumber() && !value.isBool()) {
                engine_.throwError(QJSValue::TypeError, QStringLiteral("%1 takes a number, not %2").arg(path, value.toString()));
                return;
            }
            const double y = value.toNumber();
            if (std::isnan(y)) {
                engine_.throwError(QJSValue::RangeError, QStringLiteral("%1 takes a whole number, not NaN").arg(path));
                return;
            }
            const double rounded = datafile::roundHalfEven(y);
            const qint64 min = leaf.kind == Kind::Flag ? 0 : leaf.min, max = leaf.kind == Kind::Flag ? 1 : leaf.max;
            qint64 whole = 0;
            if (rounded < double(min) || rounded > double(max)) {
                clamped = true;
                asked = std::isinf(rounded) ? QString::fromLatin1(rounded > 0 ? "INF" : "-INF")
                                            : (std::fabs(rounded) < 9e15 ? QString::number(qint64(rounded)) : QString::number(rounded));
                whole = rounded < double(min) ? min : max;
            } else {
                whole = qint64(rounded);
            }
            given.integer = whole;
            given.flag = whole != 0;
            break;
        }
        case Kind::Number: {
            if (!value.isNumber()) {
                engine_.throwError(QJSValue::TypeError, QStringLiteral("%1 takes a number, not %2").arg(path, value.toString()));
                return;
            }
            const double y = value.toNumber();
            given.number = std::isfinite(y) ? datafile::shownValue(y) : y;
            break;
        }
        case Kind::Text:
            given.text = value.toString();
            break;
        case Kind::Bytes:
            given.bytes = QByteArray::fromHex(value.toString().toLatin1());
            break;
        }
        const Value before = app::fields::read(*m);
        bool cut = false;
        const Value kept = app::fields::withinRange(leaf, given, &cut);
        if (cut && !clamped) {
            clamped = true;
            asked = app::fields::valueText(leaf, given);
        }
        const app::fields::Written w = app::fields::write(file_, *m, kept);
        const bool differs = !app::fields::sameValue(leaf, before, w.stored);
        if (!differs && !clamped)
            return;
        if (differs)
            changed.insert({&leaf, m->at.plane, m->at.index});
        changes.append({app::fields::pathText(*p, *m), app::fields::valueText(leaf, before),
                        app::fields::valueText(leaf, w.stored), clamped, asked});
    }

    Q_INVOKABLE QString label(const QString &path)
    {
        const std::optional<app::fields::FieldPath> p = parse(path);
        if (!p)
            return QString();
        if (const std::optional<app::fields::Match> m = app::fields::resolve(file_, *p))
            return app::fields::fieldLabel(*p, *m);
        return p->leaf()->label ? app::fields::labelText(*p->leaf()) : QString();
    }

    Q_INVOKABLE QJSValue find(const QString &pattern, const QJSValue &predicate)
    {
        const std::optional<app::fields::FieldPath> p = parse(pattern);
        if (!p)
            return QJSValue();
        QJSValue found = engine_.newArray();
        quint32 n = 0;
        const bool filter = predicate.isCallable();
        bool failed = false;
        app::fields::forEachMatch(file_, *p, nullptr, [&](const app::fields::Match &m) {
            QJSValue field = engine_.newObject();
            const QJSValue value = toScript(*m.leaf, app::fields::read(m));
            field.setProperty(QStringLiteral("path"), app::fields::pathText(*p, m));
            field.setProperty(QStringLiteral("plane"), m.at.plane > 0 ? QJSValue(m.at.plane) : QJSValue(QJSValue::NullValue));
            field.setProperty(QStringLiteral("label"), app::fields::fieldLabel(*p, m));
            field.setProperty(QStringLiteral("value"), value);
            if (filter) {
                const QJSValue keep = predicate.call({value, field});
                if (keep.isError() || engine_.isInterrupted()) {
                    if (keep.isError())
                        engine_.throwError(keep);
                    failed = true;
                    return false;
                }
                if (!keep.toBool())
                    return true;
            }
            found.setProperty(n++, field);
            return true;
        });
        return failed ? QJSValue() : found;
    }

    Q_INVOKABLE QJSValue planes()
    {
        QJSValue list = engine_.newArray();
        quint32 n = 0;
        const app::fields::FieldPath names = app::fields::parsePath(QStringLiteral("planes[*].header.name"));
        app::fields::forEachMatch(file_, names, nullptr, [&](const app::fields::Match &m) {
            QJSValue plane = engine_.newObject();
            plane.setProperty(QStringLiteral("number"), m.at.plane);
            plane.setProperty(QStringLiteral("name"), app::fields::read(m).text);
            list.setProperty(n++, plane);
            return true;
        });
        return list;
    }

    // What a path that may stop short of a field names: "object", "list" or
    // "leaf"; an unknown key or an index that is not a whole number throws.
    Q_INVOKABLE QString shape(const QString &path)
    {
        const Node *node = walkTo(path);
        if (!node)
            return QString();
        return node->shape == Node::Leaf ? QStringLiteral("leaf") : node->shape == Node::List ? QStringLiteral("list") : QStringLiteral("object");
    }

    // What the walking objects ask once per place of the tables:
    // [shape, member keys, their shapes, first, count, planes]; a list's one
    // element is the member ''.
    Q_INVOKABLE QJSValue describe(const QString &path)
    {
        const Node *node = path.isEmpty() ? &app::fields::document() : walkTo(path);
        if (!node)
            return QJSValue();
        const auto shapeOf = [](const Node &n) {
            return n.shape == Node::Leaf ? QStringLiteral("leaf") : n.shape == Node::List ? QStringLiteral("list") : QStringLiteral("object");
        };
        QJSValue keys = engine_.newArray(), shapes = engine_.newArray();
        if (node->shape == Node::Object) {
            quint32 i = 0;
            for (const Node &member : node->members) {
                keys.setProperty(i, QString::fromLatin1(member.key));
                shapes.setProperty(i++, shapeOf(member));
            }
        } else if (node->shape == Node::List) {
            keys.setProperty(0, QString());
            shapes.setProperty(0, shapeOf(node->element()));
        }
        QJSValue d = engine_.newArray(6);
        d.setProperty(0, shapeOf(*node));
        d.setProperty(1, keys);
        d.setProperty(2, shapes);
        d.setProperty(3, node->first);
        d.setProperty(4, node->count);
        d.setProperty(5, node->planes);
        return d;
    }

    // The member keys of an object, the entries' numbers of a list.
    Q_INVOKABLE QStringList keys(const QString &path)
    {
        const Node *node = path.isEmpty() ? &app::fields::document() : walkTo(path);
        QStringList out;
        if (node && node->shape == Node::Object)
            for (const Node &member : node->members)
                out << QString::fromLatin1(member.key);
        else if (node && node->shape == Node::List)
            for (int i = 0; i < node->count; ++i)
                out << QString::number(node->first + i);
        return out;
    }

    Q_INVOKABLE void print(const QString &line) { output << line; }

private:
    std::optional<app::fields::FieldPath> parse(const QString &path)
    {
        try {
            return app::fields::parsePath(path);
        } catch (const app::fields::PathError &e) {
            QString message = QStringLiteral("%1: %2 at column %3").arg(path, e.message).arg(e.offset + 1);
            if (!e.note.isEmpty())
                message += QStringLiteral(" (%1)").arg(e.note);
            engine_.throwError(QJSValue::SyntaxError, message);
            return std::nullopt;
        }
    }

    const Node *walkTo(const QString &path)
    {
        static const QRegularExpression step(QStringLiteral(R"(\G(?:(^|\.)([A-Za-z_][A-Za-z0-9_]*)|\[(-?[0-9]+)\]))"));
        const Node *node = &app::fields::document();
        qsizetype pos = 0;
        while (pos < path.size()) {
            const QRegularExpressionMatch m = step.match(path, pos);
            if (!m.hasMatch()) {
                engine_.throwError(QJSValue::TypeError, QStringLiteral("%1: no field or entry at column %2").arg(path).arg(pos + 1));
                return nullptr;
            }
            if (m.capturedLength(2) > 0) {
                const Node *member = node->shape == Node::Object ? node->member(QLatin1StringView(m.captured(2).toLatin1())) : nullptr;
                if (!member) {
                    engine_.throwError(QJSValue::TypeError, QStringLiteral("%1: unknown field '%2'").arg(path, m.captured(2)));
                    return nullptr;
                }
                node = member;
            } else {
                const int number = m.captured(3).toInt();
                const int first = node->planes ? 1 : node->first;
                if (node->shape != Node::List || number < first || (!node->planes && number >= first + node->count)
                    || (node->planes && number > 254)) {
                    engine_.throwError(QJSValue::RangeError,
                                       node->shape != Node::List ? QStringLiteral("%1: not a list").arg(path)
                                                                 : QStringLiteral("%1: no entry %2").arg(path).arg(number));
                    return nullptr;
                }
                node = &node->element();
            }
            pos = m.capturedEnd();
        }
        return node;
    }

    static QJSValue toScript(const Node &leaf, const Value &v)
    {
        switch (leaf.kind) {
        case Kind::Integer:
            return QJSValue(double(v.integer));
        case Kind::Number:
            return QJSValue(v.number);
        case Kind::Text:
            return QJSValue(v.text);
        case Kind::Bytes:
            return QJSValue(QString::fromLatin1(v.bytes.toHex()));
        case Kind::Flag:
            return QJSValue(v.flag);
        }
        return QJSValue();
    }

    datafile::DataFile &file_;
    QJSEngine &engine_;
};

// Stops the engine when the time is up, unless the run ends first.
class Watchdog {
public:
    Watchdog(QJSEngine &engine, int timeoutMs)
        : thread_([this, &engine, timeoutMs] {
              std::unique_lock lock(mutex_);
              if (!wake_.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return done_; })) {
                  fired_ = true;
                  engine.setInterrupted(true);
              }
          })
    {
    }
    ~Watchdog() { stop(); }
    // Whether the time ran out.
    bool stop()
    {
        {
            std::lock_guard lock(mutex_);
            done_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
        return fired_;
    }

private:
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    bool fired_ = false;
    std::thread thread_;
};

} // namespace

QString changeLine(const ScriptChange &change)
{
    QString line = change.path + QLatin1String(": ") + change.from + QLatin1String(" -> ") + change.to;
    if (change.clamped)
        line += QLatin1String(" (clamped from ") + change.asked + QLatin1Char(')');
    return line;
}

void ScriptStop::stop()
{
    std::lock_guard lock(mutex_);
    stopped_ = true;
    if (engine_)
        engine_->setInterrupted(true);
}

bool ScriptStop::stopped() const
{
    std::lock_guard lock(mutex_);
    return stopped_;
}

void ScriptStop::attach(QJSEngine *engine)
{
    std::lock_guard lock(mutex_);
    engine_ = engine;
    if (engine_ && stopped_)
        engine_->setInterrupted(true);
}

ScriptOutcome runScript(datafile::DataFile &file, const QString &source, const QString &name, int timeoutMs,
                        ScriptStop *stop)
{
    ScriptOutcome outcome;
    QJSEngine engine;
    Host host(file, engine);
    const QJSValue made = engine.evaluate(QString::fromLatin1(Prelude)).call({engine.newQObject(&host)});
    // The host belongs to this function, not to the engine.
    QJSEngine::setObjectOwnership(&host, QJSEngine::CppOwnership);
    engine.globalObject().setProperty(QStringLiteral("file"), made.property(0));
    engine.globalObject().setProperty(QStringLiteral("print"), made.property(1));

    file.beginRecording();
    QJSValue result;
    QStringList trace; // "function:line:column:file", innermost first
    bool timedOut = false;
    {
        Watchdog watchdog(engine, timeoutMs);
        if (stop)
            stop->attach(&engine);
        result = engine.evaluate(source, name, 1, &trace);
        if (stop)
            stop->attach(nullptr);
        timedOut = watchdog.stop();
    }
    datafile::ChangeSet recorded = file.endRecording();
    outcome.output = host.output;
    if (!timedOut && engine.isInterrupted() && stop && stop->stopped()) {
        outcome.stopped = true;
        outcome.error = QStringLiteral("stopped");
    } else if (timedOut || engine.isInterrupted()) {
        outcome.timedOut = true;
        outcome.error = QStringLiteral("stopped after %1 s").arg(timeoutMs / 1000.0);
    } else if (result.isError() || !trace.isEmpty()) { // a thrown value need not be an Error
        outcome.error = result.toString();
        outcome.line = result.property(QStringLiteral("lineNumber")).toInt();
        // The innermost place in the script itself: an error the host throws
        // is raised inside the prelude. (The engine gives files as URLs.)
        for (const QString &frame : std::as_const(trace)) {
            const QStringList parts = frame.split(QLatin1Char(':'));
            if (parts.size() >= 4 && parts.mid(3).join(QLatin1Char(':')).endsWith(name)) {
                outcome.line = parts[1].toInt();
                outcome.column = std::max(0, parts[2].toInt()); // the engine knows it for a syntax error only
                break;
            }
        }
    } else {
        outcome.ok = true;
        outcome.changes = host.changes;
        outcome.changedFields = int(host.changed.size());
        outcome.recorded = std::move(recorded);
        return outcome;
    }
    file.undo(recorded);
    return outcome;
}

} // namespace vw::scripting

#include "script_host.moc"
