#include "plane_table.h"

#include "core/planedata/plane_json.h"
#include "core/planedata/shown_text.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QLocale>

#include <algorithm>
#include <bit>
#include <cctype>
#include <cmath>
#include <map>

namespace vw::app {

using datafile::DataFile;
using fields::Bindings;
using fields::FieldPath;
using fields::Kind;
using fields::Match;
using fields::Node;
using fields::Value;

namespace {

QString tr(const char *text) { return QCoreApplication::translate("vw::app", text); }

char separator(TableFormat format) { return format == TableFormat::Csv ? ',' : '\t'; }

// The name of a list's number column: the element it numbers.
QString numberName(const Node &list)
{
    if (list.planes)
        return QStringLiteral("plane");
    const Node &document = fields::document();
    const bool shared = &list >= document.members.data() && &list < document.members.data() + document.members.size();
    if (shared)
        return QStringLiteral("entry");
    if (list.key && qstrcmp(list.key, "configurations") == 0)
        return QStringLiteral("configuration");
    if (list.key && qstrcmp(list.key, "weapons") == 0)
        return QStringLiteral("weapon");
    // "primary row" is primary_row; "Pitch, Yaw or Roll" a column of its row.
    const QString label = QString::fromLatin1(list.label ? list.label : "index");
    if (label.contains(QLatin1Char(',')))
        return QStringLiteral("column");
    return label.toLower().replace(QLatin1Char(' '), QLatin1Char('_'));
}

// The lists a pattern's wildcards stand for, outermost first.
std::vector<const Node *> wildcardLists(const FieldPath &path)
{
    std::vector<const Node *> lists;
    for (const fields::Step &s : path.steps)
        if (s.list && s.wildcard)
            lists.push_back(s.list);
    return lists;
}

QString listNames(const std::vector<const Node *> &lists)
{
    QStringList names;
    for (const Node *l : lists)
        names << numberName(*l);
    return names.isEmpty() ? tr("none") : names.join(QStringLiteral(", "));
}

// A cell as the table writes it: quoted where it holds the separator, a
// quote, a line break or spaces at either end.
void appendCell(QByteArray &out, const QString &cell, char sep)
{
    bool quote = !cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace());
    for (qsizetype i = 0; i < cell.size() && !quote; ++i) {
        const char16_t c = cell[i].unicode();
        quote = c == sep || c == '"' || c == '\r' || c == '\n';
    }
    if (!quote) {
        out += cell.toUtf8();
        return;
    }
    out += '"';
    out += QString(cell).replace(QLatin1String("\""), QLatin1String("\"\"")).toUtf8();
    out += '"';
}

// A field's value as its cell holds it: as lists show it, a text without its quotes.
QString cellText(const Node &leaf, const Value &value)
{
    return leaf.kind == Kind::Text ? value.text : fields::valueText(leaf, value);
}

// The one field of a pattern at a row's bindings, or nothing where the file lacks it.
std::optional<Match> fieldAt(const DataFile &file, const FieldPath &path, const Bindings &row)
{
    std::optional<Match> found;
    fields::forEachMatch(file, path, &row, [&](const Match &m) {
        found = m;
        return false;
    });
    return found;
}

// A pattern with a row's numbers in its wildcards ("planes[3].header.name").
QString boundText(const FieldPath &path, const Bindings &row)
{
    QString text;
    for (const fields::Step &s : path.steps) {
        if (!s.list) {
            if (!text.isEmpty())
                text += QLatin1Char('.');
            text += QLatin1String(s.node->key);
            continue;
        }
        const std::optional<int> bound = s.wildcard ? row.of(s.list) : std::nullopt;
        text += bound ? QStringLiteral("[%1]").arg(*bound)
                      : s.from == s.to ? QStringLiteral("[%1]").arg(s.from) : QStringLiteral("[%1..%2]").arg(s.from).arg(s.to);
    }
    return text;
}

} // namespace

QString columnLetters(int column)
{
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}

TableColumns tableColumns(const QStringList &patterns)
{
    TableColumns columns;
    for (const QString &text : patterns) {
        FieldPath path;
        try {
            path = fields::parsePath(text);
        } catch (const fields::PathError &e) {
            throw ExpressionError{text, e.offset, e.length, e.message, e.note};
        }
        const std::vector<const Node *> lists = wildcardLists(path);
        if (columns.paths.isEmpty()) {
            columns.lists = lists;
            for (const Node *l : lists)
                columns.numberNames << numberName(*l);
        } else if (lists != columns.lists) {
            throw ExpressionError{text, 0, text.size(),
                                  tr("the wildcards of this column (%1) are not those of the first column (%2)")
                                      .arg(listNames(lists), listNames(columns.lists)),
                                  tr("every column takes its rows from the first column's wildcards")};
        }
        columns.paths.append(std::move(path));
    }
    return columns;
}

