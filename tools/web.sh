#!/usr/bin/env bash
# Builds Dotwise for web browsers: the WebAssembly Qt (tools/web-qt.sh),
# then the program against it with Debian 13's emscripten, in a new minimal
# Debian 13 root with this checkout mounted at its own path. The result is
# build-web/site, one folder for any static web host, and build-web's
# Dotwise-VERSION-web.zip of it, with the Qt source beside. Needs root
# (chroots, mounts) and mmdebstrap.
#   tools/web.sh               build; prints the site's folder
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "web.sh makes a chroot: run it as root" >&2; exit 1; }
source=$PWD
. tools/debian.sh
dotwise_use_prebuilt
prefix=$(bash tools/web-qt.sh)
cache_dir=$(dotwise_cache)
mirror=$(debian_mirror)
cache=$cache_dir/fresh
work=$(mktemp -d /var/tmp/dotwise-web-XXXXXX)
. tools/roots.sh

new_root trixie web >&2
root=$work/web
# The host Qt of the same version gives moc, rcc, uic and the translation
# tools, and Qt's own translations; the fonts and attribution scanner serve
# the package.
apt_install "$root" "$work/install.log" --no-install-recommends emscripten cmake ninja-build \
    python3 dpkg-dev qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools \
    qt6-l10n-tools qt6-translations-l10n qt6-documentation-tools fonts-liberation >&2
# The checkout and the cache at their own paths.
for dir in "$source" "$cache_dir"; do
    mkdir -p "$root$dir"
    mount --bind "$dir" "$root$dir"
done
status=0
in_root "$root" env DOTWISE_CACHE="$cache_dir" \
    SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}" \
    bash -euo pipefail -c '
    cd "$1"
    # Packed as tools/debian.sh packs, and says why.
    umask 022
    export TZ=UTC
    qt_source=$(bash tools/qt-source.sh "$(dpkg-query -W -f="\${Version}" qt6-base-dev-tools)")
    # Qt finds emscripten through an emsdk folder, as tools/web-qt.sh says.
    mkdir -p /root/emsdk
    echo "EMSCRIPTEN_ROOT = '"'"'../../usr/share/emscripten'"'"'" >/root/emsdk/.emscripten
    export EMSDK=/root/emsdk
    [ -f build-web/build.ninja ] ||
        "$2/bin/qt-cmake" -S . -B build-web -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
            -DDOTWISE_QT_SOURCE="$qt_source"
    cmake --build build-web
    rm -rf build-web/site
    cmake --install build-web --prefix build-web/site >/dev/null
    (cd build-web && cpack -G ZIP >/dev/null)
' - "$source" "$prefix" >&2 || status=$?
[ $status = 0 ] || { echo "web.sh: the build failed" >&2; exit $status; }
echo "$source/build-web/site"
