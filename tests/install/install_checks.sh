#!/usr/bin/env bash
# Checks of the installed suite, one per mode:
#   man DIR PROGRAM...              every page renders without a warning
#   help BIN MAN VERSION PROGRAM... a page names the options --help names, and no others;
#                                   --version says the suite's version
#   staged BUILD WORK               an install into WORK/stage run with a fresh HOME and no folder
#   package BUILD WORK EXPECTED     the Debian package holds the EXPECTED paths, nothing outside
#                                   /usr, and depends on Qt
set -euo pipefail
mode=$1 a=$2 b=${3:-} c=${4:-}
fail() { echo "FAIL: $*" >&2; exit 1; }
options() { sed 's/\\-/-/g' | grep -oE '(^|[^A-Za-z0-9-])(--[a-z][a-z0-9-]*|-h)\b' | sed 's/^[^-]*//' | sort -u; }
case $mode in
man) for p in "${@:3}"; do
       [ -z "$(LC_ALL=C.UTF-8 man --warnings -l "$a/$p.1" 2>&1 >/dev/null)" ] || fail "$p.1 warns"; done ;;
help) for p in "${@:5}"; do
        diff <("$a/$p" --help | options) <(options <"$b/$p.1") || fail "$p: --help (<) and page (>) differ"
        [ "$("$a/$p" --version)" = "$p $c" ] || fail "$p --version"; done ;;
staged)
  rm -rf "$b" && mkdir -p "$b/home" && cmake --install "$a" --prefix "$b/stage" >/dev/null
  export HOME=$b/home && unset XDG_DATA_HOME && cd "$HOME"
  "$b/stage/bin/trickscan-batch" --preset standard --no-wait 2>&1 | tee scan.out
  "$b/stage/bin/boardlook-batch" --deal 1 --html 2>&1 | tee export.out
  folder=$HOME/.local/share/trickscan
  grep -qx "trickscan-batch: made the program folder $folder with Library.bin Library.asc from $b/stage/share/trickscan" scan.out || fail "not made"
  ! grep -q "made the program folder" export.out || fail "the second program seeded again"
  cmp "$folder/Library.bin" "$b/stage/share/trickscan/Library.bin"
  ls "$folder/DataFiles/(none)40ScoCo.dat" "$folder/Over20.txt" "$folder/HtmlFiles/No1.Html" >/dev/null
  [ -z "$(ls "$b/stage/bin" | grep -vxE 'trickscan|boardlook|(trickscan|boardlook)-batch|makelibrary')" ] || fail "files beside the programs" ;;
package)
  rm -rf "$b" && cpack -G DEB -B "$b" --config "$a/CPackConfig.cmake" >"$b.log" 2>&1 || fail "cpack: $(tail -3 "$b.log")"
  deb=$(ls "$b"/*.deb) && dpkg-deb -c "$deb" | awk '{print $6}' | sed 's#^\./#/#' >"$b/contents"
  ! grep -vE '^/(usr/.*)?$' "$b/contents" || fail "paths outside /usr"
  ! grep -vxFf "$b/contents" <(grep '^/' "$c") || fail "missing in $deb"
  dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fail "no dependency on Qt"
  echo "$(basename "$deb"): $(stat -c %s "$deb") bytes, $(wc -l <"$b/contents") entries" ;;
esac
