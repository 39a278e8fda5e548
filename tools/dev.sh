#!/usr/bin/env bash
# Sets up a Debian 12, 13 or testing machine, builds, and then runs the
# program or its tests. Installs what is missing with apt (as root, or
# through sudo); package names are those of the release the machine runs.
#   tools/dev.sh run      installs what running needs, builds, starts Dotwise
#   tools/dev.sh test     installs what the suites need, builds, runs every
#                         suite of this machine (check: the same)
#   tools/dev.sh release  the release checks: every suite under the
#                         sanitizers, the fuzzers, the test command first on
#                         new Debian 12, 13 and testing roots, the Windows
#                         build under Wine, the browser build in headless
#                         Chromium and Firefox ESR, the packages built twice
#                         to the same bytes, into build-release/ with
#                         SHA256SUMS, UI Automation under Wine 10 (needs
#                         root and downloads)
#   tools/dev.sh package  installs what is missing, builds the Debian package
#   tools/dev.sh bench    installs what is missing, builds, prints the timings
#   tools/dev.sh windows  builds Qt for Windows once, cross-builds Dotwise, runs
#                         its tests under Wine and builds the installer
#   tools/dev.sh fresh    the whole new-machine check: the test command, the
#                         run command and the package each on new roots
#   tools/dev.sh web      builds Qt for WebAssembly once, builds Dotwise for
#                         browsers (both in a Debian 13 root; needs root) and
#                         serves it on this machine, printing the address
#   tools/dev.sh web-bench  the same build, then its figures in headless
#                         Chromium: start-up, bytes loaded, a question's change
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/debian.sh

mode=${1:-}
case "$mode" in
run | test | check | release | package | bench | windows | fresh | web | web-bench) ;;
*)
    echo "usage: $0 run|test|release|package|bench|windows|fresh|web|web-bench" >&2
    exit 2
    ;;
esac
[ "$mode" = check ] && mode=test

# A bare shell (env -i bash) puts "." on PATH; CMake then takes the
# checkout's cmake/ folder for itself and finds no modules.
PATH=$(printf '%s' "${PATH:-/usr/sbin:/usr/bin:/sbin:/bin}" | tr ':' '\n' | grep '^/' | paste -sd:)
export PATH

# The caches live under HOME, which a bare CI shell may lack.
HOME=${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}
export HOME
cache=$(dotwise_cache)

# Runs a step quietly; if it fails, its own output says why.
step() {
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        rm -f "$log"
        echo "failed: $*" >&2
        exit 1
    fi
    rm -f "$log"
}

# Building and running; Qt's translation tools build the translations, and
# Qt's own texts come in the same language; libxcb for the X11 focus filter.
packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-qpa-plugins libcanberra-dev
    libcanberra-pulse libxcb1-dev fonts-liberation qt6-tools-dev qt6-l10n-tools
    qt6-translations-l10n)
# liblouis checks the Braille dot table; the desktop validators; a virtual
# X server for the installed program's window; Orca and what it runs in;
# Weston, GNOME's mutter and Qt's Wayland platform, driven through AT-SPI;
# lintian checks the package; setxkbmap sets the French layout.
suites=(liblouis-dev liblouis-data desktop-file-utils appstream xvfb xauth xdotool x11-xkb-utils
    libx11-dev dpkg-dev lintian orca openbox at-spi2-core dbus dbus-x11 util-linux weston mutter
    qt6-wayland python3-pyatspi)
# The new-machine roots are made with mmdebstrap and get this commit by git.
fresh=(mmdebstrap xvfb xauth xdotool git dpkg-dev ca-certificates)
case "$mode" in
test) packages+=("${suites[@]}" ccache) ;;
# The fuzz targets are built with clang's libFuzzer; the Windows build is
# below.
release) packages+=("${suites[@]}" ccache clang "${fresh[@]}") ;;
package) packages+=(dpkg-dev lintian) ;;
fresh) packages+=("${fresh[@]}") ;;
esac
# The browser build is made in a Debian 13 root; Chromium and Firefox ESR
# take it headless through their remote protocols.
browsers=(chromium firefox-esr python3-websocket python3-pil)
case "$mode" in
web) packages+=(mmdebstrap ca-certificates git) ;;
web-bench) packages+=(mmdebstrap ca-certificates git "${browsers[@]}") ;;
release) packages+=("${browsers[@]}") ;;
esac
if [ "$mode" = release ] || [ "$mode" = windows ]; then
    # mingw-w64 and Debian's Qt source for the Windows Qt, Wine to run it,
    # NSIS for the installer; pefile reads what the Windows files say of
    # themselves; ImageMagick shoots the windows in high contrast; zstd
    # unpacks a prebuilt Qt.
    packages+=(qt6-base-dev-tools dpkg-dev mingw-w64 g++-mingw-w64-x86-64-posix wine wine64
        nsis xvfb xauth xdotool x11-utils x11-xkb-utils unzip python3-pefile imagemagick openbox
        zstd)
