#!/usr/bin/env bash
# Set up a Debian 12 machine, build, and then run the program or its tests.
#   tools/dev.sh run    installs what is missing, builds, starts Dotwise
#   tools/dev.sh test   installs what is missing, builds, runs every test
#   tools/dev.sh package  installs what is missing, builds the Debian package
#   tools/dev.sh bench  installs what is missing, builds, prints the timings
set -euo pipefail
cd "$(dirname "$0")/.."

mode=${1:-}
case "$mode" in
run | test | package | bench) ;;
*)
    echo "usage: $0 run|test|package|bench" >&2
    exit 2
    ;;
esac

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libcanberra-dev libcanberra-pulse
    fonts-liberation)
# Tests: liblouis checks the Braille dot table; the desktop validators; a
# virtual X server for the installed program's window; 
# the fuzz targets are built with clang's libFuzzer.
[ "$mode" = test ] && packages+=(liblouis-dev liblouis-data desktop-file-utils appstream
    xvfb xauth xdotool libx11-dev clang libclang-rt-14-dev)
[ "$mode" = package ] && packages+=(dpkg-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake --preset default >/dev/null
cmake --build --preset default

case "$mode" in
run) exec ./build/dotwise ;;
package) (cd build && cpack) ;;
bench) QT_QPA_PLATFORM=offscreen ./build/bench/dotwise-bench ;;
test)
    # Every suite under AddressSanitizer + UBSan with leak checks, then each
    # fuzz target for 30 s, then the ordinary run, whose summary ends it.
    cmake --preset asan >/dev/null
    cmake --build --preset asan
    ctest --preset asan
    bash tools/fuzz.sh 30
    ctest --preset default
    ;;
esac
