#pragma once

#include "core/datafile/data_file.h"
#include "core/planedata/field_path.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Conditions and assignments on the fields of a plane data file, written as
// their canonical patterns: "planes[*].header.plane_type == 1",
// "planes[*].weapons.configurations[*].weapons[*].deviation *= 0.8".
//
// Wildcards at the same place of two patterns (the same list: planes,
// configurations, weapons, ...) stand for the same index: a condition is
// asked of the fields at the indices its wildcards share with the field it
// is tested for. A wildcard the field's pattern does not have stands for any
// index: the condition holds when it holds for some field it matches.
namespace vw::app {

// A fault in the text of a condition or assignment, with its place (from 0).
struct ExpressionError {
    QString text;
    qsizetype offset = 0;
    qsizetype length = 1;
    QString message;
    QString note; // what would be right there, when there is something to tell
};

// The fault as a compiler reports one: "error: unknown field 'foo' at column 12",
// then the text, a caret line under the place and the note, if any.
QString errorReport(const ExpressionError &error);

// A number or a text in double quotes (\" and \\ for quotes and backslashes).
struct Literal {
    bool isText = false;
    QString text;
    double number = 0;
};

struct Condition {
    enum Op { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual, Contains };

    QString text;
    fields::FieldPath path;
    Op op = Equal;
    Literal value;

    // Whether a value of the condition's field satisfies it. NaN satisfies only !=.
    bool holds(const fields::Value &value) const;
};

// "PATTERN OP VALUE" with OP ==, !=, <, <=, >, >= or ~ (the text contains
// VALUE, ignoring case). Numbers compare with numbers and texts with texts;
// a flag is 0 or 1, bytes are their hex digits. Throws ExpressionError.
Condition parseCondition(const QString &text);

struct Assignment {
    enum Op { Set, Add, Subtract, Multiply, Divide, AtLeast, AtMost };

    QString text;
    fields::FieldPath path;
    Op op = Set;
    Literal value;
    // VALUE as another field's pattern, whose wildcards are the assigned pattern's.
    std::optional<fields::FieldPath> source;
};

// "PATTERN OP VALUE" with OP =, +=, -=, *=, /=, min= (at least VALUE) or
// max= (at most VALUE); VALUE a number, a text in double quotes or another
// field's pattern. Throws ExpressionError.
Assignment parseAssignment(const QString &text);

// Every field the first condition's pattern matches whose value satisfies
// it and for which every other condition holds, in the export's order.
void findFields(const datafile::DataFile &file, const QList<Condition> &conditions,
                const std::function<void(const fields::Match &, const fields::Value &)> &each);

// One field an edit changed (or whose value the range rule changed).
struct FieldChange {
    int assignment = 0; // the assignment's place in the edit
    fields::Match field;
    fields::Value from, to;
    bool clamped = false;
    QString asked; // the value before the range rule, as the list shows it (when clamped)
};

struct EditOutcome {
    QList<FieldChange> changes;
    int changedFields = 0; // fields whose value changed, each counted once
};

// Runs the assignments in the order given on the fields for which every
// condition of `where` holds. The conditions see the values before any
// assignment; each assignment sees those of the assignments before it.
// A result that is not whole, for an integer field, is rounded to the
// nearest whole number with halves to the even one (2.5 -> 2, 3.5 -> 4), as
// the window rounds a number it puts into an integer field; a result for a
// double is stored as the window stores what it shows (15 significant
// digits); a copied double keeps its bits. Integers are clamped to the
// field's range and texts cut to its width, and the change says so.
EditOutcome applyEdit(datafile::DataFile &file, const QList<Assignment> &assignments, const QList<Condition> &where);

// "path: from -> to", with " (clamped from 40000)" when the range rule changed the value.
QString changeLine(const Assignment &assignment, const FieldChange &change);

} // namespace vw::app
