#!/usr/bin/env bash
# Reads back the PDF of the proceeding view's print test (its name and page count in
# last-view-print.txt): the whole wrapped header and the footer with the page number on every
# page, the Polish letters intact, no cleaning markers, page-break lines or unticked check box.
set -euo pipefail
out=${MORVELANK_PRINT_OUTPUT_DIR:-}
[ -n "$out" ] && [ -f "$out/last-view-print.txt" ] && command -v pdftotext >/dev/null || exit 77
{ read -r name; read -r pages; } < "$out/last-view-print.txt"
fail() { echo "printed PDF $name: $*" >&2; exit 1; }
[ "$(pdfinfo "$out/$name" | sed -n 's/^Pages: *//p')" = "$pages" ] || fail "not $pages pages"
for ((k = 1; k <= pages; k++)); do
  text=$(pdftotext -enc UTF-8 -f "$k" -l "$k" "$out/$name" -)
  grep -q 'Nagłówek: przetarg nieograniczony' <<<"$text" || fail "page $k: no header"
  grep -q 'ZP.271.1.2025, KONIEC' <<<"$text" || fail "page $k: header cut to one line"
  # The number stands at the footer's end; pdftotext may put it on a line of its own.
  grep -A2 'Stopka: Urząd Gminy Łódź' <<<"$text" | grep -Eq "(^| )$k\$" || fail "page $k: no footer with its number"
done
text=$(pdftotext -enc UTF-8 "$out/$name" -)
grep -q 'Akapit 140: Zażółć gęślą jaźń.' <<<"$text" || fail "Polish letters lost"
grep -q 'Zamawiający: Gmina Łódź.' <<<"$text" || fail "value missing"
! grep -q '\^\^\^\^\^' <<<"$text" || fail "cleaning markers left"
! grep -q 'podział strony' <<<"$text" || fail "page-break line left"
! grep -q 'wniesione' <<<"$text" || fail "unticked check box printed"
