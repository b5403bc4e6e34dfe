#!/usr/bin/env bash
# Sets up and builds ZEPHRA, then runs the whole test suite, the core tests
# again under the address and undefined-behaviour sanitizers, and every fuzz
# target for 10 s, printing how long each stage took. (tools/tsan-serial.sh
# runs the serial tests under ThreadSanitizer; it is left out here to keep
# the run short.)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# stage NAME COMMAND...: runs one stage and says how long it took.
stage() {
    local name="$1" start=$SECONDS
    shift
    "$@"
    echo "stage $name: $((SECONDS - start)) s"
}

stage "set-up and build" source "$root/tools/setup.sh"
# Many tests mostly wait for a balance's schedule or a program's answer:
# twice as many at once as there are cores keeps the cores busy.
stage "tests" ctest --test-dir "$ZEPHRA_BUILD" -j"$(($(nproc) * 2))" --output-on-failure
stage "sanitizer tests" bash "$root/tools/sanitizer-tests.sh"
stage "fuzzing" bash "$root/tools/fuzz.sh" all 10
