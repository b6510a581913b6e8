#!/usr/bin/env bash
# Starts the program from its assembled installation folder on the user's display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is empty). Start it from a desktop session," \
       "or under a virtual display: xvfb-run -a ./run.sh" >&2
  exit 1
fi
cd "$installation"
exec "$repo/scripts/wine-exec" morvelank.exe "$@"
