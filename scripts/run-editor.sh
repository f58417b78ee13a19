#!/usr/bin/env bash
# Builds the editor and starts it on the demo workspace build/demo: a generated
# misc.bin with sixteen planes and the support files of data/editor.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
# Only what the editor needs; the test command builds the tests and benchmarks.
cmake -S "$root" -B "$root/build" >/dev/null
cmake --build "$root/build" -j"$(nproc)" --target vornwing-editor vornwing-cli
demo="$root/build/demo"
mkdir -p "$demo/editor"
for file in FM.dat FM.ru.dat planes.dat readme.txt readme.ru.txt; do
  cp "$root/data/editor/$file" "$demo/editor/$file"
done
mkdir -p "$demo/editor/scripts"
cp "$root/data/editor/scripts/"*.js "$demo/editor/scripts/"
# The settings and the data file are the user's once made: keep their changes.
[ -f "$demo/editor/editor.ini" ] || cp "$root/data/editor/editor.ini" "$demo/editor/editor.ini"
[ -f "$demo/misc.bin" ] || "$root/build/src/vornwing-cli" make-sample "$demo/misc.bin" --layout 2 --planes 16 --seed 7
echo "Demo workspace: $demo"
exec "$root/build/src/vornwing-editor" --base "$demo" "$@"
