#!/bin/bash
# The lineup screen in the real window, with a real pointer: in a new game at
# a club, "auto" fills the lineup, a player's card dragged onto the squad
# list takes him off the sheet; the list, wheeled to its end, shows a player
# left out, and his row dragged onto the free card puts him there; the
# stair's top button "  6 : 0  " chooses defence system 1. Each step is read
# back from the program's trace. Run under a virtual display:
# real-window-lineup.sh <corvanta> <club>
set -u
program=$1
club=$2
work=$(mktemp -d)
trace=$work/trace
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=real-window-lib.sh
source "$(dirname "$0")/real-window-lib.sh"

readonly slot=12  # the offence's line player
readonly sixNil=5  # the stair's top button
readonly auto=7

card() { field cards "$1" | tr , ' '; }
# The centre of visible list row $1 (0-7).
row() {
    local top bottom
    top=$(field list 1)
    bottom=$(field list 3)
    local height=$(((bottom - top) / 8))
    echo "$(( ($(field list 0) + $(field list 2)) / 2 )) $((top + $1 * height + height / 2))"
}
# Press at one point, move the pointer in two steps, release at the other.
drag() {
    local from=($1) to=($2)
    sleep 0.5
    xdotool mousemove --sync "${from[0]}" "${from[1]}"
    sleep 0.2
    xdotool mousedown 1
    sleep 0.2
    xdotool mousemove --sync $(((from[0] + to[0]) / 2)) $(((from[1] + to[1]) / 2))
    sleep 0.2
    xdotool mousemove --sync "${to[0]}" "${to[1]}"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}
wait_until() {
    for _ in $(seq 50); do
        eval "$1" && return 0
        sleep 0.1
    done
    return 1
}

SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy CORVANTA_TRACE=$trace "$program" --club "$club" &
pid=$!
wait_for "screen 1 running 0" || fail "the game did not come up on the lineup screen"
sleep 7  # the start picture in the middle goes by itself
window=$(xdotool search --sync --name Corvanta | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null
click 0  # paints the lineup screen afresh, so the trace holds its cards
wait_until '[ "$(card $slot)" != "-1 -1" ]' || fail "the lineup screen drew no card for slot $slot"
click $auto btn  # fills whatever places the new game left free
wait_until '[ "$(field lineup $slot)" != 0 ]' || fail "\"auto\" left slot $slot free"

drag "$(card $slot)" "$(row 0)"
wait_until '[ "$(field lineup $slot)" = 0 ]' || fail "a card dropped on the list left its player on the sheet"

list=($(row 4))
rows=$(field rows 0)
xdotool mousemove --sync "${list[0]}" "${list[1]}"
for _ in $(seq "$rows"); do xdotool click 5; done
wait_until '[ "$(field top 0)" = $((rows - 8)) ]' || fail "the wheel did not bring the list to its end"
# From the last row up: a player left out may be injured, and stays out.
for r in 7 6 5 4; do
    drag "$(row $r)" "$(card $slot)"
    [ "$(field lineup $slot)" != 0 ] && break
done
[ "$(field lineup $slot)" != 0 ] || fail "no row dropped on the free card placed its player"

click $sixNil btn
wait_until '[ "$(field system 0)" = 1 ]' || fail "\"  6 : 0  \" did not choose defence system 1"
quit_program
echo "the lineup screen took the real pointer's drags"
