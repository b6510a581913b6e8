#!/usr/bin/env bash
# Runs every test over a fresh Wine prefix for this run. The suites run in parallel, each in a
# Wine session of its own (test-suite-session.sh), as many at a time as there are processors;
# a -j given to this script overrides that.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

export WINEPREFIX=$build/test-wine
"$WINESERVER" -k 2>/dev/null || true
rm -rf "$WINEPREFIX" "$WINEPREFIX-suites"
cp -a "$template_prefix" "$WINEPREFIX"

"$repo/scripts/test-session.sh" -j"$(nproc)" "$@"
