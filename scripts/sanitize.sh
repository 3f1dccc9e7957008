#!/usr/bin/env bash
# Builds the program, its tests and benchmarks with AddressSanitizer and
# UndefinedBehaviorSanitizer into build-asan/ (configured on the first run) and
# runs the whole suite there; non-zero on any finding or failure. A full build
# of its own, about three times as long as build/: run it as a job of its own,
# not from .ci/run. Arguments go to ctest (scripts/sanitize.sh -R tst_diskfile).
set -euo pipefail
cd "$(dirname "$0")/.."
supp="$PWD/scripts/sanitize"
if [[ ! -f build-asan/CMakeCache.txt ]]; then
    flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
    cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
        -DCMAKE_MODULE_LINKER_FLAGS="-fsanitize=address,undefined"
fi
cmake --build build-asan --parallel "${JOBS:-$(nproc)}"
# A finding ends the test that met it with a report on its output, and the
# suite fails. Findings inside libraries the project does not build (the web
# engine, the system's graphics and font libraries) are listed, with why, in
# scripts/sanitize/*.supp.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1:detect_stack_use_after_return=0:suppressions=$supp/asan.supp"
export LSAN_OPTIONS="suppressions=$supp/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:suppressions=$supp/ubsan.supp"
ctest --test-dir build-asan --output-on-failure --parallel "${JOBS:-$(nproc)}" "$@"
