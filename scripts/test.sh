#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, then builds and runs every test three times: a plain build, an
# address + undefined-behaviour sanitizer build, and a thread-sanitizer build of the window-free
# core (the query workers and their scheduling); last the fuzz harnesses (clang), each run for a
# few seconds on its corpus. The long fuzz run is scripts/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

run_suite() {
    local folder=$1
    shift
    scripts/build.sh "$folder" "$@"
    (cd "$folder" && ctest --output-on-failure -j"$(nproc)")
}

run_suite build-asan -DKR_SANITIZE=address
run_suite build-tsan -DKR_SANITIZE=thread -DKR_WITH_QT=OFF
run_suite build
run_suite build-fuzz -DKR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14
