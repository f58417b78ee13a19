#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/field_table.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QStringList>

#include <string>

namespace vw::app {

// The plane data as one JSON document: every field of every plane by name,
// and the shared wings and ammunition tables. Keys are sorted and nothing in
// it depends on the time or the machine, so two exports of the same file are
// the same bytes.
//
// Doubles read back bit for bit: finite numbers are written in their
// shortest exact form; the values JSON numbers cannot carry are strings:
// "NAN" (the NaN whose bits are 0x7ff8000000000000), "INF", "-INF" and "-0".
// Any other NaN, with another sign or payload, is "NAN:0x" followed by its
// 64 bits as 16 hex digits ("NAN:0xfff8000000000000"), so two files whose NaNs
// differ export differently and an import writes the very NaN back.
constexpr quint64 StandardNaNBits = 0x7ff8000000000000;

// The value of one double field.
QJsonValue doubleValue(double value);
// The double of a value written by doubleValue; false in `ok` for anything else.
double doubleFromValue(const QJsonValue &value, bool *ok = nullptr);

// The planes' numbers (from 1) given in `planes`, or all planes when empty.
// Throws datafile::FormatError naming a plane the file does not have.
// With FM.dat's lines in `rowLabels`, each primary and trailing row is
// {"label": its grid label, "row": 1..171, "value": ...} instead of a number.
QJsonObject exportPlanes(const datafile::DataFile &file, const QList<int> &planes = {},
                         const QStringList &rowLabels = {});
// The same document with exactly the planes given (none for an empty list).
QJsonObject exportChosenPlanes(const datafile::DataFile &file, const QList<int> &planes,
                               const QStringList &rowLabels = {});

// A field's value as the export writes it.
QJsonValue jsonValue(const fields::Node &leaf, const fields::Value &value);
// A part of the document (a plane, a configuration, a damage map) as the export writes it.
QJsonValue exportPart(const fields::Node &node, fields::At &at);
// A finite double's shortest exact text, as the export writes it ("0.25", "1e+20").
QByteArray shortestNumber(double value);
// The same appended to a text.
void appendShortestNumber(QString &out, double value);
// A text as a JSON string, as the export writes it: quotes, backslashes and
// control characters escaped, everything else as UTF-8.
void appendJsonString(std::string &text, const QString &s);
// A field's value as the export writes it.
void appendValueText(std::string &text, const fields::Node &leaf, const fields::Value &value);

// The document's text: indented, ending in a newline.
QByteArray exportText(const QJsonObject &document);
// The text of exportPlanes' document, written straight from the file: the
// same bytes, without building the document.
QByteArray exportFileText(const datafile::DataFile &file, const QList<int> &planes = {},
                          const QStringList &rowLabels = {});

} // namespace vw::app
