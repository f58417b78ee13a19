#include "plane_merge.h"

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/planedata/field_lines.h"
#include "core/planedata/field_table.h"
#include "core/planedata/plane_json.h"
#include "core/weapons/weapons_block.h"

#include <QCoreApplication>

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <vector>

namespace vw::app {

namespace {

using datafile::DataFile;
using fields::At;
using fields::Node;
using fields::Value;

using fields::isAlias;
using fields::samePlane;
using fields::sameValue;

bool partExists(const Node &node, const At &at) { return !node.exists || node.exists(at); }
int entries(const Node &list, const At &at) { return list.present ? list.present(at) : list.count; }

// The count member beside a list whose entries it shows.
const char *countKey(const Node &list)
{
    if (!list.present || !list.key)
        return nullptr;
    if (std::strcmp(list.key, "configurations") == 0)
        return "config_count";
    if (std::strcmp(list.key, "weapons") == 0)
        return "weapon_count";
    return nullptr;
}

// One place in the three files and in OUT.
struct Place {
    At base, ours, theirs, out;

    void setPlane(int p) { base.plane = ours.plane = theirs.plane = out.plane = p; }
    void setIndex(std::size_t level, int i)
    {
        base.index[level] = ours.index[level] = theirs.index[level] = out.index[level] = i;
    }
    void down() { ++base.depth, ++ours.depth, ++theirs.depth, ++out.depth; }
    void up() { --base.depth, --ours.depth, --theirs.depth, --out.depth; }
};

class Merger {
public:
    // Asked for every change THEIRS brings and every conflict: true to take THEIRS's side.
    using Decider = std::function<bool(const MergeChange &)>;

    Merger(const DataFile &base, const DataFile &ours, const DataFile &theirs, DataFile &out, MergePreference prefer,
           Decider decide = {})
        : base_(base), ours_(ours), theirs_(theirs), out_(out), prefer_(prefer), decide_(std::move(decide))
    {
    }

    MergeResult result;

    void run()
    {
        Place at = start();
        for (const Node &m : fields::document().members) {
            path_.push_back({m.key, 0, nullptr});
            if (m.planes)
                mergePlanes(m);
            else
                merge(m, at, &fields::document());
            path_.pop_back();
        }
    }

private:
    struct Segment {
        const char *key;   // an object's member
        int number;        // else an entry of `list`, as the window numbers it
        const Node *list;
    };

    Place start() const
    {
        Place at;
        at.base.file = &base_;
        at.ours.file = &ours_;
        at.theirs.file = &theirs_;
        at.out.file = &out_;
        return at;
    }

    void mergePlanes(const Node &planes)
    {
        const Node &plane = planes.element();
        const int last = std::max({base_.PlaneCount(), ours_.PlaneCount(), theirs_.PlaneCount()});
        for (int p = 1; p <= last; ++p) {
            const bool inBase = p <= base_.PlaneCount(), inOurs = p <= ours_.PlaneCount(), inTheirs = p <= theirs_.PlaneCount();
            // Most planes are untouched on one side: those are OURS's as they stand.
            if (inOurs && inTheirs && (samePlane(ours_, theirs_, p) || (inBase && samePlane(base_, theirs_, p))))
                continue;
            Place at = start();
            at.setPlane(p);
            path_.push_back({nullptr, p, &planes});
            if (inBase && inOurs && inTheirs)
                mergePlaneParts(plane, at);
            else
                mergePart(plane, at, inBase, inOurs, inTheirs, false);
            path_.pop_back();
        }
    }

    // A part THEIRS left as BASE has it, or made the same as OURS, stays
    // OURS's as it stands: only the other parts are walked field by field.
    void mergePlaneParts(const Node &plane, Place &at)
    {
        if (plane.exists || plane.shape != Node::Object)
            return merge(plane, at, nullptr);
        const int p = at.out.plane;
        for (const Node &m : plane.members) {
            if (fields::samePlanePart(base_, theirs_, p, m.key) || fields::samePlanePart(ours_, theirs_, p, m.key))
                continue;
            path_.push_back({m.key, 0, nullptr});
            merge(m, at, &plane);
            path_.pop_back();
        }
    }

