#!/bin/sh
# Runs the Wayland window test on a headless Weston of its own: a private
# socket in a private runtime folder. Weston is stopped however the test ends,
# and every wait is bounded, so a Weston that cannot start fails the test
# with its log instead of hanging it.
#   wayland_test.sh TEST_PROGRAM [ARGS...]
set -u

command -v weston >/dev/null 2>&1 || { echo "weston is not installed (scripts/install-deps.sh installs it)"; exit 1; }

# Weston wants a runtime folder that only its owner may enter; mktemp makes it 0700.
runtime=$(mktemp -d) || exit 1
chmod 0700 "$runtime"
socket=morvana-test
weston_pid=""

stop_weston() {
  [ -n "$weston_pid" ] || return 0
  kill "$weston_pid" 2>/dev/null
  i=0
  while kill -0 "$weston_pid" 2>/dev/null && [ "$i" -lt 50 ]; do sleep 0.1; i=$((i + 1)); done
  kill -9 "$weston_pid" 2>/dev/null
  wait "$weston_pid" 2>/dev/null
  weston_pid=""
}
fail() {
  echo "$1"
  sed 's/^/  weston: /' "$runtime/weston.log"
  exit 1
}
trap 'stop_weston; rm -rf "$runtime"' EXIT
trap 'exit 1' HUP INT TERM

# The kiosk shell and no input method: Weston starts no helper clients that
# could outlive it. Without a seat, Qt 6.4's Wayland text input would also
# dereference a missing input device on the first key.
printf '[input-method]\npath=\n' >"$runtime/weston.ini"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --shell=kiosk-shell.so --socket="$socket" \
  --config="$runtime/weston.ini" --idle-time=0 >"$runtime/weston.log" 2>&1 </dev/null &
weston_pid=$!

i=0
until [ -S "$runtime/$socket" ]; do
  kill -0 "$weston_pid" 2>/dev/null || fail "weston exited before it opened its socket"
  [ "$i" -lt 100 ] || fail "weston did not open its socket within 10 s"
  sleep 0.1
  i=$((i + 1))
done

# The test presets ask for offscreen; this test needs the compositor, and no
# X display to fall back on.
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
  timeout --foreground -k 5 60 "$@"
rc=$?
[ "$rc" -ne 124 ] || echo "the test program did not finish within 60 s"
kill -0 "$weston_pid" 2>/dev/null || fail "weston died during the test"
exit "$rc"
