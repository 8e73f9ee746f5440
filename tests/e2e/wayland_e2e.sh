#!/usr/bin/env bash
# The real program as a Wayland client of weston, at an output scale, played
# as a person would: a key on the splash ends it; the splash's "&Ok!" opens
# the board under the title bar the program draws, the face opens the text
# window, the About window closes with Enter and with its close box, and the
# compositor's own maximise of the fixed-size board leaves the game running,
# with no protocol error; a started game scores when computers are struck.
# Usage: wayland_e2e.sh <klonkatron executable> <scale> [directory for screenshots]
set -euo pipefail

program=$1
scale=$2
shots=${3:-$(mktemp -d)}
mkdir -p "$shots"
board_title='Klonkatron - By Sven Klonk'
title_bar=18  # the small title bar the program draws

source "$(dirname "$0")/wayland_session.sh"
source "$(dirname "$0")/../soak/board_places.sh"
start_weston "$scale"
shot() { screenshot "$shots/wayland-$scale-$1.png"; }
no_errors() { ! grep -i "error" "$wl_dir/game.err" || fail "an error on standard error"; }

# A character key on the splash ends the program, cleanly.
start_wayland_game "$program"
wait_for has_window klonkatron || fail "the splash did not open"
wait_for has_keys klonkatron || fail "the splash did not take the keyboard"
xdotool key q
ended() { ! kill -0 "$game"; }
wait_for ended || fail "a key on the splash did not end the program"
wait "$game" || fail "the program did not end with status 0"
no_errors

# The splash again: no title bar, 492 by 279.
start_wayland_game "$program"
wait_for has_window klonkatron || fail "the splash did not open"
read -r x y w h < <(window_geometry klonkatron)
[ "$w x $h" = "492 x 279" ] || fail "the splash is $w by $h with its decorations"
shot splash
click_at $((x + 248)) $((y + 228))

# The board: 328 by 280 under the program's small title bar.
wait_for has_window "$board_title" || fail "\"&Ok!\" did not open the board"
read -r x y w h < <(window_geometry "$board_title")
[ "$w x $h" = "328 x $((280 + title_bar))" ] || fail "the board is $w by $h with its title bar"
cx=$x cy=$((y + title_bar))  # the client area
shot board

# Five clicks on the face open the text window, without a title bar; its
# "&Ok" closes it.
for _ in 1 2 3 4 5; do click_at $((cx + 251)) $((cy + 136)); done
wait_for has_window klonkatron || fail "the face did not open the text window"
read -r tx ty tw th < <(window_geometry klonkatron)
[ "$tw x $th" = "359 x 217" ] || fail "the text window is $tw by $th with its decorations"
shot text
click_at $((tx + 180)) $((ty + 196))
text_gone() { ! has_window klonkatron; }
wait_for text_gone || fail "the text window's \"&Ok\" did not close it"

# The About window: 346 by 218 under its title bar, closed with Enter.
click_at $((cx + 248)) $((cy + 258))
wait_for has_window 'About Klonkatron' || fail "the About window did not open"
read -r ax ay aw ah < <(window_geometry 'About Klonkatron')
[ "$aw x $ah" = "346 x $((218 + title_bar))" ] || fail "the About window is $aw by $ah"
shot about
wait_for has_keys 'About Klonkatron' || fail "the About window did not take the keyboard"
xdotool key Return
about_gone() { ! has_window 'About Klonkatron'; }
wait_for about_gone || fail "Enter did not close the About window"
# Again, and closed by the close box of its drawn title bar.
click_at $((cx + 248)) $((cy + 258))
wait_for has_window 'About Klonkatron' || fail "the About window did not open again"
read -r ax ay aw ah < <(window_geometry 'About Klonkatron')
click_at $((ax + aw - 9)) $((ay + title_bar / 2))
wait_for about_gone || fail "the About window's close box did not close it"

# Weston's own maximise (Super+Shift+M) of the active window: the board
# shows again on a surface of its own, in its normal state.
click_at $((x + 100)) $((y + title_bar / 2))  # the board active again
surface=$(surface_of "$board_title")
xdotool key super+shift+m
shown_anew() { [ -n "$(surface_of "$board_title")" ] && [ "$(surface_of "$board_title")" != "$surface" ]; }
wait_for shown_anew || fail "the board did not survive a maximise: $(cat "$wl_dir/game.err")"
kill -0 "$game" || fail "the program ended"
read -r x y w h < <(window_geometry "$board_title")
[ "$w x $h" = "328 x $((280 + title_bar))" ] || fail "the board is $w by $h after a maximise"
shot after-maximise

# "&Start New Game", then strikes without looking (screenshots through
# weston are slow): each round presses on all nine places, a shown computer
# stays up long enough for one, and every few rounds the score is compared
# with the score at the start.
cx=$x cy=$((y + title_bar))
click_at $((cx + kStartPause[0])) $((cy + kStartPause[1]))
shot started
IFS='x+' read -r sw sh sx sy <<<"$kScoreCrop"
score="$((sw * scale))x$((sh * scale))+$(((cx + sx) * scale))+$(((cy + sy) * scale))"
scored() { [ "$(changed_pixels "$shots/wayland-$scale-started.png" "$shots/wayland-$scale-struck.png" "$score")" -gt 0 ]; }
half=$((kPlaceSize / 2))
give_up=$((SECONDS + 60))
while [ $SECONDS -lt $give_up ]; do
    for _ in 1 2 3 4 5; do
        for place in "${kPlaces[@]}"; do
            read -r px py <<<"$place"
            click_at $((cx + px + half)) $((cy + py + half))
        done
    done
    shot struck
    if scored; then break; fi
done
scored || fail "striking every place for a minute never raised the score"
no_errors
stop_wayland
echo "screenshots in $shots"
