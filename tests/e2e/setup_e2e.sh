#!/usr/bin/env bash
# End to end: the real setup window (lesko --setup) under Xvfb. Changes the
# number of tasks the lesson keeps with real key and mouse events, saves, and
# starts the lesson on the file it wrote.
# Usage: setup_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 work=$3

here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null
cp FUNKR.UFG before.UFG

source "$here/xvfb_session.sh"

wait_end() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "$2"
}

app_log=setup.log
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

app_log=lesko.log
"$lesko" >lesko.log 2>&1 &
app=$!
wait_window "Програмиран урок"
sleep 1
# A configuration the lesson refuses is reported in a box of the lesson.
xdotool search --onlyvisible --name "Електронен урок" >/dev/null 2>&1 && fail "the lesson refused the file"
kill "$app"
echo "PASS: the setup window wrote the file and the lesson started on it"
