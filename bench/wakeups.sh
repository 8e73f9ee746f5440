#!/usr/bin/env bash
# Wake-ups and processor time of the real programs, state by state (sourced
# by bench/run.sh, which has started the display, or run on its own to set
# builds side by side). A wake-up is a context switch of any thread of the
# program's process, voluntary or not, as /proc/PID/task/*/status counts
# them; processor time is that of the same threads (schedstat).
#   bench/wakeups.sh SECONDS LABEL:BUILD[:WINDOWS_BUILD] ...
# writes one table, the states down and a pair of columns per build. Under
# Wine only the program's own process is read, not the Wine server.

# Context switches and processor nanoseconds of every thread of a process.
task_counters() {
    cat /proc/"$1"/task/*/status 2>/dev/null |
        awk '/ctxt_switches/ {n += $2} END {printf "%d ", n}'
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ns += $1} END {printf "%.0f\n", ns}'
}

# Wake-ups per second and processor milliseconds per second of a process
# over SECONDS, as "WAKEUPS MS".
#   sample_process SECONDS PID
sample_process() {
    local before after
    read -r -a before < <(task_counters "$2")
    sleep "$1"
    read -r -a after < <(task_counters "$2")
    # A thread that ends takes its counts with it: a sum that fell is none.
    awk -v s="$1" -v w0="${before[0]}" -v w1="${after[0]}" -v c0="${before[1]}" -v c1="${after[1]}" \
        'function rate(d) { return d > 0 ? d / s : 0 }
         BEGIN {printf "%.0f %.2f\n", rate(w1 - w0), rate(c1 - c0) / 1e6}'
}

# Moves the pointer to the screen's top-left corner, off every window: the
# board harness's board shows where the program's board was, and the last
# click of the walk through the states leaves the pointer on its About
# button. Under Wine a button the pointer rests on has the system look for
# the pointer again and again (to tell when it leaves), which is not the
# game's work.
park_pointer() { xdotool mousemove 0 0; }

# Clicks a client position of a Qt window (no frame offset: Xvfb has no
# window manager).
qt_click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# The Qt program through its states, each sampled for SECONDS a second
# after it was reached: "STATE WAKEUPS MS" lines into FILE.
#   qt_program_states SECONDS PROGRAM FILE
qt_program_states() {
    local seconds=$1 file=$3 pid splash board
    QT_QPA_PLATFORM=xcb "$2" >/dev/null 2>&1 &
    pid=$!
    splash=$(timeout 60 xdotool search --sync --onlyvisible --classname klonkatron | head -n 1)
    [ -n "$splash" ] || { kill "$pid"; fail "$2: no splash"; }
    sleep 1
    echo "splash $(sample_process "$seconds" "$pid")" >>"$file"
    qt_click "$splash" 248 228
    board=$(timeout 60 xdotool search --sync --onlyvisible --name '^Klonkatron - By Sven Klonk$' | head -n 1)
    [ -n "$board" ] || { kill "$pid"; fail "$2: no board"; }
    sleep 1
    echo "welcome $(sample_process "$seconds" "$pid")" >>"$file"
    qt_click "$board" 80 260 # Start
    sleep 1
    echo "level1 $(sample_process "$seconds" "$pid")" >>"$file"
    qt_click "$board" 80 260 # Pause
    sleep 1
    echo "paused $(sample_process "$seconds" "$pid")" >>"$file"
    qt_click "$board" 80 260  # resume
    qt_click "$board" 240 260 # About: play stops
    sleep 1
    echo "about $(sample_process "$seconds" "$pid")" >>"$file"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# A program that prints "ready" when it runs as it will go on running (the
# board harness at a level, the yardstick): "STATE WAKEUPS MS" into FILE.
#   ready_program_state SECONDS FILE STATE PROGRAM [ARGS...]
ready_program_state() {
    local seconds=$1 file=$2 state=$3 pid
    shift 3
    start_when_ready "$work/wake-out" "$@"
    pid=$ready_pid
    echo "$state $(sample_process "$seconds" "$pid")" >>"$file"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# The process of a Windows program under Wine: by its name, or else the
# Wine process started as PARENT's child.
#   wine_process NAME PARENT
wine_process() { pgrep -n -x "$1" || pgrep -P "$2" | head -n 1; }

# Klonkatron.exe under Wine through the same states, and its board harness
# at level 9, in the cross build's bench prefix. A subshell, so that Wine's
# settings stay in it.
#   wine_program_states SECONDS WINDOWS_BUILD FILE
wine_program_states() (
    local seconds=$1 bench=$2/bench file=$3 exe pid
    # The run's X server is not the program's to stop, as the end-to-end
    # scripts' traps would.
    local xvfb=
    enter_wine_session "$2" || return 1
    open_board "$2/program/Klonkatron.exe" # passes the splash, sampled below
    pid=$(wine_process Klonkatron.exe "$game")
    [ -n "$pid" ] || return 1
    sleep 1
    echo "welcome $(sample_process "$seconds" "$pid")" >>"$file"
    click "$board" "$board_client" 80 260
    sleep 1
    echo "level1 $(sample_process "$seconds" "$pid")" >>"$file"
    click "$board" "$board_client" 80 260
    sleep 1
    echo "paused $(sample_process "$seconds" "$pid")" >>"$file"
    click "$board" "$board_client" 80 260
    click "$board" "$board_client" 240 260
    sleep 1
    echo "about $(sample_process "$seconds" "$pid")" >>"$file"
    stop_program
    # The splash, alone, in a start of its own.
    start_program "$2/program/Klonkatron.exe"
    [ -n "$(first_window --classname klonkatron)" ] || return 1
    pid=$(wine_process Klonkatron.exe "$game")
    [ -n "$pid" ] || return 1
    sleep 1
    echo "splash $(sample_process "$seconds" "$pid")" >>"$file"
    stop_program
    exe=$bench/klonkatron_bench_board.exe
    if [ -f "$exe" ]; then
        park_pointer
        "$WINE" "$exe" 9 </dev/null >"$work/wake-wine-out" 2>/dev/null &
        game=$!
        for _ in $(seq 1800); do
            grep -q ready "$work/wake-wine-out" && break
            sleep 0.1
        done
        pid=$(pgrep -n -x klonkatron_benc || echo "$game")
        sleep 1
        echo "level9 $(sample_process "$seconds" "$pid")" >>"$file"
        kill "$pid" "$game" 2>/dev/null || true
    fi
    timeout 60 "$prefix" stop
    trap - EXIT
)

# Every state of one build into FILE: the Qt program, its board harness at
# level 9, the yardstick, and Klonkatron.exe when a cross build is given.
#   measure_wakeups SECONDS BUILD WINDOWS_BUILD FILE
measure_wakeups() {
    local seconds=$1 build=$2 windows_build=$3 file=$4
    qt_program_states "$seconds" "$build/program/klonkatron" "$file"
    park_pointer
    ready_program_state "$seconds" "$file" level9 "$build/bench/klonkatron_bench_board" 9
    ready_program_state "$seconds" "$file" yardstick "$build/bench/bench_baseline"
    if [ -n "$windows_build" ]; then
        wine_program_states "$seconds" "$windows_build" "$file.wine" ||
            echo "bench: Klonkatron.exe's wake-ups were not measured" >&2
    fi
}

# The table rows of measured builds: one row per state and platform, a pair
# of columns (wake-ups per second, processor ms per second) per file.
#   wakeup_rows FILE...
wakeup_rows() {
    local state platform suffix row file line
    for platform in Linux Wine; do
        suffix=$([ "$platform" = Wine ] && echo .wine || true)
        for state in splash welcome level1 paused about level9 yardstick; do
            row="| $state | $platform |"
            line=
            for file in "$@"; do
                line=$(grep -s "^$state " "$file$suffix" | head -n 1 || true)
                [ -n "$line" ] || { row="$row — | — |"; continue; }
                read -r _ w c <<<"$line"
                row="$row $w | $c |"
            done
            [ "$row" = "| $state | $platform |$(printf ' — | — |%.0s' "$@")" ] || echo "$row"
        done
    done
}

# Run on its own: each LABEL:BUILD[:WINDOWS_BUILD] measured in turn on one
# display, the table to standard output.
if [ "${BASH_SOURCE[0]}" = "$0" ]; then
    set -euo pipefail
    here=$(cd "$(dirname "$0")" && pwd)
    # shellcheck source=bench/measure.sh
    source "$here/measure.sh"
    seconds=$1
    shift
    work=$(mktemp -d)
    prepare_display
    trap 'stop_display; rm -rf "$work"' EXIT
    files=() header="| State | Platform |" rule="|---|---|"
    for entry in "$@"; do
        IFS=: read -r label build windows_build <<<"$entry"
        echo "Wake-ups: $label, ${seconds} s a state" >&2
        measure_wakeups "$seconds" "$build" "${windows_build:-}" "$work/wake.$label"
        files+=("$work/wake.$label")
        header="$header $label wake-ups/s | $label ms/s |"
        rule="$rule---|---|"
    done
    echo "Load while measured: $(cut -d ' ' -f 1-3 /proc/loadavg)"
    echo
    echo "$header"
    echo "$rule"
    wakeup_rows "${files[@]}"
fi
