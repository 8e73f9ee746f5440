#!/usr/bin/env bash
# The hammer pointer of Klonkatron.exe under Wine, as the X server shows it:
# over the board's bare background and over its table the raised hammer,
# while a press lasts the lowered one, each the very picture that `upp` or
# `ner` holds with the Qt program's hot spot; at 192 dots per inch every
# pixel an exact 2 by 2 block and the hot spot doubled. The buttons keep the
# arrow.
# Usage: pointer_e2e.sh <Klonkatron.exe> <pointer_probe> [directory for screenshots]
set -euo pipefail

program=$1
pointer_probe=$2
shots=${3:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/wine_session.sh"
start_display
start_wine

not_a_hammer() { ! raised_hammer "$1" && ! lowered_hammer "$1"; }

check_at_scale() {  # <scale>
    local s=$1
    open_board "$program" "$s"
    # The bare background, left of the title picture.
    point_at "$board" "$board_client" $((4 * s)) $((60 * s))
    eventually raised_hammer "$s" || fail "at scale $s the background shows no raised hammer"
    point_at "$board" "$board_client" $((80 * s)) $((260 * s))
    eventually not_a_hammer "$s" || fail "at scale $s a button shows a hammer"
    # The table, right of the welcome banner.
    point_at "$board" "$board_client" $((215 * s)) $((230 * s))
    eventually raised_hammer "$s" || fail "at scale $s the table shows no raised hammer"
    # Before the game starts no timer raises the hammer: the press decides.
    point_at "$board" "$board_client" $((4 * s)) $((60 * s))
    xdotool mousedown 1
    eventually lowered_hammer "$s" || fail "at scale $s a press shows no lowered hammer"
    xdotool mouseup 1
    eventually raised_hammer "$s" || fail "at scale $s the release shows no raised hammer"
    stop_program
}

dpi_key='HKCU\Control Panel\Desktop'
check_at_scale 1
wine_call reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 192 /f
check_at_scale 2
wine_call reg delete "$dpi_key" /v LogPixels /f
echo "the hammers with their hot spots at 1x and 2x, the arrow over the buttons"
