#!/bin/bash
# The network program on four real stations of 2021-01-01: placing files by
# name and by header, forms passed over, planning, a run, a rerun that skips
# finished work, a changed input that is redone, and a broken input whose
# task fails without stopping the others or losing earlier outputs; then a
# day cut into 15-minute pieces, joined into the same results, and a piece
# whose observation types differ, whose tasks fail with its name.
# Usage: network_end_to_end.sh NETWORK_PROGRAM TEST_DATA_DIR
set -u
source "$(dirname "$0")/../support/check.sh" || exit 2
net=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
mkdir archive
cp "$data/crinex/delf0010.21d" "$data/crinex/delf0010.21o.gz" "$data/network/wsra0010.21d" \
  "$data/network/eijs0010.21d" "$data/network/CBW100NLD_R_20210010000_01D_MN.rnx" archive/
# A name of no convention: the header places it.
cp "$data/crinex/zegv0010.21o" archive/zegveld.obs
echo "field notes" > archive/notes.txt


nav=archive/CBW100NLD_R_20210010000_01D_MN.rnx
plan="# baselines: each station's 1 nearest, base first by name
# tasks: 3
2021-001	delf	eijs	archive/delf0010.21o.gz	archive/eijs0010.21d	$nav
2021-001	delf	zegv	archive/delf0010.21o.gz	archive/zegveld.obs	$nav
2021-001	wsra	zegv	archive/wsra0010.21d	archive/zegveld.obs	$nav"
notes="not placed: archive/notes.txt: neither its name nor its header (MARKER NAME, TIME OF FIRST OBS) gives station and day
forms of delf 2021-001: archive/delf0010.21o.gz taken; passed over archive/delf0010.21d"

out=$("$net" plan archive -o out --nearest 1 --systems GE 2>err)
check "plan: status" 0 $?
check "plan: printed" "$plan" "$out"
check "plan: written" "$plan" "$(cat out/plan.txt)"
check "plan: notes" "$notes" "$(cat err)"

"$net" run archive -o out --nearest 1 --systems GE -j 2 >/dev/null 2>err
check "run: status" 0 $?
check "run: tally" "3 tasks: 3 done, 0 failed, 0 skipped" "$(tail -1 err)"
check "run: summary" "year,day,base,rover,status,epochs,completeness_percent,satellites,slips,clock_events,mp1_rms_m,mp2_rms_m,report,message
2021,001,delf,eijs,ok,79,100.0,13,2,0,0.4705,0.5787,2021/001/delf-eijs/report/index.html,
2021,001,delf,zegv,ok,19,100.0,12,0,0,0.4647,0.3624,2021/001/delf-zegv/report/index.html,
2021,001,wsra,zegv,ok,17,100.0,13,0,0,0.4637,0.3659,2021/001/wsra-zegv/report/index.html," "$(cat out/summary.csv)"
whole_day=$(head -3 out/summary.csv | cut -d, -f1-12)
check "run: task folder" "conversion.log manifest.txt report statistics.txt summary.json" \
  "$(ls out/2021/001/delf-eijs | tr '\n' ' ' | sed 's/ $//')"
check "run: page links a report" 3 "$(grep -c 'report/index.html">report' out/index.html)"

"$net" run archive -o out --nearest 1 --systems GE >/dev/null 2>err
check "rerun: everything skipped" "3 tasks: 0 done, 0 failed, 3 skipped" "$(tail -1 err)"

touch archive/wsra0010.21d
"$net" run archive -o out --nearest 1 --systems GE >/dev/null 2>err
check "changed input: its task redone" "3 tasks: 1 done, 0 failed, 2 skipped" "$(tail -1 err)"

"$net" run archive -o out --nearest 1 --systems GE --keep listing >/dev/null 2>err
check "other options: every task redone" "3 tasks: 3 done, 0 failed, 0 skipped" "$(tail -1 err)"
check "--keep listing: SD file and listing kept, no channel file without GLONASS" \
  "baseline.sd conversion.log listing.txt manifest.txt report statistics.txt summary.json" \
  "$(ls out/2021/001/delf-zegv | tr '\n' ' ' | sed 's/ $//')"
check "--keep listing: the report and the listing name the SD file as it is kept" \
  "#OBSER file:     baseline.sd
