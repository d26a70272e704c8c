#!/bin/sh
# skincheck as a script uses it: its exit statuses, --quiet and --json, over the
# test corpus that skincheck_corpus writes.
#   command_line.sh <skincheck> <skincheck_corpus>
set -u
skincheck=$1
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
"$2" skins "$work/corpus" || { echo "FAIL: could not write the corpus"; exit 1; }
cd "$work/corpus" || exit 1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS ARGUMENTS...: skincheck ends with STATUS; its output is kept in
# $work/out and $work/err.
expect() {
  want=$1
  shift
  "$skincheck" "$@" >"$work/out" 2>"$work/err"
  got=$?
  [ "$got" = "$want" ] || fail "skincheck $*: status $got, expected $want"
}

listing=$(ls -A)
expect 0 clean.wsz clean mixed_case.wsz subfolder.wsz no_text.wsz
for skin in colours_23 colour_300 png_main case_clash bad_pledit; do
  expect 1 "$skin.wsz"
done
for skin in short_cbuttons hidden_region count_mismatch huge_main; do
  expect 2 "$skin.wsz"
  [ -s "$work/err" ] && fail "$skin.wsz: something on stderr: $(cat "$work/err")"
done
expect 3 not_a_skin.wsz
expect 3 no_such_skin.wsz
grep -qx "no_such_skin.wsz: error: No such file or directory" "$work/out" || fail "a missing skin: $(cat "$work/out")"
expect 64
expect 64 --bogus clean.wsz
grep -q "^skincheck: unknown option '--bogus'" "$work/err" || fail "--bogus: no complaint on stderr"
[ -s "$work/out" ] && fail "--bogus: something on stdout"

# Over several skins the worst counts, and an unreadable one the most.
expect 2 clean.wsz colours_23.wsz short_cbuttons.wsz
expect 3 short_cbuttons.wsz not_a_skin.wsz clean.wsz

# One line per finding, as linters print them.
expect 2 short_cbuttons.wsz
grep -q "^short_cbuttons.wsz: cbuttons.bmp: error: .*eject button" "$work/out" || fail "the short sheet: $(cat "$work/out")"
expect 1 --quiet colours_23.wsz
[ -s "$work/out" ] && fail "--quiet printed a warning: $(cat "$work/out")"
expect 2 -q colours_23.wsz hidden_region.wsz
[ "$(wc -l <"$work/out")" -eq 1 ] || fail "--quiet printed more than the one error: $(cat "$work/out")"

# --json: one object per skin, each on its own line, as jq reads them.
expect 3 --json clean.wsz colours_23.wsz count_mismatch.wsz subfolder.wsz not_a_skin.wsz
json="$work/out"
[ "$(jq -s length "$json")" = 5 ] || fail "--json: not five objects: $(cat "$json")"
[ "$(wc -l <"$json")" -eq 5 ] || fail "--json: not one line per skin"
# json_holds WHAT CONDITION: some skin's object meets CONDITION.
json_holds() {
  jq -se "any(.[]; $2)" "$json" >/dev/null || fail "--json: $1"
}
json_holds "the clean skin" '.skin == "clean.wsz" and .readable and all(.findings[]; .level == "note")'
json_holds "the short colour file" \
  '.skin == "colours_23.wsz" and any(.findings[]; .level == "warning" and .file == "Tessel.txt" and .colourEntry == 23)'
json_holds "the region count" \
  '.skin == "count_mismatch.wsz" and any(.findings[]; .level == "error" and .regionSection == "Normal" and .polygon == 0)'
json_holds "the folder" '.skin == "subfolder.wsz" and .folder == "Blue/"'
json_holds "the unreadable skin" '.skin == "not_a_skin.wsz" and (.readable | not) and .findings[0].file == null'

expect 0 --help
[ "$(head -n 1 "$work/out")" = "Usage: skincheck [OPTION]... SKIN..." ] || fail "--help: $(head -n 1 "$work/out")"
expect 0 --version
head -n 1 "$work/out" | grep -qx "skincheck [0-9.]*" || fail "--version: $(head -n 1 "$work/out")"

[ "$(ls -A)" = "$listing" ] || fail "skincheck left files behind"

if [ "$failures" -ne 0 ]; then
  echo "$failures command-line checks of skincheck failed"
  exit 1
fi
echo "skincheck's command line: all checks passed"
