#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and the tests need, skipping those already present.
set -euo pipefail

# nlohmann-json3-dev: the tests and fuzz harnesses read JSON with it.
# clang-14 and its runtime libraries (libFuzzer, sanitizers) build the fuzz harnesses.
# desktop-file-utils, appstream, man-db, groff-base and dpkg-dev check the installed files and
# build the .deb (dpkg-shlibdeps); lintian checks the .deb as Debian does. qt6-tools-dev and
# qt6-l10n-tools build the translations; qt6-translations-l10n holds Qt's own. qtkeychain-qt6-dev
# keeps the passwords of private servers in the desktop's secret store; the secret-store test runs
# gnome-keyring's daemon under a session bus of its own (dbus-daemon), reached through
# libsecret-1-0, which QtKeychain loads at run time.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev nlohmann-json3-dev clang-14 libclang-rt-14-dev poppler-utils
          desktop-file-utils appstream man-db groff-base dpkg-dev qt6-tools-dev qt6-l10n-tools
          qt6-translations-l10n qtkeychain-qt6-dev gnome-keyring dbus-daemon libsecret-1-0
          lintian "$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
