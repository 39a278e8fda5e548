#!/usr/bin/env bash
# The README on brand-new Debian 12, 13 and testing machines: for each release a
# minimal root is made from the machine's own mirror, this commit is cloned
# into it and the README's run command must show the "Dotwise" window;
# `dev.sh package` builds the .deb there, and for a release other than the
# machine's `dev.sh check` runs the ordinary suites there (Orca, Weston and
# all). A second new root of the release installs that .deb with apt and
# the installed program must show its window too. The packages each
# release's roots download are kept, per release, in the cache folder
# (apt checks each against the mirror's index before it uses it), and so
# is the compiler's output of the builds there (ccache).
#   tools/fresh-machine.sh [CODENAME ...]     default: bookworm trixie forky
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine.sh makes chroots: run it as root" >&2; exit 1; }
source=$PWD
. tools/debian.sh
releases=("$@")
[ $# -gt 0 ] || releases=(bookworm trixie forky)
mirror=$(debian_mirror)
cache=${DOTWISE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/dotwise}/fresh
work=$(mktemp -d /var/tmp/dotwise-fresh-XXXXXX)
roots=()
xvfb=""

unmount_root() {
    local root=$1
    for m in var/cache/ccache var/cache/apt/archives tmp/.X11-unix dev/pts dev sys proc; do
        mountpoint -q "$root/$m" && umount -l "$root/$m"
    done
    return 0
}
# Unmounts and removes the roots made so far; a root something is still
# mounted in is left alone.
cleanup_roots() {
    local root
    for root in "${roots[@]}"; do unmount_root "$root"; done
    for root in "${roots[@]}"; do
        if findmnt -rn -o TARGET | grep -q "^$root/"; then
            echo "still mounted below $root; not removing it" >&2
            return 1
        fi
    done
    for root in "${roots[@]}"; do rm -rf --one-file-system "$root"; done
    roots=()
}
cleanup() {
    [ -n "$(jobs -p)" ] && kill $(jobs -p) 2>/dev/null
    cleanup_roots && rm -rf --one-file-system "$work"
}
trap cleanup EXIT

display=$((200 + $$ % 50))
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=:$display

# A new minimal root of a release, unpacked from one minbase image made per
# release (both roots of a release start from it). Its apt source is as a
# fresh install of that release has it: deb822 on Debian 12, one line
# (mmdebstrap's) later. A dated mirror may serve a Release file past its
# Valid-Until date (testing's): only then is the image made without that
# check, and the root is left without it, as the README's commands find
# such a machine.
new_root() {
    local release=$1 root=$work/$2 image=$work/$1.tar debs=$cache/$1
    echo "== a new $release root ($2) from $mirror"
    mkdir -p "$debs"
    if [ ! -f "$image" ]; then
        local keep=(--skip=essential/unlink
            --setup-hook='mkdir -p "$1/var/cache/apt/archives"'
            --setup-hook="sync-in $debs /var/cache/apt/archives/"
            --customize-hook="sync-out /var/cache/apt/archives $debs")
        # Not quiet: apt's own reason for a failure is in the log then.
        if ! mmdebstrap --variant=minbase "${keep[@]}" "$release" "$image" "$mirror" \
            >"$work/$release.log" 2>&1; then
            grep -q 'is expired\|is no longer valid' "$work/$release.log" || {
                tail -20 "$work/$release.log"
                return 1
            }
            echo "its Release file is past its Valid-Until date: made without that check"
            mmdebstrap --variant=minbase "${keep[@]}" \
                --aptopt='Acquire::Check-Valid-Until "false"' \
                --customize-hook='rm "$1/etc/apt/apt.conf.d/99mmdebstrap"' \
                "$release" "$image" "$mirror" >"$work/$release.log" 2>&1 || {
                tail -20 "$work/$release.log"
                return 1
            }
        fi
    fi
    mkdir "$root"
    roots+=("$root")
    tar -C "$root" -xf "$image"
    if [ "$release" = bookworm ]; then
        rm "$root/etc/apt/sources.list"
        printf 'Types: deb\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: %s\n' \
            "$mirror" "$release" /usr/share/keyrings/debian-archive-keyring.gpg \
            >"$root/etc/apt/sources.list.d/debian.sources"
    fi
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount -t proc proc "$root/proc"
    mount --bind /sys "$root/sys"
    mount --bind /dev "$root/dev"
    mount --bind /dev/pts "$root/dev/pts"
    mkdir -p "$root/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
    mount --bind "$debs" "$root/var/cache/apt/archives"
}

in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin \
        DISPLAY="$DISPLAY" LANG=C.UTF-8 "$@"
}

