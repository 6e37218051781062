#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package from the build, unpacks it into a temporary folder and runs the
# unpacked lotcraft-pages from another folder on the packaged sample catalogue; checks what
# it holds and depends on, that its debug symbols come beside it, and that lintian finds no
# error in it. (make package-check judges the hardened package of make package further.) Skipped (77) where there is no dpkg, which the package needs.
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
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins fonts-dejavu-core \
               fonts-dejavu-extra; do
    echo "$depends" | grep -q "$library" || fail "the package does not depend on $library: $depends"
done

dpkg-deb -x "$deb" "$work/root"
for file in usr/bin/lotcraft usr/bin/lotcraft-pages \
            usr/share/lotcraft/help.html usr/share/lotcraft/dot_clear.gif \
            usr/share/lotcraft/translations/lotcraft_de.qm \
            usr/share/applications/org.example.lotcraft.desktop \
            usr/share/metainfo/org.example.lotcraft.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.example.lotcraft.svg \
            usr/share/man/man1/lotcraft.1.gz usr/share/man/man1/lotcraft-pages.1.gz \
            usr/share/doc/lotcraft/copyright usr/share/doc/lotcraft/changelog.gz \
            usr/share/doc/lotcraft/examples/sample-catalogue.csv; do
    [ -e "$work/root/$file" ] || fail "not in the package: $file"
done
for size in 16 22 24 32 48 64 128 256; do
    icon=usr/share/icons/hicolor/${size}x${size}/apps/org.example.lotcraft.png
    [ -e "$work/root/$icon" ] || fail "not in the package: $icon"
    # A PNG's width and height are the big-endian 4-byte numbers at bytes 16 and 20.
    [ "$(od -An -tu1 -j16 -N8 "$work/root/$icon" |
        awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 "x" $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }')" = "${size}x${size}" ] ||
        fail "$icon is not $size by $size pixels"
done
# Only programs under /usr/bin, nothing under /usr/lib: the pictures and help page are data.
[ ! -e "$work/root/usr/lib" ] || fail "the package installs into /usr/lib: $(ls -R "$work/root/usr/lib" | head -5)"
# The record of `make install` belongs to installations by hand, not to a package.
[ ! -e "$work/root/usr/share/lotcraft/installed-files.txt" ] || fail "the package holds the uninstall record"
# The debug symbols come in a package of their own.
ls "$work"/out/lotcraft-dbgsym_*_amd64.ddeb >/dev/null 2>&1 || fail "no lotcraft-dbgsym package was made"

mkdir "$work/elsewhere" "$work/pages"
cd "$work/elsewhere"
"$work/root/usr/bin/lotcraft-pages" -q -o "$work/pages" \
    "$work/root/usr/share/doc/lotcraft/examples/sample-catalogue.csv" > out.txt
grep -q "^12 pages written to $work/pages\$" out.txt || { cat out.txt; exit 1; }
[ -s "$work/pages/1001.html" ] || fail "the unpacked lotcraft-pages wrote no page"
cmp -s "$work/pages/dot_clear.gif" "$work/root/usr/share/lotcraft/dot_clear.gif" ||
    fail "the unpacked lotcraft-pages did not copy its pictures from usr/share/lotcraft"
cmp -s "$sample" "$work/root/usr/share/doc/lotcraft/examples/sample-catalogue.csv" ||
    fail "the packaged sample catalogue differs from $sample"

if command -v lintian >/dev/null 2>&1; then
    lintian --allow-root "$deb" > "$work/lintian.txt" 2>&1 || true
    cat "$work/lintian.txt"
    if grep -q '^E: ' "$work/lintian.txt"; then fail "lintian reports errors"; fi
elif [ -e /usr/bin/dpkg ]; then
    fail "lintian is missing: install the Debian package lintian (make test installs it)"
fi
echo "the package $(basename "$deb") unpacks and its lotcraft-pages works from elsewhere"
