#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source file of src/, tests/, bench/ and
# tools/ that lacks it (C++ sources and headers, Python and shell scripts; a script's "#!"
# line stays first), and leaves every other file as it is: running it again changes nothing.
#   tools/spdx-headers.sh [SOURCE_DIR]            adds the line where it is missing
#   tools/spdx-headers.sh --check [SOURCE_DIR]    names the files that lack it; exit 1 if any
set -eu
check=no
if [ "${1:-}" = "--check" ]; then
    check=yes
    shift
fi
root=${1:-$(dirname "$0")/..}
identifier="SPDX-License-Identifier: GPL-3.0-or-later"
lacking=0

# The source files: test data (catalogues, fuzzer findings) is no source.
sources() {
    (cd "$root" && find src tests bench tools -path tests/data -prune -o -type f \
        \( -name '*.cpp' -o -name '*.h' -o -name '*.py' -o -name '*.sh' \) -print | LC_ALL=C sort)
}

for file in $(sources); do
    path=$root/$file
    # Already there: in the first lines (after a "#!" line, or as the first line).
    if head -n 3 "$path" | grep -q "SPDX-License-Identifier:"; then
        continue
    fi
    lacking=$((lacking + 1))
    if [ "$check" = yes ]; then
        echo "$file"
        continue
    fi
    case "$file" in
        *.cpp | *.h) line="// $identifier" ;;
        *) line="# $identifier" ;;
    esac
    if head -n 1 "$path" | grep -q '^#!'; then
        { head -n 1 "$path"; echo "$line"; tail -n +2 "$path"; } > "$path.spdx"
    else
        { echo "$line"; cat "$path"; } > "$path.spdx"
    fi
    # Keep the file's mode (scripts stay executable).
    chmod --reference="$path" "$path.spdx"
    mv "$path.spdx" "$path"
done

if [ "$check" = yes ] && [ "$lacking" -gt 0 ]; then
    exit 1
fi
exit 0
