#!/usr/bin/env bash
# Klonkatron.exe under Wine in a real X server, used as a person would: the
# splash alone with its marquee moving, a character key ending the program,
# "&Ok!" opening the board in its Welcome state, a game started, a computer
# struck for points, and Exit ending the program after the score box and
# "Have a nice day!", with the timers going on under the boxes.
# Usage: program_e2e.sh <Klonkatron.exe> [directory for screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/wine_session.sh"
start_display
start_wine

# The splash comes first, alone, its client area 492 by 279.
start_program "$program"
splash=$(first_window --classname klonkatron)
[ -n "$splash" ] || fail "the splash window did not open"
sleep 0.5
[ "$(xdotool search --onlyvisible --classname klonkatron | wc -l)" -eq 1 ] ||
    fail "more than the splash at start"
splash_client=$(client_crop "$splash" 492 279)
# The marquee moves 9 pixels every 100 ms.
shot "$splash" "$splash_client" splash-1
marquee_moved() {
    shot "$splash" "$splash_client" splash-2
    local changed
    changed=$(compare -metric AE "$shots/splash-1.png" "$shots/splash-2.png" null: 2>&1 || true)
    [ "${changed%% *}" -gt 50 ]
}
eventually marquee_moved || fail "the marquee did not move"

# A character key ends the program; no board ever shows.
xdotool mousemove --window "$splash" 100 100
xdotool key q
expect_end "a key on the splash"
if xdotool search --name '^Klonkatron - By ' >/dev/null 2>&1; then fail "a board was opened"; fi

# Again: "&Ok!" opens the board, 328 by 280, welcoming.
open_board "$program"
eventually banner_shown welcome || fail "no welcome banner"

# Start: the banner goes.
click "$board" "$board_client" 80 260
eventually eval '! banner_shown running' || fail "the banner stayed after starting"

# Strike the first computer seen; a miss (it went first) waits for the next.
# A strike that scores changes the score.
table=224x128+0+72
score=81x17+232+96
# How many pixels differ between two screenshots within a rectangle.
changed() {  # <shot> <shot> <rectangle>
    local n
    n=$(compare -metric AE "$shots/$1.png[$3]" "$shots/$2.png[$3]" null: 2>&1 || true)
    echo "${n%% *}"
}
scored=no
for _ in $(seq 150); do
    shot "$board" "$board_client" computer
    [ "$(changed running computer $table)" -gt 50 ] || continue
    convert "$shots/running.png" -crop $table +repage "$shots/table-before.png"
    convert "$shots/computer.png" -crop $table +repage "$shots/table-after.png"
    read -r x y w h < <(compare "$shots/table-before.png" "$shots/table-after.png" -compose Src \
        -highlight-color white -lowlight-color black png:- 2>/dev/null |
        convert - -trim -format '%X %Y %w %h\n' info:)
    click "$board" "$board_client" $((${x#+} + w / 2)) $((${y#+} + 72 + h / 2))
    shot "$board" "$board_client" struck
    if [ "$(changed running struck $score)" -gt 0 ]; then scored=yes; break; fi
done
[ $scored = yes ] || fail "no computer could be struck for points"

# Exit after play: the score box, "Have a nice day!", then the program
# ends with 0.
sleep 1.5
click "$board" "$board_client" 108 211
answer_box "Your Score..." Return score-box
goodbye=$(window_named '^Klonkatron Game$')
[ -n "$goodbye" ] || fail "no goodbye box titled \"Klonkatron Game\""
# The timers go on under the box: the seconds of play still count.
seconds=94x16+225+222
shot "$board" "$board_client" under-box-1
seconds_counted() {
    shot "$board" "$board_client" under-box-2
    local changed
    changed=$(compare -metric AE "$shots/under-box-1.png[$seconds]" \
        "$shots/under-box-2.png[$seconds]" null: 2>&1 || true)
    [ "${changed%% *}" -gt 0 ]
}
eventually seconds_counted || fail "the timers stopped under the message box"
answer_box "Klonkatron Game" Return goodbye
expect_end "Exit"
echo "screenshots in $shots"
