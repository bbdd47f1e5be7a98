#!/usr/bin/env bash
# The cross-check's command lines over a simulated file at 1 s: three
# satellites of each system over 36 minutes, 2,160 records each, so
# the listing formats the rows of each pair of satellites on two threads.
#
#   bash two_threads.sh PYTHON PROGRAM SDSIM
set -euo pipefail
python=$1
prog=$2
sdsim=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$sdsim" --sd "$dir/sim1s.sd" --channels "$dir/sim1s_glonass.txt" --start 2024-06-24/08:00:00 \
  --interval 1 --duration 2159 --sats 3
"$python" "$(dirname "$0")/compare.py" "$prog" -n 0 --real "$dir" --quiet
