#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a prefix that already holds files of others, runs the installed
# programs from another folder (their data must come from PREFIX/share/lotcraft), installs
# again over it, then uninstalls: the prefix must be exactly as it was before. Then the same
# through a staging folder (DESTDIR), as a packager installs, with `make uninstall`; then
# records that reach outside the prefix, which uninstall must refuse whole.
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -eu
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
record=share/lotcraft/installed-files.txt

fail() { echo "$*"; exit 1; }
# Every file, link and folder under a folder, with the links' targets.
listing() { (cd "$1" && find . -printf '%p %y %l\n' | sort); }
# As `make install` and `make uninstall` do it.
install_into() { cmake --install "$build" --prefix "$1" --strip >/dev/null; }
uninstall_from() { cmake -DPREFIX="$1" -P "$source/cmake/uninstall.cmake" >/dev/null 2>&1; }

# What another program installed before: a standard folder with nothing in it, and a
# folder Lotcraft installs into that holds a file of another program.
mkdir -p "$prefix/bin" "$prefix/share/applications"
echo "[Desktop Entry]" > "$prefix/share/applications/other.desktop"
listing "$prefix" > "$work/before.txt"

install_into "$prefix"
for file in bin/lotcraft bin/lotcraft-pages share/lotcraft/help.html share/lotcraft/OK.jpg \
            share/lotcraft/translations/lotcraft_de.qm \
            share/applications/org.example.lotcraft.desktop \
            share/metainfo/org.example.lotcraft.metainfo.xml \
            share/icons/hicolor/16x16/apps/org.example.lotcraft.png \
            share/icons/hicolor/256x256/apps/org.example.lotcraft.png \
            share/icons/hicolor/scalable/apps/org.example.lotcraft.svg \
            share/man/man1/lotcraft.1.gz share/man/man1/lotcraft-pages.1.gz \
            share/doc/lotcraft/copyright share/doc/lotcraft/changelog.gz \
            share/doc/lotcraft/examples/sample-catalogue.csv; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done
[ ! -e "$prefix/lib/lotcraft" ] || fail "something was installed into lib/lotcraft"
# The programs are installed stripped; their symbols are for the -dbgsym package.
for program in lotcraft lotcraft-pages; do
    if readelf -S "$prefix/bin/$program" | grep -q '\.symtab'; then
        fail "bin/$program is installed with its symbols"
    fi
done
# Every entry of the record names a path inside the prefix, relative to it.
if grep -v -E '^(file|dir) [^/.][^ ]*$|^dir \.$|^parents [0-9]+$' "$prefix/$record"; then
    fail "the install record has entries other than relative paths (above)"
fi

mkdir "$work/elsewhere" "$work/pages"
cd "$work/elsewhere"
"$prefix/bin/lotcraft-pages" -q -o "$work/pages" \
    "$prefix/share/doc/lotcraft/examples/sample-catalogue.csv" > out.txt
grep -q "^12 pages written to $work/pages\$" out.txt || { cat out.txt; exit 1; }
[ -s "$work/pages/1001.html" ] || fail "no page"
cmp -s "$work/pages/dot_clear.gif" "$source/resources/dot_clear.gif" ||
    fail "the pictures were not copied from share/lotcraft"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lotcraft" --version | grep -q '^lotcraft ' ||
    fail "the installed lotcraft does not answer --version"
# The manual pages are the ones written for the programs.
gzip -dc "$prefix/share/man/man1/lotcraft-pages.1.gz" | cmp -s - "$source/data/man/lotcraft-pages.1" ||
    fail "the installed manual page differs from data/man/lotcraft-pages.1"

# A second installation over the first, then one uninstall removes both.
install_into "$prefix"
uninstall_from "$prefix" || fail "uninstall failed"
listing "$prefix" > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "uninstall left the prefix changed (above)"

# Staged: make install DESTDIR=... into an empty stage, then make uninstall DESTDIR=...
# leaves the stage empty again; the record speaks of /usr, not of the stage.
stage=$work/stage
mkdir "$stage"
DESTDIR=$stage install_into /usr
[ -x "$stage/usr/bin/lotcraft-pages" ] || fail "nothing was installed into the stage"
if grep -q -e "$stage" -e '\.\.' "$stage/usr/$record"; then
    fail "the staged install record names the stage: $(grep -e "$stage" -e '\.\.' "$stage/usr/$record" | head -1)"
fi
make -s -C "$source" uninstall DESTDIR="$stage" PREFIX=/usr >/dev/null ||
    fail "make uninstall DESTDIR=... failed"
[ -z "$(ls -A "$stage")" ] || { listing "$stage"; fail "the stage is not empty after uninstall"; }

# Hostile records: each is refused whole, and removes nothing, inside or outside.
echo outside > "$work/outside"
mkdir "$work/elsewhere-folder"
echo victim > "$work/elsewhere-folder/victim"
for entry in "file ../../outside" "file $work/outside" "file bin/../../outside" \
             "file share/evil/victim" "dir share/evil/victim" "file ./bin/lotcraft"; do
    install_into "$prefix"
    ln -s "$work/elsewhere-folder" "$prefix/share/evil"
    echo "$entry" >> "$prefix/$record"
    if uninstall_from "$prefix"; then
        fail "an uninstall record naming \"$entry\" was obeyed"
    fi
    [ -e "$prefix/bin/lotcraft" ] || fail "a refused record (\"$entry\") still removed files"
    [ -e "$work/outside" ] && [ -e "$work/elsewhere-folder/victim" ] ||
        fail "the record \"$entry\" removed a file outside the prefix"
    rm "$prefix/share/evil"
    sed -i '$d' "$prefix/$record"
    uninstall_from "$prefix" || fail "uninstall failed once the record was mended"
done
# A link the installation put in place is removed as a link; its target stays.
install_into "$prefix"
ln -s "$work/outside" "$prefix/share/lotcraft/link"
echo "file share/lotcraft/link" >> "$prefix/$record"
uninstall_from "$prefix" || fail "uninstall refused a record naming a link"
[ -e "$work/outside" ] || fail "uninstall removed the target of a link"
listing "$prefix" > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "uninstall left the prefix changed (above)"
echo "installed programs work from $work/elsewhere, staged installs uninstall cleanly," \
     "and hostile records are refused"
