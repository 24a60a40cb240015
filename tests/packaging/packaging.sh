# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the packaging checks (sourced).

# need TOOL DEBIAN_PACKAGE...: skip the check (exit 77) when a tool it runs is not installed.
need() {
    while [ $# -ge 2 ]; do
        if ! command -v "$1" >/dev/null 2>&1; then
            echo "SKIPPED: $1 is not installed (Debian package $2; scripts/install-deps.sh installs it)"
            exit 77
        fi
        shift 2
    done
}

# install_into BUILD_FOLDER DESTDIR: installs the build as a package would, under /usr.
install_into() {
    DESTDIR=$2 cmake --install "$1" --prefix /usr >/dev/null
}

# installed_files DESTDIR: every installed file, as ./usr/..., sorted.
installed_files() {
    (cd "$1" && find . -type f | LC_ALL=C sort)
}
