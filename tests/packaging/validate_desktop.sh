# SPDX-License-Identifier: GPL-3.0-or-later
# The desktop entry passes desktop-file-validate without an error or a warning (hints are shown).
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need desktop-file-validate desktop-file-utils
out=$(desktop-file-validate "$1" 2>&1) || { echo "$out"; exit 1; }
echo "$out"
! grep -qE '(error|warning):' <<<"$out"
