#!/usr/bin/env bash
# Runs one end-to-end case and compares standard output, standard error and
# the exit status byte for byte with the case's expected files.
#
# A case is a folder holding:
#   args    the program's arguments, one per line (an empty file: no arguments)
#   stdout  expected standard output
#   stderr  expected standard error
#   status  expected exit status followed by a line feed
# and, optionally:
#   output  where standard output goes instead of being compared: "full"
#           (/dev/full), "closed" (no descriptor 1), "broken-pipe" (a pipe
#           whose reader has gone) or "broken-pipe-ignored" (the same with
#           SIGPIPE ignored); the expected stdout is then empty
# The program runs with the case's folder as working directory, so arguments
# name input files relative to it (shared inputs live in ../data/).
#
# With UPDATE=1 in the environment the expected files are rewritten from the
# actual run instead; read the result before committing it.
prog=$1
case_dir=$2
source "$(dirname "$0")/../support/compare_streams.sh" || exit 2
cd "$case_dir" || exit 2

args=()
while IFS= read -r line || [ -n "$line" ]; do
  args+=("$line")
done < args

actual=$(mktemp -d)
trap 'rm -rf "$actual"' EXIT
# The program scans its own name for verbose mode too, so it always runs
# under the plain name, wherever the build folder lies.
run() { (exec -a Quintavelmor "$prog" "${args[@]}") 2>"$actual/stderr" </dev/null; }

# Runs the program with standard output on a pipe that no one reads any more:
# the FIFO is opened for reading and writing, then for writing, and the
# reading end is closed.
run_broken_pipe() {
  mkfifo "$actual/pipe"
  exec 3<>"$actual/pipe" 4>"$actual/pipe" 3<&-
  run >&4
}

: >"$actual/stdout"
case $(cat output 2>/dev/null) in
  full) run >/dev/full ;;
  closed) run >&- ;;
  broken-pipe) (run_broken_pipe) ;;
  broken-pipe-ignored) (trap '' PIPE; run_broken_pipe) ;;
  *) run >"$actual/stdout" ;;
esac
echo $? >"$actual/status"

if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual/stdout" "$actual/stderr" "$actual/status" .
  exit 0
fi

compare_streams . "$actual"
