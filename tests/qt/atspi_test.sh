#!/bin/sh
# Runs a window test where a screen reader would read it: on a private Xvfb,
# with a private session bus and the AT-SPI bus that at-spi-bus-launcher
# starts on it (its socket in a private runtime folder). Everything started
# here is stopped however the test ends, and every wait is bounded.
#   atspi_test.sh TEST_PROGRAM [ARGS...]
set -u

for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing (scripts/install-deps.sh installs it)"; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "python3-pyatspi is missing"; exit 1; }

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
fail() {
  echo "$1"
  exit 1
}
# Waits up to 10 s for a file to be written.
await() {
  i=0
  until [ -s "$1" ]; do
    [ "$i" -lt 100 ] || fail "$2 did not start within 10 s"
    sleep 0.1
    i=$((i + 1))
  done
}
trap stop_all EXIT
trap 'exit 1' HUP INT TERM

export XDG_RUNTIME_DIR="$work" HOME="$work"
setsid Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
groups="$! $groups"
await "$work/display" Xvfb
export DISPLAY=":$(head -n 1 "$work/display")"
setsid dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >/dev/null 2>&1 &
groups="$! $groups"
await "$work/bus" "the session bus"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
setsid /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/atspi.log" 2>&1 &
groups="$! $groups"
i=0
until [ -S "$work/at-spi/bus_${DISPLAY#:}" ] || [ -S "$work/at-spi/bus" ]; do
  [ "$i" -lt 100 ] || { cat "$work/atspi.log"; fail "the AT-SPI bus did not start within 10 s"; }
  sleep 0.1
  i=$((i + 1))
done

# The test presets ask for offscreen, which has no AT-SPI bridge.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 timeout --foreground -k 5 60 "$@"
rc=$?
[ "$rc" -ne 124 ] || echo "the test program did not finish within 60 s"
exit "$rc"
