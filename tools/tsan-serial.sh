#!/usr/bin/env bash
# Builds the serial-port tests with ThreadSanitizer in a folder of their own
# and runs them: the event thread, the device watcher and the port meet there.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEPHRA_TSAN_BUILD:-$root/build-tsan}"
targets=(serial_logic_test serial_port_test serial_pty_test serial_events_test
         serial_enumeration_test serial_capabilities_test)

launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_FLAGS=-fsanitize=thread -DCMAKE_EXE_LINKER_FLAGS=-fsanitize=thread \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}"

names="$(IFS='|'; echo "${targets[*]}")"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir "$build" -R "^(${names})\$" --output-on-failure
