#!/bin/sh
# Builds the Debian package into a temporary folder, unpacks it and checks it:
# the same tree as an install, stripped programs, dependencies worked out from
# the binaries, and no errors from lintian.
#   debian_package.sh <build dir> <installed-files.txt>
set -u
build=$1 expected=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1; then
  cat "$work/log"
  echo "FAIL: cpack failed"
  exit 1
fi
set -- "$work"/out/*.deb
if [ $# -ne 1 ] || [ ! -f "$1" ]; then
  echo "FAIL: cpack made no single .deb: $*"
  exit 1
fi
deb=$1

. "$(dirname "$0")/tree_checks.sh"
dpkg-deb -x "$deb" "$work/root" || fail "dpkg-deb cannot unpack $deb"
check_tree "$work/root/usr" "$expected"

for program in plevo knapro tessel; do
  file "$work/root/usr/bin/$program" | grep -q ', stripped' || fail "$program is not stripped"
done
depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
  echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "section is not graphics"

lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 \
  || { cat "$work/lintian"; fail "lintian reports errors"; }
grep '^E:' "$work/lintian" && fail "lintian reports errors"
cat "$work/lintian"
finish "Debian package $(basename "$deb")"
