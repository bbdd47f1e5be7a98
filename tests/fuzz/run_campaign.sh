#!/usr/bin/env bash
# A long fuzzing campaign in the background, at the lowest priority:
#
#   run_campaign.sh BUILD_DIR TARGET...          runs the targets in turn,
#       CHUNK seconds at a time (default 1200), each on a corpus of its own
#       under WORK (default /tmp/quintavelmor_campaign), until WORK/stop
#       exists; a target that finds something is left out from then on, its
#       log kept as WORK/TARGET.found.  WORK/totals.log gets one line per
#       chunk with the inputs run, for the README's totals.
#   run_campaign.sh --merge BUILD_DIR TARGET...  adds to tests/fuzz/corpus/
#       the campaign's inputs that reach edges the kept inputs do not.
set -u
merge=0
if [ "${1:-}" = --merge ]; then
  merge=1
  shift
fi
build_dir=$1
shift
work=${WORK:-/tmp/quintavelmor_campaign}
chunk=${CHUNK:-1200}
source_dir=$(cd "$(dirname "$0")" && pwd)
options=(-timeout=20 -rss_limit_mb=2048 -max_len=65536)

if [ "$merge" = 1 ]; then
  for target in "$@"; do
    # From a copy: the running campaign replaces inputs as it shortens them.
    rm -rf "$work/$target/snapshot"
    cp -r "$work/$target/corpus" "$work/$target/snapshot"
    nice -n 19 "$build_dir/tests/fuzz/${target}_fuzz" -merge=1 -use_counters=0 -use_value_profile=0 \
      "${options[@]}" "$source_dir/corpus/$target" "$work/$target/snapshot" 2>&1 |
      grep -E '^MERGE-OUTER: [0-9]+ new files' | sed "s/^/$target: /"
  done
  exit 0
fi

while [ ! -e "$work/stop" ]; do
  ran=0
  for target in "$@"; do
    [ -e "$work/stop" ] && break
    [ -e "$work/$target.found" ] && continue
    ran=1
    mkdir -p "$work/$target/corpus" "$work/$target/artifacts"
    log=$work/$target/last.log
    nice -n 19 "$build_dir/tests/fuzz/${target}_fuzz" "$work/$target/corpus" "$source_dir/corpus/$target" \
      -max_total_time="$chunk" "${options[@]}" -print_final_stats=1 \
      -artifact_prefix="$work/$target/artifacts/" >"$log" 2>&1
    status=$?
    units=$(grep '^stat::number_of_executed_units' "$log" | awk '{print $2}')
    echo "$(date -u +%FT%TZ) $target status=$status inputs=${units:-0}" >>"$work/totals.log"
    [ "$status" = 0 ] || cp "$log" "$work/$target.found"
  done
  [ "$ran" = 1 ] || exit 1
done
