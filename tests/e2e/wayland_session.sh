# Shared by the Wayland end-to-end tests (sourced): weston in an X server of
# its own (the X11 backend gives it a seat that xdotool drives), on a socket
# and a run-time folder of its own, and the real program as its client.

source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"

# Starts Xvfb and weston at an output scale (1 unless given), its output 800
# by 600 points, animations off; its process is $weston. The X screen is
# larger than weston's window, which sits at its top-left corner, so that
# the pointer can enter that window (see sync_pointer).
start_weston() {
    wl_scale=${1:-1}
    local width=$((800 * wl_scale)) height=$((600 * wl_scale))
    XVFB_SIZE=$(screen_at_least $((width + 64)) $((height + 64))) start_display
    park_pointer
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
    poll_for 30 weston-debug scene-graph || fail "weston did not start"
    # What weston and its clients say to each other, for has_keys.
    weston-debug --output="$wl_dir/protocol.log" proto 2>/dev/null &
    sync_pointer
}

# The pointer in the corner of the X screen, outside weston's window.
park_pointer() {
    local size
    size=$(xdotool getdisplaygeometry)
    xdotool mousemove $((${size% *} - 1)) $((${size#* } - 1))
}

# Weston's X11 backend moves its own pointer by the X pointer's motion
# relative to where the pointer last entered weston's window; until it sees
# an entry it counts from (0,0), wherever the X server started its pointer.
# So the pointer enters from outside, at the middle of the output, until
# weston's cursor is drawn there: an entry made before weston listened for
# it is made again.
sync_pointer() {
    for _ in 1 2 3 4 5; do
        park_pointer
        xdotool mousemove $((400 * wl_scale)) $((300 * wl_scale))
        poll_for 2 cursor_covers 400 300 && return 0
    done
    fail "weston's pointer is not where the X pointer is: its cursor is at$(cursor_rectangle)"
}

# "x0 y0 x1 y1" of weston's pointer cursor, in points.
cursor_rectangle() {
    scene | awk '/role wl_pointer-cursor/ { found = 1; next }
        found && /position:/ { gsub(/[(),>]/, " "); print " " $2, $3, $5, $6; exit }'
}
# Whether weston draws its pointer's cursor over that point of the output.
cursor_covers() {  # <x> <y> in points
    local x0 y0 x1 y1
    read -r x0 y0 x1 y1 < <(cursor_rectangle) || return 1
    [ "$x0" -le "$1" ] && [ "$1" -lt "$x1" ] && [ "$y0" -le "$2" ] && [ "$2" -lt "$y1" ]
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

# Whether the window with that title takes keys: weston's keyboard entered
# its surface last, and the program has since acknowledged the activation
# that came with the entry and drawn a frame. A key sent before that may
# reach the window before it is active, which drops it.
has_keys() {  # <title>
    local surface
    surface=$(surface_of "$1")
    [ -n "$surface" ] || return 1
    awk -v surface="wl_surface@$surface" '
        /wl_keyboard@[0-9]+\.enter\(/ { entered = index($0, surface ",") > 0; acked = drawn = 0; next }
        /wl_keyboard@[0-9]+\.leave\(/ { entered = 0; next }
        entered && /xdg_surface@[0-9]+\.ack_configure\(/ { acked = 1; next }
        entered && acked && index($0, surface ".commit()") { drawn = 1 }
        END { exit !(entered && drawn) }' "$wl_dir/protocol.log"
}

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
