#!/usr/bin/env bash
# New minimal Debian roots for the checks that need a machine of their own:
# made with mmdebstrap from the machine's own mirror, each unpacked from one
# minbase image per release, entered from a bare root shell. The packages
# they download are kept per release in the folder cache names. Needs root (chroots,
# mounts) and mmdebstrap. Before sourcing, set: mirror, cache (the
# packages' folder), work (a folder of the caller's); roots lists the
# roots made, and cleanup removes them and work on exit.
#   . tools/roots.sh

roots=()
declare -A root_debs

# The processes whose root is the given folder.
in_root_processes() {
    local p
    for p in /proc/[0-9]*; do
        if [ "$(readlink "$p/root" 2>/dev/null)" = "$1" ]; then echo "${p#/proc/}"; fi
    done
}
# Unmounts what is mounted below a root, innermost first, once nothing runs in the
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
    for m in $(findmnt -rn -o TARGET | grep "^$root/" | sort -r); do
        umount "$m" || return 1
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
    for root in "${roots[@]}"; do
        keep_debs "$root/var/cache/apt/archives" "${root_debs[$root]}"
        rm -rf --one-file-system "$root"
    done
    roots=()
}
# Adds the packages a root downloaded to those kept for its release, each
# under its own name only once whole: roots of one release may be made at
# the same time, and each has its own copy (apt locks the folder it
# downloads to).
keep_debs() {
    local from=$1 debs=$2 f
    for f in "$from"/*.deb; do
        [ -e "$f" ] && [ ! -e "$debs/${f##*/}" ] || continue
        cp "$f" "$debs/.${f##*/}.$$" && mv -f "$debs/.${f##*/}.$$" "$debs/${f##*/}"
    done
}
# Runs to its end however the script ends, a signal included (errexit
# would stop it there at the first test that fails).
cleanup() {
    set +e
    [ -n "$(jobs -p)" ] && kill $(jobs -p) 2>/dev/null
    cleanup_roots && rm -rf --one-file-system "$work"
}
trap cleanup EXIT

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
        mkdir -p "$work/$1-debs"
        local keep=(--skip=essential/unlink
            --setup-hook='mkdir -p "$1/var/cache/apt/archives"'
            --setup-hook="sync-in $debs /var/cache/apt/archives/"
            --customize-hook="sync-out /var/cache/apt/archives $work/$1-debs")
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
    if [ -d "$work/$1-debs" ]; then
        keep_debs "$work/$1-debs" "$debs"
        rm -rf "$work/$1-debs"
    fi
    mkdir "$root"
    roots+=("$root")
    root_debs[$root]=$debs
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
    mkdir -p "$root/var/cache/apt/archives/partial"
    local kept=("$debs"/*.deb)
    if [ -e "${kept[0]}" ]; then
        cp -lf "${kept[@]}" "$root/var/cache/apt/archives/" 2>/dev/null ||
            cp -f "${kept[@]}" "$root/var/cache/apt/archives/"
    fi
}

# Runs a command in a root as from a bare root shell there: no locale, no
# display, nothing of this machine's environment.
in_root() {
    local root=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin "$@"
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