    void merge(const Node &node, Place &at, const Node *parent)
    {
        if (node.shape == Node::Leaf)
            return mergeLeaf(node, at);
        const bool inBase = partExists(node, at.base), inOurs = partExists(node, at.ours),
                   inTheirs = partExists(node, at.theirs);
        if (!inBase || !inOurs || !inTheirs) {
            if (inBase != inOurs || inOurs != inTheirs)
                mergePart(node, at, inBase, inOurs, inTheirs, false);
            return;
        }
        if (node.shape == Node::Object) {
            for (const Node &m : node.members) {
                path_.push_back({m.key, 0, nullptr});
                merge(m, at, &node);
                path_.pop_back();
            }
            return;
        }
        const int nBase = entries(node, at.base), nOurs = entries(node, at.ours), nTheirs = entries(node, at.theirs);
        const std::size_t level = std::size_t(at.base.depth);
        at.down();
        bool entryConflict = false;
        for (int i = 0; i < std::max({nBase, nOurs, nTheirs}); ++i) {
            at.setIndex(level, i);
            path_.push_back({nullptr, i + node.first, &node});
            const bool b = i < nBase, o = i < nOurs, t = i < nTheirs;
            if (b && o && t)
                merge(node.element(), at, nullptr);
            else if (b != o || o != t)
                entryConflict = mergePart(node.element(), at, b, o, t, true) || entryConflict;
            path_.pop_back();
        }
        at.setIndex(level, 0);
        at.up();
        // The chosen side's entries show: its count goes with them.
        if (entryConflict && prefer_ != MergePreference::None && parent)
            if (const char *key = countKey(node))
                if (const Node *count = parent->member(QLatin1StringView(key)); count && count->write)
                    write(*count, at.out, count->read(prefer_ == MergePreference::Ours ? at.ours : at.theirs));
    }

    void write(const Node &leaf, const At &out, const Value &value)
    {
        if (!sameValue(leaf, leaf.read(out), value)) {
            leaf.write(out_, out, value);
            ++result.taken;
        }
    }

    void mergeLeaf(const Node &leaf, const Place &at)
    {
        // The file's own fields stay OURS's; bytes named twice merge under their canonical name.
        if (!leaf.write || isAlias(leaf, at.ours))
            return;
        const Value ours = leaf.read(at.ours), theirs = leaf.read(at.theirs);
        if (sameValue(leaf, ours, theirs))
            return;
        const Value base = leaf.read(at.base);
        if (sameValue(leaf, base, theirs))
            return;
        const bool conflict = !sameValue(leaf, base, ours);
        if (decide_) {
            MergeChange change{named(leaf), conflict, true};
            change.field.base = valueText(leaf, base);
            change.field.ours = valueText(leaf, ours);
            change.field.theirs = valueText(leaf, theirs);
            if (decide_(change)) {
                leaf.write(out_, at.out, theirs);
                ++result.taken;
            }
            return;
        }
        if (!conflict) {
            leaf.write(out_, at.out, theirs);
            ++result.taken;
            return;
        }
        MergeConflict c = named(leaf);
        c.base = valueText(leaf, base);
        c.ours = valueText(leaf, ours);
        c.theirs = valueText(leaf, theirs);
        c.baseJson = jsonValue(leaf, base);
        c.oursJson = jsonValue(leaf, ours);
        c.theirsJson = jsonValue(leaf, theirs);
        result.conflicts.append(c);
        if (prefer_ == MergePreference::Theirs) {
            leaf.write(out_, at.out, theirs);
            ++result.taken;
        }
    }

