#!/bin/sh
# Configures each program alone, as `./kit run` and `./kit sample` do (no tests,
# KIT_PROGRAMS=<program>; for the meter also its Windows side), traces every
# lookup that the kit's own build files make, and checks, in both directions,
# that the program's package list in ./kit holds exactly the packages that those
# lookups and the program's run need. It also checks on this machine that what
# each lookup found belongs to the package the table names, so the table cannot
# drift either. It installs nothing: the machine has the kit's packages (as
# `./kit test` leaves it) and nothing is found missing.
#   narrowed_builds.sh <source dir> <kit>
set -u
root=$(cd "$1" && pwd) kit=$2
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# What each lookup needs, as "kind what... = packages". A lookup that the build
# files make and this table lacks fails the check: add it here with the package
# that provides it, and add that package to the program's list in ./kit.
cat >"$work/lookups" <<'TABLE'
program c++ = g++
program ninja-build = ninja-build
program gzip = gzip
program rsvg-convert = librsvg2-bin
program i686-w64-mingw32-g++-win32 = g++-mingw-w64-i686
program i686-w64-mingw32-gcc-win32 = g++-mingw-w64-i686
program i686-w64-mingw32-windres = binutils-mingw-w64-i686
program i686-w64-mingw32-objdump = binutils-mingw-w64-i686
program wine = wine
program wineserver = wine
package Qt6 Core Gui Widgets = qt6-base-dev
package Qt6 Multimedia = qt6-multimedia-dev
package JPEG = libjpeg-dev
package PkgConfig = pkg-config
pkg-config libzip = libzip-dev
pkg-config xcb = libxcb1-dev
pkg-config libcdio libcdio_cdda libcdio_paranoia = libcdio-dev libcdio-paranoia-dev
TABLE
# What running needs that no lookup sees: program = packages.
cat >"$work/runs" <<'TABLE'
plevo = cmake fonts-dejavu-core
knapro = cmake fonts-dejavu-core
tessel = cmake fonts-dejavu-core
skincheck = cmake
sample = cmake
meter = cmake wine32:i386
TABLE

# Every installed package: name, essential, what it depends on, what it provides.
dpkg-query -W -f='${db:Status-Abbrev}\t${Package}\t${Essential}\t${Pre-Depends}, ${Depends}\t${Provides}\n' \
  | awk -F '\t' '$1 ~ /^ii/ { print $2 "\t" $3 "\t" $4 "\t" $5 }' >"$work/installed"

# closure PACKAGE...: those packages and everything they depend on, as far as it
# is installed, one a line. Every alternative counts, and a virtual package
# stands for the installed packages that provide it.
closure() {
  echo "$*" | tr ' ' '\n' | sed 's/:.*//' | awk -F '\t' '
    function names(field, list,    n, i, parts) {
      gsub(/\([^)]*\)|:[a-z0-9]+|\[[^]]*\]/, "", field)
      n = split(field, parts, /[,|]/)
      for (i = 1; i <= n; i++) { gsub(/ /, "", parts[i]); if (parts[i] != "") list[parts[i]] = 1 }
    }
    FILENAME != "-" {
      depends[$1] = $3
      split("", provided); names($4, provided)
      for (p in provided) providers[p] = providers[p] " " $1
      next
    }
    { queue[++tail] = $1 }
    END {
      for (head = 1; head <= tail; head++) {
        p = queue[head]
        if (p in seen) continue
        seen[p] = 1
        if (p in providers) { n = split(providers[p], more, " "); for (i = 1; i <= n; i++) queue[++tail] = more[i] }
        if (!(p in depends)) continue
        split("", needed); names(depends[p], needed)
        for (d in needed) queue[++tail] = d
      }
      for (p in seen) if (p in depends) print p
    }' "$work/installed" -
}
essential() { awk -F '\t' -v p="${1%%:*}" '$1 == p && $2 == "yes" { found = 1 } END { exit !found }' "$work/installed"; }

# owners FILE: the packages that installed the file, one a line, looked up as
# named, as its link resolves and without a merged /usr.
owners() {
  for whole in "$1" "$(readlink -f "$1")"; do
    for owned in "$whole" "${whole#/usr}"; do
      owning=$(dpkg -S "$owned" 2>/dev/null | sed -n '1s/: \/.*//p')
      [ -n "$owning" ] && { echo "$owning" | tr ',' '\n' | sed 's/^ *//; s/:.*//'; return; }
    done
  done
}

tab=$(printf '\t')
cached() { sed -n "s/^$1:[A-Z]*=//p" "$2/CMakeCache.txt" | head -n 1; }

