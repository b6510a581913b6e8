#!/usr/bin/env bash
# Creates the empty databases of an installation folder from the shipped schema, each only
# when it is missing: an existing database is never touched.
#   scripts/create-databases.sh <installation folder>
set -euo pipefail

if [ $# -ne 1 ] || [ ! -d "$1" ]; then
  echo "usage: $0 <installation folder>" >&2
  exit 2
fi
schema_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")/../install/DB" && pwd)
db_dir=$1/DB
mkdir -p "$db_dir"

for name in morvelank rejestry; do
  database=$db_dir/$name.mdb
  [ -e "$database" ] && continue
  # Built under a temporary name, so a failed schema never leaves a half-made database.
  partial=$(mktemp "$db_dir/.$name.XXXXXX")
  if ! sqlite3 -bail "$partial" < "$schema_dir/$name.sql"; then
    rm -f "$partial"
    echo "create-databases: cannot create $database from $schema_dir/$name.sql" >&2
    exit 1
  fi
  chmod 644 "$partial"
  mv -n "$partial" "$database"
  rm -f "$partial"
done
