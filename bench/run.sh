#!/usr/bin/env bash
# Times Quintavelmor on a day of 1-second data against `cat` and `wc -l` of
# the same file, in one run: medians of several runs, processor time
# (user + system) and wall time, peak memory against the size of the loaded
# records, the scaling with file length and with the number of satellites,
# and, given a previous build of the program, that build on the same line.
# Not part of `make test`.
#
#   bash bench/run.sh              # Release build in build/, 5 runs each
#   RUNS=9 BUILD_DIR=build-rel bash bench/run.sh
#   PREV=/tmp/Quintavelmor-old PAUSE=4 bash bench/run.sh
#
# The simulated files are written once into bench/data/ (git-ignored).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=${RUNS:-5}
DATA=$ROOT/bench/data
PROG=$BUILD_DIR/Quintavelmor
SDSIM=$BUILD_DIR/tools/sdsim
# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

if [ ! -x "$PROG" ] || [ ! -x "$SDSIM" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target Quintavelmor sdsim > /dev/null
fi
mkdir -p "$DATA"

# simulate NAME SDSIM-OPTIONS...: writes $DATA/NAME.sd and its channel file once.
simulate() { simulate_sd "$SDSIM" "$DATA" "$@"; }

simulate halfday --duration 43199
simulate day --duration 86399
simulate twodays --duration 172799
simulate sats24 --duration 86399 --sats 8
simulate sats48 --duration 43199 --sats 16

# Bytes the loaded records hold: the series of the header's types, `sat`,
# `epoch` and the per-epoch tables, with the sizes of this build's types.
data_bytes() {
  awk -v obs=20 -v dop=16 -v sat=2 -v ep=32 -v per_epoch=50 '
    !body && /^# & TYPES OF OBS:/ {
      for (i = 5; i <= NF; i++) {
        if ($i ~ /^(C1|P1|P2|L1|L2|C2|C5|L5|C7|L7|C8|L8)$/) record += obs
        else if ($i ~ /^(D1|D2)$/) record += dop
      }
      next
    }
    !body && /^END OF HEADER/ { body = 1; next }
    body && left == 0 { epochs++; left = $1; next }
    body { records++; left-- }
    END { printf "%d %d %.0f\n", epochs, records, records * (record + sat) + epochs * (ep + per_epoch) }' "$1"
}

DAY=$DATA/day.sd
DAYGLN=$DATA/day_glonass.txt
echo "file: $DAY ($(stat -L -c %s "$DAY") bytes), medians of $RUNS runs; cpu = user + system"
measure "cat FILE > /dev/null, $BASE_REPEAT times" bash -c 'repeat "$@" > /dev/null' _ "$BASE_REPEAT" cat "$DAY"
CAT_CPU=$(per_run "$MEDIAN_CPU")
CAT_WALL=$(per_run "$MEDIAN_WALL")
measure "wc -l FILE, $BASE_REPEAT times" bash -c 'repeat "$@" > /dev/null' _ "$BASE_REPEAT" wc -l "$DAY"
WC_CPU=$(per_run "$MEDIAN_CPU")
echo "per run: cat cpu $CAT_CPU s, wall $CAT_WALL s; wc -l cpu $WC_CPU s"

report() {
  local label=$1
  shift
  measure "$label" "$@"
  printf '%-34s cpu %s x cat, %s x wc -l; wall %s x cat\n' "" "$(ratio "$MEDIAN_CPU" "$CAT_CPU")" \
    "$(ratio "$MEDIAN_CPU" "$WC_CPU")" "$(ratio "$MEDIAN_WALL" "$CAT_WALL")"
}

run() { "$PROG" "$@" 2> /dev/null; }
export -f run
export PROG

