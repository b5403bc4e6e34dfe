#!/usr/bin/env bash
# Sets up and builds ZEPHRA, then runs the whole test suite, the core tests
# again under the address and undefined-behaviour sanitizers, and every fuzz
# target for 10 s. One stage per line. (tools/tsan-serial.sh runs the serial
# tests under ThreadSanitizer; it is left out here to keep the run short.)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"
ctest --test-dir "$ZEPHRA_BUILD" -j"$(nproc)" --output-on-failure
bash "$ZEPHRA_ROOT/tools/sanitizer-tests.sh"
bash "$ZEPHRA_ROOT/tools/fuzz.sh" all 10
