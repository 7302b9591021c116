#!/usr/bin/env bash
# Renders the program's icon at the hicolor sizes it installs, from the one drawing that is
# edited by hand. The PNGs are committed; run this after changing the SVG (the install test
# checks that they are still its rendering).  Usage: render.sh [OUT-DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:-$here}
for size in 16 32 48 64 128 256; do
  mkdir -p "$out/${size}x${size}"
  rsvg-convert -w "$size" -h "$size" "$here/io.github.quillmar.QuillmarDvd.svg" \
    -o "$out/${size}x${size}/io.github.quillmar.QuillmarDvd.png"
done
