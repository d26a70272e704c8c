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
# Archives are opened through the installed zip module.
mkdir "$work/skin"
printf 'BM' >"$work/skin/main.bmp"
(cd "$work/skin" && cmake -E tar cf ../skin.wsz --format=zip main.bmp) || fail "could not zip a skin"
"$work/root/usr/bin/skincheck" "$work/skin.wsz" >"$work/checked" 2>&1
[ $? -ne 3 ] || fail "the installed skincheck cannot open a skin archive: $(cat "$work/checked")"

# The file types and the programs offered for them, as a desktop that follows
# the freedesktop databases sees them once the package's triggers have run.
# The stand-in desktop has its own picture viewer, set as the default for the
# three picture types.
prefix=$work/root/usr
desktop=$work/desktop
mkdir -p "$desktop/applications" "$work/home/data" "$work/home/config" "$work/typed"
cp -r "$prefix/share/mime" "$prefix/share/applications" "$desktop/"
cat >"$desktop/applications/viewer.desktop" <<'ENTRY'
[Desktop Entry]
Type=Application
Name=Viewer
Exec=true %f
MimeType=image/bmp;image/jpeg;image/gif;text/plain;
ENTRY
printf '[Default Applications]\nimage/bmp=viewer.desktop\nimage/jpeg=viewer.desktop\nimage/gif=viewer.desktop\n' \
  >"$desktop/applications/mimeapps.list"
update-mime-database "$desktop/mime" >/dev/null || fail "update-mime-database rejects the kit's file types"
update-desktop-database "$desktop/applications" || fail "update-desktop-database rejects the desktop entries"
export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" XDG_CONFIG_DIRS="$work/home/config"
export XDG_DATA_DIRS="$desktop:/usr/share" XDG_CURRENT_DESKTOP= HOME="$work/home"
# A desktop offers only the programs that its entries' TryExec finds.
export PATH="$prefix/bin:$PATH"
unset KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION DISPLAY WAYLAND_DISPLAY

while read -r name type; do
  printf ' 0, 0, 0  // 0\r\n' >"$work/typed/$name"
  got=$(xdg-mime query filetype "$work/typed/$name")
  [ "$got" = "$type" ] || fail "xdg-mime takes $name for $got, not $type"
  got=$(gio info -a standard::content-type "$work/typed/$name" | sed -n 's/^ *standard::content-type: //p')
  [ "$got" = "$type" ] || fail "gio takes $name for $got, not $type"
done <<'TYPES'
Tessel.txt text/x-skin-vis-colours
TESSEL.TXT text/x-skin-vis-colours
tessel.txt text/x-skin-vis-colours
Region.txt text/x-skin-region
region.txt text/x-skin-region
notes.txt text/plain
Region.txt.bak application/x-trash
TYPES

# The programs a desktop offers for a type, and its default.
offered() { gio mime "$1" 2>/dev/null | sed -n '/^Registered applications:/,/^Recommended/p'; }
for type in text/x-skin-vis-colours text/x-skin-region; do
  [ "$(xdg-mime query default "$type")" = org.skinkit.tessel.desktop ] || fail "Tessel does not open $type"
done
if offered text/plain | grep -q org.skinkit; then
  fail "a kit program offers itself for every text file: $(offered text/plain)"
fi
for type in image/bmp image/jpeg image/gif; do
  offered "$type" | grep -q org.skinkit.knapro.desktop || fail "Knapro is not offered for $type"
  default=$(xdg-mime query default "$type")
  [ "$default" = viewer.desktop ] || fail "$default, not the desktop's viewer, opens $type"
done
finish "installed tree"
