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

# Starts a program, waits for its "ready" and a second more, and appends to
# FILE the processor time it used over SECONDS after that (nanoseconds) and
# its peak resident set at the end (KiB).
#   measure_running SECONDS FILE PROGRAM [ARGS...]
measure_running() {
    local seconds=$1 file=$2
    shift 2
    local out=$work/out
    "$@" >"$out" 2>/dev/null &
    local pid=$! tries=0
    until grep -qx ready "$out"; do
        kill -0 "$pid" 2>/dev/null || fail "$* ended before it was ready"
        tries=$((tries + 1))
        [ "$tries" -lt 1200 ] || { kill "$pid"; fail "$* was not ready within 120 s"; }
        sleep 0.1
    done
    sleep 1
    local before after peak
    before=$(cpu_ns "$pid")
    sleep "$seconds"
    after=$(cpu_ns "$pid")
    peak=$(awk '/^VmHWM/ {print $2}' /proc/"$pid"/status)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$((after - before)) $peak" >>"$file"
}

# The median of a column of numbers (the mean of the middle two for an even
# count).
median() {
    sort -g | awk '{v[NR] = $1} END {
        if (NR == 0) exit 1
        m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.6g\n", m
    }'
}
