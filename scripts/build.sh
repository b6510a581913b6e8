#!/usr/bin/env bash
# Configures (once) and builds. With no argument: the program, its tests and the installation
# folder; with target names (run.sh gives "installation"): only those and what they need.
#   scripts/build.sh [target...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Until a configure succeeds there is no Makefile, even where a failed one left its cache.
if [ ! -f "$build/Makefile" ]; then
  echo "build: configuring the build folder $build"
  cmake -S "$repo" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$repo/cmake/mingw-w64.cmake" \
        -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
targets=()
for target in "$@"; do targets+=(--target "$target"); done
if [ $# -eq 0 ]; then
  echo "build: compiling the program and its tests (the first time takes several minutes)"
else
  echo "build: compiling $* (the first time takes several minutes)"
fi
cmake --build "$build" "${targets[@]}" -j"$(nproc)" -- --no-print-directory
