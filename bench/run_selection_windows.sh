#!/usr/bin/env bash
# Measures the Windows selection window's keystroke-to-repaint time under Wine on a private Xvfb
# at 96 dpi, in the bench's own prefix: bench/win32/selection_keys_win32.cpp types keys into the load
# box of the worst job (nearly every rope listed) and times each from SendInput to the list's
# repaint; then from an empty load, where each key draws or clears every cell in view. Prints
# every sample, the median and the maximum of each series, and exits with status 1 when the worst
# job's median is 16 ms or more (2 when something fails to build or run).
# Usage: bash bench/run_selection_windows.sh [keys]     (41 by default)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
keys=${1:-41}
bash scripts/build.sh windows selection_keys_win32 >/dev/null || exit 2
export WINEPREFIX=$root/build-windows/bench/wine
source scripts/wine_display.sh
start_wine_display
out=$(mktemp /tmp/ropecalc-keys.XXXXXX)
bash scripts/wine_run.sh build-windows/bench/win32/selection_keys_win32.exe "$keys" </dev/null | tee "$out" ||
    { rm -f "$out"; exit 2; }
median=$(sed -n 's/^load 1 <-> 11.*median \([0-9.]*\) ms.*/\1/p' "$out")
rm -f "$out"
[ -n "$median" ] || exit 2
awk -v m="$median" 'BEGIN { exit !(m < 16) }' && echo "target < 16 ms met" || { echo "target < 16 ms MISSED"; exit 1; }
