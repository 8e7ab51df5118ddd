#!/usr/bin/env bash
# Start-up time (exec until the window is mapped) and peak RSS of both windows,
# each against its toolkit's floor, on a private Xvfb display.
#   bash bench/startup.sh [runs] [qt-first|wine-first] [EARLIER_MORVANA_EXE]
# (default 20 qt-first). An earlier build of Morvana.exe, when given, takes
# its turn in the Wine block as the row "earlier.exe".
# Each toolkit's rows run in their own interleaved block, and every start
# waits for a settled machine first, so the order of the blocks must not move
# the figures: run it both ways to see.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-20}
order=${2:-qt-first}
earlier_exe=${3:-}
case $order in
  qt-first) blocks=(qt wine) ;;
  wine-first) blocks=(wine qt) ;;
  *) echo "usage: $0 [runs] [qt-first|wine-first]" >&2; exit 2 ;;
esac

scripts/install-deps.sh
cmake --preset bench >/dev/null && cmake --build --preset bench >/dev/null
cmake --preset mingw-bench >/dev/null && cmake --build --preset mingw-bench >/dev/null

wait_for_map=build/bench/bench/wait_for_map
morvana=$(find build/bench/src -name morvana -type f -perm -u+x | head -n 1)
bare_qt=build/bench/bench/bare_qt_window
exe=$(find build/mingw-bench/src -name Morvana.exe | head -n 1)
bare_exe=build/mingw-bench/bench/bare_win32_window.exe
controls_exe=build/mingw-bench/bench/bare_win32_controls.exe
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

