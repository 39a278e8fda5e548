#!/usr/bin/env bash
# Builds the Windows Qt that Dotwise links against: Debian's own qtbase
# source of the same version as the host's Qt (whose moc, rcc and uic it
# uses), cross-compiled with mingw-w64, cut down to what the program and its
# tests use. Built once into a cache folder outside the source tree, keyed by
# the Qt version and this script's own hash; prints the folder. Needs what
# `dev.sh windows` installs (mingw-w64, qt6-base-dev-tools, dpkg-dev), the
# mirror's source packages, and root the first time, to enable them.
#   tools/windows-qt.sh            build if needed, print the prefix
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian.sh"
# The host's qtbase, e.g. 6.4.2+dfsg-10 (Debian 12) or 6.8.2+dfsg-9 (13).
package_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
version=${package_version%%[+-]*}
key=$(cat "$0" "$here/../cmake/mingw-w64.cmake" | sha256sum | cut -c1-12)
cache=$(dotwise_cache)
prefix=$cache/qt-$version-mingw-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
log() { echo "windows-qt: $*" >&2; }

log "Qt $version for Windows is not built yet; building it"
debian_enable_sources qt6-base || {
    log "no source packages can be had from $(debian_mirror)"
    exit 1
}

work=$cache/qt-work-$key
rm -rf "$work"
mkdir -p "$work"
cd "$work"
log "fetching Debian's qtbase source"
apt-get source -qq --download-only "qt6-base=$package_version" >&2
dpkg-source --no-check -x qt6-base_*.dsc src >&2
src=$work/src
[ "$(sed -n 's/^set(QT_REPO_MODULE_VERSION "\(.*\)")/\1/p' "$src/.cmake.conf")" = "$version" ] || {
    log "the source package is not Qt $version"
    exit 1
}
# The toolchain is copied beside the Qt it built, which records its path.
# A build that stops half-way leaves no prefix that looks complete.
rm -rf "$prefix"
mkdir -p "$prefix"
cp "$here/../cmake/mingw-w64.cmake" "$prefix/mingw-w64.cmake"

features=(
    # Modules and features nothing of ours uses.
    network sql printsupport dbus vulkan concurrent xml jpeg gif zstd icu glib
    # The Direct2D platform plugin, a second build of the Windows one (Direct2D
    # itself stays: Qt's DirectWrite fonts need it), and widgets, writers and
    # readers the program never shows or calls (the graphics view stays: Qt
    # 6.8's Windows 11 style needs it).
    direct2d1_1 pdf movie systemtrayicon textodfwriter textmarkdownreader textmarkdownwriter
    mdiarea calendarwidget colordialog fontdialog fontcombobox wizard dial lcdnumber
    columnview undoview keysequenceedit splashscreen toolbox datawidgetmapper
    # Tablets need wintab.h, which the source package does not ship.
    tabletevent
    # Qt's own copies instead of libraries mingw lacks.
    system_zlib system_png system_pcre2 system_harfbuzz system_freetype
    system_doubleconversion system_jpeg
)
flags=()
for f in "${features[@]}"; do flags+=("-DFEATURE_$f=OFF"); done

log "configuring"
cmake -G Ninja -S "$src" -B build \
    -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DINPUT_opengl=no \
    "${flags[@]}" >build.log 2>&1 || {
    tail -40 build.log >&2
    exit 1
}
log "building (about half an hour on 2 cores)"
cmake --build build >>build.log 2>&1 || {
    grep -B2 -A20 'FAILED' build.log | head -60 >&2
    exit 1
}
cmake --install build --strip >>build.log 2>&1
touch "$prefix/.complete"
cd /
rm -rf "$work"
echo "$prefix"
