# An operator at the keyboard of the virtual display that tests/run-with-desktop
# provides: real key events (xdotool, through the X server's XTEST) go to
# whichever window is active, as they would from a keyboard. Sourced by the
# scripts that drive the editors; each step waits for the window it needs.

for tool in xdotool wmctrl; do
    if ! command -v $tool >/dev/null; then
        echo "SKIPPED: $tool is not installed (scripts/install-deps windows)"
        exit 77
    fi
done
: "${DISPLAY:?DISPLAY names the display that run-with-desktop started}"

fail() {
    echo "FAILED: $*"
    exit 1
}

# The programs a script starts (it adds their process ids to pids), ended
# with every Wine program of the prefix by stop_programs, which each script
# calls when it exits: Wine's desktop process outlives the program and must go
# before its display does. Needs `here`, the folder of these scripts.
pids=()
stop_programs() {
    "$here/wine-run" --stop
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
}

# await_active TITLE: waits up to 60 seconds for the active window to be the
# one titled TITLE, and prints its id. Gives up at once when the program
# whose process id is in program_pid has ended.
await_active() {
    local window
    for _ in $(seq 600); do
        if [ -n "${program_pid:-}" ] && ! kill -0 "$program_pid" 2>/dev/null; then
            echo "FAILED: the program ended while waiting for \"$1\"" >&2
            return 1
        fi
        window=$(xdotool getactivewindow 2>/dev/null || true)
        if [ -n "$window" ] && [ "$(xdotool getwindowname "$window" 2>/dev/null)" = "$1" ]; then
            echo "$window"
            return 0
        fi
        sleep 0.1
    done
    echo "FAILED: \"$1\" did not become the active window; the display has:" >&2
    xwininfo -root -tree | grep '"' | head -n 20 >&2
    return 1
}

# keys KEY...: presses and releases each key in turn (xdotool key names).
keys() {
    xdotool key --delay 120 "$@"
}

# typed TEXT: types TEXT as key presses.
typed() {
    xdotool type --delay 120 "$1"
}

# enter: one press of Enter, at an operator's pace: never within a second of
# the Enter before, which a button takes for a held key's repeat.
enter() {
    sleep 1.5
    xdotool key Return
}

# await_file PATH: waits up to 30 seconds for a file to be written.
await_file() {
    for _ in $(seq 300); do
        [ -s "$1" ] && return 0
        sleep 0.1
    done
    fail "$1 was not written"
}

# close_and_wait WINDOW PID: closes the window as its close button does and
# waits up to 30 seconds for the program to end with status 0.
close_and_wait() {
    wmctrl -i -c "$1"
    for _ in $(seq 300); do
        if ! kill -0 "$2" 2>/dev/null; then
            wait "$2" || fail "exit status $? after closing"
            return 0
        fi
        sleep 0.1
    done
    fail "still running 30 seconds after its window was closed"
}

# Save Menu to File, from its button having the focus: in the chooser Tab
# twice to the name field, type NAME, Tab past Cancel to OK, Enter.
save_menu_as() {
    enter
    await_active "Select/Enter File to save Menu Items to" >/dev/null
    keys Tab Tab
    typed "$1"
    keys Tab Tab
    enter
}
