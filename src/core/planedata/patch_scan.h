#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>

namespace vw::app {

// What the text of a patch says that its parsed document no longer does.
struct PatchTextFacts {
    // The places ("planes[0].primary.rows[3]") of numbers written as a
    // negative zero (-0, -0.0, -0e5): the parsed document holds them as 0.
    QSet<QString> negativeZeros;
};

// The longest text (key or value, in bytes as written) a patch may hold:
// far more than any field of the file, whose longest is 64 hex digits.
constexpr qsizetype LongestPatchText = 4096;

// Reads the patch's text once, in order, before it is parsed: a key given
// twice in one object, and a text longer than LongestPatchText, throw
// datafile::FormatError with the place ("planes[0].weapons.ammo: is given
// twice"). Text that is not JSON ends the reading quietly: the parser then
// says where it goes wrong.
PatchTextFacts scanPatchText(const QByteArray &text);

// How a place shows an object's key: as it is when it is a plain name, in
// quotes and escaped (and cut when long) otherwise.
QString placeKey(const QString &key);

} // namespace vw::app
