#!/usr/bin/env bash
# Makes the Wine prefix the Windows tests run in, once: a fresh 64-bit prefix, settings that keep
# a test from waiting on Wine, Wine's own Marlett for the caption buttons, ideographs in captions
# and message boxes, and SimSun drawn by AR PL SungtiL GB (fonts-arphic-gbsn00lp), a Song face
# that at 9 pt and 96 dpi has SimSun's cell under Wine: a line of 12 pixels (ascent 11 and
# descent 1, where SimSun has 10 and 2), ideographs 12 wide, Latin letters and digits 6, as
# bench/win32/dialog_font.cpp measures it. Needs DISPLAY.
# Usage: bash scripts/wine_prefix.sh [prefix]    (build-windows/wine by default)
set -euo pipefail
source "$(dirname "$0")/wine_env.sh"
export WINEPREFIX=${1:-${WINEPREFIX:-$wine_default_prefix}}
# The marker names what the prefix was made with: a prefix made with another is made anew.
ready='SimSun=AR PL SungtiL GB, Tahoma+Noto Sans CJK SC, Marlett'
[ "$(cat "$WINEPREFIX/.ropecalc-ready" 2>/dev/null)" = "$ready" ] && exit 0
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
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /t REG_SZ /d 'AR PL SungtiL GB'
done
# Captions and message boxes are drawn with Tahoma's stand-in, which has no ideographs, and take
# them from the faces linked to Tahoma, SimSun among them; SungtiL GB declares the GB2312 code page
# only, and through that link Wine draws its ideographs as empty boxes. Noto Sans CJK SC, which
# declares Latin as well, is linked instead.
reg 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v Tahoma /t REG_MULTI_SZ \
    /d 'NotoSansCJK-Regular.ttc,Noto Sans CJK SC'
# Debian's Wine 8 looks for the fonts of fonts-wine in "Z:\usr\share\wine\../fonts", which it
# does not find, so without a copy in the prefix the close box is drawn as the letter "r".
marlett=/usr/share/wine/fonts/marlett.ttf
[ -f "$marlett" ] && cp "$marlett" "$WINEPREFIX/drive_c/windows/Fonts/"
"$wineserver" -w
printf '%s\n' "$ready" >"$WINEPREFIX/.ropecalc-ready"
