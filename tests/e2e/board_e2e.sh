#!/usr/bin/env bash
# The real program in a real X server, used as a person would: pass the
# splash with "&Ok!", start a game, watch a computer pop up, pause, and open
# the text window from the face.
# Usage: board_e2e.sh <klonkatron executable> [directory for screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/x_session.sh"
start_display
start_game "$program"

# The splash comes first, alone; its "&Ok!" leads to the board.
splash=$(wait_window --classname klonkatron)
[ -n "$splash" ] || fail "the splash window did not open"
sleep 0.5
[ "$(xdotool search --onlyvisible --classname klonkatron | wc -l)" -eq 1 ] || fail "more than the splash at start"
xdotool mousemove --window "$splash" 248 228 click 1

board=$(wait_window --name '^Klonkatron - By Sven Klonk$')
[ -n "$board" ] || fail "the board window did not open"
sleep 0.5

shot() { import -window "$board" "$shots/$1.png"; }
# The colour of one pixel of a screenshot, as #RRGGBB.
pixel() { convert "$shots/$1.png" -format "%[hex:p{$2,$3}]" info:- | cut -c1-6; }
# How many pixels of a screenshot, in a rectangle, have exactly that colour.
count() {
    convert "$shots/$1.png" -crop "$2" +repage -fill black +opaque "#$3" -fill white -opaque "#$3" \
        -format '%[fx:round(mean*w*h)]' info:-
}
click() { xdotool mousemove --window "$board" "$1" "$2" click 1; }
# Whether a screenshot taken now shows the yellow banner of Welcome or
# Paused across the board, or none of it; the program repaints when the
# machine lets it, so the tests poll for these.
banner_shown() { shot "$1" && [ "$(count "$1" 200x60+8+100 FFFF00)" -gt 100 ]; }
banner_gone() { shot "$1" && [ "$(count "$1" 200x60+8+100 FFFF00)" -lt 20 ]; }

# Welcome: the client area as designed, "Welcome!" in yellow across the board.
wait_for banner_shown welcome || fail "no welcome banner"
[ "$(identify -format '%wx%h' "$shots/welcome.png")" = 328x280 ] || fail "the board is not 328 by 280"

# Start: the banner goes, and within about three seconds a computer shows.
click 80 260
wait_for banner_gone running || fail "the banner stayed after starting"
# The board's table, where computers pop up (the clock and the seconds
# counter change elsewhere), and the score in the status panel.
table=224x128+0+72
score=81x17+232+96
changed() { changed_pixels "$shots/$1.png" "$shots/$2.png" "$3"; }
struck() { shot struck && [ "$(changed running struck $score)" -gt 0 ]; }
# Strike the first computer seen; a miss (it vanished first) waits for the
# next, for half a minute.
scored=no
give_up=$((SECONDS + 30))
while [ $SECONDS -lt $give_up ]; do
    sleep 0.05
    shot computer
    [ "$(changed running computer $table)" -gt 50 ] || continue
    read -r x y w h < <(compare "$shots/running.png" "$shots/computer.png" -compose Src \
        -highlight-color white -lowlight-color black png:- 2>/dev/null |
        convert - -crop $table +repage -trim -format '%X %Y %w %h\n' info:)
    xdotool mousemove --window "$board" $((${x#+} + w / 2)) $((${y#+} + 72 + h / 2)) click 1
    if poll_for 1 struck; then scored=yes; break; fi
done
[ $scored = yes ] || fail "no computer could be struck for points within half a minute"

# Pause: "Paused..." over the board.
click 80 260
wait_for banner_shown paused || fail "no pause banner"

# Five clicks on the face open the text window.
windows_before=$(xdotool search --onlyvisible --classname klonkatron | wc -l)
for _ in 1 2 3 4 5; do click 251 136; done
more_windows() { [ "$(xdotool search --onlyvisible --classname klonkatron | wc -l)" -gt "$windows_before" ]; }
wait_for more_windows || fail "the face did not open the text window"
import -window root "$shots/text-window.png"

echo "screenshots in $shots"
