#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages of the last commit twice, from two copies of it in folders of
# different names and depths, and checks that the two builds give the same bytes: the
# package and its -dbgsym package (make repro-check). Names the files that differ if not.
#   repro-check.sh SOURCE_DIR
set -eu
source=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: "${SOURCE_DATE_EPOCH:=$(git -C "$source" log -1 --format=%ct)}"
export SOURCE_DATE_EPOCH

one=$work/one/lotcraft
two=$work/a-second-folder/further/down/lotcraft-copy
for tree in "$one" "$two"; do
    mkdir -p "$tree"
    git -C "$source" archive HEAD | tar -x -C "$tree"
    echo "building the package in $tree"
    make -s -C "$tree" package JOBS="${JOBS:-2}" > "$tree.log" 2>&1 || { cat "$tree.log"; exit 1; }
done

same=yes
for first in "$one"/build-package/package/*.deb "$one"/build-package/package/*.ddeb; do
    name=$(basename "$first")
    second=$two/build-package/package/$name
    if cmp -s "$first" "$second"; then
        echo "same bytes: $name"
        continue
    fi
    same=no
    echo "DIFFERENT: $name"
    # Which files inside differ, and how the lists of files differ.
    dpkg-deb -x "$first" "$work/x1"
    dpkg-deb -x "$second" "$work/x2"
    diff -r "$work/x1" "$work/x2" | head -20 || true
    dpkg-deb -c "$first" > "$work/c1.txt"
    dpkg-deb -c "$second" > "$work/c2.txt"
    diff "$work/c1.txt" "$work/c2.txt" | head -20 || true
    rm -rf "$work/x1" "$work/x2"
done
if [ "$same" = yes ]; then
    echo "repro-check: 1 passed, 0 failed"
else
    echo "repro-check: 0 passed, 1 failed"
    exit 1
fi
