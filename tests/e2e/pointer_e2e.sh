#!/usr/bin/env bash
# The hammer pointer in a real X server, at 1x and at 2x: as big as the
# picture at that scale, pointing with the striking face of the hammer's
# head, and clear around the hammer.
# Usage: pointer_e2e.sh <klonkatron executable> <pointer_probe executable>
set -euo pipefail

program=$1
probe=$2

source "$(dirname "$0")/x_session.sh"

# The striking face's colour, opaque, as the probe prints it.
face=fff4f4fc

check_at_scale() {
    local scale=$1
    start_display
    start_game "$program" "$scale"

    # The splash comes first; its "&Ok!" leads to the board.
    local splash
    splash=$(timeout 10 xdotool search --sync --onlyvisible --classname klonkatron | head -n 1)
    [ -n "$splash" ] || fail "the splash did not open at scale $scale"
    sleep 0.5
    xdotool mousemove --window "$splash" $((248 * scale)) $((228 * scale)) click 1

    local board
    board=$(timeout 10 xdotool search --sync --onlyvisible --name '^Klonkatron - By Sven Klonk$' | head -n 1)
    [ -n "$board" ] || fail "the board window did not open at scale $scale"
    sleep 0.5
    # Over the table, away from the buttons: the raised hammer.
    xdotool mousemove --window "$board" $((30 * scale)) $((100 * scale))
    sleep 0.3
    read -r width height xhot yhot pixel < <("$probe")
    local size=$((32 * scale))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "at scale $scale the pointer is ${width}x$height, not ${size}x$size"
    [ "$xhot" = $((3 * scale)) ] && [ "$yhot" = $((14 * scale)) ] ||
        fail "at scale $scale the hot spot is $xhot,$yhot"
    [ "$pixel" = "$face" ] || fail "at scale $scale the hot spot is not on the striking face ($pixel)"

    # The buttons keep the arrow: no longer the hammer's size and hot spot.
    xdotool mousemove --window "$board" $((80 * scale)) $((260 * scale))
    sleep 0.3
    read -r width height xhot yhot pixel < <("$probe")
    [ "$xhot,$yhot" != "$((3 * scale)),$((14 * scale))" ] || fail "a button shows the hammer"

    stop_session
}

check_at_scale 1
check_at_scale 2
echo "the pointer points with the striking face at 1x and 2x"
