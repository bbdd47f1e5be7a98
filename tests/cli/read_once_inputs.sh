#!/usr/bin/env bash
# Inputs that can be read only once: a pipe, a FIFO with its writer and
# /dev/stdin, given to -o or -gf, are read once into memory, and the run
# gives what the same run on the regular file gives (but for the file's name
# in the settings report).  Compressed files are refused with a message that
# shows how to read them through a pipe; an input that cannot be opened is
# refused too.
set -u
program=$1
sdsim=$2
cd "$3" || exit 2  # tests/cli/data
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=0
fail() {
  echo "FAIL: $*"
  failed=1
}

# Runs the program with arguments "$@" into $work/$label.{out,err,status}; the
# lines naming the input files are left out of its standard output.
run() {
  local label=$1
  shift
  (exec -a Quintavelmor timeout 60 "$program" "$@") 2>"$work/$label.err" |
    grep -v -e '^#OBSER file:' -e '^#GLN FREQ CHN file:' >"$work/$label.out"
  echo "${PIPESTATUS[0]}" >"$work/$label.status"
}

same_as() {
  local reference=$1 label=$2
  for part in out err status; do
    cmp -s "$work/$reference.$part" "$work/$label.$part" ||
      fail "$label: standard $part differs from the run on the regular file"
  done
}

# A file larger than the blocks the copy is kept in.
"$sdsim" --sd "$work/large.sd" --channels "$work/large_glonass.txt" --interval 10 --seed 7 ||
  exit 2
options=(-cGRE -lC1:L1:L4:P4:MW:MP1:MP2:CL1: -ms)

for sd in sim_GRE_30s_30min "$work/large"; do
  name=$(basename "$sd")
  chn=${sd}_glonass.txt
  run "$name-regular" -o"$sd.sd" -gf"$chn" "${options[@]}"
  grep -q '^ 20' "$work/$name-regular.out" || fail "$name: no rows listed"

  cat "$sd.sd" | run "$name-pipe" -o/dev/stdin -gf"$chn" "${options[@]}"
  same_as "$name-regular" "$name-pipe"

  rm -f "$work/fifo"
  mkfifo "$work/fifo"
  cat "$sd.sd" >"$work/fifo" &
  run "$name-fifo" -o"$work/fifo" -gf"$chn" "${options[@]}"
  wait
  same_as "$name-regular" "$name-fifo"

  cat "$chn" | run "$name-channels-pipe" -o"$sd.sd" -gf/dev/stdin "${options[@]}"
  same_as "$name-regular" "$name-channels-pipe"

  gzip -c "$sd.sd" >"$work/$name.sd.gz"
  zcat "$work/$name.sd.gz" | run "$name-zcat" -o/dev/stdin -gf"$chn" "${options[@]}"
  same_as "$name-regular" "$name-zcat"
done

# Refused inputs: the message on standard error, status 1, nothing listed.
refused() {
  local label=$1 message=$2
  shift 2
  run "$label" "$@"
  [ "$(cat "$work/$label.status")" = 1 ] || fail "$label: status is not 1"
  [ -s "$work/$label.out" ] && fail "$label: something was listed"
  grep -qxF "**** Quintavelmor: Error -> $message ****" "$work/$label.err" ||
    fail "$label: no error '$message'"
}
gz=$work/sim_GRE_30s_30min.sd.gz
refused gzip "SINGLE-DIFFERENCE FILE IS COMPRESSED (gzip); READ IT THROUGH A PIPE: zcat $gz | Quintavelmor -o/dev/stdin ..." \
  -o"$gz" -cG
printf '\037\235\220RINEX' >"$work/channels.Z"
refused compress "GLONASS FREQUENCY CHANNEL FILE IS COMPRESSED (compress); READ IT THROUGH A PIPE: zcat $work/channels.Z | Quintavelmor -gf/dev/stdin ..." \
  -osim_GRE_30s_30min.sd -gf"$work/channels.Z" -cR
refused stdin-closed "SINGLE-DIFFERENCE FILE CAN NOT BE OPENED!" -o/dev/stdin -cG <&-

[ "$failed" = 0 ] && echo "read-once inputs: all passed"
exit $failed
