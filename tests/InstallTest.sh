#!/bin/sh
# Installs the build into a fresh prefix and runs the installed lotcraft-pages from another
# folder: the pictures must come from beside the installed program.
#   InstallTest.sh BUILD_DIR SAMPLE_CATALOGUE
set -eu
build=$1
sample=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" >/dev/null
for file in bin/lotcraft bin/lotcraft-pages lib/lotcraft/help.html lib/lotcraft/OK.jpg \
            share/applications/lotcraft.desktop share/icons/hicolor/48x48/apps/lotcraft.png \
            share/icons/hicolor/256x256/apps/lotcraft.png; do
    [ -e "$work/prefix/$file" ] || { echo "not installed: $file"; exit 1; }
done

mkdir "$work/elsewhere" "$work/pages"
cd "$work/elsewhere"
"$work/prefix/bin/lotcraft-pages" -q -o "$work/pages" "$sample" > out.txt
grep -q "^12 pages written to $work/pages\$" out.txt || { cat out.txt; exit 1; }
[ -s "$work/pages/1001.html" ] || { echo "no page"; exit 1; }
[ -s "$work/pages/dot_clear.gif" ] || { echo "pictures not copied"; exit 1; }
echo "installed programs work from $work/elsewhere"
