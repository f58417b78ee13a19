// A report of the planes whose climb speed is below a value; changes nothing.
const Below = 250; // mph
const ClimbSpeedRow = 16;
const slow = file.find(`planes[*].primary.rows[${ClimbSpeedRow}]`, (speed) => speed < Below);
for (const field of slow) {
    const name = file.get(`planes[${field.plane}].header.name`);
    print(`${String(field.plane).padStart(3)}  ${name.padEnd(32)} ${field.value} mph`);
}
print(`${slow.length} of ${file.planes.length} planes climb slower than ${Below} mph`);
