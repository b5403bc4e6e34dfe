#!/usr/bin/env bash
# Builds the tests of the Qt-free core (label "core": record, entry,
# analysis, graphs, reports, acquisition, serial) in the sanitizer build
# build-fuzz/ (clang, AddressSanitizer and UndefinedBehaviorSanitizer on every
# file; the fuzz targets of tools/fuzz.sh share it) and runs them. The tests
# that run the built programs stay out: those programs carry the Qt layers,
# and the fuzz targets already take whole wine files through the core under
# the same sanitizers. Any sanitizer report fails the test that caused it.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEPHRA_FUZZ_BUILD:-$root/build-fuzz}"
source "$root/tools/configure.sh"
zephra_configure_sanitizer_build "$build"
cmake --build "$build" -j"$(nproc)" --target core_tests
ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir "$build" -L core -j"$(nproc)" --output-on-failure
