#!/usr/bin/env bash
# Checks the Windows installer under Wine by what it did, not only by exit codes (a 32-bit or
# broken program can crash under Wine and still exit 0):
#  1. a silent install puts ropecalc.exe and the guide (使用说明.txt, UTF-8 with a byte-order mark
#     and CR LF) in the user's own %LOCALAPPDATA%\Programs\ropecalc, the shortcuts to both in a
#     folder of the user's Start menu and the uninstaller in the user's list of apps (HKCU);
#  2. the program started from that shortcut shows its window and closes on WM_CLOSE;
#  3. the uninstall command the list of apps holds removes the folder, the shortcuts, their
#     Start-menu folder and the key;
#  4. installed again, the silent uninstaller run in place (_?=) exits 0 having removed all but
#     itself.
# Usage: test_installer.sh INSTALLER EMULATOR WAIT_WINDOW
#   INSTALLER    build-windows/ropecalc-<version>-setup.exe
#   EMULATOR     scripts/wine_run.sh, which runs a Windows program in $WINEPREFIX
#   WAIT_WINDOW  wait_window.exe of the Windows build (tests/win32/wait_window.cpp)
# It works in a copy of the prefix $WINEPREFIX (build-windows/wine by default), made afresh with
# scripts/wine_prefix.sh if there is none, and deletes the copy after: other tests never see
# the install. Needs DISPLAY (an X server such as Xvfb).
set -euo pipefail

fail() {
    echo "installer test: $*" >&2
    exit 1
}

