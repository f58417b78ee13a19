#!/usr/bin/env bash
# Configures and builds the editor, the command-line tool and the tests in
# build/ (or the folder given as $1, with any further CMake options after it).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
shift || true
cmake -S "$root" -B "$build" "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
