#!/bin/bash
# Whole-command timings of table and import-table on a full-sized file (254
# planes, every plane with its record and damage map), as a user runs them:
# the median wall and CPU time of five runs of each (/usr/bin/time), beside its goal.
# usage: bench/table_commands.sh [path/to/vornwing-cli]
set -euo pipefail
cli=$(realpath "${1:-build/src/vornwing-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" make-sample a.bin --planes 254 --seed 1 --layout 2 >/dev/null
# Every plane with all 8 configurations of 16 weapons: 32,512 weapons.
"$cli" edit a.bin -o w8.bin 'planes[*].weapons.config_count = 8' >/dev/null
"$cli" edit w8.bin -o w.bin 'planes[*].weapons.configurations[*].weapon_count = 16' >/dev/null
weapon='planes[*].weapons.configurations[*].weapons[*]'
planes=()
for f in header.name header.plane_type header.selectable header.sounds header.model_3d header.cockpit_1 \
         engine.extra_parameter engine.altitude_row_count weapons.config_count; do
    planes+=("planes[*].$f")
done
for r in 1 2 3 5 8 13 16 20 40 80 167; do
    planes+=("planes[*].primary.rows[$r]")
done
weapons=("$weapon.ammo" "$weapon.ammo_type" "$weapon.deviation" "$weapon.bursts" "$weapon.fire_delay")
"$cli" table a.bin "${planes[@]}" -o planes.csv
"$cli" table w.bin "${weapons[@]}" -o weapons.csv

median() { # command...: the median of five runs: wall and CPU (user + system) milliseconds
    local walls=() cpus=()
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>&1 || true
        read -r wall user system < <(tail -1 "$work/time")
        walls+=($(awk -v t="$wall" 'BEGIN { printf "%d", t * 1000 }'))
        cpus+=($(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1000 }'))
    done
    printf '%6s ms wall %6s ms CPU' "$(printf '%s\n' "${walls[@]}" | sort -n | sed -n 3p)" \
        "$(printf '%s\n' "${cpus[@]}" | sort -n | sed -n 3p)"
}

row() { # label goal command...
    local label=$1 goal=$2
    shift 2
    printf '%-48s %s   (goal %s)\n' "$label" "$(median "$@")" "$goal"
}

row "table, every plane x 20 columns" "<= 100 ms" "$cli" table a.bin "${planes[@]}"
row "table, every weapon (32,512) x 5 columns" "<= 300 ms" "$cli" table w.bin "${weapons[@]}"
row "import-table, every plane x 20 columns" "<= 300 ms" "$cli" import-table a.bin planes.csv -o out.bin
row "import-table, every weapon x 5 columns" "-" "$cli" import-table w.bin weapons.csv -o out.bin
