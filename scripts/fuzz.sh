#!/usr/bin/env bash
# Builds the fuzz targets with clang (AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each of them.
#   scripts/fuzz.sh SECONDS [BUILD_DIR]          each target for a fixed time
#   scripts/fuzz.sh --until-stalled SECONDS [BUILD_DIR]
#                                                each target until its coverage has not grown for
#                                                SECONDS (at most an hour)
set -euo pipefail
stall=""
if [ "${1:-}" = "--until-stalled" ]; then
  stall=${2:-60}
  shift 2
fi
seconds=${1:-60}
build=${2:-build-fuzz}
if [ -n "$stall" ]; then
  seconds=3600
  build=${1:-build-fuzz}
fi
cd "$(dirname "$0")/.."
# libFuzzer comes with clang; without it there is nothing to run. Exit status 77 reports the
# test as skipped rather than passed.
if ! command -v clang++ >/dev/null; then
  echo "fuzzing SKIPPED: clang++ is not installed (libFuzzer needs clang)"
  exit 77
fi
targets=(read_amount_fuzz format_amount_fuzz batch_fuzz batch_lines_fuzz mark_fuzz find_fuzz capital_fuzz set_files_fuzz)
CXX=clang++ cmake -S . -B "$build" -DVARNELLO_FUZZ=ON -DVARNELLO_BUILD_GUI=OFF -DVARNELLO_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target "${targets[@]}" -j "$(nproc)" >/dev/null
corpus="$build/corpus"

# The last coverage figure ("cov: N") libFuzzer has logged.
coverage() { grep -o 'cov: [0-9]*' "$1" 2>/dev/null | tail -n 1 | cut -d' ' -f2; }

for target in "${targets[@]}"; do
  mkdir -p "$corpus/$target"
  log="$build/$target.log"
  if [ -z "$stall" ]; then
    echo "fuzzing $target for ${seconds}s"
  else
    echo "fuzzing $target until its coverage has not grown for ${stall}s"
  fi
  "$build/$target" -max_total_time="$seconds" -seed=1 -max_len=4096 -print_final_stats=0 \
    -artifact_prefix="$build/" "$corpus/$target" >"$log" 2>&1 &
  pid=$!
  if [ -n "$stall" ]; then
    last="" since=$SECONDS
    while kill -0 "$pid" 2>/dev/null; do
      sleep 5
      now=$(coverage "$log")
      if [ "$now" != "$last" ]; then
        last=$now since=$SECONDS
      elif [ $((SECONDS - since)) -ge "$stall" ]; then
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        echo "  coverage $last, unchanged for ${stall}s: stopped"
        continue 2
      fi
    done
  fi
  wait "$pid" || { tail -n 40 "$log"; exit 1; }
  tail -n 1 "$log"
done
