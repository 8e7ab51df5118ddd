#!/usr/bin/env bash
# Cross-builds Morvana.exe and its tests and runs them under Wine on a private
# Xvfb display. Both Xvfb and the wineserver are stopped however the run ends.
set -euo pipefail
cd "$(dirname "$0")/.."

readonly wine=/usr/lib/wine/wine64
readonly wineserver=/usr/lib/wine/wineserver64

cmake --preset mingw >/dev/null
cmake --build --preset mingw -j2

# Debian's wine64 ships its loader and server outside PATH.
export WINEPREFIX="$PWD/build/mingw/wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINELOADER="$wine" WINESERVER="$wineserver"

xvfb_pid=""
display_file="$(mktemp)"
cleanup() {
  "$wineserver" -k 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; wait "$xvfb_pid" 2>/dev/null || true; fi
  rm -f "$display_file"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number once it is ready.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$display_file")"

# One persistent server for the whole run; it holds any pipe it inherits.
mkdir -p "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1 </dev/null
"$wine" wineboot --init >/dev/null 2>&1 </dev/null || true
# With no window manager on the display, Wine waits 2 s for one each time a
# window it left to the manager is hidden; let Wine manage the windows itself.
"$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null

ctest --preset mingw "$@"

# Reproducible: a second, clean build elsewhere gives the same bytes.
rm -rf build/mingw-repro
cmake --preset mingw -B build/mingw-repro -DBUILD_TESTING=OFF >/dev/null
cmake --build build/mingw-repro --target Morvana -j2 >/dev/null
cmp build/mingw/src/ui/win32/Morvana.exe build/mingw-repro/src/ui/win32/Morvana.exe
size=$(stat -c %s build/mingw/src/ui/win32/Morvana.exe)
echo "Morvana.exe: $size bytes, identical in two clean builds"
# One static file under 100 KB: growing past it fails the test command.
[ "$size" -le 102400 ] || { echo "Morvana.exe has grown past 100 KB (102,400 bytes)" >&2; exit 1; }
