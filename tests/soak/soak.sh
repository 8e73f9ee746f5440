#!/usr/bin/env bash
# The real program under a real X server for SOAK_SECONDS (600 unless
# given), played by a random clicker: the board's places, anywhere on the
# board, its buttons and keys, and the side windows it opens. The program
# must stay alive and keep answering: every CHECK_SECONDS (20) the
# start/pause button must still turn the banner on or off. Its resident
# memory, sampled after a minute of warming up (at half time in runs shorter
# than two minutes) and at the end, may grow by less than 2 MiB.
# The clicks are seeded by SOAK_SEED (else the clock); the seed is printed.
# Exit, which ends the game, and "&System Info...", which starts another
# program, are never clicked.
# Usage: soak.sh <klonkatron executable>
set -euo pipefail

program=$1
seconds=${SOAK_SECONDS:-600}
check_every=${CHECK_SECONDS:-20}
seed=${SOAK_SEED:-$(($(date +%s) % 32768))}
RANDOM=$seed
warm_up=$((seconds >= 120 ? 60 : seconds / 2))
echo "soak: ${seconds}s, seed $seed (SOAK_SEED=$seed repeats the clicks)"

source "$(dirname "$0")/../e2e/x_session.sh"
source "$(dirname "$0")/board_places.sh"
shots=$(mktemp -d)
start_display
start_game "$program"
trap 'kill $game $xvfb 2>/dev/null || true' EXIT
# A failure leaves the screen as it was in $shots.
soak_fail() {
    import -window root "$shots/screen.png" 2>/dev/null || true
    fail "$* after ${SECONDS}s (seed $seed; the screen is in $shots/screen.png)"
}

# SOAK_TRACE=1 prints every action.
trace() { [ "${SOAK_TRACE:-0}" != 1 ] || echo "${SECONDS}s: $*" >&2; }
act() {
    trace "xdotool $*"
    xdotool "$@"
}
# Keys go to the window that has the input focus, which the program moves
# to every window it shows: each key is sent to a window focused first (the
# About window's Alt+S would start the system-information tool).
key_to() {  # window, keys
    act windowfocus "$1"
    sleep 0.05
    act key --clearmodifiers "${@:2}"
}
alive() { kill -0 "$game" 2>/dev/null && ! grep -q '^State:.*Z' "/proc/$game/status"; }
rss_kib() { awk '/^VmRSS:/ { print $2 }' "/proc/$game/status"; }
pause() { sleep "$(printf '0.%03d' $(((RANDOM % 25 + 5) * 10)))"; }  # 50 to 290 ms
boxes_answered=0
died() {
    local why="the program ended or died"
    [ $boxes_answered -eq 0 ] || why+=" ($boxes_answered message boxes answered: 10000 points?)"
    soak_fail "$why"
}

# --- Start: the splash's "&Ok!" leads to the board.
splash=$(wait_window --classname klonkatron)
[ -n "$splash" ] || fail "the splash window did not open"
sleep 0.5
xdotool mousemove --window "$splash" 248 228 click 1
board=$(wait_window --name "$kBoardName")
[ -n "$board" ] || fail "the board window did not open"
sleep 0.5
SECONDS=0

# --- The side windows, by the name each carries.
about=""
about_rect=""  # left top right bottom on the screen, while the About window is open
side_windows() {
    local id
    for id in $(xdotool search --onlyvisible --classname klonkatron 2>/dev/null || true); do
        [ "$id" = "$board" ] && continue
        echo "$id $(xdotool getwindowname "$id" 2>/dev/null || true)"
    done
}
# Those of the game's side windows among them, the ones to close.
game_windows() {
    local id name x y w h
    while read -r id name; do
        read -r x y w h < <(geometry "$id") || continue
        case "$name" in
            "$kAboutTitle" | "$kBoxTitle" | "$kPictureTitle") echo "$id" ;;
            *) [ "${w}x${h}" != "$kTextSize" ] || echo "$id" ;;
        esac
    done < <(side_windows)
}
# X Y WIDTH HEIGHT of a window on the screen; nothing once it has gone, as
# a window listed a moment ago may have (a box answered, a window closed).
geometry() {
    local shell X= Y= WIDTH= HEIGHT= SCREEN= WINDOW=
    shell=$(xdotool getwindowgeometry --shell "$1" 2>/dev/null) || return 0
    eval "$shell"
    [ -z "$X" ] || echo "$X $Y $WIDTH $HEIGHT"
}
note_about() {
    local x y w h
    read -r x y w h < <(geometry "$1") || return 0
    about=$1
    about_rect="$x $y $((x + w)) $((y + h))"
}

