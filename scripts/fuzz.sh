#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The long fuzz run: builds the harnesses (build-fuzz) and runs them one after another, each for
# SECONDS (default 600), at the lowest priority.
#   scripts/fuzz.sh [SECONDS] [HARNESS...]      e.g. scripts/fuzz.sh 900 masterpage inforeply
# New inputs go to build-fuzz/fuzz/work/NAME (the repository's corpus is only read), findings to
# build-fuzz/fuzz/findings/NAME-*, the log with the final counts to build-fuzz/fuzz/logs/NAME.log.
# Grow the repository's corpus from a run with:
#   build-fuzz/fuzz/NAME_fuzz -merge=1 "$PWD/fuzz/corpus/NAME_fuzz" "$PWD/build-fuzz/fuzz/work/NAME"
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
scripts/install-deps.sh
scripts/build.sh build-fuzz -DKR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++-14 >/dev/null

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
    for corpus in fuzz/corpus/*_fuzz; do
        names+=("$(basename "$corpus" _fuzz)")
    done
fi
out=$PWD/build-fuzz/fuzz  # absolute: a harness may work in a folder of its own
for name in "${names[@]}"; do
    mkdir -p "$out/work/$name" "$out/findings" "$out/logs"
    echo "fuzzing $name for $seconds s"
    status=0
    nice -n 19 "$out/${name}_fuzz" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$out/findings/$name-" "$out/work/$name" "$PWD/fuzz/corpus/${name}_fuzz" \
        >"$out/logs/$name.log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$out/logs/$name.log" || true
    if [ "$status" -ne 0 ]; then
        echo "$name: a finding, see $out/logs/$name.log and $out/findings/" >&2
        exit "$status"
    fi
done
