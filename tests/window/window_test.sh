#!/usr/bin/env bash
# The real game in a real window under Xvfb: it shows the menu, and Escape held ends it
# with exit code 0. Usage: window_test.sh GAME SCREENSHOT
set -euo pipefail
game="$1"
shot="$2"
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
export DISPLAY="$display"
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done

"$game" &
game_pid=$!
window=""
for _ in $(seq 100); do
  window="$(xdotool search --name '^Kurvenjagd$' 2>/dev/null | head -n1 || true)"
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "no window titled Kurvenjagd appeared"; exit 1; }
geometry="$(xdotool getwindowgeometry "$window" | grep Geometry | awk '{print $2}')"
[ "$geometry" = "1024x768" ] || { echo "window is $geometry, not 1024x768"; exit 1; }
# The first menu frame may take a while on a busy machine: look until it is there.
brightness=0
for _ in $(seq 20); do
  sleep 0.5
  import -window root "$shot"
  brightness="$(convert "$shot" -format '%[fx:mean]' info:)"
  awk -v b="$brightness" 'BEGIN { exit !(b > 0.05) }' && break
done
awk -v b="$brightness" 'BEGIN { exit !(b > 0.05) }' || { echo "the screen is black (mean $brightness)"; exit 1; }

# The menu ends while Escape is held: hold it until the game is gone.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool keydown Escape
for _ in $(seq 100); do kill -0 $game_pid 2>/dev/null || break; sleep 0.1; done
xdotool keyup Escape
if kill -0 $game_pid 2>/dev/null; then
  kill $game_pid
  echo "Escape did not end the game"
  exit 1
fi
wait $game_pid
echo "window test passed: screenshot in $shot"
