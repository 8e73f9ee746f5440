#!/usr/bin/env bash
# The About window of Klonkatron.exe under Wine: its client area at its fixed
# place, and "&System Info..." with Wine's own registry: the tool the MSINFO
# path names (Wine's msinfo32), the box when nothing names one, and the
# MSINFO32.EXE of the folder that "Shared Tools Location" names. Its close
# box closes it without OK's steps.
# Usage: about_e2e.sh <Klonkatron.exe> <stand-in tool .exe> <pointer_probe>
#        [directory for screenshots]
set -euo pipefail

program=$1
probe=$2
pointer_probe=$3
shots=${4:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/wine_session.sh"
start_display
start_wine

path_key='HKLM\Software\Microsoft\Shared Tools\MSInfo'
folder_key='HKLM\Software\Microsoft\Shared Tools Location'
wine_call reg delete "$path_key" /v PATH /f || true
wine_call reg delete "$folder_key" /v MSINFO /f || true

open_board "$program"
click "$board" "$board_client" 240 260
about=$(window_named '^About Klonkatron$')
[ -n "$about" ] || fail "the About window did not open"
sleep 0.5
about_client=$(client_crop "$about" 346 218)
# Its client area's top-left corner at 156, 126 on the screen.
read -r x y < <(xdotool getwindowgeometry "$about" | sed -n 's/.*Position: \([0-9]*\),\([0-9]*\).*/\1 \2/p')
offset=${about_client#*+}
[ $((x + ${offset%+*})),$((y + ${offset#*+})) = 156,126 ] ||
    fail "the About window's client area is not at 156, 126"
shot "$about" "$about_client" about

# Nothing names the tool: the box says so.
click "$about" "$about_client" 292 196
answer_box "Klonkatron Game" Return unavailable

# The MSINFO path names Wine's own tool: its window opens.
wine_call reg add "$path_key" /v PATH /d 'C:\windows\system32\msinfo32.exe' /f
click "$about" "$about_client" 292 196
tool=$(first_window --classname msinfo32)
[ -n "$tool" ] || fail "Wine's system-information tool did not open"
import -window "$tool" "$shots/msinfo32.png"
wine_call taskkill /f /im msinfo32.exe
tool_gone() { ! xdotool search --onlyvisible --classname msinfo32 >/dev/null 2>&1; }
eventually tool_gone || fail "Wine's system-information tool did not end"

# Only a folder under "Shared Tools Location": its MSINFO32.EXE starts.
folder=$WINEPREFIX/drive_c/klonkatron-msinfo
rm -rf "$folder" && mkdir -p "$folder"
cp "$probe" "$folder/MSINFO32.EXE"
wine_call reg delete "$path_key" /v PATH /f
wine_call reg add "$folder_key" /v MSINFO /d 'C:\klonkatron-msinfo' /f
click "$about" "$about_client" 292 196
eventually test -f "$folder/MSINFO32.EXE.ran" || fail "the folder's MSINFO32.EXE was not started"
wine_call reg delete "$folder_key" /v MSINFO /f

about_gone() { ! xdotool search --onlyvisible --name '^About Klonkatron$' >/dev/null 2>&1; }
board_stays() {
    xdotool search --onlyvisible --name '^Klonkatron - By Sven Klonk$' >/dev/null 2>&1 ||
        fail "the board went with the About window"
}

# The close box closes the window and switches no play timer on. One of
# them raises the hammer within 100 ms of a press that lowered it; before
# the start only the release raises it. (A machine too busy to run a timer
# for 1.5 s could hide a fault here, but never fail a sound program.)
click_close_box "$about" "$about_client"
eventually about_gone || fail "the close box did not close the About window"
board_stays
point_at "$board" "$board_client" 4 60
xdotool mousedown 1
eventually lowered_hammer || fail "no lowered hammer under a press after the close box"
sleep 1.5
lowered_hammer || fail "the close box ran OK's steps: a timer raised the hammer"
xdotool mouseup 1

# OK closes the About window; the board stays.
click "$board" "$board_client" 240 260
about=$(window_named '^About Klonkatron$')
[ -n "$about" ] || fail "the About window did not open again"
click "$about" "$about_client" 52 196
eventually about_gone || fail "OK did not close the About window"
board_stays
echo "screenshots in $shots"
