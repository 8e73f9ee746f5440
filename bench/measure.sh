# The measuring steps of bench/run.sh (sourced): an X server of the run's
# own, the process-level samples, and medians.

# The end-to-end tests' X server: a free display, or the one BENCH_DISPLAY
# names.
source "$(dirname "${BASH_SOURCE[0]}")/../tests/e2e/x_session.sh"
fail() { echo "bench: $*" >&2; exit 1; }

# An X server for the whole run, and what the programs need to use it.
prepare_display() {
    XVFB_DISPLAY=${BENCH_DISPLAY:-} start_display
    export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$work/runtime
    unset QT_SCALE_FACTOR
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
}

stop_display() {
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
}

# Nanoseconds on a processor, user and system, of every thread of a process.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ns += $1} END {printf "%.0f", ns}'; }

# Starts a program, its output into OUT, and waits until it prints "ready"
# (it runs as it will go on running) and a second more; its process is
# $ready_pid.
#   start_when_ready OUT PROGRAM [ARGS...]
start_when_ready() {
    local out=$1 tries=0
    shift
    "$@" >"$out" 2>/dev/null &
    ready_pid=$!
    until grep -qx ready "$out"; do
        kill -0 "$ready_pid" 2>/dev/null || fail "$* ended before it was ready"
        tries=$((tries + 1))
        [ "$tries" -lt 1200 ] || { kill "$ready_pid"; fail "$* was not ready within 120 s"; }
        sleep 0.1
    done
    sleep 1
}

# Starts a program, waits for its "ready" and a second more, and appends to
# FILE the processor time it used over SECONDS after that (nanoseconds) and
# its peak resident set at the end (KiB).
#   measure_running SECONDS FILE PROGRAM [ARGS...]
measure_running() {
    local seconds=$1 file=$2
    shift 2
    start_when_ready "$work/out" "$@"
    local pid=$ready_pid before after peak
    before=$(cpu_ns "$pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    peak=$(awk '/^VmHWM/ {print $2}' /proc/"$pid"/status)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((after - before)) $peak" >>"$file"
}

# Enters the cross build's bench Wine prefix, made and served by its
# wine-prefix script and set up as the end-to-end tests set theirs up, with
# Wine's desktop on the run's display; for a measuring subshell, whose end
# stops the prefix's server ($prefix).
#   enter_wine_session WINDOWS_BUILD
enter_wine_session() {
    # shellcheck source=/dev/null
    source "$1/bench/wine.env"
    export WINE WINEPREFIX
    # shellcheck source=tests/windows/e2e/wine_session.sh
    source "$(dirname "${BASH_SOURCE[0]}")/../tests/windows/e2e/wine_session.sh"
    prefix=$1/bench/wine-prefix
    timeout 900 "$prefix" start || return 1
    trap 'timeout 60 "$prefix" stop' EXIT
    # A prefix just made is on disk whole only once its first server stops.
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 60 "$prefix" stop && timeout 900 "$prefix" start || return 1
    fi
    # Waits, too, for the desktop without a display that the server's start
    # leaves behind for a moment: a window made on it would fail.
    start_wine
}

# Klonkatron.exe's board harness under Wine at level 9 for SECONDS, its
# ticks into the file TICKS, on the run's display: in the bench's own Wine
# prefix, made and served by the cross build's wine-prefix script and set up
# as the end-to-end tests set theirs up. What Wine said goes to
# $work/wine.log. A subshell, so that Wine's settings stay in it.
#   measure_windows_timers WINDOWS_BUILD SECONDS TICKS
measure_windows_timers() (
    local bench=$1/bench
    enter_wine_session "$1" || return 1
    timeout 30 "$WINE" --version >"$work/wine.version" 2>/dev/null || true
    # The harness writes through a Windows path: Z: is the root.
    timeout $(($2 + 600)) "$WINE" "$bench/klonkatron_bench_board.exe" 9 "$2" "Z:${3//\//\\}" \
        </dev/null >/dev/null 2>>"$work/wine.log"
)

# The median of a column of numbers (the mean of the middle two for an even
# count).
median() {
    sort -g | awk '{v[NR] = $1} END {
        if (NR == 0) exit 1
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.6g\n", m
    }'
}
