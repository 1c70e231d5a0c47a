#!/usr/bin/env bash
# Measures the calculator's start-up against a bare Qt Widgets window of the same size and
# controls (bench/bare_window.cpp), in one run, the two programs taking turns:
#   - instructions from the first instruction to the first frame on screen: callgrind counts
#     every instruction and dumps its totals when the first QBackingStore::flush returns;
#   - peak resident memory: /usr/bin/time -v, the program ended half a second after its
#     window is mapped;
#   - wall time from launch to the window being mapped (load-dependent, for information only).
# Prints every figure, the medians and the ratios, then the class-pick and rope-listing times of
# the bench handler_speed and the keystroke-to-repainted-list times of the rope selection window
# (bench/list_repaint.cpp, offscreen), and exits with status 1 if the calculator needs more than
# 1.15 times the bare window's instructions or 1.10 times its peak memory, a class pick or the
# listing takes 1 ms or more, or the list's median repaint after a keystroke takes 16 ms or more.
#
# Usage: bash bench/run.sh [rounds]     (5 rounds by default; BENCH_ROUNDS works too)
set -euo pipefail
cd "$(dirname "$0")/.."

rounds=${1:-${BENCH_ROUNDS:-5}}
max_instruction_ratio=1.15
max_memory_ratio=1.10
settle_seconds=0.5

# The measuring tools: valgrind, GNU time (not the shell's keyword), Xvfb and xev.
bash scripts/deps.sh valgrind time xvfb x11-utils
source scripts/xvfb.sh
for tool in /usr/bin/valgrind /usr/bin/time /usr/bin/Xvfb /usr/bin/xev; do
    [ -x "$tool" ] || { echo "Please install valgrind, GNU time, Xvfb and xev: $tool is missing" >&2; exit 2; }
done

bash scripts/build.sh release ropecalc bare_window handler_speed list_repaint >/dev/null
declare -A program=([bare]=build/bench/bare_window [product]=build/app/qt/ropecalc)

