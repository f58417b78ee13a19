#include "flight_figures.h"

#include "datafile/number_text.h"

namespace vw::flightmodel {

using datafile::roundHalfEven;

FlightFigures flightFigures(const PlaneRecord &record)
{
    const auto r = [&](int row) { return record.primary(row); };
    constexpr double tiny = 0.0001;
    FlightFigures f;
    f.timeOfFlight = roundHalfEven(100 * (r(PlaneRecord::FuelLoadRow) / (r(PlaneRecord::FuelConsumptionRow) + tiny))
                                   / (r(PlaneRecord::EnduranceDivisorRow) + tiny))
                     / 100;
    const double loaded = r(PlaneRecord::LoadedWeightRow) + tiny;
    const double margin = 1 + r(PlaneRecord::OverloadMarginRow);
    f.maxPositiveOverload = roundHalfEven(100 * r(PlaneRecord::PositiveLoadLimitRow) / loaded * margin) / 100;
    f.maxNegativeOverload = roundHalfEven(100 * r(PlaneRecord::NegativeLoadLimitRow) / loaded * margin) / 100;
    const double hp = r(PlaneRecord::EnginePowerRow);
    f.power500m = roundHalfEven(hp * record.power(3, 2));
    f.power4000m = roundHalfEven(hp * record.power(5, 13));
    f.power8000m = roundHalfEven(hp * record.power(7, 26));
    f.weightRatio = roundHalfEven(1000 * r(PlaneRecord::BaseWeightRow) / loaded) / 1000;
    f.fuelLitres = roundHalfEven(4.55 * r(PlaneRecord::FuelLoadRow));
    f.consumptionLitres = roundHalfEven(4.55 * r(PlaneRecord::FuelConsumptionRow));
    return f;
}

std::vector<FigureLabel> figureLabels(const FlightFigures &f, QChar separator)
{
    const auto n = [separator](double v) { return datafile::formatNumber(v, separator); };
    return {
        {"Label43", QStringLiteral("Estimated time of flight: ") + n(f.timeOfFlight) + QStringLiteral(" h")},
        {"Label46", QStringLiteral("Max Positive Overload: ") + n(f.maxPositiveOverload) + QStringLiteral(" G")},
        {"Label48", QStringLiteral("Max Negative Overload: ") + n(f.maxNegativeOverload) + QStringLiteral(" G")},
        {"Label82", QStringLiteral("Base Weight/Weight: ") + n(f.weightRatio)},
        {"Label90", QStringLiteral("Fuel load (in liters): ") + n(f.fuelLitres)},
        {"Label91", QStringLiteral("Fuel consumption (in liters): ") + n(f.consumptionLitres)},
        {"Label50", QStringLiteral("500m alt low speed: ") + n(f.power500m) + QStringLiteral(" hp")},
        {"Label51", QStringLiteral("4000m alt med speed: ") + n(f.power4000m) + QStringLiteral(" hp")},
        {"Label52", QStringLiteral("8000m alt high speed: ") + n(f.power8000m) + QStringLiteral(" hp")},
    };
}

std::optional<int> wingsColumnFor(const QString &wingNumberText)
{
    const qint64 wing = datafile::readInteger(wingNumberText, 0);
    if (wing < 0 || wing >= WingsTable::Entries)
        return std::nullopt;
    return int(wing) + 1;
}

} // namespace vw::flightmodel
