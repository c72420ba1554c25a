# What the tests of the program on a virtual display share: the program
# writes its screen and the centres of its buttons to $trace (CORVANTA_TRACE),
# and the tests click them with a real pointer. Sourced, with $trace and
# $pid set by the test.

# With SHOT naming a file, a failure leaves a picture of the screen there.
fail() { echo "FAIL: $*" >&2; [ -n "${SHOT:-}" ] && xwd -root -silent > "$SHOT"; [ -f "$trace" ] && cut -c1-60 "$trace" >&2; exit 1; }

# Waits until the trace's line starts with the given words.
wait_for() {
    for _ in $(seq 100); do
        [ -f "$trace" ] && [[ "$(cat "$trace")" == "$1"* ]] && return 0
        sleep 0.1
    done
    return 1
}

# A word of the trace by its label: field 0 is the first after it.
field() { awk -v label="$1" -v i="$2" '{ for (f = 1; f <= NF; ++f) if ($f == label) { print $(f + 1 + i); exit } }' "$trace"; }

# The centre of button $1 of the kind $2: nav (0-18, the default), sub
# (0-14) or ctl (0-7).
centre() { field "${2:-nav}" "$1" | tr , ' '; }

click() {
    local at
    at=$(centre "$@")
    [ -n "$at" ] && [ "$at" != "-1 -1" ] || fail "no rectangle for $*"
    # shellcheck disable=SC2086
    xdotool mousemove --sync $at click 1
}

# Escape asks to quit and Return confirms; a box of the running game (a
# warning, a report) may stand first, which Escape closes, and the next
# round asks to quit. Fails unless the program ends with 0.
quit_program() {
    for _ in 1 2 3 4; do
        xdotool key Escape
        sleep 0.5
        xdotool key Return
        for _ in $(seq 20); do
            kill -0 "$pid" 2>/dev/null || break 2
            sleep 0.1
        done
    done
    kill -0 "$pid" 2>/dev/null && fail "Escape and OK did not end the program"
    wait "$pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "the program ended with $status"
}
