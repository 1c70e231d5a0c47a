#!/usr/bin/env bash
# Renders the window and menu icon's PNG sizes and the Windows icon from app/icons/ropecalc.svg.
# Run it after editing the drawing and commit the PNGs and the .ico, so that building needs no
# SVG renderer.
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
# The Windows program's icon: the small sizes as bitmaps, the large ones as PNG.
if ! command -v icotool >/dev/null 2>&1; then
    echo "icotool is missing: apt-get install icoutils" >&2
    exit 1
fi
icotool --create --output app/icons/ropecalc.ico app/icons/ropecalc-{16,24,32,48}.png \
    --raw=app/icons/ropecalc-64.png --raw=app/icons/ropecalc-128.png --raw=app/icons/ropecalc-256.png
