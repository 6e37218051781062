#!/bin/sh
# Makes the Debian package from the build, unpacks it into a temporary folder and runs the
# unpacked lotcraft-pages from another folder; checks what it holds and depends on, and that
# lintian finds no error in it. Skipped (77) where there is no dpkg, which the package needs.
#   PackageTest.sh BUILD_DIR SAMPLE_CATALOGUE
set -eu
build=$(cd "$1" && pwd)
sample=$(cd "$(dirname "$2")" && pwd)/$(basename "$2")
command -v dpkg-deb >/dev/null 2>&1 || { echo "no dpkg-deb on this system"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "$*"; exit 1; }

(cd "$build" && cpack -B "$work/out" >"$work/cpack.txt" 2>&1) || { cat "$work/cpack.txt"; exit 1; }
deb=$(ls "$work"/out/lotcraft_*_amd64.deb 2>/dev/null || true)
[ -n "$deb" ] || { cat "$work/cpack.txt"; fail "no lotcraft_VERSION_amd64.deb was made"; }

depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    echo "$depends" | grep -q "$library" || fail "the package does not depend on $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/lotcraft usr/bin/lotcraft-pages usr/lib/lotcraft/lotcraft \
            usr/lib/lotcraft/help.html usr/lib/lotcraft/dot_clear.gif \
            usr/share/applications/org.example.Lotcraft.desktop \
            usr/share/metainfo/org.example.Lotcraft.metainfo.xml \
            usr/share/icons/hicolor/48x48/apps/lotcraft.png \
            usr/share/icons/hicolor/256x256/apps/lotcraft.png \
            usr/share/man/man1/lotcraft.1.gz usr/share/man/man1/lotcraft-pages.1.gz \
            usr/share/doc/lotcraft/copyright usr/share/doc/lotcraft/changelog.gz; do
    [ -e "$work/root/$file" ] || fail "not in the package: $file"
done
# The record of `make install` belongs to installations by hand, not to a package.
[ ! -e "$work/root/usr/lib/lotcraft/installed-files.txt" ] || fail "the package holds the uninstall record"

mkdir "$work/elsewhere" "$work/pages"
cd "$work/elsewhere"
"$work/root/usr/bin/lotcraft-pages" -q -o "$work/pages" "$sample" > out.txt
grep -q "^12 pages written to $work/pages\$" out.txt || { cat out.txt; exit 1; }
[ -s "$work/pages/1001.html" ] && [ -s "$work/pages/dot_clear.gif" ] ||
    fail "the unpacked lotcraft-pages wrote no page or no picture"

if command -v lintian >/dev/null 2>&1; then
    lintian --allow-root "$deb" > "$work/lintian.txt" 2>&1 || true
    cat "$work/lintian.txt"
    if grep -q '^E: ' "$work/lintian.txt"; then fail "lintian reports errors"; fi
elif [ -e /usr/bin/dpkg ]; then
    fail "lintian is missing: install the Debian package lintian (make test installs it)"
fi
echo "the package $(basename "$deb") unpacks and its lotcraft-pages works from elsewhere"
