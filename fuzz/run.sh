#!/usr/bin/env bash
# Runs every fuzz target for its share of FUZZ_SECONDS (60 in all unless
# given), from its committed corpus. What the run finds goes to a scratch
# corpus in the build folder; FUZZ_MERGE=1 adds the inputs that reach new
# code to the committed corpus afterwards. A crash or a broken property
# leaves its input in <build>/fuzz-findings and fails the run.
# Usage: fuzz/run.sh <build folder of the preset fuzz>
set -euo pipefail

build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
targets=(caption_number registry_lookup png_decoder)
total=${FUZZ_SECONDS:-60}
share=$((total / ${#targets[@]}))
[ "$share" -ge 1 ] || share=1

mkdir -p "$build/fuzz-findings"
for target in "${targets[@]}"; do
    scratch="$build/fuzz-corpus/$target"
    mkdir -p "$scratch"
    options=(-max_total_time="$share" -max_len=4096 -timeout=10 -rss_limit_mb=2048
             -print_final_stats=1 -artifact_prefix="$build/fuzz-findings/$target-")
    [ -f "$here/$target.dict" ] && options+=(-dict="$here/$target.dict")
    echo "== $target for ${share}s"
    # The first folder takes what is found; the committed one is only read.
    "$build/fuzz/${target}_fuzzer" "${options[@]}" "$scratch" "$here/corpus/$target"
    if [ "${FUZZ_MERGE:-0}" = 1 ]; then
        "$build/fuzz/${target}_fuzzer" -merge=1 "$here/corpus/$target" "$scratch"
    fi
done
