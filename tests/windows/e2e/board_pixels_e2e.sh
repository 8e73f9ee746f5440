#!/usr/bin/env bash
# The board of Klonkatron.exe under Wine, pixel for pixel where the Qt
# program's is the same (pictures, lines, greens; texts and the system's
# controls differ with the font engine and the toolkit), and
# at 192 dots per inch twice the size with every pixel an exact 2 by 2 block.
# Usage: board_pixels_e2e.sh <Klonkatron.exe> <the Qt program's board at 1x (PNG)>
#        [directory for screenshots]
set -euo pipefail

program=$1
reference=$2
shots=${3:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/wine_session.sh"
start_display
start_wine

dpi_key='HKCU\Control Panel\Desktop'
# Points of the board's client area where both programs paint the same:
# the lines of the status panel and under the board, the greens of the
# background, the pictures (the title, the table, a hole, the face, the lamp
# bar, the Exit face).
points=(100,240 8,240 320,240 320,150 320,72 270,216 224,150 224,72 232,112 312,112 270,160
        5,80 215,245 300,60 50,20 150,30 290,30 30,120 40,110 100,170 250,135 277,130
        60,211 180,211)

colour() { convert "$1" -format "%[hex:p{$2}]" info:- | cut -c1-6; }

# Whether a screenshot has the reference's colours at every sample point.
like_reference() {  # <screenshot> <reference>
    for p in "${points[@]}"; do
        [ "$(colour "$1" "$p")" = "$(colour "$2" "$p")" ] || return 1
    done
}

# The board's client area once its lines are painted.
shoot_board() {  # <scale> <screenshot name>
    open_board "$program" "$1"
    painted() {
        shot "$board" "$board_client" "$2"
        [ "$(colour "$shots/$2.png" $((100 * $1)),$((240 * $1)))" = C0C000 ]
    }
    eventually painted "$@" || fail "the board's line was not painted at scale $1"
    stop_program
}

shoot_board 1 board-1x
like_reference "$shots/board-1x.png" "$reference" || fail "the board differs from the Qt program's"

wine_call reg add "$dpi_key" /v LogPixels /t REG_DWORD /d 192 /f
shoot_board 2 board-2x
wine_call reg delete "$dpi_key" /v LogPixels /f
for p in "${points[@]}"; do
    x=${p%,*} y=${p#*,}
    expected=$(colour "$shots/board-1x.png" "$p")
    for corner in "$((2 * x)),$((2 * y))" "$((2 * x + 1)),$((2 * y + 1))"; do
        [ "$(colour "$shots/board-2x.png" "$corner")" = "$expected" ] ||
            fail "at 192 dpi the board's pixel $corner is not the 1x pixel $p"
    done
done
echo "screenshots in $shots"
