#!/usr/bin/env bash
# Measures the Windows build's start-up against a bare Win32 window of the same size and
# controls (bench/win32/bare_win32_window.cpp) that carries the calculator's own manifest, configured
# from app/win32/ropecalc.exe.manifest.in (common controls 6 for the visual styles, DPI
# awareness), so that the floor pays for the same styled controls. The ratio is what the
# calculator adds before its window shows: the dialog font set on every control, the hidden
# owner window, the icon, tab stops and control IDs (the accessible names come after it shows,
# in the idle figure only). Under Wine, in one run, the two programs taking turns:
# the wall time from launch to the program's first visible top-level window, and on to the
# program's first being idle with its window painted (information only). bench/win32/map_time.cpp
# takes both: it starts the program with CreateProcessW, polls for the window every
# millisecond, waits with WaitForInputIdle, then closes the window with WM_CLOSE. Each sample is
# one run of the launcher, so both programs pay Wine's process start alike. Prints every
# figure, the medians and the ratio, and exits with status 1 if the calculator takes more than
# 1.10 times the bare window's time to its visible window (2 when something fails to build or
# run).
#
# Usage: bash bench/run_windows.sh [rounds]     (11 rounds by default; BENCH_ROUNDS works too)
# ROPECALC_EXE=PATH measures that program in the calculator's place and builds no calculator
# (ROPECALC_EXE=build-windows/bench/win32/bare_win32_window.exe measures the bare window against itself).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

rounds=${1:-${BENCH_ROUNDS:-11}}
max_ratio=1.10

source scripts/wine_env.sh

work=$(mktemp -d /tmp/ropecalc-bench-windows.XXXXXX)
prefix=$root/build-windows/bench/wine
source scripts/wine_display.sh
cleanup() {
    stop_wine_display
    rm -rf "$work"
}
trap cleanup EXIT

# Runs a build step quietly, showing its output only when it fails.
quietly() {
    "$@" >"$work/log" 2>&1 || {
        cat "$work/log" >&2
        echo "failed: $*" >&2
        exit 2
    }
}

targets=(bare_win32_window map_time)
if [ -z "${ROPECALC_EXE:-}" ]; then
    targets+=(ropecalc)
    product=build-windows/app/win32/ropecalc.exe
else
    product=$ROPECALC_EXE
fi
quietly bash scripts/build.sh windows "${targets[@]}"
[ -f "$product" ] || { echo "no program at $product" >&2; exit 2; }

# Wine's drive Z: is the root of the file system.
windows_path() { printf 'Z:%s' "$(realpath "$1" | tr / '\\')"; }
declare -A program=([bare]=$(windows_path build-windows/bench/win32/bare_win32_window.exe)
    [product]=$(windows_path "$product"))
launcher=$(windows_path build-windows/bench/win32/map_time.exe)

# A display of our own at 96 dpi, as the window's design, no window manager, the bench's own
# prefix and a wine server that stays up for the whole run, so that no sample pays for starting
# it; and one clean environment for both programs.
export WINEPREFIX=$prefix
quietly start_wine_display
run_env=(env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY="$DISPLAY" WINEPREFIX="$prefix")

# One sample, left in $work/sample: ms to the visible window, ms to the first idle moment.
sample() {
    local status=0
    "${run_env[@]}" bash scripts/wine_run.sh "$launcher" "${program[$1]}" >"$work/sample" 2>"$work/error" ||
        status=$?
    if [ "$status" -ne 0 ] || ! [ -s "$work/sample" ]; then
        cat "$work/error" >&2
        echo "$1: the launcher failed with status $status" >&2
        exit 2
    fi
}

source bench/figures.sh

echo "bare:    build-windows/bench/win32/bare_win32_window.exe ($(stat -c %s build-windows/bench/win32/bare_win32_window.exe) bytes)"
echo "product: $product ($(stat -c %s "$product") bytes, built $(date -u -r "$product" '+%Y-%m-%d %H:%M UTC'))"
if [ -z "${ROPECALC_EXE:-}" ] && command -v git >/dev/null 2>&1 && git rev-parse --git-dir >/dev/null 2>&1; then
    changes=$(git status --porcelain -- app common listing standard traditional | wc -l)
    echo "source:  commit $(git log -1 --format='%h %cs') with $changes changed or new files in app, common, listing, standard, traditional"
fi
echo "wine:    $("$wine64" --version), display $DISPLAY"
echo

# One run of each first, uncounted, so that neither pays alone for filling the caches (Wine's
# DLLs, fonts and registry among them).
sample bare
sample product

printf '%-6s %-8s %12s %12s\n' round program visible_ms idle_ms
for round in $(seq "$rounds"); do
    for name in bare product; do
        sample "$name"
        read -r to_visible to_idle <"$work/sample"
        printf '%-6s %-8s %12s %12s\n' "$round" "$name" "$to_visible" "$to_idle"
        echo "$name $to_visible $to_idle" >>"$work/figures"
    done
done

declare -A visible idle
for name in bare product; do
    visible[$name]=$(column_median "$name" 2)
    idle[$name]=$(column_median "$name" 3)
done

echo
echo "medians of $rounds rounds        bare      product    ratio   target"
report "ms to the visible window" "${visible[bare]}" "${visible[product]}" "$max_ratio"
report "ms to idle, painted" "${idle[bare]}" "${idle[product]}" -
if [ "$status" -ne 0 ]; then
    echo "The Windows start-up target is missed."
else
    echo "The Windows start-up target is met."
fi
exit "$status"
