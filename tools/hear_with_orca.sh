#!/usr/bin/env bash
# Runs a program under Orca, the screen reader, on a private Xvfb with
# openbox, a private session bus and AT-SPI bus (scripts/atspi_session.sh),
# presses keys in its window and prints what Orca says after each step. Orca
# speaks into its debug file only (no speech server is needed). Slow: seconds
# per step. Everything it starts is stopped however it ends.
#   tools/hear_with_orca.sh WINDOW_NAME STEP... -- COMMAND [ARGS...]
# WINDOW_NAME is a regular expression for the window's title. Each STEP is
#   type:TEXT     types TEXT          key:KEYS    xdotool key KEYS (e.g. key:Return)
#   wait:SECONDS  waits               focus       prints the focused object (role, name)
#   expect:TEXT   holds when the step before heard speech holding TEXT within 2 s;
#                 the script exits 1 at the end when any expectation failed
# ORCA_LOG=FILE keeps Orca's whole debug output.
# Qt programs run with their AT-SPI bridge on; Chromium needs
# --force-renderer-accessibility (and a display, which it has here).
# Example:
#   tools/hear_with_orca.sh '^Morvana$' type:10.0.0.1 key:Tab type:10.0.3.5 key:Return \
#     expect:255.255.252.0 focus key:Return expect:255.255.252.0 focus -- build/dev/src/ui/qt/morvana
set -uo pipefail

for tool in orca xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "$tool is missing (apt-get install orca xdotool openbox)"; exit 2; }
done
[ $# -ge 3 ] || { sed -n '2,19p' "$0"; exit 2; }
# The display, the buses and openbox come from the session script, which
# runs this script again inside them.
[ -n "${HEAR_WITH_ORCA_INSIDE:-}" ] ||
  exec "$(dirname "$0")/../scripts/atspi_session.sh" --window-manager env HEAR_WITH_ORCA_INSIDE=1 "$0" "$@"
window=$1
shift
steps=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do steps+=("$1"); shift; done
[ "${1:-}" = -- ] && [ $# -ge 2 ] || { echo "no command after --"; exit 2; }
shift

work=$(mktemp -d)
groups=()  # process groups, stopped last first
cleanup() {
  for ((i = ${#groups[@]} - 1; i >= 0; i--)); do
    kill -TERM -- "-${groups[i]}" 2>/dev/null
    for _ in $(seq 30); do kill -0 -- "-${groups[i]}" 2>/dev/null || break; sleep 0.1; done
    kill -KILL -- "-${groups[i]}" 2>/dev/null
  done
  { wait; } 2>/dev/null
  [ -z "${ORCA_LOG:-}" ] || cp "$work/orca.log" "$ORCA_LOG"
  rm -rf "$work"
}
trap "cleanup 2>/dev/null" EXIT
trap 'exit 1' HUP INT TERM
# Each in a process group of its own, so that its children stop with it.
start() {
  setsid "$@" &
  groups+=($!)
}

# Orca's launcher with its debug file line-buffered: each utterance is in
# the file as soon as it is made, and none is lost when Orca is stopped.
SPEECHD_CMD=/bin/false start /usr/bin/python3 -c '
import builtins, runpy, sys
sys.argv = sys.argv[1:]  # as Orca would see them: orca --debug-file FILE
real_open = builtins.open
def line_buffered(file, mode="r", buffering=-1, *args, **kwargs):
    return real_open(file, mode, 1 if file == sys.argv[2] else buffering, *args, **kwargs)
builtins.open = line_buffered
runpy.run_path("/usr/bin/orca", run_name="__main__")' orca --debug-file "$work/orca.log" >/dev/null 2>&1
for _ in $(seq 600); do grep -q "Startup complete" "$work/orca.log" 2>/dev/null && break; sleep 0.1; done
grep -q "Startup complete" "$work/orca.log" 2>/dev/null || { echo "Orca did not start within 60 s"; exit 1; }
start "$@" >"$work/program.log" 2>&1
win=$(timeout 30 xdotool search --sync --onlyvisible --name "$window" | head -n 1)
[ -n "$win" ] || { echo "no window named $window within 30 s"; cat "$work/program.log"; exit 1; }
xdotool windowactivate --sync "$win"
sleep 3

said=0    # speech lines already seen
last=()   # what the last step heard: "MILLISECONDS TEXT"
now_ms() { echo $(($(date +%s%N) / 1000000)); }
# Collects what Orca says in the 2.5 s after `since`, printed with the time
# each line appeared.
listen() {
  local since=$1 line lines
  last=()
  while [ $(($(now_ms) - since)) -lt 2500 ]; do
    lines=$(grep -a "SPEECH OUTPUT: '" "$work/orca.log" | tail -n +$((said + 1)))
    if [ -n "$lines" ]; then
      while IFS= read -r line; do
        said=$((said + 1))
        last+=("$(($(now_ms) - since)) ${line#*SPEECH OUTPUT: }")
        printf '  +%5d ms: %s\n' "$(($(now_ms) - since))" "${line#*SPEECH OUTPUT: }"
      done <<<"$lines"
    fi
    sleep 0.05
  done
}
focused() {
  /usr/bin/python3 - <<'EOF'
import pyatspi
def walk(o):
    if o.getState().contains(pyatspi.STATE_FOCUSED):
        return o
    for child in o:
        found = child and walk(child)
        if found:
            return found
for app in pyatspi.Registry.getDesktop(0):
    if app and app.name not in ("orca", "openbox"):
        o = walk(app)
        if o:
            print("  focus: %s %r, selected text: %r" % (o.getRoleName(), o.name,
                  o.queryText().getSelection(0) and o.queryText().getText(*o.queryText().getSelection(0))
                  if o.queryText().getNSelections() else ""))
EOF
}

listen "$(now_ms)" >/dev/null
failed=0
for step in "${steps[@]}"; do
  echo "== $step"
  case $step in
    type:*) t=$(now_ms); xdotool type --delay 60 "${step#type:}"; listen "$t" ;;
    key:*) t=$(now_ms); xdotool key "${step#key:}"; listen "$t" ;;
    wait:*) sleep "${step#wait:}" ;;
    focus) focused ;;
    expect:*)
      ok=0
      for heard in "${last[@]}"; do
        [ "${heard%% *}" -le 2000 ] && [[ "${heard#* }" == *"${step#expect:}"* ]] && ok=1
      done
      if [ "$ok" = 1 ]; then echo "  heard within 2 s"; else echo "  NOT heard within 2 s"; failed=1; fi
      ;;
    *) echo "unknown step $step"; exit 2 ;;
  esac
done
exit "$failed"
