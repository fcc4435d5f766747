#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time on
# its seed corpus. Fails on any crash, hang, leak or sanitizer report.
# Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
seconds=${1:-30}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for target in config decrypt; do
    mkdir -p "$scratch/$target"
    echo "== fuzzing $target for ${seconds} s =="
    # The targets change their working folder, so every path is absolute.
    status=0
    (cd "$scratch" && "$root/build/fuzz/fuzz/${target}_fuzzer" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$scratch/" \
        "$scratch/$target" "$root/fuzz/corpus/$target" >"$scratch/$target.log" 2>&1) || status=$?
    grep -E 'stat::|ERROR|SUMMARY|Done' "$scratch/$target.log" || true
    if ((status != 0)) || ls "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-* >/dev/null 2>&1; then
        tail -n 40 "$scratch/$target.log"
        echo "The $target fuzzer found a fault; the input is kept in fuzz/found/"
        mkdir -p fuzz/found && cp "$scratch"/crash-* "$scratch"/leak-* "$scratch"/timeout-* "$scratch"/oom-* fuzz/found/ 2>/dev/null || true
        exit 1
    fi
done
