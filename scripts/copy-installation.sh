#!/usr/bin/env bash
# Makes a fresh installation folder from the build's assembled one: whatever the folder held
# before is removed, and the two databases are created anew from the shipped schema.
#   scripts/copy-installation.sh <assembled installation> <folder>
set -euo pipefail

if [ $# -ne 2 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <assembled installation> <folder>" >&2
  exit 2
fi
rm -rf "$2"
cp -a "$1" "$2"
"$(dirname "${BASH_SOURCE[0]}")/create-databases.sh" "$2"
