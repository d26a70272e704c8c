#!/bin/sh
# Packs the plug-in's zip into a temporary folder with the build's own command
# and checks it: exactly the DLL, the two help pages and the readme at the top,
# the DLL a 32-bit Windows library, the readme with CR LF ends throughout.
#   plugin_zip.sh <make_plugin_zip.cmake> -DDLL=... -DHELP_DIR=... -DREADME=...
set -u
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

script=$1
shift
cmake "$@" -DZIP="$work/vis_Dovrik.zip" -P "$script" || { echo "FAIL: the zip command failed"; exit 1; }
mkdir "$work/out"
(cd "$work/out" && cmake -E tar xf ../vis_Dovrik.zip) || { echo "FAIL: cannot unpack the zip"; exit 1; }

listing=$(cd "$work/out" && find . | LC_ALL=C sort | tr '\n' ' ')
[ "$listing" = ". ./cvis_dk.htm ./readme.txt ./vis_Dovrik.dll ./vis_dk.htm " ] || fail "zip holds: $listing"

file "$work/out/vis_Dovrik.dll" | grep -q 'PE32 executable (DLL).*Intel 80386' \
  || fail "vis_Dovrik.dll is not a 32-bit Windows DLL: $(file -b "$work/out/vis_Dovrik.dll")"

readme=$work/out/readme.txt
lines=$(wc -l <"$readme")
crlf=$(grep -c "$(printf '\r')\$" "$readme")
if [ "$lines" -lt 5 ] || [ "$lines" != "$crlf" ]; then
  fail "readme.txt: $crlf of $lines lines end in CR LF"
fi
[ "$(tail -c 2 "$readme" | od -An -c | tr -d ' ')" = '\r\n' ] || fail "readme.txt does not end with CR LF"
grep -q 'Plugins' "$readme" || fail "readme.txt does not say where the files go"
for name in vis_Dovrik.dll vis_dk.htm cvis_dk.htm; do
  grep -q "$name" "$readme" || fail "readme.txt does not name $name"
done

if [ "$failures" -ne 0 ]; then
  echo "plug-in zip: $failures checks failed"
  exit 1
fi
echo "plug-in zip: all checks passed"