    // A part present on some sides only. `carried`: its fields can be written
    // into OUT (an entry beyond a count). True for a conflict.
    bool mergePart(const Node &node, Place &at, bool inBase, bool inOurs, bool inTheirs, bool carried)
    {
        if (samePart(node, at.base, at.theirs, inBase, inTheirs))
            return false; // THEIRS left it
        const bool oursLeft = samePart(node, at.base, at.ours, inBase, inOurs);
        if (decide_)
            return decidePart(node, at, inBase, inOurs, inTheirs, carried, oursLeft);
        if (oursLeft && carried) {
            if (inTheirs)
                take(node, at.theirs, at.out);
            return false;
        }
        if (!oursLeft && samePart(node, at.ours, at.theirs, inOurs, inTheirs))
            return false; // the same change on both sides
        MergeConflict c = named(node);
        const auto text = [](bool present) { return QByteArray(present ? "(present)" : "null"); };
        const auto json = [&](bool present, const At &place) {
            At copy = place;
            return present ? exportPart(node, copy) : QJsonValue(QJsonValue::Null);
        };
        c.base = text(inBase);
        c.ours = text(inOurs);
        c.theirs = text(inTheirs);
        c.baseJson = json(inBase, at.base);
        c.oursJson = json(inOurs, at.ours);
        c.theirsJson = json(inTheirs, at.theirs);
        result.conflicts.append(c);
        if (prefer_ == MergePreference::Theirs && carried && inTheirs)
            take(node, at.theirs, at.out);
        return true;
    }

    // A part present on some sides only, as the user decides it.
    bool decidePart(const Node &node, Place &at, bool inBase, bool inOurs, bool inTheirs, bool carried, bool oursLeft)
    {
        const bool conflict = !(oursLeft && carried);
        if (conflict && !oursLeft && samePart(node, at.ours, at.theirs, inOurs, inTheirs))
            return false;
        const auto text = [](bool present) { return QByteArray(present ? "(present)" : "null"); };
        MergeChange change{named(node), conflict, carried && inTheirs};
        change.field.base = text(inBase);
        change.field.ours = text(inOurs);
        change.field.theirs = text(inTheirs);
        if (decide_(change) && change.takeable)
            take(node, at.theirs, at.out);
        return conflict;
    }

    // Both files have the part as the other has it, with the same values.
    bool samePart(const Node &node, const At &x, const At &y, bool inX, bool inY) const
    {
        if (inX != inY)
            return false;
        At a = x, b = y;
        return !inX || equal(node, a, b);
    }

    bool equal(const Node &node, At &x, At &y) const
    {
        if (node.shape == Node::Leaf)
            return !node.write || isAlias(node, x) || sameValue(node, node.read(x), node.read(y));
        const bool inX = partExists(node, x), inY = partExists(node, y);
        if (inX != inY)
            return false;
        if (!inX)
            return true;
        if (node.shape == Node::Object)
            return std::all_of(node.members.begin(), node.members.end(), [&](const Node &m) { return equal(m, x, y); });
        const int n = entries(node, x);
        if (n != entries(node, y))
            return false;
        const std::size_t level = std::size_t(x.depth);
        ++x.depth;
        ++y.depth;
        bool same = true;
        for (int i = 0; i < n && same; ++i) {
            x.index[level] = y.index[level] = i;
            same = equal(node.element(), x, y);
        }
        x.index[level] = y.index[level] = 0;
        --x.depth;
        --y.depth;
        return same;
    }

    // THEIRS's part written into OUT field by field.
    void take(const Node &node, At from, At to)
    {
        if (node.shape == Node::Leaf) {
            if (node.write && !isAlias(node, from))
                write(node, to, node.read(from));
            return;
        }
        if (!partExists(node, from))
            return;
        if (node.shape == Node::Object) {
            for (const Node &m : node.members)
                take(m, from, to);
            return;
        }
        const std::size_t level = std::size_t(from.depth);
        ++from.depth;
        ++to.depth;
        const int n = entries(node, from);
        for (int i = 0; i < n; ++i) {
            from.index[level] = to.index[level] = i;
            take(node.element(), from, to);
        }
    }

    static QByteArray valueText(const Node &leaf, const Value &value)
    {
        std::string text;
        appendValueText(text, leaf, value);
        return QByteArray(text.data(), qsizetype(text.size()));
    }

