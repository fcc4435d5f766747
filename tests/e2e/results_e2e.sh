#!/usr/bin/env bash
# End to end: a class's results through the real programs under Xvfb. Two
# students, each on a computer of its own (the lesson started in a UTS
# namespace with its own host name), give their names, open task 1 and check
# an answer, the first a right one, the second a wrong one, and leave. Their
# attempt logs, in their working folders and in the class's hand-in folder,
# hold the checks; lesko_report and the results window (its export through
# its own menu and file dialog) show who solved what. Then a third lesson is
# killed mid-task, and its next start offers the typed answer back.
# Usage: results_e2e.sh LESKO LESKO_CONFIG LESKO_REPORT WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 report=$3 work=$4

here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work"
export XDG_CACHE_HOME=$work/cache
handin=$work/handin
mkdir -p "$handin"

# --help and --version need no display and open no window.
(unset DISPLAY QT_QPA_PLATFORM; "$lesko" --help) | grep -q -- '--results' || { echo "FAIL: lesko --help"; exit 1; }
[[ $(unset DISPLAY QT_QPA_PLATFORM; "$lesko" --version) == "lesko "* ]] || { echo "FAIL: lesko --version"; exit 1; }

# A host name of its own needs a UTS namespace: as root directly, otherwise
# inside a user namespace of one's own.
uts=(unshare --uts)
"${uts[@]}" true 2>/dev/null || uts=(unshare --user --map-root-user --uts)
"${uts[@]}" true 2>/dev/null || { echo "SKIP: no UTS namespace for a host name of one's own"; exit 77; }

source "$here/xvfb_session.sh"
pids=()
trap 'kill $xvfb "${pids[@]}" 2>/dev/null || true' EXIT

# A student's computer: a working folder with the class's files.
prepare() {
    # Task 1 gets ten minutes, so a slow machine never runs out of time.
    mkdir -p "$work/$1" && (cd "$work/$1" && "$config" --limit 1=10:00 >/dev/null)
    printf '[class]\nask-name = yes\nhand-in-folder = %s\n' "$handin" >"$work/$1/FUNKR_klas.ini"
}
# Starts the lesson in folder $1 with the host name $1; app is its process.
start_lesson() {
    app_log=$work/$1/lesko.log
    (cd "$work/$1" && exec "${uts[@]}" sh -c 'hostname "$0" && exec "$1"' "$1" "$lesko") >"$app_log" 2>&1 &
    app=$!
    pids+=("$app")
    wait_window "Програмиран урок"
}
window_of() { xdotool search --onlyvisible --name "$1" | head -n 1; }
focus() {
    wait_window "$1"
    xdotool windowfocus --sync "$(window_of "$1")"
    sleep 0.3
}
open_tasks() {
    focus "Програмиран урок"
    menu Right Right Right Return # "Задачи/Речник"
}
# The name box: "Име и фамилия", Enter, "Клас", Enter; the tasks open.
# Letters outside the keyboard's layout are typed slowly: xdotool maps each
# to a spare key first.
give_name() {
    wait_window "Ученик"
    click_in "Ученик" 40 40
    xdotool type --delay 150 "$1"
    xdotool key Return
    xdotool type --delay 150 "$2"
    xdotool key Return
    wait_window "Комбиниран урок"
    sleep 0.5
}
check_and_wait() {
    xdotool key F5
    wait_window "Резултат от проверката"
    sleep 0.5
}
leave() {
    focus "Комбиниран урок"
    menu Right Right Right Right Return Down Return # "Запис" > "Запис само решение"
    menu Return                                     # "Връщане към урока"
    focus "Програмиран урок"
    menu Return                                     # "Изход"
    focus "Електронен урок"
    xdotool key shift+Tab space                     # "Да" (the default is "Не")
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || return 0; sleep 0.1; done
    fail "the lesson did not end"
}
# The field of the log's row for task 1 in folder $1 (columns from 0).
log_field() { sed -n 2p "$work/$1"/FUNKR_opiti_*.csv | tr -d '\r' | cut -d';' -f$(($2 + 1)); }

right='int main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << "\n"; }'
for student in pc-a pc-b; do prepare $student; done

start_lesson pc-a
open_tasks
give_name "Асен Белев" "8 а"
type_answer '#include <iostream>' "$right"
check_and_wait
leave

start_lesson pc-b
open_tasks
give_name "Яна Илиева" "8 а"
type_answer '#include <iostream>' "${right/long long/short}"
check_and_wait
leave

