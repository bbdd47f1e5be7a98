# Sourced by the end-to-end runners: compares a case's expected standard
# output, standard error and status (in folder $1) with a run's (in $2) and
# shows the differences; returns 1 when any differs.
compare_streams() {
  local expected=$1 actual=$2 stream failed=0
  for stream in stdout stderr status; do
    if ! cmp -s "$expected/$stream" "$actual/$stream"; then
      echo "== $stream differs (expected <, actual >, cat -A):"
      diff <(cat -A "$expected/$stream") <(cat -A "$actual/$stream") | head -60
      failed=1
    fi
  done
  return $failed
}
