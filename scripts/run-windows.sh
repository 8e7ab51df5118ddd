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
cmake --build --preset mingw --target Morvana pick_faces -j2

# Debian's wine64 keeps its loader outside PATH.
readonly wine=/usr/lib/wine/wine64
own_prefix=false
if [ -z "${WINEPREFIX:-}" ]; then
  export WINEPREFIX="$PWD/build/mingw/wineprefix-run"
  own_prefix=true
fi
export WINEDEBUG="${WINEDEBUG:--all}" WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# A new prefix is set up first (about 10 s), quietly.
"$wine" wineboot --init >/dev/null 2>&1 </dev/null || true

# Wine draws Verdana and MS Sans Serif, which Linux lacks, in Liberation Sans,
# whose bold at 8.25 pt has the regular face's one-pixel strokes: the bold
# captions look regular. pick_faces.exe measures the installed faces as this
# prefix draws them and names, for each of the two, the first in which every
# caption fits and bold looks bold; that becomes the prefix's replacement for
# it. Morvana.exe is not touched, nor a prefix of the caller's own.
replace_fonts() {
  local key='HKCU\Software\Wine\Fonts\Replacements' asked face
  while IFS='=' read -r asked face; do
    if [ -z "$face" ]; then
      echo "run-windows.sh: no installed face suits $asked; Wine chooses one" >&2
    elif [ "$face" = "$asked" ]; then  # installed itself: no stand-in wanted
      "$wine" reg delete "$key" /v "$asked" /f >/dev/null 2>&1 </dev/null || true
    else
      "$wine" reg add "$key" /v "$asked" /t REG_SZ /d "$face" /f >/dev/null 2>&1 </dev/null ||
        echo "run-windows.sh: could not set $face for $asked" >&2
    fi
  done < <("$wine" build/mingw/tools/pick_faces/pick_faces.exe 2>/dev/null </dev/null | tr -d '\r')
}
if [ "$own_prefix" = true ]; then replace_fonts; fi

exec "$wine" build/mingw/src/ui/win32/Morvana.exe
