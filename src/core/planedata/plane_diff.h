#pragma once

#include "core/datafile/data_file.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

namespace vw::app {

// One field that differs between two plane data exports: where it is, as
// the editor names it ("plane 7 Kestrel, config 2, weapon 3, ammo"), and its
// value in each. A part one side lacks (a plane without a record, a
// configuration beyond the other's count) is null on that side.
// `plane` is the plane the field belongs to (0 for the shared tables and the
// file's own fields), `section` the part of the plane or document that holds
// it ("weapons", "header", "wings", ...) and `config` the configuration the
// path names (0 when it names none).
struct FieldDifference {
    QString where;
    QJsonValue from;
    QJsonValue to;
    int plane = 0;
    QString section;
    int config = 0;
};

// Compares two documents of exportPlanes field by field. Planes are matched
// by their number, so files of different layouts compare.
QList<FieldDifference> diffExports(const QJsonObject &from, const QJsonObject &to);

// Exports both files and compares them: what "diff" and "Compare with..." list.
QList<FieldDifference> diffFiles(const datafile::DataFile &from, const datafile::DataFile &to);

// "where: from -> to"; texts in quotes with \" and \\ for quotes and
// backslashes, and control characters (in plane names too) as \t, \n, \r or
// \xHH, so that a line never moves the terminal's cursor.
QString differenceLine(const FieldDifference &difference);

} // namespace vw::app
