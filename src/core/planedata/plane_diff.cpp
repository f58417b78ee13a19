#include "plane_diff.h"

#include "field_table.h"
#include "plane_json.h"
#include "shown_text.h"

#include <QJsonArray>
#include <QJsonDocument>

#include "core/damage/damage_map.h"
#include "core/damage/damage_profile.h"
#include "core/flightmodel/plane_header.h"
#include "core/flightmodel/plane_record.h"
#include "core/weapons/weapons_block.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <exception>
#include <functional>
#include <optional>
#include <thread>
#include <unordered_map>
#include <vector>

namespace vw::app {

namespace {

using fields::At;
using fields::Node;

using fields::samePlane;
using fields::sameValue;

// Walks both files through the field tables side by side. The names of a
// field are made only for a difference, so comparing two equal files makes
// no text at all.
class Differ {
public:
    Differ(const datafile::DataFile &a, const datafile::DataFile &b, const std::function<void(const FieldDifference &)> &each)
        : a_(a), b_(b), each_(each)
    {
    }

    void compareDocument(bool everyPlane)
    {
        At pa, pb;
        pa.file = &a_;
        pb.file = &b_;
        for (const Node &m : fields::document().members) {
            push(m.key, -1, nullptr);
            if (m.planes)
                comparePlanes(m, everyPlane);
            else
                compare(m, pa, pb);
            pop();
        }
    }

private:
    struct Segment {
        const char *key = nullptr;  // an object's member
        int number = 0;             // an entry of `list`, as the window numbers it
        const Node *list = nullptr; // the list of the entry
        // Made for a difference (see name()).
        const Node *node = nullptr;
        QString path, where, part, section;
        int config = 0;
        std::optional<PageId> page;
    };

    void push(const char *key, int number, const Node *list)
    {
        Segment s;
        s.key = key;
        s.number = number;
        s.list = list;
        path_.push_back(std::move(s));
    }
    void pop()
    {
        path_.pop_back();
        named_ = std::min(named_, path_.size());
    }

    void comparePlanes(const Node &planes, bool everyPlane)
    {
        const Node &plane = planes.element();
        for (int p = 1; p <= std::max(a_.PlaneCount(), b_.PlaneCount()); ++p) {
            const bool inA = p <= a_.PlaneCount(), inB = p <= b_.PlaneCount();
            if (inA && inB && !everyPlane && samePlane(a_, b_, p))
                continue; // most planes of two versions of a file are the same
            plane_ = p;
            At pa, pb;
            pa.file = &a_;
            pb.file = &b_;
            pa.plane = pb.plane = p;
            const datafile::DataFile &named = inA && flightmodel::PlaneHeaderView(a_, p).exists() ? a_ : b_;
            const flightmodel::PlaneHeaderView header(named, p);
            const QString name = header.exists() ? header.text(flightmodel::HeaderText::Name) : QString();
            planeName_ = label(planes) + QLatin1Char(' ') + QString::number(p);
            if (!name.isEmpty())
                planeName_ += QLatin1Char(' ') + escapedControls(name);
            push(nullptr, p, &planes);
            if (inA && inB)
                compare(plane, pa, pb);
            else
                record(plane, inA ? partValue(plane, pa) : QJsonValue(), inB ? partValue(plane, pb) : QJsonValue(), pa);
            pop();
        }
        plane_ = 0;
    }

    static QJsonValue partValue(const Node &node, const At &at)
    {
        At place = at;
        return exportPart(node, place);
    }

    void compare(const Node &node, At &pa, At &pb)
    {
        if (node.shape == Node::Leaf)
            return compareLeaf(node, pa, pb);
        const bool inA = !node.exists || node.exists(pa), inB = !node.exists || node.exists(pb);
        if (!inA || !inB) {
            if (inA != inB)
                record(node, inA ? partValue(node, pa) : QJsonValue(), inB ? partValue(node, pb) : QJsonValue(), pa);
            return;
        }
        if (node.shape == Node::Object) {
            for (const Node &m : node.members) {
                push(m.key, -1, nullptr);
                compare(m, pa, pb);
                pop();
            }
            return;
        }
        const int na = node.present ? node.present(pa) : node.count, nb = node.present ? node.present(pb) : node.count;
        const std::size_t level = std::size_t(pa.depth);
        ++pa.depth;
        ++pb.depth;
        for (int i = 0; i < std::max(na, nb); ++i) {
            pa.index[level] = pb.index[level] = i;
            push(nullptr, i + node.first, &node);
            if (i < na && i < nb)
                compare(node.element(), pa, pb);
            else
                record(node.element(), i < na ? partValue(node.element(), pa) : QJsonValue(),
                       i < nb ? partValue(node.element(), pb) : QJsonValue(), pa);
            pop();
        }
        pa.index[level] = pb.index[level] = 0;
        --pa.depth;
        --pb.depth;
    }

    void compareLeaf(const Node &leaf, const At &pa, const At &pb)
    {
        // Bytes named twice are compared under their canonical name.
        if (fields::isAlias(leaf, pa))
            return;
        const fields::Value x = leaf.read(pa), y = leaf.read(pb);
        if (!sameValue(leaf, x, y))
            record(leaf, jsonValue(leaf, x), jsonValue(leaf, y), pa);
    }

