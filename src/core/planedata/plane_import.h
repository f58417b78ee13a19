#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/patch_tree.h"

#include <QJsonDocument>
#include <QList>
#include <QString>

#include <functional>

namespace vw::app {

// A patch is a document of the export's shape that names only the fields to
// change: planes are addressed by "plane" (their number) or "name" (the name in
// the plane list); every field present is written, every field absent stays.
// null stands for an absent field, and an array may be shorter than its table
// (rows behind it stay), so an export of part of a file is itself a patch.
//
// The whole patch is checked before anything is written: an unknown key, a
// wrong type, a value outside the field's range in the editor (a text longer
// than its field, 40000 rounds of ammunition), or a plane or table the file
// does not have throws datafile::FormatError naming the value's place, e.g.
// "planes[0].weapons.configurations[1].weapons[2].ammo: 40000 is outside
// 0..30000", and the file is left untouched. A value equal to what the file
// holds is always accepted, so an export imports back onto its own file.
// Only fields whose value changes are written. `checked`, when given, is told
// the planes the patch names (by number, in the patch's order) after the
// whole patch was checked and before anything is written.
//
// Each plane is patched by one entry: a second entry for the same plane, or
// an entry whose "plane" and "name" name different planes, is refused. A
// refusal quotes at most the start of a long value; the place says where it is.
struct Patch {
    PatchTree tree;
};
void importPatch(datafile::DataFile &file, const Patch &patch,
                 const std::function<void(const QList<int> &planes)> &checked = {});
void importPatch(datafile::DataFile &file, const QJsonDocument &patch,
                 const std::function<void(const QList<int> &planes)> &checked = {});

// An export of every plane of a 256-plane file is some 30 MB of text.
constexpr qint64 PatchFileLimit = 256 * 1024 * 1024;

// The patch in `text`; throws datafile::FormatError with the parser's
// offset for text that is not JSON, and with the place of a key given twice
// in one object (the parser would keep the last one) or of a text longer than
// any field (refused before the parser copies it).
Patch parsePatch(const QByteArray &text);

} // namespace vw::app
