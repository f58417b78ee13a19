#pragma once

#include "core/planedata/field_table.h"

#include <QList>
#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// Canonical paths and patterns of the field tables as data: a path names one
// field as the export places it ("planes[7].weapons.configurations[2].weapons[3].ammo"),
// a pattern many ("planes[*]...", "planes[1..20]..."). Indices are the
// numbers the window shows (each list's `first`). Find, change and the other
// tools that address fields by their path build on this.
namespace vw::app::fields {

// A fault in the text of a path: what is wrong and where (from 0 in the
// text parsed, `length` characters).
struct PathError {
    QString message;
    qsizetype offset = 0;
    qsizetype length = 1;
    QString note; // what would be right there ("'header' has icon_in_air, model_3d, name, ...")
};

// One step of a path from the document down.
struct Step {
    const Node *node = nullptr; // where the step arrives: the member, or the list's element
    const Node *list = nullptr; // an index step: its list; null for a member
    int from = 0, to = 0;       // an index step: the numbers it takes, inclusive
    bool wildcard = false;      // `*` or a range: the index it takes is a binding
    qsizetype offset = 0;       // where the step's text starts
};

struct FieldPath {
    QString text;
    std::vector<Step> steps;

    const Node *leaf() const { return steps.empty() ? nullptr : steps.back().node; }
    bool isPattern() const;
};

// Parses a path from `*pos` of `text` up to the first character that cannot
// continue it, and moves `*pos` behind it. Throws PathError (positions in `text`).
FieldPath parsePath(const QString &text, qsizetype *pos);
// A whole text as one path; anything behind the path is a fault.
FieldPath parsePath(const QString &text);

// The index one wildcard took: the entry of `list`, as the window numbers it.
struct Binding {
    const Node *list = nullptr;
    int number = 0;
};

// The bindings of a match, at most one per list.
struct Bindings {
    std::array<Binding, 8> items{};
    int count = 0;

    // The number bound at `list`, or nothing.
    std::optional<int> of(const Node *list) const
    {
        for (int i = 0; i < count; ++i)
            if (items[std::size_t(i)].list == list)
                return items[std::size_t(i)].number;
        return std::nullopt;
    }
    void add(const Node *list, int number) { items[std::size_t(count++)] = {list, number}; }
};

// One field a path or pattern matches in a file.
struct Match {
    const Node *leaf = nullptr;
    At at;
    Bindings bindings;
    std::array<int, 8> numbers{}; // the number each index step took, in order
};

// A match with its canonical path.
struct Field {
    Match match;
    QString path;
};

// Calls `each` with every field of `file` that `path` matches, in the
// export's order: lists within the entries the export writes (configurations
// and weapons within their stored counts, planes within the file), parts a
// plane has. Where `fixed` binds a list at which the pattern has a wildcard,
// that wildcard takes only the bound index (the index it stands for in
// another pattern). `each` returns false to stop.
void forEachMatch(const datafile::DataFile &file, const FieldPath &path, const Bindings *fixed,
                  const std::function<bool(const Match &)> &each);
// Every field `path` matches, with its canonical path.
QList<Field> enumerate(const datafile::DataFile &file, const FieldPath &path);
// The one field a path without wildcards names, or nothing when the file does not hold it.
std::optional<Match> resolve(const datafile::DataFile &file, const FieldPath &path);

// The canonical path of a match ("planes[7].weapons.configurations[2].weapons[3].ammo").
QString pathText(const FieldPath &path, const Match &match);
// The label of a matched field: its own, or that of its entry ("Pitch",
// "primary row 16") where the field has none.
QString fieldLabel(const FieldPath &path, const Match &match);

// A field's value through its reader.
Value read(const Match &match);

// A value as the field stores it by the window's range rules: an integer
// clamped to its range (min..max), a text cut to its width. `clamped` tells
// whether that changed it.
Value withinRange(const Node &leaf, const Value &value, bool *clamped);

// The outcome of a write.
struct Written {
    Value stored;         // what the field holds afterwards
    bool clamped = false; // the range rule changed the value given
};
// Writes `value` into the matched field of `file` (the match may come from
// another file of the same planes) through the field's writer, after
// withinRange. The leaf must have a writer.
Written write(datafile::DataFile &file, const Match &match, const Value &value);

// A value as lists and messages show it: whole numbers as they are, doubles
// in the export's shortest exact form (NAN, INF...), texts quoted, bytes as
// hex digits, flags as true or false.
QString valueText(const Node &leaf, const Value &value);

} // namespace vw::app::fields