QByteArray writeTable(const DataFile &file, const TableColumns &columns, TableFormat format, bool labels)
{
    const char sep = separator(format);
    QByteArray out;
    if (columns.paths.isEmpty())
        return out;
    // The rows: the first column's matches, each with its wildcards' numbers.
    QList<Match> rows;
    fields::forEachMatch(file, columns.paths.first(), nullptr, [&](const Match &m) {
        rows.append(m);
        return true;
    });
    QStringList header = columns.numberNames;
    for (qsizetype c = 0; c < columns.paths.size(); ++c) {
        const FieldPath &path = columns.paths[c];
        if (!labels) {
            header << path.text;
            continue;
        }
        const std::optional<Match> first = rows.isEmpty() ? std::nullopt : fieldAt(file, path, rows.first().bindings);
        header << (first ? fields::fieldLabel(path, *first)
                         : path.leaf()->label ? fields::labelText(*path.leaf()) : path.text);
    }
    for (qsizetype i = 0; i < header.size(); ++i) {
        if (i)
            out += sep;
        appendCell(out, header[i], sep);
    }
    out += "\r\n";
    out.reserve(out.size() + rows.size() * (columns.paths.size() + columns.lists.size()) * 8);
    for (const Match &row : rows) {
        for (int i = 0; i < row.bindings.count; ++i) {
            if (i)
                out += sep;
            out += QByteArray::number(row.bindings.items[std::size_t(i)].number);
        }
        for (qsizetype c = 0; c < columns.paths.size(); ++c) {
            if (c || row.bindings.count)
                out += sep;
            const std::optional<Match> m = c == 0 ? std::optional<Match>(row) : fieldAt(file, columns.paths[c], row.bindings);
            if (m)
                appendCell(out, cellText(*m->leaf, fields::read(*m)), sep);
        }
        out += "\r\n";
    }
    return out;
}

QList<QStringList> readCells(const QByteArray &bytes, TableFormat format)
{
    const QString text = QString::fromUtf8(bytes);
    const QChar sep = QLatin1Char(separator(format));
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    qsizetype i = 0;
    const qsizetype n = text.size();
    // A byte order mark, which some spreadsheets write first, is no part of the header.
    if (n && text[0] == QChar(0xfeff))
        i = 1;
    const auto refuse = [&](const QString &reason) {
        TableRefusal r;
        r.refusals << tr("row %1, column %2: %3").arg(rows.size() + 1).arg(columnLetters(int(row.size()) + 1), reason);
        r.total = 1;
        throw r;
    };
    bool quoted = false; // the cell started with a quote and it is closed
    while (i < n) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') && cell.isEmpty() && !quoted) {
            // A quoted cell up to its closing quote; "" is a quote.
            ++i;
            for (;;) {
                if (i >= n)
                    refuse(tr("the quote that opens the cell is not closed"));
                if (text[i] == QLatin1Char('"')) {
                    if (i + 1 < n && text[i + 1] == QLatin1Char('"')) {
                        cell += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                cell += text[i++];
            }
            quoted = true;
            continue;
        }
        if (c == sep) {
            row << cell;
            cell.clear();
            quoted = false;
            ++i;
            continue;
        }
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            row << cell;
            rows << row;
            row.clear();
            cell.clear();
            quoted = false;
            i += c == QLatin1Char('\r') && i + 1 < n && text[i + 1] == QLatin1Char('\n') ? 2 : 1;
            continue;
        }
        if (quoted)
            refuse(tr("text after the closing quote of the cell"));
        if (c == QLatin1Char('"'))
            refuse(tr("a quote inside a cell that does not start with one"));
        cell += c;
        ++i;
    }
    if (!cell.isEmpty() || quoted || !row.isEmpty()) {
        row << cell;
        rows << row;
    }
    return rows;
}

namespace {

bool blank(const QStringList &row)
{
    return std::all_of(row.begin(), row.end(), [](const QString &c) { return c.isEmpty(); });
}

// The checks of one import: the refusals by row and column, and the fields to write.
class TableImporter {
public:
    TableImporter(DataFile &file, const QList<QStringList> &rows) : file_(file), rows_(rows) {}

    int run()
    {
        header();
        for (qsizetype r = 1; r < rows_.size(); ++r)
            if (!blank(rows_[r]))
                row(int(r));
        if (refusal_.total > 0)
            throw refusal_;
        for (const Change &c : changes_)
            fields::write(file_, c.field, c.value);
        return int(changes_.size());
    }

private:
    struct Change {
        Match field;
        Value value;
    };

