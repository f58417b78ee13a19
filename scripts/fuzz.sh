#!/usr/bin/env bash
# Builds the fuzz programs with clang (AddressSanitizer, UndefinedBehaviorSanitizer
# and libFuzzer) in build-fuzz/ (or $VW_FUZZ_BUILD), makes their seed corpora
# with the sample builder in a temporary folder and runs each program for the
# given number of seconds (60 by default). Findings are written into that
# folder and named on failure. Further arguments go to every fuzz program,
# e.g. scripts/fuzz.sh 600 -jobs=2 -workers=2.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
seconds="${1:-60}"
shift || true
build="${VW_FUZZ_BUILD:-$root/build-fuzz}"

# A folder configured before (CI's sanitizer build) is built as it is;
# a new one is optimised, so that the programs run more inputs.
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DVW_SANITIZE=ON -DVW_FUZZ=ON -DVW_BUILD_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER="$(command -v ccache || true)" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target fuzz_load_save fuzz_operations fuzz_json_import fuzz_make_seeds

work="$(mktemp -d "${TMPDIR:-/tmp}/vornwing-fuzz.XXXXXX")"
"$build/fuzz/fuzz_make_seeds" "$work/seeds"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

failed=0
for target in fuzz_load_save fuzz_operations fuzz_json_import; do
  seeds="$work/seeds/${target#fuzz_}"
  corpus="$work/corpus/$target"
  mkdir -p "$corpus" "$work/findings/$target"
  dict=()
  [ -f "$root/fuzz/$target.dict" ] && dict=(-dict="$root/fuzz/$target.dict")
  echo "== $target: ${seconds} s =="
  if ! (cd "$work/findings/$target" && "$build/fuzz/$target" "$corpus" "$seeds" "${dict[@]}" \
        -max_total_time="$seconds" -max_len=3000000 -rss_limit_mb=4096 -timeout=60 \
        -print_final_stats=1 "$@" 2>"$work/$target.log"); then
    failed=1
    tail -n 40 "$work/$target.log" >&2
    echo "$target found a fault; the input is in $work/findings/$target" >&2
  fi
  grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$work/$target.log" || true
done
if [ "$failed" -eq 0 ]; then
  rm -rf "$work"
fi
exit "$failed"
