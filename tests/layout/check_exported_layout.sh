#!/usr/bin/env bash
# Lays out the RTF exports of the layout suite in a word processor (LibreOffice, one conversion
# of all of them) and compares each with printing: the page count within a tenth of the word
# processor's (|printed - laid out| <= round(laid out / 10)), A4 paper, and no table column
# laid out a letter a line (four or more lines in a row of one or two characters with a letter).
#   MORVELANK_LAYOUT_OUTPUT: the exports and their "<proceeding>.pages" lists.
set -uo pipefail
out=${MORVELANK_LAYOUT_OUTPUT:-}
[ -n "$out" ] && compgen -G "$out/*.pages" >/dev/null || { echo "no exports to compare" >&2; exit 77; }
command -v soffice >/dev/null && command -v pdfinfo >/dev/null && command -v pdftotext >/dev/null ||
  { echo "soffice, pdfinfo or pdftotext missing" >&2; exit 77; }

pdf=$out/pdf
profile=$(mktemp -d /tmp/morvelank-soffice-XXXXXX)
trap 'rm -rf "$profile"' EXIT
rm -rf "$pdf"
mkdir -p "$pdf"
files=()
while IFS=$'\t' read -r name _; do files+=("$out/$name"); done < <(cat "$out"/*.pages)
soffice -env:UserInstallation="file://$profile" --headless --convert-to pdf --outdir "$pdf" "${files[@]}" >/dev/null 2>&1

faults=0
fault() { echo "$1: $2"; faults=$((faults + 1)); }
printf '%-58s %7s %7s\n' document printed laidout
while IFS=$'\t' read -r name printed; do
  file=$pdf/${name%.rtf}.pdf
  if [ ! -f "$file" ]; then fault "$name" "not laid out"; continue; fi
  info=$(pdfinfo "$file")
  pages=$(sed -n 's/^Pages: *//p' <<<"$info")
  printf '%-58s %7s %7s\n' "$name" "$printed" "$pages"
  tolerance=$(( (pages + 5) / 10 ))
  difference=$(( printed > pages ? printed - pages : pages - printed ))
  [ "$difference" -le "$tolerance" ] || fault "$name" "printed on $printed pages, laid out on $pages"
  grep -Eq '^Page size: *595(\.[0-9]+)? x 841\.[0-9]+ pts|^Page size: *595(\.[0-9]+)? x 842(\.[0-9]+)? pts' <<<"$info" ||
    fault "$name" "not on A4: $(grep '^Page size' <<<"$info")"
  letters=$(pdftotext -enc UTF-8 "$file" - | awk '
    { s = $0; gsub(/^[ \t]+|[ \t]+$/, "", s)
      if (length(s) > 0 && length(s) <= 2 && s ~ /[[:alpha:]]/) { run = run " " s; n++; next }
      if (n >= 4) print run
      run = ""; n = 0 }
    END { if (n >= 4) print run }')
  [ -z "$letters" ] || fault "$name" "a column laid out a letter a line:$(head -n 1 <<<"$letters")"
done < <(cat "$out"/*.pages)
[ "$faults" -eq 0 ] || { echo "$faults faults" >&2; exit 1; }
