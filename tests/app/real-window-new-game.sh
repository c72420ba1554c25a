#!/bin/bash
# A new game from the start screen in the real window, with a real pointer
# and keyboard: "start new game" opens the wizard, the name is typed,
# "select first club" is chosen, Return goes through the pages and takes the
# first club the lists show, and the game surface comes up on that club's
# lineup screen. The wizard's button is where its layout puts it on a
# 1280 x 800 screen. Run under a virtual display:
# real-window-new-game.sh <corvanta>
set -u
program=$1
work=$(mktemp -d)
trace=$work/trace
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=real-window-lib.sh
source "$(dirname "$0")/real-window-lib.sh"

readonly select_first_club="638 476"

SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy CORVANTA_TRACE=$trace "$program" &
pid=$!
wait_for "screen 0 running 0" || fail "the start screen did not come up"
sleep 2  # the start picture goes by itself
window=$(xdotool search --sync --name Corvanta | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null

click 0 ctl  # "start new game"
sleep 1
xdotool type --delay 50 "Anna"
xdotool key Tab
xdotool type --delay 50 "Berg"
# shellcheck disable=SC2086
xdotool mousemove --sync $select_first_club click 1
sleep 0.5
xdotool key Return  # to the choice of the club
sleep 0.5
xdotool key Return  # the first nation, league and club
wait_for "screen 1 running 0" || fail "the wizard did not lead to a club's lineup screen"
click 13  # the manager's screens stand open to him
wait_for "screen 14 running 0" || fail "the calendar did not open"
quit_program
echo "a new game began through the wizard"
