#!/usr/bin/env bash
# End to end: the bundled example's listing through Quintavelmor-report in all
# three modes.  The CSV is read back and compared with the listing value by
# value; the page is checked for its plots, axes, summary and slips, then
# rendered in headless Chromium (when installed), which must load it without
# console errors; its screenshot must show the page drawn in its colours.
set -u
program=$1
report=$2
source_dir=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$source_dir" || exit 2

fail() { echo "FAIL: $*"; exit 1; }

(exec -a Quintavelmor "$program" -oexamples/sim_GRE_30s_1h.sd \
  -gfexamples/sim_GRE_30s_1h_glonass.txt -cGRE -lC1:L1:L4:P4:L3:MW:MP1:MP2:CL1:D1: -ms) \
  >"$work/listing" 2>"$work/program.err" ||
  fail "the program did not list the example"

"$report" "$work/listing" >"$work/stats" || fail "statistics mode"
grep -q '^SUMMARY G: ' "$work/stats" || fail "no GPS summary line"
grep -q '^SUMMARY R: ' "$work/stats" || fail "no GLONASS summary line"
grep -q '^SUMMARY E: ' "$work/stats" || fail "no Galileo summary line"
# The example's one cycle slip, found in both screened columns.
[ "$(grep -cE '^G18  (L4|MW\[C\]) +slip +2024-06-24 08:36:00.0 ' "$work/stats")" = 2 ] ||
  fail "G18's slip at 08:36:00 not found in L4 and MW[C]"
# Its 0.108 m in L4 lie under a floor of 0.2 m; a floor must be a positive number.
"$report" "$work/listing" --l4-slip 0.2 | grep -qE '^G18  L4 +slip' && fail "--l4-slip 0.2 ignored"
"$report" "$work/listing" --l4-slip 0 2>"$work/option.err" && fail "--l4-slip 0 accepted"
grep -q 'Error -> --l4-slip NEEDS A POSITIVE NUMBER, NOT "0"' "$work/option.err" ||
  fail "--l4-slip 0 without its message"

"$report" --csv "$work/listing.csv" <"$work/listing" >"$work/csv.out" || fail "CSV mode"
[ -s "$work/csv.out" ] && fail "CSV mode wrote to standard output"
"$report" "$work/listing" --csv - >"$work/csv.stdout" || fail "CSV to standard output"
cmp -s "$work/listing.csv" "$work/csv.stdout" || fail "--csv - differs from the CSV file"
[ -e ./- ] && fail "--csv - wrote a file named -"

# Without arguments at a terminal: the usage, not a wait for the keyboard.
if command -v script >/dev/null; then
  script -qec "$report" /dev/null </dev/null >"$work/tty.out" 2>&1 && fail "no status 1 at a terminal"
  grep -q '^usage: Quintavelmor-report' "$work/tty.out" || fail "no usage at a terminal"
fi

# Value by value: every listing row against the CSV row of the same position.
awk -v csv="$work/listing.csv" '
  BEGIN { FS = "," }
  /^#          Time\(datum\)/ {
    n = (length($0) - 43) / 16
    for (k = 0; k < n; k++) {
      label = substr($0, 44 + 16 * k, 16); gsub(/ /, "", label); labels[k] = label
    }
    getline header < csv
    expected = "time,mjd,sod,sat"
    for (k = 0; k < n; k++) expected = expected "," labels[k]
    if (header != expected) { print "CSV header " header " != " expected; bad = 1 }
    next
  }
  /^#/ || /^$/ { next }
  {
    if ((getline line < csv) <= 0) { print "CSV ends early at listing row " NR; bad = 1; exit }
    split(line, f, ",")
    date = substr($0, 2, 21); sub(/ /, "T", date)
    if (f[1] != date) { print "time " f[1] " != " date; bad = 1 }
    if (f[4] != substr($0, 41, 3)) { print "sat " f[4] " on row " NR; bad = 1 }
    for (k = 0; k < n; k++) {
      v = substr($0, 44 + 16 * k, 16); gsub(/ /, "", v)
      if (v == "*.***" || (labels[k] ~ /^D/ && v + 0 == 0)) v = ""
      if (f[5 + k] != v) { print "row " NR " column " labels[k] ": " f[5 + k] " != " v; bad = 1 }
    }
    rows++
  }
  END {
    if ((getline line < csv) > 0) { print "CSV has more rows than the listing"; bad = 1 }
    if (rows == 0) { print "no rows compared"; bad = 1 }
    exit bad
  }' "$work/listing" || fail "CSV differs from the listing"

