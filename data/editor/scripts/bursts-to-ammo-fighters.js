// Bursts to ammo, fighters only: every weapon of every fighter (plane type 0)
// fires as many bursts as it carries rounds. Bombers are left as they are.
const Fighter = 0;
let planes = 0;
for (const plane of file.planes) {
    if (file.get(`planes[${plane.number}].header.plane_type`) !== Fighter)
        continue;
    ++planes;
    for (const weapon of file.find(`planes[${plane.number}].weapons.configurations[*].weapons[*].ammo`)) {
        // ".../weapons[3].ammo" -> ".../weapons[3].bursts"
        file.set(weapon.path.replace(/ammo$/, 'bursts'), weapon.value);
    }
}
print(`${planes} fighters: bursts set to their ammo`);
