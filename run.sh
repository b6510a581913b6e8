#!/usr/bin/env bash
# Sets up, builds only what running needs, assembles the installation folder and starts
# Morvelank under Wine.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh" installation
exec "$here/scripts/run.sh" "$@"
