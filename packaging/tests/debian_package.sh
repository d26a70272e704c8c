#!/bin/sh
# Builds the Debian package into a temporary folder, unpacks it and checks it:
# the same tree as an install, stripped programs, dependencies worked out from
# the binaries, and nothing from lintian that is not overridden with a reason.
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
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core; do
  echo "$depends" | grep -q "\\b$library\\b" || fail "Depends lacks $library: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = graphics ] || fail "section is not graphics"
# The package's version is the kit's, from the top CMakeLists.txt; a new version
# needs its entry in packaging/debian/changelog.
version=$(dpkg-deb -f "$deb" Version)
gzip -dc "$work/root/usr/share/doc/skinkit/changelog.gz" >"$work/changelog" || fail "the changelog does not unpack"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$logged" = "$version" ] || fail "the changelog's latest entry is for $logged, the package is $version"

# Every tag down to the informational ones is either mended or overridden, with
# its reason, in the package's lintian overrides.
lintian --display-info --fail-on error,warning,info --tag-display-limit 0 "$deb" >"$work/lintian" 2>&1 \
  || fail "lintian has something to say"
grep '^[EWI]:' "$work/lintian" && fail "lintian has something to say"
cat "$work/lintian"

# The hardening that lintian cannot see in a binary that has nothing to fortify.
for flag in -D_FORTIFY_SOURCE=2 -fstack-protector-strong -Wl,-z,relro,-z,now; do
  grep -q -- "$flag" "$build/build.ninja" || fail "the build does not use $flag"
done
finish "Debian package $(basename "$deb")"
