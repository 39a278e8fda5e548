#!/usr/bin/env bash
# The README on brand-new Debian 12, 13 and testing machines. For each
# release, minimal roots are unpacked from one image made from the
# machine's own mirror, and each is entered from a bare root shell (no
# locale, no display unless the step needs one). In the first, this commit's
# README test command is the very first command: it must pass. With --all,
# two more: the README's run command as the very first command in a second
# root (the "Dotwise" window must appear), and the .deb that `dev.sh
# package` built in the first installed with apt into a third (the
# installed program's window must appear).
# The packages the roots download and the compiler's output of their
# builds (ccache) are kept per release in the cache folder, so roots of one
# release and later runs share them (apt checks each package against the
# mirror's index before it uses it); roots of this machine's own release
# share its own builds' compiler output, the same compiler's. Needs root
# (chroots, mounts), mmdebstrap, Xvfb, xdotool and git.
#   tools/fresh-machine.sh [--all] [CODENAME ...]   default: bookworm trixie forky
set -euo pipefail
cd "$(dirname "$0")/.."
[ "$(id -u)" -eq 0 ] || { echo "fresh-machine.sh makes chroots: run it as root" >&2; exit 1; }
source=$PWD
. tools/debian.sh
all=false
if [ "${1:-}" = --all ]; then
    all=true
    shift
