#!/usr/bin/env bash
# Installs what is missing, builds the lesson and starts it in a working
# folder (work/) with a configuration that opens the lesson's features.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

mkdir -p work
cd work
# The class configuration: written once; a teacher's own file is kept.
ls ./*.UFG >/dev/null 2>&1 || "$root/build/release/src/lesko_config"

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
    echo "Няма графичен дисплей. Стартирайте урока с: xvfb-run -a scripts/run.sh"
    echo "No graphical display. Start the lesson with: xvfb-run -a scripts/run.sh"
    exit 2
fi
exec "$root/build/release/src/lesko"
