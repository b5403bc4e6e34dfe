#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang and libFuzzer into the
# sanitizer build build-fuzz/ and runs each for a bounded time, starting from
# its seed corpus, as many at once as the machine has cores. Any crash,
# sanitizer report, leak or slow input ends the run with an error; the input
# is kept in build-fuzz/artifacts/ (add it to fuzz/regressions/NAME/ once the
# fault is fixed).
#
# Usage: tools/fuzz.sh [NAME|all [SECONDS]]
#   NAME     one target (WineFile, NumberText, WeightReply, SettingsFile,
#            DataCsv, MtSicsReply, AandDReply, OhausReply, SmaReply,
#            ContinuousLine, BalanceProfile, RecoveryJournal); all of them
#            when left out or "all"
#   SECONDS  time per target, default 30; WineFile, whose inputs take the
#            whole calculation, gets three times as long
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEPHRA_FUZZ_BUILD:-$root/build-fuzz}"
only="${1:-all}"
seconds="${2:-30}"
source "$root/tools/configure.sh"
zephra_configure_sanitizer_build "$build"
cmake --build "$build" -j"$(nproc)" --target fuzz_targets

# fuzz_one NAME: runs one target; prints its line, or its log on a fault.
fuzz_one() {
    local name="$1" time="$seconds"
    [[ "$name" == WineFile ]] && time=$((seconds * 3))
    # New inputs found by this run go to a scratch corpus, not into the
    # repository's seeds.
    local corpus="$build/corpus/$name" log="$build/fuzz-$name.log"
    mkdir -p "$corpus"
    if ! "$build/fuzz/fuzz_$name" -max_total_time="$time" -timeout=20 -rss_limit_mb=2048 \
        -max_len=4400 -print_final_stats=1 -artifact_prefix="$build/artifacts/$name-" \
        "$corpus" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz $name: FAILED (input kept in $build/artifacts/)" >&2
        return 1
    fi
    local runs
    runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")"
    echo "fuzz $name: ${runs:-?} inputs in ${time} s, no fault"
}

mkdir -p "$build/artifacts"
names=()
for seeds in "$root"/fuzz/corpus/*/; do
    name="$(basename "$seeds")"
    [[ "$only" == all || "$only" == "$name" ]] && names+=("$name")
done
# The longest first, then the rest as places free up.
for i in "${!names[@]}"; do
    if [[ "${names[$i]}" == WineFile ]]; then
        names=(WineFile "${names[@]:0:$i}" "${names[@]:$((i + 1))}")
        break
    fi
done
failed=0
running=0
for name in "${names[@]}"; do
    if ((running >= $(nproc))); then
        wait -n || failed=1
        running=$((running - 1))
    fi
    fuzz_one "$name" &
    running=$((running + 1))
done
while ((running > 0)); do
    wait -n || failed=1
    running=$((running - 1))
done
exit "$failed"
