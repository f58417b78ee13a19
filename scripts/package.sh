#!/usr/bin/env bash
# Builds the Debian package build/vornwing-editor_<version>_<arch>.deb from the
# build folder (or the folder given as $1), building what is not built yet.
# Install it with: sudo apt install ./build/vornwing-editor_*.deb
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
"$root/scripts/install-deps.sh"
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$build" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target vornwing-editor vornwing-cli vornwing-cli-manual
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/vornwing-editor_*.deb
