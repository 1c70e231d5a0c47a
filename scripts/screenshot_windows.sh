#!/usr/bin/env bash
# Makes docs/window-windows.png: the Windows program's window as it opens, under Wine on a
# private Xvfb at 96 dpi, with SimSun drawn by AR PL SungtiL GB (scripts/wine_prefix.sh); and
# docs/selection-windows.png: its selection window with the guide's inclined worked example (load
# 8000, 斜井, angle 28, f1 0.015, f2 0.15, length 620, purpose 矿井提物7.5, 安装, both methods), the
# list focused on its first row, typed and picked by the test program drive_selection in its
# picture mode; docs/guide-windows.png: the guide window as F1 in the calculator opens it
# (drive_selection's guide mode); and docs/sheet-windows.png: the calculation sheet's preview of
# the 9.945 job (6×19＋1, 155kg/mm2, φ20.0, force 2000, 井架提升6) opened from the context menu
# (drive_selection's sheet-picture mode).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh imagemagick x11-utils
bash scripts/build_windows.sh
source scripts/wine_display.sh
start_wine_display
bash scripts/wine_run.sh build-windows/app/win32/ropecalc.exe </dev/null >/dev/null 2>&1 &
# The X window of the top-level window with this caption, once it is shown.
window_of() {
    local window=
    for _ in $(seq 200); do
        window=$(xwininfo -root -tree | awk -v caption="\"$1\":" '$2 == caption { print $1; exit }')
        [ -n "$window" ] && break
        sleep 0.05
    done
    [ -n "$window" ] || { echo "the window \"$1\" did not open" >&2; exit 1; }
    echo "$window"
}
window=$(window_of 钢丝绳安全系数计算器)
sleep 1 # painted
import -window "$window" docs/window-windows.png
bash scripts/wine_run.sh taskkill /im ropecalc.exe >/dev/null 2>&1 || true
echo docs/window-windows.png

# drive_selection in a mode ($1) that sets a window up and says "ready"; then the window with the
# caption $2 is saved as $3.
picture() {
    local ready
    ready=$(mktemp /tmp/ropecalc-selection.XXXXXX)
    bash scripts/wine_run.sh build-windows/tests/win32/drive_selection.exe \
        "$PWD/build-windows/app/win32/ropecalc.exe" "$1" </dev/null >"$ready" 2>&1 &
    for _ in $(seq 600); do
        grep -q ready "$ready" && break
        sleep 0.1
    done
    grep -q ready "$ready" || { cat "$ready" >&2; echo "the window \"$2\" was not set up" >&2; exit 1; }
    grep FAIL "$ready" >&2 && exit 1
    window=$(window_of "$2")
    sleep 1 # painted
    import -window "$window" "$3"
    bash scripts/wine_run.sh taskkill /im ropecalc.exe >/dev/null 2>&1 || true
    rm -f "$ready"
    echo "$3"
}
picture picture 选择钢丝绳 docs/selection-windows.png
picture guide 使用说明 docs/guide-windows.png
picture sheet-picture 计算书 docs/sheet-windows.png