    [[noreturn]] static void headerFault(int column, const QString &cell, const QString &reason)
    {
        throw TableHeaderError{tr("row 1, column %1 (%2): %3").arg(columnLetters(column + 1), quoted(cell, 64), reason)};
    }

    void header()
    {
        if (rows_.isEmpty() || blank(rows_.first()))
            throw TableHeaderError{tr("row 1: the table has no header row")};
        QStringList cells = rows_.first();
        while (!cells.isEmpty() && cells.last().isEmpty())
            cells.removeLast();
        static const QStringList names{QStringLiteral("plane"), QStringLiteral("configuration"), QStringLiteral("weapon"),
                                       QStringLiteral("entry")};
        // Number columns come first; their names have no '.' or '[', which every pattern has.
        qsizetype numbers = 0;
        while (numbers < cells.size() && !cells[numbers].contains(QLatin1Char('.')) && !cells[numbers].contains(QLatin1Char('[')))
            ++numbers;
        if (numbers == cells.size())
            throw TableHeaderError{tr("row 1: the header names no field pattern (a table written with labels does not import)")};
        QStringList patterns = cells.mid(numbers);
        for (qsizetype c = 0; c < patterns.size(); ++c) {
            for (qsizetype d = 0; d < c; ++d)
                if (patterns[d] == patterns[c])
                    headerFault(int(numbers + c), patterns[c], tr("the field is column %1 already").arg(columnLetters(int(numbers + d) + 1)));
            try {
                columns_.paths.append(tableColumns({patterns[c]}).paths.first());
            } catch (const ExpressionError &e) {
                headerFault(int(numbers + c), patterns[c], e.message);
            }
            const FieldPath &path = columns_.paths.last();
            if (c == 0) {
                columns_.lists = wildcardLists(path);
                for (const Node *l : columns_.lists)
                    columns_.numberNames << numberName(*l);
            } else if (wildcardLists(path) != columns_.lists) {
                headerFault(int(numbers + c), patterns[c],
                            tr("the wildcards of this column (%1) are not those of the first field's column (%2)")
                                .arg(listNames(wildcardLists(path)), listNames(columns_.lists)));
            }
        }
        if (cells.mid(0, numbers) != columns_.numberNames)
            throw TableHeaderError{tr("row 1: the number columns are %1; the first field's wildcards need %2")
                                       .arg(numbers ? cells.mid(0, numbers).join(QStringLiteral(", ")) : tr("none"),
                                            listNames(columns_.lists))};
        numbers_ = int(numbers);
        width_ = int(cells.size());
    }

    void refuse(int row, int column, const QString &reason)
    {
        if (++refusal_.total > ListedRefusals)
            return;
        if (column >= width_) {
            refusal_.refusals << tr("row %1, column %2: %3").arg(row + 1).arg(columnLetters(column + 1), reason);
            return;
        }
        const QString name = column < numbers_ ? columns_.numberNames[column] : columns_.paths[column - numbers_].text;
        refusal_.refusals << tr("row %1, column %2 (%3): %4").arg(row + 1).arg(columnLetters(column + 1), name, reason);
    }

    void row(int r)
    {
        const QStringList &cells = rows_[r];
        for (int c = width_; c < cells.size(); ++c)
            if (!cells[c].isEmpty())
                return refuse(r, c, tr("the cell is outside the header's %1 columns").arg(width_));
        Bindings bindings;
        std::vector<int> key;
        for (int c = 0; c < numbers_; ++c) {
            const QString cell = c < cells.size() ? cells[c].trimmed() : QString();
            bool ok = false;
            const int number = cell.toInt(&ok);
            if (!ok)
                return refuse(r, c, cell.isEmpty() ? tr("the row's %1 is not given").arg(columns_.numberNames[c])
                                                   : tr("%1 is not a %2 number").arg(quoted(cell, 64), columns_.numberNames[c]));
            bindings.add(columns_.lists[std::size_t(c)], number);
            key.push_back(number);
        }
        const auto [seen, fresh] = rowOf_.emplace(key, r);
        if (!fresh)
            return refuse(r, 0, tr("the row's fields are those of row %1 already").arg(seen->second + 1));
        // A number the first column's pattern does not take, or an element the file lacks.
        if (numbers_ > 0 && !elementExists(bindings)) {
            int c = 0;
            Bindings prefix;
            for (; c < numbers_; ++c) {
                prefix.add(columns_.lists[std::size_t(c)], bindings.items[std::size_t(c)].number);
                if (!elementExists(prefix))
                    break;
            }
            c = std::min(c, numbers_ - 1);
            return refuse(r, c, tr("the file has no %1 %2 here").arg(columns_.numberNames[c]).arg(bindings.items[std::size_t(c)].number));
        }
        for (int c = numbers_; c < width_ && c < cells.size(); ++c)
            if (!cells[c].isEmpty())
                cell(r, c, cells[c], bindings);
    }

