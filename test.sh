#!/usr/bin/env bash
# Sets up, builds and runs every test; exits non-zero when any test fails.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
exec "$here/scripts/test.sh" "$@"
