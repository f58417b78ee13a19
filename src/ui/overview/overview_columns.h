#pragma once

#include "core/planedata/field_table.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace vw::app {

// A column of the planes overview: one field of every plane, named by its
// canonical path with the plane as `planes[*]` ("planes[*].primary.rows[16]"),
// or the time of flight worked out from the primary rows.
struct OverviewColumn {
    QString path;                         // the canonical path, or TimeOfFlightPath
    const fields::Node *leaf = nullptr;   // none for the time of flight
    fields::At at;                        // the lists' positions below the plane
    QString title;                        // the label, in the window's language
    // The parts on the way down that a plane may lack, each with the depth of
    // the lists above it: an object the file may not have, or a list entry
    // behind the count the file stores.
    struct Part {
        const fields::Node *node;
        int depth;
        bool entry;
    };
    std::vector<Part> parts;

    bool isTimeOfFlight() const { return leaf == nullptr; }
    // The field's value on plane p as the overview shows and sorts it; none
    // where the plane lacks the part.
    std::optional<fields::Value> value(const datafile::DataFile &file, int plane) const;
};

inline constexpr const char *TimeOfFlightPath = "time_of_flight";

// The column a path names, labelled with FM.dat's lines for primary rows;
// none for a path that names no single field of a plane.
std::optional<OverviewColumn> overviewColumn(const QString &path, const QStringList &fmLabels);

// The columns shown until the user chooses others: name, type, base weight,
// climb speed, time of flight and the number of configurations.
QStringList defaultOverviewColumns();

// Every path the column chooser offers: each single field of a plane, each
// primary row, and the time of flight.
QStringList offeredOverviewColumns();

} // namespace vw::app