# The single-difference file itself, its columns formed by the report: every
# value, written by the listing's formatter, is the listing's text, Doppler,
# raw phases and codes of every system included.
columns=L4:MWp:MW:MP1:MC1:MP2:CL1:C1:L1:L2:D1:PC1:L3:Pp4
(exec -a Quintavelmor "$program" -oexamples/sim_GRE_30s_1h.sd \
  -gfexamples/sim_GRE_30s_1h_glonass.txt -cGRE -l$columns:) >"$work/same.listing" 2>/dev/null ||
  fail "the program did not list the example's columns"
"$report" "$work/same.listing" --csv "$work/from-listing.csv" || fail "CSV of the listing"
"$report" examples/sim_GRE_30s_1h.sd --channels examples/sim_GRE_30s_1h_glonass.txt \
  --columns $columns --csv "$work/from-sd.csv" || fail "CSV of the single-difference file"
cmp -s "$work/from-listing.csv" "$work/from-sd.csv" ||
  fail "columns formed from the single-difference file differ from the listing's"
# By default each system's QC set, with the stations and the baseline on top.
"$report" examples/sim_GRE_30s_1h.sd >"$work/sd.stats" || fail "statistics of the single-difference file"
grep -q '^# Baseline: 3797.203 m, azimuth 139.74 deg' "$work/sd.stats" || fail "no baseline"
grep -q '^# GLONASS: not reported, as no channel file was given' "$work/sd.stats" ||
  fail "GLONASS left out without a word"
[ "$(awk '$1 == "G08" && $3 == "m" {print $2}' "$work/sd.stats" | tr '\n' ' ')" = "L4 MW[P] MW[C] MP1[P] MP1[C] MP2 C1-L1 " ] ||
  fail "G08's default columns"
grep -qE '^G08  MW\[C\] +m +0 +121 .* - +- *$' "$work/sd.stats" || fail "a column without values shows counts"
"$report" "$work/listing" --columns L4 2>"$work/columns.err" && fail "--columns accepted with a listing"
# The example's 1 ms receiver clock jump at 08:24 (left in, without -ms): one
# clock event, no satellite's slip; G18's own slip at 08:36 stays.
"$report" examples/sim_GRE_30s_1h.sd --channels examples/sim_GRE_30s_1h_glonass.txt \
  >"$work/clock.stats" || fail "statistics with GLONASS"
[ "$(grep -c '^jump  2024-06-24 08:24:00.0 *-299792.4[0-9]* *-1.000000 ' "$work/clock.stats")" = 1 ] ||
  fail "the clock jump is not one clock event"
grep -qE '^[GRE][0-9]{2} .* slip +2024-06-24 08:24' "$work/clock.stats" && fail "the clock jump counted as slips"
[ "$(grep -cE '^G18  (L4|MW\[P\]) +slip +2024-06-24 08:36:00.0 ' "$work/clock.stats")" = 2 ] ||
  fail "G18's slip lost beside the clock event"
# The same headline figures as JSON: one slip of G18 (found in L4 and MW),
# one clock event, none of them a slip elsewhere.
"$report" examples/sim_GRE_30s_1h.sd --channels examples/sim_GRE_30s_1h_glonass.txt \
  --summary "$work/summary.json" >"$work/summary.out" || fail "--summary"
[ -s "$work/summary.out" ] && fail "--summary alone wrote the statistics table"
python3 - "$work/summary.json" <<'PY' || fail "the JSON summary"
import json, sys
summary = json.load(open(sys.argv[1]))
assert len(summary["clock_events"]) == 1, summary["clock_events"]
assert abs(summary["clock_events"][0]["milliseconds"] + 1) < 1e-4
slips = {s["satellite"]: s["slips"] for s in summary["satellites"]}
assert slips["G18"] == 1 and sum(n or 0 for n in slips.values()) == 1, slips
assert [s["system"] for s in summary["systems"]] == ["G", "R", "E"]
assert summary["context"]["epochs_present"] == 121
PY

