#!/bin/sh
# morvana without any display: one line that says so, and a failing exit code.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" 2>&1)
rc=$?
[ "$rc" -ne 0 ] || { echo "exit code 0 without a display"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { printf 'expected one line, got:\n%s\n' "$out"; exit 1; }
printf '%s\n' "$out" | grep -q 'no display' || { echo "unclear message: $out"; exit 1; }
# Qt's own -platform option names a place to open the window: it starts, and
# runs until it is ended.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" -platform offscreen >/dev/null 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || { wait "$pid"; echo "morvana -platform offscreen ended by itself with $?"; exit 1; }
kill "$pid"
wait "$pid" 2>/dev/null
exit 0
