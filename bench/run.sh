#!/usr/bin/env bash
# Measures the game against the baseline window on the same machine in the
# same run and writes the table to bench/results.md.
#   bench/run.sh BUILD_DIR [WINDOWS_BUILD_DIR]
# With the cross build's folder, Klonkatron.exe's timers are measured too,
# under Wine; without it the table says they were not.
# BENCH_QUICK=1 makes every run short, for trying things out; the committed
# table comes from a full run. BENCH_DISPLAY picks the X display to start
# (a free one otherwise).
set -euo pipefail

build=$(cd "$1" && pwd)
windows_build=
[ -z "${2:-}" ] || windows_build=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=bench/measure.sh
source "$here/measure.sh"
# shellcheck source=bench/table.sh
source "$here/table.sh"
# shellcheck source=bench/wakeups.sh
source "$here/wakeups.sh"

if [ "${BENCH_QUICK:-0}" = 1 ]; then
    repeats=3 cpu_seconds=5 fidelity_seconds=20 wake_seconds=3
else
    repeats=5 cpu_seconds=20 fidelity_seconds=300 wake_seconds=10
fi
per_tick_window=$((fidelity_seconds < 60 ? fidelity_seconds : 60))

game=$build/program/klonkatron
board=$build/bench/klonkatron_bench_board
baseline=$build/bench/bench_baseline
probe=$build/bench/first_paint_probe
micro=$build/bench/klonkatron_micro
work=$(mktemp -d)
prepare_display
trap 'stop_display; rm -rf "$work"' EXIT

echo "Start-up: $repeats runs each"
for _ in $(seq "$repeats"); do
    "$probe" "$game" >>"$work/start.game"
    "$probe" "$baseline" >>"$work/start.base"
done

echo "Running: $repeats runs each of ${cpu_seconds} s, baseline and board at levels 1 and 9"
for _ in $(seq "$repeats"); do
    measure_running "$cpu_seconds" "$work/run.base" "$baseline"
    measure_running "$cpu_seconds" "$work/run.l1" "$board" 1
    measure_running "$cpu_seconds" "$work/run.l9" "$board" 9
done

echo "Wake-ups: ${wake_seconds} s in each state of the program, its harness and the baseline"
measure_wakeups "$wake_seconds" "$build" "" "$work/wake"

echo "Timer fidelity: ${fidelity_seconds} s at level 9"
"$board" 9 "$fidelity_seconds" "$work/ticks" >/dev/null

echo "In process: google-benchmark, $repeats repetitions"
"$micro" --benchmark_repetitions="$repeats" \
    --benchmark_report_aggregates_only=true --benchmark_format=json >"$work/micro.json"

windows=missing
if [ -n "$windows_build" ]; then
    echo "Timer fidelity of Klonkatron.exe under Wine: ${fidelity_seconds} s at level 9"
    if measure_windows_timers "$windows_build" "$fidelity_seconds" "$work/ticks.windows" &&
        wine_program_states "$wake_seconds" "$windows_build" "$work/wake.wine"; then
        windows=measured
    else
        windows=failed
        echo "bench: the run under Wine failed; what Wine said:" >&2
        tail -n 20 "$work/wine.log" >&2 || true
    fi
fi

# The web page, where the web build has its package and its tests' browser.
web=missing
web_build=$(cd "$here/.." && pwd)/build/web
if [ -f "$web_build/package/klonkatron.html" ] && [ -d "$web_build/tests/web/node_modules" ]; then
    echo "The web page: sizes, first frames, and ${cpu_seconds} s at level 9 beside an empty page, in headless Chromium"
    if node "$here/web_page.mjs" "$web_build" "$cpu_seconds" >"$work/web"; then
        web=measured
    else
        web=failed
    fi
fi

write_results "$here/results.md"
echo "Wrote $here/results.md"
[ "$windows" != failed ]
