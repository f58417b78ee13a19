#!/usr/bin/env bash
# Installs what building, testing and running the editor need, from Debian's
# packages, and only what is missing.
set -euo pipefail

# fonts-liberation2: Liberation Serif is metric-compatible with the Times New
# Roman the engine power grid and the help text ask for. locales: CI runs the
# suite again under a decimal-comma locale. qt6-tools-dev and qt6-l10n-tools:
# lupdate and lrelease build the translations; qt6-translations-l10n gives the
# standard dialogs' buttons in Russian. clang and libclang-rt-14-dev:
# the second compiler and the fuzz targets. dpkg-dev and desktop-file-utils:
# the Debian package's library dependencies and the check of its menu entry.
# python3-jsonschema: the test that checks exports against the JSON Schema.
# git: the test that keeps a plane data file under version control.
# qt6-declarative-dev: the JavaScript engine that runs scripts.
packages=(cmake g++ make python3-jsonschema qt6-base-dev qt6-charts-dev libqt6opengl6-dev qt6-svg-dev qt6-declarative-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libgl-dev libbenchmark-dev fonts-dejavu-core fonts-liberation2 xvfb xauth locales clang libclang-rt-14-dev dpkg-dev desktop-file-utils git)
# "icons": also the SVG renderer that scripts/render-icons.sh uses; the build
# itself needs none, as the rendered pictures are kept in the tree.
if [ "${1:-}" = "icons" ]; then
  packages+=(librsvg2-bin)
fi
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi
sudo=""
if [ "$(id -u)" -ne 0 ]; then
  sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