    // The names of the path down to segment i, each made from its parent's
    // once and kept until the segment is left: neighbouring differences
    // share all of their path but the last part.
    void name(std::size_t i)
    {
        Segment &s = path_[i];
        const Segment *up = i > 0 ? &path_[i - 1] : nullptr;
        const Node *parent = up ? up->node : &fields::document();
        s.path = up ? up->path : QString();
        s.where = up ? up->where : QString();
        s.part = up ? up->part : QString();
        s.section = up ? up->section : QString();
        s.config = up ? up->config : 0;
        s.page = up ? up->page : fields::document().page;
        if (s.key) {
            if (!s.path.isEmpty())
                s.path += QLatin1Char('.');
            s.path += QLatin1String(s.key);
            s.node = parent->member(QLatin1StringView(s.key));
            if (s.section.isEmpty() && (plane_ == 0 || i > 1))
                s.section = QLatin1String(s.key);
        } else {
            s.path += QLatin1Char('[') + QString::number(s.number) + QLatin1Char(']');
            if (s.list->planes)
                s.part = planeName_;
            else if (s.list->entryLabels)
                s.part = fields::labelText(*s.list, s.number - s.list->first);
            else
                s.part = label(*s.list) + QLatin1Char(' ') + QString::number(s.number);
            if (!s.where.isEmpty())
                s.where += QStringLiteral(", ");
            s.where += s.part;
            if (s.list->key && QLatin1String(s.list->key) == QLatin1String("configurations"))
                s.config = s.number;
            s.node = &s.list->element();
        }
        if (s.node && s.node->page)
            s.page = s.node->page;
    }

    // A node's label in the current language, looked up once.
    const QString &label(const Node &node)
    {
        auto it = labels_.find(&node);
        if (it == labels_.end())
            it = labels_.emplace(&node, fields::labelText(node)).first;
        return it->second;
    }

    void record(const Node &node, const QJsonValue &from, const QJsonValue &to, const At &at)
    {
        for (; named_ < path_.size(); ++named_)
            name(named_);
        const Segment &s = path_.back();
        FieldDifference &d = difference_;
        d.from = from;
        d.to = to;
        d.plane = plane_;
        d.integer = node.shape == Node::Leaf && node.kind == fields::Kind::Integer;
        d.row = node.row ? node.row(at) : 0;
        d.path = s.path;
        d.section = s.section;
        d.config = s.config;
        d.page = s.page.value_or(PageId::Misc);
        // A field is named by its label; a field without one (a list's
        // entry) and a part are named by the entry, or by the part's key.
        QString last;
        if (node.shape == Node::Leaf && node.label)
            last = label(node);
        else if (s.key)
            last = QLatin1String(s.key);
        if (last.isEmpty()) {
            d.label = s.part;
            d.where = s.where;
        } else if (s.where.isEmpty()) {
            d.label = last;
            d.where = last;
        } else {
            d.label = last;
            // Written into the text of the last difference, whose room a
            // caller that keeps nothing leaves free: no allocation per difference.
            d.where.resize(0);
            d.where.append(s.where).append(QLatin1String(", ")).append(last);
        }
        each_(d);
    }

    const datafile::DataFile &a_, &b_;
    const std::function<void(const FieldDifference &)> &each_;
    std::vector<Segment> path_;
    std::size_t named_ = 0; // segments whose names are made
    std::unordered_map<const Node *, QString> labels_;
    FieldDifference difference_;
    int plane_ = 0;
    QString planeName_;
};

void appendValue(QString &out, const QJsonValue &value, bool integer)
{
    if (value.isUndefined() || value.isNull())
        out += QLatin1String("none");
    else if (value.isString())
        out += quoted(value.toString());
    else if (value.isObject() || value.isArray())
        out += QLatin1String("(present)");
    else if (value.isBool())
        out += QLatin1String(value.toBool() ? "true" : "false");
    else if (integer)
        out += QString::number(value.toInteger());
    else // as the export writes it: the shortest exact form
        appendShortestNumber(out, value.toDouble());
}

} // namespace


void diffFiles(const datafile::DataFile &from, const datafile::DataFile &to,
               const std::function<void(const FieldDifference &)> &each, bool everyPlane)
{
    Differ differ(from, to, each);
    differ.compareDocument(everyPlane);
}

QList<FieldDifference> diffFiles(const datafile::DataFile &from, const datafile::DataFile &to, bool everyPlane)
{
    QList<FieldDifference> found;
    diffFiles(from, to, [&](const FieldDifference &d) { found.append(d); }, everyPlane);
    return found;
}

void appendDifferenceLine(QString &out, const FieldDifference &difference)
{
    out.append(difference.where).append(QLatin1String(" (")).append(difference.path).append(QLatin1String("): "));
    appendValue(out, difference.from, difference.integer);
    out.append(QLatin1String(" -> "));
    appendValue(out, difference.to, difference.integer);
}

QString differenceLine(const FieldDifference &difference)
{
    QString line;
    appendDifferenceLine(line, difference);
    return line;
}

} // namespace vw::app