fi

# A dated mirror may serve a Release file past its Valid-Until date (Debian
# testing's, on a snapshot); apt refuses it, and only then is the update
# made again without that check.
apt_update() {
    local log
    log=$(mktemp)
    if as_root apt-get update >"$log" 2>&1; then
        rm -f "$log"
        return 0
    fi
    if grep -q 'is expired\|is no longer valid' "$log"; then
        echo "The mirror's Release file is past its Valid-Until date: updating without that check"
        rm -f "$log"
        step as_root apt-get -o Acquire::Check-Valid-Until=false update
        return 0
    fi
    cat "$log" >&2
    rm -f "$log"
    echo "failed: apt-get update" >&2
    exit 1
}

# Installs those of the named packages that are missing.
install_missing() {
    local missing=() p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    apt_update
    step as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
        "${missing[@]}"
}
t=$SECONDS
install_missing "${packages[@]}"
if [ "$mode" = release ]; then
    # libFuzzer and the sanitizers' runtime, of the release's own clang.
    install_missing "libclang-rt-$(clang -dumpversion | cut -d. -f1)-dev"
    dotwise_took "release packages" "$t"
fi
if [ "$mode" = test ] || [ "$mode" = release ]; then
    # CI starts each run from a new checkout: build trees made here compile
    # through ccache, kept in the cache folder (or where the caller keeps
    # it), so that a later run compiles only what changed, wherever the
    # checkout lies. The objects name no folder (-ffile-prefix-map), so the
    # folder that option names is left out of the hash.
    export CCACHE_DIR=${CCACHE_DIR:-$cache/ccache} CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-2G} \
        CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1 CCACHE_IGNOREOPTIONS='-ffile-prefix-map=*' \
        CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi

# The ordinary tree, build/, with the suites (ON) or for the program alone
# (OFF). A tree that exists keeps its settings, so that running the program
# after the tests, or the tests after it, rebuilds only what changed; the
# tests only add their suites to a tree made for running.
linux_build() {
    if [ ! -f build/build.ninja ]; then
        step cmake --preset default -DDOTWISE_TESTS="$1"
    elif [ "$1" = ON ] && ! grep -qx 'DOTWISE_TESTS:BOOL=ON' build/CMakeCache.txt; then
        step cmake --preset default -DDOTWISE_TESTS=ON
    fi
    cmake --build --preset default ${2:+--target "$2"}
}

windows_build() {
    # The Windows Qt is kept whole; its objects would only crowd ccache's.
    local t=$SECONDS
    dotwise_use_prebuilt
    DOTWISE_WINDOWS_QT=$(env -u CMAKE_C_COMPILER_LAUNCHER -u CMAKE_CXX_COMPILER_LAUNCHER \
        bash tools/windows-qt.sh)
    export DOTWISE_WINDOWS_QT
    dotwise_took "Windows Qt" "$t"
    # A Qt built anew (its script changed) has a new folder; a build tree
    # would keep the Qt it found first, while its tests load the new one.
    local fresh=()
    t=$SECONDS
    grep -qxF "Qt6_DIR:PATH=$DOTWISE_WINDOWS_QT/lib/cmake/Qt6" build-windows/CMakeCache.txt \
        2>/dev/null || fresh=(--fresh)
    # The Qt source it was built from: its notices, and shipped beside it.
    DOTWISE_QT_SOURCE=$(bash tools/qt-source.sh "$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)")
    export DOTWISE_QT_SOURCE
    step cmake --preset windows "${fresh[@]}" -DDOTWISE_QT_SOURCE="$DOTWISE_QT_SOURCE"
    cmake --build --preset windows
    (cd build-windows && step dotwise_cpack)
    # Headless: the installer's test brings its own X server. The run's Wine
    # server is ended and its folder removed either way.
    local status=0
    env -u DISPLAY ctest --preset windows || status=$?
    bash tools/wine-clean.sh build-windows/wine
    dotwise_took "Windows program, installer and suites" "$t"
    return $status
}

