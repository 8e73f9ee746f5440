#!/usr/bin/env bash
# The zip players unpack on Windows: Klonkatron.exe with its read-me, the
# project's licence and the notices of the runtime libraries linked into
# it, every text with Windows line ends.
# Usage: windows_zip_check.sh <cmake> <build folder> <zip>
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake=$1 build=$2 zip=$3
"$cmake" --build "$build" --target package_windows >/dev/null
entries=$(cd "$(dirname "$zip")" && "$cmake" -E tar tf "$zip" | LC_ALL=C sort | tr '\n' ' ')
[ "$entries" = "Klonkatron.exe LICENSE.txt README.txt THIRD-PARTY.txt " ] ||
    fail "the zip holds: $entries"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && "$cmake" -E tar xf "$zip")
for text in LICENSE.txt README.txt THIRD-PARTY.txt; do
    lines=$(wc -l <"$work/$text")
    [ "$(grep -c $'\r$' "$work/$text")" = "$lines" ] || fail "$text has lines without CR LF"
done
grep -q '^MIT License' "$work/LICENSE.txt" || fail "LICENSE.txt is not the MIT licence"
grep -q 'Copyright (c) 2026 The Klonkatron developers' "$work/LICENSE.txt" ||
    fail "LICENSE.txt does not name the project's copyright"
for notice in 'mingw-w64 project' 'Lockless Inc.' 'GCC RUNTIME LIBRARY EXCEPTION'; do
    grep -q "$notice" "$work/THIRD-PARTY.txt" || fail "THIRD-PARTY.txt lacks \"$notice\""
done
echo "the zip holds $entries"
