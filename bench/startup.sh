#!/usr/bin/env bash
# Start-up time (exec until the window is mapped) and peak RSS of both windows,
# each against its toolkit's floor in the same run, on a private Xvfb display.
#   bash bench/startup.sh [runs]        (default 20)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}

scripts/install-deps.sh
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
cmake --preset mingw-bench >/dev/null && cmake --build --preset mingw-bench >/dev/null

wait_for_map=build/bench/bench/wait_for_map
morvana=$(find build/bench/src -name morvana -type f -perm -u+x | head -n 1)
bare_qt=build/bench/bench/bare_qt_window
exe=$(find build/mingw-bench/src -name Morvana.exe | head -n 1)
bare_exe=build/mingw-bench/bench/bare_win32_window.exe
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

export WINEPREFIX=$PWD/build/mingw-bench/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
mkdir -p "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1
"$wine" cmd /c exit >/dev/null 2>&1 || true  # the first start in a new prefix sets it up

results=$(mktemp)
measure() {  # out name title program...
  local out=$1 name=$2 title=$3
  shift 3
  "$wait_for_map" "$title" "$@" 2>/dev/null | sed "s/^/$name /" >>"$out"
}
# Interleaved, so that whatever else the machine does falls on all four alike;
# run 0 only warms the caches.
for run in $(seq 0 "$runs"); do
  out=$results
  [ "$run" -eq 0 ] && out=/dev/null
  measure "$out" morvana "Morvana" "$morvana"
  measure "$out" bare_qt "Bare Qt window" "$bare_qt"
  measure "$out" bare_qt+text "Bare Qt window" "$bare_qt" text
  measure "$out" Morvana.exe "Morvana" "$wine" "$exe"
  measure "$out" bare_win32 "Bare Win32 window" "$wine" "$bare_exe"
  measure "$out" bare_win32+text "Bare Win32 window" "$wine" "$bare_exe" text
done

summary() {  # name -> "median min max rss_kb"
  grep "^$1 " "$results" | sed 's/.*map_ms=\([0-9.]*\) rss_kb=\([0-9]*\).*/\1 \2/' | sort -n |
    awk '{ms[NR]=$1; if ($2>rss) rss=$2} END {printf "%.1f %.1f %.1f %d", (NR%2 ? ms[(NR+1)/2] : (ms[NR/2]+ms[NR/2+1])/2), ms[1], ms[NR], rss}'
}
printf '%-16s %10s %8s %8s %10s\n' program median_ms min_ms max_ms peak_rss_kb
# The +text rows are the floors with one text box: not targets, but they show
# what the first text costs each toolkit.
for name in morvana bare_qt bare_qt+text Morvana.exe bare_win32 bare_win32+text; do
  read -r median min max rss <<<"$(summary "$name")"
  printf '%-16s %10s %8s %8s %10s\n' "$name" "$median" "$min" "$max" "$rss"
  eval "median_${name//[.+]/_}=$median"
done
awk -v a="$median_morvana" -v b="$median_bare_qt" 'BEGIN {printf "Linux window start-up: %.2fx its Qt floor\n", a/b}'
awk -v a="$median_Morvana_exe" -v b="$median_bare_win32" 'BEGIN {printf "Morvana.exe start-up under Wine: %.2fx its Win32 floor\n", a/b}'
echo "Morvana.exe size: $(stat -c %s "$exe") bytes (floor: $(stat -c %s "$bare_exe") bytes)"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB"
rm -f "$results"
