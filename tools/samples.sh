#!/usr/bin/env bash
# The simulated sample files committed to the repository, and how sdsim makes
# them. "write" regenerates them; "check" regenerates them into a temporary
# folder and fails when any differs from the committed file.
#
#   bash tools/samples.sh write|check SDSIM REPOSITORY_ROOT
set -u
mode=$1
sdsim=$2
root=$3

# One line per sample: single-difference file, channel file (- for none), options.
samples() {
  cat <<'LIST'
examples/sim_GRE_30s_1h.sd examples/sim_GRE_30s_1h_glonass.txt --seed 1
tests/cli/data/sim_G_1s_10min_msjump.sd - --seed 2 --systems G --sats 4 --start 2024-06-24/12:00:00 --duration 600 --interval 1 --types C1:P1:P2:L1:L2 --jump-at 300 --slip-at -1
tests/cli/data/sim_GRE_30s_30min.sd tests/cli/data/sim_GRE_30s_30min_glonass.txt --seed 3 --sats 3 --start 2024-06-24/10:00:00 --duration 1800 --interval 30 --jump-at -1
tests/cli/data/sim_GRE_30s_2min.sd tests/cli/data/sim_GRE_30s_2min_glonass.txt --seed 4 --sats 2 --start 2024-06-24/10:00:00 --duration 120 --interval 30 --jump-at 60 --slip-at -1
LIST
}

target=$root
if [ "$mode" = check ]; then
  target=$(mktemp -d)
  trap 'rm -rf "$target"' EXIT
fi

status=0
while read -r sd channels options; do
  mkdir -p "$target/$(dirname "$sd")"
  channel_option=()
  if [ "$channels" != - ]; then
    mkdir -p "$target/$(dirname "$channels")"
    channel_option=(--channels "$target/$channels")
  fi
  # shellcheck disable=SC2086 # the options are words on purpose
  "$sdsim" --sd "$target/$sd" "${channel_option[@]}" $options || status=1
  [ "$mode" = check ] || continue
  for file in "$sd" "$channels"; do
    [ "$file" = - ] && continue
    if ! cmp -s "$root/$file" "$target/$file"; then
      echo "$file differs from what sdsim writes now"
      status=1
    fi
  done
done < <(samples)
exit $status
