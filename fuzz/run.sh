#!/usr/bin/env bash
# Builds the libFuzzer targets in build-fuzz/ (clang with AddressSanitizer
# and UndefinedBehaviorSanitizer) and runs each of them for SECONDS
# (default 20) on seed corpora made from the demo course. Fails when a
# target crashes, leaks, breaks one of its checks or hangs on an input;
# the input is kept as fuzz/out/<target>-crash-... (or -leak-, -timeout-).
#
#   fuzz/run.sh [SECONDS] [TARGET...]     targets: course_map script_file ...
#   FUZZ_JOBS=2 fuzz/run.sh 600           two targets at a time
#
# Inputs that found new code are kept between runs in fuzz/corpus-<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."

secs=${1:-20}
[ $# -gt 0 ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for f in fuzz/*_fuzz.cpp; do
    t=$(basename "$f" _fuzz.cpp)
    targets+=("$t")
  done
fi
jobs=${FUZZ_JOBS:-1}

# The seeds come from the demo course that the normal build compiles.
course=build/tolvenia
if [ ! -f "$course/database/treeView.map" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build --target course
fi

if [ ! -f build-fuzz/CMakeCache.txt ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVINTARA_FUZZ=ON >/dev/null
fi
cmake --build build-fuzz -j 2 --target $(printf 'fuzz_%s ' "${targets[@]}")

out=fuzz/out
seeds=$out/seeds
rm -rf "$seeds"
mkdir -p "$out"

# Seed corpora, one folder per target.
seed() {  # seed TARGET NAME < bytes
  mkdir -p "$seeds/$1"
  cat >"$seeds/$1/$2"
}
scripts=$(cd "$course" && find . -type f \( -iname '*.mnu' -o -iname '*.scn' -o -path '*/help/*.txt' \) | sort)
seed course_map treeView.map <"$course/database/treeView.map"
seed search_index search.inf <"$course/search.inf"
for s in $scripts; do
  name=$(echo "${s#./}" | tr '/' '_')
  seed script_file "$name" <"$course/$s"
  tail -c +3 "$course/$s" | seed interpreter "$name"  # the text without its length word
done

# Wave files: the demo course has none yet, so a few headers are made here.
le32() { printf '\\x%02x\\x%02x\\x%02x\\x%02x' $(($1 & 255)) $(($1 >> 8 & 255)) $(($1 >> 16 & 255)) $(($1 >> 24 & 255)); }
wav() {  # wav NAME BYTE-RATE CLAIMED-DATA-SIZE DATA-SIZE [CHUNK-BEFORE-FMT]
  {
    printf 'RIFF%bWAVE' "$(le32 $((36 + $4)))"
    if [ -n "${5:-}" ]; then printf '%s\x03\x00\x00\x00abc\x00' "$5"; fi
    printf 'fmt \x10\x00\x00\x00\x01\x00\x01\x00\x22\x56\x00\x00%b\x02\x00\x10\x00' "$(le32 "$2")"
    printf 'data%b' "$(le32 "$3")"
    head -c "$4" /dev/zero
  } | seed wav_info "$1"
}
wav mono.wav 44100 2000 2000
wav stereo.wav 176400 4000 4000
wav chunk.wav 8000 100 100 LIST
wav short.wav 22050 400000 64  # the data chunk claims more than the file holds

# The interpreter's dictionary: every command word of the lesson language.
{
  echo '"\x0D\x0A"'
  echo '"@"'
  echo '","'
  sed -n 's/^COMMAND("\([^"]*\)".*/"@\1 "/p' src/engine/command_list.h | sort -u
} >"$out/interpreter.dict"

# The map's record texts: levels, kinds and numbers written in decimal.
printf '%s\n' '"@"' '"@1@"' '"@2@"' '"@3@"' '"@4@"' '"0@1@"' '"50@1@"' '"49@"' '"51@"' \
  '"-1"' '"32767"' '"-32768"' '"&H"' '"&O"' '"1e5"' >"$out/course_map.dict"
printf '%s\n' '"@"' '"@@"' >"$out/search_index.dict"

export UBSAN_OPTIONS="print_stacktrace=1"

run_target() {
  local t=$1 extra=()
  if [ -f "$out/$t.dict" ]; then extra=(-dict="$out/$t.dict"); fi
  # The interpreter runs too few inputs for libFuzzer to lengthen them
  # step by step: let them grow to the full length at once.
  if [ "$t" = interpreter ]; then extra+=(-len_control=0); fi
  mkdir -p "fuzz/corpus-$t" "$seeds/$t"
  if build-fuzz/fuzz_"$t" -max_total_time="$secs" -max_len=4096 -timeout=25 -rss_limit_mb=3072 \
      -print_final_stats=1 -artifact_prefix="$out/$t-" "${extra[@]}" \
      "fuzz/corpus-$t" "$seeds/$t" >"$out/$t.log" 2>&1; then
    echo ok >"$out/$t.status"
  else
    echo failed >"$out/$t.status"
  fi
}

running=0
for t in "${targets[@]}"; do
  [ -x "build-fuzz/fuzz_$t" ] || { echo "no fuzz target $t" >&2; exit 2; }
  rm -f "$out/$t.status"
  echo "fuzzing $t for ${secs}s"
  run_target "$t" &
  running=$((running + 1))
  if [ "$running" -ge "$jobs" ]; then
    wait -n || true
    running=$((running - 1))
  fi
done
wait

status=0
printf '%-14s %8s %12s %10s\n' target result runs exec/s
for t in "${targets[@]}"; do
  log=$out/$t.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -1)
  result=$(cat "$out/$t.status" 2>/dev/null || echo failed)
  printf '%-14s %8s %12s %10s\n' "$t" "$result" "${runs:--}" "${rate:--}"
  if [ "$result" != ok ]; then
    status=1
    echo "---- $t: $log" >&2
    grep -E -A40 'ERROR|WARNING: (Leak|Memory)|check failed|deadly signal|Test unit written|runtime error' "$log" | head -80 >&2 || tail -40 "$log" >&2
  fi
done
exit $status