# Geometry: elevation and azimuth at the base, in the CSV's last columns,
# against RTKLIB's figures (rounded to 0.1 degree, at its own position) on
# two real pairs: GPS and Galileo from a RINEX 3 navigation file, GLONASS and
# BeiDou (GEO included) from a RINEX 3 one; compressed files read as they are.
pairs=tests/data/rinex/pairs
gzip -dc $pairs/cssrlib_2021-265/cssrlib_3034_sept.sd.gz >"$work/cssrlib.sd"
"$report" "$work/cssrlib.sd" --nav tests/data/orbit/SEPT2650.21P.gz --csv "$work/cssrlib.csv" \
  --html "$work/sky-html" --summary "$work/cssrlib.json" 2>/dev/null || fail "the cssrlib pair with its orbits"
head -1 "$work/cssrlib.csv" | grep -q ',C1-L1,elevation,azimuth$' || fail "no angle columns at the CSV's end"
python3 tests/report/compare_angles.py "$work/cssrlib.csv" tests/data/orbit/cssrlib_3034_peer.txt 0.2 \
  >"$work/angles.out" || { cat "$work/angles.out"; fail "GPS and Galileo angles against the peer"; }
gzip -dc $pairs/matrtklib_static/matrtklib_static_grec.sd.gz >"$work/matrtklib.sd"
"$report" "$work/matrtklib.sd" --channels $pairs/matrtklib_static/glonass_channels.txt \
  --nav $pairs/matrtklib_static/base.nav.gz --columns C1:L1 --csv "$work/matrtklib.csv" ||
  fail "the MatRTKLIB pair with its orbits"
python3 tests/report/compare_angles.py "$work/matrtklib.csv" tests/data/orbit/matrtklib_base_peer.txt 0.2 \
  >"$work/angles.out" || { cat "$work/angles.out"; fail "GLONASS and BeiDou angles against the peer"; }
[ "$(awk -F, 'NR > 1 && $NF != "" {print substr($4, 1, 1)}' "$work/matrtklib.csv" | sort -u | tr -d '\n')" = CEGR ] ||
  fail "not every system has its angles"
# RINEX 4: the KMS300DNK navigation file, at that station (a made-up pair of
# two receivers at its position, at the peer's epochs and satellites).
"$report" tests/data/orbit/kms300_station.sd --channels tests/data/orbit/kms300_channels.txt \
  --nav tests/data/orbit/KMS300DNK_R_20221591000_01H_MN.rnx.gz --columns C1 --csv "$work/kms300.csv" ||
  fail "the KMS300DNK station with its RINEX 4 orbits"
python3 tests/report/compare_angles.py "$work/kms300.csv" tests/data/orbit/kms300_peer.txt 0.2 \
  >"$work/angles.out" || { cat "$work/angles.out"; fail "angles from RINEX 4 against the peer"; }
grep -q '^80 angles compared, 0 apart$' "$work/angles.out" || fail "not every RINEX 4 angle compared"
# A mask: the rows below it stay in the CSV but leave the statistics.
"$report" "$work/matrtklib.sd" --channels $pairs/matrtklib_static/glonass_channels.txt \
  --nav $pairs/matrtklib_static/base.nav.gz --columns C1:L1 --elevation-mask 30 --csv "$work/masked.csv" --stats \
  >"$work/masked.stats" || fail "--elevation-mask"
cmp -s "$work/matrtklib.csv" "$work/masked.csv" || fail "the mask changed the CSV"
low=$(awk -F, 'NR > 1 && $NF != "" && $(NF - 1) < 30' "$work/matrtklib.csv" | wc -l)
present=$(awk '$2 == "C1" && $3 == "m" {n += $4} END {print n}' "$work/masked.stats")
all=$(awk -F, 'NR > 1 && $5 != ""' "$work/matrtklib.csv" | wc -l)
[ "$low" -gt 0 ] && [ "$present" -lt "$all" ] || fail "the mask left $present of $all C1 values ($low rows low)"
# Without orbits, one line says why, and everything else is there.
grep -q '^# Geometry: none, as no orbits were given' "$work/sd.stats" || fail "no line on the missing geometry"