    // The conflict's path and label: a field by its label, a field without
    // one and a part by its entry ("config 2", "Pitch") or its key.
    MergeConflict named(const Node &node) const
    {
        MergeConflict c;
        for (const Segment &s : path_) {
            if (s.key) {
                if (!c.path.isEmpty())
                    c.path += QLatin1Char('.');
                c.path += QLatin1String(s.key);
            } else {
                c.path += QLatin1Char('[') + QString::number(s.number) + QLatin1Char(']');
            }
        }
        if (node.shape == Node::Leaf && node.label) {
            c.label = fields::labelText(node);
            return c;
        }
        const Segment &last = path_.back();
        if (last.key)
            c.label = QLatin1String(last.key);
        else if (last.list->entryLabels)
            c.label = fields::labelText(*last.list, last.number - last.list->first);
        else
            c.label = fields::labelText(*last.list) + QLatin1Char(' ') + QString::number(last.number);
        return c;
    }

    const DataFile &base_, &ours_, &theirs_;
    DataFile &out_;
    MergePreference prefer_;
    Decider decide_;
    std::vector<Segment> path_;
};

void checkLayouts(const DataFile &base, const DataFile &ours, const DataFile &theirs)
{
    if (base.FileLayout() != ours.FileLayout() || theirs.FileLayout() != ours.FileLayout())
        throw datafile::FormatError(
            QCoreApplication::translate("vw::app",
                                        "Files of different layouts cannot be merged: BASE has layout %1, OURS %2 "
                                        "and THEIRS %3.")
                .arg(base.FileLayout())
                .arg(ours.FileLayout())
                .arg(theirs.FileLayout()));
}

int mergeWithDecider(const DataFile &base, const DataFile &ours, const DataFile &theirs, DataFile &out,
                     Merger::Decider decide)
{
    checkLayouts(base, ours, theirs);
    Merger merger(base, ours, theirs, out, MergePreference::None, std::move(decide));
    merger.run();
    return merger.result.taken;
}

} // namespace

MergeResult mergeFiles(const DataFile &base, const DataFile &ours, const DataFile &theirs, DataFile &out,
                       MergePreference prefer)
{
    checkLayouts(base, ours, theirs);
    Merger merger(base, ours, theirs, out, prefer);
    merger.run();
    return merger.result;
}

QList<MergeChange> mergeChanges(const DataFile &base, const DataFile &ours, const DataFile &theirs)
{
    QList<MergeChange> changes;
    DataFile out = ours.copy();
    mergeWithDecider(base, ours, theirs, out, [&](const MergeChange &change) {
        changes.append(change);
        return false; // OUT is not wanted: nothing is written
    });
    return changes;
}

int mergeWithChoices(const DataFile &base, const DataFile &ours, const DataFile &theirs, DataFile &out,
                     const QHash<QString, bool> &takeTheirs)
{
    return mergeWithDecider(base, ours, theirs, out, [&](const MergeChange &change) {
        return takeTheirs.value(change.field.path, !change.conflict);
    });
}

int revertFields(const DataFile &file, const DataFile &reference, DataFile &out, const QList<fields::FieldPath> &patterns)
{
    int written = 0;
    for (const fields::FieldPath &pattern : patterns) {
        const Node *leaf = pattern.leaf();
        if (!leaf || leaf->shape != Node::Leaf || !leaf->write)
            continue;
        std::vector<fields::Match> ours, theirs;
        const auto collect = [](std::vector<fields::Match> &into) {
            return [&into](const fields::Match &m) {
                into.push_back(m);
                return true;
            };
        };
        fields::forEachMatch(file, pattern, nullptr, collect(ours));
        fields::forEachMatch(reference, pattern, nullptr, collect(theirs));
        // Both lists come in the export's order, which is the order of the
        // numbers the index steps took: the fields both files hold pair up.
        auto t = theirs.cbegin();
        for (const fields::Match &m : ours) {
            while (t != theirs.cend() && t->numbers < m.numbers)
                ++t;
            if (t == theirs.cend())
                break;
            if (t->numbers != m.numbers)
                continue;
            const Value value = leaf->read(t->at);
            At at = m.at;
            at.file = &out; // two patterns may name one field: it is written once
            if (!sameValue(*leaf, leaf->read(at), value)) {
                leaf->write(out, at, value);
                ++written;
            }
        }
    }
    return written;
}

QByteArray conflictLine(const MergeConflict &c)
{
    return c.path.toUtf8() + " (" + c.label.toUtf8() + "): base " + c.base + ", ours " + c.ours + ", theirs " + c.theirs;
}

} // namespace vw::app
