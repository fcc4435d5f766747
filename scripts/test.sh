#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test: the normal build, the same suite under AddressSanitizer and
# UndefinedBehaviorSanitizer, and a bounded run of the fuzzers. Safe to run
# again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

echo "== normal build =="
cmake --preset dev
cmake --build --preset dev
ctest --preset dev

echo "== sanitizer build =="
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== fuzzing =="
scripts/fuzz.sh 30
