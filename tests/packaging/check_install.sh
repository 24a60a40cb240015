# SPDX-License-Identifier: GPL-3.0-or-later
# check_install.sh BUILD_FOLDER: an install holds exactly the programs, the desktop and
# software-centre entries, the icons, the compressed manual pages, the copyright file and the
# Debian changelog.
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
dest=$(mktemp -d)
trap 'rm -rf "$dest"' EXIT
install_into "$1" "$dest"
expected=$(
    for program in korvath-browser korvath-query korvath-sim; do
        echo "./usr/bin/$program"
        echo "./usr/share/man/man1/$program.1.gz"
    done
    for size in 16 24 32 48 64 128 256; do
        echo "./usr/share/icons/hicolor/${size}x$size/apps/korvath-browser.png"
    done
    echo ./usr/share/icons/hicolor/scalable/apps/korvath-browser.svg
    echo ./usr/share/applications/korvath-browser.desktop
    echo ./usr/share/metainfo/korvath-browser.metainfo.xml
    echo ./usr/share/doc/korvath-browser/copyright
    echo ./usr/share/doc/korvath-browser/changelog.Debian.gz
)
diff -u <(LC_ALL=C sort <<<"$expected") <(installed_files "$dest")
for program in "$dest"/usr/bin/*; do
    [ -x "$program" ] || { echo "$program is not executable"; exit 1; }
done
