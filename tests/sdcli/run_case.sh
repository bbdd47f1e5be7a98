#!/usr/bin/env bash
# Runs one end-to-end case of the converter and compares standard output,
# standard error, the exit status and the files it wrote byte for byte with
# the case's expected ones.
#
# A case is a folder holding:
#   args      the converter's arguments, one per line
#   stdout    expected standard output
#   stderr    expected standard error
#   status    expected exit status followed by a line feed
#   setup/    (optional) files present in the working folder before the run
#   output    (optional) "full": standard output goes to /dev/full (a full
#             disk), and the expected stdout is empty
#   file_size_limit  (optional) the largest file the run may write, in KiB
#             (ulimit -f)
#   expected/ every file the working folder must hold after the run, and no
#             other (so a failed run is seen to leave nothing behind); a
#             symbolic link must still be the same link
# The converter runs in an empty temporary folder in which `data` points at
# tests/data, so arguments name inputs as data/rinex/FILE.
#
# With UPDATE=1 in the environment the expected files are rewritten from the
# actual run instead; read the result before committing it.
prog=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
case_dir=$(cd "$2" && pwd) || exit 2
data_dir=$(cd "$(dirname "$0")/../data" && pwd) || exit 2
source "$(dirname "$0")/../support/compare_streams.sh" || exit 2

work=$(mktemp -d)
actual=$(mktemp -d)
trap 'rm -rf "$work" "$actual"' EXIT
[ -d "$case_dir/setup" ] && cp -r "$case_dir/setup/." "$work/"
ln -s "$data_dir" "$work/data"

args=()
while IFS= read -r line || [ -n "$line" ]; do
  args+=("$line")
done < "$case_dir/args"

stdout_target=$actual/stdout
[ "$(cat "$case_dir/output" 2>/dev/null)" = full ] && stdout_target=/dev/full
: >"$actual/stdout"
limit=$(cat "$case_dir/file_size_limit" 2>/dev/null)
(cd "$work" && { [ -z "$limit" ] || ulimit -f "$limit"; } && exec -a Quintavelmor-sd "$prog" "${args[@]}") \
  >"$stdout_target" 2>"$actual/stderr" </dev/null
echo $? >"$actual/status"
rm "$work/data"

if [ "${UPDATE:-0}" = 1 ]; then
  cp "$actual/stdout" "$actual/stderr" "$actual/status" "$case_dir/"
  rm -rf "$case_dir/expected"
  mkdir -p "$case_dir/expected"
  cp -r "$work/." "$case_dir/expected/"
  exit 0
fi

# Git keeps no empty folder: a case without expected/ expects no file at all.
expected=$case_dir/expected
if [ ! -d "$expected" ]; then
  expected=$actual/nothing
  mkdir "$expected"
fi

failed=0
compare_streams "$case_dir" "$actual" || failed=1
if ! diff -r "$expected" "$work" >"$actual/files"; then
  echo "== written files differ:"
  head -60 "$actual/files"
  failed=1
fi
# diff follows links: a link replaced by a file of the same text shows here.
links() { (cd "$1" && find . -type l -printf '%p -> %l\n' | sort); }
if [ "$(links "$expected")" != "$(links "$work")" ]; then
  echo "== symbolic links differ:"
  diff <(links "$expected") <(links "$work")
  failed=1
fi
exit $failed
