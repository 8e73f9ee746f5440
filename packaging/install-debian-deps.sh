#!/usr/bin/env bash
# Installs the Debian packages of a list that are missing: by default
# debian-build-deps.txt, or the list given; further arguments go to
# apt-get install. As root it runs apt-get itself; otherwise it prints the
# line to run. APT_LISTS_FRESH=1 says the package lists were just updated.
set -euo pipefail

list="${1:-$(dirname "$0")/debian-build-deps.txt}"
shift || true
# A package counts as present when an installed package provides it, as
# another vendor's nodejs provides npm.
provided=" $(dpkg-query -W -f='${db:Status-Abbrev} ${Provides}\n' 2>/dev/null |
    sed -n 's/^ii *//p' | sed 's/([^)]*)//g; s/[,|]/ /g' | tr -s ' \n' ' ') "
missing=()
while read -r package; do
    package="${package%%#*}"
    package="${package//[[:space:]]/}"
    [ -n "$package" ] || continue
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || [[ "$provided" == *" $package "* ]] || missing+=("$package")
done <"$list"

[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing Debian packages: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    [ "${APT_LISTS_FRESH:-0}" = 1 ] || apt-get update
    apt-get install -y "$@" "${missing[@]}"
else
    echo "These Debian packages are missing. Install them with:" >&2
    echo "  sudo apt-get update && sudo apt-get install -y $* ${missing[*]}" >&2
    exit 1
fi
