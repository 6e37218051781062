#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The package in a clean Debian 12 (make package-chroot): debootstrap makes a minimal
# bookworm from Debian's mirror in a temporary folder; the package is installed there with
# apt and its dependencies alone (no recommends), then checked: the window's face is the
# DejaVu Sans Condensed it asks for and its texts fit (WindowFontsTest, copied in from the
# build with the Qt Test library it needs), lotcraft --version, lotcraft-pages on the shipped
# example, man lotcraft (man-db installed for it); finally apt purge, which must leave no
# file of the package. Needs root, debootstrap and Debian's mirror; takes several minutes.
#   package-chroot.sh PACKAGE_FOLDER BUILD_DIR
set -eu
packages=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
deb=$(ls "$packages"/lotcraft_*_amd64.deb)
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
work=$(mktemp -d)
root=$work/bookworm
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
failures=0
passes=0
check() { passes=$((passes + 1)); echo "ok: $*"; }
fail() { failures=$((failures + 1)); echo "FAILED: $*"; }
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"; }

echo "making a clean Debian 12 in $root (debootstrap, from $mirror)"
debootstrap --variant=minbase bookworm "$root" "$mirror" > "$work/debootstrap.log" 2>&1 ||
    { tail -20 "$work/debootstrap.log"; exit 1; }
mount -t proc proc "$root/proc"
cp "$deb" "$root/tmp/"
inside apt-get update -q > "$work/apt.log" 2>&1 || { cat "$work/apt.log"; exit 1; }
echo "installing $(basename "$deb") with its dependencies alone"
if inside apt-get install -y -q --no-install-recommends "/tmp/$(basename "$deb")" >> "$work/apt.log" 2>&1; then
    check "the package installs into a clean Debian 12 with its dependencies"
else
    tail -30 "$work/apt.log"; fail "the package does not install"; exit 1
fi
inside dpkg -L lotcraft > "$work/files.txt"

if inside lotcraft --version | grep -q '^lotcraft '; then check "lotcraft --version"
else fail "lotcraft --version"; fi
if inside sh -c 'mkdir -p /tmp/pages && cd /tmp && lotcraft-pages -q -o /tmp/pages \
        /usr/share/doc/lotcraft/examples/sample-catalogue.csv' 2>/dev/null | grep -q '^12 pages written' &&
   cmp -s "$root/tmp/pages/dot_clear.gif" "$root/usr/share/lotcraft/dot_clear.gif"; then
    check "lotcraft-pages writes the shipped example's pages, with their pictures"
else fail "lotcraft-pages on the shipped example"; fi

# The window as laid out with the fonts the clean system has. The test's own fontconfig
# folder holds the fonts of the package's dependencies; they are the system's only fonts.
# The window is laid out in each language the package ships a translation for.
fonts=$(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed -n 's/^ *\(fonts-[a-z0-9-]*\).*/\1/p' | tr '\n' ' ')
installed=$(inside sh -c 'ls /usr/share/fonts/truetype/*/' | grep -c '\.ttf$' || true)
cp "$build/bin/WindowFontsTest" "$root/tmp/"
inside apt-get install -y -q --no-install-recommends libqt6test6 >> "$work/apt.log" 2>&1
if inside env QT_QPA_PLATFORM=offscreen LOTCRAFT_FONT_PACKAGES="$fonts" \
        LOTCRAFT_TRANSLATIONS_FOLDER=/usr/share/lotcraft/translations /tmp/WindowFontsTest \
        > "$work/fonts.txt" 2>&1; then
    check "the window's texts fit with the $installed font files of $fonts"
else cat "$work/fonts.txt"; fail "the window's texts do not fit in the clean system"; fi

inside apt-get install -y -q --no-install-recommends man-db >> "$work/apt.log" 2>&1
if inside sh -c 'MANPAGER=cat man lotcraft 2>/dev/null' | grep -q 'lotcraft-pages'; then
    check "man lotcraft"
else fail "man lotcraft shows nothing"; fi

inside apt-get purge -y -q lotcraft >> "$work/apt.log" 2>&1
left=""
while read -r path; do
    # Folders such as /usr/bin are shared; a folder of the package's own must be gone.
    case "$path" in
        /usr/share/lotcraft | /usr/share/doc/lotcraft | /usr/share/doc/lotcraft/*)
            [ -e "$root$path" ] && left="$left $path" ;;
        *) [ -e "$root$path" ] && [ ! -d "$root$path" ] && left="$left $path" ;;
    esac
done < "$work/files.txt"
if [ -z "$left" ] && ! inside dpkg -s lotcraft >/dev/null 2>&1; then
    check "apt purge leaves nothing of the package"
else fail "apt purge left:$left"; fi

echo "package-chroot: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