work=$(mktemp -d /tmp/ropecalc-bench.XXXXXX)
xev_pid=
cleanup() {
    [ -n "$xev_pid" ] && kill "$xev_pid" 2>/dev/null
    stop_xvfb
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display of our own, at 96 dpi like the window's design, and one clean environment for both.
start_xvfb || exit 2
mkdir -m 700 "$work/runtime"
run_env=(env -i PATH="$PATH" HOME="$HOME" LANG=C.UTF-8 DISPLAY="$DISPLAY"
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work/runtime")

# Every window mapped on the display, stamped with the wall clock as it arrives.
"${run_env[@]}" stdbuf -oL xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    [[ $line == MapNotify* ]] && echo "$EPOCHREALTIME"
done >"$work/maps" &
xev_pid=$!
sleep 0.3

# Instructions to the first frame: callgrind dumps once the first flush to the screen returns,
# then the program is ended.
instructions() {
    local out="$work/callgrind.$1.$2"
    "${run_env[@]}" valgrind --tool=callgrind --callgrind-out-file="$out" \
        '--dump-after=QBackingStore::flush*' "${program[$1]}" >/dev/null 2>&1 &
    local pid=$!
    for _ in $(seq 1200); do
        grep -q '^totals:' "$out.1" 2>/dev/null && break
        sleep 0.05
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    local total
    total=$(sed -n 's/^totals: *//p' "$out.1" 2>/dev/null)
    [ -n "$total" ] || { echo "no first frame from $1 under callgrind" >&2; exit 2; }
    echo "$total"
}

# Peak memory and time to the mapped window: the program runs under /usr/bin/time -v (as its
# direct child, through exec) and is ended half a second after its window is mapped; its own
# high-water mark (VmHWM) is read just before, as a cross-check.
memory_and_map_time() {
    local name=$1 round=$2
    local report="$work/time.$name.$round" pidfile="$work/pid.$name.$round"
    local maps_before start
    maps_before=$(wc -l <"$work/maps")
    start=$EPOCHREALTIME
    "${run_env[@]}" /usr/bin/time -v -o "$report" sh -c 'echo $$ >"$1"; exec "$2"' sh "$pidfile" \
        "${program[$name]}" >/dev/null 2>&1 &
    local timer=$!
    local mapped=
    for _ in $(seq 2000); do
        if [ "$(wc -l <"$work/maps")" -gt "$maps_before" ]; then
            mapped=$(sed -n "$((maps_before + 1))p" "$work/maps")
            break
        fi
        sleep 0.005
    done
    [ -n "$mapped" ] || { echo "$name never mapped its window" >&2; exit 2; }
    sleep "$settle_seconds"
    local pid hwm
    pid=$(cat "$pidfile")
    hwm=$(sed -n 's/^VmHWM:[[:space:]]*\([0-9]*\) kB/\1/p' "/proc/$pid/status")
    kill "$pid" 2>/dev/null || { echo "$name ended by itself before it was stopped" >&2; exit 2; }
    wait "$timer" 2>/dev/null || true
    local rss
    rss=$(sed -n 's/^\tMaximum resident set size (kbytes): //p' "$report")
    echo "$rss $hwm $(awk -v a="$start" -v b="$mapped" 'BEGIN { printf "%.1f", (b - a) * 1000 }')"
}

source bench/figures.sh

# One run of each first, uncounted, so that neither pays alone for filling the system's caches.
instructions bare 0 >/dev/null
instructions product 0 >/dev/null

printf '%-6s %-8s %14s %12s %12s %10s\n' round program instructions "peak_KiB" "VmHWM_KiB" "mapped_ms"
for round in $(seq "$rounds"); do
    for name in bare product; do
        ir=$(instructions "$name" "$round")
        memory_and_map_time "$name" "$round" >"$work/last"
        read -r rss hwm ms <"$work/last"
        printf '%-6s %-8s %14s %12s %12s %10s\n' "$round" "$name" "$ir" "$rss" "$hwm" "$ms"
        echo "$name $ir $rss $hwm $ms" >>"$work/figures"
    done
done

declare -A ir rss hwm ms
for name in bare product; do
    ir[$name]=$(column_median "$name" 2)
    rss[$name]=$(column_median "$name" 3)
    hwm[$name]=$(column_median "$name" 4)
    ms[$name]=$(column_median "$name" 5)
done

echo
echo "medians of $rounds rounds      bare        product     ratio   target"
report "instructions to 1st frame" "${ir[bare]}" "${ir[product]}" "$max_instruction_ratio"
report "peak RSS, KiB (time -v)" "${rss[bare]}" "${rss[product]}" "$max_memory_ratio"
report "VmHWM, KiB (cross-check)" "${hwm[bare]}" "${hwm[product]}" -
report "ms to mapped (load-dep.)" "${ms[bare]}" "${ms[product]}" -
if [ "$status" -ne 0 ]; then
    echo "A start-up target is missed."
else
    echo "Both start-up targets are met."
fi

# The slowest handler, a class pick: the test fails when its median is 1 ms or more. Each
# QBENCHMARK figure is the median of nine, so that one burst of load elsewhere does not set it.
echo
if QT_QPA_PLATFORM=offscreen build/bench/handler_speed -median 9 >"$work/handler" 2>&1; then
    grep -E '^QINFO|^RESULT|msecs per iteration' "$work/handler" | sed 's/^QINFO  : TestHandlerSpeed:://'
    echo "The class picks and the listing are under 1 ms."
else
    cat "$work/handler"
    echo "The class-pick or listing target is missed."
    status=1
fi

# The rope selection window's worst case: a keystroke in the load box to the repainted list.
echo
if QT_QPA_PLATFORM=offscreen build/bench/list_repaint >"$work/list" 2>&1; then
    grep -E '^(rows|ms|median)' "$work/list"
    echo "The list repaints within a frame."
else
    cat "$work/list"
    echo "The list-repaint target is missed."
    status=1
fi
exit "$status"