[ $# -eq 3 ] || fail "usage: test_installer.sh INSTALLER EMULATOR WAIT_WINDOW"
installer=$(realpath "$1")
emulator=$(realpath "$2")
wait_window=$(realpath "$3")
[ -f "$installer" ] && [ -f "$emulator" ] && [ -f "$wait_window" ] || fail "missing: $*"
[ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set: Wine needs an X server (Xvfb) to show windows"
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/wine_env.sh"
name=ropecalc
product=钢丝绳安全系数计算器
guide=使用说明
version=$(basename "$installer" | sed -n "s/^$name-\(.*\)-setup\.exe$/\1/p")
[ -n "$version" ] || fail "$installer is not named $name-<version>-setup.exe"
key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$name"
started_at=$SECONDS

# A 32-bit installer would crash under this 64-bit-only Wine; a per-user one asks for no elevation.
pe=$((16#$(od -An -tx4 -j60 -N4 "$installer" | tr -d ' ')))
[ "$(od -An -tx1 -j"$pe" -N6 "$installer" | tr -d ' \n')" = 504500006486 ] || fail "the installer is not a 64-bit (x86-64) program"
grep -aq 'requestedExecutionLevel level="asInvoker"' "$installer" || fail "the installer asks for more than the user's rights"

# The copy takes Wine's parts of the prefix: its drives, its registry and its update stamp.
source_prefix=${WINEPREFIX:-$wine_default_prefix}
work=$(mktemp -d /tmp/ropecalc-installer.XXXXXX)
export WINEPREFIX=$work/prefix
wineserver=${WINESERVER:-$wineserver}
cleanup() {
    [ -x "$wineserver" ] && "$wineserver" -k 2>/dev/null && "$wineserver" -w 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
if [ -f "$source_prefix/.update-timestamp" ]; then
    mkdir "$WINEPREFIX"
    cp -a "$source_prefix"/{dosdevices,drive_c,*.reg,.update-timestamp} "$WINEPREFIX"/
else
    echo "installer test: no prefix in $source_prefix; making one (about 25 s)"
    bash "$root/scripts/wine_prefix.sh" "$WINEPREFIX"
fi

wine() { bash "$emulator" "$@"; }
# Wine prints with CR LF.
say() { wine "$@" | tr -d '\r'; }
unix_path() { say winepath -u "$1"; }
# The user's folders as Windows names them, and where they are in the prefix.
local_app_data=$(say cmd /c echo %LOCALAPPDATA%)
app_data=$(say cmd /c echo %APPDATA%)
[[ "$local_app_data" == ?:\\* && "$app_data" == ?:\\* ]] || fail "Wine names no user folders: '$local_app_data', '$app_data'"
dir_win="$local_app_data\\Programs\\$name"
menu_win="$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\$product"
shortcut_win="$menu_win\\$product.lnk"
dir=$(unix_path "$dir_win")
menu=$(unix_path "$menu_win")
shortcut=$menu/$product.lnk
guide_shortcut=$menu/$guide.lnk
[ ! -e "$dir" ] && [ ! -e "$menu" ] || fail "the prefix has ropecalc installed already"

echo "installer test: 1. install $(basename "$installer") ($(stat -c %s "$installer") bytes)"
wine "$installer" /S || fail "the installer exited with $?"
for file in "$name.exe" uninstall.exe LICENSE.txt "$guide.txt"; do
    [ -f "$dir/$file" ] || fail "no $file in $dir_win"
done
cmp -s <(printf '\357\273\277'; sed 's/$/\r/' "$root/docs/guide.md") "$dir/$guide.txt" ||
    fail "$guide.txt is not docs/guide.md with a UTF-8 byte-order mark and CR LF line ends"
[ -f "$shortcut" ] || fail "no Start-menu shortcut $shortcut_win"
[ -f "$guide_shortcut" ] || fail "no Start-menu shortcut $menu_win\\$guide.lnk"
# The guide's shortcut holds the file's name and its folder, the install folder, in UTF-16 (its
# ANSI path has "?" for each ideograph): sought as hexadecimal bytes.
hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
for part in "$guide.txt" "$dir_win"; do
    grep -qF "$(utf16 "$part")" <(hex <"$guide_shortcut") || fail "the shortcut $guide.lnk names no $part"
done
wine reg query "$key" >/dev/null || fail "no key $key"
# reg query prints in the ANSI code page, which has no Chinese; an exported .reg file is UTF-16.
wine reg export "$key" "$(say winepath -w "$work/key.reg")" /y >/dev/null || fail "could not export $key"
values=$(iconv -f UTF-16 -t UTF-8 "$work/key.reg" | tr -d '\r')
reg_string() { # as a .reg file writes it
    local text=${2//\\/\\\\}
    printf '"%s"="%s"' "$1" "${text//\"/\\\"}"
}
for line in "$(reg_string DisplayName "$product")" "$(reg_string DisplayVersion "$version")" \
    "$(reg_string Publisher "The ropecalc developers")" "$(reg_string DisplayIcon "$dir_win\\$name.exe,0")" \
    "$(reg_string InstallLocation "$dir_win")" "$(reg_string UninstallString "\"$dir_win\\uninstall.exe\"")" \
    "$(reg_string QuietUninstallString "\"$dir_win\\uninstall.exe\" /S")" \
    '"NoModify"=dword:00000001' '"NoRepair"=dword:00000001'; do
    grep -qxF "$line" <<<"$values" || fail "the key has no $line; it holds:"$'\n'"$values"
done
# The folder's size in KiB; NSIS rounds each file's size down.
size_hex=$(sed -n 's/^"EstimatedSize"=dword:\([0-9a-f]*\)$/\1/p' <<<"$values")
bytes=$(cat "$dir"/* | wc -c)
[ -n "$size_hex" ] && [ $((16#$size_hex)) -ge $((bytes / 1024 - 3)) ] && [ $((16#$size_hex)) -le $((bytes / 1024)) ] ||
    fail "EstimatedSize is '$size_hex' for $bytes bytes"

echo "installer test: 2. start it from the Start-menu shortcut"
said=$(say "$wait_window" 60 "$shortcut_win") || fail "the program did not show its window and close: $said"
echo "$said"
grep -qixF "shortcut to $dir_win\\$name.exe" <<<"$said" || fail "the shortcut does not start $dir_win\\$name.exe"
grep -qixF "started $dir_win\\$name.exe" <<<"$said" || fail "the started program is not $dir_win\\$name.exe"

echo "installer test: 3. uninstall as the list of apps does"
# The registered command: the uninstaller copies itself to the temporary folder, starts the copy
# and returns at once. The copy removes the folder last.
wine "$dir_win\\uninstall.exe" /S || fail "the uninstall command exited with $?"
for _ in $(seq 300); do
    [ -e "$dir" ] || break
    sleep 0.1
done
[ ! -e "$dir" ] || fail "after 30 s the uninstaller has left $dir_win: $(ls -A "$dir")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder: $(ls -A "$menu")"
wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion' >/dev/null || fail "reg query does not work"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"

echo "installer test: 4. install again, uninstall in place"
wine "$installer" /S || fail "the second install exited with $?"
[ -f "$dir/$name.exe" ] && [ -f "$shortcut" ] && [ -f "$guide_shortcut" ] ||
    fail "the second install put no $name.exe or no shortcut"
wine reg query "$key" >/dev/null || fail "the second install made no key $key"
# In place (_?=), the uninstaller returns when done, with its exit code, but cannot delete itself
# nor so the folder.
wine "$dir/uninstall.exe" /S "_?=$dir_win" || fail "the uninstaller exited with $?"
[ "$(ls -A "$dir")" = uninstall.exe ] || fail "the uninstaller left more than itself: $(ls -A "$dir")"
[ ! -e "$menu" ] || fail "the uninstaller left the Start-menu folder: $(ls -A "$menu")"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller left $key"

echo "installer test: passed in $((SECONDS - started_at)) s"
