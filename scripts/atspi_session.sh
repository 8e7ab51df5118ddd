#!/bin/sh
# Runs a command where a screen reader can read it: on a private Xvfb (with
# openbox when asked), a private session bus and the AT-SPI bus, with HOME
# and the runtime folder private too, so nothing reaches another session or
# the user's settings. Qt programs run on that display with their AT-SPI
# bridge on; the offscreen platform has none. Everything started here is
# stopped however the command ends, and every wait is bounded; bound the
# command itself with timeout(1).
#   scripts/atspi_session.sh [--window-manager] COMMAND [ARGS...]
set -u

window_manager=""
[ "${1:-}" != --window-manager ] || { window_manager=openbox; shift; }
[ $# -gt 0 ] || { echo "usage: $0 [--window-manager] COMMAND [ARGS...]"; exit 2; }
for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher $window_manager; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done

work=$(mktemp -d) || exit 1
chmod 0700 "$work"
groups=""  # process groups, each stopped whole: the AT-SPI bus has children

stop_all() {
  for group in $groups; do kill -- "-$group" 2>/dev/null; done
  for group in $groups; do
    i=0
    while kill -0 -- "-$group" 2>/dev/null && [ "$i" -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
    kill -9 -- "-$group" 2>/dev/null
  done
  wait 2>/dev/null
  rm -rf "$work"
}
trap stop_all EXIT
trap 'exit 1' HUP INT TERM
# Starts a command in a process group of its own.
start() {
  setsid "$@" &
  groups="$! $groups"
}
# Waits up to 10 s for a file to be written.
await() {
  i=0
  until [ -s "$1" ] || [ -S "$1" ]; do
    [ "$i" -lt 100 ] || { echo "$2 did not start within 10 s"; exit 1; }
    sleep 0.1
    i=$((i + 1))
  done
}

export HOME="$work" XDG_RUNTIME_DIR="$work"
start Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1
await "$work/display" Xvfb
export DISPLAY=":$(head -n 1 "$work/display")"
[ -z "$window_manager" ] || start "$window_manager" >/dev/null 2>&1
start dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1
await "$work/bus" "the session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
start /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1
await "$work/at-spi/bus_${DISPLAY#:}" "the AT-SPI bus"

QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$@"
