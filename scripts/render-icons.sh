#!/usr/bin/env bash
# Renders the 16 to 256 pixel icons from res/icons/vendrel.svg (needs
# rsvg-convert from librsvg2-bin). Run after changing the artwork.
set -euo pipefail
command -v rsvg-convert >/dev/null || { echo "render-icons.sh needs rsvg-convert: apt-get install librsvg2-bin" >&2; exit 1; }
cd "$(dirname "$0")/../res/icons"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" vendrel.svg -o "vendrel-$size.png"
done
