#!/usr/bin/env bash
# Fetches Debian's qt6-base source package of a version (its .dsc and
# tarballs, Debian's patches included) into the cache folder once, with the
# tree it unpacks to beside them; prints the folder. This is the source a
# bundled Qt was built from, shipped beside the packages, and the one its
# notices are read from. Needs dpkg-dev and the mirror's source packages
# (root the first time, to enable them).
#   tools/qt-source.sh VERSION      e.g. 6.4.2+dfsg-10
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian.sh"
version=${1:?usage: qt-source.sh VERSION}
dir=$(dotwise_cache)/qt-source-$version
if [ -f "$dir/.complete" ]; then
    echo "$dir"
    exit 0
fi
debian_enable_sources qt6-base || {
    echo "qt-source: no source packages can be had from $(debian_mirror)" >&2
    exit 1
}
rm -rf "$dir"
mkdir -p "$dir"
cd "$dir"
apt-get source -qq --download-only "qt6-base=$version" >/dev/null 2>&1 || {
    echo "qt-source: the mirror has no qt6-base $version source" >&2
    exit 1
}
dpkg-source --no-check -x qt6-base_*.dsc src >/dev/null 2>&1
touch .complete
echo "$dir"
