#!/usr/bin/env bash
# End to end: the real setup window (lesko --setup) under Xvfb, driven by the
# keyboard. In the working folder it changes the number of tasks the lesson
# keeps, saves with Ctrl+S and the lesson starts on the file it wrote. Then a
# teacher's account with no files yet: "Настройка на урока" from the menu
# (--setup --from-menu) saves in the lesson's folder under documents, and the
# lesson from the menu starts on that file without message 1.
# Usage: setup_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 work=$3

here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work" && cd "$work"
"$config" >/dev/null
cp FUNKR.UFG before.UFG
# No shared configuration of this machine may take part.
export XDG_CONFIG_DIRS=$work/no-shared-config

source "$here/xvfb_session.sh"

wait_end() {
    for _ in $(seq 100); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    fail "$2"
}

# Starts the setup window with the arguments given and waits for it.
start_setup() {
    app_log=setup.log
    "$lesko" --setup "$@" >setup.log 2>&1 &
    app=$!
    wait_window "Настройка на урока"
    sleep 0.5
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Настройка на урока" | head -n 1)"
}

# A lesson box ("Електронен урок") on show means the lesson refused its file.
lesson_starts_cleanly() {
    app_log=lesko.log
    "$lesko" "$@" >lesko.log 2>&1 &
    app=$!
    wait_window "Програмиран урок"
    sleep 1
    xdotool search --onlyvisible --name "Електронен урок" >/dev/null 2>&1 && fail "the lesson showed a box: $*"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

start_setup
# The page list has the focus: Down to "Задачи", Tab to "Задачи в урока".
xdotool key Down Tab
sleep 0.3
xdotool key ctrl+a
xdotool type --delay 50 "7"
xdotool key Tab
sleep 0.3
xdotool key ctrl+s
for _ in $(seq 50); do cmp -s FUNKR.UFG before.UFG || break; sleep 0.1; done
cmp -s FUNKR.UFG before.UFG && fail "the file was not written"
cmp -s FUNKR.UFG.bak before.UFG || fail "the backup is not the previous file"
shown=$("$config" --show FUNKR.UFG)
grep -q "^Задачи в урока: 7 от 20" <<<"$shown" || fail "the file holds: $(head -n 2 <<<"$shown")"
xdotool key ctrl+w                                      # "Затваряне": nothing left to ask
wait_end "$app" "the setup window did not close"
lesson_starts_cleanly

# A teacher's own account, from the menu.
export HOME=$work/uchitel XDG_CONFIG_HOME=$work/uchitel/.config XDG_DATA_HOME=$work/uchitel/.local/share
mkdir -p "$HOME"
lesson_folder="$HOME/Documents/Функционална релация"
start_setup --from-menu
xdotool key ctrl+s
for _ in $(seq 50); do [[ -f $lesson_folder/FUNKR.UFG ]] && break; sleep 0.1; done
[[ -f $lesson_folder/FUNKR.UFG ]] || fail "--setup --from-menu did not write $lesson_folder/FUNKR.UFG: $(ls -R "$HOME")"
[[ ! -e $HOME/FUNKR.UFG ]] || fail "the setup wrote into the home folder"
xdotool key ctrl+w
wait_end "$app" "the setup window did not close"
cd "$work"                                               # the lesson from the menu finds its folder itself
lesson_starts_cleanly --from-menu
echo "PASS: the setup window wrote the file of the working folder and of the lesson's folder from the menu; the lesson started on each"