<title>Quintavelmor report: baseline.sd" \
  "$(grep -h '^#OBSER file:' out/2021/001/delf-zegv/listing.txt)
$(grep -o '<title>Quintavelmor report: [^<]*' out/2021/001/delf-zegv/report/index.html)"

head -n 60 "$data/network/eijs0010.21d" >archive/eijs0010.21d
"$net" run archive -o out --nearest 1 --systems GE --keep listing >/dev/null 2>err
check "broken input: status" 1 $?
check "broken input: the failed task listed" "3 tasks: 0 done, 1 failed, 2 skipped
failed 2021/001/delf-eijs: conversion: Quintavelmor-sd: Error -> archive/eijs0010.21d, line 60: compact RINEX data end inside an epoch (the file is cut short)" \
  "$(tail -2 err)"
check "broken input: earlier outputs kept" "yes" \
  "$([ -f out/2021/001/delf-eijs/statistics.txt ] && echo yes)"
check "broken input: no work folder left" "" "$(find out -name .work)"

check "status" "3 tasks: 2 done, 1 failed
failed 2021/001/delf-eijs: conversion: Quintavelmor-sd: Error -> archive/eijs0010.21d, line 60: compact RINEX data end inside an epoch (the file is cut short)" \
  "$("$net" status out)"
check "summary: the failed row" \
  '2021,001,delf,eijs,failed,,,,,,,,,"conversion: Quintavelmor-sd: Error -> archive/eijs0010.21d, line 60: compact RINEX data end inside an epoch (the file is cut short)"' \
  "$(grep ',failed,' out/summary.csv)"

# One station's day in 15-minute pieces, cut from the real file: its header
# heads every piece.
mkdir pieces
cp "$data/crinex/zegv0010.21o" "$data/network/eijs0010.21d" "$data/network/wsra0010.21d" \
  "$data/network/CBW100NLD_R_20210010000_01D_MN.rnx" pieces/
zcat "$data/crinex/delf0010.21o.gz" | awk '
  !body { header = header $0 "\n"; body = /END OF HEADER/; next }
  substr($0, 19, 1) == "." {
    piece = sprintf("pieces/delf001a%02d.21o", int(substr($0, 13, 3) / 15) * 15)
    if (!(piece in begun)) { begun[piece] = 1; printf "%s", header > piece }
  }
  { print > piece }'
gzip pieces/delf001a15.21o
cp "$data/crinex/delf0010.21o.gz" pieces/
"$net" plan pieces -o joined --nearest 1 --systems GE >/dev/null 2>err
check "pieces beside the whole day: the whole day taken" \
  "forms of delf 2021-001: the whole day's file taken; pieces passed over pieces/delf001a00.21o pieces/delf001a15.21o.gz pieces/delf001a30.21o pieces/delf001a45.21o" \
  "$(cat err)"
rm pieces/delf0010.21o.gz
delf="pieces/delf001a00.21o + pieces/delf001a15.21o.gz + pieces/delf001a30.21o + pieces/delf001a45.21o"
"$net" run pieces -o joined --nearest 1 --systems GE >/dev/null 2>err
check "pieces: planned in time order" "$delf	pieces/eijs0010.21d" \
  "$(grep -o "pieces/delf.*eijs0010.21d" joined/plan.txt)"
check "pieces: results as of the whole day" "$whole_day" \
  "$(head -3 joined/summary.csv | cut -d, -f1-12)"

sed -i 's/     7    L1    L2/     7    L2    L1/' pieces/delf001a30.21o
"$net" run pieces -o joined --nearest 1 --systems GE >/dev/null 2>err
check "piece of other types: status" 1 $?
types="conversion: Quintavelmor-sd: Error -> pieces/delf001a30.21o: other observation types than the first piece pieces/delf001a00.21o (L2 L1 C1 P2 P1 S1 S2 against L1 L2 C1 P2 P1 S1 S2); the pieces of a day are read as one file"
check "piece of other types: its tasks fail, the others go on" "3 tasks: 0 done, 2 failed, 1 skipped
failed 2021/001/delf-eijs: $types
failed 2021/001/delf-zegv: $types" "$(tail -3 err)"
exit $((failures > 0))
