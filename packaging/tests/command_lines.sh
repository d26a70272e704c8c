#!/bin/sh
# Each program answers --help and --version, and refuses an unknown option, with
# no display at all: nothing may try to open a window first. Left to start, it
# says that it needs a display, also where DISPLAY names one that does not answer.
#   command_lines.sh <plevo> <knapro> <tessel>
set -u
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# A display number that no X server serves: no socket and no lock file.
unserved=90
while [ -e "/tmp/.X11-unix/X$unserved" ] || [ -e "/tmp/.X$unserved-lock" ]; do unserved=$((unserved + 1)); done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# program  arguments  status  first line of stdout  first line of stderr
check() {
  program=$1 args=$2 status=$3 out=$4 err=$5
  # shellcheck disable=SC2086 # the arguments split on purpose
  timeout 20 "$program" $args >stdout 2>stderr
  got=$?
  name=$(basename "$program")
  [ "$got" = "$status" ] || fail "$name $args: status $got, expected $status"
  [ "$(head -n 1 stdout)" = "$out" ] || fail "$name $args: stdout begins '$(head -n 1 stdout)', expected '$out'"
  [ "$(head -n 1 stderr)" = "$err" ] || fail "$name $args: stderr begins '$(head -n 1 stderr)', expected '$err'"
  if [ "$status" = 2 ]; then
    grep -q "^Usage: $name \[OPTION\]" stderr || fail "$name $args: no usage on stderr"
  fi
}

for program in "$1" "$2" "$3"; do
  name=$(basename "$program")
  # Each takes one file.
  case $name in
    plevo) title="Plevo 1.0" extra=b.txt usage="Usage: plevo [OPTION]... [PICTURE]" ;;
    knapro) title="Knapro 2.00" extra=b.txt usage="Usage: knapro [OPTION]... [PICTURE]" ;;
    tessel) title="Tessel 1.0" extra=b.txt usage="Usage: tessel [OPTION]... [FILE]" ;;
  esac
  check "$program" --help 0 "$usage" ""
  check "$program" -h 0 "$usage" ""
  check "$program" --version 0 "$title" ""
  check "$program" --bogus 2 "" "$name: unknown option '--bogus'"
  check "$program" "a.txt b.txt" 2 "" "$name: unexpected argument '$extra'"
  check "$program" "" 1 "" "$name: no display to open a window on (neither DISPLAY nor WAYLAND_DISPLAY is set);"
  # Set, but naming a display that nobody serves: over ssh, or after a restart.
  export DISPLAY=":$unserved"
  check "$program" "" 1 "" "$name: cannot open the display \":$unserved\" that DISPLAY names: no X server answers there,"
  check "$program" a.bmp 1 "" "$name: cannot open the display \":$unserved\" that DISPLAY names: no X server answers there,"
  unset DISPLAY
done
rm -f stdout stderr
left=$(ls -A)
[ -z "$left" ] || fail "a program left files behind: $left"

if [ "$failures" -ne 0 ]; then
  echo "$failures command-line checks failed"
  exit 1
fi
echo "command lines of plevo, knapro and tessel: all checks passed"
