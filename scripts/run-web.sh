#!/usr/bin/env bash
# Builds Morvana.html and opens it in the default browser. On a fresh Debian 12
# machine it first installs what the build needs (Emscripten, no browser).
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) it prints the
# page's path instead: copy the file anywhere and open it in any browser.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh web
cmake --preset web >/dev/null
cmake --build --preset web --target morvana_html
page=$PWD/build/web/src/ui/web/Morvana.html
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "$page"
  exit 0
fi
echo "Opening $page"
exec xdg-open "$page"
