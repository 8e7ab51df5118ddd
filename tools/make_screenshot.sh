#!/usr/bin/env bash
# Makes docs/screenshot.png, the picture the AppStream metadata shows: the
# Linux window after a press for 10.0.0.1 to 10.0.3.5, on a private Xvfb
# under openbox. Needs the linux-release build, and openbox, xdotool and
# imagemagick. Xvfb, openbox and morvana are stopped however it ends.
#   tools/make_screenshot.sh [scale]     (Qt's scale factor, default 2)
# With "web" it makes docs/web.png instead: Morvana.html (the web build) in
# a Chromium app window, typed into with dots, offline and on a fresh profile.
#   tools/make_screenshot.sh web [scale]
# With "wine" it makes docs/wine-preview.png: Morvana.exe (the mingw build)
# under Wine at 96 DPI, through scripts/run-windows.sh and its prefix with
# the faces it picks. That prefix's wineserver is stopped too.
#   tools/make_screenshot.sh wine
set -euo pipefail
cd "$(dirname "$0")/.."

pids=()
display_file=$(mktemp)
cleanup() {
  # Wine's server ends the programs of its prefix before their display goes.
  if [ -n "${wine_prefix:-}" ]; then WINEPREFIX=$wine_prefix /usr/lib/wine/wineserver64 -k 2>/dev/null || true; fi
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; wait "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$display_file" "${work:-}"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n 1 "$display_file")"
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

if [ "${1:-}" = web ]; then
  work=$(mktemp -d)
  cp build/web/src/ui/web/Morvana.html "$work"/
  # Its own TMPDIR: Chromium leaves its singleton socket there when stopped.
  # An app window has no address bar, so the picture shows no path of this machine.
  TMPDIR=$work chromium --no-sandbox --test-type --no-first-run --no-default-browser-check --disable-background-networking \
    --disable-component-update --disable-sync --user-data-dir="$work/profile" --window-size=284,172 \
    --force-device-scale-factor="${2:-2}" --app="file://$work/Morvana.html" >/dev/null 2>&1 &
  pids+=($!)
  # Chromium's first window may be gone again at once: wait, then take the one that stays.
  xdotool search --sync --onlyvisible --name '^Morvana$' >/dev/null
  sleep 2
  win=$(xdotool search --onlyvisible --name '^Morvana$' | tail -n 1)
  xdotool windowactivate --sync "$win"
  sleep 0.5
  xdotool type --delay 30 "10.0.0.1"; xdotool key Tab; xdotool type --delay 30 "10.0.3.5"; xdotool key Return
  sleep 0.5
  import -window "$win" -strip -define png:exclude-chunks=date,time docs/web.png
  echo "docs/web.png: $(identify -format '%wx%h' docs/web.png)"
  exit 0
fi

if [ "${1:-}" = wine ]; then
  wine_prefix=$PWD/build/mingw/wineprefix-run picture=docs/wine-preview.png
  bash scripts/run-windows.sh >/dev/null 2>&1 </dev/null &
else
  picture=docs/screenshot.png
  QT_SCALE_FACTOR=${1:-2} build/linux-release/src/ui/qt/morvana &
fi
pids+=($!)
win=$(timeout 120 xdotool search --sync --onlyvisible --name '^Morvana$' | head -n 1)
xdotool windowactivate --sync "$win"
sleep 0.5
# Tab between the boxes; Enter in the last one presses Calculate Subnet.
for octet in 10 0 0 1 10 0 3; do xdotool type --delay 20 "$octet"; xdotool key Tab; done
xdotool type 5
xdotool key Return
sleep 0.5
# No time stamps in the file: it changes only when the picture does.
import -window "$win" -strip -define png:exclude-chunks=date,time "$picture"
echo "$picture: $(identify -format '%wx%h' "$picture")"
