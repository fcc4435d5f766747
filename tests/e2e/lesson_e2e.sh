#!/usr/bin/env bash
# End to end: the real lesko executable under Xvfb, driven by real key and
# mouse events. Opens the workbench, types an answer, saves it, returns to the
# lesson, leaves it with Yes, and checks the files on disk: the solution file,
# the answer record and the attempt log, which the class summary then reads.
# Usage: lesson_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER LESKO_REPORT
set -euo pipefail
lesko=$1 config=$2 work=$3 report=$4

here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null

source "$here/xvfb_session.sh"

"$lesko" >lesko.log 2>&1 &
app=$!

# Waits until a file exists.
wait_file() {
    for _ in $(seq 100); do [[ -f $1 ]] && return 0; sleep 0.1; done
    fail "no file $1"
}

wait_window "Програмиран урок"
menu Right Right Right Return                     # "Задачи/Речник"
wait_window "Комбиниран урок"
sleep 0.5
window=$(xdotool search --onlyvisible --name "Комбиниран урок" | head -n 1)
eval "$(xdotool getwindowgeometry --shell "$window")"
# The answer box: 480, 6150 twips from the client's top left, below the menu bar.
xdotool mousemove $((X + 60)) $((Y + 440)) click 1
sleep 0.3
xdotool type --delay 30 "abcdefg"
sleep 0.3
menu Right Right Right Right Return Down Return   # "Запис" > "Запис само решение"
wait_file FUNKR_01.TXT
[[ $(cat FUNKR_01.TXT) == "abcdefg" ]] || fail "solution file holds: $(od -c FUNKR_01.TXT)"

menu Return                                       # "Връщане към урока"
wait_window "Програмиран урок"
menu Return                                       # "Изход"
wait_window "Електронен урок"
sleep 0.5
xdotool key shift+Tab space                       # "Да" (the default is "Не")
for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && fail "the lesson did not end"

record=$(ls ./*@* 2>/dev/null | head -n 1)
[[ -n $record ]] || fail "no answer record"
expected=$(printf 'Има въведен текст по следните задачи:\r\nЗадача  1\r\nabcdefg\r\n' | iconv -f UTF-8 -t WINDOWS-1251)
[[ $(cat "$record") == "$expected" ]] || fail "answer record holds: $(od -c "$record")"

# The attempt log: the column titles and one row, task 1 with its 7 characters.
logs=(FUNKR_opiti_*.csv)
[[ ${#logs[@]} == 1 && -f ${logs[0]} ]] || fail "attempt logs: ${logs[*]}"
[[ $(head -c 3 "${logs[0]}" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "the attempt log has no byte-order mark"
[[ $(wc -l <"${logs[0]}") == 2 ]] || fail "attempt log holds: $(cat "${logs[0]}")"
row=$(sed -n 2p "${logs[0]}" | tr -d '\r')
IFS=';' read -r -a fields <<<"$row"
[[ ${fields[0]} == FUNKR && ${fields[3]} == 1 && ${fields[17]} == 7 && ${fields[16]} == FUNKR_01.TXT ]] ||
    fail "attempt log row: $row"

# The class summary of this folder: one run, task 1 opened and not checked.
"$report" . -o summary.csv 2>report.txt || fail "lesko_report: $(cat report.txt)"
grep -q 'Прочетени дневници: 1, пропуснати: 0' report.txt || fail "lesko_report said: $(cat report.txt)"
summary=$(sed -n 2p summary.csv | tr -d '\r')
[[ $summary == "${fields[1]};${fields[2]};"*";1;0;"*";—"* ]] || fail "summary row: $summary"
echo "PASS: solution file, answer record and attempt log written by the real program; class summary made"
