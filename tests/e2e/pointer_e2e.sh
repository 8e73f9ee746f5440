#!/usr/bin/env bash
# The hammer pointer in a real X server, at 1x and at 2x: the very picture
# that `upp` holds, every pixel a scale square, pointing with the striking
# face of the hammer's head; the buttons keep the arrow.
# Usage: pointer_e2e.sh <klonkatron executable> <pointer_probe executable>
set -euo pipefail

program=$1
pointer_probe=$2
shots=$(mktemp -d)

source "$(dirname "$0")/x_session.sh"

check_at_scale() {
    local scale=$1
    start_display
    start_game "$program" "$scale"

    # The splash comes first; its "&Ok!" leads to the board.
    local splash
    splash=$(wait_window --classname klonkatron)
    [ -n "$splash" ] || fail "the splash did not open at scale $scale"
    sleep 0.5
    xdotool mousemove --window "$splash" $((248 * scale)) $((228 * scale)) click 1

    local board
    board=$(wait_window --name '^Klonkatron - By Sven Klonk$')
    [ -n "$board" ] || fail "the board window did not open at scale $scale"
    sleep 0.5
    # Over the table, away from the buttons: the raised hammer.
    xdotool mousemove --window "$board" $((30 * scale)) $((100 * scale))
    wait_for raised_hammer "$scale" || fail "at scale $scale the board shows no raised hammer"

    xdotool mousemove --window "$board" $((80 * scale)) $((260 * scale))
    wait_for eval "! raised_hammer $scale" || fail "at scale $scale a button shows the hammer"

    stop_session
}

check_at_scale 1
check_at_scale 2
echo "the raised hammer with its hot spot at 1x and 2x, the arrow over the buttons"
