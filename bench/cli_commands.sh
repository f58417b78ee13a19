#!/bin/bash
# Whole-command timings of the data tools on a full-sized file (254 planes,
# every plane with its record and damage map: 10.3 MB), as a user runs them:
# the median wall and CPU time of five runs of each (/usr/bin/time), beside its goal.
# usage: bench/cli_commands.sh [path/to/vornwing-cli]
set -euo pipefail
cli=$(realpath "${1:-build/src/vornwing-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" make-sample a.bin --planes 254 --seed 1 --layout 2 >/dev/null
"$cli" make-sample b.bin --planes 254 --seed 2 --layout 2 >/dev/null
echo '{"planes": [{"plane": 200, "weapons": {"configurations": [{"weapons": [{"ammo": 4321}]}]}}]}' > one.json
"$cli" import a.bin one.json -o one.bin
"$cli" export a.bin -o a.json
# Every plane with all 8 configurations of 16 weapons: 32,512 weapons.
"$cli" edit a.bin -o w8.bin 'planes[*].weapons.config_count = 8' >/dev/null
"$cli" edit w8.bin -o w.bin 'planes[*].weapons.configurations[*].weapon_count = 16' >/dev/null
weapon='planes[*].weapons.configurations[*].weapons[*]'

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
    printf '%-44s %s   (goal %s)\n' "$label" "$(median "$@")" "$goal"
}

row "diff A B, one field differs" "<= 50 ms" "$cli" diff a.bin one.bin
row "diff A B, every sample value differs" "<= 500 ms" "$cli" diff a.bin b.bin
row "export (to a file)" "<= 250 ms" "$cli" export a.bin -o out.json
row "export (to standard output)" "<= 250 ms" "$cli" export a.bin
row "import of a whole export onto its file" "<= 300 ms" "$cli" import a.bin a.json -o out.bin
row "find over every weapon (32,512)" "<= 100 ms" "$cli" find w.bin "$weapon.ammo >= 0"
row "edit of every weapon's deviation, saved" "<= 200 ms" "$cli" edit w.bin -o out.bin "$weapon.deviation *= 0.8"
row "for scale: cmp A B" "-" cmp a.bin one.bin
row "for scale: decrypt" "-" "$cli" decrypt a.bin out.dec
