#pragma once

#include "core/datafile/data_file.h"
#include "core/operations/field_query.h"
#include "core/planedata/field_path.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

// Fields as a spreadsheet table: one row per element the first column's
// wildcards stand for, one column per field pattern. Every other column has
// the same wildcards, so that a row's cells are the fields of one plane, one
// configuration or one weapon. The first columns hold the row's numbers
// ("plane", "configuration", "weapon", "entry" for the shared tables' rows),
// the header row the patterns. Written as CSV (RFC 4180: cells quoted where
// they need it, CR LF line ends) or tab-separated text, in UTF-8, numbers
// with "." as the decimal point under every locale and in their shortest
// exact form, so that a table imports back onto its file unchanged.
namespace vw::app {

enum class TableFormat { Csv, Tsv };

struct TableColumns {
    QList<fields::FieldPath> paths;
    // The lists the first column's wildcards stand for, outermost first, and
    // the names of their number columns.
    std::vector<const fields::Node *> lists;
    QStringList numberNames;
};

// The columns of a table, each a field pattern. Throws ExpressionError for
// a pattern in error, for a part that is not a field, and for a column whose
// wildcards are not the first column's.
TableColumns tableColumns(const QStringList &patterns);

// The table of the file's fields; `labels`: the header row holds the fields'
// labels instead of their patterns (such a table does not import).
QByteArray writeTable(const datafile::DataFile &file, const TableColumns &columns, TableFormat format, bool labels);

// A header the import cannot take: a cell that is no field pattern, number
// columns that are not the first column's wildcards, a column given twice.
struct TableHeaderError {
    QString message;
};

// The cells the import refused: the first ones, by row and column as a
// spreadsheet shows them ("row 5, column C (planes[*].header.name): ..."), and
// how many there were in all.
struct TableRefusal {
    QStringList refusals;
    int total = 0;
};

// The refusals a refused import lists before it says how many more there are.
constexpr int ListedRefusals = 10;

// Writes a table onto the file: the header names the columns, the number
// columns the element of each row. Every cell is checked as the JSON import
// checks a value (kind, range, width, an element the file does not have)
// before anything is written: any refusal throws TableRefusal and leaves the
// file as it was; a header in error throws TableHeaderError. An empty cell
// leaves its field as it is. Returns how many fields changed.
int importTable(datafile::DataFile &file, const QByteArray &text, TableFormat format);

// The cells of a CSV (or tab-separated) text, row by row; a quoted cell may
// hold separators, quotes written twice and line breaks. Lines end in CR LF
// or LF. Throws TableRefusal for a quote left open or a quote inside a cell
// that does not start with one.
QList<QStringList> readCells(const QByteArray &text, TableFormat format);

// A column's letters as a spreadsheet shows them: 1 is A, 27 is AA.
QString columnLetters(int column);

} // namespace vw::app