# Jobs that run beside the rest, as root, each in a session of its own so
# that it can be ended whole, its output kept until it is waited for. A new
# session is a scheduling group of its own where the kernel groups by
# session (autogroup): the job's priority is given to its group too.
declare -A job_pid job_log job_group
background() {
    local name=$1 priority=$2
    shift 2
    job_log[$name]=$(mktemp)
    job_group[$name]=$(mktemp)
    as_root env DOTWISE_CACHE="$cache" DOTWISE_TIMES="${DOTWISE_TIMES:-}" setsid bash -c '
        echo $$ >"$1" && { echo "$2" >/proc/self/autogroup; } 2>/dev/null
        exec nice -n "$2" "${@:3}"' - "${job_group[$name]}" "$priority" "$@" \
        >"${job_log[$name]}" 2>&1 &
    job_pid[$name]=$!
    trap stop_jobs EXIT
}
await() {
    local name=$1 status=0
    wait "${job_pid[$name]}" || status=$?
    cat "${job_log[$name]}"
    rm -f "${job_log[$name]}" "${job_group[$name]}"
    unset "job_pid[$name]"
    [ $status = 0 ] || { echo "failed: $name" >&2; exit $status; }
}
# On a failure, what still runs beside is ended (its own exit unmounts its
# roots).
stop_jobs() {
    set +e
    local name
    for name in "${!job_pid[@]}"; do
        as_root kill -- -"$(cat "${job_group[$name]}")" 2>/dev/null || true
        wait "${job_pid[$name]}" 2>/dev/null || true
        echo "ended beside: $name; the end of its output:" >&2
        tail -5 "${job_log[$name]}" >&2
        rm -f "${job_log[$name]}" "${job_group[$name]}"
    done
}

# The browser build, in build-web/site; its Qt is kept like the Windows one.
web_build() {
    local t=$SECONDS
    [ -z "${job_pid[web-qt]:-}" ] || await web-qt
    as_root env DOTWISE_CACHE="$cache" bash tools/web.sh >/dev/null
    dotwise_took "browser build (its Qt once)" "$t"
}

case "$mode" in
web)
    web_build
    exec /usr/bin/python3 tools/web-serve.py build-web/site --port "${DOTWISE_WEB_PORT:-8080}"
    ;;
web-bench)
    web_build
    /usr/bin/python3 tests/web/browser.py build-web/site build-web/browser --bench
    ;;
run)
    linux_build OFF dotwise
    exec ./build/dotwise
    ;;
package)
    linux_build OFF
    (cd build && step dotwise_cpack)
    lintian --fail-on error,warning build/dotwise_*.deb
    ls build/dotwise_*.deb
    ;;
bench)
    linux_build OFF
    QT_QPA_PLATFORM=offscreen ./build/bench/dotwise-bench
    ;;
windows) windows_build ;;
fresh) as_root env DOTWISE_CACHE="$cache" bash tools/fresh-machine.sh --all ;;
test)
    linux_build ON
    ctest --preset default
    ;;
release)
    # Every suite under AddressSanitizer + UBSan with leak checks, each fuzz
    # target for 30 s, the Windows build under Wine with its CTest summary,
    # the browser build, the packages built twice, what a Windows screen
    # reader is told; and the README's test command first on new machines
    # (the whole check, `fresh`, does not fit CI's time on two cores).
    # Two parts run beside the others: the new-machine checks, whose time
    # goes mostly to apt and dpkg, one process at a time; and the
    # WebAssembly Qt when it is not built yet, the longest build of all, at
    # the lowest priority so that it takes what the rest leave idle. The
    # browser build waits for the Qt.
    dotwise_use_prebuilt
    background web-qt 19 bash tools/web-qt.sh
    background fresh 0 bash tools/fresh-machine.sh
    t=$SECONDS
    [ -f build-asan/build.ninja ] || step cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan
    dotwise_took "sanitizers: build and suites" "$t"
    t=$SECONDS
    bash tools/fuzz.sh 30
    dotwise_took fuzzers "$t"
    windows_build
    web_build
    t=$SECONDS
    /usr/bin/python3 tests/web/browser.py build-web/site build-web/browser
    dotwise_took "browser build in Chromium and Firefox" "$t"
    t=$SECONDS
    bash tools/reproducible.sh build-release build-web/Dotwise-*-web.zip \
        build-web/Dotwise-*-web-qt-source
    dotwise_took "packages built twice, the same" "$t"
    # What a Windows screen reader is told needs Wine 10, Debian 13's; the
    # Windows suites skip it on older Wine.
    if [[ "$(wine --version)" == wine-[1-9].* ]]; then
        t=$SECONDS
        as_root env DOTWISE_CACHE="$cache" bash tools/uia-root.sh \
            build-windows/Dotwise-*-win64.zip build-windows/tests/windows/uia
        dotwise_took "UI Automation, Wine 10 in a Debian 13 root" "$t"
    fi
    await fresh
    ;;
esac
