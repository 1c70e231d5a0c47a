# Sourced by the scripts that need a display of their own: start_xvfb installs Xvfb if it is
# missing, starts a private one at 96 dpi, as the window's design, and exports DISPLAY for it;
# stop_xvfb stops it.
xvfb_pid=
start_xvfb() {
    bash "$(dirname "${BASH_SOURCE[0]}")/deps.sh" xvfb
    local dir
    dir=$(mktemp -d /tmp/ropecalc-xvfb.XXXXXX)
    exec 3>"$dir/display"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    exec 3>&-
    for _ in $(seq 100); do [ -s "$dir/display" ] && break; sleep 0.05; done
    if ! [ -s "$dir/display" ]; then
        rm -rf "$dir"
        echo "Xvfb did not start" >&2
        return 1
    fi
    export DISPLAY=":$(cat "$dir/display")"
    rm -rf "$dir"
}
stop_xvfb() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
