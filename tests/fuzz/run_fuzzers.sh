#!/usr/bin/env bash
# Runs every fuzzing target for a bounded time, starting from its seeds.
# Fails on any crash, leak, sanitizer report or slow input (over a second);
# the input that found it is left in the printed folder, to be kept in
# tests/fuzz/regressions/<target>/ once the cause is fixed.
set -u
build_dir=$1
seconds=${2:-40}
source_dir=$(cd "$(dirname "$0")" && pwd)
failed=0
targets=(sd_file sd_parts glonass_channel command_line rinex_input rinex_obs pipe_input)
for target in "${targets[@]}"; do
  work=$(mktemp -d "/tmp/quintavelmor_${target}_XXXXXX")
  mkdir -p "$work/corpus"
  echo "== fuzzing $target for ${seconds}s (work folder $work)"
  if ! "$build_dir/tests/fuzz/${target}_fuzz" "$work/corpus" "$source_dir/corpus/$target" \
      -max_total_time="$seconds" -timeout=1 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 -artifact_prefix="$work/" >"$work/log" 2>&1; then
    echo "!! $target found a problem:"
    grep -v '^#' "$work/log" | tail -40
    ls "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-* 2>/dev/null
    failed=1
    continue
  fi
  grep -E '^stat::number_of_executed_units|^Done' "$work/log" | tail -2
  rm -rf "$work"
done
if [ "$failed" = 0 ]; then echo "fuzzing: ${#targets[@]} passed, 0 failed"; fi
exit $failed
