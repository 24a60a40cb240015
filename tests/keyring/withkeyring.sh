#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the test program given under a session bus of its own, with a secret-service daemon
# started and unlocked for it, keeping its keyring in a temporary folder. Without the daemon or
# dbus-run-session the program runs as it is, and its tests report themselves skipped.
set -eu
program=$1
if ! command -v gnome-keyring-daemon >/dev/null || ! command -v dbus-run-session >/dev/null; then
    exec "$program"
fi
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
mkdir -m 700 "$folder/run"
export HOME="$folder" XDG_DATA_HOME="$folder/data" XDG_RUNTIME_DIR="$folder/run" KR_TEST_KEYRING=1
# The daemon leaves when the bus does; its unlock password comes from standard input.
dbus-run-session -- sh -c 'printf test | gnome-keyring-daemon --unlock --daemonize \
    --components=secrets >/dev/null && exec "$0"' "$program"
