#!/usr/bin/env bash
# Builds the benchmarks and prints each figure with the reference it is
# measured against in the same run. Usage: bench/run.sh [clock seconds]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
clock_seconds=${1:-180}

scripts/install-deps.sh
for p in libbenchmark-dev time; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
        { apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$p"; }
done
cmake --preset bench >/dev/null
cmake --build --preset bench
bin=build/bench/bench

work=$(mktemp -d)
trap 'rm -rf "$work"; kill ${xvfb:-} 2>/dev/null || true' EXIT
(cd "$work" && "$root/build/bench/src/lesko_config" >/dev/null)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb

# Median wall time (ms) and peak memory (KiB) of N starts of a program.
measure() {
    local program=$1 runs=21 times=() memory=() start end m
    for ((i = 0; i < runs; i++)); do
        start=$(date +%s%N)
        m=$(cd "$work" && /usr/bin/time -f "%M" "$program" 2>&1 >/dev/null | tail -n 1)
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
        memory+=("$m")
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p"
    printf '%s\n' "${memory[@]}" | sort -n | sed -n "$((runs / 2 + 1))p"
}

echo "== start-up to first paint (median of 21) =="
mapfile -t bare < <(measure "$root/$bin/startup_bare")
mapfile -t lesson < <(measure "$root/$bin/startup_lesson")
echo "bare Qt window: ${bare[0]} us, ${bare[1]} KiB"
echo "lesson:         ${lesson[0]} us, ${lesson[1]} KiB"
awk -v a="${lesson[0]}" -v b="${bare[0]}" -v c="${lesson[1]}" -v d="${bare[1]}" \
    'BEGIN { printf "ratio: time %.2f x, memory %.2f x\n", a / b, c / d }'

echo "== cost of repeated work (ns) =="
"$bin/tick_bench" --benchmark_min_time=0.5 | tee "$work/ticks"
awk '$1 == "EmptyCall" { floor = $2 } $1 ~ /Tick|Resize|Save/ { rows[$1] = $2 }
     END { for (r in rows) printf "%s: %.0f x the empty call\n", r, rows[r] / floor }' "$work/ticks"

echo "== check of task 1's solution against a plain compile =="
"$bin/check_bench"

echo "== the tasks' time limits: solutions, wrong answers and margins =="
"$bin/task_limits"

echo "== clock accuracy over ${clock_seconds} s with the other core busy =="
QT_QPA_PLATFORM=offscreen "$bin/clock_accuracy" "$clock_seconds"
