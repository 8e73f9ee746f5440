#!/usr/bin/env bash
# The real program's start in a real X server: the splash alone, its marquee
# moving, and a character key ending the program before any board opens.
# Usage: splash_e2e.sh <klonkatron executable> [directory for screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/x_session.sh"
start_display
start_game "$program"

splash=$(wait_window --classname klonkatron)
[ -n "$splash" ] || fail "the splash window did not open"
sleep 0.5
[ "$(xdotool getwindowgeometry "$splash" | sed -n 's/.*Geometry: //p')" = 492x279 ] ||
    fail "the splash is not 492 by 279"

# The marquee moves 9 pixels every 100 ms; a busy machine may let a few
# ticks pass before the next frame shows.
import -window "$splash" "$shots/splash-1.png"
moved() {
    import -window "$splash" "$shots/splash-2.png"
    local changed
    changed=$(compare -metric AE "$shots/splash-1.png" "$shots/splash-2.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 50 ]
}
poll_for 5 moved || fail "the marquee did not move"

# A character key ends the program; no board ever shows.
xdotool mousemove --window "$splash" 100 100
xdotool key q  # no window manager: the key goes where the pointer is
for _ in $(seq 30); do
    kill -0 $game 2>/dev/null || break
    sleep 0.1
done
if kill -0 $game 2>/dev/null; then fail "the program did not end at a key on the splash"; fi
wait $game || fail "the program did not end cleanly"
if xdotool search --name '^Klonkatron - By Sven Klonk$' >/dev/null 2>&1; then
    fail "a board was opened"
fi
echo "screenshots in $shots"
