#!/usr/bin/env bash
# Remakes the README's pictures of the window, docs/window-*.png, of the rope selection
# window, docs/selection-linux.png, of the guide, docs/guide-linux.png, and of the calculation
# sheet, docs/sheet-linux.png: the program's windows on Qt's offscreen platform, brought into
# each state by real clicks and typing.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh release screenshot_states >/dev/null
mkdir -p docs
env -u QT_SCALE_FACTOR QT_QPA_PLATFORM=offscreen build/tests/qt/screenshot_states docs
