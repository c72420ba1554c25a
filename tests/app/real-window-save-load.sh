#!/bin/bash
# Saving and loading in the real window, with a real pointer and keyboard:
# a game at a club runs a week, is saved through the game menu's file
# browser and the program quits; started again, "load game" of the start
# screen brings back the same club on the same date. Run under a virtual
# display: real-window-save-load.sh <corvanta> <club>
set -u
program=$1
club=$2
work=$(mktemp -d)
trace=$work/trace
name=real-window-$$
save="$(dirname "$program")/Save/$name.ksv"
trap 'kill "$pid" 2>/dev/null; rm -rf "$work" "$save"' EXIT

# shellcheck source=real-window-lib.sh
source "$(dirname "$0")/real-window-lib.sh"

start() {
    SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy CORVANTA_TRACE=$trace "$program" "$@" &
    pid=$!
}

focus() {
    sleep 2  # the start picture goes by itself
    window=$(xdotool search --sync --name Corvanta | head -1)
    xdotool windowfocus --sync "$window" 2>/dev/null
}

# What the information panel shows: "date D club C".
shown() { sed -n 's/.* date \(.*\)$/\1/p' "$trace"; }

start --club "$club"
wait_for "screen 1 running 0" || fail "the game did not come up on the lineup screen"
focus

click 18  # start training week
if ! wait_for "screen 19 running 1"; then
    xdotool key Escape  # the week has no training: play it unplanned
    wait_for "screen 19 running 1" || fail "time did not run"
fi
for _ in $(seq 10); do  # the week's report stops the game on the team screen
    wait_for "screen 1 running 0" && break
done
wait_for "screen 1 running 0" || fail "the week did not end"

click 16  # the game menu
wait_for "screen 17 running 0" || fail "the game menu did not open"
before=$(shown)
click 3 btn  # "save game"
sleep 1
xdotool key ctrl+a
xdotool type --delay 50 "$name"
xdotool key Return
for _ in $(seq 50); do [ -f "$save" ] && break; sleep 0.1; done
[ -f "$save" ] || fail "no save game was written"
quit_program

start
wait_for "screen 0 running 0" || fail "the start screen did not come up"
focus
click 1 ctl  # "load game"
sleep 1
xdotool type --delay 50 "$name"
xdotool key Return
wait_for "screen 1 running 0" || fail "the loaded game did not come up on the lineup screen"
after=$(shown)
[ "$after" = "$before" ] || fail "saved '$before', loaded '$after'"
quit_program
echo "a game saved in the real window came back as it was: $after"
