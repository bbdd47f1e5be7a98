#!/usr/bin/env bash
# A satellite with many records is formatted on a thread of its own, a few
# satellites at once, and written in its place; one with few records is
# formatted on the calling thread.  A 1 s file listed on a 30 s grid (every
# satellite on a thread, each with its system's constants) gives the rows
# and the summaries of the same file thinned to 30 s (every satellite on
# the calling thread).
set -u
program=$1
sdsim=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*"
  exit 1
}

"$sdsim" --sd "$work/1s.sd" --channels "$work/glonass.txt" --interval 1 --duration 3599 \
  --sats 4 > /dev/null || exit 2
# The header, then each epoch whose second of the day is a multiple of 30 with its records.
awk '!body { print; if (/^END OF HEADER/) body = 1; next }
     left == 0 { left = $1; kept = ($3 % 30 == 0); if (kept) print; next }
     { left--; if (kept) print }' "$work/1s.sd" > "$work/30s.sd"

options=(-gf"$work/glonass.txt" -cGRE -lC1:L4:MW:MP2:)
"$program" -o"$work/1s.sd" "${options[@]}" -t30 > "$work/grid.out" 2> "$work/grid.err" ||
  fail "the 1 s file on a 30 s grid was not listed"
"$program" -o"$work/30s.sd" "${options[@]}" > "$work/thin.out" 2> "$work/thin.err" ||
  fail "the 30 s file was not listed"
rows() { sed -n '/Time(datum)/,$p' "$1"; }
[ "$(grep -c '^  SAT: .* 120 x 4 observations' "$work/thin.err")" -ge 10 ] ||
  fail "fewer than 10 satellites with every epoch listed"
cmp -s <(rows "$work/grid.out") <(rows "$work/thin.out") || fail "the rows differ"
cmp -s "$work/grid.err" "$work/thin.err" || fail "the summaries differ"
exit 0
