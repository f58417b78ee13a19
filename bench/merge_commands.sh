#!/bin/bash
# Whole-command timings of textconv and merge on full-sized files (254
# planes, 10.3 MB each), as git runs them: the median of five runs of each,
# wall time and user+system CPU time, beside its goal.
# usage: bench/merge_commands.sh [path/to/vornwing-cli]
set -euo pipefail
cli=$(realpath "${1:-build/src/vornwing-cli}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
"$cli" make-sample base.bin --planes 254 --seed 1 --layout 2 >/dev/null
"$cli" make-sample every.bin --planes 254 --seed 2 --layout 2 >/dev/null

# A few hundred changed fields on each side: the first weapon's ammo of
# planes 1..200 in OURS, its fire delay and the plane's WEP fuel of planes
# 50..249 in THEIRS (different fields, so the merge is clean).
patch() { # first last member...: a patch of the export's shape
    local first=$1 last=$2 members=$3 sep=""
    printf '{"planes": ['
    for ((p = first; p <= last; p++)); do
        printf '%s{"plane": %d, %s}' "$sep" "$p" "${members//@/$((p + 100))}"
        sep=", "
    done
    printf ']}\n'
}
patch 1 200 '"weapons": {"configurations": [{"weapons": [{"ammo": @}]}]}' > ours.json
patch 50 249 '"weapons": {"configurations": [{"weapons": [{"fire_delay": @}]}]}, "wep": {"times": {"fuel_ms": @}}' > theirs.json
"$cli" import base.bin ours.json -o ours.bin
"$cli" import base.bin theirs.json -o theirs.bin

median() { # command...: "wall cpu", the medians of five runs in milliseconds
    local walls=() cpus=()
    for _ in 1 2 3 4 5; do
        /usr/bin/time -f '%e %U %S' -o time.txt "$@" >/dev/null 2>&1 || true
        read -r wall user sys < <(tail -n 1 time.txt)
        walls+=($(awk -v w="$wall" 'BEGIN { printf "%d", w * 1000 }'))
        cpus+=($(awk -v u="$user" -v s="$sys" 'BEGIN { printf "%d", (u + s) * 1000 }'))
    done
    echo "$(printf '%s\n' "${walls[@]}" | sort -n | sed -n 3p) $(printf '%s\n' "${cpus[@]}" | sort -n | sed -n 3p)"
}

row() { # label goal command...
    local label=$1 goal=$2
    shift 2
    read -r wall cpu <<< "$(median "$@")"
    printf '%-52s %6s ms  cpu %6s ms   (goal %s)\n' "$label" "$wall" "$cpu" "$goal"
}

row "merge, a few hundred fields changed on each side" "<= 100 ms" "$cli" merge base.bin ours.bin theirs.bin -o out.bin
row "merge, every sample value changed on one side" "<= 1000 ms" "$cli" merge base.bin base.bin every.bin -o out.bin
row "merge, every value on one side, a few hundred on the other" "-" "$cli" merge base.bin ours.bin every.bin -o out.bin --prefer ours
row "textconv of one file" "<= 400 ms" "$cli" textconv base.bin
row "for scale: decrypt" "-" "$cli" decrypt base.bin out.dec
