#!/usr/bin/env bash
# A virtual-memory limit too small for the file: the run ends with the
# container's allocation frame and status 1, never with an abort.  The file
# is made here, of satellite lines that hold the satellite number alone, so
# that a file of a few megabytes asks for more than a gigabyte of series.
# An endless input (/dev/zero, read once into memory) ends with the
# program's own frame.
set -u
program=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
limit_kib=307200

{
  sed -n '1,/^END OF HEADER/p' "$data/listing_mixed.sd"
  awk 'BEGIN {
    for (e = 0; e < 100; e++) {
      printf "30000 57817 %d.0000000     0.000     0.000     0.000\n", 22000 + e
      for (s = 0; s < 30000; s++) print "  1"
    }
  }'
} >"$work/large.sd"

# Runs the program under the limit with arguments "$@" (standard input from
# the caller); fails the test unless it ends with status 1 and `expected` in
# its output.
limited() {
  local label=$1 expected=$2
  shift 2
  (ulimit -v "$limit_kib" && exec -a Quintavelmor "$program" "$@") >"$work/out" 2>"$work/err"
  local status=$?
  if [ "$status" != 1 ] || ! grep -qF "$expected" "$work/out" "$work/err"; then
    echo "FAIL: $label: status $status, expected 1 and '$expected'"
    head -c 2000 "$work/out" "$work/err"
    failed=1
  fi
}

limited "regular file" "Matrix cannot be allocated" -o"$work/large.sd" -cG </dev/null
limited "pipe" "Matrix cannot be allocated" -o/dev/stdin -cG <"$work/large.sd"
cat "$work/large.sd" | limited "pipe" "Matrix cannot be allocated" -o/dev/stdin -cG
limited "endless input" "Error -> NOT ENOUGH MEMORY!" -o/dev/zero -cG </dev/null

[ "$failed" = 0 ] && echo "memory limit: all passed"
exit $failed
