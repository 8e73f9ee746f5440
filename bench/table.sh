# Writes the results table of bench/run.sh (sourced; reads the samples in
# $work).

# pass or short: VALUE against LIMIT, "max" (at most) or "min" (at least).
verdict() { awk -v v="$1" -v l="$2" -v k="$3" 'BEGIN {
    ok = (k == "max") ? v <= l : v >= l
    print ok ? "pass" : "**short**"
}'; }
ratio() { awk -v g="$1" -v b="$2" 'BEGIN {printf "%.2f", g / b}'; }
fixed() { awk -v v="$1" -v d="$2" 'BEGIN {printf "%.*f", d, v}'; }

# A row comparing game and baseline: NAME RUN GAME BASE UNIT DIGITS LIMIT.
compared_row() {
    local r
    r=$(ratio "$3" "$4")
    echo "| $1 | $2 | $(fixed "$3" "$6") $5 | $(fixed "$4" "$6") $5 | $r | ≤ $7× | $(verdict "$r" "$7" max) |"
}

# A row of an absolute figure: NAME RUN VALUE TEXT LIMIT-TEXT LIMIT KIND.
absolute_row() {
    echo "| $1 | $2 | $4 | — | — | $5 | $(verdict "$3" "$6" "$7") |"
}

# From a tick log: the worst and the median error (ms) of the ticks of the
# first WINDOW seconds, their count, the larger error of the two timers' last
# ticks, and when those were due (s). Sets worst, med, ticks, drift, last1
# and last2.
#   tick_errors TICKS WINDOW
tick_errors() {
    awk -v window="$2" '$2 <= window * 1e6 {
        err = $3 - $2; if (err < 0) err = -err; print err / 1e3
    }' "$1" >"$work/errors"
    worst=$(sort -g "$work/errors" | tail -n 1)
    med=$(median <"$work/errors")
    ticks=$(wc -l <"$work/errors")
    read -r drift last1 last2 < <(awk '
        { err = $3 - $2; if (err < 0) err = -err; last[$1] = err; due[$1] = $2 }
        END {
            d = (last["Timer1"] > last["Timer2"]) ? last["Timer1"] : last["Timer2"]
            printf "%.3f %d %d\n", d / 1e3, due["Timer1"] / 1e6, due["Timer2"] / 1e6
        }' "$1")
}

# The timer rows of a tick log: TICKS WHAT-RAN.
timer_rows() {
    local worst med drift ticks last1 last2
    tick_errors "$1" "$per_tick_window"
    absolute_row "Worst Timer1/Timer2 tick error, first ${per_tick_window} s" \
        "$2 ($ticks ticks)" "$worst" "$(fixed "$worst" 3) ms" "≤ 2 ms" 2 max
    absolute_row "Median Timer1/Timer2 tick error, first ${per_tick_window} s" \
        "$2" "$med" "$(fixed "$med" 3) ms" "≤ 0.5 ms" 0.5 max
    absolute_row "Drift: last tick against n × interval" \
        "$2, Timer1 at ${last1} s, Timer2 at ${last2} s" "$drift" \
        "$(fixed "$drift" 3) ms" "≤ 5 ms" 5 max
}

# What became of Klonkatron.exe's timers, when they are not in the table.
windows_note() {
    case $windows in
    missing) echo "Klonkatron.exe's timers were not measured: MinGW-w64 or Wine is missing." ;;
    failed) echo "Klonkatron.exe's timers were not measured: its run under Wine failed." ;;
    esac
}

# The web page's rows, from bench/web_page.mjs's figures in $work/web.
web_figure() { awk -v n="$1" '$1 == n {print $2}' "$work/web"; }
web_rows() {
    local single singleGz site siteGz late p95 seconds
    single=$(web_figure single_bytes)
    singleGz=$(web_figure single_gzipped)
    site=$(web_figure site_bytes)
    siteGz=$(web_figure site_gzipped)
    late=$(web_figure lateness_median_ms)
    p95=$(web_figure lateness_p95_ms)
    seconds=$(web_figure play_seconds)
    local kib='{printf "%.0f KiB", v / 1024}'
    absolute_row "Size of the single file" "\`build/web/package/klonkatron.html\`" "$single" \
        "$(awk -v v="$single" "BEGIN $kib")" "≤ 1.5 MiB" 1572864 max
    absolute_row "Size of the single file, gzipped" "\`klonkatron.html\`" "$singleGz" \
        "$(awk -v v="$singleGz" "BEGIN $kib")" "≤ 700 KiB" 716800 max
    echo "| Size of the static site, every file | \`build/web/package/site\` |" \
        "$(awk -v v="$site" "BEGIN $kib") ($(awk -v v="$siteGz" "BEGIN $kib") gzipped) | — | — | — | — |"
    local frame what
    for what in site single; do
        frame=$(web_figure "${what}_first_frame_ms")
        absolute_row "Navigation to the splash's first painted frame" \
            "$([ "$what" = site ] && echo "the static site over HTTP" || echo "the single file from file://"), headless Chromium" \
            "$frame" "$(fixed "$frame" 0) ms" "≤ 300 ms" 300 max
    done
    # Measured beside its yardstick, with no target: an empty page paints
    # no frames, and most of the page's time is the browser making them.
    local page empty
    page=$(web_figure processor_s)
    empty=$(web_figure empty_page_processor_s)
    echo "| Browser's processor time over ${seconds} s, Running, level 9 |" \
        "the page in headless Chromium; baseline: an empty page running the board's always-on timers |" \
        "$(fixed "$page" 2) s | $(fixed "$empty" 2) s | $(ratio "$page" "$empty") | — | — |"
    absolute_row "Median alarm lateness in the page, Running, level 9" \
        "the page in headless Chromium, ${seconds} s ($(web_figure alarms) alarms; 95th percentile $p95 ms)" \
        "$late" "$late ms" "≤ 4 ms" 4 max
}

