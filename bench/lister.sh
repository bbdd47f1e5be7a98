#!/usr/bin/env bash
# Times Quintavelmor against a hand-tuned single-purpose lister on the
# benchmark day (24 h at 1 s, -cGRE -lC1:L4:MW:, every GLONASS satellite on
# channel 0, which is what the lister assumes), in one run: the two
# programs alternate, run by run, so that both meet the same machine.  The
# rows of both are checked to be the same bytes first.  Both machine states
# are timed: runs back to back, and runs after a pause (on a virtual machine
# that hands free memory back to its host, fresh memory costs more after a
# pause).  Not part of `make test`.
#
#   bash bench/lister.sh                     # Release build in build/, 9 pairs
#   RUNS=5 PAUSE=3 BUILD_DIR=build-rel bash bench/lister.sh
#   PREV=/tmp/Quintavelmor-old bash bench/lister.sh   # a previous build beside them
#
# LISTER= names the lister's source (by default the one beside this
# project's folder, ../shared/bench/sd_list_opt.cpp); it is built with
# `g++ -O2` into bench/data/.
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=${RUNS:-9}
PAUSE=${PAUSE:-3}
DATA=$ROOT/bench/data
PROG=$BUILD_DIR/Quintavelmor
SDSIM=$BUILD_DIR/tools/sdsim
LISTER=${LISTER:-$ROOT/../shared/bench/sd_list_opt.cpp}
# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

if [ ! -f "$LISTER" ]; then
  echo "bench: the lister's source $LISTER is not there (LISTER= names it)" >&2
  exit 1
fi
if [ ! -x "$PROG" ] || [ ! -x "$SDSIM" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target Quintavelmor sdsim > /dev/null
fi
mkdir -p "$DATA"
simulate_sd "$SDSIM" "$DATA" day --duration 86399
DAY=$DATA/day.sd
# Every GLONASS slot on channel 0: the last field of each slot's lines.
CHANNELS=$DATA/day_glonass_channel0.txt
sed -E '/^R/s/-?[0-9]+[[:space:]]*$/0/' "$DATA/day_glonass.txt" > "$CHANNELS"
LISTER_BIN=$DATA/sd_list_opt
g++ -O2 -std=c++17 -o "$LISTER_BIN" "$LISTER"

ARGS=(-o"$DAY" -gf"$CHANNELS" -cGRE -lC1:L4:MW:)
# The rows: the program's listing from its title line on.
if ! cmp -s <("$PROG" "${ARGS[@]}" 2> /dev/null | sed -n '/^#          Time(datum)/,$p') \
  <("$LISTER_BIN" "$DAY" 2> /dev/null); then
  echo "bench: the rows of the program and of the lister differ" >&2
  exit 1
fi

# state LABEL SECONDS: RUNS rounds of the program, the lister and PREV, each
# run after SECONDS of idling, and the medians of each with the ratios.
state() {
  local label=$1 pause=$2 logs=()
  local names=(program lister)
  [ -n "${PREV:-}" ] && names+=(previous)
  for _ in "${names[@]}"; do logs+=("$(mktemp)"); done
  for _ in $(seq "$RUNS"); do
    sleep "$pause"
    time_run "${logs[0]}" "$PROG" "${ARGS[@]}"
    sleep "$pause"
    time_run "${logs[1]}" "$LISTER_BIN" "$DAY"
    if [ -n "${PREV:-}" ]; then
      sleep "$pause"
      time_run "${logs[2]}" "$PREV" "${ARGS[@]}"
    fi
  done
  echo "$label: medians of $RUNS runs each; cpu = user + system"
  local i cpu=() wall=() kb sys
  for i in "${!names[@]}"; do
    read -r "cpu[$i]" "wall[$i]" kb sys < <(medians "${logs[$i]}")
    rm -f "${logs[$i]}"
    printf '  %-9s cpu %6.3f s  wall %6.3f s  system %6.3f s  peak %8d KiB\n' "${names[$i]}" \
      "${cpu[$i]}" "${wall[$i]}" "$sys" "$kb"
  done
  printf '  program / lister: cpu %s, wall %s\n' "$(ratio2 "${cpu[0]}" "${cpu[1]}")" \
    "$(ratio2 "${wall[0]}" "${wall[1]}")"
}
ratio2() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }

echo "file: $DAY ($(stat -L -c %s "$DAY") bytes); rows identical to the lister's"
state "back to back" 0
state "after a pause of $PAUSE s" "$PAUSE"
