#!/bin/bash
# Saving and loading in the real window, with a real pointer and keyboard:
# a game at a club is saved through the game menu's file browser and the
# program quits; started again, "load game" of the start screen brings back
# the same club on the same date. Run under a virtual
# display: real-window-save-load.sh <corvanta> <club>
set -u
program=$1
club=$2
work=$(mktemp -d)
trace=$work/trace
name=000-real-window-$$  # sorts first in the file browser
save="$(dirname "$program")/Save/$name.ksv"
trap 'kill "$pid" 2>/dev/null; rm -rf "$work" "$save"' EXIT

# The file browser's first row, where its layout puts it on a 1280 x 800
# screen, where the save game of this test sorts first.
readonly first_listed_file="560 300"

# shellcheck source=real-window-lib.sh
source "$(dirname "$0")/real-window-lib.sh"

start() {
    SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy CORVANTA_TRACE=$trace "$program" "$@" &
    pid=$!
}

focus() {
    sleep 7  # the start picture in the middle goes by itself
    window=$(xdotool search --sync --name Corvanta | head -1)
    xdotool windowfocus --sync "$window" 2>/dev/null
}

# What the information panel shows: "date D club C".
shown() { sed -n 's/.* date \(.*\)$/\1/p' "$trace"; }

start --club "$club"
wait_for "screen 1 running 0" || fail "the game did not come up on the lineup screen"
focus

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
# shellcheck disable=SC2086
xdotool mousemove --sync $first_listed_file click 1
sleep 0.5
xdotool key Return
wait_for "screen 1 running 0" || fail "the loaded game did not come up on the lineup screen"
after=$(shown)
[ "$after" = "$before" ] || fail "saved '$before', loaded '$after'"
quit_program
echo "a game saved in the real window came back as it was: $after"