# Acts on each open side window, or leaves it open for a while (they are
# modeless; the board goes on behind them). With `all`, closes every one.
handle_side_windows() {
    local id name x y w h
    about="" about_rect=""
    while read -r id name; do
        [ -n "$id" ] || continue
        read -r x y w h < <(geometry "$id") || continue
        trace "side window $id \"$name\" ${w}x${h}+$x+$y"
        case "$name" in
            "$kAboutTitle")
                note_about "$id"
                [ "${1:-}" = all ] || [ $((RANDOM % 3)) -eq 0 ] || continue
                case $((RANDOM % 4)) in
                    0) act mousemove --window "$id" "${kAboutOk[@]}" click 1 ;;
                    1) key_to "$id" Return ;;
                    2) key_to "$id" Escape ;;
                    # The emblem opens the picture window, unless that is the end.
                    *) if [ "${1:-}" = all ]; then
                           act mousemove --window "$id" "${kAboutOk[@]}" click 1
                       else
                           act mousemove --window "$id" "${kAboutEmblem[@]}" click 1
                       fi ;;
                esac
                ;;
            "$kBoxTitle")
                # Only the end of the game shows a box here; answer it.
                boxes_answered=$((boxes_answered + 1))
                echo "a message box at ${SECONDS}s; answered with Return"
                key_to "$id" Return
                ;;
            "$kPictureTitle")
                [ "${1:-}" = all ] || [ $((RANDOM % 2)) -eq 0 ] || continue
                # Any click closes it; low in the window, clear of the About window.
                act mousemove --window "$id" $((w / 2)) $((h - 8)) click 1
                ;;
            *)  # the text window; tool tips and the like are left alone
                [ "${w}x${h}" = "$kTextSize" ] || continue
                [ "${1:-}" = all ] || [ $((RANDOM % 2)) -eq 0 ] || continue
                act mousemove --window "$id" "${kTextOk[@]}" click 1
                ;;
        esac
        sleep 0.1
    done < <(side_windows)
    return 0
}

# --- Points on the board that are safe to click: never on Exit, and never
# where the About window lies over the board.
inside() {  # x y left top right bottom
    [ "$1" -ge "$3" ] && [ "$1" -lt "$5" ] && [ "$2" -ge "$4" ] && [ "$2" -lt "$6" ]
}
board_x=0 board_y=0
safe() {  # a point of the board's client area
    inside "$1" "$2" "${kExitRect[@]}" && return 1
    if [ -n "$about_rect" ]; then
        # shellcheck disable=SC2086
        inside $((board_x + $1)) $((board_y + $2)) $about_rect && return 1
    fi
    return 0
}
point=()
random_point() {  # on a place (`place`) or anywhere on the board
    local x y
    while :; do
        if [ "${1:-}" = place ]; then
            read -r x y <<<"${kPlaces[RANDOM % ${#kPlaces[@]}]}"
            x=$((x + RANDOM % kPlaceSize)) y=$((y + RANDOM % kPlaceSize))
        else
            x=$((RANDOM % kBoardWidth)) y=$((RANDOM % kBoardHeight))
        fi
        safe "$x" "$y" && break
    done
    point=("$x" "$y")
}
click_board() { act mousemove --window "$board" "$1" "$2" click 1; }
wait_for_about() {
    local id
    id=$(timeout 5 xdotool search --sync --onlyvisible --name "^$kAboutTitle\$" | head -n 1) ||
        soak_fail "the About window did not open"
    note_about "$id"
}

