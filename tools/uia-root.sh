#!/usr/bin/env bash
# The UI Automation test (tests/windows/uia.sh) needs Wine 10, Debian 13's.
# On an older machine it runs here in a new minimal Debian 13 root, with the
# zip and the test copied in; what it recorded is copied out to OUT. Needs
# root and mmdebstrap.
#   tools/uia-root.sh <Dotwise-VERSION-win64.zip> OUT
set -euo pipefail
zip=$(readlink -f "$1")
out=$2
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "uia-root.sh makes a chroot: run it as root" >&2; exit 1; }
. tools/debian.sh
mirror=$(debian_mirror)
cache=$(dotwise_cache)/fresh
work=$(mktemp -d /var/tmp/dotwise-uia-XXXXXX)
. tools/roots.sh

new_root trixie uia
root=$work/uia
apt_install "$root" "$work/install.log" --no-install-recommends wine wine64 \
    g++-mingw-w64-x86-64-posix xvfb xauth xdotool unzip python3
mkdir -p "$root/root/dotwise/tests" "$root/root/dotwise/tools"
cp -r tests/windows tests/support "$root/root/dotwise/tests/"
cp tools/wine-clean.sh "$root/root/dotwise/tools/"
cp "$zip" "$root/root/"
status=0
in_root "$root" bash /root/dotwise/tests/windows/uia.sh "/root/$(basename "$zip")" /root/uia ||
    status=$?
rm -rf "$out"
cp -r "$root/root/uia" "$out" 2>/dev/null || true
exit $status
