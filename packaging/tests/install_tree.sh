#!/bin/sh
# Installs the built kit into a temporary DESTDIR and checks the tree: exactly
# the files of the list, with the usual modes, icons of their stated sizes, and
# desktop entries, AppStream metadata and manual pages that their own checkers
# accept.
#   install_tree.sh <build dir> <installed-files.txt>
set -u
build=$1 expected=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT

if ! DESTDIR=$work/root cmake --install "$build" --prefix /usr >"$work/log" 2>&1; then
  cat "$work/log"
  echo "FAIL: cmake --install failed"
  exit 1
fi
. "$(dirname "$0")/tree_checks.sh"
check_tree "$work/root/usr" "$expected"
"$work/root/usr/bin/tessel" --version >/dev/null || fail "the installed tessel does not start"
finish "installed tree"
