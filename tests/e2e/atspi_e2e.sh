#!/usr/bin/env bash
# End to end for screen readers: the real lesko executable in a session with
# the accessibility bus (atspi_session.sh); atspi_tree.py reads the live tree
# over AT-SPI. Skips (77) when AT-SPI cannot be made to work here.
# Usage: atspi_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [[ ${1:-} != --inside ]]; then
    # Debian's own python, where the AT-SPI bindings are installed.
    /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null ||
        { echo "SKIP: no python3 AT-SPI bindings"; exit 77; }
    exec "$here/atspi_session.sh" "$0" --inside "$@"
fi
lesko=$2 config=$3 work=$4

rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null
"$lesko" >lesko.log 2>&1 &
app=$!
trap 'kill $app 2>/dev/null || true' EXIT

status=0
/usr/bin/python3 "$here/atspi_tree.py" ${LESKO_ATSPI_DUMP:+--dump} || status=$?
kill -0 "$app" 2>/dev/null || { echo "FAIL: lesko ended"; cat lesko.log; exit 1; }
((status == 0)) || cat lesko.log
exit $status
