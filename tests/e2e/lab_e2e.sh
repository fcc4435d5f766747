#!/usr/bin/env bash
# End to end: the real lesko in a computer lab, under Xvfb. The computer's
# shared file (written by lesko_config --system) is read by a fresh account;
# made binding, it wins over a student's own file and the lesson says so once.
# As root, with real mounts: the lesson starts in a read-only bind mount, says
# once that saving is off and leaves without writing; in a home on a FUSE
# stand-in of a network file system (mount type fuse.sshfs) it saves as on a
# fixed drive, while on such a share outside the home it does not.
# Usage: lab_e2e.sh LESKO LESKO_CONFIG WORK_FOLDER
set -euo pipefail
lesko=$1 config=$2 work=$3

here=$(cd "$(dirname "$0")" && pwd)
if [[ -d $work ]]; then
    for m in "$work"/*/; do mountpoint -q "$m" && umount -l "$m"; done
    rm -rf "$work"
fi
mkdir -p "$work" && cd "$work"
export XDG_CONFIG_DIRS=$work/xdg XDG_DATA_DIRS=$work/data:/usr/share

source "$here/xvfb_session.sh"
mounts=()
trap 'kill $xvfb ${app:-} 2>/dev/null || true; for m in "${mounts[@]}"; do umount -l "$m" 2>/dev/null || true; done' EXIT

# A fresh account: its own home, documents and settings.
account() {
    export HOME=$1 XDG_CONFIG_HOME=$1/.config XDG_DATA_HOME=$1/.local/share
    mkdir -p "$HOME"
}

# Starts the lesson (arguments for lesko).
launch() {
    app_log=$work/lesko.log
    "$lesko" "$@" >"$app_log" 2>&1 &
    app=$!
}

# Starts the lesson and waits for its main window.
start_lesson() {
    launch "$@"
    wait_window "Програмиран урок"
    sleep 1
}

boxes() { xdotool search --onlyvisible --name "Електронен урок" 2>/dev/null | wc -l; }

# The one box the start-up shows is answered with OK; the main window follows
# and no second box.
expect_one_box() {
    wait_window "Електронен урок"
    sleep 0.5
    [[ $(boxes) == 1 ]] || fail "$(boxes) boxes at once: $1"
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Електронен урок" | head -n 1)"
    xdotool key Return
    wait_window "Програмиран урок"
    sleep 1
    [[ $(boxes) == 0 ]] || fail "a second box after: $1"
}

caption_has() {
    xdotool search --onlyvisible --name "Версия  $1" >/dev/null 2>&1 || fail "the caption has no version $1"
}

# "Изход" and "Да"; the lesson must end with no box about a failed write.
leave() {
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name "Програмиран урок" | head -n 1)"
    menu Return
    wait_window "Електронен урок"
    sleep 0.5
    xdotool key shift+Tab space
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "the lesson did not end: $1"
    wait "$app" || fail "the lesson ended with an error: $1"
}

lesson_folder() { echo "$HOME/Documents/Функционална релация"; }

echo "step 1"
# 1. The shared file, read by an account that has never run the lesson.
"$config" --system --lesson-version 2.22 >/dev/null
[[ -f $work/xdg/lesko/FUNKR.UFG ]] || fail "lesko_config --system wrote no shared file"
account "$work/ana"
start_lesson --from-menu
[[ $(boxes) == 0 ]] || fail "a fresh account got a box (message 1?)"
caption_has 2.22
kill "$app"; wait "$app" 2>/dev/null || true

echo "step 2"
# 2. Binding: the student's own file is not read, and the lesson says so once.
"$config" --system --binding yes >/dev/null
[[ -f $work/data/applications/bg.lesko.funkr.setup.desktop ]] || fail "the setup entry was not hidden"
mkdir -p "$(lesson_folder)"
(cd "$(lesson_folder)" && "$config" --lesson-version 1.11 >/dev/null)
launch --from-menu
expect_one_box "the binding shared file"
caption_has 2.22
kill "$app"; wait "$app" 2>/dev/null || true
"$config" --system --binding no >/dev/null

if [[ $(id -u) != 0 ]]; then
    echo "SKIP: the read-only and network folders need mounts, which need root (the shared file passed)"
    exit 77
fi

echo "step 3"
# 3. A read-only folder: a real read-only bind mount of a lesson folder.
account "$work/boris"
mkdir -p "$work/cd-source" "$work/cd"
(cd "$work/cd-source" && "$config" --lesson-version 3.33 >/dev/null)
mount --bind "$work/cd-source" "$work/cd" && mounts+=("$work/cd")
mount -o remount,bind,ro "$work/cd"
cd "$work/cd"
launch
expect_one_box "the read-only folder"
caption_has 3.33
leave "the read-only folder"
[[ $(ls "$work/cd-source") == FUNKR.UFG ]] || fail "files appeared in the read-only folder: $(ls "$work/cd-source")"

echo "step 4"
# 4. A home on a network file system (a FUSE stand-in whose mount type is
# that of sshfs): the lesson from the menu saves the answer record there.
mkdir -p "$work/home-server" "$work/nethome" "$work/share-server" "$work/share"
bindfs -o subtype=sshfs "$work/home-server" "$work/nethome" && mounts+=("$work/nethome")
grep -q " $work/nethome .* fuse.sshfs " /proc/self/mountinfo || fail "no fuse.sshfs stand-in at $work/nethome"
account "$work/nethome"
mkdir -p "$(lesson_folder)"
(cd "$(lesson_folder)" && "$config" >/dev/null)
cd "$work"
start_lesson --from-menu
[[ $(boxes) == 0 ]] || fail "the lesson in a network home showed a box"
leave "the network home"
ls "$(lesson_folder)"/*@* >/dev/null 2>&1 || fail "no answer record in the network home: $(ls "$(lesson_folder)")"

echo "step 5"
# 5. The same kind of share outside the home keeps the drive rule: nothing saved.
bindfs -o subtype=sshfs "$work/share-server" "$work/share" && mounts+=("$work/share")
(cd "$work/share" && "$config" >/dev/null)
cd "$work/share"
start_lesson
[[ $(boxes) == 0 ]] || fail "the lesson on a network share showed a box"
leave "the network share"
[[ $(ls "$work/share-server") == FUNKR.UFG ]] || fail "the lesson saved on a network share: $(ls "$work/share-server")"
cd "$work"
echo "PASS: shared file, binding, read-only folder, network home and network share through the real program"