# Outputs that can not be written: a fatal error naming them, status 1.
failed_write() {  # expected message, then the redirection and the arguments
  local message=$1 target=$2
  shift 2
  if [ "$target" = closed ]; then
    "$report" "$@" <"$work/listing" 2>"$work/write.err" >&-
  else
    "$report" "$@" <"$work/listing" 2>"$work/write.err" >"$target"
  fi
  local status=$?
  [ "$status" = 1 ] || fail "status $status, not 1, for: $* > $target"
  grep -qF "Error -> $message CAN NOT BE WRITTEN (" "$work/write.err" ||
    fail "no error '$message' for: $* > $target"
}
failed_write "STATISTICS ON STANDARD OUTPUT" /dev/full
failed_write "STATISTICS ON STANDARD OUTPUT" closed --stats
failed_write "CSV FILE /dev/full" /dev/null --csv /dev/full
failed_write "STANDARD OUTPUT" /dev/full --help
failed_write "STANDARD OUTPUT" closed --version

"$report" --html "$work/plain" <"$work/listing" 2>/dev/null || fail "HTML mode"
# Raw columns (C1, L1, D1) are plotted only on request.
sections=$(grep -c '^<section><h3>' "$work/plain/index.html")
[ "$sections" = 8 ] || fail "$sections sections without --raw-plots, 8 expected (7 columns, dL4)"
"$report" --html "$work/html" --raw-plots <"$work/listing" 2>"$work/html.err" ||
  fail "HTML mode with raw plots"
page=$work/html/index.html
[ -s "$page" ] || fail "no index.html"
# Standard output may carry the statistics, so the page's place goes to
# standard error, and nothing else does.
[ "$(cat "$work/html.err")" = "Quintavelmor-report: page $page" ] ||
  fail "HTML mode did not name the page on standard error: $(cat "$work/html.err")"