# Installs into a root with apt, as its user would (a dated mirror's
# expired Release file taken as it is).
apt_install() {
    local root=$1 log=$2
    shift 2
    in_root "$root" bash -c '{ apt-get update -qq ||
        apt-get update -qq -o Acquire::Check-Valid-Until=false; } &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$@"' - "$@" >"$log" 2>&1 ||
        { tail -40 "$log"; return 1; }
}

# Waits for the program's window; its process is then ended.
wait_window() {
    local what=$1 pid=$2 seconds=$3 window
    window=$(bash "$source/tests/support/wait-window.sh" "$seconds" "$pid") || {
        echo "$what: no window"
        return 1
    }
    echo "$what: the 536x172 Dotwise window is shown"
    kill "$(xdotool getwindowpid "$window")" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# The README's commands in a new root of the release, then its package in
# a second one.
check_release() {
    local release=$1 first=$1-first second=$1-second deb
    new_root "$release" "$first"
    git clone --quiet --no-hardlinks "$source" "$work/$first/root/dotwise"
    git -C "$work/$first/root/dotwise" checkout --quiet "$(git -C "$source" rev-parse HEAD)"
    # ccache is none of the packages the README's commands install, so
    # having it first changes nothing they do; their builds go through it.
    mkdir -p "$cache/$release-ccache" "$work/$first/var/cache/ccache"
    mount --bind "$cache/$release-ccache" "$work/$first/var/cache/ccache"
    apt_install "$work/$first" "$work/$release-ccache.log" --no-install-recommends ccache
    local built=(env CCACHE_DIR=/var/cache/ccache CCACHE_MAXSIZE=500M
        CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache)
    echo "== bash tools/dev.sh run, as the first command"
    in_root "$work/$first" "${built[@]}" bash -c 'cd /root/dotwise && bash tools/dev.sh run' \
        >"$work/$release-run.log" 2>&1 &
    wait_window "README run command" $! 1200 || { tail -40 "$work/$release-run.log"; return 1; }
    echo "== bash tools/dev.sh package"
    in_root "$work/$first" "${built[@]}" bash -c 'cd /root/dotwise && bash tools/dev.sh package' \
        >"$work/$release-package.log" 2>&1 || { tail -40 "$work/$release-package.log"; return 1; }
    deb=$(ls "$work/$first"/root/dotwise/build/dotwise_*.deb)
    echo "built $(basename "$deb"); lintian passed"
    # The test command runs the ordinary suites on this machine's release.
    if [ "$release" != "$(debian_codename)" ]; then
        echo "== bash tools/dev.sh check"
        in_root "$work/$first" "${built[@]}" bash -c 'cd /root/dotwise && bash tools/dev.sh check' \
            >"$work/$release-check.log" 2>&1 || { tail -60 "$work/$release-check.log"; return 1; }
        grep -E 'tests passed|tests failed' "$work/$release-check.log"
    fi

    new_root "$release" "$second"
    cp "$deb" "$work/$second/root/"
    echo "== apt-get install ./$(basename "$deb")"
    apt_install "$work/$second" "$work/$release-install.log" "/root/$(basename "$deb")"
    in_root "$work/$second" dotwise >"$work/$release-installed.log" 2>&1 &
    wait_window "installed package" $! 60 || { tail -20 "$work/$release-installed.log"; return 1; }
    # The cache keeps only what the mirror still has.
    in_root "$work/$second" apt-get autoclean -qq
    # Done with this release: its roots and image go before the next is made.
    cleanup_roots
    rm -f "$work/$release.tar"
}

for release in "${releases[@]}"; do
    check_release "$release"
    echo "fresh $release: passed"
done
echo "fresh machine: passed"
