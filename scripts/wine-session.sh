# Sourced by the scripts that run Windows programs under Wine, with
# WINEPREFIX set: a private Xvfb display and one persistent wineserver for
# the prefix, both stopped however the script ends.

# Debian's wine64 ships its loader and server outside PATH.
readonly wine=/usr/lib/wine/wine64
readonly wineserver=/usr/lib/wine/wineserver64
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
