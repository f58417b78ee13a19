// Every plane's fuel consumption for a target time of flight: the consumption
// that makes the time of flight (fuel load / consumption / endurance divisor,
// in hours, as the time-of-flight report works it out) the hours below.
const TargetHours = 2.5;
const FuelLoadRow = 83, FuelConsumptionRow = 84, EnduranceDivisorRow = 52;
for (const plane of file.planes) {
    const rows = file.plane(plane.number).primary.rows;
    if (rows === null)
        continue; // no record
    const load = rows[FuelLoadRow], divisor = rows[EnduranceDivisorRow];
    if (!(load > 0) || !(divisor > 0)) {
        print(`plane ${plane.number} ${plane.name}: no fuel load or endurance divisor, left as it is`);
        continue;
    }
    const consumption = Math.round(10 * load / (TargetHours * divisor)) / 10;
    print(`plane ${plane.number} ${plane.name}: consumption ${rows[FuelConsumptionRow]} -> ${consumption}`);
    rows[FuelConsumptionRow] = consumption;
}
