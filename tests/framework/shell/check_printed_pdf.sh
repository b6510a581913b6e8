#!/usr/bin/env bash
# Reads back the PDF the printing test left (its name and page count in last-print-test.txt):
# every page has the header and "Strona k z N", the Polish letters came through, and no
# cleaning markers are left.
set -euo pipefail
out=${MORVELANK_PRINT_OUTPUT_DIR:-}
[ -n "$out" ] && [ -f "$out/last-print-test.txt" ] && command -v pdftotext >/dev/null || exit 77
{ read -r name; read -r pages; } < "$out/last-print-test.txt"
text=$(pdftotext -enc UTF-8 "$out/$name" -)
fail() { echo "printed PDF $name: $*" >&2; exit 1; }
[ "$(grep -c 'Nagłówek: Zażółć gęślą jaźń' <<<"$text")" = "$pages" ] || fail "header not on every page"
for ((k = 1; k <= pages; k++)); do
  grep -q "Strona $k z $pages" <<<"$text" || fail "no footer 'Strona $k z $pages'"
done
grep -q 'Akapit 1: Zażółć gęślą jaźń.' <<<"$text" || fail "Polish letters lost"
! grep -q '\^\^\^\^\^' <<<"$text" || fail "cleaning markers left"
