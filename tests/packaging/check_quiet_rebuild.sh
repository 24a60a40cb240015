# SPDX-License-Identifier: GPL-3.0-or-later
# check_quiet_rebuild.sh BUILD_FOLDER: after a build, configuring again (as scripts/build.sh does
# on every run) and building again does nothing. It builds for real, since ninja's dry run stops at
# the glob check: on a tree the suite has just built both builds are no-ops, on a stale one the
# first brings it up to date.
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need ninja ninja-build
[ -f "$1/build.ninja" ] || { echo "SKIPPED: $1 is not a ninja build"; exit 77; }
ninja -C "$1" >/dev/null
cmake "$1" >/dev/null
out=$(ninja -C "$1")
grep -vE '^ninja: (Entering directory|no work to do)|Re-checking globbed directories' <<<"$out" &&
    { echo "A build with nothing changed did some work"; exit 1; }
exit 0
