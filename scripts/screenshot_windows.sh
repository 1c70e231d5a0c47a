#!/usr/bin/env bash
# Makes docs/window-windows.png: the Windows program's window as it opens, under Wine on a
# private Xvfb at 96 dpi, with SimSun drawn by AR PL SungtiL GB (scripts/wine_prefix.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh g++-mingw-w64-x86-64-posix nsis wine64 xvfb fonts-arphic-gbsn00lp fonts-noto-cjk fonts-wine imagemagick x11-utils
bash scripts/build_windows.sh
source scripts/wine_display.sh
start_wine_display
bash scripts/wine_run.sh build-windows/app/win32/ropecalc.exe </dev/null >/dev/null 2>&1 &
caption=钢丝绳安全系数计算器
window=
for _ in $(seq 200); do
    window=$(xwininfo -root -tree | awk -v caption="\"$caption\":" '$2 == caption { print $1; exit }')
    [ -n "$window" ] && break
    sleep 0.05
done
[ -n "$window" ] || { echo "the window did not open" >&2; exit 1; }
sleep 1 # painted
import -window "$window" docs/window-windows.png
bash scripts/wine_run.sh taskkill /im ropecalc.exe >/dev/null 2>&1 || true
echo docs/window-windows.png
