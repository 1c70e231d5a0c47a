#!/usr/bin/env bash
# Checks the Debian package: builds it, has lintian look for errors, validates its desktop
# entry and metadata, and starts the unpacked program on the offscreen platform to prove it
# shows its window at the size the control table gives.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh lintian desktop-file-utils appstream

fail() {
    echo "package check: $*" >&2
    exit 1
}

deb=$(bash scripts/package.sh | tail -n 1)
echo "package check: $deb"

# Warnings are shown but allowed; any error fails the check.
lintian --fail-on error "$deb" | tee build/package/lintian.txt
! grep -q '^E:' build/package/lintian.txt || fail "lintian reports errors"

unpacked=$(mktemp -d /tmp/ropecalc-package.XXXXXX)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
share=$unpacked/usr/share

desktop_files=("$share"/applications/*.desktop)
[ ${#desktop_files[@]} -eq 1 ] && [ -f "${desktop_files[0]}" ] || fail "expected one desktop entry"
desktop-file-validate "${desktop_files[0]}" || fail "desktop entry is invalid"
appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml >/dev/null || fail "metadata is invalid"
grep -qx 'Exec=ropecalc' "${desktop_files[0]}" || fail "desktop entry does not start ropecalc"
icon=$(sed -n 's/^Icon=//p' "${desktop_files[0]}")
[ -f "$share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"

# The guide where the manual page and the README say, as the program shows it.
cmp -s "$share/doc/ropecalc/guide.md" docs/guide.md || fail "no guide in usr/share/doc/ropecalc"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
png_size() {
    [ "$(od -An -tx1 -N8 "$1" | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$1 is not a PNG"
    echo "$((16#$(od -An -tx1 -j16 -N4 "$1" | tr -d ' \n')))x$((16#$(od -An -tx1 -j20 -N4 "$1" | tr -d ' \n')))"
}
for size in 16 22 24 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/$icon.png
    [ -f "$png" ] || fail "no ${size}px icon"
    [ "$(png_size "$png")" = "${size}x${size}" ] || fail "$png is $(png_size "$png")"
done

# The window's client area from the control table, in pixels, as the build computes it.
bash scripts/build.sh release design_size >/dev/null
expected=$(build/app/qt/design_size)
[[ $expected =~ ^[0-9]+x[0-9]+$ ]] || fail "no window size from build/app/qt/design_size"

picture=$unpacked/form1.png
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_SCALE_FACTOR QT_QPA_PLATFORM=offscreen \
    timeout 60 "$unpacked/usr/bin/ropecalc" --screenshot "$picture") || fail "the program did not show its window"
echo "$said"
# The program names the window it saved: Form1 with its caption.
grep -qF 'saved Form1 "钢丝绳安全系数计算器"' <<<"$said" || fail "the saved window is not Form1"
[ "$(png_size "$picture")" = "$expected" ] || fail "the window is $(png_size "$picture"), not $expected"
# An empty grey window of this size compresses to under 2 kB; frames, captions and boxes
# make it over 20 kB.
bytes=$(stat -c %s "$picture")
[ "$bytes" -gt 10000 ] || fail "the window's picture is blank ($bytes bytes)"
echo "package check: passed; the unpacked program showed Form1 at $expected ($bytes bytes of PNG)"
