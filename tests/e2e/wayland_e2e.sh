#!/usr/bin/env bash
# The real program as a Wayland client of weston, at an output scale, played
# as a person would: the splash's "&Ok!" opens the board, and the
# compositor's own maximise of that fixed-size board leaves the game
# running, with no protocol error.
# Usage: wayland_e2e.sh <klonkatron executable> <scale> [directory for screenshots]
set -euo pipefail

program=$1
scale=$2
shots=${3:-$(mktemp -d)}
mkdir -p "$shots"
board_title='Klonkatron - By Sven Klonk'

source "$(dirname "$0")/wayland_session.sh"
start_weston "$scale"
start_wayland_game "$program"

wait_for has_window klonkatron || fail "the splash did not open"
read -r x y w h < <(window_geometry klonkatron)
click_at $((x + 248)) $((y + 228))
wait_for has_window "$board_title" || fail "\"&Ok!\" did not open the board"

# Weston's own maximise (Super+Shift+M) of the active window: the board
# shows again on a surface of its own, in its normal state.
surface=$(surface_of "$board_title")
xdotool key super+shift+m
shown_anew() { [ -n "$(surface_of "$board_title")" ] && [ "$(surface_of "$board_title")" != "$surface" ]; }
wait_for shown_anew || fail "the board did not survive a maximise: $(cat "$wl_dir/game.err")"
kill -0 "$game" 2>/dev/null || fail "the program ended"
read -r x y w h < <(window_geometry "$board_title")
[ "$w" -lt 400 ] || fail "the board took the maximised size: $w by $h"
screenshot "$shots/wayland-$scale-after-maximise.png"
! grep -i "error" "$wl_dir/game.err" || fail "an error on standard error"
stop_wayland
echo "screenshots in $shots"
