# Checks shared by the install and package tests; sourced, not run.
# check_tree <prefix directory> <installed-files.txt>, with $work the scratch folder.
: "${work:?}"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

check_tree() {
  prefix=$1 expected=$2
  ( cd "$prefix" && find . -type f -o -type l ) | sed 's|^\./||' | LC_ALL=C sort >"$work/files"
  # A build without the cross compiler has no plug-in to install.
  grep -v '^#' "$expected" | if [ -n "${KIT_WITHOUT_PLUGIN:-}" ]; then grep -v '^share/skinkit/'; else cat; fi \
    | LC_ALL=C sort >"$work/expected"
  diff -u "$work/expected" "$work/files" >"$work/diff" || { cat "$work/diff"; fail "the installed files differ from the list"; }

  bad_modes=$(cd "$prefix" && find . \( -type d ! -perm 755 \) -o \( -type f -path './bin/*' ! -perm 755 \) \
    -o \( -type f ! -path './bin/*' ! -perm 644 \))
  [ -z "$bad_modes" ] || fail "unusual modes: $bad_modes"

  for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    file "$png" | grep -q "PNG image data, ${size%x*} x ${size#*x}," || fail "$png is not a ${size} PNG"
  done

  for entry in "$prefix"/share/applications/*.desktop; do
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
    id=$(basename "$entry" .desktop)
    program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
    [ -x "$prefix/bin/$program" ] || fail "$entry starts $program, which is not installed"
    grep -qx "Icon=$id" "$entry" || fail "$entry does not name its own icon $id"
    # Qt gives a window the class of the program's name; docks match it to the entry.
    name=$(sed -n 's/^Name=//p' "$entry")
    grep -qx "StartupWMClass=$name" "$entry" || fail "$entry does not match the windows of $program"
    [ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "no icon for $id"
    [ -f "$prefix/share/metainfo/$id.metainfo.xml" ] || fail "no metainfo for $id"
    [ -f "$prefix/share/man/man1/$program.1.gz" ] || fail "no manual page for $program"
    # One identity: what the program says it is, and what its entry, metadata and
    # manual page say.
    version=$("$prefix/bin/$program" --version | head -n 1)
    header=$(gzip -dc "$prefix/share/man/man1/$program.1.gz" | sed -n 's/^\.TH [^ ]* 1 [^ ]* "\([^"]*\)".*/\1/p')
    [ "$version" = "$header" ] || fail "$program --version says '$version', its manual page '$header'"
    comment=$(sed -n 's/^Comment=//p' "$entry")
    grep -qF "<summary>$comment</summary>" "$prefix/share/metainfo/$id.metainfo.xml" \
      || fail "$entry and its metadata summarise $program differently"
  done

  for metainfo in "$prefix"/share/metainfo/*.xml; do
    appstreamcli validate --no-net --pedantic "$metainfo" >"$work/log" 2>&1 \
      || { cat "$work/log"; fail "appstreamcli rejects $metainfo"; }
  done

  for page in "$prefix"/share/man/man1/*.1.gz; do
    LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>"$work/log" >/dev/null
    [ ! -s "$work/log" ] || { cat "$work/log"; fail "the manual page $page has errors"; }
  done
}

finish() {
  if [ "$failures" -ne 0 ]; then
    echo "$1: $failures checks failed"
    exit 1
  fi
  echo "$1: all checks passed"
}
