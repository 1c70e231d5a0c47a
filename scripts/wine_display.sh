# Sourced by the scripts that run the Windows build under Wine: start_wine_display installs Wine
# and the fonts its prefix needs if they are missing, starts a private Xvfb (scripts/xvfb.sh),
# makes the Wine prefix of
# scripts/wine_prefix.sh (WINEPREFIX, build-windows/wine by default) and keeps its wine server
# running; stop_wine_display, which it sets to run when the script ends unless the script has
# an EXIT trap of its own that calls it, stops both.
source "$(dirname "${BASH_SOURCE[0]}")/wine_env.sh"
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
stop_wine_display() {
    [ -n "${WINEPREFIX:-}" ] && "$wineserver" -k 2>/dev/null || true
    stop_xvfb
    wait 2>/dev/null || true
}
start_wine_display() {
    bash "$(dirname "${BASH_SOURCE[0]}")/deps.sh" wine64 fonts-arphic-gbsn00lp fonts-noto-cjk fonts-wine
    [ -n "$(trap -p EXIT)" ] || trap stop_wine_display EXIT
    start_xvfb || exit 1
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