# The logs: the check, the name and the class, in the working folder and in
# the hand-in folder, with the saved answer beside it there.
tests=$(log_field pc-a 13)
[[ $(log_field pc-a 11) == 1 && $(log_field pc-a 12) == "$tests" && $(log_field pc-a 14) == Верен ]] ||
    fail "pc-a's log: $(sed -n 2p "$work"/pc-a/FUNKR_opiti_*.csv)"
[[ $(log_field pc-a 1) == pc-a && $(log_field pc-a 19) == "Асен Белев" && $(log_field pc-a 20) == "8 а" ]] ||
    fail "pc-a's log names: $(sed -n 2p "$work"/pc-a/FUNKR_opiti_*.csv)"
[[ $(log_field pc-b 11) == 1 && $(log_field pc-b 12) -lt "$tests" && $(log_field pc-b 14) == "Грешен отговор" ]] ||
    fail "pc-b's log: $(sed -n 2p "$work"/pc-b/FUNKR_opiti_*.csv)"
for student in pc-a pc-b; do
    log=$(basename "$work/$student"/FUNKR_opiti_*.csv)
    cmp "$work/$student/$log" "$handin/$log" || fail "the hand-in folder lacks $log"
    tag=${log#FUNKR_opiti_}
    cmp "$work/$student/FUNKR_01.TXT" "$handin/FUNKR_01_${tag%.csv}.TXT" || fail "the hand-in folder lacks $student's answer"
done

# The class summary of the hand-in folder: one row per student, who solved what.
"$report" "$handin" -o "$work/report.csv" 2>report.txt || fail "lesko_report: $(cat report.txt)"
grep -q 'Прочетени дневници: 2, пропуснати: 0' report.txt || fail "lesko_report said: $(cat report.txt)"
row_of() { grep "^$1;" "$work/report.csv" | tr -d '\r'; }
# Task 1's cell: the best check, " П" when the hint came (task 1 gives it after a few seconds).
[[ $(row_of pc-a | cut -d';' -f5,8,9,10) == "1;Асен Белев;8 а;$tests/$tests"* ]] || fail "summary: $(row_of pc-a)"
[[ $(row_of pc-b | cut -d';' -f5,8,9) == "0;Яна Илиева;8 а" && $(row_of pc-b | cut -d';' -f10) != "$tests/$tests"* ]] ||
    fail "summary: $(row_of pc-b)"

# The results window over the hand-in folder: its own export gives the same table.
app_log=$work/results.log
"$lesko" --results "$handin" >"$app_log" 2>&1 &
app=$!
pids+=("$app")
focus "Резултати на класа"
xdotool key ctrl+s
focus "Запис на таблицата"
xdotool key ctrl+a
xdotool type --delay 20 "$work/window.csv"
xdotool key Return
for _ in $(seq 50); do [[ -s $work/window.csv ]] && break; sleep 0.2; done
cmp "$work/window.csv" "$work/report.csv" || fail "the window's table differs from lesko_report's"
kill "$app"

# A lesson killed mid-task: the minute's write has kept the answer, and the
# next start offers it back; "Да" puts it into the task and keeps the name.
prepare pc-c
start_lesson pc-c
open_tasks
give_name "Боян Денев" "8 б"
type_answer 'int main() { return 42; }'
for _ in $(seq 150); do compgen -G "$work/pc-c/FUNKR_otgowori_*.csv" >/dev/null && break; sleep 0.5; done
compgen -G "$work/pc-c/FUNKR_otgowori_*.csv" >/dev/null || fail "no answers kept after a minute"
kill -9 "$app"
wait "$app" 2>/dev/null || true
(cd "$work/pc-c" && exec "${uts[@]}" sh -c 'hostname "$0" && exec "$1"' pc-c "$lesko") >"$app_log" 2>&1 &
app=$!
pids+=("$app")
focus "Електронен урок" # the offer; "Да" is its default
xdotool key Return
open_tasks
wait_window "Комбиниран урок"
xdotool search --onlyvisible --name "Ученик" >/dev/null 2>&1 && fail "the name was asked again"
sleep 0.5
click_in "Комбиниран урок" 60 440
xdotool key ctrl+a
sleep 0.3
[[ $(xclip -o 2>/dev/null | head -n 1) == 'int main() { return 42; }' ]] || fail "answer box holds: $(xclip -o 2>/dev/null)"
grep -q ';върнат;' "$work"/pc-c/FUNKR_otgowori_*.csv || fail "the kept answers are not marked as taken back"
echo "PASS: two students' checks reached their logs, the hand-in folder, lesko_report and the results window; a killed lesson's answer came back"
