# SPDX-License-Identifier: GPL-3.0-or-later
# check_spdx.sh SOURCE_FOLDER: every source file of the repository (C++, CMake, shell, Python)
# names the program's licence in its first three lines. Files outside git (build folders,
# generated code) are not looked at.
set -euo pipefail
. "$(dirname "$0")/packaging.sh"
need git git
cd "$1"
git rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIPPED: $1 is not a git checkout"; exit 77; }
missing=0
while IFS= read -r -d '' file; do
    if ! head -n 3 "$file" | grep -q 'SPDX-License-Identifier: GPL-3.0-or-later'; then
        echo "$file: no SPDX-License-Identifier: GPL-3.0-or-later line"
        missing=$((missing + 1))
    fi
done < <(git ls-files -z '*.cpp' '*.h' '*.sh' '*.py' '*.cmake' 'CMakeLists.txt' '*/CMakeLists.txt')
[ "$missing" -eq 0 ] || { echo "$missing files without the licence line"; exit 1; }
