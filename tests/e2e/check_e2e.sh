#!/usr/bin/env bash
# End to end: "Проверка" in the real lesko executable under Xvfb. Types a right
# and then a wrong answer to task 1, presses F5 and reads each verdict from the
# result window's details box through the X selection.
# Usage: check_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 work=$3

here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null
export XDG_CACHE_HOME=$work/cache

source "$here/xvfb_session.sh"

"$lesko" >lesko.log 2>&1 &
app=$!

# Replaces the answer box's text with the lines given and presses F5.
check_answer() {
    type_answer "$@"
    xdotool key F5
}
# Waits until the first line of the result window's details is $1.
wait_verdict() {
    local got=""
    for _ in $(seq 60); do
        if xdotool search --onlyvisible --name "Резултат от проверката" >/dev/null 2>&1; then
            click_in "Резултат от проверката" 100 300 # the details box
            xdotool key ctrl+a # the selection is the details' text
            sleep 0.2
            got=$(xclip -o 2>/dev/null | head -n 1 || true)
            if [[ $got == "$1" ]]; then
                # Out of the answer box's way for the next answer.
                xdotool windowmove "$(xdotool search --onlyvisible --name "Резултат от проверката" | head -n 1)" 640 0
                return 0
            fi
        fi
        sleep 0.5
    done
    fail "verdict \"$got\", not \"$1\""
}

wait_window "Програмиран урок"
menu Right Right Right Return # "Задачи/Речник"
wait_window "Комбиниран урок"
sleep 0.5

right='int main() { long long x; std::cin >> x; std::cout << 2 * x + 3 << "\n"; }'
check_answer '#include <iostream>' "$right"
# A right answer shows its last test, a hidden one; the lesson says how many task 1 has.
tests=$(find "$here/../../lesson/tasks/01/data" -name '*.in' | wc -l)
wait_verdict "Тест $tests (скрит): Верен"
check_answer '#include <iostream>' "${right/long long/short}"
wait_verdict "Тест 3: Грешен отговор"
pgrep -x otgowor >/dev/null && fail "an answer's process is left running"

# A hostile answer through the real program as an ordinary user (nobody):
# it signals every process it may, forks, fills the shared memory folder and
# never ends (the session bus the toolkit starts aside). The lesson, the X server and the user's other processes live
# on; the test is out of time; nothing of it is left.
if [[ $(id -u) -eq 0 ]] && command -v setpriv >/dev/null; then
    kill "$app"
    wait "$app" 2>/dev/null || true
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    mkdir -p user && chown 65534:65534 user && cp -p FUNKR.UFG user/ && chown 65534:65534 user/FUNKR.UFG
    cd user
    shm_before=$(find /dev/shm /tmp -maxdepth 1 -user 65534 ! -name "dbus-*" 2>/dev/null | sort)
    mkdir -m 700 runtime && chown 65534:65534 runtime
    "${as_user[@]}" env HOME="$PWD" XDG_CACHE_HOME="$PWD/cache" XDG_RUNTIME_DIR="$PWD/runtime" "$lesko" >lesko.log 2>&1 &
    app=$!
    "${as_user[@]}" sleep 300 &
    bystander=$!
    wait_window "Програмиран урок"
    menu Right Right Right Return
    wait_window "Комбиниран урок"
    sleep 0.5
    check_answer '#include <csignal>' '#include <cstdio>' '#include <string>' '#include <unistd.h>' \
        'int main() { kill(-1, SIGKILL); for (int i = 0; i < 64; ++i) fork();' \
        'std::string mb(1 << 20, 1); for (int i = 0; i < 64; ++i) { std::FILE* f = std::fopen(("/dev/shm/" + std::to_string(i)).c_str(), "w"); if (f) std::fwrite(mb.data(), 1, mb.size(), f); }' \
        'for (;;) {} }'
    wait_verdict "Тест 1: Превишено време"
    kill -0 "$app" 2>/dev/null || fail "the lesson of an ordinary user died"
    kill -0 "$xvfb" 2>/dev/null || fail "the X server died"
    kill -0 "$bystander" 2>/dev/null || fail "another process of the user died"
    kill "$bystander"
    pgrep -x otgowor >/dev/null && fail "an answer's process is left running"
    shm_after=$(find /dev/shm /tmp -maxdepth 1 -user 65534 ! -name "dbus-*" 2>/dev/null | sort)
    [[ $shm_after == "$shm_before" ]] || fail "the check left files in /dev/shm or /tmp: $shm_after"
    [[ -z $(ls -A cache/lesko/jobs 2>/dev/null) ]] || fail "the check left its job folder"
fi
echo "PASS: the real program judged a right and a wrong answer, and contained a hostile one"
