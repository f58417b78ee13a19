#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/page_id.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <vector>

// The field tables: every field of the plane data file described once, with
// its key, kind, range, label, page and how it is read and written. The JSON
// export and import, the schema, the diff and the field listing all walk these
// tables, so a new field is one row here and nowhere else.
namespace vw::app::fields {

// What a field holds.
enum class Kind {
    Integer, // a whole number of `bits` bits, signed or not
    Number,  // a double
    Text,    // fixed-width text of `width` characters, one byte each
    Bytes,   // `width` raw bytes, written as hex digits
    Flag,    // true or false
};

// A field's value as read from the file or given to be written.
struct Value {
    qint64 integer = 0;
    double number = 0;
    QString text;
    QByteArray bytes;
    bool flag = false;
};

// Where a walk through the tables is: the file, the plane (0 outside the
// planes) and the position (from 0) in each list on the way down below the
// plane or shared table, outermost first.
struct At {
    const datafile::DataFile *file = nullptr;
    int plane = 0;
    std::array<int, 6> index{};
    int depth = 0;

    int operator[](int level) const { return index[std::size_t(level)]; }
};

using Reader = std::function<Value(const At &)>;
using Writer = std::function<void(datafile::DataFile &, const At &, const Value &)>;
using Test = std::function<bool(const At &)>;
using Counter = std::function<int(const At &)>;

struct Node {
    enum Shape { Leaf, Object, List };
    Shape shape = Leaf;
    // The member's key in its object; none for a list's element.
    const char *key = nullptr;
    // A leaf's label as the window labels it ("Ammo"); a list's is what an
    // entry is called ("config"). Untranslated; the context is "vw::fields".
    const char *label = nullptr;
    // The page that shows the field; members without their own take their parent's.
    std::optional<PageId> page;

    // Leaves.
    Kind kind = Kind::Integer;
    int bits = 0;
    bool isSigned = false;
    // Integers: the values the import takes. `clamped`: the window clamps a
    // value outside them instead of refusing it.
    qint64 min = 0, max = 0;
    bool clamped = false;
    int width = 0;
    Reader read;
    Writer write; // none: the field describes the file and is not written
    // The canonical pattern of the same bytes where they are named twice.
    const char *alias = nullptr;
    Test aliasAt;          // where set, only the entries it accepts are the alias
    bool aliased = false;  // another name (an alias) shows some of the same bytes
    // A primary-table row: labelled by FM.dat line `row(at)` in an export with labels.
    Counter row;
    // Integers the file check reports when the file holds a value outside
    // min..max, under this name ("weapon count 20 is outside 1..16").
    const char *checkedAs = nullptr;

    // Lists.
    int count = 0;   // entries the table has
    int first = 1;   // the number the window shows for the first entry
    Counter present; // the entries the export writes; `count` when unset
    bool planes = false; // the list of planes: entries are the planes asked for, by number
    const char *const *entryLabels = nullptr; // entries named each by its own label ("Pitch")

    // Objects and lists: false where the file lacks the part (null in the export).
    Test exists;
    // What the file lacks there, in the import's refusal ("damage map for plane
    // %1": the plane, or the entry of a shared table); the context is "vw::app".
    const char *absent = nullptr;
    // An object's members, by key; a list's one element.
    std::vector<Node> members;

    const Node &element() const { return members.front(); }
    // The member of an object by key, or null.
    const Node *member(QLatin1StringView name) const;
};

// The whole document: file, planes, wings and ammunition.
const Node &document();

// A field's range as the listing shows it ("0..30000"); empty where none.
QString rangeText(const Node &leaf);
// Its kind as the listing shows it: "u8", "i32", "f64", "text(32)", "bytes(19)", "flag".
QString kindText(const Node &leaf);
// Its label in the current language.
QString labelText(const Node &node);
// The label of a list's entry that has one of its own ("Pitch"); else the list's.
QString labelText(const Node &list, int entry);

// One field pattern of the listing.
struct Pattern {
    QString pattern; // "planes[*].weapons.configurations[*].weapons[*].ammo"
    const Node *leaf = nullptr;
    PageId page = PageId::Misc;
    const char *label = nullptr; // the leaf's, or its list's where it has none
};
// Every leaf of the document as a pattern, in the export's order.
QList<Pattern> patterns();

// What a walk meets, in the export's order (keys sorted as the export writes them).
class Visitor {
public:
    virtual ~Visitor() = default;
    virtual void beginObject(const Node &node, const At &at) = 0;
    virtual void endObject(const Node &node) = 0;
    virtual void beginList(const Node &node, const At &at) = 0;
    virtual void endList(const Node &node) = 0;
    // A part the file lacks.
    virtual void null(const Node &node) = 0;
    // `number` is the index the window shows of a list's entry; -1 for an object's member.
    virtual void leaf(const Node &node, const At &at, const Value &value) = 0;
    // Before each member of an object (its key) or entry of a list (its number).
    virtual void key(const Node &node, int number) = 0;
};

// True where `leaf` at `at` is the second name of bytes the tables name
// elsewhere (the first trailing rows, the last WEP power row, an ammunition
// name): the canonical name alone lists, compares and writes them.
bool isAlias(const Node &leaf, const At &at);
// Two values of a leaf are the same; doubles by their bits (a NaN equals the
// same NaN, -0 differs from 0).
bool sameValue(const Node &leaf, const Value &x, const Value &y);
// Plane p reads the same from both files: every block its fields are read
// from (directory entry, plane record with its weapons, damage map, damage
// profile) exists in both or in neither, with the same bytes.
bool samePlane(const datafile::DataFile &a, const datafile::DataFile &b, int p);
// The same for one part of plane p, by the plane member's key ("weapons",
// "damage_map"; "primary", "engine", "wep" and "handling" share the plane
// record). False for a key it does not know: that part has to be walked.
bool samePlanePart(const datafile::DataFile &a, const datafile::DataFile &b, int p, const char *key);

// Walks the file's document with the planes given (every plane when empty).
// Throws datafile::FormatError for a plane the file does not have.
void walk(const datafile::DataFile &file, const QList<int> &planes, Visitor &visitor);
// Walks one node of the document at `at`.
void walkNode(const Node &node, At &at, Visitor &visitor);
// The same with exactly the planes given (none for an empty list).
void walkChosen(const datafile::DataFile &file, const QList<int> &planes, Visitor &visitor);

} // namespace vw::app::fields
