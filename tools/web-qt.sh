#!/usr/bin/env bash
# Builds the WebAssembly Qt that Dotwise's browser build links against:
# Debian 13's qtbase source, cross-compiled with Debian 13's emscripten in a
# new minimal Debian 13 root (Debian 12's emscripten is too old for Qt 6),
# cut down to what the program uses. Built once into a cache folder outside
# the source tree, keyed by this script's own hash; prints the folder. The
# root's host Qt, of the same version, gives moc, rcc and uic. Needs root
# (chroots, mounts) and mmdebstrap.
#   tools/web-qt.sh            build if needed, print the prefix
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/debian.sh"
version=6.8.2
key=$(sha256sum <"$0" | cut -c1-12)
cache=$(dotwise_cache)
prefix=$cache/qt-$version-wasm-$key
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi
log() { echo "web-qt: $*" >&2; }
[ "$(id -u)" -eq 0 ] || { log "the build runs in a chroot: run it as root"; exit 1; }
# One build at a time: a second waits, then finds the first one's.
mkdir -p "$cache"
exec 9>"$cache/.web-qt.lock"
flock 9
if [ -f "$prefix/.complete" ]; then
    echo "$prefix"
    exit 0
fi

log "Qt $version for WebAssembly is not built yet; building it in a Debian 13 root"
mirror=$(debian_mirror)
work=$(mktemp -d /var/tmp/dotwise-web-qt-XXXXXX)
packages=$cache/fresh
cache_dir=$cache
cache=$packages
. "$here/roots.sh"
new_root trixie qt >&2
root=$work/qt
apt_install "$root" "$work/install.log" --no-install-recommends emscripten cmake ninja-build \
    python3 dpkg-dev qt6-base-dev qt6-base-dev-tools >&2

# The prefix is built where it is kept, at the same path inside the root,
# since it records its own path.
rm -rf "$prefix"
mkdir -p "$prefix" "$root$prefix"
mount --bind "$prefix" "$root$prefix"
mkdir -p "$root/root/tools"
cp "$here/debian.sh" "$root/root/tools/"
cat >"$root/root/build-qt.sh" <<'BUILD'
. /root/tools/debian.sh
debian_enable_sources qt6-base || { echo "no source packages can be had"; exit 1; }
echo "web-qt: fetching the qtbase source"
mkdir -p /root/qt && cd /root/qt
apt-get source -qq --download-only qt6-base
dpkg-source --no-check -x qt6-base_*.dsc src >/dev/null
[ "$(sed -n "s/^set(QT_REPO_MODULE_VERSION \"\(.*\)\")/\1/p" src/.cmake.conf)" = "$VERSION" ] || {
    echo "the source package is not Qt $VERSION"; exit 1; }
# Qt finds emscripten through an emsdk folder whose root path, relative
# to it and in single quotes, leads to Debian's /usr/share/emscripten.
mkdir -p /root/emsdk
echo "EMSCRIPTEN_ROOT = '../../usr/share/emscripten'" >/root/emsdk/.emscripten
export EMSDK=/root/emsdk
mkdir build && cd build
echo "web-qt: configuring and building (about 20 minutes on 2 cores)"
# A unity build compiles each library's sources in batches: far fewer
# compiler runs over Qt's large headers.
../src/configure -platform wasm-emscripten -qt-host-path /usr -prefix "$PREFIX" \
    -release -nomake examples -nomake tests -unity-build -- \
    -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    $FEATURES >../configure.log 2>&1 || {
    tail -60 ../configure.log; exit 1; }
cmake --build . >../build.log 2>&1 || { grep -B2 -A20 FAILED ../build.log | head -80; exit 1; }
cmake --install . >>../build.log 2>&1
BUILD
in_root "$root" env PREFIX="$prefix" VERSION="$version" FEATURES="$(
    # Modules and features nothing of ours uses; OpenGL stays: the platform
    # plugin draws its windows through WebGL.
    printf -- '-DFEATURE_%s=OFF ' network sql printsupport dbus concurrent xml testlib \
        pdf movie systemtrayicon textodfwriter textmarkdownreader textmarkdownwriter \
        mdiarea calendarwidget colordialog fontdialog fontcombobox wizard dial lcdnumber \
        columnview undoview keysequenceedit splashscreen toolbox datawidgetmapper jpeg gif
)" bash -euo pipefail /root/build-qt.sh >&2 || {
    mkdir -p "$cache_dir/web-qt-logs"
    cp "$root"/root/qt/*.log "$cache_dir/web-qt-logs/" 2>/dev/null || true
    log "the build failed; its logs are in $cache_dir/web-qt-logs"
    exit 1
}
touch "$prefix/.complete"
echo "$prefix"
