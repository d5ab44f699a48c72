#!/usr/bin/env bash
# Renders data/icons/glyphora.svg into the PNG sizes the desktop's icon theme and the window use:
# data/icons/glyphora-N.png. The PNGs are committed, so a build needs no SVG renderer; run this
# after changing the SVG. Needs rsvg-convert (librsvg2-bin, in ./scripts/setup --optional).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" glyphora.svg --output "glyphora-$size.png"
done