export WINEPREFIX=$PWD/build/mingw-bench/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
work=$(mktemp -d)
results=$work/results
cleanup() {
  exec 3>&-
  "$wineserver" -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
mkdir -p "$WINEPREFIX"
"$wineserver" -p >/dev/null 2>&1
"$wine" cmd /c exit >/dev/null 2>&1 || true  # the first start in a new prefix sets it up
# Wine closes its desktop, and ends its desktop process (explorer.exe
# /desktop), about a second after the last program on it has gone; the next start
# then pays for a new one. On Windows the desktop is always there, so a cmd
# that waits for input on a pipe we hold open keeps Wine's there too.
mkfifo "$work/hold"
"$wine" cmd <"$work/hold" >/dev/null 2>&1 &
exec 3>"$work/hold"

# The processes of this prefix: the server and every Windows program it runs,
# ours and Wine's own services. Other prefixes on the machine are not ours.
wine_pids() {
  local environs
  environs=$(find /proc -maxdepth 2 -name exe -lname '/usr/lib/wine/*' -printf '%h/environ\n' 2>/dev/null)
  [ -n "$environs" ] || return 0
  # shellcheck disable=SC2086  # one path a word
  grep -lzx "WINEPREFIX=$WINEPREFIX" $environs 2>/dev/null | cut -d/ -f3 | sort -n | tr '\n' ' ' || true
}
cpu_ticks() {  # pid... -> their user and system time together, in clock ticks
  local pid stats=()
  for pid in "$@"; do stats+=("/proc/$pid/stat"); done
  # Past the command name, which may hold blanks, utime and stime are fields 12 and 13.
  cat "${stats[@]}" 2>/dev/null | awk '{sub(/.*\) /, ""); t += $12 + $13} END {print t + 0}'
}

# A program's end leaves work behind: its Wine processes end and the server
# tidies up after them, and the X server after any window. So every start
# first waits until only the long-lived processes of the prefix remain (the
# server, Wine's services and its desktop), and until none of them nor the X
# server has used any CPU for 0.2 s.
services=""
settle() {
  local deadline=$((SECONDS + 20)) pids pid left quiet=0 ticks last=""
  while :; do
    pids=$(wine_pids)
    left=""
    for pid in $pids; do [[ " $services " == *" $pid "* ]] || left+=" $pid"; done
    [ -z "$left" ] && break
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "note: Wine processes$left outlived 20 s; counting them as services" >&2
      break
    fi
    sleep 0.05
  done
  services=$pids
  deadline=$((SECONDS + 20))
  while [ "$quiet" -lt 4 ] && [ "$SECONDS" -lt "$deadline" ]; do
    # shellcheck disable=SC2086  # one pid a word
    ticks=$(cpu_ticks "$xvfb" $pids)
    if [ "$ticks" = "$last" ]; then quiet=$((quiet + 1)); else quiet=0 last=$ticks; fi
    sleep 0.05
  done
}

measure() {  # out name title program...
  local out=$1 name=$2 title=$3
  shift 3
  [ -z "$services" ] || settle  # the warm-up round runs before they are known
  "$wait_for_map" "$title" "$@" 2>/dev/null 3>&- | sed "s/^/$name /" >>"$out"
}
qt_round() {  # out
  measure "$1" morvana "Morvana" "$morvana"
  measure "$1" bare_qt "Bare Qt window" "$bare_qt"
  measure "$1" bare_qt+text "Bare Qt window" "$bare_qt" text
}
wine_round() {  # out
  measure "$1" Morvana.exe "Morvana" "$wine" "$exe"
  [ -z "$earlier_exe" ] || measure "$1" earlier.exe "Morvana" "$wine" "$earlier_exe"
  measure "$1" bare_win32 "Bare Win32 window" "$wine" "$bare_exe"
  measure "$1" bare_win32+text "Bare Win32 window" "$wine" "$bare_exe" text
  measure "$1" bare_win32+ctls "Bare Win32 window" "$wine" "$controls_exe" controls
}

# One unmeasured round of everything warms the caches and starts Wine's
# services and desktop; what is still running 3 s later stays running, and is
# what every later start finds.
qt_round /dev/null
wine_round /dev/null
for _ in $(seq 10); do
  services=$(wine_pids)
  sleep 3
  [ "$(wine_pids)" = "$services" ] && break
done

# Within a block the rows take turns, so that whatever else the machine does
# falls on a program and its floors alike.
for block in "${blocks[@]}"; do
  for _ in $(seq 1 "$runs"); do "${block}_round" "$results"; done
done

summary() {  # name -> "median min max rss_kb"
  grep "^$1 " "$results" | sed 's/.*map_ms=\([0-9.]*\) rss_kb=\([0-9]*\).*/\1 \2/' | sort -n |
    awk '{ms[NR]=$1; if ($2>rss) rss=$2} END {printf "%.1f %.1f %.1f %d", (NR%2 ? ms[(NR+1)/2] : (ms[NR/2]+ms[NR/2+1])/2), ms[1], ms[NR], rss}'
}
echo "$runs runs of each, blocks ${blocks[*]}"
printf '%-16s %10s %8s %8s %11s\n' program median_ms min_ms max_ms peak_rss_kb
# The +text rows are the floors with one text box: not targets, but they show
# what the first text costs each toolkit. bare_win32+ctls holds what Wine does
# for any window of Morvana.exe's fourteen controls (bench/bare_win32_window.cpp).
declare -A medians
for name in morvana bare_qt bare_qt+text Morvana.exe ${earlier_exe:+earlier.exe} bare_win32 bare_win32+text \
            bare_win32+ctls; do
  read -r median min max rss <<<"$(summary "$name")"
  printf '%-16s %10s %8s %8s %11s\n' "$name" "$median" "$min" "$max" "$rss"
  medians[$name]=$median
done
ratio() {  # what program floor
  awk -v what="$1" -v a="${medians[$2]}" -v b="${medians[$3]}" -v c="${medians[$3+text]}" \
    'BEGIN {printf "%s: %.2fx its floor, %.2fx its +text floor\n", what, a/b, a/c}'
}
ratio "Linux window start-up" morvana bare_qt
ratio "Morvana.exe start-up under Wine" Morvana.exe bare_win32
awk -v a="${medians[Morvana.exe]}" -v b="${medians[bare_win32+ctls]}" \
  'BEGIN {printf "Morvana.exe start-up under Wine: %.2fx the floor with its controls\n", a/b}'
echo "Morvana.exe size: $(stat -c %s "$exe") bytes (floor: $(stat -c %s "$bare_exe") bytes)"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -g | awk '/Mem:/ {print $2}') GiB"
