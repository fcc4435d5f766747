#!/usr/bin/env bash
# End to end: the real setup window (lesko --setup) under Xvfb. Changes the
# number of tasks the lesson keeps with real key and mouse events, saves, and
# starts the lesson on the file it wrote.
# Usage: setup_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 work=$3

rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null
cp FUNKR.UFG before.UFG

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display.txt >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb ${app:-} 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s display.txt ]] && break; sleep 0.1; done
[[ -s display.txt ]] || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 display.txt) QT_QPA_PLATFORM=xcb

fail() { echo "FAIL: $*"; cat ./*.log 2>/dev/null; exit 1; }
wait_window() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window \"$1\""
}
wait_end() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "$2"
}

"$lesko" --setup >setup.log 2>&1 &
app=$!
wait_window "Настройка на урока"
sleep 0.5
window=$(xdotool search --onlyvisible --name "Настройка на урока" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# "Задачи в урока": the spin box above the task table.
xdotool mousemove $((X + 300)) $((Y + 31)) click 1
sleep 0.2
xdotool key ctrl+a
xdotool type --delay 50 "7"
xdotool key Tab
sleep 0.3
xdotool mousemove $((X + WIDTH - 138)) $((Y + HEIGHT - 23)) click 1   # "Запис"
for _ in $(seq 50); do cmp -s FUNKR.UFG before.UFG || break; sleep 0.1; done
cmp -s FUNKR.UFG before.UFG && fail "the file was not written"
cmp -s FUNKR.UFG.bak before.UFG || fail "the backup is not the previous file"
shown=$("$config" --show FUNKR.UFG)
grep -q "^Задачи в урока: 7 от 20" <<<"$shown" || fail "the file holds: $(head -n 2 <<<"$shown")"
xdotool mousemove $((X + WIDTH - 52)) $((Y + HEIGHT - 23)) click 1    # "Отказ": nothing left to ask
wait_end "$app" "the setup window did not close"

"$lesko" >lesko.log 2>&1 &
app=$!
wait_window "Програмиран урок"
sleep 1
# A configuration the lesson refuses is reported in a box of the lesson.
xdotool search --onlyvisible --name "Електронен урок" >/dev/null 2>&1 && fail "the lesson refused the file"
kill "$app"
echo "PASS: the setup window wrote the file and the lesson started on it"
