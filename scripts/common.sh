# Paths and the Wine environment shared by the set-up, build, run and test scripts.
repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MORVELANK_BUILD_DIR:-$repo/build}
cache=$repo/.cache
sqlite_dir=$build/third_party/sqlite
installation=$build/Morvelank

export WINEDEBUG=${WINEDEBUG:--all}
# A pristine prefix made once by set-up; the user's prefix and every test run's prefix are
# copies of it, so settings written while using the program never reach a test.
template_prefix=$cache/wine-template
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
# No Mono or Gecko: their installers would ask questions on a fresh prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

as_root() {
  if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

# The print scheduler, started when none runs. Wine reads the printers when it starts, so this
# comes before the program or the tests.
start_print_scheduler() {
  command -v cupsd >/dev/null && command -v lpstat >/dev/null || return 1
  lpstat -r 2>/dev/null | grep -q 'is running' && return 0
  as_root cupsd || return 1
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && return 0; sleep 0.1; done
  return 1
}

# A cups-pdf queue "PDF" made the default printer: every job lands as a PDF file in
# pdf_output_folder.
add_pdf_printer() {
  lpstat -p PDF >/dev/null 2>&1 ||
    as_root lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd 2>/dev/null || return 1
  lpstat -d 2>/dev/null | grep -q ': PDF$' || as_root lpadmin -d PDF
}

# Where cups-pdf writes the printed files of the current user.
pdf_output_folder() {
  local folder
  folder=$(sed -n 's/^Out[[:space:]]\+//p' /etc/cups/cups-pdf.conf 2>/dev/null | tail -n 1)
  folder=${folder:-'${HOME}/PDF'}
  echo "${folder//'${HOME}'/$HOME}"
}