    // Whether a field of any column is at the numbers bound (the others free).
    bool elementExists(const Bindings &bindings) const
    {
        for (const FieldPath &path : columns_.paths)
            if (fieldAt(file_, path, bindings))
                return true;
        return false;
    }

    void cell(int r, int c, const QString &text, const Bindings &bindings)
    {
        const FieldPath &path = columns_.paths[c - numbers_];
        const std::optional<Match> m = fieldAt(file_, path, bindings);
        if (!m)
            return refuse(r, c, tr("the file has no %1").arg(boundText(path, bindings)));
        const Node &leaf = *m->leaf;
        const Value current = fields::read(*m);
        Value value;
        QString why;
        if (!parse(leaf, text, current, &value, &why))
            return refuse(r, c, why);
        if (fields::sameValue(leaf, value, current))
            return;
        if (!leaf.write)
            return refuse(r, c, tr("%1 describes the file and is not written").arg(path.text));
        changes_.append({*m, value});
    }

    // A cell's value by the field's kind, checked as the JSON import checks it;
    // the value the file holds is accepted even where the checks would refuse it.
    static bool parse(const Node &leaf, const QString &cell, const Value &current, Value *value, QString *why)
    {
        const QString shown = quoted(cell, 64);
        switch (leaf.kind) {
        case Kind::Integer: {
            bool ok = false;
            const double d = QLocale::c().toDouble(cell.trimmed(), &ok);
            if (!ok || d != std::floor(d) || std::abs(d) > 9.0e15) {
                *why = tr("%1 is not a whole number").arg(shown);
                return false;
            }
            value->integer = qint64(d);
            if (value->integer != current.integer && (value->integer < leaf.min || value->integer > leaf.max)) {
                *why = tr("%1 is outside %2..%3").arg(cell.trimmed()).arg(leaf.min).arg(leaf.max);
                return false;
            }
            return true;
        }
        case Kind::Number: {
            bool ok = false;
            const QString t = cell.trimmed();
            value->number = doubleFromValue(QJsonValue(t), &ok);
            if (!ok)
                value->number = QLocale::c().toDouble(t, &ok);
            if (ok && t.startsWith(QLatin1Char('-')) && value->number == 0)
                value->number = -0.0;
            if (!ok)
                *why = t.contains(QLatin1Char(',')) ? tr("%1 is not a number (the decimal point is \".\")").arg(shown)
                                                     : tr("%1 is not a number").arg(shown);
            return ok;
        }
        case Kind::Text:
            value->text = cell;
            if (cell == current.text)
                return true;
            if (cell.size() > leaf.width)
                *why = tr("%1 is longer than the field's %2 characters").arg(shown).arg(leaf.width);
            else if (QString::fromLatin1(cell.toLatin1()) != cell)
                *why = tr("%1 has characters the file cannot hold").arg(shown);
            else if (hasControlCharacter(cell))
                *why = tr("%1 has a control character, which the field cannot hold").arg(shown);
            return why->isEmpty();
        case Kind::Bytes: {
            const QString t = cell.trimmed();
            const QByteArray digits = t.toLatin1();
            value->bytes = QByteArray::fromHex(digits);
            const bool hex = digits.size() == 2 * leaf.width
                             && std::all_of(digits.begin(), digits.end(), [](char ch) { return std::isxdigit(uchar(ch)); });
            if (!hex)
                *why = tr("%1 is not %2 bytes as hex digits").arg(shown).arg(leaf.width);
            return hex;
        }
        case Kind::Flag: {
            // A spreadsheet writes its own TRUE and FALSE.
            const QString t = cell.trimmed().toLower();
            value->flag = t == QLatin1String("true") || t == QLatin1String("1");
            if (t != QLatin1String("true") && t != QLatin1String("false") && t != QLatin1String("1") && t != QLatin1String("0")) {
                *why = tr("%1 is not true or false").arg(shown);
                return false;
            }
            return true;
        }
        }
        return false;
    }

    DataFile &file_;
    const QList<QStringList> &rows_;
    TableColumns columns_;
    int numbers_ = 0;
    int width_ = 0;
    TableRefusal refusal_;
    QList<Change> changes_;
    std::map<std::vector<int>, int> rowOf_;
};

} // namespace

int importTable(DataFile &file, const QByteArray &text, TableFormat format)
{
    const QList<QStringList> rows = readCells(text, format);
    return TableImporter(file, rows).run();
}

} // namespace vw::app
