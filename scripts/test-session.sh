#!/usr/bin/env bash
# Inside the virtual display: keep one wineserver for the whole run, then run ctest.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# A default PDF printer for the print tests: cupsd with a cups-pdf queue "PDF", which Wine
# reports as its default printer (set up before Wine starts, so it sees the queue). Jobs land
# as PDF files in MORVELANK_PRINT_OUTPUT_DIR.
if start_print_scheduler && add_pdf_printer; then
  MORVELANK_PRINT_OUTPUT_DIR=$(pdf_output_folder)
  export MORVELANK_PRINT_OUTPUT_DIR
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
