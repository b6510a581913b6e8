#!/usr/bin/env bash
# The run command's database step: creates both databases when missing, keeps existing ones.
set -euo pipefail
repo=$1
installation=$(mktemp -d)
trap 'rm -rf "$installation"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$repo/scripts/create-databases.sh" "$installation"
db=$installation/DB
[ "$(sqlite3 "$db/morvelank.mdb" "select count(*) from postepowanie; select count(*) from maxid")" = $'0\n0' ] ||
  fail "main database not created from its schema"
[ "$(sqlite3 "$db/rejestry.mdb" "select count(*) from rej_wykonawcow")" = 0 ] ||
  fail "registers database not created from its schema"

# A second run leaves existing databases and their rows alone; a missing one is made again.
sqlite3 "$db/morvelank.mdb" "insert into maxid values (41)"
rm "$db/rejestry.mdb"
"$repo/scripts/create-databases.sh" "$installation"
[ "$(sqlite3 "$db/morvelank.mdb" "select maxid from maxid")" = 41 ] || fail "existing database replaced"
[ -f "$db/rejestry.mdb" ] || fail "missing registers database not recreated"
[ -z "$(find "$db" -name '.*')" ] || fail "temporary files left behind"

if "$repo/scripts/create-databases.sh" "$installation/brak" 2>/dev/null; then
  fail "a missing installation folder was accepted"
fi
echo "create-databases: ok"
