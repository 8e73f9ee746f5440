#!/usr/bin/env bash
# Runs a Windows test program whose windows must show: under Wine, on an X
# server of its own, in the test run's Wine prefix. Its screenshots, where
# it takes any, go to the folder given, as PNG.
# Usage: on_display.sh <test program .exe> [folder for screenshots]
set -euo pipefail

program=$1
shots=${2:-$(mktemp -d)}
mkdir -p "$shots"

source "$(dirname "$0")/../e2e/wine_session.sh"
start_display
trap 'kill $xvfb 2>/dev/null || true' EXIT
start_wine

# Wine's drive Z: is the root of the file system.
KLONKATRON_SHOTS="Z:$shots" timeout 300 "$WINE" "$program"
for bitmap in "$shots"/*.bmp; do
    [ -e "$bitmap" ] || continue
    convert "$bitmap" -alpha off "${bitmap%.bmp}.png" && rm "$bitmap"
done
echo "screenshots in $shots"
