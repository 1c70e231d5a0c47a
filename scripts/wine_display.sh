# Sourced by the scripts that run the Windows build under Wine: start_wine_display starts a
# private Xvfb at 96 dpi, exports DISPLAY for it, makes the Wine prefix of
# scripts/wine_prefix.sh (WINEPREFIX, build-windows/wine by default) and keeps its wine server
# running; stop_wine_display, which it sets to run when the script ends unless the script has
# an EXIT trap of its own that calls it, stops both.
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
wine_display_dir=
wine_display_pid=
stop_wine_display() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null || true
    [ -n "$wine_display_pid" ] && kill "$wine_display_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    [ -n "$wine_display_dir" ] && rm -rf "$wine_display_dir"
}
start_wine_display() {
    wine_display_dir=$(mktemp -d /tmp/ropecalc-wine.XXXXXX)
    [ -n "$(trap -p EXIT)" ] || trap stop_wine_display EXIT
    exec 3>"$wine_display_dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    wine_display_pid=$!
    exec 3>&-
    for _ in $(seq 100); do [ -s "$wine_display_dir/display" ] && break; sleep 0.05; done
    [ -s "$wine_display_dir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$wine_display_dir/display")"
    export WINEPREFIX=${WINEPREFIX:-$wine_default_prefix}
    bash scripts/wine_prefix.sh "$WINEPREFIX"
    # Any server an interrupted run left behind in the prefix is ended first.
    "$wineserver" -k 2>/dev/null || true
    # One wine server for every program of the run, so that none pays for starting it, and its
    # services started now: a service started by a test would hold the test's output open, and
    # ctest would wait for it.
    "$wineserver" -p
    bash scripts/wine_run.sh cmd /c exit </dev/null >/dev/null 2>&1
}
