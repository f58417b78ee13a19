#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/page_id.h"

#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <functional>

namespace vw::app {

// One field that differs between two plane data files: where it is, as the
// editor names it ("plane 7 Kestrel, config 2, weapon 3, Ammo"), its
// canonical path ("planes[7].weapons.configurations[2].weapons[3].ammo"), its
// label ("Ammo") and its value in each. A part one side lacks (a plane
// without a record, a configuration beyond the other's count) is null on
// that side.
// `plane` is the plane the field belongs to (0 for the shared tables and the
// file's own fields), `section` the part of the plane or document that holds
// it ("weapons", "header", "wings", ...), `config` the configuration the path
// names (0 when it names none), `page` the page that shows it and `row` the
// primary grid row 1..171 of a primary or trailing row (0 for other fields).
struct FieldDifference {
    QString where;
    QJsonValue from;
    QJsonValue to;
    int plane = 0;
    QString section;
    int config = 0;
    QString path;
    QString label;
    PageId page = PageId::Misc;
    int row = 0;
    bool integer = false; // the values are whole numbers of an integer field
};

// Compares two files field by field through the field tables. Planes are
// matched by their number, so files of different layouts compare. A plane
// whose blocks hold the same bytes in both files is skipped unless
// `everyPlane` is set. Bytes the tables name twice are compared once.
QList<FieldDifference> diffFiles(const datafile::DataFile &from, const datafile::DataFile &to, bool everyPlane = false);
// The same, each difference handed to `each` as it is found (the reference
// is valid during the call only).
void diffFiles(const datafile::DataFile &from, const datafile::DataFile &to,
               const std::function<void(const FieldDifference &)> &each, bool everyPlane = false);

// "where (path): from -> to"; texts in quotes with \" and \\ for quotes and
// backslashes, and control characters (in plane names too) as \t, \n, \r or
// \xHH, so that a line never moves the terminal's cursor.
QString differenceLine(const FieldDifference &difference);
// The same line appended to `out`.
void appendDifferenceLine(QString &out, const FieldDifference &difference);

} // namespace vw::app