board_action() {
    local roll=$((RANDOM % 100))
    if [ $roll -lt 30 ]; then
        random_point place && click_board "${point[@]}"
    elif [ $roll -lt 60 ]; then
        random_point && click_board "${point[@]}"
    elif [ $roll -lt 68 ]; then
        safe "${kStartPause[@]}" && click_board "${kStartPause[@]}"
    elif [ $roll -lt 71 ]; then
        safe "${kAboutButton[@]}" && click_board "${kAboutButton[@]}" && wait_for_about
    elif [ $roll -lt 79 ]; then
        safe "${kFace[@]}" && click_board "${kFace[@]}"
    elif [ $roll -lt 87 ]; then
        # Down on one point, up on another: the pointer and the capture.
        random_point place
        act mousemove --window "$board" "${point[@]}" mousedown 1
        sleep 0.1
        random_point
        act mousemove --window "$board" "${point[@]}" mouseup 1
    elif [ $roll -lt 93 ]; then
        # Over the text buttons, which turn bold.
        act mousemove --window "$board" "${kStartPause[@]}" sleep 0.1 \
            mousemove --window "$board" "${kAboutButton[@]}"
    elif [ $roll -lt 97 ]; then
        if [ $((RANDOM % 2)) -eq 0 ]; then key_to "$board" Return; else key_to "$board" alt+s; fi
    else
        key_to "$board" alt+a && wait_for_about
    fi
    return 0
}

# --- Is the program still answering? With every side window closed, the
# start/pause button must turn the banner on or off.
banner_shown() {
    import -window "$board" "$shots/board.png"
    local yellow
    yellow=$(convert "$shots/board.png" -crop "$kBannerCrop" +repage -fill black +opaque "#FFFF00" \
        -fill white -opaque "#FFFF00" -format '%[fx:round(mean*w*h)]' info:-)
    [ "$yellow" -gt 100 ]
}
check_answers() {
    local tries
    for tries in $(seq 20); do
        [ -z "$(game_windows)" ] && break
        handle_side_windows all
        sleep 0.2
    done
    [ -z "$(game_windows)" ] || soak_fail "side windows stayed open"
    about="" about_rect=""
    local before now
    if banner_shown; then before=on; else before=off; fi
    click_board "${kStartPause[@]}"
    for tries in $(seq 30); do
        sleep 0.1
        if banner_shown; then now=on; else now=off; fi
        [ "$now" = "$before" ] || return 0
    done
    soak_fail "the banner stayed $before after a click on start/pause"
}

# --- The run.
read -r board_x board_y _ _ < <(geometry "$board")
rss_start=""
next_check=$check_every
actions=0
while [ $SECONDS -lt "$seconds" ]; do
    alive || died
    handle_side_windows
    board_action
    actions=$((actions + 1))
    pause
    if [ -z "$rss_start" ] && [ $SECONDS -ge $warm_up ]; then
        rss_start=$(rss_kib)
        echo "resident memory after ${SECONDS}s: ${rss_start} KiB"
    fi
    if [ $SECONDS -ge $next_check ]; then
        alive || died
        check_answers
        echo "${SECONDS}s: answering, ${actions} actions, resident $(rss_kib) KiB"
        next_check=$((SECONDS + check_every))
    fi
done
alive || died
check_answers
rss_end=$(rss_kib)
[ -n "$rss_start" ] || rss_start=$rss_end
growth=$((rss_end - rss_start))
echo "resident memory at the end: ${rss_end} KiB, a change of ${growth} KiB since ${warm_up}s"
[ $growth -lt 2048 ] || soak_fail "resident memory grew by ${growth} KiB (2048 allowed)"
echo "soak passed: ${actions} actions in ${SECONDS}s"
rm -rf "$shots"
