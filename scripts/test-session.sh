#!/usr/bin/env bash
# Inside the virtual display: keep one wineserver for the whole run, then run ctest.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# A default PDF printer for the print tests: cupsd with a cups-pdf queue "PDF", which Wine
# reports as its default printer (set up before Wine starts, so it sees the queue). Jobs land
# as PDF files in MORVELANK_PRINT_OUTPUT_DIR.
if command -v cupsd >/dev/null && command -v lpadmin >/dev/null; then
  if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
    as_root cupsd
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.1; done
  fi
  lpstat -p PDF >/dev/null 2>&1 ||
    as_root lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null
  lpstat -d 2>/dev/null | grep -q ': PDF$' || as_root lpadmin -d PDF
  pdf_out=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  pdf_out=${pdf_out:-'${HOME}/PDF'}
  export MORVELANK_PRINT_OUTPUT_DIR=${pdf_out//'${HOME}'/$HOME}
fi

"$WINESERVER" -p
trap '"$WINESERVER" -k 2>/dev/null' EXIT
# Start Wine's own services now, away from ctest's output pipes: a service started by the
# first test would inherit them and ctest would wait for them to close.
wine wineboot >/dev/null 2>&1 </dev/null
# No window manager runs on the virtual display: Wine places and sizes windows itself, so a
# maximised window really covers the screen.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
cd "$build"
ctest --output-on-failure "$@"
