#!/usr/bin/env bash
# Measures Varnello: start-up against a bare Qt window, one press of the largest windows,
# command-line batch throughput, and the GUI's peak memory with every window open.
#   scripts/bench.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-bench}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DVARNELLO_BUILD_BENCH=ON -DVARNELLO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

echo "== machine"
echo "$(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(free -h | awk '/Mem:/ {print $2}') memory"

# Start-up to the first paint, as a whole-process time, under a virtual X display.
run_display() {
  if [ -n "${DISPLAY:-}" ]; then "$@"; else xvfb-run -a "$@"; fi
}
startup() {  # prints the mean milliseconds of N runs of a command
  local runs=$1; shift
  local start end total=0
  for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s%N)
    total=$((total + end - start))
  done
  echo $((total / runs / 1000000))
}
cat > "$build/startup.sh" <<INNER
#!/usr/bin/env bash
$(declare -f startup)
startup 3 "$build/bench/bare_window" >/dev/null  # warm the caches
echo "bare Qt window:        \$(startup 20 "$build/bench/bare_window") ms"
echo "Varnello main window:  \$(VARNELLO_EXIT_AFTER_PAINT=1 startup 20 "$build/varnello") ms"
INNER
echo "== start-up to first paint (mean of 20 runs)"
VARNELLO_EXIT_AFTER_PAINT=1 run_display bash "$build/startup.sh"

echo "== one press (click to lines ready)"
"$build/bench/press_bench" --benchmark_filter=Press --benchmark_min_time=0.2 2>/dev/null | grep -E '^Press'

echo "== one keystroke's suggestions, beside exact keyword dispatch (6 queries each)"
"$build/bench/find_bench" --benchmark_min_time=0.2 2>/dev/null | grep -E '^(Find|Dispatch)'

echo "== varnello-cli batch, 100000 requests"
python3 - "$build/requests.jsonl" <<'PY'
import json, sys
windows = ["Form6", "Form16", "Form98", "Form101", "Form3", "Form52"]
with open(sys.argv[1], "w") as f:
    for i in range(100000):
        fields = {f"Text{n}": str((i * 7 + n * 13) % 997 + 0.5) for n in range(1, 6)}
        f.write(json.dumps({"window": windows[i % len(windows)], "fields": fields}, ensure_ascii=False) + "\n")
PY
/usr/bin/time -f "%e s elapsed, %U s user CPU, %M KB peak" "$build/varnello-cli" batch \
  <"$build/requests.jsonl" >"$build/answers.jsonl"
echo "answers: $(wc -l <"$build/answers.jsonl")"

echo "== GUI memory with all 125 windows open"
QT_QPA_PLATFORM=offscreen "$build/bench/gui_memory" 2>/dev/null
