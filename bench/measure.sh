# shellcheck shell=bash
# Shared by the benchmarks (sourced, not run): medians of repeated runs of a
# command, as /usr/bin/time reports them.
TIME=/usr/bin/time
if [ ! -x "$TIME" ]; then
  echo "bench: $TIME is needed (Debian package 'time')" >&2
  exit 1
fi

# simulate_sd SDSIM DATA NAME SDSIM-OPTIONS...: writes DATA/NAME.sd and its
# channel file once: the benchmark types at 1 s from 2024-06-24.
simulate_sd() {
  local sdsim=$1 data=$2 name=$3
  shift 3
  if [ ! -s "$data/$name.sd" ]; then
    echo "bench: writing $data/$name.sd" >&2
    "$sdsim" --sd "$data/$name.sd" --channels "$data/${name}_glonass.txt" \
      --start 2024-06-24/00:00:00 --interval 1 --types C1:P2:L1:L2:C2:D1:D2:C5:L5:C7:L7 "$@"
  fi
}

# time_run LOG COMMAND...: runs the command once with standard output as the
# command gives it and adds its user, system and wall time and peak resident
# memory to LOG.
time_run() {
  local log=$1
  shift
  "$TIME" -a -o "$log" -f "%U %S %e %M" "$@" > /dev/null 2> /dev/null
}

# medians LOG: the medians of processor time (user + system), wall time, peak
# resident memory and system time of the runs in LOG.
medians() {
  awk '
    { cpu[NR] = $1 + $2; wall[NR] = $3; kb[NR] = $4; sys[NR] = $2 }
    function median(a, n,   i, j, t) {
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    END { printf "%.3f %.3f %d %.3f\n", median(cpu, NR), median(wall, NR), median(kb, NR), median(sys, NR) }' "$1"
}

# measure LABEL COMMAND...: runs the command RUNS times with standard output
# as the command gives it, and prints the medians of processor time, wall
# time and peak resident memory.  Sets MEDIAN_CPU, MEDIAN_WALL and MEDIAN_KB.
# PAUSE= seconds of idling before each run (default none): a run that follows
# a pause is what a user meets, and the kernel's memory costs can differ from
# those of runs back to back.
measure() {
  local label=$1
  shift
  local log
  log=$(mktemp)
  for _ in $(seq "$RUNS"); do
    sleep "${PAUSE:-0}"
    time_run "$log" "$@"
  done
  read -r MEDIAN_CPU MEDIAN_WALL MEDIAN_KB _ < <(medians "$log")
  rm -f "$log"
  printf '%-34s cpu %7.3f s   wall %7.3f s   peak %8d KiB\n' "$label" "$MEDIAN_CPU" "$MEDIAN_WALL" "$MEDIAN_KB"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", (b > 0 ? a / b : 0) }'; }

# A baseline run takes a few hundredths of a second, near the 0.01 s
# resolution of the process times: each is measured over BASE_REPEAT runs in
# one shell and divided.
BASE_REPEAT=${BASE_REPEAT:-10}
per_run() { awk -v t="$1" -v n="$BASE_REPEAT" 'BEGIN { printf "%.4f", t / n }'; }
repeat() {
  local n=$1
  shift
  for _ in $(seq "$n"); do "$@"; done
}
export -f repeat
