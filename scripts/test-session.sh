#!/usr/bin/env bash
# Prepares the run's Wine prefix and the print queue the suites share, then runs ctest; each
# suite then starts its own display and wineserver over that prefix.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# A default PDF printer for the print tests: cupsd with a cups-pdf queue "PDF", which Wine
# reports as its default printer (set up before Wine starts, so it sees the queue). Jobs land
# as PDF files in MORVELANK_PRINT_OUTPUT_DIR.
if start_print_scheduler && add_pdf_printer; then
  MORVELANK_PRINT_OUTPUT_DIR=$(pdf_output_folder)
  export MORVELANK_PRINT_OUTPUT_DIR
fi

# Settings every suite's session starts from. No window manager runs on the virtual displays:
# Wine places and sizes windows itself, so a maximised window really covers the screen. A
# program that crashes ends with a backtrace on the suite's output, not in a crash dialog that
# nobody answers.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1 </dev/null
# Every session boots Wine afresh: services the program never asks for (event log, network
# drivers, device detection) start only on demand, not as each suite starts.
for service in Eventlog NDIS nsiproxy PlugPlay; do
  wine reg add "HKLM\\System\\CurrentControlSet\\Services\\$service" /v Start /t REG_DWORD /d 3 /f >/dev/null 2>&1 </dev/null
done
# The spooler registers the system's printers once, here: a session that finds them missing
# copies the printer driver into the drive all sessions share, and a suite starting beside it
# then loads a half-written driver and dies before its first line (exit status 5). Any program
# that loads the spooler does; a suite listing its tests is the quickest at hand.
wine "$build/tests/framework/ui/framework_ui_tests.exe" --gtest_list_tests >/dev/null 2>&1 </dev/null
"$WINESERVER" -w
cd "$build"
ctest --output-on-failure "$@"
