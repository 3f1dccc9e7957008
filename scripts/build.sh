#!/usr/bin/env bash
# Builds into build/ (Release with debug info): everything, or what the arguments to
# `cmake --build` name (scripts/build.sh --target tagpot).
set -euo pipefail
cd "$(dirname "$0")/.."
# Configured once. Later builds run CMake again by themselves when a CMakeLists.txt changed.
if ! grep -qsxF "CMAKE_HOME_DIRECTORY:INTERNAL=$PWD" build/CMakeCache.txt || [[ ! -f build/Makefile && ! -f build/build.ninja ]]; then
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build build --parallel "$(nproc)" "$@"
