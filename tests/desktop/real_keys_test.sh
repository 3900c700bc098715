#!/usr/bin/env bash
# Real keys from an X server: the program in a window on a virtual display (Xvfb), and xdotool
# pressing what a player would: Z taps the stage intro away where the pointer stands, the
# right arrow and then the up arrow fly the ship, Z turns auto fire on, C pauses. The session's
# recording must show the game got them as the device's stylus and buttons, and must replay
# headless to the same game.
#   real_keys_test.sh PROGRAM
set -euo pipefail
program=$1
if ! command -v Xvfb >/dev/null || ! command -v xdotool >/dev/null; then
    echo "SKIP: Xvfb or xdotool missing"
    exit 77
fi
work=$(mktemp -d)
xpid=
gpid=
trap 'kill $gpid $xpid 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A display of our own: Xvfb picks a free number and writes it once it is ready. Servers
# started side by side can race for one number and the loser ends, so a server is only
# taken once a client has reached it, with a few tries.
for _ in 1 2 3 4 5; do
    rm -f "$work/display"
    Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
    xpid=$!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    export DISPLAY=":$(cat "$work/display" 2>/dev/null)"
    if [[ -s $work/display ]] && xdotool getdisplaygeometry >/dev/null 2>&1 &&
        kill -0 "$xpid" 2>/dev/null; then
        break
    fi
    kill "$xpid" 2>/dev/null || true
    xpid=
done
[[ -n $xpid ]] || fail "Xvfb did not start"

SDL_AUDIODRIVER=dummy "$program" --stage 1 --scale 1 --seed 7 --no-sound --frames 450 \
    --data-dir "$work/data" --record "$work/session" >"$work/log" 2>&1 &
gpid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name Cindervane | head -1)
[[ -n $window ]] || fail "no window"
xdotool windowfocus --sync "$window"
sleep 1
xdotool key z                   # the stage intro goes at a tap of the pointer
sleep 1
xdotool keydown Right; sleep 1; xdotool keyup Right
xdotool keydown Up; sleep 0.7; xdotool keyup Up
xdotool key z                   # auto fire
sleep 0.5
xdotool key c                   # pause
wait "$gpid" || fail "the game ended badly: $(cat "$work/log")"
gpid=

session=$work/session
# The tap: the stylus down and up on one spot.
grep -Eq '^[0-9]+ down [0-9]+ [0-9]+$' "$session" || fail "no tap recorded"
# The right arrow held a stylus well right of the ship's start, the up arrow one above it.
awk '$2 == "down" || $2 == "move" { if ($3 > 150) right = 1; if ($4 < 240) up = 1 }
     END { exit !(right && up) }' "$session" || fail "the arrows steered no stylus: $(cat "$session")"
grep -q ' keydown a$' "$session" || fail "Z did not reach the game as the A button"
grep -q ' keydown c$' "$session" || fail "C did not reach the game"
"$program" --headless --script "$session" --data-dir "$work/replay" >"$work/replay.log" 2>&1 ||
    fail "the recording does not replay: $(cat "$work/replay.log")"
echo "real keys flew the ship and replay"
