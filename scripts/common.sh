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
