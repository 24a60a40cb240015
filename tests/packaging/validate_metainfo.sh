# SPDX-License-Identifier: GPL-3.0-or-later
# The software-centre entry passes appstreamcli's validation (its warnings fail it) and names the
# program's licence and its metadata's.
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need appstreamcli appstream
appstreamcli validate --no-net "$1"
grep -q '<project_license>GPL-3.0-or-later</project_license>' "$1"
grep -q '<metadata_license>CC0-1.0</metadata_license>' "$1"
