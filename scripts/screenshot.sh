#!/usr/bin/env bash
# Takes a screenshot of the browser under a real X server (Xvfb) after one refresh against the
# simulator, with the 1.00 and 1.20 groups opened by keyboard: scripts/screenshot.sh [OUT.png]
# With --preview first, it selects the first row instead and shows File > Print Preview with all
# pages side by side: scripts/screenshot.sh --preview [OUT.png]
set -euo pipefail
cd "$(dirname "$0")/.."
preview=""
if [ "${1:-}" = "--preview" ]; then
    preview=1
    shift
fi
out=$(realpath -m "${1:-browser.png}")
scripts/install-deps.sh xvfb xauth xdotool imagemagick
scripts/build.sh build >/dev/null

workdir=$(mktemp -d)
display=:$((90 + RANDOM % 9))
cleanup() { kill "${browser_pid:-}" "${sim_pid:-}" "${xvfb_pid:-}" 2>/dev/null || true; rm -rf "$workdir"; }
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
build/tools/korvath-sim/korvath-sim --master-port 0 --servers 150 --silent 8 --malformed 2 \
    --delay 15 --delay-jitter 60 > "$workdir/sim.out" &
sim_pid=$!
sleep 1
master=$(sed -n 's/^master //p' "$workdir/sim.out" | head -n 1)

export DISPLAY=$display
(cd "$workdir" && exec "$OLDPWD/build/app/korvath-browser" --master "$master") >/dev/null 2>&1 &
browser_pid=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --pid "$browser_pid" --name "Korvath Servers Browser" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "The browser window did not appear." >&2; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool key F5
sleep 4
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" 120 $((HEIGHT / 8)) click 1
if [ -n "$preview" ]; then
    # Let the refresh end; printing writes the tree only while a row is selected: select the
    # first, then open the menu item.
    sleep 6
    xdotool key Home alt+f v
    sleep 3
    dialog=$(xdotool search --onlyvisible --pid "$browser_pid" --name "Print Preview" | tail -n 1)
    [ -n "$dialog" ] || { echo "The print preview did not appear." >&2; exit 1; }
    # The toolbar's "Show overview of all pages" button, where Qt's preview dialog has it.
    xdotool mousemove --window "$dialog" 598 18 click 1
    sleep 2
else
    # Open 1.00 with everything below it, then 1.20 the same way (keypad asterisk on a row).
    for key in Home KP_Multiply End Up Up KP_Multiply; do
        xdotool key "$key"
        sleep 0.4
    done
fi
import -window root "$out"
echo "Screenshot: $out"
