#pragma once

#include "core/flightmodel/plane_record.h"

#include <QString>

#include <optional>
#include <vector>

namespace vw::flightmodel {

// The figures shown beside the primary table, worked out from the plane's
// primary rows and engine power matrix. Divisors get 0.0001 added, so a row
// holding 0 gives a large but finite figure.
struct FlightFigures {
    double timeOfFlight = 0;        // h, hundredths
    double maxPositiveOverload = 0; // G, hundredths
    double maxNegativeOverload = 0; // G, hundredths
    double power500m = 0;           // hp at 500 m, low speed
    double power4000m = 0;          // hp at 4000 m, medium speed
    double power8000m = 0;          // hp at 8000 m, high speed
    double weightRatio = 0;         // base weight / loaded weight, thousandths
    double fuelLitres = 0;
    double consumptionLitres = 0;
};

FlightFigures flightFigures(const PlaneRecord &record);

// A figure label: its widget name, and its text for the chosen decimal separator.
struct FigureLabel {
    const char *name;
    QString text;
};
std::vector<FigureLabel> figureLabels(const FlightFigures &figures, QChar separator);

// The wings grid column for the text shown in primary row 12: wing number + 1,
// with a text that is no integer read as wing 0; nullopt for a wing number
// outside 0..99, which names no column.
std::optional<int> wingsColumnFor(const QString &wingNumberText);

} // namespace vw::flightmodel
