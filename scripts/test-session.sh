#!/usr/bin/env bash
# Inside the virtual display: keep one wineserver for the whole run, then run ctest.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

"$WINESERVER" -p
trap '"$WINESERVER" -k 2>/dev/null' EXIT
# Start Wine's own services now, away from ctest's output pipes: a service started by the
# first test would inherit them and ctest would wait for them to close.
wine wineboot >/dev/null 2>&1 </dev/null
cd "$build"
ctest --output-on-failure "$@"
