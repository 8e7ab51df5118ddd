#!/usr/bin/env bash
# Builds Morvana.exe and starts it under Wine on this desktop ($DISPLAY).
# The Wine prefix lives in the build folder; set WINEPREFIX to use another.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${DISPLAY:-}" ]; then
  echo "run-windows.sh: no DISPLAY; start it from a graphical session" >&2
  exit 1
fi
scripts/install-deps.sh
cmake --preset mingw >/dev/null
cmake --build --preset mingw --target Morvana -j2

export WINEPREFIX="${WINEPREFIX:-$PWD/build/mingw/wineprefix-run}"
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# Debian's wine64 keeps its loader outside PATH. A new prefix is set up
# first (about 10 s), quietly.
/usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 </dev/null || true
exec /usr/lib/wine/wine64 build/mingw/src/ui/win32/Morvana.exe
