# Shared by the end-to-end tests (sourced): an X server of their own and the
# real program on it.

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polls a command every tenth of a second until it holds, for at most
# SECONDS.
poll_for() {  # <seconds> <command...>
    local seconds=$1
    shift
    for _ in $(seq $((seconds * 10))); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Polls a command for up to ten seconds.
wait_for() { poll_for 10 "$@"; }

# The first shown window that xdotool's search finds, waiting up to ten
# seconds for one; nothing when none came, for the test to say what is
# missing (a failed search must not end a `set -e` script without a word).
wait_window() { timeout 10 xdotool search --sync --onlyvisible "$@" 2>/dev/null | head -n 1 || true; }

# How many pixels differ between two screenshots within a rectangle
# ("WxH+X+Y").
changed_pixels() {
    convert "$1" -crop "$3" +repage "$1.crop.png"
    convert "$2" -crop "$3" +repage "$2.crop.png"
    local n
    n=$(compare -metric AE "$1.crop.png" "$2.crop.png" null: 2>&1 || true)
    rm -f "$1.crop.png" "$2.crop.png"
    echo "${n%% *}"
}

# Starts Xvfb on a free display, whatever else runs on the machine, or on
# the display XVFB_DISPLAY names (":61"), and points DISPLAY at it; its
# process is $xvfb. Its screen is XVFB_SIZE, else KLONKATRON_E2E_SCREEN,
# else 1024x768. A test may not rely on where the server starts its pointer
# (Xvfb's middle of the screen, another server elsewhere):
# KLONKATRON_E2E_POINTER ("x y", or "random") puts it elsewhere at the start.
# The server never resets: by default an X server starts afresh whenever
# its last client leaves, which put the pointer back in the middle the
# moment the xdotool that moved it left, and a client connecting during
# that reset (a window manager started right after the server answered)
# now and then found no display.
start_display() {
    local size=${XVFB_SIZE:-${KLONKATRON_E2E_SCREEN:-1024x768}}
    if [ -n "${XVFB_DISPLAY:-}" ]; then
        Xvfb "$XVFB_DISPLAY" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        export DISPLAY=$XVFB_DISPLAY
    else
        exec {displayfd}<> <(:)
        Xvfb -displayfd "$displayfd" -screen 0 "${size}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb=$!
        local number
        read -r -t 30 number <&"$displayfd" || fail "Xvfb did not start"
        export DISPLAY=":$number"
    fi
    # The server goes with the test, also when it fails before it starts
    # more (a test with its own clean-up kills it there).
    [ -n "$(trap -p EXIT)" ] || trap 'kill $xvfb 2>/dev/null || true' EXIT
    poll_for 30 xdotool getdisplaygeometry || fail "Xvfb on $DISPLAY does not answer"
    case ${KLONKATRON_E2E_POINTER:-} in
        "") ;;
        random) xdotool mousemove $((RANDOM % ${size%x*})) $((RANDOM % ${size#*x})) ;;
        *) xdotool mousemove $KLONKATRON_E2E_POINTER ;;
    esac
}

# A screen size ("WxH") of at least that width and height, or larger where
# KLONKATRON_E2E_SCREEN asks for more.
screen_at_least() {  # <width> <height>
    local asked=${KLONKATRON_E2E_SCREEN:-0x0}
    echo "$((${asked%x*} > $1 ? ${asked%x*} : $1))x$((${asked#*x} > $2 ? ${asked#*x} : $2))"
}

# Where a window of that size ("WxH") is centred on the screen, "x,y".
centred_on_screen() {
    local screen
    screen=$(xdotool getdisplaygeometry)
    echo "$(((${screen% *} - ${1%x*}) / 2)),$(((${screen#* } - ${1#*x}) / 2))"
}

# Starts the program on that display at a scale (1 unless given); its
# process is $game. Both go when the test ends.
start_game() {
    unset QT_QPA_PLATFORM
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=${2:-1} "$1" &
    game=$!
    trap 'kill $game $xvfb 2>/dev/null || true' EXIT
}

# Ends the program and the display before the test goes on.
stop_session() {
    kill "$game" "$xvfb" 2>/dev/null || true
    wait "$game" "$xvfb" 2>/dev/null || true
    trap - EXIT
}

# The pictures the program is drawn from.
art_images=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../art/images" && pwd)

# Whether the X server shows that picture of the art as the pointer, every
# pixel a `scale` square (1 unless given), pointing at the hot spot given in
# the picture's pixels. $pointer_probe reads the pointer back; its pictures
# go to $shots.
pointer_is() {  # <picture> <hot spot x> <hot spot y> [scale]
    local scale=${4:-1} width height x y pixel
    read -r width height x y pixel < <("$pointer_probe" "$shots/pointer.pam") || return 1
    [ "$x,$y" = "$(($2 * scale)),$(($3 * scale))" ] || return 1
    # Clear pixels compared as one colour, whatever colour they hold.
    convert "$shots/pointer.pam" -background magenta -alpha remove "$shots/pointer.png"
    convert "$art_images/$1.png" -sample "$((100 * scale))%" -background magenta -alpha remove \
        "$shots/pointer-expected.png"
    [ "$(compare -metric AE "$shots/pointer.png" "$shots/pointer-expected.png" null: 2>&1)" = 0 ]
}
# The hammers point with the striking face of their heads.
raised_hammer() { pointer_is upp 3 14 "$@"; }
lowered_hammer() { pointer_is ner 5 25 "$@"; }
