#!/usr/bin/env bash
# zephra_configure BUILD_DIR [CMAKE_ARGUMENTS...]: configures a build folder of
# ZEPHRA with Ninja and ccache. A folder made by another generator is made
# anew, since CMake cannot switch a folder's generator. Sourced by the other
# scripts.
zephra_configure() {
    local root build="$1"
    shift
    root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
    if [[ -f "$build/CMakeCache.txt" ]] && ! grep -qx "CMAKE_GENERATOR:INTERNAL=Ninja" "$build/CMakeCache.txt"; then
        rm -rf "$build"
    fi
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}

# The sanitizer build (sanitizer-tests.sh, fuzz.sh): clang with
# AddressSanitizer and UndefinedBehaviorSanitizer on every file and the fuzz
# targets as libFuzzer programs, lightly optimised with line tables so that it
# builds quickly and still reports file and line.
zephra_configure_sanitizer_build() {
    zephra_configure "$1" -DZEPHRA_FUZZ=ON -DCMAKE_BUILD_TYPE=None \
        -DCMAKE_CXX_FLAGS="-O1 -g1" -DCMAKE_CXX_COMPILER=clang++
}
