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
. tools/roots.sh

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

# How long a step took, from bash's SECONDS at its start.
took() {
    printf '%d min %02d s' $(((SECONDS - $1) / 60)) $(((SECONDS - $1) % 60))
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
    dotwise_took "new machine: $release" "$t"
done
echo "fresh machine: passed"
