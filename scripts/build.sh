#!/usr/bin/env bash
# Configures (once) and builds the program, its tests and the installation folder.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
fi
cmake --build "$build" -j"$(nproc)" -- --no-print-directory
# The two databases of a new installation, created from the shipped schema when missing.
"$repo/scripts/create-databases.sh" "$installation"
