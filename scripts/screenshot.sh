#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes a screenshot of the browser under a real X server (Xvfb) after one refresh against the
# simulator, with the 1.00 and 1.20 groups opened by keyboard, and checks that the picture shows
# exactly the servers of those two versions: scripts/screenshot.sh [OUT.png]
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
# 40 servers: both opened versions fit on the screen together.
build/tools/korvath-sim/korvath-sim --master-port 0 --servers 40 --silent 8 --malformed 2 \
    --delay 15 --delay-jitter 60 --fleet-file "$workdir/fleet.txt" > "$workdir/sim.out" &
sim_pid=$!
sleep 1
master=$(sed -n 's/^master //p' "$workdir/sim.out" | head -n 1)

export DISPLAY=$display
# Settings of its own: the shot starts from the default window, and the user's stay untouched.
export XDG_CONFIG_HOME=$workdir/config
(cd "$workdir" && exec "$OLDPWD/build/app/korvath-browser" --master "$master") >/dev/null 2>&1 &
browser_pid=$!
window=""
for _ in $(seq 50); do
    window=$(xdotool search --onlyvisible --pid "$browser_pid" --name "Korvath Servers Browser" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "The browser window did not appear." >&2; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window" 2>/dev/null || true
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window "$window" "$1" 2>/dev/null; }
# Waits until the window has not changed for 3 s, longer than a server's 2 s time-out: the
# refresh has ended (its last step sorts and collapses every group, so keys sent before it ends
# are undone).
settle() {
    local same=0
    shot "$workdir/a.png"
    for _ in $(seq 120); do
        sleep 0.5
        shot "$workdir/b.png"
        if compare -metric AE "$workdir/a.png" "$workdir/b.png" null: 2>/dev/null; then
            same=$((same + 1))
            [ "$same" -ge 6 ] && return 0
        else
            same=0
            mv "$workdir/b.png" "$workdir/a.png"
        fi
    done
    echo "The window did not settle." >&2
    exit 1
}
xdotool key F5
sleep 1
settle
xdotool mousemove --window "$window" 120 $((HEIGHT / 8)) click 1
if [ -n "$preview" ]; then
    # Printing writes the tree only while a row is selected: select the first, then open the
    # menu item.
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
    settle
    # Server rows are the only rows with text in the Ip:Port column (650 to 775 pixels into the
    # grid); count the runs of pixel lines with dark text there, the heading being one of them.
    # The selected row (1.20) is filled in the highlight colour, which the threshold keeps light.
    expected=$(awk -F'\t' '($7 == "ok" || $7 == "malformed") && ($2 == 133 || $2 == 137) &&
                          $3 >= 0 && $3 <= 2' "$workdir/fleet.txt" | wc -l)
    shown=$(convert "$workdir/a.png" -crop "115x${HEIGHT}+655+0" +repage -colorspace gray \
                -threshold 35% -scale "1x${HEIGHT}!" -depth 8 txt:- |
            awk 'NR > 1 { v = $2; gsub(/[()]/, "", v); dark = v + 0 < 250
                          if (dark && !was) runs++; was = dark } END { print runs - 1 }')
    if [ "$shown" != "$expected" ]; then
        echo "The picture shows $shown server rows; the open groups hold $expected." >&2
        exit 1
    fi
    echo "Server rows shown: $shown of $expected in 1.00 and 1.20."
fi
import -window root "$out"
echo "Screenshot: $out"