# lookups TRACE BUILD [own]: the lookups of the kit's own files in a JSON trace
# of a configure into BUILD, one a line as "key<TAB>files found", with the
# compiler and the generator that CMake looks for, unless the toolchain is the
# kit's "own".
lookups() {
  trace=$1 build=$2 mode=${3:-}
  jq -r '[.global_frame, .file, .cmd, (.args // [] | join("\u001f"))] | @tsv' "$trace" | awk -F '\t' \
    -v root="$root/" -v mode="$mode" '
    BEGIN {
      n = split("REQUIRED QUIET COMPONENTS OPTIONAL_COMPONENTS CONFIG MODULE NO_MODULE EXACT GLOBAL IMPORTED_TARGET " \
                "NO_CMAKE_PATH NO_CMAKE_ENVIRONMENT_PATH", list, " ")
      for (i = 1; i <= n; i++) keyword[list[i]] = 1
    }
    function key(cmd, n, arg,    i, j, k, m, parts) {
      if (cmd ~ /^find_(program|path|library)$/) {
        split(arg[arg[2] == "NAMES" ? 3 : 2], parts, ";")
        return substr(cmd, 6) " " parts[1]
      }
      k = cmd == "find_package" ? "package " arg[1] : "pkg-config"
      for (i = 2; i <= n; i++) {
        if (arg[i] in keyword) continue
        m = split(arg[i], parts, ";")
        for (j = 1; j <= m; j++) k = k " " parts[j]
      }
      return k
    }
    {
      n = split($4, arg, "\037")
      if (owner && $1 <= owner) owner = 0
      lookup = $3 ~ /^(find_program|find_path|find_library|find_package|pkg_check_modules)$/
      if (lookup && index($2, root) == 1) {
        print "L\t" key($3, n, arg) "\t" $3 "\t" arg[1]
        if ($3 == "find_package") { owner = $1; current = key($3, n, arg) }
      } else if (lookup && mode != "own" && (arg[1] == "CMAKE_CXX_COMPILER" || arg[1] == "CMAKE_MAKE_PROGRAM")) {
        print "L\t" key($3, n, arg) "\t" $3 "\t" arg[1]
      } else if (owner && $3 ~ /^find_(program|library)$/) {
        print "N\t" current "\t" $3 "\t" arg[1]
      }
    }' | sort -u >"$work/raw"
  while IFS="$tab" read -r kind name cmd variable; do
    [ "$kind" = L ] || continue
    found=
    case "$cmd" in
      find_program|find_library) found=$(cached "$variable" "$build") ;;
      find_path) found=$(cached "$variable" "$build")/${name#* } ;;
      pkg_check_modules) found=$(echo "${name#pkg-config }" | xargs pkg-config --path | tr '\n' ' ') ;;
      find_package)
        package=$(echo "$name" | cut -d ' ' -f 2)
        components=$(echo "$name" | cut -s -d ' ' -f 3-)
        for component in ${components:-""}; do
          dir=$(cached "$package${component}_DIR" "$build")
          [ -d "$dir" ] && found="$found $(ls "$dir"/*[Cc]onfig.cmake | head -n 1)"
        done
        if [ -z "$found" ]; then
          # A find module, which looks for the files itself: what it found.
          for nested in $(awk -F '\t' -v k="$name" '$1 == "N" && $2 == k { print $4 }' "$work/raw"); do
            value=$(cached "$nested" "$build")
            case "$value" in /*) found="$found $value" ;; esac
          done
        fi ;;
    esac
    printf '%s\t%s\n' "$name" "$found"
  done <"$work/raw"
}

# check PROGRAM: the lookups in $work/lookups.PROGRAM against the table, and what
# they found against the packages the table names. Prints the packages needed.
check() {
  sort -u "$work/lookups.$1" | while IFS="$tab" read -r name found; do
    packages=$(sed -n "s/^$name = //p" "$work/lookups")
    if [ -z "$packages" ]; then
      echo "FAIL: the build of $1 alone looks for '$name', which the table in $0 does not know" >&2
      continue
    fi
    echo "$packages" | tr ' ' '\n'
    [ -n "$found" ] || echo "FAIL: $1: '$name' finds nothing here; ./kit test installs what it needs" >&2
    # shellcheck disable=SC2086 # one package a word
    closure $packages >"$work/provided"
    for file in $found; do
      from=$(owners "$file")
      [ -n "$from" ] || { echo "FAIL: $1: '$name' found $file, which no package installed" >&2; continue; }
      echo "$from" | grep -qxF -f "$work/provided" \
        || echo "FAIL: $1: '$name' found $file, from $(echo $from), not from $packages as the table says" >&2
    done
  done
}

for program in plevo knapro tessel skincheck sample meter; do
  build=$work/$program
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIT_TESTS=OFF "-DKIT_PROGRAMS=$program" \
    --trace-expand --trace-format=json-v1 --trace-redirect="$work/$program.json" >"$work/$program.log" 2>&1 \
    || { cat "$work/$program.log"; fail "$program alone does not configure"; continue; }
  lookups "$work/$program.json" "$build" >"$work/lookups.$program"
  if [ "$program" = meter ]; then
    # The plug-in's Windows side, which the meter's build configures in turn.
    cmake -S "$root/meter_plugin/win32" -B "$build/win32" -G Ninja -DCMAKE_BUILD_TYPE=Release -DMETER_TESTS=OFF \
      "-DCMAKE_TOOLCHAIN_FILE=$root/cmake/mingw-w64-i686.cmake" \
      --trace-expand --trace-format=json-v1 --trace-redirect="$work/win32.json" >"$work/win32.log" 2>&1 \
      || { cat "$work/win32.log"; fail "the meter's Windows side does not configure"; continue; }
    lookups "$work/win32.json" "$build/win32" own >>"$work/lookups.$program"
  fi
  check "$program" 2>"$work/errors" | sort -u >"$work/needed"
  while read -r line; do fail "${line#FAIL: }"; done <"$work/errors"
  sed -n "s/^$program = //p" "$work/runs" | tr ' ' '\n' >>"$work/needed"

  listed=$("$kit" packages "$program") || { fail "./kit packages $program fails"; continue; }
  for package in $(sort -u "$work/needed"); do
    echo "$listed" | grep -qxF "$package" || essential "$package" \
      || fail "./kit run $program does not install $package, which its build or its run needs"
  done
  for package in $listed; do
    grep -qxF "$package" "$work/needed" \
      || fail "./kit run $program installs $package, which nothing of its build or its run needs"
  done
done

if [ "$failures" -ne 0 ]; then
  echo "narrowed builds: $failures checks failed"
  exit 1
fi
echo "narrowed builds: every program's package list matches what its build looks for"
