#!/usr/bin/env bash
# Runs every end-to-end test several rounds in a row the way a fresh machine
# might run them: every processor kept busy by a parallel load, the X
# screens at another size in each round, and the pointer started somewhere
# else than the middle of the screen. Reports each failure with its log.
# A test that fails here depends on timing, the screen or the pointer, and
# can fail in CI by chance; `make test-e2e-stress` runs this (see
# docs/TESTING.md for when).
# Usage: tools/e2e_stress.sh <build folder> [rounds]
#   STRESS_LOAD    busy processes beside the tests (the number of processors)
#   STRESS_SOAK    seconds of the random clicker per round (60; 0 for none)
# The Windows program's tests run too once build/windows-cross is built
# (make test-windows), and the Debian package's install check when root.
set -uo pipefail
cd "$(dirname "$0")/.."

linux_build=$1
rounds=${2:-5}
windows_build=build/windows-cross
load=${STRESS_LOAD:-$(nproc)}
soak_seconds=${STRESS_SOAK:-60}
screens=(1600x1200 1366x768 1920x1080 1280x1024 1440x900)
logs=build/e2e-stress/$(date -u +%Y%m%d-%H%M%S)
mkdir -p "$logs"

[ -x "$linux_build/program/klonkatron" ] || { echo "no program in $linux_build: run make first" >&2; exit 2; }
have_windows=no
[ -f "$windows_build/CTestTestfile.cmake" ] && [ -f "$windows_build/program/Klonkatron.exe" ] &&
    have_windows=yes
[ $have_windows = yes ] || echo "build/windows-cross is not built: Klonkatron.exe's tests are left out"

# The load: busy loops at the lowest priority still take whatever processor
# time the tests leave.
busy=()
for _ in $(seq "$load"); do
    nice -n 19 sh -c 'while :; do :; done' &
    busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null' EXIT

failures=()
started=$SECONDS
# Runs one job of a round into its log; a failure is remembered with it.
job() {  # <round> <name> <command...>
    local round=$1 name=$2 log="$logs/round-$1-$2.log" begun=$SECONDS
    shift 2
    if "$@" >"$log" 2>&1; then
        echo "round $round: $name passed ($((SECONDS - begun)) s)"
    else
        echo "round $round: $name FAILED ($((SECONDS - begun)) s), log: $log"
        failures+=("round $round, $name: $log")
        # Which tests of a CTest run failed.
        sed -n '/The following tests FAILED/,$p' "$log" | grep -E '\((Failed|Timeout|Not Run)' |
            sed 's/^[[:space:]]*/    /' || true
        grep -h '^FAIL: ' "$log" | sed 's/^/    /' || true
    fi
}

for round in $(seq "$rounds"); do
    export KLONKATRON_E2E_SCREEN=${screens[$(((round - 1) % ${#screens[@]}))]}
    export KLONKATRON_E2E_POINTER=random
    echo "round $round of $rounds: screens $KLONKATRON_E2E_SCREEN, $load busy processes"
    job "$round" linux ctest --test-dir "$linux_build" --output-on-failure -R '^(e2e|packaging)\.'
    if [ $have_windows = yes ]; then
        job "$round" windows ctest --test-dir "$windows_build" --output-on-failure -R '^windows\.e2e\.'
    fi
    if [ "$soak_seconds" -gt 0 ]; then
        job "$round" soak env SOAK_SECONDS="$soak_seconds" tests/soak/soak.sh "$linux_build/program/klonkatron"
    fi
    if [ "$(id -u)" -eq 0 ]; then
        deb=$(ls "$linux_build"/klonkatron_*.deb 2>/dev/null | head -n 1)
        if [ -n "$deb" ]; then
            job "$round" package tests/packaging/deb_install_check.sh "$deb" "$logs/package-$round"
        fi
    fi
done

echo "$rounds rounds in $(((SECONDS - started) / 60)) min; logs in $logs"
if [ ${#failures[@]} -gt 0 ]; then
    echo "${#failures[@]} failed:"
    printf '  %s\n' "${failures[@]}"
    exit 1
fi
echo "no failures"
