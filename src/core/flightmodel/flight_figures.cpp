#include "flight_figures.h"

#include "core/datafile/number_text.h"

#include <QCoreApplication>

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
        {"Label43",
         QCoreApplication::translate("vw::flightmodel", "Estimated time of flight: %1 h").arg(n(f.timeOfFlight))},
        {"Label46",
         QCoreApplication::translate("vw::flightmodel", "Max Positive Overload: %1 G").arg(n(f.maxPositiveOverload))},
        {"Label48",
         QCoreApplication::translate("vw::flightmodel", "Max Negative Overload: %1 G").arg(n(f.maxNegativeOverload))},
        {"Label82", QCoreApplication::translate("vw::flightmodel", "Base Weight/Weight: %1").arg(n(f.weightRatio))},
        {"Label90", QCoreApplication::translate("vw::flightmodel", "Fuel load (in liters): %1").arg(n(f.fuelLitres))},
        {"Label91",
         QCoreApplication::translate("vw::flightmodel", "Fuel consumption (in liters): %1")
             .arg(n(f.consumptionLitres))},
        {"Label50", QCoreApplication::translate("vw::flightmodel", "500m alt low speed: %1 hp").arg(n(f.power500m))},
        {"Label51", QCoreApplication::translate("vw::flightmodel", "4000m alt med speed: %1 hp").arg(n(f.power4000m))},
        {"Label52", QCoreApplication::translate("vw::flightmodel", "8000m alt high speed: %1 hp").arg(n(f.power8000m))},
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
