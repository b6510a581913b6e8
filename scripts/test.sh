#!/usr/bin/env bash
# Runs every test under one virtual display, with a fresh Wine prefix for this run and one
# wineserver kept alive for all of it. The suites run in parallel, one process each, as many at
# a time as there are processors; a -j given to this script overrides that.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

export WINEPREFIX=$build/test-wine
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
cp -a "$template_prefix" "$WINEPREFIX"

xvfb-run -a -s "-screen 0 1280x1024x24" "$repo/scripts/test-session.sh" -j"$(nproc)" "$@"
