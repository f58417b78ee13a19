#!/usr/bin/env bash
# CI: builds the Debian package from an existing build folder ($1, default
# build/), installs it into a fresh root under a temporary folder (its own
# dpkg database; the machine's /usr is not touched), and runs the installed
# programs from there: vornwing-cli info on a sample file and
# vornwing-editor --version, and the editor once in a user's data folder.
# Checks the menu entry and the manual page too.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
work="$(mktemp -d "${TMPDIR:-/tmp}/vornwing-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT

fail() { echo "package check: $*" >&2; exit 1; }

rm -f "$build"/vornwing-editor_*.deb
(cd "$build" && cpack -G DEB) >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$build"/vornwing-editor_*.deb)
[ -f "${debs[0]}" ] || fail "no package was made in $build"
deb="${debs[0]}"
echo "package: $(basename "$deb") ($(stat -c %s "$deb") bytes)"
dpkg-deb --field "$deb" Package Version Section Depends

# A fresh root with an empty package database. The Qt libraries the package
# depends on are the machine's own, so dependencies are not resolved here.
fresh="$work/root"
mkdir -p "$fresh/var/lib/dpkg/updates" "$fresh/var/lib/dpkg/info"
: >"$fresh/var/lib/dpkg/status"
dpkg --root="$fresh" --admindir="$fresh/var/lib/dpkg" --force-not-root --force-depends --force-script-chrootless \
  --log="$work/dpkg.log" -i "$deb" >"$work/dpkg-out.log" 2>&1 || { cat "$work/dpkg-out.log" >&2; fail "dpkg -i failed"; }
dpkg --root="$fresh" --admindir="$fresh/var/lib/dpkg" -s vornwing-editor | grep -q '^Status: install ok installed' \
  || fail "the package is not recorded as installed"

for file in usr/bin/vornwing-editor usr/bin/vornwing-cli \
            usr/share/vornwing-editor/editor/FM.dat usr/share/vornwing-editor/editor/planes.dat \
            usr/share/vornwing-editor/editor/readme.txt usr/share/vornwing-editor/editor/editor.ini \
            usr/share/vornwing-editor/editor/FM.ru.dat usr/share/vornwing-editor/editor/readme.ru.txt \
            usr/share/applications/vornwing-editor.desktop \
            usr/share/icons/hicolor/scalable/apps/vornwing-editor.svg \
            usr/share/icons/hicolor/16x16/apps/vornwing-editor.png \
            usr/share/icons/hicolor/256x256/apps/vornwing-editor.png \
            usr/share/man/man1/vornwing-cli.1.gz; do
  [ -e "$fresh/$file" ] || fail "the package does not install /$file"
done

bin="$fresh/usr/bin"
"$bin/vornwing-cli" make-sample "$work/misc.bin" --layout 2 --planes 16 --seed 7
"$bin/vornwing-cli" info "$work/misc.bin" >"$work/info.txt" || fail "the installed vornwing-cli info failed"
head -n 3 "$work/info.txt"
version="$(QT_QPA_PLATFORM=offscreen "$bin/vornwing-editor" --version)" || fail "the installed vornwing-editor --version failed"
echo "$version"
# One version everywhere: the package's, the editor's and the tool's.
package_version="$(dpkg-deb --field "$deb" Version)"
case "$version" in *" $package_version") ;; *) fail "vornwing-editor --version said: $version (the package is $package_version)" ;; esac
cli_version="$("$bin/vornwing-cli" --version)" || fail "the installed vornwing-cli --version failed"
[ "$cli_version" = "vornwing-cli $package_version" ] || fail "vornwing-cli --version said: $cli_version (the package is $package_version)"
case "$(dpkg-deb --field "$deb" Description)" in *";"*) fail "the package description has a stray \";\"" ;; esac
# Without a display the editor says so in one line and exits 2.
set +e
no_display="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/vornwing-editor" 2>&1)"
code=$?
set -e
[ "$code" = 2 ] && [ "$(printf '%s\n' "$no_display" | wc -l)" = 1 ] \
  || fail "without a display vornwing-editor exited $code and said: $no_display"

# The installed editor, started with no --base, works in the user's data
# folder (here one under the temporary folder) and fills in its support files.
data_home="$work/data"
mkdir -p "$data_home/vornwing-editor"
cp "$work/misc.bin" "$data_home/vornwing-editor/misc.bin"
HOME="$work/home" XDG_DATA_HOME="$data_home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=offscreen timeout 300 "$bin/vornwing-editor" --screenshot "$work/window.png" \
  || fail "the installed vornwing-editor did not start"
[ -s "$work/window.png" ] || fail "the installed vornwing-editor showed no window"
for file in FM.dat FM.ru.dat planes.dat readme.txt readme.ru.txt editor.ini; do
  [ -f "$data_home/vornwing-editor/editor/$file" ] || fail "the installed editor did not copy $file to the user's data folder"
done

desktop-file-validate "$fresh/usr/share/applications/vornwing-editor.desktop" || fail "the menu entry is not valid"
if command -v groff >/dev/null; then
  warnings="$(zcat "$fresh/usr/share/man/man1/vornwing-cli.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)"
  [ -z "$warnings" ] || { echo "$warnings" >&2; fail "the manual page has warnings"; }
fi
echo "package check: passed"
