# SPDX-License-Identifier: GPL-3.0-or-later
# check_deb.sh BUILD_FOLDER VERSION: cpack's .deb holds every installed file, carries the
# version given, depends on the libraries dpkg-shlibdeps found, holds a machine-readable
# copyright file and has no lintian error (its warnings are shown).
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need cpack cmake dpkg-deb dpkg dpkg-shlibdeps dpkg-dev lintian lintian
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$1/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(echo "$work"/out/*.deb)
install_into "$1" "$work/root"
packaged=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | LC_ALL=C sort)
diff -u <(installed_files "$work/root") <(echo "$packaged")
[ "$(dpkg-deb -f "$deb" Version)" = "$2" ] || { echo "Version is not $2"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for library in libc6 libqt6widgets6; do
    grep -q "$library" <<<"$depends" || { echo "Depends does not name $library"; exit 1; }
done
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/korvath-browser/copyright | head -n 1 |
    grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/'
lint=$(lintian --fail-on error "$deb" 2>&1) || { echo "$lint"; exit 1; }
echo "$lint"
