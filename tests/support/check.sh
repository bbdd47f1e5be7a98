# The end-to-end scripts' one comparison: `check WHAT EXPECTED ACTUAL` counts
# a failure in $failures and shows the difference.  Sourced.
failures=0
check() {
  if [ "$2" != "$3" ]; then
    echo "FAIL: $1"
    diff <(echo "$2") <(echo "$3")
    failures=$((failures + 1))
  fi
}
