#!/usr/bin/env bash
# Installs what is missing, builds the Windows program, its installer and their tests with
# mingw-w64, and runs the tests under Wine on a private Xvfb: the number code and both methods
# against the Linux build, byte for byte; the real window driven with SendInput; the installer
# and uninstaller.
set -euo pipefail
cd "$(dirname "$0")/.."
# The Linux build's parity program, which the Windows one is compared with.
bash scripts/build.sh release parity
bash scripts/build.sh windows -DROPECALC_NATIVE_PARITY="$PWD/build/tests/support/parity"
bash scripts/tidy_windows.sh
source scripts/wine_display.sh
start_wine_display
ctest --preset windows
