#!/usr/bin/env bash
# Runs COMMAND in a session a screen reader would find: Xvfb, a private session
# bus and the accessibility bus on it, Qt on xcb with its AT-SPI bridge always
# on. Exits 77 (skip) when the accessibility bus cannot be started here.
# Usage: atspi_session.sh COMMAND [ARGUMENTS...]
set -euo pipefail
skip() { echo "SKIP: $*"; exit 77; }

# A private session bus, so that nothing of the user's desktop answers.
if [[ -z ${LESKO_ATSPI_SESSION:-} ]]; then
    command -v dbus-run-session >/dev/null || skip "no dbus-run-session"
    LESKO_ATSPI_SESSION=1 exec dbus-run-session -- "$0" "$@"
fi

launcher=""
for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -x $candidate ]] && launcher=$candidate && break
done
[[ -n $launcher ]] || skip "no at-spi-bus-launcher (package at-spi2-core)"

session=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$session/display" >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb ${bus:-} 2>/dev/null || true; rm -rf "$session"' EXIT
for _ in $(seq 100); do [[ -s $session/display ]] && break; sleep 0.1; done
[[ -s $session/display ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$session/display") QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

"$launcher" --launch-immediately >"$session/bus.log" 2>&1 &
bus=$!
bus_up() { dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1; }
for _ in $(seq 50); do bus_up && break; sleep 0.1; done
bus_up || skip "the accessibility bus did not start: $(cat "$session/bus.log")"

status=0
"$@" || status=$?
exit $status
