#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer into build-fuzz/
# and runs each for a bounded time, starting from its seed corpus. Any crash,
# sanitizer report, leak or slow input ends the run with an error; the input
# is kept in build-fuzz/artifacts/ (add it to fuzz/regressions/NAME/ once the
# fault is fixed).
#
# Usage: tools/fuzz.sh [NAME|all [SECONDS]]
#   NAME     one target (WineFile, NumberText, WeightReply, SettingsFile,
#            DataCsv, MtSicsReply, AandDReply, OhausReply, SmaReply,
#            ContinuousLine, BalanceProfile, RecoveryJournal); all of them
#            when left out or "all"
#   SECONDS  time per target, default 30
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEPHRA_FUZZ_BUILD:-$root/build-fuzz}"
only="${1:-all}"
seconds="${2:-30}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S "$root" -B "$build" -DZEPHRA_FUZZ=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j2

mkdir -p "$build/artifacts"
for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    [[ "$only" == all || "$only" == "$name" ]] || continue
    # New inputs found by this run go to a scratch corpus, not into the
    # repository's seeds.
    corpus="$build/corpus/$name"
    mkdir -p "$corpus"
    log="$build/fuzz-$name.log"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
        -max_len=4400 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
        "$corpus" "$seeds" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz $name: FAILED (input kept in $build/artifacts/)" >&2
        exit 1
    fi
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz $name: ${runs:-?} inputs in ${seconds} s, no fault"
done
