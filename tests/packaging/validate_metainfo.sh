# The software-centre entry passes appstreamcli's validation (its warnings fail it).
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need appstreamcli appstream
appstreamcli validate --no-net "$1"
