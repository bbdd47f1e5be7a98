#!/usr/bin/env bash
# Times the converter Quintavelmor-sd on a day at 1 s of a base and a rover
# RINEX 3 observation file (GPS, GLONASS, Galileo), plain and as compact
# RINEX in gzip, against `cat` and `gzip -dc` of the same files in one run:
# medians of several runs, processor time (user + system) and wall time,
# throughput per core, and peak memory for half a day and a day.  Not part
# of `make test`.
#
#   bash bench/rinex.sh              # Release build in build/, 5 runs each
#   RUNS=9 BUILD_DIR=build-rel bash bench/rinex.sh
#
# The simulated files are written once into bench/data/ (git-ignored).
set -euo pipefail

ROOT=$(cd "$(dirname "$0")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$ROOT/build}
RUNS=${RUNS:-5}
DATA=$ROOT/bench/data
CONVERTER=$BUILD_DIR/Quintavelmor-sd
SDSIM=$BUILD_DIR/tools/sdsim
# shellcheck source=bench/measure.sh
source "$ROOT/bench/measure.sh"

if [ ! -x "$CONVERTER" ] || [ ! -x "$SDSIM" ]; then
  cmake -S "$ROOT" -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Release > /dev/null
  cmake --build "$BUILD_DIR" -j "$(nproc)" --target Quintavelmor-sd sdsim > /dev/null
fi
mkdir -p "$DATA"

# simulate NAME DURATION: writes the pair $DATA/rinex_NAME_{base,rover}.rnx
# and the same pair as compact RINEX in gzip (.crx.gz) once.
simulate() {
  local name=$1 duration=$2
  local stem=$DATA/rinex_$name
  local options=(--start 2024-06-24/00:00:00 --duration "$duration" --interval 1 --clock-offsets)
  if [ ! -s "${stem}_rover.rnx" ]; then
    echo "bench: writing ${stem}_{base,rover}.rnx" >&2
    "$SDSIM" --base-rinex "${stem}_base.rnx" --rover-rinex "${stem}_rover.rnx" "${options[@]}"
  fi
  if [ ! -s "${stem}_rover.crx.gz" ]; then
    echo "bench: writing ${stem}_{base,rover}.crx.gz" >&2
    "$SDSIM" --base-rinex "${stem}_base.crx" --rover-rinex "${stem}_rover.crx" --compact "${options[@]}"
    for station in base rover; do
      gzip -n -c "${stem}_$station.crx" > "${stem}_$station.crx.gz.part"
      mv "${stem}_$station.crx.gz.part" "${stem}_$station.crx.gz"
      rm -f "${stem}_$station.crx"
    done
  fi
}

simulate day 86399
simulate half 43199

bytes() { stat -L -c %s "$@" | awk '{ n += $1 } END { print n }'; }
mb_per_s() { awk -v b="$1" -v t="$2" 'BEGIN { printf "%.0f", (t > 0 ? b / t / 1e6 : 0) }'; }

DAY=$DATA/rinex_day
PLAIN=("${DAY}_base.rnx" "${DAY}_rover.rnx")
PACKED=("${DAY}_base.crx.gz" "${DAY}_rover.crx.gz")
TEXT_BYTES=$(bytes "${PLAIN[@]}")
PACKED_BYTES=$(bytes "${PACKED[@]}")
COMPACT_BYTES=$(gzip -dc "${PACKED[@]}" | wc -c)
echo "pair: ${PLAIN[*]} ($TEXT_BYTES bytes of RINEX text; as compact RINEX $COMPACT_BYTES bytes, in gzip" \
  "$PACKED_BYTES bytes)"
echo "medians of $RUNS runs; cpu = user + system; the output goes to a file in $DATA"

measure "cat PAIR > /dev/null, $BASE_REPEAT times" bash -c 'repeat "$@" > /dev/null' _ "$BASE_REPEAT" cat "${PLAIN[@]}"
CAT_CPU=$(per_run "$MEDIAN_CPU")
CAT_WALL=$(per_run "$MEDIAN_WALL")
echo "per run: cat cpu $CAT_CPU s, wall $CAT_WALL s"
measure "gzip -dc PAIR.crx.gz > /dev/null" gzip -dc "${PACKED[@]}"
GUNZIP_CPU=$MEDIAN_CPU

OUT=$DATA/rinex_out.sd
convert() { "$CONVERTER" "$@" -o "$OUT" -g "$DATA/rinex_out_glonass.txt" 2> /dev/null; }
export -f convert
export CONVERTER OUT DATA

measure "plain RINEX, a day" bash -c 'convert "$@"' _ "${PLAIN[@]}"
PLAIN_CPU=$MEDIAN_CPU
PLAIN_DAY_KB=$MEDIAN_KB
printf '%-34s %s MB/s of RINEX per core; cpu %s x cat, wall %s x cat\n' "" \
  "$(mb_per_s "$TEXT_BYTES" "$PLAIN_CPU")" "$(ratio "$PLAIN_CPU" "$CAT_CPU")" "$(ratio "$MEDIAN_WALL" "$CAT_WALL")"
cp "$OUT" "$DATA/rinex_plain.sd"

measure "compact RINEX in gzip, a day" bash -c 'convert "$@"' _ "${PACKED[@]}"
PACKED_CPU=$MEDIAN_CPU
PACKED_DAY_KB=$MEDIAN_KB
printf '%-34s %s MB/s of RINEX text per core (%s MB/s of the compact text, %s MB/s of gzip input)\n' "" \
  "$(mb_per_s "$TEXT_BYTES" "$PACKED_CPU")" "$(mb_per_s "$COMPACT_BYTES" "$PACKED_CPU")" \
  "$(mb_per_s "$PACKED_BYTES" "$PACKED_CPU")"
printf '%-34s gzip -dc alone is %s of the cpu\n' "" \
  "$(awk -v a="$GUNZIP_CPU" -v b="$PACKED_CPU" 'BEGIN { printf "%.0f %%", (b > 0 ? a / b * 100 : 0) }')"
if ! cmp -s "$OUT" "$DATA/rinex_plain.sd"; then
  echo "bench: the two forms of the pair converted to different files" >&2
  exit 1
fi
rm -f "$DATA/rinex_plain.sd"

HALF=$DATA/rinex_half
measure "plain RINEX, half a day" bash -c 'convert "$@"' _ "${HALF}_base.rnx" "${HALF}_rover.rnx"
PLAIN_HALF_KB=$MEDIAN_KB
measure "compact RINEX in gzip, half a day" bash -c 'convert "$@"' _ "${HALF}_base.crx.gz" "${HALF}_rover.crx.gz"
PACKED_HALF_KB=$MEDIAN_KB
rm -f "$OUT" "$DATA/rinex_out_glonass.txt"

echo "peak memory, half a day -> a day: plain $PLAIN_HALF_KB -> $PLAIN_DAY_KB KiB," \
  "compact in gzip $PACKED_HALF_KB -> $PACKED_DAY_KB KiB"
echo "goals: plain $(mb_per_s "$TEXT_BYTES" "$PLAIN_CPU") MB/s (at least 150)," \
  "compact in gzip $(mb_per_s "$TEXT_BYTES" "$PACKED_CPU") MB/s of text (at least 50)"
