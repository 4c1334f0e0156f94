#!/usr/bin/env bash
# Renders the 16 and 32 pixel icons from res/icons/vendrel.svg (needs
# rsvg-convert from librsvg2-bin). Run after changing the artwork.
set -euo pipefail
cd "$(dirname "$0")/../res/icons"
for size in 16 32; do
    rsvg-convert -w "$size" -h "$size" vendrel.svg -o "vendrel-$size.png"
done
