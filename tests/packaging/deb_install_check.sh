#!/usr/bin/env bash
# The Debian package on the machine it is installed on: `apt-get install`
# takes it with its dependencies, and the program started by its desktop
# entry's Exec line opens the splash in a real X server. Root only; the
# package is removed again unless KEEP_INSTALLED=1.
# Usage: deb_install_check.sh <package file> [directory for screenshots]
set -euo pipefail

deb=$(realpath "$1")
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"
source "$(dirname "$0")/../e2e/x_session.sh"

[ "$(id -u)" = 0 ] || fail "installing a package needs root"
id=org.example.klonkatron
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$shots/apt-get.log" 2>&1 ||
    fail "apt-get could not install $deb: $(tail -n 5 "$shots/apt-get.log")"
cleanup() {
    kill ${game:-} ${xvfb:-} 2>/dev/null || true
    [ "${KEEP_INSTALLED:-0}" = 1 ] || apt-get remove -y klonkatron >/dev/null 2>&1 || true
}
trap cleanup EXIT
[ "$(dpkg-query -W -f '${Status} ${Version}' klonkatron)" = "install ok installed 1.05.0002" ] ||
    fail "the package is not installed at version 1.05.0002"

# The entry's command, word by word (it has no field codes), found on PATH
# as a desktop shell would.
entry=/usr/share/applications/$id.desktop
read -r -a command <<<"$(sed -n 's/^Exec=//p' "$entry")"
[ "${#command[@]}" -gt 0 ] || fail "$entry has no Exec line"
command -v "${command[0]}" >/dev/null || fail "${command[0]} is not on PATH"

start_display
unset QT_QPA_PLATFORM
QT_QPA_PLATFORM=xcb "${command[@]}" &
game=$!

splash=$(wait_window --classname klonkatron)
[ -n "$splash" ] || fail "the installed program opened no window"
sleep 0.5
[ "$(xdotool getwindowgeometry "$splash" | sed -n 's/.*Geometry: //p')" = 492x279 ] ||
    fail "the installed program's first window is not the 492 by 279 splash"
# Most of the splash is its green backdrop; the rest is its picture and text.
# A window is mapped before it is painted: the test looks until it is.
green_percent() {
    convert "$shots/installed-splash.png" -fill black +opaque '#008000' -fill white \
        -opaque '#008000' -format '%[fx:round(100*mean)]' info:-
}
drawn() {
    import -window "$splash" "$shots/installed-splash.png" &&
        [ "$(green_percent)" -ge 40 ] && [ "$(green_percent)" -le 90 ]
}
wait_for drawn || fail "the splash does not look drawn ($(green_percent)% green)"
kill -0 $game 2>/dev/null || fail "the installed program ended"
echo "installed, started from its desktop entry, splash shown: $shots/installed-splash.png"
