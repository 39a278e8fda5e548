#!/usr/bin/env bash
# Builds the release packages (the .deb, the Windows zip and installer) twice
# from this commit, in two new folders, one after the other, under another
# umask, locale and time zone, with SOURCE_DATE_EPOCH taken from the commit
# and no compiler cache; both builds must give the same files. On a
# mismatch diffoscope says what differs. The first build's packages, the
# Qt source beside the Windows ones, and SHA256SUMS over them go to OUT.
# The Windows Qt and its source are the ones dev.sh windows uses
# (DOTWISE_WINDOWS_QT, DOTWISE_QT_SOURCE): Qt is not built again. Other
# release files (the browser build's zip) are put beside them.
#   tools/reproducible.sh OUT [FILE...]
set -euo pipefail
cd "$(dirname "$0")/.."
. tools/debian.sh
out=$(realpath -m "${1:?usage: reproducible.sh OUT [FILE...]}")
shift
extra=()
for f in "$@"; do extra+=("$(realpath "$f")"); done
: "${DOTWISE_WINDOWS_QT:?set by dev.sh}" "${DOTWISE_QT_SOURCE:?set by dev.sh}"
commit=$(git rev-parse HEAD)
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH CCACHE_DISABLE=1
work=$(mktemp -d /var/tmp/dotwise-reproducible-XXXXXX)
trap 'rm -rf "$work"' EXIT
packages=(dotwise_*_amd64.deb Dotwise-*-win64.zip Dotwise-*-win64.exe)

# One build in a clone at FOLDER: the Linux package and the Windows ones,
# each collected into FOLDER/packages.
build() {
    local folder=$1 log=$1.log
    git clone --quiet --no-hardlinks . "$folder"
    git -C "$folder" checkout --quiet "$commit"
    mkdir "$folder/packages"
    (
        cd "$folder"
        cmake --preset default -DDOTWISE_TESTS=OFF &&
            cmake --build --preset default && (cd build && dotwise_cpack -G DEB) &&
            cmake --preset windows -DDOTWISE_TESTS=OFF -DDOTWISE_QT_SOURCE="$DOTWISE_QT_SOURCE" &&
            cmake --build --preset windows && (cd build-windows && dotwise_cpack) &&
            cp build/dotwise_*_amd64.deb build-windows/Dotwise-*-win64.zip \
                build-windows/Dotwise-*-win64.exe packages/ &&
            cp -r build-windows/Dotwise-*-win64-qt-source packages/
    ) >"$log" 2>&1 || {
        tail -40 "$log"
        echo "reproducible: the build in $folder failed" >&2
        return 1
    }
}

start=$SECONDS
(umask 022 && LC_ALL=C.UTF-8 TZ=UTC build "$work/first")
(umask 077 && LC_ALL=C TZ=Pacific/Kiritimati build "$work/second-build-in-a-longer-folder-name")
status=0
for p in "${packages[@]}"; do
    a=$(echo "$work"/first/packages/$p)
    b=$work/second-build-in-a-longer-folder-name/packages/$(basename "$a")
    if cmp -s "$a" "$b"; then
        echo "reproducible: $(basename "$a") is the same in both builds"
    else
        status=1
        echo "reproducible: $(basename "$a") differs between the builds" >&2
        command -v diffoscope >/dev/null ||
            DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
                diffoscope-minimal >/dev/null 2>&1 || true
        if command -v diffoscope >/dev/null; then
            diffoscope --text - "$a" "$b" | head -200 >&2 || true
        fi
    fi
done
[ $status = 0 ] || exit 1

rm -rf "$out"
mkdir -p "$out"
cp -r "$work"/first/packages/. "${extra[@]}" "$out/"
(cd "$out" && find . -type f ! -name SHA256SUMS -printf '%P\n' | LC_ALL=C sort |
    xargs sha256sum >SHA256SUMS)
echo "reproducible: two builds in $((SECONDS - start)) s gave the same packages; in $out with SHA256SUMS"