report "-lC1:L4:MW: > /dev/null" bash -c 'run "$@" > /dev/null' _ -o"$DAY" -gf"$DAYGLN" -cGRE -lC1:L4:MW:
THREE_KB=$MEDIAN_KB
THREE_CPU=$MEDIAN_CPU
THREE_WALL=$MEDIAN_WALL
if [ -n "${PREV:-}" ]; then
  export PREV
  report "previous build: -lC1:L4:MW:" bash -c 'PROG=$PREV run "$@" > /dev/null' _ -o"$DAY" \
    -gf"$DAYGLN" -cGRE -lC1:L4:MW:
  printf '%-34s this build: cpu %s x, wall %s x the previous one\n' "" \
    "$(ratio "$THREE_CPU" "$MEDIAN_CPU")" "$(ratio "$THREE_WALL" "$MEDIAN_WALL")"
fi
report "ten entries > /dev/null" bash -c 'run "$@" > /dev/null' _ -o"$DAY" -gf"$DAYGLN" -cGRE \
  -lC1:P2:L1:L2:D1:L4:P4:L3:MW:MP2:
printf '%-34s cpu %s x, wall %s x the three entries\n' "" "$(ratio "$MEDIAN_CPU" "$THREE_CPU")" \
  "$(ratio "$MEDIAN_WALL" "$THREE_WALL")"
report "-lC1:L4:MW: > file on disk" bash -c 'run "$@" > "'"$DATA"'/listing.txt"' _ -o"$DAY" -gf"$DAYGLN" \
  -cGRE -lC1:L4:MW:
rm -f "$DATA/listing.txt"

read -r EPOCHS RECORDS BYTES < <(data_bytes "$DAY")
echo "records: $EPOCHS epochs, $RECORDS satellite lines; loaded data $BYTES bytes"
awk -v kb="$THREE_KB" -v bytes="$BYTES" 'BEGIN {
  printf "peak memory %.1f MB = %.3f x the loaded data\n", kb * 1024 / 1e6, kb * 1024 / bytes }'

SMALL=$ROOT/examples/sim_GRE_30s_1h.sd
measure "small file: 50 runs" bash -c 'for _ in $(seq 50); do run "$@" > /dev/null; done' _ \
  -o"$SMALL" -gf"$ROOT/examples/sim_GRE_30s_1h_glonass.txt" -cGRE -lC1:L4:MW:
awk -v cpu="$MEDIAN_CPU" -v wall="$MEDIAN_WALL" 'BEGIN {
  printf "%-34s %.1f ms cpu, %.1f ms wall per run\n", "", cpu / 50 * 1000, wall / 50 * 1000 }'

echo "scaling: half a day, a day and two days"
for name in halfday day twodays; do
  read -r EPOCHS RECORDS BYTES < <(data_bytes "$DATA/$name.sd")
  measure "$name ($RECORDS records)" bash -c 'run "$@" > /dev/null' _ -o"$DATA/$name.sd" \
    -gf"$DATA/${name}_glonass.txt" -cGRE -lC1:L4:MW:
  awk -v cpu="$MEDIAN_CPU" -v wall="$MEDIAN_WALL" -v n="$RECORDS" 'BEGIN {
    printf "%-34s %.1f ns of cpu, %.1f ns of wall per record\n", "", cpu / n * 1e9, wall / n * 1e9 }'
done

echo "scaling: about the same number of records spread over twice as many satellites"
PER_RECORD=()
for name in sats24 sats48; do
  read -r EPOCHS RECORDS BYTES < <(data_bytes "$DATA/$name.sd")
  measure "$name ($RECORDS records)" bash -c 'run "$@" > /dev/null' _ -o"$DATA/$name.sd" \
    -gf"$DATA/${name}_glonass.txt" -cGRE -lC1:L4:MW:
  PER_RECORD+=("$(awk -v cpu="$MEDIAN_CPU" -v n="$RECORDS" 'BEGIN { printf "%.1f", cpu / n * 1e9 }')")
  printf '%-34s %s ns of cpu per record\n' "" "${PER_RECORD[-1]}"
done
awk -v a="${PER_RECORD[0]}" -v b="${PER_RECORD[1]}" 'BEGIN {
  printf "twice the satellites: %+.1f %% cpu per record\n", (a > 0 ? (b / a - 1) * 100 : 0) }'
