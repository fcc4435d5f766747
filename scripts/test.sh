#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test: the normal build, the Debian package of the release build, the
# same suite under AddressSanitizer and UndefinedBehaviorSanitizer, and a
# bounded run of the fuzzers. Safe to run again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh

echo "== normal build =="
cmake --preset dev
cmake --build --preset dev
ctest --preset dev --label-exclude package

echo "== package =="
cmake --preset release
cmake --build --preset release --target package
ctest --preset dev --label-regex package

echo "== sanitizer build =="
cmake --preset asan
cmake --build --preset asan
ctest --preset asan

echo "== fuzzing =="
scripts/fuzz.sh 30
