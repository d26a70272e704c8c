#!/usr/bin/env bash
# How long Plevo, Knapro and Tessel take to put up their first window, and how
# much memory each holds once it is up, side by side with an empty Qt Widgets
# window, on a virtual display of its own. Rerun it with
#
#   cmake --build build --target startup_benchmark
#
# or by hand: common/benchmarks/startup.sh <build dir> [rounds]  (20 by default).
#
# What is measured, for each start:
# - first window: from starting the program until the display maps its first
#   window (Plevo's and Knapro's splash, Tessel's main window);
# - memory: one second after that, the resident set (RSS) and the proportional
#   set (PSS, which shares each library page among the processes that map it).
# The empty window (kit_empty_window) is a top-level QWidget of a fixed size,
# shown with show(), that draws no text: the least that any Qt Widgets program
# costs. Each program is compared with an empty window of the size of its own
# first window, started right beside it in the same round, so that both pay
# alike for the window's pixels and for whatever else the machine does then.
# The order within a pair alternates from round to round. The first two rounds
# only fill the caches and are not counted. Each program keeps one home of its
# own (settings, data, cache, scratch) for all its rounds, as a user's would,
# and everything is removed at the end.
#
# The ratios are medians of the ratios of the pairs; the load average before and
# after is printed, since the machine may be shared.
set -euo pipefail

fail() { printf 'startup benchmark: %s\n' "$*" >&2; exit 1; }

[ $# -ge 1 ] || fail "usage: $0 <build dir> [rounds]"
build=$(cd "$1" && pwd)
rounds=${2:-20}
for tool in xvfb-run xev xwininfo python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing (apt-get install xvfb x11-utils python3)"
done

if [ -z "${KIT_STARTUP_DISPLAY:-}" ]; then
  # A display number of its own, away from the 99 where every xvfb-run starts.
  exec xvfb-run -a -n $((200 + RANDOM % 700)) -s '-screen 0 1280x1024x24' env KIT_STARTUP_DISPLAY=1 "$0" "$@"
fi

work=$(mktemp -d)
watcher=
trap 'kill $watcher 2>/dev/null || true; rm -rf "$work"' EXIT

# One watcher on the display tells when a window is mapped: asking over and over
# with a new connection each time would crowd out the program's own.
mkfifo "$work/maps"
xev -root -event substructure >"$work/maps" &
watcher=$!
exec 3<"$work/maps"
sleep 0.5 # for the watcher to be listening

# start LOG HOME PROGRAM [ARGUMENTS...]: one start; appends "microseconds RSS-KiB
# PSS-KiB WIDTHxHEIGHT" to LOG, and leaves the window's size in $shown.
start() {
  local log=$1 home=$2 line window= started mapped pid rss pss
  shift 2
  mkdir -p "$home/work"
  # What the last program left on the display is not this one's window.
  while read -r -t 0.1 line <&3; do :; done
  started=$(date +%s%N)
  (cd "$home/work" && exec env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
      XDG_CACHE_HOME="$home/cache" XDG_STATE_HOME="$home/state" TMPDIR="$home" "$@" >"$home/output" 2>&1) &
  pid=$!
  while read -r -t 30 line <&3; do
    case $line in
      MapNotify*) read -r -t 5 line <&3; window=${line##*window }; window=${window%%,*}; break ;;
    esac
  done
  mapped=$(date +%s%N)
  if [ -z "$window" ] || ! kill -0 "$pid" 2>/dev/null; then
    cat "$home/output" >&2
    fail "$1 showed no window"
  fi
  shown=$(xwininfo -id "$window" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }')
  sleep 1
  rss=$(awk '/^Rss:/ { print $2 }' "/proc/$pid/smaps_rollup")
  pss=$(awk '/^Pss:/ { print $2 }' "/proc/$pid/smaps_rollup")
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "$(( (mapped - started) / 1000 )) $rss $pss $shown" >>"$log"
}

empty=$build/common/benchmarks/kit_empty_window
declare -A programs=(
  [plevo]=$build/region_editor/plevo
  [knapro]=$build/button_builder/knapro
  [tessel]=$build/workbench/tessel
)
order=(plevo knapro tessel)
for path in "$empty" "${programs[@]}"; do
  [ -x "$path" ] || fail "$path is not built"
done

# The size of each program's first window, as it showed last.
declare -A sizes
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for round in $(seq $((rounds + 2))); do
  for name in "${order[@]}"; do
    own=$work/$name.log yardstick=$work/$name.empty.log
    [ "$round" -gt 2 ] || own=/dev/null yardstick=/dev/null
    # Odd rounds start the program first, even ones the empty window, at the
    # size that the program's window had in the round before.
    if [ $((round % 2)) -eq 1 ]; then
      start "$own" "$work/home.$name" "${programs[$name]}"
      sizes[$name]=$shown
      start "$yardstick" "$work/home.empty" "$empty" "${shown%x*}" "${shown#*x}"
    else
      start "$yardstick" "$work/home.empty" "$empty" "${sizes[$name]%x*}" "${sizes[$name]#*x}"
      start "$own" "$work/home.$name" "${programs[$name]}"
      sizes[$name]=$shown
    fi
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

python3 - "$work" "$rounds" "$(nproc)" "$load_before" "$load_after" "${order[@]}" <<'PY'
import statistics, sys
work, rounds, cores, before, after, names = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5], sys.argv[6:]
def runs(path):
    return [l.split() for l in open(path)]
print(f"{rounds} rounds, medians; {cores} cores, load average {before} before and {after} after")
print(f"{'program':8} {'window':>8} {'first window':>20} {'ratio':>6} {'RSS':>16} {'ratio':>6} {'PSS':>16} {'ratio':>6}")
for name in names:
    own, empty = runs(f"{work}/{name}.log"), runs(f"{work}/{name}.empty.log")
    cells = []
    for column, unit, scale in ((0, "ms", 1000), (1, "MiB", 1024), (2, "MiB", 1024)):
        mine = statistics.median(int(r[column]) for r in own) / scale
        theirs = statistics.median(int(r[column]) for r in empty) / scale
        ratio = statistics.median(int(a[column]) / int(b[column]) for a, b in zip(own, empty))
        cells.append(f"{mine:6.1f} vs {theirs:5.1f} {unit:>3} {ratio:5.2f}x")
    print(f"{name:8} {own[-1][3]:>8} " + " ".join(cells))
PY
