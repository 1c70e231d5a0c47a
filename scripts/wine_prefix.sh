#!/usr/bin/env bash
# Makes the Wine prefix the Windows tests run in, once: a fresh 64-bit prefix, settings that keep
# a test from waiting on Wine, and SimSun rendered by the Noto CJK face that, like it, gives
# Latin letters half the width of an ideograph. Needs DISPLAY.
# Usage: bash scripts/wine_prefix.sh [prefix]    (build-windows/wine by default)
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
export WINEPREFIX=${1:-${WINEPREFIX:-$wine_default_prefix}}
[ -f "$WINEPREFIX/.ropecalc-ready" ] && exit 0
rm -rf "$WINEPREFIX"
mkdir -p "$(dirname "$WINEPREFIX")"
"$wine64" wineboot --init >/dev/null 2>&1
"$wineserver" -w
reg() { "$wine64" reg add "$@" /f >/dev/null; }
# Without a window manager, an unmanaged window closes in milliseconds instead of seconds.
reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
# A crash ends the process instead of waiting on a dialog.
reg 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
for face in '宋体' SimSun NSimSun; do
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'Noto Sans Mono CJK SC'
done
"$wineserver" -w
touch "$WINEPREFIX/.ropecalc-ready"
