#!/usr/bin/env bash
# Installs what building, running and testing need. Idempotent: a second run only checks.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

packages=(
  cmake make git ca-certificates
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  wine wine64 xvfb xauth x11-utils
  googletest fonts-liberation sqlite3 locales
  cups printer-driver-cups-pdf poppler-utils
  libreoffice-writer-nogui
  libz-mingw-w64-dev
)
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing the Debian packages ${missing[*]} (takes a minute or two)"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Wine takes its code page from the Polish locale and converts file names with the locale's
# character set: without a generated pl_PL.UTF-8 every non-ASCII file name fails.
if ! locale -a 2>/dev/null | grep -qix 'pl_PL.utf8'; then
  echo "setup: generating the Polish locale pl_PL.UTF-8"
  as_root localedef -i pl_PL -c -f UTF-8 pl_PL.UTF-8
fi

# SQLite is compiled into the program from the amalgamation inside this npm package.
if [ ! -f "$sqlite_dir/sqlite3.c" ]; then
  tarball=$cache/npm/better-sqlite3-12.11.1.tgz
  if [ ! -f "$tarball" ]; then
    echo "setup: fetching the SQLite sources (npm package better-sqlite3@12.11.1)"
    mkdir -p "$cache/npm"
    if ! (cd "$cache/npm" && npm pack --silent better-sqlite3@12.11.1 >/dev/null 2>&1); then
      echo "setup: cannot fetch better-sqlite3@12.11.1 from the npm registry;" \
           "the SQLite sources come from it. Check the network and run again." >&2
      exit 1
    fi
  fi
  mkdir -p "$sqlite_dir"
  tar -xzf "$tarball" -C "$sqlite_dir" --strip-components=3 \
      package/deps/sqlite3/sqlite3.c package/deps/sqlite3/sqlite3.h
fi

# The pristine Wine prefix, with the three Windows fonts mapped to their Liberation twins,
# and the user's prefix copied from it.
if [ ! -f "$template_prefix/.morvelank-ready" ]; then
  echo "setup: creating the Wine prefix $template_prefix (once; up to a minute)"
  rm -rf "$template_prefix"
  mkdir -p "$template_prefix"
  (
    export WINEPREFIX=$template_prefix
    wine wineboot -i >/dev/null 2>&1
    key='HKCU\Software\Wine\Fonts\Replacements'
    wine reg add "$key" /v Arial /d "Liberation Sans" /f >/dev/null 2>&1
    wine reg add "$key" /v "Courier New" /d "Liberation Mono" /f >/dev/null 2>&1
    wine reg add "$key" /v "Times New Roman" /d "Liberation Serif" /f >/dev/null 2>&1
    "$WINESERVER" -w
  )
  touch "$template_prefix/.morvelank-ready"
fi
if [ ! -f "$WINEPREFIX/.morvelank-ready" ]; then
  echo "setup: copying it to the Wine prefix of the program, $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  cp -a "$template_prefix" "$WINEPREFIX"
fi
