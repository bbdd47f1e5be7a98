#!/usr/bin/env bash
# Times Quintavelmor-report reading a day of 1-second single-difference data
# itself against the listing program forming the same columns (the QC set:
# L4, MW, MP1, MP2, C1-L1), side by side: medians of processor time (user +
# system), wall time and peak memory; then the size of the page of that day.
# Not part of `make test`.
#
#   bash bench/report.sh             # Release build in build/, 3 runs each
#   RUNS=5 BUILD_DIR=build-rel bash bench/report.sh
#
# The simulated day is written once into bench/data/ (git-ignored), as
# bench/run.sh writes it.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=${RUNS:-3}
DATA=$ROOT/bench/data
SDSIM=$BUILD_DIR/tools/sdsim
COLUMNS=L4:MWp:MW:MP1:MC1:MP2:CL1
# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

if [ ! -x "$BUILD_DIR/Quintavelmor" ] || [ ! -x "$BUILD_DIR/Quintavelmor-report" ] ||
  [ ! -x "$SDSIM" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target Quintavelmor Quintavelmor-report sdsim > /dev/null
fi
mkdir -p "$DATA"
DAY=$DATA/day.sd
DAYGLN=$DATA/day_glonass.txt
if [ ! -s "$DAY" ]; then
  echo "bench: writing $DAY" >&2
  "$SDSIM" --sd "$DAY" --channels "$DAYGLN" --start 2024-06-24/00:00:00 --interval 1 \
    --types C1:P2:L1:L2:C2:D1:D2:C5:L5:C7:L7 --duration 86399
fi
echo "file: $DAY ($(stat -L -c %s "$DAY") bytes), medians of $RUNS runs; cpu = user + system"

export BUILD_DIR DAY DAYGLN COLUMNS
measure "listing: -l$COLUMNS: > /dev/null" bash -c \
  '(exec -a Quintavelmor "$BUILD_DIR/Quintavelmor" -o"$DAY" -gf"$DAYGLN" -cGRE -l"$COLUMNS": > /dev/null 2>&1)'
LISTING_CPU=$MEDIAN_CPU
LISTING_KB=$MEDIAN_KB
measure "report: --columns $COLUMNS --stats" bash -c \
  '"$BUILD_DIR/Quintavelmor-report" "$DAY" --channels "$DAYGLN" --columns "$COLUMNS" --stats > /dev/null'
printf '%-34s cpu %s x, peak memory %s x the listing\n' "" "$(ratio "$MEDIAN_CPU" "$LISTING_CPU")" \
  "$(ratio "$MEDIAN_KB" "$LISTING_KB")"
measure "report: QC set, statistics, CSV and page" bash -c \
  '"$BUILD_DIR/Quintavelmor-report" "$DAY" --channels "$DAYGLN" --stats --csv /dev/null \
     --html "'"$DATA"'/page" > /dev/null 2>&1'
printf '%-34s cpu %s x, peak memory %s x the listing\n' "" "$(ratio "$MEDIAN_CPU" "$LISTING_CPU")" \
  "$(ratio "$MEDIAN_KB" "$LISTING_KB")"
awk -v bytes="$(stat -c %s "$DATA/page/index.html")" 'BEGIN {
  printf "page of the day: %.2f MB (at most 5 MB)\n", bytes / 1e6 }'
