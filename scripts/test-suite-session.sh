#!/usr/bin/env bash
# Runs one test suite (a Windows .exe) in a Wine session of its own: its own virtual display
# and its own wineserver, so the focus, the foreground window, the pointer, the screen size and
# the registry of one suite never reach a suite running beside it. Drive C: is the run's
# prefix's, shared. The run's prefix is WINEPREFIX as test.sh sets it.
#   test-suite-session.sh <suite.exe> [arguments...]
# The session is named after MORVELANK_SESSION, the ctest test, or else the suite. A part of a
# suite (morvelank_test's PRINTING) runs the test groups of the GoogleTest filter in
# MORVELANK_TEST_GROUPS, within a GTEST_FILTER of the user's own.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

run_prefix=$WINEPREFIX
suite=${MORVELANK_SESSION:-$(basename "$1" .exe)}
export WINEPREFIX=$run_prefix-suites/$suite
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
cp -a "$run_prefix"/*.reg "$run_prefix"/.update-timestamp "$run_prefix"/dosdevices "$WINEPREFIX"/
ln -s "$run_prefix/drive_c" "$WINEPREFIX/drive_c"
# Process ids start afresh in every session, and tests name their temporary folders after
# them: each suite gets a temporary folder of its own on the shared drive.
# The registry file writes the folder as C:\\users\\<user>\\Temp.
windows_temp=$(sed -n 's/^"TEMP"="C:\(.*\)"$/\1/p' "$run_prefix/user.reg")
mkdir -p "$run_prefix/drive_c${windows_temp//\\\\//}/$suite"
sed -i "s|^\(\"TE\?MP\"=\".*\)\"\$|\1\\\\\\\\$suite\"|" "$WINEPREFIX/user.reg"

display_file=$WINEPREFIX/display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb=$!
test_pid=

errors=$WINEPREFIX/stderr
end_session() {
  [ -n "$test_pid" ] && kill "$test_pid" 2>/dev/null
  [ -f "$errors" ] && cat "$errors" >&2
  # SIGINT alone ends the session's processes and the server; -w then returns the moment the
  # server is gone. A plain -k polls for that in growing sleeps, up to a second and more a suite.
  "$WINESERVER" -k2 2>/dev/null
  "$WINESERVER" -w 2>/dev/null
  kill "$xvfb" 2>/dev/null
  wait "$xvfb" 2>/dev/null
  rm -rf "$WINEPREFIX"
}
trap end_session EXIT
# ctest ends a suite that runs out of time with a signal: the session goes with it.
trap 'echo "test-suite-session: $suite stopped by a signal" >&2; exit 124' TERM INT

for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
if [ ! -s "$display_file" ]; then
  echo "test-suite-session: the virtual display did not start" >&2
  exit 1
fi
export DISPLAY=:$(head -n 1 "$display_file")

"$WINESERVER" -p
# Wine's own services start now, away from ctest's output pipes: a service started by the
# suite would inherit them and ctest would wait for them to close.
wine wineboot >/dev/null 2>&1 </dev/null

if [ -n "${MORVELANK_TEST_GROUPS:-}" ]; then
  GTEST_FILTER=$("$repo/scripts/test-groups-filter.sh" "$MORVELANK_TEST_GROUPS" "$@") || exit 1
  export GTEST_FILTER
fi

# In the background, so a signal from ctest is handled at once.
"$repo/scripts/wine-exec" "$@" 2>"$errors" &
test_pid=$!
wait "$test_pid"
status=$?
test_pid=
# A process of the session that crashed fails the suite, whatever exit code the debugger left.
if grep -q '^wine: Unhandled' "$errors"; then
  echo "test-suite-session: a program crashed during the suite" >&2
  [ "$status" = 0 ] && status=1
fi
[ "$status" = 0 ] || echo "test-suite-session: $suite ended with exit status $status" >&2
exit "$status"
