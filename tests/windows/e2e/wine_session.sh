# Shared by the end-to-end tests of Klonkatron.exe (sourced): an X server of
# their own, and the program started under Wine on that display, in the
# test run's Wine prefix with its server (the fixture wine_prefix). WINE and
# WINEPREFIX come from CTest.

source "$(dirname "${BASH_SOURCE[0]}")/../../e2e/x_session.sh"

export WINEDEBUG=-all
# No Mono and no Gecko: their installers would ask for a download.
export WINEDLLOVERRIDES='mscoree,mshtml='
# The same ANSI code page (1252) on every machine.
export LC_ALL=C

wine_call() { timeout 120 "$WINE" "$@" </dev/null >/dev/null 2>&1; }

# Whether the prefix has a desktop process on another display than ours, on
# none, or on an earlier X server of our display's number. Wine's desktop
# process (explorer.exe) serves every program of the prefix on the display
# it was started with, and goes a few seconds after its last program: one
# started by the prefix's set-up, by a test without X or by the test before
# would keep this test's windows off the screen.
foreign_desktop() {
    local pid environment
    for pid in $(pgrep -f 'explorer\.exe /desktop'); do
        environment=$(tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null) || continue
        grep -qxF "WINEPREFIX=$WINEPREFIX" <<<"$environment" || continue
        grep -qxF "DISPLAY=$DISPLAY" <<<"$environment" || return 0
        [ "$(started "$pid")" -ge "$(started "$xvfb")" ] || return 0
    done
    return 1
}
# When a process started, in clock ticks after the machine's start.
started() { sed 's/.*) //' "/proc/$1/stat" | cut -d ' ' -f 20; }

# Sets the prefix up for programs on a display without a window manager.
start_wine() {
    [ -f "$WINEPREFIX/system.reg" ] || fail "no Wine prefix: the test needs its fixture"
    eventually eval '! foreign_desktop' || fail "Wine's desktop of another display did not end"
    # No wait of 2 s whenever a window hides, and keys reach the window with
    # the focus.
    wine_call reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f ||
        fail "the registry of the prefix cannot be set"
    # A crash ends the program instead of waiting in a dialog.
    wine_call reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    # Every test starts at 96 dots per inch, whatever the one before did.
    wine_call reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f || true
}

# Starts the program on the display; its process is $game. The program and
# the display go when the test ends, and with the display every Windows
# program on it.
start_program() {
    timeout 120 "$WINE" "$1" </dev/null >/dev/null 2>&1 &
    game=$!
    trap 'kill $game $xvfb 2>/dev/null || true' EXIT
}

# Ends the program at once.
stop_program() {
    kill $game 2>/dev/null || true
    wait $game 2>/dev/null || true
}

# Waits for the program to end; fails unless it ends with status 0.
expect_end() {
    for _ in $(seq 300); do
        kill -0 $game 2>/dev/null || break
        sleep 0.1
    done
    kill -0 $game 2>/dev/null && fail "$1: the program did not end"
    wait $game || fail "$1: the program ended with status $?"
}

# The client area of a top-level window in its screenshot, as a crop
# geometry, from the client size the design gives: the frame is as wide at
# the left, the right and the bottom; a title bar adds to the top.
client_crop() {  # <window> <client width> <client height>
    local size width height border
    size=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
    width=${size%x*} height=${size#*x}
    border=$(((width - $2) / 2))
    [ $((width - $2)) -ge 0 ] && [ $(((width - $2) % 2)) -eq 0 ] &&
        [ $((height - $3 - border)) -ge "$border" ] ||
        fail "a window of $size holds no client area of $2 by $3"
    echo "$2x$3+$border+$((height - $3 - border))"
}

# Whether the X server gives the keys to that window: Wine moves the input
# focus a moment after it has shown a window, or hidden the one before.
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }
# The window of the program with that name, once it shows.
window_named() { first_window --name "$1"; }
# The first visible window that xdotool finds with these criteria, waiting
# for it up to two minutes (Wine starts slowly on a busy machine); empty if none.
first_window() { timeout 120 xdotool search --sync --onlyvisible "$@" 2>/dev/null | head -n 1 || true; }
# A screenshot of a window's client area.
shot() {  # <window> <client crop> <name>
    import -window "$1" -crop "$2" +repage "$shots/$3.png"
}
# How many pixels of a screenshot, in a rectangle, have exactly that colour.
count() {
    convert "$shots/$1.png" -crop "$2" +repage -fill black +opaque "#$3" -fill white -opaque "#$3" \
        -format '%[fx:round(mean*w*h)]' info:-
}
# Moves the pointer to a client position of a window.
point_at() {  # <window> <client crop> <x> <y>
    local offset=${2#*+}
    xdotool mousemove --window "$1" $(($3 + ${offset%+*})) $(($4 + ${offset#*+}))
}
# Clicks a client position of a window.
click() {  # <window> <client crop> <x> <y>
    point_at "$@"
    xdotool click 1
    sleep 0.3
}
# Clicks the close box of a window: Wine draws it at the right end of the
# title bar, a square as tall as the bar.
click_close_box() {  # <window> <client crop>
    local size offset border top
    size=$(xdotool getwindowgeometry "$1" | sed -n 's/.*Geometry: //p')
    offset=${2#*+}
    border=${offset%+*} top=${offset#*+}
    xdotool mousemove --window "$1" $((${size%x*} - border - (top - border) / 2 - 1)) \
        $(((top + border) / 2)) click 1
    sleep 0.3
}

# Starts the program and passes the splash with "&Ok!"; the board is
# $board, its client area $board_client. The windows are `scale` times
# their designed size (1 unless given).
open_board() {  # <program> [scale]
    local scale=${2:-1} splash splash_client
    start_program "$1"
    splash=$(first_window --classname klonkatron)
    [ -n "$splash" ] || fail "the splash window did not open"
    sleep 0.5
    splash_client=$(client_crop "$splash" $((492 * scale)) $((279 * scale)))
    click "$splash" "$splash_client" $((248 * scale)) $((228 * scale))
    board=$(window_named '^Klonkatron - By Sven Klonk$')
    [ -n "$board" ] || fail "the board window did not open"
    sleep 0.5
    board_client=$(client_crop "$board" $((328 * scale)) $((280 * scale)))
    eventually has_focus "$board" || fail "the board did not get the keys"
}

# Whether a screenshot of the board, taken now, shows the banner of the
# Welcome or the Paused state (its yellow letters).
banner_shown() {  # <screenshot name>
    shot "$board" "$board_client" "$1"
    [ "$(count "$1" 200x60+8+100 FFFF00)" -gt 100 ]
}

# Answers the message box of that title with a key; fails when none shows.
answer_box() {  # <title> <key> <screenshot name>
    local box
    box=$(window_named "^$1\$")
    [ -n "$box" ] || fail "no message box titled \"$1\""
    import -window "$box" "$shots/$3.png"
    xdotool mousemove --window "$box" 10 10
    xdotool key "$2"
    sleep 0.3
}

# Runs a check until it holds, for at most 20 seconds: the program under
# Wine on a busy machine answers when it can.
eventually() { poll_for 20 "$@"; }
