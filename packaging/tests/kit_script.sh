#!/bin/sh
# ./kit run with stand-ins for apt-get, dpkg, sudo, id and cmake on the PATH:
# without an X display it refuses before it installs or builds anything; with
# one it installs only what the program needs (as root itself, as a user through
# sudo), configures the build folder for the program alone unless the folder
# holds the whole kit with its tests, and builds only the program's target.
# It passes whoever runs it: the user is the stand-in id's.
#   kit_script.sh <kit>
set -u
kit=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every stand-in notes its arguments, one call a line, and succeeds; sudo then
# runs what it was given, as the real one would. The package query knows no
# package, so everything counts as missing.
mkdir "$work/stubs"
for tool in apt-get dpkg dpkg-query sudo cmake; do
  printf '#!/bin/sh\necho "%s $*" >>"%s/calls"\n' "$tool" "$work" >"$work/stubs/$tool"
done
echo 'exec "$@"' >>"$work/stubs/sudo"
# shellcheck disable=SC2016 # expanded by the stand-in
printf '#!/bin/sh\n[ "$1" = -u ] && exec echo "$KIT_TEST_UID"\nexec /usr/bin/id "$@"\n' >"$work/stubs/id"
chmod +x "$work/stubs"/*
# The programs the kit starts at the end, in the build folder it is given.
for program in region_editor/plevo button_builder/knapro workbench/tessel meter_plugin/meter-wine; do
  mkdir -p "$work/build/${program%/*}"
  printf '#!/bin/sh\necho "started %s" >>"%s/calls"\n' "${program#*/}" "$work" >"$work/build/$program"
  chmod +x "$work/build/$program"
done

# run_kit UID VARIABLE...: ./kit run $program as that user, in that environment.
run_kit() {
  uid=$1
  shift
  : >"$work/calls"
  env "$@" KIT_TEST_UID="$uid" PATH="$work/stubs:$PATH" KIT_BUILD_DIR="$work/build" "$kit" run "$program" \
    >"$work/out" 2>&1
}

# The build folder as `./kit test` leaves it, as an earlier run of knapro leaves
# it, or new.
build_state() {
  rm -f "$work/build/CMakeCache.txt"
  case "$1" in
    full) printf 'KIT_TESTS:BOOL=ON\nKIT_PROGRAMS:STRING=plevo;knapro;tessel;skincheck;meter;sample\n' ;;
    narrowed) printf 'KIT_TESTS:BOOL=OFF\nKIT_PROGRAMS:STRING=knapro\n' ;;
    *) return 0 ;;
  esac >"$work/build/CMakeCache.txt"
}

for program in plevo knapro tessel meter; do
  for environment in "-u DISPLAY -u WAYLAND_DISPLAY" "-u DISPLAY WAYLAND_DISPLAY=wayland-0"; do
    # shellcheck disable=SC2086 # the environment's words
    run_kit 1000 $environment
    status=$?
    [ "$status" -ne 0 ] || fail "./kit run $program with $environment ends with status 0"
    grep -q "needs an X display" "$work/out" || fail "./kit run $program with $environment does not say why: $(cat "$work/out")"
    grep -q "xvfb-run -a ./kit run $program" "$work/out" || fail "./kit run $program does not say how to get a display"
    [ ! -s "$work/calls" ] || fail "./kit run $program with $environment still ran: $(cat "$work/calls")"
  done
done

# program  a package it needs  packages it must not install  its build target  user  build folder
while read -r program needs unwanted target uid state; do
  build_state "$state"
  run_kit "$uid" DISPLAY=:99
  case=" ($state build folder, user $uid)"
  installed=$(sed -n 's/^apt-get install -y --no-install-recommends //p' "$work/calls")
  echo " $installed " | grep -q " $needs " || fail "./kit run $program does not install $needs$case: $installed"
  for package in $(echo "$unwanted" | tr , ' '); do
    echo " $installed " | grep -q " $package " && fail "./kit run $program installs $package$case"
  done
  # As root the kit calls apt-get and dpkg itself; as a user each through sudo, and nothing else.
  raised=$(grep '^sudo ' "$work/calls" | sed 's/^sudo //')
  direct=$(grep -E '^(apt-get|dpkg) ' "$work/calls" | grep -v '^dpkg --print-foreign-architectures')
  if [ "$uid" -eq 0 ]; then
    [ -z "$raised" ] || fail "./kit run $program as root calls sudo: $raised"
  else
    [ "$raised" = "$direct" ] || fail "./kit run $program as a user raises '$raised' for '$direct'"
  fi
  configured=$(grep '^cmake -S' "$work/calls")
  if [ "$state" = full ]; then
    [ -z "$configured" ] || fail "./kit run $program reconfigures the whole kit's build folder: $configured"
  else
    echo "$configured" | grep -q "^cmake .*-DKIT_TESTS=OFF -DKIT_PROGRAMS=$program\$" \
      || fail "./kit run $program does not configure $program alone, without tests$case: $configured"
  fi
  grep -q "^cmake --build $work/build --parallel [0-9]* --target $target\$" "$work/calls" \
    || fail "./kit run $program does not build $target alone$case: $(grep '^cmake --build' "$work/calls")"
  tail -n 1 "$work/calls" | grep -q "^started" || fail "./kit run $program did not start it$case"
done <<'PROGRAMS'
plevo libcdio-dev wine,g++-mingw-w64-i686,libgtest-dev,libbenchmark-dev,lintian,clang plevo 0 none
plevo libcdio-dev wine,libgtest-dev,clang plevo 1000 full
knapro qt6-base-dev wine,libcdio-dev,libgtest-dev,libgmock-dev,clang knapro 1000 narrowed
tessel qt6-base-dev wine,wine32:i386,libcdio-dev,libgtest-dev,clang tessel 1000 narrowed
tessel fonts-dejavu-core wine,libcdio-dev,clang tessel 0 full
meter wine32:i386 qt6-base-dev,pkg-config,librsvg2-bin,libgtest-dev,clang meter_win32 1000 none
meter wine32:i386 qt6-base-dev,libgtest-dev,clang meter_win32 0 full
PROGRAMS

if [ "$failures" -ne 0 ]; then
  echo "./kit run: $failures checks failed"
  exit 1
fi
echo "./kit run: all checks passed"
