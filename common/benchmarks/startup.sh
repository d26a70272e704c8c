#!/usr/bin/env bash
# How long Plevo, Knapro and Tessel take to put up their first window, and how
# much memory each holds once it is up, side by side with an empty Qt Widgets
# window, on a virtual display of its own. Rerun it with
#
#   cmake --build build --target startup_benchmark
#
# or by hand: common/benchmarks/startup.sh <build dir> [rounds] [baseline build dir]
# (20 rounds by default). A baseline, the build of an earlier version, say, has
# its programs started in the same rounds, for a before and after that the
# machine's load cannot tell apart.
#
# What is measured, for each start:
# - first window: the time from starting the program until the display maps its
#   first window (Plevo's and Knapro's splash, Tessel's main window), and the
#   processor time that the program used until then (less disturbed than the
#   time on the clock when the machine is busy);
# - memory: one second after that, the resident set (RSS) and the proportional
#   set (PSS, which shares each library page among the processes that map it).
# The yardstick is an empty window (kit_empty_window): a top-level QWidget of a
# fixed size, shown with show(), that draws no text, the least that any Qt
# Widgets program costs. Beside it the same window with one line of text tells
# what drawing any text at all costs (fontconfig, FreeType, HarfBuzz, a font),
# as its ratio to the empty window: every one of the programs' first windows
# draws text, so none can come nearer the empty window than that. Its line is
# sized to its text before the window shows, as the programs' captions are, so
# the font is loaded before the window maps there too. Each program is compared
# with both at the size of its own first window, started right beside it in the
# same round, so that all three pay alike for the window's pixels and for
# whatever else the machine does meanwhile; the order of the three turns round
# from round to round. The first two rounds only fill the caches and are not
# counted. Each program keeps one home of its own (settings, data, cache,
# scratch) for all its rounds, as a user's would, and everything is removed at
# the end.
#
# Each ratio is the median of the ratios within the rounds. The load average
# before and after is printed: the machine may be shared.
set -euo pipefail

fail() { printf 'startup benchmark: %s\n' "$*" >&2; exit 1; }

if [ $# -lt 1 ] || [ $# -gt 3 ]; then
  fail "usage: $0 <build dir> [rounds] [baseline build dir]"
fi
build=$(cd "$1" && pwd)
rounds=${2:-20}
baseline=
[ $# -lt 3 ] || baseline=$(cd "$3" && pwd)
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

# start LOG HOME PROGRAM [ARGUMENTS...]: one start; appends "microseconds
# CPU-microseconds RSS-KiB PSS-KiB WIDTHxHEIGHT" to LOG, and leaves the window's
# size in $shown.
start() {
  local log=$1 home=$2 line window='' started mapped pid cpu rss pss
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
  # Nanoseconds on a processor, of every thread of the program.
  cpu=$(cat "/proc/$pid/task/"*/schedstat 2>/dev/null | awk '{ ns += $1 } END { print int(ns / 1000) }')
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
  echo "$(( (mapped - started) / 1000 )) $cpu $rss $pss $shown" >>"$log"
}

empty=$build/common/benchmarks/kit_empty_window
declare -A programs=(
  [plevo]=$build/region_editor/plevo
  [knapro]=$build/button_builder/knapro
  [tessel]=$build/workbench/tessel
)
order=(plevo knapro tessel)
# What each round starts for each program: the program, the two yardsticks and,
# where one is given, the baseline's program.
kinds=(program empty text)
declare -A baselines
if [ -n "$baseline" ]; then
  kinds+=(baseline)
  for name in "${order[@]}"; do
    baselines[$name]=$baseline/${programs[$name]#"$build"/}
  done
fi
for path in "$empty" "${programs[@]}" "${baselines[@]}"; do
  [ -x "$path" ] || fail "$path is not built"
done

# The size of each program's first window, as it showed last.
declare -A sizes
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for round in $(seq $((rounds + 2))); do
  for name in "${order[@]}"; do
    log=$work/$name
    [ "$round" -gt 2 ] || log=$work/warm.$name
    # Each goes first in turn; the yardsticks take the size that the program's
    # window had when it last showed.
    for turn in "${!kinds[@]}"; do
      kind=${kinds[(round + turn) % ${#kinds[@]}]}
      [ "$kind" = program ] || [ "$kind" = baseline ] || [ -n "${sizes[$name]:-}" ] || continue
      case $kind in
        program) start "$log.log" "$work/home.$name" "${programs[$name]}"; sizes[$name]=$shown ;;
        baseline) start "$log.baseline.log" "$work/home.baseline.$name" "${baselines[$name]}" ;;
        empty) start "$log.empty.log" "$work/home.empty" "$empty" "${sizes[$name]%x*}" "${sizes[$name]#*x}" ;;
        text) start "$log.text.log" "$work/home.empty" "$empty" "${sizes[$name]%x*}" "${sizes[$name]#*x}" --text ;;
      esac
    done
  done
done
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

python3 - "$work" "$rounds" "$(nproc)" "$load_before" "$load_after" "$baseline" "${order[@]}" <<'PY'
import statistics, sys
work, rounds, cores, before, after, baseline, names = *sys.argv[1:7], sys.argv[7:]
# Columns of a log line, and how each is shown.
measures = (("first window", 0, 1000, "ms"), ("processor", 1, 1000, "ms"), ("RSS", 2, 1024, "MiB"), ("PSS", 3, 1024, "MiB"))
def runs(path):
    return [line.split() for line in open(path)]
print(f"{rounds} rounds, medians; {cores} cores, load average {before} before and {after} after")
if baseline:
    print(f"baseline: {baseline}")
print(f"{'':18}" + " ".join(f"{title:^26}" for title, *_ in measures))
print(f"{'program':8} {'window':>8} " + " ".join(f"{'':10}{'/empty':>8}{'/text':>8}" for _ in measures))
for name in names:
    mine = runs(f"{work}/{name}.log")
    yardsticks = [runs(f"{work}/{name}.{kind}.log") for kind in ("empty", "text")]
    rows = [(name, mine, yardsticks), ("empty", yardsticks[0], []), ("text", yardsticks[1], yardsticks[:1])]
    if baseline:
        rows.insert(1, ("baseline", runs(f"{work}/{name}.baseline.log"), yardsticks))
    for label, lines, compared in rows:
        cells = []
        for _, column, scale, unit in measures:
            value = statistics.median(int(line[column]) for line in lines) / scale
            cell = f"{value:6.1f} {unit:3}"
            for other in compared:
                cell += f"{statistics.median(int(a[column]) / int(b[column]) for a, b in zip(lines, other)):7.2f}x"
            cell += " " * 8 * (len(yardsticks) - len(compared))
            cells.append(cell)
        print(f"{label:8} {lines[-1][4]:>8} " + " ".join(cells))
PY
