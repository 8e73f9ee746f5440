#!/usr/bin/env bash
# Runs a Windows test program whose windows must show: under Wine, on an X
# server of its own, in the test run's Wine prefix.
# Usage: on_display.sh <test program .exe>
set -euo pipefail

source "$(dirname "$0")/../e2e/wine_session.sh"
start_display
trap 'kill $xvfb 2>/dev/null || true' EXIT
start_wine
timeout 300 "$WINE" "$1"
