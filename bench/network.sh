#!/usr/bin/env bash
# Times Quintavelmor-net on a simulated network (12 stations, 3 days at 30 s,
# compact and gzipped as archives keep them, each station's 2 nearest):
# its processor time over running the converter and the report by hand on
# the same tasks (goal: at most 5 % more), one worker against two in wall
# time (goal: two take at most 0.7 of one's time, on a quiet machine), and
# the cost of one task.  Not part of `make test`.
#
#   bash bench/network.sh                       # Release build in build/, 3 runs each
#   RUNS=1 STATIONS=6 DAYS=1 bash bench/network.sh
#
# The network is written once into bench/data/network-S-D/ (git-ignored).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=${RUNS:-3}
STATIONS=${STATIONS:-12}
DAYS=${DAYS:-3}
RULE=(--nearest 2)
# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

if [ ! -x "$BUILD_DIR/Quintavelmor-net" ] || [ ! -x "$BUILD_DIR/Quintavelmor-sd" ] ||
  [ ! -x "$BUILD_DIR/Quintavelmor-report" ] || [ ! -x "$BUILD_DIR/tools/sdsim" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" \
    --target Quintavelmor-net Quintavelmor-sd Quintavelmor-report sdsim > /dev/null
fi
NETWORK=$ROOT/bench/data/network-$STATIONS-$DAYS
if [ ! -d "$NETWORK" ]; then
  echo "bench: writing $NETWORK" >&2
  mkdir -p "$NETWORK"
  "$BUILD_DIR/tools/sdsim" --network "$STATIONS" --days "$DAYS" --network-folder "$NETWORK" \
    --start 2024-06-24/00:00:00 --duration 86370 --interval 30 --compact --gzip > /dev/null
fi
OUT=$(mktemp -d)
trap 'rm -rf "$OUT"' EXIT
"$BUILD_DIR/Quintavelmor-net" plan "$NETWORK" -o "$OUT/plan" "${RULE[@]}" > /dev/null 2>&1
TASKS=$(grep -vc '^#' "$OUT/plan/plan.txt")
echo "network: $STATIONS stations x $DAYS days at 30 s, $TASKS tasks (${RULE[*]}); medians of" \
  "$RUNS runs; cpu = user + system of the program and its children"

# By hand: each task's two commands as the runner gives them, into one folder.
by_hand() {
  local day basefile roverfile
  while IFS=$'\t' read -r day _ _ basefile roverfile; do
    [[ $day == \#* ]] && continue
    "$BUILD_DIR/Quintavelmor-sd" "$basefile" "$roverfile" -o "$OUT/hand/baseline.sd" \
      -g "$OUT/hand/glonass.txt" > /dev/null 2>&1
    "$BUILD_DIR/Quintavelmor-report" "$OUT/hand/baseline.sd" --channels "$OUT/hand/glonass.txt" \
      --stats --html "$OUT/hand/report" --summary "$OUT/hand/summary.json" > /dev/null 2>&1
  done < "$OUT/plan/plan.txt"
}
export -f by_hand
export BUILD_DIR OUT
mkdir -p "$OUT/hand"
measure "by hand: converter and report" bash -c by_hand
HAND_CPU=$MEDIAN_CPU
net_run() { rm -rf "$OUT/run" && "$BUILD_DIR/Quintavelmor-net" run "$@" -o "$OUT/run" > /dev/null 2>&1; }
export -f net_run
measure "Quintavelmor-net run -j 1" bash -c 'net_run "$@"' _ "$NETWORK" "${RULE[@]}" -j 1
ONE_CPU=$MEDIAN_CPU
ONE_WALL=$MEDIAN_WALL
measure "Quintavelmor-net run -j 2" bash -c 'net_run "$@"' _ "$NETWORK" "${RULE[@]}" -j 2
awk -v hand="$HAND_CPU" -v one="$ONE_CPU" -v wall1="$ONE_WALL" -v wall2="$MEDIAN_WALL" \
  -v tasks="$TASKS" 'BEGIN {
  printf "processor-time overhead of -j 1 over by hand: %+.1f %% (goal: at most 5 %%)\n",
    100 * (one - hand) / hand
  printf "wall time of -j 2 over -j 1: %.2f (goal: at most 0.70, on a quiet machine)\n", wall2 / wall1
  printf "per task: %.3f s of processor time, %.3f s wall with -j 1\n", one / tasks, wall1 / tasks }'
