#!/bin/sh
# Installs the build into a prefix that already holds files of others, runs the installed
# programs from another folder (the pictures must come from beside the installed program),
# installs again over it, then uninstalls: the prefix must be exactly as it was before.
#   InstallTest.sh BUILD_DIR SOURCE_DIR
set -eu
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

fail() { echo "$*"; exit 1; }
# Every file, link and folder under the prefix, with the links' targets.
listing() { (cd "$prefix" && find . -printf '%p %y %l\n' | sort); }

# What another program installed before: a standard folder with nothing in it, and a
# folder Lotcraft installs into that holds a file of another program.
mkdir -p "$prefix/bin" "$prefix/share/applications"
echo "[Desktop Entry]" > "$prefix/share/applications/other.desktop"
listing > "$work/before.txt"

cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/lotcraft bin/lotcraft-pages lib/lotcraft/help.html lib/lotcraft/OK.jpg \
            share/applications/org.example.Lotcraft.desktop \
            share/metainfo/org.example.Lotcraft.metainfo.xml \
            share/icons/hicolor/48x48/apps/lotcraft.png \
            share/icons/hicolor/256x256/apps/lotcraft.png \
            share/man/man1/lotcraft.1.gz share/man/man1/lotcraft-pages.1.gz \
            share/doc/lotcraft/copyright share/doc/lotcraft/changelog.gz; do
    [ -e "$prefix/$file" ] || fail "not installed: $file"
done

mkdir "$work/elsewhere" "$work/pages"
cd "$work/elsewhere"
"$prefix/bin/lotcraft-pages" -q -o "$work/pages" "$source/examples/sample-catalogue.csv" > out.txt
grep -q "^12 pages written to $work/pages\$" out.txt || { cat out.txt; exit 1; }
[ -s "$work/pages/1001.html" ] || fail "no page"
[ -s "$work/pages/dot_clear.gif" ] || fail "pictures not copied"
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/lotcraft" --version | grep -q '^lotcraft ' ||
    fail "the installed lotcraft does not answer --version"
# The manual pages are the ones written for the programs.
gzip -dc "$prefix/share/man/man1/lotcraft-pages.1.gz" | cmp -s - "$source/data/man/lotcraft-pages.1" ||
    fail "the installed manual page differs from data/man/lotcraft-pages.1"

# A second installation over the first, then one uninstall removes both.
cmake --install "$build" --prefix "$prefix" >/dev/null
cmake -DPREFIX="$prefix" -P "$source/cmake/uninstall.cmake" >/dev/null
listing > "$work/after.txt"
diff "$work/before.txt" "$work/after.txt" || fail "uninstall left the prefix changed (above)"

# A record that names a path outside the prefix removes nothing.
cmake --install "$build" --prefix "$prefix" >/dev/null
echo "file ../../outside" >> "$prefix/lib/lotcraft/installed-files.txt"
if cmake -DPREFIX="$prefix" -P "$source/cmake/uninstall.cmake" >/dev/null 2>&1; then
    fail "an uninstall record naming ../../outside was obeyed"
fi
[ -e "$prefix/bin/lotcraft" ] || fail "a refused uninstall record still removed files"
echo "installed programs work from $work/elsewhere, and uninstall restores the prefix"