web_note() {
    case $web in
    missing) echo "The web page was not measured: \`make package-web\` and \`make test-web\` (its browser) have not run." ;;
    failed) echo "The web page was not measured: its run in Chromium failed." ;;
    esac
}

# The median of one google-benchmark figure: NAME FIELD.
micro() {
    jq -r --arg name "$1" --arg field "$2" \
        '.benchmarks[] | select(.run_name == $name and .aggregate_name == "median") | .[$field]' \
        "$work/micro.json"
}

# "Wine 8.0", as the run's Wine said.
wine_version() { sed -n 's/^wine-\([^ ]*\).*/Wine \1/p' "$work/wine.version" 2>/dev/null | grep . || echo Wine; }

column() { awk -v c="$1" -v s="$2" '{print $c / s}' "$3" | median; }

write_results() {
    local startGame startBase
    startGame=$(median <"$work/start.game")
    startBase=$(median <"$work/start.base")
    local cpuBase cpu1 cpu9 memBase mem1 mem9
    cpuBase=$(column 1 1e9 "$work/run.base")
    cpu1=$(column 1 1e9 "$work/run.l1")
    cpu9=$(column 1 1e9 "$work/run.l9")
    memBase=$(column 2 1024 "$work/run.base")
    mem1=$(column 2 1024 "$work/run.l1")
    mem9=$(column 2 1024 "$work/run.l9")
    local press check check9 paint1 paint2 speed simulated
    press=$(micro pressToRepaintRequest real_time)
    check=$(micro levelCheck/score:100 real_time)
    check9=$(micro levelCheck/score:9000 real_time)
    paint1=$(micro paintBoard/scale:1 real_time)
    paint2=$(micro paintBoard/scale:2 real_time)
    speed=$(micro wholeGameAtFastestLevel/iterations:1 simulated_s_per_s)
    simulated=$(micro wholeGameAtFastestLevel/iterations:1 simulated_s)
    local board="board harness"
    {
        echo "# Measured performance"
        echo
        echo "Written by \`make bench\` ($([ "${BENCH_QUICK:-0}" = 1 ] && echo "quick run, BENCH_QUICK=1" || echo "full run"))"
        echo "on $(date -u '+%Y-%m-%d %H:%M UTC'): $(nproc) processors,"
        echo "$(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo), Linux $(uname -r),"
        echo "Qt $(pkg-config --modversion Qt6Core 2>/dev/null || echo 6), load average at the start $(cut -d' ' -f1-3 /proc/loadavg)."
        echo "Medians of $repeats runs each, game and baseline taking turns; how each"
        echo "figure is taken is in \`bench/README.md\`."
        echo
        echo "| Figure | What ran | Game | Baseline | Ratio | Target | Result |"
        echo "|---|---|---|---|---|---|---|"
        compared_row "Start-up to the first painted frame" "\`klonkatron\` (splash)" \
            "$startGame" "$startBase" ms 1 1.25
        compared_row "Peak resident set, Running, level 1" "$board" "$mem1" "$memBase" MiB 1 1.25
        compared_row "Peak resident set, Running, level 9" "$board" "$mem9" "$memBase" MiB 1 1.25
        compared_row "CPU (user + system) over ${cpu_seconds} s, Running, level 1" "$board" \
            "$cpu1" "$cpuBase" s 3 1.5
        compared_row "CPU (user + system) over ${cpu_seconds} s, Running, level 9" "$board" \
            "$cpu9" "$cpuBase" s 3 1.5
        timer_rows "$work/ticks" "$board, level 9"
        [ "$windows" != measured ] ||
            timer_rows "$work/ticks.windows" "Win32 $board under $(wine_version), level 9"
        absolute_row "Mouse press on a place to the repaint request" "in process, Qt offscreen" \
            "$press" "$(fixed "$(awk -v t="$press" 'BEGIN {print t / 1e3}')" 2) µs" "< 50 µs" 50000 max
        absolute_row "One Timer4 tick, score off a threshold" "in process, Qt offscreen" \
            "$check" "$(fixed "$check" 0) ns" "< 10 µs (1 % of its 1 ms)" 10000 max
        absolute_row "One Timer4 tick, score on a threshold" "in process, Qt offscreen" \
            "$check9" "$(fixed "$check9" 0) ns" "< 10 µs (1 % of its 1 ms)" 10000 max
        absolute_row "One paint of the whole board, 1x" "in process, Qt offscreen" \
            "$paint1" "$(fixed "$paint1" 0) µs" "< 1 ms" 1000 max
        absolute_row "One paint of the whole board, 2x" "in process, Qt offscreen" \
            "$paint2" "$(fixed "$paint2" 0) µs" "< 4 ms (4× the pixels)" 4000 max
        absolute_row "Headless simulation speed" \
            "a whole game, 10 min of it at level 9 ($(fixed "$simulated" 0) simulated s)" "$speed" \
            "$(fixed "$speed" 0) simulated s per s" "≥ 1000" 1000 min
        [ "$web" != measured ] || web_rows
        [ "$windows" = measured ] || printf '\n%s\n' "$(windows_note)"
        [ "$web" = measured ] || printf '\n%s\n' "$(web_note)"
        echo
        echo "Wake-ups (context switches of all the process's threads) and processor"
        echo "time per second, ${wake_seconds} s in each state; the yardstick is the baseline window."
        echo
        echo "| State | Platform | Wake-ups/s | Processor ms/s |"
        echo "|---|---|---|---|"
        wakeup_rows "$work/wake"
    } >"$1"
}
