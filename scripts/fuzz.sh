#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given number of seconds.
#   scripts/fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
seconds=${1:-60}
build=${2:-build-fuzz}
cd "$(dirname "$0")/.."
# libFuzzer comes with clang; without it there is nothing to run. Exit status 77 reports the
# test as skipped rather than passed.
if ! command -v clang++ >/dev/null; then
  echo "fuzzing SKIPPED: clang++ is not installed (libFuzzer needs clang)"
  exit 77
fi
CXX=clang++ cmake -S . -B "$build" -DVARNELLO_FUZZ=ON -DVARNELLO_BUILD_GUI=OFF -DVARNELLO_BUILD_TESTS=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target read_amount_fuzz format_amount_fuzz -j "$(nproc)" >/dev/null
corpus="$build/corpus"
for target in read_amount_fuzz format_amount_fuzz; do
  mkdir -p "$corpus/$target"
  echo "fuzzing $target for ${seconds}s"
  "$build/$target" -max_total_time="$seconds" -seed=1 -max_len=4096 -print_final_stats=0 \
    -artifact_prefix="$build/" "$corpus/$target" >"$build/$target.log" 2>&1 || { tail -n 40 "$build/$target.log"; exit 1; }
  tail -n 1 "$build/$target.log"
done
