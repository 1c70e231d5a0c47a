#!/usr/bin/env bash
# Runs drive_window's (or drive_selection's) start-state and layout checks with the screen at
# another DPI. Wine reads LogPixels when its server starts, so the server is started anew with it,
# and again at 96 dpi afterwards; the server and its services get no output of the test's to hold
# open, or ctest would wait for them.
# Usage: at_dpi.sh DPI EMULATOR DRIVER ROPECALC
set -euo pipefail
source "$(dirname "$0")/../../scripts/wine_env.sh"
dpi=$1 emulator=$2 driver=$3 program=$4
: "${WINEPREFIX:?the prefix the tests run in (scripts/wine_display.sh sets it)}"
server() {
    "$wineserver" -k || true
    "$wineserver" -w
    "$wineserver" -p
}
restart() {
    {
        server
        "$emulator" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
        server
        "$emulator" cmd /c exit
    } </dev/null >/dev/null 2>&1
}
trap 'restart 96' EXIT
restart "$dpi"
"$emulator" "$driver" "$program" "$dpi"
