#!/usr/bin/env bash
# Renders the editor's icon (data/icons/vornwing-editor.svg) into the PNG sizes
# that are installed beside it and built into the window. Run it after
# changing the drawing, and commit the pictures.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" icons
icons="$root/data/icons"
for size in 16 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" "$icons/vornwing-editor.svg" -o "$icons/vornwing-editor-$size.png"
done
