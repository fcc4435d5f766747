#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors and runs
# every test. Safe to run again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
ctest --preset dev
