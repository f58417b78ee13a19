#include "overview_columns.h"

#include "core/flightmodel/plane_record.h"
#include "core/operations/plane_reports.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace vw::app {

using fields::Node;

namespace {

// The primary rows the time of flight is worked out from.
constexpr int FuelLoadRow = 83, FuelConsumptionRow = 84, EnduranceDivisorRow = 52;

const Node &planeNode() { return fields::document().member(QLatin1String("planes"))->element(); }

QString primaryRowTitle(int row, const QStringList &fmLabels)
{
    const QString line = row >= 1 && row <= fmLabels.size() ? fmLabels.at(row - 1).trimmed() : QString();
    return line.isEmpty() ? QCoreApplication::translate("vw::app::PlanesOverview", "Primary row %1").arg(row) : line;
}

} // namespace

std::optional<fields::Value> OverviewColumn::value(const datafile::DataFile &file, int plane) const
{
    if (isTimeOfFlight()) {
        const flightmodel::PlaneRecordView record(file, plane);
        if (!record.exists())
            return std::nullopt;
        fields::Value v;
        v.number = reportedTimeOfFlight(record.primary(FuelLoadRow), record.primary(FuelConsumptionRow),
                                        record.primary(EnduranceDivisorRow));
        return v;
    }
    fields::At where = at;
    where.file = &file;
    where.plane = plane;
    for (const Part &part : parts) {
        where.depth = part.depth;
        if (part.entry ? at[part.depth] >= part.node->present(where) : !part.node->exists(where))
            return std::nullopt;
    }
    where.depth = at.depth;
    return leaf->read(where);
}

std::optional<OverviewColumn> overviewColumn(const QString &path, const QStringList &fmLabels)
{
    OverviewColumn column;
    column.path = path;
    if (path == QLatin1String(TimeOfFlightPath)) {
        column.title = QCoreApplication::translate("vw::app::PlanesOverview", "Time of flight (h)");
        return column;
    }
    static const QRegularExpression step(QStringLiteral("^([a-z0-9_]+)((?:\\[[0-9]+\\])*)$"));
    QStringList steps = path.split(QLatin1Char('.'));
    if (steps.size() < 2 || steps.takeFirst() != QLatin1String("planes[*]"))
        return std::nullopt;
    const Node *node = &planeNode();
    const Node *list = nullptr;
    int lastIndex = 0;
    for (const QString &s : steps) {
        const QRegularExpressionMatch m = step.match(s);
        if (!m.hasMatch() || node->shape != Node::Object)
            return std::nullopt;
        node = node->member(QLatin1String(m.captured(1).toLatin1()));
        if (!node)
            return std::nullopt;
        if (node->exists)
            column.parts.push_back({node, column.at.depth, false});
        static const QRegularExpression index(QStringLiteral("\\[([0-9]+)\\]"));
        for (auto it = index.globalMatch(m.captured(2)); it.hasNext();) {
            const int number = it.next().captured(1).toInt();
            if (node->shape != Node::List || number < node->first || number - node->first >= node->count
                || column.at.depth >= int(column.at.index.size()))
                return std::nullopt;
            if (node->present)
                column.parts.push_back({node, column.at.depth, true});
            column.at.index[std::size_t(column.at.depth++)] = number - node->first;
            list = node;
            lastIndex = number;
            node = &node->element();
        }
    }
    if (node->shape != Node::Leaf)
        return std::nullopt;
    column.leaf = node;
    if (node->row)
        column.title = primaryRowTitle(node->row(column.at), fmLabels);
    else if (node->label)
        column.title = fields::labelText(*node);
    else if (list)
        column.title = fields::labelText(*list, lastIndex - list->first) + (list->entryLabels ? QString() : QStringLiteral(" %1").arg(lastIndex));
    if (column.title.isEmpty())
        column.title = path;
    return column;
}

QStringList defaultOverviewColumns()
{
    return {QStringLiteral("planes[*].header.name"), QStringLiteral("planes[*].header.plane_type"),
            QStringLiteral("planes[*].primary.rows[13]"), QStringLiteral("planes[*].primary.rows[16]"),
            QLatin1String(TimeOfFlightPath), QStringLiteral("planes[*].weapons.config_count")};
}

QStringList offeredOverviewColumns()
{
    QStringList offered;
    for (const fields::Pattern &p : fields::patterns()) {
        if (!p.pattern.startsWith(QLatin1String("planes[*].")))
            continue;
        if (p.pattern.count(QLatin1String("[*]")) == 1)
            offered << p.pattern;
        else if (p.pattern == QLatin1String("planes[*].primary.rows[*]"))
            for (int row = 1; row <= flightmodel::PlaneRecordView::PrimaryDoubles; ++row)
                offered << QStringLiteral("planes[*].primary.rows[%1]").arg(row);
    }
    offered << QLatin1String(TimeOfFlightPath);
    return offered;
}

} // namespace vw::app
