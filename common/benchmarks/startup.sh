#!/usr/bin/env bash
# How long Plevo, Knapro and Tessel take to put up their first window, and how
# much memory each holds once it is up, side by side with an empty Qt Widgets
# window, on a virtual display. Rerun it with
#
#   cmake --build build --target startup_benchmark
#
# or by hand: common/benchmarks/startup.sh <build dir> [runs].
#
# "First window" is the time from starting the program until the display maps
# its first window (Plevo's and Knapro's splash). "Memory" is the resident set
# one second after that. The four programs take turns, run after run, so that
# whatever else the machine does falls on all of them alike; the medians are
# compared. Every run starts afresh: its own settings, data and scratch
# folders, its own working directory, all removed afterwards.
set -euo pipefail

fail() { printf 'startup benchmark: %s\n' "$*" >&2; exit 1; }

if [ "${1:-}" = --first-window ]; then
  # One run: start the program, wait for its first window, note the time and
  # its memory, end it.
  shift
  log=$1
  shift
  home=$(mktemp -d)
  trap 'rm -rf "$home"; kill $watcher 2>/dev/null || true' EXIT
  mkdir -p "$home/work"
  # One watcher on the display tells when a window is mapped: asking over and
  # over with a new connection each time would crowd out the program's own.
  mkfifo "$home/maps"
  xev -root -event substructure >"$home/maps" &
  watcher=$!
  exec 3<"$home/maps"
  sleep 0.2 # for the watcher to be listening
  started=$(date +%s%N)
  (cd "$home/work" && exec env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
      XDG_CACHE_HOME="$home/cache" XDG_STATE_HOME="$home/state" TMPDIR="$home" "$@" >"$home/output" 2>&1) &
  pid=$!
  while read -r -t 30 line <&3; do
    case $line in MapNotify*) break ;; esac
  done
  mapped=$(date +%s%N)
  if ! kill -0 "$pid" 2>/dev/null; then
    cat "$home/output" >&2
    fail "$1 ended before it showed a window"
  fi
  sleep 1
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
  echo "$(( (mapped - started) / 1000 )) $rss" >>"$log"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  exit 0
fi

[ $# -ge 1 ] || fail "usage: $0 <build dir> [runs]"
build=$(cd "$1" && pwd)
runs=${2:-20}
for tool in xvfb-run xev python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing (apt-get install xvfb x11-utils python3)"
done

if [ -z "${KIT_STARTUP_DISPLAY:-}" ]; then
  # A display number of its own, away from the 99 where every xvfb-run starts.
  exec xvfb-run -a -n $((200 + RANDOM % 700)) -s '-screen 0 1280x1024x24' env KIT_STARTUP_DISPLAY=1 "$0" "$@"
fi

self=$(cd "$(dirname "$0")" && pwd)/$(basename "$0")
results=$(mktemp -d)
trap 'rm -rf "$results"' EXIT

declare -A programs=(
  [empty]=$build/common/benchmarks/kit_empty_window
  [plevo]=$build/region_editor/plevo
  [knapro]=$build/button_builder/knapro
  [tessel]=$build/workbench/tessel
)
order=(empty plevo knapro tessel)
for name in "${order[@]}"; do
  [ -x "${programs[$name]}" ] || fail "${programs[$name]} is not built"
done

for run in $(seq $((runs + 2))); do
  for name in "${order[@]}"; do
    # The first two rounds only fill the caches.
    log=$results/$name.log
    [ "$run" -gt 2 ] || log=/dev/null
    "$self" --first-window "$log" "${programs[$name]}"
  done
done

python3 - "$results" "${order[@]}" <<'PY'
import json, statistics, sys
results, names = sys.argv[1], sys.argv[2:]
runs = {n: [tuple(map(int, l.split())) for l in open(f"{results}/{n}.log")] for n in names}
times = {n: statistics.median(t for t, _ in runs[n]) / 1000 for n in names}
memory = {n: statistics.median(m for _, m in runs[n]) / 1024 for n in names}
print(f"{len(runs['empty'])} runs each, medians")
print(f"{'program':8} {'first window':>14} {'ratio':>6} {'memory':>10} {'ratio':>6}")
for n in names:
    print(f"{n:8} {times[n]:11.1f} ms {times[n] / times['empty']:5.2f}x "
          f"{memory[n]:6.1f} MiB {memory[n] / memory['empty']:5.2f}x")
PY
