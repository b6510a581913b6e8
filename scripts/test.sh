#!/usr/bin/env bash
# Runs every test under one virtual display, with a fresh Wine prefix for this run and one
# wineserver kept alive for all of it.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

test_prefix=$build/test-wine
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$test_prefix"
cp -a "$WINEPREFIX" "$test_prefix"
export WINEPREFIX=$test_prefix

xvfb-run -a -s "-screen 0 1280x1024x24" "$repo/scripts/test-session.sh" "$@"
