#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages named on the command line that are not installed yet.
# As root it runs apt-get directly; otherwise through sudo where there is one; without
# either it prints the one command to run and fails.
set -eu

missing=""
for pkg in "$@"; do
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    case "$status" in
        *"ok installed"*) ;;
        *) missing="$missing $pkg" ;;
    esac
done

[ -z "$missing" ] && exit 0

echo "Lotcraft needs these Debian packages, which are missing:$missing"
command="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends$missing"

if [ "$(id -u)" -eq 0 ]; then
    sh -c "$command"
elif command -v sudo >/dev/null 2>&1; then
    sudo sh -c "$command"
else
    echo "Run this as root, then try again:" >&2
    echo "    $command" >&2
    exit 1
fi
