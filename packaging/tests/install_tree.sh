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
prefix=$work/root/usr
export XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" HOME="$work/home"
# A desktop offers only the programs that its entries' TryExec finds.
export PATH="$prefix/bin:$PATH"
unset KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION DISPLAY WAYLAND_DISPLAY

# desktop NAME VIEWER [DEFAULTS]: a stand-in desktop with the kit installed and a
# picture viewer of that id, which names the viewer the default for the three
# picture types in the system-level file DEFAULTS, if given, as desktops ship it
# (the user's own files stay empty).
desktop() {
  rm -rf "${work:?}/desktop" "$work/config" "$work/home"
  mkdir -p "$work/desktop/applications" "$work/config" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
  cp -r "$prefix/share/mime" "$prefix/share/applications" "$work/desktop/"
  printf '[Desktop Entry]\nType=Application\nName=Viewer\nExec=true %%f\nMimeType=%s\n' \
    'image/bmp;image/jpeg;image/gif;text/plain;' >"$work/desktop/applications/$2"
  export XDG_CURRENT_DESKTOP="$1" XDG_CONFIG_DIRS="$work/config" XDG_DATA_DIRS="$work/desktop:/usr/share"
  if [ -n "${3:-}" ]; then
    printf '[Default Applications]\nimage/bmp=%s\nimage/jpeg=%s\nimage/gif=%s\n' "$2" "$2" "$2" >"$work/$3"
  fi
  update-mime-database "$work/desktop/mime" >/dev/null || fail "update-mime-database rejects the kit's file types"
  update-desktop-database "$work/desktop/applications" 2>/dev/null \
    || fail "update-desktop-database rejects the desktop entries"
}
# The programs a desktop offers for a type.
offered() { gio mime "$1" 2>/dev/null | sed -n '/^Registered applications:/,/^Recommended/p'; }

desktop "" viewer.desktop
mkdir -p "$work/typed"
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
viscolor.txt text/plain
Region.txt.bak application/x-trash
TYPES
for type in text/x-skin-vis-colours text/x-skin-region; do
  [ "$(xdg-mime query default "$type")" = org.skinkit.tessel.desktop ] || fail "Tessel does not open $type"
done
if offered text/plain | grep -q org.skinkit; then
  fail "a kit program offers itself for every text file: $(offered text/plain)"
fi

# Knapro stands in "Open with" for the three picture types everywhere. A default
# that the desktop names stays the default; where none is named anywhere, the
# desktop takes the first program of its cache, in the order of their ids, so
# Knapro opens pictures ahead of a viewer whose id sorts after its own.
while read -r name viewer defaults expected; do
  file=$(echo "$defaults" | sed "s/^-\$//; s/DESKTOP/$(echo "$name" | tr '[:upper:]' '[:lower:]')/")
  desktop "$name" "$viewer" ${file:+"$file"}
  for type in image/bmp image/jpeg image/gif; do
    offered "$type" | grep -q org.skinkit.knapro.desktop || fail "Knapro is not offered for $type on $name"
    got=$(xdg-mime query default "$type")
    [ "$got" = "$expected" ] || fail "xdg-mime opens $type with $got, not $expected, on $name with $viewer ($defaults)"
    got=$(gio mime "$type" 2>/dev/null | sed -n "1s/.*: //p")
    [ "$got" = "$expected" ] || fail "gio opens $type with $got, not $expected, on $name with $viewer ($defaults)"
  done
done <<'DESKTOPS'
XFCE org.xfce.ristretto.desktop config/DESKTOP-mimeapps.list org.xfce.ristretto.desktop
X-Cinnamon xviewer.desktop desktop/applications/DESKTOP-mimeapps.list xviewer.desktop
MATE org.xfce.ristretto.desktop desktop/applications/mimeapps.list org.xfce.ristretto.desktop
XFCE org.xfce.ristretto.desktop - org.skinkit.knapro.desktop
GNOME org.gnome.eog.desktop - org.gnome.eog.desktop
DESKTOPS
finish "installed tree"
