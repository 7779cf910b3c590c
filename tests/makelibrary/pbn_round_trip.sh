#!/usr/bin/env bash
# The viewer's PBN export read back by makelibrary --import: the library's records come back byte
# for byte, from the exported tables and, with the tables taken out, from DDS; a table one trick
# off fails --verify and nothing is written.
#   pbn_round_trip.sh BOARDLOOK_BATCH MAKELIBRARY SAMPLE_FOLDER WORK_FOLDER
set -euo pipefail
batch=$1 make=$2 sample=$3 work=$4
rm -rf "$work" && mkdir -p "$work"
head_of() { head -c $(($2 * $3)) "$sample/$1"; }

"$batch" "$sample" --deals 1-200 --pbn --pbn-file "$work/all.pbn" >/dev/null
"$make" --import "$work/all.pbn" --out "$work/all" --verify 2 2>"$work/all.err"
cmp "$work/all/Library.bin" <(head_of Library.bin 200 26)
cmp "$work/all/Library.asc" <(head_of Library.asc 200 89)
grep -q "imported 200 deals, 0 repeated, 0 skipped" "$work/all.err"

"$batch" "$sample" --deals 1-4 --pbn --pbn-file "$work/four.pbn" >/dev/null
"$make" --import "$work/all.pbn" "$work/four.pbn" --out "$work/both" 2>"$work/both.err"
grep -q "imported 200 deals, 4 repeated, 0 skipped" "$work/both.err"
cmp "$work/both/Library.bin" "$work/all/Library.bin"
sed '/^\[OptimumResultTable/,+20d' "$work/four.pbn" >"$work/bare.pbn"
"$make" --import "$work/bare.pbn" --out "$work/bare" 2>/dev/null
cmp "$work/bare/Library.bin" <(head_of Library.bin 4 26)

sed '0,/^N NT  7/s//N NT  8/' "$work/four.pbn" >"$work/wrong.pbn"
if "$make" --import "$work/wrong.pbn" --out "$work/wrong" --verify 4 2>"$work/wrong.err"; then
  echo "a wrong table passed --verify" >&2
  exit 1
fi
grep -q "DDS finds" "$work/wrong.err"
test ! -e "$work/wrong/Library.bin"
