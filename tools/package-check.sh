#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package judged as a distribution judges it (make package-check):
#   - its metadata: the dependencies a clean Debian 12 needs, the -dbgsym package beside it
#   - lintian --pedantic: nothing but the tags README.md explains (tools/lintian-expected.txt)
#   - hardening-check: yes to all on both programs (but the control-flow mark, see below)
#   - the desktop entry and the metainfo, as packaged, validated (no warning, no note), and
#     the entry's StartupWMClass the class of the running window (under Xvfb)
#   - the packaged lotcraft-pages writes the same bytes as the build's own
#   - every source file starts with its SPDX licence line
#   package-check.sh PACKAGE_FOLDER BUILD_DIR SOURCE_DIR
set -eu
packages=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
source=$(cd "$3" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0
check() { passes=$((passes + 1)); echo "ok: $*"; }
fail() { failures=$((failures + 1)); echo "FAILED: $*"; }

deb=$(ls "$packages"/lotcraft_*_amd64.deb)
ddeb=$(ls "$packages"/lotcraft-dbgsym_*_amd64.ddeb 2>/dev/null || true)
dpkg-deb -x "$deb" "$work/root"

# Metadata: what a clean system installs with it.
depends=$(dpkg-deb -f "$deb" Depends)
missing=""
for needed in libqt6core6 libqt6gui6 libqt6widgets6 libquazip1-qt6-1 qt6-qpa-plugins fonts-dejavu-core \
              fonts-dejavu-extra; do
    echo "$depends" | grep -q "\\b$needed\\b" || missing="$missing $needed"
done
if [ -z "$missing" ]; then check "depends on the Qt and QuaZip libraries, the plug-ins and the fonts"
else fail "the package does not depend on$missing: $depends"; fi

# The debug symbols: a package of their own, found by the programs' build ids.
if [ -n "$ddeb" ]; then
    dpkg-deb -x "$ddeb" "$work/dbg"
    for program in lotcraft lotcraft-pages; do
        id=$(readelf -n "$work/root/usr/bin/$program" 2>/dev/null | sed -n 's/.*Build ID: //p')
        debug="$work/dbg/usr/lib/debug/.build-id/$(echo "$id" | cut -c1-2)/$(echo "$id" | cut -c3-).debug"
        if [ -n "$id" ] && [ -s "$debug" ] && readelf -S "$debug" 2>/dev/null | grep -q '\.debug_info'; then
            check "the debug symbols of $program are in $(basename "$ddeb")"
        else
            fail "no debug symbols for $program (build id ${id:-none}) in $(basename "$ddeb")"
        fi
        if readelf -S "$work/root/usr/bin/$program" 2>/dev/null | grep -q -e '\.debug_info' -e '\.symtab'; then
            fail "$program is packaged with its symbols"
        fi
    done
    [ "$(dpkg-deb -f "$ddeb" Depends)" = "lotcraft (= $(dpkg-deb -f "$deb" Version))" ] ||
        fail "the dbgsym package does not depend on this very lotcraft"
else
    fail "no lotcraft-dbgsym package beside $(basename "$deb")"
fi

# lintian --pedantic: every tag it reports must be one the README explains.
lintian --pedantic --allow-root "$deb" $ddeb > "$work/lintian.txt" 2>&1 || true
sed -E 's/^[A-Z]: [^ ]+: //' "$work/lintian.txt" | sort -u > "$work/lintian-tags.txt"
grep -v '^#' "$source/tools/lintian-expected.txt" | sort -u > "$work/lintian-expected.txt"
unexplained=$(comm -23 "$work/lintian-tags.txt" "$work/lintian-expected.txt")
if [ -z "$unexplained" ]; then check "lintian --pedantic reports only what README.md explains"
else fail "lintian --pedantic reports what README.md does not explain:"; echo "$unexplained"; fi

# hardening-check: every feature on both programs, but one no Debian 12 program can show:
# the control-flow protection mark (IBT, SHSTK) is given to a program only when every object
# linked into it has it, and Debian 12's C library start files (Scrt1.o, crti.o, crtn.o) have
# not. Our own code is built with -fcf-protection all the same: its functions start with the
# endbr64 that the protection needs.
for program in lotcraft lotcraft-pages; do
    if hardening-check --nocfprotection "$work/root/usr/bin/$program" > "$work/hardening.txt" 2>&1; then
        check "hardening-check: $program has every protection (but the mark of the C library's start files)"
    else
        fail "hardening-check on $program:"; cat "$work/hardening.txt"
    fi
    branches=$(objdump -d --no-show-raw-insn "$work/root/usr/bin/$program" | grep -c 'endbr64' || true)
    if [ "$branches" -gt 100 ]; then
        check "$program is built with -fcf-protection ($branches endbr64)"
    else fail "$program has $branches endbr64: built without -fcf-protection"; fi
done

# The desktop entry and the metainfo as the package ships them.
entry=$work/root/usr/share/applications/org.example.lotcraft.desktop
if report=$(desktop-file-validate "$entry" 2>&1) && [ -z "$report" ]; then
    check "desktop-file-validate finds nothing"
else fail "desktop-file-validate: $report"; fi
metainfo=$work/root/usr/share/metainfo/org.example.lotcraft.metainfo.xml
if report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) &&
   ! echo "$report" | grep -q -E '^ *[WIP]: '; then
    check "appstreamcli validate --no-net --pedantic finds nothing"