sections=$(grep -c '^<section><h3>' "$page")
[ "$sections" = 11 ] || fail "$sections sections in the page, 11 expected (10 columns, dL4)"
# One plot per column and constellation with values (Galileo has no P1, so no MP1[P]).
columns=$(grep -c 'class="column-plot"' "$page")
[ "$columns" = 29 ] || fail "$columns column plots in the page, 29 expected"
# Every plot, the small ones included, titles both axes and has value ticks.
plots=$(grep -c '<svg xmlns=' "$page")
[ "$(grep -c 'class="axis[^"]*">time of day' "$page")" = "$plots" ] || fail "a plot without its time axis title"
[ "$(grep -c 'rotate(-90)" text-anchor="middle" class="axis[^"]*">[^<]*([a-zA-Z-]*)<' "$page")" = "$plots" ] ||
  fail "a plot without its value axis title and unit"
grep -q '<h2 id="systems">Summary by constellation</h2>' "$page" || fail "no summary by constellation"
grep -q '<nav class="toc">' "$page" || fail "no table of contents"
[ "$(grep -c 'class="rate-plot"' "$page")" = 3 ] || fail "no L4 rate plot per system"
grep -q '<tr class="slip"><td class="l">G18</td><td class="l">L4</td><td class="l">slip</td><td class="l">2024-06-24 08:36:00.0</td>' "$page" ||
  fail "G18's slip not in the page's table"
grep -q '<path class="slip" d="[^"]*"><title>G18 L4 slip at 2024-06-24 08:36:00.0' "$page" ||
  fail "G18's slip not marked on its plots"

if ! command -v chromium >/dev/null; then
  echo "chromium is not installed: page not rendered"
  exit 0
fi
chromium_run() {  # profile, page folder, options
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync \
    --user-data-dir="$work/profile-$1" --enable-logging=stderr --v=0 "${@:3}" \
    "file://$work/$2/index.html"
}
chromium_run dom html --dump-dom >"$work/dom" 2>"$work/dom.log" || fail "chromium could not load the page"
rendered=$(grep -o 'class="column-plot"' "$work/dom" | wc -l)
[ "$rendered" = 29 ] || fail "$rendered column plots rendered, 29 expected"
chromium_run shot html --window-size=1200,4000 --screenshot="$work/page.png" >/dev/null 2>"$work/shot.log" ||
  fail "chromium could not take a screenshot"
# Drawn, with the slips' red, and the first plot's GPS satellites in colours of their own.
python3 tests/report/check_screenshot.py "$work/page.png" 1200 4000 12 ||
  fail "the screenshot does not show the page"
# The page of the single-difference file: the stations on top, the timeline
# with one bar per satellite and the clock event across them, and the
# per-satellite table with a row each.
"$report" examples/sim_GRE_30s_1h.sd --channels examples/sim_GRE_30s_1h_glonass.txt \
  --html "$work/sd-html" 2>/dev/null || fail "page of the single-difference file"
chromium_run sd sd-html --dump-dom >"$work/sd.dom" 2>"$work/sd.log" ||
  fail "chromium could not load the single-difference file's page"
satellites=$(awk '/^SUMMARY/ {n += $3} END {print n}' "$work/clock.stats")
[ "$(grep -o '<g class="satellite-bar">' "$work/sd.dom" | wc -l)" = "$satellites" ] ||
  fail "the timeline has not one bar per satellite ($satellites)"
[ "$(grep -o 'class="clock-mark"' "$work/sd.dom" | wc -l)" = 1 ] || fail "no clock event on the timeline"
rows=$(sed -n '/<table class="satellites">/,/<\/table>/p' "$work/sd.dom" | grep -c '^<tr><td')
[ "$rows" = "$satellites" ] || fail "$rows rows in the per-satellite table, $satellites expected"
grep -q '<li>Baseline: 3797.203 m' "$work/sd.dom" || fail "no baseline on the page"
# The sky plot of the cssrlib pair: a track for each satellite with angles.
chromium_run sky sky-html --dump-dom >"$work/sky.dom" 2>"$work/sky.log" ||
  fail "chromium could not load the page with the sky plot"
tracks=$(python3 -c 'import json, sys; print(sum(s["elevation_min_deg"] is not None for s in json.load(open(sys.argv[1]))["satellites"]))' "$work/cssrlib.json")
[ "$tracks" -gt 0 ] && [ "$(grep -o '<g class="sky-track">' "$work/sky.dom" | wc -l)" = "$tracks" ] ||
  fail "the sky plot has not one track per satellite ($tracks)"
grep -q '<svg xmlns="http://www.w3.org/2000/svg" class="sky-plot"' "$work/sky.dom" || fail "no sky plot"
# Multipath against elevation: in the table of contents, one plot per system
# and multipath column (GPS and Galileo, MP1[C] and MP2), its axis the
# elevation; below a mask the values are drawn faint.
grep -q '<a href="#elevation">Multipath against elevation</a>' "$work/sky.dom" ||
  fail "multipath against elevation not in the table of contents"
[ "$(grep -o '<svg xmlns="http://www.w3.org/2000/svg" class="elevation-plot"' "$work/sky.dom" | wc -l)" = 4 ] ||
  fail "not one multipath against elevation plot per system and multipath column"
[ "$(grep -o 'y="[0-9.]*" text-anchor="middle" class="axis">elevation (deg)</text>' "$work/sky.dom" | wc -l)" = 4 ] ||
  fail "an elevation plot without its elevation axis"
"$report" "$work/cssrlib.sd" --nav tests/data/orbit/SEPT2650.21P.gz --elevation-mask 20 \
  --html "$work/mask-html" 2>/dev/null || fail "the cssrlib pair with a mask"
grep -q 'stroke-opacity="0.3"><title>G14 below the elevation mask' "$work/mask-html/index.html" ||
  fail "G14's multipath below the mask not drawn faint"
if grep -h 'CONSOLE' "$work/dom.log" "$work/shot.log" "$work/sd.log" "$work/sky.log"; then
  fail "console messages while loading"
fi
echo "report end to end: 6 passed, 0 failed"
