#!/usr/bin/env bash
# The real program under a real X11 window manager (metacity in a D-Bus
# session of its own, or openbox), read back as the window manager sees
# it: the board in the taskbar and the switcher without the boxes its design
# rules out, the side windows out of the taskbar, the frames, the places,
# and closing through the window manager.
# Usage: window_manager_e2e.sh <klonkatron executable> metacity|openbox [directory for screenshots]
set -euo pipefail

program=$1
wm=$2
shots=${3:-$(mktemp -d)}
mkdir -p "$shots"
board_title='Klonkatron - By Sven Klonk'

source "$(dirname "$0")/x_session.sh"
XVFB_SIZE=$(screen_at_least 1280 1024) start_display
case $wm in
    metacity) dbus-run-session -- metacity --replace >"$shots/$wm.log" 2>&1 & ;;
    openbox) openbox >"$shots/$wm.log" 2>&1 & ;;
esac
wm_process=$!
trap 'kill ${game:-} $wm_process $xvfb 2>/dev/null || true' EXIT
# A failure says too whether the window manager is still there, and what it
# said last if not.
fail() {
    kill -0 "$wm_process" 2>/dev/null || echo "$wm has ended: $(tail -n 12 "$shots/$wm.log")" >&2
    echo "FAIL: $*" >&2
    exit 1
}
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"; }
# A server's start waits for a processor on a busy machine.
poll_for 30 wm_ready || fail "$wm did not start: $(tail -n 5 "$shots/$wm.log")"
unset QT_QPA_PLATFORM
QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=1 "$program" &
game=$!

shot() { import -window root "$shots/$wm-$1.png"; }
property() { xprop -id "$1" "$2" 2>/dev/null; }
# The top-left corner of a window's client area on the screen, "x,y".
corner() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {print x "," $4}'; }
client_size() { xwininfo -id "$1" | awk '/Width:/ {w = $2} /Height:/ {print w "x" $2}'; }
visible() { xdotool search --onlyvisible --name "$1" | head -n 1; }
managed() { property "$1" _NET_FRAME_EXTENTS | grep -q =; }
in_switcher() { xprop -root _NET_CLIENT_LIST | grep -qi "$(printf '0x%x' "$1")"; }

# The splash: the dialog frame without a title bar, out of the taskbar.
splash=$(wait_window --classname klonkatron)
[ -n "$splash" ] || fail "the splash did not open"
wait_for managed "$splash" || fail "$wm did not frame the splash"
[ "$(client_size "$splash")" = 492x279 ] || fail "the splash is not 492 by 279"
[ "$(corner "$splash")" = "$(centred_on_screen 492x279)" ] || fail "the splash is not centred: $(corner "$splash")"
property "$splash" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the splash is in the taskbar"
echo "splash frame: $(property "$splash" _NET_FRAME_EXTENTS)"
shot splash
# Closed by the window manager, the splash stays: the "&Ok!" clicked after
# it still opens the board.
wmctrl -i -c "$splash"
xdotool mousemove --window "$splash" 248 228 click 1
board=$(wait_window --name "^$board_title\$")
[ -n "$board" ] || fail "the board did not open after the splash was closed by $wm"

# The board: the game's main window, in the taskbar and the switcher, exactly
# centred, with neither maximise nor minimise.
wait_for managed "$board" || fail "$wm did not frame the board"
[ "$(client_size "$board")" = 328x280 ] || fail "the board is not 328 by 280"
[ "$(corner "$board")" = "$(centred_on_screen 328x280)" ] || fail "the board is not centred: $(corner "$board")"
state=$(property "$board" _NET_WM_STATE)
! grep -q SKIP_ <<<"$state" || fail "the board is out of the taskbar or the pager: $state"
in_switcher "$board" || fail "the board is not in the window list"
actions=$(property "$board" _NET_WM_ALLOWED_ACTIONS)
! grep -q MAXIMIZE <<<"$actions" || fail "the board can be maximised: $actions"
if [ "$wm" = metacity ]; then
    ! grep -q -E "CLOSE|MINIMIZE" <<<"$actions" || fail "the board offers a close or minimise: $actions"
fi
echo "board frame: $(property "$board" _NET_FRAME_EXTENTS); $actions"
shot board

# The About window: its client area at 156,126, out of the taskbar, with a
# close box that closes it alone.
xdotool mousemove --window "$board" 248 258 click 1
about=$(wait_window --name '^About Klonkatron$')
[ -n "$about" ] || fail "the About window did not open"
wait_for managed "$about" || fail "$wm did not frame the About window"
[ "$(client_size "$about")" = 346x218 ] || fail "the About window is not 346 by 218"
if [ "$wm" = metacity ]; then
    [ "$(corner "$about")" = 156,126 ] || fail "the About window is not at 156,126: $(corner "$about")"
fi
property "$about" _NET_WM_STATE | grep -q SKIP_TASKBAR || fail "the About window is in the taskbar"
property "$about" _NET_WM_ALLOWED_ACTIONS | grep -q CLOSE || fail "the About window has no close box"
echo "About frame: $(property "$about" _NET_FRAME_EXTENTS)"
shot about
wmctrl -i -c "$about"
gone() { [ -z "$(visible '^About Klonkatron$')" ]; }
wait_for gone || fail "the About window's close box did not close it"

# The text window, from five clicks on the face: closed by the window
# manager, it stays; its "&Ok" clicked afterwards closes it.
for _ in 1 2 3 4 5; do xdotool mousemove --window "$board" 251 136 click 1; done
text() { xdotool search --onlyvisible --classname klonkatron | grep -v -x -e "$board" -e "$splash" | head -n 1; }
wait_for text || fail "the face did not open the text window"
text_window=$(text)
wait_for managed "$text_window" || fail "$wm did not frame the text window"
shot text
wmctrl -i -c "$text_window"
xdotool mousemove --window "$text_window" 180 196 click 1
text_gone() { ! xwininfo -id "$text_window" 2>/dev/null | grep -q IsViewable; }
wait_for text_gone || fail "the text window's \"&Ok\" did not close it"
kill -0 "$game" || fail "the program ended"

if [ "$wm" = openbox ]; then
    # Openbox insists on a close button: closing the board ends the game.
    wmctrl -i -c "$board"
    ended() { ! kill -0 "$game"; }
    wait_for ended || fail "closing the board did not end the program"
    wait "$game" || fail "the program did not end cleanly"
fi
echo "screenshots in $shots"