else fail "appstreamcli validate:"; echo "$report"; fi

# The desktop matches the running window to the entry by StartupWMClass: it must be the
# class (or the instance name) the window system knows the window by.
cat > "$work/window-class.sh" <<'SCRIPT'
"$1" & program=$!
for attempt in 1 2 3 4 5 6 7 8 9 10; do
    sleep 1
    # The main window, titled Lotcraft, among Qt's helper windows (which have no class).
    window=$(xwininfo -root -tree | awk '/"Lotcraft": \("/ { print $1; exit }')
    [ -n "$window" ] && break
done
[ -n "$window" ] && xprop -id "$window" WM_CLASS
kill "$program"
SCRIPT
wanted=$(sed -n 's/^StartupWMClass=//p' "$entry")
class=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM xvfb-run -a sh "$work/window-class.sh" \
        "$work/root/usr/bin/lotcraft" 2>/dev/null | sed -n 's/^WM_CLASS(STRING) = //p')
if [ -n "$wanted" ] && echo "$class" | grep -q "\"$wanted\""; then
    check "StartupWMClass=$wanted names the window's class ($class)"
else fail "StartupWMClass=$wanted, but the window's WM_CLASS is ${class:-not found}"; fi

# The packaged program writes the pages the build's own writes, byte for byte.
for run in packaged built; do
    mkdir -p "$work/pages-$run"
done
"$work/root/usr/bin/lotcraft-pages" -q -o "$work/pages-packaged" -l 3 -s 7 --seller s@example.com \
    --location Leeds --country "United Kingdom" "$source/examples/sample-catalogue.csv" >/dev/null
"$build/bin/lotcraft-pages" -q -o "$work/pages-built" -l 3 -s 7 --seller s@example.com \
    --location Leeds --country "United Kingdom" "$source/examples/sample-catalogue.csv" >/dev/null
if diff -r "$work/pages-packaged" "$work/pages-built" >/dev/null &&
   [ -s "$work/pages-packaged/1001.html" ]; then
    check "the hardened lotcraft-pages writes the same pages as the build's"
else fail "the packaged lotcraft-pages writes other pages than the build's"; fi

# Every source file names its licence.
if unlabelled=$(sh "$source/tools/spdx-headers.sh" --check "$source" 2>&1); then
    check "every source file starts with its SPDX licence line"
else fail "source files without the SPDX licence line:"; echo "$unlabelled"; fi

echo "package-check: $passes passed, $failures failed"
[ "$failures" -eq 0 ]
