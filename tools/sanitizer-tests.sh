#!/usr/bin/env bash
# Builds the tests of the Qt-free core (label "core": record, entry,
# analysis, graphs, reports, acquisition, serial, fuzz replays) with
# AddressSanitizer and UndefinedBehaviorSanitizer into build-asan/ and runs
# them. The tests that run the built programs stay out: those programs carry
# the Qt layers, whose build would double this stage's time, and the fuzz
# targets already take whole wine files through the core under the same
# sanitizers. Any sanitizer report fails the test that caused it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEPHRA_ASAN_BUILD:-$root/build-asan}"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# Unoptimised with line tables only: the quickest build that still gives
# reports with file and line.
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=None "${launcher[@]}" \
    -DCMAKE_CXX_FLAGS="-O0 -g1 -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer" \
    >/dev/null
cmake --build "$build" -j2 --target core_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$build" -L core -j2 --output-on-failure
