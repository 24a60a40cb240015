#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, starts the loopback simulator with an evening's worth of
# servers and opens the browser against it. Without a display it prints the same refresh with
# korvath-query instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The first build takes several minutes: it says so at once and shows each of its steps. A later
# run prints nothing while there is nothing to rebuild (ninja's glob check, "no work to do").
first=0
if [ ! -f build/build.ninja ]; then
    echo "Building, the first time takes several minutes..."
    first=1
fi
scripts/build.sh build 2>&1 | awk -v announced="$first" '
    /^\[0\/[0-9]+\] Re-checking globbed directories/ || /^ninja: no work to do/ { next }
    !announced { print "Building what changed..."; announced = 1 }
    { print; fflush() }'

workdir=$(mktemp -d)
trap 'kill "$sim_pid" 2>/dev/null || true; rm -rf "$workdir"' EXIT
build/tools/korvath-sim/korvath-sim --master-port 0 --servers 150 --silent 8 --malformed 2 \
    --delay 15 --delay-jitter 60 > "$workdir/sim.out" &
sim_pid=$!
for _ in $(seq 50); do
    grep -q '^master ' "$workdir/sim.out" 2>/dev/null && break
    sleep 0.1
done
master=$(sed -n 's/^master //p' "$workdir/sim.out" | head -n 1)
[ -n "$master" ] || { echo "The simulator did not start." >&2; exit 1; }
echo "Simulator: master server at $master"

cd "$workdir"
if [ -x "$OLDPWD/build/app/korvath-browser" ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Press F5 in the window to fetch the list."
    "$OLDPWD/build/app/korvath-browser" --master "$master"
else
    [ -x "$OLDPWD/build/app/korvath-browser" ] && echo "No display found: showing the refresh as text."
    "$OLDPWD/build/tools/korvath-query/korvath-query" --master "$master"
fi
