#!/usr/bin/env bash
# Installs the Debian packages of debian-build-deps.txt that are missing.
# As root it runs apt-get itself; otherwise it prints the line to run.
set -euo pipefail

list="$(dirname "$0")/debian-build-deps.txt"
missing=()
while read -r package; do
    package="${package%%#*}"
    package="${package//[[:space:]]/}"
    [ -n "$package" ] || continue
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done <"$list"

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update
    apt-get install -y "${missing[@]}"
else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y ${missing[*]}" >&2
    exit 1
fi