fi
releases=("$@")
[ $# -gt 0 ] || releases=(bookworm trixie forky)
mirror=$(debian_mirror)
cache=$(dotwise_cache)/fresh
own_ccache=$(dotwise_cache)/ccache
work=$(mktemp -d /var/tmp/dotwise-fresh-XXXXXX)
roots=()

# The processes whose root is the given folder.
in_root_processes() {
    local p
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$1" ]; then echo "${p#/proc/}"; fi
    done
}
# Unmounts what new_root mounted, innermost first, once nothing runs in the
# root any more (a daemon a package started there would keep it busy).
unmount_root() {
    local root=$1 m pids
    pids=$(in_root_processes "$root")
    if [ -n "$pids" ]; then
        echo "ending what still runs in $root: $(ps -o comm= -p "${pids//$'\n'/,}" | xargs)"
        kill -9 $pids 2>/dev/null || true
        for _ in $(seq 1 100); do
            [ -z "$(in_root_processes "$root")" ] && break
            sleep 0.1
        done
    fi
    for m in var/cache/ccache var/cache/apt/archives tmp/.X11-unix dev/pts dev sys proc; do
        if mountpoint -q "$root/$m"; then umount "$root/$m" || return 1; fi
    done
}
# Unmounts and removes the roots made so far; a root something is still
# mounted in is left alone.
cleanup_roots() {
    local root
    for root in "${roots[@]}"; do unmount_root "$root" || true; done
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

# The X server the run command's and the package's windows appear on: its
# number is the first free one, known once it listens.
display=""
if $all; then
    exec 3<> <(:)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    read -r -t 30 display <&3 || { echo "Xvfb did not start" >&2; exit 1; }
    exec 3<&-
    display=:$display
fi

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
    mount --bind "$debs" "$root/var/cache/apt/archives"
}

# Lets a root's programs reach the check's X server. The test command's
# root does not get it: its suites start X servers of their own, which
# would take the host's display numbers in a shared socket folder.
share_display() {
    mkdir -p "$1/tmp/.X11-unix"
    mount --bind /tmp/.X11-unix "$1/tmp/.X11-unix"
}

# Clones this commit into a root, and keeps its builds' compiler output in
# the release's cache.
clone_into() {
    local root=$1 release=$2
    git clone --quiet --no-hardlinks "$source" "$root/root/dotwise"
    git -C "$root/root/dotwise" checkout --quiet "$(git -C "$source" rev-parse HEAD)"
    local objects=$cache/$release-ccache
    [ "$release" = "$(debian_codename)" ] && objects=$own_ccache
    mkdir -p "$objects" "$root/var/cache/ccache"
    mount --bind "$objects" "$root/var/cache/ccache"
}

# Runs a command in a root as from a bare root shell there: no locale, no
# display, nothing of this machine's environment.
in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"
}

# How long a step took, from bash's SECONDS at its start.
took() {
    printf '%d min %02d s' $(((SECONDS - $1) / 60)) $(((SECONDS - $1) % 60))
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
    window=$(DISPLAY=$display bash "$source/tests/support/wait-window.sh" "$seconds" "$pid") || {
        echo "$what: no window"
        return 1
    }
    echo "$what: the 536x172 Dotwise window is shown"
    kill "$(DISPLAY=$display xdotool getwindowpid "$window")" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# The README's test command first in one new root; with --all, its run
# command first in another and the package in a third.
check_release() {
    local release=$1 tested=$work/$1-test ran=$work/$1-run installed=$work/$1-deb deb t
    # Where the builds keep the compiler's output. The test command uses
    # ccache of itself; the run command, which does not install it, is told to.
    local cached=(env CCACHE_DIR=/var/cache/ccache CCACHE_MAXSIZE=2G)
    local launchers=(CMAKE_C_COMPILER_LAUNCHER=ccache CMAKE_CXX_COMPILER_LAUNCHER=ccache)

    t=$SECONDS
    new_root "$release" "$(basename "$tested")"
    clone_into "$tested" "$release"
    echo "== bash tools/dev.sh test, as the first command"
    in_root "$tested" "${cached[@]}" bash -c 'cd /root/dotwise && bash tools/dev.sh test' \
        >"$work/$release-test.log" 2>&1 ||
        { tail -60 "$work/$release-test.log"; return 1; }
    grep -E 'tests passed|tests failed' "$work/$release-test.log"
    echo "($(took "$t"))"
    if ! $all; then
        cleanup_roots
        rm -f "$work/$release.tar"
        return 0
    fi
    echo "== bash tools/dev.sh package"
    in_root "$tested" bash -c 'cd /root/dotwise && bash tools/dev.sh package' \
        >"$work/$release-package.log" 2>&1 || { tail -40 "$work/$release-package.log"; return 1; }
    deb=$(ls "$tested"/root/dotwise/build/dotwise_*.deb)
    cp "$deb" "$work/"
    deb=$work/$(basename "$deb")
    echo "built $(basename "$deb"); lintian passed"
    cleanup_roots

    t=$SECONDS
    new_root "$release" "$(basename "$ran")"
    clone_into "$ran" "$release"
    share_display "$ran"
    apt_install "$ran" "$work/$release-ccache.log" --no-install-recommends ccache
    echo "== bash tools/dev.sh run, as the first command"
    in_root "$ran" DISPLAY="$display" "${cached[@]}" "${launchers[@]}" \
        bash -c 'cd /root/dotwise && bash tools/dev.sh run' >"$work/$release-run.log" 2>&1 &
    wait_window "README run command" $! 1200 || { tail -40 "$work/$release-run.log"; return 1; }
    echo "($(took "$t"))"
    cleanup_roots

    t=$SECONDS
    new_root "$release" "$(basename "$installed")"
    share_display "$installed"
    cp "$deb" "$installed/root/"
    echo "== apt-get install ./$(basename "$deb")"
    apt_install "$installed" "$work/$release-install.log" "/root/$(basename "$deb")"
    in_root "$installed" DISPLAY="$display" dotwise >"$work/$release-installed.log" 2>&1 &
    wait_window "installed package" $! 60 || { tail -20 "$work/$release-installed.log"; return 1; }
    echo "($(took "$t"))"
    # The cache keeps only what the mirror still has.
    in_root "$installed" apt-get autoclean -qq
    cleanup_roots
    rm -f "$work/$release.tar" "$deb"
}

for release in "${releases[@]}"; do
    t=$SECONDS
    check_release "$release"
    echo "fresh $release: passed in $(took "$t")"
done
echo "fresh machine: passed"
