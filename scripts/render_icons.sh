#!/usr/bin/env bash
# Renders the window and menu icon's PNG sizes from app/icons/ropecalc.svg. Run it after
# editing the drawing and commit the PNGs, so that building needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v rsvg-convert >/dev/null 2>&1; then
    echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2
    exit 1
fi
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --background-color none \
        app/icons/ropecalc.svg --output "app/icons/ropecalc-$size.png"
done
