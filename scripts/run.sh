#!/usr/bin/env bash
# Starts the program from its assembled installation folder on the user's display.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

if [ -z "${DISPLAY:-}" ]; then
  echo "run: no display (DISPLAY is empty). Start it from a desktop session," \
       "or under a virtual display: xvfb-run -a ./run.sh" >&2
  exit 1
fi

# Printing needs a running scheduler; a machine with no printer at all gets the PDF queue.
# Printers the machine already has stay as they are.
if command -v lpstat >/dev/null && ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  echo "run: starting the print service (cupsd)"
fi
if start_print_scheduler; then
  if [ -z "$(lpstat -e 2>/dev/null)" ]; then
    echo "run: no printer on this machine: adding the PDF printer"
    add_pdf_printer || echo "run: cannot add the PDF printer; the program will find no printer" >&2
  fi
  if lpstat -p PDF >/dev/null 2>&1; then
    echo "run: the PDF printer writes printed pages to $(pdf_output_folder)"
  fi
else
  echo "run: the print service cannot be started; the program will find no printer" >&2
fi

# Wine leaves the windows to the display's window manager, and each time one hides or closes it
# waits up to two seconds for the manager to withdraw it. On a display without one (a virtual
# display such as xvfb-run's) nobody would: there Wine places and closes the windows itself.
managed=Y
if command -v xprop >/dev/null && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  managed=N
fi
"$repo/scripts/wine-exec" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f \
  >/dev/null 2>&1 </dev/null

echo "run: starting Morvelank under Wine; its window appears in a few seconds"
cd "$installation"
exec "$repo/scripts/wine-exec" morvelank.exe "$@"
