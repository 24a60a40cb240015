# SPDX-License-Identifier: GPL-3.0-or-later
# check_manpage.sh PAGE PROGRAM: the page renders without a warning and names every option the
# program's --help lists.
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need groff groff-base
page=$1
warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
text=$(sed 's/\\-/-/g' "$page")
status=0
for option in $("$2" --help | grep -oE -- '(^|[[ ,])--?[a-z][a-z-]*' | sed 's/^[[ ,]//' | sort -u); do
    if ! grep -qE -- "(^|[^a-z-])$option([^a-z-]|$)" <<<"$text"; then
        echo "$page does not describe $option"
        status=1
    fi
done
exit $status
