#!/usr/bin/env bash
# The text window of Klonkatron.exe under Wine: every fifth click on the
# board's face opens it, centred, without a title bar; its text box has the
# focus and takes what is typed; Tab leads to "&Ok", which closes it; the
# next opening shows the text as designed again.
# Usage: text_window_e2e.sh <Klonkatron.exe> [directory for screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/wine_session.sh"
start_display
start_wine

text_box=345x169+8+8
# The program's windows that are not the board.
other_windows() { xdotool search --onlyvisible --classname klonkatron | grep -vx "$board" || true; }
text_shows() { [ -n "$(other_windows)" ]; }
# How many pixels of the text box differ between two screenshots (its caret
# blinks: a line of a few pixels).
text_difference() {  # <screenshot name> <screenshot name>
    local n
    n=$(compare -metric AE "$shots/$1.png[$text_box]" "$shots/$2.png[$text_box]" null: 2>&1 || true)
    echo "${n%% *}"
}
# Whether the text box, shot now, differs from the design text by more
# pixels than the caret, or by fewer.
text_differs() { shot "$text" "$text_client" "$1" && [ "$(text_difference "$1" text-design)" -gt 30 ]; }
text_as_designed() { shot "$text" "$text_client" "$1" && [ "$(text_difference "$1" text-design)" -le 30 ]; }
# The design text painted in full: thousands of dark pixels, and a second
# screenshot that agrees but for the caret.
design_painted() {
    shot "$text" "$text_client" text-design
    [ "$(convert "$shots/text-design.png" -crop "$text_box" +repage -colorspace gray \
        -threshold 50% -negate -format '%[fx:round(mean*w*h)]' info:)" -gt 4000 ] &&
        text_as_designed text-check
}
open_text_window() {
    for _ in 1 2 3 4 5; do click "$board" "$board_client" 251 136; done
    eventually text_shows || fail "five clicks on the face opened no text window"
    text=$(other_windows)
    text_client=$(client_crop "$text" 359 217)
}

open_board "$program"
open_text_window
# No title bar: the frame is as wide at the top as at the sides. Centred.
offset=${text_client#*+}
[ "${offset%+*}" = "${offset#*+}" ] || fail "the text window has a title bar"
read -r x y < <(xdotool getwindowgeometry "$text" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
[ $((x + ${offset%+*})),$((y + ${offset#*+})) = 333,276 ] || fail "the text window is not centred"
eventually design_painted || fail "the text window does not show its text"

# The text box has the focus: what is typed goes into it.
eventually has_focus "$text" || fail "the text window did not get the keys"
xdotool type Klonk
eventually text_differs text-typed || fail "typing did not change the text"

# Tab leads to "&Ok"; Space closes the window, and only it.
xdotool key Tab space
eventually eval '! text_shows' || fail "Tab and Space did not close the text window"
xdotool search --onlyvisible --name '^Klonkatron - By Sven Klonk$' >/dev/null ||
    fail "the board went with the text window"

# Opened again, it has forgotten the typing.
open_text_window
eventually text_as_designed text-again || fail "the text window kept the typed text"
stop_program
echo "screenshots in $shots"
