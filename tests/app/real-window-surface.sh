#!/bin/bash
# The game surface in the real window, with a real pointer and keyboard:
# the program starts straight into a game at a club, each navigation button
# is clicked and the screen it leads to is read from the program's trace,
# "start training week" lets time run (answering the training question when
# it comes), and Escape then Return ends the program through its quit box.
# Run under a virtual display: real-window-surface.sh <corvanta> <club>
set -u
program=$1
club=$2
work=$(mktemp -d)
trace=$work/trace
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=real-window-lib.sh
source "$(dirname "$0")/real-window-lib.sh"

SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy CORVANTA_TRACE=$trace "$program" --club "$club" &
pid=$!
wait_for "screen 1 running 0" || fail "the game did not come up on the lineup screen"
sleep 2  # the start picture goes by itself
window=$(xdotool search --sync --name Corvanta | head -1)
xdotool windowfocus --sync "$window" 2>/dev/null

# button: screen it leads to (17, the national team, has no target without
# a national team, so the game menu stays)
for step in 3:4 6:7 11:12 15:16 13:14 16:17 17:17 0:1; do
    button=${step%%:*}
    screen=${step##*:}
    click "$button"
    wait_for "screen $screen running 0" || fail "navigation button $button did not lead to screen $screen"
done
click 5 sub
wait_for "screen 2 running 0" || fail "the sub-button did not select the defence tactics"

click 18
if ! wait_for "screen 19 running 1"; then
    xdotool key Escape  # the week has no training: play it unplanned
    wait_for "screen 19 running 1" || fail "time did not run"
fi
quit_program
echo "the game surface answered the real pointer"
