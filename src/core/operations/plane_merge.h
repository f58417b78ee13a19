#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/field_path.h"

#include <QByteArray>
#include <QJsonValue>
#include <QList>
#include <QHash>
#include <QString>

#include <functional>

namespace vw::app {

// Which side's value a conflicting field takes, when one is chosen.
enum class MergePreference { None, Ours, Theirs };

// A field, or a part (a plane, a configuration, a damage map), that both
// sides changed differently. Values as the export writes them: `text` for
// the listing (a part is "null" where it is missing and "(present)" where it
// is there), `json` for --json (the part's whole document where it is there).
struct MergeConflict {
    QString path;  // "planes[7].weapons.configurations[2].weapons[3].ammo"
    QString label; // "Ammo"; a part: its entry ("config 2") or key ("damage_map")
    QByteArray base, ours, theirs;
    QJsonValue baseJson, oursJson, theirsJson;
};

struct MergeResult {
    QList<MergeConflict> conflicts;
    int taken = 0; // fields that took THEIRS's value (conflicts chosen as theirs included)
};

// Three-way merge of BASE, OURS and THEIRS into `out`, which holds a copy of
// OURS (its header values, layout, cipher and the bytes outside every field
// stay OURS's). Field by field through the field tables: a field changed on
// one side only takes that side's value, the same change on both sides is
// taken once, different changes are a conflict, whose value in `out` is
// OURS's unless `prefer` is Theirs. The written fields go through the
// fields' own writers. A plane whose blocks hold the same bytes in OURS and
// THEIRS, or in BASE and THEIRS, is taken from OURS without a look at its fields.
//
// A part present on some sides only (a plane, a plane's record or damage
// map, a configuration or weapon beyond another side's count) is one unit:
// a side that left it as BASE has it yields to the side that changed it;
// both sides making it the same is no conflict; else it is a conflict. A
// configuration or weapon THEIRS adds or changes is written field by field
// (its slot is in every file); a plane, record or damage map THEIRS adds or
// takes away cannot be, as OUT keeps OURS's blocks: that is a conflict even
// when OURS left it alone, and OUT keeps OURS's part whatever `prefer` says.
// With a preference, a count whose entries conflicted takes the chosen
// side's count, so that the chosen entries show.
//
// Throws datafile::FormatError when the files are of different layouts.
MergeResult mergeFiles(const datafile::DataFile &base, const datafile::DataFile &ours,
                       const datafile::DataFile &theirs, datafile::DataFile &out,
                       MergePreference prefer = MergePreference::None);

// The fields the patterns match take REF's values in `out`, which holds a
// copy of FILE; every other byte stays FILE's. A field only one of the two
// files holds (a configuration beyond the other's count, a plane or record
// the other lacks) is left as it is. Returns how many fields were written.
// The files must be of the same layout.
int revertFields(const datafile::DataFile &file, const datafile::DataFile &reference, datafile::DataFile &out,
                 const QList<fields::FieldPath> &patterns);

// One field or part the merge would take from THEIRS (`conflict` false: only
// THEIRS changed it) or a conflict, for the user to decide: `takeable` false
// for a part OUT keeps as OURS has it whatever is chosen (a plane, record or
// damage map added or taken away). `json` values are not filled in.
struct MergeChange {
    MergeConflict field;
    bool conflict = false;
    bool takeable = true;
};

// Every change of THEIRS the merge would take and every conflict, in the
// merge's order: one-side changes as THEIRS's by default, conflicts as OURS's.
QList<MergeChange> mergeChanges(const datafile::DataFile &base, const datafile::DataFile &ours,
                                const datafile::DataFile &theirs);

// The merge with a decision per change: the changes listed in `takeTheirs`
// (by path) take the side it says, the others their default (one-side
// changes THEIRS, conflicts OURS). A count is a field of its own: its entries
// show as its decision says. `out` holds a copy of OURS, as for mergeFiles.
// Returns how many fields took THEIRS's value.
int mergeWithChoices(const datafile::DataFile &base, const datafile::DataFile &ours, const datafile::DataFile &theirs,
                     datafile::DataFile &out, const QHash<QString, bool> &takeTheirs);

// "path (label): base X, ours Y, theirs Z".
QByteArray conflictLine(const MergeConflict &conflict);

} // namespace vw::app
