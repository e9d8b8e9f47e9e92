#!/bin/bash
# Runs the window demo on a virtual X display of its own, clicks and types into it, switches
# full screen on and off and checks what the demo printed and what the screen showed.
# Usage: windemo_e2e.sh <windemo program> <folder for the output and screenshots>
set -u
demo=$1
out=$2
mkdir -p "$out"
rm -f "$out"/*.png "$out"/demo.log

# Xvfb picks a free display number itself and writes it to descriptor 3 once it is ready.
# 1280x800 is wider than 4:3, so full screen shows bars left and right.
rm -f "$out/display"
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$out/display" >"$out/xvfb.log" 2>&1 &
xvfb=$!
demo_pid=""
cleanup() {
    [ -n "$demo_pid" ] && kill "$demo_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
for i in $(seq 1 300); do [ -s "$out/display" ] && break; sleep 0.1; done
display=$(head -1 "$out/display" 2>/dev/null)
[ -n "$display" ] || { echo "Xvfb did not start"; cat "$out/xvfb.log"; exit 1; }
export DISPLAY=:$display
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

fail() { echo "FAIL: $*"; echo "--- demo output"; cat "$out/demo.log"; exit 1; }
# Waits until the demo printed a line matching the pattern (at most 20 s).
wait_for() {
    for i in $(seq 1 200); do grep -q -- "$1" "$out/demo.log" && return 0; sleep 0.1; done
    fail "the demo never printed '$1'"
}
# Waits until a paint finished after the last line matching the pattern: the screen then
# shows what the demo drew in answer to it.
wait_for_paint_after() {
    wait_for "$1"
    for i in $(seq 1 100); do
        awk -v pattern="$1" '$0 ~ pattern {seen = NR} /^painted/ && seen && NR > seen {found = 1} END {exit !found}' \
            "$out/demo.log" && return 0
        sleep 0.1
    done
    fail "no paint after '$1'"
}
# The colour of one screen pixel as RRGGBB.
pixel() { convert "$1" -crop "1x1+$2+$3" -depth 8 -format "%[hex:p{0,0}]" info: | cut -c1-6; }
expect_pixel() {
    local got
    got=$(pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] || fail "$1 at ($2,$3) is $got, not $4"
}

"$demo" >"$out/demo.log" 2>"$out/demo.err" &
demo_pid=$!
wait_for "^ready"
wid=$(xdotool search --sync --name "Kipto2 window demo" | head -1)
[ -n "$wid" ] || fail "no demo window"
eval "$(xdotool getwindowgeometry --shell "$wid")"
left=$X; top=$Y

# A click in the window: the demo reports it in picture coordinates and marks it in yellow.
xdotool mousemove --sync $((left + 100)) $((top + 200)) click 1
wait_for "^mouseUp x=100 y=200"
grep -q "^mouseDown x=100 y=200 modifiers=0" "$out/demo.log" || fail "click not reported at 100,200"
xdotool type --delay 50 "Hi"
wait_for "^keyDown code=105 "
grep -q "^keyDown code=72 modifiers=2" "$out/demo.log" || fail "'H' not typed once with Shift"
[ "$(grep -c '^keyDown code=72 ' "$out/demo.log")" = 1 ] || fail "'H' arrived more than once"
xdotool key Left
wait_for "^keyDown code=1037 "
wait_for_paint_after "^mouseDown x=100 y=200"
import -window root "$out/windowed.png"
expect_pixel "$out/windowed.png" $((left + 100)) $((top + 200)) FFFF00
expect_pixel "$out/windowed.png" $((left + 4)) $((top + 595)) 0000FF
expect_pixel "$out/windowed.png" $((left + 795)) $((top + 595)) FFFFFF

# Full screen: 800x600 scaled by 4/3 to 1067x800, centred between black bars.
xdotool key F11
wait_for_paint_after "^fullscreen on"
import -window root "$out/fullscreen.png"
expect_pixel "$out/fullscreen.png" 40 400 000000
expect_pixel "$out/fullscreen.png" 1240 400 000000
expect_pixel "$out/fullscreen.png" 120 790 0000FF
expect_pixel "$out/fullscreen.png" 1160 790 FFFFFF
# Picture point (400, 500) lies at screen (106 + 400 * 4/3, 500 * 4/3).
xdotool mousemove --sync 640 667 click 1
wait_for_paint_after "^mouseDown x=400 y=500"
import -window root "$out/fullscreen-click.png"
expect_pixel "$out/fullscreen-click.png" 640 667 FFFF00

xdotool key Escape
wait_for_paint_after "^fullscreen off"

# A window the player makes wider shows the picture at its own height, between bars.
eval "$(xdotool getwindowgeometry --shell "$wid")"
left=$X; top=$Y
paints=$(grep -c "^painted" "$out/demo.log")
xdotool windowsize --sync "$wid" 1000 600
for i in $(seq 1 200); do [ "$(grep -c "^painted" "$out/demo.log")" -gt "$paints" ] && break; sleep 0.1; done
import -window root "$out/resized.png"
expect_pixel "$out/resized.png" $((left + 50)) $((top + 300)) 000000
expect_pixel "$out/resized.png" $((left + 104)) $((top + 595)) 0000FF
expect_pixel "$out/resized.png" $((left + 895)) $((top + 595)) FFFFFF
expect_pixel "$out/resized.png" $((left + 950)) $((top + 300)) 000000

# Escape in a window closes the demo.
xdotool key Escape
wait_for "^closed"
wait "$demo_pid"
status=$?
demo_pid=""
[ "$status" = 0 ] || fail "the demo ended with status $status"
echo "windemo e2e: passed"
