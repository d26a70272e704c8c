#!/bin/sh
# ./kit run with stand-ins for apt-get, dpkg, sudo and cmake on the PATH: without
# a display it refuses before it installs or builds anything; with one it
# installs only what the program needs, and builds only its target.
#   kit_script.sh <kit>
set -u
kit=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every stand-in notes its arguments, one call a line, and succeeds. The package
# query knows no package, so everything counts as missing.
mkdir "$work/stubs"
for tool in apt-get dpkg dpkg-query sudo cmake; do
  cat >"$work/stubs/$tool" <<STUB
#!/bin/sh
echo "$tool \$*" >>"$work/calls"
STUB
  chmod +x "$work/stubs/$tool"
done
# The programs the kit starts at the end, in the build folder it is given.
for program in region_editor/plevo button_builder/knapro workbench/tessel meter_plugin/meter-wine; do
  mkdir -p "$work/build/${program%/*}"
  printf '#!/bin/sh\necho "started %s" >>"%s/calls"\n' "${program#*/}" "$work" >"$work/build/$program"
  chmod +x "$work/build/$program"
done

run_kit() {
  rm -f "$work/calls"
  : >"$work/calls"
  env "$@" PATH="$work/stubs:$PATH" KIT_BUILD_DIR="$work/build" "$kit" run "$program" >"$work/out" 2>&1
}

for program in plevo knapro tessel meter; do
  run_kit -u DISPLAY -u WAYLAND_DISPLAY
  status=$?
  [ "$status" -ne 0 ] || fail "./kit run $program without a display ends with status 0"
  grep -q "needs a desktop" "$work/out" || fail "./kit run $program without a display does not say why: $(cat "$work/out")"
  grep -q "xvfb-run -a ./kit run $program" "$work/out" || fail "./kit run $program does not say how to get a display"
  [ ! -s "$work/calls" ] || fail "./kit run $program without a display still ran: $(cat "$work/calls")"
done

# program  a package it needs  packages it must not install  its build target
while read -r program needs unwanted target; do
  run_kit DISPLAY=:99
  installed=$(sed -n 's/^apt-get install -y --no-install-recommends //p' "$work/calls")
  echo " $installed " | grep -q " $needs " || fail "./kit run $program does not install $needs: $installed"
  for package in $(echo "$unwanted" | tr , ' '); do
    echo " $installed " | grep -q " $package " && fail "./kit run $program installs $package"
  done
  grep -q "^cmake .*-DKIT_TESTS=OFF -DKIT_PROGRAMS=$program\$" "$work/calls" \
    || fail "./kit run $program does not configure $program alone, without tests: $(grep '^cmake -S' "$work/calls")"
  grep -q "^cmake --build $work/build --parallel [0-9]* --target $target\$" "$work/calls" \
    || fail "./kit run $program does not build $target alone: $(grep '^cmake --build' "$work/calls")"
  tail -n 1 "$work/calls" | grep -q "^started" || fail "./kit run $program did not start it"
done <<'PROGRAMS'
plevo libcdio-dev wine,g++-mingw-w64-i686,libgtest-dev,libbenchmark-dev,lintian,clang plevo
knapro qt6-base-dev wine,libcdio-dev,libgtest-dev,libgmock-dev,clang knapro
tessel qt6-base-dev wine,wine32:i386,libcdio-dev,libgtest-dev,clang tessel
meter wine32:i386 qt6-base-dev,libgtest-dev,clang meter_win32
PROGRAMS

if [ "$failures" -ne 0 ]; then
  echo "./kit run: $failures checks failed"
  exit 1
fi
echo "./kit run: all checks passed"
