# Shared by the Wayland end-to-end tests (sourced): weston in an X server of
# its own (the X11 backend gives it a seat that xdotool drives), on a socket
# and a run-time folder of its own, and the real program as its client.

source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# Starts Xvfb and weston at an output scale (1 unless given), its output 800
# by 600 points, animations off; its process is $weston.
start_weston() {
    wl_scale=${1:-1}
    XVFB_SIZE="$((800 * wl_scale))x$((600 * wl_scale))" start_display
    wl_dir=$(mktemp -d)
    export XDG_RUNTIME_DIR=$wl_dir
    export WAYLAND_DISPLAY="klonkatron-$$"
    cat >"$wl_dir/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
panel-position=none
animation=none
close-animation=none
startup-animation=none
focus-animation=none
INI
    weston --backend=x11-backend.so --use-pixman --debug --config="$wl_dir/weston.ini" \
        --socket="$WAYLAND_DISPLAY" --width=800 --height=600 --scale="$wl_scale" \
        >"$wl_dir/weston.log" 2>&1 &
    weston=$!
    trap 'kill ${game:-} $weston $xvfb 2>/dev/null || true; rm -rf "$wl_dir"' EXIT
    wait_for weston-debug scene-graph || fail "weston did not start"
}

# Starts the program as a Wayland client; its standard error goes to
# $wl_dir/game.err, its process is $game.
start_wayland_game() {
    QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR=1 "$1" 2>"$wl_dir/game.err" &
    game=$!
}

scene() { timeout 5 weston-debug scene-graph 2>/dev/null; }

# "x y width height" of the top-level window with that title, in points,
# with its decorations.
window_geometry() {
    scene | awk -v title="top-level window '$1' of" '
        index($0, title) { found = 1; next }
        found && /position:/ {
            gsub(/[(),>-]/, " "); print $2, $3, $4 - $2, $5 - $3; exit }'
}
has_window() { [ -n "$(window_geometry "$1")" ]; }
# The number of the surface that shows the window with that title.
surface_of() { scene | sed -n "s/.*surface ID \([0-9]*\), top-level window '$1' of.*/\1/p" | head -n 1; }

# Clicks at a point of the output, in points.
click_at() { xdotool mousemove $(($1 * wl_scale)) $(($2 * wl_scale)) click 1; }

# The whole output as weston draws it, into a file.
screenshot() {
    (cd "$wl_dir" && rm -f wayland-screenshot-*.png && weston-screenshooter >/dev/null 2>&1 &&
        mv wayland-screenshot-*.png "$1")
}

# Ends the program and the session before the test goes on.
stop_wayland() {
    kill ${game:-} "$weston" "$xvfb" 2>/dev/null || true
    wait ${game:-} "$weston" "$xvfb" 2>/dev/null || true
    rm -rf "$wl_dir"
    trap - EXIT
}
