#!/usr/bin/env bash
# The install tree and the Debian package: exactly the expected files, a
# desktop entry and metadata that validate, the package's control fields,
# and an installed program that starts.
# Usage: install_test.sh <build folder>
set -euo pipefail

build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

id=org.example.klonkatron
DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null

expected=$(cat <<LIST
usr/bin/klonkatron
usr/games/klonkatron
usr/share/applications/$id.desktop
usr/share/doc/klonkatron/changelog.gz
usr/share/doc/klonkatron/copyright
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/man/man6/klonkatron.6.gz
usr/share/metainfo/$id.metainfo.xml
LIST
)
actual=$(cd "$work/root" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)
[ "$actual" = "$(printf '%s\n' "$expected" | LC_ALL=C sort)" ] ||
    fail "install tree differs:$(diff <(printf '%s\n' "$expected" | LC_ALL=C sort) <(printf '%s\n' "$actual"))"
[ "$(readlink "$work/root/usr/games/klonkatron")" = ../bin/klonkatron ] || fail "games link"

desktop-file-validate "$work/root/usr/share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net "$work/root/usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "metadata"
grep -q '<release version="1.05.0002"' "$work/root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metadata release"
grep -q '<project_license>MIT</project_license>' "$work/root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "metadata licence"
# The project, under the MIT licence, maintains the package; the game's own
# credits name its maker only in its windows.
grep -qx 'License: Expat' "$work/root/usr/share/doc/klonkatron/copyright" || fail "copyright licence"
! grep -rq 'Sven Klonk' "$work/root/usr/share/doc" "$work/root/usr/share/metainfo" ||
    fail "the package's documents name the game's maker as its maintainer"

for size in 16 32 48 64 128 256; do
    got=$(identify -format '%wx%h' "$work/root/usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
    [ "$got" = "${size}x${size}" ] || fail "icon $size is $got"
done
# Enlarged pixel for pixel: the 64 image is the 32 image with each pixel doubled.
convert "$work/root/usr/share/icons/hicolor/32x32/apps/$id.png" -filter point -resize 200% \
    "$work/doubled.png"
diff=$(compare -metric AE "$work/doubled.png" \
    "$work/root/usr/share/icons/hicolor/64x64/apps/$id.png" null: 2>&1 || true)
[ "${diff%% *}" = 0 ] || fail "the 64 pixel icon is not the 32 one doubled ($diff)"

# The package.
(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/klonkatron_*.deb)
[ "$(dpkg-deb -f "$deb" Version)" = 1.05.0002 ] || fail "package version"
[ "$(dpkg-deb -f "$deb" Maintainer)" = "The Klonkatron developers <klonkatron@example.org>" ] ||
    fail "package maintainer: $(dpkg-deb -f "$deb" Maintainer)"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in fonts-liberation libqt6widgets6 libc6; do
    [[ "$depends" == *"$needed"* ]] || fail "package does not depend on $needed: $depends"
done
errors=$(lintian "$deb" 2>/dev/null | grep '^E:' || true)
[ -z "$errors" ] || fail "lintian: $errors"

# The installed program starts and keeps running.
QT_QPA_PLATFORM=offscreen "$work/root/usr/bin/klonkatron" &
program=$!
sleep 2
kill -0 $program 2>/dev/null || fail "the installed program did not stay running"
kill $program
echo "install tree and package as expected"
