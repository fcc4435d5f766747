# Shared by the end-to-end scripts; sourced from the work folder. Starts a
# private Xvfb on a display it chooses itself, points DISPLAY at it, and on
# exit kills it and the program started as $app. fail prints the file named
# by $app_log (lesko.log unless set).

fail() {
    echo "FAIL: $*"
    cat "${app_log:-lesko.log}" 2>/dev/null
    exit 1
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>display.txt >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb ${app:-} 2>/dev/null || true' EXIT
for _ in $(seq 100); do [[ -s display.txt ]] && break; sleep 0.1; done
[[ -s display.txt ]] || fail "Xvfb did not start"
export DISPLAY=:$(head -n 1 display.txt) QT_QPA_PLATFORM=xcb

# Waits until a window whose title contains $1 is shown.
wait_window() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    fail "no window \"$1\""
}

# Opens the menu bar of the focused window with Alt and presses the keys given.
menu() {
    xdotool key alt
    sleep 0.3
    for k in "$@"; do
        xdotool key "$k"
        sleep 0.3
    done
    sleep 0.5
}

# Clicks at x, y pixels of the client area of the window titled $1.
click_in() {
    local window
    window=$(xdotool search --onlyvisible --name "$1" | head -n 1)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove $((X + $2)) $((Y + $3)) click 1
    sleep 0.3
}

# Replaces the workbench's answer with the lines given.
type_answer() {
    click_in "Комбиниран урок" 60 440 # the answer box, 480, 6150 twips below the menu bar
    xdotool key ctrl+a BackSpace
    for line in "$@"; do
        xdotool type --delay 20 "$line"
        xdotool key Return
    done
    sleep 0.3
}
